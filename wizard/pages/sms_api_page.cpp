#include "wizard/pages/sms_api_page.h"

#include "wizard/pages/grouped_fields.h"
#include "wizard/pages/grouped_texts.h"
#include "wizard/res/dialogs/grouped_page_ids.h"

namespace qv::wizard {

void SmsApiPage::fill(ui::Dialog& dialog) {
  showIfStored(dialog, ids::sms_api::kApiId, ctx().state.answers.smsApiId);
}

bool SmsApiPage::accept(ui::Dialog& dialog) {
  AnswerStore& a = ctx().state.answers;
  a.smsApiId = readText(dialog, ids::sms_api::kApiId, cap::kSmsApiId);
  if (a.smsApiId.empty()) return refuse(msg::kSmsApiIdMissing);
  return true;
}

}  // namespace qv::wizard
