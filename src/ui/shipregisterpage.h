#pragma once
// The page "Schiffsregister": ship filters and the ship list.
#include <QWidget>
#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
struct OpenGame;

class ShipRegisterPage : public QWidget {
  Q_OBJECT
 public:
  using ErrorSink = std::function<void(const QString&)>;

  explicit ShipRegisterPage(QWidget* parent = nullptr);

  void setGame(OpenGame* game) { game_ = game; }
  void setErrorSink(ErrorSink sink) { reportError_ = std::move(sink); }
  // Fills the party lookup from the slot's parties.
  void refreshParties();
  // "Bericht": lists the ships of the chosen party, type and round.
  void Button8Click();

  QComboBox* DBLookupComboBox2;  // "Partei Name"
  QLineEdit* DBEdit30;           // Partei Nr of the chosen faction
  QComboBox* ComboBox5;          // "Schiffstyp"
  QComboBox* ComboBox4;          // "Info Datum" comparison, always "="
  QLineEdit* Edit26;             // "Info Datum"
  QPushButton* Button8;          // "Bericht"
  QLineEdit* Edit27;             // "gefundene Schiffe"
  QTableWidget* StringGrid5;

 private:
  OpenGame* game_ = nullptr;
  ErrorSink reportError_;
};
