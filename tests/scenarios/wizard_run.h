// Whole wizard runs for tests: a temporary program folder (with "Dummy.htm")
// and shared data folder, template fixtures written into it, and the wizard
// program run in-process on the scripted backend.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/os/paths.h"
#include "platform/ui/script/json_line.h"
#include "platform/ui/script/script_run.h"
#include "tests/scenarios/message_hook.h"
#include "wizard/shell/environment.h"
#include "wizard/shell/wizard_program.h"

namespace qv::wizard::test {

// A JSON string as the transcript writes it, for matching lines.
inline std::string json(std::string_view text) {
  std::string out;
  ui::script::appendJsonString(out, text);
  return out;
}

// The beginning of a message event with this text.
inline std::string messageEvent(std::string_view text) {
  return "{\"event\":\"message\",\"text\":" + json(text);
}

// The beginning of a control with this id, kind and text in a dialog's controls.
inline std::string control(int id, std::string_view kind, std::string_view text) {
  return "{\"id\":" + std::to_string(id) + ",\"kind\":\"" + std::string(kind) +
         "\",\"text\":" + json(text);
}

struct WizardRun {
  int exitCode = 0;
  std::vector<std::string> lines;     // the transcript, one event a line
  std::optional<std::string> target;  // the target file's bytes; nullopt when missing

  bool has(std::string_view fragment) const { return count(fragment) > 0; }
  int count(std::string_view fragment) const {
    int n = 0;
    for (const std::string& line : lines) n += line.find(fragment) != std::string::npos;
    return n;
  }
  // The nth (from 0) line containing every fragment; empty when none.
  std::string line(std::initializer_list<std::string_view> fragments, int nth = 0) const {
    for (const std::string& l : lines) {
      bool all = true;
      for (std::string_view f : fragments) all = all && l.find(f) != std::string::npos;
      if (all && nth-- == 0) return l;
    }
    return {};
  }
  // The nth "open" event of a dialog.
  std::string opened(std::string_view dialog, int nth = 0) const {
    return line({"{\"event\":\"open\",\"dialog\":" + json(dialog)}, nth);
  }
  std::string transcript() const {
    std::string all;
    for (const std::string& l : lines) all += l + "\n";
    return all;
  }
};

class WizardHarness {
 public:
  WizardHarness() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qv-wizard-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
    root_ = pattern;
    std::filesystem::create_directories(root_ + "/program");
    std::filesystem::create_directories(root_ + "/share");
    write("program/Dummy.htm", "<html></html>\n");
    env.programFolder = root_ + "/program/";
    env.dataFolders = {root_ + "/share"};
  }
  ~WizardHarness() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  WizardHarness(const WizardHarness&) = delete;
  WizardHarness& operator=(const WizardHarness&) = delete;

  std::string path(std::string_view name) const { return root_ + "/" + std::string(name); }

  // Writes bytes exactly as given; returns the full path.
  std::string write(std::string_view name, std::string_view bytes) const {
    const std::string full = path(name);
    std::filesystem::create_directories(std::filesystem::path(full).parent_path());
    std::ofstream out(full, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return full;
  }

  // Runs the program with `args`; `targetName` names the file (under the
  // temporary folder) whose bytes the result carries.
  // `onMessage`, when given, is called after each message box is answered.
  WizardRun run(std::string_view script, const std::vector<std::string>& args = {},
                std::string_view targetName = "out.vbs", ui::script::ScriptSettings settings = {},
                MessageHook::Hook onMessage = {}) const {
    const auto result = ui::script::runScriptText(
        script,
        [&](ui::Platform& platform) {
          if (!onMessage) return runWizardProgram(platform, env, args);
          MessageHook hooked(platform, onMessage);
          return runWizardProgram(hooked, env, args);
        },
        std::move(settings));
    WizardRun run;
    run.exitCode = result.exitCode;
    std::istringstream in(result.transcript);
    for (std::string l; std::getline(in, l);) run.lines.push_back(l);
    run.target = os::readWholeFile(path(targetName));
    return run;
  }

  WizardEnvironment env;

 private:
  std::string root_;
};

// Fails the test with the transcript when the run did not end as expected.
#define EXPECT_RUN_EXIT(run, code) EXPECT_EQ((run).exitCode, (code)) << (run).transcript()

}  // namespace qv::wizard::test
