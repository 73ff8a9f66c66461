#pragma once
// Loading a report file into lines of Unicode text.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace reportfile {

// The charset a report names in its header ("UTF-8", "ISO-8859-1"), or empty.
QString declaredCharset(const QByteArray& bytes);

// Decodes by the declared charset; without one, UTF-8 when the bytes are
// valid UTF-8, else Windows-1252. A byte-order mark is dropped.
QString decode(const QByteArray& bytes);

// A report's bytes split into lines, with the charset every line is decoded
// with. Lines end at LF or CR LF; a file without any LF ends them at CR. A
// CR inside a line is dropped when it is decoded, and blanks and tabs at a
// line's end are no part of it.
enum class LineCharset { Utf8, Latin1, Windows1252 };
// 32-bit offsets: a large report has millions of lines, and a span costs
// half as much so; a report beyond 4 GB is refused as too large.
struct LineSpan {
  quint32 start = 0;
  quint32 length = 0;
};
struct ReportText {
  QByteArrayView bytes;  // without a byte-order mark; points into the bytes split
  LineCharset charset = LineCharset::Utf8;
  std::vector<LineSpan> lines;
  bool innerCr = false;  // some line holds a CR that does not end it
};
ReportText splitReport(const QByteArray& bytes);
QString decodeLine(const ReportText& text, qsizetype index);

// All lines of the report, split and decoded as above.
QStringList decodeLines(const QByteArray& bytes);

// The report's lines; std::nullopt when the file cannot be read.
std::optional<QStringList> load(const QString& path, QString* error);

}  // namespace reportfile
