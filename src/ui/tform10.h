#pragma once
// "Datenbank entrümpeln": unit rows counted and deleted by age.
#include <QDialog>
#include <functional>
#include <optional>

#include "db/cleanup.h"

class Database;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
struct GameSession;

class TForm10 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm10(QWidget* parent = nullptr);

  // The open game whose unit rows the buttons work on.
  void setGame(Database* db, const GameSession* session);
  void setErrorSink(std::function<void(const QString&)> sink) { errorSink_ = std::move(sink); }

  // "Analysieren": counts the classes and lists the own vanished units.
  void Button1Click();
  // "markierte Datensätze freigeben": the same, deleting the chosen class.
  void Button2Click();
  // The class whose "Löschen" is selected, if any.
  std::optional<cleanup::UnitClass> chosenClass() const;

  QLineEdit* Edit1;  // "Aktuelle Runde"
  QLineEdit* Edit6;  // "eigene, vernichtete Einheiten"
  QLineEdit* Edit2;  // "1-6 Runden älter"
  QLineEdit* Edit3;  // "6-24 Runden älter"
  QLineEdit* Edit4;  // "älter 24 Runden"
  QLineEdit* Edit5;  // "älter 36 Runden"
  QLineEdit* Edit7;  // unit rows of the slot
  QLineEdit* Edit8;  // sum of the classes
  QRadioButton* RadioButton5;
  QRadioButton* RadioButton1;
  QRadioButton* RadioButton2;
  QRadioButton* RadioButton3;
  QRadioButton* RadioButton4;
  QPlainTextEdit* Memo1;
  QPushButton* Button1;  // "Analysieren"
  QPushButton* Button2;  // "markierte Datensätze freigeben"

 private:
  void walk(std::optional<cleanup::UnitClass> deleteClass);
  QLineEdit* counterOf(cleanup::UnitClass c) const;

  Database* db_ = nullptr;
  const GameSession* session_ = nullptr;
  std::function<void(const QString&)> errorSink_;
};
