#include <QVarLengthArray>

#include "report/reportlines.h"
#include "report/unitread.h"

namespace {

// Text from the second character up to two characters before the first ";"
// (the hit points text without its quotes).
QString hitpointsText(const QString& line) {
  const qsizetype semicolon = line.indexOf(QLatin1Char(';'));
  if (semicolon < 2) return QString();
  return line.mid(1, semicolon - 2);
}

// Building or ship number as the game writes it: base 36 in Molvanth, the
// report's decimal text in Quarnel.
QString placeNumber(UnitRead& u, const QString& line) {
  if (u.state.game.isMolvanth()) return u.state.game.idText(u.state.number(line));
  return ImportState::numberText(line);
}

// The semicolons of a header line's keys part: every key searched for
// begins with one (or with the quote before it), so it can only occur at
// one of them. Asking there gives what a search through the whole text gives.
class KeyText {
 public:
  explicit KeyText(QStringView keys) : keys_(keys) {
    const char16_t* d = keys.utf16();
    for (qsizetype i = 0; i < keys.size(); ++i)
      if (d[i] == u';') semicolons_.append(i);
  }
  bool contains(QStringView key) const {
    const qsizetype lead = key.front() == u'"' ? 1 : 0;
    for (const qsizetype at : semicolons_)
      if (at >= lead && matchesAt(at - lead, key)) return true;
    return false;
  }

 private:
  bool matchesAt(qsizetype start, QStringView key) const {
    return start + key.size() <= keys_.size() && keys_.sliced(start, key.size()) == key;
  }
  QStringView keys_;
  QVarLengthArray<qsizetype, 4> semicolons_;
};

// The first rule that matches decides; later rules are not tried.
void applyHeaderLine(UnitRead& u, const QString& line) {
  const UnitFields& f = u.f;
  // Every key begins with ";" or with the quote before it, so none starts
  // before the first ";" less one.
  const qsizetype semicolon = line.indexOf(QLatin1Char(';'));
  if (semicolon < 0) return;
  const KeyText keys(QStringView(line).mid(semicolon > 0 ? semicolon - 1 : 0));
  const auto contains = [&keys](QStringView key) { return keys.contains(key); };
  if (contains(u"\";Typ")) {
    u.set(f.rasse, ImportState::textValue(line));
  } else if (contains(u"\";Beschr")) {
    u.set(f.beschreibung, ImportState::textValue(line));
  } else if (contains(u";Partei") && !contains(u";Parteitarnung")) {
    const qint32 party = u.state.number(line);
    u.set(f.parteiNr, party);
    const bool own = party == u.state.game.ownPartyNumber;
    u.set(f.status, own ? QStringLiteral("kämpft vorne") : QStringLiteral("unbekannt"));
    u.set(f.hitpoints, own ? QStringLiteral("normal") : QStringLiteral("unbekannt"));
  } else if (contains(u";Anzahl")) {
    u.set(f.personen, u.state.number(line));
  } else if (contains(u";hp")) {
    u.set(f.hitpoints, hitpointsText(line));
  } else if (contains(u";Silber")) {
    u.set(f.silber, u.state.number(line));
  } else if (contains(u";Burg")) {
    u.set(f.stationiert, QStringLiteral("B ") + placeNumber(u, line));
  } else if (contains(u";Schiff")) {
    u.set(f.stationiert, QStringLiteral("S ") + placeNumber(u, line));
  } else if (contains(u";Kampfstatus")) {
    const bool newScale = u.state.game.isMolvanth() && u.state.header.version >= 57;
    u.set(f.status, combatStatusText(u.state.number(line), newScale, u.text(f.status)));
  } else if (contains(u";bewacht")) {
    u.append(f.flags, QStringLiteral("B"));
  } else if (contains(u";Parteitarnung")) {
    u.append(f.flags, QStringLiteral("T"));
  } else if (contains(u";Ladung")) {
    u.capacityText = ImportState::numberText(line);
  } else if (contains(u";Kapazitaet")) {
    u.capacityText = QStringLiteral("Kapazitaet: ") + u.capacityText + QLatin1Char('/') + ImportState::numberText(line);
  } else if (contains(u";Auramax")) {
    u.auraText = QStringLiteral("Aura: ") + u.auraText + QLatin1Char('/') + ImportState::numberText(line);
  } else if (contains(u";Aura")) {
    u.auraText = ImportState::numberText(line);
  }
}

}  // namespace

QString combatStatusText(qint64 value, bool newScale, const QString& current) {
  if (newScale) {
    switch (value) {
      case 0: return QStringLiteral("kämpft aggressiv");
      case 1: return QStringLiteral("kämpft vorne");
      case 2: return QStringLiteral("kämpft hinten");
      case 3: return QStringLiteral("kämpft defensiv");
      case 4: return QStringLiteral("kämpft nicht");
      case 5: return QStringLiteral("flieht");
      default: return current;
    }
  }
  switch (value) {
    case 1: return QStringLiteral("kämpft hinten");
    case 2: return QStringLiteral("kämpft nicht");
    case 3: return QStringLiteral("flieht");
    default: return current;
  }
}

void readUnitHeader(UnitRead& u) {
  // The name line right after the header is no header line.
  const int nameLine = u.block.own.headerIndex + 1;
  for (const BlockEntry& e : u.block.own.entries)
    if (e.index != nameLine) applyHeaderLine(u, u.lineAt(e.index));
}
