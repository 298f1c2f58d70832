// MSG-BUILDER: edits a message title or text and inserts place-markers into
// it from the quick insert buttons or from the catalogue. It works on its
// caller's BuilderRequest and writes the text back only on OK.
#pragma once

#include <string_view>

#include "platform/ui/dialog_proc.h"
#include "wizard/message/builder_request.h"

namespace qv::wizard {

// Puts `marker` on the clipboard and pastes it into the builder's text
// field: over the selection, or at the caret when nothing is selected.
void insertIntoBuilderText(ui::Dialog& builder, std::string_view marker);

class ExpressionBuilder final : public ui::DialogProc {
 public:
  explicit ExpressionBuilder(BuilderRequest& request) : request_(request) {}

  void onInit(ui::Dialog& dialog) override;
  void onCommand(ui::Dialog& dialog, int id) override;

 private:
  void insertFromCatalogue(ui::Dialog& dialog);
  void useDefaultText(ui::Dialog& dialog);

  BuilderRequest& request_;
};

}  // namespace qv::wizard
