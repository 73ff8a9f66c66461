#pragma once
// The slot's settings between zendral.cfg and the session. They belong to
// opening a game, but the map and the import write them back as well, so
// they sit below both.
#include <QString>

#include "game/configfile.h"
#include "game/gamesession.h"

namespace gameopening {

// Reads the slot's settings from the configuration lines into the session:
// faction name and number, newest round code, program path, map origin,
// small-map centre, identifier base, umlaut flag and checker path. Numbers
// are read strictly; on a bad or missing line ConfigError names the file
// and the line, and the session is left unchanged.
void readSlotSettings(GameSession& session, const ConfigFile& config);

// Decimal text of a map origin coordinate as the file keeps it.
QString originText(double value);

// Writes the slot's settings back to zendral.cfg in the program path: slot
// name, type text, faction name and number, the newest round code (only
// ever raised), the map origin (only while level 0 is shown), identifier
// base and umlaut flag. Throws ConfigError when the file cannot be read or
// written.
void saveAktuelleOptionen(const GameSession& session);
// The same lines set in a loaded file, for a caller that writes it later.
void applyAktuelleOptionen(ConfigFile& config, const GameSession& session);

}  // namespace gameopening
