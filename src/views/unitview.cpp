#include "views/unitview.h"

#include "game/gamesession.h"
#include "game/textutil.h"
#include "game/codec.h"
#include "report/reportpages.h"
#include "views/viewtables.h"

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

// Blanks and control characters off both ends.
QString trimControls(const QString& s) {
  qsizetype from = 0;
  qsizetype to = s.size();
  while (from < to && s.at(from).unicode() <= 0x20) ++from;
  while (to > from && s.at(to - 1).unicode() <= 0x20) --to;
  return s.mid(from, to - from);
}

QString between(const QString& text, QChar open, QChar close) {
  const qsizetype from = text.indexOf(open);
  if (from < 0) return QString();
  const qsizetype to = text.indexOf(close, from + 1);
  return to < 0 ? text.mid(from + 1) : text.mid(from + 1, to - from - 1);
}

// "Name [points per person] level" of a skill entry "points level". A unit
// without persons shows its points undivided.
QString skillLine(const QString& field, const QString& value, qint64 persons) {
  const qsizetype blank = value.indexOf(QLatin1Char(' '));
  bool ok = false;
  const qint64 points = blank > 0 ? value.left(blank).toLongLong(&ok) : 0;
  if (!ok) return field + QLatin1Char(' ') + value;
  const qint64 perPerson = persons == 0 ? points : points / persons;  // truncates toward zero
  return field + QStringLiteral(" [") + QString::number(perPerson) + QStringLiteral("] ") + value.mid(blank + 1);
}

void collectMessages(const ReportPages& pages, const QString& key, QStringList& out) {
  for (const QStringList* source : {&pages.botschaften, &pages.ereignisse, &pages.einkommen.lines(), &pages.handel,
                                    &pages.produktion, &pages.bewegungen})
    for (const QString& line : *source)
      if (line.contains(key)) out << line;
}

}  // namespace

namespace unitview {

EntryKind entryKind(const QString& entry) {
  const QString head = entry.left(5);
  if (head == QLatin1String("-Burg")) return EntryKind::Building;
  if (head == QLatin1String("-Schi")) return EntryKind::Ship;
  return EntryKind::Unit;
}

std::optional<qint32> entryNumber(const QString& entry, const GameSession& session, QString* error) {
  const QString trimmed = entry.trimmed();
  const EntryKind kind = entryKind(entry);
  const QString text = kind == EntryKind::Ship ? between(trimmed, u'[', u']') : between(trimmed, u'(', u')');
  if (kind == EntryKind::Unit) return codec::Decode(text);
  if (session.isMolvanth()) return codec::Decode(text, session.idBase);
  const std::optional<qint32> n = textutil::strictInt(text);
  if (!n && error) *error = QStringLiteral("„%1“ ist keine gültige ganze Zahl.").arg(text);
  return n;
}

QStringList splitStarList(const QString& text) {
  QStringList out;
  QString rest = text.mid(1);
  for (;;) {
    const qsizetype star = rest.indexOf(QLatin1Char('*'));
    if (star < 0) {
      out << rest;
      return out;
    }
    out << rest.left(star);
    rest = trimControls(rest.mid(star + 1));
    if (!rest.contains(QLatin1Char('*'))) {
      out << rest;
      return out;
    }
  }
}

DetailsLayout detailsLayout(bool messagesShown, bool descriptionShown) {
  if (messagesShown || descriptionShown) return {89, 376};
  return {69, 396};
}

QStringList describe(const UnitView& view) {
  QStringList out;
  out << QStringLiteral("Einheit: ") + view.name + QStringLiteral(" (") + codec::Encode(view.number) + QLatin1Char(')');
  out << QStringLiteral("Position: ") + view.position;
  out << QStringLiteral("Parteizugehörigkeit: ") + view.partyNumberText + QLatin1Char(' ') + view.partyName;
  out << QStringLiteral("getarnt?: ") +
             (view.disguiseEnabled ? (view.disguiseChecked.value_or(false) ? QStringLiteral("ja") : QStringLiteral("nein"))
                                   : QStringLiteral("(gesperrt)"));
  auto section = [&out](const QString& title, const QStringList& lines) {
    out << title;
    for (const QString& l : lines) out << QStringLiteral("  ") + l;
  };
  section(QStringLiteral("Gegenstände"), view.items);
  section(QStringLiteral("Talente"), view.skills);
  section(QStringLiteral("Meldungen"), view.messages);
  section(QStringLiteral("Beschreibung"), view.description.isEmpty() ? QStringList() : textutil::splitLines(view.description));
  return out;
}

}  // namespace unitview

UnitView showUnit(ViewTables& tables, const GameSession& session, const ReportPages& pages,
                  const QString& regionPosition, qint32 number) {
  UnitView view;
  Table& units = tables.einheiten;
  units.setIndexFields(QStringLiteral("Spiel;Einheit Position;Einheit Nr"));
  units.open();
  if (!units.findKey({session.slot, regionPosition, number})) {
    units.close();
    return view;
  }
  view.found = true;
  view.number = number;
  view.position = regionPosition;
  view.name = units.text(u("Einheit Name"));
  view.flags = units.text(u("Flags"));
  view.description = units.text(u("Einheit Beschreibung"));
  const qint32 party = qint32(units.intValue(u("Partei Nr")));
  view.partyNumberText = party == -1 ? QStringLiteral(" ---- ") : session.idText(party);

  collectMessages(pages, QLatin1Char('(') + session.idText(number) + QLatin1Char(')'), view.messages);

  if (party == session.ownPartyNumber) {
    view.disguiseEnabled = true;
    view.disguiseChecked = view.flags.contains(QLatin1Char('T'));
  }

  for (const QString& field : viewtables::itemFields(units)) {
    const QVariant v = units.value(field);
    if (!v.isNull() && !v.toString().isEmpty() && v.toLongLong() != 0) view.items << v.toString() + QLatin1Char(' ') + field;
  }
  const QString unknownItems = units.text(u("Unbekannte Gegenstaende"));
  if (!unknownItems.isEmpty()) view.items << unitview::splitStarList(unknownItems);

  const qint64 persons = units.intValue(u("Personen"));
  for (const QString& field : viewtables::skillFields(units)) {
    const QString v = units.text(field);
    if (!v.isEmpty()) view.skills << skillLine(field, v, persons);
  }
  const QString unknownSkills = units.text(u("Unbekannte Talente"));
  if (!unknownSkills.isEmpty()) view.skills << unitview::splitStarList(unknownSkills);
  const QString spells = units.text(u("Zauber"));
  if (!spells.isEmpty()) view.skills << QString() << QStringLiteral("Zauber :") << unitview::splitStarList(spells);
  units.close();

  Table& parties = tables.parteien;
  parties.setIndexFields(QStringLiteral("Spiel;Partei Nr"));
  parties.open();
  if (parties.findKey({session.slot, party})) view.partyName = parties.text(u("Partei Name"));
  parties.close();
  return view;
}

std::optional<QString> unitPosition(ViewTables& tables, const GameSession& session, qint32 number) {
  Table& units = tables.einheiten;
  units.setIndexFields(QStringLiteral("Spiel;Einheit Nr"));
  units.open();
  std::optional<QString> position;
  if (units.findKey({session.slot, number})) position = units.text(u("Einheit Position"));
  units.close();
  return position;
}

StructureView showStructure(ViewTables& tables, const GameSession& session, unitview::EntryKind kind, qint32 number) {
  const bool ship = kind == unitview::EntryKind::Ship;
  Table& table = ship ? tables.schiffe : tables.burgen;
  table.setIndexFields(ship ? QStringLiteral("Spiel;Schiffs Nr") : QStringLiteral("Spiel;Burg Nr"));
  table.open();
  StructureView view;
  view.number = number;
  view.found = table.findKey({session.slot, number});
  if (view.found) view.description = table.text(ship ? u("Schiffs Beschreibung") : u("Burg Beschreibung"));
  if (view.description.isEmpty()) view.description = QString::fromUtf8(unitview::kNoDescription);
  table.close();
  return view;
}
