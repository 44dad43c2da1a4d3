#pragma once
// Pictures of the program, drawn at build time (shell/pictures) and shipped
// as pixels: the main window's watermark tile and the glassware logo of the
// splash and about windows.
#include <QPixmap>

namespace Pictures {
QPixmap watermark();            // 300 x 150, pale diagonal product name
QPixmap glassware(int size);    // size x size (96 and 64 shipped): cylinder, flask and beaker

// The shipped pixels, row by row (0xAARRGGBB, premultiplied).
extern const unsigned int WatermarkPixels[];   // 300 x 150, opaque
extern const unsigned int Glassware96Pixels[]; // 96 x 96
extern const unsigned int Glassware64Pixels[]; // 64 x 64
}
