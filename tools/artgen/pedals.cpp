// The backdrop of the INPUTS and CALIBRATION pages: the pedal set as the
// driver sees it from the seat, with or without the clutch pedal fitted.
#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

namespace Art {

namespace {

// Everything is laid out in the 640 x 361 pixels the backdrop covers on screen.
// The pedal columns sit above the pages' bars and calibrate buttons; the strip
// below the plate stays empty for the value labels drawn over it.
constexpr qreal viewWidth = 640;
constexpr qreal viewHeight = 361;
constexpr qreal clutchX = 98;
constexpr qreal brakeX = 320;
constexpr qreal throttleX = 543;

// The base plate, a trapezoid in perspective: its far edge is shorter.
constexpr qreal plateFar = 196;
constexpr qreal plateNear = 298;
constexpr qreal plateFront = 312;
constexpr qreal farLeft = 62, farRight = 578, nearLeft = 22, nearRight = 618;

enum class Spring { Coil, Elastomer };

struct Pedal
{
    qreal x; // centre column
    qreal faceTop;
    qreal faceBottom;
    qreal topWidth; // the face is farther away at its top, so narrower there
    qreal bottomWidth;
    qreal faceUnits; // height of the face in its own 100-wide coordinates
    int ribs;
    Spring spring;
};

constexpr Pedal clutch {clutchX, 46, 168, 84, 96, 140, 5, Spring::Coil};
constexpr Pedal brake {brakeX, 40, 170, 90, 102, 140, 5, Spring::Elastomer};
constexpr Pedal throttle {throttleX, 28, 176, 62, 72, 200, 8, Spring::Coil};

qreal lerp(qreal a, qreal b, qreal t)
{
    return a + (b - a) * t;
}

void softEllipse(QPainter &painter, QPointF centre, qreal rx, qreal ry, QColor colour)
{
    painter.save();
    painter.translate(centre);
    painter.scale(1, ry / rx);
    QRadialGradient gradient(QPointF(0, 0), rx);
    gradient.setColorAt(0, colour);
    gradient.setColorAt(0.55, faded(colour, 0.45));
    gradient.setColorAt(1, faded(colour, 0));
    painter.fillRect(QRectF(-rx, -rx, 2 * rx, 2 * rx), gradient);
    painter.restore();
}

void bolt(QPainter &painter, QPointF centre, qreal radius)
{
    QRadialGradient head(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    head.setColorAt(0, QColor(190, 194, 200));
    head.setColorAt(1, QColor(70, 72, 78));
    painter.setPen(QPen(QColor(16, 16, 18), radius * 0.25));
    painter.setBrush(head);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 34));
    painter.drawEllipse(centre, radius * 0.42, radius * 0.42);
}

void slot(QPainter &painter, const QRectF &rect)
{
    const qreal r = rect.height() / 2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 26));
    painter.drawRoundedRect(rect.translated(0, 0.8), r, r);
    painter.setBrush(QColor(14, 14, 16));
    painter.drawRoundedRect(rect, r, r);
}

void paintFloor(QPainter &painter)
{
    // A soft pool of light around the pedals; the edges stay transparent so
    // the page's own background shows there.
    softEllipse(painter, {320, 190}, 330, 170, QColor(255, 255, 255, 20));
    softEllipse(painter, {320, plateFront + 2}, 320, 20, QColor(0, 0, 0, 150));
}

void paintPlate(QPainter &painter)
{
    const QPolygonF top(
        {{farLeft, plateFar}, {farRight, plateFar}, {nearRight, plateNear}, {nearLeft, plateNear}});
    QPainterPath topPath;
    topPath.addPolygon(top);
    topPath.closeSubpath();
    QLinearGradient topFill(0, plateFar, 0, plateNear);
    topFill.setColorAt(0, QColor(66, 68, 74));
    topFill.setColorAt(1, QColor(42, 43, 47));
    painter.fillPath(topPath, topFill);
    QLinearGradient sheen(nearLeft, 0, nearRight, 0);
    sheen.setColorAt(0, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 16));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillPath(topPath, sheen);

    // The front edge, seen as a narrow dark face below the top.
    QPainterPath front;
    front.addPolygon(QPolygonF({{nearLeft, plateNear},
                                {nearRight, plateNear},
                                {nearRight - 3, plateFront},
                                {nearLeft + 3, plateFront}}));
    front.closeSubpath();
    QLinearGradient frontFill(0, plateNear, 0, plateFront);
    frontFill.setColorAt(0, QColor(34, 35, 38));
    frontFill.setColorAt(1, QColor(20, 20, 22));
    painter.fillPath(front, frontFill);

    painter.setPen(QPen(QColor(255, 255, 255, 46), 0.9));
    painter.drawLine(QPointF(farLeft, plateFar), QPointF(farRight, plateFar));
    painter.setPen(QPen(QColor(255, 255, 255, 70), 1.1));
    painter.drawLine(QPointF(nearLeft, plateNear), QPointF(nearRight, plateNear));
    painter.setPen(QPen(QColor(255, 255, 255, 22), 0.9));
    painter.drawLine(QPointF(farLeft, plateFar), QPointF(nearLeft, plateNear));
    painter.drawLine(QPointF(farRight, plateFar), QPointF(nearRight, plateNear));

    // The maker's name engraved in the front edge.
    const QPainterPath name = fittedText(QStringLiteral("KEST LABS"), sans(40, QFont::Bold, 10),
                                         QRectF(270, plateNear + 4, 100, 6.5), Qt::AlignCenter);
    painter.fillPath(name, QColor(255, 255, 255, 70));

    // Corner bolts.
    for (qreal t : {0.08, 0.92}) {
        bolt(painter, {lerp(farLeft, nearLeft, t) + 14, lerp(plateFar, plateNear, t)}, 3.2);
        bolt(painter, {lerp(farRight, nearRight, t) - 14, lerp(plateFar, plateNear, t)}, 3.2);
    }
}

// The slots a pedal module bolts into, and its heel rest near the driver.
void paintMount(QPainter &painter, qreal x)
{
    for (qreal dx : {-44.0, 30.0}) {
        slot(painter, QRectF(x + dx, 210, 14, 3.6));
        slot(painter, QRectF(x + dx - 1, 262, 15, 4));
    }
    QPainterPath rest;
    rest.addRoundedRect(QRectF(x - 56, 276, 112, 16), 4, 4);
    QLinearGradient restFill(0, 276, 0, 292);
    restFill.setColorAt(0, QColor(40, 40, 43));
    restFill.setColorAt(1, QColor(24, 24, 26));
    painter.fillPath(rest, restFill);
    painter.setPen(QPen(QColor(255, 255, 255, 30), 0.8));
    painter.drawLine(QPointF(x - 53, 276.6), QPointF(x + 53, 276.6));
    painter.setPen(QPen(QColor(10, 10, 12), 1.1));
    for (int i = 0; i < 3; ++i)
        painter.drawLine(QPointF(x - 48, 281 + i * 4), QPointF(x + 48, 281 + i * 4));
}

void paintBracket(QPainter &painter, qreal x)
{
    QLinearGradient topFill(0, 220, 0, 232);
    topFill.setColorAt(0, QColor(92, 95, 102));
    topFill.setColorAt(1, QColor(66, 68, 74));
    QLinearGradient frontFill(0, 232, 0, 252);
    frontFill.setColorAt(0, QColor(48, 50, 55));
    frontFill.setColorAt(1, QColor(28, 29, 32));
    painter.setPen(Qt::NoPen);
    painter.setBrush(topFill);
    painter.drawRoundedRect(QRectF(x - 27, 220, 54, 13), 3, 3);
    painter.setBrush(frontFill);
    painter.drawRoundedRect(QRectF(x - 28, 231, 56, 21), 3, 3);
    bolt(painter, {x - 19, 243}, 2.6);
    bolt(painter, {x + 19, 243}, 2.6);
}

void paintCoil(QPainter &painter, qreal x, qreal top, qreal bottom, qreal width)
{
    const int turns = 8;
    const qreal pitch = (bottom - top) / turns;
    const QRectF body(x - width * 0.22, top, width * 0.44, bottom - top);
    QPen back(QColor(0, 58, 98), 2.6);
    back.setCapStyle(Qt::RoundCap);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(back);
    for (int i = 0; i < turns; ++i)
        painter.drawArc(QRectF(x - width / 2, top + i * pitch, width, pitch * 1.1), 0, 180 * 16);

    QLinearGradient rod(body.left(), 0, body.right(), 0);
    rod.setColorAt(0, QColor(26, 26, 29));
    rod.setColorAt(0.4, QColor(120, 124, 130));
    rod.setColorAt(1, QColor(30, 30, 33));
    painter.setPen(Qt::NoPen);
    painter.setBrush(rod);
    painter.drawRoundedRect(body, 2, 2);

    QLinearGradient wire(x - width / 2, 0, x + width / 2, 0);
    wire.setColorAt(0, QColor(0, 84, 140));
    wire.setColorAt(0.35, QColor(70, 190, 245));
    wire.setColorAt(1, QColor(0, 92, 150));
    QPen front(QBrush(wire), 2.8);
    front.setCapStyle(Qt::RoundCap);
    painter.setPen(front);
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < turns; ++i)
        painter.drawArc(QRectF(x - width / 2, top + i * pitch, width, pitch * 1.1), 180 * 16,
                        180 * 16);
}

void paintElastomer(QPainter &painter, qreal x, qreal top, qreal bottom, qreal width)
{
    // A stack of rubber discs, alternating black and accent blue.
    const int discs = 7;
    const qreal step = (bottom - top) / discs;
    for (int i = discs - 1; i >= 0; --i) {
        const qreal y = top + i * step;
        const bool blue = i % 2 == 0;
        QLinearGradient fill(x - width / 2, 0, x + width / 2, 0);
        if (blue) {
            fill.setColorAt(0, QColor(0, 70, 118));
            fill.setColorAt(0.35, QColor(40, 165, 228));
            fill.setColorAt(1, QColor(0, 76, 128));
        } else {
            fill.setColorAt(0, QColor(18, 18, 20));
            fill.setColorAt(0.35, QColor(70, 72, 78));
            fill.setColorAt(1, QColor(20, 20, 22));
        }
        QPainterPath disc;
        disc.addRoundedRect(QRectF(x - width / 2, y, width, step + 2), width / 2, (step + 2) / 2);
        painter.fillPath(disc, fill);
    }
}

void paintSpringMount(QPainter &painter, qreal x, qreal y, qreal width)
{
    QRadialGradient cup(QPointF(x - width / 5, y - 2), width * 0.7);
    cup.setColorAt(0, QColor(110, 114, 120));
    cup.setColorAt(1, QColor(30, 31, 34));
    painter.setPen(QPen(QColor(14, 14, 16), 0.8));
    painter.setBrush(cup);
    painter.drawRoundedRect(QRectF(x - width / 2 - 5, y - 5, width + 10, 12), 5, 5);
}

void paintArm(QPainter &painter, const Pedal &pedal)
{
    const qreal x = pedal.x;
    const qreal top = pedal.faceBottom - 24;
    const QPolygonF outline({{x - 10, top}, {x + 10, top}, {x + 14, 243}, {x - 14, 243}});
    QPainterPath arm;
    arm.addPolygon(outline);
    arm.closeSubpath();
    QLinearGradient fill(x - 14, 0, x + 14, 0);
    fill.setColorAt(0, QColor(0, 52, 92));
    fill.setColorAt(0.38, QColor(44, 164, 228));
    fill.setColorAt(0.62, accent());
    fill.setColorAt(1, QColor(0, 46, 82));
    painter.fillPath(arm, fill);
    painter.setPen(QPen(QColor(0, 30, 54), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arm);

    // A lightening slot down the arm.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 20, 38, 200));
    painter.drawRoundedRect(QRectF(x - 3.5, top + 30, 7, 243 - top - 44), 3.5, 3.5);
    bolt(painter, {x, 240}, 5.5);
}

void paintFace(QPainter &painter, const Pedal &pedal)
{
    const qreal x = pedal.x;
    const QPolygonF onScreen({{x - pedal.topWidth / 2, pedal.faceTop},
                              {x + pedal.topWidth / 2, pedal.faceTop},
                              {x + pedal.bottomWidth / 2, pedal.faceBottom},
                              {x - pedal.bottomWidth / 2, pedal.faceBottom}});
    const qreal h = pedal.faceUnits;
    const QPolygonF own({{0, 0}, {100, 0}, {100, h}, {0, h}});
    QTransform toScreen;
    if (!QTransform::quadToQuad(own, onScreen, toScreen))
        return;

    // The plate's thickness shows below its lower edge.
    painter.save();
    painter.translate(0, 5);
    painter.setTransform(toScreen, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 21, 24));
    painter.drawRoundedRect(QRectF(0, 0, 100, h), 14, 14);
    painter.restore();

    painter.save();
    painter.setTransform(toScreen, true);
    QPainterPath plate;
    plate.addRoundedRect(QRectF(0, 0, 100, h), 14, 14);
    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0, QColor(150, 154, 162));
    fill.setColorAt(0.35, QColor(104, 108, 116));
    fill.setColorAt(1, QColor(62, 64, 70));
    painter.fillPath(plate, fill);
    QLinearGradient sheen(0, 0, 100, 0);
    sheen.setColorAt(0, QColor(0, 0, 0, 40));
    sheen.setColorAt(0.3, QColor(255, 255, 255, 34));
    sheen.setColorAt(0.55, QColor(255, 255, 255, 0));
    sheen.setColorAt(1, QColor(0, 0, 0, 50));
    painter.fillPath(plate, sheen);
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(1.2, 1.2, 97.6, h - 2.4), 13, 13);
    painter.setPen(QPen(QColor(14, 14, 16), 1.4));
    painter.drawPath(plate);

    // Grip ribs: slots cut across the face.
    const qreal first = 22, last = h - 34;
    const qreal step = (last - first) / (pedal.ribs - 1);
    for (int i = 0; i < pedal.ribs; ++i)
        slot(painter, QRectF(20, first + i * step - 4, 60, 8));

    // An accent strip along the lower edge and four bolts.
    painter.setPen(Qt::NoPen);
    painter.setBrush(accentLight());
    painter.drawRoundedRect(QRectF(16, h - 18, 68, 6), 3, 3);
    for (QPointF at : {QPointF(10, 10), QPointF(90, 10), QPointF(10, h - 10), QPointF(90, h - 10)})
        bolt(painter, at, 4);
    painter.restore();
}

void paintPedal(QPainter &painter, const Pedal &pedal)
{
    const qreal x = pedal.x;
    softEllipse(painter, {x, 246}, 70, 26, QColor(0, 0, 0, 120));
    paintBracket(painter, x);
    const qreal springTop = pedal.faceBottom + 10;
    const qreal springBottom = 266;
    if (pedal.spring == Spring::Coil) {
        paintSpringMount(painter, x, springBottom, 34);
        paintCoil(painter, x, springTop, springBottom - 2, 34);
    } else {
        paintSpringMount(painter, x, springBottom, 40);
        paintElastomer(painter, x, springTop, springBottom - 2, 40);
    }
    paintArm(painter, pedal);
    paintFace(painter, pedal);
}

} // namespace

QImage pedalSet(bool withClutch)
{
    QImage image = canvas(2303, 1479);
    QPainter painter(&image);
    prepare(painter);
    painter.scale(image.width() / viewWidth, image.height() / viewHeight);

    paintFloor(painter);
    paintPlate(painter);
    for (qreal x : {clutchX, brakeX, throttleX})
        paintMount(painter, x);
    if (withClutch)
        paintPedal(painter, clutch);
    paintPedal(painter, brake);
    paintPedal(painter, throttle);
    return image;
}

} // namespace Art
