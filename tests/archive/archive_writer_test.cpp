// Packing a catalog folder into an archive.

#include <sys/stat.h>

#include "archive/archive_format.h"
#include "common/file_ops.h"
#include "tests/archive/archive_fixture.h"

namespace spinfolio::archive::test {
namespace {

std::vector<std::string> Names(const std::vector<Member>& members) {
  std::vector<std::string> names;
  for (const auto& member : members) names.push_back(member.name);
  return names;
}

// A member as it stands in the container.
std::string MemberBytes(const std::string& name, const std::string& content) {
  std::string size(4, '\0');
  for (int i = 0; i < 4; ++i) size[i] = static_cast<char>((content.size() >> (8 * i)) & 0xFF);
  return name + std::string(100 - name.size(), '\0') + size + content;
}

TEST_F(ArchiveFixture, MembersInArchiveOrder) {
  writeCatalog({{"plyty", "<n>A</n>\r\n<n>B</n>\r\n<n>C</n>\r\n"},
                {"kat", "<n>K</n>\r\n"},
                {"cd0", ""},
                {"cd1", "x"},
                {"cd1.jpg", "jpeg"},
                {"op1", "opis"},
                {"cd2", ""},
                {"op0", "o"},
                {"k0", "1\r\n"},
                // Not part of the catalog: indices at or above the counts and short-lived names.
                {"cd5", "stale"},
                {"cdt0", "x"},
                {"kt1", "x"},
                {"k1", "x"},
                {"cd3.jpg", "stale photo"}});
  EXPECT_EQ(Names(ListMembers(catalog(), photos(), 3, 1, true)),
            (std::vector<std::string>{"plyty", "kat", "cd0", "op0", "cd1", "cd1.jpg", "op1", "cd2",
                                      "k0"}));
  EXPECT_EQ(Names(ListMembers(catalog(), photos(), 3, 1, false)),
            (std::vector<std::string>{"plyty", "kat", "cd0", "op0", "cd1", "op1", "cd2", "k0"}));
  const auto members = ListMembers(catalog(), photos(), 3, 1, true);
  EXPECT_EQ(members[5].path, photos() + "cd1.jpg");
  EXPECT_EQ(members[5].size, 4);
}

TEST_F(ArchiveFixture, ContainerBytes) {
  writeCatalog({{"plyty", "<n>A</n>\r\n"}, {"kat", ""}, {"cd0", "<n>a.txt</n>\r\n"}});
  ASSERT_EQ(save(), SaveOutcome::Saved);
  EXPECT_EQ(Inflated(ReadFile(archive())),
            std::string("Spinfolio\0\0\0\0\0\0\0\x01\0\0\0\x03\0\0\0", 24) +
                MemberBytes("plyty", "<n>A</n>\r\n") + MemberBytes("kat", "") +
                MemberBytes("cd0", "<n>a.txt</n>\r\n"));
  // The temporary files are gone, the folders stay while saving.
  EXPECT_FALSE(PathExists(archive() + ".saving"));
  EXPECT_TRUE(FolderExists(catalog()));
  EXPECT_TRUE(progress.errors.empty());
}

TEST_F(ArchiveFixture, EveryLevelGivesAValidStreamOfTheSameContainer) {
  writeCatalog({{"plyty", "<n>A</n>\r\n"}, {"cd0", std::string(100000, 'x')}});
  std::string container;
  for (const int level : {-1, 0, 1, 9}) {
    auto arguments = saveArguments();
    arguments.level = level;
    ASSERT_EQ(WriteArchive(arguments, progress), SaveOutcome::Saved);
    const std::string packed = ReadFile(archive());
    EXPECT_EQ(static_cast<unsigned char>(packed[0]) & 0x0F, 8) << level;  // deflate method
    const std::string unpacked = Inflated(packed);
    if (container.empty()) container = unpacked;
    EXPECT_EQ(unpacked, container) << level;
    if (level == 0) {
      EXPECT_GT(packed.size(), 100000u);  // stored blocks
    } else if (level == 9) {
      EXPECT_LT(packed.size(), 1000u);
    }
  }
}

TEST_F(ArchiveFixture, ReadOnlyArchiveIsReplaced) {
  writeCatalog({{"plyty", "<n>New</n>\r\n"}, {"cd0", ""}});
  WriteFile(archive(), "old archive");
  ASSERT_EQ(::chmod(archive().c_str(), 0444), 0);
  ASSERT_EQ(save(), SaveOutcome::Saved);
  EXPECT_NE(Inflated(ReadFile(archive())).find("<n>New</n>"), std::string::npos);
}

TEST_F(ArchiveFixture, OlderCatalogsBesideTheArchiveAreMovedAside) {
  writeCatalog({{"plyty", "<n>A</n>\r\n"}, {"cd0", ""}});
  WriteFile(dir / "data/data1.z", "one");
  WriteFile(dir / "data/data1.z.bak", "older backup");
  WriteFile(dir / "data/data2.z", "two");
  WriteFile(dir / "data/spinfolio.sfz", "sfz");
  ASSERT_EQ(save(), SaveOutcome::Saved);
  EXPECT_EQ(ReadFile(dir / "data/data1.z"), "one");  // its ".bak" name is taken
  EXPECT_EQ(ReadFile(dir / "data/data1.z.bak"), "older backup");
  EXPECT_EQ(ReadFile(dir / "data/data2.z.bak"), "two");
  EXPECT_EQ(ReadFile(dir / "data/spinfolio.sfz.bak"), "sfz");
  EXPECT_FALSE(PathExists(dir / "data/data2.z"));
}

TEST_F(ArchiveFixture, EmptyCatalogWithoutArchiveMakesNone) {
  writeCatalog({{"plyty", ""}, {"kat", ""}, {"cd0.jpg", "photo"}});
  EXPECT_EQ(save(), SaveOutcome::NothingToSave);
  EXPECT_FALSE(PathExists(archive()));
  EXPECT_FALSE(progress.shown);
  EXPECT_EQ(save(true, true), SaveOutcome::NothingToSave);
  EXPECT_FALSE(PathExists(catalog()));
  EXPECT_FALSE(PathExists(photos()));
}

TEST_F(ArchiveFixture, EmptiedCatalogReplacesTheArchiveThatHeldDiscs) {
  writeCatalog({{"plyty", "<n>A</n>\r\n"}, {"cd0", "x"}});
  ASSERT_EQ(save(), SaveOutcome::Saved);
  writeCatalog({{"plyty", ""}, {"kat", ""}});
  ASSERT_EQ(save(), SaveOutcome::Saved);
  EXPECT_EQ(Inflated(ReadFile(archive())),
            std::string("Spinfolio\0\0\0\0\0\0\0\x01\0\0\0\x02\0\0\0", 24) +
                MemberBytes("plyty", "") + MemberBytes("kat", ""));
}

TEST_F(ArchiveFixture, ClosingRemovesTheFoldersPhotosOnlyWhenPacked) {
  writeCatalog({{"plyty", "<n>A</n>\r\n"}, {"cd0", ""}, {"cd0.jpg", "photo"}});
  ASSERT_EQ(save(true, false), SaveOutcome::Saved);
  EXPECT_FALSE(PathExists(catalog()));
  EXPECT_EQ(ReadFile(photos() + "cd0.jpg"), "photo");

  writeCatalog({{"plyty", "<n>A</n>\r\n"}, {"cd0", ""}});
  ASSERT_EQ(save(true, true), SaveOutcome::Saved);
  EXPECT_FALSE(PathExists(catalog()));
  EXPECT_FALSE(PathExists(photos()));
  EXPECT_NE(Inflated(ReadFile(archive())).find("photo"), std::string::npos);
}

TEST_F(ArchiveFixture, ProgressFadesOutWhileTheBarRunsDown) {
  writeCatalog({{"plyty", "<n>A</n>\r\n"}, {"kat", ""}, {"cd0", "x"}});
  auto arguments = saveArguments();
  arguments.languageIndex = 1;
  ASSERT_EQ(WriteArchive(arguments, progress), SaveOutcome::Saved);
  EXPECT_EQ(progress.heading, "P r o s z ę   c z e k a ć");
  EXPECT_EQ(progress.activity, "Trwa zapisywanie archiwum");
  EXPECT_TRUE(progress.shown);
  // Three members: opacity 200 falling by 50 a member, bar from 6 down to 0.
  EXPECT_EQ(progress.opacities, (std::vector<int>{200, 150, 100, 50}));
  EXPECT_EQ(progress.maximum, 6);
  EXPECT_EQ(progress.positions, (std::vector<int>{6, 5, 4, 3, 2, 1, 0}));

  RecordingProgress english;
  ASSERT_EQ(WriteArchive(saveArguments(), english), SaveOutcome::Saved);
  EXPECT_EQ(english.heading, "P l e a s e   w a i t");
  EXPECT_EQ(english.activity, "Saving CD archive");
}

TEST_F(ArchiveFixture, SaveThatCannotCreateItsFilesKeepsEverything) {
  writeCatalog({{"plyty", "<n>A</n>\r\n"}, {"cd0", "x"}, {"cd0.jpg", "photo"}});
  // The archive's folder part is a regular file: every file made there fails, even for root.
  WriteFile(dir / "blocker", "a file, not a folder");
  auto arguments = saveArguments(true, true);
  arguments.archivePath = dir / "blocker/spinfolio.sfa";
  EXPECT_EQ(WriteArchive(arguments, progress), SaveOutcome::Failed);
  ASSERT_EQ(progress.errors.size(), 1u);
  EXPECT_NE(progress.errors[0].find("\"" + arguments.archivePath + "\" could not be saved: "),
            std::string::npos);
  EXPECT_NE(progress.errors[0].find("Not a directory"), std::string::npos);
  EXPECT_EQ(ReadFile(catalog() + "plyty"), "<n>A</n>\r\n");
}

TEST_F(ArchiveFixture, CompressionFailingHalfWayKeepsThePreviousArchive) {
  writeCatalog({{"plyty", "<n>A</n>\r\n"}, {"cd0", "x"}});
  ASSERT_EQ(save(), SaveOutcome::Saved);
  const std::string previous = ReadFile(archive());

  std::string big;
  for (int i = 0; i < 20000; ++i) big += "<n>file" + std::to_string(i * 7919) + "</n>\r\n";
  writeCatalog({{"plyty", "<n>A</n>\r\n<n>B</n>\r\n"}, {"cd1", big}, {"cd0.jpg", "photo"}});
  WriterFaults faults;
  faults.failCompressionAfterBytes = 5000;
  auto arguments = saveArguments(true, true);
  arguments.languageIndex = 1;
  EXPECT_EQ(WriteArchive(arguments, progress, faults), SaveOutcome::Failed);
  EXPECT_EQ(ReadFile(archive()), previous);
  EXPECT_FALSE(PathExists(archive() + ".saving"));
  // Closing, but the catalog and the photos are the only copy now: both stay.
  EXPECT_EQ(ReadFile(catalog() + "cd1"), big);
  EXPECT_EQ(ReadFile(photos() + "cd0.jpg"), "photo");
  ASSERT_EQ(progress.errors.size(), 1u);
  EXPECT_EQ(progress.errors[0].rfind("Nie można zapisać archiwum \"" + archive() + "\": ", 0), 0u);
}

}  // namespace
}  // namespace spinfolio::archive::test
