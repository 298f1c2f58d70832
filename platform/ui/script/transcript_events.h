// The transcript's event objects for dialogs, controls, message boxes and
// file dialogs, shared by every backend that writes a transcript.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/ui/dialog.h"
#include "platform/ui/script/json_line.h"
#include "platform/ui/ui.h"

namespace qv::ui::script {

const char* kindName(ControlKind kind);
// A control's members as `controls` lists them.
void addControlMembers(JsonObject& o, const ControlState& c);
// `open` or `dump`: the dialog with all its controls.
JsonObject dialogEvent(const char* event, const Dialog& dialog);

const char* iconName(MessageIcon icon);
struct ButtonsInfo {
  const char* name;
  std::vector<std::pair<std::string_view, MessageAnswer>> answers;
};
ButtonsInfo buttonsInfo(MessageButtons buttons);

JsonObject fileEvent(const OpenFileRequest& request, const std::optional<std::string>& answer);
JsonObject folderEvent(std::string_view title, const std::optional<std::string>& answer);

// The text of a control as shown: "&&" shows as "&", a single "&" marks the
// mnemonic and is not shown.
std::string shownText(std::string_view text);

}  // namespace qv::ui::script
