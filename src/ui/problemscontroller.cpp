#include "ui/problemscontroller.h"

#include <QFile>
#include <QPlainTextEdit>

#include "db/dberror.h"
#include "game/textutil.h"
#include "orders/checkeroutput.h"
#include "orders/checkerrun.h"
#include "orders/ordersknowledge.h"
#include "turn/opengame.h"
#include "ui/checkercontroller.h"
#include "ui/mapcontroller.h"
#include "ui/orderscompleter.h"
#include "ui/problemspanel.h"
#include "ui/regioncontroller.h"
#include "ui/templatepage.h"

ProblemsController::ProblemsController(OpenGame& game, const Parts& parts, QObject* parent)
    : QObject(parent), game_(game), parts_(parts) {
  connect(parts_.panel, &ProblemsPanel::checkRequested, this, &ProblemsController::check);
  connect(parts_.panel, &ProblemsPanel::problemActivated, this, &ProblemsController::showProblem);
  if (parts_.checker) connect(parts_.checker, &CheckerController::checked, this, &ProblemsController::externalFinished);
}

void ProblemsController::refreshKnowledge() {
  known_ = {};
  known_.check = ordersknowledge::namesFromSchema(game_.session.gameType);
  if (game_.db) {
    try {
      known_ = ordersknowledge::read(*game_.db, game_.session);
    } catch (const DbError&) {
      // Without the tables the names of the schema still serve; unit ids go unchecked.
    }
  }
  parts_.orders->completion->setKnowledge(known_);
}

void ProblemsController::check() {
  parts_.orders->commitToModel();
  refreshKnowledge();
  parts_.panel->setProblems(orderscheck::check(game_.orders.lines(), known_.check));
  if (parts_.checker && !game_.session.checkerPath.trimmed().isEmpty() && !parts_.checker->running()) {
    waitingForChecker_ = true;
    parts_.checker->ToolButton5Click();
    // A save that failed started nothing.
    if (!parts_.checker->running()) waitingForChecker_ = false;
  }
  if (!waitingForChecker_) emit checked();
}

void ProblemsController::externalFinished() {
  if (!waitingForChecker_) return;
  waitingForChecker_ = false;
  const checker::Command command = checker::commandFor(game_.session, game_.status.datum);
  QFile file(command.outputPath);
  if (file.open(QIODevice::ReadOnly))
    parts_.panel->appendProblems(checkeroutput::place(textutil::decodeAuto(file.readAll()), game_.orders.lines()));
  emit checked();
}

void ProblemsController::showProblem(const orderscheck::Problem& problem) {
  if (problem.line <= 0) return;
  parts_.orders->showLine(problem.line - 1);
  parts_.orders->RichEdit4->setFocus();
  int x = problem.x, y = problem.y, z = problem.z;
  bool region = problem.hasRegion;
  if (!region) region = checkeroutput::regionOfLine(game_.orders.lines(), problem.line, &x, &y, &z);
  if (!region || z != game_.session.currentLevel) return;
  if (parts_.map) parts_.map->showRegion(x, y);
  if (parts_.regions) parts_.regions->getSekKoo(x, y);
}
