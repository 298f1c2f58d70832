// What the file-system pages (PARAM-FILE, PARAM-DIRECTORY, PARAM-RUN,
// PARAM-WAVFILE) share: one path field kept in the record's answer, a "..."
// button that browses for it, and a refusal of an empty field.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/ui.h"
#include "wizard/pages/param_page.h"

namespace qv::wizard {

struct PathPageTraits {
  int field;                      // the path field's id
  std::string_view emptyMessage;  // the refusal of an empty field
  bool keepsResourceQuestion;     // the resource's question label stays whatever the tag says
};

class PathPage : public ParamPage {
 protected:
  PathPage(WizardContext& ctx, TemplateParam& param, const PathPageTraits& traits)
      : ParamPage(ctx, param), traits_(traits) {}

  void fill(ui::Dialog& dialog) override;
  bool accept(ui::Dialog& dialog) override;
  void onPageCommand(ui::Dialog& dialog, int id) override;

  // The field's text on opening: the stored answer, else the default.
  virtual std::string initialText() const;
  // A page's own refusal of a non-empty path; nullopt when it passes.
  virtual std::optional<std::string_view> refusal(const std::string&) const { return std::nullopt; }
  // The path the user browsed to; nullopt when cancelled.
  virtual std::optional<std::string> browse() = 0;

  // The open-file dialog of these pages: empty name, no initial folder, a
  // 2000-byte buffer, the folder must exist but the file need not.
  std::optional<std::string> browseForFile(std::string_view title,
                                           std::vector<ui::FileFilter> filters) const;

 private:
  const PathPageTraits& traits_;
};

}  // namespace qv::wizard
