// The application object: created by main, it runs InitInstance and ends the
// program the way the application framework does.
#pragma once

#include <string>
#include <string_view>

#include "platform/ui/platform.h"

namespace qv::afx {

class WindowBase;

// What an application learns from its process: its name (the executable's
// file name without folder and extension) and the command-line tail.
struct ProgramArguments {
  std::string appName;
  std::string commandLine;
};

// The tail is the arguments after the program name joined by single blanks,
// the nearest Linux has to the text a Windows program is given.
ProgramArguments programArguments(int argc, char** argv);

// The executable's name without its folder and its extension.
std::string appNameFromPath(std::string_view path);

class AppBase {
 public:
  AppBase(ui::Platform& platform, ProgramArguments arguments);
  virtual ~AppBase() = default;
  AppBase(const AppBase&) = delete;
  AppBase& operator=(const AppBase&) = delete;

  // Runs InitInstance; when it returns true the message loop runs until the
  // quit message. Returns the exit status from ExitInstance.
  int run();

  ui::Platform& platform() { return platform_; }
  ui::Ui& ui() { return platform_.ui(); }
  const std::string& appName() const { return arguments_.appName; }
  const std::string& commandLine() const { return arguments_.commandLine; }

  WindowBase* mainWindow() const { return mainWindow_; }
  void setMainWindow(WindowBase* window) { mainWindow_ = window; }

 protected:
  virtual bool InitInstance() { return true; }
  virtual int ExitInstance() { return exitCode_; }

 private:
  ui::Platform& platform_;
  ProgramArguments arguments_;
  WindowBase* mainWindow_ = nullptr;
  int exitCode_ = 0;
};

}  // namespace qv::afx
