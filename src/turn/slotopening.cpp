#include "turn/slotopening.h"

#include "game/configfile.h"
#include "game/slotsettings.h"
#include "stats/pointsstatistics.h"
#include "turn/gameopening.h"

namespace slotopening {

Opening openSlot(OpenGame& game, const ConfigFile& config, int slot, const QString& slotName,
                 const QString& typeText, const Steps& steps) {
  Opening out;
  // Older tables get the fields this version writes.
  gameopening::upgradeTables(*game.db, steps.inform);
  gameopening::beginSlot(game.session, slot, slotName, typeText);
  if (steps.slotBegun) steps.slotBegun();

  gameopening::readSlotSettings(game.session, config);
  if (steps.settingsRead && !steps.settingsRead()) {
    out.stopped = true;
    return out;
  }

  zeigePunkteStatistik(*game.db, slot, game.session.ownPartyNumber, game.points);
  if (steps.pointsRead) steps.pointsRead();

  out.load = statusdata::loadStatusData(game);
  return out;
}

}  // namespace slotopening
