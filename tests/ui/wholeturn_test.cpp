// One whole turn as a player plays it, through the real windows: start,
// choose slot 1, read a report through "&CR einlesen" and its file dialog,
// edit and save the order template, close, start again on the same folder.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "orders/serveraccess.h"
#include "turn/programfolder.h"
#include "turn/reportfolder.h"
#include "game/textutil.h"
#include "db/table.h"
#include "map/mapgeometry.h"
#include "dialoganswerer.h"
#include "support/testsupport.h"
#include "ui/grouppage.h"
#include "ui/mainmenu.h"
#include "ui/maintoolbar.h"
#include "ui/mapareapanel.h"
#include "ui/programwindows.h"
#include "ui/reportpagespanel.h"
#include "ui/statuspage.h"
#include "ui/templatepage.h"
#include "ui/tform6.h"
#include "ui/unitpage.h"

namespace {

// Everything the player sees of a read report, to compare two runs.
struct Seen {
  QString templateText;
  QStringList statusFields;
  QStringList pages;  // caption, then the page's lines
  bool operator==(const Seen&) const = default;
};

Seen seen(ProgramWindows& w) {
  Seen s;
  s.templateText = w.form1.templatePage->RichEdit4->toPlainText();
  const StatusPage* st = w.form1.statusPage();
  for (QLineEdit* e : {st->Edit2, st->Edit3, st->Edit4, st->Edit5, st->Edit6, st->Edit7, st->Edit8, st->Edit13,
                       st->Edit22, st->Edit23, st->Edit28})
    s.statusFields << e->objectName() + QLatin1Char('=') + e->text();
  ReportPagesPanel* upper = w.form1.PageControl1;
  for (int i = 0; i < upper->count(); ++i) {
    if (!upper->isTabVisible(i)) continue;
    s.pages << QStringLiteral("== ") + upper->tabText(i);
    if (auto* list = qobject_cast<QListWidget*>(upper->widget(i)))
      for (int r = 0; r < list->count(); ++r) s.pages << list->item(r)->text();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(upper->widget(i))) s.pages << memo->toPlainText();
  }
  for (QListWidget* list : {st->ListBox13, st->ListBox4})
    for (int r = 0; r < list->count(); ++r) s.pages << list->item(r)->text();
  return s;
}

void clickTab(QTabWidget* tabs, const QString& caption) {
  for (int i = 0; i < tabs->count(); ++i)
    if (tabs->tabText(i) == caption) QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(i).center());
}

// Clicks the middle of region (x, y)'s tile on the world map.
void clickRegion(ProgramWindows& w, int x, int y) {
  QLabel* map = w.form1.mapArea->Image82;
  ASSERT_FALSE(map->pixmap().isNull());
  const GameSession& s = w.game.session;
  const QPoint tile = mapgeometry::overlayCell(x, y, s.mapOriginX, s.mapOriginY, map->pixmap().height());
  QTest::mouseClick(map, Qt::LeftButton, {}, tile + QPoint(4, 4));
}

void startSlot1(ProgramWindows& w) {
  w.show();
  QApplication::processEvents();
  ASSERT_TRUE(w.form3.isVisible());
  QComboBox* type = w.form3.typeBoxes.at(0);
  if (type->isEnabled()) type->setCurrentText(QStringLiteral("Molvanth"));
  QTest::mouseClick(w.form3.startButtons.at(0), Qt::LeftButton);
  QApplication::processEvents();
  ASSERT_TRUE(w.form1.gameOpen());
  ASSERT_TRUE(w.form1.isEnabled());
}

TEST(WholeTurn, ReadEditSaveCloseAndStartAgain) {
  QTemporaryDir dir;
  programfolder::initProgramFolder(dir.path());
  const QString reports = dir.filePath(QStringLiteral("post"));
  QDir().mkpath(reports);
  const QString report = QDir(reports).filePath(QStringLiteral("481-beispiel.cr"));
  ASSERT_TRUE(QFile::copy(testsupport::sharedReport(QStringLiteral("481-beispiel.cr")), report));

  uitest::DialogAnswerer answer;
  answer.fileToOpen = report;
  answer.tickCheckBox = true;  // "Nicht mehr fragen"
  const QString edited = QStringLiteral("; in der ersten Runde nur lernen");
  Seen before;
  {
    ProgramWindows w(dir.path());
    startSlot1(w);
    // The password the player gave in the options before.
    ASSERT_EQ(serveraccess::savePassword(w.game.session, QStringLiteral("geheim")), QString());

    w.form1.menu.Neu1->trigger();
    QApplication::processEvents();
    // The file dialog listed report files first and opened in the program folder.
    EXPECT_EQ(answer.fileFilters.value(0), QStringLiteral("CR-Dateien (*.cr *.CR)"));
    EXPECT_EQ(answer.selectedFilter, QStringLiteral("CR-Dateien (*.cr *.CR)"));
    EXPECT_EQ(QDir(answer.fileDialogFolder), QDir(dir.path()));
    EXPECT_TRUE(answer.buttonTexts.contains(QStringLiteral("&Öffnen"))) << answer.buttonTexts.join(u'|').toStdString();
    // The report is newer than the versions read without a question; "Ja".
    ASSERT_EQ(answer.messages.size(), 1) << answer.messages.join(u'\n').toStdString();
    EXPECT_TRUE(answer.messages.first().startsWith(QStringLiteral("Der CR ist neuer oder älter")));
    EXPECT_TRUE(answer.buttonTexts.contains(QStringLiteral("&Nein")));
    EXPECT_EQ(answer.checkBoxes, QStringList{QStringLiteral("Nicht mehr fragen")});
    EXPECT_TRUE(w.form1.isEnabled());
    EXPECT_FALSE(w.form5.isVisible());
    EXPECT_EQ(QDir(reportfolder::lastFolder(w.game.session.programPath)), QDir(reports));

    // The world map is drawn at the end of the import. The own unit's
    // region, clicked on it, fills the region page and the unit list;
    // choosing the unit shows its items.
    ASSERT_FALSE(w.form1.mapArea->Image82->pixmap().isNull());
    clickRegion(w, 14, -27);
    EXPECT_EQ(w.form1.mapArea->Panel1->text(), QStringLiteral("Falkenfeld  14/-27"));
    EXPECT_EQ(w.game.session.smallMapX, 14);
    EXPECT_EQ(w.game.session.smallMapY, -27);
    QListWidget* units = w.form1.unitPage->ListBox3;
    QList<QListWidgetItem*> falke = units->findItems(QStringLiteral("Falke (wzqt)"), Qt::MatchContains);
    ASSERT_EQ(falke.size(), 1);
    QTest::mouseClick(units->viewport(), Qt::LeftButton, {}, units->visualItemRect(falke.first()).center());
    EXPECT_EQ(w.form1.unitPage->Memo2->toPlainText(), QStringLiteral("9 Schwert\n9 Schild"));
    // Another region: the unit shown before leaves the page.
    clickRegion(w, 15, -27);
    EXPECT_TRUE(w.form1.unitPage->Memo2->toPlainText().isEmpty());
    EXPECT_TRUE(w.form1.unitPage->Edit29->text().isEmpty());
    EXPECT_TRUE(w.form1.unitPage->DBEdit22->text().isEmpty());
    clickRegion(w, 14, -27);
    falke = units->findItems(QStringLiteral("Falke (wzqt)"), Qt::MatchContains);
    ASSERT_EQ(falke.size(), 1);
    QTest::mouseClick(units->viewport(), Qt::LeftButton, {}, units->visualItemRect(falke.first()).center());

    // With the own units shown on the map, marking the region's only unit in
    // the command editor turns its square from magenta to lime green.
    w.form1.ToolBar1->ToolButton2->click();
    const GameSession& s = w.game.session;
    const auto squareColour = [&] {
      const QImage layer = w.form1.mapArea->Image2->pixmap().toImage();
      const QPoint tile = mapgeometry::overlayCell(14, -27, s.mapOriginX, s.mapOriginY, layer.height());
      return layer.pixelColor(tile + QPoint(0, 4)).rgb() & 0xFFFFFF;
    };
    EXPECT_EQ(squareColour(), 0xFF00FFu);
    QTest::mouseDClick(units->viewport(), Qt::LeftButton, {}, units->visualItemRect(falke.first()).center());
    ASSERT_TRUE(w.form6.isVisible());
    w.form6.CheckBox1->click();
    w.form6.Button1->click();
    EXPECT_EQ(squareColour(), 0x00FF00u);
    w.form1.ToolBar1->ToolButton2->click();

    // The first "Bericht" of the group page lists the own party's units.
    clickTab(w.form1.PageControl2, QStringLiteral("Gruppierungen"));
    answer.messages.clear();
    w.form1.groupPage->Button2->click();
    EXPECT_TRUE(answer.messages.isEmpty()) << answer.messages.join(u'\n').toStdString();
    EXPECT_GT(w.form1.groupPage->StringGrid4->rowCount(), 0);
    EXPECT_FALSE(w.form1.groupPage->StringGrid4->item(0, 2) == nullptr);

    clickTab(w.form1.PageControl2, QStringLiteral("Zugvorlage"));
    QPlainTextEdit* editor = w.form1.templatePage->RichEdit4;
    ASSERT_EQ(w.form1.PageControl2->currentWidget(), w.form1.templatePage);
    ASSERT_TRUE(editor->toPlainText().startsWith(QStringLiteral(" PARTEI ")));
    // The player adds a line after the faction line.
    editor->setFocus();
    editor->moveCursor(QTextCursor::Start);
    editor->moveCursor(QTextCursor::EndOfLine);
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClicks(editor, edited);
    EXPECT_TRUE(w.game.orders.unsaved());
    w.form1.menu.Speichern1->trigger();
    EXPECT_FALSE(w.game.orders.unsaved());
    before = seen(w);
    EXPECT_TRUE(before.templateText.contains(edited));
    EXPECT_FALSE(before.pages.isEmpty());

    answer.messages.clear();
    EXPECT_TRUE(w.form1.close());
    EXPECT_TRUE(answer.messages.isEmpty());  // saved: no question
  }

  ProgramWindows again(dir.path());
  startSlot1(again);
  EXPECT_TRUE(answer.messages.isEmpty()) << answer.messages.join(u'\n').toStdString();
  // The small map starts on land, not on the home region 0/0 nobody set.
  const GameSession& s2 = again.game.session;
  Table regionen(*again.game.db, QStringLiteral("regionen"));
  EXPECT_TRUE(regionen.findKey({s2.slot, s2.smallMapX, s2.smallMapY, 0})) << s2.smallMapX << "/" << s2.smallMapY;
  const Seen after = seen(again);
  EXPECT_EQ(after.templateText.toStdString(), before.templateText.toStdString());
  EXPECT_EQ(after.statusFields, before.statusFields);
  EXPECT_EQ(after.pages, before.pages);
  EXPECT_FALSE(again.game.orders.unsaved());

  // The next report dialog opens where the last report was, and the
  // report's version, agreed to with "Nicht mehr fragen", is not asked again.
  answer.tickCheckBox = false;
  again.form1.menu.Neu1->trigger();
  QApplication::processEvents();
  EXPECT_EQ(QDir(answer.fileDialogFolder), QDir(reports));
  EXPECT_TRUE(answer.messages.isEmpty()) << answer.messages.join(u'\n').toStdString();
  EXPECT_EQ(again.form1.templatePage->RichEdit4->toPlainText().left(8), QStringLiteral(" PARTEI "));
}

// Two weeks of one month share the template's file name: reading week 2
// keeps week 1's orders under their round, and both weeks' orders stay.
TEST(WholeTurn, TwoWeeksOfOneMonthKeepBothWeeksOrders) {
  QTemporaryDir dir;
  programfolder::initProgramFolder(dir.path());
  const QString week1 = dir.filePath(QStringLiteral("481-beispiel.cr"));
  ASSERT_TRUE(QFile::copy(testsupport::sharedReport(QStringLiteral("481-beispiel.cr")), week1));
  const QString week2 = testsupport::nextWeekReport(dir.path());

  uitest::DialogAnswerer answer;
  ProgramWindows w(dir.path());
  startSlot1(w);
  ASSERT_EQ(serveraccess::savePassword(w.game.session, QStringLiteral("geheim")), QString());
  QPlainTextEdit* editor = w.form1.templatePage->RichEdit4;
  const auto typeAtEnd = [&](const QString& line) {
    editor->setFocus();
    editor->moveCursor(QTextCursor::End);
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClicks(editor, line);
  };
  const auto templateFiles = [&] {
    return QDir(dir.path()).entryList({QStringLiteral("Zug-Spiel*")}, QDir::Files, QDir::Name);
  };

  answer.fileToOpen = week1;
  w.form1.menu.Neu1->trigger();
  QApplication::processEvents();
  ASSERT_EQ(w.game.session.roundCode, 4101);
  const QString saved1 = QStringLiteral("; Woche 1 gespeichert");
  const QString unsaved1 = QStringLiteral("; Woche 1 noch nicht gespeichert");
  typeAtEnd(saved1);
  w.form1.menu.Speichern1->trigger();
  typeAtEnd(unsaved1);
  ASSERT_EQ(templateFiles().size(), 1);
  const QString turnFile = templateFiles().first();

  // The unsaved line is saved first ("Ja"), then week 2 is read.
  answer.messages.clear();
  answer.fileToOpen = week2;
  w.form1.menu.Neu1->trigger();
  QApplication::processEvents();
  EXPECT_TRUE(answer.messages.contains(QStringLiteral("Die Zugvorlage wurde noch nicht gespeichert. Vor dem Einlesen speichern?")))
      << answer.messages.join(u'\n').toStdString();
  ASSERT_EQ(w.game.session.roundCode, 4102);
  const QString saved2 = QStringLiteral("; Woche 2");
  typeAtEnd(saved2);
  w.form1.menu.Speichern1->trigger();

  const QString kept = turnFile.chopped(4) + QStringLiteral("-4101.txt");
  EXPECT_EQ(templateFiles(), QStringList({kept, turnFile}));  // by name
  const QStringList first = textutil::readLines(dir.filePath(kept)).value_or(QStringList());
  const QStringList second = textutil::readLines(dir.filePath(turnFile)).value_or(QStringList());
  EXPECT_TRUE(first.contains(saved1) && first.contains(unsaved1)) << first.join(u'|').toStdString();
  EXPECT_FALSE(first.contains(saved2));
  EXPECT_TRUE(second.contains(saved2));
  // Week 2's template names the password without the player typing it.
  EXPECT_EQ(second.value(0), QStringLiteral(" PARTEI bsp \"geheim\""));
  EXPECT_FALSE(second.contains(saved1));
  EXPECT_TRUE(w.form1.StatusBar1->currentMessage().contains(kept));
}

}  // namespace
