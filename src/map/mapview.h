#pragma once
// How the player last looked at the world map, per game slot: the zoom
// step and the scroll position, kept across starts in a small file of the
// program folder (zendral.cfg keeps its fixed layout).
#include <QList>
#include <QString>

namespace mapview {

// The zoom steps of the map menu, Ctrl + wheel and Ctrl + plus / minus.
const QList<int>& zoomSteps();
// The step after / before `zoom` (a fitted zoom lies between steps).
int nextStep(double zoom);
int previousStep(double zoom);
// "Ganze Karte": the largest scale showing the whole map in the view. At
// least 1 it is a whole factor (at most the largest step), below 1 the
// picture is shrunk.
double fittingZoom(int mapWidth, int mapHeight, int viewWidth, int viewHeight);

struct View {
  bool kept = false;  // false: never stored, show the map as a new one
  bool fit = false;   // "Ganze Karte"
  int zoom = 1;
  int scrollX = 0, scrollY = 0;
};

// Where the player set the window's dividers: the map beside the pages, and
// the report pages above the lower pages. Empty lists: never set.
struct Split {
  QList<int> beside;  // widths: map, pages
  QList<int> above;   // heights: report pages, lower pages
  bool kept() const { return !beside.isEmpty() || !above.isEmpty(); }
};

QString fileName();  // "kartenansicht.cfg"
// The slot's view from the file in `programPath`; not kept when the file or
// its line is missing or unreadable.
View load(const QString& programPath, int slot);
// Writes the slot's view, keeping its split and the other slots' lines;
// false when it could not.
bool save(const QString& programPath, int slot, const View& view);
// The slot's split, kept on the same line after the view; a line without
// one (or of an older version) gives an empty split.
Split loadSplit(const QString& programPath, int slot);
bool saveSplit(const QString& programPath, int slot, const Split& split);

}  // namespace mapview
