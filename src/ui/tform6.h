#pragma once
// "Befehlseditor": the orders of one own unit outside the order template.
#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TForm6 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm6(QWidget* parent = nullptr);

  QLabel* Panel2;        // "Einheit Name"
  QLineEdit* Edit1;
  QCheckBox* CheckBox1;  // "Markierung"
  QCheckBox* CheckBox2;  // "lange Markierung"
  QGroupBox* GroupBox1;  // "Befehle der Einheit"
  QPlainTextEdit* Memo1;
  QPushButton* Button1;  // "Befehle ausführen"
  QPushButton* Button3;  // "Editor ausblenden"
};
