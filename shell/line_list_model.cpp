#include "shell/line_list_model.h"

#include "platform/code_page.h"

namespace spinfolio {

int LineListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant LineListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || !isRow(index.row())) return {};
  const std::string& line = lines_[static_cast<std::size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
      return CodePage::System().decode(line);
    case RawLineRole:
      return QByteArray(line.data(), static_cast<qsizetype>(line.size()));
    case Qt::CheckStateRole:
      if (!checkable_) return {};
      return isChecked(index.row()) ? Qt::Checked : Qt::Unchecked;
    default:
      return {};
  }
}

Qt::ItemFlags LineListModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractListModel::flags(index);
  if (checkable_ && index.isValid()) flags |= Qt::ItemIsUserCheckable;
  return flags;
}

bool LineListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::CheckStateRole || !checkable_ || !index.isValid() || !isRow(index.row())) {
    return false;
  }
  setChecked(index.row(), value.toInt() == Qt::Checked);
  return true;
}

void LineListModel::setLines(Lines lines) {
  beginResetModel();
  lines_ = std::move(lines);
  checked_.assign(checkable_ ? lines_.size() : 0, false);
  endResetModel();
}

void LineListModel::setCheckable(bool checkable) {
  beginResetModel();
  checkable_ = checkable;
  checked_.assign(checkable_ ? lines_.size() : 0, false);
  endResetModel();
}

bool LineListModel::isChecked(int row) const {
  return checkable_ && isRow(row) && checked_[static_cast<std::size_t>(row)];
}

void LineListModel::setChecked(int row, bool checked) {
  if (!checkable_ || !isRow(row) || checked_[static_cast<std::size_t>(row)] == checked) return;
  checked_[static_cast<std::size_t>(row)] = checked;
  const QModelIndex changed = index(row);
  Q_EMIT dataChanged(changed, changed, {Qt::CheckStateRole});
}

std::vector<int> LineListModel::checkedRows() const {
  std::vector<int> rows;
  for (std::size_t row = 0; row < checked_.size(); ++row) {
    if (checked_[row]) rows.push_back(static_cast<int>(row));
  }
  return rows;
}

}  // namespace spinfolio
