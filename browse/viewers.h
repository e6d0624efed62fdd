#pragma once

#include <QDialog>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <string>

class QLabel;

namespace spinfolio {

/// A picture ready for a box of the given size: scaled down keeping its proportions when it is
/// larger, never enlarged. On a screen of pixel ratio above 1 it keeps up to that much more
/// detail, at the same size on screen.
QPixmap FitPicture(const QImage& picture, QSize box, qreal pixelRatio = 1.0);

/// Catalog text made of CR LF lines, as a label shows it (line feeds only).
QString LabelText(const QString& text);

/// The photo viewer: a borderless black window over the whole screen with the picture centred in
/// it. A click anywhere closes it.
class TForm6 final : public QDialog {
  Q_OBJECT

 public:
  /// Covers the screen the parent stands on (the primary screen without a parent) and shows a
  /// copy of the picture, scaled down to the screen when it is larger.
  TForm6(const QImage& picture, QWidget* parent = nullptr);

  void FormClick();

  QLabel* Image1;  // fills the window

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

/// The description viewer: a borderless window over the whole screen with the text white,
/// word-wrapped and centred both ways. A click on the text closes it.
class TForm9 final : public QDialog {
  Q_OBJECT

 public:
  TForm9(const QString& text, QWidget* parent = nullptr);

  void Label1Click();

  QLabel* Label1;  // the text, 16 pixels from the left, top and bottom edges, 20 from the right

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool pressed_ = false;
};

/// Shows the picture in the photo viewer and waits until it is closed.
void ShowPhotoViewer(const QImage& picture, QWidget* parent = nullptr);

/// Shows a JPEG file in the photo viewer, decoded at the scale the screen needs, and waits until
/// it is closed. A file that is not a readable JPEG shows nothing; the answer tells whether the
/// viewer was shown.
bool ShowPhotoViewer(const std::string& photoFile, QWidget* parent = nullptr);

/// Shows the text in the description viewer and waits until it is closed.
void ShowDescriptionViewer(const QString& text, QWidget* parent = nullptr);

}  // namespace spinfolio
