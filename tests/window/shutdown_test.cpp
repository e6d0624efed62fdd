// Shut-down, the archive library's arguments and the rule of saving after every change.

#include <sys/stat.h>

#include <QCheckBox>
#include <QComboBox>
#include <cctype>

#include "common/file_ops.h"
#include "platform/folders.h"
#include "shell/radio_group.h"
#include "tests/window/startup_fixture.h"

namespace spinfolio::test {
namespace {

using Call = std::vector<std::string>;
using StartResult = TForm1::StartResult;

Call SaveCall(bool closing, int level, const std::string& archive, int language, bool photos) {
  return {"_SaveArch",       closing ? "1" : "0", std::to_string(level), "Spinfolio",
          archive,           SystemTempFolder(),  kCatalogFolderName,    std::to_string(language),
          photos ? "1" : "0"};
}

struct CompressionCase {
  const char* stored;
  int level;
};

class CompressionLevels : public StartupFixture,
                          public ::testing::WithParamInterface<CompressionCase> {};

TEST_P(CompressionLevels, ExitSaveHandsTheLibraryExactlyTheseArguments) {
  installPackhold();
  writeIni(std::string("[Opcje]\r\nMet Kompresji=") + GetParam().stored +
           "\r\nJezyk=1\r\nSavePic=0\r\n");
  auto form = makeForm();
  ASSERT_EQ(form->FormCreate(), StartResult::Run);
  EXPECT_TRUE(callsOf("_SaveArch").empty());
  form->close();
  EXPECT_EQ(callsOf("_SaveArch"),
            (std::vector<Call>{
                SaveCall(true, GetParam().level, settingsFolder() + "spinfolio.sfa", 1, false)}));
}

INSTANTIATE_TEST_SUITE_P(EveryItem, CompressionLevels,
                         ::testing::Values(CompressionCase{"0", -1}, CompressionCase{"1", 0},
                                           CompressionCase{"2", 1}, CompressionCase{"3", 9},
                                           CompressionCase{"7", 0}, CompressionCase{"-1", 0},
                                           CompressionCase{"x", -1}),
                         [](const auto& testCase) {
                           std::string name = std::string("Stored_") + testCase.param.stored;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

TEST_F(StartupFixture, SavingAtExitPacksOnlyAtExit) {
  installPackhold();
  auto form = makeForm();
  ASSERT_EQ(form->FormCreate(), StartResult::Run);
  form->SaveAfterChange();
  EXPECT_TRUE(callsOf("_SaveArch").empty());
  form->close();
  EXPECT_EQ(callsOf("_SaveArch").size(), 1u);
  EXPECT_EQ(callsOf("_SaveArch")[0][1], "1");
}

TEST_F(StartupFixture, SavingAfterEveryChangePacksAtOnceAndNotAtExit) {
  installPackhold();
  writeIni("[Opcje]\r\nArchiwizacja=1\r\nSavePic=1\r\n");
  auto form = makeForm();
  ASSERT_EQ(form->FormCreate(), StartResult::Run);
  form->SaveAfterChange();
  EXPECT_TRUE(form->isEnabled());
  EXPECT_EQ(callsOf("_SaveArch"),
            (std::vector<Call>{SaveCall(false, -1, settingsFolder() + "spinfolio.sfa", 0, true)}));
  const std::string photos = form->location().PhotoFolder;
  ASSERT_TRUE(FolderExists(photos));
  form->close();
  EXPECT_EQ(callsOf("_SaveArch").size(), 1u);
  // The program removes the folders itself, the photos having been packed with the last change.
  EXPECT_TRUE(catalogFoldersLeft().empty());
  EXPECT_FALSE(PathExists(photos));
}

TEST_F(StartupFixture, PhotoFolderStaysWhenPhotosAreKeptOutside) {
  installPackhold();
  writeIni("[Opcje]\r\nArchiwizacja=1\r\nSavePic=0\r\n");
  auto form = makeForm();
  ASSERT_EQ(form->FormCreate(), StartResult::Run);
  const std::string photos = form->location().PhotoFolder;
  WriteFile(photos + "cd0.jpg", "jpeg");
  form->close();
  EXPECT_EQ(ReadFile(photos + "cd0.jpg"), "jpeg");
  EXPECT_TRUE(catalogFoldersLeft().empty());
}

TEST_F(StartupFixture, ChoosingAfterEveryChangeStoresItAndPacksAtOnce) {
  installPackhold();
  auto form = makeForm();
  ASSERT_EQ(form->FormCreate(), StartResult::Run);
  form->RadioGroup1->setItemIndex(1);
  form->RadioGroup1Click();
  EXPECT_NE(ReadFile(iniPath()).find("[Opcje]\r\nArchiwizacja=1\r\n"), std::string::npos);
  ASSERT_EQ(callsOf("_SaveArch").size(), 1u);
  EXPECT_EQ(callsOf("_SaveArch")[0][1], "0");
  form->close();
  EXPECT_EQ(callsOf("_SaveArch").size(), 1u);
}

TEST_F(StartupFixture, ChoosingACompressionStoresItAndSetsTheLevel) {
  installPackhold();
  auto form = makeForm();
  ASSERT_EQ(form->FormCreate(), StartResult::Run);
  form->ComboBox3->setCurrentIndex(2);
  form->ComboBox3Change();
  EXPECT_EQ(form->compressionLevel(), 1);
  EXPECT_NE(ReadFile(iniPath()).find("Met Kompresji=2\r\n"), std::string::npos);
  EXPECT_TRUE(callsOf("_SaveArch").empty());
  form->close();
  EXPECT_EQ(callsOf("_SaveArch")[0][2], "1");
}

TEST_F(StartupFixture, FailedClosingSaveKeepsTheCatalogFolders) {
  installPackhold();
  provideCatalog({{"plyty", "<n>Jedyna kopia</n>\r\n"}, {"cd0", ""}});
  ::setenv("SPINFOLIO_FAKE_SAVE_FAILS", "1", 1);
  auto form = makeForm();
  ASSERT_EQ(form->FormCreate(), StartResult::Run);
  const std::string catalog = form->location().catalogFolder();
  const std::string photos = form->location().PhotoFolder;
  WriteFile(photos + "cd0.jpg", "jpeg");
  form->close();
  EXPECT_EQ(ReadFile(catalog + "plyty"), "<n>Jedyna kopia</n>\r\n");
  EXPECT_EQ(ReadFile(photos + "cd0.jpg"), "jpeg");
}

TEST_F(StartupFixture, WindowPositionIsKeptOrErasedAtExit) {
  installPackhold();
  writeIni("[Polozenie]\r\nPoziomo=30\r\nPionowo=40\r\n[Opcje]\r\nJezyk=0\r\n");
  {
    auto form = makeForm();
    ASSERT_EQ(form->FormCreate(), StartResult::Run);
    form->move(50, 60);
    form->close();
    EXPECT_TRUE(ReadFile(iniPath()).starts_with("[Polozenie]\r\nPoziomo=50\r\nPionowo=60\r\n"));
  }
  auto form = makeForm();
  ASSERT_EQ(form->FormCreate(), StartResult::Run);
  EXPECT_EQ(form->pos(), QPoint(50, 60));
  form->CheckBox5->setChecked(false);
  form->close();
  EXPECT_EQ(ReadFile(iniPath()).find("Polozenie"), std::string::npos);
}

TEST_F(StartupFixture, UnwritableSettingsAreReportedAndTheCatalogIsStillPacked) {
  installPackhold();
  writeIni("[Sciezki]\r\nArchiwa=" + settingsFolder() + "spinfolio.sfa\r\n");
  auto form = makeForm();
  ASSERT_EQ(form->FormCreate(), StartResult::Run);
  ASSERT_EQ(::chmod(iniPath().c_str(), 0444), 0);
  const std::string before = ReadFile(iniPath());
  form->close();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text.toStdString(), "Unable to write to " + iniPath());
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
  EXPECT_EQ(ReadFile(iniPath()), before);
  EXPECT_EQ(callsOf("_SaveArch").size(), 1u);
  EXPECT_TRUE(catalogFoldersLeft().empty());
}

}  // namespace
}  // namespace spinfolio::test

namespace spinfolio::test {
namespace {

TEST_F(StartupFixture, CatalogSurvivesFromRunToRunWithTheArchiveLibrary) {
  install(PACKHOLD_LIBRARY, "libpackhold.so");
  {
    auto form = makeForm();
    ASSERT_EQ(form->FormCreate(), TForm1::StartResult::Run);
    const std::string catalog = form->location().catalogFolder();
    WriteFile(catalog + "plyty", "<m><n>Koncert</n><p>\r\n");
    WriteFile(catalog + "cd0", "<n>a.mp3</n><r>3.00 MB</r>\r\n");
    WriteFile(form->location().PhotoFolder + "cd0.jpg", "jpeg");
    form->close();
    EXPECT_TRUE(FileExists(settingsFolder() + "spinfolio.sfa"));
    EXPECT_TRUE(catalogFoldersLeft().empty());
    EXPECT_FALSE(PathExists(form->location().PhotoFolder));  // packed inside the archive
  }
  auto form = makeForm();
  ASSERT_EQ(form->FormCreate(), TForm1::StartResult::Run);
  EXPECT_EQ(form->location().DiscCount, 1);
  EXPECT_EQ(form->ComboBox1->itemText(0), QStringLiteral("<m><n>Koncert</n><p>"));
  EXPECT_EQ(ReadFile(form->location().catalogFolder() + "cd0"), "<n>a.mp3</n><r>3.00 MB</r>\r\n");
  EXPECT_EQ(ReadFile(form->location().PhotoFolder + "cd0.jpg"), "jpeg");
  EXPECT_TRUE(dialogs.messages.empty());
  form->close();
}

}  // namespace
}  // namespace spinfolio::test
