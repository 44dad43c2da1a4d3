#include "Pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace Pictures {

QPixmap watermark() {
    QPixmap pm(300, 150);
    pm.fill(QColor(250, 250, 246));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f = p.font();
    f.setPixelSize(40);
    p.setFont(f);
    p.setPen(QColor(222, 226, 236));
    p.translate(150, 75);
    p.rotate(-20);
    p.drawText(QRect(-150, -30, 300, 60), Qt::AlignCenter, QStringLiteral("Tessival"));
    return pm;
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
