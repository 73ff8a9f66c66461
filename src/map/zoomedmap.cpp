#include "map/zoomedmap.h"

#include <QCoreApplication>
#include <cmath>
#include <QDir>
#include <QFontMetricsF>
#include <QGuiApplication>

#include "db/database.h"
#include "db/sqlitestatement.h"
#include "game/regionname.h"
#include "map/smallmap.h"
#include "map/terraintiles.h"
#include "map/tilecache.h"

namespace zoomedmap {

using overlays::Mark;
using worldhex::ZoomedGeometry;

namespace {
quint64 keyOf(int x, int y) { return (quint64(quint32(x)) << 32) | quint32(y); }

const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kDarkRed(128, 0, 0);

// Where the six roads leave the hex (1× tile units), upper left clockwise,
// and the middle they run to.
const QPointF kRoadEdges[6] = {QPointF(2, 1), QPointF(6, 1), QPointF(8, 5), QPointF(6, 9), QPointF(2, 9), QPointF(0, 5)};
const QPointF kHexMiddle(4, 5);

// The 8 × 8 cell of the 1× marks lies in the middle of the 8 × 10 hex.
QPointF markPoint(const ZoomedGeometry& g, QPoint topLeft, double a, double b) {
  return QPointF(topLeft) + QPointF(a, b + 1) * g.scale();
}
QRectF markBox(const ZoomedGeometry& g, QPoint topLeft, double a1, double b1, double a2, double b2) {
  return QRectF(markPoint(g, topLeft, a1, b1), markPoint(g, topLeft, a2, b2));
}
}  // namespace

Regions Regions::load(Database& db, const GameSession& session) {
  SqliteStatement q(db.handle(),
                    QStringLiteral("SELECT \"Breite\", \"Länge\", \"Regiontyp\", \"Regionname\", \"Strasse\", "
                                   "\"Strasse1\", \"Strasse2\", \"Strasse3\", \"Strasse4\", \"Strasse5\" "
                                   "FROM \"regionen\" WHERE \"Spiel\" = ?1 AND \"Ebene\" = ?2 "
                                   "ORDER BY \"Breite\", \"Länge\""));
  q.bind(1, session.slot);
  q.bind(2, session.currentLevel);
  Regions out;
  while (q.step()) {
    smallmap::Region roads;
    roads.type = q.column(2).toString();
    for (int i = 4; i <= 9; ++i) roads.roads << q.column(i);
    Region r;
    r.x = int(q.columnInt(0));
    r.y = int(q.columnInt(1));
    r.type = roads.type;
    // A nameless region of another terrain is labelled with its terrain.
    const QString stored = q.column(3).toString();
    r.name = regionname::shown(stored, r.type);
    r.nameIsTerrain = r.name != stored;
    r.roads = smallmap::roadLines(roads, session.gameType);
    out.add(r);
  }
  return out;
}

void Regions::add(const Region& region) {
  index_.insert(keyOf(region.x, region.y), regions_.size());
  regions_.append(region);
}

const Region* Regions::at(int x, int y) const {
  const auto it = index_.constFind(keyOf(x, y));
  return it == index_.constEnd() ? nullptr : &regions_.at(*it);
}

bool nameFits(int textWidth, int scale) {
  // A little room on both sides, so that names of neighbours never touch.
  return scale >= kNamesFrom && textWidth > 0 && textWidth <= worldhex::kTileWidth * scale - 4;
}

Renderer::Renderer(QString imagesDir, Regions regions, bool names)
    : imagesDir_(std::move(imagesDir)), regions_(std::move(regions)),
      names_(names && qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {}

QStringList Renderer::messages() const { return messages_; }

const Renderer::Stamp& Renderer::stamp(const QString& type, int scale) {
  if (scale != stampScale_) {
    stamps_.clear();
    stampScale_ = scale;
  }
  auto it = stamps_.find(type);
  if (it != stamps_.end()) return *it;

  // The small map's picture of the terrain, stretched over the hex so that
  // its own hex covers this one, then cut to this hex pixel by pixel.
  tilecache::TileCache tiles(imagesDir_, QStringLiteral("blank.bmp"), terraintiles::kSmallTileSize);
  const QImage& tile = tiles.tile(tilecache::smallTileFile(type), type);
  for (const QString& m : tiles.messages())
    if (!messages_.contains(m)) messages_ << m;
  const int w = worldhex::kTileWidth * scale, h = worldhex::kTileHeight * scale;
  Stamp s;
  s.image = QImage(w, h, QImage::Format_ARGB32_Premultiplied);
  s.image.fill(Qt::transparent);
  {
    QPainter p(&s.image);
    p.drawImage(QRectF(0, -scale, w, h + 2 * scale), tile);
  }
  for (int j = 0; j < h; ++j) {
    auto* line = reinterpret_cast<QRgb*>(s.image.scanLine(j));
    for (int i = 0; i < w; ++i)
      if (!worldhex::insideHex((i + 0.5) / scale, (j + 0.5) / scale)) line[i] = 0;
  }
  const QColor ground = s.image.pixelColor(w / 2, h / 2);
  s.ink = ground.lightnessF() < 0.5 ? QColor(Qt::white) : QColor(Qt::black);
  return *stamps_.insert(type, s);
}

void Renderer::draw(QPainter& painter, const ZoomedGeometry& g, const QRect& exposed) {
  const int scale = g.scale();
  QList<QLineF> roads;
  const ZoomedGeometry::Span rows = g.rowsTouching(exposed);
  for (int y = rows.lastRow; y >= rows.firstRow; --y) {
    const auto [first, last] = g.columnsTouching(exposed, y);
    for (int x = first; x <= last; ++x) {
      const Region* r = regions_.at(x, y);
      if (!r) continue;
      const QPoint at = g.hexTopLeft(x, y);
      painter.drawImage(at, stamp(r->type, scale).image);
      const QPointF middle = QPointF(at) + kHexMiddle * scale;
      for (int i = 0; i < 6; ++i)
        if (r->roads[size_t(i)]) roads.append(QLineF(QPointF(at) + kRoadEdges[i] * scale, middle));
    }
  }
  if (!roads.isEmpty()) {
    painter.setPen(QPen(kDarkRed, std::max(2, scale / 2), Qt::DashLine));
    painter.drawLines(roads);
  }
}

const Renderer::FittedName& Renderer::fitted(const QString& name, int scale) {
  if (fontScale_ != scale) {
    names_cache_.clear();
    fontScale_ = scale;
  }
  auto it = names_cache_.find(name);
  if (it != names_cache_.end()) return *it;
  // The usual size where it fits, else smaller down to the least size, else
  // shortened at the least size: every name shows something of itself.
  const int room = worldhex::kTileWidth * scale - 4;
  FittedName f;
  for (int size = std::max(8, scale + 4); size >= kSmallestName; --size) {
    f.font.setPixelSize(size);
    f.pixelSize = size;
    f.text = name;
    const QFontMetricsF metrics(f.font);
    if (nameFits(int(std::ceil(metrics.horizontalAdvance(name))), scale)) break;
    if (size == kSmallestName) f.text = metrics.elidedText(name, Qt::ElideRight, room);
  }
  f.laidOut.setText(f.text);
  f.laidOut.setTextFormat(Qt::PlainText);
  f.laidOut.prepare(QTransform(), f.font);
  return *names_cache_.insert(name, f);
}

QList<Label> Renderer::labels(const ZoomedGeometry& g, const QRect& exposed) {
  QList<Label> out;
  const int scale = g.scale();
  if (!names_ || scale < kNamesFrom) return out;
  // Names reach a little beyond their hex: the rows around the part count too.
  const QRect around = exposed.adjusted(-worldhex::kTileWidth * scale, -worldhex::kTileHeight * scale,
                                        worldhex::kTileWidth * scale, worldhex::kTileHeight * scale);
  const ZoomedGeometry::Span rows = g.rowsTouching(around);
  for (int y = rows.lastRow; y >= rows.firstRow; --y) {
    const auto [first, last] = g.columnsTouching(around, y);
    for (int x = first; x <= last; ++x) {
      const Region* r = regions_.at(x, y);
      // A name that only repeats the terrain ("Ozean") says nothing; the
      // terrain standing in for a missing name does.
      if (!r || r->name.isEmpty() || (r->name == r->type && !r->nameIsTerrain)) continue;
      const FittedName& f = fitted(r->name, scale);
      if (f.text.isEmpty()) continue;
      const QSizeF size = f.laidOut.size();
      const QPointF centre = QPointF(g.hexTopLeft(x, y)) + kHexMiddle * scale + QPointF(0, scale);
      const QRectF box(centre - QPointF(size.width() / 2, size.height() / 2), size);
      if (!box.intersects(exposed)) continue;
      out.append({x, y, f.text, f.pixelSize, box, stamp(r->type, scale).ink});
    }
  }
  return out;
}

void Renderer::drawNames(QPainter& painter, const ZoomedGeometry& g, const QRect& exposed) {
  const QList<Label> shown = labels(g, exposed);
  for (const Label& l : shown) {
    const FittedName& f = fitted(regions_.at(l.x, l.y)->name, g.scale());
    painter.setFont(f.font);
    painter.setPen(l.ink);
    painter.drawStaticText(l.box.topLeft(), f.laidOut);
  }
}

QImage Renderer::drawWhole(const ZoomedGeometry& g, QSize size1x, const Layers& layers) {
  QImage image(size1x * g.scale(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  draw(p, g, image.rect());
  for (const QList<Mark>* marks : {layers.ships, layers.units, layers.messages})
    if (marks) drawMarks(p, g, *marks, image.rect());
  drawNames(p, g, image.rect());
  return image;
}

void drawMarks(QPainter& painter, const ZoomedGeometry& g, const QList<Mark>& marks, const QRect& exposed) {
  const int s = g.scale();
  const QSize box(worldhex::kTileWidth * s, worldhex::kTileHeight * s);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  for (const Mark& m : marks) {
    const QPoint at = g.hexTopLeft(m.x, m.y);
    if (!exposed.intersects(QRect(at, box))) continue;
    switch (m.kind) {
      case Mark::Kind::OwnShip:
      case Mark::Kind::ForeignShip: {
        const double o = m.kind == Mark::Kind::OwnShip ? 2 : 4;
        painter.setPen(Qt::NoPen);
        painter.setBrush(m.colour);
        painter.drawEllipse(markBox(g, at, o, o, o + 3, o + 3));
        break;
      }
      case Mark::Kind::UnitBox: {
        // The hex's own outline, inside its edge so neighbours keep theirs.
        const double width = std::max(2, s / 2);
        QPolygonF outline = g.hexOutline(m.x, m.y);
        const QPointF middle = g.hexCentre(m.x, m.y);
        const double inset = 1 - width / box.width();  // the sides' strokes end at the edge
        for (QPointF& corner : outline) corner = middle + (corner - middle) * inset;
        painter.setPen(QPen(m.colour, width));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(outline);
        break;
      }
      case Mark::Kind::Diamond:
        painter.setPen(QPen(kYellow, std::max(1, s / 4)));
        painter.setBrush(kRed);
        painter.drawPolygon(QPolygonF({markPoint(g, at, 1, 4), markPoint(g, at, 4, 7), markPoint(g, at, 7, 4),
                                       markPoint(g, at, 4, 1)}));
        break;
      case Mark::Kind::OceanDot:
        painter.setPen(QPen(kRed, std::max(1, s / 4)));
        painter.setBrush(kYellow);
        painter.drawEllipse(markBox(g, at, 1, 5, 4, 8));
        break;
      case Mark::Kind::Triangle:
        painter.setPen(Qt::NoPen);
        painter.setBrush(kYellow);
        painter.drawPolygon(QPolygonF({markPoint(g, at, 1, 1), markPoint(g, at, 7, 1), markPoint(g, at, 4, 7)}));
        break;
    }
  }
  painter.restore();
}

}  // namespace zoomedmap
