#pragma once
// "Datenbank entrümpeln": unit rows counted and deleted by age.
#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class TForm10 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm10(QWidget* parent = nullptr);

  QLineEdit* Edit1;  // "Aktuelle Runde"
  QLineEdit* Edit6;  // "eigene, vernichtete Einheiten"
  QLineEdit* Edit2;  // "1-6 Runden älter"
  QLineEdit* Edit3;  // "6-24 Runden älter"
  QLineEdit* Edit4;  // "älter 24 Runden"
  QLineEdit* Edit5;  // "älter 36 Runden"
  QLineEdit* Edit7;  // unit rows of the slot
  QLineEdit* Edit8;  // sum of the classes
  QRadioButton* RadioButton5;
  QRadioButton* RadioButton1;
  QRadioButton* RadioButton2;
  QRadioButton* RadioButton3;
  QRadioButton* RadioButton4;
  QPlainTextEdit* Memo1;
  QPushButton* Button1;  // "Analysieren"
  QPushButton* Button2;  // "markierte Datensätze freigeben"
};
