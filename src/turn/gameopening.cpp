#include "turn/gameopening.h"

#include <QFileInfo>

#include "game/textutil.h"
#include "db/bde_tools.h"
#include "db/schema.h"
#include "db/table.h"

namespace gameopening {

StartConfig readStartConfig(const QString& directory) {
  const QString path = textutil::joinPath(directory, ConfigFile::fileName());
  try {
    return {ConfigFile::load(path), QString()};
  } catch (const ConfigError& e) {
    // Keep whatever lines there are, so the selection dialog shows the
    // slots the file has and a later read names the first missing line.
    const auto lines = textutil::readLines(path);
    return {ConfigFile(lines.value_or(QStringList()), path), e.message()};
  }
}

int upgradeTables(Database& db, const std::function<void(const QString&)>& inform) {
  int added = 0;
  for (const schema::Upgrade& upgrade : schema::fieldUpgrades()) {
    Table table(db, upgrade.table);
    table.openExclusive();
    if (!table.hasField(upgrade.field)) {
      if (inform) inform(upgrade.message);
      bde_tools::AddField(table, upgrade.field);
      ++added;
    }
    table.close();
  }
  return added;
}

int gameTypeFor(const QString& typeText) {
  return typeText == QStringLiteral("Molvanth") ? kMolvanth : kQuarnel;
}

void beginSlot(GameSession& session, int slot, const QString& slotName, const QString& typeText) {
  session.slot = slot;
  session.slotName = slotName;
  session.gameTypeText = typeText;
  session.gameType = gameTypeFor(typeText);
  session.currentLevel = 0;
}

QString programPathProblem(const QString& programPath) {
  if (programPath.trimmed().isEmpty()) return QStringLiteral("Für dieses Spiel ist kein Programmpfad eingetragen.");
  const QFileInfo folder(programPath);
  if (!folder.isDir())
    return QStringLiteral("Der Programmpfad %1 dieses Spiels existiert nicht (mehr).").arg(programPath);
  if (!QFileInfo::exists(textutil::joinPath(programPath, ConfigFile::fileName())))
    return QStringLiteral("Im Programmpfad %1 dieses Spiels liegt keine %2.").arg(programPath, ConfigFile::fileName());
  return QString();
}

bool isOtherFolder(const QString& programPath, const QString& folder) {
  const QString a = QFileInfo(programPath).canonicalFilePath();
  const QString b = QFileInfo(folder).canonicalFilePath();
  return !a.isEmpty() && !b.isEmpty() && a != b;
}

void adoptProgramPath(GameSession& session, ConfigFile& config, const QString& folder) {
  const QString path = textutil::normalizeDirectory(QFileInfo(folder).absoluteFilePath());
  config.setSlotLine(session.slot, ConfigFile::ProgramPath, path);
  config.save();
  session.programPath = path;
}

}  // namespace gameopening
