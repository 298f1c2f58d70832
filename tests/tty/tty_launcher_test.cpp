// What the terminal backend starts gets /dev/null as its standard streams,
// not the terminal, and the program's own streams come back afterwards.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>

#include "platform/ui/tty/terminal_launcher.h"

namespace qv::ui::tty {
namespace {

using Streams = std::array<std::pair<dev_t, ino_t>, 3>;

Streams streams() {
  Streams out{};
  for (int fd = 0; fd < 3; ++fd) {
    struct stat st {};
    ::fstat(fd, &st);
    out[static_cast<std::size_t>(fd)] = {st.st_rdev, st.st_ino};
  }
  return out;
}

// Notes the streams a started program would inherit.
class Recording final : public os::Launcher {
 public:
  explicit Recording(Streams& seen) : seen_(seen) {}
  bool startProgram(std::string_view, os::WindowState) override { return note(); }
  bool openAddress(std::string_view) override { return note(); }
  std::string findAssociatedProgram(std::string_view) override {
    seen_ = streams();
    return "program";
  }

 private:
  bool note() {
    seen_ = streams();
    return true;
  }
  Streams& seen_;
};

TEST(TtyLauncher, StartedProgramsGetDevNullAndTheStreamsComeBack) {
  struct stat null {};
  ASSERT_EQ(::stat("/dev/null", &null), 0);
  const Streams before = streams();
  Streams seen{};
  TerminalLauncher launcher(std::make_unique<Recording>(seen));
  for (int call = 0; call < 2; ++call) {
    seen = {};
    EXPECT_TRUE(call == 0 ? launcher.startProgram("notepad x.vbs", os::WindowState::Normal)
                          : launcher.openAddress("http://127.0.0.1/"));
    for (const auto& [device, inode] : seen) {
      EXPECT_EQ(device, null.st_rdev);
      EXPECT_EQ(inode, null.st_ino);
    }
    EXPECT_EQ(streams(), before);
  }
  // Asking which program a file opens with starts nothing.
  EXPECT_EQ(launcher.findAssociatedProgram("x.vbs"), "program");
  EXPECT_EQ(seen, before);
}

}  // namespace
}  // namespace qv::ui::tty
