#include "wizard/pages/smtp_connection_page.h"

#include "wizard/pages/address_checks.h"
#include "wizard/pages/grouped_fields.h"
#include "wizard/pages/grouped_texts.h"
#include "wizard/pages/server_button.h"
#include "wizard/res/dialogs/grouped_page_ids.h"

namespace qv::wizard {

namespace id = ids::smtp;

void SmtpConnectionPage::fill(ui::Dialog& dialog) {
  const AnswerStore& a = ctx().state.answers;
  dialog.setText(id::kPort, "25");
  dialog.setText(id::kServer, a.smtpServer);
  showIfStored(dialog, id::kPort, a.smtpPort);
  dialog.setText(id::kRecipient, a.recipientAddress);
  dialog.setText(id::kSender, a.senderAddress);
}

bool SmtpConnectionPage::accept(ui::Dialog& dialog) {
  AnswerStore& a = ctx().state.answers;
  a.smtpServer = readText(dialog, id::kServer, cap::kServerName);
  if (a.smtpServer.empty()) return refuse(msg::kSmtpServerMissing);
  a.smtpPort = readNumber(dialog, id::kPort, kNumberFieldCapacity);
  if (a.smtpPort == 0) return refuse(msg::kSmtpPortMissing);
  a.recipientAddress = readText(dialog, id::kRecipient, cap::kAddress);
  if (!checkAddress(ctx().ui(), a.recipientAddress, kRecipientRule)) return false;
  a.senderAddress = readText(dialog, id::kSender, cap::kAddress);
  return checkAddress(ctx().ui(), a.senderAddress, kSenderRule);
}

void SmtpConnectionPage::onPageCommand(ui::Dialog& dialog, int id) {
  if (id == ids::kBrowse) searchServerInto(ctx(), dialog, id::kServer, ServerSearchKind::Smtp);
}

}  // namespace qv::wizard
