// Comma text: how lists of items are written as one line and read back.

#include "common/comma_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace spinfolio;

namespace {

using Items = std::vector<std::string>;

struct WriteCase {
  const char* name;
  Items items;
  std::string text;
};

class ToCommaTextTest : public ::testing::TestWithParam<WriteCase> {};

// Every written text reads back as the items it came from.
TEST_P(ToCommaTextTest, WritesTheTextAndReadsItBack) {
  const auto& c = GetParam();
  EXPECT_EQ(ToCommaText(c.items), c.text);
  EXPECT_EQ(FromCommaText(c.text), c.items);
}

const WriteCase kWriteCases[] = {
    {"NoItems", {}, ""},
    {"Plain", {"a", "b"}, "a,b"},
    {"OneEmptyItem", {""}, "\"\""},
    {"EmptyLastItem", {"a", ""}, "a,"},
    {"EmptyFirstItem", {"", "a"}, ",a"},
    {"TwoEmptyItems", {"", ""}, ","},
    {"Blank", {"a b", "c"}, "\"a b\",c"},
    {"Quote", {"a\"b"}, "\"a\"\"b\""},
    {"OnlyAQuote", {"\""}, "\"\"\"\""},
    {"Comma", {"x,y", "z"}, "\"x,y\",z"},
    {"Tab", {"a\tb"}, "\"a\tb\""},
    {"CodeOne", {"a\x01"}, "\"a\x01\""},
    {"LeadingAndTrailingBlanks", {" a ", "b"}, "\" a \",b"},
    {"HighBytesNeedNoQuotes", {"za\xBF\xF3\xB3\xE6", "\x7F"}, "za\xBF\xF3\xB3\xE6,\x7F"},
    {"Paths", {"/media/cd rom/", "C:\\Disc"}, "\"/media/cd rom/\",C:\\Disc"},
};

INSTANTIATE_TEST_SUITE_P(Items, ToCommaTextTest, ::testing::ValuesIn(kWriteCases),
                         [](const auto& test) { return std::string(test.param.name); });

struct ReadCase {
  const char* name;
  std::string text;
  Items items;
};

class FromCommaTextTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(FromCommaTextTest, ReadsTheItems) {
  const auto& c = GetParam();
  EXPECT_EQ(FromCommaText(c.text), c.items);
}

const ReadCase kReadCases[] = {
    {"Empty", "", {}},
    {"OnlyBlanks", " \t ", {}},
    {"UnquotedBlankSeparates", "a b", {"a", "b"}},
    {"ControlCharacterSeparates", "a\001b", {"a", "b"}},
    {"CommaAtEndAddsEmptyItem", "a,", {"a", ""}},
    {"LeadingBlanksSkipped", "  \ta,b", {"a", "b"}},
    {"BlanksAroundCommaSkipped", "a , b", {"a", "b"}},
    {"QuotedCommaKept", "\"x,y\"", {"x,y"}},
    {"DoubledQuote", "\"a\"\"b\"", {"a\"b"}},
    {"ThreeEmptyItems", ",,", {"", "", ""}},
    {"EmptyQuotedItems", "\"\",\"\"", {"", ""}},
    // The comma is not the last character, so it adds no empty item.
    {"BlankAfterLastComma", "a, ", {"a"}},
    {"UnclosedQuoteRunsToEnd", "\"a,b", {"a,b"}},
    {"TextAfterClosingQuoteIsNextItem", "\"a\"b", {"a", "b"}},
    {"NulEndsText", std::string("a,b\0c", 5), {"a", "b"}},
};

INSTANTIATE_TEST_SUITE_P(Texts, FromCommaTextTest, ::testing::ValuesIn(kReadCases),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
