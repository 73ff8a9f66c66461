// "Probleme" below the template: the built-in check, a double click that
// moves the template's cursor, and the external checker's placed output.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QAbstractItemView>
#include <QCompleter>
#include <QTextBlock>
#include <QTabWidget>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "programfolderfixture.h"
#include "ui/problemscontroller.h"
#include "ui/orderscompleter.h"
#include "ui/problemspanel.h"
#include "ui/templatepage.h"

namespace {

struct ProblemsTest : ::testing::Test, uitest::ProgramFolderFixture {
  void SetUp() override {
    setStatusFields(statusFields(QStringLiteral("Juni im Jahre 38")));
    writeProgramFile(QStringLiteral("Zug-Spiel1-38-Juni.txt"),
                     {QStringLiteral(" PARTEI 757 \"pw\""), QStringLiteral(" REGION 3,4 ; Ort"),
                      QStringLiteral(" EINHEIT a;\tHugo [1,0$]"), QStringLiteral("    ARBEITE"),
                      QStringLiteral("    LERNE Kochen"), QStringLiteral(" EINHEIT b;\tOtto [1,0$]"),
                      QStringLiteral("    NACH x"), QStringLiteral(" NAECHSTER")});
    ASSERT_TRUE(openSlot1());
    panel = form1->templatePage->problems;
  }
  bool waitForCheck(int ms) {
    QEventLoop loop;
    bool done = false;
    QObject::connect(form1->problemsController, &ProblemsController::checked, &loop, [&] {
      done = true;
      loop.quit();
    });
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    panel->ButtonPruefen->click();
    if (!done) loop.exec();
    return done;
  }
  QStringList row(int r) const {
    QStringList out;
    for (int c = 0; c < 4; ++c) out << panel->Probleme->item(r, c)->text();
    return out;
  }
  ProblemsPanel* panel = nullptr;
};

TEST_F(ProblemsTest, CheckFillsTheListAndADoubleClickMovesTheCursorToTheLine) {
  ASSERT_TRUE(waitForCheck(5000));
  ASSERT_EQ(panel->Probleme->rowCount(), 3);
  EXPECT_EQ(row(0), QStringList({"Fehler", "5", "a", "Unbekanntes Talent „Kochen“."}));
  EXPECT_EQ(row(1), QStringList({"Fehler", "5", "a", "Zweiter langer Befehl LERNE neben ARBEITE in Zeile 4."}));
  EXPECT_EQ(row(2), QStringList({"Fehler", "7", "b", "Ungültige Richtung „x“."}));

  form1->show();
  form1->PageControl2->setCurrentWidget(form1->templatePage);
  QApplication::processEvents();
  panel->Probleme->scrollToItem(panel->Probleme->item(2, 1));
  const QRect cell = panel->Probleme->visualItemRect(panel->Probleme->item(2, 1));
  QTest::mouseClick(panel->Probleme->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
  QTest::mouseDClick(panel->Probleme->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
  EXPECT_EQ(form1->templatePage->RichEdit4->textCursor().blockNumber(), 6);
  // The unit's region is what the region view shows now.
  EXPECT_EQ(game.session.smallMapX, 3);
  EXPECT_EQ(game.session.smallMapY, 4);
}

TEST_F(ProblemsTest, TheExternalCheckersLinesArePlacedByLineOrUnitAndTheRestStaysText) {
  const QString path = programFile(QStringLiteral("mcheck"));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("#!/bin/sh\necho 'Zeile 4: Fehler: Arbeit ohne Lohn'\necho 'Einheit b: line unknown'\necho 'Ende der Pruefung'\n");
  f.close();
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  game.session.checkerPath = path;
  ASSERT_TRUE(waitForCheck(10000));
  ASSERT_EQ(panel->Probleme->rowCount(), 6);
  EXPECT_EQ(row(3), QStringList({"Fehler", "4", "a", "Zeile 4: Fehler: Arbeit ohne Lohn"}));
  EXPECT_EQ(row(4), QStringList({"Warnung", "6", "b", "Einheit b: line unknown"}));
  EXPECT_EQ(row(5), QStringList({"Warnung", "", "", "Ende der Pruefung"}));
}

}  // namespace

namespace {

TEST_F(ProblemsTest, CompletionOffersSkillsAfterLerneAndInsertsTheChoice) {
  QPlainTextEdit* edit = form1->templatePage->RichEdit4;
  form1->show();
  form1->PageControl2->setCurrentWidget(form1->templatePage);
  edit->setFocus();
  QTextCursor c(edit->document()->findBlockByNumber(3));
  c.movePosition(QTextCursor::EndOfBlock);
  edit->setTextCursor(c);
  QTest::keyClick(edit, Qt::Key_Return);
  QTest::keyClicks(edit, QStringLiteral("LERNE"));
  QTest::keyClick(edit, Qt::Key_Space);
  QCompleter* completer = form1->templatePage->completion->completer();
  ASSERT_TRUE(completer->popup()->isVisible());
  QStringList offered;
  for (int r = 0; r < completer->completionModel()->rowCount(); ++r)
    offered << completer->completionModel()->index(r, 0).data().toString();
  EXPECT_TRUE(offered.contains(QStringLiteral("Hiebwaffen")));
  EXPECT_TRUE(offered.contains(QStringLiteral("Wahrnehmung")));
  EXPECT_FALSE(offered.contains(QStringLiteral("Silber")));
  // Typing narrows the list; Enter puts the choice in.
  QTest::keyClicks(edit, QStringLiteral("hieb"));
  ASSERT_TRUE(completer->popup()->isVisible());
  EXPECT_EQ(completer->completionModel()->rowCount(), 1);
  QTest::keyClick(completer->popup(), Qt::Key_Return);
  EXPECT_EQ(edit->textCursor().block().text(), QStringLiteral("LERNE Hiebwaffen"));

  // After a blank that follows no keyword, nothing opens.
  QTest::keyClick(edit, Qt::Key_Space);
  EXPECT_FALSE(completer->popup()->isVisible());
}

}  // namespace
