#pragma once
// One copy of the database as it was before the last import, beside it, and
// the way back to it when the database file is damaged.
#include <QDateTime>
#include <QString>

class Database;

namespace dbbackup {

// "Molvanth-vor-dem-Einlesen.sqlite" in the database's folder.
QString backupPath(const QString& dbPath);
// When the backup was completed; invalid when there is none.
QDateTime backupTime(const QString& dbPath);

// Copies the open database (inside no transaction) into a temporary file
// that replaces the previous backup only when it is complete. Throws
// DbError with a German message; the previous backup then stays.
void make(Database& db);

// True when an SQLite message says the file is damaged or no database.
bool isDamage(const QString& message);

// The German message for a damaged database, naming the file and the way
// back: `howBack` is the action the player takes ("zendral-cli restore
// --dir …" or the question of the window).
QString damagedMessage(const QString& dbPath, const QString& reason, const QString& howBack);

struct Restored {
  QString error;   // not empty: nothing was changed
  QString keptAs;  // where the replaced database file now lies
};

// Puts the backup in place of the database (which must be closed). The
// replaced file and its log are kept under "Molvanth-vor-Rueckkehr-<time>";
// the backup itself stays for another try.
Restored restore(const QString& dbPath);

}  // namespace dbbackup
