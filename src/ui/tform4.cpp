#include "ui/tform4.h"

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
  ComboBox1->addItems({QStringLiteral("Berge"), QStringLiteral("Ebene"), QStringLiteral("Gletscher"),
                       QStringLiteral("Hochland"), QStringLiteral("Ozean"), QStringLiteral("Sumpf"),
                       QStringLiteral("Wald"), QStringLiteral("Wüste")});
  ComboBox1->setCurrentIndex(1);
  Button1 = named(new QPushButton(QStringLiteral("Speichern")), "Button1");
  Button2 = named(new QPushButton(QStringLiteral("Abbrechen")), "Button2");

  QWidget* xy = slashPair(Edit2, Edit3);
  QHBoxLayout* buttons = buttonRow({Button1, Button2});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(captioned(QStringLiteral("Name der Region"), Edit1));
  layout->addWidget(captioned(QStringLiteral("Breite/Länge"), xy));
  layout->addWidget(captioned(QStringLiteral("Regiontyp"), ComboBox1));
  layout->addWidget(captioned(QStringLiteral("Exportgut"), Edit4));
  layout->addLayout(buttons);
}
