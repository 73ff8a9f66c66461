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

  // CR and LF are single bytes in every charset a report may have.
  const char* d = view.data();
  const qsizetype n = view.size();
  if (n > qsizetype(std::numeric_limits<quint32>::max())) throw std::length_error("report larger than 4 GB");
  // memchr finds the line ends many bytes at a time; a CR standing before
  // the LF is looked for within the line only.
  text.lines.reserve(size_t(n / 24 + 16));
  qsizetype start = 0;
  while (start < n) {
    const void* lf = std::memchr(d + start, '\n', size_t(n - start));
    const qsizetype stop = lf ? static_cast<const char*>(lf) - d : n;
    bool crBeforeLf = false;
    while (const void* cr = std::memchr(d + start, '\r', size_t(stop - start))) {
      const qsizetype at = static_cast<const char*>(cr) - d;
      text.lines.push_back({quint32(start), quint32(at - start)});
      crBeforeLf = at + 1 == stop;
      start = at + 1;
    }
    if (!lf) {
      if (start < n) text.lines.push_back({quint32(start), quint32(n - start)});
      break;
    }
    // A CR LF ends one line, not two.
    if (!crBeforeLf) text.lines.push_back({quint32(start), quint32(stop - start)});
    start = stop + 1;
  }
  return text;
}

QString decodeLine(const ReportText& text, qsizetype index) {
  const LineSpan span = text.lines[size_t(index)];
  const QByteArrayView bytes = text.bytes.sliced(span.start, span.length);
  switch (text.charset) {
    case LineCharset::Utf8: return QString::fromUtf8(bytes);
    case LineCharset::Latin1: return QString::fromLatin1(bytes);
    case LineCharset::Windows1252: return textutil::decodeWindows1252(bytes);
  }
  return QString();
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
