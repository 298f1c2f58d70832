// The SMS gateway pages: provider defaults from the template path, stored
// values over defaults, and the checks in order.
#include <gtest/gtest.h>

#include "tests/grouped_pages/fill_script.h"
#include "tests/grouped_pages/grouped_run.h"
#include "wizard/pages/grouped_texts.h"

namespace qv::wizard::test {
namespace {

using SmsPages = GroupedPages;
using Answers = std::initializer_list<std::string_view>;

constexpr std::string_view kMethods = "[\"GET\",\"POST\"]";

TEST_F(SmsPages, TheTemplatePathChoosesTheProviderDefaults) {
  struct Case {
    const char* path;
    const char* server;
    const char* port;
    int method;  // 0 GET, 1 POST
    const char* url;
    const char* recipient;
  };
  const Case cases[] = {
      {"/t/SMS/CLICKATELL/Send SMS.vbt", "sms.clickatell.example", "80", 0,
       "http://sms.clickatell.example/http/sendmsg", "gateway@sms.clickatell.example"},
      {"/t/Bigfoot SMS.vbt", "sms.bigfoot.example", "8080", 1,
       "http://sms.bigfoot.example/services/smsgateway", ""},
      {"/t/intellisoft/Send.vbt", "sms.intellisoft.example", "80", 0,
       "http://sms.intellisoft.example/smsgateway/sendmsg.aspx", "gateway@sms.intellisoft.example"},
      // bigfoot wins on the web pages; it has no e-mail gateway, so intellisoft gives that.
      {"/t/bigfoot/intellisoft.vbt", "sms.bigfoot.example", "8080", 1,
       "http://sms.bigfoot.example/services/smsgateway", "gateway@sms.intellisoft.example"},
      {"/t/plain/Send SMS.vbt", "", "80", 0, "http://", ""},
      {"", "", "80", 0, "http://", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    state = WizardState{};
    state.templatePath = c.path;
    Visit v = visit("PARAM-SMS-HTTP1", lookScript("PARAM-SMS-HTTP1"));
    ASSERT_VISIT_RAN(v);
    EXPECT_TRUE(v.has(control(1020, "edit", c.server)));
    EXPECT_TRUE(v.has(control(1015, "edit", c.port)));
    EXPECT_TRUE(v.has(listState(kMethods, c.method)));
    v = visit("PARAM-SMS-HTTP2", lookScript("PARAM-SMS-HTTP2"));
    EXPECT_TRUE(v.has(control(1014, "edit", c.url)));
    EXPECT_TRUE(v.has(control(1016, "edit", "200")));
    v = visit("PARAM-SMS-SMTP1", lookScript("PARAM-SMS-SMTP1"));
    EXPECT_TRUE(v.has(control(1017, "edit", c.recipient)));
    EXPECT_TRUE(v.has(control(1015, "edit", "25")));
    EXPECT_TRUE(v.has(control(1016, "edit", "Quorvel@<YourDomain>")));
  }
}

TEST_F(SmsPages, StoredGatewayValuesWinOverTheProviderDefaults) {
  state.templatePath = "/t/bigfoot/Send.vbt";
  Visit v = visit("PARAM-SMS-HTTP1",
                  "dialog PARAM-SMS-HTTP1\nselect 1021 0\nset 1029 447700900123\n"
                  "set 1007 gwuser\nset 1018 gwpass\nclick 1010\n");
  ASSERT_VISIT_RAN(v);
  EXPECT_EQ(v.result, kPageNext);
  EXPECT_EQ(state.answers.smsHttpMethod, "GET");
  EXPECT_EQ(state.answers.smsHttpPort, 8080);
  v = visit("PARAM-SMS-HTTP1", lookScript("PARAM-SMS-HTTP1"));
  EXPECT_TRUE(v.has(listState(kMethods, 0)));
  EXPECT_TRUE(v.has(control(1029, "edit", "447700900123")));
  // The method is matched without regard to case.
  state.answers.smsHttpMethod = "post";
  v = visit("PARAM-SMS-HTTP1", lookScript("PARAM-SMS-HTTP1"));
  EXPECT_TRUE(v.has(listState(kMethods, 1)));
}

TEST_F(SmsPages, HttpGatewayChecksInOrder) {
  struct Case {
    std::string server, port, phone, user, password;
    std::string_view refusal;
  };
  const Case cases[] = {
      {"", "80", "1", "u", "p", msg::kHttpServerMissing},
      {"gw", "0", "1", "u", "p", msg::kHttpPortMissing},
      {"gw", "80", "", "u", "p", msg::kPhoneMissing},
      {"gw", "80", "1", "", "p", msg::kGatewayUserMissing},
      {"gw", "80", "1", "u", "", msg::kGatewayPasswordMissing},
      {"gw", "80", "1", "u", "p", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.refusal);
    state = WizardState{};
    const bool ends = c.refusal.empty();
    const Visit v = visit(
        "PARAM-SMS-HTTP1",
        fillScript(
            "PARAM-SMS-HTTP1",
            {{1020, c.server}, {1015, c.port}, {1029, c.phone}, {1007, c.user}, {1018, c.password}},
            ends ? Answers{} : Answers{"ok"}, ends));
    ASSERT_VISIT_RAN(v);
    if (!ends) {
      EXPECT_TRUE(v.has(warning(c.refusal)));
    }
    EXPECT_EQ(v.result, ends ? kPageNext : kPageQuit);
    EXPECT_EQ(state.answers.smsHttpServer, c.server);
  }
}

TEST_F(SmsPages, SmtpAccountAsksForPhoneUserAndPasswordLikeTheHttpGateway) {
  struct Case {
    std::string phone, user, password;
    std::string_view refusal;
  };
  const Case cases[] = {{"", "u", "p", msg::kPhoneMissing},
                        {"1", "", "p", msg::kGatewayUserMissing},
                        {"1", "u", "", msg::kGatewayPasswordMissing},
                        {"1", "u", "p", {}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.refusal);
    state = WizardState{};
    const bool ends = c.refusal.empty();
    const Visit v =
        visit("PARAM-SMS-SMTP2",
              fillScript("PARAM-SMS-SMTP2", {{1029, c.phone}, {1007, c.user}, {1018, c.password}},
                         ends ? Answers{} : Answers{"ok"}, ends));
    ASSERT_VISIT_RAN(v);
    if (!ends) {
      EXPECT_TRUE(v.has(warning(c.refusal)));
    }
    EXPECT_EQ(state.answers.phoneNumber, c.phone);
  }
  const Visit v = visit("PARAM-SMS-SMTP2", lookScript("PARAM-SMS-SMTP2"));
  EXPECT_TRUE(v.has(control(1029, "edit", "1")));
  EXPECT_TRUE(v.has(control(1007, "edit", "u")));
}

TEST_F(SmsPages, HttpRequestNeedsUrlAndResultCodeButNotTheTexts) {
  struct Case {
    std::string url, code;
    std::string_view refusal;
  };
  const Case cases[] = {{"", "200", msg::kUrlMissing},
                        {"http://gw/send", "0", msg::kResultCodeMissing},
                        {"http://gw/send", "abc", msg::kResultCodeMissing},
                        {"http://gw/send", "202", {}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.url + " " + c.code);
    state = WizardState{};
    const bool ends = c.refusal.empty();
    const Visit v =
        visit("PARAM-SMS-HTTP2", fillScript("PARAM-SMS-HTTP2", {{1014, c.url}, {1016, c.code}},
                                            ends ? Answers{} : Answers{"ok"}, ends));
    ASSERT_VISIT_RAN(v);
    if (!ends) {
      EXPECT_TRUE(v.has(warning(c.refusal)));
    }
    EXPECT_EQ(state.answers.smsHttpUrl, c.url);
  }
  EXPECT_EQ(state.answers.smsHttpResultCode, 202);
  EXPECT_EQ(state.answers.smsHttpSuccessText, "");
  state.answers.smsHttpSuccessText = "OK:";
  const Visit v = visit("PARAM-SMS-HTTP2", lookScript("PARAM-SMS-HTTP2"));
  EXPECT_TRUE(v.has(control(1014, "edit", "http://gw/send")));
  EXPECT_TRUE(v.has(control(1016, "edit", "202")));
  EXPECT_TRUE(v.has(control(1022, "edit", "OK:")));
}

TEST_F(SmsPages, SmtpGatewayChecksTheSenderBeforeTheRecipient) {
  struct Case {
    const char* what;
    std::string sender, recipient;
    Answers answers;
    std::string shown;
    bool ends;
  };
  const std::string gw = "gateway@sms.clickatell.example";
  const Case cases[] = {
      {"untouched sender",
       "Quorvel@<YourDomain>",
       gw,
       {"ok"},
       warning(msg::kSenderPlaceholder),
       false},
      {"no sender", "", "", {"ok"}, warning(msg::kSenderMissing), false},
      {"sender without @, No",
       "alerts",
       gw,
       {"no"},
       question(msg::kSenderFormatQuestion, "no"),
       false},
      {"no recipient", "alerts@corp.example", "", {"ok"}, warning(msg::kRecipientMissing), false},
      {"recipient without @, No",
       "alerts@corp.example",
       "gateway",
       {"no"},
       question(msg::kRecipientFormatQuestion, "no"),
       false},
      {"recipient without @, Yes",
       "alerts@corp.example",
       "gateway",
       {"yes"},
       question(msg::kRecipientFormatQuestion, "yes"),
       true},
      // Only the sender is looked at for the placeholder word.
      {"recipient with the word", "alerts@corp.example", "sms@YourDomain.example", {}, "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    state = WizardState{};
    const Visit v =
        visit("PARAM-SMS-SMTP1",
              fillScript("PARAM-SMS-SMTP1",
                         {{1024, "mail.corp.example"}, {1016, c.sender}, {1017, c.recipient}},
                         c.answers, c.ends));
    ASSERT_VISIT_RAN(v);
    if (!c.shown.empty()) {
      EXPECT_TRUE(v.has(c.shown));
    }
    EXPECT_EQ(v.result, c.ends ? kPageNext : kPageQuit);
    EXPECT_EQ(state.answers.senderAddress, c.sender);
  }
  const Visit v = visit("PARAM-SMS-SMTP1", lookScript("PARAM-SMS-SMTP1"));
  EXPECT_TRUE(v.has(control(1024, "edit", "mail.corp.example")));
  EXPECT_TRUE(v.has(control(1016, "edit", "alerts@corp.example")));
  EXPECT_TRUE(v.has(control(1017, "edit", "sms@YourDomain.example")));
}

TEST_F(SmsPages, ApiIdIsRequiredAndTheLabelsAreTheResourceTexts) {
  param.question = "A question of the tag ...";
  param.help = "Help of the tag.";
  Visit v = visit("PARAM-SMS-API", fillScript("PARAM-SMS-API", {}, {"ok"}, false));
  ASSERT_VISIT_RAN(v);
  EXPECT_TRUE(v.has(warning(msg::kSmsApiIdMissing)));
  EXPECT_TRUE(v.has(control(1044, "static", "Please enter your API ID ...")));
  EXPECT_FALSE(v.has("Help of the tag."));
  v = visit("PARAM-SMS-API", fillScript("PARAM-SMS-API", {{1027, "3412345"}}));
  EXPECT_EQ(state.answers.smsApiId, "3412345");
  v = visit("PARAM-SMS-API", lookScript("PARAM-SMS-API"));
  EXPECT_TRUE(v.has(control(1027, "edit", "3412345")));
}

}  // namespace
}  // namespace qv::wizard::test
