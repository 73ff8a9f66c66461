// Small reports in the shapes real reports of running games have: blanks at
// line ends, old-unit blocks in merged reports, income that fell short,
// reports read out of order, the own faction's banner, foreign units'
// orders, nameless regions of other terrains and CRs inside values.
#include <gtest/gtest.h>

#include <functional>

#include "map/zoomedmap.h"
#include "report/reportgame.h"
#include "views/regionview.h"
#include "views/viewtables.h"

namespace {

using reportgame::Game;

// The report of one round of faction 757 with `body` after its header.
QByteArray round(int number, const QStringList& body, const char* version = "69", const QByteArray& lineEnd = "\n") {
  QStringList lines = {QStringLiteral("VERSION %1").arg(QLatin1String(version)), QStringLiteral("\"Molvanth\";Spiel"),
                       QStringLiteral("36;Basis"), QStringLiteral("%1;Runde").arg(number)};
  lines += body;
  QByteArray bytes;
  for (const QString& l : lines) bytes += l.toUtf8() + lineEnd;
  return bytes;
}

struct Case {
  const char* name;
  QList<QByteArray> reports;         // read one after the other, every question answered Yes
  std::function<QString(Game&)> read;  // what is looked at afterwards
  QString expected;
  QStringList messages = {};         // the messages the imports showed
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

QString unitValue(Game& g, int number, const char* field) {
  return g.value(QStringLiteral("SELECT \"%1\" FROM einheiten WHERE \"Einheit Nr\" = %2")
                     .arg(QString::fromUtf8(field))
                     .arg(number));
}

// Region -1/6 with its peasants, silver and horses.
QStringList region(int peasants, int silver, int horses) {
  return {QStringLiteral("REGION -1 6"), QStringLiteral("\"Gusras\";Name"), QStringLiteral("\"Ebene\";Terrain"),
          QStringLiteral("%1;Bauern").arg(peasants), QStringLiteral("%1;Silber").arg(silver),
          QStringLiteral("%1;Pferde").arg(horses)};
}

const QStringList kWe = {QStringLiteral("PARTEI 757"), QStringLiteral("\"Wir\";Parteiname")};

QList<Case> cases() {
  const QString income = QStringLiteral(
      "Spektralelfen (mezi) verdient in Melvaig (122,-328) 29 statt 60 Silber durch Unterhaltung.");
  auto message = [](const QString& text, const char* amount) {
    return QStringList{QStringLiteral("MESSAGE 1"), QStringLiteral("771334452;type"),
                       QLatin1Char('"') + text + QStringLiteral("\";rendered"),
                       QString::fromLatin1(amount) + QStringLiteral(";amount")};
  };
  return {
      {"TrailingBlanksOnHeadersAndValues",
       {round(1234, kWe + QStringList{"REGION -11 8 ", "\"Ozean\";Terrain \t", "REGION -10 8\t", "\"Gletscher\";Terrain ",
                                      "\"Eisfeld\";Name\t", "12;Lohn ", "EINHEIT 5 ", "\"Eis\";Name ", "757;Partei\t",
                                      "COMMANDS ", "\"ARBEITEN\" "})},
       [](Game& g) {
         return g.value("SELECT group_concat(\"Breite\" || '/' || \"Länge\" || ' ' || \"Regiontyp\" || ' ' || "
                        "\"Regionname\" || ' ' || \"Arbeitslohn\", '|') FROM (SELECT * FROM regionen ORDER BY "
                        "\"Breite\")") +
                QLatin1Char('|') + unitValue(g, 5, "Einheit Name") + QLatin1Char('|') +
                unitValue(g, 5, "Default Befehl");
       },
       "-11/8 Ozean Ozean 11|-10/8 Gletscher Eisfeld 12|Eis|*ARBEITEN*"},
      {"OldUnitBlockKeepsItsOrders",
       {round(1234, kWe + QStringList{"REGION 0 0", "\"Au\";Name", "EINHEIT 1", "\"Wache\";Name", "12;Partei",
                                      "COMMANDS", "\"LERNEN Tarnung\""}),
        round(1235, kWe + QStringList{"REGION 0 0", "\"Au\";Name", "EINHEIT 1", "\"Wache\";Name", "12;Partei",
                                      "ALTEINHEIT 3", "\"Verstecker\";Name", "COMMANDS", "\"ARBEITEN\"", "TALENTE",
                                      "30 2;Hiebwaffen", "EINHEIT 2", "\"Bote\";Name", "12;Partei", "COMMANDS",
                                      "\"NACH o\""})},
       [](Game& g) {
         return g.value("SELECT group_concat(\"Einheit Nr\" || ' ' || \"Einheit Name\" || ' ' || \"Default Befehl\", "
                        "'|') FROM (SELECT * FROM einheiten ORDER BY \"Einheit Nr\")");
       },
       "1 Wache *LERNEN Tarnung*|2 Bote *NACH o*"},
      {"OldUnitBlockOrdersNeverReachTheOwnTemplate",
       {round(1234, kWe + QStringList{"REGION 0 0", "\"Au\";Name", "EINHEIT 1", "\"Anna\";Name", "757;Partei",
                                      "ALTEINHEIT 3", "\"Verstecker\";Name", "757;Partei", "COMMANDS",
                                      "\"ARBEITEN\""})},
       [](Game& g) {
         return g.game.orders.lines().filter(QStringLiteral("EINHEIT")).join(QLatin1Char('|')) + QLatin1Char('|') +
                QString::number(g.game.orders.lines().filter(QStringLiteral("ARBEITEN")).size());
       },
       " EINHEIT 1;\tAnna [1,0$]|0"},
      {"IncomeThatFellShortCountsWhatWasEarned",
       {round(450, kWe + message(income, "29") + message(QStringLiteral("Ab (x1) verdient 31 Silber durch Unterhaltung."), "31") +
                       message(QStringLiteral("Ab (x1) verdient viel Silber durch Unterhaltung."), "0"),
              "42")},
       [](Game& g) { return g.game.status.gesamteinkommen; },
       "60 Silber"},
      {"OlderReportWritesItsOwnStatistics",
       {round(9211, kWe + region(156, 4319, 65)), round(9209, kWe + region(155, 4018, 67))},
       [](Game& g) {
         return g.value("SELECT group_concat(Datum || ' ' || Bauern || ' ' || \"Bauern Silber\" || ' ' || Pferde, '|') "
                        "FROM (SELECT * FROM statistik WHERE \"Breite\" = -1 ORDER BY Datum)") +
                QLatin1Char('|') + g.value("SELECT Bauern || ' ' || \"VermögenBauern\" FROM regionen");
       },
       "76805 155 4018 67|76807 156 4319 65|156 4319"},
      {"OwnBannerStoredAndKept",
       {round(1234, {"PARTEI 757", "\"Rom\";Parteiname", "\"SENATVS POPVLVSQVE ROMANVS\";banner", "PARTEI 12",
                     "\"Gallier\";Parteiname", "\"Asterix\";banner"}),
        round(1235, {"PARTEI 757", "\"Rom\";Parteiname"})},
       [](Game& g) {
         return g.value("SELECT group_concat(\"Partei Nr\" || ' ' || Banner, '|') FROM (SELECT * FROM parteien ORDER "
                        "BY \"Partei Nr\")");
       },
       "12 Asterix|757 SENATVS POPVLVSQVE ROMANVS"},
      {"ForeignOrdersInStarListForm",
       {round(1234, kWe + QStringList{"REGION 0 0", "\"Au\";Name", "EINHEIT 100", "\"Fremd\";Name", "12;Partei",
                                      "COMMANDS", "\"ARBEITEN\"", "EINHEIT 101", "\"Eigen\";Name", "757;Partei",
                                      "COMMANDS", "\"ARBEITEN\""})},
       [](Game& g) {
         return g.value("SELECT COUNT(*) FROM einheiten WHERE instr(\"Default Befehl\", '*ARBEITEN*') > 0");
       },
       "2"},
      {"NamelessFireWallShownByItsTerrain",
       {round(1234, kWe + QStringList{"REGION 2 3", "\"Feuerwand\";Terrain", "REGION 4 3",
                                      "\"Ozean\";Terrain"})},
       [](Game& g) {
         QStringList out;
         const zoomedmap::Regions regions = zoomedmap::Regions::load(g.db, g.game.session);
         ViewTables tables(g.db);
         for (const int x : {2, 4}) {
           const RegionView view = getSekKoo(tables, g.game.session, x, 3, {});
           out << g.value(QStringLiteral("SELECT Regionname FROM regionen WHERE \"Breite\" = %1").arg(x)) +
                      QLatin1Char('/') + regions.at(x, 3)->name + QLatin1Char('/') + view.panelText;
         }
         return out.join(QLatin1Char('|'));
       },
       "Ozean/Feuerwand/Feuerwand  2/3|Ozean/Ozean/Ozean  4/3"},
      {"CarriageReturnInsideAnOrderOverThreeRounds",
       {round(1234, kWe + QStringList{"REGION 0 0", "\"Au\";Name", "EINHEIT 1", "\"Anna\";Name", "757;Partei",
                                      "COMMANDS", "\"LERNE Magie\r\"", "\"ARBEITEN\""}),
        round(1235, kWe + QStringList{"REGION 0 0", "\"Au\";Name", "EINHEIT 1", "\"Anna\";Name", "757;Partei",
                                      "COMMANDS", "\"LERNE Magie\r\"", "\"ARBEITEN\""}, "69", "\r\n"),
        round(1236, kWe + QStringList{"REGION 0 0", "\"Au\";Name", "EINHEIT 1", "\"An\rna\";Name", "757;Partei",
                                      "COMMANDS", "\"LERNE Magie\r\"", "\"ARBEITEN\""})},
       [](Game& g) {
         const QStringList t = g.game.orders.lines();
         const qsizetype at = t.indexOf(QStringLiteral("    LERNE Magie"));
         return unitValue(g, 1, "Einheit Name") + QLatin1Char('|') + unitValue(g, 1, "Default Befehl") +
                QLatin1Char('|') + (at > 0 ? t.mid(at - 1, 3).join(QLatin1Char('|')) : QStringLiteral("fehlt"));
       },
       "Anna|*LERNE Magie*ARBEITEN*| EINHEIT 1;\tAnna [1,0$]|    LERNE Magie|    ARBEITEN"},
      {"CarriageReturnLineEndsStillRead",
       {round(1234, kWe + QStringList{"REGION 0 0", "\"Au\";Name", "EINHEIT 1", "\"Anna\";Name", "757;Partei",
                                      "COMMANDS", "\"ARBEITEN\""}, "69", "\r")},
       [](Game& g) { return unitValue(g, 1, "Einheit Name") + QLatin1Char('|') + unitValue(g, 1, "Default Befehl"); },
       "Anna|*ARBEITEN*"},
  };
}

class RealReportShapes : public ::testing::TestWithParam<Case> {};

TEST_P(RealReportShapes, ReadsAsTheGameMeantIt) {
  const Case& c = GetParam();
  Game g;
  QStringList messages;
  ImportCallbacks callbacks = g.answering(true);
  callbacks.inform = [&messages](const QString& m) { messages << m; };
  for (const QByteArray& report : c.reports) {
    const ImportOutcome outcome = importReportData(g.game, report, QStringLiteral("test.cr"), callbacks);
    ASSERT_TRUE(outcome.ok()) << outcome.message.toStdString();
  }
  EXPECT_EQ(c.read(g), c.expected);
  EXPECT_EQ(messages, c.messages);
}

INSTANTIATE_TEST_SUITE_P(Rounds, RealReportShapes, ::testing::ValuesIn(cases()),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
