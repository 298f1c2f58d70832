#include "wizard/engine/generator.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/base/text.h"
#include "platform/os/regular_file.h"
#include "platform/os/text_file.h"
#include "platform/ui/dialog.h"
#include "wizard/engine/message_boxes.h"
#include "wizard/engine/messages.h"
#include "wizard/engine/param_list.h"
#include "wizard/engine/replacement_table.h"
#include "wizard/engine/tag_attributes.h"
#include "wizard/engine/template_lines.h"

namespace qv::wizard {
namespace {

constexpr std::string_view kTypeAttribute = "Type=";

// The working page's progress text and bar, when the page is open.
class Progress {
 public:
  Progress(ui::Dialog* page, std::int32_t lineCount) : page_(page), lineCount_(lineCount) {}

  void show(bool visible) {
    if (page_ == nullptr) return;
    if (visible) page_->setProgressRange(kWorkingProgressBar, 0, 100);
    page_->showControl(kWorkingProgressText, visible);
    page_->showControl(kWorkingProgressBar, visible);
  }

  // Before line `lineNumber` is read. The last update comes before the read
  // that finds the end, one past the last line, so the figure is capped; an
  // empty template has nothing to do and counts as done.
  void update(std::int32_t lineNumber) {
    if (page_ == nullptr) return;
    const std::int64_t percent =
        lineCount_ > 0 ? std::min<std::int64_t>(100, std::int64_t{lineNumber} * 100 / lineCount_)
                       : 100;
    // The bar cannot show more than whole percents; repainting for every
    // line of a long template would only cost time.
    if (percent == shown_) return;
    shown_ = percent;
    page_->setText(kWorkingProgressText,
                   formatText("Progress (%d%%) ...", static_cast<int>(percent)));
    page_->repaint(kWorkingProgressText);
    page_->setProgress(kWorkingProgressBar, static_cast<int>(percent));
  }

 private:
  ui::Dialog* page_;
  std::int32_t lineCount_;
  std::int64_t shown_ = -1;
};

class ScriptGenerator {
 public:
  ScriptGenerator(const WizardState& state, os::TextWriter& out)
      : answers_(state.answers), cursor_(state.paramList.head.get()), out_(out) {}

  // Copies one line with its tags replaced; false once a write has failed.
  bool copyLine(std::string_view line) {
    std::size_t copied = 0;  // line[copied, pos) is still to be written
    std::size_t pos = 0;
    while ((pos = line.find('<', pos)) != std::string_view::npos) {
      const std::string_view rest = line.substr(pos);
      const Replacement* replacement = startsWithNoCase(rest, kTagStart) ? match(rest) : nullptr;
      if (replacement == nullptr) {
        ++pos;
        continue;
      }
      if (!write(line.substr(copied, pos - copied))) return false;
      if (!writeReplacement(*replacement)) return false;
      const std::size_t end = line.find('>', pos + replacement->beginning.size());
      if (end == std::string_view::npos) return true;  // the rest of the line goes
      copied = pos = end + 1;
    }
    return write(line.substr(copied));
  }

 private:
  // `text` begins with "<PARAM:". The tag is read as the compiler reads it,
  // so both agree on every tag: one with no attribute at all the compiler
  // ignored, so it is copied; of two "Type=" the later counts.
  const Replacement* match(std::string_view text) const {
    const TagAttributes attrs = parseTagAttributes(text.substr(kTagStart.size()));
    if (!attrs.anyPiece) return nullptr;
    // Only a tag that begins with "Type=" is recognised by its type name; the
    // name's first letter rules out most of the table before any full
    // comparison, and a letter that begins no name rules out all of it.
    const bool typed = startsWithNoCase(text.substr(kTagStart.size()), kTypeAttribute);
    const std::string_view name = typed && attrs.type ? *attrs.type : std::string_view{};
    const char letter = name.empty() ? '\0' : lowerAscii(name[0]);
    if (letters_[static_cast<unsigned char>(letter)]) {
      for (const Replacement& r : replacementTable()) {
        if (r.source == ReplacementSource::ByRecordKind) break;
        const std::string_view tableName = r.beginning.substr(kNameAt);
        if (lowerAscii(tableName[0]) == letter && startsWithNoCase(name, tableName)) return &r;
      }
    }
    return cursor_ != nullptr ? &generalTag() : nullptr;
  }

  // The table's last entry: any other tag, written by the record at the cursor.
  static const Replacement& generalTag() { return replacementTable().back(); }

  // The letters with which the table's type names begin.
  static std::array<bool, 256> nameLetters() {
    std::array<bool, 256> letters{};
    for (const Replacement& r : replacementTable()) {
      if (r.beginning.size() > kNameAt) {
        letters[static_cast<unsigned char>(lowerAscii(r.beginning[kNameAt]))] = true;
      }
    }
    return letters;
  }

  static constexpr std::size_t kNameAt = kTagStart.size() + kTypeAttribute.size();
  const std::array<bool, 256> letters_ = nameLetters();

  bool write(std::string_view text) { return text.empty() || out_.write(text); }
  bool writeOptional(const std::optional<std::string>& text) { return !text || write(*text); }

  void advance() {
    if (cursor_ != nullptr) cursor_ = cursor_->next.get();
  }

  // The first tag of a group passes over the group's record.
  void passGroup(ParamKind group) {
    bool& written = groupWritten_[static_cast<int>(group)];
    if (written) return;
    written = true;
    advance();
  }

  bool writeReplacement(const Replacement& r) {
    bool ok = true;
    switch (r.source) {
      case ReplacementSource::StoreText:
        ok = write(answers_.*r.text);
        passGroup(r.group);
        break;
      case ReplacementSource::StoreNumber:
        ok = write(formatText("%d", static_cast<int>(answers_.*r.number)));
        passGroup(r.group);
        break;
      case ReplacementSource::RecordAnswer:
        // With no record left there is nothing to write.
        if (cursor_ != nullptr) {
          ok = writeOptional(cursor_->answer);
          advance();
        }
        break;
      case ReplacementSource::ByRecordKind:
        ok = writeByRecordKind(*cursor_);
        break;
    }
    return ok;
  }

  bool writeByRecordKind(const TemplateParam& record) {
    bool ok = true;
    switch (record.kind) {
      case ParamKind::Text:
        ok = writeOptional(record.answer);
        break;
      case ParamKind::List:
        if (record.noEdit == 1) {
          const std::string_view values =
              record.choiceValues ? std::string_view(*record.choiceValues) : std::string_view{};
          ok = write(listItem(values, record.selection));
        } else {
          ok = writeOptional(record.answer);
        }
        break;
      case ParamKind::Option:
        ok = writeOptional(record.selection == 1 ? record.choiceValues : record.option2Value);
        break;
      default:
        return true;  // not a tag of this record: nothing written, the cursor stays
    }
    advance();
    return ok;
  }

  const AnswerStore& answers_;
  const TemplateParam* cursor_;
  os::TextWriter& out_;
  std::array<bool, kParamKindCount> groupWritten_{};
};

}  // namespace

bool generateScript(WizardState& state, ui::Ui& ui) {
  // Writing the script over its own template would destroy the template
  // while it is read; the pages refuse it, and so does the generator.
  if (os::sameFile(state.templatePath, state.targetPath)) {
    warn(ui, msg::kTemplateIsTarget);
    return false;
  }
  auto in = os::TextReader::open(state.templatePath);
  if (!in) {
    warn(ui, msg::kGenerateTemplateCannotOpen);
    return false;
  }
  // The script is written beside the target and takes its place only when it
  // is whole: a full disk or a failed read leaves the target as it was.
  auto out = os::TextWriter::open(state.targetPath, os::TextWriter::Mode::Replace);
  if (!out) {
    in.reset();
    warn(ui, msg::kGenerateTargetCannotOpen);
    return false;
  }

  Progress progress(state.workingPage, state.lineCount);
  progress.show(true);
  ScriptGenerator generator(state, *out);
  std::string line;
  line.reserve(kTemplateLineCapacity);
  bool written = true;
  for (std::int32_t lineNumber = 1;; ++lineNumber) {
    progress.update(lineNumber);
    if (!in->readLine(line, kTemplateLineCapacity)) break;
    if (!generator.copyLine(line)) {
      written = false;  // a full disk: the rest cannot be written either
      break;
    }
  }
  progress.show(false);
  const bool readFailed = in->failed();
  in.reset();
  if (readFailed) {
    out.reset();  // never closed: the target keeps what it held
    warn(ui, msg::kTemplateCannotOpen);
    return false;
  }
  // Buffered text reaches the disk only here, so the close has the last word.
  written = out->close() && written;
  if (!written) {
    warn(ui, msg::kGenerateTargetCannotWrite);
    return false;
  }
  return true;
}

}  // namespace qv::wizard
