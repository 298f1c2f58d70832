#include "cli/answer_source.h"

#include "cli/commands.h"
#include "cli/template_check.h"
#include "wizard/answers/answers_file.h"
#include "wizard/engine/template_param.h"

namespace qv::cli {

std::optional<std::vector<wizard::GivenAnswer>> gatherAnswers(
    const std::optional<std::string>& answersFile, const std::vector<std::string>& sets,
    std::ostream& err, int& status) {
  std::vector<wizard::GivenAnswer> given;
  bool faulty = false;
  if (answersFile) {
    const std::optional<std::string> text = wizard::readWholeFile(*answersFile);
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
        << oneLine(p.message) << '\n';
  }
}

namespace {

void comment(std::string& text, std::string_view label, std::string_view value) {
  text += "# ";
  text += label;
  text += oneLine(value);
  text += '\n';
}

}  // namespace

std::string answersFileText(const std::vector<wizard::AnswerSlot>& slots) {
  std::string text = "# Answers for qvscript render: KEY = VALUE (see qvscript(1)).\n";
  const wizard::TemplateParam* page = nullptr;
  for (const wizard::AnswerSlot& slot : slots) {
    text += '\n';
    if (slot.record != page) {
      page = slot.record;
      comment(text, "Page: ", wizard::pageResourceFor(*page));
      if (page->question) comment(text, "", *page->question);
      if (page->help) comment(text, "Help: ", *page->help);
    }
    comment(text, "Default: ", slot.value);
    if (!slot.choices.empty()) {
      std::string choices;
      for (const std::string& choice : slot.choices) {
        if (!choices.empty()) choices += " | ";
        choices += choice;
      }
      comment(text, "Choices: ", choices);
    }
    text += wizard::answerLineText(slot.key, slot.value);
  }
  return text;
}

}  // namespace qv::cli
