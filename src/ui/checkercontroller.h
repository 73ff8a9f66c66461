#pragma once
// "Zug prüfen lassen" (ToolButton5, "&Zug Checker") and "&Taschenrechner":
// saves the template, runs the checker while a progress dialog with
// "Abbrechen" keeps the window alive, then shows check.txt in TForm8.
#include <QObject>
#include <QPointer>
#include <memory>

#include "orders/calculator.h"
#include "orders/checkerrun.h"
#include "ui/waitcursor.h"

class QProgressDialog;
class QWidget;
class TForm8;
class TemplatePage;
struct OpenGame;
struct Prompts;

class CheckerController : public QObject {
  Q_OBJECT
 public:
  CheckerController(QWidget* window, OpenGame& game, TemplatePage* templatePage, const Prompts* prompts);
  ~CheckerController() override;

  void setOutputWindow(TForm8* form8);
  // For tests: a shorter time limit, and the calculator lookup.
  void setTimeLimit(int ms) { timeLimitMs_ = ms; }
  void setCalculatorFinder(calculator::Finder finder) { findCalculator_ = std::move(finder); }

  void ToolButton5Click();
  void ZugChecker1Click() { ToolButton5Click(); }
  void Taschenrechner1Click();

  bool running() const { return run_ && run_->running(); }
  QProgressDialog* progress() const { return progress_; }

 signals:
  // The run has ended and its output is shown.
  void checked();

 private:
  void finished();

  QWidget* window_;
  OpenGame& game_;
  TemplatePage* templatePage_;
  const Prompts* prompts_;
  QPointer<TForm8> form8_;
  std::unique_ptr<checker::CheckerRun> run_;
  // Busy, not wait: "Abbrechen" stays clickable while the checker runs.
  WaitCursor busy_{WaitCursor::Start::Off, Qt::BusyCursor};
  QString outputPath_;
  QProgressDialog* progress_ = nullptr;
  int timeLimitMs_ = checker::kTimeLimitMs;
  calculator::Finder findCalculator_;
};
