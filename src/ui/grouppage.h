#pragma once
// The page "Gruppierungen": filters and the list of grouped units.
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class GroupPage : public QWidget {
  Q_OBJECT
 public:
  explicit GroupPage(QWidget* parent = nullptr);

  QComboBox* ComboBox1;           // "Gruppe"
  QComboBox* DBLookupComboBox1;   // "Partei Name"
  QLineEdit* DBEdit4;             // Partei Nr of the chosen faction
  QLineEdit* Edit18;              // "Einheit Nr"
  QLineEdit* Edit17;              // "Einheit Name"
  QComboBox* ComboBox3;           // "Info Datum" comparison
  QLineEdit* Edit19;              // round of the round filter
  QLineEdit* Edit20;              // units found
  QPushButton* Button2;           // "Bericht"
  QTableWidget* StringGrid4;
  QLabel* Label8;
};
