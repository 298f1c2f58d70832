// The type table: every "Type=" name, the page kind it selects, whether that
// kind is grouped (one record for all of its tags) and the page it opens.
#include <array>
#include <string_view>

#include "platform/base/text.h"
#include "wizard/engine/template_param.h"

namespace qv::wizard {
namespace {

struct KindRow {
  ParamKind kind;
  bool grouped;
  std::string_view page;
  std::array<std::string_view, 6> names;  // unused places stay empty
};

constexpr KindRow kKinds[] = {
    {ParamKind::Text, false, "PARAM-TEXT", {"Text"}},
    {ParamKind::List, false, "PARAM-LIST", {"List"}},
    {ParamKind::Option, false, "PARAM-2OPTION", {"Option"}},
    {ParamKind::Message, true, "PARAM-MESSAGE", {"MessageTitle", "MessageText"}},
    {ParamKind::File, false, "PARAM-FILE", {"File"}},
    {ParamKind::Directory, false, "PARAM-DIRECTORY", {"Directory"}},
    {ParamKind::EventLog, true, "PARAM-EVENTLOG", {"EventLogPC", "EventType"}},
    {ParamKind::SmtpConnection,
     true,
     "PARAM-SMTPCONNECTION",
     {"SMTPServer", "SMTPPort", "SMTPToEmail", "SMTPFromEmail"}},
    {ParamKind::SmtpLogon, true, "PARAM-SMTPUSER", {"SMTPUser", "SMTPPassword"}},
    {ParamKind::WavFile, false, "PARAM-WAVFILE", {"WAVFile"}},
    {ParamKind::Syslog,
     true,
     "PARAM-SYSLOG",
     {"SysLogServer", "SysLogPort", "SysLogSeverity", "SysLogFacility"}},
    {ParamKind::SmsHttpGateway,
     true,
     "PARAM-SMS-HTTP1",
     {"SMSHTTPServer", "SMSHTTPPort", "SMSHTTPConnectionMethod", "SMSHTTPPhoneNo", "SMSHTTPUser",
      "SMSHTTPPassword"}},
    {ParamKind::SmsHttpRequest,
     true,
     "PARAM-SMS-HTTP2",
     {"SMSHTTPURL", "SMSHTTPResult", "SMSHTTPSuccessText", "SMSHTTPFailureText"}},
    {ParamKind::SmsSmtpGateway,
     true,
     "PARAM-SMS-SMTP1",
     {"SMSSMTPServer", "SMSSMTPPort", "SMSSMTPToEmail", "SMSSMTPFromEmail"}},
    {ParamKind::SmsSmtpAccount,
     true,
     "PARAM-SMS-SMTP2",
     {"SMSSMTPPhoneNo", "SMSSMTPUser", "SMSSMTPPassword"}},
    {ParamKind::RunCommand, false, "PARAM-RUN", {"RunCommand"}},
    {ParamKind::SmsApi, true, "PARAM-SMS-API", {"SMSAPIID"}},
    {ParamKind::Server, false, "PARAM-SERVER", {"Server"}},
    {ParamKind::Odbc,
     true,
     "PARAM-ODBC",
     {"ODBCDSN", "ODBCServer", "ODBCDatabase", "ODBCUser", "ODBCPassword"}},
    {ParamKind::Domain, true, "PARAM-DOMAIN", {"Domain", "DomainDC"}},
};

const KindRow* rowFor(ParamKind kind) {
  for (const KindRow& row : kKinds) {
    if (row.kind == kind) return &row;
  }
  return nullptr;
}

}  // namespace

ParamKind kindForTypeName(std::string_view typeName) {
  if (typeName.empty()) return ParamKind::None;
  for (const KindRow& row : kKinds) {
    for (std::string_view name : row.names) {
      if (!name.empty() && equalsNoCase(name, typeName)) return row.kind;
    }
  }
  return ParamKind::None;
}

bool isGroupedKind(ParamKind kind) {
  const KindRow* row = rowFor(kind);
  return row != nullptr && row->grouped;
}

std::string_view pageResourceFor(const TemplateParam& param) {
  if (param.kind == ParamKind::List && param.noEdit == 1) return "PARAM-LIST-NOEDIT";
  const KindRow* row = rowFor(param.kind);
  return row != nullptr ? row->page : std::string_view{};
}

}  // namespace qv::wizard
