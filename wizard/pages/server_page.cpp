#include "wizard/pages/server_page.h"

#include "wizard/pages/grouped_texts.h"
#include "wizard/pages/server_button.h"
#include "wizard/res/dialogs/grouped_page_ids.h"

namespace qv::wizard {
namespace {

// The server is read into a 1000-byte field, not the usual answer's 2000.
constexpr std::size_t kServerAnswerCapacity = 1000;

}  // namespace

// The field starts empty on the first visit, whatever Default= the tag has.
void ServerPage::fill(ui::Dialog& dialog) {
  const TemplateParam& p = param();
  if (p.question) dialog.setText(ids::kQuestion, *p.question);
  if (p.help) dialog.setText(ids::kHelp, *p.help);
  if (p.answer) dialog.setText(ids::server::kServer, *p.answer);
}

bool ServerPage::accept(ui::Dialog& dialog) {
  std::string server = readText(dialog, ids::server::kServer, kServerAnswerCapacity);
  if (server.empty()) return refuse(msg::kServerMissing);
  param().answer = std::move(server);
  return true;
}

void ServerPage::onPageCommand(ui::Dialog& dialog, int id) {
  if (id == ids::kBrowse) {
    searchServerInto(ctx(), dialog, ids::server::kServer, ServerSearchKind::Windows);
  }
}

}  // namespace qv::wizard
