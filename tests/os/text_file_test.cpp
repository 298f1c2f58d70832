// Windows text-mode semantics of platform/os/text_file.h, as one table of
// byte-exact cases, and the reporting of failed writes.
#include "platform/os/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <iterator>

#include <ostream>
#include <string>
#include <vector>

#include "platform/os/paths.h"
#include "tests/os/file_size_limit.h"
#include "tests/os/temp_folder.h"

namespace qv::os {
namespace {

using test::TempFolder;

constexpr std::size_t kBuf = TextReader::kBufferSize;

enum class Direction { Read, Write };

// Read: the file holds `bytes`; readLine with `capacity` gives `texts`.
// Write: `texts` written one after the other give the file `bytes`.
struct TextCase {
  const char* name;
  Direction direction;
  std::size_t capacity;
  std::string bytes;
  std::vector<std::string> texts;
};

// Shown as its name where the test reports the case.
void PrintTo(const TextCase& c, std::ostream* out) {
  *out << c.name;
}

std::string xs(std::size_t n) {
  return std::string(n, 'x');
}

const TextCase kCases[] = {
    // ---- reading
    {"ReadCrLfAsLf", Direction::Read, 2000, "a\r\nb\r\n", {"a\n", "b\n"}},
    {"ReadLfAsLf", Direction::Read, 2000, "a\nb\n", {"a\n", "b\n"}},
    {"ReadLoneCrKept", Direction::Read, 2000, "a\rb\r\nc\r", {"a\rb\n", "c\r"}},
    {"ReadCrCrLfKeepsFirstCr", Direction::Read, 2000, "a\r\r\nb", {"a\r\n", "b"}},
    {"ReadCrLfCrLf", Direction::Read, 2000, "\r\n\r\n", {"\n", "\n"}},
    {"ReadNoFinalLineFeed", Direction::Read, 2000, "a\nlast", {"a\n", "last"}},
    {"ReadEmptyFile", Direction::Read, 2000, "", {}},
    {"ReadLongLineAsSeveral", Direction::Read, 5, "abcdefghij\n", {"abcd", "efgh", "ij\n"}},
    {"ReadLineOfExactlyCapacityMinusOne", Direction::Read, 4, "abc\nd", {"abc", "\n", "d"}},
    {"ReadCapacityCountsTranslatedBytes", Direction::Read, 5, "abc\r\nd", {"abc\n", "d"}},
    {"ReadCrLfAtTheCut", Direction::Read, 4, "ab\r\ncd", {"ab\n", "cd"}},
    {"ReadCutBeforeCrLf", Direction::Read, 4, "abc\r\n", {"abc", "\n"}},
    {"ReadTemplateCapacity", Direction::Read, 2000, xs(2000) + "\r\n", {xs(1999), "x\n"}},
    {"ReadCrLfStraddlingBuffer",
     Direction::Read,
     2 * kBuf,
     xs(kBuf - 1) + "\r\nend",
     {xs(kBuf - 1) + "\n", "end"}},
    {"ReadCrLfStraddlingBufferAtCut",
     Direction::Read,
     kBuf + 1,
     xs(kBuf - 1) + "\r\n",
     {xs(kBuf - 1) + "\n"}},
    {"ReadCrLfStraddlingBufferShortLines", Direction::Read, 2000, xs(kBuf - 1) + "\r\n",
     [] {
       std::vector<std::string> lines;
       std::size_t left = kBuf - 1;
       for (; left > 1999; left -= 1999) lines.push_back(xs(1999));
       lines.push_back(xs(left) + "\n");
       return lines;
     }()},
    {"ReadLoneCrAtBufferEnd",
     Direction::Read,
     2 * kBuf,
     xs(kBuf - 1) + "\ry\n",
     {xs(kBuf - 1) + "\ry\n"}},
    {"ReadCrAtBufferEndAndFileEnd",
     Direction::Read,
     2 * kBuf,
     xs(kBuf - 1) + "\r",
     {xs(kBuf - 1) + "\r"}},
    {"ReadNulBytesKept",
     Direction::Read,
     2000,
     std::string("a\0b\r\n", 5),
     {std::string("a\0b\n", 4)}},
    // ---- writing
    {"WriteLfAsCrLf", Direction::Write, 0, "a\r\nb\r\n", {"a\n", "b\n"}},
    {"WriteTextWithoutLf", Direction::Write, 0, "abc", {"abc"}},
    {"WriteSeveralLfInOnePiece", Direction::Write, 0, "\r\n\r\nx\r\n", {"\n\nx\n"}},
    {"WriteCrLfKeptAsOnePair", Direction::Write, 0, "a\r\nb\r\n", {"a\r\nb\r\n"}},
    {"WriteCrLfSplitAcrossWrites", Direction::Write, 0, "a\r\nb", {"a\r", "\nb"}},
    {"WriteCrCrLfKeepsTheFirstCr", Direction::Write, 0, "a\r\r\n", {"a\r\r\n"}},
    {"WriteCrThenTextThenLf", Direction::Write, 0, "\rx\r\n", {"\r", "x\n"}},
    {"WriteLoneCrKept", Direction::Write, 0, "a\rb", {"a\rb"}},
    {"WriteNothing", Direction::Write, 0, "", {}},
    {"WritePiecesJoined", Direction::Write, 0, "ab\r\nc", {"a", "b", "\n", "c"}},
    {"WriteAcrossBuffer",
     Direction::Write,
     0,
     xs(kBuf - 1) + "\r\n" + xs(kBuf) + "\r\nz",
     {xs(kBuf - 1) + "\n", xs(kBuf) + "\n", "z"}},
};

class TextFile : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextFile, ByteExact) {
  const TextCase& c = GetParam();
  TempFolder folder;
  if (c.direction == Direction::Read) {
    const std::string path = folder.write("in.txt", c.bytes);
    auto reader = TextReader::open(path);
    ASSERT_NE(reader, nullptr);
    std::vector<std::string> lines;
    std::string line;
    while (reader->readLine(line, c.capacity)) lines.push_back(line);
    EXPECT_EQ(lines, c.texts);
    EXPECT_FALSE(reader->readLine(line, c.capacity)) << "the end of the file stays the end";
    EXPECT_EQ(line, "");
  } else {
    const std::string path = folder.file("out.txt");
    auto writer = TextWriter::open(path, TextWriter::Mode::Truncate);
    ASSERT_NE(writer, nullptr);
    for (const std::string& text : c.texts) EXPECT_TRUE(writer->write(text));
    EXPECT_TRUE(writer->close());
    EXPECT_EQ(readWholeFile(path), c.bytes);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, TextFile, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<TextCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(TextReader, MissingFileIsNull) {
  TempFolder folder;
  EXPECT_EQ(TextReader::open(folder.file("missing.txt")), nullptr);
}

TEST(TextReader, CapacityBelowTwoReadsNothing) {
  TempFolder folder;
  auto reader = TextReader::open(folder.write("in.txt", "abc\n"));
  ASSERT_NE(reader, nullptr);
  std::string line = "old";
  EXPECT_FALSE(reader->readLine(line, 1));
  EXPECT_EQ(line, "");
  EXPECT_FALSE(reader->readLine(line, 0));
  ASSERT_TRUE(reader->readLine(line, 10));
  EXPECT_EQ(line, "abc\n");
}

TEST(TextReader, LinesOfTheWrittenFileComeBack) {
  TempFolder folder;
  const std::string path = folder.file("round.txt");
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "line " + std::to_string(i) + "\n";
  {
    auto writer = TextWriter::open(path, TextWriter::Mode::Truncate);
    ASSERT_NE(writer, nullptr);
    ASSERT_TRUE(writer->write(text));
    ASSERT_TRUE(writer->close());
  }
  auto reader = TextReader::open(path);
  ASSERT_NE(reader, nullptr);
  std::string back, line;
  while (reader->readLine(line, 2000)) back += line;
  EXPECT_EQ(back, text);
}

TEST(TextWriter, AppendKeepsWhatIsThere) {
  TempFolder folder;
  const std::string path = folder.write("log.txt", "old\r\n");
  auto writer = TextWriter::open(path, TextWriter::Mode::Append);
  ASSERT_NE(writer, nullptr);
  EXPECT_TRUE(writer->write('n'));
  EXPECT_TRUE(writer->write('\n'));
  EXPECT_TRUE(writer->close());
  EXPECT_EQ(readWholeFile(path), "old\r\nn\r\n");
}

TEST(TextWriter, TruncateReplacesWhatIsThere) {
  TempFolder folder;
  const std::string path = folder.write("script.vbs", "old content\r\n");
  auto writer = TextWriter::open(path, TextWriter::Mode::Truncate);
  ASSERT_NE(writer, nullptr);
  EXPECT_TRUE(writer->write("new\n"));
  EXPECT_TRUE(writer->close());
  EXPECT_EQ(readWholeFile(path), "new\r\n");
}

TEST(TextWriter, FolderThatDoesNotExistIsNull) {
  TempFolder folder;
  EXPECT_EQ(TextWriter::open(folder.file("no/such/folder.txt"), TextWriter::Mode::Truncate),
            nullptr);
  EXPECT_EQ(TextWriter::open(folder.path(), TextWriter::Mode::Truncate), nullptr);
}

using qv::test::FileSizeLimit;

TEST(TextWriter, FullDiskReportedAtClose) {
  TempFolder folder;
  auto writer = TextWriter::open(folder.file("full.txt"), TextWriter::Mode::Truncate);
  ASSERT_NE(writer, nullptr);
  FileSizeLimit full(4);
  EXPECT_TRUE(writer->write("a short text\n"));  // still in the buffer
  EXPECT_FALSE(writer->close());
  EXPECT_TRUE(writer->failed());
  EXPECT_FALSE(writer->close()) << "close is idempotent";
  EXPECT_FALSE(writer->write("more"));
}

TEST(TextWriter, FullDiskReportedByWrite) {
  TempFolder folder;
  auto writer = TextWriter::open(folder.file("full.txt"), TextWriter::Mode::Append);
  ASSERT_NE(writer, nullptr);
  FileSizeLimit full(4);
  EXPECT_FALSE(writer->write(std::string(2 * TextWriter::kBufferSize, 'x')));
  EXPECT_TRUE(writer->failed());
  EXPECT_FALSE(writer->write("x")) << "false once any write has failed";
  EXPECT_FALSE(writer->close());
}

// What is not a regular file is refused at once: a FIFO would block the
// open, a device reads or swallows bytes without end.
TEST(TextFiles, OnlyRegularFilesOpenAndNothingBlocks) {
  TempFolder folder;
  const std::string fifo = folder.file("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  ::symlink("/dev/zero", folder.file("zero-link").c_str());
  for (const std::string& path : {fifo, std::string("/dev/zero"), std::string("/dev/full"),
                                  folder.file("zero-link"), folder.path()}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(TextReader::open(path), nullptr);
    for (auto mode :
         {TextWriter::Mode::Truncate, TextWriter::Mode::Append, TextWriter::Mode::Replace}) {
      EXPECT_EQ(TextWriter::open(path, mode), nullptr);
    }
    EXPECT_EQ(readWholeFile(path), std::nullopt);
    EXPECT_FALSE(fileExists(path));
  }
}

// /proc/self/mem is a regular file whose first page cannot be read (EIO).
TEST(TextReader, FailedReadIsNoEndOfFile) {
  auto reader = TextReader::open("/proc/self/mem");
  ASSERT_NE(reader, nullptr);
  std::string line = "old";
  EXPECT_FALSE(reader->readLine(line, 2000));
  EXPECT_TRUE(reader->failed());
  EXPECT_EQ(line, "");

  TempFolder folder;
  auto good = TextReader::open(folder.write("in.txt", "a\n"));
  ASSERT_NE(good, nullptr);
  while (good->readLine(line, 2000)) {
  }
  EXPECT_FALSE(good->failed()) << "the end of the file is no failure";
}

// ---- Replace: the target keeps what it held until the new file is whole.

TEST(TextWriterReplace, NewFileTakesThePlaceWithTheOldPermissions) {
  TempFolder folder;
  const std::string path = folder.write("script.vbs", "old\r\n");
  ::chmod(path.c_str(), 0751);
  auto writer = TextWriter::open(path, TextWriter::Mode::Replace);
  ASSERT_NE(writer, nullptr);
  EXPECT_TRUE(writer->write("new\n"));
  EXPECT_EQ(readWholeFile(path), "old\r\n") << "nothing changes before the close";
  EXPECT_TRUE(writer->close());
  EXPECT_EQ(readWholeFile(path), "new\r\n");
  struct stat st;
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0751u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1)
      << "no temporary file is left";
}

TEST(TextWriterReplace, LinkKeptAndItsFileReplaced) {
  TempFolder folder;
  const std::string real = folder.write("real.vbs", "old");
  const std::string link = folder.file("link.vbs");
  ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);
  auto writer = TextWriter::open(link, TextWriter::Mode::Replace);
  ASSERT_NE(writer, nullptr);
  EXPECT_TRUE(writer->write("new"));
  EXPECT_TRUE(writer->close());
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(readWholeFile(real), "new");
}

TEST(TextWriterReplace, FailureKeepsTheTargetAndLeavesNothing) {
  TempFolder folder;
  const std::string path = folder.write("script.vbs", "old");
  {
    auto writer = TextWriter::open(path, TextWriter::Mode::Replace);
    ASSERT_NE(writer, nullptr);
    FileSizeLimit full(16);
    EXPECT_FALSE(writer->write(std::string(2 * TextWriter::kBufferSize, 'x')));
    EXPECT_FALSE(writer->close());
  }
  {
    auto unclosed = TextWriter::open(path, TextWriter::Mode::Replace);
    ASSERT_NE(unclosed, nullptr);
    EXPECT_TRUE(unclosed->write("never closed"));
  }
  {
    auto absent = TextWriter::open(folder.file("new.vbs"), TextWriter::Mode::Replace);
    ASSERT_NE(absent, nullptr);
    FileSizeLimit full(1);
    absent->write("xx");
    EXPECT_FALSE(absent->close());
  }
  EXPECT_EQ(readWholeFile(path), "old");
  EXPECT_FALSE(std::filesystem::exists(folder.file("new.vbs"))) << "a missing target stays absent";
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(TextWriterReplace, MissingFolderOrUnwritableTargetIsNull) {
  TempFolder folder;
  EXPECT_EQ(TextWriter::open(folder.file("no/such/new.vbs"), TextWriter::Mode::Replace), nullptr);
  if (::geteuid() != 0) {  // root writes anything
    const std::string locked = folder.write("locked.vbs", "old");
    ::chmod(locked.c_str(), 0444);
    EXPECT_EQ(TextWriter::open(locked, TextWriter::Mode::Replace), nullptr);
  }
}

TEST(TextWriter, WriteAfterCloseFails) {
  TempFolder folder;
  auto writer = TextWriter::open(folder.file("x.txt"), TextWriter::Mode::Truncate);
  ASSERT_NE(writer, nullptr);
  EXPECT_TRUE(writer->close());
  EXPECT_TRUE(writer->close());
  EXPECT_FALSE(writer->write("late"));
  EXPECT_EQ(readWholeFile(folder.file("x.txt")), "");
}

TEST(TextWriter, DestructorWritesTheBuffer) {
  TempFolder folder;
  { TextWriter::open(folder.file("d.txt"), TextWriter::Mode::Truncate)->write("a\n"); }
  EXPECT_EQ(readWholeFile(folder.file("d.txt")), "a\r\n");
}

}  // namespace
}  // namespace qv::os
