#include "artwork.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>

namespace Art {

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

void prepare(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

QFont sans(qreal pixelSize, int weight, qreal letterSpacing)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(QFont::Weight(weight));
    font.setHintingPreference(QFont::PreferNoHinting);
    if (letterSpacing != 0)
        font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    return font;
}

QPainterPath fittedText(const QString &text, const QFont &font, const QRectF &box,
                        Qt::Alignment alignment)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty())
        return path;
    const qreal scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    const QSizeF size = bounds.size() * scale;

    qreal x = box.left();
    if (alignment & Qt::AlignHCenter)
        x = box.center().x() - size.width() / 2;
    else if (alignment & Qt::AlignRight)
        x = box.right() - size.width();
    qreal y = box.top();
    if (alignment & Qt::AlignVCenter)
        y = box.center().y() - size.height() / 2;
    else if (alignment & Qt::AlignBottom)
        y = box.bottom() - size.height();

    QTransform transform;
    transform.translate(x, y);
    transform.scale(scale, scale);
    transform.translate(-bounds.left(), -bounds.top());
    return transform.map(path);
}

QColor faded(QColor colour, qreal factor)
{
    colour.setAlphaF(float(colour.alphaF() * factor));
    return colour;
}

} // namespace Art
