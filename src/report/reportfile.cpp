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

std::optional<QStringList> load(const QString& path, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = QStringLiteral("Die Datei %1 konnte nicht geöffnet werden: %2").arg(path, file.errorString());
    return std::nullopt;
  }
  return textutil::splitLines(decode(file.readAll()));
}

}  // namespace reportfile
