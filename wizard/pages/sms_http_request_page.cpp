#include "wizard/pages/sms_http_request_page.h"

#include "wizard/pages/grouped_fields.h"
#include "wizard/pages/grouped_texts.h"
#include "wizard/pages/sms_providers.h"
#include "wizard/res/dialogs/grouped_page_ids.h"

namespace qv::wizard {

namespace id = ids::sms_http2;

void SmsHttpRequestPage::fill(ui::Dialog& dialog) {
  const WizardState& state = ctx().state;
  const AnswerStore& a = state.answers;
  dialog.setText(id::kResultCode, "200");
  dialog.setText(id::kUrl, defaultGatewayUrl(httpProviderFor(state.templatePath)));
  showIfStored(dialog, id::kUrl, a.smsHttpUrl);
  showIfStored(dialog, id::kResultCode, a.smsHttpResultCode);
  showIfStored(dialog, id::kSuccessText, a.smsHttpSuccessText);
  showIfStored(dialog, id::kFailureText, a.smsHttpFailureText);
}

bool SmsHttpRequestPage::accept(ui::Dialog& dialog) {
  AnswerStore& a = ctx().state.answers;
  a.smsHttpUrl = readText(dialog, id::kUrl, cap::kSmsHttpText);
  if (a.smsHttpUrl.empty()) return refuse(msg::kUrlMissing);
  a.smsHttpResultCode = readNumber(dialog, id::kResultCode, kNumberFieldCapacity);
  if (a.smsHttpResultCode == 0) return refuse(msg::kResultCodeMissing);
  // Either text may be left empty: the script then does not look for it.
  a.smsHttpSuccessText = readText(dialog, id::kSuccessText, cap::kSmsHttpText);
  a.smsHttpFailureText = readText(dialog, id::kFailureText, cap::kSmsHttpText);
  return true;
}

}  // namespace qv::wizard
