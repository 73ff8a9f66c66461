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

#include "ui/formhelpers.h"

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
}
