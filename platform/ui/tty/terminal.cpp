#include "platform/ui/tty/terminal.h"

#include <curses.h>
#include <glib.h>
#include <langinfo.h>
#include <signal.h>
#include <term.h>
#include <termios.h>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <cstring>

namespace qv::ui::tty {
namespace {

// A signal handler can reach no object, so what it needs to give the
// terminal back is kept here, written once before the handlers are
// installed and only read afterwards.
struct RestoreState {
  termios saved{};
  std::string sequence;  // leaves the alternate screen, shows the cursor, ends mouse reports
  bool active = false;
};
RestoreState& restoreState() {
  static RestoreState state;
  return state;
}

constexpr int kFatalSignals[] = {SIGTERM, SIGHUP, SIGINT, SIGQUIT, SIGSEGV,
                                 SIGBUS,  SIGFPE, SIGILL, SIGABRT};

void restoreRaw() {
  RestoreState& s = restoreState();
  if (!s.active) return;
  s.active = false;
  // write() and tcsetattr() are safe in a signal handler; curses is not.
  ssize_t ignored = ::write(STDOUT_FILENO, s.sequence.data(), s.sequence.size());
  (void)ignored;
  ::tcsetattr(STDIN_FILENO, TCSANOW, &s.saved);
}

void onFatalSignal(int sig) {
  restoreRaw();
  ::signal(sig, SIG_DFL);
  ::raise(sig);
}

void restoreAtExit() {
  restoreRaw();
}

std::string capability(const char* name) {
  const char* value = tigetstr(const_cast<char*>(name));
  if (!value || value == reinterpret_cast<const char*>(-1)) return {};
  return value;
}

// Terminals known to take OSC 52 (tmux passes it on); QV_UI_OSC52=0 or 1
// decides instead.
bool takesOsc52() {
  if (const char* setting = std::getenv("QV_UI_OSC52"); setting && *setting) {
    return std::strcmp(setting, "0") != 0;
  }
  const char* term = std::getenv("TERM");
  if (!term) return false;
  for (const char* prefix : {"xterm", "tmux", "screen", "rxvt", "alacritty", "foot", "kitty"}) {
    if (std::strncmp(term, prefix, std::strlen(prefix)) == 0) return true;
  }
  return false;
}

// Curses draws wide characters only in a UTF-8 locale.
void chooseUtf8Locale() {
  std::setlocale(LC_CTYPE, "");
  const char* codeset = nl_langinfo(CODESET);
  if (!codeset || std::strcmp(codeset, "UTF-8") != 0) std::setlocale(LC_CTYPE, "C.UTF-8");
}

attr_t cursesAttrs(std::uint8_t a) {
  attr_t out = A_NORMAL;
  if (a & attr::kBold) out |= A_BOLD;
  if (a & attr::kReverse) out |= A_REVERSE;
  if (a & attr::kUnderline) out |= A_UNDERLINE;
  if (a & attr::kDim) out |= A_DIM;
  return out;
}

short colourPair(std::uint8_t a) {
  if (!has_colors()) return 0;
  if (a & attr::kRed) return 1;
  if (a & attr::kGreen) return 2;
  return 0;
}

}  // namespace

std::unique_ptr<Terminal> Terminal::open(std::string& error) {
  if (!::isatty(STDIN_FILENO) || !::isatty(STDOUT_FILENO)) {
    error = "standard input and output are no terminal";
    return nullptr;
  }
  RestoreState& state = restoreState();
  ::tcgetattr(STDIN_FILENO, &state.saved);
  chooseUtf8Locale();
  if (!newterm(nullptr, stdout, stdin)) {
    error = std::string("curses cannot use the terminal type ") +
            (std::getenv("TERM") ? std::getenv("TERM") : "(TERM unset)");
    return nullptr;
  }
  std::unique_ptr<Terminal> terminal(new Terminal());
  terminal->osc52_ = takesOsc52();
  state.sequence = capability("sgr0") + capability("cnorm") + capability("rmkx") +
                   "\033[?1000l\033[?1006l" + capability("rmcup");
  state.active = true;
  std::atexit(restoreAtExit);
  for (int sig : kFatalSignals) ::signal(sig, onFatalSignal);

  // Ctrl+C is a key (the page's cancel question), not a signal.
  raw();
  noecho();
  nonl();
  keypad(stdscr, TRUE);
  set_escdelay(40);
  if (has_colors()) {
    start_color();
    use_default_colors();
    init_pair(1, COLOR_RED, -1);
    init_pair(2, COLOR_GREEN, -1);
  }
  mousemask(BUTTON1_CLICKED | BUTTON1_PRESSED, nullptr);
  mouseinterval(0);
  return terminal;
}

Terminal::~Terminal() {
  restore();
}

void Terminal::restore() {
  if (restored_) return;
  restored_ = true;
  mousemask(0, nullptr);
  endwin();
  restoreState().active = false;
  for (int sig : kFatalSignals) ::signal(sig, SIG_DFL);
}

int Terminal::rows() const {
  return LINES;
}

int Terminal::cols() const {
  return COLS;
}

void Terminal::show(const Canvas& canvas, std::optional<std::pair<int, int>> cursor) {
  const int rows = std::min(canvas.rows(), LINES);
  const int cols = std::min(canvas.cols(), COLS);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      const Cell& cell = canvas.at(r, c);
      wchar_t text[2] = {static_cast<wchar_t>(cell.ch), 0};
      cchar_t cc;
      setcchar(&cc, text, cursesAttrs(cell.attrs), colourPair(cell.attrs), nullptr);
      mvadd_wch(r, c, &cc);
    }
  }
  if (cursor) {
    curs_set(1);
    move(cursor->first, cursor->second);
  } else {
    curs_set(0);
  }
  refresh();
}

std::optional<Key> Terminal::readKey(int timeoutMs) {
  timeout(timeoutMs);
  wint_t ch = 0;
  const int kind = get_wch(&ch);
  if (kind == ERR) return std::nullopt;
  Key key;
  if (kind == KEY_CODE_YES) {
    switch (ch) {
      case KEY_RESIZE:
        key.code = KeyCode::Resize;
        break;
      case KEY_BTAB:
        key.code = KeyCode::BackTab;
        break;
      case KEY_ENTER:
        key.code = KeyCode::Enter;
        break;
      case KEY_UP:
        key.code = KeyCode::Up;
        break;
      case KEY_DOWN:
        key.code = KeyCode::Down;
        break;
      case KEY_LEFT:
        key.code = KeyCode::Left;
        break;
      case KEY_RIGHT:
        key.code = KeyCode::Right;
        break;
      case KEY_HOME:
        key.code = KeyCode::Home;
        break;
      case KEY_END:
        key.code = KeyCode::End;
        break;
      case KEY_PPAGE:
        key.code = KeyCode::PageUp;
        break;
      case KEY_NPAGE:
        key.code = KeyCode::PageDown;
        break;
      case KEY_BACKSPACE:
        key.code = KeyCode::Backspace;
        break;
      case KEY_DC:
        key.code = KeyCode::Delete;
        break;
      case KEY_SLEFT:
        key.code = KeyCode::ShiftLeft;
        break;
      case KEY_SRIGHT:
        key.code = KeyCode::ShiftRight;
        break;
      case KEY_SHOME:
        key.code = KeyCode::ShiftHome;
        break;
      case KEY_SEND:
        key.code = KeyCode::ShiftEnd;
        break;
      case KEY_F(4):
        key.code = KeyCode::OpenList;
        break;
      case KEY_MOUSE: {
        MEVENT event;
        if (getmouse(&event) != OK || !(event.bstate & (BUTTON1_CLICKED | BUTTON1_PRESSED))) {
          return Key{};
        }
        key.code = KeyCode::Click;
        key.row = event.y;
        key.col = event.x;
        break;
      }
      default:
        return Key{};
    }
    return key;
  }
  switch (ch) {
    case L'\t':
      key.code = KeyCode::Tab;
      return key;
    case L'\r':
    case L'\n':
      key.code = KeyCode::Enter;
      return key;
    case 3:
      key.code = KeyCode::Interrupt;
      return key;
    case 22:
      key.code = KeyCode::Paste;
      return key;
    case 1:
      key.code = KeyCode::SelectAll;
      return key;
    case 8:
    case 127:
      key.code = KeyCode::Backspace;
      return key;
    case 27: {
      // Escape alone, or Alt with the key that follows at once.
      timeout(0);
      wint_t next = 0;
      const int nextKind = get_wch(&next);
      if (nextKind == ERR) {
        key.code = KeyCode::Escape;
      } else if (nextKind == KEY_CODE_YES && next == KEY_DOWN) {
        key.code = KeyCode::OpenList;
      } else if (nextKind == OK && next == L' ') {
        key.code = KeyCode::WindowMenu;
      } else if (nextKind == OK && next >= 32) {
        key.code = KeyCode::Char;
        key.ch = static_cast<char32_t>(next);
        key.alt = true;
      } else {
        key.code = KeyCode::Escape;
      }
      return key;
    }
    default:
      if (ch < 32) return Key{};
      key.code = KeyCode::Char;
      key.ch = static_cast<char32_t>(ch);
      return key;
  }
}

void Terminal::writeClipboard(std::string_view text) {
  if (!osc52_ || restored_) return;
  gchar* encoded = g_base64_encode(reinterpret_cast<const guchar*>(text.data()), text.size());
  const std::string sequence = std::string("\033]52;c;") + encoded + "\007";
  g_free(encoded);
  // Straight to the terminal: curses knows nothing of it and draws on.
  std::fflush(stdout);
  ssize_t ignored = ::write(STDOUT_FILENO, sequence.data(), sequence.size());
  (void)ignored;
}

}  // namespace qv::ui::tty
