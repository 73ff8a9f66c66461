#include "views/commandeditor.h"

#include "app/gamesession.h"
#include "app/textutil.h"
#include "db/codec.h"
#include "orders/ordertemplate.h"
#include "views/regionview.h"
#include "views/viewtables.h"

namespace commandeditor {

namespace {

bool endsUnit(const QString& line) {
  return line.contains(QLatin1String("EINHEIT")) || line.contains(QLatin1String("REGION")) || line.isEmpty();
}

// How many lines after `header` belong to the unit.
int ownLines(const QStringList& lines, int header) {
  int n = 0;
  for (int i = header + 1; i < lines.size() && !endsUnit(lines.at(i)); ++i) ++n;
  return n;
}

void removeFirst(QString& s, QChar c) {
  const qsizetype i = s.indexOf(c);
  if (i >= 0) s.remove(i, 1);
}

// Drops every entry `nr` of a star list; other entries that end in the same
// digits stay.
void removeEntry(QString& list, const QString& nr) {
  const QString entry = QLatin1Char('*') + nr + QLatin1Char('*');
  while (list.contains(entry)) list.replace(entry, QStringLiteral("*"));
}

void replaceFirst(QString& line, const QString& what, const QString& with) {
  const qsizetype i = line.indexOf(what);
  if (i >= 0) line.replace(i, what.size(), with);
}

void markListLines(QStringList& list, const QString& unitNr, bool marked) {
  const QString tag = QLatin1Char('(') + codec::Encode(unitNr.toInt()) + QLatin1Char(')');
  const QString indentStar = QLatin1StringView(regionview::kIndentStar);
  const QString fourteen(14, QLatin1Char(' '));
  for (QString& line : list) {
    if (!line.contains(tag)) continue;
    if (marked) {
      if (line.startsWith(QString(5, QLatin1Char(' '))))
        replaceFirst(line, fourteen, indentStar);
      else
        replaceFirst(line, QStringLiteral("   "), QStringLiteral(" * "));
    } else if (!line.startsWith(indentStar)) {
      replaceFirst(line, QStringLiteral(" * "), QStringLiteral("   "));
    } else {
      replaceFirst(line, indentStar, fourteen);
    }
  }
}

}  // namespace

void Marks::setMark(bool on) {
  if (mark == on) return;
  mark = on;
  setLongMark(false);
}

void Marks::setLongMark(bool on) {
  if (longMark == on) return;
  longMark = on;
  setMark(false);
}

Marks marksFromFlags(const QString& flags, Marks before) {
  Marks m = before;
  const bool x = flags.contains(QLatin1Char('x'));
  const bool bigX = flags.contains(QLatin1Char('X'));
  const bool v = flags.contains(QLatin1Char('V'));
  if (!(x && bigX && v)) {
    m.setMark(false);
    m.setLongMark(false);
  }
  if (x) m.setMark(true);
  if (bigX) m.setLongMark(true);
  if (v) m.setMark(true);
  return m;
}

bool isOwnParty(const QString& partyText, const GameSession& session) {
  return partyText == QString::number(session.ownPartyNumber) || partyText == codec::Encode(session.ownPartyNumber);
}

QString headerKey(const QString& unitIdText) { return QStringLiteral("EINHEIT ") + unitIdText + QLatin1Char(';'); }

QStringList unitLines(const QStringList& templateLines, const QString& unitIdText) {
  const QString key = headerKey(unitIdText);
  QStringList out;
  for (int i = 0; i < templateLines.size(); ++i) {
    if (!templateLines.at(i).contains(key)) continue;
    // A unit listed twice gets both of its blocks, one after the other.
    out << templateLines.at(i);
    int j = i + 1;
    for (; j < templateLines.size() && !endsUnit(templateLines.at(j)); ++j) out << templateLines.at(j);
    i = j - 1;
  }
  return out;
}

int unitHeaderLine(const QStringList& templateLines, const QString& unitIdText) {
  const QString key = headerKey(unitIdText);
  for (int i = 0; i < templateLines.size(); ++i)
    if (templateLines.at(i).contains(key)) return i;
  return -1;
}

int writeBack(OrderTemplate& orders, const QString& unitIdText, int editorLineCount, const QStringList& editorLines) {
  const QString key = headerKey(unitIdText);
  QStringList& lines = orders.lines();
  bool changed = false;
  for (int i = 0; i < lines.size(); ++i) {
    if (!lines.at(i).contains(key)) continue;
    const int remove = qMax(0, qMin(editorLineCount - 1, ownLines(lines, i)));
    for (int k = 0; k < remove; ++k) lines.removeAt(i + 1);
    editorLineCount = int(editorLines.size());
    for (int k = 1; k < editorLines.size(); ++k) lines.insert(i + k, editorLines.at(k));
    i += qMax(0, int(editorLines.size()) - 1);
    changed = true;
  }
  if (changed) orders.setUnsaved(true);
  return editorLineCount;
}

QString flagsWithMark(const QString& flags, const QString& mark) {
  if (!mark.isEmpty() && flags.isEmpty()) return mark;
  QString out = flags;
  removeFirst(out, QLatin1Char('x'));
  removeFirst(out, QLatin1Char('X'));
  return out + mark;
}

FlagResult setflags(ViewTables& tables, const GameSession& session, const QString& regionPosition,
                    const QString& unitIdText, Marks marks, QString& unflaggedUnits, QStringList& unitList) {
  QString mark;
  if (marks.mark) mark = QStringLiteral("x");
  if (marks.longMark) mark = QStringLiteral("X");
  FlagResult result;
  const std::optional<qint32> nr = session.isMolvanth() ? std::optional<qint32>(codec::Decode(unitIdText, session.idBase))
                                                        : textutil::strictInt(unitIdText);
  Table& units = tables.einheiten;
  units.setIndexFields(QStringLiteral("Spiel;Einheit Position;Einheit Nr"));
  units.open();
  if (nr && units.findKey({session.slot, regionPosition, *nr})) {
    result.unitFound = true;
    const QString decimal = QString::number(*nr);
    units.edit();
    const QString flags = units.text(QStringLiteral("Flags"));
    if (!mark.isEmpty()) {
      result.flags = flagsWithMark(flags, mark);
      removeEntry(unflaggedUnits, decimal);
      markListLines(unitList, decimal, true);
    } else {
      result.flags = flags.isEmpty() ? flags : flagsWithMark(flags, mark);
      unflaggedUnits += decimal + QLatin1Char('*');
      markListLines(unitList, decimal, false);
    }
    units.setValue(QStringLiteral("Flags"), result.flags.isEmpty() ? QVariant() : QVariant(result.flags));
    units.post();
  }
  units.close();
  const QStringList parts = regionPosition.split(QLatin1Char('/'));
  result.x = parts.value(0).toInt();
  result.y = parts.value(1).toInt();
  result.colour = unflaggedUnits == QLatin1String("*") ? kAllMarked : kSomeUnmarked;
  return result;
}

}  // namespace commandeditor
