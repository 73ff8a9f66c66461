#include <gtest/gtest.h>

#include "report/reportpages.h"
#include "turn/reportpagetable.h"
#include "turn/statusdata.h"

namespace {

using reportpagetable::Page;

TEST(ReportPageTable, PagesWithContentInTheOpeningsOrderAndOneEmptyTextLineIsNone) {
  ReportPages pages;
  for (const Page& page : reportpagetable::pages()) page.setLines(pages, {QStringLiteral("eine Zeile")});
  EXPECT_EQ(statusdata::pagesWithContent(pages),
            (QStringList{"Kämpfe", "Warnungen", "Ereignisse", "Einkommen", "Handel", "Produktion", "Bewegungen",
                         "Meldungen", "Botschaften", "Geheimdienstbericht", "Einreisebericht"}));
  // An empty entry is an entry of a list, but no text.
  pages = ReportPages();
  pages.meldungen = {QString()};
  pages.einreise = {QString()};
  EXPECT_EQ(statusdata::pagesWithContent(pages), QStringList{"Meldungen"});
}

}  // namespace
