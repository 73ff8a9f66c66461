#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "db/table.h"
#include "support/testsupport.h"
#include "ui/maptools.h"
#include "ui/tform10.h"
#include "ui/tform4.h"
#include "uitestsupport.h"

namespace {

struct MapToolsTest : ::testing::Test, uitest::MainWindowFixture {
  MapToolsTest() {
    TForm1::Dialogs d;
    d.form4 = &form4;
    d.form5 = &form5;
    d.form7 = &form7;
    d.form10 = &form10;
    form1->setDialogs(d);
    EXPECT_TRUE(form1->spielinitialisierung(1, "Erstes", "Molvanth"));
    tools().setSaveChooser([this] { return saveAs; });
    tools().setOpenChooser([this] { return openPath; });
  }
  MapTools& tools() { return *form1->mapTools; }
  void row(const char* table, const std::initializer_list<std::pair<const char*, QVariant>>& values) {
    Table t(db, table);
    t.append();
    for (const auto& [field, value] : values) t.setValue(field, value);
    t.post();
  }

  TForm4 form4;
  TForm10 form10;
  QString saveAs, openPath;
};

TEST_F(MapToolsTest, ImportGivesTheWindowBackOnEveryWayOut) {
  openPath = dir.filePath("karte.txt");
  for (const auto& [content, ok] : {std::pair<QByteArray, bool>{"REGION 1 1\n\"Wald\";Terrain\nREGION 2 1\n", true},
                                    {"REGION 5 5\n\"Wald\";Terrain\nREGION x 1\n", false}}) {
    testsupport::writeFile(openPath, content);
    said.errors.clear();
    form1->menu.Kartendatenimportieren1->trigger();
    EXPECT_TRUE(form1->isEnabled());
    EXPECT_FALSE(form5.isVisible());
    EXPECT_EQ(said.errors.isEmpty(), ok);
    EXPECT_EQ(testsupport::rowCount(db, "regionen"), 2);  // the bad file adds nothing
  }
  EXPECT_TRUE(said.errors.value(0).contains("Zeile 3"));
}

TEST_F(MapToolsTest, ExportsWriteTheShownLevelAndTheAreaCentresOnTheClickedRegion) {
  for (const auto& [x, y] : {std::pair{0, 0}, {1, 1}, {0, 1}})
    row("regionen", {{"Spiel", 1}, {"Breite", x}, {"Länge", y}, {"Ebene", 0}, {"Regionname", "R"}, {"Regiontyp", "Wald"}});
  for (const auto& [x, y] : {std::pair{0, 0}, {1, 0}})
    row("regionen", {{"Spiel", 1}, {"Breite", x}, {"Länge", y}, {"Ebene", 1}, {"Regionname", "Tief"}, {"Regiontyp", "Wald"}});
  const auto headers = [this] {
    QFile f(saveAs);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QString::fromUtf8(f.readAll()).split("\r\n").filter("REGION");
  };

  // Nothing clicked yet: the message, and no file is asked for.
  saveAs = dir.filePath("bereich.txt");
  form1->menu.Kartenbereichexportieren1->trigger();
  EXPECT_EQ(said.infos, QStringList{"Es ist noch keine Region markiert. Bitte zuerst den Mittelpunkt des Exportbereichs markieren."});
  EXPECT_FALSE(QFile::exists(saveAs));
  // A click on a hex without a region marks nothing either.
  said.infos.clear();
  form1->regionClicked(5, 5);
  form1->menu.Kartenbereichexportieren1->trigger();
  EXPECT_EQ(said.infos.size(), 1);

  QStringList asked;
  QString answer;
  tools().setTextAsker([&](const QString& caption, const QString& prompt, const QString& fallback) {
    asked = {caption, prompt, fallback};
    return answer;
  });
  // Per shown level: the full export and the area export around the clicked
  // region write that level's regions only.
  const struct {
    int level;
    QPoint clicked;
    QStringList all;
    QString prompt;
    QStringList area;  // radius 1
  } cases[] = {
      {0, {0, 0}, {"REGION 0 0", "REGION 0 1", "REGION 1 1"}, "Exportradius um R  (0/0)?", {"REGION 0 1", "REGION 0 0"}},
      {1, {1, 0}, {"REGION 0 0 1", "REGION 1 0 1"}, "Exportradius um Tief  (1/0)?", {"REGION 1 0 1", "REGION 0 0 1"}},
  };
  for (const auto& c : cases) {
    game.session.currentLevel = c.level;
    said.infos.clear();
    said.errors.clear();
    saveAs = dir.filePath(QStringLiteral("alles-%1.txt").arg(c.level));
    form1->menu.Kartendatenexportieren1->trigger();
    EXPECT_EQ(said.infos.value(0), "Exportieren der Gesamtkarte in Datei: " + saveAs + " erfolgreich durchgeführt.");
    EXPECT_EQ(headers(), c.all) << c.level;

    form1->regionClicked(c.clicked.x(), c.clicked.y());
    saveAs = dir.filePath(QStringLiteral("bereich-%1.txt").arg(c.level));
    answer = "1,5";
    form1->menu.Kartenbereichexportieren1->trigger();
    EXPECT_EQ(asked, QStringList({"Kartenteilexport", c.prompt, "8"}));
    EXPECT_EQ(said.errors.size(), 1);
    EXPECT_FALSE(QFile::exists(saveAs));
    answer = "1";
    form1->menu.Kartenbereichexportieren1->trigger();
    EXPECT_EQ(headers(), c.area) << c.level;
  }
}

TEST_F(MapToolsTest, ManualEntryKeepsTheDialogOnBadInputAndAlwaysGivesTheWindowBack) {
  game.session.currentLevel = 1;
  form4.Edit1->setText("vom letzten Mal");
  form1->menu.Regioneingeben1->trigger();
  EXPECT_FALSE(form1->isEnabled());
  EXPECT_TRUE(form4.isVisible() && form4.Edit1->text().isEmpty());
  EXPECT_EQ(form4.ComboBox1->currentText(), "Ebene");

  form4.Edit1->setText("Sandmeer");
  form4.Edit2->setText("3a");
  form4.Edit3->setText("12");
  form4.ComboBox1->setCurrentText("Wüste");
  form4.Button1->click();
  EXPECT_EQ(said.errors.size(), 1);
  EXPECT_TRUE(form4.isVisible() && form4.Edit1->text() == "Sandmeer" && !form1->isEnabled());
  form4.Edit2->setText("-3");
  form4.Button1->click();
  EXPECT_TRUE(!form4.isVisible() && form1->isEnabled());
  EXPECT_EQ(tools().regionPosition(), "-3/12/1");
  Table t(db, "regionen");
  ASSERT_TRUE(t.findKey({1, -3, 12, 1}));
  EXPECT_EQ(t.text("Regiontyp"), "Desert");

  // "Abbrechen" and closing the window write nothing and give the window back.
  for (int way = 0; way < 2; ++way) {
    form1->menu.Regioneingeben1->trigger();
    form4.Edit2->setText("7");
    form4.Edit3->setText("7");
    way == 0 ? form4.Button2->click() : void(form4.close());
    EXPECT_TRUE(form1->isEnabled() && !form4.isVisible()) << way;
    EXPECT_EQ(testsupport::rowCount(db, "regionen"), 1);
  }
}

TEST_F(MapToolsTest, CleanupDialogCountsListsAndDeletes) {
  for (const auto& [number, seen, party] : {std::tuple{1, 3806, 99}, {2, 3712, 99}, {3, 3805, 757}, {4, 3803, 99}})
    row("einheiten", {{"Spiel", 1}, {"Einheit Nr", number}, {"Einheit Name", "Späher"}, {"Partei Nr", party}, {"Info Datum", seen}});
  form1->menu.Datenbankaufrumen1->trigger();
  EXPECT_TRUE(form10.isVisible() && form1->isEnabled());  // not modal

  form10.Edit2->setText("kein Wert");
  form10.Button1->click();
  QStringList shown;
  for (QLineEdit* e : {form10.Edit1, form10.Edit6, form10.Edit2, form10.Edit3, form10.Edit4, form10.Edit5, form10.Edit7, form10.Edit8})
    shown << e->text();
  EXPECT_EQ(shown, QStringList({"1", "1", "1", "1", "0", "0", "4", "4"}));  // 3712 is six rounds before 3806
  form10.Button1->click();
  EXPECT_EQ(form10.Memo1->toPlainText().count("Späher (3), Personen: 0"), 2);

  // One choice at a time; deleting "1-6 Runden älter" removes unit 4.
  form10.RadioButton2->setChecked(true);
  form10.RadioButton1->setChecked(true);
  EXPECT_FALSE(form10.RadioButton2->isChecked());
  form10.Button2->click();
  EXPECT_EQ(QStringList({form10.Edit2->text(), form10.Edit7->text(), form10.Edit8->text()}), QStringList({"0", "4", "3"}));
  EXPECT_EQ(testsupport::rowCount(db, "einheiten"), 3);
}

}  // namespace
