#pragma once
// "Einlesen der Auswertung läuft ...": the progress of a report import.
#include <QDialog>
#include <QElapsedTimer>

#include "report/importstate.h"

class QLineEdit;
class QProgressBar;

class TForm5 : public QDialog, public ImportProgress {
  Q_OBJECT
 public:
  explicit TForm5(QWidget* parent = nullptr);

  // Empty "Teilstueck :" and small fields, bar at 0.
  void reset();
  // While busy the window cannot be closed by the player.
  void setBusy(bool busy) { busy_ = busy; }

  void setPart(const QString& text) override;
  void setLineText(const QString& text) override;
  void setUnitText(const QString& text) override;
  void setPercent(int percent) override;
  // Lets the windows paint (no user input is taken), at most every 50 ms,
  // so a long import neither freezes the screen nor slows down.
  void repaint() override;

  QLineEdit* edit1;  // "Teilstueck :"
  QLineEdit* Edit2;
  QLineEdit* Edit3;
  QProgressBar* Gauge1;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  QElapsedTimer sincePaint_;
  bool busy_ = false;
};
