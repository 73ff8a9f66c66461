// check, groups, set-group, army and ships: the order checker and the
// group, army and ship reports of the headless tool.
#include <QFileInfo>

#include "cli/cligame.h"
#include "cli/clicommands.h"
#include "cli/clioptions.h"
#include "db/dberror.h"
#include "military/armyreport.h"
#include "military/groupings.h"
#include "military/shipregister.h"
#include "orders/templatepassword.h"
#include "orders/checkerrun.h"
#include "orders/templatefile.h"

namespace cli {

namespace {

QString gridText(const QStringList& header, const QList<reportgrid::Row>& rows) {
  const int columns = int(header.size());
  QString out = header.join(QStringLiteral(" | ")) + QLatin1Char('\n');
  for (const reportgrid::Row& row : rows) out += row.cells(columns).join(QStringLiteral(" | ")) + QLatin1Char('\n');
  return out;
}

QString currentRound(const CliGame& cli) { return QString::number(cli.game.session.roundCode); }

// The tab starts without a chosen party; the command needs one.
bool partyChosen(const QString& party) {
  if (!party.isEmpty()) return true;
  printError(QStringLiteral("Es ist keine Partei gewählt: --partei NR (oder -2 für alle Parteien) angeben."));
  return false;
}

int check(CliGame& cli) {
  const GameSession& session = cli.game.session;
  const QString& datum = cli.game.status.datum;
  if (datum.isEmpty()) {
    printError(QStringLiteral("Spiel %1 hat noch keinen CR gelesen: es gibt keine Zugvorlage.").arg(session.slot));
    return 1;
  }
  const QString templatePath = templatefile::filePath(session, datum);
  if (!QFileInfo::exists(templatePath)) {
    printError(QStringLiteral("Die Zugvorlage %1 fehlt.").arg(templatePath));
    return 1;
  }
  if (!templatepassword::hasPassword(cli.game.orders.lines())) printError(templatepassword::missingPasswordWarning());
  const checker::Command command = checker::commandFor(session, datum);
  const checker::Outcome outcome = checker::runAndWait(command);
  printOut(outcome.output);
  if (!outcome.ok) {
    printError(outcome.message);
    return 1;
  }
  return 0;
}

int groups(const GameOptions& o, CliGame& cli) {
  groupings::Filter f;
  f.group = o.value(QStringLiteral("--gruppe"), f.group);
  f.partyNumber = o.value(QStringLiteral("--partei"));
  f.unitNumber = o.value(QStringLiteral("--einheit"));
  f.unitName = o.value(QStringLiteral("--name"));
  f.round = currentRound(cli);
  if (o.has(QStringLiteral("--datum"))) {
    const QStringList datum = o.extra.value(QStringLiteral("--datum"));
    f.comparison = datum.at(0);
    f.round = datum.at(1);
  }
  if (!groupings::groupChoices().contains(f.group)) {
    printError(QStringLiteral("Unbekannte Gruppe „%1“: erlaubt sind %2.")
                   .arg(f.group, groupings::groupChoices().join(QStringLiteral(", "))));
    return 2;
  }
  if (!partyChosen(f.partyNumber)) return 2;
  const groupings::Result r = groupings::Gruppierungen(*cli.game.db, cli.game.session, f);
  if (!r.ok()) {
    printError(r.error);
    return 1;
  }
  printOut(gridText(groupings::header(), r.rows) + QStringLiteral("Gefunden: %1").arg(r.rows.size()));
  return 0;
}

int setGroup(const GameOptions& o, CliGame& cli) {
  const QString position = o.positional.at(0);
  const QString number = o.positional.at(1);
  const QString group = o.positional.at(2);
  QStringList allowed;
  for (const groupings::MenuItem& item : groupings::menuItems()) allowed << item.caption;
  const qsizetype index = allowed.indexOf(group);
  if (index < 0) {
    printError(QStringLiteral("Unbekannte Gruppe „%1“: erlaubt sind %2.").arg(group, allowed.join(QStringLiteral(", "))));
    return 2;
  }
  const QString stored = groupings::menuItems().at(index).stored;
  if (stored.isEmpty()) {
    printOut(QStringLiteral("„%1“ ändert keine Gruppe.").arg(group));
    return 0;
  }
  if (!groupings::isUnitNumber(cli.game.session, number)) {
    printError(QStringLiteral("„%1“ ist keine Einheitennummer dieses Spiels.").arg(number));
    return 2;
  }
  if (!groupings::groupchange(*cli.game.db, cli.game.session, position, number, stored)) {
    printError(QStringLiteral("In Spiel %1 gibt es keine Einheit %2 in %3.").arg(cli.game.session.slot).arg(number, position));
    return 1;
  }
  printOut(QStringLiteral("Einheit %1 in %2 gehört nun zur Gruppe „%3“.").arg(number, position, stored));
  return 0;
}

int army(const GameOptions& o, CliGame& cli) {
  const armyreport::Result r =
      armyreport::Truppenverwaltung(*cli.game.db, cli.game.session, o.value(QStringLiteral("--armee"), QStringLiteral("Alle")));
  printOut(gridText(armyreport::header(), r.rows) +
           QStringLiteral("Soldaten: %1\nWaffen: %2\nFernwaffen: %3").arg(r.soldiers).arg(r.weapons).arg(r.ranged));
  return 0;
}

int ships(const GameOptions& o, CliGame& cli) {
  shipregister::Filter f;
  f.partyNumber = o.value(QStringLiteral("--partei"));
  f.type = o.value(QStringLiteral("--typ"), f.type);
  f.round = o.value(QStringLiteral("--datum"), currentRound(cli));
  if (!partyChosen(f.partyNumber)) return 2;
  const shipregister::Result r = shipregister::listShips(*cli.game.db, cli.game.session, f);
  if (!r.ok()) {
    printError(r.error);
    return 1;
  }
  printOut(gridText(shipregister::header(), r.rows) + QStringLiteral("gefundene Schiffe: %1").arg(r.rows.size()));
  return 0;
}

}  // namespace

int runCheck(const QStringList& args) {
  return withGame(args, 0, "check [--dir VERZ] [--slot N]",
                  [](const GameOptions&, CliGame& cli) { return check(cli); });
}

int runGroups(const QStringList& args) {
  return withGame(
      args, 0,
      "groups [--dir VERZ] [--slot N] [--gruppe G] [--partei NR|-2] [--einheit NR] [--name TEXT] [--datum OP R]",
      [](const GameOptions& o, CliGame& cli) { return groups(o, cli); },
      {{QStringLiteral("--gruppe"), 1}, {QStringLiteral("--partei"), 1}, {QStringLiteral("--einheit"), 1},
       {QStringLiteral("--name"), 1}, {QStringLiteral("--datum"), 2}});
}

int runSetGroup(const QStringList& args) {
  return withGame(args, 3, "set-group [--dir VERZ] [--slot N] POSITION NR GRUPPE",
                  [](const GameOptions& o, CliGame& cli) { return setGroup(o, cli); });
}

int runArmy(const QStringList& args) {
  return withGame(
      args, 0, "army [--dir VERZ] [--slot N] [--armee TEXT]",
      [](const GameOptions& o, CliGame& cli) { return army(o, cli); },
      {{QStringLiteral("--armee"), 1}});
}

int runShips(const QStringList& args) {
  return withGame(
      args, 0, "ships [--dir VERZ] [--slot N] [--partei NR|-2] [--typ T] [--datum R]",
      [](const GameOptions& o, CliGame& cli) { return ships(o, cli); },
      {{QStringLiteral("--partei"), 1}, {QStringLiteral("--typ"), 1}, {QStringLiteral("--datum"), 1}});
}

}  // namespace cli
