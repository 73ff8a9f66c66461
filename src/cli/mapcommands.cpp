// map, smallmap and pick: the maps of the headless tool.
#include <QFileInfo>

#include "game/filetransaction.h"
#include "game/textutil.h"
#include "cli/cligame.h"
#include "cli/clicommands.h"
#include "map/mapgeometry.h"
#include "map/mapview.h"
#include "map/mapzoom.h"
#include "map/overlays.h"
#include "map/smallmap.h"
#include "map/terraintiles.h"
#include "map/worldhex.h"
#include "map/worldmap.h"
#include "map/zoomedmap.h"

namespace cli {

namespace {

// A whole-number option, or the fallback when it is not given.
std::optional<int> intOption(const GameOptions& o, const QString& name, int fallback) {
  if (!o.has(name)) return fallback;
  const auto v = textutil::strictInt(o.value(name));
  if (!v) printError(QStringLiteral("Die Option %1 braucht eine ganze Zahl, nicht „%2“.").arg(name, o.value(name)));
  return v;
}

void addMissingTiles(const GameSession& session) {
  QString error;
  const int added = terraintiles::writeMissingTiles(session.path(QStringLiteral("images")), &error);
  if (added > 0) printOut(QStringLiteral("%1 fehlende Kartenbilder angelegt.").arg(added));
  if (!error.isEmpty()) printError(error);
}


int drawMap(const GameOptions& o, CliGame& cli) {
  GameSession& session = cli.game.session;
  const auto level = intOption(o, QStringLiteral("--level"), 0);
  const auto zoom = intOption(o, QStringLiteral("--zoom"), 1);
  if (!level || !zoom) return 2;
  if (!mapview::zoomSteps().contains(*zoom)) {
    printError(QStringLiteral("Die Vergrößerung muss 1, 2, 3, 4, 6 oder 8 sein, nicht %1.").arg(*zoom));
    return 2;
  }
  const QStringList layers = o.value(QStringLiteral("--overlay")).split(QLatin1Char(','), Qt::SkipEmptyParts);
  for (const QString& layer : layers)
    if (layer != QLatin1String("ships") && layer != QLatin1String("units") && layer != QLatin1String("messages")) {
      printError(QStringLiteral("Unbekannte Ebene der Karte „%1“: erlaubt sind ships, units und messages.").arg(layer));
      return 2;
    }

  addMissingTiles(session);
  session.currentLevel = *level;
  const worldmap::Drawing map = worldmap::displayWorldMapHex(*cli.game.db, session);
  for (const QString& message : map.messages) printOut(message);
  if (!map.drawn) {
    printError(QStringLiteral("Spiel %1 hat auf Ebene %2 keine Regionen; es wurde keine Weltkarte gezeichnet.")
                   .arg(session.slot)
                   .arg(session.currentLevel));
    return 1;
  }
  printOut(QStringLiteral("Weltkarte gespeichert: %1 (%2 × %3 Pixel, Ursprung %4)")
               .arg(worldmap::savedMapPath(session, session.currentLevel))
               .arg(map.image.width())
               .arg(map.image.height())
               .arg(mapgeometry::coordinateText(int(session.mapOriginX), int(session.mapOriginY))));
  if (!map.error.isEmpty()) {
    printError(map.error);
    return 1;
  }
  if (!o.has(QStringLiteral("--out"))) return 0;

  QList<QImage> shown;
  QStringList messages;
  overlays::UnitOverlay units;
  overlays::Layer ships, notes;
  zoomedmap::Layers marks;
  for (const QString& layer : layers) {
    if (layer == QLatin1String("ships")) {
      ships = overlays::drawShips(*cli.game.db, session, map.image.size());
      shown << ships.image;
      messages << ships.messages;
      marks.ships = &ships.marks;
    } else if (layer == QLatin1String("units")) {
      if (units.draw(*cli.game.db, session, map.image.size())) shown << units.image();
      else printOut(QStringLiteral("Keine eigenen Einheiten in dieser Runde."));
      messages << units.messages();
      marks.units = &units.marks();
    } else {
      notes = overlays::drawRegionMessages(*cli.game.db, session, map.image.size());
      shown << notes.image;
      marks.messages = &notes.marks;
    }
  }
  for (const QString& message : messages) printOut(message);
  const QString out = o.value(QStringLiteral("--out"));
  if (*zoom == 1) return saveImage(mapzoom::composed(map.image, shown), out) ? 0 : 1;

  // Zoomed: drawn sharp from the region rows, the layers at the same scale.
  zoomedmap::Renderer renderer(session.path(QStringLiteral("images")), zoomedmap::Regions::load(*cli.game.db, session));
  const worldhex::ZoomedGeometry geometry(session.mapOriginX, session.mapOriginY, map.image.height(), *zoom);
  const QImage sharp = renderer.drawWhole(geometry, map.image.size(), marks);
  for (const QString& message : renderer.messages()) printOut(message);
  return saveImage(sharp, out) ? 0 : 1;
}

int drawSmallMap(const GameOptions& o, CliGame& cli) {
  GameSession& session = cli.game.session;
  const auto x = intOption(o, QStringLiteral("--x"), 0);
  const auto y = intOption(o, QStringLiteral("--y"), 0);
  const auto level = intOption(o, QStringLiteral("--level"), 0);
  if (!x || !y || !level) return 2;
  if (!o.has(QStringLiteral("--x")) || !o.has(QStringLiteral("--y"))) {
    printError(QStringLiteral("Die kleine Karte braucht ihren Mittelpunkt: --x X --y Y."));
    return 2;
  }
  addMissingTiles(session);
  session.currentLevel = *level;
  const smallmap::Drawing d = smallmap::displaySmallMap(*cli.game.db, session, *x, *y);
  for (const QString& message : d.messages) printOut(message);
  printOut(QStringLiteral("Kleine Karte um %1 auf Ebene %2").arg(mapgeometry::coordinateText(*x, *y)).arg(*level));
  if (!o.has(QStringLiteral("--out"))) return 0;
  return saveImage(mapzoom::composed(d.tiles, {d.marks}), o.value(QStringLiteral("--out"))) ? 0 : 1;
}

int pick(const GameOptions& o, CliGame& cli) {
  GameSession& session = cli.game.session;
  const auto px = textutil::strictInt(o.positional.at(0));
  const auto py = textutil::strictInt(o.positional.at(1));
  if (!px || !py) {
    printError(QStringLiteral("Die Pixelkoordinaten müssen ganze Zahlen sein: „%1“ „%2“.")
                   .arg(o.positional.at(0), o.positional.at(1)));
    return 2;
  }
  const bool world = o.has(QStringLiteral("--world"));
  if (world == o.has(QStringLiteral("--small"))) {
    printError(QStringLiteral("Bitte genau eine Karte wählen: --world oder --small."));
    return 2;
  }
  if (!world) {
    const auto cx = intOption(o, QStringLiteral("--x"), 0);
    const auto cy = intOption(o, QStringLiteral("--y"), 0);
    if (!cx || !cy) return 2;
    const auto c = mapgeometry::smallPixelToRegion(*px, *py, *cx, *cy);
    printOut(mapgeometry::coordinateText(c.x, c.y));
    return 0;
  }
  const auto level = intOption(o, QStringLiteral("--level"), 0);
  if (!level) return 2;
  const QString path = worldmap::savedMapPath(session, *level);
  const QImage map(path);
  if (map.isNull()) {
    printError(QStringLiteral("Die Weltkarte %1 fehlt; sie wird mit „zendral-cli map“ gezeichnet.").arg(path));
    return 1;
  }
  if (*level != 0) {
    // Other levels keep no origin in the configuration: it is their extent.
    const worldmap::Extent extent = worldmap::regionExtent(*cli.game.db, session.slot, *level);
    session.mapOriginX = extent.geometry.minX;
    session.mapOriginY = extent.geometry.minY;
  }
  const auto c = mapgeometry::worldPixelToRegion(*px, *py, map.height(), session.mapOriginX, session.mapOriginY);
  printOut(mapgeometry::coordinateText(c.x, c.y));
  return 0;
}

}  // namespace

int runMap(const QStringList& args) {
  return withGame(args, 0, "map [--dir VERZ] [--slot N] [--level L] [--overlay ships,units,messages] [--zoom Z] [--out DATEI.png]",
                  drawMap,
                  {{QStringLiteral("--level"), 1}, {QStringLiteral("--overlay"), 1}, {QStringLiteral("--zoom"), 1},
                   {QStringLiteral("--out"), 1}});
}

int runSmallMap(const QStringList& args) {
  return withGame(args, 0, "smallmap [--dir VERZ] [--slot N] --x X --y Y [--level L] [--out DATEI.png]", drawSmallMap,
                  {{QStringLiteral("--x"), 1}, {QStringLiteral("--y"), 1}, {QStringLiteral("--level"), 1},
                   {QStringLiteral("--out"), 1}});
}

int runPick(const QStringList& args) {
  return withGame(args, 2, "pick [--dir VERZ] [--slot N] (--world [--level L] | --small --x CX --y CY) PX PY", pick,
                  {{QStringLiteral("--world"), 0}, {QStringLiteral("--small"), 0}, {QStringLiteral("--x"), 1},
                   {QStringLiteral("--y"), 1}, {QStringLiteral("--level"), 1}});
}

bool saveImage(const QImage& image, const QString& path) {
  // Light compression: a zoomed whole map has millions of pixels.
  const QString error = safefile::writeImage(image, path, "PNG", 80);
  if (error.isEmpty()) {
    printOut(QStringLiteral("Bild gespeichert: %1 (%2 × %3 Pixel)").arg(path).arg(image.width()).arg(image.height()));
    return true;
  }
  printError(error);
  return false;
}

}  // namespace cli
