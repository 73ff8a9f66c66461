#pragma once
// The commands of the headless tool. Each returns the process exit code;
// output goes to standard output, German error messages to standard error.
#include <QImage>
#include <QStringList>

namespace cli {

int runInit(const QStringList& args);
int runImport(const QStringList& args);
int runStatus(const QStringList& args);
int runTemplate(const QStringList& args);
int runMap(const QStringList& args);
int runSmallMap(const QStringList& args);
int runPick(const QStringList& args);
int runCheck(const QStringList& args);
int runGroups(const QStringList& args);
int runSetGroup(const QStringList& args);
int runArmy(const QStringList& args);
int runShips(const QStringList& args);
int runMapExport(const QStringList& args);
int runMapImport(const QStringList& args);
int runAddRegion(const QStringList& args);
int runCleanup(const QStringList& args);
int runRegion(const QStringList& args);
int runUnit(const QStringList& args);
int runOrders(const QStringList& args);
int runTiles(const QStringList& args);
int runRestore(const QStringList& args);
int runSend(const QStringList& args);
int runProblems(const QStringList& args);
int runFind(const QStringList& args);
int runPoints(const QStringList& args);

void printOut(const QString& text);
// Writes a PNG through the safe write and says so; false with the message printed.
bool saveImage(const QImage& image, const QString& path);
void printError(const QString& text);
QString usage();

}  // namespace cli
