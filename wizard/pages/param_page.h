// The behaviour every parameter page shares. A page derives from ParamPage,
// fills its controls in fill() and reads, checks and stores them in accept();
// the base class does the rest:
//   - "<- Back" is disabled on the first page (ordinal 1);
//   - "Next ->" and "<- Back" both run accept() and end the page with Next or
//     Back only when it returns true;
//   - Cancel and Escape ask the cancel question; Yes ends the page with Quit.
// Other commands (a "..." button, say) go to onPageCommand().
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ui/dialog_proc.h"
#include "wizard/shell/wizard_context.h"

namespace qv::wizard {

class ParamPage : public ui::DialogProc {
 public:
  ParamPage(WizardContext& ctx, TemplateParam& param) : ctx_(ctx), param_(param) {}

  void onInit(ui::Dialog& dialog) override;
  void onCommand(ui::Dialog& dialog, int id) override;

 protected:
  // Fills the page's fields: built-in defaults first, then what an earlier
  // visit stored.
  virtual void fill(ui::Dialog& dialog) = 0;
  // Reads the fields and checks them in order; at the first failed check
  // returns refuse(message). When all pass, stores the answers and returns true.
  virtual bool accept(ui::Dialog& dialog) = 0;
  virtual void onPageCommand(ui::Dialog&, int /*id*/) {}

  // The record's question and help in their labels; empty when absent.
  void showQuestionAndHelp(ui::Dialog& dialog) const;
  // A warning; the page stays open with the user's entries. Always false.
  bool refuse(std::string_view message) const;
  // A field as read into a buffer of `capacity` bytes.
  static std::string readText(const ui::Dialog& dialog, int id,
                              std::size_t capacity = cap::kAnswer);
  // A field read as text and converted as atol does (0 when nothing converts).
  static std::int32_t readNumber(const ui::Dialog& dialog, int id, std::size_t capacity);

  WizardContext& ctx() const { return ctx_; }
  TemplateParam& param() const { return param_; }

 private:
  WizardContext& ctx_;
  TemplateParam& param_;
};

// Runs a page of type Page modally on its dialog template.
template <class Page>
int runParamPage(WizardContext& ctx, TemplateParam& param, const ui::DialogTemplate& dialog) {
  Page page(ctx, param);
  return ctx.ui().runModal(dialog, page);
}

}  // namespace qv::wizard
