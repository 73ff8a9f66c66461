// Import speed on generated reports: the large one (10,000 regions, 30,000
// units) and one a tenth of its size. Prints seconds, lines/s and MB/s, and
// beside each import the floor of import-floor.py for the same report (the
// bare reading and row writing), run between the iterations of the same run.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

#include "turn/opengame.h"
#include "headlessgame.h"
#include "turn/programfolder.h"
#include "game/textutil.h"
#include "db/database.h"
#include "turn/reportimporter.h"

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

// Seconds the floor script prints for `report`; a negative value when it fails.
double floorSeconds(const QString& report) {
  QProcess tool;
  tool.start(QStringLiteral("python3"), {QStringLiteral(ZENDRAL_SHARED_DIR "/tools/import-floor.py"), report});
  if (!tool.waitForFinished(120000) || tool.exitCode() != 0) return -1.0;
  bool ok = false;
  const double seconds = QString::fromUtf8(tool.readAllStandardOutput()).trimmed().toDouble(&ok);
  return ok ? seconds : -1.0;
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
  std::vector<double> floors;
  for (auto _ : state) {
    state.PauseTiming();
    floors.push_back(floorSeconds(report));
    const QString folder = workDir().filePath(QStringLiteral("run-%1-%2").arg(regions).arg(run++));
    programfolder::initProgramFolder(folder);
    Database db;
    OpenGame game;
    openHeadlessGame(game, db, folder);
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
  // The floor's median; the import's time against it is the real time shown
  // divided by floor_s.
  std::sort(floors.begin(), floors.end());
  if (!floors.empty() && floors.front() > 0) state.counters["floor_s"] = floors[floors.size() / 2];
}

void BM_ImportLargeReport(benchmark::State& state) { importOnce(state, 10000, 30000); }
void BM_ImportTenthReport(benchmark::State& state) { importOnce(state, 1000, 3000); }

BENCHMARK(BM_ImportTenthReport)->Unit(benchmark::kSecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_ImportLargeReport)->Unit(benchmark::kSecond)->Iterations(3)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  // The zoomed map draws region names: fonts without a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
