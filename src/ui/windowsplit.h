#pragma once
// Keeps the window's two dividers where the player set them: the map beside
// the pages and the report pages above the lower pages. The sizes are kept
// per slot with the map view and come back at the next start; changing the
// shown page never moves them.
#include <QObject>
#include <QString>
#include <optional>

#include "map/mapview.h"

class QSplitter;
class QTimer;

class WindowSplit : public QObject {
  Q_OBJECT
 public:
  WindowSplit(QSplitter* beside, QSplitter* above, QObject* parent = nullptr);
  ~WindowSplit() override;

  // From now on the dividers of `slot` in `programPath` are kept. Returns
  // true when a split was kept before and is set again.
  bool open(const QString& programPath, int slot);

 private:
  void moved();
  void save();

  QSplitter* beside_;
  QSplitter* above_;
  QString programPath_;
  int slot_ = 0;
  std::optional<mapview::Split> unsaved_;
  QTimer* saveTimer_;
};
