#pragma once
// Opening a game slot of a program folder for the headless tool, as the
// selection dialog's "Start" does for the window.
#include <QString>
#include <memory>
#include <optional>

#include "turn/opengame.h"
#include "cli/clicommands.h"
#include "cli/clioptions.h"
#include "db/database.h"
#include "db/dberror.h"

namespace cli {

struct CliGame {
  Database db;
  OpenGame game;
};

// Opens slot o.slot of the program folder o.dir; on failure returns null
// with the German message in `error`. Messages of the opening (table
// upgrades) are printed.
std::unique_ptr<CliGame> openGame(const GameOptions& o, QString* error);

// Parses a game command's options (with its own `extra` ones) and checks the
// count of positional arguments; prints the German message on error.
std::optional<GameOptions> commandOptions(const QStringList& args, int positional, const char* usage,
                                          const QList<ExtraOption>& extra = {});

// Parses the options, opens the slot and hands both to `work`; the exit code.
// A damaged database file gets the message that names the way back.
QString explainDbError(const QString& dir, const QString& message);

// A table error ends the command with its message.
template <typename Work>
int withGame(const QStringList& args, int positional, const char* usage, Work work,
             const QList<ExtraOption>& extra = {}) {
  const auto o = commandOptions(args, positional, usage, extra);
  if (!o) return 2;
  QString error;
  auto cli = openGame(*o, &error);
  if (!cli) {
    printError(error);
    return 1;
  }
  try {
    return work(*o, *cli);
  } catch (const DbError& e) {
    printError(explainDbError(o->dir, e.message()));
    return 1;
  }
}

}  // namespace cli
