// The programs under a real window manager (openbox in the virtual X
// server): where dialogs are placed, the window menu and the minimise
// button of the console browser.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "x_session.h"

namespace qv::gtktest {
namespace {

namespace fs = std::filesystem;

bool haveWindowManager() {
  return haveXTools() && std::system("command -v openbox >/dev/null") == 0;
}

void expectCentred(const Box& window) {
  EXPECT_NEAR(window.centreX(), XSession::kScreenWidth / 2, 2);
  EXPECT_NEAR(window.centreY(), XSession::kScreenHeight / 2, 30);
}

TEST(WindowManager, BrowserCentredWithMoveMinimiseAndCloseInItsWindowMenu) {
  if (!haveWindowManager()) GTEST_SKIP() << "openbox, Xvfb, xdotool or ImageMagick is missing";
  ConsoleDemo console;
  ASSERT_GT(console.port(), 0);
  XSession session(true);
  ASSERT_TRUE(session.ready());
  session.start({"qvbrowser",
                 {"127.0.0.1," + std::to_string(console.port()) + ",RecConsoleStatus.qvp"},
                 "dialog 102\nwait 8000\nkey escape\n",
                 "",
                 {}});
  const auto window = session.dialog("102");
  ASSERT_TRUE(window);
  expectCentred(*window);
  // The title bar ends with a minimise button before Close: its glyph, dark
  // on the bar's light grey.
  const Picture titled = session.grab();
  const Rgb bar = titled.at(window->x + window->width - 70, window->y + 8);
  EXPECT_GT(titled.countOtherThan(bar, window->x + window->width - 80, window->y + 12, 25, 28), 8);
  // The window menu, from its button at the left of the title bar.
  session.click(window->x + 24, window->y + 26, 1500);
  const Picture screen = session.grab();
  fs::create_directories(QV_BINARY_DIR "/screenshots");
  savePng(screen, {0, window->x, window->y, 360, 200},
          QV_BINARY_DIR "/screenshots/browser-window-menu.png");
  // Its Minimize item takes the window off the screen.
  session.keys("n", 1000);
  EXPECT_FALSE(session.window("Quorvel Console Browser [127.0.0.1]", 500));
  EXPECT_EQ(session.finish(), 0) << session.errors();
}

}  // namespace
}  // namespace qv::gtktest
