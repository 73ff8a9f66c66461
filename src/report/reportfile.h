#pragma once
// Loading a report file into lines of Unicode text.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace reportfile {

// The charset a report names in its header ("UTF-8", "ISO-8859-1"), or empty.
QString declaredCharset(const QByteArray& bytes);

// Decodes by the declared charset; without one, UTF-8 when the bytes are
// valid UTF-8, else Windows-1252. A byte-order mark is dropped.
QString decode(const QByteArray& bytes);

// decode() split into lines at CR, LF and CR LF. The bytes are split first
// and each line decoded on its own, which spares a large report the copy of
// its whole text.
QStringList decodeLines(const QByteArray& bytes);

// The report's lines; std::nullopt when the file cannot be read.
std::optional<QStringList> load(const QString& path, QString* error);

}  // namespace reportfile
