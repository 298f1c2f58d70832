// What the generator writes in place of each tag, and how the tag moves the
// record cursor.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "wizard/engine/template_param.h"
#include "wizard/engine/wizard_state.h"

namespace qv::wizard {

enum class ReplacementSource {
  StoreText,     // a text field of the answer store
  StoreNumber,   // an integer field of the answer store, in decimal
  RecordAnswer,  // the `answer` of the record at the cursor
  ByRecordKind,  // the general "<PARAM:": decided by the record at the cursor
};

struct Replacement {
  std::string_view beginning;  // compared without regard to case
  ReplacementSource source;
  std::string AnswerStore::*text = nullptr;
  std::int32_t AnswerStore::*number = nullptr;
  // The group whose first tag passes over the group's record; None for the
  // tags that advance the cursor themselves.
  ParamKind group = ParamKind::None;
};

// In the order the beginnings are tried: the first that matches decides, so
// a longer name comes before a shorter one it begins with.
std::span<const Replacement> replacementTable();

}  // namespace qv::wizard
