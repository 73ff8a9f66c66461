#include "db/dbbackup.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>

#include "game/filetransaction.h"
#include "db/database.h"
#include "db/dberror.h"

namespace dbbackup {

namespace {

QString sibling(const QString& dbPath, const QString& name) { return QFileInfo(dbPath).absoluteDir().filePath(name); }

QString baseName(const QString& dbPath) { return QFileInfo(dbPath).completeBaseName(); }

bool renameFile(const QString& from, const QString& to) {
  std::error_code ec;
  std::filesystem::rename(std::filesystem::path(from.toStdU16String()), std::filesystem::path(to.toStdU16String()), ec);
  return !ec;
}

QString sqliteReason(sqlite3* connection, int code) {
  if (code == SQLITE_FULL) return QStringLiteral("Auf dem Datenträger ist kein Platz mehr");
  return connection ? QString::fromUtf8(sqlite3_errmsg(connection)) : QString::fromUtf8(sqlite3_errstr(code));
}

}  // namespace

QString backupPath(const QString& dbPath) {
  return sibling(dbPath, baseName(dbPath) + QStringLiteral("-vor-dem-Einlesen.sqlite"));
}

QDateTime backupTime(const QString& dbPath) {
  const QFileInfo info(backupPath(dbPath));
  return info.exists() ? info.lastModified() : QDateTime();
}

void make(Database& db) {
  const QString path = db.path();
  if (path.isEmpty() || path == QLatin1String(":memory:")) return;
  const QString target = backupPath(path);
  const QString temporary = target + QStringLiteral(".neu");
  QFile::remove(temporary);

  sqlite3* copy = nullptr;
  int rc = sqlite3_open_v2(temporary.toUtf8().constData(), &copy, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  // A journal is not needed: an incomplete copy is thrown away.
  if (rc == SQLITE_OK) rc = sqlite3_exec(copy, "PRAGMA journal_mode=OFF", nullptr, nullptr, nullptr);
  QString reason;
  if (rc == SQLITE_OK) {
    sqlite3_backup* backup = sqlite3_backup_init(copy, "main", db.handle(), "main");
    if (!backup) {
      rc = sqlite3_errcode(copy);
    } else {
      rc = sqlite3_backup_step(backup, -1);
      const int finished = sqlite3_backup_finish(backup);
      if (rc == SQLITE_DONE) rc = finished;
    }
  }
  if (rc != SQLITE_OK) reason = sqliteReason(copy, rc);
  if (sqlite3_close(copy) != SQLITE_OK && reason.isEmpty()) reason = QStringLiteral("die Kopie ließ sich nicht schließen");
  if (reason.isEmpty() && !renameFile(temporary, target)) reason = QStringLiteral("die Kopie ließ sich nicht umbenennen");
  if (!reason.isEmpty()) {
    QFile::remove(temporary);
    throw DbError(QStringLiteral("Die Sicherung %1 der Datenbank konnte vor dem Einlesen nicht angelegt werden: %2.")
                      .arg(QDir::toNativeSeparators(target), reason));
  }
}

bool isDamage(const QString& message) {
  return message.contains(QLatin1String("file is not a database")) ||
         message.contains(QLatin1String("database disk image is malformed")) ||
         message.contains(QLatin1String("file is encrypted or is not a database"));
}

QString damagedMessage(const QString& dbPath, const QString& reason, const QString& howBack) {
  const QDateTime when = backupTime(dbPath);
  QString text = QStringLiteral("Die Datenbank %1 ist beschädigt und kann nicht gelesen werden (%2).")
                     .arg(QDir::toNativeSeparators(dbPath), reason.trimmed());
  if (!when.isValid())
    return text + QStringLiteral(" Es gibt keine Sicherung, zu der das Programm zurückkehren könnte.");
  return text + QStringLiteral(" Es gibt eine Sicherung vom %1 (der Stand vor dem letzten Einlesen). %2")
                    .arg(when.toString(QStringLiteral("dd.MM.yyyy HH:mm")), howBack);
}

Restored restore(const QString& dbPath) {
  Restored out;
  const QString backup = backupPath(dbPath);
  QFile source(backup);
  if (!source.open(QIODevice::ReadOnly)) {
    out.error = QStringLiteral("Es gibt keine Sicherung %1; die Datenbank bleibt, wie sie ist.")
                    .arg(QDir::toNativeSeparators(backup));
    return out;
  }
  // The copy is written beside the database first; only a complete copy
  // takes its place, and the replaced file is kept.
  FileTransaction files;
  const QString written = files.stage(dbPath, source.readAll());
  if (!written.isEmpty()) {
    out.error = QStringLiteral("Die Sicherung konnte nicht zurückgeholt werden. ") + written;
    return out;
  }
  const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  const QString kept = sibling(dbPath, baseName(dbPath) + QStringLiteral("-vor-Rueckkehr-%1.sqlite").arg(stamp));
  if (QFileInfo::exists(dbPath) && !renameFile(dbPath, kept)) {
    out.error = QStringLiteral("Die Datenbank %1 konnte nicht beiseitegelegt werden; sie bleibt, wie sie ist.")
                    .arg(QDir::toNativeSeparators(dbPath));
    return out;
  }
  // The log belongs to the replaced file: applied to the backup it would
  // bring the damage back.
  for (const char* suffix : {"-wal", "-shm"}) {
    const QString log = dbPath + QLatin1String(suffix);
    if (QFileInfo::exists(log) && !renameFile(log, kept + QLatin1String(suffix))) QFile::remove(log);
  }
  out.error = files.commit();
  if (out.error.isEmpty()) out.keptAs = kept;
  else renameFile(kept, dbPath);
  return out;
}

}  // namespace dbbackup
