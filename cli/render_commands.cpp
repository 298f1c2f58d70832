// qvscript answers and qvscript render.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "cli/answer_source.h"
#include "cli/commands.h"
#include "cli/render_output.h"
#include "cli/template_check.h"
#include "platform/os/paths.h"
#include "wizard/answers/answers_file.h"
#include "wizard/answers/answers_listing.h"
#include "wizard/answers/form_ui.h"
#include "wizard/answers/page_answers.h"
#include "wizard/engine/generator.h"

namespace qv::cli {
namespace {

bool oneTemplate(const CliOptions& options, std::string_view command, std::ostream& err) {
  if (options.files.size() == 1) return true;
  err << "qvscript " << command << ": give one template\n";
  return false;
}

}  // namespace

bool generateInto(wizard::WizardState& state, wizard::FormPlatform& platform,
                  const std::string& target, const std::string& shownAs, std::ostream& err) {
  state.targetPath = target;
  platform.formUi().clearMessages();
  const bool written = wizard::generateScript(state, platform.ui());
  for (const wizard::FormMessage& m : platform.formUi().messages()) {
    err << shownAs << ": error: " << wizard::flattenedLine(m.text) << '\n';
  }
  return written;
}

namespace {

// "-o -": the script is generated into a private temporary file, so that its
// bytes are the generator's own, and then copied out.
bool generateToStandardOutput(wizard::WizardState& state, wizard::FormPlatform& platform,
                              std::ostream& out, std::ostream& err) {
  std::string path = (std::filesystem::temp_directory_path() / "qvscript-XXXXXX").string();
  const int fd = ::mkstemp(path.data());
  if (fd < 0) {
    err << "-: error: no temporary file for the script\n";
    return false;
  }
  ::close(fd);
  bool ok = generateInto(state, platform, path, "-", err);
  if (ok) {
    const std::optional<std::string> script = os::readWholeFile(path);
    ok = script.has_value();
    if (ok) out << *script << std::flush;
    ok = ok && out.good();
  }
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  return ok;
}

}  // namespace

int runAnswers(const CliOptions& options, Streams io) {
  if (!oneTemplate(options, "answers", io.err)) return kExitUnreadable;
  wizard::WizardState state;
  if (const int status = compileForUse(state, options.files.front(), io.err)) return status;
  wizard::FormPlatform platform;
  io.out << wizard::answersFileText(wizard::readAnswers(platform, state), true);
  return kExitOk;
}

int runRender(const CliOptions& options, Streams io) {
  if (!oneTemplate(options, "render", io.err)) return kExitUnreadable;
  if (!options.target) {
    io.err << "qvscript render: no target given (-o TARGET, or -o - for standard output)\n";
    return kExitUnreadable;
  }
  const std::string& file = options.files.front();
  wizard::WizardState state;
  const int compiled = compileForUse(state, file, io.err);
  if (compiled != kExitOk) return compiled;
  int status = kExitOk;
  const auto given = gatherAnswers(options.answers, options.sets, io.err, status);
  if (!given) return status;
  wizard::FormPlatform platform;
  const auto problems =
      wizard::applyAnswers(platform, state, *given, options.answers.value_or(file));
  printProblems(problems, io.err);
  if (wizard::hasError(problems)) return kExitRefused;
  const bool written =
      *options.target == "-"
          ? generateToStandardOutput(state, platform, io.out, io.err)
          : generateInto(state, platform, *options.target, *options.target, io.err);
  return written ? kExitOk : kExitUnreadable;
}

}  // namespace qv::cli
