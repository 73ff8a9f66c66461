#pragma once
// The command editor without its window: the unit's lines of the order
// template, writing them back, the two mark boxes and the unit's Flags.
#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

#include "views/regionview.h"

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

// The lines the editor receives: the unit's header (a line whose text after
// leading blanks begins with the header key) and every line after it up to
// the next line whose first word is EINHEIT, REGION, NAECHSTER or PARTEI,
// without the empty lines right before that line (or before the end).
// Empty when the header is not in the template.
QStringList unitLines(const QStringList& templateLines, const QString& unitIdText);
// The index of the unit's first header line in the template; -1 when none.
int unitHeaderLine(const QStringList& templateLines, const QString& unitIdText);

// Whether the first word of `line` (after leading blanks) starts a new part
// of the template: EINHEIT, REGION, NAECHSTER or PARTEI.
bool startsSection(const QString& line);

// The orders of the editor's (or a file's) lines: without the unit's own
// header when it is the first line, without trailing empty lines. A line
// that would start a new part of the template is refused with a German
// message in `error`, since it would cut the unit's orders in two.
std::optional<QStringList> ordersOf(const QStringList& editorLines, const QString& unitIdText, QString* error);

// "Befehle ausführen": replaces the unit's orders (the lines after its
// header that unitLines finds, whatever happened elsewhere in the template
// meanwhile) by `orders`. Writing the same orders again gives the same
// template. Returns false when the header is not in the template (nothing
// changes then). A change marks the template unsaved.
bool writeBack(OrderTemplate& orders, const QString& unitIdText, const QStringList& newOrders);

// The unit's orders as the template holds them now (the lines after its
// header that writeBack would replace); std::nullopt without the header.
std::optional<QStringList> templateOrders(const QStringList& templateLines, const QString& unitIdText);
// Whether the template's orders of the unit are no longer those the editor
// opened with (typed in "Zugvorlage" meanwhile): writing back would drop
// them, so the player is asked first.
bool changedSinceOpened(const QStringList& templateLines, const QString& unitIdText, const QStringList& openedOrders);
// The question and its answers.
QString conflictQuestion(const QString& unitIdText);
QStringList conflictAnswers();  // take the template's lines, overwrite, cancel
enum ConflictAnswer { TakeTemplate = 0, Overwrite = 1, Cancel = 2 };

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
// markers (only on the unit's own lines when `entries` tells what each
// line stands for), and gives the colour of the region's square.
FlagResult setflags(ViewTables& tables, const GameSession& session, const QString& regionPosition,
                    const QString& unitIdText, Marks marks, QString& unflaggedUnits, QStringList& unitList,
                    const QVector<RegionView::ListEntry>* entries = nullptr);

}  // namespace commandeditor
