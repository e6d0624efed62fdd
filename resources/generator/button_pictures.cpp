// The 48 × 48 buttons of the management page, with their lit and greyed copies.

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QTransform>
#include <cmath>

#include "resources/drawing/canvas.h"
#include "resources/generator/picture_groups.h"
#include "resources/picture_names.h"

namespace spinfolio::generator {

using namespace spinfolio::drawing;
namespace {

// A thick curved arrow along a quadratic curve, its head at the end.
void DrawCurvedArrow(QPainter& painter, QPointF from, QPointF control, QPointF to,
                     const QColor& light, const QColor& dark) {
  QPainterPath curve;
  curve.moveTo(from);
  curve.quadTo(control, to);
  QPainterPathStroker stroker;
  stroker.setWidth(4.6);
  stroker.setCapStyle(Qt::FlatCap);
  QPainterPath arrow = stroker.createStroke(curve);

  // The head points along the curve's last direction.
  QPointF along = to - control;
  along /= std::hypot(along.x(), along.y());
  const QPointF across(-along.y(), along.x());
  arrow.addPath(Polygon({to + across * 5.5, to + along * 7.0, to - across * 5.5}));
  arrow = arrow.simplified();

  QLinearGradient fill(from, to);
  fill.setColorAt(0, light);
  fill.setColorAt(1, dark);
  painter.setPen(OutlinePen(1.2, dark.darker(170)));
  painter.setBrush(fill);
  painter.drawPath(arrow);
}

// Reading a disc's content: the disc, a green arrow out of it into a content list.
void DrawRead(QPainter& painter) {
  // The content list: a card with folder and file rows.
  const QRectF card(21.5, 9.5, 24, 36);
  painter.setPen(OutlinePen(1.2, QColor(60, 70, 100)));
  painter.setBrush(Vertical(card, QColor(255, 255, 255), QColor(222, 230, 244)));
  painter.drawRoundedRect(card, 2, 2);
  for (int row = 0; row < 5; ++row) {
    const qreal y = 14 + row * 6;
    const bool folder = row < 2;
    const qreal indent = row == 0 ? 0 : 3;
    painter.setPen(OutlinePen(0.8, folder ? QColor(150, 110, 20) : QColor(70, 90, 140)));
    painter.setBrush(folder ? QColor(250, 206, 80) : QColor(236, 242, 255));
    painter.drawRect(QRectF(29 + indent, y, 4, 3.5));
    painter.setPen(QPen(QColor(80, 90, 120), 1.3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(35 + indent, y + 1.8), QPointF(43, y + 1.8));
  }
  DrawDisc(painter, QPointF(14.5, 15.5), 13.5, DiscFinish::kSilver);
  DrawArrow(painter, QPointF(4, 38), QPointF(31, 38), 6, 13, 8, QColor(150, 236, 120),
            QColor(30, 150, 40));
}

// Entering a disc's data: an index card in front of the disc, a pencil writing on it.
void DrawEnter(QPainter& painter) {
  DrawDisc(painter, QPointF(32, 15), 13.5, DiscFinish::kSilver);

  const QRectF card(3.5, 17.5, 34, 26);
  painter.setPen(OutlinePen(1.2, QColor(110, 94, 50)));
  painter.setBrush(Vertical(card, QColor(255, 252, 230), QColor(242, 232, 190)));
  painter.drawRoundedRect(card, 1.5, 1.5);
  // The card's red header rule and its blue lines, the last one half written.
  painter.setPen(QPen(QColor(210, 60, 60), 1.4));
  painter.drawLine(QPointF(5, 23.5), QPointF(36, 23.5));
  DrawLines(painter, 6, 29.5, 5, {27, 27, 12}, QColor(90, 120, 200), 1.2);
  painter.setPen(QPen(QColor(40, 40, 60), 1.3, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(7, 22), QPointF(18, 22));

  // The pencil, lying from the upper right down to its tip on the last line.
  painter.save();
  painter.translate(15, 40);
  painter.rotate(-42);
  const qreal w = 3.6;  // half the pencil's thickness
  painter.setPen(OutlinePen(1.1, QColor(70, 50, 20)));
  // The sharpened wood and the lead.
  painter.setBrush(QColor(240, 206, 150));
  painter.drawPath(Polygon({QPointF(0, 0), QPointF(8, -w), QPointF(8, w)}));
  painter.setBrush(QColor(50, 50, 60));
  painter.drawPath(Polygon({QPointF(0, 0), QPointF(3, -1.35), QPointF(3, 1.35)}));
  // The painted body, the metal band and the eraser.
  QLinearGradient body(0, -w, 0, w);
  body.setColorAt(0, QColor(255, 230, 90));
  body.setColorAt(0.5, QColor(250, 196, 30));
  body.setColorAt(1, QColor(196, 130, 10));
  painter.setBrush(body);
  painter.drawRect(QRectF(8, -w, 19, 2 * w));
  const QRectF band(27, -w, 3.5, 2 * w);
  painter.setBrush(Vertical(band, QColor(230, 232, 240), QColor(140, 144, 160)));
  painter.drawRect(band);
  const QRectF eraser(30.5, -w, 4.5, 2 * w);
  painter.setBrush(Vertical(eraser, QColor(255, 170, 180), QColor(210, 100, 120)));
  painter.drawRoundedRect(eraser, 1.5, 1.5);
  painter.restore();
}

// Clearing the fields of a new disc: a form with empty fields, an eraser rubbing it clean.
void DrawClear(QPainter& painter) {
  const QRectF form(4.5, 3.5, 30, 40);
  DrawPage(painter, form, 0, QColor(250, 252, 255));
  // The labels and the fields; the lower fields are already rubbed empty.
  for (int row = 0; row < 4; ++row) {
    const qreal y = 8 + row * 9;
    painter.setPen(QPen(QColor(80, 90, 120), 1.3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(8, y + 2), QPointF(14, y + 2));
    painter.setPen(OutlinePen(1.0, QColor(90, 120, 180)));
    painter.setBrush(QColor(228, 238, 255));
    painter.drawRect(QRectF(16.5, y - 0.5, 15, 5));
    if (row < 2) {
      painter.setPen(QPen(QColor(40, 40, 70), 1.2, Qt::SolidLine, Qt::RoundCap));
      painter.drawLine(QPointF(18.5, y + 2), QPointF(row == 0 ? 29 : 25, y + 2));
    }
  }
  // Crumbs rubbed off, and a sparkle where the form is clean.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(230, 120, 140));
  for (const QPointF crumb : {QPointF(16, 42), QPointF(20, 44.5), QPointF(13, 44)}) {
    painter.drawEllipse(crumb, 1.1, 1.1);
  }
  QPainterPath sparkle;
  sparkle.moveTo(10, 30);
  sparkle.quadTo(11, 34, 15, 35);
  sparkle.quadTo(11, 36, 10, 40);
  sparkle.quadTo(9, 36, 5, 35);
  sparkle.quadTo(9, 34, 10, 30);
  painter.setPen(OutlinePen(0.8, QColor(200, 150, 20)));
  painter.setBrush(QColor(255, 236, 120));
  painter.drawPath(sparkle);

  // The eraser, tilted, its sleeve blue and its rubbing end pink.
  painter.save();
  painter.translate(33, 36);
  painter.rotate(-34);
  const QRectF block(-12, -6, 25, 12);
  painter.setPen(OutlinePen(1.2, QColor(90, 40, 50)));
  painter.setBrush(Vertical(block, QColor(255, 190, 200), QColor(220, 110, 130)));
  painter.drawRoundedRect(block, 2, 2);
  const QRectF sleeve(-2, -6, 15, 12);
  painter.setPen(OutlinePen(1.2, QColor(20, 40, 100)));
  painter.setBrush(Vertical(sleeve, QColor(120, 170, 255), QColor(30, 80, 190)));
  painter.drawRoundedRect(sleeve, 2, 2);
  painter.setPen(QPen(QColor(255, 255, 255, 150), 1.2));
  painter.drawLine(QPointF(-10, -4), QPointF(11, -4));
  painter.restore();
}

// Removing a disc: the disc with a red cross over it.
void DrawRemove(QPainter& painter) {
  DrawDisc(painter, QPointF(20, 20), 18, DiscFinish::kSilver);
  const QPainterPath cross = CrossPath(QPointF(34, 34), 12, 3.4);
  QLinearGradient fill(24, 24, 44, 44);
  fill.setColorAt(0, QColor(255, 130, 110));
  fill.setColorAt(1, QColor(196, 20, 20));
  painter.setPen(OutlinePen(1.4, QColor(100, 10, 10)));
  painter.setBrush(fill);
  painter.drawPath(cross);
}

// Reordering discs: two discs changing places along two curved arrows.
void DrawSwap(QPainter& painter) {
  DrawDisc(painter, QPointF(14, 14), 12, DiscFinish::kSilver);
  DrawDisc(painter, QPointF(34, 34), 12, DiscFinish::kGold);
  DrawCurvedArrow(painter, QPointF(27, 8), QPointF(40, 7), QPointF(41.5, 17.5),
                  QColor(140, 200, 255), QColor(30, 90, 200));
  DrawCurvedArrow(painter, QPointF(21, 40), QPointF(8, 41), QPointF(6.5, 30.5),
                  QColor(140, 200, 255), QColor(30, 90, 200));
}

}  // namespace

QList<NamedPicture> ButtonPictures() {
  const struct {
    const char* name;
    Drawing draw;
  } buttons[] = {{"ID_ZGE", DrawRead},
                 {"ID_ZIN", DrawEnter},
                 {"ID_ZCL", DrawClear},
                 {"ID_ZDL", DrawRemove},
                 {"ID_ZSW", DrawSwap}};
  QList<NamedPicture> pictures;
  for (const auto& button : buttons) {
    const QString name = QLatin1String(button.name);
    const QImage normal = DrawnPicture(48, button.draw);
    // "1" is the lit picture, "2" the normal one.
    pictures.append({name + QLatin1Char('1'), LitCopy(normal)});
    pictures.append({name + QLatin1Char('2'), normal});
    pictures.append({name + picture_names::kGreyedEnding, GreyedCopy(normal)});
  }
  return pictures;
}

}  // namespace spinfolio::generator
