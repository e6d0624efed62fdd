#pragma once

#include <QAbstractListModel>
#include <vector>

#include "common/text_file.h"

namespace spinfolio {

/// A list of raw catalog lines for a list or drop-down: the row is the line's index in its file.
/// The display text is the line decoded from the catalog's code page. A checkable list also gives
/// every row a check box the user can tick.
class LineListModel final : public QAbstractListModel {
  Q_OBJECT

 public:
  /// The raw bytes of a row, as a QByteArray.
  static constexpr int RawLineRole = Qt::UserRole + 1;

  using QAbstractListModel::QAbstractListModel;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  const Lines& lines() const { return lines_; }
  /// New rows, none ticked.
  void setLines(Lines lines);
  void clear() { setLines({}); }

  /// Gives the rows check boxes; off by default.
  void setCheckable(bool checkable);
  bool isCheckable() const { return checkable_; }
  bool isChecked(int row) const;
  /// Ticks or unticks a row of a checkable list; other rows and lists are left alone.
  void setChecked(int row, bool checked);
  /// The ticked rows, ascending.
  std::vector<int> checkedRows() const;

 private:
  bool isRow(int row) const { return row >= 0 && row < rowCount(); }

  Lines lines_;
  bool checkable_ = false;
  std::vector<bool> checked_;  // one per row while checkable
};

}  // namespace spinfolio
