#pragma once

#include <QAbstractListModel>

#include "common/text_file.h"

namespace spinfolio {

/// A list of raw catalog lines for a list or drop-down: the row is the line's index in its file.
/// The display text is the line decoded from the catalog's code page.
class LineListModel final : public QAbstractListModel {
  Q_OBJECT

 public:
  /// The raw bytes of a row, as a QByteArray.
  static constexpr int RawLineRole = Qt::UserRole + 1;

  using QAbstractListModel::QAbstractListModel;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  const Lines& lines() const { return lines_; }
  void setLines(Lines lines);
  void clear() { setLines({}); }

 private:
  Lines lines_;
};

}  // namespace spinfolio
