#include "wizard/answers/page_answers.h"

#include <algorithm>
#include <map>
#include <optional>

#include "platform/base/text.h"
#include "platform/ui/dialog.h"
#include "wizard/pages/event_log_page.h"
#include "wizard/pages/page_registry.h"
#include "wizard/res/dialogs/control_ids.h"
#include "wizard/shell/wizard_context.h"

namespace qv::wizard {
namespace {

std::string ordinalKey(const TemplateParam& record) {
  return std::to_string(record.ordinal);
}

// The identity of an answer: two keys with the same one are the same answer.
std::string answerIdOf(const TemplateParam& record, const AnswerField& field) {
  return field.name.empty() ? "#" + ordinalKey(record) : std::string(field.answerId());
}

std::string keyOf(const TemplateParam& record, const AnswerField& field) {
  return field.name.empty() ? ordinalKey(record) : std::string(field.name);
}

std::string joined(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) {
    if (!text.empty()) text += ", ";
    text += item;
  }
  return text;
}

std::vector<std::string> itemsOf(const ui::Dialog& dialog, int id) {
  std::vector<std::string> items;
  for (int i = 0; i < dialog.itemCount(id); ++i) items.push_back(dialog.itemText(id, i));
  return items;
}

std::string shownValue(const ui::Dialog& dialog, const AnswerField& field) {
  switch (field.how) {
    case FieldControl::Text:
      return dialog.text(field.control);
    case FieldControl::Item:
      return dialog.itemText(field.control, dialog.selection(field.control));
    case FieldControl::Radio:
      return dialog.text(dialog.isChecked(ids::kOption1) ? ids::kOption1 : ids::kOption2);
    case FieldControl::EventType: {
      const auto entries = eventTypeEntries();
      const int chosen = dialog.selection(field.control);
      if (chosen < 0 || chosen >= static_cast<int>(entries.size())) return {};
      return std::to_string(entries[static_cast<std::size_t>(chosen)].value);
    }
  }
  return {};
}

std::vector<std::string> choicesOf(const ui::Dialog& dialog, const AnswerField& field) {
  switch (field.how) {
    case FieldControl::Text:
      // A list that can be edited offers its entries too.
      return itemsOf(dialog, field.control);
    case FieldControl::Item:
      return itemsOf(dialog, field.control);
    case FieldControl::Radio:
      return {dialog.text(ids::kOption1), dialog.text(ids::kOption2)};
    case FieldControl::EventType: {
      std::vector<std::string> choices;
      for (const EventTypeEntry& entry : eventTypeEntries()) {
        choices.push_back(std::to_string(entry.value) + " (" + std::string(entry.label) + ")");
      }
      return choices;
    }
  }
  return {};
}

// Puts a value into its field as a user would; the refusal of a value the
// field cannot take (no such entry), else nullopt.
std::optional<std::string> enterValue(ui::Dialog& dialog, const AnswerField& field,
                                      const std::string& value) {
  switch (field.how) {
    case FieldControl::Text:
      dialog.userSetText(field.control, value);
      return std::nullopt;
    case FieldControl::Item: {
      const std::vector<std::string> items = itemsOf(dialog, field.control);
      auto found = std::find(items.begin(), items.end(), value);
      if (found == items.end()) {
        found = std::find_if(items.begin(), items.end(),
                             [&](const std::string& item) { return equalsNoCase(item, value); });
      }
      if (found == items.end()) return "not one of the choices: " + joined(items);
      dialog.userSetSelection(field.control, static_cast<int>(found - items.begin()));
      return std::nullopt;
    }
    case FieldControl::Radio: {
      const bool first = value == dialog.text(ids::kOption1);
      if (!first && value != dialog.text(ids::kOption2)) {
        return "not one of the choices: " + joined(choicesOf(dialog, field));
      }
      dialog.setChecked(ids::kOption1, first);
      dialog.setChecked(ids::kOption2, !first);
      return std::nullopt;
    }
    case FieldControl::EventType: {
      const auto entries = eventTypeEntries();
      for (std::size_t i = 0; i < entries.size(); ++i) {
        if (value == std::to_string(entries[i].value)) {
          dialog.userSetSelection(field.control, static_cast<int>(i));
          return std::nullopt;
        }
      }
      return "not one of the choices: " + joined(choicesOf(dialog, field));
    }
  }
  return std::nullopt;
}

// Opens the record's page on the form kit; false when its kind has none.
bool openPage(FormPlatform& platform, WizardState& state, TemplateParam& record,
              FormUi::Visit visit, bool pressNext) {
  const PageEntry* page = findPage(pageResourceFor(record));
  if (page == nullptr) return false;
  const WizardEnvironment env;
  WizardContext ctx{platform, state, env};
  platform.formUi().prepare(std::move(visit), pressNext);
  page->run(ctx, record, *page->dialog);
  return true;
}

struct Resolved {
  std::string key;
  std::string value;
  std::string source;
  int level = 0;
};

// The answer id a key names in this template; empty when no page asks for it.
std::string resolveKey(const WizardState& state, std::string_view key) {
  const bool number = !key.empty() && std::all_of(key.begin(), key.end(),
                                                  [](char c) { return c >= '0' && c <= '9'; });
  const AnswerField* named = number ? nullptr : answerFieldNamed(key);
  for (const TemplateParam* r = state.paramList.head.get(); r; r = r->next.get()) {
    if (number) {
      if (isKeyedByOrdinal(r->kind) && ordinalKey(*r) == key) return "#" + ordinalKey(*r);
      continue;
    }
    if (named == nullptr) return {};
    for (const AnswerField& field : answerFieldsOf(*r)) {
      if (field.answerId() == named->answerId()) return std::string(named->answerId());
    }
  }
  return {};
}

}  // namespace

std::vector<AnswerSlot> readAnswers(FormPlatform& platform, WizardState& state) {
  std::vector<AnswerSlot> slots;
  for (TemplateParam* r = state.paramList.head.get(); r; r = r->next.get()) {
    openPage(
        platform, state, *r,
        [&](ui::Dialog& dialog) {
          for (const AnswerField& field : answerFieldsOf(*r)) {
            slots.push_back(
                {r, &field, keyOf(*r, field), shownValue(dialog, field), choicesOf(dialog, field)});
          }
        },
        false);
  }
  return slots;
}

std::vector<AnswerProblem> applyAnswers(FormPlatform& platform, WizardState& state,
                                        const std::vector<GivenAnswer>& given,
                                        std::string_view defaultSource) {
  std::vector<AnswerProblem> problems;
  std::map<std::string, Resolved> answers;
  for (const GivenAnswer& answer : given) {
    const std::string id = resolveKey(state, answer.key);
    if (id.empty()) {
      problems.push_back({true, answer.source, answer.key, "unknown answer"});
      continue;
    }
    auto [it, added] =
        answers.try_emplace(id, Resolved{answer.key, answer.value, answer.source, answer.level});
    if (added || answer.level > it->second.level) {
      it->second = {answer.key, answer.value, answer.source, answer.level};
    } else if (answer.level == it->second.level && answer.value != it->second.value) {
      problems.push_back({true, answer.source, answer.key,
                          "another value for the answer already given as " + it->second.key});
    }
  }

  for (TemplateParam* r = state.paramList.head.get(); r; r = r->next.get()) {
    const std::span<const AnswerField> fields = answerFieldsOf(*r);
    if (fields.empty()) continue;
    auto givenFor = [&](const AnswerField& field) -> const Resolved* {
      const auto it = answers.find(answerIdOf(*r, field));
      return it == answers.end() ? nullptr : &it->second;
    };
    auto problemAt = [&](const AnswerField& field, bool error, std::string message) {
      const Resolved* answer = givenFor(field);
      problems.push_back({error, answer ? answer->source : std::string(defaultSource),
                          answer ? answer->key : keyOf(*r, field), std::move(message)});
    };
    const bool opened = openPage(
        platform, state, *r,
        [&](ui::Dialog& dialog) {
          for (const AnswerField& field : fields) {
            const Resolved* answer = givenFor(field);
            if (answer == nullptr) continue;
            if (auto refusal = enterValue(dialog, field, answer->value)) {
              problemAt(field, true, std::move(*refusal));
            }
          }
        },
        true);
    if (!opened) continue;
    for (const FormMessage& message : platform.formUi().messages()) {
      const AnswerField* about = &fields.front();
      for (const AnswerField& field : fields) {
        if (std::find(field.messages.begin(), field.messages.end(), message.text) !=
            field.messages.end()) {
          about = &field;
          break;
        }
      }
      problemAt(*about, !message.question, message.text);
    }
  }
  return problems;
}

bool hasError(const std::vector<AnswerProblem>& problems) {
  return std::any_of(problems.begin(), problems.end(),
                     [](const AnswerProblem& p) { return p.error; });
}

}  // namespace qv::wizard
