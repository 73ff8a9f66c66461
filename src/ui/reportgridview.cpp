#include "ui/reportgridview.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>

#include "turn/opengame.h"
#include "military/partychoices.h"

namespace reportgridview {

void show(QTableWidget* grid, const QStringList& header, const QList<reportgrid::Row>& rows, int minimumRows) {
  const int columns = int(header.size());
  grid->setUpdatesEnabled(false);
  grid->clearContents();
  grid->setColumnCount(columns);
  grid->setHorizontalHeaderLabels(header);
  grid->setRowCount(qMax(int(rows.size()), minimumRows));
  for (int r = 0; r < rows.size(); ++r)
    for (int c = 0; c < columns; ++c) grid->setItem(r, c, new QTableWidgetItem(rows.at(r).cell(c).toString()));
  grid->setUpdatesEnabled(true);
}

void fillParties(QComboBox* lookup, QLineEdit* numberEdit, const OpenGame& game) {
  const QVariant chosen = lookup->currentData();
  lookup->blockSignals(true);
  lookup->clear();
  if (game.db)
    for (const partychoices::PartyChoice& p : partychoices::partyChoices(*game.db, game.session.slot))
      lookup->addItem(p.name, p.number);
  // The player's choice stays; before one, the own faction is chosen so
  // that the first "Bericht" shows a report.
  int keep = chosen.isValid() ? lookup->findData(chosen) : -1;
  if (keep < 0) keep = lookup->findData(game.session.ownPartyNumber);
  const QVariant shown = keep >= 0 ? lookup->itemData(keep) : QVariant();
  lookup->setCurrentIndex(keep);
  lookup->blockSignals(false);
  numberEdit->setText(keep >= 0 ? QString::number(shown.toInt()) : QString());
}

void connectParties(QComboBox* lookup, QLineEdit* numberEdit) {
  QObject::connect(lookup, &QComboBox::currentIndexChanged, numberEdit, [lookup, numberEdit](int index) {
    numberEdit->setText(index >= 0 ? QString::number(lookup->itemData(index).toInt()) : QString());
  });
}

}  // namespace reportgridview
