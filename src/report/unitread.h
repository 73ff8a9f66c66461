#pragma once
// One read of an EINHEIT block: the unit row being written, the cached field
// positions of the unit table, and the steps the block is read in. The steps
// share one UnitRead so that each line is looked at once and every field is
// addressed by its position.
#include <QLatin1StringView>
#include <QString>
#include <QVariant>
#include <concepts>

#include "report/importstate.h"
#include "report/reportblock.h"

class Table;

// Positions (0-based) of the unit table's fields the reader writes.
struct UnitFields {
  int spiel = -1, position = -1, nr = -1, name = -1, beschreibung = -1, personen = -1, stationiert = -1;
  int parteiNr = -1, status = -1, rasse = -1, infoDatum = -1, silber = -1, maentel = -1;
  int defaultBefehl = -1, zauber = -1, kommtAus = -1, flags = -1, einreisedatum = -1, hitpoints = -1;
  int unbekannteTalente = -1, unbekannteGegenstaende = -1;
  int bogenschiessen = -1, armbrustschiessen = -1, strassenbau = -1;
  // The item block (Silber and the item fields) and the skill block, as
  // 0-based half-open ranges of positions.
  int itemBegin = 0, itemEnd = 0, skillBegin = 0, skillEnd = 0;
};

// The positions for this table's field list, computed once per field list.
const UnitFields& unitFields(const Table& einheiten);

struct UnitRead {
  UnitRead(ImportState& state, Table& table, const ReportBlock& block)
      : state(state), table(table), f(unitFields(table)), block(block) {}

  ImportState& state;
  Table& table;
  const UnitFields& f;
  const ReportBlock& block;  // the EINHEIT block in keyed form

  qint32 number = 0;      // unit number from the EINHEIT line
  QString numberText;     // the same in the identifier notation
  bool own = false;       // Partei Nr is the own faction (known after the header)
  QString auraText;       // ";Aura" / ";Auramax"
  QString capacityText;   // ";Ladung" / ";Kapazitaet"
  int orderCount = 0;     // order lines added to the template for this unit

  QString text(int field) const { return table.text(field); }
  qint64 integer(int field) const { return table.intValue(field); }
  void set(int field, QVariant value) { table.setValue(field, std::move(value)); }
  template <typename Int>
    requires std::same_as<Int, int>
  void set(int field, Int value) {
    table.setValue(field, value);
  }
  void append(int field, const QString& more) { set(field, text(field) + more); }

  // The report line at `index`, made the current one so that an error names it.
  const QString& lineAt(int index) {
    state.currentLine = index;
    return state.lineAt(index);
  }

  // Partei Name of the unit's faction row (slot, Partei Nr), looked up once.
  bool partyKnown();
  const QString& partyName();
  // "Name (id)" for a known faction, else "unbekannt (id)".
  QString partyLabel();

 private:
  void lookupParty();
  bool partyLooked_ = false;
  bool partyFound_ = false;
  QString partyName_;
};

// The steps of a unit read. Each takes its part of the block by name,
// wherever the report puts it; a part the block lacks is passed over.
void readUnitHeader(UnitRead& u);     // the block's own value lines
void addOwnCounters(UnitRead& u);     // units, persons and silver of the own faction
void reportImmigration(UnitRead& u);  // foreign units arriving on land
void readOrders(UnitRead& u);         // COMMANDS
void readSkills(UnitRead& u);         // TALENTE
void readSpells(UnitRead& u);         // SPRUECHE
void readItems(UnitRead& u);          // GEGENSTAENDE and the possessions tree
void addTemplateHeader(UnitRead& u);  // the unit's line above its orders
void readLetters(UnitRead& u);        // EINHEITSBOTSCHAFTEN
void addRegionSilver(UnitRead& u);    // own silver into the region's statistics row

// Combat status text for a ";Kampfstatus" value. `newScale` is the scale of
// Molvanth reports from format 57 on; values without a text keep `current`.
QString combatStatusText(qint64 value, bool newScale, const QString& current);
