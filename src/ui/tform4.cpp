#include "ui/tform4.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/formhelpers.h"

using namespace formhelpers;

TForm4::TForm4(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm4"));
  setWindowTitle(QStringLiteral("Manuelle Regionserfassung"));
  Edit1 = lineEdit("Edit1");
  Edit2 = lineEdit("Edit2");
  Edit3 = lineEdit("Edit3");
  Edit4 = lineEdit("Edit4");
  ComboBox1 = named(new QComboBox, "ComboBox1");
  ComboBox1->addItems(manualregion::terrainChoices());
  ComboBox1->setCurrentIndex(manualregion::kDefaultTerrain);
  Button1 = named(new QPushButton(QStringLiteral("Speichern")), "Button1");
  Button2 = named(new QPushButton(QStringLiteral("Abbrechen")), "Button2");
  Button1->setAutoDefault(false);
  Button2->setAutoDefault(false);

  QWidget* xy = slashPair(Edit2, Edit3);
  QHBoxLayout* buttons = buttonRow({Button1, Button2});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(captioned(QStringLiteral("Name der Region"), Edit1));
  layout->addWidget(captioned(QStringLiteral("Breite/Länge"), xy));
  layout->addWidget(captioned(QStringLiteral("Regiontyp"), ComboBox1));
  layout->addWidget(captioned(QStringLiteral("Exportgut"), Edit4));
  layout->addLayout(buttons);

  connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm4::Button2Click);
}

void TForm4::clearEntry() {
  for (QLineEdit* e : {Edit1, Edit2, Edit3, Edit4}) e->clear();
  ComboBox1->setCurrentIndex(manualregion::kDefaultTerrain);
}

manualregion::Entry TForm4::entry() const {
  return {Edit1->text(), Edit2->text(), Edit3->text(), ComboBox1->currentText(), Edit4->text()};
}

void TForm4::Button2Click() {
  hide();
  emit cancelled();
}

// Closing the window is "Abbrechen": the main window must not stay disabled.
void TForm4::closeEvent(QCloseEvent* event) {
  QDialog::closeEvent(event);
  if (event->isAccepted()) emit cancelled();
}

void TForm4::reject() { Button2Click(); }
