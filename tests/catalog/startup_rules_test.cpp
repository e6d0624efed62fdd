#include "catalog/startup_rules.h"

#include <gtest/gtest.h>

#include "common/file_ops.h"
#include "tests/support/temp_dir.h"

namespace spinfolio {
namespace {

using test::TempDir;
using test::WriteFile;

TEST(StartupRules, CatalogFolderNameIsTheStartMinute) {
  EXPECT_EQ(CatalogFolderNameAt({QDate(2006, 11, 25), QTime(14, 32, 59)}),
            "spinfoliotemp_200611251432/");
  EXPECT_EQ(CatalogFolderNameAt({QDate(2027, 1, 2), QTime(3, 4)}), "spinfoliotemp_202701020304/");
}

TEST(StartupRules, ArchiveArgumentsByLowerCasedExtension) {
  TempDir dir;
  for (const char* name : {"a.sfa", "B.SFA", "c.Sfa", "d.txt", "e.sfa.bak", "sfa"}) {
    WriteFile(dir / name, "x");
  }
  MakeFolders(dir / "folder.sfa");
  const std::pair<std::string, bool> cases[] = {
      {dir / "a.sfa", true},        {dir / "B.SFA", true},       {dir / "c.Sfa", true},
      {dir / "d.txt", false},       {dir / "e.sfa.bak", false},  {dir / "sfa", false},
      {dir / "missing.sfa", false}, {dir / "folder.sfa", false}, {"", false},
  };
  for (const auto& [argument, taken] : cases)
    EXPECT_EQ(IsArchiveArgument(argument), taken) << argument;
}

struct ChoiceCase {
  std::vector<const char*> files;  // in the folder "old/"
  const char* opened;
  const char* archive;  // the archive path afterwards
};

TEST(StartupRules, AFolderOpensTheFirstCatalogFoundInIt) {
  const ChoiceCase cases[] = {
      {{}, "settings/spinfolio.sfa", "settings/spinfolio.sfa"},
      {{"spinfolio.sfa"}, "old/spinfolio.sfa", "old/spinfolio.sfa"},
      {{"spinfolio.sfz", "spinfolio.sfa", "data1.z", "data2.z"},
       "old/spinfolio.sfz",
       "old/spinfolio.sfa"},
      {{"data1.z", "data2.z", "spinfolio.sfa"}, "old/data1.z", "old/spinfolio.sfa"},
      {{"data1.z", "spinfolio.sfa"}, "old/spinfolio.sfa", "old/spinfolio.sfa"},
      {{"data1.z"}, "settings/spinfolio.sfa", "settings/spinfolio.sfa"},
  };
  for (const auto& c : cases) {
    TempDir dir;
    MakeFolders(dir / "settings");
    MakeFolders(dir / "old");
    for (const char* file : c.files) WriteFile(dir / "old/" + file, "x");
    const ArchiveChoice choice = ChooseArchive(dir / "old/", dir / "settings/");
    EXPECT_EQ(choice.pathToOpen, dir / c.opened) << c.opened;
    EXPECT_EQ(choice.archivePath, dir / c.archive);
    EXPECT_TRUE(choice.storeArchivePath);
  }
}

TEST(StartupRules, MissingArchiveOrFolder) {
  TempDir dir;
  MakeFolders(dir / "settings");
  MakeFolders(dir / "data");
  WriteFile(dir / "data/mine.sfa", "x");
  WriteFile(dir / "data/spinfolio.sfz", "x");

  // An existing file is opened as it is, whatever its folder holds.
  const ArchiveChoice existing = ChooseArchive(dir / "data/mine.sfa", dir / "settings/");
  EXPECT_EQ(existing.pathToOpen, dir / "data/mine.sfa");
  EXPECT_EQ(existing.archivePath, dir / "data/mine.sfa");
  EXPECT_FALSE(existing.storeArchivePath);

  // A missing file looks in its folder.
  const ArchiveChoice missing = ChooseArchive(dir / "data/gone.sfa", dir / "settings/");
  EXPECT_EQ(missing.pathToOpen, dir / "data/spinfolio.sfz");
  EXPECT_EQ(missing.archivePath, dir / "data/spinfolio.sfa");

  // A missing folder falls back on the settings folder.
  const ArchiveChoice noFolder = ChooseArchive(dir / "nowhere/x.sfa", dir / "settings/");
  EXPECT_EQ(noFolder.pathToOpen, dir / "settings/spinfolio.sfa");
  EXPECT_EQ(noFolder.archivePath, dir / "settings/spinfolio.sfa");
}

TEST(StartupRules, SettingsFolderIsMadeAndTheOldFileMoved) {
  TempDir dir;
  WriteFile(dir / "program/spinfolio.ini", "[Opcje]\r\n");
  EXPECT_EQ(PrepareSettingsFolder(dir / "config/", dir / "program/"), dir / "config/Spinfolio/");
  EXPECT_EQ(test::ReadFile(dir / "config/Spinfolio/spinfolio.ini"), "[Opcje]\r\n");
  EXPECT_FALSE(PathExists(dir / "program/spinfolio.ini"));
  // Without a configuration folder the program's folder holds the settings.
  EXPECT_EQ(PrepareSettingsFolder(std::nullopt, dir / "program/"), dir / "program/");
}

TEST(StartupRules, DiscListFormat) {
  EXPECT_TRUE(IsCurrentDiscListFormat("<n>Wakacje</n>"));
  EXPECT_TRUE(IsCurrentDiscListFormat("<f><n>x</n><p>"));
  EXPECT_FALSE(IsCurrentDiscListFormat("<nazwa>Wakacje</nazwa>"));
  EXPECT_FALSE(IsCurrentDiscListFormat(""));
}

}  // namespace
}  // namespace spinfolio
