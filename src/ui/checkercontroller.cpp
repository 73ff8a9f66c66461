#include "ui/checkercontroller.h"

#include <QProgressDialog>

#include "turn/opengame.h"
#include "ui/prompts.h"
#include "ui/templatepage.h"
#include "ui/tform8.h"

CheckerController::CheckerController(QWidget* window, OpenGame& game, TemplatePage* templatePage,
                                     const Prompts* prompts)
    : QObject(window), window_(window), game_(game), templatePage_(templatePage), prompts_(prompts) {}

CheckerController::~CheckerController() = default;

void CheckerController::setOutputWindow(TForm8* form8) { form8_ = form8; }

void CheckerController::ToolButton5Click() {
  if (running()) {
    progress_->raise();
    return;
  }
  // The checker reads the saved file, so a failed save ends the check here
  // (the save has reported why).
  if (!templatePage_->Speichern1Click()) {
    if (game_.status.datum.isEmpty() && prompts_->error)
      prompts_->error(QStringLiteral("Es gibt noch keine Zugvorlage, die geprüft werden könnte."));
    return;
  }

  const checker::Command command = checker::commandFor(game_.session, game_.status.datum);
  outputPath_ = command.outputPath;
  run_ = std::make_unique<checker::CheckerRun>(command);
  run_->setTimeLimit(timeLimitMs_);
  connect(run_.get(), &checker::CheckerRun::finished, this, &CheckerController::finished);

  if (!progress_) {
    progress_ = new QProgressDialog(QStringLiteral("Der Zug Checker prüft die Zugvorlage …"),
                                    QStringLiteral("Abbrechen"), 0, 0, window_);
    progress_->setObjectName(QStringLiteral("CheckerProgress"));
    progress_->setWindowTitle(QStringLiteral("Zug Checker"));
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setMinimumDuration(0);
    progress_->setAutoReset(false);
    progress_->setAutoClose(false);
  }
  disconnect(progress_, &QProgressDialog::canceled, nullptr, nullptr);
  connect(progress_, &QProgressDialog::canceled, run_.get(), &checker::CheckerRun::cancel);
  progress_->reset();
  progress_->show();
  // Busy, not wait: "Abbrechen" stays clickable.
  busy_.set();
  run_->start();
}

void CheckerController::finished() {
  busy_.restore();
  disconnect(progress_, &QProgressDialog::canceled, nullptr, nullptr);
  progress_->hide();
  const checker::Outcome outcome = run_->outcome();
  run_.release()->deleteLater();  // finished() is still on its way out of the run
  // What the checker wrote is shown also when it failed; a checker that
  // never ran leaves its message alone, with no empty window over it.
  if (form8_ && outcome.ran) form8_->showFile(outputPath_);
  if (!outcome.ok && !outcome.cancelled && prompts_->error) prompts_->error(outcome.message);
  emit checked();
}

void CheckerController::Taschenrechner1Click() {
  const QString error = calculator::Taschenrechner(findCalculator_);
  if (!error.isEmpty() && prompts_->error) prompts_->error(error);
}
