#include "kestslider.h"

#include <QColor>
#include <QFocusEvent>
#include <QFont>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QRectF>
#include <QString>

namespace {

// Pixels of travel, and the percent they stand for.
constexpr int kTravel = 42;
constexpr int kFullScale = 21;

} // namespace

KestSlider::KestSlider(QWidget *parent) : QLabel(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleDescription(tr("Left and Right move the handle by 1 %, with Shift by 5 %."));
    keyBurst.setObjectName(QStringLiteral("keyBurst"));
    keyBurst.setParent(this);
    keyBurst.setSingleShot(true);
    keyBurst.setInterval(KEY_BURST_MS);
    connect(&keyBurst, &QTimer::timeout, this, &KestSlider::endKeyBurst);
}

void KestSlider::setSide(int s)
{
    side = s;
    scale = kFullScale;
    if (s == 0) {
        minX = x();
        maxX = x() + kTravel;
    } else if (s == 1) {
        maxX = x();
        minX = x() - kTravel;
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
    const int offset = percent * kTravel / scale;
    if (side == 0)
        move(minX + offset, y());
    else if (side == 1)
        move(maxX - offset, y());
    refreshAccessibleName();
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
    keysPending = false; // this signal reports the keys' moves too
    keyBurst.stop();
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
    if (minX < newX && newX < maxX) {
        move(newX, y());
        refreshAccessibleName();
    }
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

    // Focus is shown on top of the tab, inside its body.
    if (hasFocus()) {
        painter.setPen(QPen(QColor(0xFF, 0xB3, 0x47), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(body).adjusted(1, 1, -1, -1), 3, 3, Qt::AbsoluteSize);
    }
}

void KestSlider::keyPressEvent(QKeyEvent *event)
{
    int towardRight = 0;
    if (event->key() == Qt::Key_Right)
        towardRight = 1;
    else if (event->key() == Qt::Key_Left)
        towardRight = -1;
    if (towardRight == 0 || scale <= 0) {
        QLabel::keyPressEvent(event);
        return;
    }
    // A left handle grows to the right, a right handle to the left. A key stays within
    // the handle's own range 0..21, ends included, on whole percents.
    const int step = (event->modifiers() & Qt::ShiftModifier) ? 5 : 1;
    const int grows = side == 0 ? towardRight : -towardRight;
    const int target = qBound(0, value() + grows * step, scale);
    if (target == value())
        return;
    setValue(target);
    keysPending = true;
    keyBurst.start();
}

void KestSlider::focusInEvent(QFocusEvent *event)
{
    update();
    QLabel::focusInEvent(event);
}

void KestSlider::focusOutEvent(QFocusEvent *event)
{
    endKeyBurst();
    update();
    QLabel::focusOutEvent(event);
}

void KestSlider::setHandleName(const QString &name)
{
    handleName = name;
    refreshAccessibleName();
}

void KestSlider::refreshAccessibleName()
{
    if (!handleName.isEmpty())
        setAccessibleName(tr("%1: %2 %").arg(handleName).arg(value()));
}

void KestSlider::endKeyBurst()
{
    if (!keysPending)
        return;
    keysPending = false;
    keyBurst.stop();
    Q_EMIT valueChanged();
}
