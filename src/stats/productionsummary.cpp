// The goods produced in the round, by kind, from the page "Produktion".
#include "report/reportpages.h"
#include "stats/amountcut.h"
#include "stats/summaries.h"

namespace summaries {

namespace {

using detail::cutAmount;

enum Good { Wood, Stone, Iron, Horses, Laen, Mallorn, Spears, Bows, Swords, ElvenBows, Crossbows };

bool hasAny(QStringView line, std::initializer_list<QStringView> keys) {
  for (QStringView k : keys)
    if (line.contains(k)) return true;
  return false;
}

// The amount after "produziert " up to the blank before `key`; a key that
// begins with a blank ends the amount right before it.
std::optional<qint32> producedBefore(QStringView line, QStringView key) {
  static constexpr QStringView produced = u"produziert ";
  const qsizetype p = line.indexOf(produced);
  if (p < 0) return std::nullopt;
  return cutAmount(line, p + produced.size(), key, key.startsWith(u' ') ? 0 : 1);
}

// The usual three forms of a production line: a plain amount, "N von M"
// (less than possible) and "N statt M" (less than ordered).
std::optional<qint32> plainVonStatt(QStringView line, QStringView noStatt, QStringView plainKey, QStringView vonKey,
                                    QStringView stattKey) {
  if (!line.contains(u" statt ") && !line.contains(u" von ")) return producedBefore(line, plainKey);
  if (!line.contains(noStatt)) return producedBefore(line, vonKey);
  return producedBefore(line, stattKey);
}

}  // namespace

const QStringList& productionLabels() {
  static const QStringList labels = {
      QStringLiteral("Holz       : "), QStringLiteral("Steine     : "), QStringLiteral("Eisen      : "),
      QStringLiteral("Pferde     : "), QStringLiteral("Laen       : "), QStringLiteral("Mallorn    : "),
      QStringLiteral("Speere     : "), QStringLiteral("Boegen     : "), QStringLiteral("Schwerter  : "),
      QStringLiteral("Elfenbögen : "), QStringLiteral("Armbrüste  : ")};
  return labels;
}

SummaryResult summiereProduktion(const QStringList& produktion, QStringList& gesamtproduktion) {
  SummaryResult result;
  qint64 totals[kProductionLines] = {};
  auto show = [&] {
    gesamtproduktion.clear();
    for (qint64 t : totals) gesamtproduktion << QString::number(t);
  };
  show();

  for (const QString& text : produktion) {
    const QStringView l(text);
    result.currentLine = detail::currentLineText(l);
    bool ok = true;
    auto add = [&](Good good, std::optional<qint32> amount) {
      if (!ok) return;
      if (!amount) {
        ok = false;
        return;
      }
      totals[good] += *amount;
    };

    const bool wood = (l.contains(u" Holz.") || l.contains(u" Holz ")) &&
                      !hasAny(l, {u"mindestens", u"braucht man Holz.", u"konnte keine", u" bewacht ", u"Armbrüste",
                                  u" Kriegsäxte "}) &&
                      l.contains(u" produziert");
    if (wood) add(Wood, plainVonStatt(l, u" statt ", u"Holz.", u" von", u" statt"));

    const bool stone = (l.contains(u" Steine.") || l.contains(u" Steine ")) &&
                       !hasAny(l, {u"mindestens", u"Straßen und Brücken", u"Zum Straßenbau"});
    if (stone) add(Stone, plainVonStatt(l, u" statt ", u"Steine.", u" von", u" statt"));

    const bool iron = (l.contains(u" Eisen ") || l.contains(u" Eisen.")) &&
                      !hasAny(l, {u"mindestens", u" aus ", u" Kriegsäxte "});
    const bool horses = (l.contains(u" Pferde ") || l.contains(u" Pferde.")) &&
                        !hasAny(l, {u"mindestens", u"konnte keine", u"züchtet"});

    // A single piece counts here only when the line's own section has not
    // already counted it ("produziert 1 Holz." would count twice).
    if (!wood && l.contains(u"produziert 1 Holz")) add(Wood, 1);
    if (!stone && l.contains(u"produziert 1 Stein")) add(Stone, 1);
    if (!iron && l.contains(u"produziert 1 Eisen")) add(Iron, 1);
    if (!horses && l.contains(u"produziert 1 Pferd")) add(Horses, 1);

    if (iron) add(Iron, plainVonStatt(l, u" statt", u"Eisen.", u" von ", u" statt "));
    if (horses) add(Horses, plainVonStatt(l, u" statt", u"Pferde.", u" von ", u" statt"));
    if (l.contains(u"züchtet")) {
      static constexpr QStringView bred = u"züchtet";
      add(Horses, detail::cutAmount(l, l.indexOf(bred) + bred.size() + 1, u"Pferde.", 1));
    }
    if (l.contains(u" Laen") && !l.contains(u"mindestens"))
      add(Laen, plainVonStatt(l, u" Laen statt ", u"Laen.", u" von ", u"Laen statt"));
    if (l.contains(u" Mallorn") && !hasAny(l, {u"mindestens", u"Elfenbögen"}))
      add(Mallorn, producedBefore(l, l.contains(u"Mallorn.") ? u"Mallorn." : u"Mallorn statt"));
    if (l.contains(u" Speere") && !l.contains(u"mindestens"))
      add(Spears, producedBefore(l, l.contains(u" statt ") ? u" statt " : u"Speere."));
    if (l.contains(u" Bögen") && !l.contains(u"mindestens"))
      add(Bows, plainVonStatt(l, u" statt ", u"Bögen.", u" von ", u" statt "));
    if (l.contains(u" Armbrüste") && !l.contains(u"mindestens"))
      add(Crossbows, plainVonStatt(l, u" statt ", u"Armbrüste", u" von ", u" statt "));
    if (l.contains(u" Boegen") && !l.contains(u"mindestens"))
      add(Bows, producedBefore(l, l.contains(u" statt ") ? u" statt " : u"Boegen."));
    if (l.contains(u" Schwerter") && !l.contains(u"mindestens")) {
      const QStringView key = l.contains(u" statt ") ? QStringView(u" statt ")
                              : l.contains(u" aus ")  ? QStringView(u"Schwerter aus")
                                                      : QStringView(u"Schwerter.");
      add(Swords, producedBefore(l, key));
    }
    if (l.contains(u" Elfenbögen") && !l.contains(u"mindestens"))
      add(ElvenBows, plainVonStatt(l, u" statt ", u"Elfenbögen", u" von ", u" statt "));

    if (!ok) {
      // The totals of the lines before stand, unlabelled.
      show();
      result.ok = false;
      return result;
    }
  }

  show();
  const QStringList& labels = productionLabels();
  for (int k = 0; k < kProductionLines; ++k) gesamtproduktion[k] = labels.at(k) + gesamtproduktion.at(k);
  return result;
}

SummaryResult summiereProduktion(const ReportPages& pages, StatusFields& status) {
  return summiereProduktion(pages.produktion, status.gesamtproduktion);
}

}  // namespace summaries
