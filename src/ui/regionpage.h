#pragma once
// The page "Region Info": the fields of the shown region, its roads, trade
// goods, description, possessions, guards and surroundings.
#include <QList>
#include <QWidget>
#include <functional>

class QDataWidgetMapper;
class QLabel;
class QLineEdit;
class TableRowModel;
struct RegionView;
class QPlainTextEdit;
class QTabWidget;
class QTreeWidget;

class RegionPage : public QWidget {
  Q_OBJECT
 public:
  explicit RegionPage(QWidget* parent = nullptr);

  // Shows a region row in the controls bound to a table field; `valueOf`
  // gives the text of a field by name.
  void showBound(const std::function<QString(const QString&)>& valueOf);
  // Empties the bound controls (no region row).
  void clearBound();
  // Maps the bound controls to the fields of the region row model; what the
  // player types reaches the row through submitEdits().
  void bindModel(TableRowModel* model);
  // Shows the model's row in the bound controls (or empties them).
  void showRow();
  // Stores the edits of the bound controls in the row, as when the row
  // changes or the page is left.
  void submitEdits();
  // The controls filled by the region view: counters, possessions, guards
  // and surroundings. The own party's node is expanded.
  void fill(const RegionView& view);

  // Quarnel has no laen, mallorn, stones or saplings, and one road value
  // per region, which all road displays then show.
  void adaptToQuarnel();

  QLineEdit* DBEdit3;   // Regionname
  QLineEdit* DBEdit6;   // Regiontyp
  QLineEdit* DBEdit25;  // Breite
  QLineEdit* DBEdit26;  // Länge
  QLineEdit* DBEdit18;  // Pferde
  QLineEdit* DBEdit7;   // Bauern
  QLineEdit* DBEdit19;  // Rekrutieren
  QLineEdit* DBEdit24;  // Arbeitslohn
  QLineEdit* DBEdit9;   // VermögenBauern
  QLineEdit* DBEdit20;  // Unterhaltung max
  QLineEdit* DBEdit8;   // Holzstämme
  QLineEdit* DBEdit27;  // Eisen
  QLineEdit* DBEdit28;  // Lean
  QLineEdit* DBEdit29;  // Mallorn
  QLineEdit* DBEdit17;  // Luxusgüter
  QLineEdit* DBEdit12;  // Juwel
  QLineEdit* DBEdit10;  // Balsam
  QLineEdit* DBEdit11;  // Gewuerz
  QLineEdit* DBEdit13;  // Myrrhe
  QLineEdit* DBEdit14;  // Seide
  QLineEdit* DBEdit16;  // Weihrauch
  QLineEdit* DBEdit15;  // Oel
  // Roads in hex order around the "X": upper left, upper right, right,
  // lower right, lower left, left.
  QLabel* DBText1;
  QLabel* DBText2;
  QLabel* DBText4;
  QLabel* DBText6;
  QLabel* DBText5;
  QLabel* DBText3;
  QPlainTextEdit* DBMemo2;  // Beschreibung
  QLineEdit* Edit14;  // "Steine"
  QLineEdit* Edit15;  // "Schößl."
  QLineEdit* Edit1;   // "eigenes Silber"
  QLineEdit* Edit9;   // "eigene Leute"
  QTreeWidget* TreeView1;  // "Besitztümer"
  QTabWidget* PageControl3;
  QPlainTextEdit* Memo7;  // "Regionsbewacher"
  QPlainTextEdit* Memo8;  // "Regionsumgebung"

  QList<QWidget*> boundControls() const { return bound_; }
  QList<QLabel*> roadDisplays() const { return {DBText1, DBText2, DBText4, DBText6, DBText5, DBText3}; }

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  QList<QWidget*> bound_;
  QDataWidgetMapper* mapper_ = nullptr;
  TableRowModel* model_ = nullptr;
};
