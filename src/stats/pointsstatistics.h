#pragma once
// The tab "Punkte Statistik": the own party's points, the average points,
// the lead, their changes, silver and persons, round by round.
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

class Database;
class Table;

// The content of StringGrid2: row 0 is the header, every cell a text.
class PointsGrid {
 public:
  static constexpr int kColumns = 8;
  static constexpr std::array<int, kColumns> kColumnWidths = {56, 71, 89, 83, 74, 75, 81, 64};
  enum Column { Datum, Eigene, Schnitt, Vorsprung, AenderungEigene, AenderungSchnitt, ParteiSilber, Personen };

  static const QStringList& headers();

  // As designed: two empty rows.
  PointsGrid();

  int rowCount() const { return int(rows_.size()); }
  // Grows with empty rows or drops the rows beyond `count`; the cells of
  // the rows kept stay as they are.
  void setRowCount(int count);
  QString cell(int row, int column) const;
  void setCell(int row, int column, const QString& text);
  const QList<QStringList>& rows() const { return rows_; }

 private:
  QList<QStringList> rows_;
};

// Fills the grid from the party rows of statistik (Spiel = slot,
// Breite = party, Länge = 5000) in round order. Returns false and leaves the
// grid as it was when the party has no row.
bool zeigePunkteStatistik(Table& statistik, int slot, int ownPartyNumber, PointsGrid& grid);
bool zeigePunkteStatistik(Database& db, int slot, int ownPartyNumber, PointsGrid& grid);
