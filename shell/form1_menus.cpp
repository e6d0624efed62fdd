// The context menus of the main window.

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QListView>
#include <QMenu>

#include "resources/pictures.h"
#include "shell/form1.h"

namespace spinfolio {
namespace {

QAction* Item(QMenu* menu, const char* name, int iconSlot = -1, const QKeySequence& shortcut = {}) {
  auto* action = menu->addAction(QString());
  action->setObjectName(QString::fromLatin1(name));
  if (iconSlot >= 0) action->setIcon(QIcon(IconStripIcon(iconSlot)));
  action->setShortcut(shortcut);
  return action;
}

QMenu* Menu(QWidget* owner, const char* name) {
  auto* menu = new QMenu(owner);
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

// Opens the menu where the list was right-clicked.
void Attach(QWidget* control, QMenu* menu) {
  control->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(control, &QWidget::customContextMenuRequested, menu,
                   [control, menu](const QPoint& at) { menu->popup(control->mapToGlobal(at)); });
}

}  // namespace

void TForm1::buildMenus() {
  PopupMenu1 = Menu(this, "PopupMenu1");
  Dodajnowkategori1 = Item(PopupMenu1, "Dodajnowkategori1", 9);
  Zmienazwkategorii1 = Item(PopupMenu1, "Zmienazwkategorii1", 2);
  Usutkategori1 = Item(PopupMenu1, "Usutkategori1", 10);
  PopupMenu1->addSeparator();
  Przesukategoridogry1 = Item(PopupMenu1, "Przesukategoridogry1", 12);
  Przesuojednpozycjwd1 = Item(PopupMenu1, "Przesuojednpozycjwd1", 13);
  Attach(ListBox7, PopupMenu1);

  PopupMenu2 = Menu(this, "PopupMenu2");
  Kopiujnazw1 = Item(PopupMenu2, "Kopiujnazw1", 14, QKeySequence(Qt::CTRL | Qt::Key_C));
  PopupMenu2->addSeparator();
  Wywietlrozmiaryplikw1 = Item(PopupMenu2, "Wywietlrozmiaryplikw1");
  Tylkonazwapliku1 = Item(PopupMenu2, "Tylkonazwapliku1");
  Wywietlrozmiaryplikw1->setCheckable(true);
  Tylkonazwapliku1->setCheckable(true);
  PopupMenu2->addSeparator();
  Dodajplik1 = Item(PopupMenu2, "Dodajplik1", 9, QKeySequence(Qt::CTRL | Qt::Key_A));
  Zmienazwwybranegopliku1 =
      Item(PopupMenu2, "Zmienazwwybranegopliku1", 1, QKeySequence(Qt::CTRL | Qt::Key_R));
  Usuwybraneplikizinformacjiopycie1 =
      Item(PopupMenu2, "Usuwybraneplikizinformacjiopycie1", 10, QKeySequence(Qt::Key_Delete));
  Sortujplikinalicie1 = Item(PopupMenu2, "Sortujplikinalicie1", 31);
  Przesuzaznaczoneplikiopozycjdogry1 = Item(PopupMenu2, "Przesuzaznaczoneplikiopozycjdogry1", 12,
                                            QKeySequence(Qt::CTRL | Qt::Key_Q));
  Przesuzaznaczoneplikiopozycjwd1 =
      Item(PopupMenu2, "Przesuzaznaczoneplikiopozycjwd1", 13, QKeySequence(Qt::CTRL | Qt::Key_W));
  PopupMenu2->addSeparator();
  Eksportujzawartopytydoplikuhtml1 = Item(PopupMenu2, "Eksportujzawartopytydoplikuhtml1", 20);
  for (QWidget* list : {ListBox2, ListBox6, ListBox4, ListBox1}) Attach(list, PopupMenu2);
  connect(PopupMenu2, &QMenu::aboutToShow, this, &TForm1::PopupMenu2Popup);
  connect(Wywietlrozmiaryplikw1, &QAction::triggered, this, &TForm1::Wywietlrozmiaryplikw1Click);
  connect(Tylkonazwapliku1, &QAction::triggered, this, &TForm1::Tylkonazwapliku1Click);

  // The drive kinds are named in Polish in both languages.
  PopupMenu3 = Menu(this, "PopupMenu3");
  const auto kind = [this](const char* name, const char* caption) {
    QAction* action = Item(PopupMenu3, name);
    action->setText(QString::fromUtf8(caption));
    action->setCheckable(true);
    return action;
  };
  NapdyCDDVD1 = kind("NapdyCDDVD1", "Napędy CD/DVD");
  NapdyCDDVD1->setChecked(true);
  NapdyCDDVD1->setEnabled(false);  // optical drives are always listed
  Napdywymienne1 = kind("Napdywymienne1", "Napędy wymienne");
  Dyski1 = kind("Dyski1", "Dyski");
  Napdysieciowe1 = kind("Napdysieciowe1", "Napędy sieciowe");
  RAMdyski1 = kind("RAMdyski1", "RAM-dyski");
  Inne1 = kind("Inne1", "Inne");
  Attach(ComboBox5, PopupMenu3);

  PopupMenu6 = Menu(this, "PopupMenu6");
  Eksportujwynikiwyszukiwaniadohtml1 = Item(PopupMenu6, "Eksportujwynikiwyszukiwaniadohtml1", 20);
  Attach(ListBox3, PopupMenu6);
  PopupMenu7 = Menu(this, "PopupMenu7");
  Eksportujpytyzkategoriidoplikwhtml1 = Item(PopupMenu7, "Eksportujpytyzkategoriidoplikwhtml1", 20);
  Attach(ListBox5, PopupMenu7);
  PopupMenu8 = Menu(this, "PopupMenu8");
  Eksportujzawartocaegokatalogudoplikwhtml1 =
      Item(PopupMenu8, "Eksportujzawartocaegokatalogudoplikwhtml1", 20);
  Attach(ComboBox1, PopupMenu8);
  Attach(GroupBox5, PopupMenu8);
}

}  // namespace spinfolio
