// The compiled-in image bundle: every picture the form's style sheets name must
// be there, at the pixel size its widget stretches it from, as an 8-bit RGBA
// PNG, and stored uncompressed.
#include <QDir>
#include <QImage>
#include <QResource>
#include <QtEndian>
#include <QtTest>

class TestResources : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void image_data();
    void image();
    void bundleHoldsExactlyTheImages();
};

void TestResources::image_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::newRow("header band") << ":/img/head.png" << QSize(2000, 131);
    QTest::newRow("wordmark") << ":/img/logo.png" << QSize(177, 31);
    QTest::newRow("maker mark") << ":/img/kest.png" << QSize(31, 31);
    QTest::newRow("close") << ":/img/close.png" << QSize(32, 32);
    QTest::newRow("close hover") << ":/img/closeh.png" << QSize(32, 32);
    QTest::newRow("pedals without clutch") << ":/img/back.png" << QSize(2303, 1479);
    QTest::newRow("pedals with clutch") << ":/img/back2.png" << QSize(2303, 1479);
    QTest::newRow("drop-down arrow") << ":/img/arrow.png" << QSize(24, 24);
    QTest::newRow("about picture") << ":/img/about.png" << QSize(800, 250);
    QTest::newRow("minimise") << ":/img/min.png" << QSize(32, 32);
}

void TestResources::image()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);

    QResource resource(path);
    QVERIFY2(resource.isValid(), qPrintable(path));
    QCOMPARE(resource.compressionAlgorithm(), QResource::NoCompression);

    // Uncompressed, the entry is the PNG file itself: check its IHDR chunk.
    const QByteArray png = resource.uncompressedData();
    QVERIFY(png.size() > 33);
    QCOMPARE(png.left(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
    QCOMPARE(png.mid(12, 4), QByteArray("IHDR"));
    QCOMPARE(int(qFromBigEndian<quint32>(png.constData() + 16)), size.width());
    QCOMPARE(int(qFromBigEndian<quint32>(png.constData() + 20)), size.height());
    QCOMPARE(int(quint8(png.at(24))), 8); // bits per channel
    QCOMPARE(int(quint8(png.at(25))), 6); // colour type: RGB with alpha

    const QImage image(path);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), size);
    QVERIFY(image.hasAlphaChannel());
}

void TestResources::bundleHoldsExactlyTheImages()
{
    const QStringList expected = {"about.png",  "arrow.png", "back.png", "back2.png", "close.png",
                                  "closeh.png", "head.png",  "kest.png", "logo.png",  "min.png"};
    QCOMPARE(QDir(":/img").entryList(QDir::Files, QDir::Name), expected);
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
