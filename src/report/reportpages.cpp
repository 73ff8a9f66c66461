#include "report/reportpages.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

namespace {
const QCollator& collator() {
  static const QCollator c = [] {
    QCollator col{QLocale(QLocale::German, QLocale::Germany)};
    col.setCaseSensitivity(Qt::CaseInsensitive);
    return col;
  }();
  return c;
}
}  // namespace

void SortedLines::add(const QString& line) {
  const auto pos = std::upper_bound(lines_.begin(), lines_.end(), line,
                                    [](const QString& a, const QString& b) { return collator().compare(a, b) < 0; });
  lines_.insert(pos, line);
}

void SortedLines::setLines(const QStringList& lines) {
  lines_ = lines;
  std::stable_sort(lines_.begin(), lines_.end(),
                   [](const QString& a, const QString& b) { return collator().compare(a, b) < 0; });
}

void ReportPages::cleanup() {
  kaempfe.clear();
  warnungen.clear();
  status.clear();
  ereignisse.clear();
  einkommen.clear();
  handel.clear();
  produktion.clear();
  bewegungen.clear();
  geheimdienst.clear();
  einreise.clear();
  botschaften.clear();
}

QStringList StatusFields::configFields() const {
  return {punkte, punkteMittel, parteiName, datum, einheiten, personen, silber, immigranten, maxImmigranten};
}

void StatusFields::setConfigFields(const QStringList& nine) {
  QString* targets[] = {&punkte, &punkteMittel, &parteiName, &datum, &einheiten,
                        &personen, &silber, &immigranten, &maxImmigranten};
  for (int i = 0; i < 9; ++i) *targets[i] = nine.value(i);
}

void StatusFields::resetImportCounters() {
  for (QString* field : {&gesamteinkommen, &punkte, &punkteMittel, &einheiten, &personen, &silber})
    *field = QStringLiteral("0");
}
