#pragma once
// Opening a game slot, the same for the window's "Start" and the headless
// tool: the table upgrades, the slot's settings, the points statistics and
// the status files with the summaries and the order template. Between the
// steps each caller does its own part through `Steps`: the window lays
// itself out for the game and settles the program path with the player,
// the tool works in the folder it was given.
#include <QString>
#include <functional>

#include "turn/opengame.h"
#include "turn/statusdata.h"

class ConfigFile;

namespace slotopening {

struct Steps {
  // Announces each table upgrade before it is made.
  std::function<void(const QString&)> inform;
  // The slot is begun (number, name, game type); its settings are not read.
  std::function<void()> slotBegun;
  // The settings are in the session. False ends the opening; the caller
  // has told the player why.
  std::function<bool()> settingsRead;
  // The points statistics are read; the status files come next.
  std::function<void()> pointsRead;
};

struct Opening {
  bool stopped = false;         // `settingsRead` ended the opening
  statusdata::StatusLoad load;  // the status files' error and messages
  bool ok() const { return !stopped && load.ok(); }
};

// Opens `slot` in `game` (whose db the caller has set) with the settings of
// `config`. A table that cannot be upgraded throws DbError, a bad settings
// line ConfigError; a status file that cannot be read ends the opening with
// its message in load.error.
Opening openSlot(OpenGame& game, const ConfigFile& config, int slot, const QString& slotName,
                 const QString& typeText, const Steps& steps);

}  // namespace slotopening
