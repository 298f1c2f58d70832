#include "wizard/shell/complete_page.h"

#include "platform/base/text.h"
#include "platform/os/paths.h"
#include "wizard/engine/message_boxes.h"
#include "wizard/res/dialogs/control_ids.h"
#include "wizard/res/resources.h"
#include "wizard/shell/launching.h"
#include "wizard/shell/param_info_page.h"
#include "wizard/shell/wizard_texts.h"

namespace qv::wizard {
namespace {

namespace id = ids::complete;

// The editing command holds at most this many bytes, terminator included.
constexpr std::size_t kEditCommandCapacity = 520;

class CompleteProc final : public ui::DialogProc {
 public:
  explicit CompleteProc(WizardContext& ctx) : ctx_(ctx) {}

  void onInit(ui::Dialog& dialog) override {
    const WizardState& state = ctx_.state;
    if (auto bytes = os::readWholeFile(state.targetPath)) {
      if (!bytes->empty()) {
        dialog.setText(id::kScript, scriptFieldText(*bytes));
        if (state.todoFound == 1) inform(ctx_.ui(), texts::kTodoNotice);
      }
    } else {
      warn(ctx_.ui(), texts::kCannotOpenScript);
    }
    if (state.callingParams.empty() && state.callingExample.empty() &&
        state.scriptResults.empty()) {
      dialog.enable(id::kShowInfo, false);
    }
  }

  void onCommand(ui::Dialog& dialog, int command) override {
    switch (command) {
      case id::kEdit: {
        const std::string commandLine = cutToCapacity(
            formatText("notepad.exe \"%s\"", ctx_.state.targetPath.c_str()), kEditCommandCapacity);
        if (!startProgram(ctx_, commandLine)) warn(ctx_.ui(), texts::kCannotEditScript);
        break;
      }
      case id::kShowInfo:
        runParamInfoPage(ctx_);
        break;
      case id::kFinish:
        dialog.end(kPageQuit);
        break;
      default:
        break;  // no Cancel: Escape does nothing
    }
  }

 private:
  WizardContext& ctx_;
};

}  // namespace

std::string scriptFieldText(std::string_view bytes) {
  bytes = bytes.substr(0, bytes.find('\0'));
  std::string text;
  text.reserve(bytes.size() + bytes.size() / 32);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) text += '\r';
    text += bytes[i];
  }
  return text;
}

int runCompletePage(WizardContext& ctx) {
  CompleteProc proc(ctx);
  return ctx.ui().runModal(res::kComplete, proc);
}

}  // namespace qv::wizard
