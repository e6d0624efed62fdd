#include "platform/qt_dialogs.h"

#include <gtest/gtest.h>

#include "tests/support/qt_printers.h"

namespace spinfolio {
namespace {

TEST(QtNameFilters, PairsBecomeQtFiltersWithTheRealPatterns) {
  EXPECT_EQ(QtNameFilters(QStringLiteral("Archiwa programu (*.sfa)|*.sfa")),
            QStringList{QStringLiteral("Archiwa programu (*.sfa)")});
  EXPECT_EQ(QtNameFilters(QStringLiteral(
                "Program archive (*.sfa)|*.sfa|Older program archive (*.sfz,data1.z,data2.z)|"
                "*.sfz;data1.z;data2.z")),
            (QStringList{QStringLiteral("Program archive (*.sfa)"),
                         QStringLiteral("Older program archive (*.sfz data1.z data2.z)")}));
  EXPECT_EQ(QtNameFilters(QStringLiteral("Pictures|*.jpg;*.jpeg")),
            QStringList{QStringLiteral("Pictures (*.jpg *.jpeg)")});
  EXPECT_TRUE(QtNameFilters(QString()).isEmpty());
}

}  // namespace
}  // namespace spinfolio
