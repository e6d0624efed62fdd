// The list painters and the file-kind icons, drawn on a recording canvas.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browse/file_kinds.h"
#include "browse/list_painters.h"
#include "platform/code_page.h"
#include "tests/browse/recording_canvas.h"
#include "tests/support/qt_printers.h"

namespace spinfolio {
namespace {

using recording::CanvasCall;
using recording::DriveIcon;
using recording::Fill;
using recording::FontSize;
using recording::Icon;
using recording::RecordingCanvas;
using recording::Text;

const CodePage& Utf8() {
  static const CodePage codePage("UTF-8");
  return codePage;
}
const CodePage& Cp1250() {
  static const CodePage codePage("CP1250");
  return codePage;
}

// The lists' colours.
const QColor kDiscList(223, 225, 238);
const QColor kCheckList(216, 235, 235);
const QColor kContentList(216, 235, 235);
const QColor kContentFont(0, 64, 64);
const QColor kCategoryList(251, 227, 228);
const QColor kMaroon(128, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);

constexpr int kRowHeight = 17;

// Row r of a list 300 pixels wide: left 0, top 17 r, right 300, bottom 17 (r + 1).
QRect RowRect(int row) { return QRect(0, row * kRowHeight, 300, kRowHeight); }

QString Repeated(char c, int count) { return QString(count, QChar::fromLatin1(c)); }

// ---- File kinds ----------------------------------------------------------------------------

struct KindCase {
  const char* path;
  int slot;
};

TEST(FileKindIconSlot, APatternContainedInTheLowerCasedExtensionChoosesTheKind) {
  const KindCase cases[] = {
      {"Docs\\Film.AVI", 3}, {"x.R01", 6},       {"song.aiff", 4},   {"a.docx", 23},
      {"notes.mem", 5},      {"movie.rmvb", 26}, {"a.MPEG", 3},      {"page.HTML", 20},
      {"tune.mp+", 7},       {"setup.exe", 8},   {"readme.txt", 21}, {"sheet.xls", 22},
      {"book.pdf", 18},      {"lib.dll", 16},    {"font.ttc", 24},   {"font.fon", 25},
      {"run.bat", 15},       {"boot.ini", 19},   {"disc.nrg", 0},    {"clip.3gp", 27},
      {"a.ram", 26},         {"a.rar", 6},       {"a.z", 6},         {"Foto.JPEG", 4},
  };
  for (const auto& c : cases) EXPECT_EQ(FileKindIconSlot(c.path, Utf8()), c.slot) << c.path;
}

TEST(FileKindIconSlot, NamesWithoutAKnownExtensionTakeTheBlankPage) {
  const KindCase cases[] = {
      {"clip.mp4", 1}, {"a.tgz", 1},            // ".gz" needs its dot
      {"README", 1},   {"dir.old\\readme", 1},  // the dot is in a folder name
      {"C:readme", 1},                          // the drive colon ends the folder part too
      {"", 1},         {"name.", 1},           {"a.b.c", 1},
  };
  for (const auto& c : cases) EXPECT_EQ(FileKindIconSlot(c.path, Utf8()), c.slot) << c.path;
}

TEST(FileKindIconSlot, TheThumbnailCacheIsKnownByItsWholeName) {
  const KindCase cases[] = {
      {"Thumbs.db", 16},    {"Zdjęcia\\THUMBS.DB", 16}, {"D:thumbs.db", 16},
      {"old_thumbs.db", 1}, {"thumbs.db.bak", 1},       {"thumbs.dbx", 1},
  };
  for (const auto& c : cases) EXPECT_EQ(FileKindIconSlot(c.path, Utf8()), c.slot) << c.path;
}

TEST(FileKindIconSlot, LowerCasesLettersOfTheCatalogsCodePage) {
  // ".AIĄ" lowers to ".aią", which contains ".ai"; ".ŻAVI" holds ".avi" only without its dot.
  EXPECT_EQ(FileKindIconSlot("Łódź.AIĄ", Utf8()), 4);
  EXPECT_EQ(FileKindIconSlot("L\xF3"
                             "d\x9F.AI\xA5",
                             Cp1250()),
            4);
  EXPECT_EQ(FileKindIconSlot("plik.ŻAVI", Utf8()), 1);
  EXPECT_EQ(FileKindIconSlot("Łódź.Mp3", Utf8()), 7);
  EXPECT_EQ(FileKindIconSlot("klip.MPEGŻ", Utf8()), 3);
  EXPECT_EQ(FileKindIconSlot("Zdjęcia.ŻAVI\\Łódź", Utf8()), 1);
}

// ---- Content rows --------------------------------------------------------------------------

ContentRowContext ContentList(int displayFlags = 0, std::string_view redQuery = {}) {
  return {.background = kContentList,
          .fontColour = kContentFont,
          .displayFlags = displayFlags,
          .redQuery = redQuery,
          .codePage = Utf8()};
}

std::vector<CanvasCall> PaintContent(const ContentRowContext& context, int row, bool selected,
                                     std::string_view line) {
  RecordingCanvas canvas;
  PaintContentRow(canvas, context, RowRect(row), row, selected, line);
  return canvas.calls();
}

constexpr std::string_view kFilmLine = "<n>Docs\\Film.AVI</n><r>700.00 MB</r>";
const QColor kOddContent(222, 241, 241);

TEST(ContentRow, ShowsPathSizeCellAndKindIcon) {
  const std::vector<CanvasCall> expected = {
      Fill(0, 17, 300, 34, kOddContent),
      Text(20, 18, QStringLiteral("Docs\\Film.AVI"), kContentFont),
      Fill(235, 17, 300, 34, kOddContent),
      Text(240, 18, QStringLiteral("700.00 MB"), kContentFont),
      Icon(3, 2, 17),
  };
  EXPECT_EQ(PaintContent(ContentList(), 1, false, kFilmLine), expected);
}

TEST(ContentRow, DisplayFlagsHidePathsAndSizes) {
  struct Case {
    int flags;
    std::vector<QString> texts;
  };
  const Case cases[] = {
      {0, {QStringLiteral("Docs\\Film.AVI"), QStringLiteral("700.00 MB")}},
      {kPathsHidden, {QStringLiteral("Film.AVI"), QStringLiteral("700.00 MB")}},
      {kSizesHidden, {QStringLiteral("Docs\\Film.AVI")}},
      {kPathsHidden | kSizesHidden, {QStringLiteral("Film.AVI")}},
  };
  for (const auto& c : cases) {
    RecordingCanvas canvas;
    PaintContentRow(canvas, ContentList(c.flags), RowRect(0), 0, false, kFilmLine);
    EXPECT_EQ(canvas.texts(), c.texts) << "flags " << c.flags;
    // Without sizes only the row itself is filled; the icon never depends on the flags.
    EXPECT_EQ(canvas.callsOf(CanvasCall::Kind::Fill).size(), (c.flags & kSizesHidden) ? 1U : 2U);
    EXPECT_EQ(canvas.iconSlots(), std::vector<int>{3});
  }
}

TEST(ContentRow, MissingTagsGiveNoSizeCellAndABlankName) {
  EXPECT_EQ(PaintContent(ContentList(), 0, false, "<n>a.txt</n>"),
            (std::vector<CanvasCall>{Fill(0, 0, 300, 17, kContentList),
                                     Text(20, 1, QStringLiteral("a.txt"), kContentFont),
                                     Icon(21, 2, 0)}));
  EXPECT_EQ(PaintContent(ContentList(), 0, false, "<n>a.txt</n><r></r>").size(), 3U);
  EXPECT_EQ(PaintContent(ContentList(), 0, false, "<r>1 KB</r>"),
            (std::vector<CanvasCall>{
                Fill(0, 0, 300, 17, kContentList), Text(20, 1, QString(), kContentFont),
                Fill(235, 0, 300, 17, kContentList),
                Text(240, 1, QStringLiteral("1 KB"), kContentFont), Icon(1, 2, 0)}));
}

TEST(ContentRow, RowAndSizeCellTakeTheContentScheme) {
  struct Case {
    int row;
    bool selected;
    QColor background;
  };
  const Case cases[] = {
      {0, false, kContentList},
      {1, false, QColor(222, 241, 241)},
      {2, true, QColor(249, 249, 249)},
      {3, true, kWhite},
  };
  for (const auto& c : cases) {
    const auto calls = PaintContent(ContentList(), c.row, c.selected, kFilmLine);
    const int top = c.row * kRowHeight;
    ASSERT_EQ(calls.size(), 5U);
    EXPECT_EQ(calls[0], Fill(0, top, 300, top + 17, c.background)) << "row " << c.row;
    EXPECT_EQ(calls[2], Fill(235, top, 300, top + 17, c.background)) << "row " << c.row;
    // Selected or not, the text keeps the list's font colour.
    EXPECT_EQ(calls[1].colour, kContentFont);
  }
}

TEST(ContentRow, TheNameIsDecodedFromTheCatalogsCodePage) {
  const ContentRowContext cp1250{
      .background = kContentList, .fontColour = kContentFont, .codePage = Cp1250()};
  RecordingCanvas canvas;
  PaintContentRow(canvas, cp1250, RowRect(0), 0, false,
                  "<n>\xA3\xF3"
                  "d\x9F.avi</n>");
  EXPECT_EQ(canvas.texts(), std::vector<QString>{QStringLiteral("Łódź.avi")});
}

// ---- Search variant ------------------------------------------------------------------------

TEST(SearchContentRow, RowsWhosePathHoldsTheQueryAreRedUnlessSelected) {
  struct Case {
    const char* line;
    std::string_view query;
    bool selected;
    int flags;
    bool red;
  };
  const Case cases[] = {
      {"<n>Docs\\FILM.avi</n><r>1 KB</r>", "film", false, 0, true},
      {"<n>Docs\\Film.AVI</n><r>1 KB</r>", "film", false, 0, true},
      {"<n>Docs\\Film.AVI</n><r>1 KB</r>", "film", true, 0, false},
      {"<n>Docs\\Film.AVI</n><r>1 KB</r>", "", false, 0, false},
      {"<n>Docs\\notes.txt</n><r>1 KB</r>", "film", false, 0, false},
      // The whole path counts, also when only the file name is shown.
      {"<n>Filmy\\a.avi</n><r>1 KB</r>", "film", false, kPathsHidden, true},
  };
  for (const auto& c : cases) {
    RecordingCanvas canvas;
    PaintContentRow(canvas, ContentList(c.flags, c.query), RowRect(0), 0, c.selected, c.line);
    const auto texts = canvas.callsOf(CanvasCall::Kind::Text);
    ASSERT_EQ(texts.size(), 2U) << c.line;
    // The size is written in the row's font colour too.
    for (const auto& text : texts) {
      EXPECT_EQ(text.colour, c.red ? kRed : kContentFont)
          << c.line << " query '" << c.query << "' selected " << c.selected;
    }
  }
}

TEST(SearchContentRow, MatchesPolishLettersInAnyCase) {
  // "żółw" and "ŻÓŁW" in CP1250.
  const std::string query = "\xBF\xF3\xB3w";
  const ContentRowContext context{.background = kContentList,
                                  .fontColour = kContentFont,
                                  .redQuery = query,
                                  .codePage = Cp1250()};
  RecordingCanvas canvas;
  PaintContentRow(canvas, context, RowRect(0), 0, false, "<n>\xAF\xD3\xA3W.jpg</n>");
  EXPECT_EQ(canvas.callsOf(CanvasCall::Kind::Text).at(0).colour, kRed);
}

// ---- Disc rows -----------------------------------------------------------------------------

DiscRowContext DiscList(int disc, int discCount, QColor background = kDiscList) {
  return {.background = background, .disc = disc, .discCount = discCount, .codePage = Utf8()};
}

std::vector<CanvasCall> PaintDisc(const DiscRowContext& context, int row, bool selected,
                                  std::string_view line, int points = 8) {
  RecordingCanvas canvas(points);
  PaintDiscRow(canvas, context, RowRect(row), row, selected, line);
  return canvas.calls();
}

const QColor kNumberCell(74, 97, 141);

TEST(DiscRow, ALentMusicDiscShowsTheCrossOverTheNote) {
  const std::vector<CanvasCall> expected = {
      Fill(0, 0, 300, 17, kDiscList),
      Icon(7, 2, 0),
      Icon(10, 2, 0),
      Fill(20, 0, 34, 17, kNumberCell),  // "9" is 6 pixels, plus 8
      Text(24, 1, QStringLiteral("1"), kWhite),
      Text(36, 1, QStringLiteral("Koncert"), kBlack),
  };
  EXPECT_EQ(PaintDisc(DiscList(0, 9), 0, false, "<m><n>Koncert</n><p><k>sąsiad</k>"), expected);
}

TEST(DiscRow, TheTypeTagChoosesTheIcon) {
  const std::pair<const char*, int> cases[] = {
      {"<f><n>a</n>", 3}, {"<z><n>a</n>", 4}, {"<pr><n>a</n>", 8},
      {"<m><n>a</n>", 7}, {"<n>a</n>", 0},    {"<n><f>a</n>", 0},
  };
  for (const auto& [line, slot] : cases) {
    RecordingCanvas canvas;
    PaintDiscRow(canvas, DiscList(0, 1), RowRect(0), 0, false, line);
    EXPECT_EQ(canvas.iconSlots(), std::vector<int>{slot}) << line;
  }
}

TEST(DiscRow, EveryNumberCellIsAsWideAsTheDiscCount) {
  struct Case {
    int disc;
    int discCount;
    int points;
    CanvasCall cell;
    CanvasCall number;
    int nameLeft;
  };
  const Case cases[] = {
      {0, 9, 8, Fill(20, 0, 34, 17, kNumberCell), Text(24, 1, QStringLiteral("1"), kWhite), 36},
      {8, 9, 8, Fill(20, 0, 34, 17, kNumberCell), Text(24, 1, QStringLiteral("9"), kWhite), 36},
      {0, 10, 8, Fill(20, 0, 40, 17, kNumberCell), Text(27, 1, QStringLiteral("1"), kWhite), 42},
      {9, 10, 8, Fill(20, 0, 40, 17, kNumberCell), Text(24, 1, QStringLiteral("10"), kWhite), 42},
      // At 7 points "10" is 10 pixels and "1" 5: the cell is 18 wide, (18 - 5) / 2 rounds down.
      {0, 10, 7, Fill(20, 0, 38, 17, kNumberCell), Text(26, 1, QStringLiteral("1"), kWhite, 7), 40},
  };
  for (const auto& c : cases) {
    const auto calls = PaintDisc(DiscList(c.disc, c.discCount), 0, false, "<n>Abc</n>", c.points);
    ASSERT_EQ(calls.size(), 5U);
    EXPECT_EQ(calls[2], c.cell) << c.disc << " of " << c.discCount;
    EXPECT_EQ(calls[3], c.number) << c.disc << " of " << c.discCount;
    EXPECT_EQ(calls[4].at, QPoint(c.nameLeft, 1)) << c.disc << " of " << c.discCount;
  }
}

TEST(DiscRow, MappedRowsShowTheCatalogNumberAndMarksOfTheirDisc) {
  // Row 0 of the search results is disc 41 of 100, which has a photo and a description.
  DiscRowContext context = DiscList(41, 100);
  context.hasPhoto = true;
  context.hasDescription = true;
  const std::vector<CanvasCall> expected = {
      Fill(0, 0, 300, 17, kDiscList),
      Icon(3, 2, 0),
      Fill(20, 0, 46, 17, kNumberCell),
      Text(27, 1, QStringLiteral("42"), kWhite),
      Text(48, 1, QStringLiteral("Filmy"), kBlack),
      Icon(17, 283, 0),
      Icon(11, 266, 0),
  };
  EXPECT_EQ(PaintDisc(context, 0, false, "<f><n>Filmy</n>"), expected);
}

TEST(DiscRow, EachMarkFollowsItsOwnFile) {
  struct Case {
    bool photo;
    bool description;
    std::vector<int> slots;
  };
  const Case cases[] = {{false, false, {0}},
                        {true, false, {0, 17}},
                        {false, true, {0, 11}},
                        {true, true, {0, 17, 11}}};
  for (const auto& c : cases) {
    DiscRowContext context = DiscList(0, 1);
    context.hasPhoto = c.photo;
    context.hasDescription = c.description;
    RecordingCanvas canvas;
    PaintDiscRow(canvas, context, RowRect(0), 0, false, "<n>a</n>");
    EXPECT_EQ(canvas.iconSlots(), c.slots) << c.photo << c.description;
  }
}

TEST(DiscRow, RowsAndNumberCellsTakeTheDiscScheme) {
  struct Case {
    const char* list;
    QColor background;
    bool oddRowsKeepBlue;
    int row;
    bool selected;
    QColor rowColour;
    QColor cellColour;
    QColor numberColour;
  };
  const QColor kOrderDialog(234, 249, 255);
  const Case cases[] = {
      {"disc list even", kDiscList, false, 0, false, kDiscList, kNumberCell, kWhite},
      {"disc list odd", kDiscList, false, 1, false, QColor(229, 231, 244), kNumberCell, kWhite},
      {"disc list selected", kDiscList, false, 1, true, kWhite, kDiscList, kBlack},
      {"check list even", kCheckList, false, 2, false, kCheckList, QColor(71, 107, 134), kWhite},
      {"check list odd", kCheckList, false, 3, false, QColor(222, 241, 241), QColor(71, 107, 134),
       kWhite},
      // The disc-order dialog: odd rows keep blue; the cell's bytes wrap past 255.
      {"order dialog odd", kOrderDialog, true, 1, false, QColor(240, 255, 255),
       QColor(91, 121, 152), kWhite},
      {"order dialog even", kOrderDialog, true, 0, false, kOrderDialog, QColor(91, 121, 152),
       kWhite},
  };
  for (const auto& c : cases) {
    DiscRowContext context = DiscList(0, 5, c.background);
    context.oddRowsKeepBlue = c.oddRowsKeepBlue;
    const auto calls = PaintDisc(context, c.row, c.selected, "<n>Abc</n>");
    const int top = c.row * kRowHeight;
    ASSERT_EQ(calls.size(), 5U) << c.list;
    EXPECT_EQ(calls[0], Fill(0, top, 300, top + 17, c.rowColour)) << c.list;
    EXPECT_EQ(calls[2], Fill(20, top, 34, top + 17, c.cellColour)) << c.list;
    EXPECT_EQ(calls[3].colour, c.numberColour) << c.list;
    EXPECT_EQ(calls[4].colour, kBlack) << c.list;  // the name is black in every state
  }
}

TEST(DiscRow, TheNameIsDecodedFromTheCatalogsCodePage) {
  const DiscRowContext context{.background = kDiscList, .discCount = 1, .codePage = Cp1250()};
  RecordingCanvas canvas;
  PaintDiscRow(canvas, context, RowRect(0), 0, false,
               "<z><n>\xA3\xF3"
               "d\x9F</n>");
  EXPECT_EQ(canvas.texts().back(), QStringLiteral("Łódź"));
}

// ---- Reduce-fonts fitting ------------------------------------------------------------------

// A content row 300 wide at top 34: the name starts at 20, so 280 pixels are available.
std::vector<CanvasCall> FitContentName(const QString& name, int points, bool reduceFonts = true,
                                       int* finalPoints = nullptr) {
  ContentRowContext context = ContentList(kSizesHidden);
  context.reduceFonts = reduceFonts;
  RecordingCanvas canvas(points);
  const std::string line = "<n>" + name.toStdString() + "</n>";
  PaintContentRow(canvas, context, RowRect(2), 2, false, line);
  if (finalPoints) *finalPoints = canvas.fontPointSize();
  std::vector<CanvasCall> fitting;
  for (const auto& call : canvas.calls()) {
    if (call.kind == CanvasCall::Kind::Text || call.kind == CanvasCall::Kind::FontSize) {
      fitting.push_back(call);
    }
  }
  return fitting;
}

TEST(FittingRule, AShortNameIsCentredAtTheListsSize) {
  const QString name = QStringLiteral("short.txt");
  // (17 - 13) / 2 = 2 below the top; off, the name sits one pixel below it.
  EXPECT_EQ(FitContentName(name, 8), std::vector<CanvasCall>{Text(20, 36, name, kContentFont)});
  EXPECT_EQ(FitContentName(name, 8, false),
            std::vector<CanvasCall>{Text(20, 35, name, kContentFont)});
  // At 14 points the text is 22 high: (17 - 22) / 2 rounds down to -3.
  EXPECT_EQ(FitContentName(name, 14),
            std::vector<CanvasCall>{Text(20, 31, name, kContentFont, 14)});
}

TEST(FittingRule, ShrinksAWideNamePointByPointAndRestoresTheSize) {
  // 47 characters: 282 pixels at 8 points, 246 at 7.
  const QString justTooWide = Repeated('a', 47);
  int finalPoints = 0;
  EXPECT_EQ(FitContentName(justTooWide, 8, true, &finalPoints),
            (std::vector<CanvasCall>{FontSize(7), Text(20, 37, justTooWide, kContentFont, 7),
                                     FontSize(8)}));
  EXPECT_EQ(finalPoints, 8);
  // 46 characters, 276 pixels, fit.
  EXPECT_EQ(FitContentName(Repeated('a', 46), 8).size(), 1U);
  // Off: drawn whole at the list's size.
  EXPECT_EQ(FitContentName(justTooWide, 8, false),
            std::vector<CanvasCall>{Text(20, 35, justTooWide, kContentFont)});
}

TEST(FittingRule, StopsAfterTenReductions) {
  const QString endless = Repeated('w', 200);
  int finalPoints = 0;
  const auto calls = FitContentName(endless, 14, true, &finalPoints);
  std::vector<CanvasCall> expected;
  for (int points = 13; points >= 4; --points) expected.push_back(FontSize(points));
  // 6 pixels high at 4 points: (17 - 6) / 2 = 5.
  expected.push_back(Text(20, 39, endless, kContentFont, 4));
  expected.push_back(FontSize(14));
  EXPECT_EQ(calls, expected);
  EXPECT_EQ(finalPoints, 14);
}

TEST(FittingRule, NeverGoesBelowOnePoint) {
  const QString endless = Repeated('w', 2000);
  int finalPoints = 0;
  const auto calls = FitContentName(endless, 8, true, &finalPoints);
  ASSERT_EQ(calls.size(), 9U);  // 7, 6, ... 1, the text, back to 8
  EXPECT_EQ(calls[6], FontSize(1));
  EXPECT_EQ(calls[7], Text(20, 34 + 8, endless, kContentFont, 1));
  EXPECT_EQ(finalPoints, 8);
}

TEST(FittingRule, ADiscNameFitsBetweenTheNumberCellAndTheRowsEnd) {
  // Left 10, right 208: with 9 discs the name starts at 10 + 20 + 14 + 2 = 46, 162 pixels left.
  const QRect rect(10, 0, 198, 17);
  DiscRowContext context = DiscList(0, 9);
  context.reduceFonts = true;
  for (const int length : {27, 28}) {
    RecordingCanvas canvas;
    const std::string line = "<n>" + std::string(static_cast<std::size_t>(length), 'a') + "</n>";
    PaintDiscRow(canvas, context, rect, 0, false, line);
    const auto name = canvas.callsOf(CanvasCall::Kind::Text).back();
    EXPECT_EQ(name.at, QPoint(46, length == 27 ? 2 : 3)) << length;
    EXPECT_EQ(name.points, length == 27 ? 8 : 7) << length;
    EXPECT_EQ(canvas.fontPointSize(), 8);
  }
}

// ---- Category rows -------------------------------------------------------------------------

TEST(CategoryRow, IconAndNameOnTheCategoryScheme) {
  struct Case {
    int row;
    bool selected;
    QColor background;
  };
  const Case cases[] = {
      {0, false, QColor(255, 233, 234)},
      {1, false, kCategoryList},
      {2, true, kWhite},
      {3, true, kWhite},
  };
  const CategoryRowContext context{
      .background = kCategoryList, .fontColour = kMaroon, .codePage = Utf8()};
  for (const auto& c : cases) {
    RecordingCanvas canvas;
    PaintCategoryRow(canvas, context, RowRect(c.row), c.row, c.selected, "<n>Muzyka</n>");
    const int top = c.row * kRowHeight;
    EXPECT_EQ(canvas.calls(),
              (std::vector<CanvasCall>{Fill(0, top, 300, top + 17, c.background), Icon(2, 2, top),
                                       Text(20, top + 1, QStringLiteral("Muzyka"), kMaroon)}))
        << "row " << c.row << " selected " << c.selected;
  }
}

// ---- Drive rows ----------------------------------------------------------------------------

TEST(DriveRow, IconOfTheKindAndRootOnWhiteOrTheControlsColour) {
  const QColor control(240, 240, 240);
  const QRect rect(0, 36, 290, 18);
  struct Case {
    DriveKind kind;
    bool selected;
    QColor background;
  };
  const Case cases[] = {
      {DriveKind::Optical, false, control},
      {DriveKind::Network, true, kWhite},
  };
  for (const auto& c : cases) {
    RecordingCanvas canvas;
    PaintDriveRow(canvas, {.background = control, .kind = c.kind}, rect, c.selected,
                  QStringLiteral("/media/pendrive/"));
    EXPECT_EQ(canvas.calls(),
              (std::vector<CanvasCall>{Fill(0, 36, 290, 54, c.background),
                                       DriveIcon(c.kind, 2, 37),
                                       Text(24, 37, QStringLiteral("/media/pendrive/"), kBlack)}));
  }
}

}  // namespace
}  // namespace spinfolio
