// The keyboard as a person uses it on the desktop backend: real key presses
// through the XTEST extension, on the wizard's pages and the browser; what
// the program did is read from its transcript, what it showed from the
// screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "page_server.h"
#include "x_session.h"

namespace qv::gtktest {
namespace {

namespace fs = std::filesystem;

// One text page and one two-option page, then READY and COMPLETE.
constexpr std::string_view kTemplate =
    "strA = \"<PARAM:Type=Text;Question=First value>\"\n"
    "blnB = <PARAM:Type=Option;Question=Log it;Data=Yes=True,No=False>\n";

class Keyboard : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!haveXTools()) GTEST_SKIP() << "Xvfb, xdotool or ImageMagick is not installed";
    char pattern[] = "/tmp/qv-gtkkeys-XXXXXX";
    dir_ = ::mkdtemp(pattern);
    std::ofstream(dir_ / "One.vbt") << kTemplate;
  }
  void TearDown() override {
    std::error_code ignored;
    if (!dir_.empty()) fs::remove_all(dir_, ignored);
  }
  // The wizard in `session`: the script opens the template and leaves every
  // dialog named in `pages` to the keyboard.
  void startWizard(XSession& session, const std::string& script,
                   std::vector<std::string> args = {}) {
    session.start({"qvscriptwizard",
                   std::move(args),
                   script,
                   dir_.string(),
                   {"XDG_DATA_DIRS=" + dir_.string()}});
  }
  fs::path dir_;
};

// Every page waits long enough for the keys.
constexpr const char* kKeysDecide = "wait 60000\n";

// The background of a button marked as the default (the theme's
// suggested-action blue).
constexpr Rgb kDefaultBlue{0x35, 0x84, 0xe4};

TEST_F(Keyboard, EnterPressesTheDefaultButtonWhereverTheFocusIs) {
  XSession session;
  ASSERT_TRUE(session.ready());
  startWizard(session,
              std::string("dialog START-WIZARD\nclick 1010\nfile One.vbt\n"
                          "dialog HEADER-INFO\nclick 1010\n"
                          "dialog PARAM-TEXT\n") +
                  kKeysDecide + "dialog PARAM-2OPTION\n" + kKeysDecide + "dialog READY\n" +
                  kKeysDecide + "dialog COMPLETE\n" + kKeysDecide,
              {(dir_ / "out.vbs").string()});
  // The text field has the focus and keeps what is typed; Enter is Next.
  ASSERT_TRUE(session.dialog("PARAM-TEXT"));
  session.type("typed");
  session.keys("Return");
  // From Next, Tab goes round to the radio group; Down moves within it.
  ASSERT_TRUE(session.dialog("PARAM-2OPTION"));
  session.keys("Tab Down Return");
  // The focus is on Next, marked as the default; Space presses it.
  const auto ready = session.dialog("READY");
  ASSERT_TRUE(ready) << session.transcript();
  const Picture screen = session.grab();
  EXPECT_GT(screen.countNear(kDefaultBlue, ready->x, ready->y + ready->height * 3 / 4, ready->width,
                             ready->height / 4),
            200);
  session.keys("space");
  // The script field has the focus; Enter is Finish.
  ASSERT_TRUE(session.dialog("COMPLETE")) << session.transcript();
  session.keys("Return");
  EXPECT_EQ(session.finish(), 0) << session.transcript() << session.errors();
  const std::string written = readFile((dir_ / "out.vbs").string());
  EXPECT_NE(written.find("strA = \"typed\""), std::string::npos) << written;
  EXPECT_NE(written.find("blnB = False"), std::string::npos) << written;
}

TEST_F(Keyboard, EnterOnAnExistingTargetEditsIt) {
  XSession session;
  ASSERT_TRUE(session.ready());
  startWizard(session,
              std::string("dialog FILE_EXISTS\n") + kKeysDecide + "dialog COMPLETE\n" + kKeysDecide,
              {(dir_ / "One.vbt").string()});
  ASSERT_TRUE(session.dialog("FILE_EXISTS"));
  session.keys("Return");
  ASSERT_TRUE(session.dialog("COMPLETE")) << session.transcript();
  session.keys("Return");
  EXPECT_EQ(session.finish(), 0) << session.errors();
  EXPECT_NE(session.transcript().find(R"({"event":"close","dialog":"FILE_EXISTS","result":3})"),
            std::string::npos)
      << session.transcript();
}

// Tab and Shift+Tab follow the template's order and skip the disabled Back;
// Space presses the focused button; Escape is Cancel.
TEST_F(Keyboard, TabOrderSpaceAndEscape) {
  XSession session;
  ASSERT_TRUE(session.ready());
  startWizard(session, std::string("dialog START-WIZARD\n") + kKeysDecide +
                           "answer no\nfile One.vbt\ndialog HEADER-INFO\n" + kKeysDecide +
                           "answer yes\n");
  ASSERT_TRUE(session.dialog("START-WIZARD"));
  // Next, then Cancel: the cancel question, answered No.
  session.keys("shift+Tab space");
  ASSERT_TRUE(session.waitForTranscript(R"("answer":"no")")) << session.transcript();
  // Cancel, then the library button before it.
  session.keys("shift+Tab space");
  ASSERT_TRUE(session.waitForTranscript(R"({"event":"launch")")) << session.transcript();
  // Forward over Cancel and the disabled Back to Next.
  session.keys("Tab Tab space");
  ASSERT_TRUE(session.dialog("HEADER-INFO")) << session.transcript();
  session.keys("Escape");
  EXPECT_EQ(session.finish(), 0) << session.transcript() << session.errors();
  EXPECT_NE(session.transcript().find(R"("answer":"yes")"), std::string::npos);
}

// A digits-only field refuses a typed letter and keeps its text and
// selection: the letter typed over the selected digits changes nothing, so
// a digit typed after them adds to them.
TEST_F(Keyboard, DigitsOnlyFieldRefusesALetterOverItsSelection) {
  std::ofstream(dir_ / "Api.vbt") << "strApi = \"<PARAM:Type=SMSAPIID>\"\n";
  XSession session;
  ASSERT_TRUE(session.ready());
  startWizard(session,
              "dialog START-WIZARD\nclick 1010\nfile Api.vbt\n"
              "dialog HEADER-INFO\nclick 1010\n"
              "dialog PARAM-SMS-API\nwait 6000\ndump\nkey escape\nanswer yes\n",
              {(dir_ / "api.vbs").string()});
  ASSERT_TRUE(session.dialog("PARAM-SMS-API")) << session.transcript();
  session.type("12");
  session.keys("ctrl+a");
  session.type("x");
  session.keys("End");
  session.type("3");
  EXPECT_EQ(session.finish(), 0) << session.errors();
  EXPECT_NE(session.transcript().find(R"({"id":1027,"kind":"edit","text":"123")"),
            std::string::npos)
      << session.transcript();
}

// A text field of the console page keeps Enter: its form is sent, and
// Refresh does not run.
TEST_F(Keyboard, EnterInTheConsolePageSubmitsItsForm) {
  PageServer pages({{"/form.qvp",
                     {200,
                      "<html><body><form action=\"sent.qvp\"><input name=\"q\" "
                      "style=\"position:fixed;left:0;top:0;width:100%;height:100%\">"
                      "</form></body></html>"}},
                    {"/sent.qvp", {200, "<html><body>Sent</body></html>"}}});
  ASSERT_GT(pages.port(), 0);
  XSession session;
  ASSERT_TRUE(session.ready());
  session.start({"qvbrowser",
                 {"127.0.0.1," + std::to_string(pages.port()) + ",form.qvp"},
                 std::string("dialog 102\n") + kKeysDecide,
                 "",
                 {}});
  const auto browser = session.dialog("102");
  ASSERT_TRUE(browser);
  session.click(browser->centreX(), browser->centreY());
  session.type("abc");
  session.keys("Return");
  session.keys("Escape");
  EXPECT_EQ(session.finish(), 0) << session.errors();
  const auto asked = pages.requests();
  EXPECT_NE(std::find(asked.begin(), asked.end(), "/sent.qvp?q=abc"), asked.end())
      << ::testing::PrintToString(asked);
  EXPECT_EQ(session.transcript().find("Refreshing information"), std::string::npos);
}

}  // namespace
}  // namespace qv::gtktest
