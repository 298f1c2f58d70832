// Operations on the ParamList of a wizard run.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "wizard/engine/wizard_state.h"

namespace qv::wizard {

// A record with every field zero or null, selection kNoSelection and the next
// ordinal, appended at the end of the state's list.
TemplateParam& appendRecord(WizardState& state);

// Copies a text into a record field; with `asQuestion` " ..." is appended.
// An absent text leaves the field null.
void copyText(std::optional<std::string>& field, const std::optional<std::string>& text,
              bool asQuestion = false);

// The record at 1-based position n (n <= 1 gives the first); null past the end.
TemplateParam* recordAt(const ParamList& list, int n);

// The item at 0-based index i of a comma-joined text; empty when out of range.
std::string listItem(std::string_view joined, int index);

}  // namespace qv::wizard
