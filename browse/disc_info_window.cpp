// The disc information window beside the main window.

#include "browse/disc_info_window.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>
#include <utility>

#include "browse/jpeg_image.h"
#include "browse/viewers.h"
#include "catalog/reading_rules.h"
#include "common/catalog_names.h"
#include "common/file_ops.h"
#include "common/text_file.h"
#include "platform/code_page.h"
#include "shell/string_table.h"

namespace spinfolio {
namespace {

const QColor kBackground(0, 128, 192);

QLabel* InfoLabel(QWidget* parent, const char* name, const char* family) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(13);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  label->setPalette(palette);
  return label;
}

// Puts a block of the window at top y and gives the top of the next one.
int Stack(QWidget* block, int y, int height, int gap) {
  block->setGeometry(TForm5::kBlockLeft, y, TForm5::kBlockWidth, height);
  return y + height + gap;
}

template <typename Control>
void Remove(Control*& control) {
  delete control;
  control = nullptr;
}

bool IsLeftButton(const QEvent* event) {
  return static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
}

}  // namespace

DiscInfoContent ReadDiscInfo(const std::string& catalogFolder, const std::string& photoFolder,
                             int disc, std::string_view entry, qreal pixelRatio) {
  const CodePage& codePage = CodePage::System();
  DiscInfoContent content;
  const std::string descriptionFile = catalogFolder + DescriptionFileName(disc);
  if (FileExists(descriptionFile)) {
    QStringList lines;
    for (const std::string& line : ReadLinesOrEmpty(descriptionFile)) {
      lines.append(codePage.decode(line));
    }
    content.description = lines.join(QStringLiteral("\r\n"));
  }
  const std::string photoFile = photoFolder + PhotoFileName(disc);
  if (FileExists(photoFile)) {
    const QSize box(TForm5::kPhotoSize, TForm5::kPhotoSize);
    content.photo = LoadPhoto(photoFile, box * std::max<qreal>(pixelRatio, 1.0));
    if (!content.photo.isNull()) content.photoFile = photoFile;
  }
  content.lent = IsLent(entry);
  if (content.lent) content.borrower = codePage.decode(Borrower(entry));
  return content;
}

TForm5::TForm5(QWidget* mainWindow, int languageIndex)
    : QWidget(mainWindow, Qt::Tool | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("Form5"));
  // It stands beside the main window without taking the focus from the disc picker.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setWindowOpacity(220 / 255.0);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kBackground);
  setPalette(palette);
  setFixedSize(kWidth, kFirstBlockTop + 9);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);

  const bool english = languageIndex == 0;
  Label1 = InfoLabel(Panel1, "Label1", "Verdana");
  Label1->setGeometry(kBlockLeft, 8, kBlockWidth, kLineHeight);
  Label1->setText(english ? Text(295) : QStringLiteral("Informacje o płycie :"));

  Image1 = new QLabel(Panel1);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setAlignment(Qt::AlignCenter);
  Image1->setCursor(Qt::PointingHandCursor);
  Image1->setToolTip(english ? Text(284) : QStringLiteral("Kliknij żeby zobaczyć zdjęcie."));
  Image1->installEventFilter(this);

  Label2 = InfoLabel(Panel1, "Label2", "Arial");
  Label2->setWordWrap(true);
  Label2->setCursor(Qt::PointingHandCursor);
  Label2->installEventFilter(this);

  Label3 = InfoLabel(Panel1, "Label3", "Verdana");
  Label3->setText(english ? Text(292) : QStringLiteral("Płyta pożyczona"));
  Label4 = InfoLabel(Panel1, "Label4", "Verdana");
  Label4->setText(english ? Text(293) : QStringLiteral("Kto pożyczył :"));
  Label5 = InfoLabel(Panel1, "Label5", "Verdana");

  PlaceBeside(mainWindow);
}

void TForm5::PlaceBeside(const QWidget* mainWindow) {
  if (mainWindow == nullptr) return;
  const QRect frame = mainWindow->frameGeometry();
  move(frame.left() + frame.width() + 2, frame.top());
}

void TForm5::Fill(DiscInfoContent content) {
  int y = kFirstBlockTop;
  if (!content.photo.isNull()) {
    photoFile_ = std::move(content.photoFile);
    Image1->setPixmap(
        FitPicture(content.photo, QSize(kPhotoSize, kPhotoSize), devicePixelRatioF()));
    y = Stack(Image1, y, kPhotoSize, 8);
  } else {
    Remove(Image1);
  }
  if (content.description) {
    description_ = std::move(*content.description);
    Label2->setText(LabelText(description_));
    y = Stack(Label2, y, kPhotoSize, 8);
  } else {
    Remove(Label2);
  }
  if (content.lent) {
    y = Stack(Label3, y, kLineHeight, 0);
    if (!content.borrower.isEmpty()) {
      y = Stack(Label4, y, kLineHeight, 0);
      Label5->setText(content.borrower);
      y = Stack(Label5, y, kLineHeight, 0);
    } else {
      Remove(Label4);
      Remove(Label5);
    }
  } else {
    Remove(Label3);
    Remove(Label4);
    Remove(Label5);
  }
  setFixedSize(kWidth, y + 9);
  Panel1->setGeometry(rect());
}

void TForm5::FormClick() { hide(); }

void TForm5::Image1Click() {
  // The viewer belongs to this window, so that it stands above it; the copy of the file name
  // outlives the window should the main window destroy it meanwhile.
  const std::string photoFile = photoFile_;
  ShowPhotoViewer(photoFile, this);
}

void TForm5::Label2Click() {
  const QString description = description_;
  ShowDescriptionViewer(description, this);
}

bool TForm5::eventFilter(QObject* watched, QEvent* event) {
  const bool photo = watched == Image1 && Image1 != nullptr;
  const bool text = watched == Label2 && Label2 != nullptr;
  if (!photo && !text) return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::MouseButtonPress) {
    pressed_ = IsLeftButton(event);
    return true;
  }
  if (event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    const bool click = pressed_ && IsLeftButton(event) &&
                       static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
    pressed_ = false;
    if (click) {
      if (photo) {
        Image1Click();
      } else {
        Label2Click();
      }
    }
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void TForm5::mousePressEvent(QMouseEvent* event) {
  // The panel and the plain labels pass their mouse events on to the window.
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void TForm5::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (click) FormClick();
}

}  // namespace spinfolio
