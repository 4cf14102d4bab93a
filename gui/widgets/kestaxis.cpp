#include "kestaxis.h"

#include "curvetext.h"
#include "kestmessage.h"

#include <QBrush>
#include <QClipboard>
#include <QColor>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineF>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QRectF>

#include <cmath>

namespace {

const QColor AXIS_COLOUR(17, 146, 207); // #1192CF
const QColor FINE_GRID_COLOUR(0x40, 0x40, 0x40);
const QColor COARSE_GRID_COLOUR(0x10, 0x10, 0x10);
// The live marker, the chosen point's ring and the value texts: amber, apart from the
// plot's blue.
const QColor MARK_COLOUR(0xFF, 0xB3, 0x47);
const QColor MARK_BACKING(16, 16, 16, 210);

// Half the side of a point's square hit box, and the radius of its drawn circle.
constexpr double kHitHalf = 5.0;
constexpr double kHandleRadius = 6.0;

QPen linePen(const QColor &colour, int width)
{
    return QPen(QBrush(colour), width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

// Rounds to the nearest whole pixel, halves away from zero.
double wholePixel(double v)
{
    return std::round(v);
}

// A point's new height is held within the plot, by a drag and by the keyboard alike.
double clampToPlot(double y)
{
    if (y >= 100)
        return 100;
    if (y <= 0)
        return 0;
    return y;
}

// "50 %" or, after a half step, "49.5 %".
QString percentText(double y)
{
    const bool whole = y == std::floor(y);
    return QStringLiteral("%1 %").arg(QString::number(y, 'f', whole ? 0 : 1));
}

QFont markFont()
{
    QFont font(QStringLiteral("Arial"), 8, QFont::Bold);
    font.setItalic(false);
    return font;
}

QSizeF tagSize(const QFontMetricsF &metrics, const QString &text)
{
    return QSizeF(metrics.horizontalAdvance(text) + 6, metrics.height() + 2);
}

// A text on a dark backing, on the given side of the anchor and kept inside `room`.
void drawTag(QPainter &painter, const QString &text, QPointF anchor, Qt::Alignment side,
             const QRectF &room)
{
    const QSizeF size = tagSize(QFontMetricsF(painter.font()), text);
    QPointF topLeft = anchor;
    if (side & Qt::AlignLeft)
        topLeft.rx() -= size.width();
    else if (side & Qt::AlignHCenter)
        topLeft.rx() -= size.width() / 2;
    if (side & Qt::AlignTop)
        topLeft.ry() -= size.height();
    else if (side & Qt::AlignVCenter)
        topLeft.ry() -= size.height() / 2;
    topLeft.setX(qBound(room.left(), topLeft.x(), room.right() - size.width()));
    topLeft.setY(qBound(room.top(), topLeft.y(), room.bottom() - size.height()));
    const QRectF box(topLeft, size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(MARK_BACKING);
    painter.drawRoundedRect(box, 3, 3);
    painter.setPen(MARK_COLOUR);
    painter.drawText(box, Qt::AlignCenter, text);
}

} // namespace

KestAxis::KestAxis(QWidget *parent) : QWidget(parent)
{
    for (int i = 0; i < POINT_COUNT; ++i) {
        const double x = (i + 1) * (100.0 / 6);
        points[i] = QPointF(x, x);
    }
    setFocusPolicy(Qt::StrongFocus);
    curveName = tr("curve");
    setAccessibleName(curveName);
    setAccessibleDescription(tr("Left and Right choose a point; Up and Down move it by 1 %, "
                                "Page Up and Page Down by 10 %."));
}

void KestAxis::setCurve(const QByteArray &bytes)
{
    const int n = qMin(static_cast<int>(bytes.size()), POINT_COUNT);
    bool changed = false;
    for (int i = 0; i < n; ++i)
        changed = setPointY(i, static_cast<signed char>(bytes.at(i))) || changed;
    refreshAccessibleName();
    update();
    if (changed)
        Q_EMIT curveChanged();
}

bool KestAxis::setPointY(int index, double y)
{
    if (points[index].y() == y)
        return false;
    points[index].setY(y);
    return true;
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

void KestAxis::mousePressEvent(QMouseEvent *event)
{
    const double px = wholePixel(event->position().x());
    const double py = wholePixel(event->position().y());
    // The boxes include their edges; the first match wins where two overlap.
    for (int i = 0; i < POINT_COUNT; ++i) {
        const QPointF s = toScreen(points[i]);
        const double left = s.x() - kHitHalf;
        const double top = s.y() - kHitHalf;
        if (px >= left && px <= left + 2 * kHitHalf && py >= top && py <= top + 2 * kHitHalf) {
            grabbed = i;
            choose(i);
            return;
        }
    }
}

void KestAxis::mouseReleaseEvent(QMouseEvent *)
{
    const bool wasDragging = grabbed >= 0;
    grabbed = -1;
    if (wasDragging)
        update(); // the dragged point's value goes unless the point stays chosen
}

void KestAxis::mouseMoveEvent(QMouseEvent *event)
{
    if (grabbed < 0)
        return;
    // Only the row counts once a point is held, in steps of half a percent.
    const double py = wholePixel(event->position().y());
    if (!setPointY(grabbed, clampToPlot((200 - py) * 0.5)))
        return;
    refreshAccessibleName();
    update();
    Q_EMIT curveChanged();
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
        painter.drawEllipse(QRectF(s.x() - kHandleRadius, s.y() - kHandleRadius, 2 * kHandleRadius,
                                   2 * kHandleRadius));
    }

    // Everything above is the plot itself; what follows only lies on top of it.
    if (grabbed >= 0)
        paintChoice(painter, grabbed);
    else if (hasFocus() && chosen >= 0)
        paintChoice(painter, chosen);
    if (input >= 0)
        paintMarker(painter);
}

void KestAxis::paintChoice(QPainter &painter, int index) const
{
    const QPointF s = toScreen(points[index]);
    if (hasFocus()) {
        painter.setPen(linePen(MARK_COLOUR, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(s, kHandleRadius + 3, kHandleRadius + 3);
    }
    painter.setFont(markFont());
    // Above the point, or below it near the top edge.
    const bool below = s.y() < 28;
    drawTag(painter, percentText(points[index].y()),
            QPointF(s.x(), below ? s.y() + 11 : s.y() - 11),
            Qt::AlignHCenter | (below ? Qt::AlignBottom : Qt::AlignTop), QRectF(rect()));
}

void KestAxis::paintMarker(QPainter &painter) const
{
    const double in = input * 100.0 / 65535.0;
    const double out = valueAt(in);
    const QPointF at = toScreen(QPointF(in, out));

    painter.setPen(QPen(QColor(16, 16, 16), 1));
    painter.setBrush(MARK_COLOUR);
    painter.drawEllipse(at, 4.5, 4.5);

    painter.setFont(markFont());
    const QString text = QStringLiteral("%1 \u2192 %2 %")
                             .arg(QString::number(in, 'f', 0), QString::number(out, 'f', 0));
    // Beside the marker, on the side with room, in the corner the curve leaves free:
    // below right or above left of a rising curve, above right or below left of a
    // falling one. It stays within the plot, clear of the axis labels.
    const bool right
        = at.x() + 6 + tagSize(QFontMetricsF(painter.font()), text).width() <= width() - 2;
    const bool rising = valueAt(in + 1) >= valueAt(in - 1);
    const bool below = rising == right;
    drawTag(painter, text,
            QPointF(right ? at.x() + 6 : at.x() - 6, below ? at.y() + 4 : at.y() - 4),
            (right ? Qt::AlignRight : Qt::AlignLeft) | (below ? Qt::AlignBottom : Qt::AlignTop),
            QRectF(0, 0, width() - 2, 200));
}

QByteArray KestAxis::presetCurve(Preset preset)
{
    // Outputs at the fixed inputs 16.7, 33.3, 50, 66.7 and 83.3 %:
    // progressive is x^2, degressive its mirror 1 - (1 - x)^2, the S-curve 3x^2 - 2x^3.
    switch (preset) {
    case Progressive:
        return QByteArray("\x03\x0b\x19\x2c\x45", 5); // 3, 11, 25, 44, 69
    case Degressive:
        return QByteArray("\x1f\x38\x4b\x59\x61", 5); // 31, 56, 75, 89, 97
    case SCurve:
        return QByteArray("\x07\x1a\x32\x4a\x5d", 5); // 7, 26, 50, 74, 93
    case Linear:
        break;
    }
    return QByteArray("\x11\x21\x32\x43\x53", 5); // 17, 33, 50, 67, 83
}

void KestAxis::applyPreset(Preset preset)
{
    setCurve(presetCurve(preset));
}

void KestAxis::copyCurve() const
{
    QGuiApplication::clipboard()->setText(kest::curveText(curve()));
}

bool KestAxis::pasteCurve(QString *why)
{
    QString reason;
    const QByteArray pasted = kest::curveFromText(QGuiApplication::clipboard()->text(), &reason);
    if (why)
        *why = reason;
    if (pasted.isEmpty())
        return false;
    setCurve(pasted);
    return true;
}

bool KestAxis::pasteCurveOrSayWhy()
{
    QString why;
    if (pasteCurve(&why))
        return true;
    // A box, not a tooltip: it stays until the user has read it, whatever takes the
    // focus or the mouse meanwhile. On the window, as every box: the page's sheet would
    // reach a box of the editor's.
    KestMessage::information(window(), tr("Notify"), why);
    return false;
}

void KestAxis::setInputPosition(int raw)
{
    if (raw == input)
        return;
    input = raw;
    update(); // nothing while the page is not shown
}

double KestAxis::valueAt(double x) const
{
    x = qBound(0.0, x, 100.0);
    QPointF from(0, 0);
    for (int i = 0; i <= POINT_COUNT; ++i) {
        const QPointF to = i < POINT_COUNT ? points[i] : QPointF(100, 100);
        if (x <= to.x())
            return from.y() + (to.y() - from.y()) * (x - from.x()) / (to.x() - from.x());
        from = to;
    }
    return 100;
}

void KestAxis::setCurveName(const QString &name)
{
    curveName = name;
    refreshAccessibleName();
}

QString KestAxis::pointText(int index) const
{
    return tr("%1 point %2: %3").arg(curveName).arg(index + 1).arg(percentText(points[index].y()));
}

void KestAxis::choose(int index)
{
    if (index == chosen)
        return;
    chosen = index;
    refreshAccessibleName();
    update();
}

void KestAxis::refreshAccessibleName()
{
    setAccessibleName(chosen >= 0 ? pointText(chosen) : curveName);
}

void KestAxis::keyPressEvent(QKeyEvent *event)
{
    double step = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        choose(qMax(0, chosen - 1));
        return;
    case Qt::Key_Right:
        choose(qMin(POINT_COUNT - 1, chosen + 1));
        return;
    case Qt::Key_Up:
        step = 1;
        break;
    case Qt::Key_Down:
        step = -1;
        break;
    case Qt::Key_PageUp:
        step = 10;
        break;
    case Qt::Key_PageDown:
        step = -10;
        break;
    case Qt::Key_F10:
        // The keyboard's other way to the context menu, beside the Menu key.
        if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier) {
            openMenu(mapToGlobal(menuAnchor()));
            return;
        }
        QWidget::keyPressEvent(event);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (chosen < 0)
        choose(0);
    if (!setPointY(chosen, clampToPlot(points[chosen].y() + step)))
        return;
    refreshAccessibleName();
    update();
    Q_EMIT curveChanged();
}

QPoint KestAxis::menuAnchor() const
{
    // Beside the chosen point, or the middle one before any was chosen.
    return (toScreen(points[chosen >= 0 ? chosen : POINT_COUNT / 2]) + QPointF(8, 8)).toPoint();
}

void KestAxis::contextMenuEvent(QContextMenuEvent *event)
{
    // From the Menu key the event's position is not where the user looks: the menu opens
    // at the chosen point, as from Shift+F10.
    openMenu(event->reason() == QContextMenuEvent::Keyboard ? mapToGlobal(menuAnchor())
                                                            : event->globalPos());
}

void KestAxis::openMenu(const QPoint &globalPos)
{
    // The menu takes the mouse: the release that would end a drag never arrives here.
    grabbed = -1;
    QMenu menu(this);
    // The page's dark background reaches the menu too; its text and items need colours
    // of their own to be read on it.
    menu.setStyleSheet(QStringLiteral(
        "QMenu { background-color: rgb(40,40,40); color: white; border: 1px solid #1192CF; "
        "padding: 3px 0px; }"
        "QMenu::item { padding: 4px 20px; }"
        "QMenu::item:selected { background-color: #1192CF; }"
        "QMenu::separator { height: 1px; background: #404040; margin: 3px 8px; }"));
    menu.addAction(tr("Linear"), this, [this] { applyPreset(Linear); });
    menu.addAction(tr("Progressive"), this, [this] { applyPreset(Progressive); });
    menu.addAction(tr("Degressive"), this, [this] { applyPreset(Degressive); });
    menu.addAction(tr("S-curve"), this, [this] { applyPreset(SCurve); });
    menu.addSeparator();
    menu.addAction(tr("Copy curve"), this, [this] { copyCurve(); });
    menu.addAction(tr("Paste curve"), this, [this] { pasteCurveOrSayWhy(); });
    menu.exec(globalPos);
}

void KestAxis::focusInEvent(QFocusEvent *event)
{
    if (chosen < 0)
        choose(0);
    update();
    QWidget::focusInEvent(event);
}

void KestAxis::focusOutEvent(QFocusEvent *event)
{
    update();
    QWidget::focusOutEvent(event);
}
