// The order editor on the template of a generated faction of 2,500 own
// units (1,000 regions): the built-in check of the whole template, and the
// colouring of one block after a keystroke in "Zugvorlage". Prints ms per call.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>

#include "db/database.h"
#include "game/textutil.h"
#include "orders/orderscheck.h"
#include "orders/ordersknowledge.h"
#include "turn/opengame.h"
#include "turn/programfolder.h"
#include "turn/reportimporter.h"
#include "ui/ordershighlighter.h"

namespace {

struct Faction {
  QTemporaryDir dir;
  Database db;
  OpenGame game;
  ordersknowledge::GameKnowledge known;
  QString error;

  Faction() {
    const QString report = dir.filePath(QStringLiteral("big.cr"));
    QProcess tool;
    tool.setStandardOutputFile(report);
    tool.start(QStringLiteral("python3"), {QStringLiteral(ZENDRAL_SHARED_DIR "/tools/make-big-report"),
                                           QStringLiteral("--regions"), QStringLiteral("1000"), QStringLiteral("--units"),
                                           QStringLiteral("2500"), QStringLiteral("--factions"), QStringLiteral("1")});
    if (!tool.waitForFinished(120000) || tool.exitCode() != 0) {
      error = QStringLiteral("make-big-report failed");
      return;
    }
    const QString folder = dir.filePath(QStringLiteral("game"));
    programfolder::initProgramFolder(folder);
    db.open(textutil::joinPath(folder, Database::fileName()));
    game.db = &db;
    game.session.programPath = textutil::normalizeDirectory(folder);
    game.session.gameTypeText = QStringLiteral("Molvanth");
    const ImportOutcome outcome = importReport(game, report, {});
    if (!outcome.ok()) {
      error = outcome.message;
      return;
    }
    known = ordersknowledge::read(db, game.session);
  }
};

Faction& faction() {
  static Faction f;
  return f;
}

void BM_CheckTemplateOf2500Units(benchmark::State& state) {
  Faction& f = faction();
  if (!f.error.isEmpty()) {
    state.SkipWithError(f.error.toStdString().c_str());
    return;
  }
  int problems = 0;
  for (auto _ : state) problems = int(orderscheck::check(f.game.orders.lines(), f.known.check).size());
  state.counters["lines"] = f.game.orders.lineCount();
  state.counters["problems"] = problems;
}

void BM_ReadKnowledge(benchmark::State& state) {
  Faction& f = faction();
  if (!f.error.isEmpty()) {
    state.SkipWithError(f.error.toStdString().c_str());
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(ordersknowledge::read(f.db, f.game.session).check.knownUnits.size());
}

void BM_HighlightAfterKeystroke(benchmark::State& state) {
  Faction& f = faction();
  if (!f.error.isEmpty()) {
    state.SkipWithError(f.error.toStdString().c_str());
    return;
  }
  QPlainTextEdit edit;
  edit.setPlainText(f.game.orders.text());
  OrdersHighlighter highlighter(edit.document());
  edit.show();
  QApplication::processEvents();
  // An order line in the middle of the template.
  QTextBlock block = edit.document()->findBlockByNumber(edit.document()->blockCount() / 2);
  while (block.isValid() && !block.text().trimmed().startsWith(QLatin1String("EINHEIT"))) block = block.next();
  QTextCursor cursor(block);
  cursor.movePosition(QTextCursor::EndOfBlock);
  bool insert = true;
  for (auto _ : state) {
    // One key typed or taken back: the document colours the changed block again.
    if (insert)
      cursor.insertText(QStringLiteral("x"));
    else
      cursor.deletePreviousChar();
    insert = !insert;
  }
  state.counters["blocks"] = edit.document()->blockCount();
}

}  // namespace

BENCHMARK(BM_CheckTemplateOf2500Units)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadKnowledge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HighlightAfterKeystroke)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
