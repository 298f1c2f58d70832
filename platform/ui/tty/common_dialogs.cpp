#include "platform/ui/tty/common_dialogs.h"

#include <fnmatch.h>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/ui/tty/built_dialog.h"
#include "platform/ui/tty/canvas.h"
#include "platform/ui/tty/text_layout.h"
#include "platform/ui/tty/tty_ui.h"

namespace qv::ui::tty {
namespace {

namespace fs = std::filesystem;

constexpr int kButtonCols = 10;

struct BoxButton {
  int id;
  const char* text;
};

std::vector<BoxButton> boxButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      return {{1, "OK"}};
    case MessageButtons::OkCancel:
      return {{1, "OK"}, {2, "Cancel"}};
    case MessageButtons::YesNo:
      return {{6, "&Yes"}, {7, "&No"}};
    case MessageButtons::YesNoCancel:
      return {{6, "&Yes"}, {7, "&No"}, {2, "Cancel"}};
  }
  return {{1, "OK"}};
}

const char* iconWord(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Warning:
      return "Warning";
    case MessageIcon::Question:
      return "Question";
    case MessageIcon::Information:
      return "Information";
    case MessageIcon::Error:
      return "Error";
    case MessageIcon::None:
      break;
  }
  return "";
}

class MessageBoxProc final : public DialogProc {
 public:
  explicit MessageBoxProc(std::vector<BoxButton> buttons) : buttons_(std::move(buttons)) {}
  void onCommand(Dialog& dialog, int id) override {
    for (const BoxButton& b : buttons_) {
      if (b.id == id) return dialog.end(id);
    }
    // Escape closes a box with only OK as OK; one without Cancel stays.
    if (id == kIdCancel && buttons_.size() == 1) dialog.end(buttons_.front().id);
  }

 private:
  std::vector<BoxButton> buttons_;
};

// --- the path chooser ---

constexpr int kFolderText = 10;
constexpr int kPathField = 11;
constexpr int kEntries = 12;
constexpr int kNote = 13;

bool matchesFilter(const std::string& name, const std::string& patterns) {
  if (patterns.empty()) return true;
  std::string_view rest = patterns;
  while (!rest.empty()) {
    const std::size_t semi = rest.find(';');
    const std::string pattern(rest.substr(0, semi));
    rest = semi == std::string_view::npos ? std::string_view() : rest.substr(semi + 1);
    if (!pattern.empty() && ::fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD) == 0) {
      return true;
    }
  }
  return false;
}

class PathChooser final : public DialogProc {
 public:
  PathChooser(TtyUi& ui, const OpenFileRequest* request) : ui_(ui), request_(request) {}
  std::optional<std::string> answer;

  void onInit(Dialog& dialog) override {
    std::error_code error;
    folder_ = fs::current_path(error);
    if (request_ && request_->initialFolder && fs::is_directory(*request_->initialFolder, error)) {
      folder_ = fs::absolute(*request_->initialFolder, error);
    }
    if (request_) dialog.setText(kPathField, request_->initialName);
    if (DialogView* view = ui_.viewOf(dialog)) {
      view->setTabHook(kPathField, [this, &dialog] { return complete(dialog); });
    }
    fill(dialog);
    dialog.setFocus(kPathField);
    if (ControlState* field = dialog.find(kPathField)) {
      dialog.userSetCaret(kPathField, field->text.size(), field->text.size());
    }
  }

  void onCommand(Dialog& dialog, int id) override {
    if (id == kIdCancel) return dialog.end(kIdCancel);
    if (id != kIdOk) return;
    std::string chosen = dialog.text(kPathField);
    if (dialog.focusedId() == kEntries && dialog.selection(kEntries) >= 0) {
      chosen = dialog.itemText(kEntries, dialog.selection(kEntries));
    }
    const fs::path path = resolve(chosen);
    std::error_code error;
    if (chosen.empty() && !request_) return finish(dialog, folder_);
    if (fs::is_directory(path, error)) {
      // A folder is opened; the folder browser takes it when it is typed.
      if (!request_ && dialog.focusedId() == kPathField) return finish(dialog, path);
      folder_ = fs::weakly_canonical(path, error);
      dialog.setText(kPathField, "");
      return fill(dialog);
    }
    if (!request_ || chosen.empty()) return note(dialog, "No such folder: " + chosen);
    if (request_->pathMustExist && !fs::is_directory(path.parent_path(), error)) {
      return note(dialog, "The folder does not exist: " + path.parent_path().string());
    }
    finish(dialog, path);
  }

 private:
  fs::path resolve(const std::string& typed) const {
    if (typed.empty()) return folder_;
    fs::path p(typed);
    if (typed[0] == '~') {
      if (const char* home = std::getenv("HOME"))
        p = fs::path(home) / typed.substr(typed.size() > 1 ? 2 : 1);
    }
    return p.is_absolute() ? p : folder_ / p;
  }

  void finish(Dialog& dialog, const fs::path& path) {
    answer = path.lexically_normal().string();
    dialog.end(kIdOk);
  }

  void note(Dialog& dialog, const std::string& text) { dialog.setText(kNote, text); }

  std::vector<std::string> entries(const fs::path& folder) const {
    std::vector<std::string> folders, files;
    std::error_code error;
    for (fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error),
         end;
         !error && it != end; it.increment(error)) {
      const std::string name = it->path().filename().string();
      if (name.empty() || name[0] == '.') continue;
      std::error_code typeError;
      if (it->is_directory(typeError)) {
        folders.push_back(name + "/");
      } else if (request_ && matchesFilter(name, request_->filters.empty()
                                                     ? std::string()
                                                     : request_->filters.front().pattern)) {
        files.push_back(name);
      }
    }
    std::sort(folders.begin(), folders.end());
    std::sort(files.begin(), files.end());
    folders.insert(folders.end(), files.begin(), files.end());
    return folders;
  }

  void fill(Dialog& dialog) {
    dialog.setText(kFolderText, "Folder: " + folder_.string());
    dialog.clearItems(kEntries);
    if (folder_.has_parent_path() && folder_ != folder_.root_path())
      dialog.addItem(kEntries, "../");
    for (const std::string& name : entries(folder_)) dialog.addItem(kEntries, name);
    std::string text;
    if (request_ && !request_->filters.empty()) {
      text = "Files of type: " + request_->filters.front().description;
    }
    note(dialog, text);
  }

  // Completes the name typed so far as far as the folder's entries agree;
  // false when there was nothing to complete.
  bool complete(Dialog& dialog) {
    const std::string typed = dialog.text(kPathField);
    const std::size_t slash = typed.rfind('/');
    const std::string head =
        slash == std::string::npos ? std::string() : typed.substr(0, slash + 1);
    const std::string prefix = slash == std::string::npos ? typed : typed.substr(slash + 1);
    const fs::path folder = head.empty() ? folder_ : resolve(head);
    std::vector<std::string> matches;
    for (const std::string& name : entries(folder)) {
      if (name.rfind(prefix, 0) == 0 && name != "../") matches.push_back(name);
    }
    if (matches.empty()) return false;
    std::string common = matches.front();
    for (const std::string& m : matches) {
      std::size_t n = 0;
      while (n < common.size() && n < m.size() && common[n] == m[n]) ++n;
      common.resize(n);
    }
    if (common.size() <= prefix.size() && matches.size() > 1) {
      // Several names go on alike: they are listed.
      dialog.clearItems(kEntries);
      for (const std::string& m : matches) dialog.addItem(kEntries, head + m);
      return true;
    }
    if (common.size() <= prefix.size()) return false;
    const std::string completed = head + common;
    dialog.userSetText(kPathField, completed);
    return true;
  }

  TtyUi& ui_;
  const OpenFileRequest* request_;
  fs::path folder_;
};

}  // namespace

MessageAnswer showMessageBox(TtyUi& ui, std::string_view text, std::string_view title,
                             MessageIcon icon, MessageButtons buttons) {
  const std::vector<BoxButton> shown = boxButtons(buttons);
  const int buttonsCols = static_cast<int>(shown.size()) * (kButtonCols + 1) - 1;
  const std::u32string body = decodeText(text);
  int textCols = 20;
  for (const std::u32string& line : wrapText(body, 1000)) {
    textCols = std::max(textCols, static_cast<int>(line.size()));
  }
  textCols = std::min(textCols, 60);
  textCols = std::max(textCols, buttonsCols);
  const int textRows = std::max(1, static_cast<int>(wrapText(body, textCols).size()));
  const std::string word = iconWord(icon);
  const int top = word.empty() ? 1 : 3;
  BuiltDialog box("MESSAGE", std::string(title), top + textRows + 3, textCols + 4,
                  ds::kCaption | ds::kModalFrame);
  if (!word.empty()) box.add(20, ControlKind::Static, word, 1, 2, 1, textCols);
  box.add(21, ControlKind::Static, std::string(text), top, 2, textRows, textCols);
  int col = 2 + (textCols - buttonsCols) / 2;
  bool first = true;
  for (const BoxButton& b : shown) {
    box.add(b.id, ControlKind::Button, b.text, top + textRows + 1, col, 1, kButtonCols,
            cs::kTabStop | (first ? cs::kDefault | cs::kGroup : cs::kNone));
    col += kButtonCols + 1;
    first = false;
  }
  MessageBoxProc proc(shown);
  const int result = ui.runModal(box.tpl(), proc);
  return result == 0 ? MessageAnswer::Cancel : static_cast<MessageAnswer>(result);
}

std::optional<std::string> choosePath(TtyUi& ui, const OpenFileRequest* request,
                                      std::string_view title) {
  constexpr int kRows = 20, kCols = 72;
  BuiltDialog chooser(request ? "OPEN-FILE" : "BROWSE-FOLDER", std::string(title), kRows, kCols,
                      ds::kCaption | ds::kModalFrame);
  chooser.add(kFolderText, ControlKind::Static, "", 1, 2, 1, kCols - 4);
  chooser.add(kPathField, ControlKind::Edit, "", 2, 2, 1, kCols - 4,
              cs::kTabStop | cs::kAutoHScroll);
  chooser.add(kEntries, ControlKind::List, "", 4, 2, kRows - 8, kCols - 4, cs::kTabStop);
  chooser.add(kNote, ControlKind::Static, "", kRows - 4, 2, 1, kCols - 4);
  chooser.add(kIdOk, ControlKind::Button, "OK", kRows - 2, kCols - 24, 1, 10,
              cs::kTabStop | cs::kDefault);
  chooser.add(kIdCancel, ControlKind::Button, "Cancel", kRows - 2, kCols - 12, 1, 10, cs::kTabStop);
  PathChooser proc(ui, request);
  if (ui.runModal(chooser.tpl(), proc) != kIdOk || !proc.answer) return std::nullopt;
  // A longer answer than the program's buffer counts as cancelled.
  if (request && proc.answer->size() >= request->bufferCapacity) return std::nullopt;
  return proc.answer;
}

}  // namespace qv::ui::tty
