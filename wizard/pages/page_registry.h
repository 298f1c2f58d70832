// The parameter pages by dialog resource. A new page is one line in
// page_registry.cpp.
#pragma once

#include <string_view>

#include "platform/ui/dialog_template.h"
#include "wizard/shell/wizard_context.h"

namespace qv::wizard {

using PageRunner = int (*)(WizardContext&, TemplateParam&, const ui::DialogTemplate&);

struct PageEntry {
  const ui::DialogTemplate* dialog;
  PageRunner run;
};

// The page of a dialog resource name; null when there is none.
const PageEntry* findPage(std::string_view resource);

}  // namespace qv::wizard
