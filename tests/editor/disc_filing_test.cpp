// The catalog rules of filing a disc and changing its data, without windows.

#include <gtest/gtest.h>

#include <filesystem>

#include "acquire/disc_filing.h"
#include "common/file_ops.h"
#include "tests/support/temp_dir.h"

namespace spinfolio::test {
namespace {

class DiscFilingTest : public ::testing::Test {
 protected:
  DiscFilingTest() {
    location.TempRoot = root.path();
    location.CatalogFolderName = "catalog/";
    location.ArchivePath = root / "album.sfa";
    location.PhotoFolder = root / "album-graph/";
    MakeFolders(location.catalogFolder());
  }
  std::string catalog(const std::string& name) const { return location.catalogFolder() + name; }
  std::string photo(const std::string& name) const { return location.PhotoFolder + name; }

  TempDir root;
  CatalogLocation location;
};

RgbPicture TwoByTwo() { return {2, 2, std::vector<unsigned char>(12, 200)}; }

TEST(DiscEntryTest, EntryForms) {
  DiscData disc;
  disc.name = "Koncert";
  disc.type = 4;
  disc.lent = true;
  disc.borrower = "Jan";
  EXPECT_EQ(BuildDiscEntry(disc), "<m><n>Koncert</n><p><k>Jan</k>");
  disc.borrower.clear();
  EXPECT_EQ(BuildDiscEntry(disc), "<m><n>Koncert</n><p>");
  disc.type = 0;
  disc.lent = false;
  disc.borrower = "Jan";  // a borrower without the lent tick is not written
  EXPECT_EQ(BuildDiscEntry(disc), "<n>Koncert</n>");
  disc.type = 1;
  EXPECT_EQ(BuildDiscEntry(disc), "<f><n>Koncert</n>");
  disc.type = 2;
  EXPECT_EQ(BuildDiscEntry(disc), "<z><n>Koncert</n>");
  disc.type = 3;
  EXPECT_EQ(BuildDiscEntry(disc), "<pr><n>Koncert</n>");
}

TEST(DiscNameTest, RefusalCases) {
  const Lines discs = {"<n>Film 2</n>", "<m><n>Koncert</n><p><k>Jan</k>", "<n>Zdjęcia</n>"};
  EXPECT_FALSE(IsDiscNameValid(discs, "", -1));
  EXPECT_FALSE(IsDiscNameValid(discs, "Koncert", -1));
  EXPECT_FALSE(IsDiscNameValid(discs, "Koncert", 0));
  EXPECT_TRUE(IsDiscNameValid(discs, "Koncert", 1));  // its own name in change mode
  EXPECT_TRUE(IsDiscNameValid(discs, "Film", -1));    // only part of another name
  EXPECT_TRUE(IsDiscNameValid(discs, "koncert", -1)); // case differs
  EXPECT_FALSE(IsDiscNameValid(discs, "Zdjęcia", -1));
  for (const char* bad : {"a<n>b", "a</n>", "<p>", "x<k>", "</k>y", "<f>", "<z>", "<pr>", "<m>",
                          "<r>", "</r>", "two\nlines", "two\rlines"}) {
    EXPECT_FALSE(IsDiscNameValid(discs, bad, -1)) << bad;
    EXPECT_FALSE(IsDiscNameSafe(bad)) << bad;
  }
  EXPECT_TRUE(IsDiscNameSafe("a < b > c"));
}

TEST_F(DiscFilingTest, AddingToAnEmptyCatalogFilesIndexZero) {
  WriteFile(root / "photo.jpg", "\xFF\xD8 not really a jpeg");
  DiscData disc;
  disc.name = "Koncert";
  disc.description = {"line 1", "line 2"};
  disc.hasPhoto = true;
  disc.photoSource = root / "photo.jpg";
  Lines discList;
  EXPECT_FALSE(FileNewDisc(location, disc, {}, {"<n>a.txt</n><r>1.00 KB</r>"}, discList));
  EXPECT_EQ(location.DiscCount, 1);
  EXPECT_EQ(ReadFile(catalog("cd0")), "<n>a.txt</n><r>1.00 KB</r>\r\n");
  EXPECT_EQ(ReadFile(catalog("op0")), "line 1\r\nline 2\r\n");
  EXPECT_EQ(ReadFile(catalog("plyty")), "<n>Koncert</n>\r\n");
  EXPECT_EQ(ReadFile(photo("cd0.jpg")), "\xFF\xD8 not really a jpeg");
  EXPECT_EQ(discList, (Lines{"<n>Koncert</n>"}));

  // A second disc without description or photo: an empty content list is still written.
  DiscData second;
  second.name = "Film";
  EXPECT_FALSE(FileNewDisc(location, second, {}, {}, discList));
  EXPECT_EQ(location.DiscCount, 2);
  EXPECT_EQ(ReadFile(catalog("cd1")), "");
  EXPECT_FALSE(PathExists(catalog("op1")));
  EXPECT_FALSE(PathExists(photo("cd1.jpg")));
  EXPECT_EQ(ReadFile(catalog("plyty")), "<n>Koncert</n>\r\n<n>Film</n>\r\n");
}

TEST_F(DiscFilingTest, UpperCaseJpgIsCopiedByteForByte) {
  const std::string bytes("\xFF\xD8\xFF\xE0 arbitrary \x00\x01 bytes", 23);
  WriteFile(root / "PHOTO.JPG", bytes);
  EXPECT_TRUE(StorePhoto(root / "PHOTO.JPG", {}, photo("cd0.jpg")));  // no photo folder yet
  MakeFolders(location.PhotoFolder);
  EXPECT_FALSE(StorePhoto(root / "PHOTO.JPG", {}, photo("cd0.jpg")));
  EXPECT_EQ(ReadFile(photo("cd0.jpg")), bytes);
  WriteFile(root / "b.JpEg", "x");
  EXPECT_FALSE(StorePhoto(root / "b.JpEg", {}, photo("cd1.jpg")));
  EXPECT_EQ(ReadFile(photo("cd1.jpg")), "x");
}

TEST_F(DiscFilingTest, OtherPicturesAreWrittenAsJpeg) {
  WriteFile(root / "pic.png", "\x89PNG\r\n\x1a\n");
  MakeFolders(location.PhotoFolder);
  EXPECT_FALSE(StorePhoto(root / "pic.png", TwoByTwo(), photo("cd0.jpg")));
  const std::string written = ReadFile(photo("cd0.jpg"));
  ASSERT_GE(written.size(), 4u);
  EXPECT_EQ(written.substr(0, 3), "\xFF\xD8\xFF");
  EXPECT_EQ(written.substr(written.size() - 2), "\xFF\xD9");
}

TEST_F(DiscFilingTest, StalePhotoUnderTheNewIndexIsReplaced) {
  WriteFile(photo("cd0.jpg"), "stale");
  std::filesystem::permissions(photo("cd0.jpg"), std::filesystem::perms::owner_read);
  WriteFile(root / "new.jpg", "fresh");
  DiscData disc;
  disc.name = "A";
  disc.hasPhoto = true;
  disc.photoSource = root / "new.jpg";
  Lines discList;
  EXPECT_FALSE(FileNewDisc(location, disc, {}, {}, discList));
  EXPECT_EQ(ReadFile(photo("cd0.jpg")), "fresh");
}

TEST_F(DiscFilingTest, StaleDescriptionUnderTheNewIndexIsRemoved) {
  WriteFile(catalog("op0"), "old text\r\n");
  DiscData disc;
  disc.name = "A";
  Lines discList;
  EXPECT_FALSE(FileNewDisc(location, disc, {}, {}, discList));
  EXPECT_FALSE(PathExists(catalog("op0")));
}

TEST_F(DiscFilingTest, UnwritableContentListLeavesTheDiscListAlone) {
  WriteFile(catalog("plyty"), "<n>A</n>\r\n");
  location.DiscCount = 1;
  MakeFolders(catalog("cd1"));  // a folder where the content list should go
  DiscData disc;
  disc.name = "B";
  Lines discList;
  const auto failure = FileNewDisc(location, disc, {}, {"<n>x</n>"}, discList);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->file, catalog("cd1"));
  EXPECT_TRUE(failure->reason);
  EXPECT_EQ(ReadFile(catalog("plyty")), "<n>A</n>\r\n");
  EXPECT_EQ(location.DiscCount, 1);
}

TEST_F(DiscFilingTest, UnwritableDescriptionIsReported) {
  MakeFolders(catalog("op0"));
  DiscData disc;
  disc.name = "B";
  disc.description = {"text"};
  Lines discList;
  const auto failure = FileNewDisc(location, disc, {}, {}, discList);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->file, catalog("op0"));
  EXPECT_FALSE(PathExists(catalog("plyty")));
  EXPECT_EQ(location.DiscCount, 0);
}

TEST_F(DiscFilingTest, UnwritableDiscListIsReported) {
  MakeFolders(catalog("plyty"));
  DiscData disc;
  disc.name = "B";
  Lines discList;
  const auto failure = FileNewDisc(location, disc, {}, {}, discList);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->file, catalog("plyty"));
  EXPECT_EQ(location.DiscCount, 0);
}

TEST_F(DiscFilingTest, ChangingRemovesPhotoAndDescriptionAndKeepsContent) {
  WriteFile(catalog("plyty"), "<n>A</n>\r\n<n>B</n>\r\n");
  WriteFile(catalog("cd1"), "<n>x</n>\r\n");
  WriteFile(catalog("op1"), "old\r\n");
  WriteFile(photo("cd1.jpg"), "photo");
  location.DiscCount = 2;
  DiscData disc;
  disc.name = "B2";
  disc.type = 2;
  Lines discList;
  EXPECT_FALSE(ChangeDisc(location, 1, disc, {}, discList));
  EXPECT_FALSE(PathExists(photo("cd1.jpg")));
  EXPECT_FALSE(PathExists(catalog("op1")));
  EXPECT_EQ(ReadFile(catalog("cd1")), "<n>x</n>\r\n");
  EXPECT_EQ(ReadFile(catalog("plyty")), "<n>A</n>\r\n<z><n>B2</n>\r\n");
}

TEST_F(DiscFilingTest, ChangingWithoutTouchingThePhotoLeavesIt) {
  WriteFile(catalog("plyty"), "<n>A</n>\r\n");
  WriteFile(photo("cd0.jpg"), "photo bytes");
  const auto before = std::filesystem::last_write_time(photo("cd0.jpg"));
  DiscData disc;
  disc.name = "A";
  disc.hasPhoto = true;
  disc.photoSource = photo("cd0.jpg");
  disc.description = {"new"};
  Lines discList;
  EXPECT_FALSE(ChangeDisc(location, 0, disc, TwoByTwo(), discList));
  EXPECT_EQ(ReadFile(photo("cd0.jpg")), "photo bytes");
  EXPECT_EQ(std::filesystem::last_write_time(photo("cd0.jpg")), before);
  EXPECT_EQ(ReadFile(catalog("op0")), "new\r\n");
}

}  // namespace
}  // namespace spinfolio::test
