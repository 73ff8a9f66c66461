#pragma once
#include <QString>

#include "game/zendralerror.h"

namespace dberror {
// SQLite's message for a result code, in German where the player has to
// act on it (a full disk); the original text stays for a damaged file, so
// that it can be recognised.
inline QString reasonText(int sqliteCode, const QString& text) {
  constexpr int kFull = 13;        // SQLITE_FULL
  constexpr int kIoErr = 10;       // SQLITE_IOERR
  constexpr int kCorrupt = 11;     // SQLITE_CORRUPT
  constexpr int kNotADb = 26;      // SQLITE_NOTADB
  switch (sqliteCode & 0xff) {
    case kFull: return QStringLiteral("Auf dem Datenträger ist kein Platz mehr (%1)").arg(text);
    case kIoErr: return QStringLiteral("Der Datenträger meldet einen Ein-/Ausgabefehler (%1)").arg(text);
    case kCorrupt:
    case kNotADb: return QStringLiteral("Die Datenbankdatei ist beschädigt (%1)").arg(text);
    default: return text;
  }
}
}  // namespace dberror

// A failure of the table layer, with a German text for the player.
class DbError : public ZendralError {
 public:
  explicit DbError(const QString& message) : ZendralError(message) {}
};
