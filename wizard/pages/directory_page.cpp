#include "wizard/pages/directory_page.h"

#include "wizard/res/dialogs/file_page_ids.h"

namespace qv::wizard {
namespace {

constexpr PathPageTraits kTraits{
    ids::kDirectoryPath, "Please enter the full path of the directory you wish to use ...", false};

}  // namespace

DirectoryPage::DirectoryPage(WizardContext& ctx, TemplateParam& param)
    : PathPage(ctx, param, kTraits) {}

std::optional<std::string> DirectoryPage::browse() {
  return ctx().ui().browseFolder("Please select the folder you wish to use ...");
}

}  // namespace qv::wizard
