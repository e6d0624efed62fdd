#include "catalog/reading_rules.h"

#include <gtest/gtest.h>

#include "catalog/catalog_files.h"

namespace spinfolio {
namespace {

struct TagCase {
  const char* line;
  const char* tag;
  const char* value;
};

TEST(TagValue, TakesTheTextBetweenTheFirstTags) {
  const TagCase cases[] = {
      {"<f><n>Filmy</n><p><k>Adam</k>", "<k>", "Adam"},
      {"<f><n>Filmy</n><p><k>Adam</k>", "<n>", "Filmy"},
      {"<f><n>Filmy</n><p><k>Adam</k>", "<r>", ""},
      {"<n>Docs\\a.txt</n>", "<r>", ""},
      {"<n>Docs\\a.txt</n><r>1.50 KB</r>", "<r>", "1.50 KB"},
      {"<n>abc", "<n>", ""},
      {"<n></n>", "<n>", ""},
      // The closing tag is searched from the start of the line, not after the open tag.
      {"</n><n>x</n>", "<n>", ""},
      {"<n>a</n><n>b</n>", "<n>", "a"},
      {"x<pr><n> spaced </n>", "<n>", " spaced "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TagValue(c.line, c.tag), c.value) << c.line << " " << c.tag;
  }
}

TEST(DiscTypeOf, CountsOnlyATagOpeningTheEntry) {
  const std::pair<const char*, DiscType> cases[] = {
      {"<f><n>x</n>", DiscType::Movies},    {"<z><n>x</n>", DiscType::Photos},
      {"<pr><n>x</n>", DiscType::Programs}, {"<m><n>x</n>", DiscType::Music},
      {"<n>x</n>", DiscType::NotSet},       {"<n><f>x</n>", DiscType::NotSet},
      {" <f><n>x</n>", DiscType::NotSet},   {"", DiscType::NotSet},
  };
  for (const auto& [entry, type] : cases) EXPECT_EQ(DiscTypeOf(entry), type) << entry;
}

TEST(IsLent, TheLentMarkMustFollowTheName) {
  const std::pair<const char*, bool> cases[] = {
      {"<n>Koncert</n><p>", true},
      {"<f><n>Filmy 3</n><p><k>Adam</k>", true},
      {"<n>Koncert</n>", false},
      {"<n>a<p>b</n>", false},
      {"<n>Stara</n><k>Adam</k>", false},  // converted from an older catalog: not lent
      {"<p>", true},                       // no name end at all counts as before the mark
      {"", false},
  };
  for (const auto& [entry, lent] : cases) EXPECT_EQ(IsLent(entry), lent) << entry;
  EXPECT_EQ(Borrower("<n>Koncert</n><p>"), "");
  EXPECT_EQ(DiscName("<m><n>Koncert</n><p>"), "Koncert");
}

TEST(CatalogFiles, NamesAndPhotoFolder) {
  EXPECT_EQ(ContentFileName(12), "cd12");
  EXPECT_EQ(DescriptionFileName(3), "op3");
  EXPECT_EQ(MemberFileName(0), "k0");
  EXPECT_EQ(PhotoFileName(7), "cd7.jpg");
  const std::pair<const char*, const char*> folders[] = {
      {"/data/spinfolio.sfa", "/data/spinfolio-graph/"},
      {"/data/my.catalog.sfa", "/data/my.catalog-graph/"},
      {"/data/archive", "/data/archive-graph/"},
      {"/da.ta/archive", "/da.ta/archive-graph/"},
      {"/data/.sfa", "/data/-graph/"},
  };
  for (const auto& [archive, photos] : folders) EXPECT_EQ(PhotoFolderFor(archive), photos);
}

}  // namespace
}  // namespace spinfolio
