// The answers file: one "KEY = VALUE" a line, "#" comments and blank lines
// skipped, blanks around KEY and VALUE trimmed. A VALUE is literal to the end
// of its line; one that begins and ends with a double quote is quoted: it
// keeps its blanks and knows \n \r \t \" and \\ (docs/answers-file.md).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::wizard {

struct AnswerLine {
  std::string key;
  std::string value;
  std::int32_t line = 0;
};

struct AnswersFileError {
  std::int32_t line = 0;
  std::string message;
};

struct ParsedAnswers {
  std::vector<AnswerLine> answers;
  std::vector<AnswersFileError> errors;
};

ParsedAnswers parseAnswers(std::string_view text);

// One "KEY=VALUE" (a --set), by the same rules as a line of the file;
// nullopt with `error` set when it is none.
std::optional<AnswerLine> parseAnswerSetting(std::string_view setting, std::string& error);

// The value as a line of the file holds it: quoted exactly when it must be
// to read back unchanged.
std::string writtenAnswerValue(std::string_view value);
// "KEY = VALUE\n".
std::string answerLineText(std::string_view key, std::string_view value);

// Writes `text` to `path` readable by its owner alone (mode 0600, also when
// the file existed: it may hold passwords). False when it is not all written.
bool writePrivateFile(const std::string& path, std::string_view text);

}  // namespace qv::wizard
