#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>
#include <string_view>

class QFrame;
class QLabel;

namespace spinfolio {

/// What the disc information window shows of one disc. A part that is missing is left out.
struct DiscInfoContent {
  std::string photoFile;               // the photo's file, handed to the photo viewer
  QImage photo;                        // fitted into the photo block; null: no photo block
  std::optional<QString> description;  // the description's lines joined with CR LF
  bool lent = false;
  QString borrower;  // empty: no borrower lines

  /// Nothing to show: the disc gets no window.
  bool empty() const { return photo.isNull() && !description && !lent; }
};

/// Reads what the window shows of a disc: the description "op<N>" from the catalog folder, the
/// photo "cd<N>.jpg" from the photo folder and the lent mark and borrower of the disc entry. A
/// photo that is not a readable JPEG counts as no photo. The photo is decoded for a screen of the
/// given pixel ratio.
DiscInfoContent ReadDiscInfo(const std::string& catalogFolder, const std::string& photoFolder,
                             int disc, std::string_view entry, qreal pixelRatio = 1.0);

/// The disc information window: a small borderless window standing just right of the main
/// window, with the disc's photo, its description and its lent status. A click on the photo or
/// the description opens the full-screen viewer; a click anywhere else hides the window.
class TForm5 final : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 186;
  static constexpr int kBlockLeft = 8;
  static constexpr int kBlockWidth = 169;
  static constexpr int kPhotoSize = 169;
  static constexpr int kLineHeight = 16;
  static constexpr int kFirstBlockTop = 32;

  /// Creates the window for the main window: placed beside it, its texts in the language of the
  /// index (0 English, 1 Polish). The main window owns it.
  TForm5(QWidget* mainWindow, int languageIndex);

  /// Keeps the window's top on the main window's top and its left 2 pixels right of it.
  void PlaceBeside(const QWidget* mainWindow);

  /// Stacks the blocks of the content from the top, removes the others and sets the height.
  void Fill(DiscInfoContent content);

  // Handlers.
  void FormClick();
  void Image1Click();
  void Label2Click();

  const std::string& photoFile() const { return photoFile_; }
  const QString& description() const { return description_; }

  // Controls, named as the program names them (also their objectName). A removed control is
  // destroyed and its member set to null.
  QFrame* Panel1;  // fills the window
  QLabel* Label1;  // heading
  QLabel* Image1;  // photo
  QLabel* Label2;  // description
  QLabel* Label3;  // lent heading
  QLabel* Label4;  // borrower heading
  QLabel* Label5;  // borrower

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::string photoFile_;
  QString description_;
  bool pressed_ = false;  // a click needs its press inside the window
};

}  // namespace spinfolio
