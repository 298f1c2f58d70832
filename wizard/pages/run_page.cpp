#include "wizard/pages/run_page.h"

#include "wizard/res/dialogs/file_page_ids.h"

namespace qv::wizard {
namespace {

constexpr PathPageTraits kTraits{
    ids::kRunCommand, "Please enter the full path & name of the application you wish to run ...",
    true};

}  // namespace

RunPage::RunPage(WizardContext& ctx, TemplateParam& param) : PathPage(ctx, param, kTraits) {}

std::optional<std::string> RunPage::browse() {
  return browseForFile("Please select the application you wish run",
                       {{"Applications (*.exe)", "*.exe"},
                        {"Command Files (*.cmd)", "*.cmd"},
                        {"All Files (*.*)", "*.*"}});
}

}  // namespace qv::wizard
