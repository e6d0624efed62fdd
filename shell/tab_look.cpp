#include "shell/tab_look.h"

#include <QLabel>
#include <QMouseEvent>

#include "resources/pictures.h"

namespace spinfolio {
namespace {

constexpr int kLeftWidth = 7;
constexpr int kRightWidth = 3;

QLabel* Piece(QWidget* parent, const QPixmap& picture, bool stretched) {
  auto* piece = new QLabel(parent);
  piece->setPixmap(picture);
  piece->setScaledContents(stretched);
  return piece;
}

}  // namespace

TabLook::TabLook(bool active, QWidget* parent)
    : QWidget(parent),
      active_(active),
      left_(Piece(this, TabPiece(active, 0), false)),
      middle_(Piece(this, TabPiece(active, 1), true)),
      right_(Piece(this, TabPiece(active, 2), false)),
      caption_(new QLabel(this)) {
  caption_->setAlignment(Qt::AlignCenter);
  caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
  QFont font = caption_->font();
  font.setBold(active);
  caption_->setFont(font);
  QPalette palette = caption_->palette();
  palette.setColor(QPalette::WindowText, active ? QColor(0, 0, 96) : QColor(235, 240, 255));
  caption_->setPalette(palette);
  if (!active) setCursor(Qt::PointingHandCursor);
}

void TabLook::resizeEvent(QResizeEvent* event) {
  const int w = width();
  const int h = height();
  left_->setGeometry(0, 0, kLeftWidth, h);
  middle_->setGeometry(kLeftWidth, 0, std::max(0, w - kLeftWidth - kRightWidth), h);
  right_->setGeometry(w - kRightWidth, 0, kRightWidth, h);
  caption_->setGeometry(0, 0, w, h);
  QWidget::resizeEvent(event);
}

void TabLook::mouseReleaseEvent(QMouseEvent* event) {
  if (!active_ && event->button() == Qt::LeftButton) Q_EMIT clicked();
  QWidget::mouseReleaseEvent(event);
}

}  // namespace spinfolio
