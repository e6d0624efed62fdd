#include "shell/form1.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>

#include "shell/line_list_model.h"
#include "shell/radio_group.h"
#include "shell/string_table.h"

namespace spinfolio {
namespace {

constexpr int kPageLeft = 1;
constexpr int kPageTop = 44;
constexpr int kPageWidth = 642;
constexpr int kPageHeight = 389;

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QListView* MakeList(QWidget* parent, const char* name, LineListModel* model, bool multiSelect) {
  auto* list = Named(new QListView(parent), name);
  list->setModel(model);
  list->setUniformItemSizes(true);  // rows of one height keep huge lists cheap to lay out
  list->setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection
                                     : QAbstractItemView::SingleSelection);
  return list;
}

QComboBox* MakeChooser(QWidget* parent, const char* name, LineListModel* model) {
  auto* box = Named(new QComboBox(parent), name);
  box->setModel(model);
  return box;
}

QWidget* MakePage(QWidget* parent, const char* name) {
  auto* page = Named(new QWidget(parent), name);
  page->setGeometry(kPageLeft, kPageTop, kPageWidth, kPageHeight);
  page->setAutoFillBackground(true);
  QPalette palette = page->palette();
  palette.setColor(QPalette::Window, QColor(142, 171, 229));
  page->setPalette(palette);
  page->hide();
  return page;
}

}  // namespace

TForm1::TForm1(StartContext context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), context_(std::move(context)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Spinfolio"));
  buildControls();
}

TForm1::~TForm1() = default;

void TForm1::buildControls() {
  setFixedSize(kPageWidth + 2, kPageTop + kPageHeight + 1);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(59, 97, 156));
  setPalette(palette);

  const auto model = [this] { return new LineListModel(this); };
  discLinesBrowse_ = model();
  discLinesManage_ = model();
  categoryLinesBrowse_ = model();
  categoryLinesManage_ = model();
  categoryDiscs_ = model();
  pendingContent_ = model();
  browseContent_ = model();
  searchDiscs_ = model();
  searchContent_ = model();
  categoryMembers_ = model();
  categoryContent_ = model();

  Panel1 = Named(new QWidget(this), "Panel1");
  Panel1->setGeometry(0, 0, width(), 22);
  Label2 = Named(new QLabel(QStringLiteral("S p i n f o l i o   v 3 . 9 . 2"), Panel1), "Label2");
  Label2->setGeometry(0, 0, width(), 22);
  Label2->setAlignment(Qt::AlignCenter);
  Label2->setStyleSheet(QStringLiteral("color: white; font: bold italic 13px \"Verdana\";"));

  Panel14 = MakePage(this, "Panel14");
  Panel15 = MakePage(this, "Panel15");
  Panel16 = MakePage(this, "Panel16");
  Panel17 = MakePage(this, "Panel17");
  Panel18 = MakePage(this, "Panel18");
  Panel14->show();

  // Browse page.
  ComboBox1 = MakeChooser(Panel14, "ComboBox1", discLinesBrowse_);
  ListBox2 = MakeList(Panel14, "ListBox2", browseContent_, true);
  auto* browse = new QGridLayout(Panel14);
  browse->addWidget(ComboBox1, 0, 0);
  browse->addWidget(ListBox2, 1, 0);

  // Categories page.
  ComboBox2 = MakeChooser(Panel15, "ComboBox2", categoryLinesBrowse_);
  ListBox5 = MakeList(Panel15, "ListBox5", categoryMembers_, false);
  ListBox6 = MakeList(Panel15, "ListBox6", categoryContent_, true);
  auto* categories = new QGridLayout(Panel15);
  categories->addWidget(ComboBox2, 0, 0);
  categories->addWidget(ListBox5, 1, 0);
  categories->addWidget(ListBox6, 1, 1);

  // Search page.
  Edit3 = Named(new QLineEdit(Panel16), "Edit3");
  ListBox3 = MakeList(Panel16, "ListBox3", searchDiscs_, false);
  ListBox4 = MakeList(Panel16, "ListBox4", searchContent_, true);
  auto* search = new QGridLayout(Panel16);
  search->addWidget(Edit3, 0, 0, 1, 2);
  search->addWidget(ListBox3, 1, 0);
  search->addWidget(ListBox4, 1, 1);

  // Management page: the disc view and the category view.
  ComboBox4 = MakeChooser(Panel17, "ComboBox4", discLinesManage_);
  ListBox1 = MakeList(Panel17, "ListBox1", pendingContent_, true);
  ListBox7 = MakeList(Panel17, "ListBox7", categoryLinesManage_, false);
  CheckListBox1 = MakeList(Panel17, "CheckListBox1", categoryDiscs_, false);
  auto* manage = new QGridLayout(Panel17);
  manage->addWidget(ComboBox4, 0, 0);
  manage->addWidget(ListBox1, 1, 0);
  manage->addWidget(ListBox7, 0, 1, 2, 1);
  manage->addWidget(CheckListBox1, 0, 2, 2, 1);

  // Options page.
  Label1 = Named(new QLabel(Panel18), "Label1");
  ComboBox5 = Named(new QComboBox(Panel18), "ComboBox5");
  Edit2 = Named(new QLineEdit(Panel18), "Edit2");
  Edit2->setReadOnly(true);
  RadioGroup1 = Named(new RadioGroup(Panel18), "RadioGroup1");
  ComboBox3 = Named(new QComboBox(Panel18), "ComboBox3");
  Edit1 = Named(new QLineEdit(Panel18), "Edit1");
  Edit1->setReadOnly(true);
  CheckBox8 = Named(new QCheckBox(Panel18), "CheckBox8");
  CheckBox4 = Named(new QCheckBox(Panel18), "CheckBox4");
  CheckBox5 = Named(new QCheckBox(Panel18), "CheckBox5");
  CheckBox6 = Named(new QCheckBox(Panel18), "CheckBox6");
  CheckBox7 = Named(new QCheckBox(Panel18), "CheckBox7");
  ComboBox6 = Named(new QComboBox(Panel18), "ComboBox6");
  ComboBox6->addItems({QStringLiteral("English"), QStringLiteral("Polski")});
  ComboBox7 = Named(new QComboBox(Panel18), "ComboBox7");
  auto* options = new QGridLayout(Panel18);
  options->addWidget(Label1, 0, 0);
  options->addWidget(ComboBox5, 0, 1);
  options->addWidget(Edit2, 1, 0, 1, 2);
  options->addWidget(RadioGroup1, 2, 0, 2, 1);
  options->addWidget(ComboBox3, 2, 1);
  options->addWidget(ComboBox7, 3, 1);
  options->addWidget(Edit1, 4, 0, 1, 2);
  options->addWidget(CheckBox8, 5, 0, 1, 2);
  options->addWidget(CheckBox4, 6, 0);
  options->addWidget(CheckBox5, 6, 1);
  options->addWidget(CheckBox6, 7, 0);
  options->addWidget(CheckBox7, 7, 1);
  options->addWidget(ComboBox6, 8, 0);

  showTexts(1);  // the window is designed in Polish

  connect(RadioGroup1, &RadioGroup::clicked, this, &TForm1::RadioGroup1Click);
  connect(ComboBox3, &QComboBox::activated, this, &TForm1::ComboBox3Change);
  connect(CheckBox7, &QCheckBox::clicked, this, &TForm1::CheckBox7Click);
}

void TForm1::ApplyLanguage(int languageIndex) {
  if (languageIndex != 0 && languageIndex != 1) return;
  languageIndex_ = languageIndex;
  showTexts(languageIndex);
}

void TForm1::showTexts(int languageIndex) {
  const auto text = [languageIndex](int polishId) { return LocalText(polishId, languageIndex); };
  // Replacing the items of a drop-down keeps its chosen item.
  const auto setItems = [&text](QComboBox* box, std::initializer_list<int> ids) {
    const int chosen = box->currentIndex();
    box->clear();
    for (const int id : ids) box->addItem(text(id));
    box->setCurrentIndex(chosen);
  };
  RadioGroup1->setTitle(text(137));
  RadioGroup1->setItems({text(139), text(140)});
  setItems(ComboBox3, {143, 144, 145, 146});
  setItems(ComboBox7, {333, 334, 335});
  CheckBox4->setText(text(159));
  CheckBox5->setText(text(161));
  CheckBox6->setText(text(328));
  CheckBox7->setText(text(329));
  CheckBox8->setText(languageIndex == 1 ? QStringLiteral("Zapisuj zdjęcia CD wewnątrz archiwum "
                                                         "programu")
                                        : QStringLiteral("Save CD photos in archive file"));
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (starting_) {
    // Start-up is showing a box; the window closes once start-up has finished.
    closeRequested_ = true;
    event->ignore();
    return;
  }
  FormClose();
  event->accept();
}

}  // namespace spinfolio
