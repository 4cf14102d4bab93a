#include "kestslider.h"

#include <QColor>
#include <QFont>
#include <QMouseEvent>
#include <QPainter>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QString>

namespace {

// Pixels of travel, and the percent they stand for.
constexpr int TRAVEL = 42;
constexpr int FULL_SCALE = 21;

} // namespace

KestSlider::KestSlider(QWidget *parent) : QLabel(parent) { }

void KestSlider::setSide(int s)
{
    side = s;
    scale = FULL_SCALE;
    if (s == 0) {
        minX = x();
        maxX = x() + TRAVEL;
    } else if (s == 1) {
        maxX = x();
        minX = x() - TRAVEL;
    }
}

int KestSlider::value() const
{
    // Until setSide has run the travel is empty (both ends at -1); a handle without travel
    // reads 0 rather than dividing by zero, so an early paint or query is harmless.
    const int span = maxX - minX;
    if (span == 0)
        return 0;
    if (side == 0)
        return (x() - minX) * scale / span;
    return (maxX - x()) * scale / span;
}

void KestSlider::setValue(int percent)
{
    const int offset = percent * TRAVEL / scale;
    if (side == 0)
        move(minX + offset, y());
    else if (side == 1)
        move(maxX - offset, y());
}

void KestSlider::mousePressEvent(QMouseEvent *event)
{
    lastPress = event->globalPosition();
    dragging = true;
}

void KestSlider::mouseReleaseEvent(QMouseEvent *)
{
    lastPress = QPointF(-1.0, -1.0);
    dragging = false;
    Q_EMIT valueChanged();
}

void KestSlider::mouseMoveEvent(QMouseEvent *event)
{
    // A flag of its own, not a negative position: on a screen left of or above the
    // primary one every global position is negative.
    if (!dragging)
        return;

    const QPointF here = event->globalPosition();
    const int step = static_cast<int>(here.x() - lastPress.x()); // truncated toward zero
    const int newX = x() + step;
    // A step onto or past either end of the travel is dropped whole, not clamped; the
    // next step is still measured from this mouse position.
    if (minX < newX && newX < maxX)
        move(newX, y());
    lastPress = here;
}

void KestSlider::paintEvent(QPaintEvent *)
{
    // The label's own painting (text, style sheet) is deliberately left out.
    const int w = width();
    const int h = height();

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(QColor(0, 117, 190), Qt::SolidPattern));

    const QRect body(0, 4, w, h - 4);
    painter.drawRoundedRect(body, 4, 4, Qt::AbsoluteSize);

    // The tip sits on the outer edge, which marks the deadzone boundary under the bar.
    QPolygon tip;
    if (side == 0)
        tip << QPoint(0, 10) << QPoint(0, 0) << QPoint(10, 10);
    else
        tip << QPoint(w, 10) << QPoint(w, 0) << QPoint(w - 10, 10);
    painter.drawPolygon(tip, Qt::OddEvenFill);

    painter.setPen(Qt::white);
    painter.setFont(QFont(QStringLiteral("Arial"), 10));
    painter.drawText(body, Qt::AlignCenter, QString::asprintf("%d%%", value()));
}
