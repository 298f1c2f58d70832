// WORKING: the modeless page shown while the wizard compiles or generates.
// Open for the life of the object; state.workingPage points at it meanwhile.
#pragma once

#include <memory>

#include "wizard/shell/wizard_context.h"

namespace qv::wizard {

class WorkingPage {
 public:
  // Compiling shows no progress; generating leaves the progress text and bar
  // to the generator.
  enum class Progress { Hidden, ForGenerator };

  WorkingPage(WizardContext& ctx, ui::Dialog& owner, Progress progress);
  ~WorkingPage();
  WorkingPage(const WorkingPage&) = delete;
  WorkingPage& operator=(const WorkingPage&) = delete;

 private:
  class Proc final : public ui::DialogProc {
   public:
    explicit Proc(WizardState& state) : state_(state) {}
    void onInit(ui::Dialog& dialog) override;

   private:
    WizardState& state_;
  };

  WizardState& state_;
  Proc proc_;  // outlives the dialog
  std::unique_ptr<ui::Dialog> dialog_;
};

}  // namespace qv::wizard
