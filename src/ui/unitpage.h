#pragma once
// The page "Einheiten": the list of the shown region's buildings, ships and
// units, and the details of the chosen entry.
#include <optional>

#include "views/regionview.h"
#include <QWidget>

class QCheckBox;
class QDataWidgetMapper;
class TableRowModel;
struct UnitView;
struct StructureView;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTabWidget;

class UnitPage : public QWidget {
  Q_OBJECT
 public:
  explicit UnitPage(QWidget* parent = nullptr);

  // The detail area as a game opens: description and messages hidden until
  // an entry is chosen, and the area kept low.
  void collapseDetails();
  void clearTexts();  // the item and skill texts
  // No entry chosen (another region is shown): every detail of the unit,
  // building or ship shown before goes; the command editor's unit stays.
  void clearDetails();

  // The unit row model the bound fields show.
  void bindModel(TableRowModel* unit);
  // A unit entry: the bound fields show the unit model's row, the rest is
  // set from the view.
  void showUnit(const UnitView& view);
  // A building or ship entry: only the description changes; DBMemo1 shows
  // the description field of `row` (a building or ship row model).
  void showStructure(const StructureView& view, TableRowModel* row, const QString& descriptionField);
  // Stores the edits of the bound fields in their row; before the models
  // move to another row.
  void submitEdits();
  // The list lines, keeping the chosen line where it is.
  // The lines of ListBox3, each carrying the unit, building or ship it
  // stands for.
  void setList(const QStringList& lines, const QVector<RegionView::ListEntry>& entries);
  // New texts for the same lines (the marks changed); what they stand for stays.
  void setListLines(const QStringList& lines);
  QStringList listLines() const;
  // What the line `row` stands for; nothing for a row without that knowledge.
  std::optional<RegionView::ListEntry> entryAt(int row) const;
  // Widens the list to its longest line while the details beside it have room.
  void fitListToLines();
  // Height of the detail tabs and their place from the top of the page.
  int detailsTop() const { return detailsTop_; }

  QLabel* PanelUnits;       // "Einheiten in Region :"
  QListWidget* ListBox3;
  QCheckBox* CheckBox1;     // "Alle"
  QCheckBox* CheckBox2;     // "Nur aktuelle Info"
  QLineEdit* DBEdit2;       // "Parteizugehörigkeit"
  QLineEdit* Edit29;        // party number
  QLineEdit* DBEdit23;      // "Anzahl Personen"
  QLineEdit* DBEdit22;      // "Silber"
  QLineEdit* DBEdit21;      // "militärischer Status"
  QLineEdit* DBEdit31;      // "Gesundheit"
  QCheckBox* CheckBox3;     // "getarnt?"
  QPlainTextEdit* Memo2;    // "Gegenstände"
  QPlainTextEdit* Memo3;    // "Talente"
  QTabWidget* PageControl4;
  QWidget* TabSheet23;      // "Beschreibung"
  QWidget* TabSheet24;      // "Meldungen"
  QPlainTextEdit* DBMemo1;
  QPlainTextEdit* Memo9;
  QLineEdit* DBEdit1;       // Einheit Name, invisible
  QLineEdit* DBEdit5;       // Einheit Nr, invisible
  QLineEdit* Edit21;        // the unit in the command editor, invisible

 signals:
  void ListBox3Click();
  void ListBox3DblClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void layoutDetails();
  void mapDescription(TableRowModel* model, const QString& field);

  QDataWidgetMapper* unitMapper_ = nullptr;
  QDataWidgetMapper* memoMapper_ = nullptr;
  TableRowModel* unitModel_ = nullptr;
  int detailsTop_ = 396;
};
