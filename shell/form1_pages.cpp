// The controls of the five pages of the main window.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>

#include "browse/catalog_list_delegate.h"
#include "browse/list_colours.h"
#include "resources/pictures.h"
#include "shell/form1.h"
#include "shell/line_list_model.h"
#include "shell/named.h"
#include "shell/picture_button.h"
#include "shell/radio_group.h"

namespace spinfolio {
namespace {

constexpr int kRowHeight = 17;
const QColor kPageColour(142, 171, 229);

QWidget* MakePage(QWidget* parent, const char* name, const char* background) {
  auto* page = Named(new QWidget(parent), name);
  page->setAutoFillBackground(true);
  QPalette palette = page->palette();
  palette.setColor(QPalette::Window, kPageColour);
  page->setPalette(palette);
  // The page's background picture; shown only while backgrounds are on.
  auto* image = Named(new QLabel(page), background);
  image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  image->hide();
  return page;
}

QGroupBox* Group(QWidget* parent, const char* name, const QRect& geometry) {
  auto* group = Named(new QGroupBox(parent), name);
  group->setGeometry(geometry);
  return group;
}

// The label that stands for a group's caption when a background picture lies behind the page.
QLabel* CaptionTwin(QWidget* parent, const char* name, const QGroupBox* group) {
  auto* label = Named(new QLabel(parent), name);
  label->move(group->x() + 8, group->y());
  label->hide();
  return label;
}

void Colour(QWidget* list, const QColor& background, const QColor& text, const char* face) {
  QPalette palette = list->palette();
  palette.setColor(QPalette::Base, background);
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::Button, background);
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::ButtonText, text);
  list->setPalette(palette);
  QFont font(QString::fromLatin1(face));
  font.setPointSize(8);
  list->setFont(font);
}

QListView* List(QWidget* parent, const char* name, LineListModel* model, const QRect& geometry,
                bool multiSelect, const QColor& background, const QColor& text, const char* face) {
  auto* list = Named(new QListView(parent), name);
  list->setModel(model);
  // Rows of one height keep lists of a million lines cheap to lay out and scroll.
  list->setUniformItemSizes(true);
  list->setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection
                                     : QAbstractItemView::SingleSelection);
  list->setGeometry(geometry);
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  Colour(list, background, text, face);
  list->setStyleSheet(QStringLiteral("QListView::item { height: %1px; }").arg(kRowHeight));
  return list;
}

QComboBox* Chooser(QWidget* parent, const char* name, LineListModel* model, const QRect& geometry,
                   const QColor& background, const QColor& text, const char* face) {
  auto* box = Named(new OwnerDrawnComboBox(parent), name);
  box->setModel(model);
  box->setGeometry(geometry);
  box->setMaxVisibleItems(20);
  box->setContextMenuPolicy(Qt::CustomContextMenu);
  Colour(box, background, text, face);
  return box;
}

QPushButton* Button(QWidget* parent, const char* name, const QRect& geometry) {
  auto* button = Named(new QPushButton(parent), name);
  button->setGeometry(geometry);
  return button;
}

QCheckBox* Check(QWidget* parent, const char* name, const QRect& geometry) {
  auto* box = Named(new QCheckBox(parent), name);
  box->setGeometry(geometry);
  return box;
}

// A picture button of the management page with the greyed picture that stands in its place.
PictureButton* Command(QWidget* parent, const char* name, int left, const char* picture) {
  auto* button = Named(new PictureButton(parent), name);
  button->setGeometry(left, 84, 48, 48);
  button->setPictures(QString::fromLatin1(picture) + QLatin1Char('2'),
                      QString::fromLatin1(picture) + QLatin1Char('1'));
  return button;
}

QLabel* Greyed(QWidget* parent, const char* name, int left, const char* picture) {
  auto* image = Named(new QLabel(parent), name);
  image->setGeometry(left, 84, 48, 48);
  image->setPixmap(GreyedBitmap(QString::fromLatin1(picture) + QStringLiteral("_GREY")));
  return image;
}

}  // namespace

void TForm1::buildPages() {
  Panel14 = MakePage(this, "Panel14", "Image9");
  Panel15 = MakePage(this, "Panel15", "Image54");
  Panel16 = MakePage(this, "Panel16", "Image53");
  Panel17 = MakePage(this, "Panel17", "Image51");
  Panel18 = MakePage(this, "Panel18", "Image8");
  Image9 = Panel14->findChild<QLabel*>(QStringLiteral("Image9"));
  Image54 = Panel15->findChild<QLabel*>(QStringLiteral("Image54"));
  Image53 = Panel16->findChild<QLabel*>(QStringLiteral("Image53"));
  Image51 = Panel17->findChild<QLabel*>(QStringLiteral("Image51"));
  Image8 = Panel18->findChild<QLabel*>(QStringLiteral("Image8"));
  buildBrowsePage();
  buildCategoriesPage();
  buildSearchPage();
  buildManagementPage();
  buildOptionsPage();
}

void TForm1::buildBrowsePage() {
  GroupBox5 = Group(Panel14, "GroupBox5", {8, 6, 626, 56});
  Label18 = CaptionTwin(Panel14, "Label18", GroupBox5);
  ComboBox1 = Chooser(GroupBox5, "ComboBox1", discLinesBrowse_, {10, 22, 606, 24}, kDiscListColour,
                      kDiscListFontColour, "Verdana");
  GroupBox6 = Group(Panel14, "GroupBox6", {8, 68, 626, 313});
  Label19 = CaptionTwin(Panel14, "Label19", GroupBox6);
  ListBox2 = List(GroupBox6, "ListBox2", browseContent_, {10, 22, 606, 281}, true,
                  kContentListColour, kContentListFontColour, "Verdana");
}

void TForm1::buildCategoriesPage() {
  GroupBox4 = Group(Panel15, "GroupBox4", {8, 6, 626, 56});
  Label22 = CaptionTwin(Panel15, "Label22", GroupBox4);
  ComboBox2 = Chooser(GroupBox4, "ComboBox2", categoryLinesBrowse_, {10, 22, 606, 24},
                      kCategoryListColour, kCategoryListFontColour, "Arial");
  GroupBox2 = Group(Panel15, "GroupBox2", {8, 68, 246, 313});
  Label23 = CaptionTwin(Panel15, "Label23", GroupBox2);
  ListBox5 = List(GroupBox2, "ListBox5", categoryMembers_, {10, 22, 226, 281}, false,
                  kDiscListColour, kDiscListFontColour, "Arial");
  GroupBox3 = Group(Panel15, "GroupBox3", {260, 68, 374, 313});
  Label24 = CaptionTwin(Panel15, "Label24", GroupBox3);
  ListBox6 = List(GroupBox3, "ListBox6", categoryContent_, {10, 22, 354, 281}, true,
                  kContentListColour, kContentListFontColour, "Arial");
}

void TForm1::buildSearchPage() {
  GroupBox9 = Group(Panel16, "GroupBox9", {8, 6, 626, 78});
  Label20 = CaptionTwin(Panel16, "Label20", GroupBox9);
  Edit3 = Named(new QLineEdit(GroupBox9), "Edit3");
  Edit3->setGeometry(10, 22, 470, 24);
  Edit3->setToolTip(QStringLiteral("Tutaj wpisz tekst do znalezienia w katalogu"));
  BitBtn12 = Button(GroupBox9, "BitBtn12", {490, 21, 126, 26});
  BitBtn12->setIcon(QIcon(IconStripIcon(20)));
  BitBtn12->setEnabled(false);
  CheckBox1 = Check(GroupBox9, "CheckBox1", {10, 52, 150, 20});
  CheckBox2 = Check(GroupBox9, "CheckBox2", {170, 52, 150, 20});
  CheckBox3 = Check(GroupBox9, "CheckBox3", {330, 52, 150, 20});
  CheckBox1->setChecked(true);
  CheckBox2->setChecked(true);
  GroupBox8 = Group(Panel16, "GroupBox8", {8, 90, 246, 291});
  Label21 = CaptionTwin(Panel16, "Label21", GroupBox8);
  ListBox3 = List(GroupBox8, "ListBox3", searchDiscs_, {10, 22, 226, 259}, false, kDiscListColour,
                  kDiscListFontColour, "Arial");
  GroupBox7 = Group(Panel16, "GroupBox7", {260, 90, 374, 291});
  Label28 = CaptionTwin(Panel16, "Label28", GroupBox7);
  ListBox4 = List(GroupBox7, "ListBox4", searchContent_, {10, 22, 354, 259}, true,
                  kContentListColour, kContentListFontColour, "Arial");
}

void TForm1::buildManagementPage() {
  ToolBar1 = Named(new QToolBar(Panel17), "ToolBar1");
  ToolBar1->setGeometry(0, 0, 642, 22);
  ToolBar1->setIconSize({16, 16});
  const auto tool = [this](const char* name, int slot, bool checkable) {
    auto* button = Named(new QToolButton(ToolBar1), name);
    button->setIcon(QIcon(IconStripIcon(slot)));
    button->setCheckable(checkable);
    button->setAutoExclusive(checkable);
    ToolBar1->addWidget(button);
    return button;
  };
  ToolButton1 = tool("ToolButton1", 0, true);
  ToolButton2 = tool("ToolButton2", 2, true);
  ToolButton1->setChecked(true);
  ToolBar1->addSeparator();
  ToolButton4 = tool("ToolButton4", 29, false);
  ToolButton5 = tool("ToolButton5", 30, false);

  Panel19 = Named(new QWidget(Panel17), "Panel19");
  Panel19->setGeometry(0, 22, 642, 367);
  Panel20 = Named(new QWidget(Panel17), "Panel20");
  Panel20->setGeometry(0, 22, 642, 367);
  Image52 = Named(new QLabel(Panel20), "Image52");
  Image52->hide();
  buildDiscView();
  buildCategoryView();
}

void TForm1::buildDiscView() {
  RadioButton3 = Named(new QRadioButton(Panel19), "RadioButton3");
  RadioButton3->setGeometry(12, 6, 300, 20);
  RadioButton3->setChecked(true);
  RadioButton4 = Named(new QRadioButton(Panel19), "RadioButton4");
  RadioButton4->setGeometry(12, 28, 300, 20);
  Label16 = Named(new QLabel(Panel19), "Label16");
  Label16->setGeometry(12, 56, 60, 20);
  ComboBox4 = Chooser(Panel19, "ComboBox4", discLinesManage_, {76, 54, 554, 24}, kDiscListColour,
                      kDiscListFontColour, "Arial");
  ComboBox4->setEnabled(false);
  Label16->setEnabled(false);

  // Each command in add mode or change mode, with the greyed picture that stands in its place.
  Image4 = Command(Panel19, "Image4", 12, "ID_ZGE");
  Image5 = Greyed(Panel19, "Image5", 12, "ID_ZGE");
  Image10 = Command(Panel19, "Image10", 68, "ID_ZCL");
  Image11 = Greyed(Panel19, "Image11", 68, "ID_ZCL");
  Image6 = Command(Panel19, "Image6", 124, "ID_ZIN");
  Image7 = Greyed(Panel19, "Image7", 124, "ID_ZIN");
  Image12 = Command(Panel19, "Image12", 236, "ID_ZIN");
  Image13 = Greyed(Panel19, "Image13", 236, "ID_ZIN");
  Image14 = Command(Panel19, "Image14", 292, "ID_ZGE");
  Image15 = Greyed(Panel19, "Image15", 292, "ID_ZGE");
  Image49 = Command(Panel19, "Image49", 348, "ID_ZSW");
  Image50 = Greyed(Panel19, "Image50", 348, "ID_ZSW");
  Image16 = Command(Panel19, "Image16", 404, "ID_ZDL");
  Image17 = Greyed(Panel19, "Image17", 404, "ID_ZDL");
  // Add mode: reading and clearing work; adding waits for a read; the change commands are grey.
  for (QWidget* shown : {static_cast<QWidget*>(Image4), static_cast<QWidget*>(Image10),
                         static_cast<QWidget*>(Image7), static_cast<QWidget*>(Image13),
                         static_cast<QWidget*>(Image15), static_cast<QWidget*>(Image50),
                         static_cast<QWidget*>(Image17)}) {
    shown->show();
  }
  for (QWidget* hidden : {static_cast<QWidget*>(Image5), static_cast<QWidget*>(Image11),
                          static_cast<QWidget*>(Image6), static_cast<QWidget*>(Image12),
                          static_cast<QWidget*>(Image14), static_cast<QWidget*>(Image49),
                          static_cast<QWidget*>(Image16)}) {
    hidden->hide();
  }
  ListBox1 = List(Panel19, "ListBox1", pendingContent_, {12, 140, 618, 218}, true,
                  kContentListColour, kContentListFontColour, "Arial");
}

void TForm1::buildCategoryView() {
  GroupBox10 = Group(Panel20, "GroupBox10", {8, 6, 290, 355});
  Label25 = CaptionTwin(Panel20, "Label25", GroupBox10);
  ListBox7 = List(GroupBox10, "ListBox7", categoryLinesManage_, {10, 22, 270, 323}, false,
                  kCategoryListColour, kCategoryListFontColour, "Arial");
  GroupBox11 = Group(Panel20, "GroupBox11", {304, 6, 330, 317});
  Label26 = CaptionTwin(Panel20, "Label26", GroupBox11);
  categoryDiscs_->setCheckable(true);  // row i ticked: disc i belongs to the picked category
  CheckListBox1 = List(GroupBox11, "CheckListBox1", categoryDiscs_, {10, 22, 310, 285}, false,
                       kContentListColour, kContentListFontColour, "Arial");
  BitBtn8 = Button(Panel20, "BitBtn8", {514, 329, 120, 28});
  BitBtn8->setIcon(QIcon(IconStripIcon(2)));
  BitBtn8->setToolTip(QStringLiteral("Zapisz wybrane płyty do kategorii"));
}

void TForm1::buildOptionsPage() {
  GroupBox1 = Group(Panel18, "GroupBox1", {8, 6, 310, 84});
  Label17 = CaptionTwin(Panel18, "Label17", GroupBox1);
  Label6 = Named(new QLabel(GroupBox1), "Label6");
  Label6->setGeometry(10, 22, 160, 20);
  Label1 = Named(new QLabel(GroupBox1), "Label1");
  Label1->setGeometry(170, 22, 130, 20);
  QFont bold = Label1->font();
  bold.setBold(true);
  Label1->setFont(bold);
  ComboBox5 = Named(new OwnerDrawnComboBox(GroupBox1), "ComboBox5");
  ComboBox5->setGeometry(10, 48, 290, 26);
  ComboBox5->setContextMenuPolicy(Qt::CustomContextMenu);

  GroupBox12 = Group(Panel18, "GroupBox12", {324, 6, 310, 84});
  Label14 = CaptionTwin(Panel18, "Label14", GroupBox12);
  Edit2 = Named(new QLineEdit(GroupBox12), "Edit2");
  Edit2->setGeometry(10, 20, 290, 24);
  Edit2->setReadOnly(true);
  BitBtn4 = Button(GroupBox12, "BitBtn4", {10, 50, 92, 26});
  BitBtn5 = Button(GroupBox12, "BitBtn5", {108, 50, 92, 26});
  BitBtn6 = Button(GroupBox12, "BitBtn6", {206, 50, 94, 26});
  BitBtn4->setIcon(QIcon(IconStripIcon(1)));

  RadioGroup1 = Named(new RadioGroup(Panel18), "RadioGroup1");
  RadioGroup1->setGeometry(8, 94, 310, 78);
  GroupBox13 = Group(Panel18, "GroupBox13", {324, 94, 310, 78});
  Label27 = CaptionTwin(Panel18, "Label27", GroupBox13);
  ComboBox3 = Named(new QComboBox(GroupBox13), "ComboBox3");
  ComboBox3->setGeometry(10, 32, 290, 26);

  GroupBox15 = Group(Panel18, "GroupBox15", {8, 176, 626, 76});
  Label15 = CaptionTwin(Panel18, "Label15", GroupBox15);
  Edit1 = Named(new QLineEdit(GroupBox15), "Edit1");
  Edit1->setGeometry(10, 20, 606, 22);
  Edit1->setReadOnly(true);
  BitBtn1 = Button(GroupBox15, "BitBtn1", {10, 46, 130, 24});
  BitBtn7 = Button(GroupBox15, "BitBtn7", {146, 46, 240, 24});
  BitBtn1->setIcon(QIcon(IconStripIcon(2)));
  BitBtn5->setIcon(BitBtn1->icon());

  CheckBox8 = Check(Panel18, "CheckBox8", {12, 256, 380, 20});
  CheckBox5 = Check(Panel18, "CheckBox5", {12, 276, 380, 20});
  CheckBox7 = Check(Panel18, "CheckBox7", {12, 296, 380, 20});
  CheckBox6 = Check(Panel18, "CheckBox6", {12, 316, 380, 20});
  CheckBox4 = Check(Panel18, "CheckBox4", {12, 336, 380, 20});
  CheckBox8->setChecked(true);
  CheckBox6->setChecked(true);
  ComboBox7 = Named(new QComboBox(Panel18), "ComboBox7");
  ComboBox7->setGeometry(12, 358, 300, 24);

  GroupBox14 = Group(Panel18, "GroupBox14", {400, 256, 234, 54});
  GroupBox14->setTitle(QStringLiteral("Język / Language : "));
  ComboBox6 = Named(new QComboBox(GroupBox14), "ComboBox6");
  ComboBox6->setGeometry(10, 22, 214, 24);
  ComboBox6->addItems({QStringLiteral("English"), QStringLiteral("Polski")});
  BitBtn9 = Button(Panel18, "BitBtn9", {400, 318, 234, 28});
  BitBtn10 = Button(Panel18, "BitBtn10", {400, 354, 234, 28});
}

}  // namespace spinfolio
