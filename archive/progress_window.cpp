#include "archive/progress_window.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QScreen>
#include <algorithm>

#include "archive/packhold_picture.h"

namespace spinfolio::archive {
namespace {

constexpr int kWidth = 498;
constexpr int kHeight = 145;
constexpr int kPictureSize = 128;
constexpr int kBarWidth = 33;
// Events are let through at most this often, so frequent calls from a busy loop stay cheap.
constexpr qint64 kEventInterval = 30;

const QColor kBackground(83, 184, 255);

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QLabel* MakeTextLabel(QWidget* parent, const char* name, const QRect& geometry, int pixelSize,
                      bool bold, const QColor& colour) {
  auto* label = Named(new QLabel(parent), name);
  label->setGeometry(geometry);
  label->setAlignment(Qt::AlignCenter);
  QFont font(QStringLiteral("Verdana"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, kBackground);
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  return label;
}

QIcon WindowIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128}) icon.addPixmap(PackholdPicture(size));
  return icon;
}

}  // namespace

TForm7::TForm7(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("Form7"));
  setWindowTitle(QStringLiteral("Spinfolio"));
  setWindowIcon(WindowIcon());
  setFixedSize(kWidth, kHeight);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kBackground);
  setPalette(palette);

  Image1 = Named(new QLabel(this), "Image1");
  Image1->setGeometry(8, 8, kPictureSize, kPictureSize);
  Image1->setPixmap(PackholdPicture(kPictureSize));

  // The heading paints its own background in the window's colour; the activity line lies
  // straight on the window.
  Label1 = MakeTextLabel(this, "Label1", QRect(142, 26, 305, 39), 24, true, QColor(0, 0, 128));
  Label1->setAutoFillBackground(true);
  Label2 = MakeTextLabel(this, "Label2", QRect(142, 77, 305, 36), 19, false, Qt::black);

  ProgressBar1 = Named(new QProgressBar(this), "ProgressBar1");
  ProgressBar1->setGeometry(kWidth - kBarWidth, 0, kBarWidth, kHeight);
  ProgressBar1->setOrientation(Qt::Vertical);  // fills from the bottom up
  ProgressBar1->setTextVisible(false);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
}

TForm7::~TForm7() = default;

void TForm7::setOpacity(int opacity) { setWindowOpacity(std::clamp(opacity, 0, 255) / 255.0); }

void TForm7::showCentred() {
  QScreen* screen = nullptr;
  if (QWidget* active = QApplication::activeWindow()) screen = active->screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen != nullptr) {
    setScreen(screen);
    QRect placed(QPoint(0, 0), size());
    placed.moveCenter(screen->availableGeometry().center());
    move(placed.topLeft());
  }
  show();
}

QtArchiveProgress::QtArchiveProgress() : window_(std::make_unique<TForm7>()) {}

QtArchiveProgress::~QtArchiveProgress() = default;

void QtArchiveProgress::setTexts(const std::string& heading, const std::string& activity) {
  window_->Label1->setText(QString::fromUtf8(heading));
  window_->Label2->setText(QString::fromUtf8(activity));
}

void QtArchiveProgress::setActivity(const std::string& activity) {
  window_->Label2->setText(QString::fromUtf8(activity));
}

void QtArchiveProgress::setOpacity(int opacity) { window_->setOpacity(opacity); }

void QtArchiveProgress::setMaximum(int maximum) { window_->ProgressBar1->setMaximum(maximum); }

void QtArchiveProgress::setPosition(int position) { window_->ProgressBar1->setValue(position); }

void QtArchiveProgress::show() {
  window_->showCentred();
  window_->raise();
  // The call then works without returning to the event loop, so the window is drawn now.
  QCoreApplication::processEvents();
}

void QtArchiveProgress::processMessages() {
  if (sinceEvents_.isValid() && sinceEvents_.elapsed() < kEventInterval) return;
  QCoreApplication::processEvents();
  sinceEvents_.start();
}

void QtArchiveProgress::reportError(const std::string& text) {
  QWidget* owner = window_->isVisible() ? window_.get() : QApplication::activeWindow();
  QMessageBox::critical(owner, QStringLiteral("Spinfolio"), QString::fromUtf8(text));
}

std::unique_ptr<ArchiveProgress> MakeArchiveProgress() {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
    return std::make_unique<QtArchiveProgress>();
  }
  return std::make_unique<SilentProgress>();
}

}  // namespace spinfolio::archive
