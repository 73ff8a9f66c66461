#include "ui/armypage.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/formhelpers.h"

using namespace formhelpers;

ArmyPage::ArmyPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheetArmy"));
  Button1 = named(new QPushButton(QStringLiteral("Bericht")), "Button1");
  ComboBox2 = named(new QComboBox, "ComboBox2");
  ComboBox2->setEditable(true);  // free text selects by substring as well
  ComboBox2->addItems({QStringLiteral("Alle"), QStringLiteral("1. Armee"), QStringLiteral("2. Armee"),
                       QStringLiteral("3. Armee"), QStringLiteral("4. Armee")});
  StringGrid3 = grid("StringGrid3", 12);
  Edit10 = lineEdit("Edit10", true);
  Edit11 = lineEdit("Edit11", true);
  Edit12 = lineEdit("Edit12", true);
  for (QLineEdit* e : {Edit10, Edit11, Edit12}) e->setText(QStringLiteral("0"));

  auto* bar = new QHBoxLayout;
  bar->addWidget(captioned(QStringLiteral("Armeen"), ComboBox2));
  bar->addWidget(Button1, 0, Qt::AlignBottom);
  bar->addStretch(1);
  bar->addWidget(captioned(QStringLiteral("Soldaten:"), Edit10));
  bar->addWidget(captioned(QStringLiteral("Waffen:"), Edit11));
  bar->addWidget(captioned(QStringLiteral("Fernwaffen:"), Edit12));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(StringGrid3, 1);
}
