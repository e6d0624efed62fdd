// The file information window: its layout rules, texts, placement, clicks and the disc each
// content list hands over.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTimer>
#include <functional>
#include <optional>

#include "browse/file_info_window.h"
#include "shell/line_list_model.h"
#include "tests/window/startup_fixture.h"

namespace spinfolio::test {
namespace {

using StartResult = TForm1::StartResult;

// A catalog folder and a photo folder for one window.
class FileInfoTest : public ::testing::Test {
 protected:
  FileInfoRequest request(const std::string& entry, int disc, int languageIndex = 1) const {
    FileInfoRequest result;
    result.entry = entry;
    result.disc = disc;
    result.catalogFolder = folders / "catalog/";
    result.photoFolder = folders / "photos/";
    result.languageIndex = languageIndex;
    result.mainWindow = QRect(100, 50, 644, 434);
    result.pointer = QPoint(300, 400);
    return result;
  }

  void writeDescription(int disc, std::string_view bytes) const {
    WriteFile(folders / ("catalog/op" + std::to_string(disc)), bytes);
  }

  void writePhoto(int disc, QSize size) const {
    WriteFile(folders / ("photos/cd" + std::to_string(disc) + ".jpg"), "");
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(200, 60, 30));
    ASSERT_TRUE(image.save(
        QString::fromStdString(folders / ("photos/cd" + std::to_string(disc) + ".jpg")), "JPEG"));
  }

  TempDir folders;
};

TEST_F(FileInfoTest, WindowIsBorderlessTranslucentAndBlue) {
  TForm3 window;
  EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_NEAR(window.windowOpacity(), 220.0 / 255.0, 0.005);
  EXPECT_EQ(window.palette().color(QPalette::Window), QColor(0, 128, 192));
  EXPECT_EQ(window.size(), QSize(742, 347));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("informacje o pliku"));
}

TEST_F(FileInfoTest, ControlsLieWhereTheyShould) {
  TForm3 window;
  EXPECT_EQ(window.Panel1->geometry(), QRect(8, 8, 724, 65));
  EXPECT_EQ(window.Panel2->geometry(), QRect(8, 80, 724, 65));
  EXPECT_EQ(window.Panel4->geometry(), QRect(8, 152, 724, 185));
  EXPECT_EQ(window.Label1->pos(), QPoint(8, 8));
  EXPECT_EQ(window.Label3->geometry(), QRect(24, 24, 545, 22));
  EXPECT_EQ(window.Label7->pos(), QPoint(584, 8));
  EXPECT_EQ(window.Label8->geometry(), QRect(600, 24, 58, 22));
  EXPECT_EQ(window.Label2->pos(), QPoint(8, 8));
  EXPECT_EQ(window.Label4->geometry(), QRect(24, 24, 673, 22));
  EXPECT_EQ(window.Image1->geometry(), QRect(8, 8, 169, 169));
  EXPECT_EQ(window.Label5->geometry(), QRect(192, 8, 513, 14));
  EXPECT_EQ(window.Label6->geometry(), QRect(192, 32, 513, 137));
  EXPECT_EQ(window.Image2->geometry(), QRect(0, 0, 742, 347));
  EXPECT_EQ(window.Label1->parentWidget(), window.Panel1);
  EXPECT_EQ(window.Label4->parentWidget(), window.Panel2);
  EXPECT_EQ(window.Label6->parentWidget(), window.Panel4);
  EXPECT_EQ(window.Panel1->parentWidget(), window.Panel3);
  EXPECT_EQ(window.Image2->parentWidget(), window.Panel3);
}

TEST_F(FileInfoTest, FieldsHaveTheirFontsAndColours) {
  TForm3 window;
  for (QLabel* heading : {window.Label1, window.Label7, window.Label2, window.Label5}) {
    EXPECT_EQ(heading->font().family(), QStringLiteral("Verdana"))
        << heading->objectName().toStdString();
    EXPECT_EQ(heading->font().pixelSize(), 12);
    EXPECT_EQ(heading->palette().color(QPalette::WindowText), QColor(Qt::white));
  }
  for (QLabel* value : {window.Label3, window.Label8, window.Label4}) {
    EXPECT_EQ(value->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(value->font().pixelSize(), 19);
    EXPECT_EQ(value->palette().color(QPalette::WindowText), QColor(255, 255, 0));
  }
  EXPECT_EQ(window.Label6->font().family(), QStringLiteral("Arial"));
  EXPECT_EQ(window.Label6->font().pixelSize(), 15);
  EXPECT_EQ(window.Label6->palette().color(QPalette::WindowText), QColor(Qt::white));
  EXPECT_TRUE(window.Label6->wordWrap());
  EXPECT_EQ(window.Label6->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(window.Image1->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_TRUE(window.Label3->alignment() & Qt::AlignHCenter);
  EXPECT_TRUE(window.Label4->alignment() & Qt::AlignHCenter);
  EXPECT_TRUE(window.Label5->alignment() & Qt::AlignHCenter);
  EXPECT_TRUE(window.Label6->alignment() & Qt::AlignHCenter);
}

TEST_F(FileInfoTest, PolishTextsByDesign) {
  const auto window = BuildFileInfo(request("<n>a.txt</n><r>1 KB</r>", -1, 1));
  EXPECT_EQ(window->Label1->text(), QStringLiteral("Nazwa pliku :"));
  EXPECT_EQ(window->Label7->text(), QStringLiteral("Rozmiar :"));
  EXPECT_EQ(window->Label2->text(),
            QStringLiteral("Ścieżka pod którą plik się znajduje na płycie :"));
  TForm3 plain;
  EXPECT_EQ(plain.Label5->text(), QStringLiteral("Informacje o płycie :"));
  EXPECT_EQ(plain.Image1->toolTip(),
            QStringLiteral("Kliknij żeby zobaczyć zdjęcie w całej okazałości."));
}

TEST_F(FileInfoTest, EnglishTextsForLanguageZero) {
  writeDescription(3, "Opis\r\n");
  writePhoto(3, {400, 300});
  const auto window = BuildFileInfo(request("<n>a.txt</n><r>1 KB</r>", 3, 0));
  EXPECT_EQ(window->Label1->text(), QStringLiteral("File name :"));
  EXPECT_EQ(window->Label7->text(), QStringLiteral("Size :"));
  EXPECT_EQ(window->Label2->text(), QStringLiteral("File path on CD :"));
  EXPECT_EQ(window->Label5->text(), QStringLiteral("CD description"));
  EXPECT_EQ(window->Image1->toolTip(), QStringLiteral("Click to see full version of image"));
  // Headings take the width of their new text.
  EXPECT_GE(window->Label2->width(),
            window->Label2->fontMetrics().horizontalAdvance(window->Label2->text()));
}

TEST_F(FileInfoTest, NameSizeAndPathOfAnEntryInAFolder) {
  const auto window = BuildFileInfo(request("<n>Docs\\Film.AVI</n><r>700.00 MB</r>", -1));
  EXPECT_EQ(window->Label3->text(), QStringLiteral("Film.AVI"));
  EXPECT_EQ(window->Label4->text(), QStringLiteral("Docs\\"));
  ASSERT_NE(window->Label7, nullptr);
  ASSERT_NE(window->Label8, nullptr);
  EXPECT_EQ(window->Label8->text(), QStringLiteral("700.00 MB"));
  EXPECT_EQ(window->Label3->width(), 545);
  // The size field is wide enough for its text and stays inside its block.
  EXPECT_GE(window->Label8->width(),
            window->Label8->fontMetrics().horizontalAdvance(QStringLiteral("700.00 MB")));
  EXPECT_LE(window->Label8->geometry().right(), window->Panel1->width());
}

TEST_F(FileInfoTest, DeepPathSplitsAtTheLastSeparator) {
  const auto window = BuildFileInfo(request("<n>Docs\\Sub\\a.txt</n><r>1.50 KB</r>", -1));
  EXPECT_EQ(window->Label3->text(), QStringLiteral("a.txt"));
  EXPECT_EQ(window->Label4->text(), QStringLiteral("Docs\\Sub\\"));
  EXPECT_EQ(window->Label8->text(), QStringLiteral("1.50 KB"));
  EXPECT_EQ(window->height(), 154);
}

TEST_F(FileInfoTest, EntryWithoutSizeAndFolderWidensTheName) {
  const auto window = BuildFileInfo(request("<n>a.txt</n>", -1));
  EXPECT_EQ(window->Label7, nullptr);
  EXPECT_EQ(window->Label8, nullptr);
  EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label7")), nullptr);
  EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label8")), nullptr);
  EXPECT_EQ(window->Label3->width(), 676);
  EXPECT_EQ(window->Label3->text(), QStringLiteral("a.txt"));
  EXPECT_EQ(window->Label4->text(), QString());
}

TEST_F(FileInfoTest, SplitEntryPathAtBackslashOrColon) {
  EXPECT_EQ(SplitEntryPath("Docs\\Sub\\a.txt").name, "a.txt");
  EXPECT_EQ(SplitEntryPath("Docs\\Sub\\a.txt").folder, "Docs\\Sub\\");
  EXPECT_EQ(SplitEntryPath("C:a.txt").name, "a.txt");
  EXPECT_EQ(SplitEntryPath("C:a.txt").folder, "C:");
  EXPECT_EQ(SplitEntryPath("x\\y:z").name, "z");
  EXPECT_EQ(SplitEntryPath("x\\y:z").folder, "x\\y:");
  EXPECT_EQ(SplitEntryPath("a.txt").folder, "");
  EXPECT_EQ(SplitEntryPath("Docs\\").name, "");
  EXPECT_EQ(SplitEntryPath("").name, "");
}

TEST_F(FileInfoTest, NoDiscMeansNoDiscBlock) {
  writeDescription(0, "Opis\r\n");
  const auto window = BuildFileInfo(request("<n>a.txt</n>", -1));
  EXPECT_EQ(window->height(), 154);
  EXPECT_EQ(window->Panel4, nullptr);
  EXPECT_EQ(window->Image1, nullptr);
  EXPECT_EQ(window->Label5, nullptr);
  EXPECT_EQ(window->Label6, nullptr);
  EXPECT_EQ(window->findChild<QFrame*>(QStringLiteral("Panel4")), nullptr);
  EXPECT_EQ(window->Panel3->geometry(), QRect(0, 0, 742, 154));
}

TEST_F(FileInfoTest, DiscWithNeitherPhotoNorDescriptionHasNoDiscBlock) {
  const auto window = BuildFileInfo(request("<n>a.txt</n>", 2));
  EXPECT_EQ(window->height(), 154);
  EXPECT_EQ(window->Panel4, nullptr);
}

TEST_F(FileInfoTest, DiscWithPhotoAndDescriptionShowsBoth) {
  writeDescription(1, "Wakacje nad morzem\r\nŁódź 2024\r\n");
  writePhoto(1, {400, 200});
  const auto window = BuildFileInfo(request("<n>a.txt</n>", 1));
  EXPECT_EQ(window->height(), 347);
  ASSERT_NE(window->Panel4, nullptr);
  ASSERT_NE(window->Image1, nullptr);
  ASSERT_NE(window->Label5, nullptr);
  ASSERT_NE(window->Label6, nullptr);
  EXPECT_EQ(window->Image1->geometry(), QRect(8, 8, 169, 169));
  EXPECT_EQ(window->Label5->geometry(), QRect(192, 8, 513, 14));
  EXPECT_EQ(window->Label6->geometry(), QRect(192, 32, 513, 137));
  // The photo is fitted into the box with its proportions kept.
  EXPECT_EQ(window->Image1->pixmap().size(), QSize(169, 84));
  EXPECT_EQ(window->photoFile(), folders / "photos/cd1.jpg");
  EXPECT_EQ(window->description(), QStringLiteral("Wakacje nad morzem\r\nŁódź 2024"));
  EXPECT_EQ(window->Label6->text(), QStringLiteral("Wakacje nad morzem\nŁódź 2024"));
}

TEST_F(FileInfoTest, PhotoWithoutDescriptionIsCentred) {
  writePhoto(4, {300, 300});
  const auto window = BuildFileInfo(request("<n>a.txt</n>", 4));
  EXPECT_EQ(window->height(), 347);
  ASSERT_NE(window->Image1, nullptr);
  EXPECT_EQ(window->Image1->geometry(), QRect(277, 8, 169, 169));
  EXPECT_EQ(window->Label5, nullptr);
  EXPECT_EQ(window->Label6, nullptr);
  EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label6")), nullptr);
}

TEST_F(FileInfoTest, DescriptionWithoutPhotoIsCentredAndWide) {
  writeDescription(5, "Tylko opis\r\n");
  const auto window = BuildFileInfo(request("<n>a.txt</n>", 5));
  EXPECT_EQ(window->height(), 347);
  EXPECT_EQ(window->Image1, nullptr);
  EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Image1")), nullptr);
  ASSERT_NE(window->Label5, nullptr);
  EXPECT_EQ(window->Label5->geometry(), QRect(105, 8, 513, 14));
  EXPECT_EQ(window->Label6->geometry(), QRect(16, 32, 692, 137));
  EXPECT_EQ(window->Label6->text(), QStringLiteral("Tylko opis"));
}

TEST_F(FileInfoTest, PhotoThatIsNotAJpegCountsAsNoPhoto) {
  WriteFile(folders / "photos/cd6.jpg", "this is not a picture");
  writeDescription(6, "Opis\r\n");
  const auto withDescription = BuildFileInfo(request("<n>a.txt</n>", 6));
  EXPECT_EQ(withDescription->Image1, nullptr);
  EXPECT_EQ(withDescription->Label6->geometry(), QRect(16, 32, 692, 137));

  WriteFile(folders / "photos/cd7.jpg", "");
  const auto alone = BuildFileInfo(request("<n>a.txt</n>", 7));
  EXPECT_EQ(alone->Panel4, nullptr);
  EXPECT_EQ(alone->height(), 154);
}

TEST_F(FileInfoTest, EmptyDescriptionFileStillCounts) {
  writeDescription(8, "");
  const auto window = BuildFileInfo(request("<n>a.txt</n>", 8));
  EXPECT_EQ(window->height(), 347);
  ASSERT_NE(window->Label6, nullptr);
  EXPECT_EQ(window->Label6->text(), QString());
}

TEST_F(FileInfoTest, PlacedOnTheMainWindowAndThePointer) {
  const auto tall = BuildFileInfo(request("<n>a.txt</n>", -1));
  // Left: 100 + (644 - 742) / 2 = 51; top: 400 - 154 / 2 = 323.
  EXPECT_EQ(tall->pos(), QPoint(51, 323));
  EXPECT_EQ(FileInfoPosition({100, 50, 644, 434}, {10, 400}, {742, 347}), QPoint(51, 227));
  // Halves round down, also below zero.
  EXPECT_EQ(FileInfoPosition({0, 0, 645, 434}, {0, 0}, {742, 347}), QPoint(-49, -173));
  EXPECT_EQ(FileInfoPosition({0, 0, 641, 434}, {0, 10}, {742, 154}), QPoint(-51, -67));
}

TEST_F(FileInfoTest, BackgroundPictureOnlyWhenBackgroundsAreOn) {
  auto off = request("<n>a.txt</n>", -1);
  EXPECT_EQ(BuildFileInfo(off)->Image2, nullptr);
  auto on = off;
  on.backgrounds = true;
  const auto window = BuildFileInfo(on);
  ASSERT_NE(window->Image2, nullptr);
  EXPECT_EQ(window->Image2->geometry(), QRect(0, 0, 742, 154));
  QPixmap picture(20, 10);
  picture.fill(Qt::green);
  window->setBackground(picture);
  EXPECT_TRUE(window->Image2->hasScaledContents());
  EXPECT_EQ(window->Image2->pixmap().size(), QSize(20, 10));
}

// A left click on a control, as the platform delivers it.
void Click(QWidget* target) {
  const QPointF inside(2, 2);
  QMouseEvent press(QEvent::MouseButtonPress, inside, target->mapToGlobal(inside), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, inside, target->mapToGlobal(inside),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(target, &release);
}

// Clicks a control and names the modal window it opened, closing that window at once.
QString ClickAndCloseWhatOpens(QWidget* target) {
  QString opened;
  QTimer::singleShot(0, [&opened] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      opened = dialog->objectName();
      dialog->reject();
    }
  });
  Click(target);
  QCoreApplication::processEvents();  // the timer fires here when nothing opened
  return opened;
}

TEST_F(FileInfoTest, PhotoAndDescriptionOpenTheirViewersAndKeepTheWindowOpen) {
  writeDescription(1, "Opis\r\n");
  writePhoto(1, {100, 100});
  const auto window = BuildFileInfo(request("<n>a.txt</n><r>1 KB</r>", 1));
  window->show();
  EXPECT_EQ(ClickAndCloseWhatOpens(window->Image1), QStringLiteral("Form6"));
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(ClickAndCloseWhatOpens(window->Label6), QStringLiteral("Form9"));
  EXPECT_TRUE(window->isVisible());
}

TEST_F(FileInfoTest, ClickAnywhereElseClosesTheWindow) {
  writeDescription(1, "Opis\r\n");
  writePhoto(1, {100, 100});
  auto on = request("<n>a.txt</n><r>1 KB</r>", 1);
  on.backgrounds = true;
  const QStringList names = {
      QStringLiteral("Form3"),  QStringLiteral("Panel3"), QStringLiteral("Image2"),
      QStringLiteral("Panel1"), QStringLiteral("Panel2"), QStringLiteral("Panel4"),
      QStringLiteral("Label1"), QStringLiteral("Label2"), QStringLiteral("Label3"),
      QStringLiteral("Label4"), QStringLiteral("Label5"), QStringLiteral("Label7"),
      QStringLiteral("Label8")};
  for (const QString& name : names) {
    const auto window = BuildFileInfo(on);
    window->show();
    QWidget* target =
        name == window->objectName() ? window.get() : window->findChild<QWidget*>(name);
    ASSERT_NE(target, nullptr) << name.toStdString();
    Click(target);
    EXPECT_FALSE(window->isVisible()) << name.toStdString();
    EXPECT_EQ(window->result(), QDialog::Rejected);
  }
}

TEST_F(FileInfoTest, ReleaseWithoutPressDoesNotClose) {
  const auto window = BuildFileInfo(request("<n>a.txt</n>", -1));
  window->show();
  const QPointF inside(2, 2);
  QMouseEvent release(QEvent::MouseButtonRelease, inside, window->mapToGlobal(inside),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(window->Label3, &release);
  EXPECT_TRUE(window->isVisible());
}

TEST(FileInfoDisc, EachListHandsOverItsDisc) {
  EXPECT_EQ(FileInfoDiscFor(ContentListKind::Browse, 3, 4, true, 5), -1);
  EXPECT_EQ(FileInfoDiscFor(ContentListKind::Categories, 3, 4, true, 5), 3);
  EXPECT_EQ(FileInfoDiscFor(ContentListKind::Categories, -1, 4, true, 5), -1);
  EXPECT_EQ(FileInfoDiscFor(ContentListKind::Search, 3, 4, true, 5), 4);
  EXPECT_EQ(FileInfoDiscFor(ContentListKind::Search, 3, -1, true, 5), -1);
  EXPECT_EQ(FileInfoDiscFor(ContentListKind::Management, 3, 4, true, 5), 5);
  EXPECT_EQ(FileInfoDiscFor(ContentListKind::Management, 3, 4, true, -1), -1);
  EXPECT_EQ(FileInfoDiscFor(ContentListKind::Management, 3, 4, false, 5), -1);
}

// What the window opened by a double click showed, captured before it is closed.
struct Opened {
  bool discBlock = false;
  QString name;
  QString description;
};

// Runs an action that may open the window modally; closes it as soon as it shows.
std::optional<Opened> OpenAndClose(const std::function<void()>& action) {
  std::optional<Opened> seen;
  QTimer::singleShot(0, [&seen] {
    auto* window = qobject_cast<TForm3*>(QApplication::activeModalWidget());
    if (window == nullptr) return;
    Opened opened;
    opened.discBlock = window->Panel4 != nullptr;
    opened.name = window->Label3->text();
    opened.description = window->description();
    seen = opened;
    window->FormClick();
  });
  action();
  QCoreApplication::processEvents();  // the timer fires here when nothing opened
  return seen;
}

class FileInfoHandlers : public StartupFixture {
 protected:
  void SetUp() override {
    installPackhold();
    provideCatalog({{"plyty", "<n>Wakacje</n>\r\n<n>Koncert</n>\r\n"},
                    {"kat", ""},
                    {"cd0", "<n>x.txt</n>\r\n"},
                    {"cd1", "<n>Muzyka\\utwor.mp3</n><r>3 MB</r>\r\n"},
                    {"op1", "Koncert w Łodzi\r\n"}});
    form = makeForm();
    ASSERT_EQ(form->FormCreate(), StartResult::Run);
  }
  void TearDown() override { form->close(); }

  // Puts one entry into a content list and picks it.
  static void fill(QListView* list, const std::string& entry, bool pick = true) {
    auto* model = qobject_cast<LineListModel*>(list->model());
    ASSERT_NE(model, nullptr);
    model->setLines({entry});
    if (pick) list->setCurrentIndex(model->index(0));
  }

  std::unique_ptr<TForm1> form;
};

TEST_F(FileInfoHandlers, NothingOpensWithoutAPickedRow) {
  for (QListView* list : {form->ListBox2, form->ListBox6, form->ListBox4, form->ListBox1}) {
    fill(list, "<n>a.txt</n>", false);
    list->setCurrentIndex({});
  }
  EXPECT_FALSE(OpenAndClose([&] { form->ListBox2DblClick(); }));
  EXPECT_FALSE(OpenAndClose([&] { form->ListBox6DblClick(); }));
  EXPECT_FALSE(OpenAndClose([&] { form->ListBox4DblClick(); }));
  EXPECT_FALSE(OpenAndClose([&] { form->ListBox1DblClick(); }));
}

TEST_F(FileInfoHandlers, BrowseListShowsNoDiscBlock) {
  fill(form->ListBox2, "<n>Muzyka\\utwor.mp3</n><r>3 MB</r>");
  form->ComboBox4->setCurrentIndex(1);
  form->RadioButton4->setChecked(true);
  const auto seen = OpenAndClose([&] { form->ListBox2DblClick(); });
  ASSERT_TRUE(seen);
  EXPECT_EQ(seen->name, QStringLiteral("utwor.mp3"));
  EXPECT_FALSE(seen->discBlock);
}

TEST_F(FileInfoHandlers, CategoryAndSearchListsHandOverTheirDisc) {
  // Neither page has picked a disc yet: both hand over -1.
  ASSERT_EQ(form->categoryDisc(), -1);
  ASSERT_EQ(form->searchDisc(), -1);
  fill(form->ListBox6, "<n>a.txt</n>");
  fill(form->ListBox4, "<n>b.txt</n>");
  const auto category = OpenAndClose([&] { form->ListBox6DblClick(); });
  ASSERT_TRUE(category);
  EXPECT_EQ(category->name, QStringLiteral("a.txt"));
  EXPECT_FALSE(category->discBlock);
  const auto search = OpenAndClose([&] { form->ListBox4DblClick(); });
  ASSERT_TRUE(search);
  EXPECT_EQ(search->name, QStringLiteral("b.txt"));
  EXPECT_FALSE(search->discBlock);
}

TEST_F(FileInfoHandlers, ManagementListHandsOverThePickedDiscInChangeMode) {
  fill(form->ListBox1, "<n>Muzyka\\utwor.mp3</n><r>3 MB</r>");
  form->ComboBox4->setCurrentIndex(1);
  form->RadioButton4->setChecked(true);
  const auto change = OpenAndClose([&] { form->ListBox1DblClick(); });
  ASSERT_TRUE(change);
  EXPECT_TRUE(change->discBlock);
  EXPECT_EQ(change->description, QStringLiteral("Koncert w Łodzi"));

  form->RadioButton3->setChecked(true);
  const auto add = OpenAndClose([&] { form->ListBox1DblClick(); });
  ASSERT_TRUE(add);
  EXPECT_FALSE(add->discBlock);
}

TEST_F(FileInfoHandlers, DoubleClickInTheListOpensTheWindow) {
  fill(form->ListBox1, "<n>Muzyka\\utwor.mp3</n>");
  form->ComboBox4->setCurrentIndex(1);
  form->RadioButton4->setChecked(true);
  const auto seen = OpenAndClose(
      [&] { Q_EMIT form->ListBox1->doubleClicked(form->ListBox1->model()->index(0, 0)); });
  ASSERT_TRUE(seen);
  EXPECT_EQ(seen->name, QStringLiteral("utwor.mp3"));
  EXPECT_TRUE(seen->discBlock);
}

}  // namespace
}  // namespace spinfolio::test
