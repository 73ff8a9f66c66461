#include "report/reportlines.h"

namespace reportlines {

namespace {

// The blocks that stand at the top level of a report, next to REGION, and
// the parts of them that stand on their own line.
constexpr QLatin1StringView kTopLevelKeywords[] = {
    QLatin1StringView("TRANSLATION"), QLatin1StringView("ZAUBER"),      QLatin1StringView("KOMPONENTEN"),
    QLatin1StringView("TRANK"),       QLatin1StringView("ZUTATEN"),     QLatin1StringView("MESSAGETYPE"),
    QLatin1StringView("PARTEI"),      QLatin1StringView("BATTLE"),      QLatin1StringView("ALLIANZ"),
    QLatin1StringView("GRUPPE"),      QLatin1StringView("OPTIONEN"),    QLatin1StringView("VERSION"),
    QLatin1StringView("ISLAND"),      QLatin1StringView("COORDTRANS"),
};

bool isCapital(QChar c) { return c.unicode() >= 'A' && c.unicode() <= 'Z'; }

}  // namespace

QString unescape(QStringView text) {
  if (!text.contains(u'\\')) return text.toString();
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c == u'\\' && i + 1 < text.size() && (text.at(i + 1) == u'"' || text.at(i + 1) == u'\\')) {
      out += text.at(++i);
      continue;
    }
    out += c;
  }
  return out;
}

bool mayHoldKeyword(QStringView line) {
  const qsizetype n = line.size();
  const QChar* p = line.data();
  for (qsizetype i = 1; i < n; ++i)
    if (isCapital(p[i]) && isCapital(p[i - 1])) return true;
  return false;
}

bool isTopLevelBlock(QStringView line) {
  if (line.size() < 5 || !isCapital(line.front()) || !isCapital(line.at(1))) return false;
  for (const QLatin1StringView keyword : kTopLevelKeywords) {
    // The keyword alone, or followed by a blank and the block's numbers.
    if (line.startsWith(keyword) && (line.size() == keyword.size() || line.at(keyword.size()) == u' ')) return true;
  }
  return false;
}

bool endsSection(QStringView line, std::initializer_list<QLatin1StringView> stops) {
  if (isValue(line) || !mayHoldKeyword(line)) return false;
  if (isTopLevelBlock(line)) return true;
  for (const QLatin1StringView key : stops)
    if (contains(line, key)) return true;
  return false;
}

}  // namespace reportlines
