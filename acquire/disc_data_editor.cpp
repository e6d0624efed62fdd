// The disc data editor.

#include "acquire/disc_data_editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <algorithm>

#include "browse/jpeg_image.h"
#include "browse/viewers.h"
#include "catalog/reading_rules.h"
#include "common/file_ops.h"
#include "common/text_file.h"
#include "platform/code_page.h"
#include "platform/dialogs.h"
#include "resources/pictures.h"
#include "shell/named.h"
#include "shell/string_table.h"

namespace spinfolio {
namespace {

// The icon strip slot drawn before each disc type item.
constexpr int kTypeIcons[5] = {0, 3, 4, 8, 7};

// A picture file as an image: JPEG files through libjpeg, others through Qt's readers.
QImage ReadPicture(const QString& file) {
  const std::string path = file.toStdString();
  if (HasJpegExtension(path)) {
    QImage jpeg = DecodeJpeg(path);
    if (!jpeg.isNull()) return jpeg;
  }
  return QImage(file);
}

// Draws a disc type item: the item rectangle filled, its icon at (left + 2, top), its text at
// (left + icon width + 4, top + 1) on a transparent background; items are 16 pixels high.
class TypeItemDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->fillRect(option.rect, option.palette.brush(selected ? QPalette::Highlight
                                                                 : QPalette::Base));
    const QPixmap icon = IconStripIcon(kTypeIcons[std::clamp(index.row(), 0, 4)]);
    painter->drawPixmap(option.rect.left() + 2, option.rect.top(), icon);
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect textRect(option.rect.left() + icon.width() + 4, option.rect.top() + 1,
                         option.rect.width() - icon.width() - 4, option.rect.height() - 1);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop, index.data().toString());
    painter->restore();
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width() + 24, 16};
  }
};

}  // namespace

TForm4::TForm4(Mode mode, int languageIndex, Dialogs& dialogs, std::string catalogFolder,
               Filed filed, Confirm confirm, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      mode_(mode),
      languageIndex_(languageIndex),
      dialogs_(dialogs),
      catalogFolder_(std::move(catalogFolder)),
      filed_(std::move(filed)),
      confirm_(std::move(confirm)) {
  setObjectName(QStringLiteral("Form4"));
  setModal(true);
  setWindowOpacity(200.0 / 255.0);
  setFixedSize(571, 387);
  build();
  FormCreate();
  // Centred on the main window.
  if (parent != nullptr) {
    const QWidget* main = parent->window();
    move(main->geometry().center() - rect().center());
  }
}

void TForm4::build() {
  Image2 = Named(new QLabel(this), "Image2");
  Image2->setGeometry(rect());
  Image2->setScaledContents(true);
  Image2->lower();
  Panel1 = Named(new QWidget(this), "Panel1");
  Panel1->setGeometry(rect());

  GroupBox3 = Named(new QGroupBox(QStringLiteral("Nazwa płyty pod którą będzie widoczna w katalogu : "),
                                  Panel1),
                    "GroupBox3");
  GroupBox3->setGeometry(8, 6, 555, 54);
  Edit1 = Named(new QLineEdit(GroupBox3), "Edit1");
  Edit1->setGeometry(10, 22, 535, 24);

  GroupBox1 = Named(new QGroupBox(QStringLiteral("Zdjęcie : "), Panel1), "GroupBox1");
  GroupBox1->setGeometry(8, 66, 210, 230);
  Image1 = Named(new QLabel(GroupBox1), "Image1");
  Image1->setGeometry(10, 22, 190, 162);
  Image1->setAlignment(Qt::AlignCenter);
  Image1->setToolTip(QStringLiteral("Kliknij żeby zobaczyć zdjęcie."));
  Image1->setCursor(Qt::PointingHandCursor);
  Image1->hide();
  Button1 = Named(new QPushButton(QStringLiteral("Wczytaj zdjęcie"), GroupBox1), "Button1");
  Button1->setGeometry(10, 192, 112, 28);
  Button2 = Named(new QPushButton(QStringLiteral("Usuń"), GroupBox1), "Button2");
  Button2->setGeometry(128, 192, 72, 28);

  GroupBox2 = Named(new QGroupBox(QStringLiteral("Opis płyty : "), Panel1), "GroupBox2");
  GroupBox2->setGeometry(226, 66, 337, 230);
  Memo1 = Named(new QPlainTextEdit(GroupBox2), "Memo1");
  Memo1->setGeometry(10, 22, 317, 164);
  Button3 = Named(new QPushButton(QStringLiteral("Wyczyść"), GroupBox2), "Button3");
  Button3->setGeometry(10, 192, 90, 28);

  Panel2 = Named(new QWidget(Panel1), "Panel2");
  Panel2->setGeometry(8, 302, 300, 56);
  CheckBox1 = Named(new QCheckBox(QStringLiteral("Płyta pożyczona"), Panel2), "CheckBox1");
  CheckBox1->setGeometry(4, 2, 290, 22);
  Label1 = Named(new QLabel(QStringLiteral("Kto pożyczył :"), Panel2), "Label1");
  Label1->setGeometry(4, 30, 100, 22);
  Edit2 = Named(new QLineEdit(Panel2), "Edit2");
  Edit2->setGeometry(108, 29, 188, 24);
  Edit2->setEnabled(false);

  GroupBox4 = Named(new QGroupBox(QStringLiteral("Typ płyty : "), Panel1), "GroupBox4");
  GroupBox4->setGeometry(316, 302, 247, 54);
  ComboBox1 = Named(new QComboBox(GroupBox4), "ComboBox1");
  ComboBox1->setGeometry(10, 22, 227, 24);
  ComboBox1->setIconSize(QSize(16, 16));
  ComboBox1->setItemDelegate(new TypeItemDelegate(ComboBox1));
  const QString types[5] = {QStringLiteral("Nie ustawione"), QStringLiteral("Filmy"),
                            QStringLiteral("Zdjęcia"), QStringLiteral("Programy"),
                            QStringLiteral("Muzyka")};
  for (int i = 0; i < 5; ++i) ComboBox1->addItem(QIcon(IconStripIcon(kTypeIcons[i])), types[i]);
  ComboBox1->setCurrentIndex(0);

  BitBtn1 = Named(new QPushButton(QStringLiteral("Dodaj"), Panel1), "BitBtn1");
  BitBtn1->setGeometry(316, 360, 120, 24);
  BitBtn2 = Named(new QPushButton(QStringLiteral("Anuluj"), Panel1), "BitBtn2");
  BitBtn2->setGeometry(443, 360, 120, 24);
  BitBtn1->setAutoDefault(false);
  BitBtn2->setAutoDefault(false);
  for (QPushButton* button : {Button1, Button2, Button3}) button->setAutoDefault(false);

  connect(BitBtn1, &QPushButton::clicked, this, &TForm4::Button4Click);
  connect(BitBtn2, &QPushButton::clicked, this, &TForm4::Button5Click);
  connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm4::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TForm4::Button3Click);
  connect(CheckBox1, &QCheckBox::clicked, this, &TForm4::CheckBox1Click);

  // Enter in the name field confirms; presses on the window's surfaces drag it; a click on the
  // photo shows it full size.
  Edit1->installEventFilter(this);
  Image1->installEventFilter(this);
  for (QWidget* handle : {static_cast<QWidget*>(Panel1), static_cast<QWidget*>(Image2),
                          static_cast<QWidget*>(GroupBox1), static_cast<QWidget*>(GroupBox2),
                          static_cast<QWidget*>(GroupBox3), static_cast<QWidget*>(Panel2),
                          static_cast<QWidget*>(GroupBox4)}) {
    handle->installEventFilter(this);
  }
}

void TForm4::FormCreate() {
  photoSource_.clear();
  if (languageIndex_ == 0) {
    GroupBox3->setTitle(Text(285));
    GroupBox1->setTitle(Text(286));
    Image1->setToolTip(Text(287));
    Button1->setText(Text(288));
    Button2->setText(Text(289));
    GroupBox2->setTitle(Text(290));
    Button3->setText(Text(291));
    CheckBox1->setText(Text(292));
    Label1->setText(Text(293));
    BitBtn2->setText(Text(294));
    const QString types[5] = {QStringLiteral("Not specified"), QStringLiteral("Movies"),
                              QStringLiteral("Photos"), QStringLiteral("Applications"),
                              QStringLiteral("Music")};
    for (int i = 0; i < 5; ++i) ComboBox1->setItemText(i, types[i]);
  }
  if (mode_ == Mode::Add) {
    BitBtn1->setText(languageIndex_ == 0 ? QStringLiteral("Add CD") : QStringLiteral("Dodaj"));
    return;
  }
  BitBtn1->setText(languageIndex_ == 0 ? QStringLiteral("Apply") : QStringLiteral("Zmień"));
  const CodePage& codePage = CodePage::System();
  Edit1->setText(codePage.decode(DiscName(filed_.entry)));
  if (IsLent(filed_.entry)) {
    CheckBox1->setChecked(true);
    Edit2->setEnabled(true);
    Edit2->setText(codePage.decode(Borrower(filed_.entry)));
  }
  if (FileExists(filed_.photoFile)) {
    showPhoto(QString::fromStdString(filed_.photoFile));
  } else {
    photoSource_.clear();
    Image1->hide();
  }
  ComboBox1->setCurrentIndex(static_cast<int>(DiscTypeOf(filed_.entry)));
  if (FileExists(filed_.description)) {
    QStringList lines;
    for (const std::string& line : ReadLinesOrEmpty(filed_.description)) {
      lines << codePage.decode(line);
    }
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
  }
}

void TForm4::showPhoto(const QString& file) {
  photoSource_ = file;
  photo_ = ReadPicture(file);
  Image1->setPixmap(FitPicture(photo_, Image1->size(), devicePixelRatioF()));
  Image1->show();
}

void TForm4::Button4Click() {
  const int exceptIndex = mode_ == Mode::Add ? -1 : filed_.index;
  const std::string name = CodePage::System().encode(Edit1->text());
  if (!IsDiscNameValid(catalogFolder_, name, exceptIndex)) {
    dialogs_.showMessage(
        this, {QStringLiteral("Nieprawidłowa nazwa płyty. Brak nazwy płyty lub\npodana nazwa już "
                              "istnieje przypisana do innej płyty"),
               QStringLiteral("Błąd nazwy płyty"), MessageIcon::Warning, MessageButtons::Ok});
    Edit1->setFocus();
    return;
  }
  if (!confirm_ || confirm_(*this)) accept();
}

void TForm4::Button5Click() { reject(); }

void TForm4::Button1Click() {
  FileDialogRequest request;
  request.filter = QStringLiteral("Obraz jpg (*.jpg;*.jpeg)|*.jpg;*.jpeg");
  const std::optional<QString> file = dialogs_.chooseFileToOpen(this, request);
  if (file && !file->isEmpty()) showPhoto(*file);
}

void TForm4::Button2Click() {
  photo_ = QImage();
  Image1->clear();
  photoSource_.clear();
  Image1->hide();
}

void TForm4::Button3Click() { Memo1->clear(); }

void TForm4::CheckBox1Click() { Edit2->setEnabled(CheckBox1->isChecked()); }

void TForm4::Image1Click() {
  if (!photo_.isNull()) ShowPhotoViewer(photo_, this);
}

void TForm4::setBackground(const QPixmap& picture) {
  if (picture.isNull()) {
    delete Image2;
    Image2 = nullptr;
    return;
  }
  Image2->setPixmap(picture);
}

DiscData TForm4::discData() const {
  const CodePage& codePage = CodePage::System();
  DiscData disc;
  disc.name = codePage.encode(Edit1->text());
  disc.lent = CheckBox1->isChecked();
  disc.borrower = codePage.encode(Edit2->text());
  disc.type = ComboBox1->currentIndex();
  const QString description = Memo1->toPlainText();
  if (!description.isEmpty()) {
    for (const QString& line : description.split(QLatin1Char('\n'))) {
      disc.description.push_back(codePage.encode(line));
    }
  }
  disc.hasPhoto = !Image1->isHidden();
  disc.photoSource = photoSource_.toStdString();
  return disc;
}

RgbPicture TForm4::picture() const {
  RgbPicture result;
  if (photo_.isNull()) return result;
  const QImage rgb = photo_.convertToFormat(QImage::Format_RGB888);
  result.width = rgb.width();
  result.height = rgb.height();
  const auto rowBytes = static_cast<std::size_t>(rgb.width()) * 3;
  result.rgb.resize(rowBytes * static_cast<std::size_t>(rgb.height()));
  for (int y = 0; y < rgb.height(); ++y) {
    std::copy_n(rgb.constScanLine(y), rowBytes,
                result.rgb.begin() + static_cast<std::ptrdiff_t>(rowBytes * static_cast<std::size_t>(y)));
  }
  return result;
}

void TForm4::FormMouseDown(const QPoint& pointer) { dragOrigin_ = pointer; }

void TForm4::FormMouseMove(const QPoint& pointer) { move(pos() + pointer - dragOrigin_); }

void TForm4::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) FormMouseDown(event->position().toPoint());
  QDialog::mousePressEvent(event);
}

void TForm4::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) FormMouseMove(event->position().toPoint());
  QDialog::mouseMoveEvent(event);
}

bool TForm4::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Edit1 && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      Button4Click();
      return true;
    }
    return false;
  }
  if (watched == Image1) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      Image1Click();
      return true;
    }
    return false;
  }
  if (event->type() == QEvent::MouseButtonPress) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton) FormMouseDown(mouse->position().toPoint());
  } else if (event->type() == QEvent::MouseMove) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->buttons() & Qt::LeftButton) FormMouseMove(mouse->position().toPoint());
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace spinfolio
