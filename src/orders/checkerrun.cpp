#include "orders/checkerrun.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include "game/filetransaction.h"
#include "game/gamesession.h"
#include "game/textutil.h"
#include "orders/templatefile.h"

#ifdef Q_OS_UNIX
#include <signal.h>
#include <unistd.h>
#endif

namespace checker {

namespace {

// A relative checker path is meant from the program folder, as the checker
// runs there; a bare name is looked up there first, then on the PATH.
QString resolveProgram(const QString& program, const QString& workingDirectory) {
  const QFileInfo info(program);
  if (info.isAbsolute()) return program;
  const QString inFolder = QDir(workingDirectory).absoluteFilePath(program);
  if (QFileInfo::exists(inFolder) || program.contains(QLatin1Char('/'))) return inFolder;
  const QString onPath = QStandardPaths::findExecutable(program);
  return onPath.isEmpty() ? inFolder : onPath;
}

QString writeWhole(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  const QString error = safefile::writeBytes(path, bytes);
  if (error.isEmpty()) return error;
  return QStringLiteral("Die Ausgabe des Zug Checkers wurde nicht gespeichert. ") + error;
}

// The last lines the checker wrote to its error output, for the message.
QString errorTail(const QByteArray& bytes) {
  const QStringList lines = textutil::splitLines(textutil::decodeAuto(bytes).trimmed());
  return lines.mid(qMax(0, int(lines.size()) - 5)).join(QLatin1Char('\n'));
}

}  // namespace

QStringList splitSetting(const QString& setting, const QString& workingDirectory) {
  if (setting.trimmed().isEmpty()) return {setting};
  if (QFileInfo(resolveProgram(setting, workingDirectory)).isFile()) return {setting};
  const QStringList parts = QProcess::splitCommand(setting);
  return parts.isEmpty() ? QStringList{setting} : parts;
}

Command commandFor(const GameSession& game, const QString& datum) {
  Command c;
  const QStringList setting = splitSetting(game.checkerPath, game.programPath);
  c.program = setting.first();
  c.arguments = setting.mid(1);
  c.arguments << templatefile::fileName(game.slot, datum);
  c.workingDirectory = game.programPath;
  c.outputPath = game.statusPath(QStringLiteral("check.txt"));
  return c;
}

CheckerRun::CheckerRun(Command command, QObject* parent) : QObject(parent), command_(std::move(command)) {}

CheckerRun::~CheckerRun() {
  if (running_) endProcess();
}

void CheckerRun::start() {
  if (running_) return;
  running_ = true;
  timedOut_ = cancelled_ = false;
  stdout_.clear();
  stderr_.clear();
  outcome_ = Outcome();

  if (command_.program.trimmed().isEmpty()) {
    failed(QStringLiteral("Es ist kein Zug Checker eingetragen. Bitte den Pfad des Checkers in den Optionen angeben."));
    return;
  }
  resolvedProgram_ = resolveProgram(command_.program, command_.workingDirectory);
  const QFileInfo info(resolvedProgram_);
  if (!info.exists()) {
    failed(QStringLiteral("Der Zug Checker „%1“ wurde nicht gefunden.").arg(command_.program));
    return;
  }
  if (!info.isFile() || !info.isExecutable()) {
    failed(QStringLiteral("Der Zug Checker „%1“ ist kein ausführbares Programm.").arg(command_.program));
    return;
  }

  process_ = new QProcess(this);
  process_->setProgram(resolvedProgram_);
  process_->setArguments(command_.arguments);
  process_->setWorkingDirectory(command_.workingDirectory);
  process_->setStandardInputFile(QProcess::nullDevice());
#ifdef Q_OS_UNIX
  // Its own process group, so that ending it also ends what it started.
  process_->setChildProcessModifier([] { ::setpgid(0, 0); });
#endif
  connect(process_, &QProcess::readyReadStandardOutput, this, [this] { stdout_ += process_->readAllStandardOutput(); });
  connect(process_, &QProcess::readyReadStandardError, this, [this] { stderr_ += process_->readAllStandardError(); });
  connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart && running_)
      failed(QStringLiteral("Der Zug Checker „%1“ konnte nicht gestartet werden: %2")
                 .arg(command_.program, process_->errorString()));
  });
  connect(process_, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
    processFinished(exitCode, status == QProcess::CrashExit);
  });

  limit_ = new QTimer(this);
  limit_->setSingleShot(true);
  connect(limit_, &QTimer::timeout, this, [this] {
    timedOut_ = true;
    endProcess();
  });
  limit_->start(timeLimitMs_);
  process_->start();
}

void CheckerRun::cancel() {
  if (!running_) return;
  cancelled_ = true;
  if (process_ && process_->state() != QProcess::NotRunning) {
    endProcess();
  }
}

void CheckerRun::endProcess() {
  if (!process_ || process_->state() == QProcess::NotRunning) return;
#ifdef Q_OS_UNIX
  const qint64 pid = process_->processId();
  if (pid > 0) ::kill(-pid_t(pid), SIGKILL);
#endif
  process_->kill();
}

void CheckerRun::processFinished(int exitCode, bool crashed) {
  if (!running_) return;
  outcome_.ran = true;
  stdout_ += process_->readAllStandardOutput();
  stderr_ += process_->readAllStandardError();
  const QString seconds = QString::number(timeLimitMs_ / 1000.0, 'g', 3);
  if (timedOut_) {
    outcome_.message = QStringLiteral("Der Zug Checker „%1“ lief länger als %2 Sekunden und wurde beendet.")
                           .arg(command_.program, seconds);
  } else if (cancelled_) {
    outcome_.message = QStringLiteral("Der Zug Checker „%1“ wurde abgebrochen.").arg(command_.program);
    outcome_.cancelled = true;
  } else if (crashed) {
    outcome_.message = QStringLiteral("Der Zug Checker „%1“ ist abgestürzt.").arg(command_.program);
  } else if (exitCode != 0) {
    outcome_.message =
        QStringLiteral("Der Zug Checker „%1“ endete mit dem Fehlercode %2.").arg(command_.program).arg(exitCode);
    const QString tail = errorTail(stderr_);
    if (!tail.isEmpty()) outcome_.message += QLatin1Char('\n') + tail;
  }
  finish();
}

void CheckerRun::failed(const QString& message) {
  outcome_.message = message;
  // finished() always comes after start() has returned.
  QTimer::singleShot(0, this, [this] { finish(); });
}

void CheckerRun::finish() {
  if (!running_) return;
  running_ = false;
  if (limit_) limit_->stop();
  const QString writeError = writeWhole(command_.outputPath, stdout_);
  if (!writeError.isEmpty())
    outcome_.message = outcome_.message.isEmpty() ? writeError : outcome_.message + QLatin1Char('\n') + writeError;
  outcome_.output = textutil::decodeAuto(stdout_);
  outcome_.ok = outcome_.message.isEmpty();
  if (process_) {
    process_->disconnect(this);
    process_->deleteLater();
    process_ = nullptr;
  }
  emit finished();
}

Outcome runAndWait(const Command& command, int timeLimitMs) {
  CheckerRun run(command);
  run.setTimeLimit(timeLimitMs);
  QEventLoop loop;
  QObject::connect(&run, &CheckerRun::finished, &loop, &QEventLoop::quit);
  run.start();
  if (run.running()) loop.exec();
  return run.outcome();
}

}  // namespace checker
