// --help and --version read from the first argument only, with getopt_long.
#include "platform/base/standard_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/build_info.h"

namespace qv {
namespace {

StandardOption read(std::vector<std::string> args) {
  args.insert(args.begin(), "prog");
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  return readStandardOption(static_cast<int>(args.size()), argv.data());
}

TEST(StandardOptions, OnlyAFirstArgumentBeginningWithTwoDashesIsAnOption) {
  struct Case {
    std::vector<std::string> args;
    StandardOption expected;
  };
  const Case cases[] = {
      {{}, StandardOption::None},
      {{""}, StandardOption::None},
      {{"script.vbs"}, StandardOption::None},
      {{"./--help"}, StandardOption::None},
      {{"-h"}, StandardOption::None},
      {{"-"}, StandardOption::None},
      {{" --help"}, StandardOption::None},
      {{"server,8080,RecConsoleStatus.qvp"}, StandardOption::None},
      {{"script.vbs", "--help"}, StandardOption::None},
      {{"--help"}, StandardOption::Help},
      {{"--help", "--version"}, StandardOption::Help},
      {{"--version"}, StandardOption::Version},
      {{"--version", "x.vbs"}, StandardOption::Version},
      {{"--vers"}, StandardOption::Version},
      {{"--h"}, StandardOption::Help},
      {{"--"}, StandardOption::Invalid},
      {{"--", "x.vbs"}, StandardOption::Invalid},
      {{"--name.vbs"}, StandardOption::Invalid},
      {{"--help=yes"}, StandardOption::Invalid},
      {{"--HELP"}, StandardOption::Invalid},
  };
  for (const Case& c : cases) {
    std::string joined;
    for (const std::string& a : c.args) joined += "[" + a + "]";
    SCOPED_TRACE(joined);
    EXPECT_EQ(read(c.args), c.expected);
    EXPECT_EQ(read(c.args), c.expected) << "a second reading starts afresh";
  }
}

TEST(StandardOptions, VersionTextNamesProgramPackageAndVersion) {
  EXPECT_EQ(versionText("qvbrowser"),
            std::string("qvbrowser (quorvel-tools) ") + build::kVersion + "\n");
  EXPECT_NE(std::string(build::kVersion).find('.'), std::string::npos);
}

}  // namespace
}  // namespace qv
