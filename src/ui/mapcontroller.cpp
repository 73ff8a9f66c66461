#include "ui/mapcontroller.h"

#include <QAction>
#include <QActionGroup>
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
#include <cmath>

#include "turn/opengame.h"
#include "db/dberror.h"
#include "map/mapgeometry.h"
#include "map/mapstart.h"
#include "map/smallmap.h"
#include "map/terraintiles.h"
#include "map/worldhex.h"
#include "map/worldmap.h"
#include "map/zoomedmap.h"
#include "ui/mainmenu.h"
#include "ui/maintoolbar.h"
#include "ui/mapareapanel.h"
#include "ui/mapimage.h"
#include "ui/maplayertoggle.h"
#include "ui/mapmouse.h"
#include "ui/mapviewkeeper.h"
#include "ui/smallmapcontroller.h"
#include "ui/updown.h"
#include "ui/waitcursor.h"

namespace {

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
  mapViewport_ = area_.ScrollBox1->viewport();
  mapViewport_->installEventFilter(this);
  worldMouse_ = new MapMouse(area_.Image82, area_.ScrollBox1,
                             {[this](QPoint p) { Image82MouseMove(p); }, [this](QPoint p) { Image82MouseDown(p); },
                              [this] { area_.Image82->setToolTip(QString()); }},
                             this);
  small_ = new SmallMapController(game_, area_, panels_[1], this);
  small_->setSinks({[this](const QStringList& m) { showMessages(m); },
                    [this](int x, int y) { return regionText(x, y); },
                    [this](int x, int y) {
                      if (picked_) picked_(x, y);
                    }});

  const auto show = [this](MapImage* picture, const MapLayer& layer) { showLayer(picture, layer); };
  ships_ = std::make_unique<MapLayerToggle>(
      toolBar_.ToolButton1, area_.Image3, MapLayerToggle::Texts{kShowShips, kHideShips},
      [this]() -> std::optional<MapLayer> {
        if (!game_.db) return std::nullopt;
        overlays::Layer l = overlays::drawShips(*game_.db, game_.session, map_.size());
        return MapLayer{l.image, l.marks, l.messages, true};
      },
      show);
  // Without an own unit of this round only the frame shows, and the button
  // still offers to show the units.
  unitLayer_ = std::make_unique<MapLayerToggle>(
      toolBar_.ToolButton2, area_.Image2, MapLayerToggle::Texts{kShowUnits, kHideUnits},
      [this]() -> std::optional<MapLayer> {
        if (!game_.db) return std::nullopt;
        const bool any = units_.draw(*game_.db, game_.session, map_.size());
        return MapLayer{units_.image(), units_.marks(), units_.messages(), any};
      },
      show, [this] { units_.clear(); });
  // The region messages' own messages are not shown: they only repeat the marks.
  messages_ = std::make_unique<MapLayerToggle>(
      toolBar_.ToolButton4, area_.Image4, MapLayerToggle::Texts{kShowMessages, kHideMessages},
      [this]() -> std::optional<MapLayer> {
        if (!game_.db) return std::nullopt;
        overlays::Layer l = overlays::drawRegionMessages(*game_.db, game_.session, map_.size());
        return MapLayer{l.image, l.marks, {}, true};
      },
      show);

  connect(area_.Button9, &QPushButton::clicked, this, &MapController::Button9Click);
  connect(area_.DBLookupComboBox3, &QComboBox::currentIndexChanged, this, [this](int index) {
    area_.DBEdit32->setText(area_.DBLookupComboBox3->itemData(index, Qt::UserRole + 1).toString());
  });
  connect(toolBar_.ToolButton1, &QToolButton::clicked, this, &MapController::ToolButton1Click);
  connect(toolBar_.ToolButton2, &QToolButton::clicked, this, &MapController::ToolButton2Click);
  connect(toolBar_.ToolButton3, &QToolButton::clicked, this, &MapController::displayWorldMapHex);
  connect(toolBar_.ToolButton4, &QToolButton::clicked, this, &MapController::ToolButton4Click);
  connect(menu.Inselkarteexportieren1, &QAction::triggered, this, &MapController::displayWorldMapHex);

  // Larger maps for today's screens: the zoom steps and the whole map,
  // chosen in the map menu or with Ctrl + plus / minus.
  menu.Karte1->addSeparator();
  auto* group = new QActionGroup(this);
  for (int factor : mapview::zoomSteps()) {
    QAction* a = menu.Karte1->addAction(QStringLiteral("Weltkarte &%1fach").arg(factor));
    a->setObjectName(QStringLiteral("Zoom%1").arg(factor));
    a->setCheckable(true);
    a->setChecked(factor == 1);
    group->addAction(a);
    connect(a, &QAction::triggered, this, [this, factor] { setZoom(factor); });
    zoomActions_ << a;
  }
  QAction* fit = menu.Karte1->addAction(QStringLiteral("&Ganze Karte"));
  fit->setObjectName(QStringLiteral("ZoomFit"));
  fit->setCheckable(true);
  group->addAction(fit);
  connect(fit, &QAction::triggered, this, &MapController::zoomToFit);
  zoomActions_ << fit;
  QAction* in = menu.Karte1->addAction(QStringLiteral("Weltkarte &vergrößern"));
  in->setObjectName(QStringLiteral("ZoomIn"));
  in->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  connect(in, &QAction::triggered, this, [this] { setZoom(mapview::nextStep(zoom_)); });
  QAction* out = menu.Karte1->addAction(QStringLiteral("Weltkarte ver&kleinern"));
  out->setObjectName(QStringLiteral("ZoomOut"));
  out->setShortcut(QKeySequence::ZoomOut);
  connect(out, &QAction::triggered, this, [this] { setZoom(mapview::previousStep(zoom_)); });

  viewKeeper_ = new MapViewKeeper(
      game_.session, area_.ScrollBox1,
      {[this] { return fit_; }, [this] { return zoom_; }, [this](const mapview::View& v) { applyKeptZoom(v); }}, this);
  QScrollArea* box = area_.ScrollBox1;
  for (QScrollBar* bar : {box->horizontalScrollBar(), box->verticalScrollBar()})
    connect(bar, &QScrollBar::valueChanged, this, &MapController::viewChanged);
}

MapController::~MapController() = default;

void MapController::showMessages(const QStringList& messages) {
  for (const QString& m : messages)
    if (prompts_.error) prompts_.error(m);
}

void MapController::openSmallMap() { small_->openSmallMap(); }

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
  small_->centreSmallMapOnLand();
  small_->displaySmallMap(game_.session.smallMapX, game_.session.smallMapY);
  // A map shown for the first time opens where the small map is, on land.
  if (first && !map_.isNull()) scrollToRegion(game_.session.smallMapX, game_.session.smallMapY);
}

void MapController::openWorldMap() {
  WaitCursor wait;
  const worldmap::Drawing d = worldmap::openingWorldMap(*game_.db, game_.session);
  showMessages(d.messages);
  if (!d.error.isEmpty()) showMessages({d.error});
  if (d.drawn) {
    showWorldMap(d.image, true);
    viewKeeper_->restore();
  }
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
  WaitCursor wait;
  try {
    const worldmap::Drawing d = worldmap::displayWorldMapHex(*game_.db, game_.session);
    if (d.drawn) showWorldMap(d.image, false);
    showMessages(d.messages);
    if (!d.error.isEmpty()) showMessages({d.error});
  } catch (const DbError& e) {
    showMessages({e.message()});
  }
}

void MapController::Button9Click() {
  if (!game_.db) return;
  const QVariant chosen = area_.DBLookupComboBox3->currentData();
  if (!chosen.isValid()) return;
  WaitCursor wait;
  try {
    const worldmap::LevelSwitch s = worldmap::switchLevel(*game_.db, game_.session, chosen.toInt());
    if (s.result == worldmap::LevelSwitch::Result::Failed) {
      showMessages({s.error});
      return;
    }
    if (s.recentred) {
      small_->centreSmallMapOnLand();
      small_->displaySmallMap(game_.session.smallMapX, game_.session.smallMapY);
    }
    if (s.map.drawn) showWorldMap(s.map.image, s.scroll);
    showMessages(s.map.messages);
    if (!s.map.error.isEmpty()) showMessages({s.map.error});
  } catch (const DbError& e) {
    showMessages({e.message()});
  }
}

void MapController::showLevel(int level) {
  const int index = area_.DBLookupComboBox3->findData(level);
  if (index < 0) return;
  area_.DBLookupComboBox3->setCurrentIndex(index);
  Button9Click();
}

mapgeometry::Coordinates MapController::worldRegionAt(QPoint shown) const {
  if (const int scale = sharpScale())
    return worldhex::ZoomedGeometry(game_.session.mapOriginX, game_.session.mapOriginY, map_.height(), scale)
        .pixelToRegion(shown.x(), shown.y());
  // The picture itself (or shrunk): the world map's own formula.
  const QPointF p = zoom_ == 1 ? QPointF(shown) : QPointF(std::floor(shown.x() / zoom_), std::floor(shown.y() / zoom_));
  return mapgeometry::worldPixelToRegion(p.x(), p.y(), map_.height(), game_.session.mapOriginX,
                                         game_.session.mapOriginY);
}

QString MapController::regionText(int x, int y) {
  const QString coordinates = mapgeometry::coordinateText(x, y);
  const zoomedmap::Region* r = renderer() ? renderer()->regions().at(x, y) : nullptr;
  if (!r) return coordinates;
  if (r->nameIsTerrain || r->name.isEmpty() || r->name == r->type)
    return QStringLiteral("%1 %2").arg(r->type, coordinates);
  return QStringLiteral("%1 (%2) %3").arg(r->name, r->type, coordinates);
}

void MapController::Image82MouseMove(QPoint shown) {
  if (map_.isNull()) return;
  const auto c = worldRegionAt(shown);
  const QString text = regionText(c.x, c.y);
  panels_[1]->setText(text);
  // Below 4× the names are not drawn: the hovered region names itself.
  const int scale = sharpScale();
  area_.Image82->setToolTip(scale > 0 && scale < zoomedmap::kNamesFrom ? text : QString());
}

void MapController::Image82MouseDown(QPoint shown) {
  if (map_.isNull()) return;
  const auto c = worldRegionAt(shown);
  panels_[0]->setText(mapgeometry::coordinateText(c.x, c.y));
  small_->showAround(c.x, c.y);
  if (picked_) picked_(c.x, c.y);
}

void MapController::ToolButton1Click() {
  WaitCursor wait;
  showMessages(ships_->toggle());
}

void MapController::ToolButton2Click() {
  WaitCursor wait;
  showMessages(unitLayer_->toggle());
}

void MapController::ToolButton4Click() {
  WaitCursor wait;
  showMessages(messages_->toggle());
}

void MapController::faerbe_region(int x, int y, const QColor& colour) {
  units_.faerbe_region(x, y, colour);
  if (unitLayer_->shown() && !units_.image().isNull())
    unitLayer_->replace(MapLayer{units_.image(), units_.marks(), {}, true});
}

int MapController::sharpScale() const { return zoom_ >= 2 ? int(zoom_) : 0; }

worldhex::ZoomedGeometry MapController::sharpGeometry(int scale) const {
  return worldhex::ZoomedGeometry(game_.session.mapOriginX, game_.session.mapOriginY, map_.height(), scale);
}

zoomedmap::Renderer* MapController::renderer() {
  if (!renderer_ && game_.db) {
    try {
      renderer_ = std::make_unique<zoomedmap::Renderer>(game_.session.path(QStringLiteral("images")),
                                                        zoomedmap::Regions::load(*game_.db, game_.session));
    } catch (const DbError& e) {
      showMessages({e.message()});
      renderer_ = std::make_unique<zoomedmap::Renderer>(game_.session.path(QStringLiteral("images")),
                                                        zoomedmap::Regions{});
    }
  }
  return renderer_.get();
}

void MapController::setZoom(double factor, std::optional<QPoint> anchor) {
  fit_ = false;
  if (factor >= 1) factor = std::clamp(int(factor), mapview::zoomSteps().first(), mapview::zoomSteps().last());
  if (factor <= 0) factor = 1;
  for (QAction* a : zoomActions_)
    a->setChecked(a->objectName() == QStringLiteral("Zoom%1").arg(factor) && factor == int(factor));
  if (factor == zoom_) return;
  // Keep the map point under the anchor (the view's middle) where it is.
  QScrollArea* box = area_.ScrollBox1;
  const QPointF at = anchor ? QPointF(*anchor) : QPointF(box->viewport()->width() / 2.0, box->viewport()->height() / 2.0);
  const QPointF point((box->horizontalScrollBar()->value() + at.x()) / zoom_,
                      (box->verticalScrollBar()->value() + at.y()) / zoom_);
  zoom_ = factor;
  viewKeeper_->dropPendingScroll();
  applyZoom();
  box->horizontalScrollBar()->setValue(int(std::lround(point.x() * zoom_ - at.x())));
  box->verticalScrollBar()->setValue(int(std::lround(point.y() * zoom_ - at.y())));
  viewChanged();
}

void MapController::zoomToFit() {
  const QWidget* view = area_.ScrollBox1->viewport();
  const double fit = mapview::fittingZoom(map_.width(), map_.height(), view->width(), view->height());
  setZoom(fit);
  fit_ = true;
  for (QAction* a : zoomActions_) a->setChecked(a->objectName() == QLatin1String("ZoomFit"));
  viewChanged();
}

void MapController::applyZoom() {
  MapImage* image = area_.Image82;
  if (map_.isNull()) return;
  const QSize size(int(map_.width() * zoom_), int(map_.height() * zoom_));
  if (const int scale = sharpScale()) {
    // Drawn from the region rows, only where the view shows the map.
    image->clear();
    image->resize(size);
    image->setPainter([this, scale](QPainter& p, const QRect& exposed) {
      p.fillRect(exposed, Qt::white);
      if (zoomedmap::Renderer* r = renderer()) r->draw(p, sharpGeometry(scale), exposed);
    });
  } else {
    image->setPainter({});
    const QImage shown = zoom_ == 1 ? map_ : map_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image->setPixmap(QPixmap::fromImage(shown));
    image->resize(size);
  }
  showShownLayers();
}

void MapController::showShownLayers() {
  for (MapImage* layer : {area_.Image3, area_.Image2, area_.Image4, area_.Image6})
    layer->setGeometry(area_.Image82->rect());
  for (MapLayerToggle* toggle : {ships_.get(), unitLayer_.get(), messages_.get()}) toggle->reshow();
  showNames();
}

void MapController::showNames() {
  MapImage* names = area_.Image6;
  const int scale = sharpScale();
  if (scale < zoomedmap::kNamesFrom) {
    names->setPainter({});
    names->hide();
    return;
  }
  names->setGeometry(area_.Image82->rect());
  names->setPainter([this, scale](QPainter& p, const QRect& exposed) {
    if (zoomedmap::Renderer* r = renderer()) r->drawNames(p, sharpGeometry(scale), exposed);
  });
  names->show();
  // Above every layer: a mark never hides a name.
  names->raise();
}

QList<zoomedmap::Label> MapController::shownLabels() {
  const int scale = sharpScale();
  zoomedmap::Renderer* r = renderer();
  if (scale < zoomedmap::kNamesFrom || !r || map_.isNull()) return {};
  return r->labels(sharpGeometry(scale), area_.Image82->rect());
}

void MapController::showWorldMap(const QImage& map, bool middle) {
  map_ = map;
  renderer_.reset();  // the regions may have changed with the picture
  if (fit_) {
    const QWidget* view = area_.ScrollBox1->viewport();
    zoom_ = mapview::fittingZoom(map_.width(), map_.height(), view->width(), view->height());
  }
  applyZoom();
  if (middle) scrollToMiddle();
}

void MapController::showLayer(MapImage* label, const MapLayer& layer) {
  label->setGeometry(area_.Image82->rect());
  if (const int scale = sharpScale()) {
    // The marks at the map's scale; the 1× layer's frame is left out.
    label->clear();
    const QList<overlays::Mark> marks = layer.marks;
    label->setPainter([this, scale, marks](QPainter& p, const QRect& exposed) {
      zoomedmap::drawMarks(p, sharpGeometry(scale), marks, exposed);
    });
  } else {
    label->setPainter({});
    label->setPixmap(QPixmap::fromImage(zoom_ == 1 ? layer.image
                                                   : layer.image.scaled(area_.Image82->size(), Qt::IgnoreAspectRatio,
                                                                        Qt::SmoothTransformation)));
  }
  label->show();
  label->raise();
  if (area_.Image6->isVisible()) area_.Image6->raise();
}

void MapController::scrollToMiddle() {
  QScrollArea* box = area_.ScrollBox1;
  box->verticalScrollBar()->setValue(worldmap::scrollPosition(area_.Image82->height()));
  box->horizontalScrollBar()->setValue(worldmap::scrollPosition(area_.Image82->width()));
}

void MapController::applyKeptZoom(const mapview::View& v) {
  if (v.fit)
    zoomToFit();
  else
    setZoom(v.zoom);
}

void MapController::viewChanged() { viewKeeper_->changed(!map_.isNull()); }

void MapController::showRegion(int x, int y) {
  small_->showAround(x, y);
  if (!map_.isNull()) scrollToRegion(x, y);
}

void MapController::scrollToRegion(int x, int y) {
  QScrollArea* box = area_.ScrollBox1;
  const QPoint cell = mapgeometry::overlayCell(x, y, game_.session.mapOriginX, game_.session.mapOriginY, map_.height());
  const QPoint middle = (cell + QPoint(mapgeometry::kWorldPitch / 2, mapgeometry::kWorldPitch / 2)) * zoom_;
  box->horizontalScrollBar()->setValue(middle.x() - box->viewport()->width() / 2);
  box->verticalScrollBar()->setValue(middle.y() - box->viewport()->height() / 2);
}

bool MapController::eventFilter(QObject* watched, QEvent* event) {
  if (watched != mapViewport_) return false;
  if (event->type() == QEvent::Wheel) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier)) return false;
    const int steps = wheel->angleDelta().y() / 120;
    double to = zoom_;
    for (int i = 0; i < std::abs(steps); ++i) to = steps > 0 ? mapview::nextStep(to) : mapview::previousStep(to);
    // Centred on the mouse: the point under it stays under it.
    if (steps != 0) setZoom(to, wheel->position().toPoint());
    return true;
  }
  if (event->type() == QEvent::Resize && fit_ && !map_.isNull()) {
    // "Ganze Karte" stays the whole map when the window changes its size.
    const QWidget* view = area_.ScrollBox1->viewport();
    const double fit = mapview::fittingZoom(map_.width(), map_.height(), view->width(), view->height());
    if (fit != zoom_) {
      zoom_ = fit;
      applyZoom();
    }
  }
  return false;
}
