// A minimal writer for Windows .ico files. Each image is stored the classic way,
// as a bottom-up 32-bit BGRA bitmap followed by its 1-bit transparency mask,
// except the 256-pixel ones: those are stored as PNG, as Windows expects at that
// size (a bitmap would be a quarter of a megabyte).
#include "artwork.h"

#include <QBuffer>
#include <QtEndian>

namespace Art {

namespace {

void put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

QByteArray dib(const QImage &image)
{
    const int w = image.width(), h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;
    const quint32 pixelBytes = quint32(w * h * 4);
    const quint32 maskBytes = quint32(maskStride * h);

    QByteArray out;
    // BITMAPINFOHEADER; the height counts the colour rows and the mask rows.
    put32(out, 40);
    put32(out, quint32(w));
    put32(out, quint32(2 * h));
    put16(out, 1);
    put16(out, 32);
    put32(out, 0); // BI_RGB
    put32(out, pixelBytes + maskBytes);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);

    for (int y = h - 1; y >= 0; --y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            out.append(char(qBlue(line[x])));
            out.append(char(qGreen(line[x])));
            out.append(char(qRed(line[x])));
            out.append(char(qAlpha(line[x])));
        }
    }
    // The mask: a set bit is a transparent pixel.
    for (int y = h - 1; y >= 0; --y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x) {
            if (qAlpha(line[x]) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

QByteArray png(const QImage &image)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG", 0);
    return out;
}

} // namespace

QByteArray icoFile(const QList<QImage> &images)
{
    QList<QByteArray> data;
    for (const QImage &source : images) {
        const QImage image = source.convertToFormat(QImage::Format_ARGB32);
        data.append(image.width() >= 256 || image.height() >= 256 ? png(image) : dib(image));
    }

    QByteArray out;
    // ICONDIR: reserved, type 1 (icon), the number of entries.
    put16(out, 0);
    put16(out, 1);
    put16(out, quint16(images.size()));
    // One ICONDIRENTRY per image, its data following the directory in the same order.
    quint32 offset = quint32(6 + 16 * images.size());
    for (int i = 0; i < images.size(); ++i) {
        const int w = images.at(i).width(), h = images.at(i).height();
        // A size of 256 is written as 0.
        out.append(char(w >= 256 ? 0 : w));
        out.append(char(h >= 256 ? 0 : h));
        out.append(char(0)); // no palette
        out.append(char(0));
        put16(out, 1); // planes
        put16(out, 32); // bits per pixel
        put32(out, quint32(data.at(i).size()));
        put32(out, offset);
        offset += quint32(data.at(i).size());
    }
    for (const QByteArray &bytes : data)
        out.append(bytes);
    return out;
}

} // namespace Art
