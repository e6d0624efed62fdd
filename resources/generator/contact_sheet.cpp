#include "resources/generator/contact_sheet.h"

#include <QFont>
#include <QPainter>

#include "resources/picture_names.h"

namespace spinfolio::generator {
namespace {

QImage Find(const QList<NamedPicture>& pictures, const QString& name) {
  for (const NamedPicture& picture : pictures) {
    if (picture.name == name) return picture.image;
  }
  return {};
}

// An enlargement that keeps every pixel square, so the pixels can be judged.
QImage Enlarged(const QImage& image, int factor) {
  return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void Caption(QPainter& painter, int x, int y, const QString& text) {
  painter.setPen(Qt::black);
  painter.drawText(x, y, text);
}

}  // namespace

QImage ContactSheet(const QList<NamedPicture>& pictures) {
  constexpr int kWidth = 1180;
  constexpr int kHeight = 1400;
  QImage sheet(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
  sheet.fill(QColor(236, 233, 226));
  QPainter painter(&sheet);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(12);
  painter.setFont(font);
  int y = 20;

  // The icon strip at its real size on white and on the window grey, then each icon enlarged.
  const QImage strip = Find(pictures, picture_names::kIconStrip);
  Caption(painter, 10, y, QStringLiteral("icon strip, real size, on white and on grey"));
  painter.fillRect(10, y + 6, strip.width() + 8, 28, Qt::white);
  painter.drawImage(14, y + 12, strip);
  painter.fillRect(560, y + 6, strip.width() + 8, 28, QColor(200, 200, 200));
  painter.drawImage(564, y + 12, strip);
  y += 50;
  for (int slot = 0; slot < picture_names::kIconSlots; ++slot) {
    const int x = 10 + (slot % 16) * 72;
    const int top = y + (slot / 16) * 86;
    Caption(painter, x, top + 12, QString::number(slot));
    painter.fillRect(x, top + 16, 64, 64, Qt::white);
    painter.drawImage(x, top + 16,
                      Enlarged(strip.copy(slot * picture_names::kIconSize, 0,
                                          picture_names::kIconSize, picture_names::kIconSize),
                               4));
  }
  y += 2 * 86 + 10;

  // The title bar buttons on the title bar: normal and lit, real size and enlarged.
  Caption(painter, 10, y, QStringLiteral("title bar buttons: normal (2), lit (1)"));
  painter.fillRect(10, y + 6, kWidth - 20, 80, kTitleBlue);
  int x = 20;
  for (const char* name : {"ID_CLS", "ID_INF", "ID_MIN"}) {
    for (const char* state : {"2", "1"}) {
      const QImage button = Find(pictures, QLatin1String(name) + QLatin1String(state));
      painter.drawImage(x, y + 14, button);
      painter.drawImage(x + 24, y + 14, Enlarged(button, 4));
      x += 100;
    }
    x += 30;
  }
  y += 100;

  // The page buttons on the page: lit, normal and greyed, real size and doubled.
  Caption(painter, 10, y, QStringLiteral("page buttons: lit (1), normal (2), greyed"));
  painter.fillRect(10, y + 6, kWidth - 20, 5 * 110 + 10, kPageBlue);
  int row = y + 16;
  for (const char* name : {"ID_ZGE", "ID_ZIN", "ID_ZCL", "ID_ZDL", "ID_ZSW"}) {
    const QString base = QLatin1String(name);
    const QImage states[] = {Find(pictures, base + QLatin1Char('1')),
                             Find(pictures, base + QLatin1Char('2')),
                             Find(pictures, base + picture_names::kGreyedEnding)};
    Caption(painter, 20, row + 14, base);
    for (int i = 0; i < 3; ++i) {
      painter.drawImage(90 + i * 60, row, states[i]);
      painter.drawImage(290 + i * 110, row, Enlarged(states[i], 2));
    }
    row += 110;
  }
  y += 5 * 110 + 30;

  // Tabs put together as the window shows them: an active tab beside an inactive one, over the
  // page, real size and enlarged.
  Caption(painter, 10, y, QStringLiteral("tabs: active and inactive, over the page"));
  QImage tabs(220, 40, QImage::Format_ARGB32_Premultiplied);
  tabs.fill(QColor(212, 208, 200));
  {
    QPainter tabPainter(&tabs);
    tabPainter.fillRect(0, 22, 220, 18, kPageBlue);
    int left = 4;
    for (const int active : {1, 0, 0}) {
      const QImage pieceLeft = Find(pictures, picture_names::kTabPieces[active][0]);
      const QImage middle = Find(pictures, picture_names::kTabPieces[active][1]);
      const QImage pieceRight = Find(pictures, picture_names::kTabPieces[active][2]);
      tabPainter.drawImage(left, 0, pieceLeft);
      tabPainter.drawImage(QRect(left + 7, 0, 50, 22), middle);
      tabPainter.drawImage(left + 57, 0, pieceRight);
      left += 62;
    }
  }
  painter.drawImage(10, y + 8, tabs);
  painter.drawImage(250, y + 8, Enlarged(tabs, 4));
  y += 180;

  // The top of the main window: the title strip with its title and buttons (the middle one
  // lit), the tabs with the first one active, and the page with a lit and a greyed button.
  Caption(painter, 10, y, QStringLiteral("the top of the main window"));
  const int left = 10;
  const int top = y + 8;
  painter.fillRect(left, top, 644, 150, QColor(212, 208, 200));
  painter.drawImage(left, top, Find(pictures, picture_names::kTitleStrip));
  QFont title(QStringLiteral("DejaVu Sans"));
  title.setPixelSize(13);
  title.setBold(true);
  title.setItalic(true);
  painter.setFont(title);
  painter.setPen(Qt::white);
  painter.drawText(QRect(left, top, 644, 22), Qt::AlignCenter,
                   QStringLiteral("S p i n f o l i o   v 3 . 9 . 2"));
  painter.setFont(font);
  painter.drawImage(left + 575, top + 3, Find(pictures, QStringLiteral("ID_MIN2")));
  painter.drawImage(left + 599, top + 3, Find(pictures, QStringLiteral("ID_INF1")));
  painter.drawImage(left + 623, top + 3, Find(pictures, QStringLiteral("ID_CLS2")));
  painter.fillRect(left + 1, top + 44, 642, 106, kPageBlue);
  const int tabLefts[] = {0, 109, 218, 347, 456};
  const int tabWidths[] = {110, 110, 130, 110, 110};
  for (int tab = 4; tab >= 0; --tab) {
    const int active = tab == 0 ? 1 : 0;
    const int tabX = left + tabLefts[tab];
    const int w = tabWidths[tab];
    painter.drawImage(tabX, top + 23, Find(pictures, picture_names::kTabPieces[active][0]));
    painter.drawImage(QRect(tabX + 7, top + 23, w - 10, 22),
                      Find(pictures, picture_names::kTabPieces[active][1]));
    painter.drawImage(tabX + w - 3, top + 23, Find(pictures, picture_names::kTabPieces[active][2]));
    painter.setPen(active ? QColor(0, 0, 96) : QColor(235, 240, 255));
    painter.drawText(QRect(tabX, top + 23, w, 22), Qt::AlignCenter,
                     QStringLiteral("Tab %1").arg(tab));
  }
  painter.drawImage(left + 20, top + 84, Find(pictures, QStringLiteral("ID_ZGE1")));
  painter.drawImage(left + 80, top + 84, Find(pictures, QStringLiteral("ID_ZIN2")));
  painter.drawImage(left + 140, top + 84, Find(pictures, QStringLiteral("ID_ZCL_GREY")));
  painter.drawImage(left + 200, top + 84, Find(pictures, QStringLiteral("ID_ZDL2")));
  painter.drawImage(left + 260, top + 84, Find(pictures, QStringLiteral("ID_ZSW2")));
  y += 170;
  painter.drawImage(10, y,
                    Enlarged(Find(pictures, picture_names::kTitleStrip).copy(0, 0, 160, 22), 4));
  painter.end();
  return sheet;
}

}  // namespace spinfolio::generator
