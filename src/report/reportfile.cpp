#include "report/reportfile.h"

#include <QFile>
#include <QStringDecoder>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "game/textutil.h"

namespace reportfile {

QString declaredCharset(const QByteArray& bytes) {
  // The charset line stands among the first header lines: "UTF-8";charset
  const QByteArrayView head = QByteArrayView(bytes).first(std::min<qsizetype>(bytes.size(), 4096));
  const qsizetype key = head.indexOf("\";charset");
  if (key < 0) return QString();
  qsizetype start = key;
  while (start > 0 && head[start - 1] != '\n' && head[start - 1] != '\r') --start;
  if (start >= key || head[start] != '"') return QString();
  return QString::fromLatin1(head.sliced(start + 1, key - start - 1)).trimmed();
}

QString decode(const QByteArray& bytes) {
  QByteArrayView view(bytes);
  if (view.startsWith("\xEF\xBB\xBF")) view = view.sliced(3);
  const QString charset = declaredCharset(bytes).toUpper();
  if (charset == QLatin1String("UTF-8") || charset == QLatin1String("UTF8")) return QString::fromUtf8(view);
  if (charset == QLatin1String("ISO-8859-1") || charset == QLatin1String("LATIN1"))
    return QString::fromLatin1(view);
  if (charset == QLatin1String("WINDOWS-1252") || charset == QLatin1String("CP1252"))
    return textutil::decodeWindows1252(view);
  return textutil::decodeAuto(QByteArray(view.data(), view.size()));
}

ReportText splitReport(const QByteArray& bytes) {
  ReportText text;
  QByteArrayView view(bytes);
  if (view.startsWith("\xEF\xBB\xBF")) view = view.sliced(3);
  text.bytes = view;
  const QString charset = declaredCharset(bytes).toUpper();
  if (charset == QLatin1String("UTF-8") || charset == QLatin1String("UTF8"))
    text.charset = LineCharset::Utf8;
  else if (charset == QLatin1String("ISO-8859-1") || charset == QLatin1String("LATIN1"))
    text.charset = LineCharset::Latin1;
  else if (charset == QLatin1String("WINDOWS-1252") || charset == QLatin1String("CP1252"))
    text.charset = LineCharset::Windows1252;
  else
    // Without a charset the whole text decides between UTF-8 and Windows-1252.
    text.charset = view.isValidUtf8() ? LineCharset::Utf8 : LineCharset::Windows1252;

  // CR, LF, blank and tab are single bytes in every charset a report may have.
  const char* d = view.data();
  const qsizetype n = view.size();
  if (n > qsizetype(std::numeric_limits<quint32>::max())) throw std::length_error("report larger than 4 GB");
  const bool anyCr = n > 0 && std::memchr(d, '\r', size_t(n));
  // Lines end at LF (a CR before it goes with it); a CR elsewhere is a
  // character the server kept inside a value. Only a file without a single
  // LF ends its lines with CR alone.
  const bool crOnly = anyCr && !std::memchr(d, '\n', size_t(n));
  const char lineEnd = crOnly ? '\r' : '\n';
  // memchr finds the line ends many bytes at a time. Room for lines of 12
  // bytes on average: a large report's lines are shorter than 16, and
  // growing the list would copy it; room never used is never touched.
  text.lines.reserve(size_t(n / 12 + 16));
  qsizetype start = 0;
  while (start < n) {
    const void* found = std::memchr(d + start, lineEnd, size_t(n - start));
    const qsizetype stop = found ? static_cast<const char*>(found) - d : n;
    // Blanks and tabs after a line's last value are no part of it, nor is
    // the CR of a CR LF.
    qsizetype end = stop;
    while (end > start && (d[end - 1] == ' ' || d[end - 1] == '\t' || d[end - 1] == '\r')) --end;
    text.lines.push_back({quint32(start), quint32(end - start)});
    if (anyCr && !crOnly && !text.innerCr && std::memchr(d + start, '\r', size_t(end - start))) text.innerCr = true;
    if (!found) break;
    start = stop + 1;
  }
  return text;
}

namespace {

// Whether every byte is below 0x80, tested eight at a time.
bool isAscii(QByteArrayView bytes) {
  const char* p = bytes.data();
  qsizetype n = bytes.size();
  quint64 bits = 0;
  for (; n >= 8; p += 8, n -= 8) {
    quint64 word;
    std::memcpy(&word, p, 8);
    bits |= word;
  }
  for (; n > 0; ++p, --n) bits |= quint64(uchar(*p));
  return (bits & 0x8080808080808080ULL) == 0;
}

}  // namespace

QString decodeLine(const ReportText& text, qsizetype index) {
  const LineSpan span = text.lines[size_t(index)];
  const QByteArrayView bytes = text.bytes.sliced(span.start, span.length);
  QString line;
  // Most lines are plain ASCII, the same in every charset a report may
  // have; widening them costs less than decoding UTF-8.
  if (!bytes.isEmpty() && isAscii(bytes)) {
    line = QString::fromLatin1(bytes);
  } else {
    switch (text.charset) {
      case LineCharset::Utf8: line = QString::fromUtf8(bytes); break;
      case LineCharset::Latin1: line = QString::fromLatin1(bytes); break;
      case LineCharset::Windows1252: line = textutil::decodeWindows1252(bytes); break;
    }
  }
  // A CR inside a line is dropped: it would cut an order or a name short.
  if (text.innerCr && bytes.contains('\r')) line.remove(QLatin1Char('\r'));
  return line;
}

QStringList decodeLines(const QByteArray& bytes) {
  const ReportText text = splitReport(bytes);
  QStringList lines;
  lines.reserve(qsizetype(text.lines.size()));
  for (qsizetype i = 0; i < qsizetype(text.lines.size()); ++i) lines << decodeLine(text, i);
  return lines;
}

std::optional<QStringList> load(const QString& path, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = QStringLiteral("Die Datei %1 konnte nicht geöffnet werden: %2").arg(path, file.errorString());
    return std::nullopt;
  }
  return decodeLines(file.readAll());
}

}  // namespace reportfile
