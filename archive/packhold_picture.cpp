#include "archive/packhold_picture.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <algorithm>
#include <initializer_list>

namespace spinfolio::archive {
namespace {

// The picture is laid out on a 128 × 128 grid and scaled to the size asked for.
constexpr qreal kGrid = 128.0;

// The disc: its centre sits above the box so that its lower part has already gone in.
const QPointF kDiscCentre(58.0, 44.0);
constexpr qreal kDiscRadius = 36.0;
constexpr qreal kHoleRadius = 6.0;
constexpr qreal kClampRadius = 13.5;

// The box corners: the front face, the right side face and the back of the opening.
constexpr qreal kFrontLeft = 8.0;
constexpr qreal kFrontRight = 94.0;
constexpr qreal kFrontTop = 74.0;
constexpr qreal kFrontBottom = 122.0;
constexpr qreal kDepthX = 24.0;  // how far the back edges lie to the right
constexpr qreal kDepthY = 14.0;  // and how far up

const QColor kOutline(84, 52, 22);
const QColor kDiscEdge(88, 94, 108);

QPainterPath Polygon(std::initializer_list<QPointF> corners) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(corners)));
  path.closeSubpath();
  return path;
}

QPainterPath Circle(QPointF centre, qreal radius) {
  QPainterPath path;
  path.addEllipse(centre, radius, radius);
  return path;
}

// Strokes get thicker on the grid as the picture gets smaller, so edges stay visible in an icon.
qreal LineWidth(qreal gridWidth, qreal scale) { return std::max(gridWidth, 0.9 / scale); }

void DrawBoxBack(QPainter& painter, qreal scale) {
  const QPointF frontTopLeft(kFrontLeft, kFrontTop);
  const QPointF frontTopRight(kFrontRight, kFrontTop);
  const QPointF backTopLeft(kFrontLeft + kDepthX, kFrontTop - kDepthY);
  const QPointF backTopRight(kFrontRight + kDepthX, kFrontTop - kDepthY);
  painter.setPen(QPen(kOutline, LineWidth(1.6, scale), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

  // The back flap stands up behind the disc; the left one leans out.
  QLinearGradient flap(0, kFrontTop - 40, 0, kFrontTop);
  flap.setColorAt(0, QColor(226, 180, 112));
  flap.setColorAt(1, QColor(196, 146, 80));
  painter.setBrush(flap);
  painter.drawPath(Polygon(
      {backTopLeft, backTopRight, backTopRight + QPointF(4, -26), backTopLeft + QPointF(4, -26)}));
  painter.drawPath(Polygon(
      {frontTopLeft, backTopLeft, backTopLeft + QPointF(-22, -8), frontTopLeft + QPointF(-6, -6)}));

  // The inside of the box, dark towards the back.
  QLinearGradient inside(0, kFrontTop - kDepthY, 0, kFrontTop);
  inside.setColorAt(0, QColor(92, 56, 24));
  inside.setColorAt(1, QColor(128, 82, 38));
  painter.setBrush(inside);
  painter.drawPath(Polygon({frontTopLeft, frontTopRight, backTopRight, backTopLeft}));
}

void DrawDisc(QPainter& painter, qreal scale) {
  // The disc with its centre hole cut out, so the hole shows whatever lies behind it.
  QPainterPath disc = Circle(kDiscCentre, kDiscRadius);
  disc.addEllipse(kDiscCentre, kHoleRadius, kHoleRadius);
  disc.setFillRule(Qt::OddEvenFill);

  // Polished silver, brighter towards the upper left.
  QRadialGradient silver(kDiscCentre, kDiscRadius, kDiscCentre + QPointF(-12, -14));
  silver.setColorAt(0.0, QColor(252, 252, 255));
  silver.setColorAt(0.55, QColor(214, 218, 226));
  silver.setColorAt(1.0, QColor(160, 166, 180));
  painter.setPen(Qt::NoPen);
  painter.setBrush(silver);
  painter.drawPath(disc);

  // The rainbow sheen of the data area: two sweeps of colour facing each other.
  QPainterPath data = Circle(kDiscCentre, kDiscRadius - 1.5);
  data.addEllipse(kDiscCentre, kClampRadius + 2, kClampRadius + 2);
  data.setFillRule(Qt::OddEvenFill);
  QConicalGradient rainbow(kDiscCentre, 30);
  const QColor colours[] = {QColor(255, 60, 60), QColor(255, 200, 40), QColor(80, 220, 90),
                            QColor(40, 170, 255), QColor(170, 80, 255)};
  for (int half = 0; half < 2; ++half) {
    const qreal start = half * 0.5;
    rainbow.setColorAt(start, QColor(255, 255, 255, 0));
    for (int i = 0; i < 5; ++i) {
      QColor colour = colours[i];
      colour.setAlpha(150);
      rainbow.setColorAt(start + 0.06 + i * 0.045, colour);
    }
    rainbow.setColorAt(start + 0.30, QColor(255, 255, 255, 0));
    rainbow.setColorAt(start + 0.499, QColor(255, 255, 255, 0));
  }
  painter.setBrush(rainbow);
  painter.drawPath(data);

  // A white glint across the disc.
  QConicalGradient glint(kDiscCentre, 120);
  glint.setColorAt(0.00, QColor(255, 255, 255, 0));
  glint.setColorAt(0.04, QColor(255, 255, 255, 200));
  glint.setColorAt(0.09, QColor(255, 255, 255, 0));
  glint.setColorAt(0.50, QColor(255, 255, 255, 0));
  glint.setColorAt(0.54, QColor(255, 255, 255, 170));
  glint.setColorAt(0.59, QColor(255, 255, 255, 0));
  glint.setColorAt(1.00, QColor(255, 255, 255, 0));
  painter.setBrush(glint);
  painter.drawPath(data);

  // The clear plastic ring round the hole, with its stacking ridge.
  QPainterPath clamp = Circle(kDiscCentre, kClampRadius);
  clamp.addEllipse(kDiscCentre, kHoleRadius, kHoleRadius);
  clamp.setFillRule(Qt::OddEvenFill);
  painter.setBrush(QColor(236, 240, 246, 230));
  painter.drawPath(clamp);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(150, 156, 170), LineWidth(0.8, scale)));
  painter.drawEllipse(kDiscCentre, kClampRadius, kClampRadius);
  if (scale >= 0.5) painter.drawEllipse(kDiscCentre, kHoleRadius + 3.5, kHoleRadius + 3.5);

  painter.setPen(QPen(kDiscEdge, LineWidth(1.4, scale)));
  painter.drawEllipse(kDiscCentre, kDiscRadius, kDiscRadius);
  painter.drawEllipse(kDiscCentre, kHoleRadius, kHoleRadius);
}

void DrawBoxFront(QPainter& painter, qreal scale) {
  const QPointF frontTopLeft(kFrontLeft, kFrontTop);
  const QPointF frontTopRight(kFrontRight, kFrontTop);
  const QPointF frontBottomLeft(kFrontLeft, kFrontBottom);
  const QPointF frontBottomRight(kFrontRight, kFrontBottom);
  const QPointF depth(kDepthX, -kDepthY);
  painter.setPen(QPen(kOutline, LineWidth(1.6, scale), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

  // The right side, in shade.
  QLinearGradient side(kFrontRight, 0, kFrontRight + kDepthX, 0);
  side.setColorAt(0, QColor(170, 116, 56));
  side.setColorAt(1, QColor(148, 98, 44));
  painter.setBrush(side);
  painter.drawPath(
      Polygon({frontTopRight, frontTopRight + depth, frontBottomRight + depth, frontBottomRight}));

  // The front face, lit.
  QLinearGradient front(0, kFrontTop, 0, kFrontBottom);
  front.setColorAt(0, QColor(222, 170, 98));
  front.setColorAt(1, QColor(196, 140, 72));
  painter.setBrush(front);
  painter.drawPath(Polygon({frontTopLeft, frontTopRight, frontBottomRight, frontBottomLeft}));

  // The right flap leans out over the side; the front flap folds down towards the viewer.
  painter.setBrush(QColor(206, 154, 84));
  painter.drawPath(
      Polygon({frontTopRight, frontTopRight + depth, frontTopRight + depth + QPointF(8, 8),
               frontTopRight + QPointF(8, 10)}));
  QLinearGradient frontFlap(0, kFrontTop, 0, kFrontTop + 12);
  frontFlap.setColorAt(0, QColor(236, 192, 124));
  frontFlap.setColorAt(1, QColor(214, 162, 92));
  painter.setBrush(frontFlap);
  painter.drawPath(Polygon({frontTopLeft, frontTopRight, frontTopRight + QPointF(-4, 12),
                            frontTopLeft + QPointF(-4, 12)}));

  // A white archive label on the front face, with two written lines.
  const QRectF label(kFrontLeft + 24, kFrontTop + 20, 38, 18);
  painter.setPen(QPen(QColor(120, 84, 40), LineWidth(1.0, scale)));
  painter.setBrush(QColor(250, 246, 234));
  painter.drawRoundedRect(label, 2, 2);
  if (scale >= 0.5) {
    painter.setPen(QPen(QColor(60, 70, 110), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(label.left() + 6, label.top() + 6),
                     QPointF(label.right() - 6, label.top() + 6));
    painter.drawLine(QPointF(label.left() + 6, label.top() + 12),
                     QPointF(label.right() - 14, label.top() + 12));
  }
}

}  // namespace

QPixmap PackholdPicture(int size) {
  QPixmap picture(size, size);
  picture.fill(Qt::transparent);
  const qreal scale = size / kGrid;
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(scale, scale);
  // Back to front: the open box, the disc going in, then the box front hiding its lower part.
  DrawBoxBack(painter, scale);
  DrawDisc(painter, scale);
  DrawBoxFront(painter, scale);
  return picture;
}

}  // namespace spinfolio::archive
