#include "platform/ui/backend_module.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/base/build_info.h"
#include "platform/os/paths.h"

namespace qv::ui {
namespace {

struct Call {
  const ProgramMain* main;
  int argc;
  char** argv;
};

int callProgram(Platform* platform, void* context) {
  auto* call = static_cast<Call*>(context);
  return (*call->main)(*platform, call->argc, call->argv);
}

int cannotLoad(const std::string& programName, const std::string& file) {
  std::fprintf(stderr, "%s: cannot load the backend module %s: %s\n", programName.c_str(),
               file.c_str(), dlerror());
  return kExitBadSetting;
}

}  // namespace

std::string backendModuleFolder() {
  if (const char* dir = std::getenv("QV_UI_MODULE_DIR"); dir && *dir) return dir;
  const std::string programs = os::programFolder();
  const std::filesystem::path folder =
      (programs.empty() ? std::filesystem::path(".") : std::filesystem::path(programs)) /
      build::kModuleFolderFromPrograms;
  return folder.lexically_normal().string();
}

int runOnBackendModule(const std::string& programName, const char* moduleFile,
                       const char* entryPoint, int argc, char** argv, const ProgramMain& main) {
  const std::string file = (std::filesystem::path(backendModuleFolder()) / moduleFile).string();
  // Kept loaded to the end: GTK cannot be unloaded once initialised.
  void* module = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!module) return cannotLoad(programName, file);
  auto entry = reinterpret_cast<QvBackendEntry>(dlsym(module, entryPoint));
  if (!entry) return cannotLoad(programName, file);
  Call call{&main, argc, argv};
  return entry(programName.c_str(), &callProgram, &call);
}

}  // namespace qv::ui
