// The list of a List parameter's labels, shared by PARAM-LIST and
// PARAM-LIST-NOEDIT.
#pragma once

#include "platform/ui/dialog.h"
#include "wizard/engine/template_param.h"

namespace qv::wizard {

// Fills the list with the labels of `choiceLabels` up to the first empty one,
// then selects the entry at `selection`, or the first while nothing was chosen.
void fillChoiceList(ui::Dialog& dialog, int id, const TemplateParam& param);

}  // namespace qv::wizard
