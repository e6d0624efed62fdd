#include "catalog/settings.h"

#include <gtest/gtest.h>

#include "common/file_ops.h"
#include "tests/support/temp_dir.h"

namespace spinfolio {
namespace {

using test::TempDir;
using test::WriteFile;

class SettingsTest : public ::testing::Test {
 protected:
  SettingsTest() {
    MakeFolders(dir / "settings");
    MakeFolders(dir / "tmp");
  }

  StartupSettings read(const std::string& ini, bool backdropPresent = false) {
    WriteFile(dir / "settings/spinfolio.ini", ini);
    const SettingsContext context{dir / "tmp/", dir / "settings/", backdropPresent};
    return ReadStartupSettings(IniFile(dir / "settings/spinfolio.ini"), context, CodePage("UTF-8"));
  }

  TempDir dir;
};

TEST_F(SettingsTest, DefaultsWithoutAFile) {
  const StartupSettings s = read("");
  EXPECT_EQ(s.driveKinds, (DriveKinds{}));
  EXPECT_EQ(s.displayFlags, (DisplayFlags{}));
  EXPECT_EQ(s.driveRoot, "/dev/sr0");
  EXPECT_EQ(s.tempRoot, dir / "tmp/");
  EXPECT_TRUE(s.photosInside);
  EXPECT_EQ(s.archivingMoment, 0);
  EXPECT_EQ(s.compressionItem, 0);
  EXPECT_EQ(s.ejectItem, 0);
  EXPECT_FALSE(s.windowPosition.has_value());
  EXPECT_TRUE(s.versionCheck);
  EXPECT_EQ(s.languageIndex, 0);
  EXPECT_FALSE(s.backgrounds);
  EXPECT_FALSE(s.readFilter.enabled);
  EXPECT_TRUE(s.readFilter.readOnlyListed);
  EXPECT_FALSE(s.reduceFonts);
  // With the background library the backgrounds default to on.
  EXPECT_TRUE(read("", true).backgrounds);
}

TEST_F(SettingsTest, CorrectionsOfStoredValues) {
  EXPECT_EQ(read("[Opcje]\nJezyk=7\n").languageIndex, 0);
  EXPECT_EQ(read("[Opcje]\nJezyk=2\n").languageIndex, 0);
  EXPECT_EQ(read("[opcje]\njezyk=1\n").languageIndex, 1);
  EXPECT_EQ(read("[Opcje]\nMet Kompresji=7\n").compressionItem, -1);
  EXPECT_EQ(read("[Opcje]\nWysun=3\n").ejectItem, -1);
  EXPECT_EQ(read("[Opcje]\nArchiwizacja=5\n").archivingMoment, 0);
  EXPECT_EQ(read("[Opcje]\nLitera CD-ROM=E\n").driveRoot, "E:\\");
  EXPECT_EQ(read("[Opcje]\nDrives=1,1,0,0,0\n").driveKinds,
            (DriveKinds{true, true, false, false, false}));
  EXPECT_EQ(read("[Opcje]\nDrives=1,1,0,0\n").driveKinds, (DriveKinds{}));
  EXPECT_EQ(read("[Opcje]\nDrives=1,0,0,0,0,0\n").driveKinds, (DriveKinds{}));
  EXPECT_EQ(read("[Opcje]\nWList=0,2,0,1\n").displayFlags, (DisplayFlags{0, 2, 0, 1}));
  EXPECT_EQ(read("[Opcje]\nWList=3,x,9\n").displayFlags, (DisplayFlags{3, 0, 0, 0}));
  EXPECT_FALSE(read("[Opcje]\nTla=1\n", false).backgrounds);
  EXPECT_FALSE(read("[Opcje]\nTla=0\n", true).backgrounds);
}

TEST_F(SettingsTest, TempRootThatNoLongerExistsGivesTheSettingsFolder) {
  EXPECT_EQ(read("[Sciezki]\nTemp=" + (dir / "gone/") + "\n").tempRoot, dir / "settings/");
  MakeFolders(dir / "elsewhere");
  EXPECT_EQ(read("[Sciezki]\nTemp=" + (dir / "elsewhere") + "\n").tempRoot, dir / "elsewhere/");
}

TEST_F(SettingsTest, WindowPositionOnlyWhileTheSectionHasKeys) {
  const auto stored = read("[Polozenie]\nPoziomo=30\n").windowPosition;
  ASSERT_TRUE(stored.has_value());
  EXPECT_EQ(stored->left, 30);
  EXPECT_EQ(stored->top, 10);
  EXPECT_FALSE(read("[Polozenie]\n[Opcje]\n").windowPosition.has_value());
}

TEST_F(SettingsTest, ReadFilterTakesTheListOfItsKind) {
  const ReadFilter readList =
      read("[Filtr]\nWlaczone=1\nListaW=jpg,\"a b\"\nListaP=exe\n").readFilter;
  EXPECT_TRUE(readList.enabled);
  EXPECT_EQ(readList.extensions, (std::vector<std::string>{"jpg", "a b"}));
  const ReadFilter skipList =
      read("[Filtr]\nWlaczone=1\nTyp=0\nListaW=jpg\nListaP=exe,bak\n").readFilter;
  EXPECT_FALSE(skipList.readOnlyListed);
  EXPECT_EQ(skipList.extensions, (std::vector<std::string>{"exe", "bak"}));
  // Switched on with an empty list of its kind: off.
  EXPECT_FALSE(read("[Filtr]\nWlaczone=1\nListaP=exe\n").readFilter.enabled);
}

TEST_F(SettingsTest, FilterSettingsKeepBothListsAndTheActiveOneDecides) {
  IniFile ini(dir / "settings/spinfolio.ini");
  const FilterSettings skipping{true, false, {"jpg", "a b"}, {""}};
  WriteFilterSettings(ini, skipping);
  EXPECT_EQ(test::ReadFile(ini.path()),
            "[Filtr]\r\nWlaczone=1\r\nTyp=0\r\nListaW=jpg,\"a b\"\r\nListaP=\"\"\r\n");
  EXPECT_EQ(ReadFilterSettings(ini), skipping);
  // One empty extension is still a list.
  EXPECT_EQ(ActiveFilter(skipping), (ReadFilter{true, false, {""}}));
  EXPECT_EQ(ActiveFilter({true, true, {}, {"exe"}}), (ReadFilter{false, true, {}}));
  EXPECT_EQ(ActiveFilter({false, true, {"jpg"}, {}}), (ReadFilter{false, true, {"jpg"}}));
}

TEST_F(SettingsTest, ExitSettingsAreWrittenInOrder) {
  WriteFile(dir / "settings/spinfolio.ini", "[Polozenie]\r\nPoziomo=1\r\nPionowo=2\r\n");
  IniFile ini(dir / "settings/spinfolio.ini");
  ExitSettings exit;
  exit.backgrounds = true;
  exit.ejectItem = 2;
  exit.displayFlags = {0, 2, 0, 1};
  exit.driveKinds = {true, false, true, false, false};
  WriteExitSettings(ini, exit);
  EXPECT_EQ(test::ReadFile(ini.path()),
            "[Opcje]\r\nTla=1\r\nWersja=1\r\nZmnCzci=0\r\nSavePic=1\r\nWysun=2\r\n"
            "WList=0,2,0,1\r\nDrives=1,0,1,0,0\r\n");
  exit.windowPosition = WindowPosition{-5, 700};
  WriteExitSettings(ini, exit);
  EXPECT_NE(test::ReadFile(ini.path()).find("[Polozenie]\r\nPoziomo=-5\r\nPionowo=700\r\n"),
            std::string::npos);
}

TEST_F(SettingsTest, PathsGoThroughTheCodePage) {
  WriteFile(dir / "settings/spinfolio.ini", "[Sciezki]\r\nArchiwa=/dane/\xB9.sfa\r\n");
  IniFile ini(dir / "settings/spinfolio.ini");
  const CodePage cp1250("CP1250");
  EXPECT_EQ(ReadArchivePathSetting(ini, "/s/", cp1250), "/dane/\xC4\x85.sfa");
  WriteArchivePathSetting(ini, "/dane/\xC5\x81\xC3\xB3\x64\xC5\xBA.sfa", cp1250);  // Łódź
  EXPECT_EQ(test::ReadFile(ini.path()), "[Sciezki]\r\nArchiwa=/dane/\xA3\xF3\x64\x9F.sfa\r\n");
}

}  // namespace
}  // namespace spinfolio
