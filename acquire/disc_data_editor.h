#pragma once

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <functional>
#include <string>

#include "acquire/disc_filing.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace spinfolio {

class Dialogs;

/// The disc data editor: a disc's name in the catalog, photo, description, lent note and type,
/// for adding a read disc or changing a filed one. Created for each use and shown modally.
class TForm4 final : public QDialog {
  Q_OBJECT

 public:
  enum class Mode { Add, Change };

  /// What the editor starts from in change mode. Texts are in the catalog's code page.
  struct Filed {
    int index = -1;
    std::string entry;        // the disc entry
    std::string photoFile;    // photo folder + "cd<N>.jpg"
    std::string description;  // catalog folder + "op<N>"
  };

  /// Runs the filing once the name has passed its check; true when the editor is to close.
  using Confirm = std::function<bool(TForm4& editor)>;

  TForm4(Mode mode, int languageIndex, Dialogs& dialogs, std::string catalogFolder,
         Filed filed, Confirm confirm, QWidget* parent = nullptr);

  void FormCreate();
  void Button4Click();  // confirm
  void Button5Click();  // cancel
  void Button1Click();  // choose a photo
  void Button2Click();  // remove the photo
  void Button3Click();  // clear the description
  void CheckBox1Click();
  void Image1Click();
  /// Shows the background picture, or drops the background image when the picture is null.
  void setBackground(const QPixmap& picture);

  Mode mode() const { return mode_; }
  /// The editor's data in the catalog's code page, with the picture ready for writing.
  DiscData discData() const;
  RgbPicture picture() const;
  const QString& photoSource() const { return photoSource_; }

  // Controls, named as the program names them.
  QWidget* Panel1;
  QLabel* Image2;  // background picture
  QGroupBox* GroupBox3;
  QLineEdit* Edit1;
  QGroupBox* GroupBox1;
  QLabel* Image1;
  QPushButton* Button1;
  QPushButton* Button2;
  QGroupBox* GroupBox2;
  QPlainTextEdit* Memo1;
  QPushButton* Button3;
  QWidget* Panel2;
  QCheckBox* CheckBox1;
  QLabel* Label1;
  QLineEdit* Edit2;
  QGroupBox* GroupBox4;
  QComboBox* ComboBox1;
  QPushButton* BitBtn1;
  QPushButton* BitBtn2;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void build();
  void showPhoto(const QString& file);
  void FormMouseDown(const QPoint& pointer);
  void FormMouseMove(const QPoint& pointer);

  Mode mode_;
  int languageIndex_;
  Dialogs& dialogs_;
  std::string catalogFolder_;
  Filed filed_;
  Confirm confirm_;
  QString photoSource_;  // the file the photo box shows; empty without a photo
  QImage photo_;         // the picture held by the photo box
  QPoint dragOrigin_;
};

}  // namespace spinfolio
