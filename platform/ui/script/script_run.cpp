#include "platform/ui/script/script_run.h"

#include <cstdlib>
#include <cstring>

#include "platform/os/paths.h"
#include "platform/ui/script/script.h"
#include "platform/ui/script/script_failure.h"
#include "platform/ui/script/script_launcher.h"
#include "platform/ui/script/script_ui.h"

namespace qv::ui::script {
namespace {

class ScriptPlatform final : public Platform {
 public:
  ScriptPlatform(const ScriptSettings& settings, Script& script, Transcript& transcript)
      : ui_(script, transcript),
        launcher_(transcript, settings.launchFails),
        servers_(settings.servers),
        smtpPort_(settings.smtpPort) {}
  Ui& ui() override { return ui_; }
  os::Launcher& launcher() override { return launcher_; }
  os::ServerEnumerator& servers() override { return servers_; }
  int smtpProbePort() override { return smtpPort_; }
  ScriptUi& scriptUi() { return ui_; }

 private:
  ScriptUi ui_;
  ScriptLauncher launcher_;
  os::ListedServers servers_;
  int smtpPort_;
};

}  // namespace

int runScripted(const ScriptSettings& settings, std::FILE* transcriptFile,
                const ScriptedProgram& program) {
  std::vector<Action> actions;
  ParseError error{};
  if (!parseScript(settings.script, actions, error)) {
    std::fprintf(stderr, "script line %d: %s\n", error.line, error.message.c_str());
    return 2;
  }
  Script script(std::move(actions));
  Transcript transcript(transcriptFile);
  ScriptPlatform platform(settings, script, transcript);
  try {
    const int code = program(platform);
    platform.scriptUi().finish();
    JsonObject o = Transcript::event("exit");
    o.add("code", code);
    transcript.write(o);
    return code;
  } catch (const ScriptFailure&) {
    return 3;
  }
}

bool readScriptSettings(ScriptSettings& settings, std::string& error) {
  const char* path = std::getenv("QV_UI_SCRIPT");
  if (!path || !*path) {
    error = "QV_UI=script needs QV_UI_SCRIPT, the file of user actions";
    return false;
  }
  // A script is a regular file of sensible size: a FIFO, a device or a huge
  // file would block or never end, and is refused at once.
  auto content = os::readWholeFile(path, kLargestScriptBytes);
  if (!content) {
    const char* why = errno == EFBIG    ? "it is larger than 16 MiB"
                      : errno == EINVAL ? "it is not a regular file"
                                        : std::strerror(errno);
    error = std::string("cannot read the script ") + path + ": " + why;
    return false;
  }
  settings.script = std::move(*content);

  if (const char* launch = std::getenv("QV_UI_LAUNCH"); launch && *launch) {
    if (std::strcmp(launch, "fail") == 0) {
      settings.launchFails = true;
    } else if (std::strcmp(launch, "ok") != 0) {
      error = std::string("QV_UI_LAUNCH must be ok or fail, not ") + launch;
      return false;
    }
  }

  if (const char* servers = std::getenv("QV_UI_SERVERS")) {
    std::vector<std::string> names;
    std::string_view rest(servers);
    while (!rest.empty()) {
      const std::size_t comma = rest.find(',');
      const std::string_view name = rest.substr(0, comma);
      if (!name.empty()) names.emplace_back(name);
      rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    }
    settings.servers = std::move(names);
  }

  if (const char* port = std::getenv("QV_UI_SMTP_PORT"); port && *port) {
    char* end = nullptr;
    const long value = std::strtol(port, &end, 10);
    if (*end != '\0' || value < 1 || value > 65535) {
      error = std::string("QV_UI_SMTP_PORT must be a port number, not ") + port;
      return false;
    }
    settings.smtpPort = static_cast<int>(value);
  }
  return true;
}

ScriptedResult runScriptText(std::string_view script, const ScriptedProgram& program,
                             ScriptSettings settings) {
  settings.script = std::string(script);
  char* buffer = nullptr;
  std::size_t size = 0;
  std::FILE* memory = open_memstream(&buffer, &size);
  ScriptedResult result;
  result.exitCode = runScripted(settings, memory, program);
  std::fclose(memory);
  result.transcript.assign(buffer, size);
  std::free(buffer);
  return result;
}

}  // namespace qv::ui::script
