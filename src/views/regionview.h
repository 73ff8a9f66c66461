#pragma once
// What the pages "Region Info", "Einheiten" and "Statistik" show of one
// region: computed from the tables without any widget.
#include "views/unitview.h"
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

struct GameSession;
struct ViewTables;

// The check boxes under the unit list.
struct RegionFilters {
  bool alle = true;             // "Alle": every party, else own units only
  bool nurAktuelleInfo = true;  // "Nur aktuelle Info": rows of the current round only
};

struct RegionTreeNode {
  QString text;          // "Name (nr)" or "unbekannt (nr)"
  QStringList children;  // "Silber:350", "Personen:12", ...
};

struct RegionView {
  int x = 0;
  int y = 0;
  int level = 0;
  bool found = false;             // the region has a row
  QString panelText;              // title above the small map
  QString shownX, shownY;
  QString regionPosition;         // position text the units were looked up by
  QVector<QPair<QString, QVariant>> row;  // the region row, field by field (found only)
  QString steine = QStringLiteral("0");        // "Steine"
  QString schoesslinge = QStringLiteral("0");  // "Schößl."
  QString ownSilver = QStringLiteral("0");     // "eigenes Silber"
  QString ownPeople = QStringLiteral("0");     // "eigene Leute"
  QVector<RegionTreeNode> possessions;         // "Besitztümer"
  int ownPartyNode = -1;                       // expanded node, -1 when none
  QStringList guards;                          // "Regionsbewacher"
  QStringList surroundings;                    // "Regionsumgebung"
  QStringList unitList;                        // ListBox3
  // What each line of unitList stands for, line by line; a line's text is
  // never parsed back (a name may hold parentheses).
  struct ListEntry {
    unitview::EntryKind kind = unitview::EntryKind::Unit;
    qint32 number = 0;
    bool operator==(const ListEntry&) const = default;
  };
  QVector<ListEntry> unitEntries;
  int buildingSectionEnd = 0;
  int shipSectionEnd = 0;
  QString unflaggedUnits = QStringLiteral("*");  // own units without a mark
  QVector<QStringList> history;                  // header row first; empty when none
};

// Shows the hex (x, y) of the current level: the region row, its buildings,
// ships and units in the list layout, the possessions and guards of the
// region and its statistics history. Sets shownX and shownY of the session.
RegionView getSekKoo(ViewTables& tables, GameSession& session, int x, int y, const RegionFilters& filters);

namespace regionview {

// The markers of a unit line under a building or ship and elsewhere.
inline constexpr const char* kIndentStar = "      *       ";
inline constexpr const char* kIndentV = "      V       ";
inline constexpr const char* kIndentNone = "              ";
inline constexpr const char* kStar = " *  ";
inline constexpr const char* kV = " V  ";
inline constexpr const char* kNone = "    ";

// "Keine Informationen über Region" or "Name  x/y".
QString noRegionText();

// The headers of the history grid.
QStringList historyHeader();

// Everything the region page shows, as text lines (the headless tool).
QStringList describe(const RegionView& view);

}  // namespace regionview
