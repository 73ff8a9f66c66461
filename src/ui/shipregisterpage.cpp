#include "ui/shipregisterpage.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "turn/opengame.h"
#include "db/dberror.h"
#include "military/shipregister.h"
#include "ui/formhelpers.h"
#include "ui/reportgridview.h"
#include "ui/waitcursor.h"

using namespace formhelpers;

ShipRegisterPage::ShipRegisterPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheetShips"));
  DBLookupComboBox2 = named(new QComboBox, "DBLookupComboBox2");
  DBLookupComboBox2->setMaxVisibleItems(10);
  DBEdit30 = lineEdit("DBEdit30", true);
  ComboBox5 = named(new QComboBox, "ComboBox5");
  ComboBox5->setEditable(true);  // "Alle" is its initial text; other types may be typed
  ComboBox5->addItems(shipregister::typeChoices());
  ComboBox4 = named(new QComboBox, "ComboBox4");
  ComboBox4->addItems({QStringLiteral("="), QStringLiteral(">"), QStringLiteral("<")});
  ComboBox4->setEnabled(false);
  Edit26 = lineEdit("Edit26");
  Button8 = named(new QPushButton(QStringLiteral("Bericht")), "Button8");
  Edit27 = lineEdit("Edit27", true);
  StringGrid5 = grid("StringGrid5", shipregister::kColumns, shipregister::columnWidths());
  StringGrid5->setHorizontalHeaderLabels(shipregister::header());
  Edit27->setText(QStringLiteral("0"));

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

  reportgridview::connectParties(DBLookupComboBox2, DBEdit30);
  connect(Button8, &QPushButton::clicked, this, &ShipRegisterPage::Button8Click);
}

void ShipRegisterPage::refreshParties() {
  if (game_) reportgridview::fillParties(DBLookupComboBox2, DBEdit30, *game_);
}

void ShipRegisterPage::Button8Click() {
  if (!game_ || !game_->db) return;
  WaitCursor wait;
  shipregister::Result r;
  try {
    r = shipregister::listShips(*game_->db, game_->session,
                                {DBEdit30->text(), ComboBox5->currentText(), Edit26->text()});
  } catch (const DbError& e) {
    r.error = e.message();
  }
  Edit27->setText(QString::number(r.rows.size()));
  reportgridview::show(StringGrid5, shipregister::header(), r.rows, 1);
  if (!r.ok() && reportError_) reportError_(r.error);
}
