#pragma once
// The commands of the headless tool. Each returns the process exit code;
// output goes to standard output, German error messages to standard error.
#include <QStringList>

namespace cli {

int runInit(const QStringList& args);
int runImport(const QStringList& args);
int runStatus(const QStringList& args);
int runTemplate(const QStringList& args);
int runTiles(const QStringList& args);

void printOut(const QString& text);
void printError(const QString& text);
QString usage();

}  // namespace cli
