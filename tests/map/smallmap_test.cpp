#include <gtest/gtest.h>

#include "map/smallmap.h"
#include "mapfixture.h"

using smallmap::Mark;
using smallmap::Region;

TEST(SmallMap, EventMarksInTheirOrder) {
  const struct { const char* type; const char* umgebung; qint64 info; qint32 round; Mark mark; } cases[] = {
      {"Ebene", "", 12, 12, Mark::None},
      {"Ebene", "Kampf in Runde 12, spendete", 12, 12, Mark::Diamond},
      {"Ebene", "Kampf in Runde 12", 12, 13, Mark::None},  // last round's news
      {"Ebene", "Kampf in Runde 12", 11, 12, Mark::Diamond},
      {"Ebene", "spendete viel", 11, 12, Mark::None},
      {"Ebene", "Bauern flohen aus Furcht", 12, 12, Mark::Monster},
      {"Ebene", "Drache (d3) verspeiste 3 Bauern", 12, 12, Mark::Monster},
      {"Ebene", "Botschaft von Ulf (u1): 'Hallo'", 12, 12, Mark::Battle},
      {"Ebene", "spendete 5 Silber; es wuetete die Pest, und", 12, 12, Mark::Plague},
      {"Ebene", "spendete 5 Silber", 12, 12, Mark::Donation},
      {"Ebene", "An Unterer Welt", 12, 12, Mark::Underworld},
      {"Ozean", "Wellen", 12, 12, Mark::OceanDot},
      {"Wald", "Wellen", 12, 12, Mark::Triangle},
  };
  for (const auto& c : cases) {
    Region r;
    r.type = QString::fromLatin1(c.type);
    r.umgebung = QString::fromLatin1(c.umgebung);
    r.infoDatum = c.info;
    EXPECT_EQ(smallmap::markFor(r, c.round), c.mark) << c.umgebung << " in round " << c.round;
  }
  EXPECT_EQ(smallmap::markText(Mark::Plague), QStringLiteral(" P "));
}

TEST(SmallMap, RoadsByGameType) {
  const QVariant none;
  const struct { const char* type; int gameType; QVariantList roads; std::array<bool, 6> lines; } cases[] = {
      {"Ebene", kMolvanth, {99, none, 100, none, none, 0}, {false, false, true, false, false, false}},
      {"Ebene", kMolvanth, {none, none, none, none, none, none}, {}},
      {"Ebene", kQuarnel, {100, none, none, none, none, none}, {true, true, true, true, true, true}},
      {"Ebene", kQuarnel, {none, 100, 100, none, none, none}, {}},
      {"Ozean", kMolvanth, {100, 100, 100, 100, 100, 100}, {}},
  };
  for (const auto& c : cases) {
    Region r;
    r.type = QString::fromLatin1(c.type);
    r.roads = c.roads;
    EXPECT_EQ(smallmap::roadLines(r, c.gameType), c.lines);
  }
}

TEST(SmallMap, TilesRoadsAndMarksOnTheirImages) {
  maptest::MapFixture f;
  f.session.roundCode = 12;
  f.region(0, 0, 0, QStringLiteral("Ebene"),
           {{QStringLiteral("Strasse2"), 100}, {QStringLiteral("Strasse"), 99}, {QStringLiteral("Info Datum"), 12},
            {QStringLiteral("Umgebung"), QStringLiteral("spendete; die Pest, tete die Pest, und")}});
  f.region(1, 0, 0, QStringLiteral("Lava"));
  f.region(2, 0, 0, QStringLiteral("Lava"));
  f.region(0, 0, 1, QStringLiteral("Wald"));  // another level: not shown
  const smallmap::Drawing d = smallmap::displaySmallMap(f.db, f.session, 0, 0);
  EXPECT_EQ(d.messages.size(), 1);
  const QColor ebene = QImage(f.images() + QStringLiteral("ebene.bmp")).pixelColor(15, 15);
  EXPECT_EQ(d.tiles.pixelColor(131, 131), ebene);
  const QColor blank = QImage(f.images() + QStringLiteral("blank.bmp")).pixelColor(15, 15);
  EXPECT_NE(blank, QColor(Qt::white));
  EXPECT_EQ(d.tiles.pixelColor(131 + 58, 131), blank);  // Lava: blank
  // Where no region is known the tile is flat, without the unknown terrain's mark.
  QSet<QRgb> unseen;
  for (int x = 2; x < 28; ++x)
    for (int y = 2; y < 28; ++y) unseen.insert(d.tiles.pixel(x, y));
  EXPECT_EQ(unseen.size(), 1);
  EXPECT_NE(d.tiles.pixelColor(15, 15), blank);
  EXPECT_NE(d.tiles.pixelColor(15, 15), QColor(Qt::white));
  // The mark " P ": black letters on yellow at the cell's corner.
  EXPECT_EQ(d.marks.pixelColor(117, 117), QColor(255, 255, 0));
  EXPECT_EQ(d.marks.pixelColor(118 + 6, 118), QColor(0, 0, 0));
  // The road to the right, dashed dark red; none to the upper left (99).
  int road = 0;
  for (int x = 132; x < 145; ++x)
    for (int y = 130; y <= 132; ++y) road += d.marks.pixelColor(x, y) == QColor(128, 0, 0);
  EXPECT_GT(road, 4);
  EXPECT_TRUE(maptest::transparentAt(d.marks, 124, 116));
  // The wiped layer: black frame, transparent elsewhere.
  EXPECT_EQ(d.marks.pixelColor(1, 1), QColor(0, 0, 0));
  EXPECT_TRUE(maptest::transparentAt(d.marks, 0, 0));
  EXPECT_TRUE(maptest::transparentAt(d.marks, 60, 60));
}
