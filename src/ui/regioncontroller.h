#pragma once
// What follows a click on a region: the region page, the unit list and the
// region's history; choosing a list line shows the unit, building or ship;
// a double click opens the command editor, whose orders go back into the
// template and whose marks colour the region's square on the unit overlay.
// The computing is done by the views library; this class fills the pages.
#include <QColor>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

#include "views/regionview.h"

class QLabel;
class QTableWidget;
class RegionPage;
class TableRowModel;
class TemplatePage;
class TForm6;
class TForm9;
class UnitPage;
struct OpenGame;
struct ViewTables;

class RegionController : public QObject {
  Q_OBJECT
 public:
  using RegionColourer = std::function<void(int x, int y, const QColor& colour)>;
  using MessageSink = std::function<void(const QString&)>;

  struct Pages {
    RegionPage* region = nullptr;
    UnitPage* units = nullptr;
    TemplatePage* orders = nullptr;
    QTableWidget* history = nullptr;  // StringGrid1
    QLabel* title = nullptr;          // Panel1 above the small map
  };

  RegionController(OpenGame& game, const Pages& pages, QObject* parent = nullptr);
  ~RegionController() override;

  void setDialogs(TForm6* editor, TForm9* possessions);
  // Draws a region's square on the unit overlay (faerbe_region).
  void setRegionColourer(RegionColourer colourer) { colourRegion_ = std::move(colourer); }
  void setMessageSinks(MessageSink inform, MessageSink error);
  // A question with buttons, answered by the index of the chosen one.
  using Chooser = std::function<int(const QString&, const QStringList&)>;
  void setChooser(Chooser chooser) { choose_ = std::move(chooser); }

  // Shows the hex (x, y) of the current level: the map clicks end here.
  void getSekKoo(int x, int y);
  void ListBox3Click();
  void ListBox3KeyUp() { ListBox3Click(); }
  void ListBox3DblClick();
  // Chooses the list line of a unit, building or ship of the shown region
  // and shows it; the filters widen when they hide it. False when the
  // region has no such line.
  bool showEntry(const RegionView::ListEntry& entry);
  // "Befehle ausführen" of the command editor.
  void Button1Click();
  // Stores the editor's marks in the unit and colours its region.
  void setflags();
  // "Besitztümer auflisten".
  void ToolButton6Click();

  const RegionView& shown() const { return shown_; }
  QString regionPosition() const { return shown_.regionPosition; }
  QString unflaggedUnits() const { return shown_.unflaggedUnits; }
  int editorLineCount() const { return editorLineCount_; }

 private:
  ViewTables& tables();
  void showHistory(const RegionView& view);
  void fail(const QString& message);

  OpenGame& game_;
  Pages pages_;
  TForm6* editor_ = nullptr;
  TForm9* possessions_ = nullptr;
  RegionColourer colourRegion_;
  MessageSink inform_;
  MessageSink error_;
  Chooser choose_;
  std::unique_ptr<ViewTables> tables_;
  std::unique_ptr<TableRowModel> regionRow_;
  std::unique_ptr<TableRowModel> unitRow_;
  std::unique_ptr<TableRowModel> buildingRow_;
  std::unique_ptr<TableRowModel> shipRow_;
  RegionView shown_;
  bool regionShown_ = false;
  // The list line the unit page shows (unit, building or ship).
  std::optional<RegionView::ListEntry> shownEntry_;
  int editorLineCount_ = 0;
  // The unit's template orders as the editor last took them, to notice
  // orders typed in "Zugvorlage" meanwhile.
  QStringList editorOpenedOrders_;
};
