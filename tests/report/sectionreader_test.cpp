#include <gtest/gtest.h>

#include "game/textutil.h"
#include "db/table.h"
#include "report/blockreaders.h"
#include "report/importerror.h"
#include "support/testsupport.h"

using testsupport::ImportFixture;

namespace {

void addRegion(Database& db, int slot, int x, int y, int z) {
  Table t(db, QStringLiteral("regionen"));
  t.append();
  for (const auto& [field, value] : {std::pair{"Spiel", slot}, {"Breite", x}, {"Länge", y}, {"Ebene", z}})
    t.setValue(QString::fromUtf8(field), value);
  t.post();
}

QString umgebung(Database& db, int slot, int x, int y, int z) {
  Table t(db, QStringLiteral("regionen"));
  return t.findKey({slot, x, y, z}) ? t.text(QStringLiteral("Umgebung")) : QStringLiteral("<fehlt>");
}

QStringList message(qint64 type, const QString& text, const QString& amount = QString()) {
  QStringList block{QStringLiteral("MESSAGE 1"), QString::number(type) + QStringLiteral(";type"),
                    QLatin1Char('"') + text + QStringLiteral("\";rendered")};
  if (!amount.isNull()) block << amount + QStringLiteral(";amount");
  return block;
}

}  // namespace

TEST(SectionReader, SectionListsGoToTheirPagesWithoutTheirFrame) {
  ImportFixture fx;
  fx.setReport({"OPTIONEN", "1;AUSWERTUNG", "FEHLER", " \"Falscher Befehl\"", " \"Noch einer\"", "1;x",
                "WARNUNGEN", " \"Hunger\"", "MELDUNGEN", " \"Gruss\"", " \"Zweiter\"", "KAEMPFE", " \"Angriff\"",
                "EREIGNISSE", "erste Zeile ohne Anfuehrung!", " \"Ereignis\"", "EINKOMMEN", " \"Zoll\"", " \"Abgabe\"",
                "HANDEL", " \"Kauf\"", "PRODUKTION", " \"Holz\"", "BEWEGUNGEN", " \"Reise\"", "REGION 0 0", "\"x\""});
  readSections(*fx.state);

  EXPECT_EQ(fx.state->currentLine, 25);  // on the region header, not past it
  EXPECT_EQ(fx.pages.botschaften, (QStringList{"Fehler:", "", "Falscher Befehl", "Noch einer", "", "Warnungen:", "",
                                               "Hunger", "", "Meldungen:", "", "Gruss", "", "Zweiter", ""}));
  EXPECT_EQ(fx.pages.kaempfe, QStringList{"Angriff"});
  // The first line is taken in any case, the following ones need a quote.
  EXPECT_EQ(fx.pages.ereignisse, (QStringList{"ste Zeile ohne Anfuehrung", "Ereignis"}));
  EXPECT_EQ(fx.pages.einkommen.lines(), (QStringList{"Abgabe", "Zoll"}));  // sorted
  EXPECT_EQ(fx.pages.handel, QStringList{"Kauf"});
  EXPECT_EQ(fx.pages.produktion, QStringList{"Holz"});
  EXPECT_EQ(fx.pages.bewegungen, QStringList{"Reise"});
  EXPECT_EQ(fx.state->sums.income, 0);  // section lines are never summed
}

TEST(SectionReader, MessagesArePlacedByTheirType) {
  ImportFixture fx;
  QStringList report;
  report << message(5281483, "Handel 1") << message(1810759497, "Ereignis 1") << message(2042128202, "Warnung 1")
         << message(704703128, "Produktion 1") << message(1478912224, "B ohne Summe", "1000")
         << message(771334452, "A Einkommen", "120") << message(771334452, "C Einkommen", "35")
         << message(1242100855, "Bewegung 1") << message(1185902130, "Kampf 1") << message(123, "Sonstiges")
         << message(180602521, "Einheit x reitet nach Norden") << message(180602521, "Vor dem Kampf")
         << QStringLiteral("BATTLE 3 4") << message(180602521, "Nach dem Kampf")
         << message(180602521, "Einheit y reitet davon") << QStringLiteral("REGION 3 4");
  fx.setReport(report);
  readSections(*fx.state);

  EXPECT_EQ(fx.pages.handel, QStringList{"Handel 1"});
  EXPECT_EQ(fx.pages.ereignisse, QStringList{"Ereignis 1"});
  EXPECT_EQ(fx.pages.warnungen, QStringList{"Warnung 1"});
  EXPECT_EQ(fx.pages.produktion, QStringList{"Produktion 1"});
  EXPECT_EQ(fx.pages.einkommen.lines(), (QStringList{"A Einkommen", "B ohne Summe", "C Einkommen"}));
  EXPECT_EQ(fx.state->sums.income, 155);
  EXPECT_EQ(fx.pages.bewegungen, (QStringList{"Bewegung 1", "Einheit x reitet nach Norden", "Einheit y reitet davon"}));
  EXPECT_EQ(fx.pages.botschaften, (QStringList{"Sonstiges", "Vor dem Kampf"}));
  EXPECT_EQ(fx.pages.kaempfe, (QStringList{"Kampf 1", "", "", "Kampf in Region:  3 4 !", "", "Nach dem Kampf"}));
  EXPECT_EQ(fx.state->currentLine, report.size() - 1);
}

TEST(SectionReader, MessageValuesCarryOverButAreNeitherRepeatedNorResummed) {
  ImportFixture fx;
  fx.setReport({"MESSAGE 1", "771334452;type", "\"Verdienst\";rendered", "40;amount",
                "MESSAGE 2", "\"Noch ein Verdienst\";rendered",  // type kept, no amount of its own
                "MESSAGE 3", "771334452;type", "5;amount",        // no text of its own
                "MESSAGE 4", "5281483;type", "\"Markt\";rendered", "viel;amount",  // never summed
                "REGION 0 0"});
  readSections(*fx.state);
  EXPECT_EQ(fx.pages.einkommen.lines(), (QStringList{"Noch ein Verdienst", "Verdienst"}));
  EXPECT_EQ(fx.pages.handel, QStringList{"Markt"});
  EXPECT_EQ(fx.state->sums.income, 40);
  EXPECT_EQ(fx.state->currentLine, 13);

  ImportFixture income;
  income.setReport({"OPTIONEN", "MESSAGE 1", "771334452;type", "x5;amount", "\"Lohn\";rendered", "REGION 1 1"});
  try {
    readSections(*income.state);
    FAIL() << "a non-numeric income amount must end the import";
  } catch (const ImportError& e) {
    EXPECT_EQ(e.lineIndex(), 3);
  }
}

TEST(SectionReader, BattleMarksTheRegionOnAnyLevelOrTheGivenLevel) {
  ImportFixture fx;
  fx.game.roundCode = 3806;
  addRegion(fx.db, 1, -2011, 0, 1);
  addRegion(fx.db, 2, 5, 6, 2);  // the same place in another slot stays unmarked
  addRegion(fx.db, 1, 5, 6, 0);
  addRegion(fx.db, 1, 5, 6, 2);
  fx.setReport({"BATTLE -2011 0", "BATTLE 5 6 2", "BATTLE 8 8", "REGION 0 0"});
  readSections(*fx.state);

  EXPECT_TRUE(fx.state->battleFlag);
  EXPECT_EQ(umgebung(fx.db, 1, -2011, 0, 1), QStringLiteral("Kampf in Runde 3806"));
  EXPECT_EQ(umgebung(fx.db, 1, 5, 6, 2), QStringLiteral("Kampf in Runde 3806"));
  EXPECT_EQ(umgebung(fx.db, 1, 5, 6, 0), QString());
  EXPECT_EQ(umgebung(fx.db, 2, 5, 6, 2), QString());
  EXPECT_EQ(testsupport::rowCount(fx.db, QStringLiteral("regionen")), 4);  // 8 8 is unknown: nothing added
  EXPECT_EQ(fx.pages.kaempfe.size(), 12);
  EXPECT_EQ(fx.pages.kaempfe.at(6), QStringLiteral("Kampf in Region:  5 6 2 !"));
  EXPECT_EQ(fx.pages.kaempfe.at(10), QStringLiteral("Kampf in Region:  8 8 !"));
  EXPECT_EQ(fx.state->currentLine, 3);

  for (const char* header : {"BATTLE 3 Nord", "BATTLE 3"}) {
    ImportFixture bad;
    bad.setReport({"OPTIONEN", header, "REGION 0 0"});
    try {
      readSections(*bad.state);
      ADD_FAILURE() << header;
    } catch (const ImportError& e) {
      EXPECT_EQ(e.lineIndex(), 1);
    }
  }
}

TEST(SectionReader, AlliancesInBothForms) {
  ImportFixture fx;
  fx.setReport({"ALLIANZ 1", "\"Nichts\";Parteiname", "0;Status", "ALLIANZ 2", "\"Geber\";Parteiname", "8;Status",
                "ALLIANZ 3", "\"Neun\";Parteiname", "9;Status", "ALLIANZ 4", "\"Alles\";Parteiname", "27;Status",
                "OPTIONEN", "ALLIIERTE", "5;Partei", "\"Kampf\";Parteiname", "10;Status", "6;Partei",
                "\"Silber\";Parteiname", "11;Status", "7;Partei", "\"Wache\";Parteiname", "25;Status", "ENDE",
                "REGION 0 0"});
  readSections(*fx.state);
  EXPECT_EQ(fx.pages.status, (QStringList{"Nichts = Helfe Nicht", "Geber = Helfe Gib", "Alles = Helfe Alles",
                                          "Kampf = Helfe Kampf, Gib", "Silber = Helfe Kampf, Gib, Silber",
                                          "Wache = Helfe Gib, Silber, Bewache"}));
  EXPECT_EQ(fx.state->currentLine, 24);

  ImportFixture bad;
  bad.setReport({"ALLIANZ 1", "\"X\";Parteiname", "alle;Status", "REGION 0 0"});
  EXPECT_THROW(readSections(*bad.state), ImportError);
}

TEST(SectionReader, FactionBlocksAndTheOldAddressList) {
  ImportFixture fx(kMolvanth, 2);
  fx.game.roundCode = 3806;
  {
    Table t(fx.db, QStringLiteral("parteien"));
    for (int slot : {2, 1}) {
      t.append();
      t.setValue(QStringLiteral("Spiel"), slot);
      t.setValue(QStringLiteral("Partei Nr"), 500);
      t.setValue(QStringLiteral("Partei Name"), QStringLiteral("Alt"));
      t.setValue(QStringLiteral("Banner"), QStringLiteral("Altes Banner"));
      t.setValue(QStringLiteral("Notizen"), QStringLiteral("meine Notiz"));
      t.post();
    }
  }
  fx.setReport({"PARTEI 500", "\"Die Neuen\";Parteiname", "\"neu@example.org\";email", "\"de\";locale",
                "PARTEI 600", "\"Sechs\";Parteiname", "\"six@example.org\";email", "\"Hoch!\";Banner",
                "PARTEI 700", "\"Sieben\";Parteiname", "\"s@example.org\";email", "\"\";banner", "\"en\";locale",
                "ADRESSEN", "800;Partei", "\"Acht\";Parteiname", "\"acht@example.org\";email",
                "900;Partei", "\"Neun\";Parteiname", "\"neun@example.org\";email", "\"Fahne\";banner", "REGION 1 2"});
  readSections(*fx.state);
  EXPECT_EQ(fx.state->currentLine, 21);
  EXPECT_FALSE(fx.tables->parteien.isOpen());

  Table t(fx.db, QStringLiteral("parteien"));
  ASSERT_TRUE(t.findKey({2, 500}));  // edited in place: banner and notes kept
  EXPECT_EQ(t.text(QStringLiteral("Partei Name")), QStringLiteral("Die Neuen"));
  EXPECT_EQ(t.text(QStringLiteral("E-Mail")), QStringLiteral("neu@example.org"));
  EXPECT_EQ(t.text(QStringLiteral("Banner")), QStringLiteral("Altes Banner"));
  EXPECT_EQ(t.text(QStringLiteral("Notizen")), QStringLiteral("meine Notiz"));
  EXPECT_EQ(t.intValue(QStringLiteral("Datum")), 3806);
  ASSERT_TRUE(t.findKey({1, 500}));
  EXPECT_EQ(t.text(QStringLiteral("Partei Name")), QStringLiteral("Alt"));
  ASSERT_TRUE(t.findKey({2, 600}));
  EXPECT_EQ(t.text(QStringLiteral("Banner")), QStringLiteral("Hoch!"));
  ASSERT_TRUE(t.findKey({2, 800}));
  EXPECT_EQ(t.text(QStringLiteral("E-Mail")), QStringLiteral("acht@example.org"));
  ASSERT_TRUE(t.findKey({2, 900}));
  EXPECT_EQ(t.text(QStringLiteral("Banner")), QStringLiteral("Fahne"));
  EXPECT_EQ(t.intValue(QStringLiteral("Datum")), 3806);
  EXPECT_EQ(testsupport::rowCount(fx.db, QStringLiteral("parteien")), 6);
}

TEST(SectionReader, WalkNeverPassesTheFirstRegionNorTheEndOfTheBuffer) {
  // Empty sections and lists right before the first region leave it to the block walk.
  for (const char* header : {"REGION 0 -6 1", "EINKOMMEN", "MESSAGE 7", "ALLIIERTE", "ADRESSEN"}) {
    ImportFixture fx;
    fx.setReport({"OPTIONEN", header, "REGION 4 5", "\"Wald\";Terrain"});
    readSections(*fx.state);
    EXPECT_EQ(fx.state->currentLine, QString::fromLatin1(header).startsWith(QStringLiteral("REGION")) ? 1 : 2)
        << header;
    EXPECT_TRUE(fx.pages.einkommen.isEmpty() && fx.pages.botschaften.isEmpty()) << header;
  }
  // A value line that only mentions a region in capitals is no region header.
  ImportFixture mention;
  mention.setReport({"MESSAGE 1", "\"Blick auf REGION 3\";rendered", "5281483;type", "HANDEL", " \"REGION 4\"",
                     "REGION 4 4"});
  readSections(*mention.state);
  EXPECT_EQ(mention.pages.handel, (QStringList{"Blick auf REGION 3", "REGION 4"}));
  EXPECT_EQ(mention.state->currentLine, 5);

  // Cut-off reports end every loop on the last line; a report without regions is valid.
  const QList<QStringList> cutOff{{"HANDEL", " \"Kauf\""},
                                  {"MESSAGE 1"},
                                  {"ALLIANZ 1", "\"Freund\";Parteiname"},
                                  {"ALLIIERTE", "1;Partei", "\"Freund\";Parteiname", "27;Status", "2;Partei"},
                                  {"PARTEI 5", "\"Fünf\";Parteiname"},
                                  {"ADRESSEN", "5;Partei", "\"Fünf\";Parteiname", "\"f@x\";email", "6;Partei"},
                                  {"BATTLE 1 1"},
                                  {}};
  for (const QStringList& report : cutOff) {
    ImportFixture fx;
    fx.setReport(report);
    readSections(*fx.state);
    EXPECT_EQ(fx.state->currentLine, report.size()) << report.join(QLatin1Char('|')).toStdString();
  }
}

TEST(SectionReader, SharedBattleReport) {
  const auto lines = textutil::readLines(testsupport::sharedReport(QStringLiteral("334-kampf-bom.cr")));
  ASSERT_TRUE(lines.has_value());
  ImportFixture fx;
  fx.game.roundCode = 2810;
  addRegion(fx.db, 1, -2011, 0, 0);
  fx.setReport(*lines, int(lines->indexOf(QStringLiteral("OPTIONEN"))));
  readSections(*fx.state);

  EXPECT_EQ(fx.state->currentLine, lines->indexOf(QStringLiteral("REGION -2011 0")));
  EXPECT_EQ(umgebung(fx.db, 1, -2011, 0, 0), QStringLiteral("Kampf in Runde 2810"));
  // The caption and the three hit messages of the fight; the other 44 messages are "Botschaften".
  ASSERT_EQ(fx.pages.kaempfe.size(), 7);
  EXPECT_EQ(fx.pages.kaempfe.at(4), QStringLiteral("Einheit z2b9 (z2b9) erzielte 116 Treffer und tötete 0 Gegner."));
  EXPECT_EQ(fx.pages.botschaften.size(), 44);
  Table t(fx.db, QStringLiteral("parteien"));
  ASSERT_TRUE(t.findKey({1, 56641}));
  EXPECT_EQ(t.text(QStringLiteral("Partei Name")), QStringLiteral("Partei 17pd"));
  EXPECT_EQ(t.text(QStringLiteral("E-Mail")), QStringLiteral("war@example.org"));
}
