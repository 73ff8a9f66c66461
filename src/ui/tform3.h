#pragma once
// "Spielwahl": the six game slots of zendral.cfg, one of which is started.
#include <QDialog>
#include <QVector>

class ConfigFile;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

class TForm3 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm3(QWidget* parent = nullptr);

  // Slot names from lines o+1, the type from o+2 when it is exactly
  // "Molvanth" or "Quarnel"; a slot with a type keeps it (disabled box).
  void fill(const ConfigFile& config);
  // "Start" of slot 1..6; without a game type it only says to choose one.
  void start(int slot);
  static QString noTypeMessage();

  QVector<QGroupBox*> groupBoxes;  // "Spiel 1" .. "Spiel 6"
  QVector<QLineEdit*> nameEdits;
  QVector<QComboBox*> typeBoxes;
  QVector<QPushButton*> startButtons;

 signals:
  void startRequested(int slot, const QString& slotName, const QString& typeText);
  // The window was closed without starting a slot.
  void abandoned();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  bool started_ = false;
};
