#pragma once
// A program folder with one open game slot for whole imports of small
// reports written by a test, and a look at what they stored.
#include <QSqlQuery>
#include <QTemporaryDir>

#include "game/configfile.h"
#include "turn/gameopening.h"
#include "turn/opengame.h"
#include "turn/programfolder.h"
#include "game/textutil.h"
#include "db/database.h"
#include "turn/reportimporter.h"

namespace reportgame {

struct Game {
  explicit Game(const QString& type = QStringLiteral("Molvanth")) {
    programfolder::initProgramFolder(tmp.path());
    db.open(textutil::joinPath(tmp.path(), Database::fileName()));
    game.db = &db;
    gameopening::beginSlot(game.session, 1, QStringLiteral("Test"), type);
    gameopening::readSlotSettings(game.session, ConfigFile::load(tmp.filePath(QStringLiteral("zendral.cfg"))));
  }
  // Reads the lines as a report; `yes` answers every question.
  ImportOutcome read(const QStringList& lines, bool yes = true) {
    QByteArray bytes;
    for (const QString& l : lines) bytes += l.toUtf8() + "\n";
    return importReportData(game, bytes, QStringLiteral("test.cr"), answering(yes));
  }
  // Reads a report file.
  ImportOutcome readFile(const QString& path, bool yes = true) { return importReport(game, path, answering(yes)); }
  ImportCallbacks answering(bool yes) {
    ImportCallbacks callbacks;
    callbacks.askYesNo = [this, yes](const QString& q) {
      questions << q;
      return yes;
    };
    return callbacks;
  }
  // The first column of the first row of a query, or "<keine Zeile>".
  QString value(const QString& sql) {
    QSqlQuery q(db.sql());
    q.exec(sql);
    return q.next() ? q.value(0).toString() : QStringLiteral("<keine Zeile>");
  }
  QTemporaryDir tmp;
  Database db;
  OpenGame game;
  QStringList questions;
};

// Lines of a report written as C strings.
inline QStringList lines(std::initializer_list<const char*> texts) {
  QStringList out;
  for (const char* t : texts) out << QString::fromUtf8(t);
  return out;
}

}  // namespace reportgame
