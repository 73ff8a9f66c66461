// Finding one's way on the map: every named region labelled from 4× on,
// the region under the mouse in the status bar, dragging that pans, the
// search that picks what it finds, and the points history as a chart.
#include <gtest/gtest.h>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

#include "db/sqlitestatement.h"
#include "map/worldhex.h"
#include "map/zoomedmap.h"
#include "game/regionname.h"
#include "support/testsupport.h"
#include "turn/reportimporter.h"
#include "ui/mapareapanel.h"
#include "ui/mapcontroller.h"
#include "ui/pointspage.h"
#include "ui/regionpage.h"
#include "ui/regioncontroller.h"
#include "ui/searchcontroller.h"
#include "ui/searchdialog.h"
#include "ui/unitpage.h"
#include "programfolderfixture.h"

namespace {

struct MapFindingTest : ::testing::Test, uitest::ProgramFolderFixture {
  void SetUp() override { ASSERT_TRUE(openSlot1()) << said.errors.join(QLatin1Char('\n')).toStdString(); }
  void read(const QString& report) {
    const QStringList errors = readReport(report);
    ASSERT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
  }
  MapAreaPanel* area() { return form1->mapArea; }
  void zoom(int factor) { form1->findChild<QAction*>(QStringLiteral("Zoom%1").arg(factor))->trigger(); }
  QPoint middleOf(int x, int y) {
    const GameSession& s = game.session;
    const int height = area()->Image82->height() / int(form1->mapController->zoom());
    return worldhex::ZoomedGeometry(s.mapOriginX, s.mapOriginY, height, int(form1->mapController->zoom()))
        .hexCentre(x, y)
        .toPoint();
  }
  void mouse(QEvent::Type type, QPoint at, Qt::MouseButtons held, Qt::MouseButton button = Qt::LeftButton) {
    QWidget* w = area()->Image82;
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
  }
  // The named regions of the shown level: a name that is more than the terrain.
  QHash<QPair<int, int>, QString> namedRegions() {
    SqliteStatement q(db.handle(), QStringLiteral("SELECT \"Breite\", \"Länge\", \"Regionname\", \"Regiontyp\" FROM "
                                                  "\"regionen\" WHERE \"Spiel\" = 1 AND \"Ebene\" = ?1"));
    q.bind(1, game.session.currentLevel);
    QHash<QPair<int, int>, QString> out;
    // As shown: a fire wall stored as "Ozean" is named by its terrain.
    while (q.step())
      if (!q.columnText(2).isEmpty() && q.columnText(2) != q.columnText(3))
        out.insert({int(q.columnInt(0)), int(q.columnInt(1))}, regionname::shown(q.columnText(2), q.columnText(3)));
    return out;
  }
  QList<int> levels() {
    SqliteStatement q(db.handle(), QStringLiteral("SELECT DISTINCT \"Ebene\" FROM \"regionen\" WHERE \"Spiel\" = 1"));
    QList<int> out;
    while (q.step()) out << int(q.columnInt(0));
    return out;
  }
};

class EveryNameLabelled : public MapFindingTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(EveryNameLabelled, AtFourTimesAndAbove) {
  read(testsupport::sharedReport(QString::fromLatin1(GetParam())));
  int checked = 0;
  for (int level : levels()) {
  form1->mapController->showLevel(level);
  ASSERT_EQ(game.session.currentLevel, level);
  const auto named = namedRegions();
  checked += int(named.size());
  for (int factor : {4, 6, 8}) {
    zoom(factor);
    QHash<QPair<int, int>, zoomedmap::Label> labels;
    for (const zoomedmap::Label& l : form1->mapController->shownLabels()) labels.insert({l.x, l.y}, l);
    for (auto it = named.cbegin(); it != named.cend(); ++it) {
      ASSERT_TRUE(labels.contains(it.key())) << it.value().toStdString() << " at " << factor;
      const zoomedmap::Label& l = labels.value(it.key());
      // The whole name, or its start cut with "…"; always inside its hex's width.
      const bool whole = l.text == it.value();
      const bool cut = l.text.endsWith(QChar(0x2026)) && it.value().startsWith(l.text.chopped(1)) && l.text.size() > 1;
      EXPECT_TRUE(whole || cut) << l.text.toStdString() << " for " << it.value().toStdString();
      EXPECT_LE(l.box.width(), worldhex::kTileWidth * factor) << it.value().toStdString();
      EXPECT_GE(l.pixelSize, zoomedmap::kSmallestName);
    }
  }
  }
  ASSERT_GT(checked, 0);
  // The names stand above every layer, the region messages included.
  form1->mapController->ToolButton4Click();
  ASSERT_FALSE(area()->Image4->isHidden());
  QWidget* top = nullptr;  // the children stand in their stacking order
  for (QObject* o : area()->Image82->children())
    if (auto* w = qobject_cast<QWidget*>(o); w && !w->isHidden()) top = w;
  EXPECT_EQ(top, area()->Image6);
  zoom(2);
  EXPECT_TRUE(form1->mapController->shownLabels().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(SharedReports, EveryNameLabelled,
                         ::testing::Values("1234-neue-partei.cr", "334-kampf-bom.cr", "481-beispiel.cr",
                                           "550-beispiel-latin1.cr", "astral-latin1.cr"));

TEST_F(MapFindingTest, TheStatusBarNamesTheRegionUnderTheMouseAndDraggingPans) {
  read(testsupport::sharedReport(QStringLiteral("334-kampf-bom.cr")));
  const QString vosal = QStringLiteral("Vosal (Ebene) -2011/0");
  for (int factor : {2, 4, 8}) {
    zoom(factor);
    mouse(QEvent::MouseMove, middleOf(-2011, 0), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(form1->statusPanels[1]->text(), vosal) << factor;
    // Below 4× no names are drawn: the hovered hex tells its name.
    EXPECT_EQ(area()->Image82->toolTip(), factor < 4 ? vosal : QString()) << factor;
  }
  // A press, a move of 40 pixels and the release: the map moved, nothing was picked.
  form1->resize(800, 600);
  form1->show();
  QApplication::processEvents();
  QScrollBar* across = area()->ScrollBox1->horizontalScrollBar();
  across->setValue(across->maximum() / 2);
  const int before = across->value();
  const QString picked = form1->statusPanels[0]->text();
  const QPoint start = middleOf(-2011, 0);
  mouse(QEvent::MouseButtonPress, start, Qt::LeftButton);
  mouse(QEvent::MouseMove, start + QPoint(20, 0), Qt::LeftButton, Qt::NoButton);
  mouse(QEvent::MouseMove, start + QPoint(40, 0), Qt::LeftButton, Qt::NoButton);
  mouse(QEvent::MouseButtonRelease, start + QPoint(40, 0), Qt::NoButton);
  EXPECT_LT(across->value(), before);
  EXPECT_EQ(form1->statusPanels[0]->text(), picked);
  // A click without moving picks.
  mouse(QEvent::MouseButtonPress, middleOf(-2011, 0), Qt::LeftButton);
  mouse(QEvent::MouseButtonRelease, middleOf(-2011, 0), Qt::NoButton);
  EXPECT_EQ(form1->statusPanels[0]->text(), QStringLiteral("-2011/0"));
  EXPECT_EQ(form1->regionController->shown().x, -2011);
}

TEST_F(MapFindingTest, TheSearchFindsEachKindAndPicksIt) {
  read(testsupport::sharedReport(QStringLiteral("334-kampf-bom.cr")));
  SearchDialog* dialog = form1->searchController->dialog();
  form1->searchController->action()->trigger();
  EXPECT_TRUE(dialog->isVisible());
  const struct {
    const char* text;
    int x, y;
    QWidget* page;
    const char* shown;  // what the unit list's chosen line starts with; empty for a region
  } cases[] = {
      {"Vosal", -2011, 0, form1->regionPage, ""},
      {"-2011 2", -2011, 2, form1->regionPage, ""},
      {"2uph", -2011, 0, form1->unitPage, "Einheit 2uph"},
      {"kzjg", -2011, 0, form1->unitPage, "-Burg"},
      {"brhm", -2011, 2, form1->unitPage, "-Schi"},
  };
  for (const auto& c : cases) {
    dialog->Suchtext->setText(QString::fromUtf8(c.text));
    dialog->search();
    ASSERT_EQ(dialog->Treffer->count(), 1) << c.text;
    EXPECT_EQ(form1->regionController->shown().x, c.x) << c.text;
    EXPECT_EQ(form1->regionController->shown().y, c.y) << c.text;
    EXPECT_EQ(game.session.smallMapX, c.x) << c.text;
    EXPECT_EQ(form1->PageControl2->currentWidget(), c.page) << c.text;
    if (*c.shown) {
      QListWidgetItem* line = form1->unitPage->ListBox3->currentItem();
      ASSERT_NE(line, nullptr) << c.text;
      EXPECT_TRUE(line->text().contains(QString::fromUtf8(c.shown))) << c.text << ": " << line->text().toStdString();
    }
  }
  dialog->Suchtext->setText(QStringLiteral("gibtesnicht"));
  dialog->search();
  EXPECT_EQ(dialog->Treffer->count(), 0);
  EXPECT_EQ(dialog->Anzahl->text(), QStringLiteral("Nichts gefunden zu „gibtesnicht“."));
}

TEST_F(MapFindingTest, TheUnitListShowsItsLinesWholeWhileThereIsRoom) {
  read(testsupport::sharedReport(QStringLiteral("334-kampf-bom.cr")));
  form1->showNormal();
  form1->resize(1600, 1000);
  form1->PageControl2->setCurrentWidget(form1->unitPage);
  form1->regionController->getSekKoo(-2011, 0);
  QApplication::processEvents();
  QListWidget* list = form1->unitPage->ListBox3;
  ASSERT_GT(list->count(), 3);
  const QFontMetrics metrics(list->font());
  for (int i = 0; i < list->count(); ++i)
    EXPECT_GE(list->viewport()->width(), metrics.horizontalAdvance(list->item(i)->text())) << list->item(i)->text().toStdString();
}

TEST_F(MapFindingTest, PointsStatisticsShowsItsHistoryAsAChart) {
  read(testsupport::sharedReport(QStringLiteral("334-kampf-bom.cr")));
  QChart* chart = form1->pointsPage->chartView()->chart();
  ASSERT_NE(chart, nullptr);
  QStringList legend;
  for (QLegendMarker* m : chart->legend()->markers()) legend << m->label();
  EXPECT_EQ(legend, QStringList({QStringLiteral("Eigene Punkte"), QStringLiteral("Punkte Durchschnitt"),
                                 QStringLiteral("Silber der Partei"), QStringLiteral("Personen")}));
  EXPECT_TRUE(chart->legend()->isVisible());
}

}  // namespace
