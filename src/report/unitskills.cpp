#include "report/reportlines.h"
#include "report/unitread.h"

namespace {

using L = QLatin1StringView;

// The field for a skill key: the key's own field, or for the three keys
// spelled with "ß" the field spelled with "ss"; -1 when the table has none.
int skillField(UnitRead& u, const QString& key) {
  if (u.state.skillFieldIndex.contains(u.state.skillFieldNames, key)) {
    const int i = u.table.fieldIndex(key);
    if (i >= u.f.skillBegin && i < u.f.skillEnd) return i;
    return -1;
  }
  if (key == QStringLiteral("Bogenschießen")) return u.f.bogenschiessen;
  if (key == QStringLiteral("Armbrustschießen")) return u.f.armbrustschiessen;
  if (key == QStringLiteral("Straßenbau")) return u.f.strassenbau;
  return -1;
}

void storeSkill(UnitRead& u, const QString& line) {
  const qsizetype semicolon = line.indexOf(QLatin1Char(';'));
  const QString value = semicolon < 0 ? QString() : line.left(semicolon);
  const QString key = line.mid(semicolon + 1);
  const int field = skillField(u, key);
  if (field >= 0) {
    u.set(field, value);
    return;
  }
  const UnitFields& f = u.f;
  QStringList& events = u.state.pages.ereignisse;
  if (u.text(f.unbekannteTalente).isEmpty()) {
    u.set(f.unbekannteTalente, QStringLiteral("*"));
    events << QString();
  }
  u.append(f.unbekannteTalente, key + QLatin1Char(' ') + value + QLatin1Char('*'));
  events << QStringLiteral("Achtung!") << QStringLiteral("Talent ") + key + QStringLiteral(" wurde nicht Einheiten Tabelle gefunden!!");
}

}  // namespace

void readSkills(UnitRead& u) {
  const UnitFields& f = u.f;
  if (u.own) {
    for (int i = f.skillBegin; i < f.skillEnd; ++i) u.set(i, QString());
    u.set(f.unbekannteTalente, QString());
  }
  // Skills are kept for the own units only.
  const BlockPart* skills = u.block.sub(L("TALENTE"));
  if (!skills || !u.own) return;
  for (int i = skills->headerIndex + 1; i < skills->endIndex; ++i) storeSkill(u, u.lineAt(i));
}

void readSpells(UnitRead& u) {
  const BlockPart* part = u.block.sub(L("SPRUECHE"));
  if (!part) return;
  const UnitFields& f = u.f;
  QString spells = u.text(f.zauber);
  if (spells.isEmpty()) spells = QStringLiteral("*");
  for (int i = part->headerIndex + 1; i < part->endIndex; ++i) {
    spells += u.lineAt(i);
    spells += QLatin1Char('*');
  }
  u.set(f.zauber, spells);
}
