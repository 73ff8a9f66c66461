// The player's orders across reads, saves and folders in the main window:
// unsaved orders before a report is read, two weeks of one month sharing a
// file name, a file changed by another program, a copied program folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTemporaryDir>

#include "turn/programfolder.h"
#include "game/textutil.h"
#include "orders/templatefile.h"
#include "programfolderfixture.h"
#include "turn/reportimporter.h"
#include "support/testsupport.h"
#include "ui/savedindicator.h"
#include "ui/templatepage.h"

namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);
const QString kMine = QStringLiteral("; meine Befehle");

// Slot 1 with the example report of week 1 read; week 2 is the same report a
// turn later, so both weeks share the template's file name.
struct Weeks : uitest::ProgramFolderFixture {
  QString report;
  QString week2Report;

  Weeks() : week2Report(testsupport::nextWeekReport(dir.path())) {}
  bool open() {
    if (!openSlot1()) return false;
    form1->setImporter(&importReport);
    form1->setReportChooser([this] { return report; });
    return true;
  }
  void read(const QString& path) {
    report = path;
    form1->Neu1Click();
  }
  void readWeek1() { read(testsupport::testData(QStringLiteral("481-beispiel.cr"))); }
  void readWeek2() { read(week2Report); }
  QString turnFile() const { return templatefile::filePath(game.session, game.status.datum); }
  QString keptWeek1() const { return turnFile().chopped(4) + QStringLiteral("-4101.txt"); }
  QStringList onDisk(const QString& path) const { return textutil::readLines(path).value_or(QStringList()); }
  void type(const QString& line) { form1->templatePage->RichEdit4->appendPlainText(line); }
  QColor indicator() const { return form1->templatePage->Shape1->color(); }
};

TEST(OrderSafety, UnsavedOrdersAreAskedForBeforeAReportIsRead) {
  struct Case {
    int answer;  // Ja, Nein, Abbrechen
    bool read;
    bool keptWithMine;  // week 1's kept file holds the typed line
    bool unsavedAfter;
  };
  const Case cases[] = {{0, true, true, false}, {1, true, false, false}, {2, false, false, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer);
    Weeks w;
    ASSERT_TRUE(w.open());
    w.readWeek1();
    ASSERT_TRUE(w.said.errors.isEmpty()) << w.said.errors.join(u'\n').toStdString();
    const QStringList week1 = w.onDisk(w.turnFile());
    const QString datum1 = w.game.status.datum;
    w.type(kMine);
    ASSERT_EQ(w.indicator(), kRed);

    w.said.choice = c.answer;
    w.readWeek2();
    ASSERT_EQ(w.said.choices,
              QStringList{QStringLiteral("Die Zugvorlage wurde noch nicht gespeichert. Vor dem Einlesen speichern?")});
    EXPECT_EQ(w.game.status.datum != datum1, c.read);
    EXPECT_EQ(w.game.orders.unsaved(), c.unsavedAfter);
    EXPECT_EQ(w.form1->templatePage->RichEdit4->toPlainText().contains(kMine), !c.read);
    if (!c.read) {
      EXPECT_FALSE(QFile::exists(w.keptWeek1()));
      EXPECT_EQ(w.onDisk(w.turnFile()), week1);
      continue;
    }
    // Week 1's orders are kept under their round, and the status bar says where.
    EXPECT_EQ(w.onDisk(w.keptWeek1()), c.keptWithMine ? week1 + QStringList{kMine} : week1);
    EXPECT_TRUE(w.form1->StatusBar1->currentMessage().contains(w.keptWeek1()))
        << w.form1->StatusBar1->currentMessage().toStdString();
    EXPECT_EQ(w.onDisk(w.turnFile()), w.game.orders.lines());
  }
}

TEST(OrderSafety, AFileChangedOnDiskIsLeftByTheTimerAndAskedForBySpeichern) {
  struct Case {
    int answer;  // Überschreiben, Von der Festplatte laden, Abbrechen
    bool mineOnDisk;
    bool theirsShown;
  };
  const Case cases[] = {{0, true, false}, {1, false, true}, {2, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer);
    Weeks w;
    ASSERT_TRUE(w.open());
    w.readWeek1();
    const QStringList theirs = {QStringLiteral(" PARTEI 757"), QStringLiteral("; aus dem Texteditor")};
    ASSERT_EQ(textutil::writeLinesAtomic(w.turnFile(), theirs), QString());
    w.type(kMine);

    // The timer leaves the file alone and tells so once, then only in the status bar.
    for (int turn = 0; turn < 2; ++turn) w.form1->templatePage->Timer1Timer();
    EXPECT_EQ(w.onDisk(w.turnFile()), theirs);
    EXPECT_EQ(w.indicator(), kRed);
    EXPECT_TRUE(w.form1->StatusBar1->currentMessage().contains(w.turnFile()));
    ASSERT_EQ(w.said.infos.filter(QStringLiteral("Automatisches Speichern ausgelassen")).size(), 1);
    EXPECT_TRUE(w.said.infos.last().contains(w.turnFile()));

    w.said.choice = c.answer;
    EXPECT_EQ(w.form1->templatePage->Speichern1Click(), c.answer == 0);
    EXPECT_EQ(w.said.choices.size(), 1);
    EXPECT_EQ(w.onDisk(w.turnFile()).contains(kMine), c.mineOnDisk);
    if (!c.mineOnDisk) {
      EXPECT_EQ(w.onDisk(w.turnFile()), theirs);
    }
    EXPECT_EQ(w.form1->templatePage->RichEdit4->toPlainText() == theirs.join(u'\n'), c.theirsShown);
    EXPECT_EQ(w.indicator(), c.answer == 2 ? kRed : kGreen);
  }
}

TEST(OrderSafety, ACopiedProgramFolderAsksAndWritesOnlyWhereItIsTold) {
  struct Case {
    int answer;  // this folder, the stored path
    bool intoThisFolder;
  };
  for (const Case& c : {Case{0, true}, Case{1, false}}) {
    SCOPED_TRACE(c.answer);
    Weeks w;
    // The folder this one was copied from still exists and is still named.
    QTemporaryDir original;
    programfolder::initProgramFolder(original.path());
    w.config.setSlotLine(1, ConfigFile::ProgramPath, textutil::normalizeDirectory(original.path()));
    w.config.save();
    w.recreateWindow();
    w.said.choice = c.answer;
    ASSERT_TRUE(w.open());
    ASSERT_EQ(w.said.choices.size(), 1);
    EXPECT_TRUE(w.said.choices.first().contains(original.path()));
    w.readWeek1();
    const QString ours = textutil::normalizeDirectory(w.dir.path());
    EXPECT_EQ(ConfigFile::load(w.configPath()).slotLine(1, ConfigFile::ProgramPath),
              c.intoThisFolder ? ours : textutil::normalizeDirectory(original.path()));
    const QStringList filter = {QStringLiteral("Zug-Spiel*")};
    EXPECT_EQ(QDir(w.dir.path()).entryList(filter, QDir::Files).size(), c.intoThisFolder ? 1 : 0);
    EXPECT_EQ(QDir(original.path()).entryList(filter, QDir::Files).size(), c.intoThisFolder ? 0 : 1);
  }
}

}  // namespace
