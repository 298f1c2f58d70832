#include "wizard/answers/answers_listing.h"

#include "wizard/answers/answers_file.h"

namespace qv::wizard {
namespace {

void comment(std::string& text, std::string_view label, std::string_view value) {
  text += "# ";
  text += label;
  text += flattenedLine(value);
  text += '\n';
}

}  // namespace

std::string flattenedLine(std::string_view text) {
  std::string line;
  line.reserve(text.size());
  for (char c : text) {
    if (c == '\r' || c == '\n') {
      if (line.empty() || line.back() != ' ') line.push_back(' ');
      continue;
    }
    line.push_back(c);
  }
  return line;
}

std::string answersFileText(const std::vector<AnswerSlot>& slots, bool defaults) {
  std::string text = "# Answers for qvscript render: KEY = VALUE (see qvscript(1)).\n";
  const TemplateParam* page = nullptr;
  for (const AnswerSlot& slot : slots) {
    text += '\n';
    if (slot.record != page) {
      page = slot.record;
      comment(text, "Page: ", pageResourceFor(*page));
      if (page->question) comment(text, "", *page->question);
      if (page->help) comment(text, "Help: ", *page->help);
    }
    if (defaults) comment(text, "Default: ", slot.value);
    if (!slot.choices.empty()) {
      std::string choices;
      for (const std::string& choice : slot.choices) {
        if (!choices.empty()) choices += " | ";
        choices += choice;
      }
      comment(text, "Choices: ", choices);
    }
    text += answerLineText(slot.key, slot.value);
  }
  return text;
}

bool saveAnswers(WizardState& state, const std::string& path) {
  FormPlatform platform;
  return writePrivateFile(path, answersFileText(readAnswers(platform, state), false));
}

}  // namespace qv::wizard
