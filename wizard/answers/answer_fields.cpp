#include "wizard/answers/answer_fields.h"

#include "platform/base/text.h"
#include "wizard/message/message_texts.h"
#include "wizard/pages/grouped_texts.h"
#include "wizard/res/dialogs/control_ids.h"
#include "wizard/res/dialogs/file_page_ids.h"
#include "wizard/res/dialogs/grouped_page_ids.h"
#include "wizard/res/dialogs/message_ids.h"

namespace qv::wizard {
namespace {

using C = FieldControl;
namespace m = msg;

constexpr AnswerField kText[] = {{"", "", ids::kTextAnswer, C::Text}};
constexpr AnswerField kListEdit[] = {{"", "", ids::kListChoice, C::Text}};
constexpr AnswerField kListNoEdit[] = {{"", "", ids::kListChoice, C::Item}};
constexpr AnswerField kOption[] = {{"", "", ids::kOption1, C::Radio}};
constexpr AnswerField kFile[] = {{"", "", ids::kFilePath, C::Text}};
constexpr AnswerField kDirectory[] = {{"", "", ids::kDirectoryPath, C::Text}};
constexpr AnswerField kRun[] = {{"", "", ids::kRunCommand, C::Text}};
constexpr AnswerField kWav[] = {{"", "", ids::kWavFilePath, C::Text}};
constexpr AnswerField kServer[] = {{"", "", ids::server::kServer, C::Text}};

constexpr AnswerField kMessage[] = {
    {"MessageTitle", "", ids::message::kTitle, C::Text, {texts::kEnterMessageTitle}},
    {"MessageText", "", ids::message::kText, C::Text, {texts::kEnterMessageText}},
};
constexpr AnswerField kEventLog[] = {
    {"EventLogPC", "", ids::event_log::kPc, C::Text},
    {"EventType", "", ids::event_log::kType, C::EventType},
};
constexpr AnswerField kSmtpConnection[] = {
    {"SMTPServer", "", ids::smtp::kServer, C::Text, {m::kSmtpServerMissing}},
    {"SMTPPort", "", ids::smtp::kPort, C::Text, {m::kSmtpPortMissing}},
    {"SMTPToEmail",
     "recipient",
     ids::smtp::kRecipient,
     C::Text,
     {m::kRecipientMissing, m::kRecipientPlaceholder, m::kRecipientFormatQuestion}},
    {"SMTPFromEmail",
     "sender",
     ids::smtp::kSender,
     C::Text,
     {m::kSenderMissing, m::kSenderPlaceholder, m::kSenderFormatQuestion}},
};
constexpr AnswerField kSmtpLogon[] = {
    {"SMTPUser", "user", ids::logon::kUser, C::Text, {m::kSmtpUserMissing}},
    {"SMTPPassword", "password", ids::logon::kPassword, C::Text, {m::kSmtpPasswordMissing}},
};
constexpr AnswerField kSyslog[] = {
    {"SysLogServer", "", ids::sys_log::kServer, C::Text, {m::kSyslogServerMissing}},
    {"SysLogPort", "", ids::sys_log::kPort, C::Text, {m::kSyslogPortMissing}},
    {"SysLogSeverity", "", ids::sys_log::kSeverity, C::Text, {m::kSyslogSeverityMissing}},
    {"SysLogFacility", "", ids::sys_log::kFacility, C::Text, {m::kSyslogFacilityMissing}},
};
constexpr AnswerField kSmsHttpGateway[] = {
    {"SMSHTTPServer", "", ids::sms_http1::kServer, C::Text, {m::kHttpServerMissing}},
    {"SMSHTTPPort", "", ids::sms_http1::kPort, C::Text, {m::kHttpPortMissing}},
    {"SMSHTTPConnectionMethod", "", ids::sms_http1::kMethod, C::Item},
    {"SMSHTTPPhoneNo", "phone", ids::sms_http1::kPhone, C::Text, {m::kPhoneMissing}},
    {"SMSHTTPUser", "user", ids::logon::kUser, C::Text, {m::kGatewayUserMissing}},
    {"SMSHTTPPassword", "password", ids::logon::kPassword, C::Text, {m::kGatewayPasswordMissing}},
};
constexpr AnswerField kSmsHttpRequest[] = {
    {"SMSHTTPURL", "", ids::sms_http2::kUrl, C::Text, {m::kUrlMissing}},
    {"SMSHTTPResult", "", ids::sms_http2::kResultCode, C::Text, {m::kResultCodeMissing}},
    {"SMSHTTPSuccessText", "", ids::sms_http2::kSuccessText, C::Text},
    {"SMSHTTPFailureText", "", ids::sms_http2::kFailureText, C::Text},
};
constexpr AnswerField kSmsSmtpGateway[] = {
    {"SMSSMTPServer", "", ids::smtp::kSmsServer, C::Text, {m::kSmtpServerMissing}},
    {"SMSSMTPPort", "", ids::smtp::kPort, C::Text, {m::kSmtpPortMissing}},
    {"SMSSMTPFromEmail",
     "sender",
     ids::smtp::kSender,
     C::Text,
     {m::kSenderMissing, m::kSenderPlaceholder, m::kSenderFormatQuestion}},
    {"SMSSMTPToEmail",
     "recipient",
     ids::smtp::kRecipient,
     C::Text,
     {m::kRecipientMissing, m::kRecipientFormatQuestion}},
};
constexpr AnswerField kSmsSmtpAccount[] = {
    {"SMSSMTPPhoneNo", "phone", ids::sms_http1::kPhone, C::Text, {m::kPhoneMissing}},
    {"SMSSMTPUser", "user", ids::logon::kUser, C::Text, {m::kGatewayUserMissing}},
    {"SMSSMTPPassword", "password", ids::logon::kPassword, C::Text, {m::kGatewayPasswordMissing}},
};
constexpr AnswerField kSmsApi[] = {
    {"SMSAPIID", "", ids::sms_api::kApiId, C::Text, {m::kSmsApiIdMissing}},
};
constexpr AnswerField kOdbc[] = {
    {"ODBCDSN", "", ids::odbc::kDataSource, C::Text, {m::kOdbcDsnMissing}},
    {"ODBCServer", "", ids::odbc::kServer, C::Text},
    {"ODBCDatabase", "", ids::odbc::kDatabase, C::Text},
    {"ODBCUser", "user", ids::logon::kUser, C::Text},
    {"ODBCPassword", "password", ids::logon::kPassword, C::Text},
};
// DomainDC is made from the domain, never asked for.
constexpr AnswerField kDomain[] = {
    {"Domain",
     "",
     ids::domain::kDomain,
     C::Text,
     {m::kDomainMissing, m::kDomainFormatQuestion, m::kDomainTooLong}},
};

constexpr std::span<const AnswerField> kGrouped[] = {
    kMessage,        kEventLog,       kSmtpConnection, kSmtpLogon, kSyslog, kSmsHttpGateway,
    kSmsHttpRequest, kSmsSmtpGateway, kSmsSmtpAccount, kSmsApi,    kOdbc,   kDomain,
};

}  // namespace

std::span<const AnswerField> answerFieldsOf(const TemplateParam& record) {
  switch (record.kind) {
    case ParamKind::Text:
      return kText;
    case ParamKind::List:
      return record.noEdit == 1 ? std::span<const AnswerField>(kListNoEdit) : kListEdit;
    case ParamKind::Option:
      return kOption;
    case ParamKind::File:
      return kFile;
    case ParamKind::Directory:
      return kDirectory;
    case ParamKind::RunCommand:
      return kRun;
    case ParamKind::WavFile:
      return kWav;
    case ParamKind::Server:
      return kServer;
    case ParamKind::Message:
      return kMessage;
    case ParamKind::EventLog:
      return kEventLog;
    case ParamKind::SmtpConnection:
      return kSmtpConnection;
    case ParamKind::SmtpLogon:
      return kSmtpLogon;
    case ParamKind::Syslog:
      return kSyslog;
    case ParamKind::SmsHttpGateway:
      return kSmsHttpGateway;
    case ParamKind::SmsHttpRequest:
      return kSmsHttpRequest;
    case ParamKind::SmsSmtpGateway:
      return kSmsSmtpGateway;
    case ParamKind::SmsSmtpAccount:
      return kSmsSmtpAccount;
    case ParamKind::SmsApi:
      return kSmsApi;
    case ParamKind::Odbc:
      return kOdbc;
    case ParamKind::Domain:
      return kDomain;
    case ParamKind::None:
      break;
  }
  return {};
}

const AnswerField* answerFieldNamed(std::string_view typeName) {
  for (std::span<const AnswerField> page : kGrouped) {
    for (const AnswerField& field : page) {
      if (equalsNoCase(field.name, typeName)) return &field;
    }
  }
  return nullptr;
}

bool isKeyedByOrdinal(ParamKind kind) {
  return kind != ParamKind::None && !isGroupedKind(kind);
}

}  // namespace qv::wizard
