#include <gtest/gtest.h>

#include <QRegularExpression>

#include "game/textutil.h"
#include "db/table.h"
#include "report/blockreaders.h"
#include "report/importerror.h"
#include "report/unittestsupport.h"
#include "support/testsupport.h"

using testsupport::ImportFixture;

namespace {

// Hands the BURG and SCHIFF blocks to their readers as the block walk does:
// a reader returns on its last line and the walk steps on.
void walkBlocks(ImportState& state) {
  for (; !state.atEnd(); ++state.currentLine) {
    if (state.line().startsWith(QStringLiteral("BURG "))) getBurgInfo(state);
    if (state.line().startsWith(QStringLiteral("SCHIFF "))) getSchiffInfo(state);
  }
}

struct Row {
  Row(Database& db, const char* table, int slot, int number) : t(db, QString::fromLatin1(table)) {
    found = t.findKey({slot, number});
  }
  QString text(const char* field) const { return t.text(QString::fromUtf8(field)); }
  qint64 num(const char* field) const { return t.intValue(QString::fromUtf8(field)); }
  double real(const char* field) const { return t.value(QString::fromUtf8(field)).toDouble(); }
  Table t;
  bool found = false;
};

double shipPercent(const QStringList& lines) {
  ImportFixture fx;
  fx.setReport(QStringList{"SCHIFF 7", "\"Schiff\";Name"} + lines);
  getSchiffInfo(*fx.state);
  return Row(fx.db, "schiffe", 1, 7).real("Prozent");
}

}  // namespace

TEST(BuildingReader, ReadsTheBlockListsItsOwnerAndResetsWhatIsMissing) {
  ImportFixture fx(kMolvanth, 3);
  fx.game.roundCode = 3806;
  fx.state->regionPosition = QStringLiteral("3/-4/1");
  fx.setReport({"BURG 36", "\"Burg\";Typ", "\"Feste Höhe\";Name", "\"Ein Turm\";Beschr", "250;Groesse",
                "757;Besitzer", "42;Partei", "10;Unterhalt", "99;Belagerer", "EINHEIT 1", "\"Wache\";Name"});
  getBurgInfo(*fx.state);
  EXPECT_EQ(fx.state->currentLine, 8);  // on the last line of the block
  EXPECT_EQ(fx.state->buildingCommanders, QStringLiteral("*10;L1*"));
  {
    Row r(fx.db, "burgen", 3, 36);
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.text("Burg Position"), QStringLiteral("3/-4/1"));
    EXPECT_EQ(r.text("Typ"), QStringLiteral("Burg"));
    EXPECT_EQ(r.text("Burg Name"), QStringLiteral("Feste Höhe"));
    EXPECT_EQ(r.text("Burg Beschreibung"), QStringLiteral("Ein Turm"));
    EXPECT_EQ(r.num("Burggrösse"), 250);
    EXPECT_EQ(r.num("Besitzer"), 757);
    EXPECT_EQ(r.num("Partei"), 42);
    EXPECT_EQ(r.num("Unterhalt"), 10);
    EXPECT_EQ(r.num("Belagerer"), 99);
    EXPECT_EQ(r.num("Info Datum"), 3806);
  }
  // Read again: the defaults replace what the block no longer gives, and a
  // region header ends the block at that line.
  fx.state->buildingCommanders.clear();
  fx.setReport({"BURG 36", "\"Burg\";Typ", "\"Neu\";Name", "0;Besitzer", "REGION 9 9", "70;Groesse"});
  getBurgInfo(*fx.state);
  EXPECT_EQ(fx.state->currentLine, 3);
  EXPECT_TRUE(fx.state->buildingCommanders.isEmpty());
  Row r(fx.db, "burgen", 3, 36);
  EXPECT_EQ(r.text("Burg Name"), QStringLiteral("Neu"));
  EXPECT_EQ(r.num("Burggrösse") + r.num("Besitzer") + r.num("Unterhalt") + r.num("Belagerer"), 0);
  EXPECT_EQ(r.num("Partei"), -1);
  EXPECT_EQ(r.text("Burg Beschreibung"), QStringLiteral("Ein Turm"));
  EXPECT_EQ(testsupport::rowCount(fx.db, QStringLiteral("burgen")), 1);

  ImportFixture quarnel(kQuarnel);
  quarnel.setReport({"BURG 37", "\"Turm\";Typ", "\"T\";Name", "757;Besitzer"});
  getBurgInfo(*quarnel.state);
  EXPECT_EQ(quarnel.state->buildingCommanders, QStringLiteral("*37;757*"));
}

TEST(BuildingShipReader, OlderReportsNeverOverwriteNewerRows) {
  ImportFixture fx;
  fx.game.roundCode = 3806;
  fx.state->regionPosition = QStringLiteral("1/1");
  fx.setReport({"BURG 5", "\"Burg\";Typ", "\"Neu\";Name", "70;Groesse", "SCHIFF 9", "\"Kogge\";Name",
                "\"Boot\";Typ", "5;Groesse", "3;Kapitaen"});
  walkBlocks(*fx.state);
  const QString newer = testsupport::dump(fx.db);

  fx.game.roundCode = 3805;
  fx.state->regionPosition = QStringLiteral("2/2");
  fx.setReport({"BURG 5", "\"Ruine\";Typ", "\"Alt\";Name", "SCHIFF 9", "\"Wrack\";Name", "\"Boot\";Typ",
                "1;Groesse", "4;Kapitaen"});
  walkBlocks(*fx.state);
  EXPECT_EQ(testsupport::dump(fx.db), newer);
  // The lists describe the report being read, whatever is stored.
  EXPECT_EQ(fx.state->shipCaptains, QStringLiteral("*9;3**9;4*"));

  fx.game.roundCode = 3806;  // the same round again is written
  fx.setReport({"BURG 5", "\"Burg\";Typ", "\"Gleich\";Name"});
  walkBlocks(*fx.state);
  EXPECT_EQ(Row(fx.db, "burgen", 1, 5).text("Burg Position"), QStringLiteral("2/2"));
}

TEST(ShipReader, PercentFromSizeDamageAndPercentLines) {
  EXPECT_DOUBLE_EQ(shipPercent({"\"Langboot\";Typ", "25;Groesse"}), 50.0);
  EXPECT_DOUBLE_EQ(shipPercent({"\"Trireme\";Typ", "50;Groesse"}), 25.0);
  EXPECT_DOUBLE_EQ(shipPercent({"\"Karavelle\";Typ", "100;Groesse"}), 40.0);
  EXPECT_DOUBLE_EQ(shipPercent({"\"Boot\";Typ", "2;Groesse"}), 40.0);
  EXPECT_DOUBLE_EQ(shipPercent({"\"Drachenschiff\";Typ", "33;Groesse"}), 33.0);
  EXPECT_DOUBLE_EQ(shipPercent({"\"Karavelle\";Typ", "1;Groesse"}), 0.4);  // kept as a real
  EXPECT_DOUBLE_EQ(shipPercent({"\"Langboot\";Typ", "25;Groesse", "30;Schaden"}), -30.0);
  EXPECT_DOUBLE_EQ(shipPercent({"\"Galeone\";Typ", "2000;Groesse"}), 100.0);  // unknown type
  EXPECT_DOUBLE_EQ(shipPercent({"\"Galeone\";Typ", "77;Prozent"}), 77.0);
  // Only a quote directly before ";Typ" names the type.
  EXPECT_DOUBLE_EQ(shipPercent({"\"Boot\";x;Typ", "2;Groesse"}), 100.0);
}

// The state of repair is worked out once the block is read: damage, size
// and type count whatever order they stand in.
TEST(ShipReader, PercentWhateverTheOrder) {
  const std::pair<QStringList, double> cases[] = {
      {{"2;Schaden", "250;Groesse", "\"Karavelle\";Typ"}, -2.0},
      {{"\"Karavelle\";Typ", "2;Schaden", "250;Groesse"}, -2.0},
      {{"125;Groesse", "\"Karavelle\";Typ"}, 50.0},
      {{"30;Prozent", "\"Langboot\";Typ", "25;Groesse"}, 50.0},
      {{"\"Langboot\";Typ"}, 100.0},
  };
  for (const auto& [lines, want] : cases) EXPECT_DOUBLE_EQ(shipPercent(lines), want) << lines.join(u'|').toStdString();
}

TEST(ShipReader, CoastCargoCaptainAndFaction) {
  ImportFixture fx(kMolvanth, 2);
  {
    Table u(fx.db, QStringLiteral("einheiten"));  // the captain as stored from an earlier report
    u.append();
    u.setValue(QStringLiteral("Spiel"), 2);
    u.setValue(QStringLiteral("Einheit Nr"), 757);
    u.setValue(QStringLiteral("Partei Nr"), 146);
    u.post();
  }
  fx.setReport({"SCHIFF 36", "\"Möwe\";Name", "\"Boot\";Typ", "\"Schnell\";Beschr", "0;Kueste", "757;Kapitaen",
                "300;Ladung", "SCHIFF 37", "\"Ohne\";Name", "6;Kueste", "9;Kapitaen", "5000;MaxLadung",
                "SCHIFF 38", "\"Eigen\";Name", "4;Kueste", "757;Kapitaen", "12;Partei"});
  walkBlocks(*fx.state);
  EXPECT_EQ(fx.state->shipCaptains, QStringLiteral("*10;L1**11;9**12;L1*"));

  Row a(fx.db, "schiffe", 2, 36);
  ASSERT_TRUE(a.found);
  EXPECT_EQ(a.text("Schiffs Name"), QStringLiteral("Möwe"));
  EXPECT_EQ(a.text("Schiffstyp"), QStringLiteral("Boot"));
  EXPECT_EQ(a.text("Schiffs Beschreibung"), QStringLiteral("Schnell"));
  EXPECT_EQ(a.text("Kueste"), QStringLiteral("Nordwestküste"));
  EXPECT_EQ(a.num("Partei"), 146);  // from the captain's stored row
  EXPECT_EQ(a.num("Ladung"), 300);
  EXPECT_EQ(a.num("MaxLadung"), 0);

  Row b(fx.db, "schiffe", 2, 37);
  EXPECT_EQ(b.text("Kueste"), QStringLiteral("keine Küste"));  // 6 is no coast
  EXPECT_EQ(b.num("Partei"), -1);                               // captain unknown
  EXPECT_EQ(b.num("MaxLadung"), 5000);
  EXPECT_EQ(b.num("Ladung"), 0);  // a capacity line is no load line

  Row c(fx.db, "schiffe", 2, 38);
  EXPECT_EQ(c.text("Kueste"), QStringLiteral("Südwestküste"));
  EXPECT_EQ(c.num("Partei"), 12);  // the report's faction line wins
}

TEST(BuildingShipReader, CutOffBlocksAndBadNumbers) {
  // A header followed at once by the next one, and a block at the end of the buffer.
  ImportFixture fx;
  fx.setReport({"REGION 0 0", "SCHIFF 4", "BURG 3", "EINHEIT 1", "BURG 8", "\"Turm\";Typ"}, 1);
  getSchiffInfo(*fx.state);
  EXPECT_EQ(fx.state->currentLine, 1);
  fx.state->currentLine = 2;
  getBurgInfo(*fx.state);
  EXPECT_EQ(fx.state->currentLine, 2);
  fx.state->currentLine = 4;
  getBurgInfo(*fx.state);
  EXPECT_EQ(fx.state->currentLine, 5);
  EXPECT_TRUE(Row(fx.db, "schiffe", 1, 4).text("Schiffs Name").isEmpty());
  EXPECT_TRUE(Row(fx.db, "burgen", 1, 3).text("Typ").isEmpty());
  EXPECT_EQ(Row(fx.db, "burgen", 1, 8).text("Typ"), QStringLiteral("Turm"));

  ImportFixture bad;
  bad.setReport({"BURG 3", "\"Turm\";Typ", "\"T\";Name", "groß;Groesse"});
  try {
    getBurgInfo(*bad.state);
    ADD_FAILURE() << "a size that is no number must end the import";
  } catch (const ImportError& e) {
    EXPECT_EQ(e.lineIndex(), 3);
  }
  bad.setReport({"SCHIFF x7", "\"S\";Name"});
  EXPECT_THROW(getSchiffInfo(*bad.state), ImportError);
  bad.setReport({"SCHIFF 7", "\"S\";Name", "Nord;Kueste"});
  EXPECT_THROW(getSchiffInfo(*bad.state), ImportError);
}

TEST(BuildingShipReader, SharedBattleReport) {
  const auto lines = textutil::readLines(testsupport::sharedReport(QStringLiteral("334-kampf-bom.cr")));
  ASSERT_TRUE(lines.has_value());
  ImportFixture fx;
  fx.setReport(*lines, int(lines->indexOf(QStringLiteral("REGION -2011 0"))));
  walkBlocks(*fx.state);

  EXPECT_EQ(testsupport::rowCount(fx.db, QStringLiteral("burgen")) + testsupport::rowCount(fx.db, QStringLiteral("schiffe")),
            int(lines->filter(QRegularExpression(QStringLiteral("^(BURG|SCHIFF) "))).size()));
  EXPECT_TRUE(fx.state->buildingCommanders.contains(QStringLiteral("*3s4x;8uz4*")));
  Row lighthouse(fx.db, "burgen", 1, 176433);
  EXPECT_EQ(lighthouse.text("Typ"), QStringLiteral("Leuchtturm"));
  EXPECT_EQ(lighthouse.num("Partei"), 146);
  Row longboat(fx.db, "schiffe", 1, 1088880);
  EXPECT_DOUBLE_EQ(longboat.real("Prozent"), 100.0);
  EXPECT_EQ(longboat.num("Kapitaen"), 579818);
}

// The type and name lines are values taken by their place, whatever they are
// called: the owner or captain after them is read, and the unit in command
// gets its capital mark in the template. A unit header after the fixed lines
// still ends the block.
TEST(BuildingShipReader, NamesThatLookLikeHeadersKeepTheirBlock) {
  struct Case {
    const char* name;
    QStringList block;
    const char* unitPlace;  // the unit's ";Burg" or ";Schiff" line
    QString mark;           // its place in the template header
  };
  const QList<Case> cases = {
      {"building named REGIONALBURG", {"BURG 10", "\"Burg\";Typ", "\"REGIONALBURG\";Name", "757;Besitzer"}, "10;Burg",
       ",Ga"},
      {"building of type SCHIFFSWERFT", {"BURG 10", "\"SCHIFFSWERFT\";Typ", "\"Werft\";Name", "757;Besitzer"},
       "10;Burg", ",Ga"},
      {"building described with EINHEIT",
       {"BURG 10", "\"Burg\";Typ", "\"B\";Name", "\"Die EINHEIT wacht\";Beschr", "757;Besitzer"}, "10;Burg", ",Ga"},
      {"ship named SCHIFFBRUCH", {"SCHIFF 20", "\"SCHIFFBRUCH\";Name", "\"Boot\";Typ", "757;Kapitaen"}, "20;Schiff",
       ",Sk"},
      {"ship named after a REGION", {"SCHIFF 20", "\"Stolz der REGION\";Name", "\"Boot\";Typ", "757;Kapitaen"},
       "20;Schiff", ",Sk"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    unittest::UnitWorld w;
    w.region(QStringLiteral("Nizir"), 2, 39);
    const QStringList unit = {"EINHEIT 757", "\"Herr\";Name", "146;Partei", QString::fromLatin1(c.unitPlace)};
    w.fx->setReport(c.block + unit, 0);
    c.block.first().startsWith("BURG") ? getBurgInfo(w.state()) : getSchiffInfo(w.state());
    EXPECT_EQ(w.state().currentLine, c.block.size() - 1);
    if (c.block.first().startsWith("BURG")) {
      EXPECT_EQ(Row(w.fx->db, "burgen", 1, 10).num("Besitzer"), 757);
      EXPECT_EQ(Row(w.fx->db, "burgen", 1, 10).text("Burg Name"), ImportState::textValue(c.block.at(2)));
    } else {
      EXPECT_EQ(Row(w.fx->db, "schiffe", 1, 20).num("Kapitaen"), 757);
      EXPECT_EQ(Row(w.fx->db, "schiffe", 1, 20).text("Schiffs Name"), ImportState::textValue(c.block.at(1)));
    }
    w.read(c.block + unit, int(c.block.size()));
    EXPECT_EQ(w.fx->orders.lines(), QStringList({QStringLiteral(" EINHEIT L1;\tHerr [1,0$") + c.mark + "]"}));
  }
  // After the fixed lines a unit header ends the block; it is not read as a building line.
  ImportFixture fx;
  fx.setReport({"BURG 10", "\"Burg\";Typ", "\"B\";Name", "EINHEIT 757", "\"Herr\";Name", "12;Groesse"});
  getBurgInfo(*fx.state);
  EXPECT_EQ(fx.state->currentLine, 2);
  EXPECT_EQ(Row(fx.db, "burgen", 1, 10).num("Burggrösse"), 0);
}

// Today's reports give a ship's load and capacity as ";cargo" and
// ";capacity"; the older keys win where a block has them.
TEST(ShipReader, CargoAndCapacityOfTodaysReports) {
  struct Case {
    QStringList lines;
    qint64 load, capacity;
  };
  const QList<Case> cases = {
      {{"3000;cargo", "5000;capacity"}, 3000, 5000},
      {{"10;Ladung", "100;MaxLadung", "3000;cargo", "5000;capacity"}, 10, 100},
      {{"3000;cargo", "5000;capacity", "10;Ladung", "100;MaxLadung"}, 10, 100},
      {{"10;Ladung", "5000;capacity"}, 10, 5000},
      {{"3000;cargo"}, 3000, 0},
      {{"\"Fracht;cargo\";Beschr"}, 0, 0},
      {{}, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines.join(QLatin1Char('|')).toStdString());
    ImportFixture fx;
    fx.setReport(QStringList{"SCHIFF 7", "\"Kogge\";Name", "\"Karavelle\";Typ"} + c.lines + QStringList{"EINHEIT 1"});
    getSchiffInfo(*fx.state);
    Row r(fx.db, "schiffe", 1, 7);
    EXPECT_EQ(r.num("Ladung"), c.load);
    EXPECT_EQ(r.num("MaxLadung"), c.capacity);
  }
}
