// PARAM-DIRECTORY: the path of a folder, browsed with the folder browser.
#pragma once

#include "wizard/pages/path_page.h"

namespace qv::wizard {

class DirectoryPage final : public PathPage {
 public:
  DirectoryPage(WizardContext& ctx, TemplateParam& param);

 protected:
  std::optional<std::string> browse() override;
};

}  // namespace qv::wizard
