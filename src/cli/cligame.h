#pragma once
// Opening a game slot of a program folder for the headless tool, as the
// selection dialog's "Start" does for the window.
#include <QString>
#include <memory>

#include "app/opengame.h"
#include "cli/clioptions.h"
#include "db/database.h"

namespace cli {

struct CliGame {
  Database db;
  OpenGame game;
};

// Opens slot o.slot of the program folder o.dir; on failure returns null
// with the German message in `error`. Messages of the opening (table
// upgrades) are printed.
std::unique_ptr<CliGame> openGame(const GameOptions& o, QString* error);

}  // namespace cli
