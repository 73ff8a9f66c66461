// points: the chart of "Punkte Statistik" as a PNG.
#include "charts/pointschart.h"
#include "cli/cligame.h"
#include "cli/clicommands.h"
#include "cli/clioptions.h"

namespace cli {

namespace {

// The chart's size in the window's tab on a common screen.
const QSize kChartSize(900, 500);

int drawPoints(const GameOptions& o, CliGame& cli) {
  if (!o.has(QStringLiteral("--out"))) {
    printError(QStringLiteral("points braucht --out DATEI.png."));
    return 2;
  }
  if (cli.game.points.rowCount() < 2 || cli.game.points.cell(1, PointsGrid::Datum).isEmpty()) {
    printError(QStringLiteral("Spiel %1 hat noch keine Punkte Statistik: es wurde noch kein CR gelesen.")
                   .arg(cli.game.session.slot));
    return 1;
  }
  return saveImage(pointschart::render(cli.game.points, kChartSize), o.value(QStringLiteral("--out"))) ? 0 : 1;
}

}  // namespace

int runPoints(const QStringList& args) {
  return withGame(args, 0, "points [--dir VERZ] [--slot N] --out DATEI.png", drawPoints,
                  {{QStringLiteral("--out"), 1}});
}

}  // namespace cli
