// The reader of a template's or script's header block.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ui/ui.h"
#include "wizard/engine/wizard_state.h"

namespace qv::wizard {

// For the header page: the description of state.templatePath followed by the
// compile summary, and the calling texts filled; nullopt when the header is
// missing, unclosed or unreadable.
std::optional<std::string> readTemplateHeader(WizardState& state, ui::Ui& ui);

// For the editing route: fills the calling texts from an existing script.
bool readScriptHeader(WizardState& state, ui::Ui& ui, const std::string& path);

// The description of a template's or script's header block alone, the
// calling texts filled; nullopt as for readTemplateHeader.
std::optional<std::string> readHeaderDescription(WizardState& state, ui::Ui& ui,
                                                 const std::string& path);

// Where a file's header block is and which calling keys it gives, for the
// template check. Lines as an editor counts them.
struct HeaderOutline {
  bool opened = false;         // a block begins
  bool closed = false;         // and ends
  std::int32_t firstLine = 0;  // the line of its opening marker
  bool hasParams = false;      // a WIZARD:PARAMS= line
  bool hasResults = false;     // a WIZARD:RESULTS= line
};
// nullopt when the file cannot be read.
std::optional<HeaderOutline> outlineHeader(const std::string& path);

// The two texts of the script information page.
std::string callingParametersText(const WizardState& state);
std::string resultsText(const WizardState& state);

}  // namespace qv::wizard
