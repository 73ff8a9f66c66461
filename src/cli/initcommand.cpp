#include "game/configfile.h"
#include "turn/programfolder.h"
#include "cli/clicommands.h"

namespace cli {

int runInit(const QStringList& args) {
  if (args.size() != 1) {
    printError(QStringLiteral("Aufruf: zendral-cli init VERZEICHNIS"));
    return 2;
  }
  try {
    for (const QString& line : programfolder::initProgramFolder(args.first())) printOut(line);
  } catch (const ConfigError& e) {
    printError(e.message());
    return 1;
  }
  return 0;
}

}  // namespace cli
