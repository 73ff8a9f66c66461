#include "ui/windowsplit.h"

#include <QSplitter>
#include <QTimer>

#include "map/mapview.h"

WindowSplit::WindowSplit(QSplitter* beside, QSplitter* above, QObject* parent)
    : QObject(parent), beside_(beside), above_(above), saveTimer_(new QTimer(this)) {
  saveTimer_->setSingleShot(true);
  saveTimer_->setInterval(500);
  connect(saveTimer_, &QTimer::timeout, this, &WindowSplit::save);
  for (QSplitter* splitter : {beside_, above_}) connect(splitter, &QSplitter::splitterMoved, this, &WindowSplit::moved);
}

WindowSplit::~WindowSplit() {
  // A divider moved just before closing is still kept.
  if (unsaved_) save();
}

bool WindowSplit::open(const QString& programPath, int slot) {
  programPath_ = programPath;
  slot_ = slot;
  const mapview::Split kept = mapview::loadSplit(programPath, slot);
  if (!kept.kept()) return false;
  const auto apply = [this, kept] {
    // The splitter shares out the window's room in the kept proportion.
    if (kept.beside.size() == 2) beside_->setSizes(kept.beside);
    if (kept.above.size() == 2) above_->setSizes(kept.above);
  };
  apply();
  // Once more after the window's first layout has given the splitters their room.
  QTimer::singleShot(0, this, apply);
  return true;
}

void WindowSplit::moved() {
  if (programPath_.isEmpty()) return;
  // Taken now: when the window closes, the splitters go before this keeper.
  unsaved_ = mapview::Split{beside_->sizes(), above_->sizes()};
  saveTimer_->start();
}

void WindowSplit::save() {
  if (!unsaved_) return;
  const mapview::Split split = *unsaved_;
  unsaved_.reset();
  // Only comfort: a split that could not be written is no reason to trouble the player.
  mapview::saveSplit(programPath_, slot_, split);
}
