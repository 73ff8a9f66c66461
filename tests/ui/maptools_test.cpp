#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "db/table.h"
#include "support/testsupport.h"
#include "ui/mapareapanel.h"
#include "ui/maptools.h"
#include "ui/tform10.h"
#include "ui/tform4.h"
#include "uitestsupport.h"

namespace {

using testsupport::dump;
using testsupport::rowCount;

struct MapToolsTest : ::testing::Test, uitest::MainWindowFixture {
  MapToolsTest() {
    TForm1::Dialogs d;
    d.form4 = &form4;
    d.form5 = &form5;
    d.form7 = &form7;
    d.form10 = &form10;
    form1->setDialogs(d);
    EXPECT_TRUE(form1->spielinitialisierung(1, QStringLiteral("Erstes"), QStringLiteral("Molvanth")));
    tools().setSaveChooser([this] { return saveAs; });
    tools().setOpenChooser([this] { return openPath; });
  }
  MapTools& tools() { return *form1->mapTools; }
  QString file(const QString& name) const { return dir.filePath(name); }
  void region(int x, int y, const char* name, const char* terrain = "Ebene") {
    Table t(db, QStringLiteral("regionen"));
    t.append();
    t.setValue(QStringLiteral("Spiel"), 1);
    t.setValue(QStringLiteral("Breite"), x);
    t.setValue(QStringLiteral("Länge"), y);
    t.setValue(QStringLiteral("Ebene"), 0);
    t.setValue(QStringLiteral("Regionname"), QString::fromUtf8(name));
    t.setValue(QStringLiteral("Regiontyp"), QString::fromUtf8(terrain));
    t.post();
  }
  void unit(int number, qint32 seen, qint32 party) {
    Table t(db, QStringLiteral("einheiten"));
    t.append();
    t.setValue(QStringLiteral("Spiel"), 1);
    t.setValue(QStringLiteral("Einheit Nr"), number);
    t.setValue(QStringLiteral("Einheit Name"), QStringLiteral("Späher"));
    t.setValue(QStringLiteral("Partei Nr"), party);
    t.setValue(QStringLiteral("Info Datum"), seen);
    t.post();
  }

  TForm4 form4;
  TForm10 form10;
  QString saveAs;
  QString openPath;
};

TEST_F(MapToolsTest, ImportThroughTheMenuGivesTheWindowBackOnEveryWayOut) {
  struct Case {
    QByteArray content;
    bool ok;
    int rows;
  };
  const Case cases[] = {
      {"REGION 1 1\r\n\"Wald\";Terrain\r\n\"Forst\";Name\r\nREGION 2 1\r\n\"Ozean\";Terrain\r\n", true, 2},
      {"REGION 5 5\r\n\"Wald\";Terrain\r\nREGION x 1\r\n", false, 2},
  };
  for (const Case& c : cases) {
    openPath = file(QStringLiteral("karte.txt"));
    testsupport::writeFile(openPath, c.content);
    said.errors.clear();
    form1->menu.Kartendatenimportieren1->trigger();
    EXPECT_TRUE(form1->isEnabled());
    EXPECT_FALSE(form5.isVisible());
    EXPECT_EQ(said.errors.isEmpty(), c.ok);
    if (!c.ok) {
      EXPECT_TRUE(said.errors.value(0).contains(QStringLiteral("Zeile 3")));
    }
    EXPECT_EQ(rowCount(db, QStringLiteral("regionen")), c.rows);
  }
  // A cancelled dialog changes nothing and says nothing.
  openPath.clear();
  const QString before = dump(db);
  form1->menu.Kartendatenimportieren1->trigger();
  EXPECT_EQ(dump(db), before);
  EXPECT_TRUE(said.infos.isEmpty());
}

TEST_F(MapToolsTest, ExportsAskForFileAndRadius) {
  region(0, 0, "Mitte");
  region(1, 1, "Ecke");
  region(0, 1, "Nord");
  saveAs = file(QStringLiteral("alles.txt"));
  form1->menu.Kartendatenexportieren1->trigger();
  EXPECT_EQ(said.infos.value(0), QStringLiteral("Exportieren der Gesamtkarte in Datei: ") + saveAs +
                                     QStringLiteral(" erfolgreich durchgeführt."));
  EXPECT_TRUE(QFile::exists(saveAs));

  // No region marked yet: the message, and no file is asked for.
  said.infos.clear();
  saveAs = file(QStringLiteral("bereich.txt"));
  form1->menu.Kartenbereichexportieren1->trigger();
  EXPECT_EQ(said.infos, QStringList{QStringLiteral(
                            "Es ist noch keine Region markiert. Bitte zuerst den Mittelpunkt des Exportbereichs markieren.")});
  EXPECT_FALSE(QFile::exists(saveAs));

  tools().setShownRegionSource([] { return MapTools::ShownRegion{0, 0, QStringLiteral("Mitte")}; });
  QStringList asked;
  QString answer = QStringLiteral("1,5");
  tools().setTextAsker([&](const QString& caption, const QString& prompt, const QString& fallback) {
    asked << caption << prompt << fallback;
    return answer;
  });
  said.infos.clear();
  form1->menu.Kartenbereichexportieren1->trigger();
  EXPECT_EQ(asked, QStringList({"Kartenteilexport", "Exportradius um Mitte  (0/0)?", "8"}));
  EXPECT_EQ(said.errors.size(), 1);
  EXPECT_FALSE(QFile::exists(saveAs));

  answer = QStringLiteral("1");
  form1->menu.Kartenbereichexportieren1->trigger();
  EXPECT_TRUE(said.infos.value(0).startsWith(QStringLiteral("Exportieren des Kartenteiles in Datei: ")));
  QFile f(saveAs);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray written = f.readAll();
  EXPECT_TRUE(written.contains("REGION 0 1\r\n"));
  EXPECT_FALSE(written.contains("REGION 1 1\r\n"));  // outside the hexagon of radius 1
}

TEST_F(MapToolsTest, ManualEntryKeepsTheDialogOnBadInputAndAlwaysGivesTheWindowBack) {
  game.session.currentLevel = 1;
  form4.Edit1->setText(QStringLiteral("vom letzten Mal"));
  form1->menu.Regioneingeben1->trigger();
  EXPECT_FALSE(form1->isEnabled());
  EXPECT_TRUE(form4.isVisible());
  EXPECT_TRUE(form4.Edit1->text().isEmpty());
  EXPECT_EQ(form4.ComboBox1->currentText(), QStringLiteral("Ebene"));

  form4.Edit1->setText(QStringLiteral("Sandmeer"));
  form4.Edit2->setText(QStringLiteral("3a"));
  form4.Edit3->setText(QStringLiteral("12"));
  form4.ComboBox1->setCurrentText(QStringLiteral("Wüste"));
  form4.Button1->click();
  EXPECT_EQ(said.errors.size(), 1);
  EXPECT_TRUE(form4.isVisible());
  EXPECT_EQ(form4.Edit1->text(), QStringLiteral("Sandmeer"));
  EXPECT_FALSE(form1->isEnabled());
  EXPECT_EQ(rowCount(db, QStringLiteral("regionen")), 0);

  form4.Edit2->setText(QStringLiteral("-3"));
  form4.Button1->click();
  EXPECT_FALSE(form4.isVisible());
  EXPECT_TRUE(form1->isEnabled());
  EXPECT_EQ(tools().regionPosition(), QStringLiteral("-3/12/1"));
  Table t(db, QStringLiteral("regionen"));
  ASSERT_TRUE(t.findKey({1, -3, 12, 1}));
  EXPECT_EQ(t.text(QStringLiteral("Regiontyp")), QStringLiteral("Desert"));

  // "Abbrechen" and closing the window write nothing and give the window back.
  for (int way = 0; way < 2; ++way) {
    form1->menu.Regioneingeben1->trigger();
    form4.Edit2->setText(QStringLiteral("7"));
    form4.Edit3->setText(QStringLiteral("7"));
    if (way == 0)
      form4.Button2->click();
    else
      form4.close();
    EXPECT_TRUE(form1->isEnabled()) << way;
    EXPECT_FALSE(form4.isVisible());
    EXPECT_EQ(rowCount(db, QStringLiteral("regionen")), 1);
  }
}

TEST_F(MapToolsTest, CleanupDialogCountsListsAndDeletes) {
  unit(1, 3806, 99);
  unit(2, 3712, 99);   // six rounds ago, across a year change
  unit(3, 3805, 757);  // the player's own unit, gone
  unit(4, 3803, 99);
  form1->menu.Datenbankaufrumen1->trigger();
  ASSERT_TRUE(form10.isVisible());
  EXPECT_TRUE(form1->isEnabled());  // not modal

  form10.Edit2->setText(QStringLiteral("kein Wert"));
  form10.Button1->click();
  const std::pair<QLineEdit*, const char*> counts[] = {{form10.Edit1, "1"}, {form10.Edit6, "1"}, {form10.Edit2, "1"},
                                                       {form10.Edit3, "1"}, {form10.Edit4, "0"}, {form10.Edit5, "0"},
                                                       {form10.Edit7, "4"}, {form10.Edit8, "4"}};
  for (const auto& [edit, value] : counts) EXPECT_EQ(edit->text(), QLatin1String(value)) << edit->objectName().toStdString();
  form10.Button1->click();
  EXPECT_EQ(form10.Memo1->toPlainText().count(QStringLiteral("Späher (3), Personen: 0")), 2);

  // One choice at a time; deleting "1-6 Runden älter" removes unit 4.
  form10.RadioButton2->setChecked(true);
  form10.RadioButton1->setChecked(true);
  EXPECT_FALSE(form10.RadioButton2->isChecked());
  form10.Button2->click();
  EXPECT_EQ(form10.Edit2->text(), QStringLiteral("0"));
  EXPECT_EQ(form10.Edit7->text(), QStringLiteral("4"));
  EXPECT_EQ(form10.Edit8->text(), QStringLiteral("3"));
  EXPECT_EQ(rowCount(db, QStringLiteral("einheiten")), 3);
  EXPECT_TRUE(said.errors.isEmpty());
}

}  // namespace
