// Import speed on generated reports: the large one (10,000 regions, 30,000
// units) and one a tenth of its size. Prints seconds, lines/s and MB/s.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "app/opengame.h"
#include "app/programfolder.h"
#include "app/textutil.h"
#include "db/database.h"
#include "report/reportimporter.h"

namespace {

QTemporaryDir& workDir() {
  static QTemporaryDir dir;
  return dir;
}

// Writes the generated report once per size and returns its path.
QString generatedReport(int regions, int units) {
  const QString path = workDir().filePath(QStringLiteral("big-%1-%2.cr").arg(regions).arg(units));
  if (QFileInfo::exists(path)) return path;
  QProcess tool;
  tool.setStandardOutputFile(path);
  tool.start(QStringLiteral("python3"), {QStringLiteral(ZENDRAL_SHARED_DIR "/tools/make-big-report"),
                                         QStringLiteral("--regions"), QString::number(regions),
                                         QStringLiteral("--units"), QString::number(units)});
  if (!tool.waitForFinished(120000) || tool.exitCode() != 0) return QString();
  return path;
}

void importOnce(benchmark::State& state, int regions, int units) {
  const QString report = generatedReport(regions, units);
  if (report.isEmpty()) {
    state.SkipWithError("make-big-report failed");
    return;
  }
  const double megabytes = double(QFileInfo(report).size()) / (1024.0 * 1024.0);
  int lines = 0;
  {
    QFile f(report);
    f.open(QIODevice::ReadOnly);
    lines = int(f.readAll().count('\n'));
  }
  int run = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const QString folder = workDir().filePath(QStringLiteral("run-%1-%2").arg(regions).arg(run++));
    programfolder::initProgramFolder(folder);
    Database db;
    db.open(textutil::joinPath(folder, Database::fileName()));
    OpenGame game;
    game.db = &db;
    game.session.programPath = textutil::normalizeDirectory(folder);
    game.session.gameTypeText = QStringLiteral("Molvanth");
    state.ResumeTiming();

    const ImportOutcome outcome = importReport(game, report, {});

    state.PauseTiming();
    if (!outcome.ok()) state.SkipWithError(outcome.message.toStdString().c_str());
    db.close();
    QDir(folder).removeRecursively();
    state.ResumeTiming();
  }
  state.counters["lines_per_s"] = benchmark::Counter(double(lines), benchmark::Counter::kIsIterationInvariantRate);
  state.counters["MB_per_s"] = benchmark::Counter(megabytes, benchmark::Counter::kIsIterationInvariantRate);
  state.counters["lines"] = lines;
}

void BM_ImportLargeReport(benchmark::State& state) { importOnce(state, 10000, 30000); }
void BM_ImportTenthReport(benchmark::State& state) { importOnce(state, 1000, 3000); }

BENCHMARK(BM_ImportTenthReport)->Unit(benchmark::kSecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_ImportLargeReport)->Unit(benchmark::kSecond)->Iterations(3)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
