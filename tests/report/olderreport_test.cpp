// A report of an earlier round than the slot's newest is read only when the
// player says so; the headless tool needs --aelter for it.
#include <gtest/gtest.h>

#include <QProcess>

#include "report/reportgame.h"
#include "support/testsupport.h"

namespace {

QStringList roundReport(int round, const char* order) {
  QStringList out = reportgame::lines({"VERSION 45", "\"Molvanth\";Spiel", "36;Basis"});
  out << QStringLiteral("%1;Runde").arg(round);
  out += reportgame::lines({"PARTEI 757", "\"Wir\";Parteiname", "REGION 0 0", "\"Au\";Name", "EINHEIT 100",
                            "\"Anna\";Name", "757;Partei", "1;Anzahl", "COMMANDS", order});
  return out;
}

struct OlderCase {
  const char* name;
  int first, second;
  bool yes;
  bool asked;
  bool read;
  const char* order;  // the order of unit 100 in the template afterwards
};

void PrintTo(const OlderCase& c, std::ostream* out) { *out << c.name; }

class OlderReport : public ::testing::TestWithParam<OlderCase> {};

TEST_P(OlderReport, AsksBeforeTurningBack) {
  const OlderCase& c = GetParam();
  reportgame::Game g;
  ASSERT_TRUE(g.read(roundReport(c.first, "\"ARBEITE\"")).ok());
  ASSERT_TRUE(g.questions.isEmpty());
  const QString datum = g.game.status.datum;
  const ImportOutcome outcome = g.read(roundReport(c.second, "\"LERNEN Hiebwaffen\""), c.yes);
  EXPECT_EQ(outcome.ok(), c.read);
  if (c.asked)
    EXPECT_EQ(g.questions, QStringList({QStringLiteral("Dieser CR ist von Runde 1234 (Sonnenfeuer, Woche 1 im Jahre 39) "
                                                       "und damit älter als der zuletzt eingelesene von Runde 1235 "
                                                       "(Sonnenfeuer, Woche 2 im Jahre 39). Trotzdem einlesen?")}));
  else
    EXPECT_TRUE(g.questions.isEmpty());
  EXPECT_TRUE(g.game.orders.lines().contains(QString::fromUtf8(c.order)));
  if (!c.read) {
    EXPECT_EQ(g.game.status.datum, datum);
    EXPECT_EQ(g.game.status.einheiten, QStringLiteral("1"));  // the counters as the first report left them
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rounds, OlderReport,
    ::testing::Values(OlderCase{"OlderRefused", 1235, 1234, false, true, false, "    ARBEITE"},
                      OlderCase{"OlderAccepted", 1235, 1234, true, true, true, "    LERNEN Hiebwaffen"},
                      OlderCase{"Newer", 1234, 1235, false, false, true, "    LERNEN Hiebwaffen"},
                      OlderCase{"SameRound", 1235, 1235, false, false, true, "    LERNEN Hiebwaffen"}),
    [](const ::testing::TestParamInfo<OlderCase>& info) { return std::string(info.param.name); });

// Once an older report was read, the newest round still counts.
TEST(OlderReportRounds, NewestRoundIsKept) {
  reportgame::Game g;
  ASSERT_TRUE(g.read(roundReport(1236, "\"ARBEITE\"")).ok());
  ASSERT_TRUE(g.read(roundReport(1234, "\"ARBEITE\"")).ok());
  ASSERT_EQ(g.questions.size(), 1);
  ASSERT_TRUE(g.read(roundReport(1235, "\"ARBEITE\"")).ok());
  EXPECT_EQ(g.questions.size(), 2);
}

TEST(OlderReportCli, RefusedWithoutOption) {
  QTemporaryDir tmp;
  const auto cli = [](const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(ZENDRAL_CLI), args);
    p.waitForFinished(60000);
    return p.exitCode();
  };
  const QString dir = tmp.path();
  ASSERT_EQ(cli({QStringLiteral("init"), dir}), 0);
  const QStringList import = {QStringLiteral("import"), QStringLiteral("--dir"), dir, QStringLiteral("--typ"),
                              QStringLiteral("Molvanth"), QStringLiteral("--ja")};
  ASSERT_EQ(cli(import + QStringList{testsupport::sharedReport(QStringLiteral("550-beispiel-latin1.cr"))}), 0);
  const QString older = testsupport::sharedReport(QStringLiteral("481-beispiel.cr"));
  EXPECT_NE(cli(import + QStringList{older}), 0);
  EXPECT_EQ(cli(import + QStringList{QStringLiteral("--aelter"), older}), 0);
}

}  // namespace
