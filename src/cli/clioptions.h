#pragma once
// The options the game commands share: --dir, --slot, --typ, --name, --ja.
#include <QString>
#include <QStringList>
#include <optional>

namespace cli {

struct GameOptions {
  QString dir;        // program folder; default: the current directory
  int slot = 1;
  QString typ;        // game type for an untyped slot
  QString name;       // slot name; default: the stored one
  bool yes = false;   // answer to the version question
  QStringList positional;
};

// Parses the options; on error returns std::nullopt with a German message.
std::optional<GameOptions> parseGameOptions(const QStringList& args, QString* error);

}  // namespace cli
