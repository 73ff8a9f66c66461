#include <gtest/gtest.h>

#include "game/textutil.h"
#include "report/importstate.h"
#include "stats/summaries.h"
#include "support/testsupport.h"

namespace {

using summaries::summiereEinkommen;

// The rendered text of the first report line that contains `key`.
QString renderedLine(const QString& report, const QString& key) {
  const auto lines = textutil::readLines(testsupport::sharedReport(report));
  if (!lines) return QString();
  for (const QString& line : *lines)
    if (line.contains(key) && line.contains(QStringLiteral("\";rendered"))) return ImportState::textValue(line);
  return QString();
}

QString sum(const QStringList& lines, int slot = 2, int round = 3806) {
  QString total = QStringLiteral("unset");
  const auto result = summiereEinkommen(lines, slot, round, total);
  EXPECT_TRUE(result.ok) << result.currentLine.toStdString();
  return total;
}

TEST(IncomeSummary, EmptyListGivesZeroSilber) { EXPECT_EQ(sum({}), QStringLiteral("0 Silber")); }

TEST(IncomeSummary, RealReportLineCountsOnce) {
  // The line also matches the "verdient in" rule; the region rule ends the line.
  const QString line = renderedLine(QStringLiteral("1234-neue-partei.cr"), QStringLiteral("verdient in"));
  ASSERT_EQ(line, QStringLiteral("Einheit 5ac0 (5ac0) verdient in Rilmodciget (0, 0) 10 Silber."));
  EXPECT_EQ(sum({line}), QStringLiteral("10 Silber"));
  EXPECT_EQ(sum({line, line}), QStringLiteral("20 Silber"));
}

TEST(IncomeSummary, EveryLineFormAddsItsAmount) {
  const QStringList lines = {
      QStringLiteral("Einheit Ab (x1) verdient 25 Silber durch Unterhaltung."),
      QStringLiteral("Einheit Ab (x1) verdient in Ort (1,2) 10 Silber."),
      QStringLiteral("Einheit Ab (x1) treibt 40 Silber an Steuern ein."),
      QStringLiteral("Einheit Ab (x1) treibt in Ort (3,4) 15 Steuern ein."),
      QStringLiteral("Einheit Ab (x1) verdient 20 statt 30 Silber durch Unterhaltung."),
      QStringLiteral("Einheit Ab (x1) treibt in Ort (3,4) 55 Silber an Steuern ein."),
      QStringLiteral("Einheit Ab (x1) verdient in Ort (3,4) 12 Silber durch Unterhaltung."),
      // Holds " verdient " and " Silber." but no amount: passed by.
      QStringLiteral("Einheit Ab (x1) verdient kein Silber."),
  };
  QString total;
  auto result = summiereEinkommen(lines.mid(0, 7), 2, 3806, total);
  ASSERT_TRUE(result.ok) << result.currentLine.toStdString();
  EXPECT_EQ(total, QStringLiteral("177 Silber"));

  // Each form on its own, so that a wrong cut cannot hide behind the total.
  const int expected[] = {25, 10, 40, 15, 20, 55, 12};
  for (int i = 0; i < 7; ++i)
    EXPECT_EQ(sum({lines.at(i)}), QStringLiteral("%1 Silber").arg(expected[i])) << lines.at(i).toStdString();

  result = summiereEinkommen(lines, 2, 3806, total);
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(result.skippedLines, 1);
  EXPECT_EQ(total, QStringLiteral("177 Silber"));
}

TEST(IncomeSummary, NamesWithKeyWordsBeforeTheAmount) {
  // A unit named after silver, and a region named with a bracket inside the
  // unit part, still give the amount.
  EXPECT_EQ(sum({QStringLiteral("Silberfuchs (x1) verdient 25 Silber durch Unterhaltung.")}),
            QStringLiteral("25 Silber"));
  EXPECT_EQ(sum({QStringLiteral("Steuereintreiber (x1) treibt in Silberau (3,4) 7 Silber an Steuern ein.")}),
            QStringLiteral("7 Silber"));
}

// Income that fell short counts what was earned, in every form the
// servers write it; a line without a readable amount is passed by and
// counted, and the lines around it still add up.
TEST(IncomeSummary, ShortIncomeAndUnreadableLines) {
  const struct {
    const char* line;
    const char* total;
    int skipped;
  } cases[] = {
      {"Spektralelfen (mezi) verdient in Melvaig (122,-328) 29 statt 60 Silber durch Unterhaltung.", "29 Silber", 0},
      {"Spektralelfen (mezi) verdient in Melvaig (122,-328) 29 statt 60 Silber.", "29 Silber", 0},
      {"Einheit Ab (x1) verdient 20 statt 30 Silber.", "20 Silber", 0},
      {"Einheit Ab (x1) verdient in Neustatt (1,2) 12 Silber durch Unterhaltung.", "12 Silber", 0},
      {"Einheit Ab (x1) verdient viel Silber durch Unterhaltung und noch viel mehr Text.", "0 Silber", 1},
      {"Einheit Ab (x1) verdient in Ort (1,2) zehn Silber.", "0 Silber", 1},
      {"Einheit Ab (x1) verdient in Ort (1,2) viel statt 60 Silber durch Unterhaltung.", "0 Silber", 1},
  };
  const QString around = QStringLiteral("Einheit Ab (x1) treibt 40 Silber an Steuern ein.");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    QString total;
    auto result = summiereEinkommen({QString::fromUtf8(c.line)}, 2, 3806, total);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(total, QString::fromUtf8(c.total));
    EXPECT_EQ(result.skippedLines, c.skipped);
    result = summiereEinkommen({around, QString::fromUtf8(c.line), around}, 2, 3806, total);
    EXPECT_EQ(total, QStringLiteral("%1 Silber").arg(QString::fromUtf8(c.total).section(u' ', 0, 0).toInt() + 80));
    EXPECT_EQ(result.skippedLines, c.skipped);
  }
}

TEST(IncomeSummary, SavedTotalOfSlotOneFromRound1604) {
  QStringList lines = {QStringLiteral("Einheit Ab (x1) verdient in Ort (1,2) 10 Silber."),
                       QStringLiteral("zzzz177 Silber")};
  EXPECT_EQ(sum(lines, 1, 1604), QStringLiteral("177 Silber"));
  EXPECT_EQ(sum(lines, 1, 3806), QStringLiteral("177 Silber"));
  // Before that round, and in every other slot, the lines are summed; the
  // total line itself adds nothing.
  EXPECT_EQ(sum(lines, 1, 1603), QStringLiteral("10 Silber"));
  EXPECT_EQ(sum(lines, 2, 1604), QStringLiteral("10 Silber"));
  // A list that was not saved yet carries no total line: it is summed
  // instead of showing a message line as the total.
  EXPECT_EQ(sum(lines.mid(0, 1), 1, 1604), QStringLiteral("10 Silber"));
  EXPECT_EQ(sum({}, 1, 1604), QStringLiteral("0 Silber"));
}

}  // namespace
