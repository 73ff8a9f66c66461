// The income of the round from the lines of the page "Einkommen".
#include "game/gamesession.h"
#include "report/reportpages.h"
#include "stats/amountcut.h"
#include "stats/summaries.h"

namespace summaries {

namespace {

using detail::amountAfter;
using detail::currentLineText;
using detail::cutAmount;

// The text after the line's first ")": the unit's number and name are cut
// off so that the region's coordinates come next.
QStringView afterFirstParen(QStringView line) { return line.sliced(line.indexOf(u')') + 1); }

// The amount after the first ")" of `r`: from the second character after it
// up to `back` characters before `endKey`.
std::optional<qint32> afterCoordinates(QStringView r, QStringView endKey, int back) {
  return cutAmount(r, r.indexOf(u')') + 2, endKey, back);
}

// The number that ends the text before the first `key`: "29" in "in Ort
// (1,2) 29 statt 60".
std::optional<qint32> wordBefore(QStringView line, QStringView key) {
  const qsizetype end = line.indexOf(key);
  if (end <= 0) return std::nullopt;
  const qsizetype start = line.lastIndexOf(u' ', end - 1) + 1;
  return textutil::strictInt(line.sliced(start, end - start));
}

// An amount earned in a region, cut as afterCoordinates() does; for income
// that fell short ("29 statt 60") the amount before "statt".
std::optional<qint32> earnedAmount(QStringView r, QStringView endKey, int back) {
  const qsizetype start = r.indexOf(u')') + 2;
  const qsizetype key = start <= r.size() ? r.indexOf(endKey, start) : -1;
  if (key - back > start) {
    const QStringView cut = r.sliced(start, key - back - start);
    if (cut.contains(u" statt ")) return wordBefore(cut, u" statt ");
  }
  return cutAmount(r, start, endKey, back);
}

}  // namespace

SummaryResult summiereEinkommen(const QStringList& einkommen, int slot, int roundCode, QString& gesamteinkommen) {
  SummaryResult result;
  gesamteinkommen = QStringLiteral("0");

  // From round 1604 on the income comes summed in the report and slot 1
  // keeps it as the list's "zzzz" line, which sorts last. A list without
  // that line (a report not yet saved) is summed as usual, so that no
  // message line is shown as the total.
  if (slot == 1 && roundCode >= 1604 && !einkommen.isEmpty() && einkommen.last().startsWith(u"zzzz")) {
    gesamteinkommen = einkommen.last();
    gesamteinkommen.remove(QStringLiteral("zzzz"));
    return result;
  }

  qint64 sum = 0;
  for (const QString& line : einkommen) {
    const QStringView l(line);
    result.currentLine = currentLineText(l);
    // The line's amounts are added only when every rule it matches found a
    // number: a line the rules cannot read is passed by and counted, rather
    // than stop the sum on every opening of the slot.
    qint64 lineSum = 0;
    bool readable = true;
    auto add = [&](std::optional<qint32> amount) {
      if (amount)
        lineSum += *amount;
      else
        readable = false;
    };
    auto finishLine = [&] {
      if (readable)
        sum += lineSum;
      else
        ++result.skippedLines;
    };

    // Earned silver: "verdient 25 Silber".
    if (l.contains(u"verdient") && l.contains(u"Silber") && !l.contains(u"statt") && !l.contains(u"kein") &&
        !l.contains(u" Verkauf ") && !l.contains(u"verdient in")) {
      add(amountAfter(l, u"verdient ", u"Silber", 1));
    }
    // Earned in a region: "... verdient in Ort (1,2) 25 Silber." — ends the line.
    if (l.contains(u" verdient ") && l.contains(u" Silber.")) {
      add(earnedAmount(afterFirstParen(l), u" Silber.", 0));
      finishLine();
      continue;
    }
    // Taxes: "treibt 40 Silber".
    if (l.contains(u"treibt") && l.contains(u"Silber") && !l.contains(u"treibt in ")) {
      add(amountAfter(l, u"treibt ", u"Silber", 1));
    }
    // Taxes without the word Silber: "... (1,2) 40 Steuern".
    if (l.contains(u"treibt") && !l.contains(u"Silber")) {
      add(afterCoordinates(afterFirstParen(l), u"Steuern", 1));
    }
    // Less than wanted: "verdient 20 statt 30 Silber", also "verdient in
    // Ort (1,2) 20 statt 30 Silber": the amount earned stands before
    // "statt" (the word, not a place named Neustatt).
    const bool shortOf = l.contains(u" statt ") && l.contains(u"Silber") && !l.contains(u"klaute");
    if (shortOf) add(wordBefore(l, u" statt "));
    // Taxes in a region: "treibt in Ort (1,2) 40 Silber an Steuern ein".
    if (l.contains(u"treibt in ") && l.contains(u"Silber")) {
      add(afterCoordinates(afterFirstParen(l), u"Silber an", 1));
    }
    // Earned in a region with more text after the amount; one that fell
    // short was counted above.
    if (l.contains(u"verdient in ") && l.contains(u"Silber") && !shortOf) {
      add(afterCoordinates(afterFirstParen(l), u" Silber ", 0));
    }
    finishLine();
  }
  gesamteinkommen = QString::number(sum) + QStringLiteral(" Silber");
  return result;
}

SummaryResult summiereEinkommen(const GameSession& game, const ReportPages& pages, StatusFields& status) {
  return summiereEinkommen(pages.einkommen.lines(), game.slot, game.roundCode, status.gesamteinkommen);
}

}  // namespace summaries
