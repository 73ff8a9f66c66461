#include "ui/importinputguard.h"

#include <QApplication>
#include <QCloseEvent>
#include <QWidget>
#include <QWindow>

namespace {

// The window a receiver belongs to, as a widget when it is one.
QWidget* windowOf(QObject* watched) {
  if (auto* widget = qobject_cast<QWidget*>(watched)) return widget->window();
  if (auto* window = qobject_cast<QWindow*>(watched)) {
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->windowHandle() == window) return top;
  }
  return nullptr;
}

}  // namespace

ImportInputGuard::ImportInputGuard() { qApp->installEventFilter(this); }

ImportInputGuard::~ImportInputGuard() {
  // Input that arrived since the last repaint is still queued; it goes now.
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  qApp->removeEventFilter(this);
}

bool ImportInputGuard::isPlayerInput(int type) {
  switch (QEvent::Type(type)) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::NativeGesture:
    case QEvent::DragEnter:
    case QEvent::Drop:
      return true;
    default:
      return false;
  }
}

bool ImportInputGuard::eventFilter(QObject* watched, QEvent* event) {
  const bool input = isPlayerInput(event->type());
  if (!input && event->type() != QEvent::Close) return false;
  // A question of the import is open: its answer must get through.
  QWidget* modal = QApplication::activeModalWidget();
  QWidget* target = windowOf(watched);
  if (modal && target == modal) return false;
  if (event->type() == QEvent::Close) {
    // Closing the program halfway through a report is refused; only the
    // program's own windows are asked, not the ones Qt closes itself.
    if (!event->spontaneous() || !target) return false;
    event->ignore();
    ++dropped_;
    return true;
  }
  ++dropped_;
  return true;
}
