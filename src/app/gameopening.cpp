#include "app/gameopening.h"

#include <QFileInfo>
#include <QtGlobal>
#include <cmath>

#include "app/textutil.h"
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

void readSlotSettings(GameSession& session, const ConfigFile& config) {
  const int slot = session.slot;
  // Read everything first, so a bad line leaves the session as it was.
  GameSession next = session;
  next.ownPartyName = config.slotLine(slot, ConfigFile::PartyName);
  next.ownPartyNumber = config.slotInt(slot, ConfigFile::PartyNumber);
  next.roundCode = config.slotInt(slot, ConfigFile::NewestRound);
  next.programPath = textutil::normalizeDirectory(config.slotLine(slot, ConfigFile::ProgramPath));
  next.mapOriginX = config.slotInt(slot, ConfigFile::OriginX);
  next.mapOriginY = config.slotInt(slot, ConfigFile::OriginY);
  next.smallMapX = config.slotInt(slot, ConfigFile::HomeX);
  next.smallMapY = config.slotInt(slot, ConfigFile::HomeY);
  next.idBase = config.slotInt(slot, ConfigFile::IdBase);
  next.umlautFlag = config.slotInt(slot, ConfigFile::Umlaute);
  next.checkerPath = config.slotLine(slot, ConfigFile::CheckerPath);
  session = next;
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

QString originText(double value) {
  // Whole numbers as plain integers: the file is read back strictly, and
  // the default real formatting would switch to an exponent for large values.
  if (value == std::floor(value) && qAbs(value) < 1e15) return QString::number(qint64(value));
  return QString::number(value, 'f', 6);
}

void saveAktuelleOptionen(const GameSession& session) {
  ConfigFile config = ConfigFile::load(session.path(ConfigFile::fileName()));
  applyAktuelleOptionen(config, session);
  config.save();
}

void applyAktuelleOptionen(ConfigFile& config, const GameSession& session) {
  const int slot = session.slot;
  config.setSlotLine(slot, ConfigFile::SlotName, session.slotName);
  config.setSlotLine(slot, ConfigFile::GameTypeText, session.gameTypeText);
  config.setSlotLine(slot, ConfigFile::PartyName, session.ownPartyName);
  config.setSlotLine(slot, ConfigFile::PartyNumber, QString::number(session.ownPartyNumber));
  // An older report read later never lowers the newest round.
  if (config.slotInt(slot, ConfigFile::NewestRound) < session.roundCode)
    config.setSlotLine(slot, ConfigFile::NewestRound, QString::number(session.roundCode));
  // The origin describes the main level only.
  if (session.currentLevel == 0) {
    config.setSlotLine(slot, ConfigFile::OriginX, originText(session.mapOriginX));
    config.setSlotLine(slot, ConfigFile::OriginY, originText(session.mapOriginY));
  }
  config.setSlotLine(slot, ConfigFile::IdBase, QString::number(session.idBase));
  config.setSlotLine(slot, ConfigFile::Umlaute, QString::number(session.umlautFlag));
}

}  // namespace gameopening
