#pragma once
// "Befehle prüfen": the built-in check of the template into "Probleme",
// with the external checker's placed output after it when one is set in
// the options; a double click on a problem puts the template's cursor on
// its line and shows the unit's region on the maps and in "Region Info".
#include <QObject>

#include "orders/ordersknowledge.h"

class CheckerController;
class MapController;
class ProblemsPanel;
class RegionController;
class TemplatePage;
struct OpenGame;

class ProblemsController : public QObject {
  Q_OBJECT
 public:
  struct Parts {
    TemplatePage* orders = nullptr;
    ProblemsPanel* panel = nullptr;
    CheckerController* checker = nullptr;  // may be null: only the built-in check
    RegionController* regions = nullptr;
    MapController* map = nullptr;
  };
  ProblemsController(OpenGame& game, const Parts& parts, QObject* parent = nullptr);

  // The built-in check, then the external checker when one is configured.
  void check();
  void showProblem(const orderscheck::Problem& problem);
  // Reads the names and units of the open slot again, for the check and
  // the completion (after opening a game and after each report).
  void refreshKnowledge();

 signals:
  void checked();

 private:
  void externalFinished();
  OpenGame& game_;
  Parts parts_;
  bool waitingForChecker_ = false;
  ordersknowledge::GameKnowledge known_;
};
