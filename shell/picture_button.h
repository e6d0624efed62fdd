#pragma once

#include <QLabel>
#include <QPixmap>

namespace spinfolio {

/// A button drawn as a picture: its normal picture, and its lit picture while the mouse pointer
/// is over it. A hand cursor shows that it can be clicked.
class PictureButton final : public QLabel {
  Q_OBJECT

 public:
  explicit PictureButton(QWidget* parent = nullptr);

  /// The resource names of the normal and the lit picture ("ID_CLS2", "ID_CLS1").
  void setPictures(const QString& normalName, const QString& litName);
  bool isLit() const { return lit_; }

 Q_SIGNALS:
  void clicked();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void showPicture(bool lit);

  QString normalName_;
  QString litName_;
  bool lit_ = false;
};

}  // namespace spinfolio
