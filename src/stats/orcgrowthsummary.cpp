// The orcs added by growth, from the page "Ereignisse".
#include "report/reportpages.h"
#include "stats/amountcut.h"
#include "stats/summaries.h"

namespace summaries {

SummaryResult summiereOrkvermehrung(const QStringList& ereignisse, QString& orkVermehrung) {
  static constexpr QStringView key = u"vermehrt sich um";
  SummaryResult result;
  orkVermehrung = QStringLiteral("0");
  qint64 sum = 0;
  for (const QString& text : ereignisse) {
    const QStringView l(text);
    result.currentLine = detail::currentLineText(l);
    const qsizetype at = l.indexOf(key);
    if (at < 0) continue;
    // "... vermehrt sich um 12 Orks.": the amount follows the " um " of the
    // key phrase and ends two characters before the next "Ork", so a unit
    // named "Orkhorde" does not end it early.
    const auto amount = detail::cutAmount(l, at + key.size() + 1, u"Ork", 1);
    if (!amount) {
      result.ok = false;
      return result;
    }
    sum += *amount;
    orkVermehrung = QString::number(sum);
  }
  orkVermehrung = QString::number(sum) + QStringLiteral(" Orks");
  return result;
}

SummaryResult summiereOrkvermehrung(const ReportPages& pages, StatusFields& status) {
  return summiereOrkvermehrung(pages.ereignisse, status.orkVermehrung);
}

}  // namespace summaries
