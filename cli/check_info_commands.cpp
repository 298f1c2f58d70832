// qvscript check and qvscript info.
#include <string>

#include "cli/commands.h"
#include "cli/template_check.h"
#include "platform/base/text.h"
#include "platform/os/text_file.h"
#include "platform/ui/script/json_line.h"
#include "wizard/answers/form_ui.h"
#include "wizard/engine/header_reader.h"
#include "wizard/engine/messages.h"

namespace qv::cli {

int runCheck(const CliOptions& options, Streams io) {
  if (options.files.empty()) {
    io.err << "qvscript check: no template given\n";
    return kExitUnreadable;
  }
  int status = kExitOk;
  for (const std::string& file : options.files) {
    wizard::WizardState state;
    state.templatePath = file;
    const int fileStatus = printReport(file, checkTemplateFile(state), options.werror, io.out);
    status = std::max(status, fileStatus);
  }
  return status;
}

namespace {

struct HeaderInfo {
  std::optional<std::string> description;  // nullopt: no header block
  bool isTemplate = false;
  bool compiled = false;
  std::int32_t lines = 0;
  std::int32_t parameters = 0;
  std::string params;
  std::string example;
  std::string results;
  std::optional<std::string> remoteNotice;
};

// Header texts break lines with CR LF and keep the comment's blanks; a
// terminal wants LF and the words.
std::string unixLines(std::string_view text) {
  std::string lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
    while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
    lines.append(line).push_back('\n');
  }
  while (!lines.empty() && lines.back() == '\n') lines.pop_back();
  return lines;
}

void printSection(std::ostream& out, std::string_view heading, std::string_view text) {
  out << heading << "\n" << (text.empty() ? "[No details available]" : text) << "\n\n";
}

std::string infoJson(const std::string& file, const HeaderInfo& info) {
  ui::script::JsonObject json;
  json.add("file", file);
  if (info.description) {
    json.add("description", *info.description);
  } else {
    json.addNull("description");
  }
  if (info.isTemplate) {
    ui::script::JsonObject summary;
    summary.add("compiled", info.compiled).add("lines", static_cast<long long>(info.lines));
    summary.add("parameters", static_cast<long long>(info.parameters));
    json.addRaw("compile", summary.str());
  }
  json.add("parameters", info.params).add("example", info.example).add("results", info.results);
  if (info.remoteNotice) {
    json.add("remote", *info.remoteNotice);
  } else {
    json.addNull("remote");
  }
  return json.str();
}

}  // namespace

int runInfo(const CliOptions& options, Streams io) {
  if (options.files.size() != 1) {
    io.err << "qvscript info: give one template or script\n";
    return kExitUnreadable;
  }
  const std::string& file = options.files.front();
  if (!os::TextReader::open(file)) {
    io.err << file << ": error: cannot be read\n";
    return kExitUnreadable;
  }
  wizard::WizardState state;
  state.templatePath = file;
  HeaderInfo info;
  // The wizard tells a template from a script by the same test.
  info.isTemplate = wizard::textContains(file, ".vbt");
  if (info.isTemplate) {
    std::vector<wizard::CompileFinding> findings;
    wizard::checkTemplate(state, findings);
    info.compiled = std::none_of(findings.begin(), findings.end(),
                                 [](const wizard::CompileFinding& f) { return f.error; });
    info.lines = state.lineCount;
    info.parameters = state.paramCount;
  }
  wizard::FormUi ui;
  const std::optional<std::string> description = wizard::readHeaderDescription(state, ui, file);
  for (const wizard::FormMessage& message : ui.messages()) {
    if (message.text == wizard::msg::kTemplateCannotOpen) {
      io.err << file << ": error: cannot be read\n";
      return kExitUnreadable;
    }
    info.remoteNotice = unixLines(message.text);
  }
  if (description) info.description = unixLines(*description);
  info.params = unixLines(state.callingParams);
  info.example = unixLines(state.callingExample);
  info.results = unixLines(state.scriptResults);

  if (options.json) {
    io.out << infoJson(file, info) << '\n';
    return kExitOk;
  }
  printSection(io.out, "Description", info.description.value_or("[No header block]"));
  if (info.isTemplate) {
    printSection(io.out, "Compile summary",
                 formatText("%s\nLines read: %ld\nUnique parameters: %ld",
                            info.compiled ? "Compilation successful"
                                          : "Compilation failed (see qvscript check)",
                            static_cast<long>(info.lines), static_cast<long>(info.parameters)));
  }
  printSection(io.out, "Calling parameters", info.params);
  printSection(io.out, "Calling example", info.example);
  printSection(io.out, "Results", info.results);
  if (info.remoteNotice) printSection(io.out, "Remote connection", *info.remoteNotice);
  return kExitOk;
}

}  // namespace qv::cli
