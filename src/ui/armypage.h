#pragma once
// The page "Armee": the army report's choice, grid and totals.
#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
struct OpenGame;

class ArmyPage : public QWidget {
  Q_OBJECT
 public:
  using ErrorSink = std::function<void(const QString&)>;

  explicit ArmyPage(QWidget* parent = nullptr);

  void setGame(OpenGame* game) { game_ = game; }
  void setErrorSink(ErrorSink sink) { reportError_ = std::move(sink); }

  // "Bericht": the totals start at 0, then the report runs.
  void Button1Click();
  void Truppenverwaltung();

  QPushButton* Button1;     // "Bericht"
  QComboBox* ComboBox2;     // "Armeen"
  QTableWidget* StringGrid3;
  QLineEdit* Edit10;        // "Soldaten:"
  QLineEdit* Edit11;        // "Waffen:"
  QLineEdit* Edit12;        // "Fernwaffen:"
  QLabel* Hinweis;          // how a unit joins an army, when the report finds none

 private:
  OpenGame* game_ = nullptr;
  ErrorSink reportError_;
};
