#include <gtest/gtest.h>

#include "stats/summaries.h"

namespace {

using summaries::summiereOrkvermehrung;

TEST(OrcGrowthSummary, SumsGrowthLinesOnly) {
  QString total;
  ASSERT_TRUE(summiereOrkvermehrung({}, total).ok);
  EXPECT_EQ(total, QStringLiteral("0 Orks"));

  const QStringList lines = {QStringLiteral("Einheit Kriegsbande (o1) vermehrt sich um 12 Orks."),
                             QStringLiteral("In Falkenfeld (14,-27) erhoben sich die Toten aus den Gräbern."),
                             QStringLiteral("Einheit Zweite (o2) vermehrt sich um 3 Orks.")};
  ASSERT_TRUE(summiereOrkvermehrung(lines, total).ok);
  EXPECT_EQ(total, QStringLiteral("15 Orks"));
}

TEST(OrcGrowthSummary, UnitNamedAfterOrcs) {
  // The amount ends before the "Ork" after it, not at the unit's name.
  QString total;
  ASSERT_TRUE(summiereOrkvermehrung({QStringLiteral("Orkhorde um Mitternacht (o1) vermehrt sich um 7 Orks.")}, total).ok);
  EXPECT_EQ(total, QStringLiteral("7 Orks"));
}

TEST(OrcGrowthSummary, FailureKeepsTheSumSoFar) {
  QString total;
  const QString bad = QStringLiteral("Einheit Dritte (o3) vermehrt sich um einige Orks.");
  const auto result =
      summiereOrkvermehrung({QStringLiteral("Einheit Kriegsbande (o1) vermehrt sich um 12 Orks."), bad}, total);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.currentLine, bad);
  EXPECT_EQ(total, QStringLiteral("12"));
}

}  // namespace
