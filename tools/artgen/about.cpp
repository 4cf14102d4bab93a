// The picture on the ABOUT page: product name, tagline and a pedal in profile.
#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>

namespace Art {

namespace {

// One pedal seen from the side, the driver to the left: base plate, pivot at
// the front, arm leaning back toward the driver, face plate and spring.
void paintProfile(QPainter &painter)
{
    const QPointF pivot(736, 190);
    const QPointF armTop(640, 74);
    const QPointF springFoot(612, 192);
    const QPointF springHead(690, 132);

    QRadialGradient glow(QPointF(670, 120), 150);
    glow.setColorAt(0, faded(accentLight(), 0.30));
    glow.setColorAt(1, faded(accentLight(), 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(670, 120), 150, 150);

    // Base plate.
    QLinearGradient base(0, 194, 0, 212);
    base.setColorAt(0, QColor(96, 100, 108));
    base.setColorAt(1, QColor(40, 41, 46));
    painter.setBrush(base);
    painter.drawRoundedRect(QRectF(556, 194, 222, 16), 4, 4);
    painter.setBrush(accentLight());
    painter.drawRect(QRectF(560, 209, 214, 2));

    // Spring: a zigzag between two cups.
    const QPointF along = springHead - springFoot;
    const qreal length = std::hypot(along.x(), along.y());
    const QPointF unit = along / length;
    const QPointF normal(-unit.y(), unit.x());
    QPolygonF coil;
    const int turns = 14;
    for (int i = 0; i <= turns; ++i) {
        const qreal t = 0.08 + 0.84 * i / turns;
        const qreal side = (i == 0 || i == turns) ? 0 : (i % 2 ? 11 : -11);
        coil << springFoot + along * t + normal * side;
    }
    QPen wire(accentLight(), 4);
    wire.setJoinStyle(Qt::RoundJoin);
    wire.setCapStyle(Qt::RoundCap);
    painter.setPen(QPen(QColor(70, 72, 78), 7, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(springFoot, springHead);
    painter.setPen(wire);
    painter.drawPolyline(coil);

    // Arm: a tapered bar from the pivot to the face.
    const QPointF armAlong = armTop - pivot;
    const qreal armLength = std::hypot(armAlong.x(), armAlong.y());
    const QPointF armNormal(-armAlong.y() / armLength, armAlong.x() / armLength);
    QPainterPath arm;
    arm.addPolygon(QPolygonF({pivot + armNormal * 11, armTop + armNormal * 7,
                              armTop - armNormal * 7, pivot - armNormal * 11}));
    arm.closeSubpath();
    QLinearGradient armFill(pivot + armNormal * 11, pivot - armNormal * 11);
    armFill.setColorAt(0, QColor(0, 52, 92));
    armFill.setColorAt(0.4, QColor(44, 164, 228));
    armFill.setColorAt(1, QColor(0, 58, 100));
    painter.setPen(Qt::NoPen);
    painter.fillPath(arm, armFill);

    // Pivot and spring cups.
    for (const QPointF &at : {pivot, springHead, springFoot}) {
        QRadialGradient head(at - QPointF(3, 3), 12);
        head.setColorAt(0, QColor(200, 204, 210));
        head.setColorAt(1, QColor(60, 62, 68));
        painter.setBrush(head);
        painter.setPen(QPen(QColor(16, 16, 18), 1.5));
        painter.drawEllipse(at, 8, 8);
    }

    // Face plate, square to the arm, facing the driver.
    painter.save();
    painter.translate(armTop);
    painter.rotate(std::atan2(armAlong.y(), armAlong.x()) * 180 / M_PI);
    QLinearGradient face(-12, 0, 12, 0);
    face.setColorAt(0, QColor(60, 62, 68));
    face.setColorAt(0.5, QColor(170, 174, 182));
    face.setColorAt(1, QColor(80, 82, 88));
    painter.setPen(QPen(QColor(16, 16, 18), 1.5));
    painter.setBrush(face);
    painter.drawRoundedRect(QRectF(-7, -52, 16, 104), 6, 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(accentLight());
    painter.drawRoundedRect(QRectF(7, -40, 4, 80), 2, 2);
    painter.restore();
}

} // namespace

QImage about()
{
    QImage image = canvas(800, 250);
    QPainter painter(&image);
    prepare(painter);

    // The card.
    QPainterPath card;
    card.addRoundedRect(QRectF(3, 3, 794, 244), 18, 18);
    QLinearGradient cardFill(0, 0, 800, 250);
    cardFill.setColorAt(0, QColor(44, 44, 49));
    cardFill.setColorAt(1, QColor(30, 30, 33));
    painter.fillPath(card, cardFill);
    painter.save();
    painter.setClipPath(card);
    QPainterPath band;
    band.addPolygon(QPolygonF({{560, 0}, {800, 0}, {800, 250}, {470, 250}}));
    QLinearGradient bandFill(470, 0, 800, 0);
    bandFill.setColorAt(0, faded(accentDeep(), 0.15));
    bandFill.setColorAt(1, faded(accentDeep(), 0.75));
    painter.fillPath(band, bandFill);
    painter.setPen(QPen(faded(accentLight(), 0.6), 2));
    painter.drawLine(QPointF(560, 0), QPointF(470, 250));
    paintProfile(painter);
    painter.restore();
    painter.setPen(QPen(QColor(255, 255, 255, 34), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(card);

    // Mark, name and tagline.
    paintMark(painter, QRectF(38, 40, 62, 62));
    QPainterPath kind = fittedText(QStringLiteral("SIM RACING PEDAL SET"), sans(60, QFont::Bold, 8),
                                   QRectF(118, 42, 300, 17), Qt::AlignLeft | Qt::AlignVCenter);
    painter.fillPath(kind, accentLight());
    QPainterPath product = fittedText(QStringLiteral("KEST LABS RM25"), sans(80, QFont::Black),
                                      QRectF(118, 68, 330, 34), Qt::AlignLeft | Qt::AlignVCenter);
    painter.fillPath(product, Qt::white);

    QLinearGradient rule(38, 0, 450, 0);
    rule.setColorAt(0, accentLight());
    rule.setColorAt(1, faded(accentLight(), 0));
    painter.fillRect(QRectF(38, 128, 412, 3), rule);

    QPainterPath tagline
        = fittedText(QStringLiteral("PRECISION YOU CAN FEEL"), sans(60, QFont::Bold, 6),
                     QRectF(38, 148, 400, 22), Qt::AlignLeft | Qt::AlignVCenter);
    painter.fillPath(tagline, QColor(222, 222, 226));
    QPainterPath detail = fittedText(
        QStringLiteral("Three pedals  \u00b7  16-bit resolution  \u00b7  USB"),
        sans(60, QFont::Normal, 1), QRectF(38, 184, 400, 24), Qt::AlignLeft | Qt::AlignVCenter);
    painter.fillPath(detail, QColor(156, 156, 162));
    return image;
}

} // namespace Art
