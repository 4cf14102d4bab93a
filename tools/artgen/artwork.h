#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

// Painters for every picture the program shows. Each returns a finished
// ARGB32 image at the exact pixel size the form stretches it from.
namespace Art {

// The window's dark theme.
inline QColor background()
{
    return {26, 25, 25};
}
inline QColor accent()
{
    return {0, 117, 190};
}
inline QColor accentLight()
{
    return {17, 146, 207};
}
inline QColor accentDeep()
{
    return {9, 74, 105};
}

// A transparent image of the given size.
QImage canvas(int width, int height);
// Antialiased painting with smooth scaling.
void prepare(QPainter &painter);
// A sans-serif font; the first installed family of a fixed list wins.
QFont sans(qreal pixelSize, int weight, qreal letterSpacing = 0);
// The outline of `text`, scaled uniformly so that it fits `box` and placed
// inside it according to `alignment`.
QPainterPath fittedText(const QString &text, const QFont &font, const QRectF &box,
                        Qt::Alignment alignment);
// Multiplies a colour's alpha by `factor` (0..1).
QColor faded(QColor colour, qreal factor);

// The maker's square mark (accent tile with a white "K") painted into `box`.
void paintMark(QPainter &painter, const QRectF &box);
// The same mark as a scalable SVG document (the application icon).
QByteArray markSvg();
// SVG path data ("M x,y L x,y C ...") for a path.
QByteArray svgPathData(const QPainterPath &path);

QImage header(); // 2000 x 131, the band across the top of the window
QImage wordmark(); // 177 x 31, "KEST LABS"
QImage mark(int size); // size x size, the square mark
QImage closeGlyph(bool hover); // 32 x 32
QImage minimiseGlyph(); // 32 x 32
QImage dropArrow(); // 24 x 24
QImage pedalSet(bool withClutch); // 2303 x 1479, the pedals seen from the seat
QImage about(); // 800 x 250

// The sizes the application icon is painted at, smallest first.
inline constexpr int iconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// The picture as a PNG file of 8-bit RGBA pixels, its rows stored unfiltered so
// that it loads fast; empty when the image is null.
QByteArray pngFile(const QImage &image);

// A Windows icon file holding the images in the given order: each stored as a
// 32-bit DIB, except those of 256 pixels, which are stored as PNG.
QByteArray icoFile(const QList<QImage> &images);

} // namespace Art
