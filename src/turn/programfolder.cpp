#include "turn/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "game/configfile.h"
#include "game/filetransaction.h"
#include "game/textutil.h"
#include "db/database.h"
#include "db/dberror.h"
#include "map/terraintiles.h"
#include "turn/reportpagetable.h"

namespace programfolder {

QStringList statusFileNames(int slot) {
  QStringList names;
  for (const reportpagetable::Page* page : reportpagetable::storedPages())
    names << reportpagetable::statusFileName(slot, *page);
  return names;
}

bool hasConfig(const QString& dir) { return QFileInfo::exists(textutil::joinPath(dir, ConfigFile::fileName())); }

namespace {

void makeDirectory(const QString& path, QStringList& created) {
  if (QFileInfo(path).isDir()) return;
  if (!QDir().mkpath(path)) throw ConfigError(QStringLiteral("Der Ordner %1 konnte nicht angelegt werden.").arg(path));
  created << QStringLiteral("Ordner angelegt: %1").arg(path);
}

}  // namespace

QString installedTilesFolder() {
  if (!QCoreApplication::instance()) return QString();
  const QString folder =
      QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../share/zendral/images"));
  return QFileInfo(folder).isDir() ? QDir::cleanPath(folder) : QString();
}

int writeStandardTiles(const QString& images, const QString& installed) {
  QString error;
  const int tiles = terraintiles::writeMissingTiles(images, &error, installed);
  if (!error.isEmpty()) throw ConfigError(error);
  return tiles;
}

QStringList initProgramFolder(const QString& dirText) {
  QStringList created;
  const QString dir = QDir(dirText).absolutePath();
  makeDirectory(dir, created);

  const QString configPath = textutil::joinPath(dir, ConfigFile::fileName());
  if (!QFileInfo::exists(configPath)) {
    ConfigFile(ConfigFile::freshLines(dir)).save(configPath);
    created << QStringLiteral("Konfigurationsdatei angelegt: %1").arg(configPath);
  }

  const QString images = textutil::joinPath(dir, QStringLiteral("images"));
  makeDirectory(images, created);
  const int tiles = writeStandardTiles(images, installedTilesFolder());
  if (tiles > 0) created << QStringLiteral("%1 Kartenbilder angelegt in %2").arg(tiles).arg(images);

  const QString statusDir = textutil::joinPath(dir, QStringLiteral("status-data"));
  makeDirectory(statusDir, created);
  int statusFiles = 0;
  for (int slot = 1; slot <= ConfigFile::kSlots; ++slot) {
    for (const QString& name : statusFileNames(slot)) {
      const QString path = textutil::joinPath(statusDir, name);
      if (QFileInfo::exists(path)) continue;
      const QString error = safefile::writeBytes(path, QByteArray());
      if (!error.isEmpty()) throw ConfigError(error);
      ++statusFiles;
    }
  }
  if (statusFiles > 0) created << QStringLiteral("%1 leere Statusdateien angelegt in %2").arg(statusFiles).arg(statusDir);

  const QString dbPath = textutil::joinPath(dir, Database::fileName());
  const bool dbExisted = QFileInfo::exists(dbPath);
  try {
    Database db;
    db.open(dbPath, true);  // creates only the tables that are missing
  } catch (const DbError& e) {
    throw ConfigError(e.message());
  }
  if (!dbExisted) created << QStringLiteral("Datenbank mit sieben Tabellen angelegt: %1").arg(dbPath);
  if (created.isEmpty()) created << QStringLiteral("Der Programmordner %1 ist bereits vollständig.").arg(dir);
  return created;
}

}  // namespace programfolder
