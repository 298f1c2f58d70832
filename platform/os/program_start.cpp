#include "platform/os/program_start.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <system_error>
#include <thread>

#include "platform/base/text.h"
#include "platform/os/launcher.h"

extern char** environ;

namespace qv::os {
namespace {

bool isExecutableFile(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::string defaultSearchPath() {
  const std::size_t n = ::confstr(_CS_PATH, nullptr, 0);
  if (n == 0) return "/bin:/usr/bin";
  std::string path(n, '\0');
  ::confstr(_CS_PATH, path.data(), n);
  path.resize(n - 1);
  return path;
}

// Waits for a started child in the background so that it leaves no zombie.
void reapLater(pid_t pid) {
  try {
    std::thread([pid] {
      int status = 0;
      while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
      }
    }).detach();
  } catch (const std::system_error&) {
    // No thread to be had: the child stays a zombie until this process ends.
  }
}

// The file part of a Windows or Linux program name.
std::string_view filePart(std::string_view program) {
  const std::size_t cut = program.find_last_of("\\/");
  return cut == std::string_view::npos ? program : program.substr(cut + 1);
}

bool namesProgram(std::string_view program, std::string_view stem) {
  const std::string_view name = filePart(program);
  if (equalsNoCase(name, stem)) return true;
  return name.size() == stem.size() + 4 && equalsNoCase(name.substr(0, stem.size()), stem) &&
         equalsNoCase(name.substr(stem.size()), ".exe");
}

std::vector<std::string> splitAtBlanks(std::string_view text) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
    if (i > start) words.emplace_back(text.substr(start, i - start));
  }
  return words;
}

ProgramCandidate inTerminal(std::string_view editorCommand) {
  ProgramCandidate candidate;
  std::vector<std::string> words = splitAtBlanks(editorCommand);
  candidate.argv = {"x-terminal-emulator", "-e"};
  candidate.needs = {"x-terminal-emulator", words.front()};
  candidate.argv.insert(candidate.argv.end(), words.begin(), words.end());
  return candidate;
}

ProgramCandidate plainProgram(std::string name) {
  ProgramCandidate candidate;
  candidate.argv = {name};
  candidate.needs = {std::move(name)};
  return candidate;
}

std::string environmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

}  // namespace

std::string findProgramOnPath(std::string_view name) {
  if (name.empty()) return {};
  if (name.find('/') != std::string_view::npos) {
    std::string path(name);
    return isExecutableFile(path) ? path : std::string();
  }
  const char* env = std::getenv("PATH");
  const std::string searchPath = env ? std::string(env) : defaultSearchPath();
  std::size_t start = 0;
  for (;;) {
    const std::size_t colon = searchPath.find(':', start);
    std::string folder =
        searchPath.substr(start, colon == std::string::npos ? colon : colon - start);
    if (folder.empty()) folder = ".";
    std::string path = folder + "/" + std::string(name);
    if (isExecutableFile(path)) return path;
    if (colon == std::string::npos) break;
    start = colon + 1;
  }
  return {};
}

bool startDetached(const std::vector<std::string>& argv) {
  if (argv.empty()) return false;
  const std::string path = findProgramOnPath(argv[0]);
  if (path.empty()) return false;

  std::vector<char*> args;
  args.reserve(argv.size() + 1);
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);

  posix_spawnattr_t attr;
  if (posix_spawnattr_init(&attr) != 0) return false;
  sigset_t signals;
  sigemptyset(&signals);
  posix_spawnattr_setsigmask(&attr, &signals);
  sigfillset(&signals);
  posix_spawnattr_setsigdefault(&attr, &signals);
  posix_spawnattr_setflags(&attr,
                           POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSID);

  posix_spawn_file_actions_t actions;
  if (posix_spawn_file_actions_init(&actions) != 0) {
    posix_spawnattr_destroy(&attr);
    return false;
  }
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
  posix_spawn_file_actions_addclosefrom_np(&actions, 3);
#endif

  pid_t pid = 0;
  const int error = posix_spawn(&pid, path.c_str(), &actions, &attr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attr);
  if (error != 0) return false;
  reapLater(pid);
  return true;
}

SystemProgram windowsSystemProgram(std::string_view program) {
  if (namesProgram(program, "notepad")) return SystemProgram::Notepad;
  if (namesProgram(program, "odbcad32")) return SystemProgram::OdbcAdministrator;
  return SystemProgram::None;
}

std::vector<ProgramCandidate> linuxCounterparts(std::string_view program, std::string_view visual,
                                                std::string_view editor) {
  std::vector<ProgramCandidate> candidates;
  switch (windowsSystemProgram(program)) {
    case SystemProgram::Notepad: {
      ProgramCandidate desktop;
      desktop.contentType = "text/plain";
      candidates.push_back(std::move(desktop));
      if (!splitAtBlanks(visual).empty()) candidates.push_back(inTerminal(visual));
      if (!splitAtBlanks(editor).empty()) candidates.push_back(inTerminal(editor));
      break;
    }
    case SystemProgram::OdbcAdministrator:
      candidates.push_back(plainProgram("ODBCManageDataSourcesQ5"));
      candidates.push_back(plainProgram("ODBCManageDataSourcesQ4"));
      break;
    case SystemProgram::None:
      break;
  }
  return candidates;
}

bool startWindowsCommandLine(std::string_view commandLine,
                             const DefaultAppStarter& startDefaultApp) {
  std::vector<std::string> args = splitWindowsCommandLine(commandLine);
  if (args.empty() || args.front().empty()) return false;
  const std::vector<ProgramCandidate> candidates =
      linuxCounterparts(args.front(), environmentValue("VISUAL"), environmentValue("EDITOR"));
  if (candidates.empty()) return startDetached(args);

  const std::vector<std::string> rest(args.begin() + 1, args.end());
  for (const ProgramCandidate& candidate : candidates) {
    if (!candidate.contentType.empty()) {
      if (startDefaultApp && startDefaultApp(candidate.contentType, rest)) return true;
      continue;
    }
    bool found = true;
    for (const std::string& program : candidate.needs) {
      if (findProgramOnPath(program).empty()) found = false;
    }
    if (!found) continue;
    std::vector<std::string> argv = candidate.argv;
    argv.insert(argv.end(), rest.begin(), rest.end());
    if (startDetached(argv)) return true;
  }
  return false;
}

}  // namespace qv::os
