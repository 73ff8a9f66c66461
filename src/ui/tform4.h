#pragma once
// "Manuelle Regionserfassung": a region entered by hand.
#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

class TForm4 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm4(QWidget* parent = nullptr);

  QLineEdit* Edit1;  // "Name der Region"
  QLineEdit* Edit2;  // "Breite"
  QLineEdit* Edit3;  // "Länge"
  QLineEdit* Edit4;  // "Exportgut"
  QComboBox* ComboBox1;  // "Regiontyp"
  QPushButton* Button1;  // "Speichern"
  QPushButton* Button2;  // "Abbrechen"
};
