// The map side of the main window after opening a slot with regions.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>
#include <QToolButton>

#include "db/sqlitestatement.h"
#include "map/mapview.h"
#include "map/worldhex.h"
#include "ui/mainmenu.h"
#include "ui/maintoolbar.h"
#include "ui/mapareapanel.h"
#include "ui/mapcontroller.h"
#include "ui/updown.h"
#include "programfolderfixture.h"

namespace {

struct MapWindowTest : ::testing::Test, uitest::ProgramFolderFixture {
  void exec(const QString& sql, const QVariantList& values) {
    SqliteStatement q(db.handle(), sql);
    for (int i = 0; i < values.size(); ++i) q.bind(i + 1, values.at(i));
    q.execute();
  }
  void region(int x, int y, int level, const char* type) {
    exec(QStringLiteral("INSERT INTO regionen (\"Spiel\", \"Breite\", \"Länge\", \"Ebene\", \"Regiontyp\", \"Info Datum\") "
                        "VALUES (1, ?, ?, ?, ?, 3806)"),
         {x, y, level, QString::fromLatin1(type)});
  }
  void SetUp() override {
    region(0, 0, 0, "Ebene");
    region(1, 0, 0, "Wald");
    region(0, 1, 0, "Ozean");
    region(5, 5, 1, "Ebene");
    exec(QStringLiteral("INSERT INTO ebenen (\"Spiel\", \"Ebene\", \"Name\") VALUES (1, 0, 'Oberwelt'), (1, 1, 'Astral')"), {});
    exec(QStringLiteral("INSERT INTO schiffe (\"Spiel\", \"Schiffs Nr\", \"Schiffs Position\", \"Partei\", \"Info Datum\") "
                        "VALUES (1, 1, '1/0', 757, 3806)"), {});
    exec(QStringLiteral("INSERT INTO einheiten (\"Spiel\", \"Einheit Nr\", \"Einheit Position\", \"Partei Nr\", \"Info Datum\") "
                        "VALUES (1, 1, '0/0', 757, 3806)"), {});
    ASSERT_TRUE(openSlot1()) << said.errors.join(QLatin1Char('\n')).toStdString();
  }
  // A click that does not move: press and release at the same point.
  void press(QWidget* w, QPoint p) {
    QMouseEvent down(QEvent::MouseButtonPress, QPointF(p), w->mapToGlobal(QPointF(p)), Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, QPointF(p), w->mapToGlobal(QPointF(p)), Qt::LeftButton, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(w, &up);
  }
  MapAreaPanel* area() { return form1->mapArea; }
  void move(QWidget* w, QPoint p) {
    QMouseEvent e(QEvent::MouseMove, QPointF(p), w->mapToGlobal(QPointF(p)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
  }
  // The middle of a region's hex as shown: the 8-pixel cell at 1×, the
  // drawn hex when zoomed.
  QPoint middleOf(int x, int y) {
    const GameSession& s = game.session;
    const double zoom = form1->mapController->zoom();
    // The 1× map of the shown level as drawn and saved for the slot.
    const QString saved = s.currentLevel == 0 ? QStringLiteral("images/worldmap-1.bmp")
                                              : QStringLiteral("images/worldmap-1-%1.bmp").arg(s.currentLevel);
    const int height = QImage(programFile(saved)).height();
    if (zoom == 1) return mapgeometry::overlayCell(x, y, s.mapOriginX, s.mapOriginY, height) + QPoint(4, 4);
    return worldhex::ZoomedGeometry(s.mapOriginX, s.mapOriginY, height, int(zoom)).hexCentre(x, y).toPoint();
  }
  QAction* menuAction(const char* name) { return form1->findChild<QAction*>(QString::fromLatin1(name)); }
};

TEST_F(MapWindowTest, OpeningDrawsTheMapsAndAClickPicksARegion) {
  EXPECT_TRUE(said.errors.isEmpty()) << said.errors.join(QLatin1Char('\n')).toStdString();
  // Länge 0..1, Breite 0..1: two rows, 2.5 columns taken to 2.
  EXPECT_EQ(area()->Image82->size(), QSize(16, 16));
  EXPECT_TRUE(QFile::exists(programFile(QStringLiteral("images/worldmap-1.bmp"))));
  EXPECT_FALSE(area()->Image1->pixmap().isNull());

  press(area()->Image82, QPoint(12, 12));  // middle of the tile of 1/0
  // The region view titles the small map: name (none here), two blanks, x/y.
  EXPECT_EQ(area()->Panel1->text(), QStringLiteral("  1/0"));
  EXPECT_EQ(form1->statusPanels[0]->text(), QStringLiteral("1/0"));
  EXPECT_EQ(game.session.smallMapX, 1);
  EXPECT_EQ(game.session.smallMapY, 0);
  move(area()->Image1, QPoint(130, 130));  // the small map's centre cell: terrain and place
  EXPECT_EQ(form1->statusPanels[1]->text(), QStringLiteral("Wald 1/0"));

  emit area()->UpDown1->stepped(1);
  emit area()->UpDown1->stepped(1);
  EXPECT_EQ(game.session.smallMapY, 18);
  emit area()->UpDown2->stepped(-1);
  EXPECT_EQ(game.session.smallMapX, -8);

  // Zoomed by Ctrl + wheel, the same region lies under the doubled pixel.
  QWidget* view = area()->ScrollBox1->viewport();
  QWheelEvent wheel(QPointF(5, 5), view->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120), Qt::NoButton,
                    Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(view, &wheel);
  EXPECT_EQ(form1->mapController->zoom(), 2);
  EXPECT_EQ(area()->Image82->size(), QSize(32, 32));
  press(area()->Image82, QPoint(25, 25));
  EXPECT_EQ(area()->Panel1->text(), QStringLiteral("  1/0"));
}

TEST_F(MapWindowTest, LayerButtonsShowAndHideTheirLayers) {
  const struct { QToolButton* button; QLabel* layer; const char* shown; const char* hidden; } cases[] = {
      {form1->ToolBar1->ToolButton1, area()->Image3, "Schiffe ausblenden", "Schiffe einblenden"},
      {form1->ToolBar1->ToolButton2, area()->Image2, "Einheiten ausblenden", "Einheiten einblenden"},
      {form1->ToolBar1->ToolButton4, area()->Image4, "Regionsmeldungen ausblenden", "Regionsmeldungen einblenden"},
  };
  for (const auto& c : cases) {
    c.button->click();
    EXPECT_EQ(c.button->toolTip(), QString::fromUtf8(c.shown));
    EXPECT_TRUE(c.layer->isVisibleTo(area()));
    EXPECT_EQ(c.layer->size(), area()->Image82->size());
    c.button->click();
    EXPECT_EQ(c.button->toolTip(), QString::fromUtf8(c.hidden));
    EXPECT_FALSE(c.layer->isVisibleTo(area()));
  }
  // The own ship's red dot over 1/0 (tile at 8/8).
  form1->ToolBar1->ToolButton1->click();
  EXPECT_EQ(area()->Image3->pixmap().toImage().pixelColor(11, 11), QColor(255, 0, 0));
}

TEST_F(MapWindowTest, LevelSwitchShowsTheOtherLevelAndBack) {
  QComboBox* levels = area()->DBLookupComboBox3;
  ASSERT_EQ(levels->count(), 2);
  levels->setCurrentIndex(1);
  EXPECT_EQ(area()->DBEdit32->text(), QStringLiteral("Astral"));
  area()->Button9->click();
  EXPECT_EQ(game.session.currentLevel, 1);
  EXPECT_EQ(area()->Image82->size(), QSize(8, 8));
  EXPECT_TRUE(QFile::exists(programFile(QStringLiteral("images/worldmap-1-1.bmp"))));
  levels->setCurrentIndex(0);
  area()->Button9->click();
  EXPECT_EQ(game.session.currentLevel, 0);
  EXPECT_EQ(area()->Image82->size(), QSize(16, 16));
  EXPECT_TRUE(said.errors.isEmpty()) << said.errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(MapWindowTest, PickingFindsTheRegionUnderTheMouseAtEveryZoom) {
  region(-2, -1, 1, "Sumpf");  // level 1 reaches into negative coordinates
  const struct { int level, x, y; } regions[] = {{0, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 5, 5}, {1, -2, -1}};
  for (int level : {0, 1}) {
    area()->DBLookupComboBox3->setCurrentIndex(area()->DBLookupComboBox3->findData(level));
    area()->Button9->click();
    ASSERT_EQ(game.session.currentLevel, level);
    for (const char* step : {"Zoom1", "Zoom2", "Zoom3", "Zoom4", "Zoom6", "Zoom8"}) {
      menuAction(step)->trigger();
      for (const auto& r : regions) {
        if (r.level != level) continue;
        const QString text = mapgeometry::coordinateText(r.x, r.y);
        move(area()->Image82, middleOf(r.x, r.y));
        EXPECT_TRUE(form1->statusPanels[1]->text().endsWith(QLatin1Char(' ') + text)) << step << " level " << level;
        press(area()->Image82, middleOf(r.x, r.y));
        EXPECT_EQ(form1->statusPanels[0]->text(), text) << step << " level " << level;
      }
    }
  }
  EXPECT_EQ(form1->mapController->zoom(), 8);
  // Level 1 from -2/-1 to 5/5: 7 rows of 11 tiles, each tile 64 pixels wide.
  EXPECT_EQ(area()->Image82->size(), QSize(88, 56) * 8);
}

TEST_F(MapWindowTest, ZoomStepsByKeysAndTheWholeMap) {
  const struct { const char* action; double zoom; } steps[] = {
      {"ZoomIn", 2}, {"ZoomIn", 3}, {"ZoomIn", 4}, {"ZoomIn", 6}, {"ZoomIn", 8}, {"ZoomIn", 8},
      {"ZoomOut", 6}, {"ZoomOut", 4}, {"Zoom1", 1}, {"ZoomOut", 1},
  };
  for (const auto& s : steps) {
    menuAction(s.action)->trigger();
    EXPECT_EQ(form1->mapController->zoom(), s.zoom) << s.action;
  }
  EXPECT_EQ(menuAction("ZoomIn")->shortcut(), QKeySequence(QKeySequence::ZoomIn));
  EXPECT_EQ(menuAction("ZoomOut")->shortcut(), QKeySequence(QKeySequence::ZoomOut));
  QWidget* view = area()->ScrollBox1->viewport();
  view->resize(281, 265);
  menuAction("ZoomFit")->trigger();
  // The 16 × 16 map fits the view 16 times; the steps end at 8.
  EXPECT_EQ(form1->mapController->zoom(), 8);
  EXPECT_TRUE(menuAction("ZoomFit")->isChecked());
  // Sharp from 2× on: the picture is drawn, not a magnified bitmap.
  EXPECT_TRUE(area()->Image82->pixmap().isNull());
  form1->ToolBar1->ToolButton1->click();
  EXPECT_TRUE(area()->Image3->pixmap().isNull());
  EXPECT_TRUE(area()->Image3->painting());
}

TEST_F(MapWindowTest, CtrlWheelKeepsTheRegionUnderTheMouse) {
  // Wider and taller than the view at every zoom, so the map can follow the mouse.
  for (int i = 2; i < 40; ++i) {
    region(i, 5, 0, "Ebene");
    region(0, i, 0, "Wald");
  }
  form1->mapController->displayWorldMapHex();
  QScrollArea* box = area()->ScrollBox1;
  box->resize(281, 265);
  menuAction("Zoom2")->trigger();
  box->horizontalScrollBar()->setValue(100);
  box->verticalScrollBar()->setValue(300);
  QWidget* view = box->viewport();
  const struct { QPoint mouse; int delta; double zoom; } turns[] = {
      {QPoint(150, 10), 120, 3}, {QPoint(40, 30), 240, 6}, {QPoint(200, 5), -120, 4}, {QPoint(10, 10), -240, 2},
  };
  for (const auto& t : turns) {
    const QPoint scroll(box->horizontalScrollBar()->value(), box->verticalScrollBar()->value());
    const auto before = form1->mapController->worldRegionAt(scroll + t.mouse);
    QWheelEvent wheel(QPointF(t.mouse), view->mapToGlobal(QPointF(t.mouse)), QPoint(), QPoint(0, t.delta),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &wheel);
    EXPECT_EQ(form1->mapController->zoom(), t.zoom);
    const QPoint after(box->horizontalScrollBar()->value(), box->verticalScrollBar()->value());
    EXPECT_EQ(form1->mapController->worldRegionAt(after + t.mouse), before) << t.zoom;
  }
}

TEST_F(MapWindowTest, ZoomAndScrollAreKeptAcrossARestart) {
  // A map large enough to scroll at 4×.
  for (int x = 0; x < 40; ++x) region(x, 5, 0, "Ebene");
  form1->mapController->displayWorldMapHex();
  QScrollArea* box = area()->ScrollBox1;
  box->resize(281, 265);
  menuAction("Zoom4")->trigger();
  box->horizontalScrollBar()->setValue(300);
  const int scrolled = box->horizontalScrollBar()->value();
  ASSERT_GT(scrolled, 0);
  recreateWindow();  // closing the window writes the view
  const mapview::View kept = mapview::load(game.session.programPath, 1);
  ASSERT_TRUE(kept.kept);
  EXPECT_EQ(kept.zoom, 4);
  EXPECT_EQ(kept.scrollX, scrolled);
  ASSERT_TRUE(openSlot1());
  EXPECT_EQ(form1->mapController->zoom(), 4);
  EXPECT_TRUE(menuAction("Zoom4")->isChecked());
  area()->ScrollBox1->resize(281, 265);
  EXPECT_EQ(area()->ScrollBox1->horizontalScrollBar()->value(), scrolled);
}

}  // namespace
