#include "wizard/engine/compile_report.h"

#include "platform/base/text.h"
#include "platform/ui/dialog_template.h"
#include "wizard/engine/wizard_state.h"

namespace qv::wizard {

void CompileErrorProc::onInit(ui::Dialog& dialog) {
  dialog.setText(compile_error_id::kTemplate, report_.templatePath);
  dialog.setText(compile_error_id::kLine, formatText("%ld", static_cast<long>(report_.lineNumber)));
  dialog.setText(compile_error_id::kTag, report_.tagText);
  dialog.setText(compile_error_id::kError, report_.errorText);
}

void CompileErrorProc::onCommand(ui::Dialog& dialog, int id) {
  if (id == ui::kIdOk) dialog.end(kPageAbort);
}

}  // namespace qv::wizard
