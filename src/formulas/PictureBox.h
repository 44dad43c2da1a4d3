#pragma once
// A drawing area that keeps what is drawn on it: circles in a user coordinate
// system, painted into a retained image that the paint handler shows, so
// covering, hiding and printing never lose the drawing.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QWidget>

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(const QSize& size, QWidget* parent = nullptr);

    // Fill and outline of the next circles. FillStyle 0 is solid, 1 transparent.
    QColor FillColor = Qt::black;
    int FillStyle = 1;
    QColor ForeColor = Qt::black;
    void setDrawing(const QColor& fill, int style, const QColor& fore) {
        FillColor = fill;
        FillStyle = style;
        ForeColor = fore;
    }

    // User coordinates of the top left and bottom right corners.
    void Scale(double left, double top, double right, double bottom);
    // A circle centred at (x, y) with a radius in horizontal user units,
    // outlined in ForeColor or the given colour, filled when FillStyle is 0.
    void Circle(double x, double y, double radius);
    void Circle(double x, double y, double radius, const QColor& outline);
    // Clears to the background colour; the scale stays.
    void Cls();

    void setBackColor(const QColor& c);

    const QImage& image() const;
    // A point in user coordinates on the image, and the pixel it falls in.
    QPointF imagePoint(double x, double y) const;
    QPoint pixelAt(double x, double y) const;
    // Pixels per horizontal user unit.
    double pixelsPerUnit() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void finishDrawing() const;

    QImage m_image;
    mutable QPainter m_painter;  // after the image: ends before the image goes
    QColor m_back = Qt::black;
    double m_left = 0, m_top = 0, m_right = 1, m_bottom = 1;
};
