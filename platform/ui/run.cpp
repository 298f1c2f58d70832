#include "platform/ui/run.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/ui/backend_module.h"
#include "platform/ui/gtk/module_entry.h"
#include "platform/ui/script/script_run.h"
#include "platform/ui/tty/module_entry.h"

namespace qv::ui {
namespace {

std::string programName(int argc, char** argv) {
  if (argc < 1 || !argv[0]) return "program";
  const char* slash = std::strrchr(argv[0], '/');
  return slash ? slash + 1 : argv[0];
}

bool hasDisplay() {
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x11 && *x11) || (wayland && *wayland);
}

bool onTerminal() {
  return ::isatty(STDIN_FILENO) && ::isatty(STDOUT_FILENO);
}

int badSetting(const std::string& program, const std::string& message) {
  std::fprintf(stderr, "%s: %s\n", program.c_str(), message.c_str());
  return kExitBadSetting;
}

}  // namespace

int runProgram(int argc, char** argv, const ProgramMain& main) {
  const std::string name = programName(argc, argv);
  const char* selected = std::getenv("QV_UI");
  std::string backend = selected ? selected : "";
  if (backend.empty()) {
    if (hasDisplay()) {
      backend = "gtk";
    } else if (onTerminal()) {
      backend = "tty";
    } else {
      return badSetting(name,
                        "no display to open windows on and no terminal to draw in; run it in a "
                        "desktop session or a terminal, or by script with QV_UI=script "
                        "QV_UI_SCRIPT=FILE (see docs/automation.md)");
    }
  }
  if (backend == "gtk") {
    return runOnBackendModule(name, gtk::kModuleFile, gtk::kEntryPoint, argc, argv, main);
  }
  if (backend == "tty") {
    return runOnBackendModule(name, tty::kModuleFile, tty::kEntryPoint, argc, argv, main);
  }
  if (backend != "script") {
    return badSetting(name, "unknown QV_UI \"" + backend + "\"; use script, gtk or tty");
  }

  script::ScriptSettings settings;
  std::string error;
  if (!script::readScriptSettings(settings, error)) return badSetting(name, error);
  std::FILE* transcript = nullptr;
  if (const char* path = std::getenv("QV_UI_TRANSCRIPT"); path && *path) {
    transcript = std::fopen(path, "w");
    if (!transcript) {
      return badSetting(
          name, std::string("cannot write the transcript ") + path + ": " + std::strerror(errno));
    }
  }
  const int code = script::runScripted(
      settings, transcript, [&](Platform& platform) { return main(platform, argc, argv); });
  if (transcript) std::fclose(transcript);
  return code;
}

}  // namespace qv::ui
