#include "browse/file_info_window.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <algorithm>
#include <filesystem>

#include "browse/jpeg_image.h"
#include "browse/viewers.h"
#include "catalog/reading_rules.h"
#include "common/catalog_names.h"
#include "common/text_file.h"
#include "platform/code_page.h"
#include "shell/named.h"
#include "shell/string_table.h"

namespace spinfolio {
namespace {

const QColor kWindowColour(0, 128, 192);
const QColor kHeadingColour(Qt::white);
const QColor kValueColour(255, 255, 0);

constexpr int kPhotoSide = 169;

QFont PixelFont(const char* family, int pixels) {
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(pixels);
  return font;
}

void SetTextColour(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

// A heading: white Verdana 12 pixels, as large as its text unless given a size.
QLabel* Heading(QWidget* parent, const char* name, const QString& text, QPoint place) {
  auto* label = Named(new QLabel(text, parent), name);
  label->setFont(PixelFont("Verdana", 12));
  SetTextColour(label, kHeadingColour);
  label->move(place);
  label->adjustSize();
  return label;
}

// A value field: yellow Arial 19 pixels.
QLabel* Value(QWidget* parent, const char* name, const QRect& place, Qt::Alignment alignment) {
  auto* label = Named(new QLabel(parent), name);
  label->setFont(PixelFont("Arial", 19));
  SetTextColour(label, kValueColour);
  label->setAlignment(alignment);
  label->setGeometry(place);
  return label;
}

// A framed block that lets the window's colour or background picture show through.
QFrame* Block(QWidget* parent, const char* name, const QRect& place) {
  auto* frame = Named(new QFrame(parent), name);
  frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
  frame->setLineWidth(1);
  frame->setGeometry(place);
  return frame;
}

// Halves rounded towards negative infinity, as the window's placement asks.
int HalfDown(int value) { return value >= 0 ? value / 2 : -((-value + 1) / 2); }

template <typename Widget>
void Remove(Widget*& widget) {
  delete widget;
  widget = nullptr;
}

bool IsLeft(QEvent* event, QEvent::Type type) {
  return event->type() == type && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
}

}  // namespace

TForm3::TForm3(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("informacje o pliku"));
  setWindowOpacity(220.0 / 255.0);
  // The frames of the blocks take their light and dark edges from the window's colour.
  QPalette palette(kWindowColour);
  palette.setColor(QPalette::Window, kWindowColour);
  setPalette(palette);
  setAutoFillBackground(true);
  setFixedSize(kClientWidth, kClientHeight);

  Panel3 = Named(new QWidget(this), "Panel3");
  Panel3->setGeometry(rect());
  Image2 = Named(new QLabel(Panel3), "Image2");
  Image2->setScaledContents(true);
  Image2->setGeometry(Panel3->rect());

  Panel1 = Block(Panel3, "Panel1", {8, 8, 724, 65});
  Label1 = Heading(Panel1, "Label1", QStringLiteral("Nazwa pliku :"), {8, 8});
  Label3 = Value(Panel1, "Label3", {24, 24, 545, 22}, Qt::AlignCenter);
  Label7 = Heading(Panel1, "Label7", QStringLiteral("Rozmiar :"), {584, 8});
  Label8 = Value(Panel1, "Label8", {600, 24, 58, 22}, Qt::AlignLeft | Qt::AlignVCenter);

  Panel2 = Block(Panel3, "Panel2", {8, 80, 724, 65});
  Label2 = Heading(Panel2, "Label2",
                   QStringLiteral("Ścieżka pod którą plik się znajduje na płycie :"), {8, 8});
  Label4 = Value(Panel2, "Label4", {24, 24, 673, 22}, Qt::AlignCenter);

  Panel4 = Block(Panel3, "Panel4", {8, 152, 724, 185});
  Image1 = Named(new QLabel(Panel4), "Image1");
  Image1->setGeometry(8, 8, kPhotoSide, kPhotoSide);
  Image1->setAlignment(Qt::AlignCenter);
  Image1->setCursor(Qt::PointingHandCursor);
  Image1->setToolTip(QStringLiteral("Kliknij żeby zobaczyć zdjęcie w całej okazałości."));
  Label5 = Heading(Panel4, "Label5", QStringLiteral("Informacje o płycie :"), {192, 8});
  Label5->setAlignment(Qt::AlignCenter);
  Label5->setFixedSize(513, 14);
  Label6 = Named(new QLabel(Panel4), "Label6");
  Label6->setGeometry(192, 32, 513, 137);
  Label6->setFont(PixelFont("Arial", 15));
  SetTextColour(Label6, Qt::white);
  Label6->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label6->setWordWrap(true);
  Label6->setCursor(Qt::PointingHandCursor);

  // The photo and the description take their own clicks; every other click reaches the window.
  Image1->installEventFilter(this);
  Label6->installEventFilter(this);
}

void TForm3::setEnglishTexts() {
  for (auto [label, id] : {std::pair{Label1, 280}, std::pair{Label7, 281}, std::pair{Label2, 282},
                           std::pair{Label5, 283}}) {
    if (label == nullptr) continue;
    label->setText(Text(id));
    if (label != Label5) label->adjustSize();  // Label5 keeps its designed size
  }
  if (Image1 != nullptr) Image1->setToolTip(Text(284));
}

void TForm3::setBackground(const QPixmap& picture) {
  if (Image2 != nullptr) Image2->setPixmap(picture);
}

void TForm3::removeBackground() { Remove(Image2); }

void TForm3::setPhoto(const std::string& file, const QPixmap& picture) {
  photoFile_ = file;
  if (Image1 != nullptr) Image1->setPixmap(picture);
}

void TForm3::setDescription(const QString& text) {
  description_ = text;
  if (Label6 != nullptr) Label6->setText(LabelText(text));
}

void TForm3::FormClick() { reject(); }

void TForm3::Image1Click() {
  if (!photoFile_.empty()) ShowPhotoViewer(photoFile_, this);
}

void TForm3::Label6Click() { ShowDescriptionViewer(description_, this); }

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
  const bool photo = Image1 != nullptr && watched == Image1;
  const bool text = Label6 != nullptr && watched == Label6;
  if (!photo && !text) return QDialog::eventFilter(watched, event);
  if (IsLeft(event, QEvent::MouseButtonPress)) {
    pressedOn_ = watched;
    return true;  // kept from the window, which would close
  }
  if (IsLeft(event, QEvent::MouseButtonRelease)) {
    const bool click = pressedOn_ == watched;
    pressedOn_ = nullptr;
    if (click && photo) Image1Click();
    if (click && text) Label6Click();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TForm3::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressedOn_ = this;
  event->accept();
}

// A click is a press and a release in the window, so the release of the double click that
// opened the window does not close it.
void TForm3::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const bool click = pressedOn_ == this;
  pressedOn_ = nullptr;
  if (click) FormClick();
}

EntryPathParts SplitEntryPath(std::string_view path) {
  const auto split = path.find_last_of("\\:");
  if (split == std::string_view::npos) return {std::string(path), {}};
  return {std::string(path.substr(split + 1)), std::string(path.substr(0, split + 1))};
}

int FileInfoDiscFor(ContentListKind list, int categoryDisc, int searchDisc, bool changeMode,
                    int pickedDisc) {
  switch (list) {
    case ContentListKind::Browse:
      return -1;
    case ContentListKind::Categories:
      return categoryDisc;
    case ContentListKind::Search:
      return searchDisc;
    case ContentListKind::Management:
      return changeMode ? pickedDisc : -1;
  }
  return -1;
}

QPoint FileInfoPosition(const QRect& mainWindow, QPoint pointer, QSize window) {
  return {mainWindow.left() + HalfDown(mainWindow.width() - window.width()),
          pointer.y() - HalfDown(window.height())};
}

std::unique_ptr<TForm3> BuildFileInfo(const FileInfoRequest& request, QWidget* parent) {
  auto window = std::make_unique<TForm3>(parent);
  if (request.languageIndex == 0) window->setEnglishTexts();
  const CodePage& codePage = CodePage::System();

  // Size: without one the name takes the whole width of its block.
  const std::string size = TagValue(request.entry, "<r>");
  if (!size.empty()) {
    window->Label8->setText(codePage.decode(size));
    // The field grows with a longer size text, as the designed label sizes itself to its text.
    window->Label8->resize(std::max(window->Label8->width(), window->Label8->sizeHint().width()),
                           window->Label8->height());
  } else {
    Remove(window->Label7);
    Remove(window->Label8);
    window->Label3->resize(window->Panel1->width() - 48, window->Label3->height());
  }

  // Path: the name after the last "\" or ":", the folder up to and including it.
  const EntryPathParts path = SplitEntryPath(TagValue(request.entry, "<n>"));
  window->Label3->setText(codePage.decode(path.name));
  window->Label4->setText(codePage.decode(path.folder));

  // Disc block: the photo and the description of the entry's disc, when it has them.
  bool discBlock = false;
  if (request.disc >= 0) {
    namespace fs = std::filesystem;
    std::error_code error;
    const std::string descriptionFile = request.catalogFolder + DescriptionFileName(request.disc);
    const std::string photoFile = request.photoFolder + PhotoFileName(request.disc);
    const bool hasDescription = fs::exists(descriptionFile, error);
    // A photo file that is not a readable JPEG counts as no photo.
    QImage photo;
    if (fs::exists(photoFile, error)) photo = LoadPhoto(photoFile, {kPhotoSide, kPhotoSide});
    const bool hasPhoto = !photo.isNull();
    QFrame* block = window->Panel4;
    if (hasPhoto) {
      window->setPhoto(photoFile, QPixmap::fromImage(photo));
      if (!hasDescription) {
        Remove(window->Label5);
        Remove(window->Label6);
        QLabel* image = window->Image1;
        image->move((block->width() - image->width()) / 2, image->y());
      }
    }
    if (hasDescription) {
      const Lines lines = ReadLinesOrEmpty(descriptionFile);
      std::string text;
      for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += lines[i];
      }
      window->setDescription(codePage.decode(text));
      if (!hasPhoto) {
        QLabel* heading = window->Label5;
        heading->move((block->width() - heading->width()) / 2, heading->y());
        window->Label6->setGeometry(16, window->Label6->y(), block->width() - 32,
                                    window->Label6->height());
        Remove(window->Image1);
      }
    }
    discBlock = hasPhoto || hasDescription;
  }
  if (!discBlock) {
    window->setFixedSize(window->width(), window->Panel4->y() + 2);
    // The block's controls go with it.
    window->Image1 = nullptr;
    window->Label5 = nullptr;
    window->Label6 = nullptr;
    Remove(window->Panel4);
  }
  // The outer panel and the background picture fill the window at its final height.
  window->Panel3->setGeometry(window->rect());
  if (window->Image2 != nullptr) window->Image2->setGeometry(window->Panel3->rect());

  window->move(FileInfoPosition(request.mainWindow, request.pointer, window->size()));

  // With the backgrounds option off the window shows its plain colour; with it on, Image2 stays
  // for the picture that setBackground puts there.
  if (!request.backgrounds) window->removeBackground();
  return window;
}

}  // namespace spinfolio
