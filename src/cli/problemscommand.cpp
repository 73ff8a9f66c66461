// problems: the built-in check of the slot's order template or of a file.
#include "cli/cligame.h"
#include "cli/clicommands.h"
#include "cli/clioptions.h"
#include "game/textutil.h"
#include "orders/orderscheck.h"
#include "orders/ordersknowledge.h"

namespace cli {

namespace {

constexpr const char* kUsage = "problems [--dir VERZ] [--slot N] [DATEI]";

int printProblems(const GameOptions& o, CliGame& cli) {
  QStringList lines = cli.game.orders.lines();
  if (!o.positional.isEmpty()) {
    const auto read = textutil::readLines(o.positional.first());
    if (!read) {
      printError(QStringLiteral("Die Datei %1 konnte nicht gelesen werden.").arg(o.positional.first()));
      return 2;
    }
    lines = *read;
  } else if (cli.game.status.datum.isEmpty()) {
    printError(QStringLiteral("Spiel %1 hat noch keinen CR gelesen: es gibt keine Zugvorlage.").arg(cli.game.session.slot));
    return 2;
  }
  const ordersknowledge::GameKnowledge known = ordersknowledge::read(cli.db, cli.game.session);
  const QList<orderscheck::Problem> problems = orderscheck::check(lines, known.check);
  QString out;
  for (const orderscheck::Problem& p : problems) out += orderscheck::problemLine(p) + QLatin1Char('\n');
  if (!out.isEmpty()) printOut(out);
  return orderscheck::hasError(problems) ? 1 : 0;
}

}  // namespace

int runProblems(const QStringList& args) {
  QString error;
  const auto parsed = parseGameOptions(args, &error);
  if (!parsed) {
    printError(error);
    return 2;
  }
  // The file is optional: zero or one positional argument.
  const int positional = parsed->positional.size() <= 1 ? int(parsed->positional.size()) : 1;
  return withGame(args, positional, kUsage, [](const GameOptions& o, CliGame& cli) { return printProblems(o, cli); });
}

}  // namespace cli
