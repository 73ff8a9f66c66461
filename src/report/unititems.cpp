#include "report/reportlines.h"
#include "report/unitread.h"

namespace {

using reportlines::contains;

using L = QLatin1StringView;

// The item field named by the key, or -1 when the table has none.
int itemField(UnitRead& u, const QString& key) {
  if (!u.state.itemFieldIndex.contains(u.state.itemFieldNames, key)) return -1;
  const int i = u.table.fieldIndex(key);
  return (i >= u.f.itemBegin && i < u.f.itemEnd) ? i : -1;
}

bool isCoinSilver(const QString& line) {
  return contains(line, L(";Silber")) && !contains(line, L(";Silberbeutel")) && !contains(line, L(";Silbertruhe")) &&
         !contains(line, L(";Silberkassette"));
}

// Stores one item line; returns the name it is listed under in the tree.
QString storeItem(UnitRead& u, const QString& line, qint32 amount) {
  const UnitFields& f = u.f;
  const QString key = line.mid(line.indexOf(QLatin1Char(';')) + 1);
  if (contains(line, L("Mantel der Unv"))) {
    u.set(f.maentel, amount);
    return QStringLiteral("Mantel der Unverletzbarkeit");
  }
  if (isCoinSilver(line)) {
    u.set(f.silber, amount);
    if (u.own && u.text(f.rasse) != QStringLiteral("Untote")) u.state.sums.silver += amount;
    return QStringLiteral("Silber");
  }
  const int field = itemField(u, key);
  if (field >= 0) {
    u.set(field, amount);
    return key;
  }
  QStringList& events = u.state.pages.ereignisse;
  if (u.text(f.unbekannteGegenstaende).isEmpty()) {
    u.set(f.unbekannteGegenstaende, QStringLiteral("*"));
    events << QString();
  }
  u.append(f.unbekannteGegenstaende, key + QLatin1Char(' ') + QString::number(amount) + QLatin1Char('*'));
  events << QStringLiteral("Achtung!")
         << QStringLiteral("Gegenstand ") + key + QStringLiteral(" wurde nicht in Einheiten Tabelle gefunden!");
  return key;
}

}  // namespace

void readItems(UnitRead& u) {
  const BlockPart* part = u.block.sub(L("GEGENSTAENDE"));
  if (!part) return;
  int partyNode = -1;
  for (int i = part->headerIndex + 1; i < part->endIndex; ++i) {
    const QString& line = u.lineAt(i);
    const qint32 amount = u.state.number(line);
    const QString treeName = storeItem(u, line, amount);
    if (partyNode < 0) partyNode = u.state.tree.findOrAddTopLevel(u.partyLabel());
    u.state.tree.addToChild(partyNode, treeName, amount);
  }
  // The unit's persons count once, and only for a unit that carries something.
  if (partyNode >= 0) u.state.tree.addToChild(partyNode, QStringLiteral("Personen"), u.integer(u.f.personen));
}
