// The read filter settings dialog: filling from the settings file, the enable rules, the lists,
// writing on OK, cancelling, texts, drawing and the window.

#include "acquire/read_filter_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "catalog/settings.h"
#include "common/file_ops.h"
#include "resources/pictures.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/temp_dir.h"

namespace spinfolio::test {
namespace {

using Strings = std::vector<std::string>;

Strings Items(const QListWidget& list) {
  Strings items;
  for (int row = 0; row < list.count(); ++row)
    items.push_back(list.item(row)->text().toStdString());
  return items;
}

class FilterDialogTest : public ::testing::Test {
 protected:
  std::string iniPath() const { return dir / "settings/spinfolio.ini"; }
  void writeIni(const std::string& bytes) const { WriteFile(iniPath(), bytes); }
  std::string ini() const { return ReadFile(iniPath()); }

  std::unique_ptr<TForm10> open(int languageIndex = 1) {
    MakeFolders(dir / "settings");
    return std::make_unique<TForm10>(languageIndex, iniPath(), dialogs);
  }
  static void add(QLineEdit& field, QPushButton& add, const QString& text) {
    field.setText(text);
    add.click();
  }

  TempDir dir;
  ScriptedDialogs dialogs;
};

struct FillCase {
  const char* name;
  const char* ini;
  bool enabled;
  bool readOnlyListed;
  Strings readList;
  Strings skipList;
};

const FillCase kFillCases[] = {
    {"NoSettings", "", false, true, {}, {}},
    {"OnSkippingListed",
     "[Filtr]\r\nWlaczone=1\r\nTyp=0\r\nListaW=jpg,\"my doc\"\r\nListaP=exe,bak\r\n",
     true,
     false,
     {"jpg", "my doc"},
     {"exe", "bak"}},
    // Switched on with an empty list: the dialog still shows it on.
    {"OnWithEmptyReadList", "[Filtr]\r\nWlaczone=1\r\nListaP=bak\r\n", true, true, {}, {"bak"}},
    {"OffKeepsTheLists",
     "[Filtr]\r\nWlaczone=0\r\nTyp=0\r\nListaW=a\r\nListaP=b\r\n",
     false,
     false,
     {"a"},
     {"b"}},
};

void PrintTo(const FillCase& c, std::ostream* out) { *out << c.name; }

class FilterFillTest : public FilterDialogTest, public ::testing::WithParamInterface<FillCase> {};

TEST_P(FilterFillTest, ShowsTheStoredSettings) {
  const FillCase& c = GetParam();
  writeIni(c.ini);
  auto dialog = open();
  EXPECT_EQ(dialog->RadioButton2->isChecked(), c.enabled);
  EXPECT_EQ(dialog->RadioButton1->isChecked(), !c.enabled);
  EXPECT_EQ(dialog->RadioButton3->isChecked(), c.readOnlyListed);
  EXPECT_EQ(dialog->RadioButton4->isChecked(), !c.readOnlyListed);
  EXPECT_EQ(Items(*dialog->ListBox1), c.readList);
  EXPECT_EQ(Items(*dialog->ListBox2), c.skipList);
  EXPECT_EQ(dialog->ListBox1->isEnabled(), c.enabled && c.readOnlyListed);
  EXPECT_EQ(dialog->ListBox2->isEnabled(), c.enabled && !c.readOnlyListed);
}

INSTANTIATE_TEST_SUITE_P(Files, FilterFillTest, ::testing::ValuesIn(kFillCases),
                         [](const auto& param) { return std::string(param.param.name); });

struct EnableCase {
  const char* name;
  std::vector<const char*> clicks;  // radio buttons clicked in turn
  bool kinds;                       // RadioButton3 and RadioButton4
  bool readColumn;                  // Edit1, BitBtn1, BitBtn3, ListBox1
  bool skipColumn;                  // Edit2, BitBtn2, BitBtn4, ListBox2
};

const EnableCase kEnableCases[] = {
    {"Off", {}, false, false, false},
    {"OnReadingListed", {"RadioButton2"}, true, true, false},
    {"OnSkippingListed", {"RadioButton2", "RadioButton4"}, true, false, true},
    {"BackToReadingListed", {"RadioButton2", "RadioButton4", "RadioButton3"}, true, true, false},
    {"OffAgainWithSkipChosen",
     {"RadioButton2", "RadioButton4", "RadioButton1"},
     false,
     false,
     false},
};

void PrintTo(const EnableCase& c, std::ostream* out) { *out << c.name; }

class FilterEnableTest : public FilterDialogTest,
                         public ::testing::WithParamInterface<EnableCase> {};

TEST_P(FilterEnableTest, ControlsFollowTheChoices) {
  const EnableCase& c = GetParam();
  auto dialog = open();
  for (const char* name : c.clicks) {
    auto* radio = dialog->findChild<QRadioButton*>(QString::fromLatin1(name));
    ASSERT_NE(radio, nullptr) << name;
    radio->click();
  }
  EXPECT_EQ(dialog->RadioButton3->isEnabled(), c.kinds);
  EXPECT_EQ(dialog->RadioButton4->isEnabled(), c.kinds);
  for (QWidget* control : std::initializer_list<QWidget*>{dialog->Edit1, dialog->BitBtn1,
                                                          dialog->BitBtn3, dialog->ListBox1}) {
    EXPECT_EQ(control->isEnabled(), c.readColumn) << control->objectName().toStdString();
  }
  for (QWidget* control : std::initializer_list<QWidget*>{dialog->Edit2, dialog->BitBtn2,
                                                          dialog->BitBtn4, dialog->ListBox2}) {
    EXPECT_EQ(control->isEnabled(), c.skipColumn) << control->objectName().toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(States, FilterEnableTest, ::testing::ValuesIn(kEnableCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(FilterDialogTest, OnWithAnEmptyListIsStoredOnButReadsEverything) {
  auto dialog = open();
  dialog->RadioButton2->click();
  dialog->BitBtn5->click();
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(ini(), "[Filtr]\r\nWlaczone=1\r\nTyp=1\r\nListaW=\r\nListaP=\r\n");
  EXPECT_FALSE(dialog->filter().enabled);
  // Start-up reads the same filter from the file.
  MakeFolders(dir / "tmp");
  const SettingsContext context{dir / "tmp/", dir / "settings/", false};
  EXPECT_EQ(ReadStartupSettings(IniFile(iniPath()), context, CodePage::System()).readFilter,
            dialog->filter());
  EXPECT_TRUE(dialogs.messages.empty());
}

struct TypedCase {
  const char* name;
  Strings typed;
  const char* stored;  // the "ListaW" value
};

const TypedCase kTypedCases[] = {
    {"DotAndCaseKept", {".jpg", "JPG"}, ".jpg,JPG"},
    {"EmptyField", {""}, "\"\""},
    {"BlankInside", {"my doc"}, "\"my doc\""},
    {"Duplicates", {"jpg", "jpg"}, "jpg,jpg"},
};

void PrintTo(const TypedCase& c, std::ostream* out) { *out << c.name; }

class FilterTypedTest : public FilterDialogTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(FilterTypedTest, StoredAsTypedAndReadBackAsTyped) {
  const TypedCase& c = GetParam();
  auto dialog = open();
  dialog->RadioButton2->click();
  for (const std::string& text : c.typed) {
    add(*dialog->Edit1, *dialog->BitBtn1, QString::fromStdString(text));
    EXPECT_TRUE(dialog->Edit1->text().isEmpty());
  }
  dialog->BitBtn5->click();
  EXPECT_EQ(ini(), std::string("[Filtr]\r\nWlaczone=1\r\nTyp=1\r\nListaW=") + c.stored +
                       "\r\nListaP=\r\n");
  EXPECT_EQ(dialog->filter(), (ReadFilter{true, true, c.typed}));
  EXPECT_EQ(Items(*open()->ListBox1), c.typed);
}

INSTANTIATE_TEST_SUITE_P(Extensions, FilterTypedTest, ::testing::ValuesIn(kTypedCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(FilterDialogTest, RemoveTakesOnlyTheSelectedItem) {
  writeIni("[Filtr]\r\nWlaczone=1\r\nTyp=0\r\nListaP=a,b,c\r\n");
  auto dialog = open();
  dialog->BitBtn4->click();  // nothing selected
  EXPECT_EQ(Items(*dialog->ListBox2), (Strings{"a", "b", "c"}));
  dialog->ListBox2->setCurrentRow(1);
  dialog->BitBtn4->click();
  EXPECT_EQ(Items(*dialog->ListBox2), (Strings{"a", "c"}));
  dialog->BitBtn5->click();
  EXPECT_EQ(dialog->filter(), (ReadFilter{true, false, {"a", "c"}}));
}

TEST_F(FilterDialogTest, SwitchingKindKeepsBothLists) {
  writeIni("[Filtr]\r\nWlaczone=1\r\nTyp=1\r\nListaW=jpg\r\nListaP=exe\r\n");
  auto dialog = open();
  dialog->RadioButton4->click();
  add(*dialog->Edit2, *dialog->BitBtn2, QStringLiteral("bak"));
  dialog->RadioButton3->click();
  dialog->BitBtn5->click();
  EXPECT_EQ(ini(), "[Filtr]\r\nWlaczone=1\r\nTyp=1\r\nListaW=jpg\r\nListaP=exe,bak\r\n");
  EXPECT_EQ(dialog->filter(), (ReadFilter{true, true, {"jpg"}}));
}

TEST_F(FilterDialogTest, CancelWritesNothing) {
  const std::string stored = "[Opcje]\r\nJezyk=1\r\n[Filtr]\r\nWlaczone=1\r\nListaW=jpg,png\r\n";
  writeIni(stored);
  auto dialog = open();
  const ReadFilter before{true, true, {"jpg", "png"}};
  ReadFilter inMemory = before;
  QTimer::singleShot(0, dialog.get(), [&dialog] {
    add(*dialog->Edit1, *dialog->BitBtn1, QStringLiteral("gif"));
    dialog->ListBox1->setCurrentRow(0);
    dialog->BitBtn3->click();
    dialog->RadioButton4->click();
    dialog->RadioButton1->click();
    dialog->BitBtn6->click();
  });
  // As the main window takes the filter.
  if (dialog->exec() == QDialog::Accepted) inMemory = dialog->filter();
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_EQ(inMemory, before);
  EXPECT_EQ(ini(), stored);
}

TEST_F(FilterDialogTest, OkCloses) {
  auto dialog = open();
  QTimer::singleShot(0, dialog.get(), [&dialog] { dialog->BitBtn5->click(); });
  EXPECT_EQ(dialog->exec(), QDialog::Accepted);
  EXPECT_FALSE(dialog->isVisible());
}

TEST_F(FilterDialogTest, UntouchedItemsKeepTheirBytes) {
  // Bytes that are no text in the code page survive a round trip through the dialog.
  writeIni("[Filtr]\r\nWlaczone=1\r\nListaW=\xB9x,jpg\r\n");
  auto dialog = open();
  add(*dialog->Edit1, *dialog->BitBtn1, QStringLiteral("gif"));
  dialog->BitBtn5->click();
  EXPECT_EQ(ini(), "[Filtr]\r\nWlaczone=1\r\nListaW=\xB9x,jpg,gif\r\nTyp=1\r\nListaP=\r\n");
}

TEST_F(FilterDialogTest, UnwritableSettingsFileIsReportedAndTheFilterStillTaken) {
  const std::string stored = "[Filtr]\r\nWlaczone=0\r\nListaW=jpg\r\n";
  writeIni(stored);
  namespace fs = std::filesystem;
  fs::permissions(iniPath(),
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  for (const int language : {0, 1}) {
    SCOPED_TRACE(language);
    dialogs.messages.clear();
    auto dialog = open(language);
    dialog->RadioButton2->click();
    dialog->BitBtn5->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->filter(), (ReadFilter{true, true, {"jpg"}}));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Unable to write to ") + QString::fromStdString(iniPath()));
    EXPECT_EQ(dialogs.messages[0].caption,
              language == 0 ? QStringLiteral("Error") : QStringLiteral("Błąd"));
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::Ok);
  }
  EXPECT_EQ(ini(), stored);
}

struct ControlText {
  const char* name;
  const char* caption;  // button text or group title
  const char* hint;
};

const ControlText kPolishTexts[] = {
    {"RadioButton1", "Wczytuj do katalogu wszystkie pliki z płyty (*.*)", ""},
    {"RadioButton2", "Wczytuj wybrane pliki", ""},
    {"GroupBox1", "Ustawienia typów plików wczytywanych i pomijanych :", ""},
    {"RadioButton3", "Wczytywane :",
     "Przy zaznaczeniu tej opcji wczytywane do katalodu będą tylko pliki z danymi rozszerzeniami"},
    {"RadioButton4", "Pomijane :",
     "Przy zaznaczonej tej opcji przy wczytywaniu plików do katalogu będą pomijane pliki z "
     "wybranymi rozszerzeniami"},
    {"Edit1", "", "Wpisz tutaj rozszerzenie pliku (bez kropki)"},
    {"Edit2", "", "Wpisz tutaj rozszerzenie pliku (bez kropki)"},
    {"BitBtn1", "", "Dodaj rozszerzenie do listy"},
    {"BitBtn2", "", "Dodaj rozszerzenie do listy"},
    {"BitBtn3", "", "Usun z listy wybrane rozszerzenie"},
    {"BitBtn4", "", "Usun z listy wybrane rozszerzenie"},
    {"BitBtn5", "OK", ""},
    {"BitBtn6", "Anuluj", ""},
};

const ControlText kEnglishTexts[] = {
    {"RadioButton1", "Read all files from CD to catalogue (*.*)", ""},
    {"RadioButton2", "Read selected files", ""},
    {"GroupBox1", "Which files should be added to CD content info :", ""},
    {"RadioButton3",
     "Get only files :", "Only files with the listed extensions are read into the catalogue"},
    {"RadioButton4", "Skip files :",
     "Files with the listed extensions are skipped when reading into the catalogue"},
    {"Edit1", "", "Enter file extension (without dot)"},
    {"Edit2", "", "Enter file extension (without dot)"},
    {"BitBtn1", "", "Add extension to list"},
    {"BitBtn2", "", "Add extension to list"},
    {"BitBtn3", "", "Remove from list selected extension"},
    {"BitBtn4", "", "Remove from list selected extension"},
    {"BitBtn5", "OK", ""},
    {"BitBtn6", "Cancel", ""},
};

QString Caption(const QWidget& control) {
  if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
  if (const auto* group = qobject_cast<const QGroupBox*>(&control)) return group->title();
  return {};
}

TEST_F(FilterDialogTest, TextsInBothLanguages) {
  for (const int language : {0, 1}) {
    SCOPED_TRACE(language);
    auto dialog = open(language);
    for (const ControlText& text : language == 0 ? kEnglishTexts : kPolishTexts) {
      SCOPED_TRACE(text.name);
      const auto* control = dialog->findChild<QWidget*>(QString::fromLatin1(text.name));
      ASSERT_NE(control, nullptr);
      EXPECT_EQ(Caption(*control), QString::fromUtf8(text.caption));
      EXPECT_EQ(control->toolTip(), QString::fromUtf8(text.hint));
    }
  }
}

// Every control lies inside its window or group, apart from the others, with room for its text.
TEST_F(FilterDialogTest, NothingClippedOrOverlapping) {
  writeIni("[Filtr]\r\nWlaczone=1\r\nTyp=1\r\nListaW=jpg,png,\"my doc\"\r\nListaP=exe\r\n");
  for (const int language : {0, 1}) {
    SCOPED_TRACE(language);
    auto dialog = open(language);
    dialog->ListBox1->setCurrentRow(1);
    dialog->show();
    QApplication::processEvents();
    std::vector<QWidget*> controls;
    for (QWidget* child : dialog->findChildren<QWidget*>()) {
      if (child != dialog->Image1 && child != dialog->GroupBox1 &&
          (child->parentWidget() == dialog.get() || child->parentWidget() == dialog->GroupBox1)) {
        controls.push_back(child);
      }
    }
    ASSERT_EQ(controls.size(), 14u);
    const QRect groupInside =
        dialog->GroupBox1->contentsRect().translated(dialog->GroupBox1->pos());
    for (std::size_t i = 0; i < controls.size(); ++i) {
      QWidget* control = controls[i];
      SCOPED_TRACE(control->objectName().toStdString());
      const QRect place(control->mapTo(dialog.get(), QPoint(0, 0)), control->size());
      EXPECT_TRUE(dialog->rect().contains(place));
      if (control->parentWidget() == dialog->GroupBox1) {
        EXPECT_TRUE(groupInside.contains(place));
      }
      if (const auto* radio = qobject_cast<QRadioButton*>(control)) {
        EXPECT_LE(radio->sizeHint().width(), radio->width());
        EXPECT_LE(radio->sizeHint().height(), radio->height());
      }
      if (const auto* button = qobject_cast<QPushButton*>(control)) {
        const int content = button->text().isEmpty()
                                ? button->iconSize().width()
                                : button->fontMetrics().horizontalAdvance(button->text());
        EXPECT_LE(content + 8, button->width());
        EXPECT_LE(button->sizeHint().height(), button->height());
      }
      for (std::size_t j = i + 1; j < controls.size(); ++j) {
        const QRect other(controls[j]->mapTo(dialog.get(), QPoint(0, 0)), controls[j]->size());
        EXPECT_FALSE(place.intersects(other)) << controls[j]->objectName().toStdString();
      }
    }
    const QRect group(dialog->GroupBox1->pos(), dialog->GroupBox1->size());
    EXPECT_TRUE(dialog->rect().contains(group));
    EXPECT_LE(dialog->GroupBox1->minimumSizeHint().width(), group.width());
    if (const char* shots = std::getenv("SPINFOLIO_FILTER_SHOTS")) {
      dialog->grab().save(QString::fromLocal8Bit(shots) + (language == 0
                                                               ? QStringLiteral("/filter-en.png")
                                                               : QStringLiteral("/filter-pl.png")));
    }
  }
}

TEST_F(FilterDialogTest, SelectedItemIsDrawnInTheSelectionColour) {
  writeIni("[Filtr]\r\nWlaczone=1\r\nListaW=jpg,png\r\n");
  auto dialog = open();
  dialog->show();
  dialog->ListBox1->setCurrentRow(0);
  QApplication::processEvents();
  const QRect first = dialog->ListBox1->visualItemRect(dialog->ListBox1->item(0));
  const QRect second = dialog->ListBox1->visualItemRect(dialog->ListBox1->item(1));
  EXPECT_EQ(first.height(), 16);
  const QImage list = dialog->ListBox1->viewport()->grab().toImage();
  const QPoint blank(first.right() - 2, first.center().y());
  EXPECT_EQ(QColor(list.pixel(blank)), QColor(0xD7, 0xEA, 0xFF));
  EXPECT_EQ(QColor(list.pixel(blank.x(), second.center().y())),
            dialog->ListBox1->palette().color(QPalette::Base));
  // The text is black and starts 2 pixels in.
  int darkest = 255;
  int leftmostInk = first.width();
  for (int y = first.top(); y <= first.bottom(); ++y) {
    for (int x = first.left(); x < first.left() + 40; ++x) {
      const int gray = qGray(list.pixel(x, y));
      darkest = std::min(darkest, gray);
      if (gray < 128) leftmostInk = std::min(leftmostInk, x - first.left());
    }
  }
  EXPECT_LT(darkest, 40);
  EXPECT_GE(leftmostInk, 2);
}

TEST_F(FilterDialogTest, Window) {
  QWidget main;
  main.setGeometry(50, 60, 800, 600);
  TForm10 dialog(1, iniPath(), dialogs, &main);
  EXPECT_TRUE(dialog.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(dialog.isModal());
  EXPECT_EQ(dialog.size(), QSize(400, 310));
  EXPECT_EQ(qRound(dialog.windowOpacity() * 255), 230);
  EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(Qt::white));
  EXPECT_TRUE(dialog.autoFillBackground());
  EXPECT_EQ(dialog.geometry().center(), main.geometry().center());
  EXPECT_EQ(dialog.cursor().shape(), Qt::SizeAllCursor);
  EXPECT_EQ(dialog.GroupBox1->cursor().shape(), Qt::SizeAllCursor);
  EXPECT_EQ(dialog.BitBtn5->cursor().shape(), Qt::ArrowCursor);
  const QImage plus = IconStripIcon(9).toImage();
  const QImage cross = IconStripIcon(10).toImage();
  for (QPushButton* add : {dialog.BitBtn1, dialog.BitBtn2}) {
    EXPECT_EQ(add->icon().pixmap(16, 16).toImage().convertToFormat(plus.format()), plus);
  }
  for (QPushButton* remove : {dialog.BitBtn3, dialog.BitBtn4}) {
    EXPECT_EQ(remove->icon().pixmap(16, 16).toImage().convertToFormat(cross.format()), cross);
  }
}

TEST_F(FilterDialogTest, DraggedByItsSurface) {
  auto dialog = open();
  dialog->move(100, 100);
  // A press between the two columns of the group frame moves the window with the pointer.
  const QPointF inGroup(192, 150);
  QMouseEvent press(QEvent::MouseButtonPress, inGroup, QPointF(500, 500), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(dialog->GroupBox1, &press);
  QMouseEvent drag(QEvent::MouseMove, inGroup + QPointF(30, -20), QPointF(530, 480), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(dialog->GroupBox1, &drag);
  EXPECT_EQ(dialog->pos(), QPoint(130, 80));
}

TEST_F(FilterDialogTest, BackgroundPicture) {
  auto dialog = open();
  QPixmap picture(20, 10);
  picture.fill(Qt::green);
  dialog->setBackground(picture);
  ASSERT_NE(dialog->Image1, nullptr);
  EXPECT_EQ(dialog->Image1->geometry(), dialog->rect());
  EXPECT_TRUE(dialog->Image1->hasScaledContents());
  EXPECT_EQ(dialog->Image1->pixmap().size(), QSize(20, 10));
  dialog->setBackground(QPixmap());
  EXPECT_EQ(dialog->Image1, nullptr);
  EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("Image1")), nullptr);
}

}  // namespace
}  // namespace spinfolio::test
