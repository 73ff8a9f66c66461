#pragma once
// The game the headless import benchmarks read into: slot 1 of a program
// folder, as a Molvanth game.
#include <QString>

#include "turn/opengame.h"
#include "game/textutil.h"
#include "db/database.h"

inline void openHeadlessGame(OpenGame& game, Database& db, const QString& folder) {
  db.open(textutil::joinPath(folder, Database::fileName()));
  game.db = &db;
  game.session.programPath = textutil::normalizeDirectory(folder);
  game.session.gameTypeText = QStringLiteral("Molvanth");
}
