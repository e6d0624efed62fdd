// Every list of catalog lines in the main window is painted by its list painter.

#include <QComboBox>
#include <QListView>

#include "browse/catalog_list_delegate.h"
#include "browse/list_colours.h"
#include "catalog/catalog_files.h"
#include "shell/check_box_delegate.h"
#include "shell/form1.h"

namespace spinfolio {

void TForm1::attachPainters() {
  using Kind = CatalogListDelegate::Kind;
  const auto delegate = [this](Kind kind, QColor background, QColor font, int contentList = 0,
                               std::function<int(int)> discIndex = {}) {
    return new CatalogListDelegate(kind, *this, background, font, this, contentList,
                                   std::move(discIndex));
  };
  ComboBox1->setItemDelegate(delegate(Kind::Disc, kDiscListColour, kDiscListFontColour));
  ComboBox4->setItemDelegate(delegate(Kind::Disc, kDiscListColour, kDiscListFontColour));
  CheckListBox1->setItemDelegate(
      new CheckBoxDelegate(delegate(Kind::Disc, kContentListColour, kContentListFontColour), this));
  ListBox3->setItemDelegate(
      delegate(Kind::Disc, kDiscListColour, kDiscListFontColour, 0,
               [this](int row) { return MappedDisc(searchResultMap_, row); }));
  ListBox5->setItemDelegate(
      delegate(Kind::Disc, kDiscListColour, kDiscListFontColour, 0,
               [this](int row) { return MappedDisc(categoryMemberMap_, row); }));
  ListBox2->setItemDelegate(delegate(Kind::Content, kContentListColour, kContentListFontColour, 0));
  ListBox6->setItemDelegate(delegate(Kind::Content, kContentListColour, kContentListFontColour, 1));
  ListBox4->setItemDelegate(
      delegate(Kind::SearchContent, kContentListColour, kContentListFontColour, 2));
  ListBox1->setItemDelegate(delegate(Kind::Content, kContentListColour, kContentListFontColour, 3));
  ComboBox2->setItemDelegate(
      delegate(Kind::Category, kCategoryListColour, kCategoryListFontColour));
  ListBox7->setItemDelegate(delegate(Kind::Category, kCategoryListColour, kCategoryListFontColour));
}

}  // namespace spinfolio
