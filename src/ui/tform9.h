#pragma once
// "Besitztümer": the possessions of the current round beside those of an
// earlier one.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

class TForm9 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm9(QWidget* parent = nullptr);

  QLabel* Label1;          // "aktuelle Daten"
  QTreeWidget* TreeView1;  // current round
  QPushButton* Button1;    // "Historische Daten anzeigen"
  QLineEdit* Edit1;        // round of the right tree
  QTreeWidget* TreeView2;  // chosen round
};
