#pragma once
// Cleaning old unit rows out of a slot: the rows are classed by how many
// rounds ago they were last seen, the player's own units that no longer
// appear are listed, and the rows of one chosen class can be deleted.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class Database;
struct GameSession;

namespace cleanup {

// In the order the rows are tested; a row falls into the first that fits.
enum class UnitClass { Current, OwnVanished, Older1to6, Older6to24, Older24to36, Older36 };
constexpr int kClassCount = 6;

// Captions beside the counters, and the names the headless tool takes.
QString caption(UnitClass c);
QString optionName(UnitClass c);
std::optional<UnitClass> classByOptionName(const QString& name);

// Rounds between two round codes (year × 100 + month), counted in months so
// that a year change does not count as 89 rounds.
int roundsBetween(qint32 newerCode, qint32 olderCode);
// The round code one round before `code`, counted the same way (4101 gives 4012).
qint32 previousRoundCode(qint32 code);

// The class of a row last seen in `seenCode`, or nullopt for a row from a
// round after the current one.
std::optional<UnitClass> classify(qint32 seenCode, qint32 currentCode, qint32 partyNumber, qint32 ownParty);

struct Context {
  int slot = 1;
  qint32 currentRound = 0;  // round code of the newest report
  qint32 ownParty = 0;
  bool molvanth = true;     // unit numbers in base 36, else decimal
  int idBase = 36;

  static Context of(const GameSession& session);
};

struct Result {
  std::array<int, kClassCount> counters{};  // rows that remain, per class
  int rows = 0;            // rows of the slot before deleting
  int deleted = 0;
  QStringList listing;     // own vanished units, appended to what is shown
  QString error;           // empty on success; then nothing was deleted
  bool ok() const { return error.isEmpty(); }
  int counter(UnitClass c) const { return counters[size_t(c)]; }
  int sum() const;
};

// Counts the slot's unit rows by class and lists the own vanished units.
// With `deleteClass` the rows of that class are deleted in one transaction
// (not the current round's: that class cannot be chosen).
Result run(Database& db, const Context& context, std::optional<UnitClass> deleteClass = std::nullopt);

}  // namespace cleanup
