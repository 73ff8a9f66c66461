#include "stats/pointsstatistics.h"

#include <optional>

#include "game/textutil.h"
#include "db/table.h"

namespace {

constexpr int kPartyRowMarker = 5000;  // Länge of a party row; no region has it

const QString kSpiel = QStringLiteral("Spiel");
const QString kBreite = QStringLiteral("Breite");
const QString kLaenge = QStringLiteral("Länge");

// Writes a stored number into a cell; an empty field leaves the cell alone.
void putNumber(PointsGrid& grid, int row, int column, const Table& t, const QString& field) {
  const QVariant v = t.value(field);
  if (v.isNull() || v.toString().isEmpty()) return;
  grid.setCell(row, column, QString::number(v.toLongLong()));
}

// The change of a column against the row above, where both cells hold numbers.
void putChange(PointsGrid& grid, int row, int from, int to) {
  const std::optional<qint32> now = textutil::strictInt(grid.cell(row, from));
  const std::optional<qint32> before = textutil::strictInt(grid.cell(row - 1, from));
  if (!now || !before) return;
  grid.setCell(row, to, QString::number(qint64(*now) - qint64(*before)));
}

}  // namespace

const QStringList& PointsGrid::headers() {
  static const QStringList h = {QStringLiteral("Datum"),      QStringLiteral("Eigene"),
                                QStringLiteral("Schnitt"),    QStringLiteral("Vorsprung"),
                                QStringLiteral("<> Eigene"),  QStringLiteral("<> Schnitt"),
                                QStringLiteral("Partei Silber"), QStringLiteral("Personen")};
  return h;
}

PointsGrid::PointsGrid() { setRowCount(2); }

void PointsGrid::setRowCount(int count) {
  if (count < 0) count = 0;
  while (rows_.size() > count) rows_.removeLast();
  while (rows_.size() < count) rows_.append(QStringList(kColumns));
}

QString PointsGrid::cell(int row, int column) const {
  if (row < 0 || row >= rows_.size() || column < 0 || column >= kColumns) return QString();
  return rows_.at(row).at(column);
}

void PointsGrid::setCell(int row, int column, const QString& text) {
  if (row < 0 || column < 0 || column >= kColumns) return;
  if (row >= rows_.size()) setRowCount(row + 1);
  rows_[row][column] = text;
}

bool zeigePunkteStatistik(Table& statistik, int slot, int ownPartyNumber, PointsGrid& grid) {
  statistik.open();
  statistik.setIndexFields(QStringLiteral("Spiel;Breite;Länge;Ebene;Datum"));
  statistik.first();
  if (!statistik.findKey({slot, ownPartyNumber, kPartyRowMarker})) {
    statistik.close();
    return false;
  }

  for (int c = 0; c < PointsGrid::kColumns; ++c) grid.setCell(0, c, PointsGrid::headers().at(c));

  for (int r = 1; !statistik.eof(); ++r) {
    grid.setRowCount(r + 1);
    putNumber(grid, r, PointsGrid::Datum, statistik, QStringLiteral("Datum"));
    putNumber(grid, r, PointsGrid::Eigene, statistik, QStringLiteral("PunkteNeu"));
    putNumber(grid, r, PointsGrid::Schnitt, statistik, QStringLiteral("PunkteSchnitt"));
    putNumber(grid, r, PointsGrid::Vorsprung, statistik, QStringLiteral("PunkteDiv"));
    if (r == 1) {
      grid.setCell(r, PointsGrid::AenderungEigene, QString());
      grid.setCell(r, PointsGrid::AenderungSchnitt, QString());
    } else {
      putChange(grid, r, PointsGrid::Eigene, PointsGrid::AenderungEigene);
      putChange(grid, r, PointsGrid::Schnitt, PointsGrid::AenderungSchnitt);
    }
    putNumber(grid, r, PointsGrid::ParteiSilber, statistik, QStringLiteral("ParteiSilber"));
    putNumber(grid, r, PointsGrid::Personen, statistik, QStringLiteral("Personen"));

    statistik.next();
    // The party's rows end where another party, the region rows or the next
    // slot begin.
    if (statistik.eof() || statistik.intValue(kSpiel) != slot || statistik.intValue(kBreite) != ownPartyNumber ||
        statistik.value(kLaenge).toDouble() != kPartyRowMarker)
      break;
  }
  statistik.close();
  return true;
}

bool zeigePunkteStatistik(Database& db, int slot, int ownPartyNumber, PointsGrid& grid) {
  Table statistik(db, QStringLiteral("statistik"));
  return zeigePunkteStatistik(statistik, slot, ownPartyNumber, grid);
}
