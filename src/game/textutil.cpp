#include "game/textutil.h"

#include "game/filetransaction.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <limits>

namespace textutil {

std::optional<qint32> strictInt(QStringView text) {
  qsizetype i = 0;
  const qsizetype n = text.size();
  while (i < n && text[i] == QLatin1Char(' ')) ++i;
  bool negative = false;
  if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
    negative = text[i] == QLatin1Char('-');
    ++i;
  }
  if (i == n) return std::nullopt;
  qint64 value = 0;
  for (; i < n; ++i) {
    const char16_t c = text[i].unicode();
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + (c - u'0');
    if (value > qint64(std::numeric_limits<qint32>::max()) + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<qint32>::max() || value < std::numeric_limits<qint32>::min()) return std::nullopt;
  return qint32(value);
}

bool isValidUtf8(QByteArrayView bytes) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  (void)decoder.decode(bytes);
  return !decoder.hasError();
}

QString decodeWindows1252(QByteArrayView bytes) {
  // The 0x80..0x9F range differs from ISO-8859-1; undefined bytes map to
  // themselves as Latin-1 does.
  static const char16_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  QString out(bytes.size(), Qt::Uninitialized);
  QChar* d = out.data();
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    d[i] = (c >= 0x80 && c < 0xA0) ? QChar(high[c - 0x80]) : QChar(c);
  }
  return out;
}

QString decodeAuto(const QByteArray& bytes) {
  QByteArrayView view(bytes);
  if (view.startsWith("\xEF\xBB\xBF")) view = view.sliced(3);
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = decoder.decode(view);
  if (!decoder.hasError()) return text;
  return decodeWindows1252(view);
}

QStringList splitLines(const QString& text) {
  QStringList lines;
  qsizetype start = 0;
  const qsizetype n = text.size();
  const QChar* d = text.constData();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = d[i];
    if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
      lines << text.mid(start, i - start);
      if (c == QLatin1Char('\r') && i + 1 < n && d[i + 1] == QLatin1Char('\n')) ++i;
      start = i + 1;
    }
  }
  if (start < n) lines << text.mid(start);
  return lines;
}

std::optional<QStringList> readLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return splitLines(decodeAuto(file.readAll()));
}

QString writeLinesAtomic(const QString& path, const QStringList& lines) { return safefile::writeLines(path, lines); }

QString normalizeDirectory(const QString& dir) {
  QString d = dir;
  d.replace(QLatin1Char('\\'), QLatin1Char('/'));
  if (!d.isEmpty() && !d.endsWith(QLatin1Char('/'))) d += QLatin1Char('/');
  return d;
}

QString joinPath(const QString& dir, const QString& name) {
  QString d = dir;
  d.replace(QLatin1Char('\\'), QLatin1Char('/'));
  QString n = name;
  n.replace(QLatin1Char('\\'), QLatin1Char('/'));
  while (d.endsWith(QLatin1Char('/')) && d.size() > 1) d.chop(1);
  while (n.startsWith(QLatin1Char('/'))) n.remove(0, 1);
  if (d.isEmpty()) return n;
  if (d == QStringLiteral("/")) return d + n;
  return d + QLatin1Char('/') + n;
}

bool parsePosition(const QString& text, int* x, int* y, int* level) {
  const QStringList parts = text.trimmed().split(QLatin1Char('/'));
  if (parts.size() < 2 || parts.size() > 3) return false;
  int values[3] = {0, 0, 0};
  for (int i = 0; i < parts.size(); ++i) {
    const std::optional<qint32> v = textutil::strictInt(parts.at(i).trimmed());
    if (!v) return false;
    values[i] = *v;
  }
  *x = values[0];
  *y = values[1];
  *level = values[2];
  return true;
}

}  // namespace textutil
