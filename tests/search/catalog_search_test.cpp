// The search rule on its own: which discs a query finds, checked against the searched text built
// the plain way, over fixed edge cases and random catalogs in three code pages.

#include "browse/catalog_search.h"

#include <gtest/gtest.h>

#include <QString>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "catalog/reading_rules.h"
#include "common/text_file.h"
#include "tests/support/temp_dir.h"

namespace spinfolio::test {
namespace {

constexpr SearchScopes kContent{.content = true};
constexpr SearchScopes kEverything{.titles = true, .content = true, .descriptions = true};

// The discs of a catalog folder: their entries, and what the test writes of their files.
struct Catalog {
  TempDir folder;
  Lines entries;

  void write(const std::string& name, std::string_view bytes) const {
    WriteFile(folder / name, bytes);
  }
  std::vector<int> search(std::string_view query, SearchScopes scopes,
                          const CodePage& codePage = CodePage::System()) const {
    return SearchCatalog({.catalogFolder = folder.path(),
                          .discEntries = entries,
                          .discCount = static_cast<int>(entries.size()),
                          .scopes = scopes,
                          .query = query,
                          .codePage = codePage});
  }
};

// The searched text of a disc, built line by line as it is defined.
std::string PlainText(const Catalog& catalog, int disc, SearchScopes scopes) {
  std::string text;
  const auto add = [&text](std::string_view line) {
    text += line;
    text += "\r\n";
  };
  const std::string number = std::to_string(disc);
  if (scopes.content) {
    for (const auto& line : ReadLinesOrEmpty(catalog.folder / ("cd" + number))) {
      add(TagValue(line, "<n>"));
    }
  }
  if (scopes.titles) add(TagValue(catalog.entries[static_cast<std::size_t>(disc)], "<n>"));
  if (scopes.descriptions) {
    for (const auto& line : ReadLinesOrEmpty(catalog.folder / ("op" + number))) add(line);
  }
  return text;
}

std::vector<int> PlainSearch(const Catalog& catalog, std::string_view query, SearchScopes scopes,
                             const CodePage& codePage) {
  std::vector<int> found;
  for (int disc = 0; disc < static_cast<int>(catalog.entries.size()); ++disc) {
    if (codePage.lower(PlainText(catalog, disc, scopes)).find(query) != std::string::npos) {
      found.push_back(disc);
    }
  }
  return found;
}

// Bytes as C escapes, for failure messages.
std::string Shown(std::string_view bytes) {
  std::string shown;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && c != '\\') {
      shown += c;
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      shown += escaped;
    }
  }
  return shown;
}

// One content line of disc 0 and whether a content search for the query finds it.
struct ContentCase {
  const char* name;
  const char* line;
  const char* query;
  bool found;

  friend void PrintTo(const ContentCase& c, std::ostream* out) { *out << c.name; }
};

class ContentLineTest : public ::testing::TestWithParam<ContentCase> {};

TEST_P(ContentLineTest, OnlyTheContentPathIsSearched) {
  const ContentCase& c = GetParam();
  Catalog catalog;
  catalog.entries = {"<n>Disc</n>"};
  catalog.write("cd0", std::string(c.line) + "\r\n");
  EXPECT_EQ(catalog.search(c.query, kContent), c.found ? std::vector<int>{0} : std::vector<int>{});
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ContentLineTest,
    ::testing::Values(ContentCase{"PathHolds", "<n>Docs\\kb123.txt</n><r>2.00 KB</r>", "kb", true},
                      ContentCase{"SizeTextIsNotSearched", "<n>a.txt</n><r>1.50 KB</r>", "kb",
                                  false},
                      ContentCase{"LetterCaseIsIgnored", "<n>Music\\a.MP3</n>", "mp3", true},
                      ContentCase{"ClosingTagIsNotSearched", "<n>a</n><r>1 B</r>", "</n>", false},
                      ContentCase{"SecondPathIsNotThePath", "<n>a</n><n>kb</n>", "kb", false},
                      ContentCase{"TagInsideThePathCounts", "<n>a<n>kb</n>", "a<n>kb", true},
                      ContentCase{"ClosingTagBeforeOpening", "</n><n>kb</n>", "kb", false},
                      ContentCase{"NoClosingTag", "<n>kb", "kb", false},
                      ContentCase{"NoOpeningTag", "kb</n>", "kb", false},
                      ContentCase{"UpperCaseTagsAreNoTags", "<N>kb</N>", "kb", false},
                      ContentCase{"EmptyPath", "<n></n><r>kb</r>", "kb", false},
                      ContentCase{"PolishLettersAreLowered",
                                  "<n>ZA\xC5\xBB\xC3\x93\xC5\x81\xC4\x86.txt</n>",  // "ZAŻÓŁĆ.txt"
                                  "\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87", true}),       // "żółć"
    [](const ::testing::TestParamInfo<ContentCase>& param) {
      return std::string(param.param.name);
    });

TEST(CatalogSearchTest, AQueryWithALineBreakSpansThePiecesOfTheText) {
  Catalog catalog;
  catalog.entries = {"<n>Wakacje</n>", "<n>Inne</n>"};
  catalog.write("cd0", "<n>a.TXT</n><r>1 B</r>\r\n");
  catalog.write("op0", "Morze\n");
  catalog.write("cd1", "<n>a.txt</n>\r\n");
  EXPECT_EQ(catalog.search("a.txt\r\nwakacje\r\nmorze", kEverything), (std::vector<int>{0}));
  EXPECT_EQ(catalog.search("a.txt\r\nwakacje", kContent), std::vector<int>{});
  EXPECT_EQ(catalog.search("a.txt\r\n", kContent), (std::vector<int>{0, 1}));
}

TEST(CatalogSearchTest, AnEmptyCatalogFindsNothing) {
  const Catalog catalog;
  EXPECT_EQ(catalog.search("a", kEverything), std::vector<int>{});
}

TEST(CatalogSearchTest, FilesAreReadAfreshForEverySearch) {
  Catalog catalog;
  catalog.entries = {"<n>Disc</n>"};
  catalog.write("cd0", "<n>old.txt</n>\r\n");
  EXPECT_EQ(catalog.search("old", kContent), std::vector<int>{0});
  catalog.write("cd0", "<n>new.txt</n>\r\n");
  EXPECT_EQ(catalog.search("old", kContent), std::vector<int>{});
}

TEST(CatalogSearchTest, ProgressIsReportedAtMostOncePerInterval) {
  Catalog catalog;
  catalog.entries = Lines(5, "<n>Disc</n>");
  for (const auto& [interval, calls] : {std::pair{std::chrono::milliseconds(0), 5},
                                        std::pair{std::chrono::milliseconds(3600000), 0}}) {
    int called = 0;
    SearchCatalog({.catalogFolder = catalog.folder.path(),
                   .discEntries = catalog.entries,
                   .discCount = 5,
                   .scopes = kEverything,
                   .query = "x",
                   .progress = [&called] { ++called; },
                   .progressInterval = interval});
    EXPECT_EQ(called, calls) << interval.count() << " ms";
  }
}

// Random catalogs built from pieces that stress the rule: tags whole, broken and upper-case,
// size texts, letters that lower-case to other lengths, byte-order marks, bytes the code page
// cannot decode, and every kind of line break.
class SearchAgreementTest : public ::testing::TestWithParam<const char*> {
 protected:
  SearchAgreementTest() : codePage_(GetParam()) {
    for (const char* text :
         {"<n>",         "</n>",     "<N>",      "<r>",  "</r>", "1.50 KB", "kb",
          "Docs\\",      "a",        "B",        ".MP3", "mp3",  " ",       "\xC4\x84",  // Ą
          "\xC4\x85",    "\xC5\xBB", "\xC5\x82",                                         // ą Ż ł
          "\xCE\xA3",                                                                    // Σ
          "\xC4\xB0",         // İ, lowers to two
          "\xC8\xBA",         // Ⱥ, lowers longer
          "\xEF\xBB\xBF"}) {  // byte-order mark
      pieces_.push_back(codePage_.encode(QString::fromUtf8(text)));
    }
    for (const char* raw : RawPieces()) pieces_.emplace_back(raw);
  }

  // Bytes written as they stand: broken sequences, and characters whose second byte is ASCII.
  std::vector<const char*> RawPieces() const {
    const std::string name = codePage_.name();
    if (name == "CP1250") return {"\xA5", "\xB9", "\x81", "\xCA"};
    if (name == "SHIFT_JIS") return {"\x83\x41", "\x95\x5C", "\x82\x60", "\x82\x81", "\x83"};
    return {"\xC4", "\x80", "\xE2\x82", "\xEF\xBB\xBF", "\xEF\xBB\xBF\xC4\x84"};
  }

  std::string line() {
    std::string text;
    for (int n = pick(6); n > 0; --n) text += pieces_[pick(pieces_.size())];
    return text;
  }

  std::string file() {
    static constexpr std::array<const char*, 4> kBreaks = {"\r\n", "\r\n", "\n", "\r"};
    std::string bytes;
    for (int n = pick(5); n > 0; --n) bytes += line() + kBreaks[pick(kBreaks.size())];
    if (pick(4) == 0) bytes += line();  // no break after the last line
    return bytes;
  }

  void fill(Catalog& catalog) {
    const int discs = pick(5);
    for (int disc = 0; disc < discs; ++disc) {
      catalog.entries.push_back(pick(4) == 0 ? line() : "<n>" + line() + "</n>" + line());
      const std::string number = std::to_string(disc);
      if (pick(4) != 0) catalog.write("cd" + number, file());
      if (pick(2) != 0) catalog.write("op" + number, file());
    }
  }

  // Fixed queries, and pieces of the lowered text of a disc, which may span its line breaks.
  std::vector<std::string> queries(const Catalog& catalog) {
    std::vector<std::string> chosen = {"kb", "</n>", "<n>", "a", "mp3", "\r\n", "\r\n\xEF\xBB\xBF"};
    chosen.push_back(codePage_.encode(QString::fromUtf8("\xC4\x85")));  // ą
    for (int n = 0; n < 6 && !catalog.entries.empty(); ++n) {
      const std::string text =
          codePage_.lower(PlainText(catalog, pick(catalog.entries.size()), kEverything));
      if (text.empty()) continue;
      const std::size_t start = pick(text.size());
      chosen.push_back(text.substr(start, 1 + pick(6)));
    }
    return chosen;
  }

  template <typename Count>
  int pick(Count count) {
    return std::uniform_int_distribution<int>(0, static_cast<int>(count) - 1)(random_);
  }

  const CodePage codePage_;
  std::vector<std::string> pieces_;
  std::mt19937 random_{20240611};
};

TEST_P(SearchAgreementTest, FindsWhatTheLoweredJoinedTextHolds) {
  ASSERT_EQ(codePage_.name(), GetParam()) << "iconv lacks the code page";
  for (int round = 0; round < 60; ++round) {
    Catalog catalog;
    fill(catalog);
    for (const std::string& query : queries(catalog)) {
      for (int mask = 1; mask < 8; ++mask) {
        const SearchScopes scopes{
            .titles = (mask & 1) != 0, .content = (mask & 2) != 0, .descriptions = (mask & 4) != 0};
        ASSERT_EQ(catalog.search(query, scopes, codePage_),
                  PlainSearch(catalog, query, scopes, codePage_))
            << "round " << round << ", scopes " << mask << ", query \"" << Shown(query) << '"';
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(CodePages, SearchAgreementTest,
                         ::testing::Values("UTF-8", "CP1250", "SHIFT_JIS"),
                         [](const ::testing::TestParamInfo<const char*>& param) {
                           std::string name = param.param;
                           std::erase(name, '-');
                           return name;
                         });

}  // namespace
}  // namespace spinfolio::test
