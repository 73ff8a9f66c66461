#pragma once
// The page "Schiffsregister": ship filters and the ship list.
#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

class ShipRegisterPage : public QWidget {
  Q_OBJECT
 public:
  explicit ShipRegisterPage(QWidget* parent = nullptr);

  QComboBox* DBLookupComboBox2;  // "Partei Name"
  QLineEdit* DBEdit30;           // Partei Nr of the chosen faction
  QComboBox* ComboBox5;          // "Schiffstyp"
  QComboBox* ComboBox4;          // "Info Datum" comparison, always "="
  QLineEdit* Edit26;             // "Info Datum"
  QPushButton* Button8;          // "Bericht"
  QLineEdit* Edit27;             // "gefundene Schiffe"
  QTableWidget* StringGrid5;
};
