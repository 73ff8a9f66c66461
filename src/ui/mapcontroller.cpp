#include "ui/mapcontroller.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>

#include "app/opengame.h"
#include "db/dberror.h"
#include "map/mapgeometry.h"
#include "map/mapstart.h"
#include "map/mapzoom.h"
#include "map/smallmap.h"
#include "map/terraintiles.h"
#include "map/worldmap.h"
#include "ui/mainmenu.h"
#include "ui/maintoolbar.h"
#include "ui/mapareapanel.h"
#include "ui/updown.h"

namespace {

// The hourglass while the maps are drawn, restored on every way out.
struct Hourglass {
  Hourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~Hourglass() { QApplication::restoreOverrideCursor(); }
};

const QString kShowShips = QStringLiteral("Schiffe einblenden");
const QString kHideShips = QStringLiteral("Schiffe ausblenden");
const QString kShowUnits = QStringLiteral("Einheiten einblenden");
const QString kHideUnits = QStringLiteral("Einheiten ausblenden");
const QString kShowMessages = QStringLiteral("Regionsmeldungen einblenden");
const QString kHideMessages = QStringLiteral("Regionsmeldungen ausblenden");

}  // namespace

MapController::MapController(OpenGame& game, MapAreaPanel& area, MainToolBar& toolBar, MainMenu& menu,
                             QLabel* const panels[3], QObject* parent)
    : QObject(parent), game_(game), area_(area), toolBar_(toolBar) {
  for (int i = 0; i < 3; ++i) panels_[i] = panels[i];
  worldMapWidget_ = area_.Image82;
  smallMapWidget_ = area_.Image1;
  mapViewport_ = area_.ScrollBox1->viewport();
  for (QObject* watched : {worldMapWidget_, smallMapWidget_, mapViewport_}) watched->installEventFilter(this);

  connect(area_.UpDown1, &UpDown::stepped, this, &MapController::UpDown1Click);
  connect(area_.UpDown2, &UpDown::stepped, this, &MapController::UpDown2Click);
  connect(area_.Button9, &QPushButton::clicked, this, &MapController::Button9Click);
  connect(area_.DBLookupComboBox3, &QComboBox::currentIndexChanged, this, [this](int index) {
    area_.DBEdit32->setText(area_.DBLookupComboBox3->itemData(index, Qt::UserRole + 1).toString());
  });
  connect(toolBar_.ToolButton1, &QToolButton::clicked, this, &MapController::ToolButton1Click);
  connect(toolBar_.ToolButton2, &QToolButton::clicked, this, &MapController::ToolButton2Click);
  connect(toolBar_.ToolButton3, &QToolButton::clicked, this, &MapController::displayWorldMapHex);
  connect(toolBar_.ToolButton4, &QToolButton::clicked, this, &MapController::ToolButton4Click);
  connect(menu.Inselkarteexportieren1, &QAction::triggered, this, &MapController::displayWorldMapHex);

  // Larger maps for today's screens: whole factors, chosen in the map menu.
  menu.Karte1->addSeparator();
  auto* group = new QActionGroup(this);
  for (int factor = mapzoom::kMinZoom; factor <= mapzoom::kMaxZoom; ++factor) {
    QAction* a = menu.Karte1->addAction(QStringLiteral("Weltkarte &%1fach").arg(factor));
    a->setObjectName(QStringLiteral("Zoom%1").arg(factor));
    a->setCheckable(true);
    a->setChecked(factor == 1);
    group->addAction(a);
    connect(a, &QAction::triggered, this, [this, factor] { setZoom(factor); });
    zoomActions_ << a;
  }
}

void MapController::showMessages(const QStringList& messages) {
  for (const QString& m : messages)
    if (prompts_.error) prompts_.error(m);
}

void MapController::openSmallMap() {
  QString error;
  terraintiles::writeMissingTiles(game_.session.path(QStringLiteral("images")), &error);
  if (!error.isEmpty()) showMessages({error});
  centreSmallMapOnLand();
  displaySmallMap(game_.session.smallMapX, game_.session.smallMapY);
}

void MapController::centreSmallMapOnLand() {
  if (!game_.db) return;
  try {
    const QPoint centre = mapstart::smallMapCentre(*game_.db, game_.session);
    game_.session.smallMapX = centre.x();
    game_.session.smallMapY = centre.y();
  } catch (const DbError& e) {
    showMessages({e.message()});
  }
}

void MapController::reportRead() {
  if (!game_.db) return;
  bool brought = false;
  try {
    brought = mapstart::reportBroughtShownLevel(*game_.db, game_.session);
  } catch (const DbError& e) {
    showMessages({e.message()});
  }
  if (!brought) return;
  const bool first = map_.isNull();
  displayWorldMapHex();
  // The report's regions and marks show on the small map as well.
  centreSmallMapOnLand();
  displaySmallMap(game_.session.smallMapX, game_.session.smallMapY);
  // A map shown for the first time opens where the small map is, on land.
  if (first && !map_.isNull()) scrollToRegion(game_.session.smallMapX, game_.session.smallMapY);
}

void MapController::openWorldMap() {
  Hourglass wait;
  const worldmap::Drawing d = worldmap::openingWorldMap(*game_.db, game_.session);
  showMessages(d.messages);
  if (!d.error.isEmpty()) showMessages({d.error});
  if (d.drawn) showWorldMap(d.image, true);
  refreshLevels();
}

void MapController::refreshLevels() {
  if (!game_.db) return;
  QComboBox* box = area_.DBLookupComboBox3;
  QSignalBlocker block(box);
  box->clear();
  try {
    for (const worldmap::Level& l : worldmap::levels(*game_.db, game_.session.slot)) {
      box->addItem(QString::number(l.level), l.level);
      box->setItemData(box->count() - 1, l.name, Qt::UserRole + 1);
    }
  } catch (const DbError& e) {
    showMessages({e.message()});
  }
  const int current = box->findData(game_.session.currentLevel);
  box->setCurrentIndex(current);
  area_.DBEdit32->setText(current >= 0 ? box->itemData(current, Qt::UserRole + 1).toString() : QString());
}

void MapController::displayWorldMapHex() {
  if (!game_.db) return;
  Hourglass wait;
  try {
    const worldmap::Drawing d = worldmap::displayWorldMapHex(*game_.db, game_.session);
    if (d.drawn) showWorldMap(d.image, false);
    showMessages(d.messages);
    if (!d.error.isEmpty()) showMessages({d.error});
  } catch (const DbError& e) {
    showMessages({e.message()});
  }
}

void MapController::displaySmallMap(int x, int y) {
  if (!game_.db) return;
  Hourglass wait;
  try {
    const smallmap::Drawing d = smallmap::displaySmallMap(*game_.db, game_.session, x, y);
    area_.Image1->setPixmap(QPixmap::fromImage(d.tiles));
    area_.Image5->setPixmap(QPixmap::fromImage(d.marks));
    area_.Image5->setGeometry(area_.Image1->rect());
    showMessages(d.messages);
  } catch (const DbError& e) {
    showMessages({e.message()});
  }
}

void MapController::Button9Click() {
  if (!game_.db) return;
  const QVariant chosen = area_.DBLookupComboBox3->currentData();
  if (!chosen.isValid()) return;
  Hourglass wait;
  try {
    const worldmap::LevelSwitch s = worldmap::switchLevel(*game_.db, game_.session, chosen.toInt());
    if (s.result == worldmap::LevelSwitch::Result::Failed) {
      showMessages({s.error});
      return;
    }
    if (s.recentred) {
      centreSmallMapOnLand();
      displaySmallMap(game_.session.smallMapX, game_.session.smallMapY);
    }
    if (s.map.drawn) showWorldMap(s.map.image, s.scroll);
    showMessages(s.map.messages);
    if (!s.map.error.isEmpty()) showMessages({s.map.error});
  } catch (const DbError& e) {
    showMessages({e.message()});
  }
}

void MapController::UpDown1Click(int direction) {
  game_.session.smallMapY += direction > 0 ? 9 : -9;
  displaySmallMap(game_.session.smallMapX, game_.session.smallMapY);
}

void MapController::UpDown2Click(int direction) {
  game_.session.smallMapX += direction > 0 ? 9 : -9;
  displaySmallMap(game_.session.smallMapX, game_.session.smallMapY);
}

void MapController::Image82MouseMove(QPoint shown) {
  if (map_.isNull()) return;
  const QPoint p = mapzoom::unzoomed(shown, zoom_);
  const auto c = mapgeometry::worldPixelToRegion(p.x(), p.y(), map_.height(), game_.session.mapOriginX,
                                                 game_.session.mapOriginY);
  panels_[1]->setText(mapgeometry::coordinateText(c.x, c.y));
}

void MapController::Image82MouseDown(QPoint shown) {
  if (map_.isNull()) return;
  const QPoint p = mapzoom::unzoomed(shown, zoom_);
  const auto c = mapgeometry::worldPixelToRegion(p.x(), p.y(), map_.height(), game_.session.mapOriginX,
                                                 game_.session.mapOriginY);
  panels_[0]->setText(mapgeometry::coordinateText(c.x, c.y));
  game_.session.smallMapX = c.x;
  game_.session.smallMapY = c.y;
  displaySmallMap(c.x, c.y);
  if (picked_) picked_(c.x, c.y);
}

void MapController::Image1MouseMove(QPoint pos) {
  const auto c = mapgeometry::smallPixelToRegion(pos.x(), pos.y(), game_.session.smallMapX, game_.session.smallMapY,
                                                 area_.Image1->height());
  panels_[1]->setText(mapgeometry::coordinateText(c.x, c.y));
}

void MapController::Image1MouseDown(QPoint pos) {
  const auto c = mapgeometry::smallPixelToRegion(pos.x(), pos.y(), game_.session.smallMapX, game_.session.smallMapY,
                                                 area_.Image1->height());
  panels_[1]->setText(mapgeometry::coordinateText(c.x, c.y));
  if (picked_) picked_(c.x, c.y);
}

void MapController::ToolButton1Click() {
  QToolButton* button = toolBar_.ToolButton1;
  if (button->toolTip() != kShowShips) {
    button->setToolTip(kShowShips);
    area_.Image3->hide();
    ships_ = QImage();
    area_.Image3->clear();
    return;
  }
  if (!game_.db) return;
  Hourglass wait;
  const overlays::Layer l = overlays::drawShips(*game_.db, game_.session, map_.size());
  ships_ = l.image;
  showLayer(area_.Image3, ships_);
  showMessages(l.messages);
  button->setToolTip(kHideShips);
}

void MapController::ToolButton2Click() {
  QToolButton* button = toolBar_.ToolButton2;
  if (button->toolTip() != kShowUnits) {
    button->setToolTip(kShowUnits);
    area_.Image2->hide();
    units_.clear();
    area_.Image2->clear();
    return;
  }
  if (!game_.db) return;
  Hourglass wait;
  const bool any = units_.draw(*game_.db, game_.session, map_.size());
  showLayer(area_.Image2, units_.image());
  showMessages(units_.messages());
  // Without an own unit of this round only the frame shows, and the button
  // still offers to show the units.
  if (any) button->setToolTip(kHideUnits);
}

void MapController::ToolButton4Click() {
  QToolButton* button = toolBar_.ToolButton4;
  if (button->toolTip() != kShowMessages) {
    // The picture stays; the next showing draws it anew.
    button->setToolTip(kShowMessages);
    area_.Image4->hide();
    return;
  }
  if (!game_.db) return;
  Hourglass wait;
  messages_ = overlays::drawRegionMessages(*game_.db, game_.session, map_.size()).image;
  showLayer(area_.Image4, messages_);
  button->setToolTip(kHideMessages);
}

void MapController::faerbe_region(int x, int y, const QColor& colour) {
  units_.faerbe_region(x, y, colour);
  if (!units_.image().isNull()) area_.Image2->setPixmap(QPixmap::fromImage(mapzoom::zoomed(units_.image(), zoom_)));
}

void MapController::setZoom(int factor) {
  factor = mapzoom::clamped(factor);
  if (factor == zoom_) return;
  // Keep the map point in the middle of the view where it is.
  QScrollArea* box = area_.ScrollBox1;
  const QPointF middle((box->horizontalScrollBar()->value() + box->viewport()->width() / 2.0) / zoom_,
                       (box->verticalScrollBar()->value() + box->viewport()->height() / 2.0) / zoom_);
  zoom_ = factor;
  for (int i = 0; i < zoomActions_.size(); ++i) zoomActions_.at(i)->setChecked(i + mapzoom::kMinZoom == zoom_);
  if (!map_.isNull()) showWorldMap(map_, false);
  if (!ships_.isNull() && area_.Image3->isVisibleTo(&area_)) showLayer(area_.Image3, ships_);
  if (!units_.image().isNull() && area_.Image2->isVisibleTo(&area_)) showLayer(area_.Image2, units_.image());
  if (!messages_.isNull() && area_.Image4->isVisibleTo(&area_)) showLayer(area_.Image4, messages_);
  box->horizontalScrollBar()->setValue(int(middle.x() * zoom_ - box->viewport()->width() / 2.0));
  box->verticalScrollBar()->setValue(int(middle.y() * zoom_ - box->viewport()->height() / 2.0));
}

void MapController::showWorldMap(const QImage& map, bool middle) {
  map_ = map;
  area_.Image82->setPixmap(QPixmap::fromImage(mapzoom::zoomed(map_, zoom_)));
  area_.Image82->resize(map_.size() * zoom_);
  for (QLabel* layer : {area_.Image3, area_.Image2, area_.Image4}) layer->setGeometry(area_.Image82->rect());
  if (middle) scrollToMiddle();
}

void MapController::showLayer(QLabel* label, const QImage& layer) {
  label->setGeometry(area_.Image82->rect());
  label->setPixmap(QPixmap::fromImage(mapzoom::zoomed(layer, zoom_)));
  label->show();
  label->raise();
}

void MapController::scrollToMiddle() {
  QScrollArea* box = area_.ScrollBox1;
  box->verticalScrollBar()->setValue(worldmap::scrollPosition(area_.Image82->height()));
  box->horizontalScrollBar()->setValue(worldmap::scrollPosition(area_.Image82->width()));
}

void MapController::scrollToRegion(int x, int y) {
  QScrollArea* box = area_.ScrollBox1;
  const QPoint cell = mapgeometry::overlayCell(x, y, game_.session.mapOriginX, game_.session.mapOriginY, map_.height());
  const QPoint middle = (cell + QPoint(mapgeometry::kWorldPitch / 2, mapgeometry::kWorldPitch / 2)) * zoom_;
  box->horizontalScrollBar()->setValue(middle.x() - box->viewport()->width() / 2);
  box->verticalScrollBar()->setValue(middle.y() - box->viewport()->height() / 2);
}

bool MapController::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == mapViewport_ && type == QEvent::Wheel) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (wheel->modifiers() & Qt::ControlModifier) {
      const int steps = wheel->angleDelta().y() / 120;
      if (steps != 0) setZoom(zoom_ + steps);
      return true;
    }
    return false;
  }
  if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress) return false;
  const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
  if (watched == worldMapWidget_) {
    type == QEvent::MouseMove ? Image82MouseMove(pos) : Image82MouseDown(pos);
  } else if (watched == smallMapWidget_) {
    type == QEvent::MouseMove ? Image1MouseMove(pos) : Image1MouseDown(pos);
  }
  return false;
}
