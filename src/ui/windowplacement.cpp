#include "ui/windowplacement.h"

#include <QScreen>
#include <QWidget>

namespace windowplacement {

namespace {
constexpr int kGap = 8;
}

QPoint besidePosition(const QRect& anchor, const QSize& size, const QRect& screen) {
  int x = anchor.right() + 1 + kGap;
  if (x + size.width() > screen.right() + 1) {
    const int left = anchor.left() - kGap - size.width();
    x = left >= screen.left() ? left : qMax(screen.left(), screen.right() + 1 - size.width());
  }
  const int y = qMax(screen.top(), qMin(anchor.top(), screen.bottom() + 1 - size.height()));
  return {x, y};
}

void placeBeside(QWidget* window, const QWidget* anchor) {
  if (!window || !anchor) return;
  const QRect anchorRect(anchor->mapToGlobal(QPoint(0, 0)), anchor->size());
  QScreen* screen = anchor->screen();
  const QRect available = screen ? screen->availableGeometry() : anchorRect;
  // A window's position is that of its frame, so the frame's size counts.
  window->move(besidePosition(anchorRect, window->frameGeometry().size(), available));
}

}  // namespace windowplacement
