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
  auto add = [&](std::optional<qint32> amount) {
    if (!amount) return false;
    sum += *amount;
    gesamteinkommen = QString::number(sum);
    return true;
  };
  auto failed = [&](QStringView text) {
    result.ok = false;
    result.currentLine = currentLineText(text);
    return result;
  };

  for (const QString& line : einkommen) {
    const QStringView l(line);
    result.currentLine = currentLineText(l);

    // Earned silver: "verdient 25 Silber".
    if (l.contains(u"verdient") && l.contains(u"Silber") && !l.contains(u"statt") && !l.contains(u"kein") &&
        !l.contains(u" Verkauf ") && !l.contains(u"verdient in")) {
      if (!add(amountAfter(l, u"verdient ", u"Silber", 1))) return failed(l);
    }
    // Earned in a region: "... verdient in Ort (1,2) 25 Silber." — ends the line.
    if (l.contains(u" verdient ") && l.contains(u" Silber.")) {
      const QStringView r = afterFirstParen(l);
      result.currentLine = currentLineText(r);
      if (!add(afterCoordinates(r, u" Silber.", 0))) return failed(r);
      continue;
    }
    // Taxes: "treibt 40 Silber".
    if (l.contains(u"treibt") && l.contains(u"Silber") && !l.contains(u"treibt in ")) {
      if (!add(amountAfter(l, u"treibt ", u"Silber", 1))) return failed(l);
    }
    // Taxes without the word Silber: "... (1,2) 40 Steuern".
    if (l.contains(u"treibt") && !l.contains(u"Silber")) {
      const QStringView r = afterFirstParen(l);
      result.currentLine = currentLineText(r);
      if (!add(afterCoordinates(r, u"Steuern", 1))) return failed(r);
    }
    // Less than wanted: "verdient 20 statt 30 Silber".
    if (l.contains(u"statt") && l.contains(u"Silber") && !l.contains(u"klaute")) {
      if (!add(amountAfter(l, u"verdient ", u"statt", 1))) return failed(l);
    }
    // Taxes in a region: "treibt in Ort (1,2) 40 Silber an Steuern ein".
    if (l.contains(u"treibt in ") && l.contains(u"Silber")) {
      const QStringView r = afterFirstParen(l);
      result.currentLine = currentLineText(r);
      if (!add(afterCoordinates(r, u"Silber an", 1))) return failed(r);
    }
    // Earned in a region with more text after the amount.
    if (l.contains(u"verdient in ") && l.contains(u"Silber")) {
      const QStringView r = afterFirstParen(l);
      result.currentLine = currentLineText(r);
      if (!add(afterCoordinates(r, u" Silber ", 0))) return failed(r);
    }
  }
  gesamteinkommen = QString::number(sum) + QStringLiteral(" Silber");
  return result;
}

SummaryResult summiereEinkommen(const GameSession& game, const ReportPages& pages, StatusFields& status) {
  return summiereEinkommen(pages.einkommen.lines(), game.slot, game.roundCode, status.gesamteinkommen);
}

}  // namespace summaries
