#pragma once
// The question before a report of a version outside 34 to 45, and the
// player's "Nicht mehr fragen": a slot remembers the newest version agreed
// to in a small file of the program folder, and reports of a newer format
// up to that version are read without asking again.
#include <QString>

struct GameSession;
struct ImportCallbacks;

namespace versionquestion {

// The player's answer to the question with its check box.
struct Answer {
  bool yes = false;
  bool dontAskAgain = false;
};

QString checkBoxText();  // "Nicht mehr fragen"

// "cr-version-<slot>.txt" in the program folder.
QString rememberedPath(const GameSession& session);
// The version the slot remembers; 0 when none (or the file is unreadable).
int rememberedVersion(const GameSession& session);
// Writes `version` for the slot; an error text, empty on success.
QString remember(const GameSession& session, int version);

// True when the report may be read: the version is read without question,
// or is remembered for the slot, or the player says "Ja". A "Ja" with the
// box ticked is remembered; a failure to write it is told, and the report
// is still read.
bool mayRead(const GameSession& session, int version, const ImportCallbacks& callbacks);

}  // namespace versionquestion
