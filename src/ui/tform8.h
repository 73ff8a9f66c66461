#pragma once
// "Zug Checker Ausgabe": the output of the external order checker.
#include <QDialog>

class QPlainTextEdit;

class TForm8 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm8(QWidget* parent = nullptr);

  // Shows the window with the lines of `path` (the checker's output file);
  // a file that cannot be read shows an empty memo.
  void showFile(const QString& path);

  QPlainTextEdit* Memo1;
};
