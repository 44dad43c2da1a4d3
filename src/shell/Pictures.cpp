#include "Pictures.h"

#include <QImage>

namespace Pictures {
namespace {
// The pixmap shows shipped pixels where they are, without a copy.
QPixmap shipped(const unsigned int* pixels, int width, int height, QImage::Format format) {
    return QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(pixels), width, height, width * 4, format));
}
}  // namespace

QPixmap watermark() { return shipped(WatermarkPixels, 300, 150, QImage::Format_RGB32); }

QPixmap glassware(int size) {
    if (size == 96) return shipped(Glassware96Pixels, 96, 96, QImage::Format_ARGB32_Premultiplied);
    if (size == 64) return shipped(Glassware64Pixels, 64, 64, QImage::Format_ARGB32_Premultiplied);
    return glassware(96).scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace Pictures
