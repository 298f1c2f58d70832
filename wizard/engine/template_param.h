// The compiled form of a script template: one TemplateParam per page the
// wizard shows, in template order, and the page kinds that tags select.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace qv::wizard {

enum class ParamKind : int {
  None = 0,
  Text = 1,
  List = 2,
  Option = 3,
  Message = 4,
  File = 5,
  Directory = 6,
  EventLog = 7,
  SmtpConnection = 8,
  SmtpLogon = 9,
  WavFile = 10,
  Syslog = 11,
  SmsHttpGateway = 12,
  SmsHttpRequest = 13,
  SmsSmtpGateway = 14,
  SmsSmtpAccount = 15,
  RunCommand = 16,
  SmsApi = 17,
  Server = 18,
  Odbc = 19,
  Domain = 20,
};

inline constexpr int kParamKindCount = 21;
inline constexpr std::int32_t kNoSelection = -99999;

// One page of a compiled template. Absent texts are nullopt.
struct TemplateParam {
  ParamKind kind = ParamKind::None;
  std::int32_t ordinal = 0;
  std::optional<std::string> question;  // with " ..." appended
  std::optional<std::string> help;
  std::optional<std::string> defaultValue;
  std::int32_t maxLength = 0;
  int numericOnly = 0;
  int noEdit = 0;
  int generateName = 0;
  std::optional<std::string> choiceLabels;
  std::optional<std::string> choiceValues;
  std::optional<std::string> option2Label;
  std::optional<std::string> option2Value;
  std::optional<std::string> answer;
  std::int32_t selection = kNoSelection;
  std::unique_ptr<TemplateParam> next;
};

// The records of one template, singly linked in template order. Released
// record by record, so a long list never unwinds recursively.
struct ParamList {
  std::unique_ptr<TemplateParam> head;
  TemplateParam* tail = nullptr;

  ParamList() = default;
  ParamList(ParamList&& other) noexcept;
  ParamList& operator=(ParamList&& other) noexcept;
  ~ParamList() { clear(); }

  bool empty() const { return head == nullptr; }
  void clear();
};

// The type table: the kind a "Type=" value selects (None when unknown, empty
// or absent), whether that kind is grouped, and its page's dialog resource.
ParamKind kindForTypeName(std::string_view typeName);
bool isGroupedKind(ParamKind kind);
// The dialog resource of a record's page ("PARAM-LIST-NOEDIT" for a List
// record with noEdit); empty for None.
std::string_view pageResourceFor(const TemplateParam& param);

}  // namespace qv::wizard
