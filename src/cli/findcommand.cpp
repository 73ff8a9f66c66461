// find: the hits of "Suchen…", one a line.
#include "cli/cligame.h"
#include "cli/clicommands.h"
#include "cli/clioptions.h"
#include "views/mapsearch.h"

namespace cli {

namespace {

constexpr const char* kUsage = "find [--dir VERZ] [--slot N] TEXT";

int printHits(const GameOptions& o, CliGame& cli) {
  // "find 3 4" and "find '3 4'" look for the same place.
  const QString text = o.positional.join(QLatin1Char(' '));
  const QList<mapsearch::Hit> hits = mapsearch::find(cli.db, cli.game.session, text);
  if (hits.isEmpty()) {
    printError(QStringLiteral("Nichts gefunden zu „%1“.").arg(text.trimmed()));
    return 1;
  }
  QString out;
  for (const mapsearch::Hit& hit : hits) out += mapsearch::lineOf(hit, cli.game.session) + QLatin1Char('\n');
  printOut(out);
  return 0;
}

}  // namespace

int runFind(const QStringList& args) {
  QString error;
  const auto parsed = parseGameOptions(args, &error);
  if (!parsed) {
    printError(error);
    return 2;
  }
  // The text may come as one argument or as several words.
  const int positional = parsed->positional.isEmpty() ? 1 : int(parsed->positional.size());
  return withGame(args, positional, kUsage, [](const GameOptions& o, CliGame& cli) { return printHits(o, cli); });
}

}  // namespace cli
