#include "map/mapexchange.h"

#include <algorithm>

#include "game/textutil.h"
#include "db/database.h"
#include "db/dberror.h"
#include "db/filteroff.h"
#include "db/table.h"
#include "report/reportfile.h"

namespace mapexchange {

namespace {

const QString kOcean = QStringLiteral("Ozean");
const QString kUnknown = QStringLiteral("unbekannt");
const QString kRegionPrefix = QStringLiteral("REGION ");
const QString kPrimaryKey = QStringLiteral("Spiel;Breite;Länge;Ebene");

void appendRow(QStringList& lines, const Table& t) {
  lines << regionBlock(int(t.intValue(QStringLiteral("Breite"))), int(t.intValue(QStringLiteral("Länge"))),
                       int(t.intValue(QStringLiteral("Ebene"))), t.text(QStringLiteral("Regiontyp")),
                       t.text(QStringLiteral("Regionname")));
}

ExportResult written(const QString& path, const QStringList& lines, int regions) {
  ExportResult result;
  result.error = textutil::writeLinesAtomic(path, lines);
  if (result.ok()) result.regions = regions;
  return result;
}

// The square's corner strips that lie outside the hexagon.
bool cutCorner(qint64 dx, qint64 dy, qint64 r) {
  return (dx == r && dy > 0) || (dx == -r && dy < 0) || (dy == r && dx > 0) || (dy == -r && dx < 0);
}

struct Block {
  int line = 0;  // 1-based, for messages
  int x = 0;
  int y = 0;
  int level = 0;
  std::optional<QString> terrain;
  std::optional<QString> name;
};

// Reads the blocks of the file's lines; the first bad coordinate stops it.
std::optional<QList<Block>> parseBlocks(const QString& path, const QStringList& lines, QString* error) {
  QList<Block> blocks;
  qsizetype i = 0;
  while (i < lines.size()) {
    const QString& header = lines.at(i);
    if (!header.startsWith(kRegionPrefix)) {
      ++i;
      continue;
    }
    Block b;
    b.line = int(i + 1);
    const QStringList parts = header.mid(kRegionPrefix.size()).trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::optional<qint32> coordinate[3] = {std::nullopt, std::nullopt, 0};
    for (int k = 0; k < 3 && k < parts.size(); ++k) coordinate[k] = textutil::strictInt(parts.at(k));
    if (!coordinate[0] || !coordinate[1] || !coordinate[2]) {
      *error = QStringLiteral("Die Kartendatei %1 ist fehlerhaft: Zeile %2 „%3“ enthält keine ganzzahligen Koordinaten. "
                              "Es wurde nichts importiert.")
                   .arg(path)
                   .arg(b.line)
                   .arg(header);
      return std::nullopt;
    }
    b.x = *coordinate[0];
    b.y = *coordinate[1];
    b.level = *coordinate[2];
    // The block runs to the next line that names a region. A report read as
    // a map file has unit names further down: the first value of each kind
    // is the region's own.
    for (++i; i < lines.size() && !lines.at(i).contains(QLatin1String("REGION")); ++i) {
      const QString& line = lines.at(i);
      if (!b.terrain && line.contains(QLatin1String("\";Terrain")))
        b.terrain = quotedValue(line);
      else if (!b.name && line.contains(QLatin1String("\";Name")))
        b.name = quotedValue(line);
    }
    blocks << b;
  }
  return blocks;
}

// The exports proper; table errors reach the callers as exceptions.
ExportResult writeFullMap(Table& regionen, const QString& path) {
  regionen.open();
  regionen.setIndexFields(kPrimaryKey);
  QStringList lines;
  int regions = 0;
  for (bool row = regionen.first(); row; row = regionen.next()) {
    appendRow(lines, regionen);
    ++regions;
  }
  return written(path, lines, regions);
}

ExportResult writeArea(Table& regionen, int slot, int x0, int y0, int radius, const QString& path) {
  regionen.open();
  regionen.setIndexFields(kPrimaryKey);
  QStringList lines;
  int regions = 0;
  const qint64 r = radius;
  const auto inArea = [&](qint64 x, qint64 y) {
    const qint64 dx = x - x0, dy = y - y0;
    return dx >= -r && dx <= r && dy >= -r && dy <= r && !cutCorner(dx, dy, r);
  };
  if (radius >= 0) {
    // One walk finds what a look-up per candidate finds (per cell the first
    // row in key order, so the lowest level) at a fraction of the cost and
    // without the square's size mattering; the rows are then put in the
    // candidates' order, north to south and east to west.
    struct Found {
      qint64 x, y;
      QStringList block;
    };
    QList<Found> found;
    qint64 lastX = 0, lastY = 0;
    bool any = false;
    for (bool row = regionen.first(); row; row = regionen.next()) {
      if (regionen.intValue(QStringLiteral("Spiel")) != slot) continue;
      const qint64 x = regionen.intValue(QStringLiteral("Breite"));
      const qint64 y = regionen.intValue(QStringLiteral("Länge"));
      if ((any && x == lastX && y == lastY) || !inArea(x, y)) continue;
      any = true, lastX = x, lastY = y;
      QStringList block;
      appendRow(block, regionen);
      found.append({x, y, block});
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
      return a.y != b.y ? a.y > b.y : a.x > b.x;
    });
    for (const Found& f : found) lines << f.block;
    regions = int(found.size());
  }
  return written(path, lines, regions);
}

}  // namespace

QStringList regionBlock(int x, int y, int level, const QString& terrain, const QString& name) {
  QString header = kRegionPrefix + QString::number(x) + QLatin1Char(' ') + QString::number(y);
  if (level != 0) header += QLatin1Char(' ') + QString::number(level);
  QStringList lines{header, QLatin1Char('"') + terrain + QStringLiteral("\";Terrain")};
  if (terrain != kOcean) lines << QLatin1Char('"') + name + QStringLiteral("\";Name");
  return lines;
}

QString quotedValue(const QString& line) {
  const qsizetype end = line.indexOf(QLatin1String("\";"));
  if (end < 1) return QString();
  return line.mid(1, end - 1);
}

ExportResult exportFullMap(Table& regionen, const QString& path) {
  try {
    return writeFullMap(regionen, path);
  } catch (const DbError& e) {
    return {0, QStringLiteral("Die Karte konnte nicht nach %1 exportiert werden: %2").arg(path, e.message())};
  }
}

std::optional<int> parseRadius(const QString& text) { return textutil::strictInt(text.trimmed()); }

ExportResult exportArea(Table& regionen, int slot, int x0, int y0, int radius, const QString& path) {
  try {
    return writeArea(regionen, slot, x0, y0, radius, path);
  } catch (const DbError& e) {
    return {0, QStringLiteral("Der Kartenteil konnte nicht nach %1 exportiert werden: %2").arg(path, e.message())};
  }
}

ImportResult importMap(Database& db, Table& regionen, int slot, const QString& path) {
  ImportResult result;
  QString error;
  const std::optional<QStringList> lines = reportfile::load(path, &error);
  if (!lines) {
    result.error = error + QStringLiteral(" Es wurde nichts importiert.");
    return result;
  }
  const std::optional<QList<Block>> blocks = parseBlocks(path, *lines, &result.error);
  if (!blocks) return result;
  result.blocks = int(blocks->size());

  FilterOff unfiltered(regionen);
  regionen.open();
  regionen.setIndexFields(kPrimaryKey);
  const bool ownTransaction = !db.inTransaction();
  auto undo = [&](const QString& reason) {
    regionen.cancel();
    if (ownTransaction) db.rollback();
    result.added = result.known = 0;
    result.error = QStringLiteral("Die Kartendatei %1 konnte nicht importiert werden: %2 Es wurde nichts importiert.")
                       .arg(path, reason);
  };
  try {
    if (ownTransaction) db.begin();
    for (const Block& b : *blocks) {
      if (regionen.findKey({slot, b.x, b.y, b.level})) {
        ++result.known;
        continue;
      }
      regionen.append();
      regionen.setValue(QStringLiteral("Spiel"), slot);
      regionen.setValue(QStringLiteral("Breite"), b.x);
      regionen.setValue(QStringLiteral("Länge"), b.y);
      regionen.setValue(QStringLiteral("Ebene"), b.level);
      const QString terrain = b.terrain.value_or(QString());
      regionen.setValue(QStringLiteral("Regiontyp"), terrain);
      regionen.setValue(QStringLiteral("Regionname"), terrain == kOcean ? kOcean : b.name.value_or(kUnknown));
      regionen.post();
      ++result.added;
    }
    if (ownTransaction) db.commit();
  } catch (const DbError& e) {
    undo(e.message());
  } catch (const std::exception& e) {
    undo(QString::fromUtf8(e.what()));
  }
  return result;
}

QString fullExportMessage(const QString& path) {
  return QStringLiteral("Exportieren der Gesamtkarte in Datei: ") + path + QStringLiteral(" erfolgreich durchgeführt.");
}

QString areaExportMessage(const QString& path) {
  return QStringLiteral("Exportieren des Kartenteiles in Datei: ") + path + QStringLiteral(" erfolgreich durchgeführt.");
}

QString notMarkedMessage() {
  return QStringLiteral(
      "Es ist noch keine Region markiert. Bitte zuerst den Mittelpunkt des Exportbereichs markieren.");
}

QString radiusPrompt(const QString& regionName, int x, int y) {
  return QStringLiteral("Exportradius um ") + regionName + QStringLiteral("  (") + QString::number(x) +
         QLatin1Char('/') + QString::number(y) + QStringLiteral(")?");
}

QString badRadiusMessage(const QString& text) {
  return QStringLiteral("„%1“ ist kein gültiger Exportradius: bitte eine ganze Zahl eingeben. Es wurde keine Datei geschrieben.")
      .arg(text);
}

}  // namespace mapexchange
