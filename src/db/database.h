#pragma once
// The one database file that holds the seven game tables of all slots.
#include <QSqlDatabase>
#include <QString>
#include <thread>

class Database {
 public:
  static QString fileName() { return QStringLiteral("Molvanth.sqlite"); }

  Database() = default;
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Opens the file (":memory:" for a private in-memory database). With
  // createTables the seven tables are created where missing; otherwise a
  // file without them is refused with a German message.
  void open(const QString& path, bool createTables = false);
  void close();
  bool isOpen() const;
  QSqlDatabase sql() const;
  // The connection's SQLite handle, for the table layer's prepared statements.
  struct sqlite3* handle() const;
  QString path() const { return path_; }

  // Creates every missing table and index; existing ones are left alone.
  void createMissingTables();
  // Names of the game tables missing from the file.
  QStringList missingTables() const;

  void begin();
  void commit();
  void rollback();
  // Copies what the last large commit left in the write-ahead log into the
  // file, on a connection and thread of its own, so that closing later need
  // not do it. Closing waits for it; nothing else has to.
  void checkpointInBackground();
  void finishCheckpoint();  // waits for it
  bool inTransaction() const { return inTransaction_; }

  // Reads every page once (SQLite's quick check, a tenth of a second for a
  // large game); throws DbError naming a damaged file.
  void checkIntact();

  // Executes a statement without values; throws DbError on failure.
  void exec(const QString& statement);

 private:
  QString connectionName_;
  QString path_;
  bool inTransaction_ = false;
  std::thread checkpoint_;
};
