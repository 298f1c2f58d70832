// PARAM-DOMAIN: the Windows domain, kept as entered and as a directory name
// of "DC=" parts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "wizard/pages/param_page.h"

namespace qv::wizard {

// The directory name of a domain: "DC=" and each piece between dots and line
// breaks, empty pieces skipped, joined by ", ". nullopt when it would not fit
// the DomainDC field (1999 bytes).
std::optional<std::string> directoryNameOf(std::string_view domain);

class DomainPage final : public ParamPage {
 public:
  using ParamPage::ParamPage;

 protected:
  void fill(ui::Dialog& dialog) override;
  bool accept(ui::Dialog& dialog) override;
};

}  // namespace qv::wizard
