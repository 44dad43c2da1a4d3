#include "Pictures.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace Pictures {

QPixmap watermark() {
    // Shipped as pixels: drawing 40 px text would cost the start-up a font.
    // The pixmap shows them where they are, without a copy.
    const QImage img(reinterpret_cast<const uchar*>(WatermarkPixels), WatermarkWidth, WatermarkHeight,
                     WatermarkWidth * 4, QImage::Format_RGB32);
    return QPixmap::fromImage(img);
}

QPixmap glassware() {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPen glass(QColor(40, 60, 90), 1.2);
    p.setPen(glass);
    // Graduated cylinder
    p.setBrush(QColor(120, 190, 240, 140));
    p.drawRect(QRectF(2, 6, 6, 22));
    for (int y = 10; y < 26; y += 4) p.drawLine(QPointF(2, y), QPointF(5, y));
    p.drawLine(QPointF(0.5, 28), QPointF(9.5, 28));
    // Conical flask
    QPainterPath flask;
    flask.moveTo(14, 8);
    flask.lineTo(14, 15);
    flask.lineTo(10.5, 29);
    flask.lineTo(22.5, 29);
    flask.lineTo(19, 15);
    flask.lineTo(19, 8);
    p.setBrush(QColor(140, 220, 140, 150));
    p.drawPath(flask);
    // Beaker
    p.setBrush(QColor(240, 180, 100, 150));
    p.drawRect(QRectF(23.5, 17, 7.5, 12));
    return pm;
}

}  // namespace Pictures
