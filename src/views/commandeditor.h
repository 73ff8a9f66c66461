#pragma once
// The command editor without its window: the unit's lines of the order
// template, writing them back, the two mark boxes and the unit's Flags.
#include <QColor>
#include <QString>
#include <QStringList>

class OrderTemplate;
struct GameSession;
struct ViewTables;

namespace commandeditor {

// "Markierung" and "lange Markierung". Changing one box unchecks the other,
// and that change runs the other box's rule in turn.
struct Marks {
  bool mark = false;
  bool longMark = false;
  void setMark(bool on);
  void setLongMark(bool on);
};

// The boxes as the editor opens on a unit with these Flags, from the boxes'
// state before.
Marks marksFromFlags(const QString& flags, Marks before);

// The editor opens only for a unit whose party text (Edit29) is the own
// party number, in decimal or in base 36.
bool isOwnParty(const QString& partyText, const GameSession& session);

// "EINHEIT " + number + ";": the unit's header in the template.
QString headerKey(const QString& unitIdText);

// The lines the editor receives: from the unit's header up to the next
// line with "EINHEIT" or "REGION", an empty line or the end (for every
// header of the unit). Empty when the header is not in the template.
QStringList unitLines(const QStringList& templateLines, const QString& unitIdText);
// The index of the unit's first header line in the template; -1 when none.
int unitHeaderLine(const QStringList& templateLines, const QString& unitIdText);

// "Befehle ausführen": replaces the orders after the unit's header by the
// editor's lines from the second one on. At most `editorLineCount` - 1 lines
// are replaced, and never more than the unit's own lines. Returns the new
// line count (the editor's), or `editorLineCount` when the header is
// missing. A change marks the template unsaved.
int writeBack(OrderTemplate& orders, const QString& unitIdText, int editorLineCount, const QStringList& editorLines);

// Flags after storing a mark ("", "x" or "X").
QString flagsWithMark(const QString& flags, const QString& mark);

// The result of storing the marks: whether the unit was found, its Flags,
// and the square of the region to colour.
struct FlagResult {
  bool unitFound = false;
  QString flags;
  int x = 0;
  int y = 0;
  QColor colour;
};

inline const QColor kAllMarked = QColor(0x00, 0xFF, 0x00);   // lime green
inline const QColor kSomeUnmarked = QColor(0xFF, 0x00, 0xFF);  // fuchsia

// Stores the boxes' mark in the unit `unitIdText` (identifier notation) at
// `regionPosition`, updates the list of unmarked own units and the list
// markers, and gives the colour of the region's square.
FlagResult setflags(ViewTables& tables, const GameSession& session, const QString& regionPosition,
                    const QString& unitIdText, Marks marks, QString& unflaggedUnits, QStringList& unitList);

}  // namespace commandeditor
