#include "wizard/engine/param_list.h"

#include <utility>

namespace qv::wizard {

ParamList::ParamList(ParamList&& other) noexcept
    : head(std::move(other.head)), tail(std::exchange(other.tail, nullptr)) {}

ParamList& ParamList::operator=(ParamList&& other) noexcept {
  if (this != &other) {
    clear();
    head = std::move(other.head);
    tail = std::exchange(other.tail, nullptr);
  }
  return *this;
}

void ParamList::clear() {
  // Each record is unlinked from its successor before it goes, so the
  // release never nests one destructor inside another.
  std::unique_ptr<TemplateParam> record = std::move(head);
  while (record) record = std::move(record->next);
  tail = nullptr;
}

TemplateParam& appendRecord(WizardState& state) {
  auto record = std::make_unique<TemplateParam>();
  record->ordinal = ++state.paramCount;
  TemplateParam* added = record.get();
  ParamList& list = state.paramList;
  if (list.tail != nullptr) {
    list.tail->next = std::move(record);
  } else {
    list.head = std::move(record);
  }
  list.tail = added;
  return *added;
}

void copyText(std::optional<std::string>& field, const std::optional<std::string>& text,
              bool asQuestion) {
  if (!text) {
    field.reset();
    return;
  }
  field = *text;
  if (asQuestion) field->append(" ...");
}

TemplateParam* recordAt(const ParamList& list, int n) {
  TemplateParam* record = list.head.get();
  for (int position = 1; record != nullptr && position < n; ++position) {
    record = record->next.get();
  }
  return record;
}

std::string listItem(std::string_view joined, int index) {
  if (index < 0) return {};
  std::size_t start = 0;
  for (int i = 0; i < index; ++i) {
    const std::size_t comma = joined.find(',', start);
    if (comma == std::string_view::npos) return {};
    start = comma + 1;
  }
  const std::size_t end = joined.find(',', start);
  return std::string(joined.substr(start, end == std::string_view::npos ? end : end - start));
}

}  // namespace qv::wizard
