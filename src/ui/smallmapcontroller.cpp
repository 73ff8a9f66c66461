#include "ui/smallmapcontroller.h"

#include <QLabel>

#include "db/dberror.h"
#include "map/mapgeometry.h"
#include "map/mapstart.h"
#include "map/smallmap.h"
#include "map/terraintiles.h"
#include "turn/opengame.h"
#include "ui/mapareapanel.h"
#include "ui/mapmouse.h"
#include "ui/updown.h"
#include "ui/waitcursor.h"

SmallMapController::SmallMapController(OpenGame& game, MapAreaPanel& area, QLabel* statusPanel, QObject* parent)
    : QObject(parent), game_(game), area_(area), statusPanel_(statusPanel) {
  mouse_ = new MapMouse(area_.Image1, nullptr,
                        {[this](QPoint p) { Image1MouseMove(p); }, [this](QPoint p) { Image1MouseDown(p); }, {}}, this);
  connect(area_.UpDown1, &UpDown::stepped, this, &SmallMapController::UpDown1Click);
  connect(area_.UpDown2, &UpDown::stepped, this, &SmallMapController::UpDown2Click);
}

void SmallMapController::show(const QStringList& messages) {
  if (sinks_.messages && !messages.isEmpty()) sinks_.messages(messages);
}

void SmallMapController::openSmallMap() {
  QString error;
  terraintiles::writeMissingTiles(game_.session.path(QStringLiteral("images")), &error);
  if (!error.isEmpty()) show({error});
  centreSmallMapOnLand();
  displaySmallMap(game_.session.smallMapX, game_.session.smallMapY);
}

void SmallMapController::centreSmallMapOnLand() {
  if (!game_.db) return;
  try {
    const QPoint centre = mapstart::smallMapCentre(*game_.db, game_.session);
    game_.session.smallMapX = centre.x();
    game_.session.smallMapY = centre.y();
  } catch (const DbError& e) {
    show({e.message()});
  }
}

void SmallMapController::showAround(int x, int y) {
  game_.session.smallMapX = x;
  game_.session.smallMapY = y;
  displaySmallMap(x, y);
}

void SmallMapController::displaySmallMap(int x, int y) {
  if (!game_.db) return;
  WaitCursor wait;
  try {
    const smallmap::Drawing d = smallmap::displaySmallMap(*game_.db, game_.session, x, y);
    area_.Image1->setPixmap(QPixmap::fromImage(d.tiles));
    area_.Image5->setPixmap(QPixmap::fromImage(d.marks));
    area_.Image5->setGeometry(area_.Image1->rect());
    show(d.messages);
  } catch (const DbError& e) {
    show({e.message()});
  }
}

void SmallMapController::UpDown1Click(int direction) {
  game_.session.smallMapY += direction > 0 ? 9 : -9;
  displaySmallMap(game_.session.smallMapX, game_.session.smallMapY);
}

void SmallMapController::UpDown2Click(int direction) {
  game_.session.smallMapX += direction > 0 ? 9 : -9;
  displaySmallMap(game_.session.smallMapX, game_.session.smallMapY);
}

void SmallMapController::Image1MouseMove(QPoint pos) {
  const auto c = mapgeometry::smallPixelToRegion(pos.x(), pos.y(), game_.session.smallMapX, game_.session.smallMapY,
                                                 area_.Image1->height());
  statusPanel_->setText(sinks_.regionText ? sinks_.regionText(c.x, c.y) : mapgeometry::coordinateText(c.x, c.y));
}

void SmallMapController::Image1MouseDown(QPoint pos) {
  const auto c = mapgeometry::smallPixelToRegion(pos.x(), pos.y(), game_.session.smallMapX, game_.session.smallMapY,
                                                 area_.Image1->height());
  statusPanel_->setText(mapgeometry::coordinateText(c.x, c.y));
  if (sinks_.picked) sinks_.picked(c.x, c.y);
}
