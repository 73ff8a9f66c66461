#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "db/database.h"
#include "db/table.h"
#include "support/testsupport.h"

namespace {

void addRegions(Table& t, int from, int to) {
  for (int x = from; x < to; ++x) {
    t.append();
    t.setValue(QStringLiteral("Spiel"), 1);
    t.setValue(QStringLiteral("Breite"), x);
    t.setValue(QStringLiteral("Länge"), 0);
    t.setValue(QStringLiteral("Ebene"), 0);
    t.setValue(QStringLiteral("Beschreibung"), QString(500, QChar(u'x')));
    t.post();
  }
}

// The log of a large commit reaches the file in the background, even when a
// table had been left standing on a row, and writing on meanwhile loses nothing.
TEST(Checkpoint, BackgroundCopyReachesTheFileAndLosesNothing) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("game.sqlite"));
  {
    Database db;
    db.open(path, true);
    Table regions(db, QStringLiteral("regionen"));
    addRegions(regions, 0, 10);
    // A walk, then a search, begun inside the large transaction: both would
    // hold the read of the file the transaction began with.
    db.begin();
    regions.first();
    ASSERT_TRUE(regions.findKey({1, 5, 0, 0}));
    addRegions(regions, 10, 2000);
    db.commit();
    const qint64 before = QFileInfo(path).size();
    regions.close();
    db.checkpointInBackground();
    db.begin();
    addRegions(regions, 2000, 2100);
    db.commit();
    db.finishCheckpoint();
    EXPECT_GT(QFileInfo(path).size(), before + 1000 * 500) << "the rows are in the file, not only in the log";
  }
  Database reopened;
  reopened.open(path);
  EXPECT_EQ(testsupport::rowCount(reopened, QStringLiteral("regionen")), 2100);
}

}  // namespace
