#pragma once
// "Manuelle Regionserfassung": a region entered by hand.
#include <QDialog>

#include "map/manualregion.h"

class QComboBox;
class QLineEdit;
class QPushButton;

class TForm4 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm4(QWidget* parent = nullptr);

  // Empty fields and the default terrain "Ebene", as each opening starts.
  void clearEntry();
  manualregion::Entry entry() const;

  QLineEdit* Edit1;  // "Name der Region"
  QLineEdit* Edit2;  // "Breite"
  QLineEdit* Edit3;  // "Länge"
  QLineEdit* Edit4;  // "Exportgut"
  QComboBox* ComboBox1;  // "Regiontyp"
  QPushButton* Button1;  // "Speichern"
  QPushButton* Button2;  // "Abbrechen"

 signals:
  // "Speichern": the owner stores the entry and hides the dialog when that
  // worked; otherwise the dialog stays open with its contents.
  void saveRequested();
  // "Abbrechen" or the window closed: nothing is written.
  void cancelled();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void Button1Click() { emit saveRequested(); }
  void Button2Click();
};
