#include "views/commandeditor.h"

#include "game/gamesession.h"
#include "game/textutil.h"
#include "game/codec.h"
#include "orders/ordertemplate.h"
#include "views/regionview.h"
#include "views/viewtables.h"

namespace commandeditor {

namespace {

bool isHeader(const QString& line, const QString& key) {
  return QStringView(line).trimmed().startsWith(key);
}

// One past the unit's last line, for its header at `header`: up to the next
// part of the template, without the empty lines before it.
int unitEnd(const QStringList& lines, int header) {
  int next = header + 1;
  while (next < lines.size() && !startsSection(lines.at(next))) ++next;
  while (next > header + 1 && lines.at(next - 1).trimmed().isEmpty()) --next;
  return next;
}

int findHeader(const QStringList& lines, const QString& key) {
  for (int i = 0; i < lines.size(); ++i)
    if (isHeader(lines.at(i), key)) return i;
  return -1;
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

void markListLines(QStringList& list, const QString& unitNr, bool marked,
                   const QVector<RegionView::ListEntry>* entries) {
  const QString tag = QLatin1Char('(') + codec::Encode(unitNr.toInt()) + QLatin1Char(')');
  const QString indentStar = QLatin1StringView(regionview::kIndentStar);
  const QString fourteen(14, QLatin1Char(' '));
  const RegionView::ListEntry unit{unitview::EntryKind::Unit, unitNr.toInt()};
  for (int i = 0; i < list.size(); ++i) {
    QString& line = list[i];
    // A foreign unit named "Wache (rs)" is not the own unit rs.
    if (entries && i < entries->size() && entries->at(i) != unit) continue;
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

bool startsSection(const QString& line) {
  const QStringView text = QStringView(line).trimmed();
  qsizetype end = 0;
  while (end < text.size() && !text.at(end).isSpace()) ++end;
  const QStringView word = text.left(end);
  for (const char* section : {"EINHEIT", "REGION", "NAECHSTER", "PARTEI"})
    if (word == QLatin1StringView(section)) return true;
  return false;
}

QStringList unitLines(const QStringList& templateLines, const QString& unitIdText) {
  const int header = findHeader(templateLines, headerKey(unitIdText));
  if (header < 0) return {};
  return templateLines.mid(header, unitEnd(templateLines, header) - header);
}

std::optional<QStringList> ordersOf(const QStringList& editorLines, const QString& unitIdText, QString* error) {
  QStringList out = editorLines;
  if (!out.isEmpty() && isHeader(out.first(), headerKey(unitIdText))) out.removeFirst();
  while (!out.isEmpty() && out.last().trimmed().isEmpty()) out.removeLast();
  for (int i = 0; i < out.size(); ++i) {
    if (!startsSection(out.at(i))) continue;
    if (error)
      *error = QStringLiteral("Die Befehle der Einheit %1 wurden nicht übernommen: die Zeile „%2“ beginnt mit %3 und "
                              "würde einen neuen Abschnitt der Zugvorlage anfangen. Bitte die Zeile ändern oder löschen.")
                   .arg(unitIdText, out.at(i).trimmed(), out.at(i).trimmed().section(QLatin1Char(' '), 0, 0));
    return std::nullopt;
  }
  return out;
}

int unitHeaderLine(const QStringList& templateLines, const QString& unitIdText) {
  return findHeader(templateLines, headerKey(unitIdText));
}

bool writeBack(OrderTemplate& orders, const QString& unitIdText, const QStringList& newOrders) {
  QStringList& lines = orders.lines();
  const int header = findHeader(lines, headerKey(unitIdText));
  if (header < 0) return false;
  const int end = unitEnd(lines, header);
  const QStringList before = lines.mid(header + 1, end - header - 1);
  if (before == newOrders) return true;
  lines.remove(header + 1, end - header - 1);
  for (int k = 0; k < newOrders.size(); ++k) lines.insert(header + 1 + k, newOrders.at(k));
  orders.setUnsaved(true);
  return true;
}

std::optional<QStringList> templateOrders(const QStringList& templateLines, const QString& unitIdText) {
  const int header = findHeader(templateLines, headerKey(unitIdText));
  if (header < 0) return std::nullopt;
  return templateLines.mid(header + 1, unitEnd(templateLines, header) - header - 1);
}

bool changedSinceOpened(const QStringList& templateLines, const QString& unitIdText, const QStringList& openedOrders) {
  const std::optional<QStringList> now = templateOrders(templateLines, unitIdText);
  return now && *now != openedOrders;
}

QString conflictQuestion(const QString& unitIdText) {
  return QStringLiteral("Die Befehle der Einheit %1 wurden in der Zugvorlage geändert, seit der Befehlseditor sie "
                        "geöffnet hat. Beim Ausführen gingen diese Änderungen verloren.\nDie Befehle aus der "
                        "Zugvorlage in den Editor übernehmen, die Zugvorlage mit dem Editor überschreiben oder "
                        "abbrechen?")
      .arg(unitIdText);
}

QStringList conflictAnswers() {
  return {QStringLiteral("Aus der Zugvorlage übernehmen"), QStringLiteral("Überschreiben"), QStringLiteral("Abbrechen")};
}

QString flagsWithMark(const QString& flags, const QString& mark) {
  if (!mark.isEmpty() && flags.isEmpty()) return mark;
  QString out = flags;
  removeFirst(out, QLatin1Char('x'));
  removeFirst(out, QLatin1Char('X'));
  return out + mark;
}

FlagResult setflags(ViewTables& tables, const GameSession& session, const QString& regionPosition,
                    const QString& unitIdText, Marks marks, QString& unflaggedUnits, QStringList& unitList,
                    const QVector<RegionView::ListEntry>* entries) {
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
      markListLines(unitList, decimal, true, entries);
    } else {
      result.flags = flags.isEmpty() ? flags : flagsWithMark(flags, mark);
      unflaggedUnits += decimal + QLatin1Char('*');
      markListLines(unitList, decimal, false, entries);
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
