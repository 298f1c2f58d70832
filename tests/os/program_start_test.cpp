// platform/os/program_start.h and splitWindowsCommandLine: the Windows
// command-line rules, the table of Windows system programs, and real starts.
#include "platform/os/program_start.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/os/launcher.h"
#include "platform/os/paths.h"
#include "tests/os/temp_folder.h"

namespace qv::os {
namespace {

using test::ScopedEnv;
using test::TempFolder;
using Args = std::vector<std::string>;

// ------------------------------------------------------------ command lines

struct SplitCase {
  const char* commandLine;
  Args args;
};

void PrintTo(const SplitCase& c, std::ostream* out) {
  *out << "[";
  for (const char* p = c.commandLine; *p; ++p) *out << (*p == '\t' ? "\\t" : std::string(1, *p));
  *out << "]";
}

const SplitCase kSplitCases[] = {
    {R"(notepad.exe "C:\Scripts\My Script.vbs")", {"notepad.exe", R"(C:\Scripts\My Script.vbs)"}},
    {R"("C:\Program Files\Quorvel\p.exe" a b)", {R"(C:\Program Files\Quorvel\p.exe)", "a", "b"}},
    {"ODBCAD32.EXE", {"ODBCAD32.EXE"}},
    {"", {}},
    {" \t ", {}},
    {"  p  \t a   b  ", {"p", "a", "b"}},
    {R"(p "" b)", {"p", "", "b"}},
    {R"(p "")", {"p", ""}},
    {R"(p "" "")", {"p", "", ""}},
    {R"(p a"b c"d)", {"p", "ab cd"}},
    {R"(p "a b)", {"p", "a b"}},
    {R"(p a\b\\c)", {"p", R"(a\b\\c)"}},
    {R"(p a\\)", {"p", R"(a\\)"}},
    {R"(p \"a\")", {"p", R"("a")"}},
    {R"(p a\\\"b)", {"p", R"(a\"b)"}},
    {R"(p "a\\" b)", {"p", R"(a\)", "b"}},
    {R"(p "a\\\\" b)", {"p", R"(a\\)", "b"}},
    {R"(p "C:\x\\")", {"p", R"(C:\x\)"}},
    {R"(p "a""b")", {"p", R"(a"b)"}},
    {R"(p "a""b c")", {"p", R"(a"b c)"}},
    {R"(p a""b)", {"p", "ab"}},
    {R"(p a"""b)", {"p", R"(a"b)"}},
    {"p a\tb", {"p", "a", "b"}},
    // The program name: quotes switch quoting, backslashes are plain.
    {R"(C:\dir\"a b"\c.exe x)", {R"(C:\dir\a b\c.exe)", "x"}},
    {R"("C:\a\" b)", {R"(C:\a\)", "b"}},
    {R"("a b"c d)", {"a bc", "d"}},
    {R"(a\"b c)", {R"(a\b c)"}},
    {R"("" x)", {"", "x"}},
};

class SplitWindowsCommandLine : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitWindowsCommandLine, AsTheRunTime) {
  EXPECT_EQ(splitWindowsCommandLine(GetParam().commandLine), GetParam().args)
      << "command line: [" << GetParam().commandLine << "]";
}

INSTANTIATE_TEST_SUITE_P(Cases, SplitWindowsCommandLine, ::testing::ValuesIn(kSplitCases));

// ------------------------------------------------------------ program table

ProgramCandidate type(std::string contentType) {
  return {std::move(contentType), {}, {}};
}
ProgramCandidate program(Args argv, Args needs) {
  return {"", std::move(argv), std::move(needs)};
}

struct MapCase {
  const char* program;
  const char* visual;
  const char* editor;
  std::vector<ProgramCandidate> candidates;
};

void PrintTo(const MapCase& c, std::ostream* out) {
  std::string editor = c.editor;
  if (editor == "\t") editor = "\\t";
  *out << "[" << c.program << "] VISUAL=[" << c.visual << "] EDITOR=[" << editor << "]";
}

const ProgramCandidate kOdbcQ5 = program({"ODBCManageDataSourcesQ5"}, {"ODBCManageDataSourcesQ5"});
const ProgramCandidate kOdbcQ4 = program({"ODBCManageDataSourcesQ4"}, {"ODBCManageDataSourcesQ4"});

const MapCase kMapCases[] = {
    {"notepad.exe", "", "", {type("text/plain")}},
    {"NOTEPAD.EXE", "", "", {type("text/plain")}},
    {"Notepad", "", "", {type("text/plain")}},
    {R"(C:\Windows\System32\notepad.exe)", "", "", {type("text/plain")}},
    {"/mnt/c/Windows/notepad.exe", "", "", {type("text/plain")}},
    {"notepad.exe",
     "vim",
     "",
     {type("text/plain"),
      program({"x-terminal-emulator", "-e", "vim"}, {"x-terminal-emulator", "vim"})}},
    {"notepad.exe",
     "",
     "nano",
     {type("text/plain"),
      program({"x-terminal-emulator", "-e", "nano"}, {"x-terminal-emulator", "nano"})}},
    {"notepad.exe",
     "emacs -nw",
     " nano ",
     {type("text/plain"),
      program({"x-terminal-emulator", "-e", "emacs", "-nw"}, {"x-terminal-emulator", "emacs"}),
      program({"x-terminal-emulator", "-e", "nano"}, {"x-terminal-emulator", "nano"})}},
    {"notepad.exe", "  ", "\t", {type("text/plain")}},
    {"ODBCAD32.EXE", "vim", "nano", {kOdbcQ5, kOdbcQ4}},
    {"odbcad32", "", "", {kOdbcQ5, kOdbcQ4}},
    {R"(C:\WINDOWS\system32\odbcad32.exe)", "", "", {kOdbcQ5, kOdbcQ4}},
    {"notepad.com", "", "", {}},
    {"notepad.exe.exe", "", "", {}},
    {"mynotepad.exe", "", "", {}},
    {"notepad++.exe", "", "", {}},
    {"odbcad64.exe", "", "", {}},
    {"firefox", "vim", "", {}},
    {"", "", "", {}},
};

class ProgramTable : public ::testing::TestWithParam<MapCase> {};

TEST_P(ProgramTable, LinuxCounterparts) {
  const MapCase& c = GetParam();
  EXPECT_EQ(linuxCounterparts(c.program, c.visual, c.editor), c.candidates)
      << "program: [" << c.program << "]";
}

INSTANTIATE_TEST_SUITE_P(Cases, ProgramTable, ::testing::ValuesIn(kMapCases));

TEST(ProgramTable, SystemProgramNames) {
  EXPECT_EQ(windowsSystemProgram("notepad.exe"), SystemProgram::Notepad);
  EXPECT_EQ(windowsSystemProgram("ODBCAD32.EXE"), SystemProgram::OdbcAdministrator);
  EXPECT_EQ(windowsSystemProgram("cmd.exe"), SystemProgram::None);
}

// ------------------------------------------------------------ real starts

// A folder of small shell scripts standing for programs; each records its
// arguments, one a line, in "<name>.args" when it runs.
class ProgramFolder {
 public:
  std::string add(const std::string& name) {
    const std::string path = folder_.file("bin/" + name);
    const std::string record = folder_.file(name + ".args");
    folder_.write("bin/" + name, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + record + ".tmp' && mv '" +
                                     record + ".tmp' '" + record + "'\n");
    ::chmod(path.c_str(), 0755);
    return path;
  }
  std::string bin() const { return folder_.file("bin"); }

  // The arguments the program recorded, waiting up to five seconds.
  std::optional<std::string> recorded(const std::string& name) const {
    for (int i = 0; i < 500; ++i) {
      if (auto text = readWholeFile(folder_.file(name + ".args"))) return text;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return std::nullopt;
  }
  bool ran(const std::string& name) const { return fileExists(folder_.file(name + ".args")); }

 private:
  TempFolder folder_;
};

// The children of this process that have ended and were not waited for.
int zombieChildren() {
  int count = 0;
  const std::string self = std::to_string(::getpid());
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    if (!std::getline(stat, line)) continue;
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream rest(line.substr(close + 2));
    std::string state, ppid;
    rest >> state >> ppid;
    if (ppid == self && state == "Z") ++count;
  }
  return count;
}

TEST(ProgramStart, FindProgramOnPath) {
  ProgramFolder programs;
  const std::string tool = programs.add("qv-tool");
  ScopedEnv path("PATH", ("/nonexistent::" + programs.bin() + ":/usr/bin:/bin").c_str());
  EXPECT_EQ(findProgramOnPath("qv-tool"), tool);
  EXPECT_EQ(findProgramOnPath(tool), tool);
  EXPECT_EQ(findProgramOnPath("qv-no-such-program"), "");
  EXPECT_EQ(findProgramOnPath(""), "");
  EXPECT_EQ(findProgramOnPath(programs.bin()), "") << "a folder is no program";
  EXPECT_FALSE(findProgramOnPath("sh").empty());
}

TEST(ProgramStart, StartsAShortProgramWithoutZombies) {
  ASSERT_TRUE(startDetached({"sh", "-c", "exit 0"}));
  ASSERT_TRUE(startDetached({"true"}));
  for (int i = 0; i < 500 && zombieChildren() > 0; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_EQ(zombieChildren(), 0);
}

TEST(ProgramStart, ProgramThatDoesNotExistFails) {
  EXPECT_FALSE(startDetached({"qv-no-such-program"}));
  EXPECT_FALSE(startDetached({"/nonexistent/qv-no-such-program"}));
  EXPECT_FALSE(startDetached({}));
  EXPECT_FALSE(startWindowsCommandLine("qv-no-such-program.exe /x"));
  EXPECT_FALSE(startWindowsCommandLine(""));
  EXPECT_FALSE(startWindowsCommandLine("\"\" x"));
}

TEST(ProgramStart, NonExecutableFileFails) {
  TempFolder folder;
  EXPECT_FALSE(startDetached({folder.write("plain.txt", "not a program\n")}));
}

TEST(ProgramStart, WindowsCommandLineGivesTheArguments) {
  ProgramFolder programs;
  programs.add("qv tool");
  const std::string line =
      "\"" + programs.bin() + "/qv tool\" \"C:\\My Scripts\\a.vbs\" \"\" x\\\"y";
  ASSERT_TRUE(startWindowsCommandLine(line));
  EXPECT_EQ(programs.recorded("qv tool"), "C:\\My Scripts\\a.vbs\n\nx\"y\n");
}

TEST(ProgramStart, ProgramFoundOnPath) {
  ProgramFolder programs;
  programs.add("qv-tool");
  ScopedEnv path("PATH", (programs.bin() + ":/usr/bin:/bin").c_str());
  ASSERT_TRUE(startWindowsCommandLine("qv-tool one"));
  EXPECT_EQ(programs.recorded("qv-tool"), "one\n");
}

TEST(ProgramStart, OdbcAdministratorWhenInstalled) {
  ProgramFolder programs;
  programs.add("ODBCManageDataSourcesQ4");
  {
    ScopedEnv path("PATH", "/nonexistent");
    EXPECT_FALSE(startWindowsCommandLine("ODBCAD32.EXE")) << "none installed: fails";
  }
  ScopedEnv path("PATH", (programs.bin() + ":/usr/bin:/bin").c_str());
  ASSERT_TRUE(startWindowsCommandLine("ODBCAD32.EXE"));
  EXPECT_EQ(programs.recorded("ODBCManageDataSourcesQ4"), "\n");
}

TEST(ProgramStart, NotepadIsTheDefaultTextApplication) {
  std::string askedType;
  Args askedArgs;
  auto desktop = [&](std::string_view contentType, const Args& args) {
    askedType = contentType;
    askedArgs = args;
    return true;
  };
  ASSERT_TRUE(startWindowsCommandLine(R"(notepad.exe "C:\Scripts\New Script.vbs")", desktop));
  EXPECT_EQ(askedType, "text/plain");
  EXPECT_EQ(askedArgs, Args{R"(C:\Scripts\New Script.vbs)"});
}

TEST(ProgramStart, NotepadFallsBackToTheEditorInATerminal) {
  ProgramFolder programs;
  programs.add("x-terminal-emulator");
  programs.add("qv-editor");
  ScopedEnv path("PATH", (programs.bin() + ":/usr/bin:/bin").c_str());
  ScopedEnv visual("VISUAL", "qv-missing-editor --wait");
  ScopedEnv editor("EDITOR", "qv-editor -n");
  auto noDesktopApp = [](std::string_view, const Args&) { return false; };
  ASSERT_TRUE(startWindowsCommandLine("NOTEPAD.EXE /tmp/s.vbs", noDesktopApp));
  EXPECT_EQ(programs.recorded("x-terminal-emulator"), "-e\nqv-editor\n-n\n/tmp/s.vbs\n");
  EXPECT_FALSE(programs.ran("qv-editor")) << "the terminal runs it";
}

TEST(ProgramStart, NotepadWithoutAnyEditorFails) {
  ProgramFolder programs;
  programs.add("qv-editor");
  ScopedEnv path("PATH", programs.bin().c_str());
  ScopedEnv visual("VISUAL", nullptr);
  ScopedEnv editor("EDITOR", "qv-editor");
  // No terminal emulator on this PATH and no desktop: nothing can start.
  EXPECT_FALSE(startWindowsCommandLine("notepad.exe a.txt"));
  EXPECT_FALSE(programs.ran("qv-editor"));
}

}  // namespace
}  // namespace qv::os
