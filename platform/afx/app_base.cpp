#include "platform/afx/app_base.h"

#include <utility>

namespace qv::afx {

ProgramArguments programArguments(int argc, char** argv) {
  ProgramArguments arguments;
  if (argc > 0 && argv[0]) arguments.appName = appNameFromPath(argv[0]);
  for (int i = 1; i < argc; ++i) {
    if (i > 1) arguments.commandLine += ' ';
    if (argv[i]) arguments.commandLine += argv[i];
  }
  return arguments;
}

std::string appNameFromPath(std::string_view path) {
  const std::size_t slash = path.find_last_of('/');
  std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  // A leading dot names a hidden file; it starts no extension.
  if (const std::size_t dot = name.rfind('.'); dot != std::string_view::npos && dot > 0) {
    name = name.substr(0, dot);
  }
  return std::string(name);
}

AppBase::AppBase(ui::Platform& platform, ProgramArguments arguments)
    : platform_(platform), arguments_(std::move(arguments)) {}

int AppBase::run() {
  if (InitInstance()) exitCode_ = ui().runMessageLoop();
  return ExitInstance();
}

}  // namespace qv::afx
