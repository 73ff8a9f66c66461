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
  // While busy the window cannot be closed by the player, and the fields
  // take the readers' values only when the window is painted: a report
  // sends tens of thousands of them, far more than anyone can see.
  void setBusy(bool busy);

  void setPart(const QString& text) override;
  void setLineText(const QString& text) override;
  void setUnitText(const QString& text) override;
  void setPercent(int percent) override;
  // Shows the newest values and lets the windows paint, at most every
  // 50 ms, so a long import neither freezes the screen nor slows down.
  // Input that reaches the disabled main window meanwhile is dropped there,
  // not kept for later.
  void repaint() override;

  QLineEdit* edit1;  // "Teilstueck :"
  QLineEdit* Edit2;
  QLineEdit* Edit3;
  QProgressBar* Gauge1;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  // Puts the values the readers gave last into the fields.
  void showPending();

  QString part_, lineText_, unitText_;
  int percent_ = 0;
  QElapsedTimer sincePaint_;
  bool busy_ = false;
};
