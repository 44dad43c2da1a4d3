#pragma once
// Pictures drawn for the program: the main window's watermark tile and the
// glassware logo of the splash window.
#include <QPixmap>

namespace Pictures {
QPixmap watermark();     // 300 x 150, pale diagonal product name
QPixmap glassware();     // 32 x 32, cylinder, flask and beaker
}
