// Which field of which page an answer fills: the answer keys of the grouped
// pages (type names) with the control each one is, and the one field of the
// pages asked once per tag (keyed by the record's ordinal).
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "wizard/engine/template_param.h"

namespace qv::wizard {

enum class FieldControl {
  Text,       // an edit field, or the edit of a combo box
  Item,       // a list entry chosen by its text
  Radio,      // one of the two option buttons, by its label
  EventType,  // the event type list, by the event log's value
};

struct AnswerField {
  std::string_view name;    // the key; for a per-tag page empty (the ordinal is the key)
  std::string_view shared;  // fields with the same id are one answer; empty: the name
  int control;
  FieldControl how;
  // The refusals and questions of this field's checks, so that a page's
  // message names the answer it is about.
  std::array<std::string_view, 3> messages{};

  std::string_view answerId() const { return shared.empty() ? name : shared; }
};

// The fields a record's page asks for, in the page's order; empty for a kind
// without a page.
std::span<const AnswerField> answerFieldsOf(const TemplateParam& record);

// The field a type name keys (any case); null when no page asks for it.
const AnswerField* answerFieldNamed(std::string_view typeName);

// Kinds with one page per tag, whose answers are keyed by ordinal.
bool isKeyedByOrdinal(ParamKind kind);

}  // namespace qv::wizard
