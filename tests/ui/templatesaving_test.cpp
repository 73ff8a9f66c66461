#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "orders/templatefile.h"
#include "ui/savedindicator.h"
#include "ui/templatepage.h"
#include "programfolderfixture.h"

namespace {

const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);
const QString kTurnFile = QStringLiteral("Zug-Spiel1-38-Juni.txt");

struct TemplateSavingTest : ::testing::Test, uitest::ProgramFolderFixture {
  void SetUp() override {
    setStatusFields(statusFields(QStringLiteral("Juni im Jahre 38")));
    page = form1->templatePage;
  }
  // Opens slot 1 with the turn's template as the last import left it.
  void open() {
    if (!QFile::exists(programFile(kTurnFile))) writeProgramFile(kTurnFile, {QStringLiteral("EINHEIT ab")});
    ASSERT_TRUE(openSlot1());
    ASSERT_TRUE(said.errors.isEmpty()) << said.errors.join(QLatin1Char('\n')).toStdString();
  }
  // Typing into the editor, as the player does.
  void type(const QString& line) { page->RichEdit4->appendPlainText(line); }
  QColor indicator() const { return page->Shape1->color(); }

  TemplatePage* page = nullptr;
};

TEST_F(TemplateSavingTest, SavingWritesTheTurnsFileAndReplacesItLater) {
  open();
  said.answer = false;  // "Nein" to the missing password: save all the same
  ASSERT_EQ(indicator(), kGreen);
  type(QStringLiteral("  LERNE Reiten"));
  ASSERT_TRUE(game.orders.unsaved());
  ASSERT_EQ(indicator(), kRed);

  form1->menu.Speichern1->trigger();
  EXPECT_TRUE(said.errors.isEmpty()) << said.errors.join(QLatin1Char('\n')).toStdString();
  EXPECT_EQ(readProgramFile(kTurnFile), QStringList({QStringLiteral("EINHEIT ab"), QStringLiteral("  LERNE Reiten")}));
  EXPECT_FALSE(game.orders.unsaved());
  EXPECT_EQ(indicator(), kGreen);

  type(QStringLiteral("  ARBEITE"));
  EXPECT_EQ(indicator(), kRed);
  EXPECT_TRUE(page->Speichern1Click());
  EXPECT_EQ(readProgramFile(kTurnFile), QStringList({QStringLiteral("EINHEIT ab"), QStringLiteral("  LERNE Reiten"),
                                                     QStringLiteral("  ARBEITE")}));
  EXPECT_EQ(templateFiles(), QStringList({kTurnFile}));
  EXPECT_EQ(indicator(), kGreen);
}

TEST_F(TemplateSavingTest, CtrlSInTheEditorSavesTheTemplate) {
  open();
  said.answer = false;  // "Nein" to the missing password: save all the same
  form1->show();
  form1->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
  page->RichEdit4->setFocus();
  type(QStringLiteral("  LERNE Hiebwaffen"));
  ASSERT_TRUE(game.orders.unsaved());
  QTest::keyClick(page->RichEdit4, Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(game.orders.unsaved());
  EXPECT_EQ(readProgramFile(kTurnFile).value(1), QStringLiteral("  LERNE Hiebwaffen"));
}

TEST_F(TemplateSavingTest, SaveAsWritesTheChosenFileOnlyAndACancelWritesNothing) {
  open();
  said.answer = false;  // "Nein" to the missing password: save all the same
  type(QStringLiteral("  LERNE Reiten"));
  int asked = 0;
  QString choice;
  page->setSaveAsChooser([&] {
    ++asked;
    return choice;
  });

  form1->menu.ZugVorlageSpeichern1->trigger();
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(game.orders.unsaved());
  EXPECT_EQ(indicator(), kRed);
  EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*.txt")}, QDir::Files), QStringList({kTurnFile}));
  EXPECT_EQ(readProgramFile(kTurnFile), QStringList({QStringLiteral("EINHEIT ab")}));

  choice = programFile(QStringLiteral("meine-befehle.txt"));
  EXPECT_TRUE(page->ZugVorlageSpeichern1Click());
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(readProgramFile(QStringLiteral("meine-befehle.txt")),
            QStringList({QStringLiteral("EINHEIT ab"), QStringLiteral("  LERNE Reiten")}));
  EXPECT_FALSE(game.orders.unsaved());
  EXPECT_EQ(indicator(), kGreen);
  // The turn's own file is not written.
  EXPECT_EQ(readProgramFile(kTurnFile), QStringList({QStringLiteral("EINHEIT ab")}));

  // A chosen folder that does not exist: told, the changes stay unsaved.
  type(QStringLiteral("  ARBEITE"));
  choice = programFile(QStringLiteral("fehlt/befehle.txt"));
  EXPECT_FALSE(page->ZugVorlageSpeichern1Click());
  ASSERT_EQ(said.errors.size(), 1);
  EXPECT_TRUE(said.errors.at(0).contains(choice)) << said.errors.at(0).toStdString();
  EXPECT_TRUE(game.orders.unsaved());
  EXPECT_EQ(indicator(), kRed);
}

TEST_F(TemplateSavingTest, TheTimerSavesOnlyUnsavedChangesOfAnOpenGame) {
  auto* timer = form1->findChild<QTimer*>(QStringLiteral("Timer1"));
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(timer->interval(), templatefile::kAutosaveIntervalMs);
  EXPECT_TRUE(timer->isActive());  // from program start, before a game is open

  // No game open yet: a change is not written anywhere.
  type(QStringLiteral("EINHEIT vorher"));
  ASSERT_TRUE(game.orders.unsaved());
  page->Timer1Timer();
  EXPECT_TRUE(templateFiles().isEmpty());

  open();
  ASSERT_FALSE(game.orders.unsaved());
  // Nothing changed: the file is left as it is.
  QFile::remove(programFile(kTurnFile));
  page->Timer1Timer();
  EXPECT_TRUE(templateFiles().isEmpty());

  type(QStringLiteral("  LERNE Reiten"));
  // While the window is disabled (an import runs) the timer waits.
  form1->setEnabled(false);
  page->Timer1Timer();
  EXPECT_TRUE(templateFiles().isEmpty());
  EXPECT_EQ(indicator(), kRed);

  form1->setEnabled(true);
  page->Timer1Timer();
  EXPECT_EQ(readProgramFile(kTurnFile), QStringList({QStringLiteral("EINHEIT ab"), QStringLiteral("  LERNE Reiten")}));
  EXPECT_FALSE(game.orders.unsaved());
  EXPECT_EQ(indicator(), kGreen);
  EXPECT_TRUE(timer->isActive());
}

TEST_F(TemplateSavingTest, AFailedSaveIsToldAndKeepsTheIndicatorRed) {
  open();
  // A folder in the place of the turn's file cannot be replaced by a file.
  ASSERT_TRUE(QFile::remove(programFile(kTurnFile)));
  ASSERT_TRUE(QDir().mkpath(programFile(kTurnFile)));
  type(QStringLiteral("  LERNE Reiten"));

  EXPECT_FALSE(page->Speichern1Click());
  ASSERT_EQ(said.errors.size(), 1);
  EXPECT_TRUE(said.errors.at(0).contains(programFile(kTurnFile))) << said.errors.at(0).toStdString();
  EXPECT_TRUE(game.orders.unsaved());
  EXPECT_EQ(indicator(), kRed);

  // The timer's failure is told once even when it fires again while the
  // message is still open.
  uitest::RecordedPrompts nested;
  Prompts prompts = nested.prompts();
  const auto record = prompts.error;
  int fired = 0;
  prompts.error = [&](const QString& message) {
    record(message);
    if (fired++ == 0) page->Timer1Timer();
  };
  form1->setPrompts(prompts);
  page->Timer1Timer();
  EXPECT_EQ(nested.errors.size(), 1);
  EXPECT_TRUE(game.orders.unsaved());
  EXPECT_EQ(indicator(), kRed);

  // Once the folder is gone the next save goes through.
  ASSERT_TRUE(QDir(programFile(kTurnFile)).removeRecursively());
  form1->setPrompts(said.prompts());
  EXPECT_TRUE(page->Speichern1Click());
  EXPECT_EQ(readProgramFile(kTurnFile), QStringList({QStringLiteral("EINHEIT ab"), QStringLiteral("  LERNE Reiten")}));
  EXPECT_EQ(indicator(), kGreen);
}

}  // namespace
