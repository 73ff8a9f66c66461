#include "game/slotsettings.h"

#include <QtGlobal>
#include <cmath>

#include "game/textutil.h"

namespace gameopening {

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
