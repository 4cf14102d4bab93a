// The artwork generator: the pictures come out at the sizes the form stretches
// them from, the backdrops leave room for the widgets drawn over them, and the
// icon files (Windows .ico, SVG) are ones their readers accept.
#include "artwork.h"

#include <QBuffer>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <QtEndian>
#include <QtTest>

#include <zlib.h>

#include <algorithm>
#include <functional>
#include <iterator>

namespace {

struct Painter
{
    const char *name;
    std::function<QImage()> paint;
    QSize size;
};

const Painter painters[] = {
    {"header", Art::header, {2000, 131}},
    {"wordmark", Art::wordmark, {177, 31}},
    {"mark 31", [] { return Art::mark(31); }, {31, 31}},
    {"icon 16", [] { return Art::mark(16); }, {16, 16}},
    {"icon 48", [] { return Art::mark(48); }, {48, 48}},
    {"icon 256", [] { return Art::mark(256); }, {256, 256}},
    {"close", [] { return Art::closeGlyph(false); }, {32, 32}},
    {"close hover", [] { return Art::closeGlyph(true); }, {32, 32}},
    {"minimise", Art::minimiseGlyph, {32, 32}},
    {"arrow", Art::dropArrow, {24, 24}},
    {"pedals", [] { return Art::pedalSet(false); }, {2303, 1479}},
    {"pedals with clutch", [] { return Art::pedalSet(true); }, {2303, 1479}},
    {"about", Art::about, {800, 250}},
};

// The backdrop is shown 640 x 361; these convert its on-screen columns and rows.
int backdropX(qreal x)
{
    return int(x * 2303 / 640);
}
int backdropY(qreal y)
{
    return int(y * 1479 / 361);
}

int maxAlpha(const QImage &image, const QRect &area)
{
    int most = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            most = std::max(most, qAlpha(image.pixel(x, y)));
    return most;
}

} // namespace

class TestArtgen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sizes_data();
    void sizes();
    void backdropsKeepEdgesAndLabelStripClear();
    void clutchChangesOnlyItsColumn();
    void wordmarkFitsWithMargin();
    void fittedText_data();
    void fittedText();
    void icoFile();
    void svgPathData();
    void markSvg();
    void pngFile_data();
    void pngFile();
};

void TestArtgen::sizes_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(painters)); ++i)
        QTest::newRow(painters[i].name) << i;
}

void TestArtgen::sizes()
{
    QFETCH(int, index);
    const QImage image = painters[index].paint();
    QCOMPARE(image.size(), painters[index].size);
    // ARGB32 is what the generator saves as 8-bit RGBA.
    QCOMPARE(image.format(), QImage::Format_ARGB32);
    // Nothing is left blank.
    QVERIFY(maxAlpha(image, image.rect()) == 255);
}

void TestArtgen::backdropsKeepEdgesAndLabelStripClear()
{
    for (bool clutch : {false, true}) {
        const QImage image = Art::pedalSet(clutch);
        const QRect r = image.rect();
        // Transparent all round, so the page's background continues into it.
        QVERIFY(maxAlpha(image, QRect(r.left(), r.top(), r.width(), 1)) <= 2);
        QVERIFY(maxAlpha(image, QRect(r.left(), r.bottom(), r.width(), 1)) <= 2);
        QVERIFY(maxAlpha(image, QRect(r.left(), r.top(), 1, r.height())) <= 2);
        QVERIFY(maxAlpha(image, QRect(r.right(), r.top(), 1, r.height())) <= 2);
        // The pedal values are written over the strip below the plate.
        QVERIFY(maxAlpha(image, QRect(0, backdropY(340), r.width(), r.height() - backdropY(340)))
                <= 8);
        // The clutch switch sits over the top left corner.
        QVERIFY(maxAlpha(image, QRect(0, 0, backdropX(180), backdropY(26))) <= 12);
    }
}

void TestArtgen::clutchChangesOnlyItsColumn()
{
    // Switching the picture when the clutch is enabled must not move the brake
    // or the throttle.
    const QImage without = Art::pedalSet(false);
    const QImage with = Art::pedalSet(true);
    const int split = backdropX(200);
    QCOMPARE(without.copy(split, 0, without.width() - split, without.height()),
             with.copy(split, 0, with.width() - split, with.height()));
    QVERIFY(without.copy(0, 0, split, without.height()) != with.copy(0, 0, split, with.height()));
}

void TestArtgen::wordmarkFitsWithMargin()
{
    const QImage image = Art::wordmark();
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    QVERIFY(left >= 1 && top >= 1);
    QVERIFY(right <= image.width() - 2 && bottom <= image.height() - 2);
    QVERIFY(right - left >= image.width() * 9 / 10);
}

void TestArtgen::fittedText_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QRectF>("box");
    QTest::newRow("wide box, left")
        << int(Qt::AlignLeft | Qt::AlignVCenter) << QRectF(10, 20, 400, 30);
    QTest::newRow("wide box, centred") << int(Qt::AlignCenter) << QRectF(10, 20, 400, 30);
    QTest::newRow("tall box, right")
        << int(Qt::AlignRight | Qt::AlignBottom) << QRectF(-5, 0, 60, 300);
}

void TestArtgen::fittedText()
{
    QFETCH(int, alignment);
    QFETCH(QRectF, box);
    const QRectF bounds = Art::fittedText(QStringLiteral("KEST LABS"), Art::sans(30, QFont::Bold),
                                          box, Qt::Alignment(alignment))
                              .boundingRect();
    const qreal eps = 0.01;
    QVERIFY(bounds.left() >= box.left() - eps && bounds.right() <= box.right() + eps);
    QVERIFY(bounds.top() >= box.top() - eps && bounds.bottom() <= box.bottom() + eps);
    // Scaled up until one side touches, keeping the shape.
    QVERIFY(qAbs(bounds.width() - box.width()) < eps || qAbs(bounds.height() - box.height()) < eps);
    if (alignment & Qt::AlignLeft)
        QVERIFY(qAbs(bounds.left() - box.left()) < eps);
    if (alignment & Qt::AlignRight)
        QVERIFY(qAbs(bounds.right() - box.right()) < eps);
    if (alignment & Qt::AlignHCenter)
        QVERIFY(qAbs(bounds.center().x() - box.center().x()) < eps);
    if (alignment & Qt::AlignVCenter)
        QVERIFY(qAbs(bounds.center().y() - box.center().y()) < eps);
    if (alignment & Qt::AlignBottom)
        QVERIFY(qAbs(bounds.bottom() - box.bottom()) < eps);
}

void TestArtgen::icoFile()
{
    QList<QImage> icons;
    for (const int size : Art::iconSizes)
        icons.append(Art::mark(size));
    QByteArray ico = Art::icoFile(icons);
    const auto u16 = [&](int at) { return int(qFromLittleEndian<quint16>(ico.constData() + at)); };
    const auto u32 = [&](int at) { return int(qFromLittleEndian<quint32>(ico.constData() + at)); };

    // The directory: one 32-bit entry per size, in order, the data following
    // the directory back to back and filling the file.
    const int count = int(icons.size());
    QCOMPARE(u16(0), 0);
    QCOMPARE(u16(2), 1);
    QCOMPARE(u16(4), count);
    int next = 6 + 16 * count;
    for (int i = 0; i < count; ++i) {
        const int size = icons.at(i).width();
        const int entry = 6 + 16 * i;
        QCOMPARE(int(quint8(ico.at(entry))), size % 256);
        QCOMPARE(int(quint8(ico.at(entry + 1))), size % 256);
        QCOMPARE(u16(entry + 6), 32);
        const int bytes = u32(entry + 8), at = u32(entry + 12);
        QCOMPARE(at, next);
        next += bytes;
        if (size == 256) {
            QVERIFY(ico.mid(at, 8) == QByteArray("\x89PNG\r\n\x1a\n", 8));
            continue;
        }
        // The DIB: 40-byte header, double height for the mask, 32 bits, BI_RGB,
        // then the rows of colour and the rows of mask.
        const int maskStride = (size + 31) / 32 * 4;
        QCOMPARE(u32(at), 40);
        QCOMPARE(u32(at + 4), size);
        QCOMPARE(u32(at + 8), 2 * size);
        QCOMPARE(u16(at + 14), 32);
        QCOMPARE(u32(at + 16), 0);
        QCOMPARE(bytes, 40 + size * size * 4 + size * maskStride);
        // The top-left corner of the rounded tile is transparent: its mask bit
        // (in the last mask row, since rows run bottom-up) is set.
        QCOMPARE(qAlpha(icons.at(i).pixel(0, 0)), 0);
        QVERIFY(quint8(ico.at(at + bytes - maskStride)) & 0x80);
    }
    QCOMPARE(next, ico.size());

    // A decoder reads back exactly the painted pixels, at every size.
    QBuffer buffer(&ico);
    QImageReader reader(&buffer, "ico");
    QCOMPARE(reader.imageCount(), count);
    for (int i = 0; i < count; ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage decoded = reader.read();
        QVERIFY2(!decoded.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(decoded.convertToFormat(QImage::Format_ARGB32), icons.at(i));
    }
}

void TestArtgen::svgPathData()
{
    QPainterPath path;
    path.moveTo(1, 2);
    path.lineTo(10.5, 2);
    path.cubicTo(12, 3, 13, 4, 14, 5);
    path.closeSubpath();
    path.moveTo(-1, -2);
    path.lineTo(0, 0);
    QCOMPARE(Art::svgPathData(path), QByteArray("M1,2 L10.5,2 C12,3 13,4 14,5 L1,2 M-1,-2 L0,0"));
}

void TestArtgen::markSvg()
{
    // Well-formed, square, and every url(#id) it uses is defined in it.
    const QByteArray svg = Art::markSvg();
    QXmlStreamReader xml(svg);
    QSet<QString> ids, used;
    bool root = true;
    int paths = 0;
    const QRegularExpression reference(QStringLiteral("url\\(#([^)]+)\\)"));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (root) {
            QCOMPARE(xml.name().toString(), QStringLiteral("svg"));
            QCOMPARE(xml.namespaceUri().toString(), QStringLiteral("http://www.w3.org/2000/svg"));
            QCOMPARE(attributes.value(QStringLiteral("viewBox")).toString(),
                     QStringLiteral("0 0 100 100"));
            root = false;
        }
        if (xml.name() == QStringLiteral("path"))
            ++paths;
        for (const QXmlStreamAttribute &attribute : attributes) {
            if (attribute.name() == QStringLiteral("id"))
                ids.insert(attribute.value().toString());
            const auto match = reference.match(attribute.value());
            if (match.hasMatch())
                used.insert(match.captured(1));
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(paths, 1);
    QVERIFY(!used.isEmpty());
    QVERIFY(ids.contains(used));
}

void TestArtgen::pngFile_data()
{
    QTest::addColumn<QImage>("image");
    QImage gradient = Art::canvas(61, 7); // an odd width: rows are not word-aligned
    for (int y = 0; y < gradient.height(); ++y)
        for (int x = 0; x < gradient.width(); ++x)
            gradient.setPixel(x, y, qRgba(x * 4, 255 - x * 4, y * 30, x * 255 / 60));
    QImage opaque = Art::canvas(3, 2);
    opaque.fill(Art::accent());
    QTest::newRow("every alpha") << gradient;
    QTest::newRow("opaque") << opaque;
    QTest::newRow("transparent pixel") << Art::canvas(1, 1);
    QTest::newRow("mark") << Art::mark(48);
}

void TestArtgen::pngFile()
{
    QFETCH(QImage, image);
    const QByteArray png = Art::pngFile(image);

    // The same pixels come back, as 8-bit RGBA.
    QBuffer buffer;
    buffer.setData(png);
    QImageReader reader(&buffer, "png");
    const QImage back = reader.read();
    QVERIFY2(!back.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(back.convertToFormat(QImage::Format_ARGB32), image);
    QCOMPARE(int(quint8(png.at(24))), 8);
    QCOMPARE(int(quint8(png.at(25))), 6);

    // One IDAT after the 13-byte IHDR; every row unfiltered (filter byte 0).
    const qsizetype idat = 8 + 12 + 13;
    QCOMPARE(png.mid(idat + 4, 4), QByteArray("IDAT"));
    const quint32 length = qFromBigEndian<quint32>(png.constData() + idat);
    const qsizetype rowBytes = 1 + qsizetype(image.width()) * 4;
    QByteArray rows(rowBytes * image.height(), '\x7f');
    uLongf rowsSize = uLongf(rows.size());
    QCOMPARE(uncompress(reinterpret_cast<Bytef *>(rows.data()), &rowsSize,
                        reinterpret_cast<const Bytef *>(png.constData() + idat + 8), length),
             Z_OK);
    QCOMPARE(qsizetype(rowsSize), rows.size());
    for (int y = 0; y < image.height(); ++y)
        QCOMPARE(int(rows.at(y * rowBytes)), 0);
    QCOMPARE(png.right(12).mid(4, 4), QByteArray("IEND"));
}

QTEST_MAIN(TestArtgen)
#include "tst_artgen.moc"
