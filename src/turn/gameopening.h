#pragma once
// Opening a game slot without the windows: the table upgrades, taking the
// slot's settings from zendral.cfg into the session, and writing them back.
#include <QString>
#include <functional>

#include "game/configfile.h"
#include "game/gamesession.h"
#include "game/slotsettings.h"

class Database;

namespace gameopening {

// The version the about box shows once a game is open.
inline QString versionText() { return QStringLiteral("3.7.16"); }

// zendral.cfg as read from the start directory. A file that cannot be read
// or is too short still gives the lines it has; `error` then carries the
// German message for the player (empty when the file is sound).
struct StartConfig {
  ConfigFile config;
  QString error;
};
StartConfig readStartConfig(const QString& directory);

// Adds the fields older tables lack (statistics silver per region, region
// stones and saplings). Each addition is announced through `inform` before
// it is made; tables that have the fields are left alone. Returns the
// number of fields added. Throws DbError when a table cannot be changed.
int upgradeTables(Database& db, const std::function<void(const QString&)>& inform);

// 1 (Molvanth) only for the exact type text "Molvanth"; anything else,
// also an empty text, is Quarnel.
int gameTypeFor(const QString& typeText);
// The main window caption of an open slot.
inline QString captionFor(const QString& typeText) { return typeText + QStringLiteral(" Assistent"); }

// Fixes slot, slot name, type text and game type for the run; the level
// shown starts at 0.
void beginSlot(GameSession& session, int slot, const QString& slotName, const QString& typeText);

// Why the slot's program path cannot be used (it does not exist, or it
// holds no zendral.cfg), as a German message naming the path; empty when
// it is sound. A folder that was moved or copied keeps the old path in its
// configuration, and the program would read and write elsewhere.
QString programPathProblem(const QString& programPath);
// True when `programPath` and `folder` both exist and are different folders
// (a program folder copied elsewhere still names the old one).
bool isOtherFolder(const QString& programPath, const QString& folder);

// Makes `folder` the slot's program path: writes it into line o+6 of
// `config` and saves the file, and takes it into the session. Throws
// ConfigError when the file cannot be written.
void adoptProgramPath(GameSession& session, ConfigFile& config, const QString& folder);

}  // namespace gameopening
