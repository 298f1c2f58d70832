// The text of an answers file for a template's pages: every answer in page
// order, each after comments with its page, question, help, default and
// choices. `qvscript answers` writes the defaults, `--save-answers` a run's.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "wizard/answers/page_answers.h"

namespace qv::wizard {

// A message or text on one line: line breaks become one blank.
std::string flattenedLine(std::string_view text);

// With `defaults` each value is also named the page's default in a comment.
std::string answersFileText(const std::vector<AnswerSlot>& slots, bool defaults);

// Writes the answers the state's pages hold to `path`, private to its owner.
bool saveAnswers(WizardState& state, const std::string& path);

}  // namespace qv::wizard
