// PARAM-RUN: the command line the script runs. Its question label always
// reads "Run this command ...", whatever the tag asks.
#pragma once

#include "wizard/pages/path_page.h"

namespace qv::wizard {

class RunPage final : public PathPage {
 public:
  RunPage(WizardContext& ctx, TemplateParam& param);

 protected:
  std::optional<std::string> browse() override;
};

}  // namespace qv::wizard
