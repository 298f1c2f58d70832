#include "wizard/message/open_builder.h"

#include "platform/ui/ui.h"
#include "wizard/message/expression_builder.h"
#include "wizard/res/resources.h"

namespace qv::wizard {

bool openExpressionBuilder(BuilderGuard& guard, ui::Dialog& page, int field,
                           std::string_view defaultText) {
  if (guard.open_) return false;
  // Reset however the builder ends, a failed scripted run included.
  struct Open {
    bool& flag;
    explicit Open(bool& f) : flag(f) { flag = true; }
    ~Open() { flag = false; }
  } open{guard.open_};

  BuilderRequest request = makeBuilderRequest(defaultText, page.text(field, kBuilderTextCapacity));
  ExpressionBuilder builder(request);
  const int how = page.ui().runModal(res::kMsgBuilder, builder);
  // Only OK hands a text back: after Cancel the field keeps even what lay
  // beyond the builder's capacity.
  if (how == ui::kIdOk && !request.text.empty()) page.setText(field, request.text);
  return true;
}

}  // namespace qv::wizard
