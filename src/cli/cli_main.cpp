// zendral-cli: the program's work without windows, on the same library.
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHash>
#include <cstring>
#include <memory>

#include "cli/clicommands.h"

int main(int argc, char** argv) {
  // The zoomed world map writes region names and needs fonts; the chart of
  // the points is drawn by Qt Charts, which needs the widgets' application.
  // The tool stays without a display all the same.
  const bool chart = argc > 1 && std::strcmp(argv[1], "points") == 0;
  const bool fonts = chart || (argc > 1 && std::strcmp(argv[1], "map") == 0);
  if (fonts && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  std::unique_ptr<QCoreApplication> app;
  if (chart)
    app = std::make_unique<QApplication>(argc, argv);
  else if (fonts)
    app = std::make_unique<QGuiApplication>(argc, argv);
  else
    app = std::make_unique<QCoreApplication>(argc, argv);
  QStringList args = app->arguments();
  args.removeFirst();
  if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h") ||
      args.first() == QLatin1String("help")) {
    cli::printOut(cli::usage());
    return args.isEmpty() ? 2 : 0;
  }
  const QString command = args.takeFirst();
  // One line per command; each runs the same library code as its window.
  static const QHash<QString, int (*)(const QStringList&)> commands = {
      {QStringLiteral("init"), cli::runInit},
      {QStringLiteral("import"), cli::runImport},
      {QStringLiteral("status"), cli::runStatus},
      {QStringLiteral("template"), cli::runTemplate},
      {QStringLiteral("map"), cli::runMap},
      {QStringLiteral("smallmap"), cli::runSmallMap},
      {QStringLiteral("pick"), cli::runPick},
      {QStringLiteral("check"), cli::runCheck},
      {QStringLiteral("groups"), cli::runGroups},
      {QStringLiteral("set-group"), cli::runSetGroup},
      {QStringLiteral("army"), cli::runArmy},
      {QStringLiteral("ships"), cli::runShips},
      {QStringLiteral("map-export"), cli::runMapExport},
      {QStringLiteral("map-import"), cli::runMapImport},
      {QStringLiteral("add-region"), cli::runAddRegion},
      {QStringLiteral("cleanup"), cli::runCleanup},
      {QStringLiteral("region"), cli::runRegion}, {QStringLiteral("unit"), cli::runUnit}, {QStringLiteral("orders"), cli::runOrders},
      {QStringLiteral("tiles"), cli::runTiles},
      {QStringLiteral("restore"), cli::runRestore},
      {QStringLiteral("send"), cli::runSend},
      {QStringLiteral("problems"), cli::runProblems},
      {QStringLiteral("find"), cli::runFind},
      {QStringLiteral("points"), cli::runPoints},
  };
  if (const auto run = commands.value(command)) return run(args);
  cli::printError(QStringLiteral("Unbekannter Befehl „%1“.\n\n").arg(command) + cli::usage());
  return 2;
}
