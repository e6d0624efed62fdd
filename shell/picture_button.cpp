#include "shell/picture_button.h"

#include <QMouseEvent>

#include "resources/pictures.h"

namespace spinfolio {

PictureButton::PictureButton(QWidget* parent) : QLabel(parent) {
  setCursor(Qt::PointingHandCursor);
}

void PictureButton::setPictures(const QString& normalName, const QString& litName) {
  normalName_ = normalName;
  litName_ = litName;
  showPicture(false);
}

void PictureButton::showPicture(bool lit) {
  lit_ = lit;
  setPixmap(ProgramBitmap(lit ? litName_ : normalName_));
}

void PictureButton::enterEvent(QEnterEvent* event) {
  showPicture(true);
  QLabel::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event) {
  showPicture(false);
  QLabel::leaveEvent(event);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    Q_EMIT clicked();
  }
  QLabel::mouseReleaseEvent(event);
}

}  // namespace spinfolio
