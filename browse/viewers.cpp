// The full-screen photo and description viewers.

#include "browse/viewers.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <algorithm>

#include "browse/jpeg_image.h"

namespace spinfolio {
namespace {

QScreen* ScreenOf(const QWidget* parent) {
  QScreen* screen = parent != nullptr ? parent->screen() : nullptr;
  return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

QRect ScreenRect(const QWidget* parent) {
  const QScreen* screen = ScreenOf(parent);
  return screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
}

qreal ScreenRatio(const QWidget* parent) {
  const QScreen* screen = ScreenOf(parent);
  return screen != nullptr ? screen->devicePixelRatio() : 1.0;
}

// Both viewers cover the whole screen without a frame.
void CoverScreen(QDialog* viewer, const QWidget* parent, const QColor& colour) {
  viewer->setAutoFillBackground(true);
  QPalette palette = viewer->palette();
  palette.setColor(QPalette::Window, colour);
  viewer->setPalette(palette);
  viewer->setGeometry(ScreenRect(parent));
  viewer->setWindowState(Qt::WindowFullScreen);
}

// Runs a viewer modally and destroys it, also when its parent goes while it is shown.
void RunAndDestroy(QDialog* viewer) {
  const QPointer<QDialog> guard(viewer);
  viewer->exec();
  delete guard.data();
}

bool IsLeftClick(const QEvent* event) {
  return static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
}

}  // namespace

QPixmap FitPicture(const QImage& picture, QSize box, qreal pixelRatio) {
  if (picture.isNull() || box.isEmpty()) return QPixmap::fromImage(picture);
  pixelRatio = std::max<qreal>(pixelRatio, 1.0);
  const QSize detail = box * pixelRatio;
  QImage image = picture;
  if (image.width() > detail.width() || image.height() > detail.height()) {
    image = image.scaled(detail, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }
  // A picture larger than the box in logical pixels is drawn denser, so that it fits.
  const qreal density = std::max({1.0, image.width() / static_cast<qreal>(box.width()),
                                  image.height() / static_cast<qreal>(box.height())});
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setDevicePixelRatio(density);
  return pixmap;
}

QString LabelText(const QString& text) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

TForm6::TForm6(const QImage& picture, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("Form6"));
  CoverScreen(this, parent, Qt::black);
  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setAlignment(Qt::AlignCenter);
  Image1->setGeometry(rect());
  const QRect screen = ScreenRect(parent);
  Image1->setPixmap(FitPicture(picture, screen.size(), ScreenRatio(parent)));
}

void TForm6::FormClick() { accept(); }

void TForm6::mousePressEvent(QMouseEvent* event) {
  // The picture passes its mouse events on to the window.
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void TForm6::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton;
  pressed_ = false;
  event->accept();
  if (click) FormClick();
}

TForm9::TForm9(const QString& text, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("Form9"));
  CoverScreen(this, parent, QColor(0, 128, 192));
  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setTextFormat(Qt::PlainText);
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignCenter);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(13);
  Label1->setFont(font);
  QPalette palette = Label1->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  Label1->setPalette(palette);
  Label1->setText(LabelText(text));
  const QRect screen = ScreenRect(parent);
  Label1->setGeometry(16, 16, screen.width() - 16 - 20, screen.height() - 16 - 16);
  Label1->installEventFilter(this);
}

void TForm9::Label1Click() { accept(); }

bool TForm9::eventFilter(QObject* watched, QEvent* event) {
  if (watched != Label1) return QDialog::eventFilter(watched, event);
  if (event->type() == QEvent::MouseButtonPress) {
    pressed_ = IsLeftClick(event);
    return true;
  }
  if (event->type() == QEvent::MouseButtonRelease) {
    const bool click = pressed_ && IsLeftClick(event);
    pressed_ = false;
    if (click) Label1Click();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void ShowPhotoViewer(const QImage& picture, QWidget* parent) {
  RunAndDestroy(new TForm6(picture, parent));
}

bool ShowPhotoViewer(const std::string& photoFile, QWidget* parent) {
  const QSize screen = ScreenRect(parent).size() * ScreenRatio(parent);
  const QImage picture = LoadPhoto(photoFile, screen);
  if (picture.isNull()) return false;
  ShowPhotoViewer(picture, parent);
  return true;
}

void ShowDescriptionViewer(const QString& text, QWidget* parent) {
  RunAndDestroy(new TForm9(text, parent));
}

}  // namespace spinfolio
