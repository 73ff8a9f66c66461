#pragma once
// "Zug Checker Ausgabe": the output of the external order checker.
#include <QDialog>

class QPlainTextEdit;

class TForm8 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm8(QWidget* parent = nullptr);

  QPlainTextEdit* Memo1;
};
