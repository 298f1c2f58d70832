// The terminal's message box, open-file dialog and folder browser, shown as
// dialogs of the kit on the backend that asks for them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/ui/ui.h"

namespace qv::ui::tty {

class TtyUi;

MessageAnswer showMessageBox(TtyUi& ui, std::string_view text, std::string_view title,
                             MessageIcon icon, MessageButtons buttons);
// `request` null: a folder browser.
std::optional<std::string> choosePath(TtyUi& ui, const OpenFileRequest* request,
                                      std::string_view title);

}  // namespace qv::ui::tty
