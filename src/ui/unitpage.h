#pragma once
// The page "Einheiten": the list of the shown region's buildings, ships and
// units, and the details of the chosen entry.
#include <QWidget>

class QCheckBox;
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
};
