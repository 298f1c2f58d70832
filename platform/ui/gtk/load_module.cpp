#include "platform/ui/gtk/load_module.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/ui/gtk/module_entry.h"

namespace qv::ui {
namespace {

std::string moduleDirectory() {
  if (const char* dir = std::getenv("QV_UI_MODULE_DIR"); dir && *dir) return dir;
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return "../lib";
  return (self.parent_path().parent_path() / "lib").string();
}

struct Call {
  const ProgramMain* main;
  int argc;
  char** argv;
};

int callProgram(Platform* platform, void* context) {
  auto* call = static_cast<Call*>(context);
  return (*call->main)(*platform, call->argc, call->argv);
}

}  // namespace

int runInModule(const BackendModule& backend, const std::string& programName, int argc, char** argv,
                const ProgramMain& main) {
  const std::string file = moduleDirectory() + "/" + backend.file;
  // Kept loaded to the end: GTK cannot be unloaded once initialised.
  void* module = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!module) {
    std::fprintf(stderr, "%s: cannot load the %s %s: %s\n", programName.c_str(),
                 backend.description, file.c_str(), dlerror());
    return kExitBadSetting;
  }
  auto* entry = reinterpret_cast<int (*)(const char*, QvGtkProgram, void*)>(
      dlsym(module, backend.entryPoint));
  if (!entry) {
    std::fprintf(stderr, "%s: cannot load the %s %s: %s\n", programName.c_str(),
                 backend.description, file.c_str(), dlerror());
    return kExitBadSetting;
  }
  Call call{&main, argc, argv};
  return entry(programName.c_str(), &callProgram, &call);
}

}  // namespace qv::ui

namespace qv::ui::gtk {

int runOnDesktop(const std::string& programName, int argc, char** argv, const ProgramMain& main) {
  return runInModule({kModuleFile, kEntryPoint, "desktop backend"}, programName, argc, argv, main);
}

}  // namespace qv::ui::gtk
