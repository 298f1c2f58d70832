// What a person sees while the programs block: the browser's splash window
// while the main dialog initialises, and the status line during the
// browser's one-second waits; taken from the screen's pixels.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "x_session.h"

namespace qv::gtktest {
namespace {

namespace fs = std::filesystem;

constexpr Rgb kBlack{};

TEST(Repaint, SplashAndStatusLineShowDuringWaits) {
  if (!haveXTools()) GTEST_SKIP() << "Xvfb, xdotool or ImageMagick is not installed";
  ConsoleDemo console;
  ASSERT_GT(console.port(), 0);
  XSession session;
  ASSERT_TRUE(session.ready());
  session.start({"qvbrowser",
                 {"127.0.0.1," + std::to_string(console.port()) + ",RecConsoleStatus.qvp"},
                 "dialog 102\nwait 60000\n",
                 "",
                 {}});
  // The splash is centred on the black screen until the main dialog opens.
  bool splashSeen = false;
  const int cx = XSession::kScreenWidth / 2;
  const int cy = XSession::kScreenHeight / 2;
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!session.waitForTranscript(R"({"event":"open","dialog":"102")", 0) &&
         std::chrono::steady_clock::now() < giveUp) {
    const Picture screen = session.grab();
    if (screen.width == 0 || screen.at(cx, cy).isBlack()) continue;
    splashSeen = true;
    // 275 x 62 dialog units, and nothing else on the screen.
    const Box splash{0, cx - 241, cy - 51, 481, 101};
    EXPECT_EQ(screen.countOtherThan(kBlack, 0, 0, XSession::kScreenWidth, splash.y), 0);
    EXPECT_GT(screen.countOtherThan(kBlack, splash.x, splash.y, splash.width, splash.height),
              splash.width * splash.height * 9 / 10);
    fs::create_directories(QV_BINARY_DIR "/screenshots");
    savePng(screen, splash, QV_BINARY_DIR "/screenshots/browser-138.png");
  }
  EXPECT_TRUE(splashSeen);

  const auto window = session.dialog("102");
  ASSERT_TRUE(window);
  const DialogArea area(*window, 564, 369);
  ASSERT_TRUE(area.fits) << window->width << "x" << window->height;
  const Box status = area.control(7, 55, 265, 8);
  const Box alerts = area.control(58, 348, 50, 14);
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  const Picture idle = session.grab();
  const Rgb background = idle.at(status.x + status.width - 2, status.y + 1);
  EXPECT_EQ(idle.countOtherThan(background, status.x, status.y, status.width, status.height), 0);

  // A page button clicked: "Redirecting - please wait ..." during the wait.
  session.click(alerts.centreX(), alerts.centreY(), 150);
  const Picture redirecting = session.grab();
  EXPECT_GT(redirecting.countOtherThan(background, status.x, status.y, status.width, status.height),
            50);

  // Enter is Refresh: "Refreshing information from Quorvel ..." during its
  // wait.
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  session.keys("Return", 150);
  const Picture refreshing = session.grab();
  EXPECT_GT(refreshing.countOtherThan(background, status.x, status.y, status.width, status.height),
            50);
  session.keys("Escape");
  EXPECT_EQ(session.finish(), 0) << session.errors();
}

}  // namespace
}  // namespace qv::gtktest
