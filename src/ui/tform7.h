#pragma once
// "Molvanth Assistent Info": the about box.
#include <QDialog>

class QLabel;
class QPushButton;

class TForm7 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm7(QWidget* parent = nullptr);

  // Appends the version to the product line (once a game is opened).
  void appendVersion(const QString& version);
  QString productLine() const;

  QLabel* Label1;        // product line
  QLabel* Label2;        // free to use, thanks
  QPushButton* Button1;  // "OK"
};
