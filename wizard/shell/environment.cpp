#include "wizard/shell/environment.h"

#include "platform/base/text.h"
#include "platform/os/paths.h"
#include "wizard/engine/wizard_state.h"

namespace qv::wizard {

WizardEnvironment WizardEnvironment::fromSystem() {
  return {os::programFolder(), os::sharedDataFolder()};
}

std::string WizardEnvironment::programFolderPath(std::string_view name) const {
  return cutToCapacity(programFolder + std::string(name), cap::kPath);
}

std::string WizardEnvironment::templateFolderPath(std::string_view name) const {
  if (sharedDataFolder && !sharedDataFolder->empty()) {
    std::string folder = *sharedDataFolder;
    if (folder.back() != '/') folder += '/';
    folder += std::string(kProductFolder) + "/" + std::string(name);
    if (os::folderExists(folder)) return cutToCapacity(folder, cap::kPath);
  }
  return programFolderPath(name);
}

}  // namespace qv::wizard
