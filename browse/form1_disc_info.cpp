// The disc information window beside the main window.

#include <QComboBox>
#include <string_view>
#include <utility>

#include "browse/disc_info_window.h"
#include "shell/form1.h"
#include "shell/line_list_model.h"

namespace spinfolio {

void TForm1::ShowDiscInfo(int disc) {
  DestroyDiscInfo();
  if (disc < 0 || disc >= ComboBox1->count()) return;
  const QByteArray entry = ComboBox1->itemData(disc, LineListModel::RawLineRole).toByteArray();
  DiscInfoContent content = ReadDiscInfo(
      location_.catalogFolder(), location_.PhotoFolder, disc,
      std::string_view(entry.constData(), static_cast<size_t>(entry.size())), devicePixelRatioF());
  if (content.empty()) return;
  discInfo_ = new TForm5(this, languageIndex_);
  discInfo_->Fill(std::move(content));
  discInfo_->show();
}

void TForm1::DestroyDiscInfo() {
  delete discInfo_;
  discInfo_ = nullptr;
}

void TForm1::placeDiscInfo() {
  if (discInfo_ != nullptr) discInfo_->PlaceBeside(this);
}

}  // namespace spinfolio
