// platform/os/desktop_launcher.h, the GIO Launcher, without a desktop session:
// the whole program runs with XDG folders of its own (a desktop entry for a
// stand-in browser and one for a stand-in text editor, made the defaults by a
// mimeapps.list), so GIO sees no association of this machine and starts only
// the stand-ins, which record their arguments.
#include "platform/os/desktop_launcher.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>

#include "platform/os/paths.h"
#include "tests/os/temp_folder.h"

namespace qv::os {
namespace {

using test::TempFolder;

class HermeticDesktop : public ::testing::Environment {
 public:
  void SetUp() override {
    folder_ = std::make_unique<TempFolder>();
    const TempFolder& f = *folder_;
    for (const char* name : {"qv-browser", "qv-editor"}) {
      const std::string record = f.file(std::string(name) + ".args");
      const std::string path = f.write(std::string("bin/") + name,
                                       "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + record +
                                           ".tmp' && mv '" + record + ".tmp' '" + record + "'\n");
      ::chmod(path.c_str(), 0755);
    }
    f.write("data/applications/qv-test-browser.desktop",
            "[Desktop Entry]\nType=Application\nName=QV Test Browser\nExec=" +
                f.file("bin/qv-browser") + " %u\nMimeType=text/html;x-scheme-handler/http;\n");
    f.write("data/applications/qv-test-editor.desktop",
            "[Desktop Entry]\nType=Application\nName=QV Test Editor\nExec=" +
                f.file("bin/qv-editor") + " %F\nMimeType=text/plain;\n");
    f.write("config/mimeapps.list",
            "[Default Applications]\ntext/html=qv-test-browser.desktop\n"
            "x-scheme-handler/http=qv-test-browser.desktop\ntext/plain=qv-test-editor.desktop\n");
    // The system's MIME database, but none of the system's applications.
    std::filesystem::create_directories(f.file("system"));
    hasMimeDatabase_ = std::filesystem::exists("/usr/share/mime/mime.cache");
    if (hasMimeDatabase_)
      std::filesystem::create_directory_symlink("/usr/share/mime", f.file("system/mime"));

    ::setenv("XDG_DATA_HOME", f.file("data").c_str(), 1);
    ::setenv("XDG_DATA_DIRS", f.file("system").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", f.file("config").c_str(), 1);
    ::setenv("XDG_CONFIG_DIRS", f.file("system").c_str(), 1);
    ::setenv("GIO_USE_VFS", "local", 1);
    ::unsetenv("XDG_CURRENT_DESKTOP");
    ::unsetenv("DISPLAY");
    ::unsetenv("WAYLAND_DISPLAY");
    ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
    ::unsetenv("XDG_RUNTIME_DIR");
  }
  void TearDown() override { folder_.reset(); }

  static const TempFolder& folder() { return *instance->folder_; }
  static bool hasMimeDatabase() { return instance->hasMimeDatabase_; }

  // The arguments a stand-in recorded (removing the record), waiting up to
  // five seconds.
  static std::optional<std::string> recorded(const std::string& name) {
    const std::string record = folder().file(name + ".args");
    for (int i = 0; i < 500; ++i) {
      if (auto text = readWholeFile(record)) {
        std::filesystem::remove(record);
        return text;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return std::nullopt;
  }

  static HermeticDesktop* instance;

 private:
  std::unique_ptr<TempFolder> folder_;
  bool hasMimeDatabase_ = false;
};

HermeticDesktop* HermeticDesktop::instance =
    static_cast<HermeticDesktop*>(::testing::AddGlobalTestEnvironment(new HermeticDesktop));

TEST(DesktopLauncher, AssociatedProgramOfAMissingFileIsEmpty) {
  auto launcher = makeDesktopLauncher();
  EXPECT_EQ(launcher->findAssociatedProgram(HermeticDesktop::folder().file("Dummy.htm")), "");
  EXPECT_EQ(launcher->findAssociatedProgram(""), "");
  EXPECT_EQ(launcher->findAssociatedProgram(HermeticDesktop::folder().path()), "")
      << "a folder is no file";
}

TEST(DesktopLauncher, AssociatedProgramOfTheBrowserProbe) {
  if (!HermeticDesktop::hasMimeDatabase()) GTEST_SKIP() << "no shared-mime-info database";
  TempFolder folder;
  auto launcher = makeDesktopLauncher();
  const std::string browser = HermeticDesktop::folder().file("bin/qv-browser");
  // Only the name matters, as for Windows: an empty probe and one with text.
  EXPECT_EQ(launcher->findAssociatedProgram(folder.write("Dummy.htm", "")), browser);
  EXPECT_EQ(launcher->findAssociatedProgram(folder.write("Other.htm", "<html></html>\n")), browser);
}

TEST(DesktopLauncher, NoAssociatedProgram) {
  if (!HermeticDesktop::hasMimeDatabase()) GTEST_SKIP() << "no shared-mime-info database";
  TempFolder folder;
  auto launcher = makeDesktopLauncher();
  EXPECT_EQ(launcher->findAssociatedProgram(folder.write("sound.wav", "RIFF\0\0\0\0WAVE")), "");
}

TEST(DesktopLauncher, OpenAddressStartsTheHandler) {
  auto launcher = makeDesktopLauncher();
  ASSERT_TRUE(launcher->openAddress("http://qvserver:8080/status.htm"));
  EXPECT_EQ(HermeticDesktop::recorded("qv-browser"), "http://qvserver:8080/status.htm\n");
}

TEST(DesktopLauncher, OpenAddressWithoutHandlerFails) {
  auto launcher = makeDesktopLauncher();
  EXPECT_FALSE(launcher->openAddress("qvnohandler://x"));
  EXPECT_FALSE(launcher->openAddress(""));
}

TEST(DesktopLauncher, NotepadIsTheDefaultTextEditor) {
  TempFolder folder;
  const std::string script = folder.write("New Script.vbs", "x\r\n");
  auto launcher = makeDesktopLauncher();
  ASSERT_TRUE(launcher->startProgram("notepad.exe \"" + script + "\"", WindowState::Maximised));
  EXPECT_EQ(HermeticDesktop::recorded("qv-editor"), script + "\n");
}

TEST(DesktopLauncher, StartProgram) {
  auto launcher = makeDesktopLauncher();
  EXPECT_TRUE(launcher->startProgram("sh -c \"exit 0\"", WindowState::Normal));
  EXPECT_TRUE(launcher->startProgram(
      "\"" + HermeticDesktop::folder().file("bin/qv-browser") + "\" http://qvserver/",
      WindowState::Normal));
  EXPECT_EQ(HermeticDesktop::recorded("qv-browser"), "http://qvserver/\n");
  EXPECT_FALSE(launcher->startProgram("qv-no-such-program.exe", WindowState::Maximised));
}

}  // namespace
}  // namespace qv::os
