// The order checker as a real child process: small shell scripts stand in
// for the checker.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "game/gamesession.h"
#include "orders/calculator.h"
#include "orders/checkerrun.h"

namespace {

struct CheckerRunTest : ::testing::Test {
  void SetUp() override {
    game.slot = 2;
    game.programPath = dir.path() + QLatin1Char('/');
    QDir().mkpath(game.statusPath(QString()));
    command = checker::commandFor(game, QStringLiteral("Nebeltage, Woche 1 im Jahre 5"));
    writeText(game.path(QStringLiteral("Zug-Spiel2-5-Nebeltage,.txt")), "PARTEI 1\n");
  }
  static void writeText(const QString& path, const QByteArray& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
  }
  // An executable script below the program folder.
  QString script(const QString& name, const QByteArray& body) {
    const QString path = game.path(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    writeText(path, "#!/bin/sh\n" + body);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
  }
  QString checkTxt() const {
    QFile f(command.outputPath);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QStringLiteral("<fehlt>");
  }

  QTemporaryDir dir;
  GameSession game;
  checker::Command command;
};

TEST_F(CheckerRunTest, CommandNamesTheTemplateFileAndRunsInTheProgramFolder) {
  game.checkerPath = QStringLiteral("/opt/tools/checker");
  const checker::Command c = checker::commandFor(game, QStringLiteral("Nebeltage, Woche 1 im Jahre 5"));
  EXPECT_EQ(c.program, QStringLiteral("/opt/tools/checker"));
  EXPECT_EQ(c.arguments, QStringList({QStringLiteral("Zug-Spiel2-5-Nebeltage,.txt")}));
  EXPECT_EQ(c.workingDirectory, game.programPath);
  EXPECT_EQ(c.outputPath, game.programPath + QStringLiteral("status-data/check.txt"));
}

TEST_F(CheckerRunTest, SlowCheckerLeavesTheEventLoopRunningAndItsOutputComesWhenItEnds) {
  command.program = script(QStringLiteral("mcheck"), "sleep 2\necho \"geprüft: $1\"\ncat \"$1\"\n");
  checker::CheckerRun run(command);
  int ticks = 0;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
  tick.start(100);
  QElapsedTimer clock;
  clock.start();
  bool done = false;
  QObject::connect(&run, &checker::CheckerRun::finished, [&] { done = true; });
  run.start();
  while (!done && clock.elapsed() < 20000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  const qint64 took = clock.elapsed();
  ASSERT_TRUE(done);
  EXPECT_TRUE(run.outcome().ok) << run.outcome().message.toStdString();
  EXPECT_GE(took, 1900);
  EXPECT_LT(took, 6000);  // the checker's end is noticed, not a fixed wait
  EXPECT_GE(ticks, 10);   // events ran while it worked
  const QString expected = QStringLiteral("geprüft: Zug-Spiel2-5-Nebeltage,.txt\nPARTEI 1\n");
  EXPECT_EQ(run.outcome().output, expected);
  EXPECT_EQ(checkTxt(), expected);

  // A second run replaces the first one's output.
  writeText(game.path(QStringLiteral("Zug-Spiel2-5-Nebeltage,.txt")), "PARTEI 2\n");
  command.program = script(QStringLiteral("mcheck"), "cat \"$1\"\n");
  EXPECT_EQ(checker::runAndWait(command).output, QStringLiteral("PARTEI 2\n"));
  EXPECT_EQ(checkTxt(), QStringLiteral("PARTEI 2\n"));
}

TEST_F(CheckerRunTest, CheckerThatNeverEndsIsStoppedAtTheTimeLimit) {
  command.program = script(QStringLiteral("mcheck"), "echo begonnen\nsleep 1000 &\nwait\n");
  QElapsedTimer clock;
  clock.start();
  const checker::Outcome out = checker::runAndWait(command, 500);
  EXPECT_LT(clock.elapsed(), 5000);
  EXPECT_FALSE(out.ok);
  EXPECT_TRUE(out.message.contains(QStringLiteral("länger als 0.5 Sekunden"))) << out.message.toStdString();
  EXPECT_TRUE(out.message.contains(command.program));
  EXPECT_EQ(checkTxt(), QStringLiteral("begonnen\n"));  // what it wrote so far
}

TEST_F(CheckerRunTest, PathWithBlankAndQuoteRunsTheProgramItNames) {
  // Were the path split at the blank, the decoy would run instead.
  script(QStringLiteral("Werk"), "echo falsch\n");
  command.program = script(QStringLiteral("Werk zeug's \"Prüfer\"/mcheck"), "echo richtig \"$1\"\n");
  const checker::Outcome out = checker::runAndWait(command);
  EXPECT_TRUE(out.ok) << out.message.toStdString();
  EXPECT_EQ(out.output, QStringLiteral("richtig Zug-Spiel2-5-Nebeltage,.txt\n"));
}

TEST_F(CheckerRunTest, FailuresNameThePathAndReplaceTheEarlierOutput) {
  struct Case {
    QString program;  // empty: no checker configured
    QByteArray body;  // script body, or none
    QString message;
    QString output;
  };
  const QList<Case> cases = {
      {QString(), {}, QStringLiteral("kein Zug Checker eingetragen"), QString()},
      {QStringLiteral("fehlt/mcheck"), {}, QStringLiteral("„fehlt/mcheck“ wurde nicht gefunden"), QString()},
      {QStringLiteral("status-data"), {}, QStringLiteral("„status-data“ ist kein ausführbares"), QString()},
      {QStringLiteral("bricht"), "echo teil\necho Fehler >&2\nexit 3\n",
       QStringLiteral("endete mit dem Fehlercode 3.\nFehler"), QStringLiteral("teil\n")},
  };
  for (const Case& c : cases) {
    writeText(command.outputPath, "alte Ausgabe\n");
    command.program = c.program;
    if (!c.body.isEmpty()) command.program = script(c.program, c.body);
    const checker::Outcome out = checker::runAndWait(command);
    EXPECT_FALSE(out.ok);
    EXPECT_TRUE(out.message.contains(c.message)) << out.message.toStdString();
    EXPECT_EQ(out.output, c.output);
    EXPECT_EQ(checkTxt(), c.output);
  }
}

TEST_F(CheckerRunTest, CancelEndsTheChecker) {
  command.program = script(QStringLiteral("mcheck"), "exec sleep 1000\n");
  checker::CheckerRun run(command);
  QEventLoop loop;
  QObject::connect(&run, &checker::CheckerRun::finished, &loop, &QEventLoop::quit);
  run.start();
  QTimer::singleShot(200, &run, &checker::CheckerRun::cancel);
  QElapsedTimer clock;
  clock.start();
  loop.exec();
  EXPECT_LT(clock.elapsed(), 5000);
  EXPECT_TRUE(run.outcome().cancelled);
  EXPECT_TRUE(run.outcome().message.contains(QStringLiteral("abgebrochen")));
}

TEST(Calculator, FirstInstalledCalculatorOrAMessage) {
  const auto only = [](const QString& wanted) {
    return [wanted](const QString& name) { return name == wanted ? QStringLiteral("/usr/bin/") + name : QString(); };
  };
  EXPECT_EQ(calculator::findCalculator(only(QStringLiteral("xcalc"))), QStringLiteral("/usr/bin/xcalc"));
  EXPECT_EQ(calculator::findCalculator([](const QString& n) { return QStringLiteral("/bin/") + n; }),
            QStringLiteral("/bin/gnome-calculator"));
  const QString none = calculator::Taschenrechner([](const QString&) { return QString(); });
  EXPECT_TRUE(none.contains(QStringLiteral("kein Taschenrechner installiert"))) << none.toStdString();
}

}  // namespace
