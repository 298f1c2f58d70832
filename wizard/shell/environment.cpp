#include "wizard/shell/environment.h"

#include <filesystem>

#include "platform/base/build_info.h"
#include "platform/base/text.h"
#include "platform/os/paths.h"
#include "wizard/engine/wizard_state.h"

namespace qv::wizard {

WizardEnvironment WizardEnvironment::fromSystem() {
  WizardEnvironment env{os::programFolder(), {}};
  for (const std::string& folder : os::dataFolders()) {
    env.dataFolders.push_back((std::filesystem::path(folder) / build::kFolderName).string());
  }
  return env;
}

std::string WizardEnvironment::programFolderPath(std::string_view name) const {
  return cutToCapacity(programFolder + std::string(name), cap::kPath);
}

std::string WizardEnvironment::dataPath(std::string_view name) const {
  if (const auto found = os::findInFolders(dataFolders, name)) {
    return cutToCapacity(*found, cap::kPath);
  }
  return programFolderPath(name);
}

}  // namespace qv::wizard
