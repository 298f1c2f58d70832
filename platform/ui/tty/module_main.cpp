// The module's entry point: takes over the terminal, builds the terminal
// platform (the terminal's dialogs, the desktop's launcher with the terminal
// kept from what it starts, the network's server enumeration, SMTP on port
// 25) and runs the program on it. With QV_UI_SCRIPT set, a script drives the
// run and the services are the scripted ones, so runs on both backends write
// the same transcript; such a run needs no terminal.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/os/desktop_launcher.h"
#include "platform/os/server_enumeration.h"
#include "platform/os/smb_server_enumeration.h"
#include "platform/ui/backend_platform.h"
#include "platform/ui/script/driven_run.h"
#include "platform/ui/script/script_launcher.h"
#include "platform/ui/tty/module_entry.h"
#include "platform/ui/tty/terminal.h"
#include "platform/ui/tty/terminal_launcher.h"
#include "platform/ui/tty/tty_script.h"
#include "platform/ui/tty/tty_ui.h"

namespace qv::ui::tty {
namespace {

using TerminalPlatform = BackendPlatform<TtyUi>;

int badSetting(const char* program, const std::string& message) {
  std::fprintf(stderr, "%s: %s\n", program, message.c_str());
  return 2;
}

int runUnscripted(const char* program, QvTtyProgram run, void* context) {
  std::string error;
  std::unique_ptr<Terminal> terminal = Terminal::open(error);
  if (!terminal) return badSetting(program, "cannot draw in the terminal: " + error);
  int code = 0;
  {
    TerminalPlatform platform(std::make_unique<TerminalLauncher>(os::makeDesktopLauncher()),
                              os::makeNetworkServerEnumerator(), 25, terminal.get(), nullptr);
    code = run(&platform, context);
  }
  terminal.reset();
  return code;
}

int runScripted(const char* program, QvTtyProgram run, void* context) {
  script::DrivenRun driven;
  if (!script::prepareDrivenRun(program, driven)) return 2;
  // Drawn in the terminal when there is one; otherwise only into the
  // picture that `screen` writes.
  std::string noTerminal;
  std::unique_ptr<Terminal> terminal = Terminal::open(noTerminal);
  script::Script script(std::move(driven.actions));
  script::Transcript transcript(driven.transcript);
  int code = 0;
  {
    const script::ScriptSettings& settings = driven.settings;
    TtyScript driver(script, transcript);
    TerminalPlatform platform(
        std::make_unique<script::ScriptLauncher>(transcript, settings.launchFails),
        std::make_unique<os::ListedServers>(settings.servers), settings.smtpPort, terminal.get(),
        &driver);
    code = run(&platform, context);
    driver.finish();
  }
  terminal.reset();
  script::finishDrivenRun(driven, transcript, code);
  return code;
}

}  // namespace
}  // namespace qv::ui::tty

extern "C" __attribute__((visibility("default"))) int qv_ui_tty_run(const char* programName,
                                                                    QvTtyProgram program,
                                                                    void* context) {
  using namespace qv::ui::tty;
  const char* script = std::getenv("QV_UI_SCRIPT");
  if (script && *script) return runScripted(programName, program, context);
  return runUnscripted(programName, program, context);
}
