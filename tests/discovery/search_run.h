// One server search dialog run on its own on the scripted backend, and the
// transcript read back as the repaints the user saw.
#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/script/script_run.h"
#include "wizard/discovery/server_search.h"

namespace qv::wizard::test {

enum class SearchKind { Windows, Smtp };

struct SearchRun {
  int exitCode = 0;
  int result = -1;       // what the dialog ended with
  std::string selected;  // state.selectedServerName afterwards
  std::string transcript;
};

inline SearchRun runSearch(SearchKind kind, std::string_view script,
                           ui::script::ScriptSettings settings = {},
                           std::string selectedBefore = {}) {
  WizardState state;
  state.selectedServerName = std::move(selectedBefore);
  WizardEnvironment env;
  SearchRun run;
  const auto result = ui::script::runScriptText(
      script,
      [&](ui::Platform& platform) {
        WizardContext ctx{platform, state, env};
        run.result =
            kind == SearchKind::Windows ? openWindowsServerSearch(ctx) : openSmtpServerSearch(ctx);
        return 0;
      },
      std::move(settings));
  run.exitCode = result.exitCode;
  run.selected = state.selectedServerName;
  run.transcript = result.transcript;
  return run;
}

inline ui::script::ScriptSettings withServers(std::vector<std::string> names, int smtpPort = 25) {
  ui::script::ScriptSettings settings;
  settings.servers = std::move(names);
  settings.smtpPort = smtpPort;
  return settings;
}

// The JSON text that follows `"key":` in a transcript line, up to the end of
// its value (a string or a list of strings); empty when absent.
inline std::string member(std::string_view line, std::string_view key) {
  const std::string marker = "\"" + std::string(key) + "\":";
  const std::size_t at = line.find(marker);
  if (at == std::string_view::npos) return {};
  const std::size_t start = at + marker.size();
  const bool isList = line[start] == '[';
  bool inString = false;
  for (std::size_t i = start; i < line.size(); ++i) {
    const char c = line[i];
    if (inString) {
      if (c == '\\') {
        ++i;
      } else if (c == '"') {
        inString = false;
        if (!isList) return std::string(line.substr(start, i + 1 - start));
      }
    } else if (c == '"') {
      inString = true;
    } else if (isList && c == ']') {
      return std::string(line.substr(start, i + 1 - start));
    }
  }
  return {};
}

// Every repaint of a control, in order: "ID TEXT" for a static text, "ID
// ITEMS" for a list (ITEMS as the transcript writes them).
inline std::vector<std::string> repaints(const std::string& transcript) {
  std::vector<std::string> out;
  std::istringstream in(transcript);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("{\"event\":\"repaint\"", 0) != 0) continue;
    const std::size_t id = line.find("\"id\":");
    if (id == std::string::npos) continue;
    const std::string number = line.substr(id + 5, line.find(',', id) - id - 5);
    const std::string items = member(line, "items");
    out.push_back(number + " " + (items.empty() ? member(line, "text") : items));
  }
  return out;
}

}  // namespace qv::wizard::test
