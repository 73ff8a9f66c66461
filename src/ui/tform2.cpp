#include "ui/tform2.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/formhelpers.h"

using namespace formhelpers;

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm2"));
  setWindowTitle(QStringLiteral("Einstellungen"));
  Edit1 = lineEdit("Edit1");
  Edit2 = lineEdit("Edit2");
  Edit3 = lineEdit("Edit3");
  Edit4 = lineEdit("Edit4");
  Edit5 = lineEdit("Edit5");
  Edit5->setEchoMode(QLineEdit::Password);
  Edit3->setFixedWidth(60);
  Edit4->setFixedWidth(60);
  Button1 = named(new QPushButton(QStringLiteral("Speichern")), "Button1");
  Button2 = named(new QPushButton(QStringLiteral("Abbrechen")), "Button2");

  QWidget* home = slashPair(Edit3, Edit4);
  QHBoxLayout* buttons = buttonRow({Button1, Button2});

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(captioned(QStringLiteral("Programm Path:"), Edit1));
  layout->addWidget(captioned(QStringLiteral("Path zum externen ZugChecker:"), Edit2));
  layout->addWidget(captioned(QStringLiteral("Heimatregion (x/y):"), home));
  layout->addWidget(captioned(QStringLiteral("Passwort"), Edit5));
  layout->addLayout(buttons);
  setMinimumWidth(420);

  connect(Button1, &QPushButton::clicked, this, &TForm2::saveRequested);
  connect(Button2, &QPushButton::clicked, this, &TForm2::cancelled);
}

void TForm2::setValues(const options::Values& v) {
  Edit1->setText(v.programPath);
  Edit2->setText(v.checkerPath);
  Edit3->setText(v.homeX);
  Edit4->setText(v.homeY);
  Edit5->setText(v.password);
}

options::Values TForm2::values() const { return {Edit1->text(), Edit2->text(), Edit3->text(), Edit4->text(), Edit5->text()}; }

void TForm2::closeEvent(QCloseEvent* event) {
  event->ignore();
  emit cancelled();
}

void TForm2::reject() { emit cancelled(); }
