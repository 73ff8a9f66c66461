#include "db/database.h"

#include <sqlite3.h>

#include <QAtomicInt>
#include <QFileInfo>
#include <QStorageInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include "db/dberror.h"
#include "db/schema.h"

namespace {
QAtomicInt connectionCounter;

// The shared-memory file of a new connection cannot grow on a full disk;
// SQLite calls that an I/O error.
constexpr qint64 kNearlyFull = 256 * 1024;
constexpr int kIoErr = 10;

// `connection` gives the code where Qt leaves it out (a failed commit).
QString reasonOf(const QSqlError& error, const QString& path = QString(), sqlite3* connection = nullptr) {
  bool numeric = false;
  int code = error.nativeErrorCode().toInt(&numeric);
  if (!numeric && connection) {
    code = sqlite3_extended_errcode(connection);
    numeric = true;
  }
  if (!numeric) return error.text();
  if ((code & 0xff) == kIoErr && !path.isEmpty() && path != QLatin1String(":memory:")) {
    const QStorageInfo disk(QFileInfo(path).absolutePath());
    if (disk.isValid() && disk.bytesAvailable() < kNearlyFull)
      return QStringLiteral("Auf dem Datenträger ist kein Platz mehr (%1)").arg(error.text());
  }
  return dberror::reasonText(code, error.text());
}
}

Database::~Database() { close(); }

void Database::open(const QString& path, bool createTables) {
  close();
  connectionName_ = QStringLiteral("zendral-%1").arg(connectionCounter.fetchAndAddRelaxed(1));
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
  db.setDatabaseName(path);
  path_ = path;
  if (!db.open()) {
    const QString reason = reasonOf(db.lastError(), path);
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName_);
    connectionName_.clear();
    throw DbError(QStringLiteral("Die Datenbank %1 konnte nicht geöffnet werden: %2").arg(path, reason));
  }
  // A new file gets 16 KB pages (an existing one keeps its own): a large
  // import writes a quarter of the pages, with a quarter of the system calls.
  // It must be set before the file turns to WAL.
  exec(QStringLiteral("PRAGMA page_size=16384"));
  // WAL keeps the file consistent when the program is killed mid-import;
  // NORMAL sync is safe with WAL and much faster for large imports.
  exec(QStringLiteral("PRAGMA journal_mode=WAL"));
  exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
  exec(QStringLiteral("PRAGMA foreign_keys=OFF"));
  // Up to 64 MB of pages: a large report writes its units all over the key
  // indexes, and a small cache would write the same pages out again and again.
  exec(QStringLiteral("PRAGMA cache_size=-65536"));
  if (createTables) {
    createMissingTables();
  } else {
    const QStringList missing = missingTables();
    if (!missing.isEmpty()) {
      const QString names = missing.join(QStringLiteral(", "));
      close();
      throw DbError(QStringLiteral("In der Datenbank %1 fehlen die Tabellen: %2").arg(path, names));
    }
    // A file of an older version gets the indexes added since.
    createMissingTables();
  }
}

void Database::finishCheckpoint() {
  if (checkpoint_.joinable()) checkpoint_.join();
}

void Database::close() {
  finishCheckpoint();
  if (connectionName_.isEmpty()) return;
  {
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    if (db.isOpen()) {
      if (inTransaction_) db.rollback();
      db.close();
    }
  }
  QSqlDatabase::removeDatabase(connectionName_);
  connectionName_.clear();
  inTransaction_ = false;
}

bool Database::isOpen() const { return !connectionName_.isEmpty() && sql().isOpen(); }

QSqlDatabase Database::sql() const { return QSqlDatabase::database(connectionName_, false); }

sqlite3* Database::handle() const {
  const QVariant v = sql().driver()->handle();
  if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0) throw DbError(QStringLiteral("Die Datenbank ist nicht geöffnet."));
  return *static_cast<sqlite3* const*>(v.constData());
}

void Database::createMissingTables() {
  for (const schema::TableDef* def : schema::allTables())
    for (const QString& statement : schema::createStatements(*def)) exec(statement);
}

QStringList Database::missingTables() const {
  QStringList missing;
  const QStringList present = sql().tables();
  for (const schema::TableDef* def : schema::allTables())
    if (!present.contains(def->name)) missing << def->name;
  return missing;
}

void Database::begin() {
  if (!sql().transaction())
    throw DbError(QStringLiteral("Die Transaktion konnte nicht begonnen werden: %1").arg(reasonOf(sql().lastError(), path_, handle())));
  inTransaction_ = true;
}

void Database::commit() {
  if (!sql().commit()) {
    const QString reason = reasonOf(sql().lastError(), path_, handle());
    sql().rollback();
    inTransaction_ = false;
    throw DbError(QStringLiteral("Die Änderungen konnten nicht gespeichert werden: %1").arg(reason));
  }
  inTransaction_ = false;
}

void Database::checkpointInBackground() {
  finishCheckpoint();
  if (path_.isEmpty() || path_ == QLatin1String(":memory:")) return;
  const QByteArray file = path_.toUtf8();
  checkpoint_ = std::thread([file] {
    sqlite3* connection = nullptr;
    // A failure here costs nothing: closing the main connection checkpoints anyway.
    // The connection learns that the file is in WAL mode on its first read.
    if (sqlite3_open_v2(file.constData(), &connection, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
        sqlite3_exec(connection, "PRAGMA schema_version", nullptr, nullptr, nullptr) == SQLITE_OK)
      sqlite3_wal_checkpoint_v2(connection, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
    sqlite3_close(connection);
  });
}

void Database::rollback() {
  if (inTransaction_) sql().rollback();
  inTransaction_ = false;
}

void Database::checkIntact() {
  QSqlQuery query(sql());
  if (!query.exec(QStringLiteral("PRAGMA quick_check(1)")))
    throw DbError(QStringLiteral("Datenbankfehler: %1 (PRAGMA quick_check)").arg(reasonOf(query.lastError(), path_)));
  const QString result = query.next() ? query.value(0).toString() : QString();
  if (result != QLatin1String("ok"))
    throw DbError(QStringLiteral("Die Datenbankdatei ist beschädigt (database disk image is malformed: %1)").arg(result));
}

void Database::exec(const QString& statement) {
  QSqlQuery query(sql());
  if (!query.exec(statement))
    throw DbError(QStringLiteral("Datenbankfehler: %1 (%2)").arg(reasonOf(query.lastError(), path_), statement));
}
