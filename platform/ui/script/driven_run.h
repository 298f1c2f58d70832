// What a backend that a script drives (desktop, terminal) does around the
// run: reads the settings and the script, opens the transcript, and at the
// end writes the exit event.
#pragma once

#include <cstdio>
#include <vector>

#include "platform/ui/script/script.h"
#include "platform/ui/script/script_run.h"
#include "platform/ui/script/transcript.h"

namespace qv::ui::script {

struct DrivenRun {
  ScriptSettings settings;
  std::vector<Action> actions;
  std::FILE* transcript = nullptr;  // null: no transcript
};

// False after one line on standard error (a bad setting, a malformed
// script, a transcript that cannot be written): the run ends with status 2.
bool prepareDrivenRun(const char* program, DrivenRun& run);

// Writes the exit event and closes the transcript.
void finishDrivenRun(DrivenRun& run, Transcript& transcript, int code);

}  // namespace qv::ui::script
