#include "platform/ui/script/script_launcher.h"

#include "platform/os/paths.h"

namespace qv::ui::script {

bool ScriptLauncher::startProgram(std::string_view commandLine, os::WindowState) {
  JsonObject o = Transcript::event("launch");
  o.add("command", commandLine).add("ok", !fails_);
  transcript_.write(o);
  return !fails_;
}

bool ScriptLauncher::openAddress(std::string_view address) {
  JsonObject o = Transcript::event("open-url");
  o.add("url", address).add("ok", !fails_);
  transcript_.write(o);
  return !fails_;
}

std::string ScriptLauncher::findAssociatedProgram(std::string_view filePath) {
  return os::fileExists(std::string(filePath)) ? "x-www-browser" : "";
}

}  // namespace qv::ui::script
