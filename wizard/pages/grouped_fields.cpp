#include "wizard/pages/grouped_fields.h"

#include <string>

#include "wizard/pages/grouped_texts.h"
#include "wizard/res/dialogs/grouped_page_ids.h"

namespace qv::wizard {

void showIfStored(ui::Dialog& dialog, int id, std::string_view stored) {
  if (!stored.empty()) dialog.setText(id, stored);
}

void showIfStored(ui::Dialog& dialog, int id, std::int32_t stored) {
  if (stored != 0) dialog.setText(id, std::to_string(stored));
}

void showGatewayAccount(ui::Dialog& dialog, const AnswerStore& answers) {
  showIfStored(dialog, ids::sms_http1::kPhone, answers.phoneNumber);
  showIfStored(dialog, ids::logon::kUser, answers.userId);
  showIfStored(dialog, ids::logon::kPassword, answers.password);
}

std::string_view readGatewayAccount(const ui::Dialog& dialog, AnswerStore& answers) {
  answers.phoneNumber = dialog.text(ids::sms_http1::kPhone, cap::kPhoneNumber);
  if (answers.phoneNumber.empty()) return msg::kPhoneMissing;
  answers.userId = dialog.text(ids::logon::kUser, cap::kUserId);
  if (answers.userId.empty()) return msg::kGatewayUserMissing;
  answers.password = dialog.text(ids::logon::kPassword, cap::kPassword);
  if (answers.password.empty()) return msg::kGatewayPasswordMissing;
  return {};
}

}  // namespace qv::wizard
