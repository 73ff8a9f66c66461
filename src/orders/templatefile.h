#pragma once
// The order template file of a turn ("Zug-Spiel1-38-Juni.txt" in the program
// folder): its name, saving (explicit, automatic, save as) and loading, and
// the search step of the "Suchen" button.
#include <QString>
#include <QStringList>
#include <optional>

class FileTransaction;
class OrderTemplate;
struct GameSession;

namespace templatefile {

// The automatic save runs every five minutes.
inline constexpr int kAutosaveIntervalMs = 300000;

// "Zug-Spiel" + slot + "-" + year + "-" + first word of the date + ".txt".
// The year is the text from six characters after "Jahre" (the 6th
// character on when there is no "Jahre"); the first word is the text before
// the first blank, a trailing comma included (empty without a blank).
QString fileName(int slot, const QString& datum);
// The same name in the program folder.
QString filePath(const GameSession& game, const QString& datum);

// Writes the template to `path`, replacing it atomically. On success the
// unsaved flag is cleared and an empty text returned; on failure the flag
// is set (the file does not hold the text) and the German message names
// the path.
QString saveTo(OrderTemplate& orders, const QString& path);

// The template written into a temporary of `files` under the turn's file
// name, put in place with the other files of the transaction.
QString stage(FileTransaction& files, const OrderTemplate& orders, const GameSession& game, const QString& datum);

// "Zugvorlage Speichern": under the turn's file name.
QString save(OrderTemplate& orders, const GameSession& game, const QString& datum);

// The timer's save: only while there are unsaved changes. `wrote` tells
// whether a write was tried.
struct AutosaveOutcome {
  bool wrote = false;
  QString error;
};
bool autosaveDue(const OrderTemplate& orders);
AutosaveOutcome autosave(OrderTemplate& orders, const GameSession& game, const QString& datum);

// "Zugvorlage Speichern unter...": to the chosen file; an empty choice (the
// dialog was cancelled) writes nothing and keeps the flag. A failed write
// keeps the flag as it was, since the turn's own file is not touched.
QString saveAs(OrderTemplate& orders, const QString& chosenPath);

// Reads a template file into lines (UTF-8 or an older installation's
// ISO-8859-1); std::nullopt when it cannot be opened.
std::optional<QStringList> load(const QString& path);

// The search step of "Suchen": from just after the selection (from the
// start when nothing is selected) to the end, matching case exactly, no
// wrap-around. Returns the found position or -1; an empty search text
// finds nothing.
qsizetype findNext(const QString& text, const QString& searchText, qsizetype selectionStart,
                   qsizetype selectionLength);

}  // namespace templatefile
