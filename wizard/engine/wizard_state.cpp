#include "wizard/engine/wizard_state.h"

#include <utility>

#include "platform/base/text.h"

namespace qv::wizard {

void WizardState::reset() {
  templatePath.clear();
  targetPath.clear();
  templateFolder.clear();
  // The domain is the machine's own rather than the template's, so it
  // survives a failed compile.
  std::string keptDomainName = std::move(answers.domainName);
  std::string keptDomainDc = std::move(answers.domainDc);
  answers = AnswerStore{};
  answers.domainName = std::move(keptDomainName);
  answers.domainDc = std::move(keptDomainDc);
  seen.fill(false);
  pageIndex = 0;
  paramCount = 0;
}

void WizardState::releaseParamList() {
  paramList.clear();
}

bool textContains(std::string_view text, std::string_view search) {
  return containsNoCase(text, search);
}

}  // namespace qv::wizard
