#include <QDir>

#include "game/configfile.h"
#include "turn/programfolder.h"
#include "cli/clicommands.h"

namespace cli {

int runTiles(const QStringList& args) {
  if (args.size() != 1) {
    printError(QStringLiteral("Aufruf: zendral-cli tiles VERZEICHNIS"));
    return 2;
  }
  if (!QDir().mkpath(args.first())) {
    printError(QStringLiteral("Der Ordner %1 konnte nicht angelegt werden.").arg(args.first()));
    return 1;
  }
  try {
    // Always drawn: these become the installed default tiles.
    printOut(QStringLiteral("%1 Kartenbilder geschrieben in %2")
                 .arg(programfolder::writeStandardTiles(args.first()))
                 .arg(args.first()));
  } catch (const ConfigError& e) {
    printError(e.message());
    return 1;
  }
  return 0;
}

}  // namespace cli
