#include "map/mapgeometry.h"

#include <cmath>

namespace mapgeometry {

double roundHalfEven(double v) {
  const double low = std::floor(v);
  const double rest = v - low;
  if (rest < 0.5) return low;
  if (rest > 0.5) return low + 1;
  return std::fmod(low, 2.0) == 0 ? low : low + 1;
}

int WorldGeometry::rows() const { return int(maxY - minY + 1); }

int WorldGeometry::columns() const {
  return int(roundHalfEven(maxX + 0.5 * maxY + 1 - (minX + 0.5 * minY)));
}

QPoint WorldGeometry::tileAt(int x, int y, int h) const {
  const double px = kWorldPitch * (x - minX + 0.5 * (y - minY));
  const double py = h - kWorldPitch * (y - minY + 1);
  return QPoint(int(px), int(py));
}

QPoint overlayCell(int x, int y, double minX, double minY, int height) {
  const double px = kWorldPitch * (x - minX + 0.5 * (y - minY));
  const double py = height - kWorldPitch - kWorldPitch * (y - minY);
  return QPoint(int(std::trunc(px)), int(std::trunc(py)));
}

namespace {
// Row: truncated towards zero, one more from zero on (the top pixel row of a
// cell thus belongs to the row above). Column: rounded down.
int rowOf(double t) { return int(std::trunc(t)) + (t >= 0 ? 1 : 0); }
int columnOf(double s) { return s >= 0 ? int(std::trunc(s)) : int(std::trunc(s)) - 1; }
}  // namespace

Coordinates worldPixelToRegion(double px, double py, int height, double minX, double minY) {
  const int y = rowOf((height - kWorldPitch - py) / kWorldPitch + minY);
  const int x = columnOf(0.5 * minY + minX + px / kWorldPitch - 0.5 * y);
  return {x, y};
}

Coordinates smallPixelToRegion(double px, double py, int cx, int cy, int height) {
  const int y = rowOf((height - kSmallPitch - py) / kSmallPitch + (cy - 4));
  const int x = columnOf(0.5 * (cy - 4) + (cx - 2) + px / kSmallPitch - 0.5 * y);
  return {x, y};
}

QString coordinateText(int x, int y) { return QString::number(x) + QLatin1Char('/') + QString::number(y); }

QList<SmallCell> smallMapCells(int cx, int cy) {
  // Leftmost Breite of each row relative to the centre: k per row pair.
  static const int k[kSmallRows] = {7, 7, 6, 6, 5, 5, 4, 4, 3};
  QList<SmallCell> cells;
  cells.reserve(85);
  for (int r = 1; r <= kSmallRows; ++r) {
    const bool even = r % 2 == 0;
    const int count = even ? 10 : 9;
    for (int c = 1; c <= count; ++c) {
      SmallCell cell;
      cell.row = r;
      cell.column = c;
      cell.topLeft = QPoint((c - 1) * kSmallPitch - (even ? 14 : 0), (r - 1) * kSmallPitch);
      cell.region = {cx + c - k[r - 1], cy + 5 - r};
      cells.append(cell);
    }
  }
  return cells;
}

PositionCheck splitPosition(const QString& position, int level) {
  PositionCheck check;
  const int slash = position.indexOf(QLatin1Char('/'));
  const QString xText = slash < 0 ? position : position.left(slash);
  const QString rest = slash < 0 ? QString() : position.mid(slash + 1);
  if (level == 0)
    check.onLevel = !rest.contains(QLatin1Char('/'));
  else
    check.onLevel = rest.contains(QLatin1Char('/') + QString::number(level));
  const int second = rest.indexOf(QLatin1Char('/'));
  const QString yText = second < 0 ? rest : rest.left(second);
  bool okX = false, okY = false;
  check.at.x = xText.trimmed().toInt(&okX);
  check.at.y = yText.trimmed().toInt(&okY);
  check.numbers = okX && okY;
  return check;
}

}  // namespace mapgeometry
