#include "browse/list_painters.h"

#include <string>

#include "browse/file_kinds.h"
#include "catalog/reading_rules.h"

namespace spinfolio {
namespace {

constexpr int kIconSize = 16;
constexpr int kNoTypeSlot = 0;
constexpr int kCategorySlot = 2;
constexpr int kMoviesSlot = 3;
constexpr int kPhotosSlot = 4;
constexpr int kMusicSlot = 7;
constexpr int kProgramsSlot = 8;
constexpr int kLentSlot = 10;
constexpr int kDescriptionSlot = 11;
constexpr int kPhotoSlot = 17;

// Left edge of the text after a row's icon: 2 pixels, the icon, 2 pixels.
constexpr int kTextIndent = 2 + kIconSize + 2;
constexpr int kSizeCellWidth = 65;
constexpr int kSizeTextIndent = 60;

constexpr int kMaximumReductions = 10;
// Fonts of 0 points and below do not exist on this platform; the fitting rule stops at 1.
constexpr int kSmallestPointSize = 1;

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kSelectedEvenContent(249, 249, 249);

// The rectangle's edges, right and bottom just outside it.
struct Edges {
  int left;
  int top;
  int right;
  int bottom;
};

Edges EdgesOf(const QRect& rect) {
  return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

QRect Span(int left, int top, int right, int bottom) {
  return QRect(QPoint(left, top), QSize(right - left, bottom - top));
}

// Halves, rounding towards minus infinity also for negative values.
int HalfDown(int value) { return value >= 0 ? value / 2 : -((1 - value) / 2); }

// Adds to each byte of the colour, modulo 256.
QColor Shifted(const QColor& colour, int red, int green, int blue) {
  return QColor((colour.red() + red) % 256, (colour.green() + green) % 256,
                (colour.blue() + blue) % 256);
}

bool IsOdd(int row) { return row % 2 != 0; }

QColor DiscRowBackground(const DiscRowContext& context, int row, bool selected) {
  if (selected) return kWhite;
  if (!IsOdd(row)) return context.background;
  return Shifted(context.background, 6, 6, context.oddRowsKeepBlue ? 0 : 6);
}

QColor ContentRowBackground(const QColor& background, int row, bool selected) {
  if (selected) return IsOdd(row) ? kWhite : kSelectedEvenContent;
  return IsOdd(row) ? Shifted(background, 6, 6, 6) : background;
}

QColor CategoryRowBackground(const QColor& background, int row, bool selected) {
  if (selected) return kWhite;
  return IsOdd(row) ? background : Shifted(background, 4, 6, 6);
}

// The number cell's colour swaps and shifts the list colour's bytes.
QColor NumberCellColour(const QColor& background) {
  return QColor((background.blue() + 92) % 256, (background.green() + 128) % 256,
                (background.red() + 174) % 256);
}

int TypeSlot(DiscType type) {
  switch (type) {
    case DiscType::Movies:
      return kMoviesSlot;
    case DiscType::Photos:
      return kPhotosSlot;
    case DiscType::Programs:
      return kProgramsSlot;
    case DiscType::Music:
      return kMusicSlot;
    case DiscType::NotSet:
      break;
  }
  return kNoTypeSlot;
}

// Draws a name from x to the row's right edge. With reduce-fonts on, a name too wide is drawn
// up to ten points smaller and every name is centred vertically; the font size is restored.
void DrawName(ListCanvas& canvas, const QString& text, int x, const Edges& row,
              const QColor& colour, bool reduceFonts) {
  if (!reduceFonts) {
    canvas.drawText(QPoint(x, row.top + 1), text, colour);
    return;
  }
  const int remembered = canvas.fontPointSize();
  const int available = row.right - x;
  int size = remembered;
  for (int reductions = 0; reductions < kMaximumReductions && size > kSmallestPointSize &&
                           canvas.textWidth(text) > available;
       ++reductions) {
    canvas.setFontPointSize(--size);
  }
  const int top = row.top + HalfDown(row.bottom - row.top - canvas.textHeight());
  canvas.drawText(QPoint(x, top), text, colour);
  if (size != remembered) canvas.setFontPointSize(remembered);
}

}  // namespace

void PaintDiscRow(ListCanvas& canvas, const DiscRowContext& context, const QRect& rect, int row,
                  bool selected, std::string_view line) {
  const Edges edges = EdgesOf(rect);
  canvas.fillRect(Span(edges.left, edges.top, edges.right, edges.bottom),
                  DiscRowBackground(context, row, selected));

  const QPoint iconAt(edges.left + 2, edges.top);
  canvas.drawIcon(TypeSlot(DiscTypeOf(line)), iconAt);
  if (IsLent(line)) canvas.drawIcon(kLentSlot, iconAt);

  // Every row's cell is as wide as the disc count, so the numbers line up.
  const int x = edges.left + kTextIndent;
  const int width = canvas.textWidth(QString::number(context.discCount)) + 8;
  canvas.fillRect(Span(x, edges.top, x + width, edges.bottom),
                  selected ? context.background : NumberCellColour(context.background));
  const QString number = QString::number(context.disc + 1);
  canvas.drawText(QPoint(x + HalfDown(width - canvas.textWidth(number)), edges.top + 1), number,
                  selected ? kBlack : kWhite);

  DrawName(canvas, context.codePage.decode(DiscName(line)), x + width + 2, edges, kBlack,
           context.reduceFonts);

  if (context.hasPhoto) canvas.drawIcon(kPhotoSlot, QPoint(edges.right - 17, edges.top));
  if (context.hasDescription) {
    canvas.drawIcon(kDescriptionSlot, QPoint(edges.right - 34, edges.top));
  }
}

void PaintContentRow(ListCanvas& canvas, const ContentRowContext& context, const QRect& rect,
                     int row, bool selected, std::string_view line) {
  const Edges edges = EdgesOf(rect);
  const QColor background = ContentRowBackground(context.background, row, selected);
  canvas.fillRect(Span(edges.left, edges.top, edges.right, edges.bottom), background);

  const std::string path = TagValue(line, "<n>");
  // The search query is matched against the whole path, whatever the list shows of it.
  const bool red = !selected && !context.redQuery.empty() &&
                   context.codePage.lower(path).find(context.redQuery) != std::string::npos;
  const QColor& fontColour = red ? kRed : context.fontColour;

  const std::string_view shown =
      (context.displayFlags & kPathsHidden) != 0 ? FileNamePart(path) : std::string_view(path);
  DrawName(canvas, context.codePage.decode(shown), edges.left + kTextIndent, edges, fontColour,
           context.reduceFonts);

  // The size cell covers the end of a long name.
  if ((context.displayFlags & kSizesHidden) == 0) {
    const std::string size = TagValue(line, "<r>");
    if (!size.empty()) {
      canvas.fillRect(Span(edges.right - kSizeCellWidth, edges.top, edges.right, edges.bottom),
                      background);
      canvas.drawText(QPoint(edges.right - kSizeTextIndent, edges.top + 1),
                      context.codePage.decode(size), fontColour);
    }
  }

  canvas.drawIcon(FileKindIconSlot(path, context.codePage), QPoint(edges.left + 2, edges.top));
}

void PaintCategoryRow(ListCanvas& canvas, const CategoryRowContext& context, const QRect& rect,
                      int row, bool selected, std::string_view line) {
  const Edges edges = EdgesOf(rect);
  canvas.fillRect(Span(edges.left, edges.top, edges.right, edges.bottom),
                  CategoryRowBackground(context.background, row, selected));
  canvas.drawIcon(kCategorySlot, QPoint(edges.left + 2, edges.top));
  canvas.drawText(QPoint(edges.left + kTextIndent, edges.top + 1),
                  context.codePage.decode(TagValue(line, "<n>")), context.fontColour);
}

void PaintDriveRow(ListCanvas& canvas, const DriveRowContext& context, const QRect& rect,
                   bool selected, const QString& root) {
  const Edges edges = EdgesOf(rect);
  canvas.fillRect(Span(edges.left, edges.top, edges.right, edges.bottom),
                  selected ? kWhite : context.background);
  canvas.drawDriveIcon(context.kind, QPoint(edges.left + 2, edges.top + 1));
  // The text leaves room for an icon of the icon strip and 8 pixels.
  canvas.drawText(QPoint(edges.left + kIconSize + 8, edges.top + 1), root, kBlack);
}

}  // namespace spinfolio
