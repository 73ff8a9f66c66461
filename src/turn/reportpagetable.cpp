#include "turn/reportpagetable.h"

#include <algorithm>

#include "report/reportpages.h"

namespace reportpagetable {

const QList<Page>& pages() {
  using S = Shape;
  using P = ReportPages;
  // The window's tabs and the opening's list of pages with content each
  // have an order of their own; `tab` and `listed` keep them here.
  static const QList<Page> table = {
      {u"Kämpfe", "ListBox1", "kaempfe", S::List, 1, 0, &P::kaempfe},
      {u"Warnungen", "ListBox2", "warnungen", S::List, 2, 1, &P::warnungen},
      {u"Ereignisse", "ListBox5", "ereignisse", S::List, 3, 2, &P::ereignisse},
      {u"Status", nullptr, "buendnisse", S::Alliances, 0, -1, &P::status},
      {u"Einkommen", "ListBox6", "einkommen", S::List, 4, 3, nullptr},
      {u"Handel", "ListBox7", "handel", S::List, 5, 4, &P::handel},
      {u"Produktion", "ListBox8", "produktion", S::List, 6, 5, &P::produktion},
      {u"Bewegungen", "ListBox9", "bewegungen", S::List, 7, 6, &P::bewegungen},
      {u"Meldungen", "ListBox10", nullptr, S::List, 8, 7, &P::meldungen},
      {u"Einreisebericht", "RichEdit2", "einreise", S::Text, 10, 10, &P::einreise},
      {u"Geheimdienstbericht", "RichEdit3", "ghdbericht", S::Text, 9, 9, &P::geheimdienst},
      {u"Botschaften", "Memo4", "meldungen", S::Text, 11, 8, &P::botschaften},
  };
  return table;
}

QList<const Page*> storedPages() {
  QList<const Page*> stored;
  for (const Page& page : pages())
    if (page.file) stored << &page;
  return stored;
}

QList<const Page*> inTabOrder() {
  QList<const Page*> tabs;
  for (const Page& page : pages()) tabs << &page;
  std::sort(tabs.begin(), tabs.end(), [](const Page* a, const Page* b) { return a->tab < b->tab; });
  return tabs;
}

QString statusFileName(int slot, const Page& page) {
  return QStringLiteral("%1-%2.txt").arg(slot).arg(QLatin1String(page.file));
}

QStringList Page::lines(const ReportPages& pages) const { return member ? pages.*member : pages.einkommen.lines(); }

void Page::setLines(ReportPages& pages, const QStringList& lines) const {
  if (member) {
    pages.*member = lines;
  } else {
    pages.einkommen.setLines(lines);
  }
}

bool Page::hasContent(const ReportPages& pages) const {
  const QStringList text = lines(pages);
  if (shape != Shape::Text) return !text.isEmpty();
  // A text page of one empty line has no content.
  return text.size() > 1 || (text.size() == 1 && !text.first().isEmpty());
}

}  // namespace reportpagetable
