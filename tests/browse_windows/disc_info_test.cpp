// The disc information window beside the main window and the two full-screen viewers.

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <functional>

#include "browse/disc_info_window.h"
#include "browse/viewers.h"
#include "tests/window/startup_fixture.h"

namespace spinfolio::test {
namespace {

using StartResult = TForm1::StartResult;

void Click(QWidget* widget, QPoint at = {4, 4}) {
  const QPointF local(at);
  const QPointF global = widget->mapToGlobal(local);
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &release);
}

// Runs `open`, which shows a modal viewer, and hands the viewer to `inspect` once it shows.
// A viewer still open after two seconds is closed, so that a failing test does not hang.
void WithModalViewer(QObject* context, const std::function<void()>& open,
                     const std::function<void(QWidget*)>& inspect, bool* seen) {
  *seen = false;
  QTimer::singleShot(0, context, [&inspect, seen] {
    QWidget* viewer = QApplication::activeModalWidget();
    if (viewer == nullptr) return;
    *seen = true;
    inspect(viewer);
  });
  QTimer::singleShot(2000, context, [] {
    if (QWidget* viewer = QApplication::activeModalWidget()) viewer->close();
  });
  open();
}

std::string JpegBytes(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(QColor(200, 40, 40));
  TempDir folder;
  const QString file = QString::fromStdString(folder / "photo.jpg");
  EXPECT_TRUE(image.save(file, "JPG"));
  return ReadFile(folder / "photo.jpg");
}

class DiscInfo : public StartupFixture {
 protected:
  // A main window started on a catalog with these disc lines (one content file each) and the
  // further catalog files, in the language of the index.
  std::unique_ptr<TForm1> start(const std::vector<std::string>& discs,
                                std::vector<std::pair<std::string, std::string>> files = {},
                                int languageIndex = 1) {
    writeIni("[Opcje]\r\nJezyk=" + std::to_string(languageIndex) + "\r\n");
    std::string list;
    for (std::size_t i = 0; i < discs.size(); ++i) {
      list += discs[i] + "\r\n";
      files.emplace_back("cd" + std::to_string(i), "");
    }
    files.emplace_back("plyty", list);
    files.emplace_back("kat", "");
    installPackhold();
    provideCatalog(files);
    auto form = makeForm();
    EXPECT_EQ(form->FormCreate(), StartResult::Run);
    return form;
  }

  static void writePhoto(const TForm1& form, int disc, const std::string& bytes) {
    WriteFile(form.location().PhotoFolder + "cd" + std::to_string(disc) + ".jpg", bytes);
  }
};

TEST_F(DiscInfo, LentDiscWithBorrowerShowsTheLentLinesInPolish) {
  auto form = start({"<m><n>Koncert</n><p><k>sąsiad</k>"});
  form->ShowDiscInfo(0);
  TForm5* window = form->discInfoWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->Label1->text(), QStringLiteral("Informacje o płycie :"));
  EXPECT_EQ(window->Image1, nullptr);
  EXPECT_EQ(window->Label2, nullptr);
  ASSERT_NE(window->Label3, nullptr);
  ASSERT_NE(window->Label4, nullptr);
  ASSERT_NE(window->Label5, nullptr);
  EXPECT_EQ(window->Label3->text(), QStringLiteral("Płyta pożyczona"));
  EXPECT_EQ(window->Label4->text(), QStringLiteral("Kto pożyczył :"));
  EXPECT_EQ(window->Label5->text(), QStringLiteral("sąsiad"));
  EXPECT_EQ(window->Label3->geometry(), QRect(8, 32, 169, 16));
  EXPECT_EQ(window->Label4->geometry(), QRect(8, 48, 169, 16));
  EXPECT_EQ(window->Label5->geometry(), QRect(8, 64, 169, 16));
  EXPECT_EQ(window->size(), QSize(186, 80 + 9));
}

TEST_F(DiscInfo, LentDiscWithoutBorrowerShowsOnlyTheLentHeading) {
  auto form = start({"<m><n>Koncert</n><p>"});
  form->ShowDiscInfo(0);
  TForm5* window = form->discInfoWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_NE(window->Label3, nullptr);
  EXPECT_EQ(window->Label3->text(), QStringLiteral("Płyta pożyczona"));
  EXPECT_EQ(window->Label3->geometry(), QRect(8, 32, 169, 16));
  EXPECT_EQ(window->Label4, nullptr);
  EXPECT_EQ(window->Label5, nullptr);
  EXPECT_EQ(window->Image1, nullptr);
  EXPECT_EQ(window->Label2, nullptr);
  EXPECT_EQ(window->height(), 32 + 16 + 9);
}

TEST_F(DiscInfo, DescriptionOnlyMakesTheWindow218High) {
  auto form = start({"<n>Zdjęcia</n>"}, {{"op0", "Wakacje nad morzem\r\nŁódź, źdźbło\r\n"}});
  form->ShowDiscInfo(0);
  TForm5* window = form->discInfoWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->size(), QSize(186, 218));
  EXPECT_EQ(window->Label1->geometry(), QRect(8, 8, 169, 16));
  ASSERT_NE(window->Label2, nullptr);
  EXPECT_EQ(window->Label2->geometry(), QRect(8, 32, 169, 169));
  EXPECT_EQ(window->description(), QStringLiteral("Wakacje nad morzem\r\nŁódź, źdźbło"));
  EXPECT_EQ(window->Label2->text(), QStringLiteral("Wakacje nad morzem\nŁódź, źdźbło"));
  EXPECT_TRUE(window->Label2->wordWrap());
  EXPECT_EQ(window->Image1, nullptr);
  EXPECT_EQ(window->Label3, nullptr);
  EXPECT_EQ(window->Label4, nullptr);
  EXPECT_EQ(window->Label5, nullptr);
}

TEST_F(DiscInfo, EmptyDescriptionFileStillMakesTheBlock) {
  auto form = start({"<n>A</n>"}, {{"op0", ""}});
  form->ShowDiscInfo(0);
  ASSERT_NE(form->discInfoWindow(), nullptr);
  EXPECT_EQ(form->discInfoWindow()->height(), 218);
}

TEST_F(DiscInfo, DescriptionIsShownAsPlainText) {
  auto form = start({"<n>A</n>"}, {{"op0", "<b>bold</b> & <i>not</i>\r\n"}});
  form->ShowDiscInfo(0);
  ASSERT_NE(form->discInfoWindow(), nullptr);
  EXPECT_EQ(form->discInfoWindow()->Label2->textFormat(), Qt::PlainText);
}

TEST_F(DiscInfo, AllThreeBlocksStackPhotoDescriptionLent) {
  auto form = start({"<n>A</n><p><k>Ola</k>"}, {{"op0", "opis"}});
  writePhoto(*form, 0, JpegBytes(300, 300));
  form->ShowDiscInfo(0);
  TForm5* window = form->discInfoWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_NE(window->Image1, nullptr);
  ASSERT_NE(window->Label2, nullptr);
  ASSERT_NE(window->Label5, nullptr);
  EXPECT_EQ(window->Image1->geometry(), QRect(8, 32, 169, 169));
  EXPECT_EQ(window->Label2->geometry(), QRect(8, 209, 169, 169));
  EXPECT_EQ(window->Label3->geometry(), QRect(8, 386, 169, 16));
  EXPECT_EQ(window->Label4->geometry(), QRect(8, 402, 169, 16));
  EXPECT_EQ(window->Label5->geometry(), QRect(8, 418, 169, 16));
  EXPECT_EQ(window->size(), QSize(186, 434 + 9));
}

TEST_F(DiscInfo, PhotoAndLentWithoutDescription) {
  auto form = start({"<n>A</n><p>"});
  writePhoto(*form, 0, JpegBytes(200, 100));
  form->ShowDiscInfo(0);
  TForm5* window = form->discInfoWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_NE(window->Image1, nullptr);
  EXPECT_EQ(window->Image1->geometry(), QRect(8, 32, 169, 169));
  EXPECT_EQ(window->Label2, nullptr);
  EXPECT_EQ(window->Label3->geometry(), QRect(8, 209, 169, 16));
  EXPECT_EQ(window->height(), 209 + 16 + 9);
}

TEST_F(DiscInfo, PhotoOnly) {
  auto form = start({"<n>A</n>"});
  writePhoto(*form, 0, JpegBytes(120, 80));
  form->ShowDiscInfo(0);
  ASSERT_NE(form->discInfoWindow(), nullptr);
  EXPECT_EQ(form->discInfoWindow()->height(), 32 + 169 + 8 + 9);
  EXPECT_EQ(form->discInfoWindow()->Label2, nullptr);
  EXPECT_EQ(form->discInfoWindow()->Label3, nullptr);
}

TEST_F(DiscInfo, LargePhotoIsScaledToFitItsBoxKeepingItsProportions) {
  auto form = start({"<n>A</n>"});
  writePhoto(*form, 0, JpegBytes(400, 200));
  form->ShowDiscInfo(0);
  TForm5* window = form->discInfoWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_NE(window->Image1, nullptr);
  const QPixmap photo = window->Image1->pixmap();
  ASSERT_FALSE(photo.isNull());
  const QSizeF shown = photo.deviceIndependentSize();
  EXPECT_DOUBLE_EQ(shown.width(), 169.0);
  EXPECT_NEAR(shown.height(), 84.5, 0.6);
  EXPECT_EQ(window->Image1->alignment(), Qt::AlignCenter);
  EXPECT_EQ(window->Image1->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(window->photoFile(), form->location().PhotoFolder + "cd0.jpg");
}

TEST_F(DiscInfo, SmallPhotoIsNotEnlarged) {
  auto form = start({"<n>A</n>"});
  writePhoto(*form, 0, JpegBytes(100, 60));
  form->ShowDiscInfo(0);
  ASSERT_NE(form->discInfoWindow(), nullptr);
  EXPECT_EQ(form->discInfoWindow()->Image1->pixmap().deviceIndependentSize(), QSizeF(100, 60));
}

TEST_F(DiscInfo, PhotoThatIsNotAJpegIsLeftOutWithoutABox) {
  auto form = start({"<n>A</n>"}, {{"op0", "opis"}});
  writePhoto(*form, 0, "not a jpeg at all");
  form->ShowDiscInfo(0);
  TForm5* window = form->discInfoWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->Image1, nullptr);
  ASSERT_NE(window->Label2, nullptr);
  EXPECT_EQ(window->Label2->geometry(), QRect(8, 32, 169, 169));
  EXPECT_EQ(window->height(), 218);
  EXPECT_TRUE(dialogs.messages.empty());
  for (QWidget* top : QApplication::topLevelWidgets()) {
    EXPECT_EQ(qobject_cast<QMessageBox*>(top), nullptr);
  }
}

TEST_F(DiscInfo, DiscWithOnlyAnUnreadablePhotoGetsNoWindow) {
  auto form = start({"<n>A</n>"});
  writePhoto(*form, 0, std::string("\xFF\xD8\xFF\xE0 broken", 11));
  form->ShowDiscInfo(0);
  EXPECT_EQ(form->discInfoWindow(), nullptr);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DiscInfo, DiscWithNothingRemovesThePreviousWindowAndShowsNone) {
  auto form = start({"<n>A</n>", "<n>B</n>"}, {{"op0", "opis"}});
  form->ShowDiscInfo(0);
  const QPointer<TForm5> previous = form->discInfoWindow();
  ASSERT_FALSE(previous.isNull());
  form->ShowDiscInfo(1);
  EXPECT_EQ(form->discInfoWindow(), nullptr);
  EXPECT_TRUE(previous.isNull());
}

TEST_F(DiscInfo, ShowingAnotherDiscReplacesTheWindow) {
  auto form = start({"<n>A</n>", "<n>B</n><p>"}, {{"op0", "opis"}});
  form->ShowDiscInfo(0);
  const QPointer<TForm5> previous = form->discInfoWindow();
  form->ShowDiscInfo(1);
  EXPECT_TRUE(previous.isNull());
  ASSERT_NE(form->discInfoWindow(), nullptr);
  EXPECT_NE(form->discInfoWindow()->Label3, nullptr);
  EXPECT_EQ(form->discInfoWindow()->Label2, nullptr);
}

TEST_F(DiscInfo, NoDiscPickedShowsNothing) {
  auto form = start({"<n>A</n><p>"});
  form->ShowDiscInfo(-1);
  EXPECT_EQ(form->discInfoWindow(), nullptr);
  form->ShowDiscInfo(5);
  EXPECT_EQ(form->discInfoWindow(), nullptr);
}

TEST_F(DiscInfo, EnglishTextsWithLanguageIndexZero) {
  auto form = start({"<n>A</n><p><k>Bob</k>"}, {}, 0);
  writePhoto(*form, 0, JpegBytes(50, 50));
  form->ShowDiscInfo(0);
  TForm5* window = form->discInfoWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->Label1->text(), QStringLiteral("Information :"));
  EXPECT_EQ(window->Label3->text(), QStringLiteral("Lend"));
  EXPECT_EQ(window->Label4->text(), QStringLiteral("to :"));
  EXPECT_EQ(window->Label5->text(), QStringLiteral("Bob"));
  EXPECT_EQ(window->Image1->toolTip(), QStringLiteral("Click to see full version of image"));
}

TEST_F(DiscInfo, PolishHintOnThePhoto) {
  auto form = start({"<n>A</n>"});
  writePhoto(*form, 0, JpegBytes(50, 50));
  form->ShowDiscInfo(0);
  ASSERT_NE(form->discInfoWindow(), nullptr);
  EXPECT_EQ(form->discInfoWindow()->Image1->toolTip(),
            QStringLiteral("Kliknij żeby zobaczyć zdjęcie."));
}

TEST_F(DiscInfo, LooksAsDesigned) {
  auto form = start({"<n>A</n><p><k>Ola</k>"}, {{"op0", "opis"}});
  form->ShowDiscInfo(0);
  TForm5* window = form->discInfoWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isWindow());
  EXPECT_EQ(window->parentWidget(), form.get());
  EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(window->windowType(), Qt::Tool);
  EXPECT_NEAR(window->windowOpacity(), 220 / 255.0, 0.01);
  EXPECT_EQ(window->palette().color(QPalette::Window), QColor(0, 128, 192));
  EXPECT_EQ(window->width(), 186);
  EXPECT_EQ(window->Panel1->geometry(), window->rect());
  for (QLabel* label : {window->Label1, window->Label3, window->Label4, window->Label5}) {
    EXPECT_EQ(label->font().family(), QStringLiteral("Verdana"));
    EXPECT_EQ(label->font().pixelSize(), 13);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_TRUE(label->alignment().testFlag(Qt::AlignHCenter));
  }
  EXPECT_EQ(window->Label2->font().family(), QStringLiteral("Arial"));
  EXPECT_EQ(window->Label2->font().pixelSize(), 13);
  EXPECT_EQ(window->Label2->palette().color(QPalette::WindowText), QColor(Qt::white));
  EXPECT_TRUE(window->Label2->alignment().testFlag(Qt::AlignHCenter));
  EXPECT_EQ(window->Label2->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(DiscInfo, StandsJustRightOfTheMainWindow) {
  auto form = start({"<n>A</n><p>"});
  form->move(100, 50);
  form->show();
  form->ShowDiscInfo(0);
  ASSERT_NE(form->discInfoWindow(), nullptr);
  EXPECT_EQ(form->discInfoWindow()->pos(), QPoint(100 + 644 + 2, 50));
  form->close();
}

TEST_F(DiscInfo, FollowsTheMainWindowWhenItIsDragged) {
  auto form = start({"<n>A</n><p>"});
  form->move(100, 50);
  form->show();
  form->ShowDiscInfo(0);
  ASSERT_NE(form->discInfoWindow(), nullptr);
  // Drag by the title bar: press at (10, 10), move the pointer 30 right and 20 down.
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(110, 60), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(form->Panel1, &press);
  QMouseEvent move(QEvent::MouseMove, QPointF(40, 30), QPointF(140, 80), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(form->Panel1, &move);
  EXPECT_EQ(form->pos(), QPoint(130, 70));
  EXPECT_EQ(form->discInfoWindow()->pos(), QPoint(130 + 644 + 2, 70));
  form->close();
}

TEST_F(DiscInfo, ClickOnTheWindowItsPanelOrAPlainLabelHidesIt) {
  auto form = start({"<n>A</n><p><k>Ola</k>"}, {{"op0", "opis"}});
  form->show();
  const auto target = [](TForm5* window, int which) -> QWidget* {
    switch (which) {
      case 0:
        return window;
      case 1:
        return window->Panel1;
      case 2:
        return window->Label1;
      case 3:
        return window->Label3;
      case 4:
        return window->Label4;
      default:
        return window->Label5;
    }
  };
  for (int which = 0; which < 6; ++which) {
    form->ShowDiscInfo(0);
    TForm5* window = form->discInfoWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->isVisible());
    Click(target(window, which));
    EXPECT_FALSE(window->isVisible()) << which;
    // Hidden, it still exists until it is destroyed.
    EXPECT_EQ(form->discInfoWindow(), window) << which;
  }
  form->close();
}

TEST_F(DiscInfo, DestroyDiscInfoDeletesTheWindow) {
  auto form = start({"<n>A</n><p>"});
  form->ShowDiscInfo(0);
  const QPointer<TForm5> window = form->discInfoWindow();
  ASSERT_FALSE(window.isNull());
  form->DestroyDiscInfo();
  EXPECT_EQ(form->discInfoWindow(), nullptr);
  EXPECT_TRUE(window.isNull());
  form->DestroyDiscInfo();  // no window: nothing happens
}

TEST_F(DiscInfo, MainWindowOwnsTheWindow) {
  auto form = start({"<n>A</n><p>"});
  form->ShowDiscInfo(0);
  const QPointer<TForm5> window = form->discInfoWindow();
  ASSERT_FALSE(window.isNull());
  form.reset();
  EXPECT_TRUE(window.isNull());
}

TEST_F(DiscInfo, ClickOnThePhotoOpensThePhotoViewer) {
  auto form = start({"<n>A</n>"});
  writePhoto(*form, 0, JpegBytes(4000, 1000));
  form->show();
  form->ShowDiscInfo(0);
  TForm5* window = form->discInfoWindow();
  ASSERT_NE(window, nullptr);
  const QRect screen = window->screen()->geometry();
  QRect viewerGeometry;
  QSizeF shown;
  bool seen = false;
  WithModalViewer(
      form.get(),
      [window] {
        Click(window->Image1, {80, 80});
      },
      [&](QWidget* viewer) {
        auto* photoViewer = qobject_cast<TForm6*>(viewer);
        if (photoViewer == nullptr) {
          viewer->close();
          return;
        }
        viewerGeometry = photoViewer->geometry();
        shown = photoViewer->Image1->pixmap().deviceIndependentSize();
        Click(photoViewer->Image1);
      },
      &seen);
  EXPECT_TRUE(seen);
  EXPECT_EQ(viewerGeometry, screen);
  // Scaled down to the screen's width, keeping the proportions 4 : 1.
  EXPECT_DOUBLE_EQ(shown.width(), screen.width());
  EXPECT_NEAR(shown.height(), screen.width() / 4.0, 1.0);
  // The viewer is gone and the disc information window still shows.
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(window->isVisible());
  form->close();
}

TEST_F(DiscInfo, ClickOnTheDescriptionOpensTheDescriptionViewer) {
  auto form = start({"<n>A</n>"}, {{"op0", "pierwsza\r\ndruga"}});
  form->show();
  form->ShowDiscInfo(0);
  TForm5* window = form->discInfoWindow();
  ASSERT_NE(window, nullptr);
  QString text;
  bool seen = false;
  WithModalViewer(
      form.get(),
      [window] {
        Click(window->Label2, {80, 80});
      },
      [&](QWidget* viewer) {
        auto* descriptionViewer = qobject_cast<TForm9*>(viewer);
        if (descriptionViewer == nullptr) {
          viewer->close();
          return;
        }
        text = descriptionViewer->Label1->text();
        Click(descriptionViewer->Label1);
      },
      &seen);
  EXPECT_TRUE(seen);
  EXPECT_EQ(text, QStringLiteral("pierwsza\ndruga"));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(window->isVisible());
  form->close();
}

TEST(PhotoViewer, CoversTheScreenInBlackWithTheSmallPictureCentredNotEnlarged) {
  QImage picture(64, 48, QImage::Format_RGB32);
  picture.fill(Qt::green);
  TForm6 viewer(picture);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(viewer.geometry(), screen);
  EXPECT_TRUE(viewer.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(viewer.palette().color(QPalette::Window), QColor(Qt::black));
  EXPECT_EQ(viewer.Image1->geometry(), QRect(QPoint(0, 0), screen.size()));
  EXPECT_EQ(viewer.Image1->alignment(), Qt::AlignCenter);
  EXPECT_EQ(viewer.Image1->pixmap().deviceIndependentSize(), QSizeF(64, 48));
}

TEST(PhotoViewer, ClickAnywhereCloses) {
  QImage picture(64, 48, QImage::Format_RGB32);
  picture.fill(Qt::green);
  for (bool onPicture : {false, true}) {
    TForm6 viewer(picture);
    viewer.show();
    Click(onPicture ? static_cast<QWidget*>(viewer.Image1) : &viewer);
    EXPECT_FALSE(viewer.isVisible()) << onPicture;
    EXPECT_EQ(viewer.result(), QDialog::Accepted);
  }
}

TEST(PhotoViewer, FileThatIsNotAJpegShowsNothing) {
  TempDir folder;
  WriteFile(folder / "cd0.jpg", "plain text");
  EXPECT_FALSE(ShowPhotoViewer(folder / "cd0.jpg"));
  EXPECT_FALSE(ShowPhotoViewer(folder / "missing.jpg"));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(DescriptionViewer, CoversTheScreenWithTheTextInsideItsMargins) {
  TForm9 viewer(QStringLiteral("a\r\nb <b>c</b>"));
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(viewer.geometry(), screen);
  EXPECT_TRUE(viewer.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(viewer.palette().color(QPalette::Window), QColor(0, 128, 192));
  EXPECT_EQ(viewer.Label1->geometry(),
            QRect(16, 16, screen.width() - 16 - 20, screen.height() - 16 - 16));
  EXPECT_EQ(viewer.Label1->text(), QStringLiteral("a\nb <b>c</b>"));
  EXPECT_EQ(viewer.Label1->textFormat(), Qt::PlainText);
  EXPECT_TRUE(viewer.Label1->wordWrap());
  EXPECT_EQ(viewer.Label1->alignment(), Qt::AlignCenter);
  EXPECT_EQ(viewer.Label1->font().family(), QStringLiteral("Arial"));
  EXPECT_EQ(viewer.Label1->font().pixelSize(), 13);
  EXPECT_EQ(viewer.Label1->palette().color(QPalette::WindowText), QColor(Qt::white));
}

TEST(DescriptionViewer, OnlyAClickOnTheTextCloses) {
  TForm9 viewer(QStringLiteral("tekst"));
  viewer.show();
  Click(&viewer, {2, 2});  // in the margin
  EXPECT_TRUE(viewer.isVisible());
  Click(viewer.Label1);
  EXPECT_FALSE(viewer.isVisible());
}

TEST(FitPicture, KeepsDetailOnDenseScreens) {
  QImage picture(1000, 500, QImage::Format_RGB32);
  picture.fill(Qt::blue);
  const QPixmap fitted = FitPicture(picture, QSize(169, 169), 2.0);
  EXPECT_EQ(fitted.size(), QSize(338, 169));
  EXPECT_EQ(fitted.deviceIndependentSize(), QSizeF(169, 84.5));
}

}  // namespace
}  // namespace spinfolio::test
