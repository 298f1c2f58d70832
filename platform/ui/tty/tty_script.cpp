#include "platform/ui/tty/tty_script.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/ui/script/transcript_events.h"
#include "platform/ui/tty/tty_ui.h"

namespace qv::ui::tty {

using script::Action;
using script::JsonObject;
using script::Transcript;
using script::Verb;

void TtyScript::fail(int line, const std::string& message) {
  JsonObject o = Transcript::event("script-error");
  o.add("line", line).add("message", message);
  if (const Dialog* d = ui_ ? ui_->innermostModal() : nullptr) o.add("dialog", d->name());
  transcript_.write(o);
  transcript_.stop();
  if (ui_) ui_->restoreTerminal();
  std::fprintf(stderr, "script line %d: %s\n", line, message.c_str());
  std::fflush(nullptr);
  // Dialogs and loops are in the middle of things: leave at once.
  ::_exit(3);
}

long long TtyScript::perform(DialogView& view, const Canvas& screen) {
  Dialog& dialog = view.dialog();
  const UserAction action = takeUserAction(dialog);
  const Action& a = action.action;
  const int id = action.id;
  switch (a.verb) {
    case Verb::Focus:
      view.userFocus(id);
      break;
    case Verb::Set:
      view.userFocus(id);
      dialog.userSetText(id, a.text);
      break;
    case Verb::Select:
      view.userFocus(id);
      dialog.userSetSelection(id, static_cast<int>(a.a));
      break;
    case Verb::Check:
    case Verb::Uncheck:
      dialog.setChecked(id, a.verb == Verb::Check);
      break;
    case Verb::Click:
    case Verb::Press:
      view.userClick(id);
      break;
    case Verb::Key:
      if (a.text == "escape") {
        view.pressEscape();
      } else {
        view.pressEnter();
      }
      break;
    case Verb::Caret:
      view.userFocus(id);
      dialog.userSetCaret(id, static_cast<std::size_t>(a.a), static_cast<std::size_t>(a.b));
      break;
    case Verb::Dump:
      transcript_.write(script::dialogEvent("dump", dialog));
      break;
    case Verb::Timer:
      dialog.proc().onTimer(dialog, a.id);
      break;
    case Verb::Wait:
      return a.a;
    case Verb::SysCommand:
      view.systemCommand(a.id);
      break;
    case Verb::Navigated:
      ui_->follow(dialog, id, a.text);
      break;
    case Verb::NavigateError:
      dialog.proc().onWebViewEvent(dialog, id, WebViewEvent::NavigateError);
      break;
    case Verb::Screen: {
      std::FILE* file = std::fopen(a.text.c_str(), "w");
      const std::string text = screen.toText();
      if (!file || std::fwrite(text.data(), 1, text.size(), file) != text.size()) {
        const std::string reason = std::strerror(errno);
        if (file) std::fclose(file);
        fail(a.line, "cannot write the screen to " + a.text + ": " + reason);
      }
      std::fclose(file);
      break;
    }
    default:  // screenshots are the desktop backend's
      break;
  }
  return 0;
}

}  // namespace qv::ui::tty
