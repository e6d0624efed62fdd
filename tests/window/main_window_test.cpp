// The main window's shell: shape, tabs, pages, page switching and the two languages.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "shell/about_box.h"
#include "shell/picture_button.h"
#include "shell/radio_group.h"
#include "shell/tab_look.h"
#include "tests/window/startup_fixture.h"

namespace spinfolio::test {
namespace {

using StartResult = TForm1::StartResult;

TEST_F(StartupFixture, WindowIsShapedLikeItsTitleStripOverItsBody) {
  auto form = makeForm();
  EXPECT_EQ(form->size(), QSize(644, 434));
  const QRegion mask = form->mask();
  for (const QPoint inside : {QPoint(4, 4), QPoint(322, 10), QPoint(322, 23), QPoint(0, 200),
                              QPoint(643, 200), QPoint(322, 433)}) {
    EXPECT_TRUE(mask.contains(inside)) << inside.x() << "," << inside.y();
  }
  for (const QPoint outside :
       {QPoint(0, 0), QPoint(643, 0), QPoint(0, 433), QPoint(643, 433), QPoint(0, 23)}) {
    EXPECT_FALSE(mask.contains(outside)) << outside.x() << "," << outside.y();
  }
  EXPECT_EQ(form->Panel1->geometry(), QRect(0, 0, 644, 22));
  EXPECT_EQ(form->Image2->geometry(), QRect(575, 3, 16, 16));
  EXPECT_EQ(form->Image48->geometry(), QRect(599, 3, 16, 16));
  EXPECT_EQ(form->Image1->geometry(), QRect(623, 3, 16, 16));
}

TEST_F(StartupFixture, TabsAndPagesLieWhereTheyShould) {
  auto form = makeForm();
  const std::pair<TabLook*, TabLook*> tabs[] = {{form->Panel4, form->Panel5},
                                                {form->Panel6, form->Panel7},
                                                {form->Panel8, form->Panel9},
                                                {form->Panel10, form->Panel11},
                                                {form->Panel12, form->Panel13}};
  const QRect expected[] = {{0, 23, 110, 22},
                            {109, 23, 110, 22},
                            {218, 23, 130, 22},
                            {347, 23, 110, 22},
                            {456, 23, 110, 22}};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(tabs[i].first->geometry(), expected[i]) << i;
    EXPECT_EQ(tabs[i].second->geometry(), expected[i]) << i;
  }
  for (QWidget* page :
       {form->Panel14, form->Panel15, form->Panel16, form->Panel17, form->Panel18}) {
    EXPECT_EQ(page->geometry(), QRect(1, 44, 642, 389));
    // Rounded, but for the square top-left corner.
    EXPECT_TRUE(page->mask().contains(QPoint(0, 0)));
    EXPECT_FALSE(page->mask().contains(QPoint(641, 0)));
    EXPECT_FALSE(page->mask().contains(QPoint(0, 388)));
  }
  EXPECT_EQ(form->Panel19->geometry(), QRect(0, 22, 642, 367));
  EXPECT_EQ(form->Panel20->geometry(), QRect(0, 22, 642, 367));
}

TEST_F(StartupFixture, ShowPageShowsExactlyOnePageAndItsActiveLook) {
  auto form = makeForm();
  form->show();
  struct Parts {
    Page page;
    TabLook* active;
    TabLook* inactive;
    QWidget* panel;
  };
  const Parts pages[] = {{Page::Browse, form->Panel4, form->Panel5, form->Panel14},
                         {Page::Categories, form->Panel6, form->Panel7, form->Panel15},
                         {Page::Search, form->Panel8, form->Panel9, form->Panel16},
                         {Page::Management, form->Panel10, form->Panel11, form->Panel17},
                         {Page::Options, form->Panel12, form->Panel13, form->Panel18}};
  // At start the browse page shows.
  EXPECT_TRUE(form->Panel14->isVisible());
  EXPECT_TRUE(form->Panel4->isVisible());
  for (const Parts& shown : pages) {
    form->ShowPage(shown.page);
    for (const Parts& parts : pages) {
      const bool chosen = &parts == &shown;
      EXPECT_EQ(parts.panel->isVisible(), chosen);
      EXPECT_EQ(parts.active->isVisible(), chosen);
      EXPECT_EQ(parts.inactive->isVisible(), !chosen);
    }
  }
  form->close();
}

TEST_F(StartupFixture, ChoicesAreCarriedToTheManagementPageFromBrowseAndCategoriesOnly) {
  installPackhold();
  provideCatalog({{"plyty", "<n>A</n>\r\n<n>B</n>\r\n<n>C</n>\r\n"},
                  {"kat", "<n>K1</n>\r\n<n>K2</n>\r\n"},
                  {"cd0", ""},
                  {"cd1", "<n>b.txt</n>\r\n"},
                  {"cd2", ""}});
  auto form = makeForm();
  ASSERT_EQ(form->FormCreate(), StartResult::Run);
  form->show();

  form->ComboBox1->setCurrentIndex(1);
  form->ShowPage(Page::Management);
  EXPECT_EQ(form->ComboBox4->currentIndex(), 1);

  form->ComboBox2->setCurrentIndex(1);
  form->ShowPage(Page::Categories);
  form->ShowPage(Page::Management);
  EXPECT_EQ(form->ListBox7->currentIndex().row(), 1);

  // From the search page nothing is carried: the management page keeps its own choice.
  form->ComboBox4->setCurrentIndex(2);
  form->ComboBox1->setCurrentIndex(0);
  form->ShowPage(Page::Search);
  EXPECT_FALSE(form->browseCarryOver());
  form->ShowPage(Page::Management);
  EXPECT_EQ(form->ComboBox4->currentIndex(), 2);

  // In change mode the chosen disc's content list is loaded.
  form->RadioButton4->setChecked(true);
  form->ComboBox1->setCurrentIndex(1);
  form->ShowPage(Page::Browse);
  form->ShowPage(Page::Management);
  EXPECT_EQ(form->ListBox1->model()->rowCount(), 1);
  form->close();
}

TEST_F(StartupFixture, DraggingTheTitleBarMovesTheWindow) {
  auto form = makeForm();
  form->move(100, 100);
  for (QWidget* handle : {form->Panel1, static_cast<QWidget*>(form->Label2)}) {
    const QPoint start = form->pos();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(50, 10), QPointF(), QPointF(),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(handle, &press);
    QMouseEvent drag(QEvent::MouseMove, QPointF(80, 15), QPointF(), QPointF(), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(handle, &drag);
    EXPECT_EQ(form->pos(), start + QPoint(30, 5));
  }
}

TEST_F(StartupFixture, ManagementViewsSwitch) {
  auto form = makeForm();
  form->show();
  form->ShowPage(Page::Management);
  EXPECT_TRUE(form->Panel19->isVisible());
  form->ToolButton2Click();
  EXPECT_TRUE(form->Panel20->isVisible());
  EXPECT_FALSE(form->Panel19->isVisible());
  form->ToolButton1Click();
  EXPECT_TRUE(form->Panel19->isVisible());
  EXPECT_FALSE(form->Panel20->isVisible());
  form->close();
}

TEST_F(StartupFixture, PictureButtonsLightUnderThePointerButGreyedCopiesDoNot) {
  auto form = makeForm();
  PictureButton* buttons[] = {form->Image1,  form->Image2, form->Image48, form->Image4,
                              form->Image14, form->Image6, form->Image12, form->Image10,
                              form->Image16, form->Image49};
  for (PictureButton* button : buttons) {
    const QImage normal = button->pixmap().toImage();
    ASSERT_FALSE(normal.isNull()) << button->objectName().toStdString();
    QEnterEvent enter({}, {}, {});
    QCoreApplication::sendEvent(button, &enter);
    EXPECT_TRUE(button->isLit());
    EXPECT_NE(button->pixmap().toImage(), normal) << button->objectName().toStdString();
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);
    EXPECT_EQ(button->pixmap().toImage(), normal);
  }
  for (QLabel* greyed : {form->Image5, form->Image7, form->Image11, form->Image13, form->Image15,
                         form->Image17, form->Image50}) {
    EXPECT_EQ(qobject_cast<PictureButton*>(greyed), nullptr);
    EXPECT_FALSE(greyed->pixmap().isNull()) << greyed->objectName().toStdString();
  }
  // The greyed copies stand where their buttons stand.
  EXPECT_EQ(form->Image13->geometry(), form->Image12->geometry());
  EXPECT_EQ(form->Image15->geometry(), form->Image14->geometry());
}

// What a control shows, whatever kind of control it is.
QString Shown(const QObject* control) {
  if (const auto* group = qobject_cast<const QGroupBox*>(control)) return group->title();
  if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
  if (const auto* action = qobject_cast<const QAction*>(control)) return action->text();
  return {};
}

struct TextCase {
  const char* control;
  bool hint;  // the control's hint rather than its text
  const char* polish;
  const char* english;
};

TEST_F(StartupFixture, EveryTextOfTheWindowInBothLanguages) {
  const TextCase cases[] = {
      {"Label3", false, "Przeglądanie", "Browse"},
      {"Label4", false, "Przeglądanie", "Browse"},
      {"Label5", false, "Kategorie", "Categories"},
      {"Label7", false, "Kategorie", "Categories"},
      {"Label8", false, "Szukaj w katalogu", "Search in catalogue"},
      {"Label9", false, "Szukaj w katalogu", "Search in catalogue"},
      {"Label10", false, "Zarządzanie", "Management"},
      {"Label11", false, "Zarządzanie", "Management"},
      {"Label12", false, "Opcje programu", "Settings"},
      {"Label13", false, "Opcje programu", "Settings"},
      {"ToolButton1", true, "Płytami", "CDs"},
      {"ToolButton2", true, "Kategoriami", "Categories"},
      {"GroupBox5", false, "Nazwa w katalogu : ", "Name in catalogue : "},
      {"Label18", false, "Nazwa w katalogu : ", "Name in catalogue : "},
      {"GroupBox6", false, "Zawartość płytki : ", "CD content : "},
      {"Label19", false, "Zawartość płytki : ", "CD content : "},
      {"GroupBox3", false, "Zawartość płytki : ", "CD content : "},
      {"Label24", false, "Zawartość płytki : ", "CD content : "},
      {"GroupBox7", false, "Zawartość płytki : ", "CD content : "},
      {"Label28", false, "Zawartość płytki : ", "CD content : "},
      {"GroupBox4", false, "Kategoria : ", "Category : "},
      {"Label22", false, "Kategoria : ", "Category : "},
      {"GroupBox2", false, "Płyty w kategorii : ", "CDs in category : "},
      {"Label23", false, "Płyty w kategorii : ", "CDs in category : "},
      {"GroupBox9", false, "Szukaj w katalogu : ", "Search for : "},
      {"Label20", false, "Szukaj w katalogu : ", "Search for : "},
      {"BitBtn12", false, "Szukaj", "Find"},
      {"CheckBox1", false, "w tytułach", "in titles"},
      {"CheckBox2", false, "w zawartości", "in content"},
      {"CheckBox3", false, "w opisie", "in description"},
      {"GroupBox8", false, "Wyniki : ", "Results : "},
      {"Label21", false, "Wyniki : ", "Results : "},
      {"RadioButton3", false, "Dodaj płytkę", "Add CD"},
      {"Image4", true, "Wczytaj zawartość płytki", "Get CD content"},
      {"Image6", true,
       "Wprowadź informacje o płycie - nazwę w katalogu, zdjęcie, opis i dodaj płytkę do spisu",
       "Set CD information - name in catalogue, photo, description and add CD to catalogue"},
      {"Image10", true, "Wyczyść pola dodawania nowej płyty", "Clear adding new CD fields"},
      {"RadioButton4", false, "Zmień dane płytki / Usuń płytkę",
       "Change CD information / Remove CD"},
      {"Label16", false, "Wybierz", "Choose"},
      {"Image12", true, "Kliknij aby zmienić dane płytki - nazwę w katalogu, zdjęcie, opis",
       "Click to change CD information - name in catalogue, photo, description"},
      {"Image14", true, "Kliknij aby ponownie wczytać zawartość płyty i zapisać w katalogu",
       "Update CD content"},
      {"Image49", true, "Zamiana kolejności płytek", "Swap CDs"},
      {"Image16", true, "Kliknij aby usunąć z katalogu wybraną płytkę",
       "Remove selected CD from catalogue"},
      {"GroupBox10", false, "Nazwa kategorii : ", "Category name : "},
      {"Label25", false, "Nazwa kategorii : ", "Category name : "},
      {"GroupBox11", false,
       "Wybierz płyty do dodania do kategorii : ", "Choose CDs for this category : "},
      {"Label26", false,
       "Wybierz płyty do dodania do kategorii : ", "Choose CDs for this category : "},
      {"BitBtn8", false, "Zapisz", "Save"},
      {"GroupBox1", false, "Napęd wczytywania danych : ", "CD drive : "},
      {"Label17", false, "Napęd wczytywania danych : ", "CD drive : "},
      {"Label6", false, "Obecnie ustawiony jest : ", "Actually set : "},
      {"RadioGroup1", false, "Archiwizuj dane o płytach : ", "Save CD archives : "},
      {"RadioGroup1", true, "Wybierz kiedy program ma kompresować i zapisywać dane z katalogu",
       "Set when CD archives should be updated"},
      {"GroupBox13", false, "Metoda kompresji archiwum : ", "Archive compression : "},
      {"Label27", false, "Metoda kompresji archiwum : ", "Archive compression : "},
      {"GroupBox13", true, "Wybierz sposób kompresji zarchiwizowanych plików katalogu",
       "Choose program archives compression"},
      {"GroupBox15", false,
       "Ścieżka do katalogu z tymczasowymi plikami programu :", "Program temporary files :"},
      {"Label15", false,
       "Ścieżka do katalogu z tymczasowymi plikami programu :", "Program temporary files :"},
      {"GroupBox15", true,
       "Katalog w którym program będzie zapisywał zmiany podczas działania (domyślnie katalog "
       "programu Spinfolio)",
       "Directory where program stores his temporary files"},
      {"BitBtn1", false, "Wybierz", "Select"},
      {"BitBtn7", false, "Katalog Tymczasowy Windows", "Windows Temporary"},
      {"CheckBox4", false, "Włączone tła programu", "Enable backgrounds"},
      {"CheckBox4", true, "Włącza tła okna programu, opcja działa tylko pod WinXP",
       "Check if You want to enable program background images, works only on WinXP"},
      {"CheckBox5", false, "Zapamiętuj położenie okna programu", "Save program position on exit"},
      {"Dodajnowkategori1", false, "Dodaj nową kategorię", "Add new category"},
      {"Zmienazwkategorii1", false, "Zmień nazwę kategorii", "Change cateogry name"},
      {"Usutkategori1", false, "Usuń tą kategorię", "Delete category"},
      {"Przesukategoridogry1", false, "Przesuń o jedną pozycję do góry", "Move up"},
      {"Przesuzaznaczoneplikiopozycjdogry1", false, "Przesuń o jedną pozycję do góry", "Move up"},
      {"Przesuojednpozycjwd1", false, "Przesuń o jedną pozycję w dół", "Move down"},
      {"Przesuzaznaczoneplikiopozycjwd1", false, "Przesuń o jedną pozycję w dół", "Move down"},
      {"Kopiujnazw1", false, "Kopiuj zaznaczone nazwy do schowka",
       "Copy selected file names to clipboard"},
      {"Wywietlrozmiaryplikw1", false, "Wyświetl rozmiary plików", "Show size of files"},
      {"Tylkonazwapliku1", false, "Wyświetlaj ścieżki plików", "Display file path"},
      {"Eksportujzawartopytydoplikuhtml1", false, "Eksportuj zawartość płyty do pliku html",
       "Export CD content to html files"},
      {"Eksportujzawartocaegokatalogudoplikwhtml1", false,
       "Eksportuj zawartość całego katalogu do plików html",
       "Export whole catalogue to html files"},
      {"Eksportujwynikiwyszukiwaniadohtml1", false, "Eksportuj wyniki wyszukiwania do plików html",
       "Export search results to html files"},
      {"Eksportujpytyzkategoriidoplikwhtml1", false, "Eksportuj płyty z kategorii do plików html",
       "Export CDs from this category to html files"},
      {"Image2", true, "o programie", "about Spinfolio"},
      {"Image48", true, "Minimalizowanie", "Minimize"},
      {"Image1", true, "Zamknij program", "Exit"},
      {"BitBtn9", false, "Ustawienia wczytywania plików z CD", "Getting CD content settings"},
      {"ToolButton4", true, "Wysuń płytke", "Open CD tray"},
      {"ToolButton5", true, "Wsuń płytke", "Close CD tray"},
      {"CheckBox6", false, "Sprawdzaj nową wersję przy starcie",
       "Check for a new version at startup"},
      {"CheckBox7", false, "Zmniejszaj czcionki w długich opisach",
       "Reduce font size on long names"},
      {"CheckBox7", true,
       "Przy zaznaczonej opcji program będzie zniejszał czcionki w polach informacji o płytach "
       "jeżeli wykraczają poza nie",
       "When selected program will reduce font in CD information areas when it will be longer "
       "than the area"},
      {"Usuwybraneplikizinformacjiopycie1", false, "Usuń wybrane pliki z informacji o płycie",
       "Delete selected files from CD information"},
      {"Zmienazwwybranegopliku1", false, "Zmień nazwę wybranego pliku",
       "Change selected file name"},
      {"Dodajplik1", false, "Dodaj plik", "Add file"},
      {"Sortujplikinalicie1", false, "Sortuj pliki", "Sort files"},
      {"GroupBox12", false, "Plik archiwum :", "Archive file :"},
      {"Label14", false, "Plik archiwum :", "Archive file :"},
      {"GroupBox12", true, "Plik z zawartością archiwum płyt", "File that cointains CD archive"},
      {"BitBtn4", false, "Nowy", "New"},
      {"BitBtn5", false, "Otwórz", "Open"},
      {"BitBtn6", false, "Zapisz jako", "Save As"},
      {"CheckBox8", false, "Zapisuj zdjęcia CD wewnątrz archiwum programu",
       "Save CD photos in archive file"},
      {"BitBtn10", false, "Powiąż pliki *.sfa z programem", "Associate *.sfa files with program"},
  };
  auto form = makeForm();
  for (const int language : {0, 1, 0}) {
    form->ApplyLanguage(language);
    for (const TextCase& c : cases) {
      const QObject* control = form->findChild<QObject*>(QString::fromLatin1(c.control));
      ASSERT_NE(control, nullptr) << c.control;
      const QString shown =
          c.hint ? qobject_cast<const QWidget*>(control)->toolTip() : Shown(control);
      EXPECT_EQ(shown.toStdString(), language == 1 ? c.polish : c.english)
          << c.control << (c.hint ? " (hint)" : "");
    }
  }
  EXPECT_EQ(form->RadioGroup1->findChildren<QRadioButton*>().at(1)->text(),
            QStringLiteral("After every change of data"));
  EXPECT_EQ(form->ComboBox3->itemText(3), QStringLiteral("Best"));
  EXPECT_EQ(form->ComboBox7->itemText(2), QStringLiteral("Eject CD after adding CD to catalog"));
  EXPECT_EQ(form->archiveSaveFilter(), QStringLiteral("Program archive (*.sfa)|*.sfa"));
  EXPECT_EQ(form->archiveOpenFilter(),
            QStringLiteral("Program archive (*.sfa)|*.sfa|Older program archive "
                           "(*.sfz,data1.z,data2.z)|*.sfz;data1.z;data2.z"));
  form->ApplyLanguage(1);
  EXPECT_EQ(form->archiveSaveFilter(), QStringLiteral("Archiwa programu (*.sfa)|*.sfa"));
  // Not switched: the language group and the drive kinds menu.
  EXPECT_EQ(form->GroupBox14->title(), QStringLiteral("Język / Language : "));
  EXPECT_EQ(form->Dyski1->text(), QStringLiteral("Dyski"));
}

TEST_F(StartupFixture, SwitchingLanguageKeepsTheChosenItemsAndIsStored) {
  installPackhold();
  writeIni("[Opcje]\r\nJezyk=1\r\nMet Kompresji=2\r\nWysun=1\r\nArchiwizacja=1\r\n");
  auto form = makeForm();
  ASSERT_EQ(form->FormCreate(), StartResult::Run);
  EXPECT_EQ(form->ComboBox3->currentText(), QStringLiteral("Szybka"));
  form->ComboBox6->setCurrentIndex(0);
  form->ComboBox6Change();
  EXPECT_EQ(form->languageIndex(), 0);
  EXPECT_EQ(form->ComboBox3->currentIndex(), 2);
  EXPECT_EQ(form->ComboBox3->currentText(), QStringLiteral("Fast"));
  EXPECT_EQ(form->ComboBox7->currentIndex(), 1);
  EXPECT_EQ(form->Label3->text(), QStringLiteral("Browse"));
  EXPECT_NE(ReadFile(iniPath()).find("Jezyk=0\r\n"), std::string::npos);

  // What is shown afterwards speaks English: the library's window and boxes, the about box.
  form->SaveAfterChange();
  ASSERT_EQ(callsOf("_SaveArch").size(), 1u);
  EXPECT_EQ(callsOf("_SaveArch")[0][7], "0");
  TForm2 about(form->languageIndex(), form.get());
  EXPECT_EQ(about.Label2->text(), QStringLiteral("Author"));
  EXPECT_EQ(about.Label5->text(), TForm2::WebPage(0));
  form->close();
}

TEST(AboutBox, GeometryAndLooks) {
  TForm2 about(1, nullptr);
  EXPECT_EQ(about.size(), QSize(361, 211));
  EXPECT_NEAR(about.windowOpacity(), 180 / 255.0, 0.01);
  EXPECT_EQ(about.palette().color(QPalette::Window), QColor(251, 253, 255));
  EXPECT_EQ(about.Label1->text(), QStringLiteral("Spinfolio v3.9.2"));
  EXPECT_EQ(about.Label2->text(), QStringLiteral("Autorem programu jest:"));
  EXPECT_EQ(about.Label7->text(), QStringLiteral("Opis programu :"));
  EXPECT_EQ(about.Label5->text(), TForm2::WebPage(1));
}

}  // namespace
}  // namespace spinfolio::test
