#include "wizard/pages/smtp_user_page.h"

#include "wizard/pages/grouped_texts.h"
#include "wizard/res/dialogs/grouped_page_ids.h"

namespace qv::wizard {

namespace id = ids::logon;

void SmtpUserPage::fill(ui::Dialog& dialog) {
  const AnswerStore& a = ctx().state.answers;
  dialog.setText(id::kUser, a.userId);
  dialog.setText(id::kPassword, a.password);
}

bool SmtpUserPage::accept(ui::Dialog& dialog) {
  AnswerStore& a = ctx().state.answers;
  a.userId = readText(dialog, id::kUser, cap::kUserId);
  if (a.userId.empty()) return refuse(msg::kSmtpUserMissing);
  a.password = readText(dialog, id::kPassword, cap::kPassword);
  if (a.password.empty()) return refuse(msg::kSmtpPasswordMissing);
  return true;
}

}  // namespace qv::wizard
