#pragma once
// The frame of the fixed-size dialogs: a title, the system menu and a close
// button where the dialog has one, never minimize or maximize, and a size
// the player cannot change.
class QWidget;

namespace dialogframe {

// Takes the minimize, maximize and help buttons away and keeps the title,
// system menu, close button and "stay on top" the dialog already asks for.
void makeFixedDialog(QWidget* dialog);

// The dialog keeps the size its layout needs (texts always whole), and the
// window manager offers no resizing or maximizing.
void fixSizeToLayout(QWidget* dialog);

}  // namespace dialogframe
