// The main window: its frame, title bar, tabs and the dressing at start-up.

#include "shell/form1.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

#include "resources/pictures.h"
#include "shell/line_list_model.h"
#include "shell/named.h"
#include "shell/picture_button.h"
#include "shell/radio_group.h"
#include "shell/tab_look.h"
#include "shell/window_shape.h"

namespace spinfolio {
namespace {

constexpr int kPageLeft = 1;
constexpr int kPageTop = 44;
constexpr int kPageWidth = 642;
constexpr int kPageHeight = 389;
constexpr int kTabTop = 23;
constexpr int kTabHeight = 22;
// Designed widths of the five active tab looks, in page order.
constexpr int kTabWidths[] = {110, 110, 130, 110, 110};

void Fill(QWidget* widget, const QColor& colour) {
  widget->setAutoFillBackground(true);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
}

PictureButton* TitleButton(QWidget* parent, const char* name, int left, const char* normal,
                           const char* lit) {
  auto* button = Named(new PictureButton(parent), name);
  button->setGeometry(left, 3, 16, 16);
  button->setPictures(QString::fromLatin1(normal), QString::fromLatin1(lit));
  return button;
}

}  // namespace

TForm1::TForm1(StartContext context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), context_(std::move(context)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Spinfolio"));
  setWindowIcon(QIcon(IconStripIcon(0)));
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPointSize(8);
  setFont(font);
  Fill(this, QColor(59, 97, 156));

  buildModels();
  buildTitleBar();
  buildTabs();
  buildPages();
  buildMenus();
  attachPainters();
  attachDrivePainter();
  dressWindow();
  showTexts(1);  // the window is designed in Polish
  connectHandlers();
}

TForm1::~TForm1() = default;

void TForm1::buildModels() {
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
}

void TForm1::buildTitleBar() {
  Panel1 = Named(new QWidget(this), "Panel1");
  Fill(Panel1, QColor(59, 97, 156));
  Image3 = Named(new QLabel(Panel1), "Image3");
  Image3->setPixmap(TitleStrip());
  Image3->setScaledContents(true);
  Label2 = Named(new QLabel(QStringLiteral("S p i n f o l i o   v 3 . 9 . 2"), Panel1), "Label2");
  Label2->setAlignment(Qt::AlignCenter);
  QFont titleFont(QStringLiteral("Verdana"));
  titleFont.setPixelSize(13);
  titleFont.setBold(true);
  titleFont.setItalic(true);
  Label2->setFont(titleFont);
  QPalette palette = Label2->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  Label2->setPalette(palette);
  Image2 = TitleButton(Panel1, "Image2", 575, "ID_INF2", "ID_INF1");
  Image48 = TitleButton(Panel1, "Image48", 599, "ID_MIN2", "ID_MIN1");
  Image1 = TitleButton(Panel1, "Image1", 623, "ID_CLS2", "ID_CLS1");
  for (QWidget* handle : {static_cast<QWidget*>(Panel1), static_cast<QWidget*>(Image3),
                          static_cast<QWidget*>(Label2)}) {
    handle->installEventFilter(this);
  }
}

void TForm1::buildTabs() {
  const auto look = [this](bool active, const char* panel, const char* label) {
    auto* tab = Named(new TabLook(active, this), panel);
    tab->caption()->setObjectName(QString::fromLatin1(label));
    return tab;
  };
  Panel4 = look(true, "Panel4", "Label3");
  Panel5 = look(false, "Panel5", "Label4");
  Panel6 = look(true, "Panel6", "Label5");
  Panel7 = look(false, "Panel7", "Label7");
  Panel8 = look(true, "Panel8", "Label8");
  Panel9 = look(false, "Panel9", "Label9");
  Panel10 = look(true, "Panel10", "Label10");
  Panel11 = look(false, "Panel11", "Label11");
  Panel12 = look(true, "Panel12", "Label12");
  Panel13 = look(false, "Panel13", "Label13");
  Label3 = Panel4->caption();
  Label4 = Panel5->caption();
  Label5 = Panel6->caption();
  Label7 = Panel7->caption();
  Label8 = Panel8->caption();
  Label9 = Panel9->caption();
  Label10 = Panel10->caption();
  Label11 = Panel11->caption();
  Label12 = Panel12->caption();
  Label13 = Panel13->caption();
}

// Shapes the window, lays the tabs out and shows the browse page.
void TForm1::dressWindow() {
  // Tabs: each starts where the previous one ends, overlapping it by one pixel.
  TabLook* const active[] = {Panel4, Panel6, Panel8, Panel10, Panel12};
  TabLook* const inactive[] = {Panel5, Panel7, Panel9, Panel11, Panel13};
  int left = 0;
  for (int i = 0; i < 5; ++i) {
    if (i > 0) left += kTabWidths[i - 1] - 1;
    active[i]->setGeometry(left, kTabTop, kTabWidths[i], kTabHeight);
    inactive[i]->setGeometry(left, kTabTop, kTabWidths[i], kTabHeight);
    // Behind everything else: the pages, one pixel above the tabs' lower edge, cover that row.
    active[i]->lower();
    inactive[i]->lower();
  }

  for (QWidget* page : {Panel14, Panel15, Panel16, Panel17, Panel18}) {
    page->setGeometry(kPageLeft, kPageTop, kPageWidth, kPageHeight);
    page->setMask(PageRegion(page->size()));
  }
  setFixedSize(kPageWidth + 2, kPageTop + kPageHeight + 1);
  setMask(MainWindowRegion(size()));
  Panel1->setGeometry(0, 0, width(), 22);
  Image3->setGeometry(0, 0, width(), 22);
  Label2->setGeometry(0, 0, width(), 22);
  Image1->raise();
  Image2->raise();
  Image48->raise();

  browseCarryOver_ = true;
  for (TabLook* tab : active) tab->hide();
  for (QWidget* page : {Panel15, Panel16, Panel17, Panel18}) page->hide();
  Panel14->show();
  Panel4->show();
  Panel5->hide();
  for (TabLook* tab : {Panel7, Panel9, Panel11, Panel13}) tab->show();
  Panel19->show();
  Panel20->hide();
  currentPage_ = Page::Browse;
}

bool TForm1::backgroundsOn() const {
  return !CheckBox4->isHidden() && CheckBox4->isEnabled() && CheckBox4->isChecked();
}

void TForm1::connectHandlers() {
  connect(Panel5, &TabLook::clicked, this, &TForm1::Panel5Click);
  connect(Panel7, &TabLook::clicked, this, &TForm1::Panel7Click);
  connect(Panel9, &TabLook::clicked, this, &TForm1::Panel9Click);
  connect(Panel11, &TabLook::clicked, this, &TForm1::Panel11Click);
  connect(Panel13, &TabLook::clicked, this, &TForm1::Panel13Click);
  connect(ToolButton1, &QToolButton::clicked, this, &TForm1::ToolButton1Click);
  connect(ToolButton2, &QToolButton::clicked, this, &TForm1::ToolButton2Click);
  connect(Image1, &PictureButton::clicked, this, &TForm1::Image1Click);
  connect(Image2, &PictureButton::clicked, this, &TForm1::Image2Click);
  connect(Image48, &PictureButton::clicked, this, &TForm1::Image48Click);
  connect(ComboBox1, &QComboBox::activated, this, &TForm1::ComboBox1Change);
  connect(ComboBox2, &QComboBox::activated, this, &TForm1::ComboBox2Change);
  connect(ListBox5, &QListView::clicked, this, &TForm1::ListBox5Click);
  connect(ComboBox4, &QComboBox::activated, this, &TForm1::ComboBox4Change);
  connect(ListBox7, &QListView::clicked, this, &TForm1::ListBox7Click);
  connect(RadioGroup1, &RadioGroup::clicked, this, &TForm1::RadioGroup1Click);
  connect(ComboBox3, &QComboBox::activated, this, &TForm1::ComboBox3Change);
  connect(ComboBox6, &QComboBox::activated, this, &TForm1::ComboBox6Change);
  connect(CheckBox7, &QCheckBox::clicked, this, &TForm1::CheckBox7Click);
  connect(ListBox2, &QListView::doubleClicked, this, &TForm1::ListBox2DblClick);
  connect(ListBox6, &QListView::doubleClicked, this, &TForm1::ListBox6DblClick);
  connect(ListBox4, &QListView::doubleClicked, this, &TForm1::ListBox4DblClick);
  connect(ListBox1, &QListView::doubleClicked, this, &TForm1::ListBox1DblClick);
  connect(ToolButton4, &QToolButton::clicked, this, &TForm1::ToolButton4Click);
  connect(ToolButton5, &QToolButton::clicked, this, &TForm1::ToolButton5Click);
  connect(ComboBox5, &QComboBox::activated, this, &TForm1::ComboBox5Change);
  connect(Napdywymienne1, &QAction::triggered, this, &TForm1::Napdywymienne1Click);
  connect(Dyski1, &QAction::triggered, this, &TForm1::Dyski1Click);
  connect(Napdysieciowe1, &QAction::triggered, this, &TForm1::Napdysieciowe1Click);
  connect(RAMdyski1, &QAction::triggered, this, &TForm1::RAMdyski1Click);
  connect(Inne1, &QAction::triggered, this, &TForm1::Inne1Click);
  connect(BitBtn9, &QPushButton::clicked, this, &TForm1::BitBtn9Click);
  connectSearchHandlers();
  connectCategoryHandlers();
  connect(Image4, &PictureButton::clicked, this, &TForm1::Image4Click);
  connect(Image6, &PictureButton::clicked, this, &TForm1::Image6Click);
  connect(Image12, &PictureButton::clicked, this, &TForm1::Image12Click);
  connect(Image10, &PictureButton::clicked, this, &TForm1::Image10Click);
}

void TForm1::Panel1MouseDown(const QPoint& pointer) { dragStart_ = pointer; }

void TForm1::Panel1MouseMove(const QPoint& pointer) {
  move(pos() + pointer - dragStart_);
  placeDiscInfo();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  const bool titleBar = watched == Panel1 || watched == Image3 || watched == Label2;
  if (!titleBar) return QWidget::eventFilter(watched, event);
  const auto* mouse = static_cast<QMouseEvent*>(event);
  if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
    Panel1MouseDown(mouse->position().toPoint());
    return true;  // handled here, not again by the title bar under the picture or the label
  }
  if (event->type() == QEvent::MouseMove && (mouse->buttons() & Qt::LeftButton)) {
    Panel1MouseMove(mouse->position().toPoint());
    return true;
  }
  return QWidget::eventFilter(watched, event);
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
