// platform/os/paths.h: the program folder, the shared data folder taken from
// XDG_DATA_DIRS, existence tests and whole-file reading.
#include "platform/os/paths.h"
#include "platform/os/regular_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "tests/os/temp_folder.h"

namespace qv::os {
namespace {

using test::ScopedEnv;
using test::TempFolder;

TEST(Paths, ProgramFolderIsTheFolderOfThisTest) {
  const std::string folder = programFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  EXPECT_TRUE(fileExists(folder + "os_paths_test"));
  const auto expected = std::filesystem::canonical(std::string(QV_BINARY_DIR) + "/bin");
  EXPECT_EQ(folder, expected.string() + "/");
}

struct XdgCase {
  const char* name;
  const char* value;  // nullptr: unset
  std::optional<std::string> folder;
};

void PrintTo(const XdgCase& c, std::ostream* out) {
  *out << c.name;
}

const XdgCase kXdgCases[] = {
    {"Unset", nullptr, "/usr/local/share"},
    {"Empty", "", "/usr/local/share"},
    {"EmptyFirstEntry", ":/usr/share", "/usr/local/share"},
    {"OnlyColon", ":", "/usr/local/share"},
    {"OneEntry", "/usr/share", "/usr/share"},
    {"FirstOfSeveral", "/opt/qv/share:/usr/local/share:/usr/share", "/opt/qv/share"},
    {"TrailingSlashDropped", "/opt/qv/share/:/usr/share", "/opt/qv/share"},
    {"TrailingSlashesDropped", "/opt/qv/share///", "/opt/qv/share"},
    {"Root", "/:/usr/share", "/"},
    {"BlanksKept", "/opt/Quorvel Data:/usr/share", "/opt/Quorvel Data"},
    {"RelativeIsInvalid", "share:/usr/share", std::nullopt},
};

class SharedDataFolder : public ::testing::TestWithParam<XdgCase> {};

TEST_P(SharedDataFolder, FromXdgDataDirs) {
  const XdgCase& c = GetParam();
  ScopedEnv env("XDG_DATA_DIRS", c.value);
  EXPECT_EQ(sharedDataFolder(), c.folder);
}

INSTANTIATE_TEST_SUITE_P(Cases, SharedDataFolder, ::testing::ValuesIn(kXdgCases),
                         [](const ::testing::TestParamInfo<XdgCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(Paths, FileExists) {
  TempFolder folder;
  const std::string file = folder.write("Dummy.htm", "");
  std::filesystem::create_directory(folder.file("sub"));
  std::filesystem::create_symlink(file, folder.file("link"));
  std::filesystem::create_symlink(folder.file("gone"), folder.file("dangling"));

  EXPECT_TRUE(fileExists(file)) << "an empty file is a file";
  EXPECT_TRUE(fileExists(folder.file("link")));
  EXPECT_FALSE(fileExists("/dev/null")) << "a device is no document";
  EXPECT_FALSE(fileExists(folder.file("sub")));
  EXPECT_FALSE(fileExists(folder.path()));
  EXPECT_FALSE(fileExists(folder.file("missing")));
  EXPECT_FALSE(fileExists(folder.file("dangling")));
  EXPECT_FALSE(fileExists(""));
}

TEST(Paths, FolderExists) {
  TempFolder folder;
  const std::string file = folder.write("a.txt", "x");
  std::filesystem::create_directory(folder.file("sub"));
  std::filesystem::create_directory_symlink(folder.file("sub"), folder.file("sublink"));

  EXPECT_TRUE(folderExists(folder.path()));
  EXPECT_TRUE(folderExists(folder.path() + "/"));
  EXPECT_TRUE(folderExists(folder.file("sub")));
  EXPECT_TRUE(folderExists(folder.file("sublink")));
  EXPECT_FALSE(folderExists(file));
  EXPECT_FALSE(folderExists(folder.file("missing")));
  EXPECT_FALSE(folderExists(""));
}

TEST(Paths, ReadWholeFileWithoutTranslation) {
  TempFolder folder;
  const std::string bytes("a\r\nb\0c\rd\n", 10);
  EXPECT_EQ(readWholeFile(folder.write("bytes.bin", bytes)), bytes);
  EXPECT_EQ(readWholeFile(folder.write("empty.txt", "")), "");
  const std::string big(300000, 'q');
  EXPECT_EQ(readWholeFile(folder.write("big.txt", big)), big);
}

TEST(Paths, ReadWholeFileFailures) {
  TempFolder folder;
  EXPECT_EQ(readWholeFile(folder.file("missing")), std::nullopt);
  EXPECT_EQ(readWholeFile(folder.path()), std::nullopt) << "a folder is no file";
  if (::geteuid() != 0) {  // root reads anything
    const std::string locked = folder.write("locked.txt", "secret");
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    EXPECT_EQ(readWholeFile(locked), std::nullopt);
  }
  const std::string big = folder.write("big.txt", std::string(1001, 'x'));
  errno = 0;
  EXPECT_EQ(readWholeFile(big, 1000), std::nullopt) << "over the limit";
  EXPECT_EQ(errno, EFBIG);
  EXPECT_EQ(readWholeFile(big, 1001)->size(), 1001u);
}

TEST(Paths, SameFileThroughLinks) {
  TempFolder folder;
  const std::string file = folder.write("t.vbt", "x");
  const std::string other = folder.write("u.vbt", "x");
  std::filesystem::create_symlink(file, folder.file("soft.vbt"));
  std::filesystem::create_hard_link(file, folder.file("hard.vbt"));
  EXPECT_TRUE(sameFile(file, file));
  EXPECT_TRUE(sameFile(file, folder.file("soft.vbt")));
  EXPECT_TRUE(sameFile(folder.file("hard.vbt"), file));
  EXPECT_TRUE(sameFile(file, folder.path() + "/./t.vbt"));
  EXPECT_FALSE(sameFile(file, other)) << "the same content is another file";
  EXPECT_FALSE(sameFile(file, folder.file("missing")));
  EXPECT_FALSE(sameFile(folder.file("missing"), folder.file("missing")));
}

}  // namespace
}  // namespace qv::os
