// The pictures load from the resources linked in with the sizes the window lays them out for,
// and their states and icons can be told apart.

#include "resources/pictures.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>
#include <array>
#include <vector>

namespace spinfolio {
namespace {

QImage Pixels(const QPixmap& pixmap) {
  return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

struct Button {
  const char* base;
  int size;
};

// The buttons with a lit ("1") and a normal ("2") bitmap.
constexpr std::array<Button, 8> kButtons = {{{"ID_CLS", 16},
                                             {"ID_INF", 16},
                                             {"ID_MIN", 16},
                                             {"ID_ZGE", 48},
                                             {"ID_ZIN", 48},
                                             {"ID_ZCL", 48},
                                             {"ID_ZDL", 48},
                                             {"ID_ZSW", 48}}};

TEST(Pictures, EveryButtonLoadsLitAndNormalAtItsSizeAndTheyDiffer) {
  for (const Button& button : kButtons) {
    SCOPED_TRACE(button.base);
    const QPixmap lit = ProgramBitmap(QLatin1String(button.base) + QLatin1Char('1'));
    const QPixmap normal = ProgramBitmap(QLatin1String(button.base) + QLatin1Char('2'));
    ASSERT_FALSE(lit.isNull());
    ASSERT_FALSE(normal.isNull());
    EXPECT_EQ(lit.size(), QSize(button.size, button.size));
    EXPECT_EQ(normal.size(), QSize(button.size, button.size));
    EXPECT_NE(Pixels(lit), Pixels(normal));
  }
}

TEST(Pictures, GreyedButtonsAreLighterAndWithoutColour) {
  for (const Button& button : kButtons) {
    if (button.size != 48) continue;
    const QString base = QLatin1String(button.base);
    SCOPED_TRACE(button.base);
    const QImage normal = Pixels(ProgramBitmap(base + QLatin1Char('2')));
    const QImage greyed = Pixels(GreyedBitmap(base));
    ASSERT_EQ(greyed.size(), QSize(48, 48));
    EXPECT_NE(greyed, normal);
    // Every name of the button leads to the same greyed copy.
    EXPECT_EQ(Pixels(GreyedBitmap(base + QLatin1Char('2'))), greyed);
    EXPECT_EQ(Pixels(ProgramBitmap(base + QStringLiteral("_GREY"))), greyed);

    int greatestSaturation = 0;
    qint64 normalLightness = 0;
    qint64 greyedLightness = 0;
    for (int y = 0; y < 48; ++y) {
      for (int x = 0; x < 48; ++x) {
        const QColor grey = greyed.pixelColor(x, y);
        if (grey.alpha() > 40)
          greatestSaturation = std::max(greatestSaturation, grey.hslSaturation());
        if (normal.pixelColor(x, y).alpha() > 40) {
          normalLightness += normal.pixelColor(x, y).lightness();
          greyedLightness += grey.lightness();
        }
      }
    }
    EXPECT_LE(greatestSaturation, 20);
    EXPECT_GT(greyedLightness, normalLightness);
  }
}

// Each 16 × 16 picture is really drawn (more than 30 opaque pixels) and no two are alike.
void ExpectDrawnAndDifferent(const std::vector<QPixmap>& pictures) {
  std::vector<QImage> images;
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    SCOPED_TRACE(i);
    ASSERT_EQ(pictures[i].size(), QSize(16, 16));
    const QImage image = Pixels(pictures[i]);
    int opaque = 0;
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) opaque += image.pixelColor(x, y).alpha() > 128 ? 1 : 0;
    }
    EXPECT_GT(opaque, 30);
    for (std::size_t other = 0; other < images.size(); ++other) {
      EXPECT_NE(image, images[other]) << other;
    }
    images.push_back(image);
  }
}

TEST(Pictures, AllIconSlotsAreDrawnAndDifferent) {
  std::vector<QPixmap> icons;
  for (int slot = 0; slot < 32; ++slot) icons.push_back(IconStripIcon(slot));
  ExpectDrawnAndDifferent(icons);
  EXPECT_TRUE(IconStripIcon(-1).isNull());
  EXPECT_TRUE(IconStripIcon(32).isNull());
}

TEST(Pictures, EveryDriveKindHasItsOwnPicture) {
  std::vector<QPixmap> drives;
  for (int kind = 0; kind < 6; ++kind) drives.push_back(DrivePicture(kind));
  ExpectDrawnAndDifferent(drives);
  EXPECT_TRUE(DrivePicture(6).isNull());
}

TEST(Pictures, TabPiecesAndTitleStripHaveTheirSizes) {
  const std::array<QSize, 3> sizes = {QSize(7, 22), QSize(16, 22), QSize(3, 22)};
  for (const bool active : {false, true}) {
    for (int piece = 0; piece < 3; ++piece) {
      SCOPED_TRACE(QStringLiteral("active %1 piece %2").arg(active).arg(piece).toStdString());
      EXPECT_EQ(TabPiece(active, piece).size(), sizes[piece]);
    }
    EXPECT_NE(Pixels(TabPiece(active, 1)), Pixels(TabPiece(!active, 1)));
  }
  // The active tab runs into the page colour at its foot.
  EXPECT_EQ(Pixels(TabPiece(true, 1)).pixelColor(8, 21), QColor(142, 171, 229));
  EXPECT_TRUE(TabPiece(true, 3).isNull());
  EXPECT_EQ(TitleStrip().size(), QSize(644, 22));
}

TEST(Pictures, AMissingNameGivesANullPixmap) {
  EXPECT_TRUE(ProgramBitmap(u"ID_NOTHERE").isNull());
  EXPECT_TRUE(ProgramBitmap(u"").isNull());
  EXPECT_TRUE(GreyedBitmap(u"ID_CLS").isNull());
}

}  // namespace
}  // namespace spinfolio
