#include "platform/ui/script/script_reader.h"

#include "platform/ui/script/action_rules.h"
#include "platform/ui/script/transcript_events.h"

namespace qv::ui::script {
namespace {

std::string controlName(int id) {
  return "control " + std::to_string(id);
}

}  // namespace

void ScriptReader::takeDialogLine(const Dialog& dialog) {
  const std::string name(dialog.name());
  if (script_.atEnd()) fail(0, "the script ended while dialog " + name + " waits for input");
  const Action& next = script_.peek();
  if (next.verb != Verb::Dialog) {
    fail(next.line, "dialog " + name + " waits for input but the script does not announce it");
  }
  if (next.text != name) {
    fail(next.line,
         "the script announces dialog " + next.text + " but dialog " + name + " waits for input");
  }
  script_.take();
}

const ControlState& ScriptReader::target(const Dialog& dialog, const Action& action, int id) {
  const ControlState* c = dialog.find(id);
  const std::string what = controlName(id) + " of dialog " + std::string(dialog.name());
  if (!c) fail(action.line, "dialog " + std::string(dialog.name()) + " has no " + controlName(id));
  if (!c->visible) fail(action.line, what + " is hidden");
  if (!c->enabled) fail(action.line, what + " is disabled");
  return *c;
}

ScriptReader::UserAction ScriptReader::takeUserAction(const Dialog& dialog) {
  const std::string name(dialog.name());
  if (script_.atEnd()) fail(0, "the script ended while dialog " + name + " waits for input");
  const Action& next = script_.peek();
  if (next.verb == Verb::Dialog) {
    fail(next.line,
         "the script announces dialog " + next.text + " but dialog " + name + " waits for input");
  }
  if (next.verb == Verb::Answer || next.verb == Verb::File || next.verb == Verb::Folder) {
    fail(next.line, std::string("the script announces a ") + verbName(next.verb) +
                        " dialog but dialog " + name + " waits for input");
  }
  const Action& a = script_.take();
  switch (a.verb) {
    case Verb::Focus:
      target(dialog, a, a.id);
      return {a, a.id};
    case Verb::Set:
      if (!takesText(target(dialog, a, a.id))) fail(a.line, controlName(a.id) + " takes no text");
      return {a, a.id};
    case Verb::Caret:
      if (!takesText(target(dialog, a, a.id)))
        fail(a.line, controlName(a.id) + " is no edit field");
      return {a, a.id};
    case Verb::Select: {
      const ControlState& c = target(dialog, a, a.id);
      if (c.kind() != ControlKind::List && c.kind() != ControlKind::Combo) {
        fail(a.line, controlName(a.id) + " is no list");
      }
      if (a.a >= static_cast<long long>(c.items.size())) {
        fail(a.line, controlName(a.id) + " has no entry " + std::to_string(a.a));
      }
      return {a, a.id};
    }
    case Verb::Check:
    case Verb::Uncheck: {
      const ControlState& c = target(dialog, a, a.id);
      if (c.kind() != ControlKind::Check && c.kind() != ControlKind::Radio) {
        fail(a.line, controlName(a.id) + " is no check box or radio button");
      }
      return {a, a.id};
    }
    case Verb::Click:
    case Verb::Press: {
      int id = a.id;
      if (a.verb == Verb::Press) {
        const ControlState* found = nullptr;
        for (const ControlState& c : dialog.controls()) {
          if (isClickable(c.kind()) &&
              (c.tpl->text == a.text || shownText(c.tpl->text) == a.text)) {
            found = &c;
            break;
          }
        }
        if (!found) fail(a.line, "dialog " + name + " has no button \"" + a.text + "\"");
        id = found->id();
      }
      if (!isClickable(target(dialog, a, id).kind())) {
        fail(a.line, controlName(id) + " cannot be clicked");
      }
      return {a, id};
    }
    case Verb::Navigated:
    case Verb::NavigateError: {
      const ControlState* view = firstWebView(dialog);
      if (!view) fail(a.line, "dialog " + name + " has no web view");
      return {a, view->id()};
    }
    default:
      return {a, 0};
  }
}

const Action& ScriptReader::expect(Verb verb, const std::string& what) {
  if (script_.atEnd()) fail(0, "the program shows " + what + " that the script does not announce");
  const Action& next = script_.peek();
  if (next.verb != verb) {
    fail(next.line,
         "the program shows " + what + " but the script's next line is " + verbName(next.verb));
  }
  return script_.take();
}

MessageAnswer ScriptReader::answerMessage(std::string_view text, std::string_view title,
                                          MessageIcon icon, MessageButtons buttons) {
  const ButtonsInfo info = buttonsInfo(buttons);
  const Action& a = expect(Verb::Answer, "a message box (\"" + std::string(text) + "\")");
  std::optional<MessageAnswer> answer;
  for (const auto& [word, value] : info.answers) {
    if (word == a.text) answer = value;
  }
  if (!answer) {
    fail(a.line, "the message box has no button " + a.text + " (\"" + std::string(text) + "\")");
  }
  JsonObject o = Transcript::event("message");
  o.add("text", text).add("title", title).add("icon", iconName(icon));
  o.add("buttons", info.name).add("answer", a.text);
  transcript_.write(o);
  return *answer;
}

std::optional<std::string> ScriptReader::answerFile(const OpenFileRequest& request) {
  const Action& a = expect(Verb::File, "an open-file dialog (\"" + request.title + "\")");
  std::optional<std::string> answer;
  // A path longer than the dialog's buffer comes back cancelled.
  if (!a.cancel && a.text.size() < request.bufferCapacity) answer = a.text;
  transcript_.write(fileEvent(request, answer));
  return answer;
}

std::optional<std::string> ScriptReader::answerFolder(std::string_view title) {
  const Action& a = expect(Verb::Folder, "a folder browser (\"" + std::string(title) + "\")");
  std::optional<std::string> answer;
  if (!a.cancel) answer = a.text;
  transcript_.write(folderEvent(title, answer));
  return answer;
}

void ScriptReader::finish() {
  if (!script_.atEnd()) {
    const Action& a = script_.peek();
    fail(a.line, "the program ended with " + std::to_string(script_.remaining()) +
                     " script line(s) left, the first being " + verbName(a.verb));
  }
}

}  // namespace qv::ui::script
