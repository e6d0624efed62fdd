#include "shell/about_box.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QUrl>
#include <QUrlQuery>

#include "shell/string_table.h"

namespace spinfolio {
namespace {

QLabel* AboutLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                   int pixelSize, bool bold, const QColor& colour) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  label->setAlignment(Qt::AlignCenter);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  return label;
}

void SetUnderlined(QLabel* label, bool underlined) {
  QFont font = label->font();
  font.setUnderline(underlined);
  label->setFont(font);
}

}  // namespace

QString TForm2::MailAddress() { return QStringLiteral("spinfolio@spinfolio.org"); }

QString TForm2::WebPage(int languageIndex) {
  return languageIndex != 0 ? QStringLiteral("https://spinfolio.org/pl/")
                            : QStringLiteral("https://spinfolio.org/en/");
}

TForm2::TForm2(int languageIndex, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint), languageIndex_(languageIndex) {
  setObjectName(QStringLiteral("Form2"));
  setFixedSize(361, 211);
  setWindowOpacity(180 / 255.0);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(251, 253, 255));
  setPalette(palette);

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setGeometry(rect());
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setAttribute(Qt::WA_TransparentForMouseEvents);

  const bool english = languageIndex == 0;
  const QColor navy(0, 0, 128);
  Label1 = AboutLabel(this, "Label1", QStringLiteral("Spinfolio v3.9.2"), {8, 10, 345, 34}, 24,
                      true, navy);
  Label2 =
      AboutLabel(this, "Label2", english ? Text(278) : QStringLiteral("Autorem programu jest:"),
                 {8, 54, 345, 18}, 12, false, Qt::black);
  Label3 = AboutLabel(this, "Label3", QStringLiteral("Zespół programu Spinfolio"), {8, 72, 345, 20},
                      14, true, Qt::black);
  Label4 = AboutLabel(this, "Label4", MailAddress(), {8, 94, 345, 18}, 12, false, Qt::blue);
  Label7 = AboutLabel(this, "Label7", english ? Text(279) : QStringLiteral("Opis programu :"),
                      {8, 122, 345, 18}, 12, false, Qt::black);
  Label5 =
      AboutLabel(this, "Label5", WebPage(languageIndex), {8, 140, 345, 18}, 12, false, Qt::blue);
  Label6 = AboutLabel(this, "Label6",
                      english ? QStringLiteral("A cataloguer of CDs and DVDs for Linux")
                              : QStringLiteral("Katalog płyt CD i DVD dla systemu Linux"),
                      {8, 170, 345, 18}, 12, false, Qt::black);
  for (QLabel* link : {Label4, Label5}) {
    link->setCursor(Qt::PointingHandCursor);
    link->installEventFilter(this);
  }
  if (mainWindow != nullptr) {
    move(mainWindow->geometry().center() - rect().center());
  }
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
  auto* link = qobject_cast<QLabel*>(watched);
  if (link == nullptr) return QDialog::eventFilter(watched, event);
  if (event->type() == QEvent::Enter) SetUnderlined(link, true);
  if (event->type() == QEvent::Leave) SetUnderlined(link, false);
  if (event->type() == QEvent::MouseButtonRelease) {
    if (link == Label4) {
      QUrl mail(QStringLiteral("mailto:") + MailAddress());
      QUrlQuery query;
      query.addQueryItem(QStringLiteral("subject"), QStringLiteral("Spinfolio v3.9.2"));
      mail.setQuery(query);
      QDesktopServices::openUrl(mail);
    } else {
      QDesktopServices::openUrl(QUrl(WebPage(languageIndex_)));
    }
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TForm2::mouseReleaseEvent(QMouseEvent* event) {
  QDialog::mouseReleaseEvent(event);
  accept();
}

}  // namespace spinfolio
