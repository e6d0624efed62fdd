// Text files: how bytes split into lines, how lines are written, and what a failed write leaves.

#include "common/text_file.h"

#include <gtest/gtest.h>

#include <string>

#include "common/file_ops.h"
#include "tests/support/temp_dir.h"

using namespace spinfolio;
using spinfolio::test::ReadFile;
using spinfolio::test::TempDir;
using spinfolio::test::WriteFile;

namespace {

struct SplitCase {
  const char* name;
  std::string bytes;
  Lines lines;
};

class SplitLinesTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLinesTest, SplitsBytesAndReadsFileAlike) {
  const auto& c = GetParam();
  EXPECT_EQ(SplitLines(c.bytes), c.lines);

  TempDir dir;
  WriteFile(dir / "file.txt", c.bytes);
  const auto read = ReadLines(dir / "file.txt");
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(*read, c.lines);
}

const SplitCase kSplitCases[] = {
    {"CrLf", "a\r\nb\r\n", {"a", "b"}},
    {"LoneLf", "a\nb\n", {"a", "b"}},
    {"LoneCr", "a\rb\r", {"a", "b"}},
    {"Mixed", "a\r\nb\nc\rd\r\n", {"a", "b", "c", "d"}},
    {"LfThenCrIsTwoBreaks", "a\n\rb", {"a", "", "b"}},
    {"NoFinalBreak", "a\r\nb", {"a", "b"}},
    {"EmptyFile", "", {}},
    {"OnlyOneBreak", "\r\n", {""}},
    {"TwoEmptyLines", "\r\n\r\n", {"", ""}},
    {"InnerEmptyLine", "a\r\n\r\nb\r\n", {"a", "", "b"}},
    {"BlanksNotTrimmed", "  a \t\r\n\t\r\n", {"  a \t", "\t"}},
    {"LoneCrBeforeCrLfAtEnd", "a\r\r\n", {"a", ""}},
    {"HighBytesKept",
     "za\xBF\xF3\xB3\xE6\r\n\xC4\x85\xFF\r\n",
     {"za\xBF\xF3\xB3\xE6", "\xC4\x85\xFF"}},
};

INSTANTIATE_TEST_SUITE_P(Breaks, SplitLinesTest, ::testing::ValuesIn(kSplitCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(WriteLinesTest, WritesEveryLineWithCrLfAndNoBom) {
  TempDir dir;
  ASSERT_FALSE(WriteLines(dir / "out.txt", {"line1", "line2"}));
  EXPECT_EQ(ReadFile(dir / "out.txt"), "line1\r\nline2\r\n");

  ASSERT_FALSE(WriteLines(dir / "utf8.txt", {"\xC4\x84"}));
  EXPECT_EQ(ReadFile(dir / "utf8.txt"), "\xC4\x84\r\n");
}

TEST(WriteLinesTest, NoLinesGiveAnEmptyFile) {
  TempDir dir;
  ASSERT_FALSE(WriteLines(dir / "out.txt", {}));
  EXPECT_TRUE(FileExists(dir / "out.txt"));
  EXPECT_EQ(ReadFile(dir / "out.txt"), "");
}

TEST(WriteLinesTest, RoundTripsLinesWithBlanksEmptyLinesAndHighBytes) {
  TempDir dir;
  const Lines lines = {"  first ", "", "\t", "\xA5\xB9\xFF", "", "last"};
  ASSERT_FALSE(WriteLines(dir / "out.txt", lines));
  EXPECT_EQ(ReadLines(dir / "out.txt"), lines);
}

TEST(WriteLinesTest, ReplacesAnExistingFileAndLeavesNoTemporary) {
  TempDir dir;
  WriteFile(dir / "out.txt", "a much longer old content\nwith\nseveral\nlines\n");
  ASSERT_FALSE(WriteLines(dir / "out.txt", {"new"}));
  EXPECT_EQ(ReadFile(dir / "out.txt"), "new\r\n");
  EXPECT_FALSE(PathExists(dir / "out.txt.~writing"));
}

TEST(WriteLinesTest, MissingFolderGivesAnErrorAndCreatesNothing) {
  TempDir dir;
  const auto error = WriteLines(dir / "missing/out.txt", {"x"});
  EXPECT_EQ(error, std::errc::no_such_file_or_directory);
  EXPECT_FALSE(PathExists(dir / "missing"));
}

TEST(WriteLinesTest, FolderPartThatIsAFileGivesAnError) {
  TempDir dir;
  WriteFile(dir / "plain", "keep\r\n");
  const auto error = WriteLines(dir / "plain/out.txt", {"x"});
  EXPECT_EQ(error, std::errc::not_a_directory);
  EXPECT_EQ(ReadFile(dir / "plain"), "keep\r\n");
}

// The temporary file cannot be created (its name is taken by a folder), which fails for root too.
TEST(WriteLinesTest, FailedWriteLeavesTheOldFileWhole) {
  TempDir dir;
  WriteFile(dir / "out.txt", "old1\r\nold2\r\n");
  ASSERT_FALSE(MakeFolders(dir / "out.txt.~writing"));
  EXPECT_TRUE(WriteLines(dir / "out.txt", {"new"}));
  EXPECT_EQ(ReadFile(dir / "out.txt"), "old1\r\nold2\r\n");
}

// The bytes are written but cannot be renamed over the target (a folder): no temporary remains.
TEST(WriteLinesTest, FailedRenameRemovesTheTemporary) {
  TempDir dir;
  WriteFile(dir / "target/inside.txt", "x");
  EXPECT_TRUE(WriteLines(dir / "target", {"new"}));
  EXPECT_FALSE(PathExists(dir / "target.~writing"));
  EXPECT_EQ(ReadFile(dir / "target/inside.txt"), "x");
}

TEST(ReadFirstLineTest, ReadsAFirstLineLongerThanOneChunk) {
  TempDir dir;
  const std::string first(10000, 'x');
  WriteFile(dir / "big.txt", first + "\r\nsecond\r\n");
  EXPECT_EQ(ReadFirstLine(dir / "big.txt"), first);

  WriteFile(dir / "lf.txt", "one\ntwo\n");
  EXPECT_EQ(ReadFirstLine(dir / "lf.txt"), "one");
  WriteFile(dir / "cr.txt", "one\rtwo");
  EXPECT_EQ(ReadFirstLine(dir / "cr.txt"), "one");
  WriteFile(dir / "nobreak.txt", "only");
  EXPECT_EQ(ReadFirstLine(dir / "nobreak.txt"), "only");
}

TEST(ReadFirstLineTest, EmptyFileGivesAnEmptyLine) {
  TempDir dir;
  WriteFile(dir / "empty.txt", "");
  EXPECT_EQ(ReadFirstLine(dir / "empty.txt"), std::optional<std::string>(""));
}

TEST(ReadLinesTest, MissingOrUnreadableFileGivesNothing) {
  TempDir dir;
  EXPECT_EQ(ReadLines(dir / "missing.txt"), std::nullopt);
  EXPECT_TRUE(ReadLinesOrEmpty(dir / "missing.txt").empty());
  EXPECT_EQ(ReadFirstLine(dir / "missing.txt"), std::nullopt);
  EXPECT_EQ(ReadBytes(dir / "missing.txt"), std::nullopt);

  // A folder opens but cannot be read.
  ASSERT_FALSE(MakeFolders(dir / "folder"));
  EXPECT_EQ(ReadLines(dir / "folder"), std::nullopt);
  EXPECT_TRUE(ReadLinesOrEmpty(dir / "folder").empty());
  EXPECT_EQ(ReadFirstLine(dir / "folder"), std::nullopt);
}

TEST(ReadBytesTest, ReadsAFileLargerThanItsFirstBuffer) {
  TempDir dir;
  std::string bytes;
  for (int i = 0; i < 200000; ++i) bytes += static_cast<char>(i % 251);
  WriteFile(dir / "big.bin", bytes);
  EXPECT_EQ(ReadBytes(dir / "big.bin"), bytes);
}

}  // namespace
