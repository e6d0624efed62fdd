// Profile (ini) files: reading values, rewriting one line while keeping all others, integers.

#include "platform/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>
#include <string>

#include "common/file_ops.h"
#include "common/text_file.h"
#include "tests/support/temp_dir.h"

using namespace spinfolio;
using spinfolio::test::ReadFile;
using spinfolio::test::TempDir;
using spinfolio::test::WriteFile;

namespace {

// A file with a comment, blank lines, an unknown key, a line without "=" and LF-only breaks
// after the first section, so that a rewrite shows what it keeps.
constexpr const char* kSample =
    "; Spinfolio settings\r\n"
    "\r\n"
    "[Main]\r\n"
    "Name = \"Disc One\" \r\n"
    "Count=12\r\n"
    "; inner comment\r\n"
    "NoEqualsHere\r\n"
    "Unknown=kept as is\r\n"
    "\r\n"
    "[Other]\n"
    "Count=99\n";

TEST(IniFileTest, MatchesSectionsAndKeysWithoutRegardToCase) {
  TempDir dir;
  WriteFile(dir / "s.ini", kSample);
  const IniFile ini(dir / "s.ini");
  EXPECT_EQ(ini.readValue("main", "COUNT"), "12");
  EXPECT_EQ(ini.readValue("MAIN", "count"), "12");
  EXPECT_EQ(ini.readValue("oThEr", "cOuNt"), "99");
  EXPECT_EQ(ini.readValue("Main", "Missing"), std::nullopt);
  EXPECT_EQ(ini.readValue("Missing", "Count"), std::nullopt);
  // A key is found only in its own section.
  EXPECT_EQ(ini.readValue("Main", "Other"), std::nullopt);
}

TEST(IniFileTest, ValuesComeBackTrimmedWithQuotesKept) {
  TempDir dir;
  WriteFile(dir / "s.ini", "[S]\r\n  Name\t=  \"Disc One\" \t\r\nEmpty=\r\nSpaced= a  b \r\n");
  const IniFile ini(dir / "s.ini");
  EXPECT_EQ(ini.readValue("S", "Name"), "\"Disc One\"");
  EXPECT_EQ(ini.readValue("S", "Empty"), "");
  EXPECT_EQ(ini.readString("S", "Spaced", "fallback"), "a  b");
  EXPECT_EQ(ini.readString("S", "Missing", "fallback"), "fallback");
  EXPECT_EQ(ini.readString("Missing", "Name", ""), "");
}

TEST(IniFileTest, MissingFileReadsAsEmpty) {
  TempDir dir;
  const IniFile ini(dir / "missing.ini");
  EXPECT_EQ(ini.readValue("S", "k"), std::nullopt);
  EXPECT_EQ(ini.readInteger("S", "k", 7), 7);
  EXPECT_FALSE(ini.sectionExists("S"));
  EXPECT_FALSE(PathExists(dir / "missing.ini"));
}

TEST(IniFileTest, WriteReplacesOnlyItsKeysLine) {
  TempDir dir;
  WriteFile(dir / "s.ini", kSample);
  IniFile ini(dir / "s.ini");
  ini.writeString("Main", "Count", "13");
  EXPECT_EQ(ReadFile(dir / "s.ini"),
            "; Spinfolio settings\r\n"
            "\r\n"
            "[Main]\r\n"
            "Name = \"Disc One\" \r\n"
            "Count=13\r\n"
            "; inner comment\r\n"
            "NoEqualsHere\r\n"
            "Unknown=kept as is\r\n"
            "\r\n"
            "[Other]\r\n"
            "Count=99\r\n");
}

TEST(IniFileTest, WriteWithOtherCaseReplacesTheExistingKey) {
  TempDir dir;
  WriteFile(dir / "s.ini", "[Main]\r\nCount=12\r\n[Other]\r\nCount=99\r\n");
  IniFile ini(dir / "s.ini");
  ini.writeInteger("MAIN", "COUNT", 13);
  EXPECT_EQ(ini.readInteger("Main", "Count", -1), 13);
  EXPECT_EQ(ini.readInteger("Other", "Count", -1), 99);
  // Still four lines: the key was replaced, not added.
  EXPECT_EQ(SplitLines(ReadFile(dir / "s.ini")).size(), 4u);
}

TEST(IniFileTest, NewKeyGoesToTheEndOfItsSectionBeforeTheBlankLines) {
  TempDir dir;
  WriteFile(dir / "s.ini", kSample);
  IniFile ini(dir / "s.ini");
  ini.writeString("main", "Added", "x y");
  EXPECT_EQ(ReadFile(dir / "s.ini"),
            "; Spinfolio settings\r\n"
            "\r\n"
            "[Main]\r\n"
            "Name = \"Disc One\" \r\n"
            "Count=12\r\n"
            "; inner comment\r\n"
            "NoEqualsHere\r\n"
            "Unknown=kept as is\r\n"
            "Added=x y\r\n"
            "\r\n"
            "[Other]\r\n"
            "Count=99\r\n");
}

TEST(IniFileTest, NewKeyInTheLastSectionAndNewSectionAreAppended) {
  TempDir dir;
  WriteFile(dir / "s.ini", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
  IniFile ini(dir / "s.ini");
  ini.writeString("B", "z", "3");
  ini.writeString("C", "w", "4");
  EXPECT_EQ(ReadFile(dir / "s.ini"), "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\nz=3\r\n[C]\r\nw=4\r\n");
}

TEST(IniFileTest, NewKeyInAnEmptySectionFollowsItsHeader) {
  TempDir dir;
  WriteFile(dir / "s.ini", "[Empty]\r\n\r\n[Next]\r\nk=v\r\n");
  IniFile ini(dir / "s.ini");
  ini.writeString("Empty", "k", "1");
  EXPECT_EQ(ReadFile(dir / "s.ini"), "[Empty]\r\nk=1\r\n\r\n[Next]\r\nk=v\r\n");
}

TEST(IniFileTest, TwoWritesToANewFileGiveCrLfLines) {
  TempDir dir;
  IniFile ini(dir / "new.ini");
  ini.writeString("Window", "Left", "10");
  ini.writeBool("Window", "Maximized", true);
  EXPECT_EQ(ReadFile(dir / "new.ini"), "[Window]\r\nLeft=10\r\nMaximized=1\r\n");
}

TEST(IniFileTest, EraseSectionRemovesTheSectionAndNothingElse) {
  TempDir dir;
  WriteFile(dir / "s.ini", "; top\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\nz=3\r\n\r\n[C]\r\nw=4\r\n");
  IniFile ini(dir / "s.ini");
  ini.eraseSection("b");
  EXPECT_EQ(ReadFile(dir / "s.ini"), "; top\r\n[A]\r\nx=1\r\n\r\n[C]\r\nw=4\r\n");
  EXPECT_FALSE(ini.sectionExists("B"));

  ini.eraseSection("C");
  EXPECT_EQ(ReadFile(dir / "s.ini"), "; top\r\n[A]\r\nx=1\r\n\r\n");
}

TEST(IniFileTest, EraseOfAMissingSectionChangesNothing) {
  TempDir dir;
  WriteFile(dir / "s.ini", "[A]\nx=1\n");
  IniFile ini(dir / "s.ini");
  ini.eraseSection("Missing");
  EXPECT_EQ(ReadFile(dir / "s.ini"), "[A]\nx=1\n");

  IniFile absent(dir / "absent.ini");
  absent.eraseSection("A");
  EXPECT_FALSE(PathExists(dir / "absent.ini"));
}

TEST(IniFileTest, SectionExistsOnlyWithAKey) {
  TempDir dir;
  WriteFile(
      dir / "s.ini",
      "[NoKeys]\r\n; comment\r\nplain line\r\n\r\n[EmptyValue]\r\nk=\r\n[ Spaced ]\r\nk=1\r\n");
  const IniFile ini(dir / "s.ini");
  EXPECT_FALSE(ini.sectionExists("NoKeys"));
  EXPECT_TRUE(ini.sectionExists("emptyvalue"));
  EXPECT_TRUE(ini.sectionExists("Spaced"));
  EXPECT_FALSE(ini.sectionExists("Missing"));
}

struct IntegerValueCase {
  const char* name;
  const char* value;
  int expected;
};

class ReadIntegerTest : public ::testing::TestWithParam<IntegerValueCase> {};

TEST_P(ReadIntegerTest, ReadsTheValueOrGivesTheFallback) {
  const auto& c = GetParam();
  TempDir dir;
  WriteFile(dir / "s.ini", std::string("[S]\r\nk=") + c.value + "\r\n");
  EXPECT_EQ(IniFile(dir / "s.ini").readInteger("S", "k", -5), c.expected);
}

const IntegerValueCase kIntegerValueCases[] = {
    {"Decimal", "12", 12},
    {"Negative", "-3", -3},
    {"LowerHex", "0x1F", 31},
    {"UpperHex", "0XFF", 255},
    {"Blanks", " 7 ", 7},
    {"Empty", "", -5},
    {"Letters", "abc", -5},
    {"TrailingLetters", "12abc", -5},
    {"TooLarge", "99999999999", -5},
};

INSTANTIATE_TEST_SUITE_P(Values, ReadIntegerTest, ::testing::ValuesIn(kIntegerValueCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(IniFileTest, ReadIntegerOfAMissingKeyGivesTheFallback) {
  TempDir dir;
  WriteFile(dir / "s.ini", "[S]\r\nk=1\r\n");
  EXPECT_EQ(IniFile(dir / "s.ini").readInteger("S", "other", 42), 42);
}

TEST(IniFileTest, ReadBoolTakesAnyNonZeroIntegerAsTrue) {
  TempDir dir;
  WriteFile(dir / "s.ini", "[S]\r\nzero=0\r\ntwo=2\r\nletter=x\r\n");
  const IniFile ini(dir / "s.ini");
  EXPECT_FALSE(ini.readBool("S", "zero", true));
  EXPECT_TRUE(ini.readBool("S", "two", false));
  EXPECT_TRUE(ini.readBool("S", "letter", true));
  EXPECT_FALSE(ini.readBool("S", "letter", false));
  EXPECT_TRUE(ini.readBool("S", "missing", true));
}

TEST(IniFileTest, ReadOnlyFileMakesAWriteThrowAndStaysUnchanged) {
  TempDir dir;
  const std::string path = dir / "s.ini";
  WriteFile(path, "[S]\nk=1\n");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  IniFile ini(path);
  try {
    ini.writeString("S", "k", "2");
    FAIL() << "no IniWriteError";
  } catch (const IniWriteError& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to write to " + path);
  }
  EXPECT_THROW(ini.eraseSection("S"), IniWriteError);
  EXPECT_EQ(ReadFile(path), "[S]\nk=1\n");
}

TEST(IniFileTest, UnwritableFolderMakesAWriteThrow) {
  TempDir dir;
  WriteFile(dir / "plain", "x");
  IniFile ini(dir / "plain/s.ini");
  EXPECT_THROW(ini.writeString("S", "k", "1"), IniWriteError);
}

struct ParseCase {
  const char* name;
  std::string text;
  std::optional<int> value;
};

class ParseIntegerTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseIntegerTest, FollowsTheProfileIntegerRule) {
  const auto& c = GetParam();
  EXPECT_EQ(ParseInteger(c.text), c.value);
}

const ParseCase kParseCases[] = {
    {"Zero", "0", 0},
    {"LeadingZeros", "007", 7},
    {"Plus", "+4", 4},
    {"Minus", "-3", -3},
    {"BlanksAndTabs", " \t7\t ", 7},
    {"Hex", "0x1f", 31},
    {"DollarHex", "$1F", 31},
    {"NegativeHex", "-0x10", -16},
    {"HexBitPattern", "0xFFFFFFFF", -1},
    {"HexHighBit", "0x80000000", INT_MIN},
    {"HexTooLarge", "0x100000000", std::nullopt},
    {"Largest", "2147483647", INT_MAX},
    {"Smallest", "-2147483648", INT_MIN},
    {"AboveLargest", "2147483648", std::nullopt},
    {"BelowSmallest", "-2147483649", std::nullopt},
    {"Empty", "", std::nullopt},
    {"OnlySign", "-", std::nullopt},
    {"OnlyHexPrefix", "0x", std::nullopt},
    {"OnlyDollar", "$", std::nullopt},
    {"TwoSigns", "--1", std::nullopt},
    {"SignAfterPrefix", "0x-1", std::nullopt},
    {"InnerBlank", "1 2", std::nullopt},
    {"TrailingLetters", "12abc", std::nullopt},
    {"BadHexDigit", "0x1G", std::nullopt},
    {"Decimal", "1.5", std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Texts, ParseIntegerTest, ::testing::ValuesIn(kParseCases),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
