#include "PictureBox.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

PictureBox::PictureBox(const QSize& size, QWidget* parent) : QWidget(parent) {
    setFixedSize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_image = QImage(size, QImage::Format_RGB32);
    m_image.fill(m_back);
    Scale(0, 0, size.width(), size.height());
}

void PictureBox::Scale(double left, double top, double right, double bottom) {
    m_left = left;
    m_top = top;
    m_right = right;
    m_bottom = bottom;
}

QPointF PictureBox::imagePoint(double x, double y) const {
    return {(x - m_left) / (m_right - m_left) * m_image.width(),
            (y - m_top) / (m_bottom - m_top) * m_image.height()};
}

QPoint PictureBox::pixelAt(double x, double y) const {
    const QPointF p = imagePoint(x, y);
    return {int(std::floor(p.x())), int(std::floor(p.y()))};
}

double PictureBox::pixelsPerUnit() const { return m_image.width() / std::abs(m_right - m_left); }

void PictureBox::Circle(double x, double y, double radius) { Circle(x, y, radius, ForeColor); }

void PictureBox::Circle(double x, double y, double radius, const QColor& outline) {
    // One painter serves a run of circles until the image is shown or read.
    if (!m_painter.isActive()) {
        m_painter.begin(&m_image);
        // Not antialiased: a circle drawn again at the same place covers
        // every pixel of the one before, so a picture's pixels do not depend
        // on how often a place was drawn.
        m_painter.setRenderHint(QPainter::Antialiasing, false);
    }
    m_painter.setPen(QPen(outline, 1));
    m_painter.setBrush(FillStyle == 0 ? QBrush(FillColor) : QBrush(Qt::NoBrush));
    const double r = radius * pixelsPerUnit();
    const QPointF c = imagePoint(x, y);
    m_painter.drawEllipse(c, r, r);
    update(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r).toAlignedRect().adjusted(-2, -2, 2, 2));
}

void PictureBox::finishDrawing() const {
    if (m_painter.isActive()) m_painter.end();
}

const QImage& PictureBox::image() const {
    finishDrawing();
    return m_image;
}

void PictureBox::Cls() {
    finishDrawing();
    m_image.fill(m_back);
    update();
}

void PictureBox::setBackColor(const QColor& c) {
    m_back = c;
    Cls();
}

void PictureBox::paintEvent(QPaintEvent* e) {
    finishDrawing();
    QPainter p(this);
    p.drawImage(e->rect(), m_image, e->rect());
}
