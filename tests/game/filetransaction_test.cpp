// Writing files on a disk that runs full: a file is whole or as before.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>

#include "game/filetransaction.h"
#include "support/testsupport.h"

namespace {

QByteArray contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Restores the unlimited disk even when a check fails.
struct Budget {
  explicit Budget(qint64 bytes) { safefile::setWriteBudgetForTesting(bytes); }
  ~Budget() { safefile::setWriteBudgetForTesting(-1); }
};

// Lines are written as UTF-8 with CR LF, whatever their number and length
// (the conversion runs in batches of lines).
TEST(SafeFile, LinesAreEncodedWholeAndInOrder) {
  QStringList many;
  for (int i = 0; i < 20000; ++i) many << QStringLiteral("Zeile %1 mit äöü").arg(i);
  const QStringList oneLong{QString(70000, QLatin1Char('x')) + QStringLiteral("ß"), QString()};
  for (const QStringList& lines : {QStringList(), QStringList{QString()}, many, oneLong}) {
    QByteArray wanted;
    for (const QString& line : lines) wanted += line.toUtf8() + "\r\n";
    EXPECT_EQ(safefile::encodeLines(lines), wanted) << lines.size();
  }
}

TEST(SafeFile, AFileIsWholeOrAsBeforeAtEveryFreeSpace) {
  const QStringList lines(200, QStringLiteral("Zeile mit Umlauten äöü"));
  const QByteArray wanted = safefile::encodeLines(lines);
  struct Case {
    qint64 budget;
    bool written;
  };
  for (const Case c : {Case{0, false}, Case{1, false}, Case{wanted.size() / 2, false}, Case{wanted.size() - 1, false},
                       Case{wanted.size(), true}, Case{-1, true}}) {
    SCOPED_TRACE(c.budget);
    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("zendral.cfg"));
    testsupport::writeFile(path, "alte Zeilen\r\n");
    QString error;
    {
      Budget budget(c.budget);
      error = safefile::writeLines(path, lines);
    }
    EXPECT_EQ(contents(path), c.written ? wanted : QByteArray("alte Zeilen\r\n"));
    EXPECT_EQ(error.isEmpty(), c.written) << error.toStdString();
    if (!c.written) {
      EXPECT_TRUE(error.contains(QStringLiteral("Auf dem Datenträger ist kein Platz mehr"))) << error.toStdString();
      EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path)));
      EXPECT_TRUE(error.contains(QStringLiteral("unverändert")));
    }
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), QStringList{QStringLiteral("zendral.cfg")});
  }
}

TEST(SafeFile, StagedFilesTakeTheirPlacesOnlyTogether) {
  QTemporaryDir tmp;
  const QStringList names = {QStringLiteral("a.txt"), QStringLiteral("b.txt"), QStringLiteral("c.txt")};
  for (const QString& n : names) testsupport::writeFile(tmp.filePath(n), "alt");

  {
    // The third file does not fit: none of the three changes.
    FileTransaction files;
    Budget budget(8);
    EXPECT_TRUE(files.stage(tmp.filePath(names[0]), "neu1").isEmpty());
    EXPECT_TRUE(files.stage(tmp.filePath(names[1]), "neu2").isEmpty());
    EXPECT_FALSE(files.stage(tmp.filePath(names[2]), "neu3").isEmpty());
  }
  for (const QString& n : names) EXPECT_EQ(contents(tmp.filePath(n)), QByteArray("alt")) << n.toStdString();
  EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), names);

  FileTransaction files;
  for (const QString& n : names) ASSERT_TRUE(files.stage(tmp.filePath(n), n.toUtf8()).isEmpty());
  // Before the commit the old files still stand.
  EXPECT_EQ(contents(tmp.filePath(names[1])), QByteArray("alt"));
  EXPECT_TRUE(files.commit().isEmpty());
  for (const QString& n : names) EXPECT_EQ(contents(tmp.filePath(n)), n.toUtf8());
  EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), names);
}

TEST(SafeFile, ReasonsAreGermanAndNeverUnknown) {
  struct Case {
    int error;
    const char* expected;
  };
  for (const Case c : {Case{ENOSPC, "kein Platz mehr"}, Case{EACCES, "Berechtigung"}, Case{EROFS, "schreibgeschützt"},
                       Case{ENOENT, "Ordner existiert nicht"}, Case{0, "nicht bestätigt"}, Case{4711, "4711"}}) {
    const QString reason = safefile::reasonText(c.error);
    EXPECT_TRUE(reason.contains(QString::fromUtf8(c.expected))) << reason.toStdString();
    EXPECT_FALSE(reason.contains(QStringLiteral("Unknown"))) << reason.toStdString();
  }
  // A missing folder is named as such, with the file.
  QTemporaryDir tmp;
  const QString path = tmp.filePath(QStringLiteral("weg/datei.txt"));
  const QString error = safefile::writeBytes(path, "x");
  EXPECT_TRUE(error.contains(QStringLiteral("Der Ordner existiert nicht"))) << error.toStdString();
  EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path)));
}

}  // namespace
