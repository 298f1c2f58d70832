// A whole scripted run: the scripted platform built from its settings, the
// program run on it, the failure rules applied at its end.
#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/platform.h"

namespace qv::ui::script {

struct ScriptSettings {
  std::string script;  // the script's text
  bool launchFails = false;
  std::optional<std::vector<std::string>> servers;  // unset: the enumeration fails
  int smtpPort = 25;
};

using ScriptedProgram = std::function<int(Platform&)>;

// Runs the program; returns its exit status, 2 for a malformed script (one
// line on standard error), 3 for a failed run. `transcript` may be null.
int runScripted(const ScriptSettings& settings, std::FILE* transcript,
                const ScriptedProgram& program);

// Reads QV_UI_SCRIPT, QV_UI_LAUNCH, QV_UI_SERVERS and QV_UI_SMTP_PORT; false
// with a message for a bad setting.
bool readScriptSettings(ScriptSettings& settings, std::string& error);

// For tests: runs a program on a script given as text and returns the exit
// status and the transcript.
struct ScriptedResult {
  int exitCode = 0;
  std::string transcript;
};
ScriptedResult runScriptText(std::string_view script, const ScriptedProgram& program,
                             ScriptSettings settings = {});

}  // namespace qv::ui::script
