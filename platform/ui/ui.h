// The dialog backend: what the programs ask of the windowing system.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/dialog.h"
#include "platform/ui/dialog_proc.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/window.h"

namespace qv::ui {

enum class MessageIcon { None, Warning, Question, Information, Error };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
// The values of the Windows button ids.
enum class MessageAnswer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

struct FileFilter {
  std::string description;
  std::string pattern;  // "*.vbs;*.ps1"
};

struct OpenFileRequest {
  std::string title;
  std::vector<FileFilter> filters;  // the first is selected
  std::string initialName;          // the file buffer's text
  std::optional<std::string> initialFolder;
  std::size_t bufferCapacity = 260;  // a longer answer counts as cancelled
  bool pathMustExist = true;         // the folder must exist; the file need not
};

class Ui {
 public:
  virtual ~Ui() = default;

  // Runs a dialog modally, nested in whatever modal loop runs now; returns the
  // value it ended with (0 when a posted quit ended it).
  virtual int runModal(const DialogTemplate&, DialogProc&) = 0;
  // Opens a modeless dialog; it closes when the returned object goes.
  virtual std::unique_ptr<Dialog> openModeless(const DialogTemplate&, DialogProc&,
                                               Dialog* owner) = 0;

  // A message box owned by the window that has the focus.
  virtual MessageAnswer messageBox(std::string_view text, std::string_view title, MessageIcon,
                                   MessageButtons) = 0;
  // The chosen path, or nullopt when cancelled.
  virtual std::optional<std::string> openFile(const OpenFileRequest&) = 0;
  virtual std::optional<std::string> browseFolder(std::string_view title) = 0;

  virtual void setClipboardText(std::string_view text) = 0;
  virtual std::string clipboardText() = 0;

  // Blocks the thread; explicit repaints stay on screen, input waits.
  virtual void sleep(int ms) = 0;
  // Milliseconds since an arbitrary start, as a 32-bit count.
  virtual std::uint32_t tickCount() = 0;

  // The hidden main window and the program's message loop.
  virtual bool registerWindowClass(std::string_view className) = 0;
  virtual void unregisterWindowClass(std::string_view className) = 0;
  // Null when the class is not registered. Sends kWmCreate before returning.
  virtual std::unique_ptr<Window> createWindow(std::string_view className, std::string_view title,
                                               WindowProc&) = 0;
  virtual void postQuit(int exitCode) = 0;
  // Dispatches posted messages until the quit message; returns its code.
  virtual int runMessageLoop() = 0;
};

}  // namespace qv::ui
