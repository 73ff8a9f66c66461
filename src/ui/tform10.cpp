#include "ui/tform10.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "game/gamesession.h"
#include "ui/formhelpers.h"
#include "ui/waitcursor.h"

using namespace formhelpers;

TForm10::TForm10(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm10"));
  setWindowTitle(QStringLiteral("Datenbank entrümpeln"));
  auto counter = [](const char* name) {
    QLineEdit* e = lineEdit(name, true);
    e->setText(QStringLiteral("0"));
    e->setFixedWidth(80);
    return e;
  };
  auto choice = [](const char* name) { return named(new QRadioButton(QStringLiteral("Löschen")), name); };
  Edit1 = counter("Edit1");
  Edit6 = counter("Edit6");
  Edit2 = counter("Edit2");
  Edit3 = counter("Edit3");
  Edit4 = counter("Edit4");
  Edit5 = counter("Edit5");
  Edit7 = counter("Edit7");
  Edit8 = counter("Edit8");
  RadioButton5 = choice("RadioButton5");
  RadioButton1 = choice("RadioButton1");
  RadioButton2 = choice("RadioButton2");
  RadioButton3 = choice("RadioButton3");
  RadioButton4 = choice("RadioButton4");
  Memo1 = named(new QPlainTextEdit, "Memo1");
  Memo1->setReadOnly(true);
  Button1 = named(new QPushButton(QStringLiteral("Analysieren")), "Button1");
  Button2 = named(new QPushButton(QStringLiteral("markierte Datensätze freigeben")), "Button2");

  auto* classes = new QGroupBox(QStringLiteral("Datensätze in Einheiten Tabelle"));
  auto* grid = new QGridLayout(classes);
  struct Row {
    const char* caption;
    QLineEdit* counter;
    QRadioButton* choice;
  };
  const Row rows[] = {{"Aktuelle Runde", Edit1, nullptr},
                      {"eigene, vernichtete Einheiten", Edit6, RadioButton5},
                      {"1-6 Runden älter", Edit2, RadioButton1},
                      {"6-24 Runden älter", Edit3, RadioButton2},
                      {"älter 24 Runden", Edit4, RadioButton3},
                      {"älter 36 Runden", Edit5, RadioButton4},
                      {"Datensätze des Spiels", Edit7, nullptr},
                      {"Summe", Edit8, nullptr}};
  int r = 0;
  for (const Row& row : rows) {
    grid->addWidget(new QLabel(QString::fromUtf8(row.caption)), r, 0);
    grid->addWidget(row.counter, r, 1);
    if (row.choice) grid->addWidget(row.choice, r, 2);
    ++r;
  }

  auto* listing = new QVBoxLayout;
  listing->addWidget(new QLabel(QStringLiteral("eigene, vernichtete Einheiten")));
  listing->addWidget(Memo1, 1);
  auto* top = new QHBoxLayout;
  top->addWidget(classes);
  top->addLayout(listing, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(buttons);
  resize(720, 360);

  connect(Button1, &QPushButton::clicked, this, &TForm10::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm10::Button2Click);
}

void TForm10::setGame(Database* db, const GameSession* session) {
  db_ = db;
  session_ = session;
}

void TForm10::Button1Click() { walk(std::nullopt); }
void TForm10::Button2Click() { walk(chosenClass()); }

std::optional<cleanup::UnitClass> TForm10::chosenClass() const {
  const std::pair<QRadioButton*, cleanup::UnitClass> choices[] = {
      {RadioButton5, cleanup::UnitClass::OwnVanished}, {RadioButton1, cleanup::UnitClass::Older1to6},
      {RadioButton2, cleanup::UnitClass::Older6to24},  {RadioButton3, cleanup::UnitClass::Older24to36},
      {RadioButton4, cleanup::UnitClass::Older36}};
  for (const auto& [button, unitClass] : choices)
    if (button->isChecked()) return unitClass;
  return std::nullopt;
}

QLineEdit* TForm10::counterOf(cleanup::UnitClass c) const {
  QLineEdit* const counters[cleanup::kClassCount] = {Edit1, Edit6, Edit2, Edit3, Edit4, Edit5};
  return counters[int(c)];
}

void TForm10::walk(std::optional<cleanup::UnitClass> deleteClass) {
  // Counters the player typed over are simply set anew.
  for (QLineEdit* e : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8}) e->setText(QStringLiteral("0"));
  if (!db_ || !session_) return;
  WaitCursor wait;
  const cleanup::Result result = cleanup::run(*db_, cleanup::Context::of(*session_), deleteClass);
  wait.restore();
  for (int i = 0; i < cleanup::kClassCount; ++i)
    counterOf(cleanup::UnitClass(i))->setText(QString::number(result.counter(cleanup::UnitClass(i))));
  Edit7->setText(QString::number(result.rows));
  Edit8->setText(QString::number(result.sum()));
  // Each run adds its listing after the earlier ones.
  if (!result.listing.isEmpty()) Memo1->appendPlainText(result.listing.join(QLatin1Char('\n')));
  if (!result.ok() && errorSink_) errorSink_(result.error);
}
