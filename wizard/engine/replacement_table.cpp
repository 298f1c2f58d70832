#include "wizard/engine/replacement_table.h"

namespace qv::wizard {
namespace {

using S = ReplacementSource;
using K = ParamKind;
using A = AnswerStore;

constexpr Replacement text(std::string_view beginning, std::string A::*field, K group) {
  return {beginning, S::StoreText, field, nullptr, group};
}
constexpr Replacement number(std::string_view beginning, std::int32_t A::*field, K group) {
  return {beginning, S::StoreNumber, nullptr, field, group};
}
constexpr Replacement recordAnswer(std::string_view beginning) {
  return {beginning, S::RecordAnswer};
}

constexpr Replacement kTable[] = {
    text("<PARAM:Type=MessageTitle", &A::messageTitle, K::Message),
    text("<PARAM:Type=MessageText", &A::messageText, K::Message),
    recordAnswer("<PARAM:Type=File"),
    recordAnswer("<PARAM:Type=Directory"),
    recordAnswer("<PARAM:Type=RunCommand"),
    text("<PARAM:Type=EventLogPC", &A::eventLogPc, K::EventLog),
    number("<PARAM:Type=EventType", &A::eventType, K::EventLog),
    text("<PARAM:Type=SMTPServer", &A::smtpServer, K::SmtpConnection),
    number("<PARAM:Type=SMTPPort", &A::smtpPort, K::SmtpConnection),
    text("<PARAM:Type=SMTPToEmail", &A::recipientAddress, K::SmtpConnection),
    text("<PARAM:Type=SMTPFromEmail", &A::senderAddress, K::SmtpConnection),
    text("<PARAM:Type=SMTPUser", &A::userId, K::SmtpLogon),
    text("<PARAM:Type=SMTPPassword", &A::password, K::SmtpLogon),
    recordAnswer("<PARAM:Type=WAVFile"),
    text("<PARAM:Type=SysLogServer", &A::syslogServer, K::Syslog),
    number("<PARAM:Type=SysLogPort", &A::syslogPort, K::Syslog),
    number("<PARAM:Type=SysLogSeverity", &A::syslogSeverity, K::Syslog),
    number("<PARAM:Type=SysLogFacility", &A::syslogFacility, K::Syslog),
    text("<PARAM:Type=SMSHTTPServer", &A::smsHttpServer, K::SmsHttpGateway),
    number("<PARAM:Type=SMSHTTPPort", &A::smsHttpPort, K::SmsHttpGateway),
    text("<PARAM:Type=SMSHTTPConnectionMethod", &A::smsHttpMethod, K::SmsHttpGateway),
    text("<PARAM:Type=SMSHTTPPhoneNo", &A::phoneNumber, K::SmsHttpGateway),
    text("<PARAM:Type=SMSHTTPUser", &A::userId, K::SmsHttpGateway),
    text("<PARAM:Type=SMSHTTPPassword", &A::password, K::SmsHttpGateway),
    text("<PARAM:Type=SMSHTTPURL", &A::smsHttpUrl, K::SmsHttpRequest),
    number("<PARAM:Type=SMSHTTPResult", &A::smsHttpResultCode, K::SmsHttpRequest),
    text("<PARAM:Type=SMSHTTPSuccessText", &A::smsHttpSuccessText, K::SmsHttpRequest),
    text("<PARAM:Type=SMSHTTPFailureText", &A::smsHttpFailureText, K::SmsHttpRequest),
    text("<PARAM:Type=SMSSMTPServer", &A::smsSmtpServer, K::SmsSmtpGateway),
    number("<PARAM:Type=SMSSMTPPort", &A::smsSmtpPort, K::SmsSmtpGateway),
    text("<PARAM:Type=SMSSMTPToEmail", &A::recipientAddress, K::SmsSmtpGateway),
    text("<PARAM:Type=SMSSMTPFromEmail", &A::senderAddress, K::SmsSmtpGateway),
    text("<PARAM:Type=SMSSMTPPhoneNo", &A::phoneNumber, K::SmsSmtpAccount),
    text("<PARAM:Type=SMSSMTPUser", &A::userId, K::SmsSmtpAccount),
    text("<PARAM:Type=SMSSMTPPassword", &A::password, K::SmsSmtpAccount),
    text("<PARAM:Type=SMSAPIID", &A::smsApiId, K::SmsApi),
    recordAnswer("<PARAM:Type=Server"),
    text("<PARAM:Type=ODBCDSN", &A::odbcDsn, K::Odbc),
    text("<PARAM:Type=ODBCServer", &A::odbcServer, K::Odbc),
    text("<PARAM:Type=ODBCDatabase", &A::odbcDatabase, K::Odbc),
    text("<PARAM:Type=ODBCUser", &A::userId, K::Odbc),
    text("<PARAM:Type=ODBCPassword", &A::password, K::Odbc),
    text("<PARAM:Type=DomainDC", &A::domainDc, K::Domain),
    text("<PARAM:Type=Domain", &A::domainName, K::Domain),
    {"<PARAM:", S::ByRecordKind},
};

}  // namespace

std::span<const Replacement> replacementTable() {
  return kTable;
}

}  // namespace qv::wizard
