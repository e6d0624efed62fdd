#include "archive/progress_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

#include "archive/packhold_picture.h"
#include "tests/support/qt_printers.h"

namespace spinfolio::archive {
namespace {

const QColor kBackground(83, 184, 255);

template <typename Widget>
Widget* Child(const QWidget& form, const char* name) {
  auto* child = form.findChild<Widget*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

TEST(ProgressWindow, IsABorderlessFixedWindowWithItsControlsInPlace) {
  TForm7 form;
  EXPECT_TRUE(form.windowFlags() & Qt::Window);
  EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(form.size(), QSize(498, 145));
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Spinfolio"));
  EXPECT_FALSE(form.windowIcon().isNull());
  EXPECT_TRUE(form.autoFillBackground());
  EXPECT_EQ(form.palette().color(QPalette::Window), kBackground);

  auto* image = Child<QLabel>(form, "Image1");
  auto* heading = Child<QLabel>(form, "Label1");
  auto* activity = Child<QLabel>(form, "Label2");
  auto* bar = Child<QProgressBar>(form, "ProgressBar1");
  ASSERT_TRUE(image && heading && activity && bar);
  EXPECT_EQ(image, form.Image1);
  EXPECT_EQ(heading, form.Label1);
  EXPECT_EQ(activity, form.Label2);
  EXPECT_EQ(bar, form.ProgressBar1);

  EXPECT_EQ(image->geometry(), QRect(8, 8, 128, 128));
  EXPECT_EQ(image->pixmap().size(), QSize(128, 128));
  EXPECT_FALSE(image->autoFillBackground());

  EXPECT_EQ(heading->geometry(), QRect(142, 26, 305, 39));
  EXPECT_EQ(heading->alignment(), Qt::AlignCenter);
  EXPECT_TRUE(heading->autoFillBackground());
  EXPECT_EQ(heading->palette().color(QPalette::Window), kBackground);
  EXPECT_EQ(heading->palette().color(QPalette::WindowText), QColor(0, 0, 128));
  EXPECT_EQ(heading->font().family(), QStringLiteral("Verdana"));
  EXPECT_EQ(heading->font().pixelSize(), 24);
  EXPECT_TRUE(heading->font().bold());

  EXPECT_EQ(activity->geometry(), QRect(142, 77, 305, 36));
  EXPECT_EQ(activity->alignment(), Qt::AlignCenter);
  EXPECT_EQ(activity->palette().color(QPalette::WindowText), QColor(Qt::black));
  EXPECT_EQ(activity->font().family(), QStringLiteral("Verdana"));
  EXPECT_EQ(activity->font().pixelSize(), 19);
  EXPECT_FALSE(activity->font().bold());

  EXPECT_EQ(bar->geometry(), QRect(465, 0, 33, 145));
  EXPECT_EQ(bar->orientation(), Qt::Vertical);
  EXPECT_FALSE(bar->invertedAppearance());
  EXPECT_FALSE(bar->isTextVisible());
}

TEST(ProgressWindow, ProgressDrivesItsWindow) {
  QtArchiveProgress progress;
  TForm7& form = progress.window();

  progress.setTexts("P r o s z ę   c z e k a ć", "Trwa zapisywanie archiwum");
  EXPECT_EQ(form.Label1->text(), QStringLiteral("P r o s z ę   c z e k a ć"));
  EXPECT_EQ(form.Label2->text(), QStringLiteral("Trwa zapisywanie archiwum"));
  progress.setActivity("Trwa wczytywanie archiwum");
  EXPECT_EQ(form.Label1->text(), QStringLiteral("P r o s z ę   c z e k a ć"));
  EXPECT_EQ(form.Label2->text(), QStringLiteral("Trwa wczytywanie archiwum"));

  progress.setOpacity(200);
  EXPECT_NEAR(form.windowOpacity(), 200 / 255.0, 1.5 / 255.0);

  progress.setMaximum(40);
  progress.setPosition(25);
  EXPECT_EQ(form.ProgressBar1->maximum(), 40);
  EXPECT_EQ(form.ProgressBar1->value(), 25);

  progress.show();
  EXPECT_TRUE(form.isVisible());
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE((form.geometry().center() - screen.center()).manhattanLength(), 2);

  // The first call lets waiting events through.
  bool delivered = false;
  QMetaObject::invokeMethod(
      &form, [&delivered] { delivered = true; }, Qt::QueuedConnection);
  progress.processMessages();
  EXPECT_TRUE(delivered);
}

TEST(ProgressWindow, PictureIsDrawnOnATransparentSquare) {
  const QImage picture = PackholdPicture(128).toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(picture.size(), QSize(128, 128));
  int opaque = 0;
  int clear = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const int alpha = qAlpha(picture.pixel(x, y));
      if (alpha == 255) ++opaque;
      if (alpha == 0) ++clear;
    }
  }
  // The disc and the box cover most of the square; the corners around them stay clear.
  EXPECT_GT(opaque, 128 * 128 / 2);
  EXPECT_GT(clear, 128 * 128 / 20);
  EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
  EXPECT_EQ(PackholdPicture(32).size(), QSize(32, 32));
}

TEST(ProgressWindow, ProcessWithApplicationGetsTheWindow) {
  ASSERT_NE(qobject_cast<QApplication*>(QCoreApplication::instance()), nullptr);
  const std::unique_ptr<ArchiveProgress> progress = MakeArchiveProgress();
  auto* windowed = dynamic_cast<QtArchiveProgress*>(progress.get());
  ASSERT_NE(windowed, nullptr);
  EXPECT_FALSE(windowed->window().isVisible());
}

}  // namespace
}  // namespace spinfolio::archive
