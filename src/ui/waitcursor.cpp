#include "ui/waitcursor.h"

#include <QApplication>

WaitCursor::WaitCursor(Start start, Qt::CursorShape shape) : shape_(shape) {
  if (start == Start::On) set();
}

WaitCursor::~WaitCursor() { restore(); }

void WaitCursor::set() {
  if (!on_) QApplication::setOverrideCursor(shape_);
  on_ = true;
}

void WaitCursor::restore() {
  if (on_) QApplication::restoreOverrideCursor();
  on_ = false;
}
