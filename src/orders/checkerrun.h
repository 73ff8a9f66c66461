#pragma once
// Running the external order checker on the saved order template: the
// checker named in the options gets its own options and then the template's
// file name as arguments, runs in the program folder, and its standard
// output becomes "status-data/check.txt". No command interpreter is
// involved: a setting that names an existing file as a whole is that
// program (blanks and all), otherwise it is split like a command line with
// quotes respected ("/usr/local/bin/mcheck -w4").
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

class QProcess;
class QTimer;
struct GameSession;

namespace checker {

// A checker that runs longer than this is ended.
inline constexpr int kTimeLimitMs = 60000;

struct Command {
  QString program;           // the checker program of the options' setting
  QStringList arguments;     // its options, then the template file name, without folder
  QString workingDirectory;  // the program folder
  QString outputPath;        // program folder + "status-data/check.txt"
};

// The run for the turn whose date text is `datum` (as the template's file
// name is formed from it).
Command commandFor(const GameSession& game, const QString& datum);

// The checker setting as program and options, resolved from `workingDirectory`.
QStringList splitSetting(const QString& setting, const QString& workingDirectory);

struct Outcome {
  bool ok = false;
  QString message;   // German; empty when the checker ran and exited with 0
  QString output;    // the checker's output as check.txt now holds it
  bool cancelled = false;
  bool ran = false;  // the checker was started (its output is worth showing)
};

// One run of the checker. start() returns at once; finished() follows when
// the checker has ended, failed to start, hit the time limit or was
// cancelled. check.txt is then replaced whole by the output of this run
// (empty when nothing ran), never left partial or from an earlier run.
class CheckerRun : public QObject {
  Q_OBJECT
 public:
  explicit CheckerRun(Command command, QObject* parent = nullptr);
  ~CheckerRun() override;

  void setTimeLimit(int ms) { timeLimitMs_ = ms; }
  void start();
  void cancel();
  bool running() const { return running_; }
  const Outcome& outcome() const { return outcome_; }

 signals:
  void finished();

 private:
  void processFinished(int exitCode, bool crashed);
  void failed(const QString& message);
  void finish();
  void endProcess();

  Command command_;
  QString resolvedProgram_;
  int timeLimitMs_ = kTimeLimitMs;
  QProcess* process_ = nullptr;
  QTimer* limit_ = nullptr;
  QByteArray stdout_;
  QByteArray stderr_;
  Outcome outcome_;
  bool running_ = false;
  bool timedOut_ = false;
  bool cancelled_ = false;
};

// Runs the checker and waits in a local event loop (the headless tool).
Outcome runAndWait(const Command& command, int timeLimitMs = kTimeLimitMs);

}  // namespace checker
