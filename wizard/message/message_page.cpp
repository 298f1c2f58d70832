#include "wizard/message/message_page.h"

#include "wizard/message/message_texts.h"
#include "wizard/res/dialogs/message_ids.h"

namespace qv::wizard {
namespace {

namespace id = ids::message;

constexpr std::string_view kSmsGatewayWords[] = {"intellisoft", "clickatell", "bigfoot"};

}  // namespace

bool isSmsGatewayTemplate(std::string_view templatePath) {
  for (std::string_view word : kSmsGatewayWords) {
    if (textContains(templatePath, word)) return true;
  }
  return false;
}

void MessagePage::onCommand(ui::Dialog& dialog, int command) {
  if (builder_.isOpen()) return;
  ParamPage::onCommand(dialog, command);
}

void MessagePage::fill(ui::Dialog& dialog) {
  const AnswerStore& answers = ctx().state.answers;
  const bool sms = isSmsGatewayTemplate(ctx().state.templatePath);
  dialog.setText(id::kTitle, answers.messageTitle.empty() ? texts::kDefaultTitle
                                                          : std::string_view(answers.messageTitle));
  dialog.setText(id::kText, !answers.messageText.empty() ? std::string_view(answers.messageText)
                            : sms                        ? texts::kDefaultSmsText
                                                         : texts::kDefaultText);
}

bool MessagePage::accept(ui::Dialog& dialog) {
  AnswerStore& answers = ctx().state.answers;
  answers.messageTitle = readText(dialog, id::kTitle, cap::kMessageTitle);
  if (answers.messageTitle.empty()) return refuse(texts::kEnterMessageTitle);
  answers.messageText = readText(dialog, id::kText, cap::kMessageText);
  if (answers.messageText.empty()) return refuse(texts::kEnterMessageText);
  return true;
}

void MessagePage::onPageCommand(ui::Dialog& dialog, int command) {
  // The text's builder offers the plain default text, SMS template or not.
  if (command == id::kTitleBuilder) {
    openExpressionBuilder(builder_, dialog, id::kTitle, texts::kDefaultTitle);
  } else if (command == id::kTextBuilder) {
    openExpressionBuilder(builder_, dialog, id::kText, texts::kDefaultText);
  }
}

}  // namespace qv::wizard
