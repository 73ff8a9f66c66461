#pragma once
// Text helpers shared by the configuration, status files and report reading.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <stdexcept>

namespace textutil {

// Strict decimal integer: optional leading blanks, optional sign, digits,
// nothing after them; must fit 32 bits.
std::optional<qint32> strictInt(QStringView text);

// "x/y" or "x/y/level" as the tables keep a unit's, building's or ship's
// region; level 0 when it has no third number. False when it is not such a text.
bool parsePosition(const QString& text, int* x, int* y, int* level);

// Decodes file bytes: a UTF-8 byte-order mark is skipped; valid UTF-8 is read
// as UTF-8, anything else as Windows-1252 (a superset of ISO-8859-1 for
// printable text).
QString decodeAuto(const QByteArray& bytes);
QString decodeWindows1252(QByteArrayView bytes);
bool isValidUtf8(QByteArrayView bytes);

// Splits on CR LF, LF and CR alike. A final line end does not make an extra
// empty line.
QStringList splitLines(const QString& text);

// Reads a whole text file into lines; std::nullopt when it cannot be opened.
std::optional<QStringList> readLines(const QString& path);

// Writes lines as UTF-8 with CR LF after every line, through a temporary file
// that replaces the target only when everything was written and flushed.
// Returns an empty text on success, else a German message naming the path.
QString writeLinesAtomic(const QString& path, const QStringList& lines);

// Joins a directory text and a relative name with "/"; a doubled separator
// and backslashes of an older installation are tolerated.
QString joinPath(const QString& dir, const QString& name);
// A directory text with "/" separators that ends with "/".
QString normalizeDirectory(const QString& dir);

}  // namespace textutil
