// PARAM-MESSAGE: the alert's title and text, kept in the answer store so
// that one visit answers every MessageTitle and MessageText tag. Each field
// has a "..." button that opens the expression builder on it.
#pragma once

#include <string_view>

#include "wizard/message/open_builder.h"
#include "wizard/pages/param_page.h"

namespace qv::wizard {

// A template for an SMS gateway, by the words in its path (any case).
bool isSmsGatewayTemplate(std::string_view templatePath);

class MessagePage final : public ParamPage {
 public:
  using ParamPage::ParamPage;

  // While a builder is open the page takes no command: it can neither be
  // left nor open a second builder.
  void onCommand(ui::Dialog& dialog, int id) override;

 protected:
  void fill(ui::Dialog& dialog) override;
  bool accept(ui::Dialog& dialog) override;
  void onPageCommand(ui::Dialog& dialog, int id) override;

 private:
  BuilderGuard builder_;
};

}  // namespace qv::wizard
