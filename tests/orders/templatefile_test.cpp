#include <gtest/gtest.h>

#include <QFile>
#include <functional>
#include <QFileInfo>
#include <QTemporaryDir>

#include "game/gamesession.h"
#include "game/textutil.h"
#include "orders/ordertemplate.h"
#include "orders/templatefile.h"

namespace {

using templatefile::fileName;
using templatefile::findNext;

TEST(TemplateFileName, FromSlotAndDate) {
  EXPECT_EQ(fileName(1, QStringLiteral("Juni im Jahre 38")), QStringLiteral("Zug-Spiel1-38-Juni.txt"));
  EXPECT_EQ(fileName(2, QStringLiteral("Feldsegen, Woche 1 im Jahre 10")), QStringLiteral("Zug-Spiel2-10-Feldsegen,.txt"));
  EXPECT_EQ(fileName(2, QStringLiteral("Nebeltage, Woche 1 im Jahre 5")), QStringLiteral("Zug-Spiel2-5-Nebeltage,.txt"));
  EXPECT_EQ(fileName(6, QStringLiteral("Mond der milden Winde, Woche3 im Jahre 10")),
            QStringLiteral("Zug-Spiel6-10-Mond.txt"));
}

TEST(TemplateFileName, DatesWithoutYearWordOrBlank) {
  // No "Jahre": the year part runs from the 6th character on.
  EXPECT_EQ(fileName(1, QStringLiteral("Juni 38")), QStringLiteral("Zug-Spiel1-38-Juni.txt"));
  // No blank: the first word is empty.
  EXPECT_EQ(fileName(1, QStringLiteral("Sommerzeit")), QStringLiteral("Zug-Spiel1-rzeit-.txt"));
  EXPECT_EQ(fileName(3, QString()), QStringLiteral("Zug-Spiel3--.txt"));
}

TEST(TemplateSearch, StepsThroughOccurrencesWithoutWrapping) {
  const QString text = QStringLiteral("abc abc");
  qsizetype at = findNext(text, QStringLiteral("abc"), 0, 0);
  EXPECT_EQ(at, 0);
  at = findNext(text, QStringLiteral("abc"), at, 3);
  EXPECT_EQ(at, 4);
  EXPECT_EQ(findNext(text, QStringLiteral("abc"), at, 3), -1);
  // A cursor without a selection starts from the beginning again.
  EXPECT_EQ(findNext(text, QStringLiteral("abc"), 5, 0), 0);
  // A selection of something else: the search goes on after it.
  EXPECT_EQ(findNext(text, QStringLiteral("abc"), 1, 1), 4);
}

TEST(TemplateSearch, CaseAndEmptyText) {
  EXPECT_EQ(findNext(QStringLiteral("abc abc"), QStringLiteral("ABC"), 0, 0), -1);
  EXPECT_EQ(findNext(QStringLiteral("abc"), QString(), 0, 0), -1);
  EXPECT_EQ(findNext(QStringLiteral("abc"), QStringLiteral("c"), 1, 5), -1);  // selection past the end
  EXPECT_EQ(findNext(QStringLiteral("x\nEINHEIT a\nEINHEIT b"), QStringLiteral("EINHEIT"), 2, 7), 12);
}

struct TemplateSave : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    game.slot = 1;
    game.programPath = textutil::normalizeDirectory(dir.path());
    orders.setLines({QStringLiteral(" PARTEI L1 \"geheim\""), QString(), QStringLiteral(" NAECHSTER")});
  }
  QString turnFile() const { return dir.filePath(QStringLiteral("Zug-Spiel1-38-Juni.txt")); }

  QTemporaryDir dir;
  GameSession game;
  OrderTemplate orders;
  const QString datum = QStringLiteral("Juni im Jahre 38");
};

TEST_F(TemplateSave, SaveWritesTheTurnFileAndReplacesIt) {
  orders.setUnsaved(true);
  ASSERT_EQ(templatefile::save(orders, game, datum), QString());
  EXPECT_FALSE(orders.unsaved());
  EXPECT_EQ(templatefile::load(turnFile()), std::optional<QStringList>(orders.lines()));

  orders.add(QStringLiteral("; neu"));
  orders.setUnsaved(true);
  ASSERT_EQ(templatefile::save(orders, game, datum), QString());
  EXPECT_EQ(templatefile::load(turnFile())->last(), QStringLiteral("; neu"));
}

TEST_F(TemplateSave, TimerWritesOnlyUnsavedChanges) {
  orders.setUnsaved(false);
  auto outcome = templatefile::autosave(orders, game, datum);
  EXPECT_FALSE(outcome.wrote);
  EXPECT_FALSE(QFileInfo::exists(turnFile()));

  orders.setUnsaved(true);
  outcome = templatefile::autosave(orders, game, datum);
  EXPECT_TRUE(outcome.wrote);
  EXPECT_EQ(outcome.error, QString());
  EXPECT_TRUE(QFileInfo::exists(turnFile()));
  EXPECT_FALSE(orders.unsaved());
}

TEST_F(TemplateSave, SaveAsWritesOnlyTheChosenFile) {
  orders.setUnsaved(true);
  EXPECT_EQ(templatefile::saveAs(orders, QString()), QString());  // cancelled
  EXPECT_TRUE(orders.unsaved());
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());

  const QString chosen = dir.filePath(QStringLiteral("meine-befehle.txt"));
  ASSERT_EQ(templatefile::saveAs(orders, chosen), QString());
  EXPECT_FALSE(orders.unsaved());
  EXPECT_EQ(templatefile::load(chosen), std::optional<QStringList>(orders.lines()));
  EXPECT_FALSE(QFileInfo::exists(turnFile()));
}

TEST_F(TemplateSave, FailedWriteNamesThePathAndKeepsTheFlag) {
  game.programPath = textutil::normalizeDirectory(dir.filePath(QStringLiteral("fehlt")));
  const QString path = templatefile::filePath(game, datum);

  orders.setUnsaved(true);
  QString error = templatefile::save(orders, game, datum);
  EXPECT_TRUE(error.contains(path)) << error.toStdString();
  EXPECT_TRUE(orders.unsaved());

  // A save that fails after the text was marked saved marks it unsaved again.
  orders.setUnsaved(false);
  EXPECT_FALSE(templatefile::save(orders, game, datum).isEmpty());
  EXPECT_TRUE(orders.unsaved());

  // The timer keeps trying while the flag is set.
  const auto outcome = templatefile::autosave(orders, game, datum);
  EXPECT_TRUE(outcome.wrote);
  EXPECT_TRUE(outcome.error.contains(path));
  EXPECT_TRUE(orders.unsaved());

  // Save as to a missing folder: reported, flag as it was.
  orders.setUnsaved(false);
  const QString chosen = dir.filePath(QStringLiteral("fehlt/x.txt"));
  error = templatefile::saveAs(orders, chosen);
  EXPECT_TRUE(error.contains(chosen));
  EXPECT_FALSE(orders.unsaved());
}

}  // namespace

namespace {

QStringList readBack(const QString& path) { return templatefile::load(path).value_or(QStringList{QStringLiteral("<fehlt>")}); }

// Another round's orders are kept under a name with their round before the
// new template replaces them; the same lines are never kept twice.
TEST_F(TemplateSave, ReplacedTemplatesAreKeptUnderTheirRound) {
  const QStringList week1 = {QStringLiteral(" PARTEI L1"), QStringLiteral("    LERNE Taktik")};
  const QStringList week2 = {QStringLiteral(" PARTEI L1"), QStringLiteral("    ARBEITE")};
  const QString kept4101 = dir.filePath(QStringLiteral("Zug-Spiel1-38-Juni,-4101.txt"));
  const QString turn = dir.filePath(QStringLiteral("Zug-Spiel1-38-Juni,.txt"));
  struct Step {
    const char* name;
    QStringList onDisk;  // empty: no file
    qint32 heldRound;
    QStringList replacing;
    QString keptAs;      // file name expected, empty when nothing is kept
  };
  const Step steps[] = {
      {"no file yet", {}, 4101, week1, QString()},
      {"same lines", week1, 4101, week1, QString()},
      {"week 2 replaces week 1", week1, 4101, week2, kept4101},
      {"kept once only", week1, 4101, week2, QString()},
      {"other lines of round 4101", week2, 4101, week1, dir.filePath(QStringLiteral("Zug-Spiel1-38-Juni,-4101-2.txt"))},
      {"round not known", week2, 0, week1, dir.filePath(QStringLiteral("Zug-Spiel1-38-Juni,-alt.txt"))},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    QFile::remove(turn);
    if (!s.onDisk.isEmpty()) {
      ASSERT_EQ(textutil::writeLinesAtomic(turn, s.onDisk), QString());
    }
    const templatefile::Kept kept = templatefile::keepBeforeReplacing(turn, s.heldRound, s.replacing);
    EXPECT_EQ(kept.error, QString());
    EXPECT_EQ(kept.path, s.keptAs);
    if (!s.keptAs.isEmpty()) {
      EXPECT_EQ(readBack(s.keptAs), s.onDisk);
    }
  }
  EXPECT_EQ(readBack(kept4101), week1);
}

// Whether another program wrote the turn's file since this one saved it.
TEST_F(TemplateSave, ChangesOnDiskAreNoticed) {
  const QString path = turnFile();
  const QStringList theirs = {QStringLiteral(" PARTEI L1"), QStringLiteral("    GIB ry 10 Silber")};
  const std::pair<const char*, std::function<void()>> steps[] = {
      {"saved by this program", [] {}},
      {"written by another", [&] { textutil::writeLinesAtomic(path, theirs); }},
      {"deleted: nothing to lose", [&] { QFile::remove(path); }},
  };
  const bool changed[] = {false, true, false};
  ASSERT_EQ(templatefile::save(orders, game, datum), QString());
  for (int i = 0; i < 3; ++i) {
    steps[i].second();
    EXPECT_EQ(templatefile::changedOnDisk(orders, path), changed[i]) << steps[i].first;
  }
  // A file this run never loaded or saved belongs to somebody else.
  textutil::writeLinesAtomic(path, theirs);
  EXPECT_TRUE(templatefile::changedOnDisk(OrderTemplate(), path));
}

}  // namespace
