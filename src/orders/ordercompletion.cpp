#include "orders/ordercompletion.h"

#include "orders/checkeroutput.h"
#include "orders/orderparse.h"

namespace ordercompletion {

namespace {

using orderparse::fold;

QList<Candidate> plain(const QStringList& names) {
  QList<Candidate> out;
  for (const QString& n : names) out << Candidate{n.contains(QLatin1Char(' ')) ? QLatin1Char('"') + n + QLatin1Char('"') : n, n};
  return out;
}

QList<Candidate> unitCandidates(const QList<ordersknowledge::UnitEntry>& units) {
  QList<Candidate> out;
  for (const auto& u : units) out << Candidate{u.id, u.id + QStringLiteral(" – ") + u.name};
  return out;
}

bool isNumber(const QString& s) {
  bool ok = false;
  s.toInt(&ok);
  return ok || fold(s) == QLatin1String("ALLES");
}

// The candidates for argument `index` (from 0) after the keyword `key`,
// given the arguments before it.
QList<Candidate> forArgument(const QString& key, const QStringList& args, int index, const orderscheck::Knowledge& k,
                             const QList<ordersknowledge::UnitEntry>& units) {
  const QString canonical = fold(key);
  auto is = [&](const char* word) { return canonical.startsWith(QLatin1String(word)); };
  if (is("LERN") || is("VERGISS") || is("VERGESS")) {
    if (index == 0 || (index == 1 && fold(args.value(0)) == QLatin1String("AUTO"))) return plain(k.skills);
    return {};
  }
  if (canonical == QLatin1String("NACH") || canonical == QLatin1String("ROUTE")) return plain(orderscheck::directions());
  if (is("LEHRE")) return unitCandidates(units);
  if (is("ATTACKIERE") || is("KONTAKTIERE")) return index == 0 ? unitCandidates(units) : QList<Candidate>();
  if (is("FOLGE")) return index == 1 && fold(args.value(0)) == QLatin1String("EINHEIT") ? unitCandidates(units) : QList<Candidate>();
  if (canonical == QLatin1String("GIB")) {
    if (index == 0) return unitCandidates(units);
    const int unitWords = fold(args.value(0)) == QLatin1String("TEMP") ? 2 : 1;
    if (index == unitWords + 1 && isNumber(args.value(unitWords))) return plain(k.items);
    return {};
  }
  if (is("RESERVIER")) return index == 1 && isNumber(args.value(0)) ? plain(k.items) : QList<Candidate>();
  if (is("KAUF") || is("VERKAUF")) return index == 1 && isNumber(args.value(0)) ? plain(k.luxuries) : QList<Candidate>();
  if (is("MACHE")) {
    if (index == 0 || (index == 1 && isNumber(args.value(0)))) return plain(k.items);
    return {};
  }
  return {};
}

}  // namespace

Offer offerAt(const QString& before, const orderscheck::Knowledge& names,
              const QList<ordersknowledge::UnitEntry>& units) {
  Offer offer;
  const orderparse::Line l = orderparse::parseLine(before);
  if (l.kind == orderparse::LineKind::Comment || l.kind == orderparse::LineKind::CommentOrder ||
      l.commentStart >= 0 || l.unclosedQuote)
    return offer;
  QStringList words;
  for (const auto& t : l.tokens) words << t.text;
  const bool midWord = !before.isEmpty() && !before.back().isSpace() && !l.tokens.isEmpty();
  if (midWord) {
    offer.prefixStart = l.tokens.last().start;
    offer.prefix = words.takeLast();
  } else {
    offer.prefixStart = int(before.size());
  }
  if (words.isEmpty()) {
    if (l.kind == orderparse::LineKind::Frame && !midWord) return offer;
    offer.candidates = plain(orderscheck::keywords());
  } else if (l.kind == orderparse::LineKind::Order) {
    const QString key = words.takeFirst();
    offer.candidates = forArgument(key, words, int(words.size()), names, units);
  }
  // Only what fits the word typed so far.
  if (!offer.prefix.isEmpty()) {
    const QString f = fold(offer.prefix);
    QList<Candidate> fitting;
    for (const Candidate& c : offer.candidates)
      if (fold(c.text).startsWith(f) || fold(c.label).startsWith(f)) fitting << c;
    offer.candidates = fitting;
  }
  return offer;
}

bool opensAfterBlank(const QString& before, const orderscheck::Knowledge& names,
                     const QList<ordersknowledge::UnitEntry>& units) {
  if (before.trimmed().isEmpty()) return false;
  return !offerAt(before, names, units).candidates.isEmpty();
}

QList<ordersknowledge::UnitEntry> unitsAtLine(const QStringList& lines, int line,
                                              const ordersknowledge::GameKnowledge& known) {
  int x = 0, y = 0, z = 0;
  if (!checkeroutput::regionOfLine(lines, line + 1, &x, &y, &z)) return {};
  return known.unitsByPosition.value(ordersknowledge::positionText(x, y, z));
}

}  // namespace ordercompletion
