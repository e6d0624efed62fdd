// Page switching, the two views of the management page and the title bar's buttons.

#include <QApplication>
#include <QComboBox>
#include <QListView>
#include <QRadioButton>
#include <QToolButton>

#include "shell/about_box.h"
#include "shell/form1.h"
#include "shell/tab_look.h"

namespace spinfolio {

void TForm1::ShowPage(Page page) {
  struct PageParts {
    Page page;
    TabLook* active;
    TabLook* inactive;
    QWidget* panel;
  };
  const PageParts pages[] = {{Page::Browse, Panel4, Panel5, Panel14},
                             {Page::Categories, Panel6, Panel7, Panel15},
                             {Page::Search, Panel8, Panel9, Panel16},
                             {Page::Management, Panel10, Panel11, Panel17},
                             {Page::Options, Panel12, Panel13, Panel18}};
  for (const PageParts& parts : pages) {
    const bool chosen = parts.page == page;
    parts.active->setVisible(chosen);
    parts.inactive->setVisible(!chosen);
    parts.panel->setVisible(chosen);
  }
  currentPage_ = page;

  if (page == Page::Browse && ComboBox1->currentIndex() >= 0) {
    ShowDiscInfo(ComboBox1->currentIndex());
    if (ListBox2->model()->rowCount() == 0) ComboBox1Change();
  } else {
    DestroyDiscInfo();
  }

  if (page == Page::Browse || page == Page::Categories) browseCarryOver_ = true;
  if (page == Page::Search || page == Page::Options) browseCarryOver_ = false;

  if (page == Page::Categories && ComboBox2->currentIndex() >= 0) {
    if (ListBox5->model()->rowCount() > 0) {
      if (ListBox5->currentIndex().isValid() && ListBox6->model()->rowCount() == 0) {
        ListBox5Click();
      }
    } else {
      ComboBox2Change();
    }
  }

  if (page == Page::Management) {
    if (browseCarryOver_) {
      // Setting the choices runs no change handler.
      if (ComboBox1->currentIndex() >= 0) ComboBox4->setCurrentIndex(ComboBox1->currentIndex());
      if (ComboBox2->currentIndex() >= 0) {
        ListBox7->setCurrentIndex(ListBox7->model()->index(ComboBox2->currentIndex(), 0));
      }
    }
    if (Panel19->isVisible() && RadioButton4->isChecked()) ComboBox4Change();
    if (Panel20->isVisible()) ListBox7Click();
  }

  if (page == Page::Options) FillDriveList();
}

void TForm1::Panel5Click() { ShowPage(Page::Browse); }
void TForm1::Panel7Click() { ShowPage(Page::Categories); }
void TForm1::Panel9Click() { ShowPage(Page::Search); }
void TForm1::Panel11Click() { ShowPage(Page::Management); }
void TForm1::Panel13Click() { ShowPage(Page::Options); }

void TForm1::ToolButton1Click() {
  ToolButton1->setChecked(true);
  Panel19->show();
  Panel20->hide();
  if (RadioButton4->isChecked() && ComboBox4->currentIndex() >= 0 &&
      ListBox1->model()->rowCount() == 0) {
    ComboBox4Change();
  }
}

void TForm1::ToolButton2Click() {
  ToolButton2->setChecked(true);
  Panel20->show();
  Panel19->hide();
  if (ListBox7->currentIndex().isValid() && CheckListBox1->model()->rowCount() == 0) {
    ListBox7Click();
  }
}

void TForm1::Image1Click() { close(); }

void TForm1::Image2Click() {
  TForm2 about(languageIndex_, this);
  about.exec();
}

void TForm1::Image48Click() { showMinimized(); }

}  // namespace spinfolio
