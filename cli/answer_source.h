// The answers a render is given: the answers file and the --set values.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "wizard/answers/page_answers.h"

namespace qv::cli {

// The answers file's entries (level 0), then the --set values (level 1).
// nullopt with the reason printed: `status` 2 for a file that cannot be
// read, 1 for lines that are no answers.
std::optional<std::vector<wizard::GivenAnswer>> gatherAnswers(
    const std::optional<std::string>& answersFile, const std::vector<std::string>& sets,
    std::ostream& err, int& status);

void printProblems(const std::vector<wizard::AnswerProblem>& problems, std::ostream& err);

}  // namespace qv::cli
