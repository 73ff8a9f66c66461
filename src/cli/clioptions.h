#pragma once
// The options the game commands share: --dir, --slot, --typ, --name, --ja,
// and the options a single command adds for itself.
#include <QHash>
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
  // A command's own options: name → its values (empty for a flag).
  QHash<QString, QStringList> extra;

  bool has(const QString& option) const { return extra.contains(option); }
  QString value(const QString& option, const QString& fallback = {}) const {
    const QStringList v = extra.value(option);
    return v.isEmpty() ? fallback : v.first();
  }
};

// A command's own option and how many values follow it (0 for a flag).
struct ExtraOption {
  QString name;
  int values = 1;
};

// Parses the options; on error returns std::nullopt with a German message.
std::optional<GameOptions> parseGameOptions(const QStringList& args, QString* error,
                                            const QList<ExtraOption>& extraOptions = {});

}  // namespace cli
