#pragma once
// The main window: menu, tool bar, maps, the report pages above and the
// region, unit, template, group, army, ship register and statistics pages
// below, and the status bar. It opens one game slot per run and reads
// reports into it.
#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

#include "game/configfile.h"
#include "turn/opengame.h"
#include "turn/options.h"
#include "turn/reportimporter.h"
#include "ui/mainmenu.h"
#include "ui/prompts.h"

class QLabel;
class QSplitter;
class QStatusBar;
class QTabWidget;
struct ImportTables;
class ArmyPage;
class CheckerController;
class GridPage;
class GroupPage;
class MainToolBar;
class MapAreaPanel;
class MapController;
class MapTools;
class OrdersController;
class PointsPage;
class ProblemsController;
class RegionController;
class RegionPage;
class ReportPagesPanel;
class SearchController;
class ShipRegisterPage;
class StatusPage;
class TemplatePage;
class UnitPage;
class WindowSplit;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  struct Dialogs {
    TForm2* form2 = nullptr;
    TForm3* form3 = nullptr;
    TForm4* form4 = nullptr;
    TForm5* form5 = nullptr;
    TForm6* form6 = nullptr;
    TForm7* form7 = nullptr;
    TForm8* form8 = nullptr;
    TForm9* form9 = nullptr;
    TForm10* form10 = nullptr;
  };
  // Reads one report into the game (the import driver).
  using Importer = std::function<ImportOutcome(OpenGame&, const QString&, const ImportCallbacks&)>;
  // Asks for the report file; empty when the player cancels.
  using FileChooser = std::function<QString()>;

  explicit TForm1(OpenGame& game, QWidget* parent = nullptr);
  ~TForm1() override;

  void setDialogs(const Dialogs& dialogs);
  // zendral.cfg as read from the start directory; the opening takes the
  // slot's settings from it.
  void setStartConfig(const ConfigFile& config) { startConfig_ = config; }
  void setPrompts(const Prompts& prompts) { prompts_ = prompts; }
  void setImporter(Importer importer) { importer_ = std::move(importer); }
  void setReportChooser(FileChooser chooser) { chooseReport_ = std::move(chooser); }

  // Opens the slot the selection dialog started: upgrades the tables, takes
  // the slot's settings, adapts the window to the game type. Errors are
  // shown; the window then stays as far as it got. True when opened.
  bool spielinitialisierung(int slot, const QString& slotName, const QString& typeText);
  bool gameOpen() const { return opened_; }

  // Menu handlers.
  void Neu1Click();
  // Before a report replaces the template: unsaved orders are saved first,
  // read over, or the report is not read (the player chooses).
  bool saveOrdersBeforeImport();
  void Optionen1Click();
  void Info2Click();
  void Beenden1Click() { close(); }

  // Where clicks on the world map and the small map end: the region view
  // of region (x, y) on the shown level. For now it names the region.
  void regionClicked(int x, int y);

  // Shows the models of the open game (pages, status fields, template,
  // points statistics).
  void refreshFromModels();

  OpenGame& game() { return game_; }
  ImportTables* tables() const { return tables_.get(); }
  const Dialogs& dialogs() const { return dialogs_; }
  const Prompts& prompts() const { return prompts_; }

  MainMenu menu;
  MainToolBar* ToolBar1;
  MapAreaPanel* mapArea;
  MapController* mapController;
  MapTools* mapTools;  // map files, manual regions, unit cleanup
  ReportPagesPanel* PageControl1;
  QTabWidget* PageControl2;
  RegionPage* regionPage;
  RegionController* regionController;  // region, unit list, unit view, command editor
  UnitPage* unitPage;
  TemplatePage* templatePage;
  GroupPage* groupPage;
  ArmyPage* armyPage;
  ShipRegisterPage* shipRegisterPage;
  GridPage* statisticsPage;        // "Statistik" (StringGrid1)
  PointsPage* pointsPage;          // "Punkte Statistik": the chart above StringGrid2
  GridPage* pointsStatisticsPage;  // its grid
  QStatusBar* StatusBar1;
  QLabel* statusPanels[3];
  CheckerController* checker;      // ToolButton5, "&Zug Checker", "&Taschenrechner"
  OrdersController* ordersController;  // save, reopen, send, the close question
  ProblemsController* problemsController;  // "Befehle prüfen" and "Probleme"
  WindowSplit* windowSplit;  // the dividers, kept per slot
  SearchController* searchController;  // "Suchen…" (Ctrl+F)

  StatusPage* statusPage() const;

 signals:
  // The window was closed; the program ends.
  void closed();

 protected:
  // FormClose: unsaved orders are saved, dropped, or the window stays (the player chooses).
  void closeEvent(QCloseEvent* event) override;

 private:
  void adaptToQuarnel();
  // The slot's program path is gone or holds no zendral.cfg: offers the
  // start folder instead. False when the opening has to stop.
  bool offerStartFolder();
  // The slot's program path is another existing folder than the one whose
  // zendral.cfg was read: asks which one to use and stores the answer.
  void chooseCopiedFolder();
  void saveOptions();
  void closeOptions();

  OpenGame& game_;
  Dialogs dialogs_;
  ConfigFile startConfig_;
  Prompts prompts_;
  Importer importer_;
  FileChooser chooseReport_;
  std::unique_ptr<ImportTables> tables_;
  std::optional<options::Working> optionsWorking_;
  bool opened_ = false;
};
