#pragma once

#include <QWidget>

class QLabel;

namespace spinfolio {

/// One look of a page tab: a left piece, a stretched middle piece and a right piece, with the
/// caption centred over them. The active look has a bold caption; an inactive look is clicked
/// to show its page.
class TabLook final : public QWidget {
  Q_OBJECT

 public:
  TabLook(bool active, QWidget* parent = nullptr);

  QLabel* caption() const { return caption_; }
  bool isActiveLook() const { return active_; }

 Q_SIGNALS:
  void clicked();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool active_;
  QLabel* left_;
  QLabel* middle_;
  QLabel* right_;
  QLabel* caption_;
};

}  // namespace spinfolio
