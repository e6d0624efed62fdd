// The 32 icons of 16 × 16 in the icon strip. Each is drawn on the pixel grid: one-pixel lines
// lie on half coordinates so they stay sharp.

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>
#include <array>

#include "resources/drawing/canvas.h"
#include "resources/generator/picture_groups.h"
#include "resources/picture_names.h"

namespace spinfolio::generator {

using namespace spinfolio::drawing;
namespace {

const QColor kInk(60, 66, 86);
const QColor kWhitePaper(255, 255, 255);

// The usual page of an icon, and a narrower one that leaves room for an emblem at its lower
// right.
const QRectF kPage(2.5, 0.5, 11, 15);
const QRectF kEmblemPage(1.5, 0.5, 10, 14);

void DrawEmblemPage(QPainter& p, const QColor& paper = kWhitePaper) {
  DrawPage(p, kEmblemPage, 3, paper);
  DrawLines(p, 3.5, 4.5, 2, {5, 6, 4}, QColor(120, 130, 150));
}

// A filled shape with a gradient from its upper left to its lower right and a dark outline.
void Fill(QPainter& p, const QPainterPath& shape, const QColor& light, const QColor& dark,
          const QColor& outline) {
  const QRectF box = shape.boundingRect();
  QLinearGradient fill(box.topLeft(), box.bottomRight());
  fill.setColorAt(0, light);
  fill.setColorAt(1, dark);
  p.setPen(OutlinePen(1.0, outline));
  p.setBrush(fill);
  p.drawPath(shape);
}

void Disc(QPainter& p) { DrawDisc(p, QPointF(8, 8), 8, DiscFinish::kSilver); }

void BlankPage(QPainter& p) { DrawPage(p, kPage, 4, kWhitePaper); }

void PageStack(QPainter& p) {
  DrawPage(p, QRectF(6.5, 0.5, 9, 11), 0, QColor(226, 230, 238));
  DrawPage(p, QRectF(4.5, 2.5, 9, 11), 0, QColor(240, 242, 248));
  DrawPage(p, QRectF(1.5, 4.5, 9, 11), 3, kWhitePaper);
  DrawLines(p, 3, 8.5, 2, {5, 5, 3}, QColor(120, 130, 150));
}

void FilmStrip(QPainter& p) {
  const QRectF strip(0.5, 2.5, 15, 11);
  p.setPen(OutlinePen(1.0, QColor(10, 10, 14)));
  p.setBrush(Vertical(strip, QColor(70, 70, 80), QColor(30, 30, 36)));
  p.drawRect(strip);
  // Sprocket holes along both edges.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(236, 236, 240));
  for (int x = 2; x < 15; x += 3) {
    p.drawRect(QRectF(x, 3.5, 1.5, 1.5));
    p.drawRect(QRectF(x, 11, 1.5, 1.5));
  }
  // Two frames: sky over sand, and a sunset.
  const QRectF first(1.5, 6, 6, 4);
  const QRectF second(8.5, 6, 6, 4);
  p.setBrush(Vertical(first, QColor(110, 180, 255), QColor(230, 210, 140)));
  p.drawRect(first);
  p.setBrush(Vertical(second, QColor(255, 170, 60), QColor(200, 60, 90)));
  p.drawRect(second);
}

void Landscape(QPainter& p) {
  const QRectF frame(0.5, 1.5, 15, 13);
  p.setPen(Qt::NoPen);
  p.setBrush(Vertical(frame, QColor(90, 160, 245), QColor(200, 230, 255)));
  p.drawRect(frame);
  p.save();
  p.setClipRect(frame);
  // The sun with a soft glow.
  QRadialGradient sun(QPointF(11, 5), 3.2);
  sun.setColorAt(0, QColor(255, 250, 170));
  sun.setColorAt(0.6, QColor(255, 210, 40));
  sun.setColorAt(1, QColor(255, 210, 40, 0));
  p.setBrush(sun);
  p.drawEllipse(QPointF(11, 5), 3.2, 3.2);
  // A far hill and a near one.
  QPainterPath far;
  far.moveTo(0, 11);
  far.quadTo(5, 5.5, 10, 10);
  far.lineTo(16, 16);
  far.lineTo(0, 16);
  p.setBrush(QColor(70, 150, 70));
  p.drawPath(far);
  QPainterPath near;
  near.moveTo(3, 16);
  near.quadTo(10, 8, 16, 11);
  near.lineTo(16, 16);
  p.setBrush(Vertical(QRectF(0, 9, 16, 7), QColor(130, 210, 80), QColor(50, 140, 40)));
  p.drawPath(near);
  p.restore();
  p.setPen(OutlinePen(1.0, QColor(50, 60, 90)));
  p.setBrush(Qt::NoBrush);
  p.drawRect(frame);
}

// Ruled writing paper: pale blue rules, a red margin and written lines.
void LinedPage(QPainter& p) {
  DrawPage(p, kPage, 4, QColor(255, 253, 240));
  DrawLines(p, 3, 5.5, 2, {10, 10, 10, 10, 10}, QColor(150, 190, 235));
  p.setPen(QPen(QColor(230, 90, 90), 1.0));
  p.drawLine(QPointF(5.5, 1), QPointF(5.5, 15));
  DrawLines(p, 6.5, 5, 2, {5, 6, 6, 4, 5}, QColor(40, 50, 110));
}

void Parcel(QPainter& p) {
  const QColor edge(96, 58, 20);
  Fill(p, Polygon({QPointF(1.5, 6.5), QPointF(5.5, 2.5), QPointF(14.5, 2.5), QPointF(10.5, 6.5)}),
       QColor(236, 196, 130), QColor(214, 166, 96), edge);
  Fill(p,
       Polygon({QPointF(10.5, 6.5), QPointF(14.5, 2.5), QPointF(14.5, 11.5), QPointF(10.5, 15.5)}),
       QColor(176, 122, 60), QColor(150, 100, 44), edge);
  Fill(p, Polygon({QPointF(1.5, 6.5), QPointF(10.5, 6.5), QPointF(10.5, 15.5), QPointF(1.5, 15.5)}),
       QColor(226, 176, 106), QColor(194, 140, 72), edge);
  // The string round the parcel and its bow on top.
  p.setPen(QPen(QColor(200, 30, 40), 1.2, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(6, 6.5), QPointF(6, 15.5));
  p.drawLine(QPointF(6, 6.5), QPointF(10, 2.5));
  p.drawLine(QPointF(3.5, 4.5), QPointF(12.5, 4.5));
  p.drawLine(QPointF(10.5, 11), QPointF(14.5, 7));
  p.setPen(OutlinePen(1.0, QColor(160, 10, 20)));
  p.setBrush(QColor(240, 60, 60));
  p.drawEllipse(QPointF(6.3, 2.8), 1.7, 1.1);
  p.drawEllipse(QPointF(9.7, 2.8), 1.7, 1.1);
}

void MusicNote(QPainter& p) {
  // Two note heads, their stems and the beam joining them.
  QPainterPath notes;
  for (const QPointF head : {QPointF(4.2, 12.6), QPointF(11.6, 11.1)}) {
    QPainterPath ellipse;
    ellipse.addEllipse(QPointF(0, 0), 2.7, 1.9);
    notes.addPath(QTransform().translate(head.x(), head.y()).rotate(-24).map(ellipse));
  }
  notes.addRect(QRectF(5.8, 3.2, 1.3, 9.0));
  notes.addRect(QRectF(13.2, 1.7, 1.3, 9.0));
  notes.addPath(
      Polygon({QPointF(5.8, 2.8), QPointF(14.5, 0.8), QPointF(14.5, 3.6), QPointF(5.8, 5.6)}));
  notes = notes.simplified();
  p.setPen(OutlinePen(0.6, QColor(10, 14, 40)));
  QLinearGradient fill(0, 0, 16, 16);
  fill.setColorAt(0, QColor(70, 90, 170));
  fill.setColorAt(1, QColor(20, 26, 70));
  p.setBrush(fill);
  p.drawPath(notes);
}

void ProgramWindow(QPainter& p) {
  const QRectF frame(0.5, 1.5, 15, 13);
  p.setPen(OutlinePen(1.0, QColor(30, 44, 80)));
  p.setBrush(Vertical(frame, QColor(255, 255, 255), QColor(222, 228, 240)));
  p.drawRoundedRect(frame, 1.2, 1.2);
  const QRectF bar(1, 2, 14, 3.5);
  p.setPen(Qt::NoPen);
  p.setBrush(Vertical(bar, QColor(110, 160, 240), QColor(40, 80, 170)));
  p.drawRect(bar);
  p.setBrush(QColor(240, 80, 70));
  p.drawRect(QRectF(12, 2.8, 2, 2));
  p.setBrush(QColor(230, 236, 250));
  p.drawRect(QRectF(9.3, 2.8, 2, 2));
  // A side panel and some content.
  p.setBrush(QColor(200, 212, 236));
  p.drawRect(QRectF(1, 6, 4, 8));
  DrawLines(p, 6.5, 8, 2, {7, 5, 6}, QColor(120, 130, 160));
}

void GreenPlus(QPainter& p) {
  QPainterPath plus;
  plus.addRect(QRectF(5.5, 1.5, 5, 13));
  plus.addRect(QRectF(1.5, 5.5, 13, 5));
  Fill(p, plus.simplified(), QColor(160, 240, 130), QColor(30, 150, 40), QColor(20, 90, 20));
}

void RedCross(QPainter& p) {
  Fill(p, CrossPath(QPointF(8, 8), 7.6, 2.1), QColor(255, 140, 120), QColor(196, 20, 20),
       QColor(110, 10, 10));
}

void Info(QPainter& p) {
  QRadialGradient fill(QPointF(8, 8), 7.5, QPointF(5.5, 5));
  fill.setColorAt(0, QColor(150, 200, 255));
  fill.setColorAt(1, QColor(20, 80, 200));
  p.setPen(OutlinePen(1.0, QColor(10, 40, 120)));
  p.setBrush(fill);
  p.drawEllipse(QPointF(8, 8), 7, 7);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPath(LetterPath(QStringLiteral("i"), QRectF(4, 3, 8, 10)));
}

QPainterPath UpArrow() {
  return Polygon({QPointF(8, 0.8), QPointF(14.8, 7.8), QPointF(10.5, 7.8), QPointF(10.5, 15.2),
                  QPointF(5.5, 15.2), QPointF(5.5, 7.8), QPointF(1.2, 7.8)});
}

void ArrowUp(QPainter& p) {
  Fill(p, UpArrow(), QColor(140, 200, 255), QColor(30, 90, 200), QColor(16, 50, 120));
}

void ArrowDown(QPainter& p) {
  Fill(p, QTransform(1, 0, 0, -1, 0, 16).map(UpArrow()), QColor(140, 200, 255), QColor(30, 90, 200),
       QColor(16, 50, 120));
}

void Clipboard(QPainter& p) {
  const QRectF board(2.5, 1.5, 11, 14);
  p.setPen(OutlinePen(1.0, QColor(90, 56, 20)));
  p.setBrush(Vertical(board, QColor(214, 160, 96), QColor(160, 106, 50)));
  p.drawRoundedRect(board, 1.5, 1.5);
  const QRectF paper(4.5, 3.5, 7, 10.5);
  p.setPen(OutlinePen(1.0, QColor(150, 150, 160)));
  p.setBrush(kWhitePaper);
  p.drawRect(paper);
  DrawLines(p, 5.5, 7.5, 2, {5, 4, 5}, QColor(100, 110, 140));
  // The metal clip.
  const QRectF clip(5.5, 0.5, 5, 3.5);
  p.setPen(OutlinePen(1.0, QColor(60, 64, 76)));
  p.setBrush(Vertical(clip, QColor(240, 242, 248), QColor(150, 156, 170)));
  p.drawRoundedRect(clip, 1, 1);
}

void PageWithGear(QPainter& p) {
  DrawEmblemPage(p);
  DrawGear(p, QPointF(11, 11), 4.8, 7, QColor(200, 214, 240), QColor(80, 96, 140));
}

void GreyPageWithGear(QPainter& p) {
  DrawPage(p, kEmblemPage, 3, QColor(176, 180, 190));
  DrawLines(p, 3.5, 4.5, 2, {5, 6, 4}, QColor(90, 96, 110));
  DrawGear(p, QPointF(11, 11), 4.8, 7, QColor(190, 192, 198), QColor(80, 82, 90));
}

// A framed portrait photograph.
void Photograph(QPainter& p) {
  const QRectF frame(0.5, 0.5, 15, 15);
  p.setPen(OutlinePen(1.0, QColor(90, 50, 10)));
  QLinearGradient wood(frame.topLeft(), frame.bottomRight());
  wood.setColorAt(0, QColor(240, 190, 90));
  wood.setColorAt(1, QColor(150, 90, 30));
  p.setBrush(wood);
  p.drawRect(frame);
  const QRectF photo(3, 3, 10, 10);
  p.setPen(Qt::NoPen);
  p.setBrush(Vertical(photo, QColor(250, 226, 180), QColor(210, 170, 130)));
  p.drawRect(photo);
  p.save();
  p.setClipRect(photo);
  p.setBrush(QColor(60, 100, 180));
  p.drawEllipse(QPointF(8, 14.5), 4.5, 4.5);
  p.setBrush(QColor(236, 190, 150));
  p.drawEllipse(QPointF(8, 7.2), 2.3, 2.5);
  p.setBrush(QColor(110, 70, 40));
  p.drawChord(QRectF(5.6, 4.5, 4.8, 4.4), 0, 180 * 16);
  p.restore();
  p.setPen(OutlinePen(1.0, QColor(110, 70, 30)));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(2.5, 2.5, 11, 11));
}

// A document with a red emblem, as printable documents are shown.
void RedEmblemDocument(QPainter& p) {
  DrawPage(p, kPage, 4, kWhitePaper);
  DrawLines(p, 4.5, 3.5, 2, {4, 6}, QColor(140, 146, 164));
  // The emblem: a red ribbon looped into a triangle.
  QPainterPath ribbon;
  ribbon.moveTo(3.5, 14);
  ribbon.cubicTo(6, 11, 7.5, 7, 7, 6);
  ribbon.cubicTo(6.5, 5, 5.5, 7, 7.5, 10.5);
  ribbon.cubicTo(8.5, 12.5, 10, 13, 12.5, 13);
  ribbon.cubicTo(13.5, 13, 13, 12, 11, 12);
  ribbon.cubicTo(8, 12, 5, 13.5, 3.5, 14);
  p.setPen(QPen(QColor(206, 20, 20), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(ribbon);
}

void NotepadWithGear(QPainter& p) {
  const QRectF pad(1.5, 2.5, 10, 12.5);
  p.setPen(OutlinePen(1.0, QColor(120, 100, 40)));
  p.setBrush(Vertical(pad, QColor(255, 246, 170), QColor(240, 214, 100)));
  p.drawRect(pad);
  DrawLines(p, 2.5, 6.5, 2, {8, 8, 8, 8}, QColor(120, 150, 210));
  // The spiral binding along the top.
  p.setPen(OutlinePen(1.0, QColor(60, 64, 80)));
  p.setBrush(Qt::NoBrush);
  for (qreal x = 3.5; x < 11; x += 2.5) p.drawLine(QPointF(x, 1), QPointF(x, 4));
  DrawGear(p, QPointF(11, 11), 4.8, 7, QColor(200, 214, 240), QColor(80, 96, 140));
}

void PageWithGlobe(QPainter& p) {
  DrawEmblemPage(p);
  DrawGlobe(p, QPointF(11, 11), 4.6);
}

// A plain text file: a white page with text lines of different lengths.
void TextPage(QPainter& p) {
  DrawPage(p, kPage, 4, kWhitePaper);
  DrawLines(p, 4.5, 3.5, 3, {4, 7, 5, 7}, QColor(40, 44, 56));
}

void Spreadsheet(QPainter& p) {
  DrawPage(p, kPage, 4, kWhitePaper);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 200, 120));
  p.drawRect(QRectF(4, 5, 8, 2.5));
  p.setPen(QPen(QColor(40, 140, 60), 1.0));
  for (qreal x : {4.5, 8.0, 11.5}) p.drawLine(QPointF(x, 5), QPointF(x, 14));
  for (qreal y : {5.0, 7.5, 10.0, 12.5}) p.drawLine(QPointF(4, y), QPointF(12, y));
}

void WordProcessor(QPainter& p) {
  DrawPage(p, kPage, 4, kWhitePaper);
  const QRectF band(0.5, 2.5, 10, 6.5);
  p.setPen(OutlinePen(1.0, QColor(14, 40, 110)));
  p.setBrush(Vertical(band, QColor(90, 140, 240), QColor(30, 70, 180)));
  p.drawRoundedRect(band, 1, 1);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPath(LetterPath(QStringLiteral("W"), QRectF(1.5, 3.8, 8, 4)));
  DrawLines(p, 4.5, 11.5, 2, {7, 5}, QColor(80, 100, 160));
}

void PageWithLetter(QPainter& p, const QString& letter, const QColor& colour) {
  DrawPage(p, kPage, 4, kWhitePaper);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(LetterPath(letter, QRectF(3.5, 5, 9, 9)));
}

void PageWithT(QPainter& p) { PageWithLetter(p, QStringLiteral("T"), QColor(20, 50, 130)); }
void PageWithA(QPainter& p) { PageWithLetter(p, QStringLiteral("A"), QColor(170, 30, 40)); }

// A media file: a round blue play button on a page.
void BluePlayPage(QPainter& p) {
  DrawPage(p, kPage, 4, kWhitePaper);
  QRadialGradient fill(QPointF(8, 10), 4.8, QPointF(6.5, 8.5));
  fill.setColorAt(0, QColor(140, 190, 255));
  fill.setColorAt(1, QColor(20, 60, 190));
  p.setPen(OutlinePen(1.0, QColor(10, 30, 110)));
  p.setBrush(fill);
  p.drawEllipse(QPointF(8, 10), 4.5, 4.5);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPath(Polygon({QPointF(6.8, 7.6), QPointF(10.6, 10), QPointF(6.8, 12.4)}));
}

// A movie file: a film frame with an orange play triangle on a page.
void FilmPlayPage(QPainter& p) {
  DrawPage(p, kPage, 4, kWhitePaper);
  const QRectF film(3.5, 5.5, 9, 8);
  p.setPen(OutlinePen(1.0, QColor(20, 20, 24)));
  p.setBrush(QColor(44, 44, 52));
  p.drawRect(film);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(230, 230, 236));
  for (qreal y = 6.5; y < 13; y += 2) {
    p.drawRect(QRectF(4, y, 1, 1));
    p.drawRect(QRectF(11, y, 1, 1));
  }
  p.setPen(OutlinePen(0.7, QColor(150, 60, 0)));
  p.setBrush(Vertical(film, QColor(255, 210, 80), QColor(240, 110, 20)));
  p.drawPath(Polygon({QPointF(6, 7), QPointF(10.5, 9.5), QPointF(6, 12)}));
}

void GoldDisc(QPainter& p) { DrawDisc(p, QPointF(8, 8), 8, DiscFinish::kGold); }

// A disc with a green arrow beside it: down opens the tray, up closes it.
void DiscWithArrow(QPainter& p, bool down) {
  DrawDisc(p, QPointF(6.5, 6.5), 6.5, DiscFinish::kSilver);
  const QPointF top(12.2, 6.5);
  const QPointF bottom(12.2, 15.5);
  DrawArrow(p, down ? top : bottom, down ? bottom : top, 3, 7.4, 4, QColor(150, 236, 120),
            QColor(30, 150, 40));
}

void EjectDown(QPainter& p) { DiscWithArrow(p, true); }
void EjectUp(QPainter& p) { DiscWithArrow(p, false); }

// Sorting: the letters a, b and c, drawn pixel by pixel, each beside a line.
void Sort(QPainter& p) {
  const struct {
    int top;
    std::array<const char*, 5> rows;
  } letters[] = {{0, {".##.", "...#", ".###", "#..#", ".###"}},
                 {6, {"#...", "#...", "###.", "#..#", "###."}},
                 {12, {".###", "#...", "#...", ".###", nullptr}}};
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 50, 130));
  for (const auto& letter : letters) {
    for (int row = 0; row < 5 && letter.rows[row] != nullptr; ++row) {
      for (int column = 0; column < 4; ++column) {
        if (letter.rows[row][column] == '#') p.drawRect(QRect(1 + column, letter.top + row, 1, 1));
      }
    }
  }
  // The lines, each level with the middle of its letter.
  p.setBrush(QColor(110, 120, 150));
  p.drawRect(QRect(7, 2, 8, 2));
  p.drawRect(QRect(7, 8, 6, 2));
  p.drawRect(QRect(7, 13, 7, 2));
}

// The drawings by slot.
constexpr Drawing kIcons[picture_names::kIconSlots] = {
    Disc,               // 0
    BlankPage,          // 1
    PageStack,          // 2
    FilmStrip,          // 3
    Landscape,          // 4
    LinedPage,          // 5
    Parcel,             // 6
    MusicNote,          // 7
    ProgramWindow,      // 8
    GreenPlus,          // 9
    RedCross,           // 10
    Info,               // 11
    ArrowUp,            // 12
    ArrowDown,          // 13
    Clipboard,          // 14
    PageWithGear,       // 15
    GreyPageWithGear,   // 16
    Photograph,         // 17
    RedEmblemDocument,  // 18
    NotepadWithGear,    // 19
    PageWithGlobe,      // 20
    TextPage,           // 21
    Spreadsheet,        // 22
    WordProcessor,      // 23
    PageWithT,          // 24
    PageWithA,          // 25
    BluePlayPage,       // 26
    FilmPlayPage,       // 27
    GoldDisc,           // 28
    EjectDown,          // 29
    EjectUp,            // 30
    Sort,               // 31
};

QList<QImage> Icons() {
  QList<QImage> icons;
  for (const Drawing draw : kIcons) icons.append(DrawnPicture(picture_names::kIconSize, draw));
  return icons;
}

}  // namespace

QList<NamedPicture> IconStripPictures() {
  const QList<QImage> icons = Icons();
  QImage strip =
      NewCanvas(picture_names::kIconSize * picture_names::kIconSlots, picture_names::kIconSize);
  QPainter painter(&strip);
  for (int slot = 0; slot < icons.size(); ++slot) {
    painter.drawImage(slot * picture_names::kIconSize, 0, icons[slot]);
  }
  painter.end();
  return {{picture_names::kIconStrip, strip}};
}

}  // namespace spinfolio::generator
