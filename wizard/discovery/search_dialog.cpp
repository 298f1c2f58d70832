#include "wizard/discovery/search_dialog.h"

#include <string>
#include <utility>

#include "platform/base/text.h"
#include "wizard/res/dialogs/find_server_ids.h"

namespace qv::wizard {
namespace {

namespace id = ids::find_server;

inline constexpr int kClosedByOk = 0;
inline constexpr int kClosedByCancel = 1;

class ServerSearchProc final : public ui::DialogProc {
 public:
  ServerSearchProc(WizardState& state, const SearchLines& lines, ServerSearch search)
      : state_(state), lines_(lines), search_(std::move(search)) {}

  void onInit(ui::Dialog& dialog) override {
    dialog.addItem(id::kServerList, lines_.hint);
    state_.selectedServerName.clear();
  }

  void onCommand(ui::Dialog& dialog, int command) override {
    switch (command) {
      case id::kSearch:
        search(dialog);
        break;
      case id::kOk:
        handBack(dialog);
        dialog.end(kClosedByOk);
        break;
      case id::kCancel:
        dialog.end(kClosedByCancel);
        break;
      default:
        break;
    }
  }

 private:
  void search(ui::Dialog& dialog) {
    dialog.enable(id::kSearch, false);
    if (search_(dialog, id::kServerList, id::kStatus) == 0) {
      dialog.addItem(id::kServerList, lines_.noServers);
    }
    dialog.enable(id::kSearch, true);
    dialog.setText(id::kStatus, kSearchComplete);
    dialog.repaint(id::kStatus);
  }

  // The selected line, unless it is one of the dialog's own lines.
  void handBack(ui::Dialog& dialog) {
    const int selected = dialog.selection(id::kServerList);
    if (selected < 0) return;
    std::string line = dialog.itemText(id::kServerList, selected);
    if (equalsNoCase(line, lines_.hint) || equalsNoCase(line, lines_.noServers)) return;
    state_.selectedServerName = cutToCapacity(line, cap::kServerName);
  }

  WizardState& state_;
  const SearchLines& lines_;
  ServerSearch search_;
};

}  // namespace

int runServerSearchDialog(WizardContext& ctx, const ui::DialogTemplate& tpl,
                          const SearchLines& lines, ServerSearch search) {
  ServerSearchProc proc(ctx.state, lines, std::move(search));
  return ctx.ui().runModal(tpl, proc);
}

}  // namespace qv::wizard
