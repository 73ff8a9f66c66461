// The upper tab control made from the table of report pages.
#include <gtest/gtest.h>

#include <iterator>

#include "ui/reportpagespanel.h"

namespace {

TEST(ReportPagesPanelTabs, TheTabsStandInTheWindowsOrderWithTheirControls) {
  ReportPagesPanel panel;
  struct Tab {
    const char16_t* caption;
    const char* control;
  };
  const Tab expected[] = {
      {u"Status", "StatusScroll"},    {u"Kämpfe", "ListBox1"},     {u"Warnungen", "ListBox2"},
      {u"Ereignisse", "ListBox5"},    {u"Einkommen", "ListBox6"},  {u"Handel", "ListBox7"},
      {u"Produktion", "ListBox8"},    {u"Bewegungen", "ListBox9"}, {u"Meldungen", "ListBox10"},
      {u"Geheimdienstbericht", "RichEdit3"}, {u"Einreisebericht", "RichEdit2"}, {u"Botschaften", "Memo4"},
  };
  ASSERT_EQ(panel.count(), int(std::size(expected)));
  for (int i = 0; i < panel.count(); ++i) {
    EXPECT_EQ(panel.tabText(i), QString::fromUtf16(expected[i].caption)) << i;
    EXPECT_EQ(panel.widget(i)->objectName(), QLatin1String(expected[i].control)) << i;
  }
  EXPECT_EQ(panel.RichEdit3, panel.widget(9));
}

}  // namespace
