#pragma once

#include <QDialog>
#include <QPoint>
#include <string>

#include "catalog/settings.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPainter;
class QPushButton;
class QRect;
class QRadioButton;

namespace spinfolio {

class Dialogs;

/// The read filter settings: whether a disc read takes every file or only some, chosen by a
/// list of extensions to read or a list to skip. Created for each use and shown modally; it
/// fills itself from the settings file and writes it on OK.
class TForm10 final : public QDialog {
  Q_OBJECT

 public:
  TForm10(int languageIndex, std::string settingsFile, Dialogs& dialogs, QWidget* parent = nullptr);

  void FormCreate();
  void RadioButton1Click();  // filter off or on
  void RadioButton3Click();  // read or skip the listed extensions
  void BitBtn1Click();       // add to the read list
  void BitBtn2Click();       // add to the skip list
  void BitBtn3Click();       // remove from the read list
  void BitBtn4Click();       // remove from the skip list
  void BitBtn5Click();       // OK
  void BitBtn6Click();       // cancel
  /// Paints an item of either list: the item filled in the selection colour or the list's own,
  /// its text in black at (left + 2, top).
  void ListBox1DrawItem(const QListWidget& list, QPainter& painter, const QRect& rect, int row,
                        bool selected) const;
  /// Shows the background picture stretched over the window, or drops the background image when
  /// the picture is null.
  void setBackground(const QPixmap& picture);

  /// The filter for the next disc reads: after OK the one chosen, even when writing it failed.
  const ReadFilter& filter() const { return filter_; }

  // Controls, named as the program names them.
  QLabel* Image1;  // background picture
  QRadioButton* RadioButton1;
  QRadioButton* RadioButton2;
  QGroupBox* GroupBox1;
  QRadioButton* RadioButton3;
  QLineEdit* Edit1;
  QPushButton* BitBtn1;
  QPushButton* BitBtn3;
  QListWidget* ListBox1;
  QRadioButton* RadioButton4;
  QLineEdit* Edit2;
  QPushButton* BitBtn2;
  QPushButton* BitBtn4;
  QListWidget* ListBox2;
  QPushButton* BitBtn5;
  QPushButton* BitBtn6;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void build();

  int languageIndex_;
  std::string settingsFile_;
  Dialogs& dialogs_;
  ReadFilter filter_;
  QPoint dragOffset_;  // the pointer's place in the window when a drag starts
};

}  // namespace spinfolio
