// Start-up of the main window: settings folder, archive choice, library calls, early ends.

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScreen>

#include "common/file_ops.h"
#include "platform/folders.h"
#include "shell/radio_group.h"
#include "tests/window/startup_fixture.h"

namespace spinfolio::test {
namespace {

using Call = std::vector<std::string>;
using StartResult = TForm1::StartResult;

TEST_F(StartupFixture, FirstRunMakesSettingsFolderAndOpensNewCatalogThere) {
  installPackhold();
  auto form = makeForm();
  ASSERT_EQ(form->FormCreate(), StartResult::Run);

  const std::string archive = settingsFolder() + "spinfolio.sfa";
  EXPECT_TRUE(FolderExists(settingsFolder()));
  EXPECT_EQ(form->settingsFolder(), settingsFolder());
  EXPECT_EQ(form->location().TempRoot, SystemTempFolder());
  EXPECT_EQ(form->location().CatalogFolderName, kCatalogFolderName);
  EXPECT_EQ(form->location().ArchivePath, archive);
  EXPECT_EQ(form->location().PhotoFolder, settingsFolder() + "spinfolio-graph/");
  EXPECT_EQ(form->location().DiscCount, 0);
  EXPECT_EQ(form->location().CategoryCount, 0);
  EXPECT_EQ(form->ComboBox1->count(), 0);
  EXPECT_EQ(form->Edit2->text().toStdString(), archive);
  EXPECT_EQ(form->Label2->text().toStdString(),
            "S p i n f o l i o   v 3 . 9 . 2    [spinfolio.sfa]");
  EXPECT_EQ(ReadFile(iniPath()), "[Sciezki]\r\nArchiwa=" + archive + "\r\n");
  EXPECT_EQ(
      callsOf("_OpenArch"),
      (std::vector<Call>{{"_OpenArch", archive, SystemTempFolder(), kCatalogFolderName, "0"}}));
  EXPECT_TRUE(dialogs.messages.empty());

  form->close();
  EXPECT_EQ(ReadFile(iniPath()),
            "[Sciezki]\r\nArchiwa=" + archive +
                "\r\n[Opcje]\r\nTla=0\r\nWersja=1\r\nZmnCzci=0\r\nSavePic=1\r\nWysun=0\r\n"
                "WList=0,0,0,0\r\nDrives=0,0,0,0,0\r\n");
  EXPECT_FALSE(PathExists(archive));
  EXPECT_TRUE(catalogFoldersLeft().empty());
}

TEST_F(StartupFixture, DefaultsOfFirstStart) {
  installPackhold();
  auto form = makeForm();
  ASSERT_EQ(form->FormCreate(), StartResult::Run);
  EXPECT_EQ(form->languageIndex(), 0);
  EXPECT_EQ(form->ComboBox6->currentIndex(), 0);
  EXPECT_EQ(form->RadioGroup1->itemIndex(), 0);
  EXPECT_EQ(form->compressionLevel(), -1);
  EXPECT_EQ(form->ComboBox7->currentIndex(), 0);
  EXPECT_TRUE(form->CheckBox6->isChecked());
  EXPECT_TRUE(form->CheckBox8->isChecked());
  EXPECT_FALSE(form->CheckBox7->isChecked());
  EXPECT_FALSE(form->CheckBox5->isChecked());
  EXPECT_EQ(form->driveRoot(), "/dev/sr0");
  EXPECT_EQ(form->Label1->text(), QStringLiteral("/dev/sr0"));
  EXPECT_EQ(form->Edit1->text().toStdString(), SystemTempFolder());
  EXPECT_EQ(form->driveKinds(), (DriveKinds{}));
  EXPECT_EQ(form->displayFlags(), (DisplayFlags{}));
  EXPECT_FALSE(form->readFilter().enabled);
  // Without their libraries the version and background options are hidden.
  EXPECT_TRUE(form->CheckBox6->isHidden());
  EXPECT_TRUE(form->CheckBox4->isHidden());
  EXPECT_FALSE(form->CheckBox4->isChecked());
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(form->x(), screen.x() + (screen.width() - 644) / 2);
  EXPECT_EQ(form->y(), screen.y() + (screen.height() - 434) / 2);
  form->close();
}

TEST_F(StartupFixture, StoredSettingsReachTheWindow) {
  installPackhold();
  install(FAKE_EMPTY, "libbackdrop.so");
  writeIni(
      "[Opcje]\r\nJezyk=1\r\nArchiwizacja=1\r\nMet Kompresji=3\r\nWysun=2\r\nSavePic=0\r\n"
      "Tla=1\r\nZmnCzci=1\r\nDrives=1,1,0,0,0\r\nWList=0,2,0,1\r\nLitera CD-ROM=/media/cd/\r\n"
      "[Polozenie]\r\nPoziomo=100\r\nPionowo=120\r\n[Filtr]\r\nWlaczone=1\r\nTyp=1\r\n"
      "ListaW=jpg,\"my doc\"\r\n");
  auto form = makeForm();
  ASSERT_EQ(form->FormCreate(), StartResult::Run);
  EXPECT_EQ(form->languageIndex(), 1);
  EXPECT_EQ(form->ComboBox6->currentIndex(), 1);
  EXPECT_EQ(form->ComboBox3->currentText(), QStringLiteral("Najlepsza"));
  EXPECT_EQ(form->compressionLevel(), 9);
  EXPECT_EQ(form->ComboBox7->currentIndex(), 2);
  EXPECT_EQ(form->RadioGroup1->itemIndex(), 1);
  EXPECT_FALSE(form->CheckBox8->isChecked());
  EXPECT_FALSE(form->CheckBox4->isHidden());
  EXPECT_TRUE(form->CheckBox4->isChecked());
  EXPECT_TRUE(form->CheckBox7->isChecked());
  EXPECT_TRUE(form->reduceFonts());
  EXPECT_EQ(form->driveKinds(), (DriveKinds{true, true, false, false, false}));
  EXPECT_EQ(form->displayFlags(), (DisplayFlags{0, 2, 0, 1}));
  EXPECT_EQ(form->driveRoot(), "/media/cd/");
  EXPECT_TRUE(form->CheckBox5->isChecked());
  EXPECT_EQ(form->pos(), QPoint(100, 120));
  EXPECT_TRUE(form->readFilter().enabled);
  EXPECT_EQ(form->readFilter().extensions, (std::vector<std::string>{"jpg", "my doc"}));
  form->close();
}

TEST_F(StartupFixture, LanguageOutsideTheTwoGivesEnglish) {
  installPackhold();
  writeIni("[Opcje]\r\nJezyk=7\r\nMet Kompresji=7\r\n");
  auto form = makeForm();
  ASSERT_EQ(form->FormCreate(), StartResult::Run);
  EXPECT_EQ(form->languageIndex(), 0);
  EXPECT_EQ(form->ComboBox6->currentIndex(), 0);
  // A compression item the box lacks selects nothing and packs without compression.
  EXPECT_EQ(form->ComboBox3->currentIndex(), -1);
  EXPECT_EQ(form->compressionLevel(), 0);
  form->close();
}

TEST_F(StartupFixture, SettingsFileInProgramFolderMovesToSettingsFolder) {
  installPackhold();
  WriteFile(env.programFolder() + "spinfolio.ini", "[Opcje]\r\nJezyk=1\r\n");
  auto form = makeForm();
  ASSERT_EQ(form->FormCreate(), StartResult::Run);
  EXPECT_FALSE(PathExists(env.programFolder() + "spinfolio.ini"));
  EXPECT_EQ(form->languageIndex(), 1);
  EXPECT_TRUE(ReadFile(iniPath()).starts_with("[Opcje]\r\nJezyk=1\r\n"));
  form->close();
}

TEST_F(StartupFixture, SettingsFileInBothPlacesKeepsTheSettingsFolderOne) {
  installPackhold();
  WriteFile(env.programFolder() + "spinfolio.ini", "[Opcje]\r\nJezyk=1\r\n");
  writeIni("[Opcje]\r\nJezyk=0\r\n");
  auto form = makeForm();
  ASSERT_EQ(form->FormCreate(), StartResult::Run);
  EXPECT_TRUE(PathExists(env.programFolder() + "spinfolio.ini"));
  EXPECT_EQ(form->languageIndex(), 0);
  form->close();
}

TEST_F(StartupFixture, ArchiveArgumentIsOpenedAndStored) {
  installPackhold();
  const std::string archive = scratch / "X/CAT.SFA";
  WriteFile(archive, "archive");
  auto form = makeForm({QString::fromStdString(archive)});
  ASSERT_EQ(form->FormCreate(), StartResult::Run);
  EXPECT_EQ(form->location().ArchivePath, archive);
  EXPECT_EQ(form->location().PhotoFolder, scratch / "X/CAT-graph/");
  EXPECT_EQ(callsOf("_OpenArch").at(0).at(1), archive);
  EXPECT_EQ(ReadFile(iniPath()), "[Sciezki]\r\nArchiwa=" + archive + "\r\n");
  form->close();
}

TEST_F(StartupFixture, ArgumentsThatNameNoArchiveAreIgnored) {
  installPackhold();
  const std::string text = scratch / "notes.txt";
  WriteFile(text, "x");
  for (const std::string& argument : {text, scratch / "missing.sfa"}) {
    auto form = makeForm({QString::fromStdString(argument)});
    ASSERT_EQ(form->FormCreate(), StartResult::Run);
    EXPECT_EQ(form->location().ArchivePath, settingsFolder() + "spinfolio.sfa") << argument;
    form->close();
  }
}

TEST_F(StartupFixture, FolderHoldingAnOlderCatalogOpensIt) {
  installPackhold();
  const std::string folder = scratch / "old/";
  WriteFile(folder + "spinfolio.sfz", "old catalog");
  writeIni("[Sciezki]\r\nArchiwa=" + folder + "\r\n");
  auto form = makeForm();
  ASSERT_EQ(form->FormCreate(), StartResult::Run);
  EXPECT_EQ(callsOf("_OpenArch").at(0).at(1), folder + "spinfolio.sfz");
  EXPECT_EQ(form->location().ArchivePath, folder + "spinfolio.sfa");
  EXPECT_EQ(form->location().PhotoFolder, folder + "spinfolio-graph/");
  EXPECT_EQ(ReadFile(iniPath()), "[Sciezki]\r\nArchiwa=" + folder + "spinfolio.sfa\r\n");
  form->close();
}

TEST_F(StartupFixture, CatalogListsAreFilledFromTheUnpackedFiles) {
  installPackhold();
  provideCatalog({{"plyty", "<n>Wakacje</n>\r\n<m><n>Koncert</n><p>\r\n"},
                  {"kat", "<n>Muzyka</n>\r\n"},
                  {"cd0", ""},
                  {"cd1", ""}});
  auto form = makeForm();
  ASSERT_EQ(form->FormCreate(), StartResult::Run);
  EXPECT_EQ(form->location().DiscCount, 2);
  EXPECT_EQ(form->location().CategoryCount, 1);
  EXPECT_EQ(form->ComboBox1->count(), 2);
  EXPECT_EQ(form->ComboBox4->count(), 2);
  EXPECT_EQ(form->ComboBox2->count(), 1);
  EXPECT_EQ(form->ListBox7->model()->rowCount(), 1);
  EXPECT_EQ(form->ComboBox1->itemText(1), QStringLiteral("<m><n>Koncert</n><p>"));
  EXPECT_EQ(form->ComboBox1->currentIndex(), -1);
  EXPECT_EQ(form->searchDisc(), -1);
  EXPECT_EQ(form->categoryDisc(), -1);
  form->close();
}

TEST_F(StartupFixture, DiscListInTheOldFormatIsRefusedAndShutDownRuns) {
  installPackhold();
  provideCatalog({{"plyty", "<nazwa>Stara</nazwa>\r\n"}, {"cd0", ""}});
  auto form = makeForm();
  EXPECT_EQ(form->FormCreate(), StartResult::End);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text.toStdString(),
            "Błąd bazy programu.\nBaza informacji o płytach nie została uaktualniona.\n"
            "Aby kożystać z niej potrzebna będzie aktualizacja.");
  EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Error"));
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
  // Shut-down ran: the exit settings are written, the catalog packed and its folder removed.
  EXPECT_NE(ReadFile(iniPath()).find("Drives=0,0,0,0,0"), std::string::npos);
  EXPECT_EQ(callsOf("_SaveArch").size(), 1u);
  EXPECT_TRUE(catalogFoldersLeft().empty());
}

TEST_F(StartupFixture, OldFormatMessageIsPolishInPolish) {
  installPackhold();
  writeIni("[Opcje]\r\nJezyk=1\r\n");
  provideCatalog({{"plyty", "<nazwa>Stara</nazwa>\r\n"}});
  auto form = makeForm();
  EXPECT_EQ(form->FormCreate(), StartResult::End);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Błąd"));
}

TEST_F(StartupFixture, SecondCopyIsRefusedAndTheFirstRunsOn) {
  installPackhold();
  auto first = makeForm();
  ASSERT_EQ(first->FormCreate(), StartResult::Run);
  const auto opensBefore = callsOf("_OpenArch").size();

  ScriptedDialogs secondDialogs;
  auto second = makeFormWith(secondDialogs);
  EXPECT_EQ(second->FormCreate(), StartResult::End);
  ASSERT_EQ(secondDialogs.messages.size(), 1u);
  EXPECT_EQ(secondDialogs.messages[0].text, QStringLiteral("Program already started"));
  EXPECT_EQ(secondDialogs.messages[0].caption, QStringLiteral("Spinfolio"));
  EXPECT_EQ(callsOf("_OpenArch").size(), opensBefore);
  second->close();
  second.reset();
  EXPECT_TRUE(callsOf("_SaveArch").empty());  // the refused copy saves nothing

  EXPECT_TRUE(FolderExists(first->location().catalogFolder()));
  first->close();
  EXPECT_TRUE(catalogFoldersLeft().empty());
}

TEST_F(StartupFixture, WithoutArchiveLibraryEachPackAndUnpackWarnsOnce) {
  auto form = makeForm();
  ASSERT_EQ(form->FormCreate(), StartResult::Run);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  const MessageRequest warning = dialogs.messages[0];
  EXPECT_EQ(warning.text, QStringLiteral("Nie znaleziono wymaganej biblioteki 'libpackhold.so'"));
  EXPECT_EQ(warning.caption, QStringLiteral("Ostrzeżenie"));
  EXPECT_EQ(warning.icon, MessageIcon::Warning);
  EXPECT_EQ(warning.buttons, MessageButtons::Ok);
  EXPECT_EQ(form->location().DiscCount, 0);
  EXPECT_EQ(form->ComboBox1->count(), 0);
  EXPECT_TRUE(catalogFoldersLeft().empty());

  form->close();
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[1].text, warning.text);
}

TEST_F(StartupFixture, LibraryWithoutTheEntryPointsIsSilent) {
  install(FAKE_EMPTY, "libpackhold.so");
  auto form = makeForm();
  ASSERT_EQ(form->FormCreate(), StartResult::Run);
  form->close();
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StartupFixture, VersionCheckIsAskedWhenItsLibraryIsThere) {
  installPackhold();
  install(FAKE_VERCHECK, "libvercheck.so");
  writeIni("[Opcje]\r\nJezyk=1\r\n");
  auto form = makeForm();
  ASSERT_EQ(form->FormCreate(), StartResult::Run);
  EXPECT_FALSE(form->CheckBox6->isHidden());
  EXPECT_EQ(callsOf("_SprVer"),
            (std::vector<Call>{{"_SprVer", "spinfolio", "3.9.2", "Spinfolio", "1"}}));
  form->close();
}

TEST_F(StartupFixture, NewVersionEndsTheProgramBeforeTheCatalogOpens) {
  installPackhold();
  install(FAKE_VERCHECK, "libvercheck.so");
  ::setenv("SPINFOLIO_FAKE_NEW_VERSION", "1", 1);
  auto form = makeForm();
  EXPECT_EQ(form->FormCreate(), StartResult::End);
  EXPECT_EQ(callsOf("_SprVer").size(), 1u);
  EXPECT_TRUE(callsOf("_OpenArch").empty());
  EXPECT_TRUE(catalogFoldersLeft().empty());
  form->close();
  EXPECT_TRUE(callsOf("_SaveArch").empty());
}

TEST_F(StartupFixture, VersionCheckOffOrLibraryUnloadable) {
  installPackhold();
  writeIni("[Opcje]\r\nWersja=0\r\n");
  install(FAKE_VERCHECK, "libvercheck.so");
  {
    auto form = makeForm();
    ASSERT_EQ(form->FormCreate(), StartResult::Run);
    EXPECT_TRUE(callsOf("_SprVer").empty());
    form->close();
  }
  // A file of that name that is no library: the warning, and start-up goes on.
  writeIni("[Opcje]\r\nWersja=1\r\n");
  WriteFile(env.programFolder() + "libvercheck.so", "not a library");
  auto form = makeForm();
  ASSERT_EQ(form->FormCreate(), StartResult::Run);
  ASSERT_FALSE(dialogs.messages.empty());
  EXPECT_EQ(dialogs.messages[0].text,
            QStringLiteral("Nie znaleziono wymaganej biblioteki 'libvercheck.so'"));
  form->close();
}

}  // namespace
}  // namespace spinfolio::test
