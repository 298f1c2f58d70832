#include "wizard/answers/form_ui.h"

#include <chrono>
#include <utility>

#include "platform/ui/dialog.h"
#include "wizard/res/dialogs/control_ids.h"

namespace qv::wizard {

void FormUi::prepare(Visit visit, bool pressNext) {
  visit_ = std::move(visit);
  pressNext_ = pressNext;
  messages_.clear();
}

int FormUi::runModal(const ui::DialogTemplate& tpl, ui::DialogProc& proc) {
  // A page opened from a page (a builder, a search) is never asked for.
  if (inPage_) return 0;
  inPage_ = true;
  ui::Dialog dialog(*this, tpl, proc, nullptr, true);
  proc.onInit(dialog);
  messages_.clear();
  if (visit_) visit_(dialog);
  if (pressNext_ && !dialog.hasEnded()) proc.onCommand(dialog, ids::kNext);
  inPage_ = false;
  return dialog.hasEnded() ? dialog.result() : 0;
}

ui::MessageAnswer FormUi::messageBox(std::string_view text, std::string_view, ui::MessageIcon,
                                     ui::MessageButtons buttons) {
  const bool question =
      buttons == ui::MessageButtons::YesNo || buttons == ui::MessageButtons::YesNoCancel;
  messages_.push_back({std::string(text), question});
  return question ? ui::MessageAnswer::Yes : ui::MessageAnswer::Ok;
}

std::uint32_t FormUi::tickCount() {
  using namespace std::chrono;
  return static_cast<std::uint32_t>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace qv::wizard
