#include "wizard/pages/text_page.h"

#include "platform/base/text.h"
#include "wizard/res/dialogs/control_ids.h"
#include "wizard/shell/wizard_texts.h"

namespace qv::wizard {
namespace {

// atol gives 0 for text that is no number, so "0" itself is let through by name.
bool isNumeric(const std::string& text) {
  return atolText(text) != 0 || text == "0";
}

}  // namespace

void TextPage::fill(ui::Dialog& dialog) {
  const TemplateParam& p = param();
  showQuestionAndHelp(dialog);
  dialog.setText(ids::kTextAnswer, p.answer ? *p.answer : p.defaultValue.value_or(""));
}

bool TextPage::accept(ui::Dialog& dialog) {
  TemplateParam& p = param();
  std::string text = readText(dialog, ids::kTextAnswer);
  if (text.empty()) return refuse(texts::kInformationMissing);
  if (p.numericOnly && !isNumeric(text)) return refuse(texts::kNotNumeric);
  if (p.maxLength > 0 && text.size() > static_cast<std::size_t>(p.maxLength)) {
    return refuse(formatText(texts::kTooLongFormat, p.maxLength));
  }
  p.answer = std::move(text);
  return true;
}

}  // namespace qv::wizard
