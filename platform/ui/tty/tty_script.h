// A script drives the terminal backend: the same script lines and
// transcript as the scripted backend, performed on the dialog views in real
// time, and `screen FILE`, which writes the terminal's text to FILE.
#pragma once

#include <string>

#include "platform/ui/script/script.h"
#include "platform/ui/script/script_reader.h"
#include "platform/ui/script/transcript.h"
#include "platform/ui/tty/canvas.h"
#include "platform/ui/tty/dialog_view.h"

namespace qv::ui::tty {

class TtyUi;

class TtyScript final : public script::ScriptReader {
 public:
  TtyScript(script::Script& script, script::Transcript& transcript)
      : ScriptReader(script, transcript) {}
  void attach(TtyUi& ui) { ui_ = &ui; }

  void write(const script::JsonObject& event) { transcript_.write(event); }
  // Ends the run at once: the terminal given back, the script-error line,
  // then exit status 3.
  [[noreturn]] void fail(int line, const std::string& message) override;

  // Performs the next user line on the innermost modal dialog; returns the
  // milliseconds to let pass before the next one. `screen` is what the
  // terminal shows.
  long long perform(DialogView& view, const Canvas& screen);

 private:
  TtyUi* ui_ = nullptr;
};

}  // namespace qv::ui::tty
