// import, status and template: the game commands of the headless tool.
#include "cli/cligame.h"
#include "cli/clicommands.h"
#include "cli/clioptions.h"
#include "orders/templatefile.h"
#include "orders/templatepassword.h"
#include "turn/reportimporter.h"

namespace cli {

namespace {

int importInto(const GameOptions& o, CliGame& cli) {
  ImportCallbacks callbacks;
  callbacks.askYesNo = [&](const QString& question) {
    printOut(question);
    printOut(o.yes ? QStringLiteral("→ Ja (--ja)") : QStringLiteral("→ Nein (ohne --ja)"));
    return o.yes;
  };
  callbacks.askOlder = [&](const QString& question) {
    printOut(question);
    const bool older = o.has(QStringLiteral("--aelter"));
    printOut(older ? QStringLiteral("→ Ja (--aelter)") : QStringLiteral("→ Nein (ohne --aelter)"));
    return older;
  };
  callbacks.inform = [](const QString& message) { printOut(message); };
  const ImportOutcome outcome = importReport(cli.game, o.positional.first(), callbacks);
  if (!outcome.ok()) {
    printError(outcome.message);
    return 1;
  }
  const StatusFields& st = cli.game.status;
  printOut(QStringLiteral("Gelesen: %1 Regionen, %2 Einheiten, %3 Burgen, %4 Schiffe, %5 Parteien, %6 Meldungen.")
               .arg(outcome.regions)
               .arg(outcome.units)
               .arg(outcome.buildings)
               .arg(outcome.ships)
               .arg(outcome.factions)
               .arg(outcome.messages));
  printOut(QStringLiteral("Eigene Einheiten: %1, Personen: %2, Silber: %3. Datum: %4.")
               .arg(st.einheiten, st.personen, st.silber, st.datum));
  if (!outcome.keptTemplate.isEmpty()) printOut(outcome.keptTemplate);
  if (!outcome.message.isEmpty()) {
    printError(outcome.message);
    return 1;
  }
  return 0;
}


int printStatus(const OpenGame& game) {
  const GameSession& session = game.session;
  const StatusFields& st = game.status;
  QString out;
  out += QStringLiteral("Spiel %1 „%2“ (%3), Partei %4 (%5)\n")
             .arg(session.slot)
             .arg(session.slotName, session.gameTypeText.isEmpty() ? QStringLiteral("ohne Spieltyp") : session.gameTypeText,
                  session.ownPartyName, session.idText(session.ownPartyNumber));
  const QStringList labels = {QStringLiteral("Punkte :"),    QStringLiteral("Punkte mittel:"), QStringLiteral("Partei Name"),
                              QStringLiteral("Datum"),       QStringLiteral("Einheiten"),      QStringLiteral("Personen"),
                              QStringLiteral("Silber"),      QStringLiteral("Immigranten"),    QStringLiteral("max. Immigranten")};
  const QStringList values = st.configFields();
  for (int i = 0; i < labels.size(); ++i) out += QStringLiteral("%1 %2\n").arg(labels.at(i), -18).arg(values.value(i));
  out += QStringLiteral("%1 %2\n").arg(QStringLiteral("Gesamteinkommen :"), -18).arg(st.gesamteinkommen);
  if (session.isMolvanth()) out += QStringLiteral("%1 %2\n").arg(QStringLiteral("Ork Vermehrung"), -18).arg(st.orkVermehrung);
  out += QStringLiteral("Gesamtproduktion\n");
  for (const QString& line : st.gesamtproduktion) out += QStringLiteral("  ") + line + QLatin1Char('\n');
  out += QStringLiteral("Punkte Statistik\n");
  const PointsGrid& points = game.points;
  for (int row = 0; row < points.rowCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < PointsGrid::kColumns; ++column) cells << points.cell(row, column);
    out += QStringLiteral("  ") + cells.join(QStringLiteral(" | ")) + QLatin1Char('\n');
  }
  printOut(out);
  return 0;
}


}  // namespace

int runImport(const QStringList& args) {
  return withGame(
      args, 1, "import [--dir VERZ] [--slot N] [--typ Molvanth|Quarnel] [--name NAME] [--ja] [--aelter] CR-DATEI",
      [](const GameOptions& o, CliGame& cli) { return importInto(o, cli); }, {{QStringLiteral("--aelter"), 0}});
}

int runStatus(const QStringList& args) {
  return withGame(args, 0, "status [--dir VERZ] [--slot N]",
                  [](const GameOptions&, CliGame& cli) { return printStatus(cli.game); });
}

int runTemplate(const QStringList& args) {
  return withGame(args, 0, "template [--dir VERZ] [--slot N]", [](const GameOptions&, CliGame& cli) {
    const QString& datum = cli.game.status.datum;
    if (datum.isEmpty()) {
      printError(QStringLiteral("Spiel %1 hat noch keinen CR gelesen: es gibt keine Zugvorlage.").arg(cli.game.session.slot));
      return 1;
    }
    if (!templatepassword::hasPassword(cli.game.orders.lines())) printError(templatepassword::missingPasswordWarning());
    printOut(templatefile::filePath(cli.game.session, datum));
    printOut(cli.game.orders.lines().join(QLatin1Char('\n')));
    return 0;
  });
}

}  // namespace cli
