#pragma once
// "Suchen…" in the map menu (Ctrl+F): the search dialog over the open
// game's tables; a chosen hit is centred on the map, its region picked for
// "Region Info" and the unit list, and its unit, building or ship shown.
#include <QObject>

#include "ui/prompts.h"
#include "views/mapsearch.h"

class MapController;
class QAction;
class QTabWidget;
class QWidget;
class RegionController;
class SearchDialog;
struct MainMenu;
struct OpenGame;

class SearchController : public QObject {
  Q_OBJECT
 public:
  struct Parts {
    MapController* map = nullptr;
    RegionController* regions = nullptr;
    QTabWidget* pages = nullptr;       // the lower tabs
    QWidget* regionPage = nullptr;     // "Region Info"
    QWidget* unitPage = nullptr;       // "Einheiten"
  };
  SearchController(QWidget* window, OpenGame& game, MainMenu& menu, const Parts& parts);
  // Where a table error of the search is shown.
  void setPrompts(const Prompts& prompts) { prompts_ = prompts; }

  void Suchen1Click();
  void show(const mapsearch::Hit& hit);
  SearchDialog* dialog() const { return dialog_; }
  QAction* action() const { return action_; }

 private:
  OpenGame& game_;
  Parts parts_;
  Prompts prompts_;
  SearchDialog* dialog_;
  QAction* action_;
};
