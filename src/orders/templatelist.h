#pragma once
// "Zugvorlage öffnen…": the slot's template files in the program folder, the
// turn's own ones and those kept before a report replaced them
// ("…-<round>.txt", "…-alt.txt", with "-2", "-3" for further copies).
#include <QDateTime>
#include <QList>
#include <QString>

struct GameSession;

namespace templatelist {

struct Entry {
  QString path;
  QString fileName;
  qint32 keptRound = 0;  // the round code a kept file names; 0 otherwise
  bool kept = false;     // kept before it was replaced
  QDateTime modified;
};

// The file name's parts: whether it is one of slot `slot`'s templates, and
// the round a kept one names.
struct NameParts {
  bool isTemplate = false;
  bool kept = false;
  qint32 keptRound = 0;
};
NameParts parseName(const QString& fileName, int slot);

// The slot's template files, newest first.
QList<Entry> list(const GameSession& session);

// One line of the choice: name, round and time of the file.
QString label(const Entry& entry);

}  // namespace templatelist
