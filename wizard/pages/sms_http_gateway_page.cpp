#include "wizard/pages/sms_http_gateway_page.h"

#include "platform/base/text.h"
#include "wizard/pages/grouped_fields.h"
#include "wizard/pages/grouped_texts.h"
#include "wizard/pages/sms_providers.h"
#include "wizard/res/dialogs/grouped_page_ids.h"

namespace qv::wizard {
namespace {

namespace id = ids::sms_http1;

constexpr std::string_view kGet = "GET";
constexpr std::string_view kPost = "POST";
constexpr int kGetEntry = 0;
constexpr int kPostEntry = 1;

}  // namespace

void SmsHttpGatewayPage::fill(ui::Dialog& dialog) {
  const WizardState& state = ctx().state;
  const AnswerStore& a = state.answers;
  dialog.setText(id::kPort, kGenericWebPort);
  dialog.clearItems(id::kMethod);
  dialog.addItem(id::kMethod, kGet);
  dialog.addItem(id::kMethod, kPost);
  dialog.setSelection(id::kMethod, kGetEntry);

  if (const SmsProvider* provider = httpProviderFor(state.templatePath)) {
    dialog.setText(id::kServer, provider->webHost);
    dialog.setText(id::kPort, provider->webPort);
    dialog.setSelection(id::kMethod, provider->post ? kPostEntry : kGetEntry);
  }

  showIfStored(dialog, id::kServer, a.smsHttpServer);
  showIfStored(dialog, id::kPort, a.smsHttpPort);
  if (equalsNoCase(a.smsHttpMethod, kGet)) dialog.setSelection(id::kMethod, kGetEntry);
  if (equalsNoCase(a.smsHttpMethod, kPost)) dialog.setSelection(id::kMethod, kPostEntry);
  showGatewayAccount(dialog, a);
}

bool SmsHttpGatewayPage::accept(ui::Dialog& dialog) {
  AnswerStore& a = ctx().state.answers;
  a.smsHttpServer = readText(dialog, id::kServer, cap::kServerName);
  if (a.smsHttpServer.empty()) return refuse(msg::kHttpServerMissing);
  a.smsHttpPort = readNumber(dialog, id::kPort, kNumberFieldCapacity);
  if (a.smsHttpPort == 0) return refuse(msg::kHttpPortMissing);
  a.smsHttpMethod = dialog.selection(id::kMethod) == kGetEntry ? kGet : kPost;
  const std::string_view missing = readGatewayAccount(dialog, a);
  if (!missing.empty()) return refuse(missing);
  return true;
}

}  // namespace qv::wizard
