#pragma once
// Helpers of the tests that run the program on a full disk: a program
// folder on a small tmpfs, a snapshot of the player's files, the headless
// tool as a separate process.
#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <unistd.h>

#include "support/clirun.h"

namespace fullfolder {

using testsupport::CliRun;
using testsupport::cli;

// Every file of the folder a player keeps, by relative path: the
// configuration, status files, templates, possessions files. The database
// files are compared by their dump; the filler is the test's own.
inline QMap<QString, QByteArray> playerFiles(const QString& dir) {
  QMap<QString, QByteArray> files;
  QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    const QString name = QDir(dir).relativeFilePath(path);
    if (name.startsWith(QLatin1String("Molvanth")) || name == QLatin1String("filler") || name.startsWith(QLatin1String("images/")))
      continue;
    QFile f(path);
    files[name] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
  }
  return files;
}

// A tmpfs of `kilobytes` mounted on a temporary folder; unmounted at the end.
class Tmpfs {
 public:
  explicit Tmpfs(int kilobytes) {
    if (::geteuid() != 0) return;
    const int code = QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                                                  QStringLiteral("-o"), QStringLiteral("size=%1k").arg(kilobytes),
                                                                  QStringLiteral("tmpfs"), mountPoint_.path()});
    mounted_ = code == 0;
  }
  ~Tmpfs() {
    if (mounted_) QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), mountPoint_.path()});
  }
  bool mounted() const { return mounted_; }
  QString path() const { return mountPoint_.path(); }

  // Fills the disk up to `freeBytes` left.
  void leaveFree(qint64 freeBytes) const {
    QFile filler(QDir(path()).filePath(QStringLiteral("filler")));
    if (!filler.open(QIODevice::Append)) return;
    const QByteArray chunk(4096, 'x');
    QStorageInfo disk(path());
    while (disk.bytesAvailable() > freeBytes) {
      const qint64 want = qMin<qint64>(chunk.size(), disk.bytesAvailable() - freeBytes);
      if (filler.write(chunk.constData(), want) != want || !filler.flush()) break;
      disk.refresh();
    }
  }
  void emptyFiller() const { QFile::remove(QDir(path()).filePath(QStringLiteral("filler"))); }

 private:
  QTemporaryDir mountPoint_;
  bool mounted_ = false;
};

// Temporaries a failed write could have left behind.
inline QStringList leftovers(const QString& dir) {
  QStringList found;
  QDirIterator it(dir, {QStringLiteral("*.neu-*"), QStringLiteral("*.neu")}, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) found << it.next();
  return found;
}

}  // namespace fullfolder
