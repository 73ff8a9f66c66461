#include "military/reportgrid.h"

#include <algorithm>
#include <vector>

#include "game/textutil.h"

namespace reportgrid {

QStringList Row::cells(int columns) const {
  QStringList out;
  out.reserve(columns);
  for (int i = 0; i < columns; ++i) out << cell(i).toString();
  return out;
}

void Row::beginValue() {
  if (count_ >= kMaxValues) return;
  if (count_ > 0) {
    // "*n;" without a formatted text: thousands of lines per report.
    line_ += QLatin1Char('*');
    if (count_ >= 10) line_ += QLatin1Char(char('0' + count_ / 10));
    line_ += QLatin1Char(char('0' + count_ % 10));
    line_ += QLatin1Char(';');
  }
  spans_[count_] = {int(line_.size()), 0};
}

void Row::add(QStringView value) {
  if (count_ >= kMaxValues) return;
  if (line_.isEmpty() && count_ == 0) line_.reserve(96);
  beginValue();
  line_ += value;
  spans_[count_].second = int(value.size());
  ++count_;
}

void Row::addNumber(qint64 n) {
  char16_t digits[24];
  int at = 24;
  const bool negative = n < 0;
  quint64 u = negative ? quint64(0) - quint64(n) : quint64(n);
  do {
    digits[--at] = char16_t(u'0' + u % 10);
    u /= 10;
  } while (u > 0);
  if (negative) digits[--at] = u'-';
  add(QStringView(digits + at, 24 - at));
}

namespace {
// Case folding with a fast path for the plain ASCII that positions, numbers
// and most names consist of.
QString folded(const QString& text) {
  QString out(text.size(), Qt::Uninitialized);
  QChar* to = out.data();
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    *to++ = u < 128 ? QChar(u >= 'A' && u <= 'Z' ? char16_t(u + 32) : u) : c.toCaseFolded();
  }
  return out;
}
}  // namespace

void sortRows(QList<Row>& rows) {
  // Folding each line once is much cheaper than folding on every compare.
  struct Keyed {
    QString key;
    qsizetype index;
  };
  std::vector<Keyed> keyed;
  keyed.reserve(size_t(rows.size()));
  for (qsizetype i = 0; i < rows.size(); ++i) keyed.push_back({folded(rows.at(i).line()), i});
  std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
  QList<Row> sorted;
  sorted.reserve(rows.size());
  for (const Keyed& k : keyed) sorted.append(std::move(rows[k.index]));
  rows = std::move(sorted);
}

std::optional<qint32> wholeNumber(const QString& text, const QString& fieldName, QString* error) {
  const std::optional<qint32> n = textutil::strictInt(text.trimmed());
  if (!n && error) {
    *error = text.trimmed().isEmpty()
                 ? QStringLiteral("Das Feld „%1“ ist leer; es braucht eine ganze Zahl.").arg(fieldName)
                 : QStringLiteral("Das Feld „%1“ enthält „%2“, das ist keine ganze Zahl.").arg(fieldName, text);
  }
  return n;
}

std::optional<QVariant> partyCondition(const QString& partyNumber, QString* error) {
  if (partyNumber.trimmed() == QLatin1String("-2")) return QVariant();
  const auto n = wholeNumber(partyNumber, QStringLiteral("Partei Nr"), error);
  if (!n) return std::nullopt;
  return QVariant(*n);
}

}  // namespace reportgrid
