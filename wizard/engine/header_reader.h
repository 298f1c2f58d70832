// The reader of a template's or script's header block.
#pragma once

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

// The two texts of the script information page.
std::string callingParametersText(const WizardState& state);
std::string resultsText(const WizardState& state);

}  // namespace qv::wizard
