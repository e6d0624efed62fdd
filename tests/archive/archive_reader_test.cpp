// Unpacking an archive into the catalog folder and the photo folder.

#include <zlib.h>

#include "archive/archive_format.h"
#include "common/empty_folder.h"
#include "common/file_ops.h"
#include "tests/archive/archive_fixture.h"

namespace spinfolio::archive::test {
namespace {

std::string Int32(std::int64_t value) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

std::string Header(std::int64_t members) {
  return std::string("Spinfolio\0\0\0\0\0\0\0\x01\0\0\0", 20) + Int32(members);
}

std::string Member(const std::string& name, const std::string& content,
                   std::int64_t claimedSize = -1) {
  return name + std::string(100 - name.size(), '\0') +
         Int32(claimedSize >= 0 ? claimedSize : static_cast<std::int64_t>(content.size())) +
         content;
}

std::string Deflated(const std::string& container) {
  uLongf size = compressBound(container.size());
  std::string packed(size, '\0');
  EXPECT_EQ(compress2(reinterpret_cast<Bytef*>(packed.data()), &size,
                      reinterpret_cast<const Bytef*>(container.data()), container.size(), 6),
            Z_OK);
  packed.resize(size);
  return packed;
}

TEST_F(ArchiveFixture, RoundTripRestoresEveryMemberByteForByte) {
  std::string binary;
  for (int i = 0; i < 70000; ++i) binary += static_cast<char>((i * 131) & 0xFF);
  const std::vector<std::pair<std::string, std::string>> files = {
      {"plyty", "<m><n>Koncert \xB9</n><p>\r\n<n>B</n>\r\n"},
      {"kat", "<n>Muzyka</n>\r\n"},
      {"cd0", "<n>a\\b.mp3</n><r>1.50 KB</r>\r\n"},
      {"cd1", ""},
      {"op0", "line one\r\nline two"},
      {"cd1.jpg", binary},
      {"k0", "0\r\n1\r\n"}};
  writeCatalog(files);
  ASSERT_EQ(save(true, true), SaveOutcome::Saved);
  ASSERT_FALSE(PathExists(catalog()));

  progress = {};
  EXPECT_EQ(open(), OpenOutcome::Opened);
  for (const auto& [name, bytes] : files) {
    EXPECT_EQ(ReadFile((IsPhotoMember(name) ? photos() : catalog()) + name), bytes) << name;
  }
  EXPECT_TRUE(progress.errors.empty());
  EXPECT_EQ(progress.activity, "Loading CD archive");
  // The window fades in while the bar fills.
  EXPECT_EQ(progress.opacities.front(), 0);
  EXPECT_EQ(progress.opacities.back(), 175);  // 7 members: 200 / 8 a step
  EXPECT_EQ(progress.maximum, 8);
  EXPECT_EQ(progress.positions.back(), 8);
}

TEST_F(ArchiveFixture, MissingArchiveStartsAnEmptyCatalog) {
  WriteFile(catalog() + "plyty", "<n>left over</n>\r\n");
  EXPECT_EQ(open(), OpenOutcome::NewCatalog);
  EXPECT_EQ(ReadFile(catalog() + "plyty"), "");
  EXPECT_EQ(ReadFile(catalog() + "kat"), "");
  EXPECT_TRUE(FolderExists(photos()));
  EXPECT_FALSE(progress.shown);
}

TEST_F(ArchiveFixture, OtherExtensionsGoToTheOlderLayouts) {
  auto arguments = openArguments();
  arguments.archivePath = dir / "old/data1.z";
  EXPECT_EQ(ReadArchive(arguments, progress), OpenOutcome::OlderLayout);
  EXPECT_EQ(ReadFile(catalog() + "plyty"), "");
  EXPECT_EQ(ReadFile(catalog() + "kat"), "");
  EXPECT_TRUE(FolderExists(dir / "old/data1-graph/"));

  // The extension is compared lower-cased.
  arguments.archivePath = dir / "Dane/Moje.SFA";
  EXPECT_EQ(ReadArchive(arguments, progress), OpenOutcome::NewCatalog);
  EXPECT_TRUE(FolderExists(dir / "Dane/Moje-graph/"));
}

TEST_F(ArchiveFixture, MembersGoWhereTheirNamesSay) {
  WriteFile(archive(), Deflated(Header(3) + Member("plyty", "<n>A</n>\r\n") +
                                Member("CD3.JPG", "upper") + Member("cd0", "")));
  EXPECT_EQ(open(), OpenOutcome::Opened);
  EXPECT_EQ(ReadFile(photos() + "CD3.JPG"), "upper");
  EXPECT_FALSE(PathExists(catalog() + "CD3.JPG"));
  EXPECT_EQ(ReadFile(catalog() + "cd0"), "");
}

TEST_F(ArchiveFixture, ArchiveWithoutMembersLeavesNoCatalogFiles) {
  WriteFile(archive(), Deflated(Header(0)));
  EXPECT_EQ(open(), OpenOutcome::Opened);
  EXPECT_TRUE(FolderExists(catalog()));
  EXPECT_FALSE(PathExists(catalog() + "plyty"));
  EXPECT_FALSE(PathExists(catalog() + "kat"));
}

TEST_F(ArchiveFixture, NamesThatWouldLeaveTheirFolderAreSkipped) {
  const std::string outside = dir / "tmp/evil";
  WriteFile(archive(), Deflated(Header(8) + Member("../evil", "x") + Member("", "empty name") +
                                Member(".", "dot") + Member("..", "dots") + Member("a/b", "slash") +
                                Member("a\\b", "backslash") + Member("/etc/evil.jpg", "photo") +
                                Member("plyty", "<n>kept</n>\r\n")));
  EXPECT_EQ(open(), OpenOutcome::Opened);
  EXPECT_FALSE(PathExists(outside));
  EXPECT_FALSE(PathExists(catalog() + "a\\b"));
  EXPECT_EQ(ReadFile(catalog() + "plyty"), "<n>kept</n>\r\n");
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(catalog())) {
    names.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(names, std::vector<std::string>{"plyty"});
}

struct DamageCase {
  const char* label;
  std::string bytes;
  const char* reason;
  std::vector<std::string> unpacked;  // catalog files that must exist afterwards
};

TEST_F(ArchiveFixture, DamagedArchivesAreUnpackedAsFarAsTheyGoAndKept) {
  const std::string good = Header(2) + Member("plyty", "<n>A</n>\r\n") + Member("cd0", "abc");
  const std::string packed = Deflated(good + std::string(50000, 'z'));
  const std::vector<DamageCase> cases = {
      {"not zlib", "PK\x03\x04 not an archive of ours", "is not a program archive", {}},
      {"stream cut short",
       packed.substr(0, packed.size() - 30),
       "compressed data are damaged or cut short",
       {"plyty", "cd0"}},
      {"a billion members",
       Deflated(Header(1000000000) + Member("plyty", "<n>A</n>\r\n")),
       "data end before all the files",
       {"plyty"}},
      {"a 2 GiB member",
       Deflated(Header(3) + Member("plyty", "<n>A</n>\r\n") + Member("cd0", "short", 0x7FFFFFFF) +
                Member("kat", "")),
       "data end before all the files",
       {"plyty", "cd0"}},
      {"header cut short",
       Deflated(std::string("Spinfolio\0\0", 11)),
       "data end before all the files",
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    RemoveFolderTree(catalog());
    WriteFile(archive(), c.bytes);
    progress = {};
    EXPECT_EQ(open(), OpenOutcome::Damaged);
    for (const auto& name : c.unpacked) EXPECT_TRUE(FileExists(catalog() + name)) << name;
    EXPECT_EQ(ReadFile(archive() + ".damaged"), c.bytes);
    ASSERT_EQ(progress.errors.size(), 1u);
    EXPECT_NE(progress.errors[0].find(c.reason), std::string::npos) << progress.errors[0];
    EXPECT_NE(progress.errors[0].find("\"" + archive() + ".damaged\""), std::string::npos);
  }
}

TEST_F(ArchiveFixture, DamageIsReportedInPolishForPolish) {
  WriteFile(archive(), "garbage");
  auto arguments = openArguments();
  arguments.languageIndex = 1;
  EXPECT_EQ(ReadArchive(arguments, progress), OpenOutcome::Damaged);
  ASSERT_EQ(progress.errors.size(), 1u);
  EXPECT_EQ(progress.errors[0].rfind("Archiwum \"" + archive() + "\" jest uszkodzone: ", 0), 0u);
}

}  // namespace
}  // namespace spinfolio::archive::test
