// platform/os/paths.h: the program folder, the data folders (the
// installation's own, then XDG_DATA_DIRS), existence tests and whole-file
// reading.
#include "platform/os/paths.h"
#include "platform/os/regular_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

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

// The data folders: the installation's own (relative to the program
// folder) first, then XDG_DATA_DIRS in order.
struct XdgCase {
  const char* name;
  const char* value;  // nullptr: unset
  std::vector<std::string> folders;
};

void PrintTo(const XdgCase& c, std::ostream* out) {
  *out << c.name;
}

const XdgCase kXdgCases[] = {
    {"Unset", nullptr, {"/opt/qv/share", "/usr/local/share", "/usr/share"}},
    {"Empty", "", {"/opt/qv/share", "/usr/local/share", "/usr/share"}},
    {"OnlyColon", ":", {"/opt/qv/share"}},
    {"EmptyEntriesSkipped", ":/usr/share::", {"/opt/qv/share", "/usr/share"}},
    {"DesktopValueInOrder",
     "/usr/share/gnome:/usr/local/share:/usr/share",
     {"/opt/qv/share", "/usr/share/gnome", "/usr/local/share", "/usr/share"}},
    {"TrailingSlashesDropped",
     "/srv/data///:/usr/share/",
     {"/opt/qv/share", "/srv/data", "/usr/share"}},
    {"Root", "/:/usr/share", {"/opt/qv/share", "/", "/usr/share"}},
    {"BlanksKept", "/opt/Quorvel Data", {"/opt/qv/share", "/opt/Quorvel Data"}},
    {"RelativeEntriesAreInvalid", "share:./x:/usr/share", {"/opt/qv/share", "/usr/share"}},
    {"ARepeatKeepsItsFirstPlace",
     "/usr/share:/opt/qv/share:/usr/share/",
     {"/opt/qv/share", "/usr/share"}},
};

class DataFolders : public ::testing::TestWithParam<XdgCase> {};

TEST_P(DataFolders, InstallationFirstThenXdgDataDirs) {
  const XdgCase& c = GetParam();
  EXPECT_EQ(dataFolders("/opt/qv/bin/", c.value), c.folders);
}

INSTANTIATE_TEST_SUITE_P(Cases, DataFolders, ::testing::ValuesIn(kXdgCases),
                         [](const ::testing::TestParamInfo<XdgCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(Paths, DataFoldersWithoutAProgramFolderAreXdgDataDirsAlone) {
  EXPECT_EQ(dataFolders("", "/usr/share"), std::vector<std::string>{"/usr/share"});
}

TEST(Paths, DataFoldersOfThisProcessBeginWithTheBuildTreesShare) {
  ScopedEnv env("XDG_DATA_DIRS", nullptr);
  const std::vector<std::string> folders = dataFolders();
  ASSERT_EQ(folders.size(), 3u);
  EXPECT_EQ(folders[0],
            (std::filesystem::canonical(QV_BINARY_DIR "/bin").parent_path() / "share").string());
  EXPECT_EQ(folders[1], "/usr/local/share");
}

TEST(Paths, FindInFoldersTakesTheFirstFolderThatHasTheName) {
  TempFolder folder;
  folder.write("b/templates/x.vbt", "");
  folder.write("c/templates/y.vbt", "");
  folder.write("c/Dummy.htm", "");
  const std::vector<std::string> folders = {folder.file("a"), folder.file("b"), folder.file("c")};
  EXPECT_EQ(findInFolders(folders, "templates"), folder.file("b") + "/templates");
  EXPECT_EQ(findInFolders(folders, "Dummy.htm"), folder.file("c") + "/Dummy.htm");
  EXPECT_EQ(findInFolders(folders, "missing"), std::nullopt);
  EXPECT_EQ(findInFolders({}, "Dummy.htm"), std::nullopt);
}

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
