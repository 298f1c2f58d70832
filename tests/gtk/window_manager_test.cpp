// The programs under a real window manager (openbox in the virtual X
// server): where dialogs are placed, the window menu and the minimise
// button of the console browser.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

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

// Pixels of a strong colour (an icon's, not the greys and black of a
// dialog's face and text).
int colourful(const Picture& screen, const Box& part) {
  int n = 0;
  for (int y = part.y; y < part.y + part.height; ++y) {
    for (int x = part.x; x < part.x + part.width; ++x) {
      const Rgb p = screen.at(x, y);
      n += std::max({p.r, p.g, p.b}) - std::min({p.r, p.g, p.b}) > 80 ? 1 : 0;
    }
  }
  return n;
}

// openbox's title bar above a window is no higher than this.
constexpr int kFrameTitleHeight = 30;

// The smallest rectangle that holds every pixel that is not black.
std::optional<Box> drawnPart(const Picture& screen) {
  int left = screen.width, top = screen.height, right = -1, bottom = -1;
  for (int y = 0; y < screen.height; ++y) {
    for (int x = 0; x < screen.width; ++x) {
      if (screen.at(x, y).isBlack()) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return std::nullopt;
  return Box{0, left, top, right - left + 1, bottom - top + 1};
}

// Run without a script and without connection details, the browser warns
// in a message box that waits for the user: centred, with the warning icon
// at the left of its text, and answered with Enter.
TEST(WindowManager, MessageBoxShowsItsIconAndTakesEnter) {
  if (!haveWindowManager()) GTEST_SKIP() << "openbox, Xvfb, xdotool or ImageMagick is missing";
  XSession session(true);
  ASSERT_TRUE(session.ready());
  session.start({"qvbrowser", {}, "", "", {"QV_UI_SCRIPT="}});
  // Its title is the program's name.
  ASSERT_TRUE(session.window("qvbrowser"));
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  // The box, in the window manager's frame, is all there is on the screen.
  const Picture screen = session.grab();
  const auto box = drawnPart(screen);
  ASSERT_TRUE(box);
  expectCentred(*box);
  fs::create_directories(QV_BINARY_DIR "/screenshots");
  savePng(screen, *box, QV_BINARY_DIR "/screenshots/browser-message-box.png");
  // Below the frame's title bar: the icon at the left, none beside the text.
  const int top = box->y + kFrameTitleHeight;
  const int high = box->height - kFrameTitleHeight;
  EXPECT_GT(colourful(screen, {0, box->x, top, box->width / 4, high}), 200);
  EXPECT_EQ(colourful(screen, {0, box->x + box->width / 2, top, box->width / 2, high}), 0);
  // Enter answers OK; a second box follows for the missing details, then
  // the browser, which Escape closes.
  session.keys("Return", 1000);
  session.keys("Return", 1500);
  session.keys("Escape");
  EXPECT_EQ(session.finish(10000), 0) << session.errors();
}

}  // namespace
}  // namespace qv::gtktest
