#pragma once
// Pictures of the program: the main window's watermark tile and the
// glassware logo of the splash window.
#include <QPixmap>

namespace Pictures {
QPixmap watermark();     // 300 x 150, pale diagonal product name
QPixmap glassware();     // 32 x 32, cylinder, flask and beaker

// The watermark's pixels (0xffRRGGBB, row by row), drawn at build time by
// shell/watermark.
constexpr int WatermarkWidth = 300;
constexpr int WatermarkHeight = 150;
extern const unsigned int WatermarkPixels[WatermarkWidth * WatermarkHeight];
}
