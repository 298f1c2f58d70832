#include "wizard/shell/file_exists_dialog.h"

#include "wizard/res/dialogs/control_ids.h"
#include "wizard/res/resources.h"

namespace qv::wizard {
namespace {

namespace id = ids::file_exists;

class FileExistsProc final : public ui::DialogProc {
 public:
  void onCommand(ui::Dialog& dialog, int command) override {
    switch (command) {
      case id::kCancelWizard:
      case id::kEditExisting:
      case id::kOverwrite:
        dialog.end(command);
        break;
      case ui::kIdCancel:  // Escape overwrites: the dialog has no way to close unanswered
        dialog.end(id::kOverwrite);
        break;
      default:
        break;
    }
  }
};

}  // namespace

ExistingScriptChoice askAboutExistingScript(ui::Ui& ui) {
  FileExistsProc proc;
  switch (ui.runModal(res::kFileExists, proc)) {
    case id::kCancelWizard:
      return ExistingScriptChoice::CancelWizard;
    case id::kEditExisting:
      return ExistingScriptChoice::EditExisting;
    default:
      return ExistingScriptChoice::Overwrite;
  }
}

}  // namespace qv::wizard
