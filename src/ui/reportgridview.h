#pragma once
// Shows the rows of a group, army or ship report in its grid, and the wait
// cursor while a report runs.
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

// The wait cursor for the length of a report.
class WaitCursor {
 public:
  WaitCursor();
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace reportgridview
