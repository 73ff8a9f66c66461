#include "ui/dialogframe.h"

#include <QLayout>
#include <QWidget>

namespace dialogframe {

void makeFixedDialog(QWidget* dialog) {
  Qt::WindowFlags flags = dialog->windowFlags();
  if (!(flags & Qt::CustomizeWindowHint)) {
    // Without this hint the toolkit picks the decorations; with it, only
    // the ones named here are shown.
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  }
  flags &= ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowFullscreenButtonHint |
             Qt::WindowContextHelpButtonHint);
  flags = (flags & ~Qt::WindowType_Mask) | Qt::Dialog;
  // Changing the flags hides a shown window; show it again as it was.
  const bool wasVisible = dialog->isVisible();
  dialog->setWindowFlags(flags);
  if (wasVisible) dialog->show();
  if (dialog->layout() == nullptr) dialog->setFixedSize(dialog->size());
}

void fixSizeToLayout(QWidget* dialog) {
  if (QLayout* layout = dialog->layout()) layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace dialogframe
