#pragma once
// "Einstellungen": program path, checker path and home region of the slot.
#include <QDialog>

#include "turn/options.h"

class QLineEdit;
class QPushButton;

class TForm2 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm2(QWidget* parent = nullptr);

  void setValues(const options::Values& values);
  options::Values values() const;

  QLineEdit* Edit1;  // "Programm Path:"
  QLineEdit* Edit2;  // "Path zum externen ZugChecker:"
  QLineEdit* Edit3;  // home x
  QLineEdit* Edit4;  // home y
  QLineEdit* Edit5;  // "Passwort", shown as dots
  QPushButton* Button1;  // "Speichern"
  QPushButton* Button2;  // "Abbrechen"

 signals:
  void saveRequested();
  void cancelled();

 protected:
  // Closing the window counts as "Abbrechen", so the main window is
  // usable again.
  void closeEvent(QCloseEvent* event) override;
  void reject() override;
};
