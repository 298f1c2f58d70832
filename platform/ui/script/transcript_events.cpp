#include "platform/ui/script/transcript_events.h"

#include "platform/ui/script/transcript.h"

namespace qv::ui::script {

const char* kindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Static:
      return "static";
    case ControlKind::Edit:
      return "edit";
    case ControlKind::Button:
      return "button";
    case ControlKind::Check:
      return "check";
    case ControlKind::Radio:
      return "radio";
    case ControlKind::Group:
      return "group";
    case ControlKind::Combo:
      return "combo";
    case ControlKind::List:
      return "list";
    case ControlKind::Progress:
      return "progress";
    case ControlKind::Icon:
      return "icon";
    case ControlKind::Bitmap:
      return "bitmap";
    case ControlKind::WebView:
      return "webview";
  }
  return "static";
}

void addControlMembers(JsonObject& o, const ControlState& c) {
  o.add("id", c.id()).add("kind", kindName(c.kind())).add("text", c.text);
  o.add("enabled", c.enabled).add("visible", c.visible);
  if (c.kind() == ControlKind::Check || c.kind() == ControlKind::Radio) o.add("checked", c.checked);
  if (c.kind() == ControlKind::Combo || c.kind() == ControlKind::List) {
    o.addStrings("items", c.items).add("selected", c.selected);
  }
  if (c.kind() == ControlKind::Progress) o.add("position", c.position);
}

JsonObject dialogEvent(const char* event, const Dialog& dialog) {
  JsonObject o = Transcript::event(event);
  o.add("dialog", dialog.name()).add("title", dialog.title());
  o.add("modal", dialog.modal()).add("visible", dialog.isVisible());
  std::string controls = "[";
  for (const ControlState& c : dialog.controls()) {
    if (controls.size() > 1) controls += ',';
    JsonObject co;
    addControlMembers(co, c);
    controls += co.str();
  }
  controls += ']';
  o.addRaw("controls", controls);
  return o;
}

const char* iconName(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Warning:
      return "warning";
    case MessageIcon::Question:
      return "question";
    case MessageIcon::Information:
      return "information";
    case MessageIcon::Error:
      return "error";
    case MessageIcon::None:
      return "none";
  }
  return "none";
}

ButtonsInfo buttonsInfo(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      return {"ok", {{"ok", MessageAnswer::Ok}}};
    case MessageButtons::OkCancel:
      return {"okcancel", {{"ok", MessageAnswer::Ok}, {"cancel", MessageAnswer::Cancel}}};
    case MessageButtons::YesNo:
      return {"yesno", {{"yes", MessageAnswer::Yes}, {"no", MessageAnswer::No}}};
    case MessageButtons::YesNoCancel:
      return {"yesnocancel",
              {{"yes", MessageAnswer::Yes},
               {"no", MessageAnswer::No},
               {"cancel", MessageAnswer::Cancel}}};
  }
  return {"ok", {{"ok", MessageAnswer::Ok}}};
}

JsonObject fileEvent(const OpenFileRequest& request, const std::optional<std::string>& answer) {
  JsonObject o = Transcript::event("file");
  o.add("title", request.title);
  std::string filters = "[";
  for (const FileFilter& f : request.filters) {
    if (filters.size() > 1) filters += ',';
    filters += '[';
    appendJsonString(filters, f.description);
    filters += ',';
    appendJsonString(filters, f.pattern);
    filters += ']';
  }
  filters += ']';
  o.addRaw("filters", filters).add("name", request.initialName);
  if (request.initialFolder) {
    o.add("folder", *request.initialFolder);
  } else {
    o.addNull("folder");
  }
  o.add("pathMustExist", request.pathMustExist);
  if (answer) {
    o.add("answer", *answer);
  } else {
    o.addNull("answer");
  }
  return o;
}

JsonObject folderEvent(std::string_view title, const std::optional<std::string>& answer) {
  JsonObject o = Transcript::event("folder");
  o.add("title", title);
  if (answer) {
    o.add("answer", *answer);
  } else {
    o.addNull("answer");
  }
  return o;
}

std::string shownText(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&') {
      if (i + 1 < text.size() && text[i + 1] == '&') {
        out += '&';
        ++i;
      }
      continue;
    }
    out += text[i];
  }
  return out;
}

}  // namespace qv::ui::script
