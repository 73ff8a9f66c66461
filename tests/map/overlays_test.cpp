#include <gtest/gtest.h>

#include "map/overlays.h"
#include "mapfixture.h"

using maptest::MapFixture;

namespace {
const QSize kMap(80, 80);  // origin 0/0: region (x, y) at (8x + 4y, 72 - 8y)
QPoint cell(int x, int y) { return QPoint(8 * x + 4 * y, 72 - 8 * y); }
QColor colourAt(const QImage& image, QPoint p) { return image.pixelColor(p); }
const QColor kRed(255, 0, 0), kYellow(255, 255, 0), kGreen(0, 255, 0), kMagenta(255, 0, 255);
}  // namespace

TEST(Overlays, ShipsOfThisRoundOnTheShownLevel) {
  MapFixture f;
  f.ship(1, QStringLiteral("3/4"), 100, 3806);    // own
  f.ship(2, QStringLiteral("3/4"), 7, 3806);      // foreign, same region
  f.ship(3, QStringLiteral("1/2/1"), 100, 3806);  // level 1
  f.ship(4, QStringLiteral("5/1"), 100, 3805);    // old
  f.ship(5, QStringLiteral("x/1"), 100, 3806);    // no coordinates
  overlays::Layer l = overlays::drawShips(f.db, f.session, kMap);
  EXPECT_EQ(colourAt(l.image, cell(3, 4) + QPoint(3, 3)), kRed);
  EXPECT_EQ(colourAt(l.image, cell(3, 4) + QPoint(5, 5)), kYellow);
  EXPECT_TRUE(maptest::transparentAt(l.image, cell(1, 2).x() + 3, cell(1, 2).y() + 3));
  EXPECT_TRUE(maptest::transparentAt(l.image, cell(5, 1).x() + 3, cell(5, 1).y() + 3));
  ASSERT_EQ(l.messages.size(), 1);
  EXPECT_TRUE(l.messages.first().contains(QStringLiteral("„x/1“")));
  f.session.currentLevel = 1;
  l = overlays::drawShips(f.db, f.session, kMap);
  EXPECT_EQ(colourAt(l.image, cell(1, 2) + QPoint(3, 3)), kRed);
  EXPECT_TRUE(maptest::transparentAt(l.image, cell(3, 4).x() + 3, cell(3, 4).y() + 3));
}

TEST(Overlays, UnmarkedOwnUnitsWinOverMarkedOnes) {
  MapFixture f;
  f.unit(1, QStringLiteral("2/2"), QString(), 100, 3806);  // unmarked first ...
  f.unit(2, QStringLiteral("2/2"), QStringLiteral("x"), 100, 3806);
  f.unit(3, QStringLiteral("4/1"), QStringLiteral("V"), 100, 3806);  // ... marked first
  f.unit(4, QStringLiteral("4/1"), QStringLiteral("B"), 100, 3806);
  f.unit(5, QStringLiteral("1/5"), QStringLiteral("X"), 100, 3806);  // all marked
  f.unit(6, QStringLiteral("6/0"), QString(), 7, 3806);              // foreign
  f.unit(7, QStringLiteral("0/3"), QString(), 100, 3805);            // old
  overlays::UnitOverlay units;
  ASSERT_TRUE(units.draw(f.db, f.session, kMap));
  EXPECT_EQ(colourAt(units.image(), cell(2, 2)), kMagenta);
  EXPECT_EQ(colourAt(units.image(), cell(2, 2) + QPoint(7, 7)), kMagenta);
  EXPECT_TRUE(maptest::transparentAt(units.image(), cell(2, 2).x() + 3, cell(2, 2).y() + 3));
  EXPECT_EQ(colourAt(units.image(), cell(4, 1)), kMagenta);
  EXPECT_EQ(colourAt(units.image(), cell(1, 5)), kGreen);
  EXPECT_TRUE(maptest::transparentAt(units.image(), cell(6, 0).x(), cell(6, 0).y()));
  EXPECT_TRUE(maptest::transparentAt(units.image(), cell(0, 3).x(), cell(0, 3).y()));
  // The command editor recolours a region on the shown layer.
  units.faerbe_region(1, 5, kMagenta);
  EXPECT_EQ(colourAt(units.image(), cell(1, 5) + QPoint(7, 0)), kMagenta);
}

TEST(Overlays, NoOwnUnitThisRoundLeavesOnlyTheFrame) {
  MapFixture f;
  f.unit(1, QStringLiteral("2/2"), QString(), 100, 3805);
  overlays::UnitOverlay units;
  EXPECT_FALSE(units.draw(f.db, f.session, kMap));
  EXPECT_EQ(colourAt(units.image(), QPoint(1, 1)), QColor(0, 0, 0));
  EXPECT_TRUE(maptest::transparentAt(units.image(), cell(2, 2).x(), cell(2, 2).y()));
}

TEST(Overlays, RegionMessagesOfThisRound) {
  MapFixture f;
  f.region(1, 1, 0, QStringLiteral("Ebene"), {{QStringLiteral("Umgebung"), QStringLiteral("Kampf in Runde 3806")}});
  f.region(3, 1, 0, QStringLiteral("Ozean"), {{QStringLiteral("Umgebung"), QStringLiteral("Wellen")}});
  f.region(5, 1, 0, QStringLiteral("Wald"), {{QStringLiteral("Umgebung"), QStringLiteral("Wald")}});
  f.region(2, 4, 0, QStringLiteral("Wald"),
           {{QStringLiteral("Umgebung"), QStringLiteral("alt")}, {QStringLiteral("Info Datum"), 3805}});
  f.region(3, 5, 0, QStringLiteral("Wald"));  // no message
  const overlays::Layer l = overlays::drawRegionMessages(f.db, f.session, kMap);
  EXPECT_EQ(colourAt(l.image, cell(1, 1) + QPoint(4, 4)), kRed);     // diamond
  EXPECT_EQ(colourAt(l.image, cell(1, 1) + QPoint(4, 1)), kYellow);  // its outline
  EXPECT_EQ(colourAt(l.image, cell(3, 1) + QPoint(2, 5)), kRed);     // ocean: red ring, yellow inside
  EXPECT_EQ(colourAt(l.image, cell(5, 1) + QPoint(4, 2)), kYellow);  // triangle
  EXPECT_TRUE(maptest::transparentAt(l.image, cell(2, 4).x() + 4, cell(2, 4).y() + 2));
  EXPECT_TRUE(maptest::transparentAt(l.image, cell(3, 5).x() + 4, cell(3, 5).y() + 2));
}
