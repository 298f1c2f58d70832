#include "wizard/shell/save_as_page.h"

#include "platform/base/text.h"
#include "platform/os/paths.h"
#include "platform/os/text_file.h"
#include "wizard/engine/message_boxes.h"
#include "wizard/res/dialogs/control_ids.h"
#include "wizard/res/resources.h"
#include "wizard/shell/command_line.h"
#include "wizard/shell/wizard_texts.h"

namespace qv::wizard {
namespace {

// Opening for appending creates a missing file and proves it can be written.
bool canWrite(const std::string& path) {
  auto writer = os::TextWriter::open(path, os::TextWriter::Mode::Append);
  return writer && writer->close();
}

class SaveAsProc final : public ui::DialogProc {
 public:
  explicit SaveAsProc(WizardContext& ctx) : ctx_(ctx) {}

  void onInit(ui::Dialog& dialog) override {
    dialog.setText(ids::save_as::kPath, ctx_.env.programFolderPath(kDefaultScriptName));
  }

  void onCommand(ui::Dialog& dialog, int id) override {
    switch (id) {
      case ids::kBrowse:
        browse(dialog);
        break;
      case ids::kNext:
        accept(dialog);
        break;
      case ids::kCancel:
        if (askYesNo(ctx_.ui(), texts::kQuitWithoutScriptQuestion)) {
          ctx_.ui().postQuit(0);
          dialog.end(kPageQuit);
        }
        break;
      default:
        break;
    }
  }

 private:
  void browse(ui::Dialog& dialog) {
    ui::OpenFileRequest request;
    request.title = std::string(texts::kTargetDialogTitle);
    request.filters = {{"Scripts (*.vbs,*.ps1,*.bat)", "*.vbs;*.ps1;*.bat"},
                       {"All Files (*.*)", "*.*"}};
    request.initialName = ctx_.state.targetPath;
    request.bufferCapacity = cap::kPath;
    request.pathMustExist = true;
    if (auto chosen = ctx_.ui().openFile(request)) {
      ctx_.state.targetPath = cutToCapacity(*chosen, cap::kPath);
      dialog.setText(ids::save_as::kPath, ctx_.state.targetPath);
    }
  }

  void accept(ui::Dialog& dialog) {
    std::string& target = ctx_.state.targetPath;
    target = dialog.text(ids::save_as::kPath, cap::kPath);
    if (target.empty()) {
      warn(ctx_.ui(), texts::kEnterFileName);
      return;
    }
    removeQuotes(target);
    if (os::fileExists(target) && !askYesNo(ctx_.ui(), texts::kOverwriteQuestion)) return;
    if (!canWrite(target)) {
      warn(ctx_.ui(), texts::kCannotAccessFile);
      return;
    }
    dialog.end(kPageNone);
  }

  WizardContext& ctx_;
};

}  // namespace

int runSaveAsPage(WizardContext& ctx) {
  SaveAsProc proc(ctx);
  return ctx.ui().runModal(res::kSaveAs, proc);
}

}  // namespace qv::wizard
