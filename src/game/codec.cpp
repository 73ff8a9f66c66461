#include "game/codec.h"

#include <cmath>
#include <cstdint>

namespace codec {

namespace {
constexpr char kEncoderDigits[] = "123456789abcdefghijkLmnopqrstuvwxyz";
constexpr char kDecoderDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
}  // namespace

QString Encode(qint32 n, int base) {
  QString s;
  if (base < 2 || base > 36) return s;
  // Worked on reals as the game's own tools do; exact for 32-bit values.
  double z = n;
  while (z > 0) {
    const double q = std::trunc(z / base);
    if (z / base > q) {
      const long d = std::lrint((z / base - q) * base);
      s.prepend(QChar(kEncoderDigits[d - 1]));
    } else {
      s.prepend(QChar('0'));
    }
    z = q;
  }
  return s;
}

qint32 Decode(const QString& text, int base) {
  const QString lower = text.toLower();
  if (lower.isEmpty()) return 0;
  // 32-bit wrap-around like the original integer arithmetic, done unsigned
  // so overflow is defined.
  std::uint32_t result = 0;
  std::uint32_t power = 1;
  for (qsizetype i = lower.size() - 1; i >= 0; --i) {
    const QChar c = lower.at(i);
    int v = -1;
    if (c.unicode() < 128) {
      const char* hit = nullptr;
      for (const char* p = kDecoderDigits; *p; ++p)
        if (*p == c.toLatin1()) { hit = p; break; }
      if (hit) v = int(hit - kDecoderDigits);
    }
    result += std::uint32_t(qint32(v)) * power;
    power *= std::uint32_t(base);
  }
  return qint32(result);
}

QString PerPerson(const QString& text, int k) {
  const qsizetype blank = text.indexOf(QLatin1Char(' '));
  if (blank <= 0 || k == 0) return text;
  bool ok = false;
  const qint64 n = text.left(blank).toLongLong(&ok);
  if (!ok) return text;
  const qint64 quotient = static_cast<qint64>(std::trunc(double(n) / double(k)));
  return QStringLiteral("[") + QString::number(quotient) + QStringLiteral("] ") + text.mid(blank + 1);
}

}  // namespace codec
