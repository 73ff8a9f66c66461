#pragma once
// What the page "Einheiten" shows of a chosen list entry: a unit with its
// party, messages, items, skills and description, or the description of a
// building or ship. Computed from the tables without any widget.
#include <QString>
#include <QStringList>
#include <optional>

struct GameSession;
struct ReportPages;
struct ViewTables;

namespace unitview {

enum class EntryKind { Unit, Building, Ship };

// "-Burg..." is a building, "-Schi..." a ship, anything else a unit.
EntryKind entryKind(const QString& entry);

// The number an entry carries: units always in base 36, buildings and ships
// in the game's notation (decimal in Quarnel, where a bad number fails with
// a German message in `error`).
std::optional<qint32> entryNumber(const QString& entry, const GameSession& session, QString* error);

// Lines of a star list ("*a*b*" gives "a", "b" and an empty line).
QStringList splitStarList(const QString& text);

// Height and top of the detail tabs: higher while one of them is shown.
struct DetailsLayout {
  int height;
  int top;
};
DetailsLayout detailsLayout(bool messagesShown, bool descriptionShown);

inline constexpr const char* kNoDescription = "Keine Beschreibung";

}  // namespace unitview

struct UnitView {
  bool found = false;       // false: no such unit, nothing changes
  qint32 number = 0;
  QString position;
  QString name;             // Einheit Name
  QString partyNumberText;  // Edit29 (" ---- " for -1)
  QString partyName;        // Partei Name of the faction table
  QString flags;
  QStringList messages;     // Memo9: report lines naming the unit
  bool disguiseEnabled = false;
  std::optional<bool> disguiseChecked;  // none: the box keeps its state
  QStringList items;        // Memo2
  QStringList skills;       // Memo3
  QString description;      // Einheit Beschreibung
};

// The unit `number` at `regionPosition`, as the unit page shows it.
UnitView showUnit(ViewTables& tables, const GameSession& session, const ReportPages& pages,
                  const QString& regionPosition, qint32 number);

// Where a unit of the slot stands; none when the slot has no such unit.
std::optional<QString> unitPosition(ViewTables& tables, const GameSession& session, qint32 number);

struct StructureView {
  bool found = false;
  qint32 number = 0;
  QString description;  // the stored text, or "Keine Beschreibung"
};

// The description of a building or ship of the slot.
StructureView showStructure(ViewTables& tables, const GameSession& session, unitview::EntryKind kind, qint32 number);

namespace unitview {
// The unit view as text lines (the headless tool).
QStringList describe(const UnitView& view);
}  // namespace unitview
