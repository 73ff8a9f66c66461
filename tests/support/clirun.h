#pragma once
// The headless tool as a player's script runs it: a separate process, its
// exit code and both outputs. Only the core tests know where the tool is.
#include <QProcess>
#include <QString>
#include <QStringList>

namespace testsupport {

struct CliRun {
  int code = -1;
  QString out;
  QString err;
};

inline CliRun cli(const QStringList& args, int timeoutMs = 120000) {
  QProcess p;
  p.start(QStringLiteral(ZENDRAL_CLI), args);
  p.waitForFinished(timeoutMs);
  return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

}  // namespace testsupport
