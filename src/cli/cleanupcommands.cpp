// cleanup: the unit rows of a slot by age, and deleting one class of them.
#include "cli/cligame.h"
#include "cli/clicommands.h"
#include "cli/clioptions.h"
#include "db/cleanup.h"

namespace cli {

namespace {

int cleanUp(const GameOptions& o, CliGame& cli) {
  std::optional<cleanup::UnitClass> chosen;
  if (o.has(QStringLiteral("--delete"))) {
    const QString name = o.value(QStringLiteral("--delete"));
    chosen = cleanup::classByOptionName(name);
    if (!chosen) {
      printError(QStringLiteral("Unbekannte Klasse „%1“: erlaubt sind aktuell, eigene, 1-6, 6-24, 24-36 und 36+.").arg(name));
      return 2;
    }
    if (*chosen == cleanup::UnitClass::Current) {
      printError(QStringLiteral("Die Einheiten der aktuellen Runde können nicht gelöscht werden."));
      return 2;
    }
  }
  const cleanup::Result result = cleanup::run(cli.db, cleanup::Context::of(cli.game.session), chosen);
  QString out;
  for (int i = 0; i < cleanup::kClassCount; ++i) {
    const auto c = cleanup::UnitClass(i);
    out += QStringLiteral("%1 %2\n").arg(cleanup::caption(c) + QLatin1Char(':'), -32).arg(result.counter(c));
  }
  out += QStringLiteral("%1 %2\n").arg(QStringLiteral("Datensätze des Spiels:"), -32).arg(result.rows);
  out += QStringLiteral("%1 %2\n").arg(QStringLiteral("Summe:"), -32).arg(result.sum());
  if (chosen && result.ok()) out += QStringLiteral("Gelöscht: %1\n").arg(result.deleted);
  if (!result.listing.isEmpty()) out += QStringLiteral("\neigene, vernichtete Einheiten\n") + result.listing.join(QLatin1Char('\n'));
  printOut(out);
  if (!result.ok()) {
    printError(result.error);
    return 1;
  }
  return 0;
}

}  // namespace

int runCleanup(const QStringList& args) {
  return withGame(args, 0, "cleanup [--dir VERZ] [--slot N] [--delete KLASSE]", cleanUp, {{QStringLiteral("--delete"), 1}});
}

}  // namespace cli
