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

// The timer's save: only while there are unsaved changes, and never over a
// file another program changed since it was loaded or saved. `wrote` tells
// whether a write was tried.
struct AutosaveOutcome {
  bool wrote = false;
  QString error;
  QString skipped;  // why a due save was left out (the file changed on disk)
};
bool autosaveDue(const OrderTemplate& orders);
AutosaveOutcome autosave(OrderTemplate& orders, const GameSession& game, const QString& datum);

// "Zugvorlage Speichern unter...": to the chosen file; an empty choice (the
// dialog was cancelled) writes nothing and keeps the flag. A failed write
// keeps the flag as it was, since the turn's own file is not touched.
QString saveAs(OrderTemplate& orders, const QString& chosenPath);

// Keeping a template that is about to be replaced: the kept name carries
// the round code of the template it holds before ".txt"
// ("Zug-Spiel1-6-Schneebann,-4101.txt"; "-alt" when its round is not
// known), with "-2", "-3", ... when that name holds other lines already.
QString keptName(const QString& path, qint32 heldRound, int copy = 1);
struct Kept {
  QString path;   // where the old template went; empty when nothing was kept
  QString error;  // German message when it could not be kept
};
// Before the file at `path` is replaced by `newLines`: copies it to the
// kept name of `heldRound` (0: not known) unless it is missing, holds the
// same lines, or the same lines were kept under that round already.
Kept keepBeforeReplacing(const QString& path, qint32 heldRound, const QStringList& newLines);
// The status bar or output line that says where the old template went.
QString keptMessage(const Kept& kept);

// Notes what the file at `path` holds now as the template's own file.
void rememberDisk(OrderTemplate& orders, const QString& path);
// Whether the file at `path` differs from what this program last loaded or
// saved there (another program wrote it meanwhile); a missing file has not.
bool changedOnDisk(const OrderTemplate& orders, const QString& path);
// Loads the file at `path` as the template (saved, stamp noted); returns a
// German message when it cannot be read.
QString reloadFromDisk(OrderTemplate& orders, const QString& path);
QString changedOnDiskMessage(const QString& path);

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
