#include "wizard/engine/compiler.h"

#include <string>
#include <string_view>
#include <vector>

#include "platform/base/text.h"
#include "platform/os/text_file.h"
#include "wizard/engine/compile_report.h"
#include "wizard/engine/message_boxes.h"
#include "wizard/engine/messages.h"
#include "wizard/engine/param_list.h"
#include "wizard/engine/tag_attributes.h"
#include "wizard/engine/template_lines.h"
#include "wizard/res/resources.h"

namespace qv::wizard {
namespace {

constexpr std::string_view kTodo = "TODO:";

struct Fault {
  std::string_view message;
  std::string_view tagText;
};

enum class TagOutcome { Ignored, Done, Faulty };

std::string_view withoutLineFeed(std::string_view text) {
  if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
  return text;
}

bool asksQuestion(ParamKind kind) {
  return kind == ParamKind::Text || kind == ParamKind::List || kind == ParamKind::Option;
}

std::optional<std::string> ownedText(std::optional<std::string_view> text) {
  if (!text) return std::nullopt;
  return std::string(*text);
}

void appendJoined(std::optional<std::string>& joined, std::string_view item) {
  if (joined) {
    joined->push_back(',');
    joined->append(item);
  } else {
    joined.emplace(item);
  }
}

std::string_view tagTextAt(std::string_view tag) {
  const std::size_t end = tag.find('>');
  return end == std::string_view::npos ? withoutLineFeed(tag) : tag.substr(0, end + 1);
}

constexpr std::string_view kLongLine =
    "line longer than 1998 characters: the wizard reads it as several lines";
constexpr std::string_view kSecondTag = "second tag on a line: the wizard compiles only the first";
constexpr std::string_view kTypeNotFirst =
    "Type= is not the tag's first attribute: the generator will not recognise the type";

class TemplateCompiler {
 public:
  // With `findings` the compiler checks: it goes on after a fault and notes
  // warnings; without, it stops at the first fault.
  TemplateCompiler(WizardState& state, std::vector<CompileFinding>* findings)
      : state_(state), findings_(findings) {
    line_.reserve(kTemplateLineCapacity);
  }

  // False with `fault_` set at the first faulty tag. A failed read ends the
  // run too, with no fault: the caller asks the reader.
  bool run(os::TextReader& reader) {
    while (reader.readLine(line_, kTemplateLineCapacity)) {
      ++state_.lineCount;
      if (!scanLine()) return false;
      if (findings_ != nullptr) countEditorLine();
    }
    if (findings_ != nullptr && lineLength_ > 0) endEditorLine();
    return true;
  }

  const Fault& fault() const { return fault_; }

 private:
  // The compiler counts the pieces it reads; an editor counts line feeds.
  void countEditorLine() {
    lineLength_ += withoutLineFeed(line_).size();
    if (!line_.empty() && line_.back() == '\n') endEditorLine();
  }
  void endEditorLine() {
    if (lineLength_ > kLongestWholeLine) note(false, kLongLine, {});
    ++editorLine_;
    lineLength_ = 0;
  }

  void note(bool error, std::string_view message, std::string_view tagText) {
    findings_->push_back(
        {error, editorLine_, std::string(message), cutToCapacity(tagText, kReportTextCapacity)});
  }

  bool scanLine() {
    const std::string_view line = line_;
    for (std::size_t i = 0; i < line.size(); ++i) {
      const char c = line[i];
      if ((c == 'T' || c == 't') && startsWithNoCase(line.substr(i), kTodo)) {
        state_.todoFound = 1;
      } else if (c == '<' && startsWithNoCase(line.substr(i), kTagStart)) {
        switch (handleTag(line.substr(i))) {
          case TagOutcome::Ignored:
            break;
          case TagOutcome::Done:
            if (findings_ != nullptr) noteSecondTag(line.substr(i + 1));
            return true;  // one tag per line
          case TagOutcome::Faulty:
            if (findings_ == nullptr) return false;
            note(true, fault_.message, fault_.tagText);
            return true;  // the rest of the piece is not looked at, as if it stopped here
        }
      }
    }
    return true;
  }

  // A tag after the line's compiled one is never compiled, though the
  // generator replaces it. One of a group whose record is made already
  // needs none of its own.
  void noteSecondTag(std::string_view rest) {
    for (std::size_t at = findNoCase(rest, kTagStart); at != std::string_view::npos;
         at = findNoCase(rest, kTagStart)) {
      const std::string_view tag = rest.substr(at);
      const TagAttributes attrs = parseTagAttributes(tag.substr(kTagStart.size()));
      rest = rest.substr(at + 1);
      if (!attrs.anyPiece) continue;
      const ParamKind kind = attrs.type ? kindForTypeName(*attrs.type) : ParamKind::None;
      if (isGroupedKind(kind) && state_.seen[static_cast<int>(kind)]) continue;
      note(false, kSecondTag, tagTextAt(tag));
      return;
    }
  }

  TagOutcome fail(std::string_view message, std::string_view tagText) {
    fault_ = {message, tagText};
    return TagOutcome::Faulty;
  }

  // `tag` runs from the tag's "<" to the end of the line.
  TagOutcome handleTag(std::string_view tag) {
    const std::size_t end = tag.find('>');
    if (end == std::string_view::npos) return fail(msg::kMissingEndTag, withoutLineFeed(tag));
    const std::string_view tagText = tag.substr(0, end + 1);

    const TagAttributes attrs = parseTagAttributes(tag.substr(kTagStart.size()));
    if (!attrs.anyPiece) return TagOutcome::Ignored;
    if (!attrs.type || attrs.type->empty()) return fail(msg::kNoType, tagText);
    const ParamKind kind = kindForTypeName(*attrs.type);
    if (kind == ParamKind::None) return fail(msg::kUnknownType, tagText);
    if (asksQuestion(kind) && (!attrs.question || attrs.question->empty())) {
      return fail(msg::kNoQuestion, tagText);
    }
    if (findings_ != nullptr && !startsWithNoCase(tag.substr(kTagStart.size()), "Type=")) {
      note(false, kTypeNotFirst, tagText);
    }
    const bool grouped = isGroupedKind(kind);
    if (grouped && state_.seen[static_cast<int>(kind)]) return TagOutcome::Done;

    TemplateParam& record = appendRecord(state_);
    record.kind = kind;
    record.generateName = attrs.generateName ? 1 : 0;
    record.noEdit = attrs.noEdit ? 1 : 0;
    record.numericOnly = attrs.numericOnly ? 1 : 0;
    record.maxLength = attrs.maxLength ? atolText(*attrs.maxLength) : 0;
    if (attrs.question) {
      record.question.emplace(*attrs.question);
      record.question->append(" ...");
    }
    record.help = ownedText(attrs.help);
    record.defaultValue = ownedText(attrs.defaultValue);

    if (kind == ParamKind::List) {
      parseDataItems(attrs.data.value_or(std::string_view{}), items_);
      for (const DataItem& item : items_) {
        if (item.label.empty()) continue;
        appendJoined(record.choiceLabels, item.label);
        appendJoined(record.choiceValues, item.value);
      }
      if (!record.choiceLabels) return fail(msg::kNoListData, tagText);
    } else if (kind == ParamKind::Option) {
      parseDataItems(attrs.data.value_or(std::string_view{}), items_);
      if (items_.size() < 2) return fail(msg::kTwoOptionsRequired, tagText);
      record.choiceLabels.emplace(items_[0].label);
      record.choiceValues.emplace(items_[0].value);
      record.option2Label.emplace(items_[1].label);
      record.option2Value.emplace(items_[1].value);
    } else if (grouped) {
      state_.seen[static_cast<int>(kind)] = true;
    }
    return TagOutcome::Done;
  }

  WizardState& state_;
  std::vector<CompileFinding>* findings_;
  std::int32_t editorLine_ = 1;
  std::size_t lineLength_ = 0;
  std::string line_;
  std::vector<DataItem> items_;
  Fault fault_;
};

void showReport(WizardState& state, ui::Ui& ui, const Fault& fault) {
  const CompileReport report{cutToCapacity(state.templatePath, cap::kPath), state.lineCount,
                             cutToCapacity(fault.tagText, kReportTextCapacity),
                             cutToCapacity(fault.message, kReportTextCapacity)};
  CompileErrorProc proc(report);
  ui.runModal(res::kCompileError, proc);  // ends with Abort; nothing to decide
}

}  // namespace

bool compileTemplate(WizardState& state, ui::Ui& ui) {
  state.todoFound = 0;
  auto reader = os::TextReader::open(state.templatePath);
  if (!reader) {
    warn(ui, msg::kTemplateCannotOpen);
    return false;
  }
  state.lineCount = 0;
  TemplateCompiler compiler(state, nullptr);
  const bool compiled = compiler.run(*reader);
  // Part of a template is no template: a read error is told as the file
  // that cannot be read, never compiled as if the file ended there.
  if (reader->failed()) {
    warn(ui, msg::kTemplateCannotOpen);
    return false;
  }
  if (compiled) return true;
  showReport(state, ui, compiler.fault());
  return false;
}

bool checkTemplate(WizardState& state, std::vector<CompileFinding>& findings) {
  state.todoFound = 0;
  state.lineCount = 0;
  auto reader = os::TextReader::open(state.templatePath);
  if (!reader) return false;
  TemplateCompiler compiler(state, &findings);
  compiler.run(*reader);
  return !reader->failed();
}

}  // namespace qv::wizard
