// The answers of a compiled template, read from and put into its real pages
// (opened on FormUi's model): what each page shows, and what each page says
// to given answers when "Next ->" is pressed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "wizard/answers/answer_fields.h"
#include "wizard/answers/form_ui.h"
#include "wizard/engine/wizard_state.h"

namespace qv::wizard {

struct AnswerSlot {
  const TemplateParam* record = nullptr;
  const AnswerField* field = nullptr;
  std::string key;                   // the ordinal, or the field's type name
  std::string value;                 // what the page shows in the field
  std::vector<std::string> choices;  // for a choice among entries
};

// Opens every page of the state's list in page order, without leaving it,
// and reads each field: the pages' defaults before any answer, the answers
// they hold after a run.
std::vector<AnswerSlot> readAnswers(FormPlatform& platform, WizardState& state);

struct GivenAnswer {
  std::string key;
  std::string value;
  std::string source;  // the answers file, "--set", a rows file with its row
  int level = 0;       // a higher level overrides a lower one
};

struct AnswerProblem {
  bool error = true;  // else a question the page asked, answered Yes
  std::string source;
  std::string key;
  std::string message;
};

// Puts the answers into the pages, each page in order with "Next ->": an
// answer no page asks for and two different values for one answer (at one
// level) are errors; every page's refusal is one error (a page stops at its
// first), named by the answer it is about. `defaultSource` names the answers
// that were left out. The state then holds what the pages stored.
std::vector<AnswerProblem> applyAnswers(FormPlatform& platform, WizardState& state,
                                        const std::vector<GivenAnswer>& given,
                                        std::string_view defaultSource);

bool hasError(const std::vector<AnswerProblem>& problems);

}  // namespace qv::wizard
