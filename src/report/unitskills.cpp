#include "report/reportlines.h"
#include "report/unitread.h"

namespace {

using reportlines::contains;

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
  if (!contains(u.line(), L("TALENTE"))) return;
  u.advance();
  while (!u.atEnd()) {
    const QString& line = u.line();
    if (reportlines::endsSection(line,
                                 {L("GEGENSTAENDE"), L("SPRUECHE"), L("EINHEIT"), L("REGION"), L("MESSAGETYPE ")}))
      break;
    // Skills are kept for the own units only; for others the section is
    // passed over so that the items after it are still read.
    if (u.own) storeSkill(u, line);
    u.advance();
  }
}

void readSpells(UnitRead& u) {
  if (!contains(u.line(), L("SPRUECHE"))) return;
  const UnitFields& f = u.f;
  u.advance();
  QString spells = u.text(f.zauber);
  if (spells.isEmpty()) spells = QStringLiteral("*");
  while (!u.atEnd()) {
    const QString& line = u.line();
    if (reportlines::endsSection(line, {L("GEGENSTAENDE"), L("EINHEIT"), L("REGION"), L("MESSAGETYPE ")})) break;
    spells += line;
    spells += QLatin1Char('*');
    u.advance();
  }
  u.set(f.zauber, spells);
}
