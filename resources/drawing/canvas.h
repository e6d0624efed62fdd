#pragma once

// Drawing helpers shared by the pictures of the program and of the archive library: canvases,
// discs, pages, gears, arrows, letters and the colour changes that make lit and greyed copies.

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <initializer_list>

namespace spinfolio::drawing {

// The background colours the pictures are shown on.
inline const QColor kTitleBlue(59, 97, 156);
inline const QColor kPageBlue(142, 171, 229);
// The dark outline round every shape.
inline const QColor kOutline(38, 44, 62);

// A transparent canvas.
QImage NewCanvas(int width, int height);
// Antialiased drawing and smooth scaling of drawn images.
void Prepare(QPainter& painter);

// A drawing of a square picture on a prepared painter.
using Drawing = void (*)(QPainter&);
// A transparent square canvas of the given size with the drawing made on it.
QImage DrawnPicture(int size, Drawing draw);
// A round-jointed pen for the outlines of shapes.
QPen OutlinePen(qreal width = 1.0, const QColor& colour = kOutline);

QPainterPath Polygon(std::initializer_list<QPointF> corners);
QPainterPath Circle(QPointF centre, qreal radius);
// A linear gradient from the top to the bottom of a rectangle.
QLinearGradient Vertical(const QRectF& rect, const QColor& top, const QColor& bottom);

enum class DiscFinish { kSilver, kGold };
// A compact disc: polished finish, rainbow sheen, glint, the clear ring and the hole.
void DrawDisc(QPainter& painter, QPointF centre, qreal radius, DiscFinish finish);

// A sheet of paper with its upper right corner folded over.
QPainterPath PagePath(const QRectF& rect, qreal fold);
void DrawPage(QPainter& painter, const QRectF& rect, qreal fold, const QColor& paper);
// Text lines on a page: one thin line per entry of widths, from the left edge given.
void DrawLines(QPainter& painter, qreal left, qreal top, qreal spacing,
               std::initializer_list<qreal> widths, const QColor& colour, qreal thickness = 1.0);

// A diagonal cross (×) of two bars of the given half width, reaching reach from its centre
// along each diagonal.
QPainterPath CrossPath(QPointF centre, qreal reach, qreal halfWidth);

// A cogwheel with its axle hole.
void DrawGear(QPainter& painter, QPointF centre, qreal radius, int teeth, const QColor& light,
              const QColor& dark);
// The earth: blue sea, green land, faint meridians.
void DrawGlobe(QPainter& painter, QPointF centre, qreal radius);

// A block arrow from tail to head, filled with a gradient across it and outlined.
void DrawArrow(QPainter& painter, QPointF tail, QPointF head, qreal shaftWidth, qreal headWidth,
               qreal headLength, const QColor& light, const QColor& dark);

// A bold letter or word in DejaVu Sans as a path, scaled so its ink fills the height of box
// and centred in it.
QPainterPath LetterPath(const QString& text, const QRectF& box);

// The lit copy of a button: a soft white glow behind it and its colours a little brighter.
QImage LitCopy(const QImage& normal);
// The greyed copy: no colour, lighter and partly transparent, as disabled buttons look.
QImage GreyedCopy(const QImage& normal);

}  // namespace spinfolio::drawing
