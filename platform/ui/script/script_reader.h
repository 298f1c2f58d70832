// How a script's lines meet what the program does, the same for every backend
// that a script drives: which line a waiting dialog, a message box or a file
// dialog takes, which user actions are possible on which controls, and what
// is left at the end. A mismatch ends the run through fail(), which each
// backend implements.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/ui/dialog.h"
#include "platform/ui/script/script.h"
#include "platform/ui/script/transcript.h"
#include "platform/ui/ui.h"

namespace qv::ui::script {

class ScriptReader {
 public:
  ScriptReader(Script& script, Transcript& transcript) : script_(script), transcript_(transcript) {}
  virtual ~ScriptReader() = default;

  // Ends the run: writes the script-error line and leaves at once.
  [[noreturn]] virtual void fail(int line, const std::string& message) = 0;

  // The line the next failure would name: the next line, 0 at the end.
  int nextLine() const { return script_.atEnd() ? 0 : script_.peek().line; }

  // Takes the `dialog NAME` line of a dialog that waits for the first time.
  void takeDialogLine(const Dialog& dialog);

  // Takes the next user action for a dialog that waits, checked against the
  // dialog; `id` is the control it acts on (the button `press` found, the
  // web view of `navigated`), 0 for actions on no control.
  struct UserAction {
    const Action& action;
    int id;
  };
  UserAction takeUserAction(const Dialog& dialog);

  // Answers what the program shows from the next line, which must announce
  // it, and writes its transcript line.
  MessageAnswer answerMessage(std::string_view text, std::string_view title, MessageIcon,
                              MessageButtons);
  std::optional<std::string> answerFile(const OpenFileRequest& request);
  std::optional<std::string> answerFolder(std::string_view title);

  // The program has ended normally: lines left fail the run.
  void finish();

 protected:
  Script& script_;
  Transcript& transcript_;

 private:
  const Action& expect(Verb verb, const std::string& what);
  const ControlState& target(const Dialog& dialog, const Action& action, int id);
};

}  // namespace qv::ui::script
