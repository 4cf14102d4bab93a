// The PNG files of the artwork, written for fast loading: every row is stored
// unfiltered. Reversing PNG's row filters (Paeth above all) is most of what
// decoding a picture costs, and on this artwork, with its large even areas, the
// strongest deflate level makes unfiltered rows only a little larger.
#include "artwork.h"

#include <QtEndian>

#include <zlib.h>

namespace {

void appendChunk(QByteArray &file, const char *type, const QByteArray &data)
{
    char length[4];
    qToBigEndian(quint32(data.size()), length);
    file.append(length, 4);
    const qsizetype start = file.size();
    file.append(type, 4);
    file.append(data);
    const uLong crc = crc32(0L, reinterpret_cast<const Bytef *>(file.constData() + start),
                            uInt(file.size() - start));
    char sum[4];
    qToBigEndian(quint32(crc), sum);
    file.append(sum, 4);
}

} // namespace

namespace Art {

QByteArray pngFile(const QImage &image)
{
    if (image.isNull())
        return {};
    // 8-bit RGBA in memory order is PNG's own pixel layout.
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    const qsizetype rowBytes = qsizetype(rgba.width()) * 4;
    QByteArray rows;
    rows.reserve((rowBytes + 1) * rgba.height());
    for (int y = 0; y < rgba.height(); ++y) {
        rows.append('\0'); // filter type 0: the row as it is
        rows.append(reinterpret_cast<const char *>(rgba.constScanLine(y)), rowBytes);
    }

    uLongf packedSize = compressBound(uLong(rows.size()));
    QByteArray packed(qsizetype(packedSize), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef *>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef *>(rows.constData()), uLong(rows.size()),
                  Z_BEST_COMPRESSION)
        != Z_OK)
        return {};
    packed.truncate(qsizetype(packedSize));

    QByteArray header(13, '\0');
    qToBigEndian(quint32(rgba.width()), header.data());
    qToBigEndian(quint32(rgba.height()), header.data() + 4);
    header[8] = 8; // bits per channel
    header[9] = 6; // colour type: RGB with alpha
    // compression 0 (deflate), filter method 0, no interlace

    QByteArray file("\x89PNG\r\n\x1a\n", 8);
    appendChunk(file, "IHDR", header);
    appendChunk(file, "IDAT", packed);
    appendChunk(file, "IEND", QByteArray());
    return file;
}

} // namespace Art
