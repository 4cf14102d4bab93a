// The small pieces of artwork: the maker's mark and wordmark, the header band,
// the window glyphs and the drop-down arrow.
#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>

namespace Art {

namespace {

// The mark is drawn on a 100 x 100 grid; the PNGs and the SVG share this geometry.
const QRectF tileRect(2, 2, 96, 96);
constexpr qreal tileRadius = 20;
constexpr qreal sheenDepth = 55;
constexpr qreal rimWidth = 1.5;
const QColor rimColour(255, 255, 255, 70);
const QColor sheenTop(255, 255, 255, 60);

// The tile's diagonal gradient, lit from the top left.
QGradientStops tileStops()
{
    return {{0, QColor(40, 168, 228)}, {0.45, accent()}, {1, QColor(0, 78, 132)}};
}

QPainterPath tilePath()
{
    QPainterPath tile;
    tile.addRoundedRect(tileRect, tileRadius, tileRadius);
    return tile;
}

// The letter: a stem, an upper arm swept back like a wing and a leg.
QPainterPath letterPath()
{
    QPainterPath stem, arm, leg;
    stem.addPolygon(QPolygonF({{22, 18}, {38, 18}, {38, 82}, {22, 82}}));
    arm.addPolygon(QPolygonF({{36, 48}, {68, 18}, {90, 12}, {84, 22}, {36, 68}}));
    leg.addPolygon(QPolygonF({{48, 54}, {64, 40}, {86, 82}, {67, 82}}));
    return stem.united(arm).united(leg);
}

QByteArray number(qreal value)
{
    return QByteArray::number(value, 'g', 6);
}

QByteArray svgColour(const QColor &colour)
{
    return colour.name(QColor::HexRgb).toLatin1();
}

QByteArray svgStops(const QGradientStops &stops)
{
    QByteArray out;
    for (const QGradientStop &stop : stops) {
        out += "      <stop offset=\"" + number(stop.first) + "\" stop-color=\""
            + svgColour(stop.second) + '"';
        if (stop.second.alpha() != 255)
            out += " stop-opacity=\"" + number(stop.second.alphaF()) + '"';
        out += "/>\n";
    }
    return out;
}

} // namespace

QByteArray svgPathData(const QPainterPath &path)
{
    QByteArray out;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const QByteArray point = number(e.x) + ',' + number(e.y);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            out += (out.isEmpty() ? "M" : " M") + point;
            break;
        case QPainterPath::LineToElement:
            out += " L" + point;
            break;
        case QPainterPath::CurveToElement:
            out += " C" + point;
            break;
        case QPainterPath::CurveToDataElement:
            out += ' ' + point;
            break;
        }
    }
    return out;
}

void paintMark(QPainter &painter, const QRectF &box)
{
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / 100, box.height() / 100);

    const QPainterPath tile = tilePath();
    QLinearGradient fill(0, 0, 100, 100);
    fill.setStops(tileStops());
    painter.fillPath(tile, fill);
    QLinearGradient sheen(0, 0, 0, sheenDepth);
    sheen.setColorAt(0, sheenTop);
    sheen.setColorAt(1, faded(sheenTop, 0));
    painter.save();
    painter.setClipPath(tile);
    painter.fillRect(QRectF(0, 0, 100, sheenDepth), sheen);
    painter.restore();

    painter.fillPath(letterPath(), QColor(255, 255, 255));

    painter.setPen(QPen(rimColour, rimWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tile);
    painter.restore();
}

QByteArray markSvg()
{
    const QRectF &t = tileRect;
    const QByteArray tile = "x=\"" + number(t.x()) + "\" y=\"" + number(t.y()) + "\" width=\""
        + number(t.width()) + "\" height=\"" + number(t.height()) + "\" rx=\"" + number(tileRadius)
        + '"';
    QByteArray out;
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
           "viewBox=\"0 0 100 100\">\n";
    out += "  <title>Kest Labs Setting</title>\n";
    out += "  <defs>\n";
    out += "    <linearGradient id=\"fill\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"0\" "
           "x2=\"100\" y2=\"100\">\n";
    out += svgStops(tileStops());
    out += "    </linearGradient>\n";
    out += "    <linearGradient id=\"sheen\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"0\" "
           "x2=\"0\" y2=\""
        + number(sheenDepth) + "\">\n";
    out += svgStops({{0, sheenTop}, {1, faded(sheenTop, 0)}});
    out += "    </linearGradient>\n";
    out += "    <clipPath id=\"tile\">\n      <rect " + tile + "/>\n    </clipPath>\n";
    out += "  </defs>\n";
    out += "  <rect " + tile + " fill=\"url(#fill)\"/>\n";
    out += "  <rect x=\"0\" y=\"0\" width=\"100\" height=\"" + number(sheenDepth)
        + "\" fill=\"url(#sheen)\" clip-path=\"url(#tile)\"/>\n";
    out += "  <path fill=\"#ffffff\" d=\"" + svgPathData(letterPath()) + "\"/>\n";
    out += "  <rect " + tile + " fill=\"none\" stroke=\"" + svgColour(rimColour)
        + "\" stroke-opacity=\"" + number(rimColour.alphaF()) + "\" stroke-width=\""
        + number(rimWidth) + "\"/>\n";
    out += "</svg>\n";
    return out;
}

QImage mark(int size)
{
    QImage image = canvas(size, size);
    QPainter painter(&image);
    prepare(painter);
    paintMark(painter, QRectF(0, 0, size, size));
    return image;
}

QImage header()
{
    QImage image = canvas(2000, 131);
    QPainter painter(&image);
    prepare(painter);
    // Painted in the 901 x 71 pixels the band covers on screen.
    const qreal w = 901, h = 71;
    painter.scale(image.width() / w, image.height() / h);

    QLinearGradient band(0, 0, 0, h);
    band.setColorAt(0, QColor(50, 50, 54));
    band.setColorAt(0.55, QColor(34, 34, 37));
    band.setColorAt(1, QColor(22, 22, 24));
    painter.fillRect(QRectF(0, 0, w, h), band);
    painter.fillRect(QRectF(0, 0, w, 1), QColor(255, 255, 255, 22));

    // A darker slanted panel under the status and close buttons.
    QPainterPath panel;
    panel.addPolygon(QPolygonF({{760, 0}, {w, 0}, {w, h - 2}, {734, h - 2}}));
    QLinearGradient panelFill(0, 0, 0, h);
    panelFill.setColorAt(0, QColor(0, 0, 0, 40));
    panelFill.setColorAt(1, QColor(0, 0, 0, 70));
    painter.fillPath(panel, panelFill);
    painter.setPen(QPen(faded(accentLight(), 0.55), 1.6));
    painter.drawLine(QPointF(760, 0), QPointF(734, h - 2));
    // Three thin speed strokes leading into it.
    for (int i = 0; i < 3; ++i) {
        const qreal x = 704 + i * 10;
        painter.setPen(QPen(faded(accentLight(), 0.16 + 0.1 * i), 1.2));
        painter.drawLine(QPointF(x + 22, 14), QPointF(x, h - 14));
    }

    // A slanted accent block at the very left, above the sidebar.
    QPainterPath block;
    block.addPolygon(QPolygonF({{0, 0}, {104, 0}, {78, h - 2}, {0, h - 2}}));
    QLinearGradient blockFill(0, 0, 104, 0);
    blockFill.setColorAt(0, faded(accentDeep(), 0.9));
    blockFill.setColorAt(1, faded(accentDeep(), 0.25));
    painter.fillPath(block, blockFill);
    painter.setPen(QPen(faded(accentLight(), 0.7), 1.6));
    painter.drawLine(QPointF(104, 0), QPointF(78, h - 2));

    // The accent rule along the bottom edge, bright at the left and fading out.
    QLinearGradient rule(0, 0, w, 0);
    rule.setColorAt(0, accentLight());
    rule.setColorAt(0.4, accent());
    rule.setColorAt(1, faded(accent(), 0.25));
    painter.fillRect(QRectF(0, h - 2, w, 2), rule);
    return image;
}

QImage wordmark()
{
    QImage image = canvas(177, 31);
    QPainter painter(&image);
    prepare(painter);

    QPainterPath heavy;
    heavy.addText(0, 0, sans(40, QFont::Black, 1), QStringLiteral("KEST"));
    QPainterPath light;
    light.addText(0, 0, sans(40, QFont::Normal, 4), QStringLiteral("LABS"));
    const QRectF heavyBounds = heavy.boundingRect();
    const qreal gap = 24;
    light.translate(heavyBounds.right() + gap - light.boundingRect().left(), 0);

    // A slanted accent stroke between the two words.
    const qreal top = heavyBounds.top(), bottom = heavyBounds.bottom();
    const qreal slashX = heavyBounds.right() + gap / 2;
    QPainterPath slash;
    slash.addPolygon(QPolygonF(
        {{slashX + 1, top}, {slashX + 7, top}, {slashX - 1, bottom}, {slashX - 7, bottom}}));

    // Italicise everything, then fit it to the image with a small margin.
    QTransform shear;
    shear.shear(-0.16, 0);
    QPainterPath all = shear.map(heavy) + shear.map(light) + shear.map(slash);
    const QRectF bounds = all.boundingRect();
    const QRectF box(2, 6, 173, 19);
    const qreal scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform fit;
    fit.translate(box.center().x() - bounds.width() * scale / 2,
                  box.center().y() - bounds.height() * scale / 2);
    fit.scale(scale, scale);
    fit.translate(-bounds.left(), -bounds.top());

    painter.fillPath(fit.map(shear.map(heavy)), Qt::white);
    painter.fillPath(fit.map(shear.map(light)), QColor(235, 235, 238));
    painter.fillPath(fit.map(shear.map(slash)), accentLight());
    return image;
}

namespace {

// The round frame shared by the window glyphs.
void glyphFrame(QPainter &painter, bool hover)
{
    const QRectF disc(2.5, 2.5, 27, 27);
    if (hover) {
        QLinearGradient fill(0, 2, 0, 30);
        fill.setColorAt(0, QColor(236, 78, 70));
        fill.setColorAt(1, QColor(178, 28, 28));
        painter.setPen(QPen(QColor(255, 140, 130, 160), 1.2));
        painter.setBrush(fill);
    } else {
        painter.setPen(QPen(QColor(255, 255, 255, 70), 1.4));
        painter.setBrush(QColor(255, 255, 255, 14));
    }
    painter.drawEllipse(disc);
}

QPen glyphPen(bool hover)
{
    QPen pen(hover ? QColor(255, 255, 255) : QColor(212, 212, 214), hover ? 2.8 : 2.5);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

} // namespace

QImage closeGlyph(bool hover)
{
    QImage image = canvas(32, 32);
    QPainter painter(&image);
    prepare(painter);
    glyphFrame(painter, hover);
    painter.setPen(glyphPen(hover));
    painter.drawLine(QPointF(11, 11), QPointF(21, 21));
    painter.drawLine(QPointF(21, 11), QPointF(11, 21));
    return image;
}

QImage minimiseGlyph()
{
    QImage image = canvas(32, 32);
    QPainter painter(&image);
    prepare(painter);
    glyphFrame(painter, false);
    painter.setPen(glyphPen(false));
    painter.drawLine(QPointF(10.5, 16), QPointF(21.5, 16));
    return image;
}

QImage dropArrow()
{
    // The style draws it into a 24 x 10 box, so the chevron fills the whole
    // square and stays legible however it is squeezed.
    QImage image = canvas(24, 24);
    QPainter painter(&image);
    prepare(painter);
    QPen pen(accent(), 4.6);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.drawPolyline(QPolygonF({{3.5, 7}, {12, 17}, {20.5, 7}}));
    return image;
}

} // namespace Art
