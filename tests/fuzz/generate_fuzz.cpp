// Compile and generate with every answer filled in, each holding typed line
// breaks: a run that wrote its script never reports failure, one that failed
// always does and leaves nothing behind, no LF reaches the script without
// its CR, and each answer lands in its tag.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/base/text.h"
#include "platform/os/paths.h"
#include "tests/fuzz/fuzz_files.h"
#include "tests/fuzz/quiet_ui.h"
#include "wizard/engine/compiler.h"
#include "wizard/engine/generator.h"

namespace {

void fillAnswers(qv::wizard::WizardState& state) {
  using namespace qv::wizard;
  int n = 0;
  for (TemplateParam* r = state.paramList.head.get(); r; r = r->next.get()) {
    r->answer = "answer " + std::to_string(++n) + "\r\nsecond\nthird";
    r->selection = n % 3 - 1;
  }
  AnswerStore& a = state.answers;
  for (std::string* text : {&a.messageTitle, &a.messageText, &a.smtpServer, &a.userId, &a.password,
                            &a.domainName, &a.domainDc, &a.odbcDsn}) {
    *text = "line1\r\nline2\nline3\r";
  }
  a.smtpPort = 25;
}

bool isBareTag(std::string_view rest) {
  return rest.find_first_not_of(";>\r") == std::string_view::npos;
}

// Templates as templates are meant to be written: lines within the limit,
// at most one tag a line, "Type=" first. For them the compiler and the
// generator must agree on every tag.
bool wellWritten(std::string_view text) {
  using qv::findNoCase;
  using qv::startsWithNoCase;
  while (!text.empty()) {
    const std::size_t lf = text.find('\n');
    const std::string_view line = text.substr(0, lf);
    text = lf == std::string_view::npos ? std::string_view() : text.substr(lf + 1);
    if (line.size() + 1 > 1998) return false;
    const std::size_t tag = findNoCase(line, "<PARAM:");
    if (tag == std::string_view::npos) continue;
    const std::string_view rest = line.substr(tag + 7);
    if (findNoCase(rest, "<PARAM:") != std::string_view::npos) return false;
    if (!startsWithNoCase(rest, "Type=") && !isBareTag(rest)) return false;
  }
  return true;
}

// Every Text answer is written, and every tag that is left is one that the
// compiler ignored.
bool agrees(const qv::wizard::WizardState& state, std::string_view script) {
  using namespace qv::wizard;
  int n = 0;
  for (const TemplateParam* r = state.paramList.head.get(); r; r = r->next.get()) {
    ++n;
    if (r->kind == ParamKind::Text &&
        script.find("answer " + std::to_string(n) + "\r\n") == std::string_view::npos) {
      return false;
    }
  }
  for (std::size_t at = qv::findNoCase(script, "<PARAM:"); at != std::string_view::npos;) {
    std::string_view rest = script.substr(at + 7);
    if (!isBareTag(rest.substr(0, rest.find('\n')))) return false;
    const std::size_t next = qv::findNoCase(rest, "<PARAM:");
    at = next == std::string_view::npos ? next : at + 7 + next;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qv::wizard;
  auto& files = qv::fuzz::files();
  WizardState state;
  state.templatePath = files.write("t.vbt", data, size);
  state.targetPath = files.path("out.vbs");
  qv::fuzz::QuietUi ui;
  if (!compileTemplate(state, ui)) return 0;
  fillAnswers(state);
  const bool generated = generateScript(state, ui);
  if (generated != (ui.messages == 0)) std::abort();
  const auto script = qv::os::readWholeFile(state.targetPath);
  if (generated != script.has_value()) std::abort();
  if (files.count() != (generated ? 2u : 1u)) std::abort();  // no temporary file left
  if (script) {
    for (std::size_t i = 0; i < script->size(); ++i) {
      if ((*script)[i] == '\n' && (i == 0 || (*script)[i - 1] != '\r')) std::abort();
    }
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (wellWritten(text) && !agrees(state, *script)) std::abort();
  }
  std::remove(state.targetPath.c_str());
  return 0;
}
