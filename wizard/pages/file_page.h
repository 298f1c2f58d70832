// PARAM-FILE: the path of a file, optionally proposed as a generated
// temporary name whose "<PATH>" placeholder the user must replace.
#pragma once

#include <cstdint>
#include <string>

#include "wizard/pages/path_page.h"

namespace qv::wizard {

// "<PATH>\QVL-<ticks>.tmp", the tick count printed as a signed 32-bit number.
std::string generatedTempName(std::uint32_t tickCount);

class FilePage final : public PathPage {
 public:
  FilePage(WizardContext& ctx, TemplateParam& param);

 protected:
  std::string initialText() const override;
  std::optional<std::string_view> refusal(const std::string& text) const override;
  std::optional<std::string> browse() override;
};

}  // namespace qv::wizard
