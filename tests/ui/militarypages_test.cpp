// The pages "Gruppierungen", "Armee" and "Schiffsregister" and the order
// check in the main window.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QApplication>
#include <QEventLoop>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>

#include "military/militarytestsupport.h"
#include "programfolderfixture.h"
#include "ui/armypage.h"
#include "ui/checkercontroller.h"
#include "ui/grouppage.h"
#include "ui/maintoolbar.h"
#include "ui/shipregisterpage.h"
#include "ui/tform8.h"

namespace {

using militarytest::insert;
using militarytest::unit;

// A right mouse press at a point of a widget, as the player's click sends it.
void rightPress(QWidget* w, const QPoint& at) {
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::RightButton,
                    Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
}

// Runs the event loop until the check has shown its output, at most `ms`.
bool waitForCheck(CheckerController* c, int ms) {
  QEventLoop loop;
  bool done = false;
  const auto connection = QObject::connect(c, &CheckerController::checked, &loop, [&] {
    done = true;
    loop.quit();
  });
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
  QObject::disconnect(connection);
  return done;
}

struct MilitaryPagesTest : ::testing::Test, uitest::ProgramFolderFixture {
  void SetUp() override {
    setStatusFields(statusFields(QStringLiteral("Juni im Jahre 38")));
    writeProgramFile(QStringLiteral("Zug-Spiel1-38-Juni.txt"), {QStringLiteral("PARTEI 757 \"geheim\"")});
    insert(db, QStringLiteral("parteien"),
           {{QStringLiteral("Spiel"), 1}, {QStringLiteral("Partei Nr"), 757}, {QStringLiteral("Partei Name"), QStringLiteral("Die Wölfe")}});
    insert(db, QStringLiteral("parteien"),
           {{QStringLiteral("Spiel"), 1}, {QStringLiteral("Partei Nr"), 100}, {QStringLiteral("Partei Name"), QStringLiteral("Nachbarn")}});
    unit(db, 1, QStringLiteral("3/4"), 36, QStringLiteral("Lanzen"), 757, 3806, QStringLiteral("1. Armee"),
         {{QStringLiteral("Personen"), 6}, {QStringLiteral("Stangenwaffen"), QStringLiteral("180 3")},
          {QStringLiteral("Speer"), 10}});
    unit(db, 1, QStringLiteral("3/4"), 37, QStringLiteral("Bauern"), 757, 3806, QVariant());
    insert(db, QStringLiteral("schiffe"),
           {{QStringLiteral("Spiel"), 1}, {QStringLiteral("Schiffs Position"), QStringLiteral("3/4")},
            {QStringLiteral("Schiffs Nr"), 99}, {QStringLiteral("Schiffs Name"), QStringLiteral("Möwe")},
            {QStringLiteral("Schiffstyp"), QStringLiteral("Boot")}, {QStringLiteral("Partei"), 100},
            {QStringLiteral("Prozent"), -20.0}, {QStringLiteral("Info Datum"), 3806}});
    ASSERT_TRUE(openSlot1());
    groups = form1->groupPage;
  }
  static QStringList rowTexts(QTableWidget* grid, int row) {
    QStringList out;
    for (int c = 0; c < grid->columnCount(); ++c) out << (grid->item(row, c) ? grid->item(row, c)->text() : QString());
    return out;
  }
  QPoint cellCentre(int row, int column) {
    QTableWidget* g = groups->StringGrid4;
    return QPoint(g->columnViewportPosition(column) + 5, g->rowViewportPosition(row) + 5);
  }
  void chooseParty(QComboBox* lookup, const QString& name) { lookup->setCurrentIndex(lookup->findText(name)); }

  GroupPage* groups = nullptr;
};

TEST_F(MilitaryPagesTest, GroupReportStartsWithTheOwnPartyThenListsAndTheMenuChangesAGroup) {
  QComboBox* lookup = groups->DBLookupComboBox1;
  ASSERT_EQ(lookup->count(), 3);
  // "(alle Parteien)" first, then by name; the own party is chosen.
  EXPECT_EQ(QStringList({lookup->itemText(0), lookup->itemText(1), lookup->itemText(2)}),
            QStringList({"(alle Parteien)", "Die Wölfe", "Nachbarn"}));
  EXPECT_EQ(groups->Edit19->text(), QStringLiteral("3806"));
  EXPECT_EQ(lookup->currentText(), QStringLiteral("Die Wölfe"));
  EXPECT_EQ(groups->DBEdit4->text(), QStringLiteral("757"));
  // The player's own choice survives the refresh after a report.
  chooseParty(lookup, QStringLiteral("Nachbarn"));
  groups->refreshParties();
  EXPECT_EQ(groups->DBEdit4->text(), QStringLiteral("100"));
  chooseParty(lookup, QStringLiteral("Die Wölfe"));

  groups->Button2->click();
  EXPECT_TRUE(said.errors.isEmpty()) << said.errors.join('\n').toStdString();
  QTableWidget* grid = groups->StringGrid4;
  ASSERT_EQ(grid->rowCount(), 2);
  EXPECT_EQ(groups->Edit20->text(), QStringLiteral("2"));
  EXPECT_EQ(grid->horizontalHeaderItem(3)->text(), QStringLiteral("  Nr."));
  EXPECT_EQ(rowTexts(grid, 0), QStringList({"1. Armee", "3/4", "Lanzen", "10", "6", "[30] 3", "0", "0", "0", "10", "0", "0"}));
  EXPECT_EQ(rowTexts(grid, 1).mid(0, 4), QStringList({"Keine", "3/4", "Bauern", "11"}));

  // A right click on another column neither selects nor opens the menu.
  grid->selectRow(0);
  rightPress(grid->viewport(), cellCentre(1, 2));
  EXPECT_EQ(grid->currentRow(), 0);
  EXPECT_FALSE(groups->PopupMenu1->isVisible());
  rightPress(grid->viewport(), cellCentre(1, 0));
  EXPECT_EQ(grid->currentRow(), 1);
  EXPECT_TRUE(groups->PopupMenu1->isVisible());
  groups->PopupMenu1->findChild<QAction*>(QStringLiteral("N3Armee1"))->trigger();
  groups->PopupMenu1->hide();
  EXPECT_EQ(grid->item(1, 0)->text(), QStringLiteral("3. Armee"));
  groups->PopupMenu1->findChild<QAction*>(QStringLiteral("Steuereintreiber1"))->trigger();
  EXPECT_EQ(grid->item(1, 0)->text(), QStringLiteral("3. Armee"));

  // A named army without units says how one joins it.
  form1->armyPage->ComboBox2->setCurrentText(QStringLiteral("Ostarmee"));
  form1->armyPage->Button1->click();
  EXPECT_FALSE(form1->armyPage->Hinweis->isHidden());
  EXPECT_TRUE(form1->armyPage->Hinweis->text().contains(QStringLiteral("„Ostarmee“")));
  EXPECT_TRUE(form1->armyPage->Hinweis->text().contains(QStringLiteral("Gruppierungen")));
  form1->armyPage->ComboBox2->setCurrentIndex(0);

  // The army report now takes the unit in.
  form1->armyPage->Button1->click();
  EXPECT_TRUE(form1->armyPage->Hinweis->isHidden());
  QTableWidget* army = form1->armyPage->StringGrid3;
  ASSERT_EQ(army->rowCount(), 2);
  EXPECT_EQ(rowTexts(army, 0).mid(0, 5), QStringList({"3/4", "Bauern", "11", "1", ""}));
  EXPECT_EQ(rowTexts(army, 1).mid(0, 5), QStringList({"3/4", "Lanzen", "10", "6", "[30] 3"}));
  EXPECT_EQ(form1->armyPage->Edit10->text(), QStringLiteral("7"));
  EXPECT_EQ(form1->armyPage->Edit11->text(), QStringLiteral("10"));
  EXPECT_EQ(form1->armyPage->Edit12->text(), QStringLiteral("0"));
}

TEST_F(MilitaryPagesTest, ShipRegisterListsAllPartiesAndKeepsOneEmptyRowWhenNothingIsFound) {
  ShipRegisterPage* ships = form1->shipRegisterPage;
  EXPECT_EQ(ships->Edit26->text(), QStringLiteral("3806"));
  // The first press already shows a report: the own party's ships, none.
  EXPECT_EQ(ships->DBEdit30->text(), QStringLiteral("757"));
  ships->Button8->click();
  EXPECT_EQ(ships->Edit27->text(), QStringLiteral("0"));
  EXPECT_TRUE(said.errors.isEmpty()) << said.errors.join('\n').toStdString();
  chooseParty(ships->DBLookupComboBox2, QStringLiteral("(alle Parteien)"));
  EXPECT_EQ(ships->DBEdit30->text(), QStringLiteral("-2"));
  ships->Button8->click();
  EXPECT_EQ(ships->Edit27->text(), QStringLiteral("1"));
  EXPECT_EQ(rowTexts(ships->StringGrid5, 0), QStringList({"3/4", "Möwe", "99", "Boot", "100", "-20%"}));
  EXPECT_EQ(ships->StringGrid5->columnWidth(1), 185);

  chooseParty(ships->DBLookupComboBox2, QStringLiteral("Die Wölfe"));
  ships->Button8->click();
  EXPECT_EQ(ships->Edit27->text(), QStringLiteral("0"));
  ASSERT_EQ(ships->StringGrid5->rowCount(), 1);
  EXPECT_EQ(ships->StringGrid5->item(0, 0), nullptr);
  EXPECT_TRUE(said.errors.isEmpty());
}

struct CheckerPageTest : MilitaryPagesTest {
  void SetUp() override {
    MilitaryPagesTest::SetUp();
    form1->checker->setOutputWindow(&form8);
  }
  void checker(const QByteArray& body) {
    const QString path = programFile(QStringLiteral("mcheck"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n" + body);
    f.close();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    game.session.checkerPath = path;
  }
  TForm8 form8;
};

TEST_F(CheckerPageTest, ToolButtonSavesRunsAndShowsTheOutputWhileTheWindowStaysAlive) {
  checker("sleep 1\necho \"geprüft: $1\"\n");
  int ticks = 0;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
  tick.start(50);
  form1->ToolBar1->ToolButton5->click();
  EXPECT_TRUE(form1->checker->running());
  EXPECT_TRUE(form1->checker->progress()->isVisible());
  EXPECT_EQ(form1->checker->progress()->labelText().isEmpty(), false);
  ASSERT_TRUE(waitForCheck(form1->checker, 10000));
  EXPECT_GE(ticks, 10);
  EXPECT_TRUE(form8.isVisible());
  EXPECT_EQ(form8.Memo1->toPlainText(), QStringLiteral("geprüft: Zug-Spiel1-38-Juni.txt"));
  EXPECT_FALSE(form1->checker->progress()->isVisible());
  EXPECT_TRUE(said.errors.isEmpty()) << said.errors.join('\n').toStdString();

  // The menu item runs the same check.
  checker("echo zweiter Lauf\nexit 2\n");
  form1->menu.ZugChecker1->trigger();
  ASSERT_TRUE(waitForCheck(form1->checker, 10000));
  EXPECT_EQ(form8.Memo1->toPlainText(), QStringLiteral("zweiter Lauf"));
  ASSERT_EQ(said.errors.size(), 1);
  EXPECT_TRUE(said.errors.first().contains(QStringLiteral("Fehlercode 2")));
}

TEST_F(CheckerPageTest, TheCheckerSettingMayCarryOptionsAndAFailedStartIsToldAlone) {
  // A checker that names each argument on a line of its own.
  checker("for a in \"$@\"; do echo \"[$a]\"; done\n");
  const QString plain = game.session.checkerPath;
  const QString spaced = programFile(QStringLiteral("mein checker"));
  ASSERT_TRUE(QFile::copy(plain, spaced));
  const QString file = QStringLiteral("[Zug-Spiel1-38-Juni.txt]");
  const struct {
    QString setting;
    QString output;  // empty: the checker did not run, only the message shows
    QString message;
  } cases[] = {
      {plain + QStringLiteral(" -w4"), QStringLiteral("[-w4]\n") + file, QString()},
      {QLatin1Char('"') + spaced + QStringLiteral("\" -w4 \"-r 50\""), QStringLiteral("[-w4]\n[-r 50]\n") + file, QString()},
      {spaced, file, QString()},  // an existing file with a blank in its name runs whole
      {QString(), QString(), QStringLiteral("Es ist kein Zug Checker eingetragen")},
      {programFile(QStringLiteral("fehlt")) + QStringLiteral(" -w4"), QString(), QStringLiteral("nicht gefunden")},
  };
  for (const auto& c : cases) {
    form8.hide();
    form8.Memo1->clear();
    said.errors.clear();
    game.session.checkerPath = c.setting;
    form1->ToolBar1->ToolButton5->click();
    ASSERT_TRUE(waitForCheck(form1->checker, 10000)) << c.setting.toStdString();
    EXPECT_EQ(form8.isVisible(), !c.output.isEmpty()) << c.setting.toStdString();
    EXPECT_EQ(form8.Memo1->toPlainText(), c.output) << c.setting.toStdString();
    if (c.message.isEmpty()) {
      EXPECT_TRUE(said.errors.isEmpty()) << said.errors.join('\n').toStdString();
    } else {
      ASSERT_EQ(said.errors.size(), 1) << c.setting.toStdString();
      EXPECT_TRUE(said.errors.first().contains(c.message)) << said.errors.first().toStdString();
    }
  }
}

TEST_F(CheckerPageTest, MissingCalculatorIsReported) {
  form1->checker->setCalculatorFinder([](const QString&) { return QString(); });
  form1->menu.Taschenrechner1->trigger();
  ASSERT_EQ(said.errors.size(), 1);
  EXPECT_TRUE(said.errors.last().contains(QStringLiteral("kein Taschenrechner")));
}

}  // namespace
