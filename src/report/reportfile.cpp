#include "report/reportfile.h"

#include <QFile>
#include <QStringDecoder>

#include "app/textutil.h"

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

namespace {

template <typename DecodeLine>
QStringList splitAndDecode(QByteArrayView bytes, DecodeLine decodeLine) {
  // CR and LF are single bytes in every charset a report declares.
  QStringList lines;
  const char* d = bytes.data();
  const qsizetype n = bytes.size();
  qsizetype start = 0;
  for (qsizetype i = 0; i < n; ++i) {
    const char c = d[i];
    if (c == '\n' || c == '\r') {
      lines << decodeLine(bytes.sliced(start, i - start));
      if (c == '\r' && i + 1 < n && d[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < n) lines << decodeLine(bytes.sliced(start));
  return lines;
}

}  // namespace

QStringList decodeLines(const QByteArray& bytes) {
  QByteArrayView view(bytes);
  if (view.startsWith("\xEF\xBB\xBF")) view = view.sliced(3);
  const QString charset = declaredCharset(bytes).toUpper();
  if (charset == QLatin1String("UTF-8") || charset == QLatin1String("UTF8"))
    return splitAndDecode(view, [](QByteArrayView line) { return QString::fromUtf8(line); });
  if (charset == QLatin1String("ISO-8859-1") || charset == QLatin1String("LATIN1"))
    return splitAndDecode(view, [](QByteArrayView line) { return QString::fromLatin1(line); });
  if (charset == QLatin1String("WINDOWS-1252") || charset == QLatin1String("CP1252"))
    return splitAndDecode(view, [](QByteArrayView line) { return textutil::decodeWindows1252(line); });
  // Without a charset the whole text decides between UTF-8 and Windows-1252:
  // one broken UTF-8 line makes every line Windows-1252. (No sequence is
  // valid across a line break, so line by line decides as the whole does.)
  bool broken = false;
  QStringList lines = splitAndDecode(view, [&](QByteArrayView line) {
    QString text = QString::fromUtf8(line);
    // A replacement character is a broken sequence, or one the line spells out.
    if (!broken && text.contains(QChar::ReplacementCharacter)) {
      QStringDecoder check(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
      const QString checked = check.decode(line);
      broken = check.hasError();
    }
    return text;
  });
  if (!broken) return lines;
  return splitAndDecode(view, [](QByteArrayView line) { return textutil::decodeWindows1252(line); });
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
