#include "archive/packhold_picture.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <algorithm>
#include <initializer_list>

#include "resources/drawing/canvas.h"

namespace spinfolio::archive {
namespace {

using drawing::Circle;
using drawing::Polygon;

// The picture is laid out on a 128 × 128 grid and scaled to the size asked for.
constexpr qreal kGrid = 128.0;

// The disc: its centre sits above the box so that its lower part has already gone in.
const QPointF kDiscCentre(58.0, 44.0);
constexpr qreal kDiscRadius = 36.0;

// The box corners: the front face, the right side face and the back of the opening.
constexpr qreal kFrontLeft = 8.0;
constexpr qreal kFrontRight = 94.0;
constexpr qreal kFrontTop = 74.0;
constexpr qreal kFrontBottom = 122.0;
constexpr qreal kDepthX = 24.0;  // how far the back edges lie to the right
constexpr qreal kDepthY = 14.0;  // and how far up

const QColor kOutline(84, 52, 22);

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

void DrawDisc(QPainter& painter) {
  drawing::DrawDisc(painter, kDiscCentre, kDiscRadius, drawing::DiscFinish::kSilver);
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
  DrawDisc(painter);
  DrawBoxFront(painter, scale);
  return picture;
}

}  // namespace spinfolio::archive
