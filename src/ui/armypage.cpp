#include "ui/armypage.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "turn/opengame.h"
#include "db/dberror.h"
#include "military/armyreport.h"
#include "ui/formhelpers.h"
#include "ui/reportgridview.h"
#include "ui/waitcursor.h"

using namespace formhelpers;

ArmyPage::ArmyPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheetArmy"));
  Button1 = named(new QPushButton(QStringLiteral("Bericht")), "Button1");
  ComboBox2 = named(new QComboBox, "ComboBox2");
  ComboBox2->setEditable(true);  // free text selects by substring as well
  ComboBox2->addItems(armyreport::armyChoices());
  StringGrid3 = grid("StringGrid3", armyreport::kColumns);
  StringGrid3->setHorizontalHeaderLabels(armyreport::header());
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
  Hinweis = named(new QLabel, "Hinweis");
  Hinweis->setWordWrap(true);
  Hinweis->hide();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(Hinweis);
  layout->addWidget(StringGrid3, 1);
  connect(Button1, &QPushButton::clicked, this, &ArmyPage::Button1Click);
}

void ArmyPage::Button1Click() {
  for (QLineEdit* e : {Edit10, Edit11, Edit12}) e->setText(QStringLiteral("0"));
  Truppenverwaltung();
}

void ArmyPage::Truppenverwaltung() {
  if (!game_ || !game_->db) return;
  WaitCursor wait;
  armyreport::Result r;
  try {
    r = armyreport::Truppenverwaltung(*game_->db, game_->session, ComboBox2->currentText());
  } catch (const DbError& e) {
    if (reportError_) reportError_(e.message());
  }
  // Without a unit the grid keeps its header and one empty row.
  reportgridview::show(StringGrid3, armyreport::header(), r.rows, 1);
  Edit10->setText(QString::number(r.soldiers));
  Edit11->setText(QString::number(r.weapons));
  Edit12->setText(QString::number(r.ranged));
  // An empty report says how a unit gets into one.
  Hinweis->setVisible(r.rows.isEmpty());
  Hinweis->setText(QStringLiteral(
      "Keine eigene Einheit dieser Runde gehört zu „%1“. Eine Einheit gehört zu einer Armee, wenn ihre Gruppe das Wort "
      "„Armee“ enthält (etwa „Armee Nord“): auf der Seite „Gruppierungen“ mit Rechtsklick auf das Feld Gruppe der "
      "Einheit setzen, dann hier „Bericht“ wählen.").arg(ComboBox2->currentText()));
}
