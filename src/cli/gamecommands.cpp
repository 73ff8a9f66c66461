// import, status and template: the game commands of the headless tool.
#include "cli/clicommands.h"
#include "cli/clioptions.h"

namespace cli {

namespace {
int notYet(const char* command) {
  printError(QStringLiteral("Der Befehl „%1“ ist in dieser Version noch nicht eingebaut.").arg(QLatin1String(command)));
  return 3;
}
}  // namespace

int runImport(const QStringList&) { return notYet("import"); }
int runStatus(const QStringList&) { return notYet("status"); }
int runTemplate(const QStringList&) { return notYet("template"); }

}  // namespace cli
