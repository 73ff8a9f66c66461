#pragma once
// The page "Armee": the army report's choice, grid and totals.
#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

class ArmyPage : public QWidget {
  Q_OBJECT
 public:
  explicit ArmyPage(QWidget* parent = nullptr);

  QPushButton* Button1;     // "Bericht"
  QComboBox* ComboBox2;     // "Armeen"
  QTableWidget* StringGrid3;
  QLineEdit* Edit10;        // "Soldaten:"
  QLineEdit* Edit11;        // "Waffen:"
  QLineEdit* Edit12;        // "Fernwaffen:"
};
