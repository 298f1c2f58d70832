// Opening web addresses in the user's browser and starting other programs.
#pragma once

#include <string_view>

#include "wizard/shell/wizard_context.h"

namespace qv::wizard {

// Starts the program associated with "Dummy.htm" (among the wizard's data) with the
// address; warns when there is none. True when the browser started.
bool openInBrowser(const WizardContext& ctx, std::string_view address);

// Starts a command line shown maximised, without waiting; the caller reports
// a failure.
bool startProgram(const WizardContext& ctx, std::string_view commandLine);

// The scripting library's template page.
inline constexpr std::string_view kScriptingLibraryAddress =
    "https://www.quorvel.example/quorvel-scripting-library-templates.aspx";

}  // namespace qv::wizard
