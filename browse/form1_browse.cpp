// The browse page, the display options of the content lists, and what the category pages show
// when a category is picked.

#include <QAction>
#include <QComboBox>
#include <QListView>

#include "catalog/catalog_files.h"
#include "common/file_ops.h"
#include "shell/busy_cursor.h"
#include "shell/form1.h"
#include "shell/line_list_model.h"

namespace spinfolio {
namespace {

constexpr int kSizesHidden = 1;
constexpr int kPathsHidden = 2;

}  // namespace

void TForm1::ComboBox1Change() {
  const int disc = ComboBox1->currentIndex();
  if (disc < 0) return;
  const BusyCursor busy;
  ShowDiscInfo(disc);
  const std::string contentFile = location_.catalogFolder() + ContentFileName(disc);
  browseContent_->setLines(FileExists(contentFile) ? ReadLinesOrEmpty(contentFile) : Lines{});
  ComboBox1->setFocus();
}

int TForm1::shownContentList() const {
  if (Panel14->isVisibleTo(this)) return 0;
  if (Panel15->isVisibleTo(this)) return 1;
  if (Panel16->isVisibleTo(this)) return 2;
  return 3;
}

void TForm1::PopupMenu2Popup() {
  const int flags = displayFlags_[static_cast<std::size_t>(shownContentList())];
  Wywietlrozmiaryplikw1->setChecked((flags & kSizesHidden) == 0);
  Tylkonazwapliku1->setChecked((flags & kPathsHidden) == 0);
}

void TForm1::Wywietlrozmiaryplikw1Click() {
  const auto list = static_cast<std::size_t>(shownContentList());
  displayFlags_[list] = Wywietlrozmiaryplikw1->isChecked() ? displayFlags_[list] & ~kSizesHidden
                                                           : displayFlags_[list] | kSizesHidden;
  contentListView(static_cast<int>(list))->viewport()->update();
}

void TForm1::Tylkonazwapliku1Click() {
  const auto list = static_cast<std::size_t>(shownContentList());
  displayFlags_[list] = Tylkonazwapliku1->isChecked() ? displayFlags_[list] & ~kPathsHidden
                                                      : displayFlags_[list] | kPathsHidden;
  contentListView(static_cast<int>(list))->viewport()->update();
}

QListView* TForm1::contentListView(int list) const {
  QListView* const lists[] = {ListBox2, ListBox6, ListBox4, ListBox1};
  return lists[list];
}

}  // namespace spinfolio
