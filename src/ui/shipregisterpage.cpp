#include "ui/shipregisterpage.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/formhelpers.h"

using namespace formhelpers;

ShipRegisterPage::ShipRegisterPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheetShips"));
  DBLookupComboBox2 = named(new QComboBox, "DBLookupComboBox2");
  DBLookupComboBox2->setMaxVisibleItems(10);
  DBEdit30 = lineEdit("DBEdit30", true);
  ComboBox5 = named(new QComboBox, "ComboBox5");
  ComboBox5->addItems({QStringLiteral("Alle"), QStringLiteral("Boot"), QStringLiteral("Langboot"),
                       QStringLiteral("Drachenschiff"), QStringLiteral("Karavelle"), QStringLiteral("Trireme")});
  ComboBox4 = named(new QComboBox, "ComboBox4");
  ComboBox4->addItems({QStringLiteral("="), QStringLiteral(">"), QStringLiteral("<")});
  ComboBox4->setEnabled(false);
  Edit26 = lineEdit("Edit26");
  Button8 = named(new QPushButton(QStringLiteral("Bericht")), "Button8");
  Edit27 = lineEdit("Edit27", true);
  StringGrid5 = grid("StringGrid5", 6, {64, 185, 64, 97, 84, 64});

  auto* bar = new QHBoxLayout;
  bar->addWidget(captioned(QStringLiteral("Partei Name"), DBLookupComboBox2));
  bar->addWidget(DBEdit30, 0, Qt::AlignBottom);
  bar->addWidget(captioned(QStringLiteral("Schiffstyp"), ComboBox5));
  bar->addWidget(captioned(QStringLiteral("Info Datum"), ComboBox4));
  bar->addWidget(Edit26, 0, Qt::AlignBottom);
  bar->addWidget(Button8, 0, Qt::AlignBottom);
  bar->addStretch(1);
  bar->addWidget(captioned(QStringLiteral("gefundene Schiffe"), Edit27));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(StringGrid5, 1);
}
