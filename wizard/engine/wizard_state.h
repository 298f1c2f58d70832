// Everything of one wizard run that outlives a page: the compiled template,
// the paths, the compile counters, the header's calling texts and the answers
// of the pages that answer several tags at once. One object per run, created
// by the program's entry and handed down by reference.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "wizard/engine/template_param.h"

namespace qv::ui {
class Dialog;
}

namespace qv::wizard {

// Capacities of the fixed text fields, terminator included: a field holds at
// most capacity - 1 bytes (qv::cutToCapacity).
namespace cap {
inline constexpr std::size_t kPath = 260;
inline constexpr std::size_t kHeaderText = 2000;
inline constexpr std::size_t kServerName = 150;
inline constexpr std::size_t kAddress = 260;
inline constexpr std::size_t kUserId = 260;
inline constexpr std::size_t kPassword = 260;
inline constexpr std::size_t kSmsHttpMethod = 20;
inline constexpr std::size_t kPhoneNumber = 50;
inline constexpr std::size_t kSmsHttpText = 1000;
inline constexpr std::size_t kSmsApiId = 50;
inline constexpr std::size_t kOdbcDsn = 100;
inline constexpr std::size_t kOdbcDatabase = 100;
inline constexpr std::size_t kDomainName = 1000;
inline constexpr std::size_t kDomainDc = 2000;
inline constexpr std::size_t kMessageTitle = 260;
inline constexpr std::size_t kMessageText = 50000;
inline constexpr std::size_t kAnswer = 2000;  // an answer kept in a TemplateParam
}  // namespace cap

// The answers of the grouped kinds, one field per tag.
struct AnswerStore {
  std::string eventLogPc;      // 150
  std::int32_t eventType = 0;  // 1, 2 or 4
  std::string smtpServer;      // 150
  std::int32_t smtpPort = 0;
  std::string recipientAddress;  // 260, shared by the SMTP and SMS-by-e-mail pages
  std::string senderAddress;     // 260, shared likewise
  std::string userId;            // 260, shared by every page asking for a user
  std::string password;          // 260, shared likewise
  std::string syslogServer;      // 150
  std::int32_t syslogPort = 0;
  std::int32_t syslogSeverity = 0;
  std::int32_t syslogFacility = 0;
  std::string smsHttpServer;  // 150
  std::int32_t smsHttpPort = 0;
  std::string smsHttpMethod;  // 20: "GET" or "POST"
  std::string phoneNumber;    // 50, shared by both SMS pages asking for it
  std::string smsHttpUrl;     // 1000
  std::int32_t smsHttpResultCode = 0;
  std::string smsHttpSuccessText;  // 1000
  std::string smsHttpFailureText;  // 1000
  std::string smsSmtpServer;       // 150
  std::int32_t smsSmtpPort = 0;
  std::string smsApiId;      // 50
  std::string odbcDsn;       // 100
  std::string odbcServer;    // 150
  std::string odbcDatabase;  // 100
  std::string domainName;    // 1000
  std::string domainDc;      // 2000
  std::string messageTitle;  // 260
  std::string messageText;   // 50000
};

// The values with which the wizard's dialogs end.
enum PageResult : int {
  kPageNone = 0,
  kPageQuit = 1,
  kPageBack = 2,
  kPageNext = 3,
  kPageAbort = 4,
  kPageEndOfPages = 5,
};

struct WizardState {
  ui::Dialog* workingPage = nullptr;  // the working page while it is open
  ParamList paramList;
  std::int32_t paramCount = 0;
  std::int32_t pageIndex = 0;
  std::int32_t lineCount = 0;
  std::string templatePath;    // 260
  std::string targetPath;      // 260
  std::string templateFolder;  // 260
  int todoFound = 0;
  int editExisting = 0;
  std::array<bool, kParamKindCount> seen{};  // per grouped kind: its record was made
  std::string callingParams;                 // 2000
  std::string callingExample;                // 2000
  std::string scriptResults;                 // 2000
  AnswerStore answers;
  std::string selectedServerName;  // 150: the server picked in a search dialog
  // The last generation failed and none has succeeded since: the run then
  // ends with exit status 1, so a caller can tell that no script was written.
  bool generationFailed = false;
  // --save-answers: where a run that generated writes its answers; empty for
  // none. answersNotSaved: that write failed (exit status 1 as well).
  std::string saveAnswersPath;
  bool answersNotSaved = false;

  // After a failed compile: empties the paths and every answer (but the two
  // domain texts), clears the seen flags, pageIndex and paramCount. The
  // ParamList is released separately.
  void reset();
  void releaseParamList();
};

// The case-insensitive "contains" test of the wizard: false for an empty text
// or search text.
bool textContains(std::string_view text, std::string_view search);

}  // namespace qv::wizard
