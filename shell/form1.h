#pragma once

#include <QPoint>
#include <QStringList>
#include <QWidget>
#include <string>

#include "acquire/drive_list.h"
#include "catalog/archive_binding.h"
#include "catalog/catalog_location.h"
#include "catalog/settings.h"
#include "common/text_file.h"
#include "platform/instance_lock.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPainter;
class QPushButton;
class QRadioButton;
class QToolBar;
class QToolButton;

namespace spinfolio {

class Clock;
class Dialogs;
class LineListModel;
class PictureButton;
class RadioGroup;
class TabLook;
class TForm5;
enum class CategoryMove;

/// What the main window needs from its surroundings; tests replace every part.
struct StartContext {
  std::string programFolder;  // where the libraries lie; ends in "/"
  QStringList arguments;      // the command-line arguments after the program's name
  std::string lockFile;       // marks the running copy
  const Clock* clock = nullptr;
  Dialogs* dialogs = nullptr;
  DriveSources driveSources;  // where the drive list finds the system's drives
};

/// The five pages of the main window.
enum class Page { Browse, Categories, Search, Management, Options };

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
  void ComboBox6Change();
  void CheckBox7Click();

  // Language.
  /// Sets every text of the main window in the language of the index (0 English, 1 Polish).
  void ApplyLanguage(int languageIndex);

  // Pages.
  void ShowPage(Page page);
  Page currentPage() const { return currentPage_; }
  void Panel5Click();
  void Panel7Click();
  void Panel9Click();
  void Panel11Click();
  void Panel13Click();
  void ToolButton1Click();
  void ToolButton2Click();
  void Image1Click();
  void Image2Click();
  void Image48Click();

  // The disc information window beside the main window.
  void ShowDiscInfo(int disc);
  void DestroyDiscInfo();
  TForm5* discInfoWindow() const { return discInfo_; }

  // The file information window of a content entry.
  void ShowFileInfo(const std::string& entry, int disc);
  void ListBox2DblClick();
  void ListBox6DblClick();
  void ListBox4DblClick();
  void ListBox1DblClick();

  // Display options of the content lists.
  void Wywietlrozmiaryplikw1Click();
  void Tylkonazwapliku1Click();
  void PopupMenu2Popup();
  /// The content list of the visible page, as its place in the display flags: browse 0,
  /// categories 1, search 2, management 3.
  int shownContentList() const;
  QListView* contentListView(int list) const;

  // Reading a disc and filing it.
  void Image4Click();   // read the disc in the drive into the pending content list
  void Image6Click();   // file the read disc
  void Image12Click();  // change the chosen disc's data
  void Image10Click();  // clear the fields of a new disc
  void ToolButton4Click();
  void ToolButton5Click();

  // The drive chooser and the read filter.
  void ComboBox5Change();
  void ComboBox5DrawItem(QPainter& painter, const QRect& rect, int index, bool selected) const;
  void Napdywymienne1Click();
  void Dyski1Click();
  void Napdysieciowe1Click();
  void RAMdyski1Click();
  void Inne1Click();
  void BitBtn9Click();

  // Searching the catalog.
  void BitBtn12Click();
  void Edit3Change();
  /// A character typed in the query box; a carriage return (13) runs the search.
  void Edit3KeyPress(char key);
  void ListBox3Click();

  // Categories.
  void BitBtn8Click();
  void Dodajnowkategori1Click();
  void Zmienazwkategorii1Click();
  void Usutkategori1Click();
  void Przesukategoridogry1Click();
  void Przesuojednpozycjwd1Click();
  /// Line i: the disc index of row i of ListBox5.
  const Lines& categoryMemberMap() const { return categoryMemberMap_; }

  // What the pages refresh when they show.
  void ComboBox1Change();
  void ComboBox2Change();
  void ListBox5Click();
  void ComboBox4Change();
  void ListBox7Click();
  void FillDriveList();

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
  bool browseCarryOver() const { return browseCarryOver_; }
  /// The background option is shown, enabled and ticked: the windows ask for their pictures.
  bool backgroundsOn() const;
  /// The last search query, lower-cased, in the catalog's code page; empty before a search.
  const std::string& searchQuery() const { return searchQuery_; }
  /// Line i: the disc index of row i of the search results, in decimal.
  const Lines& searchResultMap() const { return searchResultMap_; }
  /// The filters of the archive file dialogs ("description|patterns" pairs), in the language
  /// the window speaks.
  const QString& archiveSaveFilter() const { return archiveSaveFilter_; }
  const QString& archiveOpenFilter() const { return archiveOpenFilter_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Building the window.
  void buildModels();
  void buildTitleBar();
  void buildTabs();
  void buildPages();
  void buildBrowsePage();
  void buildCategoriesPage();
  void buildSearchPage();
  void buildManagementPage();
  void buildDiscView();
  void buildCategoryView();
  void buildOptionsPage();
  void buildMenus();
  void dressWindow();
  void connectHandlers();
  void connectSearchHandlers();
  /// An information box of the search page with the numbered text.
  void showSearchMessage(int polishId);
  void connectCategoryHandlers();
  void showTexts(int languageIndex);
  void attachPainters();
  void attachDrivePainter();
  /// Ticks the items of the drive kinds menu as the drive kinds say.
  void showDriveKinds();
  void driveKindToggled(DriveKind kind, bool shown);
  void forgetShownDiscData();

  // Categories.
  /// Shows the lines of "kat" in ComboBox2 and ListBox7 (nothing picked in ListBox7); ComboBox2
  /// picks browsePick when that is one of its rows, else nothing.
  void showCategoryLines(const Lines& categories, int browsePick);
  void moveCategory(CategoryMove move);

  // Dragging the window by its title bar.
  void Panel1MouseDown(const QPoint& pointer);
  void Panel1MouseMove(const QPoint& pointer);
  /// Keeps the disc information window beside the main window: same top, 2 pixels right of it.
  void placeDiscInfo();

  // Start-up and shut-down helpers.
  void applyStartupSettings(const StartupSettings& settings, bool backdropPresent);
  void openChosenArchive(IniFile& ini);
  void storeArchivePath(IniFile& ini);
  ExitSettings exitSettings() const;
  void writeExitSettings();
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
  Page currentPage_ = Page::Browse;
  bool browseCarryOver_ = true;
  QPoint dragStart_;
  TForm5* discInfo_ = nullptr;  // owned by Qt's parent-child ownership while it exists
  std::string searchQuery_;
  Lines searchResultMap_;    // line i: the disc index of row i of ListBox3
  Lines categoryMemberMap_;  // line i: the disc index of row i of ListBox5
  QString archiveSaveFilter_;
  QString archiveOpenFilter_;

  bool starting_ = false;        // start-up runs; a close waits for its end
  bool closeRequested_ = false;  // a close came while starting
  bool closed_ = false;          // shut-down has run
  bool reading_ = false;         // a disc read runs; the read command waits for its end

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
  // Controls, named as the program names them (also their objectName). Qt's parent-child
  // ownership owns them all.

  // Title bar.
  QWidget* Panel1;
  QLabel* Image3;
  QLabel* Label2;
  PictureButton* Image1;   // close
  PictureButton* Image2;   // about
  PictureButton* Image48;  // minimize

  // Tabs: the active and the inactive look of each, with their captions.
  TabLook* Panel4;
  TabLook* Panel5;
  TabLook* Panel6;
  TabLook* Panel7;
  TabLook* Panel8;
  TabLook* Panel9;
  TabLook* Panel10;
  TabLook* Panel11;
  TabLook* Panel12;
  TabLook* Panel13;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label7;
  QLabel* Label8;
  QLabel* Label9;
  QLabel* Label10;
  QLabel* Label11;
  QLabel* Label12;
  QLabel* Label13;

  // Pages and their backgrounds.
  QWidget* Panel14;  // browse
  QWidget* Panel15;  // categories
  QWidget* Panel16;  // search
  QWidget* Panel17;  // management
  QWidget* Panel18;  // options
  QWidget* Panel19;  // management: disc view
  QWidget* Panel20;  // management: category view
  QLabel* Image8;
  QLabel* Image9;
  QLabel* Image51;
  QLabel* Image52;
  QLabel* Image53;
  QLabel* Image54;

  // Browse page.
  QGroupBox* GroupBox5;
  QLabel* Label18;
  QComboBox* ComboBox1;
  QGroupBox* GroupBox6;
  QLabel* Label19;
  QListView* ListBox2;

  // Categories page.
  QGroupBox* GroupBox4;
  QLabel* Label22;
  QComboBox* ComboBox2;
  QGroupBox* GroupBox2;
  QLabel* Label23;
  QListView* ListBox5;
  QGroupBox* GroupBox3;
  QLabel* Label24;
  QListView* ListBox6;

  // Search page.
  QGroupBox* GroupBox9;
  QLabel* Label20;
  QLineEdit* Edit3;
  QCheckBox* CheckBox1;
  QCheckBox* CheckBox2;
  QCheckBox* CheckBox3;
  QPushButton* BitBtn12;
  QGroupBox* GroupBox8;
  QLabel* Label21;
  QListView* ListBox3;
  QGroupBox* GroupBox7;
  QLabel* Label28;
  QListView* ListBox4;

  // Management page.
  QToolBar* ToolBar1;
  QToolButton* ToolButton1;
  QToolButton* ToolButton2;
  QToolButton* ToolButton4;
  QToolButton* ToolButton5;
  QRadioButton* RadioButton3;
  QRadioButton* RadioButton4;
  QLabel* Label16;
  QComboBox* ComboBox4;
  PictureButton* Image4;   // read a disc
  QLabel* Image5;          // its greyed picture
  PictureButton* Image10;  // clear the fields of a new disc
  QLabel* Image11;
  PictureButton* Image6;  // add the disc
  QLabel* Image7;
  PictureButton* Image12;  // change a disc's data
  QLabel* Image13;
  PictureButton* Image14;  // re-read a disc
  QLabel* Image15;
  PictureButton* Image49;  // reorder discs
  QLabel* Image50;
  PictureButton* Image16;  // remove a disc
  QLabel* Image17;
  QListView* ListBox1;
  QGroupBox* GroupBox10;
  QLabel* Label25;
  QListView* ListBox7;
  QGroupBox* GroupBox11;
  QLabel* Label26;
  QListView* CheckListBox1;
  QPushButton* BitBtn8;

  // Options page.
  QGroupBox* GroupBox1;
  QLabel* Label17;
  QLabel* Label6;
  QLabel* Label1;
  QComboBox* ComboBox5;
  QGroupBox* GroupBox12;
  QLabel* Label14;
  QLineEdit* Edit2;
  QPushButton* BitBtn4;
  QPushButton* BitBtn5;
  QPushButton* BitBtn6;
  RadioGroup* RadioGroup1;
  QGroupBox* GroupBox13;
  QLabel* Label27;
  QComboBox* ComboBox3;
  QGroupBox* GroupBox15;
  QLabel* Label15;
  QLineEdit* Edit1;
  QPushButton* BitBtn1;
  QPushButton* BitBtn7;
  QCheckBox* CheckBox4;
  QCheckBox* CheckBox5;
  QCheckBox* CheckBox6;
  QCheckBox* CheckBox7;
  QCheckBox* CheckBox8;
  QGroupBox* GroupBox14;
  QComboBox* ComboBox6;
  QPushButton* BitBtn9;
  QComboBox* ComboBox7;
  QPushButton* BitBtn10;

  // Context menus and their items.
  QMenu* PopupMenu1;  // categories of the category view
  QAction* Dodajnowkategori1;
  QAction* Zmienazwkategorii1;
  QAction* Usutkategori1;
  QAction* Przesukategoridogry1;
  QAction* Przesuojednpozycjwd1;
  QMenu* PopupMenu2;  // the four content lists
  QAction* Kopiujnazw1;
  QAction* Wywietlrozmiaryplikw1;
  QAction* Tylkonazwapliku1;
  QAction* Dodajplik1;
  QAction* Zmienazwwybranegopliku1;
  QAction* Usuwybraneplikizinformacjiopycie1;
  QAction* Sortujplikinalicie1;
  QAction* Przesuzaznaczoneplikiopozycjdogry1;
  QAction* Przesuzaznaczoneplikiopozycjwd1;
  QAction* Eksportujzawartopytydoplikuhtml1;
  QMenu* PopupMenu3;  // drive kinds of the drive chooser
  QAction* NapdyCDDVD1;
  QAction* Napdywymienne1;
  QAction* Dyski1;
  QAction* Napdysieciowe1;
  QAction* RAMdyski1;
  QAction* Inne1;
  QMenu* PopupMenu6;  // search results
  QAction* Eksportujwynikiwyszukiwaniadohtml1;
  QMenu* PopupMenu7;  // discs of a category
  QAction* Eksportujpytyzkategoriidoplikwhtml1;
  QMenu* PopupMenu8;  // the whole catalog
  QAction* Eksportujzawartocaegokatalogudoplikwhtml1;
};

}  // namespace spinfolio
