// Finding and loading backend modules: the installation's module folder
// relative to the program (the build tree has it too), QV_UI_MODULE_DIR
// instead, and a clear failure for a module that cannot be loaded.
#include "platform/ui/backend_module.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/base/build_info.h"
#include "platform/os/paths.h"
#include "tests/os/temp_folder.h"

namespace qv::ui {
namespace {

using os::test::ScopedEnv;
using os::test::TempFolder;

TEST(BackendModule, FolderIsTheInstallationsModuleFolderBesideThePrograms) {
  ScopedEnv unset("QV_UI_MODULE_DIR", nullptr);
  const std::filesystem::path build = std::filesystem::canonical(QV_BINARY_DIR);
  // lib/quorvel, or lib/<multiarch>/quorvel when configured for /usr.
  EXPECT_EQ(backendModuleFolder(),
            (build / "bin" / build::kModuleFolderFromPrograms).lexically_normal().string());
  EXPECT_EQ(std::filesystem::path(backendModuleFolder()).filename(), "quorvel");
  EXPECT_TRUE(os::fileExists(backendModuleFolder() + "/libqv_ui_gtk.so"))
      << "the build tree has the installed layout";
}

TEST(BackendModule, QvUiModuleDirNamesAnotherFolder) {
  ScopedEnv dir("QV_UI_MODULE_DIR", "/opt/modules");
  EXPECT_EQ(backendModuleFolder(), "/opt/modules");
  ScopedEnv empty("QV_UI_MODULE_DIR", "");
  EXPECT_NE(backendModuleFolder(), "");
}

TEST(BackendModule, AModuleThatCannotBeLoadedIsABadSetting) {
  TempFolder folder;
  folder.write("libqv_ui_none.so", "not a shared object\n");
  ScopedEnv dir("QV_UI_MODULE_DIR", folder.path().c_str());
  const ProgramMain neverRun = [](Platform&, int, char**) {
    ADD_FAILURE() << "the program ran";
    return 0;
  };
  for (const char* file : {"libqv_ui_missing.so", "libqv_ui_none.so"}) {
    SCOPED_TRACE(file);
    testing::internal::CaptureStderr();
    EXPECT_EQ(runOnBackendModule("prog", file, "qv_ui_none_run", 0, nullptr, neverRun),
              kExitBadSetting);
    const std::string error = testing::internal::GetCapturedStderr();
    EXPECT_EQ(error.rfind("prog: cannot load the backend module " + folder.file(file) + ": ", 0),
              0u)
        << error;
  }
}

}  // namespace
}  // namespace qv::ui
