#include "cli/answer_source.h"

#include "cli/commands.h"
#include "cli/template_check.h"
#include "platform/os/paths.h"
#include "wizard/answers/answers_file.h"
#include "wizard/answers/answers_listing.h"

namespace qv::cli {

std::optional<std::vector<wizard::GivenAnswer>> gatherAnswers(
    const std::optional<std::string>& answersFile, const std::vector<std::string>& sets,
    std::ostream& err, int& status) {
  std::vector<wizard::GivenAnswer> given;
  bool faulty = false;
  if (answersFile) {
    const std::optional<std::string> text = os::readWholeFile(*answersFile);
    if (!text) {
      err << *answersFile << ": error: cannot be read\n";
      status = kExitUnreadable;
      return std::nullopt;
    }
    const wizard::ParsedAnswers parsed = wizard::parseAnswers(*text);
    for (const wizard::AnswersFileError& e : parsed.errors) {
      err << *answersFile << ':' << e.line << ": error: " << e.message << '\n';
      faulty = true;
    }
    for (const wizard::AnswerLine& line : parsed.answers) {
      given.push_back({line.key, line.value, *answersFile, 0});
    }
  }
  for (const std::string& set : sets) {
    std::string error;
    if (const auto line = wizard::parseAnswerSetting(set, error)) {
      given.push_back({line->key, line->value, "--set", 1});
    } else {
      err << "--set: error: " << error << ": " << set << '\n';
      faulty = true;
    }
  }
  if (faulty) {
    status = kExitRefused;
    return std::nullopt;
  }
  return given;
}

void printProblems(const std::vector<wizard::AnswerProblem>& problems, std::ostream& err) {
  for (const wizard::AnswerProblem& p : problems) {
    err << p.source << ':' << p.key << ": " << (p.error ? "error" : "warning") << ": "
        << wizard::flattenedLine(p.message) << '\n';
  }
}

}  // namespace qv::cli
