// Runs qvbrowser in-process on the scripted backend, optionally watching the
// main dialog at every blocking sleep (what a user sees while a handler
// waits, which the transcript does not record).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/script/script_run.h"

namespace qv::test {

// The main dialog as it stood when a handler began a blocking sleep.
struct SleepSnapshot {
  int ms = 0;
  bool pageButtonsEnabled = false;  // all three page buttons
  bool pageButtonsDisabled = false;
  std::vector<ui::Dialog::MenuItem> systemMenu;
  std::string icon;
};

struct BrowserRun {
  ui::script::ScriptedResult result;
  std::vector<SleepSnapshot> sleeps;
};

BrowserRun runBrowser(std::string_view commandLine, std::string_view script,
                      ui::script::ScriptSettings settings = {});

}  // namespace qv::test
