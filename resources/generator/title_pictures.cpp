// The pictures of the window frame: the title bar buttons, the tab pieces and the title strip.

#include <QLinearGradient>
#include <QPainterPathStroker>

#include "resources/drawing/canvas.h"
#include "resources/generator/picture_groups.h"
#include "resources/picture_names.h"

namespace spinfolio::generator {

using namespace spinfolio::drawing;
namespace {

enum class TitleButton { kClose, kAbout, kMinimize };

// The glyph of a title bar button as a filled path on the 16 × 16 grid.
QPainterPath Glyph(TitleButton button) {
  QPainterPathStroker stroker;
  stroker.setCapStyle(Qt::RoundCap);
  QPainterPath glyph;
  switch (button) {
    case TitleButton::kClose: {
      QPainterPath cross;
      cross.moveTo(4.8, 4.8);
      cross.lineTo(11.2, 11.2);
      cross.moveTo(11.2, 4.8);
      cross.lineTo(4.8, 11.2);
      stroker.setWidth(2.3);
      glyph = stroker.createStroke(cross);
      break;
    }
    case TitleButton::kAbout: {
      QPainterPath ring;
      ring.addEllipse(QPointF(8, 8), 5.0, 5.0);
      stroker.setWidth(1.3);
      glyph = stroker.createStroke(ring);
      glyph.addEllipse(QPointF(8, 5.4), 1.05, 1.05);
      glyph.addRoundedRect(QRectF(7.15, 7.1, 1.7, 4.3), 0.5, 0.5);
      break;
    }
    case TitleButton::kMinimize:
      glyph.addRoundedRect(QRectF(3.5, 10.0, 9.0, 2.6), 0.8, 0.8);
      break;
  }
  return glyph.simplified();
}

QImage TitleButtonPicture(TitleButton button, bool lit) {
  QImage image = NewCanvas(16, 16);
  QPainter painter(&image);
  Prepare(painter);
  const QRectF body(0.5, 0.5, 15, 15);

  // The button face: a calm blue a shade lighter than the bar, or a bright glowing face while
  // the mouse is over it (red for closing).
  QColor top(98, 134, 194);
  QColor bottom(50, 84, 142);
  QColor edge(22, 38, 76);
  if (lit && button == TitleButton::kClose) {
    top = QColor(255, 150, 128);
    bottom = QColor(206, 42, 30);
    edge = QColor(104, 16, 10);
  } else if (lit) {
    top = QColor(186, 222, 255);
    bottom = QColor(70, 134, 228);
    edge = QColor(18, 48, 112);
  }
  painter.setPen(OutlinePen(1.0, edge));
  painter.setBrush(Vertical(body, top, bottom));
  painter.drawRoundedRect(body, 3, 3);

  // A gloss over the upper half of the face.
  painter.setPen(Qt::NoPen);
  painter.setBrush(Vertical(QRectF(1, 1, 14, 7), QColor(255, 255, 255, lit ? 120 : 60),
                            QColor(255, 255, 255, lit ? 30 : 8)));
  painter.drawRoundedRect(QRectF(1.5, 1.5, 13, 6.5), 2.2, 2.2);

  // The glyph over a dark shadow, so it stands out on either face.
  const QPainterPath glyph = Glyph(button);
  painter.setBrush(QColor(10, 20, 50, lit ? 150 : 120));
  painter.drawPath(glyph.translated(0.6, 0.8));
  painter.setBrush(lit ? QColor(255, 255, 255) : QColor(214, 224, 240));
  painter.drawPath(glyph);
  painter.end();
  return image;
}

// A whole tab, 7 + 16 + 3 pixels wide, that the three pieces are cut from: rounded at the top
// left, a light edge inside its right border. The active tab is bright and runs into the page
// colour at its foot; the inactive one sits two pixels lower, flatter and darker, with the page
// edge along its foot.
QImage WholeTab(bool active) {
  constexpr int kWidth = 26;
  constexpr int kHeight = 22;
  QImage image = NewCanvas(kWidth, kHeight);
  QPainter painter(&image);
  Prepare(painter);
  const qreal top = active ? 0.5 : 2.5;
  const qreal right = kWidth - 0.5;
  QPainterPath shape;
  shape.moveTo(0.5, kHeight);
  shape.lineTo(0.5, top + 6);
  shape.quadTo(0.5, top, 6.5, top);
  shape.lineTo(right - 2, top);
  shape.quadTo(right, top, right, top + 2);
  shape.lineTo(right, kHeight);

  QLinearGradient fill(0, top, 0, kHeight);
  if (active) {
    fill.setColorAt(0.0, QColor(226, 236, 253));
    fill.setColorAt(0.35, QColor(184, 204, 244));
    fill.setColorAt(0.75, kPageBlue);
    fill.setColorAt(1.0, kPageBlue);
  } else {
    fill.setColorAt(0.0, QColor(128, 154, 208));
    fill.setColorAt(1.0, QColor(100, 130, 190));
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(fill);
  painter.drawPath(shape);

  // A light line just inside the top and left, and the light edge inside the right border.
  const QColor light(255, 255, 255, active ? 170 : 70);
  painter.setPen(QPen(light, 1.0));
  painter.setBrush(Qt::NoBrush);
  QPainterPath shine;
  shine.moveTo(1.5, kHeight);
  shine.lineTo(1.5, top + 6);
  shine.quadTo(1.5, top + 1, 6.5, top + 1);
  shine.lineTo(right - 2, top + 1);
  painter.drawPath(shine);
  painter.setPen(QPen(QColor(255, 255, 255, active ? 200 : 90), 1.0));
  painter.drawLine(QPointF(right - 1, top + 2), QPointF(right - 1, kHeight));

  painter.setPen(OutlinePen(1.0, active ? QColor(36, 58, 108) : QColor(52, 72, 122)));
  painter.drawPath(shape);
  if (!active) {
    // The top edge of the page, which the inactive tab stands behind.
    painter.setPen(QPen(QColor(58, 82, 136), 1.0));
    painter.drawLine(QPointF(0, kHeight - 0.5), QPointF(kWidth, kHeight - 0.5));
  }
  painter.end();
  return image;
}

QImage TitleStripPicture() {
  constexpr int kWidth = 644;
  constexpr int kHeight = 22;
  QImage image = NewCanvas(kWidth, kHeight);
  QPainter painter(&image);
  Prepare(painter);

  // The window blue, a little deeper at the left and lighter to the right.
  QLinearGradient across(0, 0, kWidth, 0);
  across.setColorAt(0.0, QColor(40, 70, 124));
  across.setColorAt(0.25, kTitleBlue);
  across.setColorAt(1.0, QColor(70, 110, 172));
  painter.fillRect(image.rect(), across);
  // A soft gloss over the upper half and a darker foot.
  QLinearGradient down(0, 0, 0, kHeight);
  down.setColorAt(0.0, QColor(255, 255, 255, 56));
  down.setColorAt(0.45, QColor(255, 255, 255, 14));
  down.setColorAt(0.55, QColor(0, 0, 0, 0));
  down.setColorAt(1.0, QColor(0, 0, 30, 40));
  painter.fillRect(image.rect(), down);

  // A faint disc at the left, cut by the edges of the strip.
  painter.setOpacity(0.26);
  DrawDisc(painter, QPointF(13, 11), 15, DiscFinish::kSilver);
  painter.setOpacity(1.0);

  painter.setPen(QPen(QColor(255, 255, 255, 70), 1.0));
  painter.drawLine(QPointF(0, 0.5), QPointF(kWidth, 0.5));
  painter.setPen(QPen(QColor(18, 34, 70), 1.0));
  painter.drawLine(QPointF(0, kHeight - 0.5), QPointF(kWidth, kHeight - 0.5));
  painter.end();
  return image;
}

}  // namespace

QList<NamedPicture> TitlePictures() {
  QList<NamedPicture> pictures;
  const struct {
    const char* name;
    TitleButton button;
  } buttons[] = {{"ID_CLS", TitleButton::kClose},
                 {"ID_INF", TitleButton::kAbout},
                 {"ID_MIN", TitleButton::kMinimize}};
  for (const auto& entry : buttons) {
    // "1" is the lit picture, "2" the normal one.
    pictures.append(
        {QLatin1String(entry.name) + QLatin1Char('1'), TitleButtonPicture(entry.button, true)});
    pictures.append(
        {QLatin1String(entry.name) + QLatin1Char('2'), TitleButtonPicture(entry.button, false)});
  }
  for (int active = 0; active < 2; ++active) {
    const QImage tab = WholeTab(active == 1);
    const QRect pieces[3] = {QRect(0, 0, 7, 22), QRect(7, 0, 16, 22), QRect(23, 0, 3, 22)};
    for (int piece = 0; piece < 3; ++piece) {
      pictures.append({picture_names::kTabPieces[active][piece], tab.copy(pieces[piece])});
    }
  }
  pictures.append({picture_names::kTitleStrip, TitleStripPicture()});
  return pictures;
}

}  // namespace spinfolio::generator
