// The response-curve editor: grabbing and dragging points, curve bytes in and out, and
// the plot it paints.

#include "kestaxis.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

namespace {

const QColor BLUE(0x11, 0x92, 0xCF);
const QColor PAGE(26, 25, 25);
const QByteArray DIAGONAL("\x10\x21\x32\x42\x53", 5); // 16, 33, 50, 66, 83

bool near(QColor a, QColor b, int tolerance = 10)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
        && qAbs(a.blue() - b.blue()) <= tolerance;
}

// How far a pixel has moved from the background toward a colour: 0 untouched, 1 fully.
double tint(QColor pixel, QColor background, QColor colour)
{
    return double(background.red() - pixel.red()) / (background.red() - colour.red());
}

void send(KestAxis &axis, QEvent::Type type, QPointF at, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, at, axis.mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&axis, &event);
}

// Presses at a position, drags to row 0 and lets go: the index of the point that went to
// 100 %, or -1 when the press grabbed nothing.
int grabbedBy(KestAxis &axis, QPointF at)
{
    const QByteArray before = axis.curve();
    send(axis, QEvent::MouseButtonPress, at);
    send(axis, QEvent::MouseMove, QPointF(at.x(), 0));
    send(axis, QEvent::MouseButtonRelease, QPointF(at.x(), 0));
    const QByteArray after = axis.curve();
    int moved = -1;
    for (int i = 0; i < 5; ++i)
        if (after[i] != before[i]) {
            if (moved >= 0 || after[i] != 100)
                return -2;
            moved = i;
        }
    axis.setCurve(before);
    return moved;
}

QImage paint(KestAxis &axis, QColor background = PAGE)
{
    QImage image(220, 231, QImage::Format_ARGB32);
    image.fill(background);
    axis.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// The row of a column whose pixel is closest to the curve's colour, within the plot.
int curveRow(const QImage &image, int x)
{
    int best = -1, bestDistance = 1 << 30;
    for (int y = 0; y < 199; ++y) {
        const QColor c = image.pixelColor(x, y);
        const int d = qAbs(c.red() - BLUE.red()) + qAbs(c.green() - BLUE.green())
            + qAbs(c.blue() - BLUE.blue());
        if (d < bestDistance) {
            best = y;
            bestDistance = d;
        }
    }
    return best;
}

} // namespace

class TestKestAxis : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newEditorIsDiagonal()
    {
        KestAxis axis;
        QCOMPARE(axis.curve(), DIAGONAL);
        QCOMPARE(KestAxis::toScreen(QPointF(50, 50)), QPointF(105, 100));
        QCOMPARE(KestAxis::toScreen(QPointF(100, 100)), QPointF(205, 0));
    }

    void pressGrabs_data()
    {
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<int>("point");

        // The middle point sits at (105, 100); its box is 100..110 in both directions.
        QTest::newRow("middle centre") << QPointF(105, 100) << 2;
        QTest::newRow("middle box corner") << QPointF(110, 105) << 2;
        QTest::newRow("middle opposite corner") << QPointF(100, 95) << 2;
        QTest::newRow("beside the box, inside the circle") << QPointF(111, 100) << -1;
        QTest::newRow("below the box") << QPointF(105, 106) << -1;
        QTest::newRow("left of the box") << QPointF(99, 100) << -1;
        // Positions round to the nearest pixel, halves away from zero.
        QTest::newRow("110.4 rounds in") << QPointF(110.4, 100) << 2;
        QTest::newRow("110.5 rounds out") << QPointF(110.5, 100) << -1;
        QTest::newRow("110.9 rounds out") << QPointF(110.9, 100) << -1;
        QTest::newRow("99.5 rounds in") << QPointF(99.5, 100) << 2;
        QTest::newRow("99.4 rounds out") << QPointF(99.4, 100) << -1;
        // Point 0 at (38.33, 166.67), box 33.33..43.33 × 161.67..171.67.
        QTest::newRow("first point") << QPointF(38, 167) << 0;
        QTest::newRow("first point, right edge") << QPointF(43, 171) << 0;
        QTest::newRow("first point, too far right") << QPointF(44, 167) << -1;
        QTest::newRow("first point, too far up") << QPointF(38, 161) << -1;
        QTest::newRow("second point") << QPointF(72, 133) << 1;
        QTest::newRow("fourth point") << QPointF(138, 67) << 3;
        QTest::newRow("last point") << QPointF(167, 29) << 4;
        QTest::newRow("last point, too far right") << QPointF(177, 33) << -1;
        QTest::newRow("an end point") << QPointF(5, 200) << -1;
    }
    void pressGrabs()
    {
        QFETCH(QPointF, at);
        QFETCH(int, point);
        KestAxis axis;
        QCOMPARE(grabbedBy(axis, at), point);
    }

    void drag_data()
    {
        QTest::addColumn<int>("point");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<int>("byte");

        QTest::newRow("above the top edge") << 2 << QPointF(105, -30) << 100;
        QTest::newRow("row 0") << 2 << QPointF(105, 0) << 100;
        QTest::newRow("row 1") << 2 << QPointF(105, 1) << 99;
        QTest::newRow("row 101") << 2 << QPointF(105, 101) << 49;
        QTest::newRow("row 100.5 rounds to 101") << 2 << QPointF(105, 100.5) << 49;
        QTest::newRow("row 100.4 rounds to 100") << 2 << QPointF(105, 100.4) << 50;
        QTest::newRow("row 199") << 2 << QPointF(105, 199) << 0;
        QTest::newRow("below row 200") << 2 << QPointF(105, 260) << 0;
        QTest::newRow("sideways is ignored") << 2 << QPointF(300, 40) << 80;
        QTest::newRow("past the later points") << 0 << QPointF(-40, 0) << 100;
        QTest::newRow("below the earlier points") << 4 << QPointF(171, 200) << 0;
    }
    void drag()
    {
        QFETCH(int, point);
        QFETCH(QPointF, to);
        QFETCH(int, byte);
        KestAxis axis;
        const double x = (point + 1) * 100.0 / 6;
        const QPointF handle = KestAxis::toScreen(QPointF(x, x));

        send(axis, QEvent::MouseButtonPress, handle);
        send(axis, QEvent::MouseMove, QPointF(handle.x(), 150));
        send(axis, QEvent::MouseMove, to); // the last move counts
        send(axis, QEvent::MouseButtonRelease, to);
        QByteArray expected = DIAGONAL;
        expected[point] = char(byte);
        QCOMPARE(axis.curve(), expected);

        // A release ends the drag.
        send(axis, QEvent::MouseMove, QPointF(handle.x(), 120));
        QCOMPARE(axis.curve(), expected);
    }

    void dragKeepsHalfPercentsAndTheColumn_data()
    {
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<int>("point");

        // At 49.5 % the point lies at row 101, still in column 105: its box is 96..106.
        QTest::newRow("box top") << QPointF(105, 96) << 2;
        QTest::newRow("box bottom") << QPointF(105, 106) << 2;
        QTest::newRow("under the box") << QPointF(105, 107) << -1;
        QTest::newRow("where the mouse went") << QPointF(20, 101) << -1;
    }
    void dragKeepsHalfPercentsAndTheColumn()
    {
        QFETCH(QPointF, at);
        QFETCH(int, point);
        KestAxis axis;
        send(axis, QEvent::MouseButtonPress, QPointF(105, 100), Qt::RightButton);
        send(axis, QEvent::MouseMove, QPointF(20, 101), Qt::RightButton);
        send(axis, QEvent::MouseButtonRelease, QPointF(20, 101), Qt::RightButton);
        QCOMPARE(axis.curve()[2], char(49));
        QCOMPARE(grabbedBy(axis, at), point);
    }

    void pressOutsideThenMovesChangeNothing()
    {
        KestAxis axis;
        for (const QPointF at : {QPointF(0, 0), QPointF(60, 60), QPointF(111, 100)}) {
            send(axis, QEvent::MouseButtonPress, at);
            send(axis, QEvent::MouseMove, QPointF(105, 100));
            send(axis, QEvent::MouseMove, QPointF(105, 0));
            send(axis, QEvent::MouseButtonRelease, QPointF(105, 0));
        }
        QCOMPARE(axis.curve(), DIAGONAL);
    }

    void setCurve_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("curve");

        QTest::newRow("falling") << QByteArray("\x5a\x46\x32\x1e\x0a", 5)
                                 << QByteArray("\x5a\x46\x32\x1e\x0a", 5);
        QTest::newRow("out of range kept")
            << QByteArray("\xff\x80\x7f\x00\x64", 5) << QByteArray("\xff\x80\x7f\x00\x64", 5);
        QTest::newRow("only five bytes used") << QByteArray("\x01\x02\x03\x04\x05\x06\x07", 7)
                                              << QByteArray("\x01\x02\x03\x04\x05", 5);
        QTest::newRow("short array sets what it has")
            << QByteArray("\x0a\x14", 2) << QByteArray("\x0a\x14\x32\x42\x53", 5);
        QTest::newRow("empty array") << QByteArray() << DIAGONAL;
    }
    void setCurve()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, curve);
        KestAxis axis;
        axis.setCurve(bytes);
        QCOMPARE(axis.curve(), curve);
    }

    void setCurveReadsSignedBytesAndKeepsColumns()
    {
        KestAxis axis;
        axis.setCurve(QByteArray("\x7f\x00\xff\x50\x32", 5));
        QCOMPARE(grabbedBy(axis, QPointF(38, -54)), 0); // 127 %
        QCOMPARE(grabbedBy(axis, QPointF(72, 200)), 1); // 0 %
        QCOMPARE(grabbedBy(axis, QPointF(105, 202)), 2); // -1 %, two pixels below the axis
        QCOMPARE(grabbedBy(axis, QPointF(138, 40)), 3);
        QCOMPARE(grabbedBy(axis, QPointF(172, 100)), 4);

        // Dragging an out-of-range point brings it back into 0..100.
        send(axis, QEvent::MouseButtonPress, QPointF(38, -54));
        send(axis, QEvent::MouseMove, QPointF(38, -54));
        QCOMPARE(axis.curve()[0], char(100));
    }

    void paintsAxesAndTicks_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<bool>("axis");

        QTest::newRow("vertical axis") << QPoint(4, 150) << true;
        QTest::newRow("vertical axis top") << QPoint(5, 0) << true;
        QTest::newRow("vertical axis bottom") << QPoint(5, 205) << true;
        QTest::newRow("below vertical axis") << QPoint(5, 207) << false;
        QTest::newRow("beside vertical axis") << QPoint(3, 160) << false;
        QTest::newRow("horizontal axis") << QPoint(150, 199) << true;
        QTest::newRow("under horizontal axis") << QPoint(150, 201) << false;
        QTest::newRow("horizontal axis at 200") << QPoint(200, 199) << true;
        QTest::newRow("horizontal axis stops short of 205") << QPoint(204, 199) << false;
        QTest::newRow("tick at 100 %") << QPoint(1, 0) << true;
        QTest::newRow("tick at 50 % up") << QPoint(1, 99) << true;
        QTest::newRow("tick at 50 % across") << QPoint(104, 204) << true;
        QTest::newRow("tick at 202") << QPoint(202, 204) << true;
        QTest::newRow("no tick at 205") << QPoint(204, 204) << false;
        QTest::newRow("no tick between") << QPoint(150, 204) << false;
    }
    void paintsAxesAndTicks()
    {
        QFETCH(QPoint, pixel);
        QFETCH(bool, axis);
        KestAxis editor;
        const QColor c = paint(editor).pixelColor(pixel);
        QVERIFY2(near(c, axis ? BLUE : PAGE, 2), qPrintable(c.name()));
    }

    void paintsLabels()
    {
        KestAxis axis;
        const QImage image = paint(axis);
        // Each label's ink starts at its x and sits on the baseline at row 222.
        struct Label
        {
            int left, right;
        };
        for (const Label label : {Label {0, 20}, Label {95, 120}, Label {188, 219}}) {
            int first = -1, top = 231, bottom = -1;
            for (int x = label.left; x < label.right; ++x)
                for (int y = 207; y < 231; ++y)
                    if (near(image.pixelColor(x, y), BLUE, 40)) {
                        if (first < 0)
                            first = x;
                        top = qMin(top, y);
                        bottom = qMax(bottom, y);
                    }
            QVERIFY2(first >= label.left && first <= label.left + 2,
                     qPrintable(QString::number(first)));
            QVERIFY(bottom >= 220 && bottom <= 222);
            QVERIFY(top >= 207 && top <= 213);
        }
        QVERIFY(near(image.pixelColor(60, 215), PAGE, 0));
        QVERIFY(near(image.pixelColor(150, 215), PAGE, 0));

        // In bold: about as much ink as the same texts drawn bold, clearly more than plain.
        const auto ink = [](const QImage &im) {
            int n = 0;
            for (int y = 207; y < im.height(); ++y)
                for (int x = 0; x < im.width(); ++x)
                    n += near(im.pixelColor(x, y), BLUE, 40) ? 1 : 0;
            return n;
        };
        const auto reference = [&](int weight) {
            QImage im(image.size(), QImage::Format_ARGB32);
            im.fill(PAGE);
            QPainter p(&im);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(BLUE);
            p.setFont(QFont(QStringLiteral("Arial"), 11, weight));
            p.drawText(QPointF(0, 222), QStringLiteral("0"));
            p.drawText(QPointF(95, 222), QStringLiteral("50"));
            p.drawText(QPointF(188, 222), QStringLiteral("100"));
            p.end();
            return ink(im);
        };
        const int drawn = ink(image), bold = reference(QFont::Bold),
                  plain = reference(QFont::Normal);
        QVERIFY2(qAbs(drawn - bold) < qAbs(drawn - plain),
                 qPrintable(QStringLiteral("%1 %2 %3").arg(drawn).arg(bold).arg(plain)));
    }

    void paintsGrid_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("colour");

        const QColor fine(0x40, 0x40, 0x40), coarse(0x10, 0x10, 0x10);
        // One-pixel lines on whole coordinates cover two pixel rows (or columns) by half.
        for (int y : {25, 75, 125, 175}) {
            QTest::addRow("fine row %d", y) << QPoint(60, y) << fine;
            QTest::addRow("fine row %d above", y) << QPoint(60, y - 1) << fine;
        }
        for (int x : {29, 79, 129, 179})
            QTest::addRow("fine column %d", x) << QPoint(x, 10) << fine;
        for (int y : {50, 100, 150})
            QTest::addRow("coarse row %d", y) << QPoint(60, y) << coarse;
        for (int x : {55, 105, 155})
            QTest::addRow("coarse column %d", x) << QPoint(x, 190) << coarse;
        QTest::newRow("fine row starts at 7") << QPoint(8, 75) << fine;
        QTest::newRow("fine column ends at 198") << QPoint(79, 197) << fine;
    }
    void paintsGrid()
    {
        QFETCH(QPoint, pixel);
        QFETCH(QColor, colour);
        // A light background tells the two greys apart.
        const QColor background(160, 160, 160);
        KestAxis axis;
        const double t = tint(paint(axis, background).pixelColor(pixel), background, colour);
        QVERIFY2(t > 0.35 && t < 0.65, qPrintable(QString::number(t)));
    }

    void gridStaysOffAxesAndEmptyPlacesStayClear()
    {
        KestAxis axis;
        const QImage image = paint(axis);
        QVERIFY(near(image.pixelColor(29, 199), BLUE, 2)); // grid ends above the axis
        QVERIFY(near(image.pixelColor(203, 25), PAGE, 0)); // and short of x 205
        QVERIFY(near(image.pixelColor(60, 60), PAGE, 0));
        QVERIFY(near(image.pixelColor(215, 100), PAGE, 0));
        QVERIFY(near(image.pixelColor(100, 228), PAGE, 0));
    }

    void paintsCurveAndHandles()
    {
        KestAxis axis;
        QImage image = paint(axis);
        // The diagonal from (5, 200) to (205, 0), above the grid.
        for (int x : {21, 88, 121, 154, 188, 200})
            QCOMPARE(curveRow(image, x), 204 - x);
        QVERIFY(near(image.pixelColor(154, 50), BLUE));

        for (int i = 0; i < 5; ++i) {
            const QPointF s = KestAxis::toScreen(QPointF((i + 1) * 100.0 / 6, (i + 1) * 100.0 / 6));
            const int cx = int(s.x()), cy = int(s.y());
            QVERIFY(near(image.pixelColor(cx, cy), BLUE));
            QVERIFY(near(image.pixelColor(cx, int(s.y() - 6)), Qt::white, 20)); // ring above
            QVERIFY(near(image.pixelColor(int(s.x() + 6), cy), Qt::white, 20)); // ring right
            QVERIFY(near(image.pixelColor(cx, int(s.y() - 9)), PAGE, 25)); // nothing further out
        }
        QVERIFY(near(image.pixelColor(109, 95), Qt::white, 20)); // the ring lies over the curve

        // A falling curve is drawn falling; -1 % lies two pixels below the axis.
        axis.setCurve(QByteArray("\x5a\x46\x32\x1e\x0a", 5));
        image = paint(axis);
        QVERIFY(qAbs(curveRow(image, 88) - 80) <= 1);
        QVERIFY(qAbs(curveRow(image, 122) - 120) <= 1);
        QVERIFY(near(image.pixelColor(88, 116), PAGE, 0));
        axis.setCurve(QByteArray("\x5a\x46\xff\x1e\x0a", 5));
        image = paint(axis);
        QVERIFY(near(image.pixelColor(105, 202), BLUE));
        QVERIFY(near(image.pixelColor(105, 208), Qt::white, 20));
        QVERIFY(near(image.pixelColor(105, 196), Qt::white, 20));
    }
};

QTEST_MAIN(TestKestAxis)
#include "tst_kestaxis.moc"
