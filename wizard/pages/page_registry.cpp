#include "wizard/pages/page_registry.h"

#include <array>

#include "wizard/message/message_page.h"
#include "wizard/pages/directory_page.h"
#include "wizard/pages/domain_page.h"
#include "wizard/pages/event_log_page.h"
#include "wizard/pages/file_page.h"
#include "wizard/pages/list_noedit_page.h"
#include "wizard/pages/list_page.h"
#include "wizard/pages/odbc_page.h"
#include "wizard/pages/option_page.h"
#include "wizard/pages/run_page.h"
#include "wizard/pages/server_page.h"
#include "wizard/pages/sms_api_page.h"
#include "wizard/pages/sms_http_gateway_page.h"
#include "wizard/pages/sms_http_request_page.h"
#include "wizard/pages/sms_smtp_account_page.h"
#include "wizard/pages/sms_smtp_gateway_page.h"
#include "wizard/pages/smtp_connection_page.h"
#include "wizard/pages/smtp_user_page.h"
#include "wizard/pages/syslog_page.h"
#include "wizard/pages/text_page.h"
#include "wizard/pages/wavfile_page.h"
#include "wizard/res/resources.h"

namespace qv::wizard {
namespace {

const std::array kPages{
    PageEntry{&res::kParamText, &runParamPage<TextPage>},
    PageEntry{&res::kParamList, &runParamPage<ListPage>},
    PageEntry{&res::kParamListNoEdit, &runParamPage<ListNoEditPage>},
    PageEntry{&res::kParam2Option, &runParamPage<OptionPage>},
    PageEntry{&res::kParamFile, &runParamPage<FilePage>},
    PageEntry{&res::kParamDirectory, &runParamPage<DirectoryPage>},
    PageEntry{&res::kParamRun, &runParamPage<RunPage>},
    PageEntry{&res::kParamWavFile, &runParamPage<WavFilePage>},
    PageEntry{&res::kParamMessage, &runParamPage<MessagePage>},
    PageEntry{&res::kParamSmtpConnection, &runParamPage<SmtpConnectionPage>},
    PageEntry{&res::kParamSmtpUser, &runParamPage<SmtpUserPage>},
    PageEntry{&res::kParamSyslog, &runParamPage<SyslogPage>},
    PageEntry{&res::kParamEventLog, &runParamPage<EventLogPage>},
    PageEntry{&res::kParamSmsApi, &runParamPage<SmsApiPage>},
    PageEntry{&res::kParamSmsHttp1, &runParamPage<SmsHttpGatewayPage>},
    PageEntry{&res::kParamSmsHttp2, &runParamPage<SmsHttpRequestPage>},
    PageEntry{&res::kParamSmsSmtp1, &runParamPage<SmsSmtpGatewayPage>},
    PageEntry{&res::kParamSmsSmtp2, &runParamPage<SmsSmtpAccountPage>},
    PageEntry{&res::kParamServer, &runParamPage<ServerPage>},
    PageEntry{&res::kParamDomain, &runParamPage<DomainPage>},
    PageEntry{&res::kParamOdbc, &runOdbcPage},
};

}  // namespace

const PageEntry* findPage(std::string_view resource) {
  if (resource.empty()) return nullptr;
  for (const PageEntry& page : kPages) {
    if (page.dialog->name == resource) return &page;
  }
  return nullptr;
}

}  // namespace qv::wizard
