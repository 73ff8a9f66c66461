// The report import as the player runs it in the main window ("&CR einlesen"
// with progress window, pages and template editor) against the same import
// without windows, on the same report. The report is $ZENDRAL_BENCH_REPORT,
// else a generated one of 10,000 regions and 30,000 units.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "../headlessgame.h"
#include "turn/programfolder.h"
#include "game/textutil.h"
#include "turn/reportimporter.h"
#include "ui/programwindows.h"

namespace {

QTemporaryDir& workDir() {
  static QTemporaryDir dir;
  return dir;
}

QString report() {
  static QString path = [] {
    const QString given = qEnvironmentVariable("ZENDRAL_BENCH_REPORT");
    if (!given.isEmpty()) return given;
    const QString made = workDir().filePath(QStringLiteral("big.cr"));
    QProcess tool;
    tool.setStandardOutputFile(made);
    tool.start(QStringLiteral("python3"), {QStringLiteral(ZENDRAL_SHARED_DIR "/tools/make-big-report"),
                                           QStringLiteral("--regions"), QStringLiteral("10000"),
                                           QStringLiteral("--units"), QStringLiteral("30000")});
    if (!tool.waitForFinished(120000) || tool.exitCode() != 0) return QString();
    return made;
  }();
  return path;
}

QString freshFolder() {
  static int run = 0;
  const QString folder = workDir().filePath(QStringLiteral("run-%1").arg(run++));
  programfolder::initProgramFolder(folder);
  return folder;
}

Prompts silentPrompts() {
  Prompts p;
  p.confirm = p.warnYesNo = [](const QString&) { return true; };
  p.inform = p.error = [](const QString&) {};
  return p;
}

void BM_WindowImport(benchmark::State& state) {
  if (report().isEmpty()) return state.SkipWithError("no report");
  for (auto _ : state) {
    const QString folder = freshFolder();
    bool ok = false;
    {
      ProgramWindows windows(folder);
      windows.form1.setPrompts(silentPrompts());
      windows.form1.setReportChooser([] { return report(); });
      windows.show();
      windows.form1.spielinitialisierung(1, QStringLiteral("Bench"), QStringLiteral("Molvanth"));
      QApplication::processEvents();
      QElapsedTimer clock;
      clock.start();
      windows.form1.Neu1Click();
      QApplication::processEvents();  // the window as the player gets it back
      state.SetIterationTime(clock.nsecsElapsed() / 1e9);
      ok = windows.form1.isEnabled() && !windows.game.orders.lines().isEmpty();
    }
    QDir(folder).removeRecursively();
    if (!ok) return state.SkipWithError("the window did not read the report");
  }
}

void BM_HeadlessImport(benchmark::State& state) {
  if (report().isEmpty()) return state.SkipWithError("no report");
  for (auto _ : state) {
    const QString folder = freshFolder();
    ImportOutcome outcome;
    {
      Database db;
      OpenGame game;
      openHeadlessGame(game, db, folder);
      QElapsedTimer clock;
      clock.start();
      outcome = importReport(game, report(), {});
      state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
    QDir(folder).removeRecursively();
    if (!outcome.ok()) return state.SkipWithError(outcome.message.toStdString().c_str());
  }
}

BENCHMARK(BM_HeadlessImport)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(5)->UseManualTime();
BENCHMARK(BM_WindowImport)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(5)->UseManualTime();

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
