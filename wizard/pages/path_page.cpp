#include "wizard/pages/path_page.h"

#include <utility>

#include "wizard/res/dialogs/control_ids.h"

namespace qv::wizard {

void PathPage::fill(ui::Dialog& dialog) {
  const TemplateParam& p = param();
  // An absent question or help leaves the resource's own text in place.
  if (p.question && !traits_.keepsResourceQuestion) dialog.setText(ids::kQuestion, *p.question);
  if (p.help) dialog.setText(ids::kHelp, *p.help);
  dialog.setText(traits_.field, initialText());
}

std::string PathPage::initialText() const {
  const TemplateParam& p = param();
  return p.answer ? *p.answer : p.defaultValue.value_or("");
}

bool PathPage::accept(ui::Dialog& dialog) {
  std::string text = readText(dialog, traits_.field);
  if (text.empty()) return refuse(traits_.emptyMessage);
  if (const auto message = refusal(text)) return refuse(*message);
  param().answer = std::move(text);
  return true;
}

void PathPage::onPageCommand(ui::Dialog& dialog, int id) {
  if (id != ids::kBrowse) return;
  // A cancelled or failed browse leaves the field as it was.
  if (const auto path = browse(); path && !path->empty()) dialog.setText(traits_.field, *path);
}

std::optional<std::string> PathPage::browseForFile(std::string_view title,
                                                   std::vector<ui::FileFilter> filters) const {
  ui::OpenFileRequest request;
  request.title = std::string(title);
  request.filters = std::move(filters);
  request.bufferCapacity = cap::kAnswer;
  request.pathMustExist = true;
  return ctx().ui().openFile(request);
}

}  // namespace qv::wizard
