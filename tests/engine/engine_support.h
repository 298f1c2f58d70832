// Helpers for the engine tests: fixture paths, file bytes, runs on the
// scripted backend and lookups in its transcript.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

#include "platform/ui/platform.h"
#include "platform/ui/script/json_line.h"
#include "platform/ui/script/script_run.h"
#include "tests/os/temp_folder.h"

namespace qv::wizard::test {

using os::test::TempFolder;

inline std::string fixture(const std::string& name) {
  return std::string(QV_SOURCE_DIR) + "/tests/fixtures/engine/" + name;
}

inline std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs `body` on the scripted backend with `script` as the user's part.
inline ui::script::ScriptedResult runWithUi(std::string_view script,
                                            const std::function<void(ui::Ui&)>& body) {
  return ui::script::runScriptText(script, [&](ui::Platform& platform) {
    body(platform.ui());
    return 0;
  });
}

// The transcript line of the first event `event` whose text holds `part`.
inline std::string transcriptLine(const std::string& transcript, std::string_view event,
                                  std::string_view part = {}) {
  const std::string tag = "{\"event\":\"" + std::string(event) + "\"";
  std::istringstream lines(transcript);
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with(tag) && line.find(part) != std::string::npos) return line;
  }
  return {};
}

// The JSON of a control's id, kind and text, as the transcript lists them.
inline std::string controlJson(int id, std::string_view kind, std::string_view text) {
  std::string json =
      "{\"id\":" + std::to_string(id) + ",\"kind\":\"" + std::string(kind) + "\",\"text\":";
  ui::script::appendJsonString(json, text);
  return json;
}

inline std::string jsonString(std::string_view text) {
  std::string json;
  ui::script::appendJsonString(json, text);
  return json;
}

}  // namespace qv::wizard::test
