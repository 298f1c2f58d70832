#include "wizard/pages/file_page.h"

#include "platform/base/text.h"
#include "wizard/res/dialogs/file_page_ids.h"

namespace qv::wizard {
namespace {

constexpr PathPageTraits kTraits{
    ids::kFilePath, "Please enter the full path & name of the file you wish to use ...", false};

// The start of the generated name's placeholder, found in any case.
constexpr std::string_view kPlaceholder = "<PATH";

}  // namespace

std::string generatedTempName(std::uint32_t tickCount) {
  return formatText("<PATH>\\QVL-%ld.tmp", static_cast<long>(static_cast<std::int32_t>(tickCount)));
}

FilePage::FilePage(WizardContext& ctx, TemplateParam& param) : PathPage(ctx, param, kTraits) {}

std::string FilePage::initialText() const {
  const TemplateParam& p = param();
  if (p.answer) return *p.answer;
  // A generated name wins over the default.
  if (p.generateName) return generatedTempName(ctx().ui().tickCount());
  return p.defaultValue.value_or("");
}

std::optional<std::string_view> FilePage::refusal(const std::string& text) const {
  if (textContains(text, kPlaceholder)) {
    return "Please specify the full path & name of the file you wish to use ...";
  }
  return std::nullopt;
}

std::optional<std::string> FilePage::browse() {
  return browseForFile("Please select the file you wish to use", {{"All Files (*.*)", "*.*"}});
}

}  // namespace qv::wizard
