#include "map/mapview.h"

#include "game/filetransaction.h"

#include <QFile>
#include <QStringList>
#include <algorithm>

#include "game/textutil.h"

namespace mapview {

namespace {
constexpr int kSlots = 6;

QStringList readLines(const QString& path) {
  QFile f(path);
  QStringList lines;
  if (f.open(QIODevice::ReadOnly | QIODevice::Text))
    lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
  while (lines.size() < kSlots) lines << QString();
  return lines.mid(0, kSlots);
}
}  // namespace

const QList<int>& zoomSteps() {
  static const QList<int> steps = {1, 2, 3, 4, 6, 8};
  return steps;
}

int nextStep(double zoom) {
  for (int step : zoomSteps())
    if (step > zoom + 1e-9) return step;
  return zoomSteps().last();
}

int previousStep(double zoom) {
  for (auto it = zoomSteps().crbegin(); it != zoomSteps().crend(); ++it)
    if (*it < zoom - 1e-9) return *it;
  return zoomSteps().first();
}

double fittingZoom(int mapWidth, int mapHeight, int viewWidth, int viewHeight) {
  if (mapWidth <= 0 || mapHeight <= 0 || viewWidth <= 0 || viewHeight <= 0) return 1;
  const double fit = std::min(double(viewWidth) / mapWidth, double(viewHeight) / mapHeight);
  if (fit < 1) return fit;
  return std::min(int(fit), zoomSteps().last());
}

QString fileName() { return QStringLiteral("kartenansicht.cfg"); }

namespace {
// A line: "<zoom|ganz> <scrollX> <scrollY>", then optionally the split as
// "<map>,<pages> <reports>,<lower>" (sizes in pixels). A split alone, with
// the view never stored, starts with "-".
QStringList slotFields(const QString& programPath, int slot) {
  return readLines(textutil::joinPath(programPath, fileName())).at(slot - 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QList<int> sizesOf(const QString& field) {
  QList<int> sizes;
  for (const QString& part : field.split(QLatin1Char(','))) {
    bool ok = false;
    const int size = part.toInt(&ok);
    if (!ok || size < 0) return {};
    sizes << size;
  }
  return sizes.size() == 2 ? sizes : QList<int>{};
}

QString fieldOf(const QList<int>& sizes) {
  if (sizes.size() != 2) return QStringLiteral("-");
  return QString::number(sizes.at(0)) + QLatin1Char(',') + QString::number(sizes.at(1));
}

QString viewFields(const View& view) {
  if (!view.kept) return QStringLiteral("- - -");
  return (view.fit ? QStringLiteral("ganz") : QString::number(view.zoom)) + QLatin1Char(' ') +
         QString::number(view.scrollX) + QLatin1Char(' ') + QString::number(view.scrollY);
}

bool writeSlot(const QString& programPath, int slot, const View& view, const Split& split) {
  const QString path = textutil::joinPath(programPath, fileName());
  QStringList lines = readLines(path);
  QString line = viewFields(view);
  if (split.kept()) line += QLatin1Char(' ') + fieldOf(split.beside) + QLatin1Char(' ') + fieldOf(split.above);
  lines[slot - 1] = line;
  // Written whole or not at all: a broken file would lose every slot's view.
  return safefile::writeLines(path, lines).isEmpty();
}
}  // namespace

View load(const QString& programPath, int slot) {
  View v;
  if (slot < 1 || slot > kSlots) return v;
  const QStringList parts = slotFields(programPath, slot);
  if (parts.size() != 3 && parts.size() != 5) return v;
  bool ok[3] = {false, false, false};
  const QString zoom = parts.at(0);
  v.fit = zoom == QLatin1String("ganz");
  v.zoom = v.fit ? 1 : zoom.toInt(&ok[0]);
  if (v.fit) ok[0] = true;
  v.scrollX = parts.at(1).toInt(&ok[1]);
  v.scrollY = parts.at(2).toInt(&ok[2]);
  if (!ok[0] || !ok[1] || !ok[2] || (!v.fit && !zoomSteps().contains(v.zoom))) return View{};
  v.kept = true;
  return v;
}

Split loadSplit(const QString& programPath, int slot) {
  if (slot < 1 || slot > kSlots) return {};
  const QStringList parts = slotFields(programPath, slot);
  if (parts.size() != 5) return {};
  return Split{sizesOf(parts.at(3)), sizesOf(parts.at(4))};
}

bool save(const QString& programPath, int slot, const View& view) {
  if (slot < 1 || slot > kSlots) return false;
  return writeSlot(programPath, slot, view, loadSplit(programPath, slot));
}

bool saveSplit(const QString& programPath, int slot, const Split& split) {
  if (slot < 1 || slot > kSlots) return false;
  return writeSlot(programPath, slot, load(programPath, slot), split);
}

}  // namespace mapview
