// PARAM-WAVFILE: the sound file played when the alert is raised.
#pragma once

#include "wizard/pages/path_page.h"

namespace qv::wizard {

class WavFilePage final : public PathPage {
 public:
  WavFilePage(WizardContext& ctx, TemplateParam& param);

 protected:
  std::optional<std::string> browse() override;
};

}  // namespace qv::wizard
