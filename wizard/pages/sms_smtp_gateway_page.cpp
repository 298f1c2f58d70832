#include "wizard/pages/sms_smtp_gateway_page.h"

#include "wizard/pages/address_checks.h"
#include "wizard/pages/grouped_fields.h"
#include "wizard/pages/grouped_texts.h"
#include "wizard/pages/server_button.h"
#include "wizard/pages/sms_providers.h"
#include "wizard/res/dialogs/grouped_page_ids.h"

namespace qv::wizard {
namespace {

namespace id = ids::smtp;

// Suggested so that the user sees the form; refused until replaced.
constexpr std::string_view kSuggestedSender = "Quorvel@<YourDomain>";

}  // namespace

void SmsSmtpGatewayPage::fill(ui::Dialog& dialog) {
  const WizardState& state = ctx().state;
  const AnswerStore& a = state.answers;
  dialog.setText(id::kPort, "25");
  if (const SmsProvider* provider = emailProviderFor(state.templatePath)) {
    dialog.setText(id::kRecipient, provider->smsByEmail);
  }
  dialog.setText(id::kSender, kSuggestedSender);
  showIfStored(dialog, id::kSmsServer, a.smsSmtpServer);
  showIfStored(dialog, id::kPort, a.smsSmtpPort);
  showIfStored(dialog, id::kSender, a.senderAddress);
  showIfStored(dialog, id::kRecipient, a.recipientAddress);
}

// The sender comes first here, and the recipient, the provider's own address,
// is not looked at for the placeholder.
bool SmsSmtpGatewayPage::accept(ui::Dialog& dialog) {
  AnswerStore& a = ctx().state.answers;
  a.smsSmtpServer = readText(dialog, id::kSmsServer, cap::kServerName);
  if (a.smsSmtpServer.empty()) return refuse(msg::kSmtpServerMissing);
  a.smsSmtpPort = readNumber(dialog, id::kPort, kNumberFieldCapacity);
  if (a.smsSmtpPort == 0) return refuse(msg::kSmtpPortMissing);
  a.senderAddress = readText(dialog, id::kSender, cap::kAddress);
  if (!checkAddress(ctx().ui(), a.senderAddress, kSenderRule)) return false;
  a.recipientAddress = readText(dialog, id::kRecipient, cap::kAddress);
  return checkAddress(ctx().ui(), a.recipientAddress, kGatewayRecipientRule);
}

void SmsSmtpGatewayPage::onPageCommand(ui::Dialog& dialog, int id) {
  if (id == ids::kBrowse) searchServerInto(ctx(), dialog, id::kSmsServer, ServerSearchKind::Smtp);
}

}  // namespace qv::wizard
