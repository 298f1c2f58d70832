#include "platform/ui/script/driven_run.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

namespace qv::ui::script {

bool prepareDrivenRun(const char* program, DrivenRun& run) {
  std::string error;
  if (!readScriptSettings(run.settings, error)) {
    std::fprintf(stderr, "%s: %s\n", program, error.c_str());
    return false;
  }
  ParseError parseError{};
  if (!parseScript(run.settings.script, run.actions, parseError)) {
    std::fprintf(stderr, "script line %d: %s\n", parseError.line, parseError.message.c_str());
    return false;
  }
  if (const char* path = std::getenv("QV_UI_TRANSCRIPT"); path && *path) {
    run.transcript = std::fopen(path, "w");
    if (!run.transcript) {
      std::fprintf(stderr, "%s: cannot write the transcript %s: %s\n", program, path,
                   std::strerror(errno));
      return false;
    }
  }
  return true;
}

void finishDrivenRun(DrivenRun& run, Transcript& transcript, int code) {
  JsonObject o = Transcript::event("exit");
  o.add("code", code);
  transcript.write(o);
  if (run.transcript) std::fclose(run.transcript);
  run.transcript = nullptr;
}

}  // namespace qv::ui::script
