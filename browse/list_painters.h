#pragma once

#include <QColor>
#include <QRect>
#include <string_view>

#include "browse/list_canvas.h"
#include "platform/code_page.h"

namespace spinfolio {

// The three painters of the lists that show raw catalog lines. Each paints one row of 17 pixels
// from the raw line, takes it apart with the catalog's reading rules and keeps nothing between
// rows. The row rectangle is read with left L = rect.left(), top T = rect.top() and the right and
// bottom edges just outside it: R = rect.left() + rect.width(), B = rect.top() + rect.height().
// A row of height 17 at top T thus has B = T + 17, and the marks at R - 17 end flush with the row.

/// What a disc row needs besides its line. The caller resolves the disc index and asks the file
/// system about the photo and the description; the painter does no I/O.
struct DiscRowContext {
  QColor background{};           // the list's colour
  int disc = 0;                  // the disc index N shown as N + 1 (the row, or the mapped index)
  int discCount = 0;             // decides the width of every number cell
  bool hasPhoto = false;         // "cd<N>.jpg" exists in the photo folder
  bool hasDescription = false;   // "op<N>" exists in the catalog folder
  bool reduceFonts = false;      // shrink a long name until it fits
  bool oddRowsKeepBlue = false;  // the disc-order dialog lightens odd rows in red and green only
  const CodePage& codePage = CodePage::System();
};

/// Content-list display flags (the list's tag).
inline constexpr int kSizesHidden = 1;
inline constexpr int kPathsHidden = 2;

struct ContentRowContext {
  QColor background{};  // the list's colour
  QColor fontColour{};  // the list's font colour
  int displayFlags = 0;
  bool reduceFonts = false;
  /// The search variant: the last search query, lower-cased, in the catalog's code page. A row
  /// whose lower-cased path contains it is red unless selected; empty for the other lists.
  std::string_view redQuery{};
  const CodePage& codePage = CodePage::System();
};

struct CategoryRowContext {
  QColor background{};  // the list's colour
  QColor fontColour{};  // the list's font colour
  const CodePage& codePage = CodePage::System();
};

struct DriveRowContext {
  QColor background{};  // the drop-down's colour
  DriveKind kind = DriveKind::Optical;
};

/// A disc entry: type icon, lent cross, number cell with N + 1, name, photo and description marks.
void PaintDiscRow(ListCanvas& canvas, const DiscRowContext& context, const QRect& rect, int row,
                  bool selected, std::string_view line);

/// A content entry: path or file name, size cell, file-kind icon.
void PaintContentRow(ListCanvas& canvas, const ContentRowContext& context, const QRect& rect,
                     int row, bool selected, std::string_view line);

/// A category line: category icon and name.
void PaintCategoryRow(ListCanvas& canvas, const CategoryRowContext& context, const QRect& rect,
                      int row, bool selected, std::string_view line);

/// A drive of the drive chooser: white when selected, the icon of its kind, the drive root.
void PaintDriveRow(ListCanvas& canvas, const DriveRowContext& context, const QRect& rect,
                   bool selected, const QString& root);

}  // namespace spinfolio
