#pragma once
// Shows the rows of a group, army or ship report in its grid.
#include <QList>
#include <QStringList>

#include "military/reportgrid.h"

class QTableWidget;
class QComboBox;
class QLineEdit;
struct OpenGame;

namespace reportgridview {

// Header texts, then one grid row per report row; with fewer than
// `minimumRows` rows the rest stays empty (the grids keep one empty row when
// nothing was found).
void show(QTableWidget* grid, const QStringList& header, const QList<reportgrid::Row>& rows, int minimumRows);

// The party lookup: "(alle Parteien)" and the slot's parties; the chosen
// entry's number goes into `numberEdit`. Keeps the chosen party when it is
// still there, else none is chosen.
void fillParties(QComboBox* lookup, QLineEdit* numberEdit, const OpenGame& game);
void connectParties(QComboBox* lookup, QLineEdit* numberEdit);

}  // namespace reportgridview
