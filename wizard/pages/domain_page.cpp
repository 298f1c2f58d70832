#include "wizard/pages/domain_page.h"

#include <algorithm>

#include "wizard/engine/message_boxes.h"
#include "wizard/pages/grouped_fields.h"
#include "wizard/pages/grouped_texts.h"
#include "wizard/res/dialogs/grouped_page_ids.h"

namespace qv::wizard {

std::optional<std::string> directoryNameOf(std::string_view domain) {
  constexpr std::string_view kSeparators = ".\r\n";
  std::string dc;
  std::size_t at = 0;
  while (at < domain.size()) {
    const std::size_t end = std::min(domain.find_first_of(kSeparators, at), domain.size());
    if (end > at) {
      if (!dc.empty()) dc += ", ";
      dc += "DC=";
      dc += domain.substr(at, end - at);
    }
    at = end + 1;
  }
  // Cut short, the name would point somewhere else in the directory, so a
  // form that does not fit is refused instead.
  if (dc.size() > cap::kDomainDc - 1) return std::nullopt;
  return dc;
}

void DomainPage::fill(ui::Dialog& dialog) {
  const TemplateParam& p = param();
  if (p.question) dialog.setText(ids::kQuestion, *p.question);
  if (p.help) dialog.setText(ids::kHelp, *p.help);
  showIfStored(dialog, ids::domain::kDomain, ctx().state.answers.domainName);
}

bool DomainPage::accept(ui::Dialog& dialog) {
  std::string domain = readText(dialog, ids::domain::kDomain, cap::kDomainName);
  if (domain.empty()) return refuse(msg::kDomainMissing);
  if (domain.find('.') == std::string::npos && !askYesNo(ctx().ui(), msg::kDomainFormatQuestion)) {
    return false;
  }
  // Both texts change together or not at all.
  std::optional<std::string> dc = directoryNameOf(domain);
  if (!dc) return refuse(msg::kDomainTooLong);
  AnswerStore& a = ctx().state.answers;
  a.domainName = std::move(domain);
  a.domainDc = std::move(*dc);
  return true;
}

}  // namespace qv::wizard
