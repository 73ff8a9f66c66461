#include <gtest/gtest.h>

#include "stats/summaries.h"

namespace {

using summaries::summiereProduktion;

enum { Holz, Steine, Eisen, Pferde, Laen, Mallorn, Speere, Boegen, Schwerter, Elfenboegen, Armbrueste };

// The eleven totals as numbers, read back from the labelled lines.
QList<int> totals(const QStringList& lines) {
  QStringList out;
  const auto result = summiereProduktion(lines, out);
  EXPECT_TRUE(result.ok) << result.currentLine.toStdString();
  QList<int> numbers;
  for (int k = 0; k < out.size(); ++k) {
    EXPECT_TRUE(out.at(k).startsWith(summaries::productionLabels().at(k)));
    numbers << out.at(k).mid(13).toInt();
  }
  return numbers;
}

int total(const QString& line, int good) { return totals({line}).value(good, -1); }

QString unit(const QString& rest) { return QStringLiteral("Einheit Bergfried (a1) in Rinn (3,4) ") + rest; }

TEST(ProductionSummary, EmptyListGivesElevenLabelledZeros) {
  QStringList out = {QStringLiteral("alt")};
  ASSERT_TRUE(summiereProduktion({}, out).ok);
  ASSERT_EQ(out.size(), 11);
  EXPECT_EQ(out.at(0), QStringLiteral("Holz       : 0"));
  EXPECT_EQ(out.at(7), QStringLiteral("Boegen     : 0"));
  EXPECT_EQ(out.at(9), QStringLiteral("Elfenbögen : 0"));
  EXPECT_EQ(out.at(10), QStringLiteral("Armbrüste  : 0"));
  for (const QString& label : summaries::productionLabels()) EXPECT_EQ(label.size(), 13);
}

TEST(ProductionSummary, EachGoodGoesToItsLine) {
  const QStringList lines = {
      unit("produziert 12 Holz."),        unit("produziert 4 Steine."),     unit("produziert 9 Eisen."),
      unit("produziert 2 Pferde."),       unit("züchtet 4 Pferde."),        unit("produziert 2 Laen."),
      unit("produziert 6 Mallorn."),      unit("produziert 5 Speere."),     unit("produziert 3 Bögen."),
      unit("produziert 2 Schwerter."),    unit("produziert 2 Elfenbögen."), unit("produziert 3 Armbrüste."),
  };
  EXPECT_EQ(totals(lines), (QList<int>{12, 4, 9, 6, 2, 6, 5, 3, 2, 2, 3}));
}

TEST(ProductionSummary, LessThanPossibleAndLessThanOrdered) {
  EXPECT_EQ(total(unit("produziert 5 von 8 Holz."), Holz), 5);
  EXPECT_EQ(total(unit("produziert 4 statt 6 Holz."), Holz), 4);
  EXPECT_EQ(total(unit("produziert 3 von 7 Steine."), Steine), 3);
  EXPECT_EQ(total(unit("produziert 2 statt 4 Steine."), Steine), 2);
  EXPECT_EQ(total(unit("produziert 6 von 9 Eisen."), Eisen), 6);
  EXPECT_EQ(total(unit("produziert 1 statt 3 Pferde."), Pferde), 1);
  EXPECT_EQ(total(unit("produziert 2 von 5 Laen."), Laen), 2);
  EXPECT_EQ(total(unit("produziert 3 Laen statt 5."), Laen), 3);
  EXPECT_EQ(total(unit("produziert 4 Mallorn statt 6."), Mallorn), 4);
  EXPECT_EQ(total(unit("produziert 3 statt 5 Speere."), Speere), 3);
  EXPECT_EQ(total(unit("produziert 2 von 4 Bögen."), Boegen), 2);
  EXPECT_EQ(total(unit("produziert 1 statt 2 Armbrüste."), Armbrueste), 1);
  EXPECT_EQ(total(unit("produziert 2 statt 3 Elfenbögen."), Elfenboegen), 2);
  // Swords from iron do not count as iron.
  const QList<int> swords = totals({unit("produziert 2 Schwerter aus 2 Eisen.")});
  EXPECT_EQ(swords.at(Schwerter), 2);
  EXPECT_EQ(swords.at(Eisen), 0);
  // Crossbows are made of wood; that wood is no production.
  EXPECT_EQ(totals({unit("produziert 2 Armbrüste aus Holz.")}).at(Holz), 0);
}

TEST(ProductionSummary, BowsInBothSpellingsShareLineSeven) {
  const QList<int> t = totals({unit("produziert 3 Bögen."), unit("produziert 2 Boegen."),
                               unit("produziert 1 statt 4 Boegen.")});
  EXPECT_EQ(t.at(Boegen), 6);
  EXPECT_EQ(t.at(Elfenboegen), 0);
}

TEST(ProductionSummary, MindestensAndSinglePieces) {
  // A "mindestens" line adds nothing to the sections that exclude it ...
  EXPECT_EQ(totals({unit("produziert 7 Eisen, braucht mindestens Stufe 2 für mehr.")}),
            (QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(total(unit("produziert 7 Holz (mindestens 9 möglich)."), Holz), 0);
  // ... but a single piece still counts.
  EXPECT_EQ(total(unit("produziert 1 Holz (mindestens 9 möglich)."), Holz), 1);
  EXPECT_EQ(total(unit("produziert 1 Eisen, braucht mindestens Stufe 2."), Eisen), 1);
  EXPECT_EQ(total(unit("produziert 1 Stein."), Steine), 1);
  EXPECT_EQ(total(unit("produziert 1 Pferd."), Pferde), 1);
  // A plain single piece counts once, not by both rules.
  EXPECT_EQ(total(unit("produziert 1 Holz."), Holz), 1);
  EXPECT_EQ(total(unit("produziert 1 Eisen."), Eisen), 1);
  EXPECT_EQ(total(unit("produziert 1 Pferde."), Pferde), 1);
  EXPECT_EQ(total(unit("produziert 10 Holz."), Holz), 10);
}

TEST(ProductionSummary, FailureKeepsTheTotalsUnlabelled) {
  QStringList out;
  const QString bad = unit("produziert viel Holz.");
  const auto result = summiereProduktion({unit("produziert 4 Steine."), bad, unit("produziert 9 Eisen.")}, out);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.currentLine, bad.left(81));
  EXPECT_EQ(out, (QStringList{"0", "4", "0", "0", "0", "0", "0", "0", "0", "0", "0"}));
}

}  // namespace
