// The read filter settings dialog.

#include "acquire/read_filter_dialog.h"

#include <QByteArray>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <initializer_list>
#include <iterator>

#include "platform/code_page.h"
#include "platform/dialogs.h"
#include "platform/ini_file.h"
#include "resources/pictures.h"
#include "shell/draw_item_delegate.h"
#include "shell/named.h"
#include "shell/string_table.h"

namespace spinfolio {
namespace {

// Icon strip slots of the add and remove glyphs.
constexpr int kAddIcon = 9;
constexpr int kRemoveIcon = 10;

// The height of a list item.
constexpr int kItemHeight = 16;

// The fill of a selected list item.
const QColor kSelectedItem(0xD7, 0xEA, 0xFF);

// An item keeps the bytes it was read with, so that items the user did not touch are written
// back unchanged whatever the code page makes of them.
void AddItem(QListWidget& list, const QString& text, const QByteArray& bytes = {}) {
  auto* item = new QListWidgetItem(text, &list);
  if (!bytes.isNull()) item->setData(Qt::UserRole, bytes);
}

void FillList(QListWidget& list, const std::vector<std::string>& items, const CodePage& codePage) {
  list.clear();
  for (const std::string& item : items) {
    AddItem(list, codePage.decode(item),
            QByteArray(item.data(), static_cast<qsizetype>(item.size())));
  }
}

std::vector<std::string> ListItems(const QListWidget& list, const CodePage& codePage) {
  std::vector<std::string> items;
  for (int row = 0; row < list.count(); ++row) {
    const QListWidgetItem* item = list.item(row);
    const QVariant bytes = item->data(Qt::UserRole);
    items.push_back(bytes.isValid() ? bytes.toByteArray().toStdString()
                                    : codePage.encode(item->text()));
  }
  return items;
}

// Appends the field's text as typed, empty text included, and empties the field.
void AddFromField(QLineEdit& field, QListWidget& list) {
  AddItem(list, field.text());
  field.clear();
}

void RemoveSelected(QListWidget& list) {
  const QList<QListWidgetItem*> selected = list.selectedItems();
  if (!selected.isEmpty()) delete selected.front();
}

}  // namespace

TForm10::TForm10(int languageIndex, std::string settingsFile, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      languageIndex_(languageIndex),
      settingsFile_(std::move(settingsFile)),
      dialogs_(dialogs) {
  setObjectName(QStringLiteral("Form10"));
  setModal(true);
  setWindowTitle(LocalText(315, languageIndex_));
  setWindowOpacity(230.0 / 255.0);
  setFixedSize(400, 310);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);
  setCursor(Qt::SizeAllCursor);
  build();
  FormCreate();
  // Centred on the main window.
  if (parent != nullptr) {
    const QWidget* main = parent->window();
    move(main->geometry().center() - rect().center());
  }
}

void TForm10::build() {
  Image1 = Named(new QLabel(this), "Image1");
  Image1->setGeometry(rect());
  Image1->setScaledContents(true);
  Image1->lower();

  RadioButton1 = Named(
      new QRadioButton(QStringLiteral("Wczytuj do katalogu wszystkie pliki z płyty (*.*)"), this),
      "RadioButton1");
  RadioButton1->setGeometry(12, 10, 376, 22);
  RadioButton1->setChecked(true);
  RadioButton2 =
      Named(new QRadioButton(QStringLiteral("Wczytuj wybrane pliki"), this), "RadioButton2");
  RadioButton2->setGeometry(12, 34, 376, 22);

  GroupBox1 = Named(
      new QGroupBox(QStringLiteral("Ustawienia typów plików wczytywanych i pomijanych :"), this),
      "GroupBox1");
  GroupBox1->setGeometry(8, 62, 384, 204);

  // Two columns: the read list on the left, the skip list on the right.
  RadioButton3 = Named(new QRadioButton(QStringLiteral("Wczytywane :"), GroupBox1), "RadioButton3");
  RadioButton3->setToolTip(
      QStringLiteral("Przy zaznaczeniu tej opcji wczytywane do katalodu będą tylko pliki z danymi "
                     "rozszerzeniami"));
  RadioButton3->setChecked(true);
  RadioButton4 = Named(new QRadioButton(QStringLiteral("Pomijane :"), GroupBox1), "RadioButton4");
  RadioButton4->setToolTip(
      QStringLiteral("Przy zaznaczonej tej opcji przy wczytywaniu plików do katalogu będą pomijane "
                     "pliki z wybranymi rozszerzeniami"));
  Edit1 = Named(new QLineEdit(GroupBox1), "Edit1");
  Edit2 = Named(new QLineEdit(GroupBox1), "Edit2");
  BitBtn1 = Named(new QPushButton(GroupBox1), "BitBtn1");
  BitBtn2 = Named(new QPushButton(GroupBox1), "BitBtn2");
  BitBtn3 = Named(new QPushButton(GroupBox1), "BitBtn3");
  BitBtn4 = Named(new QPushButton(GroupBox1), "BitBtn4");
  ListBox1 = Named(new QListWidget(GroupBox1), "ListBox1");
  ListBox2 = Named(new QListWidget(GroupBox1), "ListBox2");

  struct Column {
    QRadioButton* kind;
    QLineEdit* field;
    QPushButton* add;
    QPushButton* remove;
    QListWidget* list;
    int left;
  };
  for (const Column& column : {Column{RadioButton3, Edit1, BitBtn1, BitBtn3, ListBox1, 10},
                               Column{RadioButton4, Edit2, BitBtn2, BitBtn4, ListBox2, 200}}) {
    column.kind->setGeometry(column.left, 24, 174, 22);
    column.field->setGeometry(column.left, 50, 118, 24);
    column.field->setToolTip(QStringLiteral("Wpisz tutaj rozszerzenie pliku (bez kropki)"));
    column.add->setGeometry(column.left + 122, 50, 25, 24);
    column.add->setIcon(QIcon(IconStripIcon(kAddIcon)));
    column.add->setToolTip(QStringLiteral("Dodaj rozszerzenie do listy"));
    column.remove->setGeometry(column.left + 149, 50, 25, 24);
    column.remove->setIcon(QIcon(IconStripIcon(kRemoveIcon)));
    column.remove->setToolTip(QStringLiteral("Usun z listy wybrane rozszerzenie"));
    column.list->setGeometry(column.left, 80, 174, 114);
    QListWidget* const list = column.list;
    list->setItemDelegate(new DrawItemDelegate(
        kItemHeight,
        [this, list](QPainter& painter, const QRect& rect, int row, bool selected) {
          ListBox1DrawItem(*list, painter, rect, row, selected);
        },
        list));
    column.list->setUniformItemSizes(true);
    for (QWidget* control :
         std::initializer_list<QWidget*>{column.kind, column.add, column.remove, column.list}) {
      control->setCursor(Qt::ArrowCursor);
    }
  }

  BitBtn5 = Named(new QPushButton(QStringLiteral("OK"), this), "BitBtn5");
  BitBtn5->setGeometry(228, 274, 78, 28);
  BitBtn6 = Named(new QPushButton(QStringLiteral("Anuluj"), this), "BitBtn6");
  BitBtn6->setGeometry(314, 274, 78, 28);
  for (QPushButton* button : {BitBtn1, BitBtn2, BitBtn3, BitBtn4, BitBtn5, BitBtn6}) {
    button->setAutoDefault(false);
    button->setCursor(Qt::ArrowCursor);
  }
  for (QRadioButton* radio : {RadioButton1, RadioButton2}) radio->setCursor(Qt::ArrowCursor);
  // The Tab key runs down the left column, then the right one.
  QWidget* const tabOrder[] = {RadioButton1, RadioButton2, RadioButton3, Edit1,  BitBtn1,
                               BitBtn3,      ListBox1,     RadioButton4, Edit2,  BitBtn2,
                               BitBtn4,      ListBox2,     BitBtn5,      BitBtn6};
  for (std::size_t i = 1; i < std::size(tabOrder); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);

  // Both buttons of a pair run one handler, so a change made in code updates the controls too.
  connect(RadioButton1, &QRadioButton::toggled, this, &TForm10::RadioButton1Click);
  connect(RadioButton2, &QRadioButton::toggled, this, &TForm10::RadioButton1Click);
  connect(RadioButton3, &QRadioButton::toggled, this, &TForm10::RadioButton3Click);
  connect(RadioButton4, &QRadioButton::toggled, this, &TForm10::RadioButton3Click);
  connect(BitBtn1, &QPushButton::clicked, this, &TForm10::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &TForm10::BitBtn2Click);
  connect(BitBtn3, &QPushButton::clicked, this, &TForm10::BitBtn3Click);
  connect(BitBtn4, &QPushButton::clicked, this, &TForm10::BitBtn4Click);
  connect(BitBtn5, &QPushButton::clicked, this, &TForm10::BitBtn5Click);
  connect(BitBtn6, &QPushButton::clicked, this, &TForm10::BitBtn6Click);
}

void TForm10::FormCreate() {
  const FilterSettings settings = ReadFilterSettings(IniFile(settingsFile_));
  filter_ = ActiveFilter(settings);
  (settings.enabled ? RadioButton2 : RadioButton1)->setChecked(true);
  (settings.readOnlyListed ? RadioButton3 : RadioButton4)->setChecked(true);
  const CodePage& codePage = CodePage::System();
  FillList(*ListBox1, settings.readList, codePage);
  FillList(*ListBox2, settings.skipList, codePage);
  RadioButton1Click();
  if (languageIndex_ == 0) {
    RadioButton1->setText(Text(416));
    RadioButton2->setText(Text(417));
    GroupBox1->setTitle(Text(418));
    RadioButton3->setText(Text(419));
    RadioButton3->setToolTip(Text(420));
    RadioButton4->setText(Text(421));
    RadioButton4->setToolTip(Text(422));
    for (QWidget* field : {Edit1, Edit2}) field->setToolTip(Text(423));
    for (QWidget* add : {BitBtn1, BitBtn2}) add->setToolTip(Text(424));
    for (QWidget* remove : {BitBtn3, BitBtn4}) remove->setToolTip(Text(425));
    BitBtn6->setText(Text(294));
  }
}

void TForm10::RadioButton1Click() {
  const bool on = RadioButton2->isChecked();
  RadioButton3->setEnabled(on);
  RadioButton4->setEnabled(on);
  RadioButton3Click();
  if (RadioButton1->isChecked()) {
    for (QWidget* control : std::initializer_list<QWidget*>{Edit1, BitBtn1, BitBtn3, ListBox1,
                                                            Edit2, BitBtn2, BitBtn4, ListBox2}) {
      control->setEnabled(false);
    }
  }
}

void TForm10::RadioButton3Click() {
  const bool readList = RadioButton3->isChecked();
  for (QWidget* control : std::initializer_list<QWidget*>{Edit1, BitBtn1, BitBtn3, ListBox1}) {
    control->setEnabled(readList);
  }
  const bool skipList = RadioButton4->isChecked();
  for (QWidget* control : std::initializer_list<QWidget*>{Edit2, BitBtn2, BitBtn4, ListBox2}) {
    control->setEnabled(skipList);
  }
}

void TForm10::BitBtn1Click() { AddFromField(*Edit1, *ListBox1); }

void TForm10::BitBtn2Click() { AddFromField(*Edit2, *ListBox2); }

void TForm10::BitBtn3Click() { RemoveSelected(*ListBox1); }

void TForm10::BitBtn4Click() { RemoveSelected(*ListBox2); }

void TForm10::BitBtn5Click() {
  const CodePage& codePage = CodePage::System();
  FilterSettings settings;
  settings.enabled = RadioButton2->isChecked();
  settings.readOnlyListed = RadioButton3->isChecked();
  settings.readList = ListItems(*ListBox1, codePage);
  settings.skipList = ListItems(*ListBox2, codePage);
  try {
    IniFile ini(settingsFile_);
    WriteFilterSettings(ini, settings);
  } catch (const IniWriteError& error) {
    // The choice still holds for this run.
    dialogs_.showMessage(
        this, {QString::fromLocal8Bit(error.what()), LocalText(kCaptionError, languageIndex_),
               MessageIcon::Error, MessageButtons::Ok});
  }
  filter_ = ActiveFilter(settings);
  accept();
}

void TForm10::BitBtn6Click() { reject(); }

void TForm10::ListBox1DrawItem(const QListWidget& list, QPainter& painter, const QRect& rect,
                               int row, bool selected) const {
  const QPalette::ColorGroup group = list.isEnabled() ? QPalette::Active : QPalette::Disabled;
  painter.fillRect(rect,
                   selected ? QBrush(kSelectedItem) : list.palette().brush(group, QPalette::Base));
  painter.setPen(Qt::black);
  painter.setBackgroundMode(Qt::TransparentMode);
  painter.drawText(rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                   list.item(row)->text());
}

void TForm10::setBackground(const QPixmap& picture) {
  if (picture.isNull()) {
    delete Image1;
    Image1 = nullptr;
    return;
  }
  Image1->setPixmap(picture);
}

void TForm10::mousePressEvent(QMouseEvent* event) {
  // Presses on the window's surface, the background picture and the group frame included,
  // start a drag.
  if (event->button() == Qt::LeftButton) dragOffset_ = event->globalPosition().toPoint() - pos();
  QDialog::mousePressEvent(event);
}

void TForm10::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) move(event->globalPosition().toPoint() - dragOffset_);
  QDialog::mouseMoveEvent(event);
}

}  // namespace spinfolio
