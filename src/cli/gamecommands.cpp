// import, status and template: the game commands of the headless tool.
#include "cli/cligame.h"
#include "cli/clicommands.h"
#include "cli/clioptions.h"
#include "report/reportimporter.h"

namespace cli {

namespace {
int notYet(const char* command) {
  printError(QStringLiteral("Der Befehl „%1“ ist in dieser Version noch nicht eingebaut.").arg(QLatin1String(command)));
  return 3;
}

std::optional<GameOptions> options(const QStringList& args, int positional, const char* usage) {
  QString error;
  auto o = parseGameOptions(args, &error);
  if (!o) {
    printError(error);
    return std::nullopt;
  }
  if (o->positional.size() != positional) {
    printError(QStringLiteral("Aufruf: zendral-cli %1").arg(QLatin1String(usage)));
    return std::nullopt;
  }
  return o;
}
}  // namespace

int runImport(const QStringList& args) {
  const auto o = options(args, 1, "import [--dir VERZ] [--slot N] [--typ Molvanth|Quarnel] [--name NAME] [--ja] CR-DATEI");
  if (!o) return 2;
  QString error;
  auto cli = openGame(*o, &error);
  if (!cli) {
    printError(error);
    return 1;
  }
  ImportCallbacks callbacks;
  callbacks.askYesNo = [&](const QString& question) {
    printOut(question);
    printOut(o->yes ? QStringLiteral("→ Ja (--ja)") : QStringLiteral("→ Nein (ohne --ja)"));
    return o->yes;
  };
  callbacks.inform = [](const QString& message) { printOut(message); };
  const ImportOutcome outcome = importReport(cli->game, o->positional.first(), callbacks);
  if (!outcome.ok()) {
    printError(outcome.message);
    return 1;
  }
  const StatusFields& st = cli->game.status;
  printOut(QStringLiteral("Gelesen: %1 Regionen, %2 Einheiten, %3 Burgen, %4 Schiffe, %5 Parteien, %6 Meldungen.")
               .arg(outcome.regions)
               .arg(outcome.units)
               .arg(outcome.buildings)
               .arg(outcome.ships)
               .arg(outcome.factions)
               .arg(outcome.messages));
  printOut(QStringLiteral("Eigene Einheiten: %1, Personen: %2, Silber: %3. Datum: %4.")
               .arg(st.einheiten, st.personen, st.silber, st.datum));
  if (!outcome.message.isEmpty()) {
    printError(outcome.message);
    return 1;
  }
  return 0;
}

int runStatus(const QStringList&) { return notYet("status"); }
int runTemplate(const QStringList&) { return notYet("template"); }

}  // namespace cli
