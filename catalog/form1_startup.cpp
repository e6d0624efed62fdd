// Start-up and shut-down of the main window, and the filling of its catalog lists.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScreen>

#include "catalog/archive_binding.h"
#include "catalog/catalog_files.h"
#include "catalog/startup_rules.h"
#include "common/empty_folder.h"
#include "common/file_ops.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/folders.h"
#include "shell/form1.h"
#include "shell/line_list_model.h"
#include "shell/radio_group.h"
#include "shell/string_table.h"

namespace spinfolio {
namespace {

bool LibraryPresent(const std::string& programFolder, const char* libraryFile) {
  return FileExists(programFolder + libraryFile);
}

// Clears the flag that defers a close for as long as start-up runs.
class StartingScope {
 public:
  explicit StartingScope(bool& starting) : starting_(starting) { starting_ = true; }
  StartingScope(const StartingScope&) = delete;
  StartingScope& operator=(const StartingScope&) = delete;
  ~StartingScope() { starting_ = false; }

 private:
  bool& starting_;
};

}  // namespace

TForm1::StartResult TForm1::FormCreate() {
  StartingScope starting(starting_);
  titleBase_ = Label2->text();

  if (!instanceLock_.tryAcquire(context_.lockFile)) {
    context_.dialogs->showMessage(
        this, {QStringLiteral("Program already started"), QStringLiteral("Spinfolio"),
               MessageIcon::None, MessageButtons::Ok});
    closed_ = true;  // nothing was opened, so there is nothing to shut down
    return StartResult::End;
  }

  location_.CatalogFolderName = CatalogFolderNameAt(context_.clock->now());
  settingsFolder_ = PrepareSettingsFolder(UserConfigFolder(), context_.programFolder);
  const std::string systemTemp = SystemTempFolder();
  location_.TempRoot = systemTemp;
  location_.DiscCount = 0;
  location_.CategoryCount = 0;

  IniFile ini(iniPath());
  const bool backdropPresent = LibraryPresent(context_.programFolder, kBackdropLibrary);
  const SettingsContext settingsContext{systemTemp, settingsFolder_, backdropPresent};
  applyStartupSettings(ReadStartupSettings(ini, settingsContext, CodePage::System()),
                       backdropPresent);

  const bool versionCheckPresent = LibraryPresent(context_.programFolder, kVersionCheckLibrary);
  CheckBox6->setVisible(versionCheckPresent);
  if (versionCheckPresent && CheckBox6->isChecked()) {
    const VersionCheck check = CallVersionCheck(context_.programFolder, languageIndex_);
    if (check.call == LibraryCall::LibraryMissing) warnMissingLibrary(kVersionCheckLibrary);
    if (check.newVersion) {
      closed_ = true;  // no catalog folder exists yet
      return StartResult::End;
    }
  }

  openChosenArchive(ini);

  Edit2->setText(NativeText(location_.ArchivePath));
  showTitle();
  location_.PhotoFolder = PhotoFolderFor(location_.ArchivePath);

  if (location_.DiscCount > 0) {
    const auto firstLine = ReadFirstLine(location_.catalogFolder() + kDiscListFile);
    if (!firstLine || !IsCurrentDiscListFormat(*firstLine)) {
      context_.dialogs->showMessage(
          this, {LocalText(199, languageIndex_), LocalText(kCaptionError, languageIndex_),
                 MessageIcon::Error, MessageButtons::Ok});
      FormClose();
      return StartResult::End;
    }
  }

  searchDisc_ = -1;
  categoryDisc_ = -1;
  if (closeRequested_) {
    FormClose();
    return StartResult::End;
  }
  return StartResult::Run;
}

void TForm1::applyStartupSettings(const StartupSettings& settings, bool backdropPresent) {
  driveKinds_ = settings.driveKinds;
  showDriveKinds();
  displayFlags_ = settings.displayFlags;
  driveRoot_ = settings.driveRoot;
  FillDriveList();
  Label1->setText(NativeText(driveRoot_));
  location_.TempRoot = settings.tempRoot;
  Edit1->setText(NativeText(location_.TempRoot));
  CheckBox8->setChecked(settings.photosInside);
  RadioGroup1->setItemIndex(settings.archivingMoment);
  ComboBox3->setCurrentIndex(settings.compressionItem);
  ComboBox7->setCurrentIndex(settings.ejectItem);

  CheckBox5->setChecked(settings.windowPosition.has_value());
  if (settings.windowPosition) {
    move(settings.windowPosition->left, settings.windowPosition->top);
  } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
  }

  CheckBox6->setChecked(settings.versionCheck);
  ComboBox6->setCurrentIndex(settings.languageIndex);
  ApplyLanguage(settings.languageIndex);
  CheckBox4->setVisible(backdropPresent);
  CheckBox4->setChecked(settings.backgrounds);
  readFilter_ = settings.readFilter;
  CheckBox7->setChecked(settings.reduceFonts);
  reduceFonts_ = settings.reduceFonts;

  compressionLevel_ = CompressionLevelFor(ComboBox3->currentIndex());
  Label1->setText(NativeText(driveRoot_));
}

void TForm1::openChosenArchive(IniFile& ini) {
  location_.ArchivePath = ReadArchivePathSetting(ini, settingsFolder_, CodePage::System());
  if (!context_.arguments.isEmpty()) {
    const std::string argument = QFile::encodeName(context_.arguments.constFirst()).toStdString();
    if (IsArchiveArgument(argument)) {
      location_.ArchivePath = argument;
      storeArchivePath(ini);
    }
  }
  const ArchiveChoice choice = ChooseArchive(location_.ArchivePath, settingsFolder_);
  location_.ArchivePath = choice.pathToOpen;
  LoadCatalog();
  location_.ArchivePath = choice.archivePath;
  if (choice.storeArchivePath) storeArchivePath(ini);
}

void TForm1::storeArchivePath(IniFile& ini) {
  try {
    WriteArchivePathSetting(ini, location_.ArchivePath, CodePage::System());
  } catch (const IniWriteError& error) {
    // Reported; the catalog still opens.
    showIniWriteError(error);
  }
}

void TForm1::showTitle() {
  Label2->setText(titleBase_ + QStringLiteral("    [") +
                  NativeText(FileNamePart(location_.ArchivePath)) + QLatin1Char(']'));
}

void TForm1::LoadCatalogLists() {
  CatalogLists lists = ReadCatalogLists(location_.catalogFolder());
  location_.CategoryCount = static_cast<int>(lists.categories.size());
  categoryLinesBrowse_->setLines(lists.categories);
  categoryLinesManage_->setLines(std::move(lists.categories));
  categoryDiscs_->clear();
  location_.DiscCount = static_cast<int>(lists.discs.size());
  discLinesBrowse_->setLines(lists.discs);
  discLinesManage_->setLines(std::move(lists.discs));
  // Filled drop-downs start with nothing chosen.
  for (QComboBox* box : {ComboBox1, ComboBox2, ComboBox4}) box->setCurrentIndex(-1);

  pendingContent_->clear();
  // The member map names discs of the catalog that was open before.
  categoryMemberMap_.clear();
  Edit3->clear();
  for (LineListModel* list :
       {browseContent_, searchDiscs_, searchContent_, categoryMembers_, categoryContent_}) {
    list->clear();
  }
}

ExitSettings TForm1::exitSettings() const {
  ExitSettings settings;
  settings.backgrounds = CheckBox4->isChecked();
  settings.versionCheck = CheckBox6->isChecked();
  settings.reduceFonts = CheckBox7->isChecked();
  settings.photosInside = CheckBox8->isChecked();
  settings.ejectItem = ComboBox7->currentIndex();
  if (CheckBox5->isChecked()) settings.windowPosition = WindowPosition{x(), y()};
  settings.displayFlags = displayFlags_;
  settings.driveKinds = driveKinds_;
  return settings;
}

void TForm1::writeExitSettings() {
  IniFile ini(iniPath());
  try {
    WriteExitSettings(ini, exitSettings());
  } catch (const IniWriteError& error) {
    // Reported, and the shut-down goes on: the catalog must still be packed.
    showIniWriteError(error);
  }
}

void TForm1::FormClose() {
  if (closed_) return;
  closed_ = true;
  writeExitSettings();
  hide();
  const std::string catalogFolder = location_.catalogFolder();
  if (RadioGroup1->itemIndex() == 0) {
    // A closing save removes the folders itself. When it could not run, or left the catalog
    // folder behind because packing failed, the folders hold the only copy of the user's data
    // and are kept.
    if (SaveCatalog(true) != LibraryCall::Done || FolderExists(catalogFolder)) return;
  }
  RemoveFolderTree(catalogFolder);
  if (CheckBox8->isChecked()) RemoveFolderTree(location_.PhotoFolder);
}

void TForm1::showError(const QString& text) {
  context_.dialogs->showMessage(
      this, {text, QStringLiteral("Spinfolio"), MessageIcon::Error, MessageButtons::Ok});
}

void TForm1::showIniWriteError(const IniWriteError& error) {
  showError(QString::fromLocal8Bit(error.what()));
}

void TForm1::warnMissingLibrary(const char* libraryFile) {
  context_.dialogs->showMessage(this, MissingLibraryWarning(QString::fromLatin1(libraryFile)));
}

std::string TForm1::iniPath() const { return settingsFolder_ + kSettingsFileName; }

}  // namespace spinfolio
