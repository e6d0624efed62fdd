#pragma once

#include <QStringList>
#include <QWidget>
#include <string>

#include "catalog/archive_binding.h"
#include "catalog/catalog_location.h"
#include "catalog/settings.h"
#include "platform/instance_lock.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;

namespace spinfolio {

class Clock;
class Dialogs;
class LineListModel;
class RadioGroup;

/// What the main window needs from its surroundings; tests replace every part.
struct StartContext {
  std::string programFolder;  // where the libraries lie; ends in "/"
  QStringList arguments;      // the command-line arguments after the program's name
  std::string lockFile;       // marks the running copy
  const Clock* clock = nullptr;
  Dialogs* dialogs = nullptr;
};

/// The main window. Its handlers are defined in the folders of the subsystems they belong to.
class TForm1 final : public QWidget {
  Q_OBJECT

 public:
  explicit TForm1(StartContext context, QWidget* parent = nullptr);
  ~TForm1() override;

  enum class StartResult { Run, End };

  // Start-up and shut-down.
  /// Runs start-up; End when the program is to end at once (second copy, new version, damaged
  /// disc list), in which case whatever shut-down was due has run.
  StartResult FormCreate();
  /// Shut-down; runs once, whenever the window closes.
  void FormClose();
  void LoadCatalogLists();

  // The archive.
  void LoadCatalog();
  /// Packs the catalog; tells whether the library was there to do it.
  LibraryCall SaveCatalog(bool closing);
  void SaveAfterChange();

  // Options.
  void RadioGroup1Click();
  void ComboBox3Change();
  void CheckBox7Click();
  void ApplyLanguage(int languageIndex);

  const CatalogLocation& location() const { return location_; }
  const std::string& settingsFolder() const { return settingsFolder_; }
  int languageIndex() const { return languageIndex_; }
  int compressionLevel() const { return compressionLevel_; }
  const std::string& driveRoot() const { return driveRoot_; }
  const DriveKinds& driveKinds() const { return driveKinds_; }
  const DisplayFlags& displayFlags() const { return displayFlags_; }
  const ReadFilter& readFilter() const { return readFilter_; }
  bool reduceFonts() const { return reduceFonts_; }
  int searchDisc() const { return searchDisc_; }
  int categoryDisc() const { return categoryDisc_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void showTexts(int languageIndex);
  void applyStartupSettings(const StartupSettings& settings, bool backdropPresent);
  void openChosenArchive(IniFile& ini);
  void storeArchivePath(IniFile& ini);
  ExitSettings exitSettings() const;
  void writeExitSettings();
  void finalSave();
  void showTitle();
  void showError(const QString& text);
  void showIniWriteError(const IniWriteError& error);
  void warnMissingLibrary(const char* libraryFile);
  std::string iniPath() const;

  StartContext context_;
  InstanceLock instanceLock_;
  CatalogLocation location_;
  std::string settingsFolder_;
  QString titleBase_;
  int compressionLevel_ = 0;
  int languageIndex_ = 0;
  std::string driveRoot_;
  DriveKinds driveKinds_{};
  DisplayFlags displayFlags_{};
  ReadFilter readFilter_;
  bool reduceFonts_ = false;
  int searchDisc_ = -1;
  int categoryDisc_ = -1;

  bool starting_ = false;        // start-up runs; a close waits for its end
  bool closeRequested_ = false;  // a close came while starting
  bool closed_ = false;          // shut-down has run

  // The lists of raw catalog lines behind the list controls.
  LineListModel* discLinesBrowse_;      // ComboBox1
  LineListModel* discLinesManage_;      // ComboBox4
  LineListModel* categoryLinesBrowse_;  // ComboBox2
  LineListModel* categoryLinesManage_;  // ListBox7
  LineListModel* categoryDiscs_;        // CheckListBox1
  LineListModel* pendingContent_;       // ListBox1
  LineListModel* browseContent_;        // ListBox2
  LineListModel* searchDiscs_;          // ListBox3
  LineListModel* searchContent_;        // ListBox4
  LineListModel* categoryMembers_;      // ListBox5
  LineListModel* categoryContent_;      // ListBox6

 public:
  // Controls, named as the program names them (also their objectName).
  QWidget* Panel1;   // title bar
  QLabel* Label2;    // title
  QWidget* Panel14;  // browse page
  QWidget* Panel15;  // categories page
  QWidget* Panel16;  // search page
  QWidget* Panel17;  // management page
  QWidget* Panel18;  // options page
  QComboBox* ComboBox1;
  QComboBox* ComboBox2;
  QComboBox* ComboBox4;
  QListView* ListBox1;
  QListView* ListBox2;
  QListView* ListBox3;
  QListView* ListBox4;
  QListView* ListBox5;
  QListView* ListBox6;
  QListView* ListBox7;
  QListView* CheckListBox1;
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QLineEdit* Edit3;
  QLabel* Label1;
  QCheckBox* CheckBox4;
  QCheckBox* CheckBox5;
  QCheckBox* CheckBox6;
  QCheckBox* CheckBox7;
  QCheckBox* CheckBox8;
  RadioGroup* RadioGroup1;
  QComboBox* ComboBox3;
  QComboBox* ComboBox5;
  QComboBox* ComboBox6;
  QComboBox* ComboBox7;
};

}  // namespace spinfolio
