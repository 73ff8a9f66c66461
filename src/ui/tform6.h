#pragma once
// "Befehlseditor": the orders of one own unit outside the order template.
#include <QDialog>
#include <QStringList>

#include "views/commandeditor.h"

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

  // Shows the window for a unit: its name, the boxes set from its Flags
  // (starting from their present state) and the template lines it has.
  void openFor(const QString& unitName, const QString& flags, const QStringList& lines);
  // Empties the orders text (a double click always starts afresh).
  void clearOrders();
  QStringList orderLines() const;
  commandeditor::Marks marks() const;
  void setMarks(commandeditor::Marks marks);

  // A click on "Markierung" unchecks "lange Markierung" and the other way round.
  void CheckBox1Click();
  void CheckBox2Click();
  // "Editor ausblenden".
  void Button3Click() { hide(); }

  QLabel* Panel2;        // "Einheit Name"
  QLineEdit* Edit1;
  QCheckBox* CheckBox1;  // "Markierung"
  QCheckBox* CheckBox2;  // "lange Markierung"
  QGroupBox* GroupBox1;  // "Befehle der Einheit"
  QPlainTextEdit* Memo1;
  QPushButton* Button1;  // "Befehle ausführen"
  QPushButton* Button3;  // "Editor ausblenden"

 signals:
  // "Befehle ausführen": the main window writes the orders back.
  void Button1Click();
};
