#include "shell/line_list_model.h"

#include "platform/code_page.h"

namespace spinfolio {

int LineListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant LineListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const std::string& line = lines_[static_cast<std::size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
      return CodePage::System().decode(line);
    case RawLineRole:
      return QByteArray(line.data(), static_cast<qsizetype>(line.size()));
    default:
      return {};
  }
}

void LineListModel::setLines(Lines lines) {
  beginResetModel();
  lines_ = std::move(lines);
  endResetModel();
}

}  // namespace spinfolio
