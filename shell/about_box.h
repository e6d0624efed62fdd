#pragma once

#include <QDialog>

class QLabel;

namespace spinfolio {

/// The about box: a borderless, translucent box centred on the main window. A click on the
/// mail address writes a message, one on the web address opens the page, any other click closes
/// the box.
class TForm2 final : public QDialog {
  Q_OBJECT

 public:
  TForm2(int languageIndex, QWidget* mainWindow);

  /// The address the mail link writes to, and the web page for a language.
  static QString MailAddress();
  static QString WebPage(int languageIndex);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int languageIndex_;

 public:
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  QLabel* Label7;
};

}  // namespace spinfolio
