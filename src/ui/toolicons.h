#pragma once
// Pictures for the tool bar buttons and the program: the desktop's icon
// theme where it has a fitting one, else drawn here.
#include <QIcon>

namespace toolicons {

enum class Picture { Ships, Units, RedrawMap, RegionMessages, CheckOrders, Possessions, SendOrders, Program };

// The theme icon names tried for a picture, best first.
QStringList themeNames(Picture picture);
// The picture as this program draws it (16 to 64 pixels).
QIcon drawn(Picture picture);
// The theme's icon when there is one, else the drawn one.
QIcon icon(Picture picture);

}  // namespace toolicons
