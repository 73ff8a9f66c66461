// What the completion offers where, and the units of the cursor's region.
#include <gtest/gtest.h>

#include "orders/ordercompletion.h"

namespace {

QStringList texts(const ordercompletion::Offer& o) {
  QStringList out;
  for (const auto& c : o.candidates) out << c.text;
  return out;
}

TEST(OrderCompletion, EachPlaceOffersItsKindOfName) {
  const orderscheck::Knowledge k = ordersknowledge::namesFromSchema(1);
  const QList<ordersknowledge::UnitEntry> units = {{QStringLiteral("ab"), QStringLiteral("Hugo")},
                                                   {QStringLiteral("cd"), QStringLiteral("Otto")}};
  struct Row {
    const char* before;
    const char* offered;    // one candidate that must be there ("" for an empty list)
    const char* notOffered;
  };
  const QList<Row> rows = {
      {"  ", "LERNE", "Silber"},
      {"  ler", "LERNE", "GIB"},
      {"LERNE ", "Hiebwaffen", "Silber"},
      {"LERNE AUTO ", "Hiebwaffen", "LERNE"},
      {"VERGISS Hieb", "Hiebwaffen", "Ausdauer"},
      {"GIB ", "ab", "Silber"},
      {"GIB ab 5 ", "Silber", "ab"},
      {"GIB TEMP 1 5 ", "Silber", "ab"},
      {"GIB ab ", "", "Silber"},
      {"RESERVIERE 3 ", "Eisen", "ab"},
      {"KAUFE 2 ", "Balsam", "Eisen"},
      {"MACHE ", "Schwert", "ab"},
      {"MACHE 3 ", "Schwert", "ab"},
      {"NACH o ", "NW", "ab"},
      {"ROUTE ", "Westen", "Silber"},
      {"LEHRE ab ", "cd", "Silber"},
      {"FOLGE EINHEIT ", "ab", "Silber"},
      {"KONTAKTIERE ", "cd", "Silber"},
      {"ARBEITE ", "", "ab"},
      {"; LERNE ", "", "Hiebwaffen"},
      {" EINHEIT ", "", "LERNE"},
  };
  for (const Row& r : rows) {
    const QStringList got = texts(ordercompletion::offerAt(QString::fromUtf8(r.before), k, units));
    if (*r.offered)
      EXPECT_TRUE(got.contains(QString::fromUtf8(r.offered))) << r.before << " → " << got.join(',').toStdString();
    else
      EXPECT_TRUE(got.isEmpty()) << r.before << " → " << got.join(',').toStdString();
    EXPECT_FALSE(got.contains(QString::fromUtf8(r.notOffered))) << r.before;
  }
  const ordercompletion::Offer unit = ordercompletion::offerAt(QStringLiteral("GIB c"), k, units);
  ASSERT_EQ(unit.candidates.size(), 1);
  EXPECT_EQ(unit.candidates.first().label, QStringLiteral("cd – Otto"));
  EXPECT_EQ(unit.prefixStart, 4);
}

TEST(OrderCompletion, UnitsComeFromTheRegionAboveTheLine) {
  ordersknowledge::GameKnowledge known;
  known.unitsByPosition[QStringLiteral("3/4")] = {{QStringLiteral("ab"), QStringLiteral("Hugo")}};
  known.unitsByPosition[QStringLiteral("5/6/1")] = {{QStringLiteral("cd"), QStringLiteral("Otto")}};
  const QStringList lines = {QStringLiteral(" PARTEI x \"y\""), QStringLiteral(" REGION 3,4 ; A"), QStringLiteral("EINHEIT ab"),
                             QStringLiteral(" REGION 5,6,1 ; B"), QStringLiteral("EINHEIT cd"), QStringLiteral("GIB ")};
  EXPECT_TRUE(ordercompletion::unitsAtLine(lines, 0, known).isEmpty());
  EXPECT_EQ(ordercompletion::unitsAtLine(lines, 2, known).first().id, QStringLiteral("ab"));
  EXPECT_EQ(ordercompletion::unitsAtLine(lines, 5, known).first().id, QStringLiteral("cd"));
}

}  // namespace
