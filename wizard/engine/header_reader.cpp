#include "wizard/engine/header_reader.h"

#include <string>
#include <string_view>

#include "platform/base/text.h"
#include "platform/os/text_file.h"
#include "wizard/engine/message_boxes.h"
#include "wizard/engine/messages.h"
#include "wizard/engine/template_lines.h"

namespace qv::wizard {
namespace {

constexpr std::string_view kRemoteMarker = "WIZARD:REMOTE";
constexpr std::string_view kParamsKey = "WIZARD:PARAMS=";
constexpr std::string_view kExampleKey = "WIZARD:PARAMEXAMPLE=";
constexpr std::string_view kResultsKey = "WIZARD:RESULTS=";

constexpr std::string_view kRemoteCommon =
    "In most cases, we recommend installing Quorvel locally and monitoring the server or PC "
    "directly. By running tasks locally, both network reliance & overhead is removed, the need & "
    "relliance on different technologies is reduced and the ability to take automatic corrective "
    "action is greatly improved ...";
constexpr std::string_view kRemoteTemplate =
    "This template generates a script which can, or will connect to a remote machine in order to "
    "perform it's monitoring, or response task.";
constexpr std::string_view kRemoteScript =
    "This script can, or will connect to a remote machine in order to perform it's monitoring, or "
    "response task.";

bool isBlockMarker(std::string_view line) {
  return textContains(line, "****") || textContains(line, "####");
}

std::string_view withoutLineFeed(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  return line;
}

// The key's value, from just after its first occurrence to the end of the
// line, replaces the field unless it is empty; "|" stands for a line break
// when the field has room for the longer text.
void takeKeyValue(std::string_view line, std::string_view key, std::string& field) {
  const std::string_view value = line.substr(findNoCase(line, key) + key.size());
  if (value.empty()) return;
  field = cutToCapacity(value, cap::kHeaderText);
  std::size_t bars = 0;
  for (char c : field) bars += c == '|' ? 1 : 0;
  if (bars == 0 || field.size() + 8 * bars > cap::kHeaderText) return;
  std::string broken;
  broken.reserve(field.size() + bars);
  for (char c : field) {
    if (c == '|') {
      broken.append("\r\n");
    } else {
      broken.push_back(c);
    }
  }
  field = std::move(broken);
}

// A description line without its comment sign, tabs and repeated blanks.
void appendDescriptionLine(std::string_view line, std::string& description) {
  line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
  if (startsWithNoCase(line, "REM")) line.remove_prefix(3);
  if (line.starts_with("//")) line.remove_prefix(2);
  for (char sign : {'\'', '*', '#'}) {
    if (!line.empty() && line.front() == sign) line.remove_prefix(1);
  }
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\t') continue;
    if (c == ' ' && i + 1 < line.size() && line[i + 1] == ' ') continue;
    description.push_back(c);
  }
  description.append(" \r\n");
}

void showRemoteNotice(const WizardState& state, ui::Ui& ui) {
  std::string text(textContains(state.templatePath, ".vbt") ? kRemoteTemplate : kRemoteScript);
  text.append("\r\n\r\n");
  text.append(kRemoteCommon);
  inform(ui, text);
}

enum class HeaderBlock { Found, Missing, Unreadable };

HeaderBlock scanHeaderBlock(WizardState& state, ui::Ui& ui, os::TextReader& reader,
                            std::string* description) {
  std::string line;
  line.reserve(kTemplateLineCapacity);
  for (;;) {
    if (!reader.readLine(line, kTemplateLineCapacity)) return HeaderBlock::Missing;
    if (isBlockMarker(line)) break;
  }
  while (reader.readLine(line, kTemplateLineCapacity)) {
    const std::string_view text = withoutLineFeed(line);
    if (isBlockMarker(text)) return HeaderBlock::Found;
    if (textContains(text, kRemoteMarker)) {
      showRemoteNotice(state, ui);
    } else if (textContains(text, kParamsKey)) {
      takeKeyValue(text, kParamsKey, state.callingParams);
    } else if (textContains(text, kExampleKey)) {
      takeKeyValue(text, kExampleKey, state.callingExample);
    } else if (textContains(text, kResultsKey)) {
      takeKeyValue(text, kResultsKey, state.scriptResults);
    } else if (description != nullptr) {
      appendDescriptionLine(text, *description);
    }
  }
  return HeaderBlock::Missing;
}

// Finds the header block of `path` and hands each of its lines, without its
// line feed, to the key rules; other lines go to `description` when given.
// Missing when the block is absent or unclosed, or the file cannot be opened
// (as before any read); Unreadable when a read fails, and then nothing read is
// kept.
HeaderBlock readHeaderBlock(WizardState& state, ui::Ui& ui, const std::string& path,
                            std::string* description) {
  auto reader = os::TextReader::open(path);
  if (!reader) return HeaderBlock::Missing;
  const std::string params = state.callingParams;
  const std::string example = state.callingExample;
  const std::string results = state.scriptResults;
  const HeaderBlock found = scanHeaderBlock(state, ui, *reader, description);
  if (!reader->failed()) return found;
  state.callingParams = params;
  state.callingExample = example;
  state.scriptResults = results;
  if (description != nullptr) description->clear();
  return HeaderBlock::Unreadable;
}

std::string separator() {
  std::string text = "\r\n";
  text.append(126, '-');
  text.append("\r\n\r\n");
  return text;
}

}  // namespace

std::optional<std::string> readHeaderDescription(WizardState& state, ui::Ui& ui,
                                                 const std::string& path) {
  std::string description;
  switch (readHeaderBlock(state, ui, path, &description)) {
    case HeaderBlock::Found:
      return description;
    case HeaderBlock::Missing:
      return std::nullopt;
    case HeaderBlock::Unreadable:
      // Part of a header is not shown as if it were all of it.
      warn(ui, msg::kTemplateCannotOpen);
      return std::nullopt;
  }
  return std::nullopt;
}

std::optional<std::string> readTemplateHeader(WizardState& state, ui::Ui& ui) {
  std::optional<std::string> found = readHeaderDescription(state, ui, state.templatePath);
  if (!found) return std::nullopt;
  std::string& description = *found;
  const std::string line = separator();
  description.append(line);
  description.append("Compiling script ...\r\n");
  description.append("The filename is ").append(state.templatePath).append("\r\n");
  description.append(formatText("No. lines read was %ld\r\n", static_cast<long>(state.lineCount)));
  description.append(
      formatText("No. unique parameters found was %ld\r\n", static_cast<long>(state.paramCount)));
  description.append("Compilation successful ...\r\n");
  description.append(line);
  return description;
}

std::optional<HeaderOutline> outlineHeader(const std::string& path) {
  auto reader = os::TextReader::open(path);
  if (!reader) return std::nullopt;
  HeaderOutline outline;
  std::string line;
  line.reserve(kTemplateLineCapacity);
  std::int32_t editorLine = 1;
  // The lines are told by the same pieces and rules as scanHeaderBlock's.
  for (; reader->readLine(line, kTemplateLineCapacity);
       editorLine += !line.empty() && line.back() == '\n' ? 1 : 0) {
    const std::string_view text = withoutLineFeed(line);
    if (!outline.opened) {
      if (isBlockMarker(text)) {
        outline.opened = true;
        outline.firstLine = editorLine;
      }
    } else if (isBlockMarker(text)) {
      outline.closed = true;
      break;
    } else if (textContains(text, kRemoteMarker)) {
      continue;
    } else if (textContains(text, kParamsKey)) {
      outline.hasParams = true;
    } else if (!textContains(text, kExampleKey) && textContains(text, kResultsKey)) {
      outline.hasResults = true;
    }
  }
  if (reader->failed()) return std::nullopt;
  return outline;
}

bool readScriptHeader(WizardState& state, ui::Ui& ui, const std::string& path) {
  // An unreadable script is told by the completion page, which reads it next.
  return readHeaderBlock(state, ui, path, nullptr) == HeaderBlock::Found;
}

std::string callingParametersText(const WizardState& state) {
  if (state.callingParams.empty() && state.callingExample.empty()) return "[No details available]";
  std::string text;
  if (!state.callingParams.empty()) text.append(state.callingParams).append("\r\n\r\n");
  if (!state.callingExample.empty()) {
    text.append(
        "Example of calling the script from the command line (e.g. as a response) ...\r\n\r\n");
    text.append(12, ' ').append(state.targetPath).append(" ").append(state.callingExample);
    text.append("\r\n\r\n");
    text.append("Example of defining a Quorvel montoring or alert script ...\r\n\r\n");
    text.append("            Command: ").append(state.targetPath);
    text.append("\r\n            Parameters: ").append(state.callingExample);
  }
  return text;
}

std::string resultsText(const WizardState& state) {
  return state.scriptResults.empty() ? std::string("[No details available]") : state.scriptResults;
}

}  // namespace qv::wizard
