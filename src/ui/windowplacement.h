#pragma once
// Where a tool window opens: beside the control it works on, not over it.
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace windowplacement {

// The top-left corner for a window of `size` beside `anchor` (global
// coordinates) on `screen`: right of it when there is room, else left of
// it, else as far right as the screen allows; the top follows the anchor,
// kept on the screen.
QPoint besidePosition(const QRect& anchor, const QSize& size, const QRect& screen);

// Moves the shown `window` beside `anchor` on the anchor's screen.
void placeBeside(QWidget* window, const QWidget* anchor);

}  // namespace windowplacement
