// The built-in order check: each kind of problem on a small template, the
// forms it has to accept, and the password test the save warning shares.
#include <gtest/gtest.h>

#include "game/codec.h"
#include "orders/orderparse.h"
#include "orders/orderscheck.h"
#include "orders/ordersknowledge.h"
#include "orders/templatepassword.h"

namespace {

using orderscheck::Severity;

orderscheck::Knowledge knowledge() {
  orderscheck::Knowledge k = ordersknowledge::namesFromSchema(1);
  k.unitsKnown = true;
  // own units a, b, c; 1z is a foreign unit of the slot
  for (const char* id : {"a", "b", "c", "1z"}) k.knownUnits.insert(codec::Decode(QString::fromLatin1(id)));
  for (const char* id : {"a", "b", "c"}) k.ownUnits.insert(codec::Decode(QString::fromLatin1(id)));
  return k;
}

// A sound template around the orders of unit a (from line 4 on).
QStringList around(const QStringList& orders) {
  QStringList lines = {QStringLiteral(" PARTEI xy \"geheim\""), QStringLiteral(" REGION 3,-4 ; Ort"),
                       QStringLiteral(" EINHEIT a;\tHugo [1,0$]")};
  lines << orders << QStringLiteral(" NAECHSTER");
  return lines;
}

struct Case {
  const char* name;
  QStringList lines;
  Severity severity;
  int line;
  const char* unit;
  const char* textPart;
};

TEST(OrdersCheck, EachKindOfProblemIsFoundAtItsLineAndUnit) {
  const QString work = QStringLiteral("ARBEITE");
  const QList<Case> cases = {
      {"empty password", {QStringLiteral("PARTEI xy \"\""), QStringLiteral("NAECHSTER")}, Severity::Fehler, 1, "", "Passwort"},
      {"missing password", {QStringLiteral("PARTEI xy"), QStringLiteral("NAECHSTER")}, Severity::Fehler, 1, "", "Passwort"},
      {"no PARTEI line", {QStringLiteral("EINHEIT a"), work, QStringLiteral("NAECHSTER")}, Severity::Fehler, 1, "", "PARTEI"},
      {"unknown keyword", around({work, QStringLiteral("  ARBIETE")}), Severity::Fehler, 5, "a", "Unbekannter Befehl"},
      {"two exclusive long orders", around({QStringLiteral("LERNE Reiten"), QStringLiteral("nach o")}), Severity::Fehler, 5, "a", "Zweiter langer Befehl NACH"},
      {"buying beside a long order", around({work, QStringLiteral("KAUFE 3 Balsam")}), Severity::Fehler, 5, "a", "KAUFE neben"},
      {"no long order", around({QStringLiteral("BEWACHE")}), Severity::Warnung, 3, "a", "keinen langen Befehl"},
      {"bad direction", around({QStringLiteral("NACH o nordern")}), Severity::Fehler, 4, "a", "Richtung „nordern“"},
      {"bad road direction", around({QStringLiteral("MACHE STRASSE x")}), Severity::Fehler, 4, "a", "Richtung"},
      {"unknown skill", around({QStringLiteral("LERNE Kochen")}), Severity::Fehler, 4, "a", "Unbekanntes Talent „Kochen“"},
      {"unknown item", around({work, QStringLiteral("GIB b 5 Gold")}), Severity::Fehler, 5, "a", "Unbekannter Gegenstand „Gold“"},
      {"unknown reserved item", around({work, QStringLiteral("RESERVIERE 5 Gold")}), Severity::Fehler, 5, "a", "Gegenstand"},
      {"unknown luxury", around({QStringLiteral("VERKAUFE 5 Eisen")}), Severity::Fehler, 4, "a", "Luxusgut"},
      {"unknown unit in GIB", around({work, QStringLiteral("GIB zz9 5 Silber")}), Severity::Warnung, 5, "a", "zz9 ist nicht bekannt"},
      {"unknown unit in LEHRE", around({QStringLiteral("LEHRE b zz9")}), Severity::Warnung, 4, "a", "zz9"},
      {"unknown unit in ATTACKIERE", around({work, QStringLiteral("ATTACKIERE zz9")}), Severity::Warnung, 5, "a", "zz9"},
      {"unknown unit in FOLGE", around({work, QStringLiteral("FOLGE EINHEIT zz9")}), Severity::Warnung, 5, "a", "zz9"},
      {"unknown unit in KONTAKTIERE", around({work, QStringLiteral("KONTAKTIERE zz9")}), Severity::Warnung, 5, "a", "zz9"},
      {"unclosed quote", around({work, QStringLiteral("BENENNE EINHEIT \"Hugo")}), Severity::Fehler, 5, "a", "Anführungszeichen"},
      {"TEMP never made", around({work, QStringLiteral("GIB TEMP 7 5 Silber")}), Severity::Fehler, 5, "a", "TEMP 7"},
      {"MACHE TEMP without ENDE", around({work, QStringLiteral("MACHE TEMP 7"), QStringLiteral("LERNE Reiten")}), Severity::Fehler, 5, "TEMP 7", "ohne ENDE"},
      {"ENDE without MACHE TEMP", around({work, QStringLiteral("ENDE")}), Severity::Fehler, 5, "a", "ENDE ohne"},
      {"foreign unit's block", {QStringLiteral("PARTEI xy \"g\""), QStringLiteral("EINHEIT 1z"), work, QStringLiteral("NAECHSTER")}, Severity::Warnung, 2, "1z", "Keine eigene"},
      {"unit twice", around({work, QStringLiteral("EINHEIT A"), work}), Severity::Warnung, 5, "A", "schon in Zeile 3"},
      {"no NAECHSTER", {QStringLiteral("PARTEI xy \"g\""), QStringLiteral("EINHEIT a"), work}, Severity::Warnung, 3, "", "NAECHSTER"},
  };
  const orderscheck::Knowledge k = knowledge();
  for (const Case& c : cases) {
    const QList<orderscheck::Problem> problems = orderscheck::check(c.lines, k);
    ASSERT_EQ(problems.size(), 1) << c.name << ": " << [&] {
      QStringList all;
      for (const auto& p : problems) all << orderscheck::problemLine(p);
      return all.join(QStringLiteral(" | ")).toStdString();
    }();
    const orderscheck::Problem& p = problems.first();
    EXPECT_EQ(p.severity, c.severity) << c.name;
    EXPECT_EQ(p.line, c.line) << c.name;
    EXPECT_EQ(p.unit, QString::fromUtf8(c.unit)) << c.name;
    EXPECT_TRUE(p.text.contains(QString::fromUtf8(c.textPart))) << c.name << ": " << p.text.toStdString();
  }
}

TEST(OrdersCheck, SoundOrdersInTheirVariousFormsGiveNoProblem) {
  const QStringList lines = around({
      QStringLiteral("  @LERNE AUTO bogenschießen ; the report writes ß, the table ss"),
      QStringLiteral("// Plan: LERNE Kochen"),
      QStringLiteral("; KAUFE irgendwas"),
      QStringLiteral("KAEMPFE FLIEHE"),
      QStringLiteral("gib TEMP de00 100 silber"),
      QStringLiteral("GIB 0 ALLES Kräuterbeutel"),
      QStringLiteral("GIB b 2 PERSONEN"),
      QStringLiteral("GIB c EINHEIT"),
      QStringLiteral("GIB 1Z ALLES"),
      QStringLiteral("RESERVIERE 40 Silber"),
      QStringLiteral("BENENNE EINHEIT \"Hugo; der Große\""),
      QStringLiteral("MACHE TEMP de00 \"Neu\""),
      QStringLiteral("REKRUTIERE 1"),
      QStringLiteral("ROUTE no o PAUSE Südwesten w"),
      QStringLiteral("ENDE"),
      QStringLiteral("EINHEIT b"),
      QStringLiteral("KAUFE 2 Öl"),
      QStringLiteral("VERKAUFE ALLES Gewuerz"),
      QStringLiteral("ZAUBERE \"Feuerball\""),
      QStringLiteral("MACHE TEMP 1"),
      QStringLiteral("MACHE 3 Schwert"),
      QStringLiteral("ENDE"),
      QStringLiteral("EINHEIT c"),
      QStringLiteral("LEHRE a b TEMP de00"),
  });
  const QList<orderscheck::Problem> problems = orderscheck::check(lines, knowledge());
  for (const auto& p : problems) ADD_FAILURE() << orderscheck::problemLine(p).toStdString();
}

TEST(OrdersCheck, ProblemsCarryTheRegionOfTheirUnitAndPrintAsTheToolDoes) {
  const QStringList lines = around({QStringLiteral("NACH x")});
  const QList<orderscheck::Problem> problems = orderscheck::check(lines, knowledge());
  ASSERT_EQ(problems.size(), 1);
  EXPECT_TRUE(problems.first().hasRegion);
  EXPECT_EQ(QPoint(problems.first().x, problems.first().y), QPoint(3, -4));
  EXPECT_EQ(orderscheck::problemLine(problems.first()), QStringLiteral("Zeile 4: Fehler: EINHEIT a: Ungültige Richtung „x“."));
  orderscheck::Problem outside{Severity::Warnung, 9, QString(), QStringLiteral("Text"), false, 0, 0, 0};
  EXPECT_EQ(orderscheck::problemLine(outside), QStringLiteral("Zeile 9: Warnung: Text"));
}

TEST(OrdersCheck, TemplateHasPasswordReadsTheFirstPronouncedPassword) {
  struct Row {
    QStringList lines;
    bool has;
  };
  const QList<Row> rows = {
      {{QStringLiteral(" PARTEI bLa \"\"")}, false},
      {{QStringLiteral(" PARTEI bLa")}, false},
      {{QStringLiteral("EINHEIT a")}, false},
      {{QStringLiteral(" ; PARTEI bLa \"x\""), QStringLiteral(" PARTEI bLa \"x y\"")}, true},
      {{QStringLiteral("partei bLa geheim ; Kommentar")}, true},
  };
  for (const Row& r : rows) EXPECT_EQ(templatepassword::hasPassword(r.lines), r.has) << r.lines.join('|').toStdString();
}

TEST(OrdersParse, FoldingAndQuotesAndComments) {
  EXPECT_EQ(orderparse::fold(QStringLiteral("Zerstöre Straße_x")), QStringLiteral("ZERSTOERE STRASSE X"));
  const orderparse::Line l = orderparse::parseLine(QStringLiteral("  BENENNE EINHEIT \"a ; b\" ; rest"));
  ASSERT_EQ(l.tokens.size(), 3);
  EXPECT_EQ(l.tokens.at(2).text, QStringLiteral("a ; b"));
  EXPECT_EQ(l.commentStart, 26);
  EXPECT_FALSE(l.unclosedQuote);
  EXPECT_EQ(orderparse::parseLine(QStringLiteral(" EINHEIT a;\tName")).frame, orderparse::Frame::Einheit);
  EXPECT_EQ(orderparse::parseLine(QStringLiteral("@EINHEIT a")).kind, orderparse::LineKind::Order);
}

}  // namespace
