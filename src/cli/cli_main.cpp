// zendral-cli: the program's work without windows, on the same library.
#include <QCoreApplication>

#include "cli/clicommands.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QStringList args = app.arguments();
  args.removeFirst();
  if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h") ||
      args.first() == QLatin1String("help")) {
    cli::printOut(cli::usage());
    return args.isEmpty() ? 2 : 0;
  }
  const QString command = args.takeFirst();
  if (command == QLatin1String("init")) return cli::runInit(args);
  if (command == QLatin1String("import")) return cli::runImport(args);
  if (command == QLatin1String("status")) return cli::runStatus(args);
  if (command == QLatin1String("template")) return cli::runTemplate(args);
  cli::printError(QStringLiteral("Unbekannter Befehl „%1“.\n\n").arg(command) + cli::usage());
  return 2;
}
