#include "resources/drawing/canvas.h"

#include <QConicalGradient>
#include <QFont>
#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace spinfolio::drawing {

QImage NewCanvas(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

void Prepare(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QImage DrawnPicture(int size, Drawing draw) {
  QImage image = NewCanvas(size, size);
  QPainter painter(&image);
  Prepare(painter);
  draw(painter);
  painter.end();
  return image;
}

QPen OutlinePen(qreal width, const QColor& colour) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

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

QLinearGradient Vertical(const QRectF& rect, const QColor& top, const QColor& bottom) {
  QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
  gradient.setColorAt(0, top);
  gradient.setColorAt(1, bottom);
  return gradient;
}

void DrawDisc(QPainter& painter, QPointF centre, qreal radius, DiscFinish finish) {
  const bool small = radius < 10;
  const qreal hole = std::max(1.3, radius * 0.16);
  const qreal clampRadius = radius * 0.4;
  const qreal edgeWidth = small ? 1.0 : std::max(1.0, radius / 12);
  const qreal outer = radius - edgeWidth / 2;  // the outline stays inside the radius given

  QPainterPath disc = Circle(centre, outer);
  disc.addEllipse(centre, hole, hole);
  disc.setFillRule(Qt::OddEvenFill);

  // The base finish, brighter towards the upper left.
  QRadialGradient base(centre, outer, centre + QPointF(-outer * 0.35, -outer * 0.4));
  if (finish == DiscFinish::kSilver) {
    base.setColorAt(0.0, QColor(252, 252, 255));
    base.setColorAt(0.55, QColor(212, 217, 227));
    base.setColorAt(1.0, QColor(156, 163, 180));
  } else {
    base.setColorAt(0.0, QColor(255, 246, 196));
    base.setColorAt(0.55, QColor(238, 198, 92));
    base.setColorAt(1.0, QColor(186, 132, 36));
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(base);
  painter.drawPath(disc);

  // The rainbow sheen of the data area: two sweeps of colour facing each other.
  QPainterPath data = Circle(centre, outer - edgeWidth * 0.6);
  data.addEllipse(centre, clampRadius, clampRadius);
  data.setFillRule(Qt::OddEvenFill);
  QConicalGradient rainbow(centre, 30);
  const QColor silverColours[] = {QColor(255, 60, 60), QColor(255, 200, 40), QColor(80, 220, 90),
                                  QColor(40, 170, 255), QColor(170, 80, 255)};
  const QColor goldColours[] = {QColor(255, 120, 40), QColor(255, 220, 90), QColor(255, 250, 200),
                                QColor(230, 150, 40), QColor(200, 90, 30)};
  const QColor* colours = finish == DiscFinish::kSilver ? silverColours : goldColours;
  for (int half = 0; half < 2; ++half) {
    const qreal start = half * 0.5;
    rainbow.setColorAt(start, QColor(255, 255, 255, 0));
    for (int i = 0; i < 5; ++i) {
      QColor colour = colours[i];
      colour.setAlpha(small ? 190 : 150);
      rainbow.setColorAt(start + 0.06 + i * 0.045, colour);
    }
    rainbow.setColorAt(start + 0.30, QColor(255, 255, 255, 0));
    rainbow.setColorAt(start + 0.499, QColor(255, 255, 255, 0));
  }
  painter.setBrush(rainbow);
  painter.drawPath(data);

  // A white glint across the disc.
  QConicalGradient glint(centre, 120);
  glint.setColorAt(0.00, QColor(255, 255, 255, 0));
  glint.setColorAt(0.04, QColor(255, 255, 255, 210));
  glint.setColorAt(0.09, QColor(255, 255, 255, 0));
  glint.setColorAt(0.50, QColor(255, 255, 255, 0));
  glint.setColorAt(0.54, QColor(255, 255, 255, 180));
  glint.setColorAt(0.59, QColor(255, 255, 255, 0));
  glint.setColorAt(1.00, QColor(255, 255, 255, 0));
  painter.setBrush(glint);
  painter.drawPath(data);

  // The clear plastic ring round the hole.
  QPainterPath clamp = Circle(centre, clampRadius);
  clamp.addEllipse(centre, hole, hole);
  clamp.setFillRule(Qt::OddEvenFill);
  painter.setBrush(finish == DiscFinish::kSilver ? QColor(236, 240, 248, 235)
                                                 : QColor(250, 240, 210, 235));
  painter.drawPath(clamp);
  painter.setBrush(Qt::NoBrush);
  const QColor ring = finish == DiscFinish::kSilver ? QColor(140, 148, 166) : QColor(176, 130, 50);
  if (!small) {
    painter.setPen(QPen(ring, std::max(0.8, radius / 20)));
    painter.drawEllipse(centre, clampRadius, clampRadius);
    painter.drawEllipse(centre, (clampRadius + hole) / 2, (clampRadius + hole) / 2);
  }

  // Dark edges outside and round the hole.
  const QColor edge = finish == DiscFinish::kSilver ? QColor(74, 80, 98) : QColor(120, 80, 20);
  painter.setPen(QPen(edge, edgeWidth));
  painter.drawEllipse(centre, outer, outer);
  painter.setPen(QPen(edge, small ? 0.8 : edgeWidth));
  painter.drawEllipse(centre, hole, hole);
}

QPainterPath PagePath(const QRectF& rect, qreal fold) {
  return Polygon({rect.topLeft(), QPointF(rect.right() - fold, rect.top()),
                  QPointF(rect.right(), rect.top() + fold), rect.bottomRight(), rect.bottomLeft()});
}

void DrawPage(QPainter& painter, const QRectF& rect, qreal fold, const QColor& paper) {
  QLinearGradient fill(rect.topLeft(), rect.bottomRight());
  fill.setColorAt(0, paper.lighter(104));
  fill.setColorAt(1, paper.darker(110));
  painter.setPen(OutlinePen(1.0, QColor(70, 76, 96)));
  painter.setBrush(fill);
  painter.drawPath(PagePath(rect, fold));
  if (fold > 0) {
    // The folded-over corner, in shade.
    painter.setBrush(paper.darker(125));
    painter.drawPath(Polygon({QPointF(rect.right() - fold, rect.top()),
                              QPointF(rect.right() - fold, rect.top() + fold),
                              QPointF(rect.right(), rect.top() + fold)}));
  }
}

void DrawLines(QPainter& painter, qreal left, qreal top, qreal spacing,
               std::initializer_list<qreal> widths, const QColor& colour, qreal thickness) {
  painter.setPen(QPen(colour, thickness, Qt::SolidLine, Qt::FlatCap));
  qreal y = top;
  for (qreal width : widths) {
    painter.drawLine(QPointF(left, y), QPointF(left + width, y));
    y += spacing;
  }
}

QPainterPath CrossPath(QPointF centre, qreal reach, qreal halfWidth) {
  // A plus of twelve corners, turned by 45 degrees.
  const qreal l = reach;
  const qreal w = halfWidth;
  const QPainterPath plus = Polygon({{-w, -l},
                                     {w, -l},
                                     {w, -w},
                                     {l, -w},
                                     {l, w},
                                     {w, w},
                                     {w, l},
                                     {-w, l},
                                     {-w, w},
                                     {-l, w},
                                     {-l, -w},
                                     {-w, -w}});
  return QTransform().translate(centre.x(), centre.y()).rotate(45).map(plus);
}

void DrawGear(QPainter& painter, QPointF centre, qreal radius, int teeth, const QColor& light,
              const QColor& dark) {
  // Each tooth is a trapezium: wide at the rim, narrower at its tip.
  const qreal rim = radius * 0.72;
  QPolygonF outline;
  for (int i = 0; i < teeth; ++i) {
    const qreal step = 2 * M_PI / teeth;
    const qreal a = i * step;
    const auto at = [&](qreal angle, qreal r) {
      return centre + QPointF(std::cos(angle) * r, std::sin(angle) * r);
    };
    outline << at(a - step * 0.30, rim) << at(a - step * 0.17, radius)
            << at(a + step * 0.17, radius) << at(a + step * 0.30, rim);
  }
  QPainterPath gear;
  gear.addPolygon(outline);
  gear.closeSubpath();
  const qreal axle = radius * 0.3;
  gear.addEllipse(centre, axle, axle);
  gear.setFillRule(Qt::OddEvenFill);
  QLinearGradient fill(centre - QPointF(radius, radius), centre + QPointF(radius, radius));
  fill.setColorAt(0, light);
  fill.setColorAt(1, dark);
  painter.setPen(OutlinePen(radius < 6 ? 0.9 : 1.2, dark.darker(170)));
  painter.setBrush(fill);
  painter.drawPath(gear);
}

void DrawGlobe(QPainter& painter, QPointF centre, qreal radius) {
  QRadialGradient sea(centre, radius, centre + QPointF(-radius * 0.4, -radius * 0.4));
  sea.setColorAt(0, QColor(150, 210, 255));
  sea.setColorAt(0.6, QColor(40, 120, 220));
  sea.setColorAt(1, QColor(20, 70, 160));
  painter.setPen(Qt::NoPen);
  painter.setBrush(sea);
  painter.drawEllipse(centre, radius, radius);

  // Two continents, clipped to the globe.
  painter.save();
  painter.setClipPath(Circle(centre, radius));
  const qreal r = radius;
  QPainterPath land =
      Polygon({centre + QPointF(-0.9 * r, -0.5 * r), centre + QPointF(-0.2 * r, -0.9 * r),
               centre + QPointF(0.1 * r, -0.4 * r), centre + QPointF(-0.3 * r, 0.1 * r),
               centre + QPointF(-0.1 * r, 0.8 * r), centre + QPointF(-0.6 * r, 0.4 * r)});
  land.addPath(Polygon({centre + QPointF(0.4 * r, -0.1 * r), centre + QPointF(0.95 * r, 0.0),
                        centre + QPointF(0.7 * r, 0.7 * r), centre + QPointF(0.3 * r, 0.5 * r)}));
  painter.setBrush(QColor(70, 180, 70));
  painter.drawPath(land);
  // Faint meridian and equator.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(255, 255, 255, 90), 0.7));
  painter.drawEllipse(centre, radius * 0.45, radius);
  painter.drawLine(centre - QPointF(radius, 0), centre + QPointF(radius, 0));
  painter.restore();

  painter.setPen(OutlinePen(radius < 6 ? 0.9 : 1.2, QColor(16, 50, 110)));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, radius, radius);
}

void DrawArrow(QPainter& painter, QPointF tail, QPointF head, qreal shaftWidth, qreal headWidth,
               qreal headLength, const QColor& light, const QColor& dark) {
  const QPointF line = head - tail;
  const qreal length = std::hypot(line.x(), line.y());
  const QPointF along = line / length;
  const QPointF across(-along.y(), along.x());
  const QPointF neck = head - along * headLength;
  const QPointF shaft = across * (shaftWidth / 2);
  const QPointF wing = across * (headWidth / 2);
  QLinearGradient fill(tail + wing, tail - wing);
  fill.setColorAt(0, light);
  fill.setColorAt(1, dark);
  painter.setPen(OutlinePen(headWidth < 10 ? 1.0 : 1.3, dark.darker(160)));
  painter.setBrush(fill);
  painter.drawPath(Polygon(
      {tail + shaft, neck + shaft, neck + wing, head, neck - wing, neck - shaft, tail - shaft}));
}

QPainterPath LetterPath(const QString& text, const QRectF& box) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(100);
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF ink = path.boundingRect();
  const qreal scale = box.height() / ink.height();
  QTransform transform;
  transform.translate(box.center().x(), box.center().y());
  transform.scale(scale, scale);
  transform.translate(-ink.center().x(), -ink.center().y());
  return transform.map(path);
}

namespace {

// Moves every colour part of the way towards white, keeping the transparency.
QImage Lightened(const QImage& source, qreal amount) {
  QImage image = source.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = line[x];
      const auto lift = [amount](int channel) {
        return qRound(channel + (255 - channel) * amount);
      };
      line[x] = qRgba(lift(qRed(pixel)), lift(qGreen(pixel)), lift(qBlue(pixel)), qAlpha(pixel));
    }
  }
  return image;
}

}  // namespace

QImage LitCopy(const QImage& normal) {
  QImage lit = NewCanvas(normal.width(), normal.height());
  QPainter painter(&lit);
  Prepare(painter);

  // A soft round glow behind the whole button.
  const QPointF centre(normal.width() / 2.0, normal.height() / 2.0);
  const qreal radius = std::min(normal.width(), normal.height()) / 2.0;
  QRadialGradient halo(centre, radius);
  halo.setColorAt(0.0, QColor(255, 255, 235, 190));
  halo.setColorAt(0.55, QColor(255, 255, 225, 110));
  halo.setColorAt(1.0, QColor(255, 255, 220, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(halo);
  painter.drawEllipse(centre, radius, radius);

  // A bright rim that hugs the shapes: their silhouette, in white, spread round them.
  QImage silhouette = normal.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  {
    QPainter tint(&silhouette);
    tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
    tint.fillRect(silhouette.rect(), QColor(255, 255, 240));
  }
  painter.setOpacity(0.35);
  for (int i = 0; i < 12; ++i) {
    const qreal angle = i * M_PI / 6;
    painter.drawImage(QPointF(std::cos(angle) * 1.6, std::sin(angle) * 1.6), silhouette);
  }
  painter.setOpacity(1.0);

  painter.drawImage(0, 0, Lightened(normal, 0.18));
  painter.end();
  return lit;
}

QImage GreyedCopy(const QImage& normal) {
  QImage image = normal.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = line[x];
      const qreal luminance = 0.299 * qRed(pixel) + 0.587 * qGreen(pixel) + 0.114 * qBlue(pixel);
      const int grey = qRound(110 + luminance * 0.56);
      line[x] = qRgba(grey, grey, grey, qRound(qAlpha(pixel) * 0.8));
    }
  }
  return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace spinfolio::drawing
