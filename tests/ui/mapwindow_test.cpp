// The map side of the main window after opening a slot with regions.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QWheelEvent>
#include <QToolButton>

#include "db/sqlitestatement.h"
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
  void press(QWidget* w, QPoint p) {
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(p), w->mapToGlobal(QPointF(p)), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
  }
  MapAreaPanel* area() { return form1->mapArea; }
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
  press(area()->Image1, QPoint(130, 130));  // the small map's centre cell
  EXPECT_EQ(form1->statusPanels[1]->text(), QStringLiteral("1/0"));

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

}  // namespace
