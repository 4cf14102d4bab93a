#include "kestaxis.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QLineF>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QRectF>

#include <cmath>

namespace {

const QColor AXIS_COLOUR(17, 146, 207); // #1192CF
const QColor FINE_GRID_COLOUR(0x40, 0x40, 0x40);
const QColor COARSE_GRID_COLOUR(0x10, 0x10, 0x10);

// Half the side of a point's square hit box, and the radius of its drawn circle.
constexpr double HIT_HALF = 5.0;
constexpr double HANDLE_RADIUS = 6.0;

QPen linePen(const QColor &colour, int width)
{
    return QPen(QBrush(colour), width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

// Rounds to the nearest whole pixel, halves away from zero.
double wholePixel(double v)
{
    return std::round(v);
}

} // namespace

KestAxis::KestAxis(QWidget *parent) : QWidget(parent)
{
    for (int i = 0; i < POINT_COUNT; ++i) {
        const double x = (i + 1) * (100.0 / 6);
        points[i] = QPointF(x, x);
    }
}

void KestAxis::setCurve(const QByteArray &bytes)
{
    const int n = qMin(static_cast<int>(bytes.size()), POINT_COUNT);
    for (int i = 0; i < n; ++i)
        points[i].setY(static_cast<signed char>(bytes.at(i)));
    update();
}

QByteArray KestAxis::curve() const
{
    QByteArray bytes(POINT_COUNT, '\0');
    for (int i = 0; i < POINT_COUNT; ++i)
        bytes[i] = static_cast<char>(static_cast<int>(points[i].y()));
    return bytes;
}

QPointF KestAxis::toScreen(const QPointF &percent)
{
    return QPointF(2 * percent.x() + 5, 200 - 2 * percent.y());
}

QPointF KestAxis::fromScreen(const QPointF &pixel)
{
    return QPointF((pixel.x() - 5) / 2, (200 - pixel.y()) / 2);
}

void KestAxis::mousePressEvent(QMouseEvent *event)
{
    const double px = wholePixel(event->position().x());
    const double py = wholePixel(event->position().y());
    // The boxes include their edges; the first match wins where two overlap.
    for (int i = 0; i < POINT_COUNT; ++i) {
        const QPointF s = toScreen(points[i]);
        const double left = s.x() - HIT_HALF;
        const double top = s.y() - HIT_HALF;
        if (px >= left && px <= left + 2 * HIT_HALF && py >= top && py <= top + 2 * HIT_HALF) {
            grabbed = i;
            return;
        }
    }
}

void KestAxis::mouseReleaseEvent(QMouseEvent *)
{
    grabbed = -1;
}

void KestAxis::mouseMoveEvent(QMouseEvent *event)
{
    if (grabbed < 0)
        return;
    // Only the row counts once a point is held, in steps of half a percent.
    const double py = wholePixel(event->position().y());
    double y = (200 - py) * 0.5;
    if (y >= 100)
        y = 100;
    else if (y <= 0)
        y = 0;
    points[grabbed].setY(y);
    update();
}

void KestAxis::paintEvent(QPaintEvent *)
{
    // No background: the page shows through. The order of the steps decides what lies on
    // top: axes, labels, fine grid, coarse grid, curve, handles.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);

    const QPen axisPen = linePen(AXIS_COLOUR, 2);
    painter.setPen(axisPen);
    painter.drawLine(QLineF(0, 1, 5, 1));
    painter.drawLine(QLineF(0, 100, 5, 100));
    painter.drawLine(QLineF(202, 200, 202, 205));
    painter.drawLine(QLineF(105, 200, 105, 205));
    painter.drawLine(QLineF(5, 0, 5, 205));
    painter.drawLine(QLineF(0, 200, 200, 200));

    QFont labelFont(QStringLiteral("Arial"), 11, QFont::Bold);
    labelFont.setItalic(false);
    painter.setFont(labelFont);
    painter.drawText(QPointF(0, 222), tr("0"));
    painter.drawText(QPointF(95, 222), tr("50"));
    painter.drawText(QPointF(188, 222), tr("100"));

    // Fine rows at 12.5, 37.5, 62.5 and 87.5 %; its columns sit one pixel left of those.
    painter.setPen(linePen(FINE_GRID_COLOUR, 1));
    for (const int y : {25, 75, 125, 175})
        painter.drawLine(QLineF(7, y, 200, y));
    for (const int x : {29, 79, 129, 179})
        painter.drawLine(QLineF(x, 0, x, 198));

    // Coarse grid at 25, 50 and 75 %.
    painter.setPen(linePen(COARSE_GRID_COLOUR, 1));
    for (const int y : {50, 100, 150})
        painter.drawLine(QLineF(7, y, 200, y));
    for (const int x : {55, 105, 155})
        painter.drawLine(QLineF(x, 0, x, 198));

    painter.setPen(axisPen);
    QPointF from(5, 200);
    for (const QPointF &p : points) {
        const QPointF to = toScreen(p);
        painter.drawLine(QLineF(from, to));
        from = to;
    }
    painter.drawLine(QLineF(from, QPointF(205, 0)));

    painter.setPen(linePen(Qt::white, 2));
    painter.setBrush(QBrush(AXIS_COLOUR, Qt::SolidPattern));
    for (const QPointF &p : points) {
        const QPointF s = toScreen(p);
        painter.drawEllipse(QRectF(s.x() - HANDLE_RADIUS, s.y() - HANDLE_RADIUS, 2 * HANDLE_RADIUS,
                                   2 * HANDLE_RADIUS));
    }
}
