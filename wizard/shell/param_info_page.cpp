#include "wizard/shell/param_info_page.h"

#include "wizard/engine/header_reader.h"
#include "wizard/res/dialogs/control_ids.h"
#include "wizard/res/resources.h"

namespace qv::wizard {
namespace {

namespace id = ids::param_info;

class ParamInfoProc final : public ui::DialogProc {
 public:
  explicit ParamInfoProc(const WizardState& state) : state_(state) {}

  void onInit(ui::Dialog& dialog) override {
    dialog.setText(id::kParams, callingParametersText(state_));
    dialog.setText(id::kResults, resultsText(state_));
  }

  void onCommand(ui::Dialog& dialog, int command) override {
    if (command == id::kClose) dialog.end(kPageNone);  // other keys do nothing
  }

 private:
  const WizardState& state_;
};

}  // namespace

int runParamInfoPage(WizardContext& ctx) {
  ParamInfoProc proc(ctx.state);
  return ctx.ui().runModal(res::kParamInfo, proc);
}

}  // namespace qv::wizard
