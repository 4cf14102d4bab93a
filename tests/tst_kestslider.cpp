// The deadzone handle: its travel from the form positions, dragging, and what it paints.

#include "kestslider.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPalette>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <memory>

namespace {

constexpr int FORM_Y = 380;
const QColor BLUE(0, 117, 190);
const QColor BACKGROUND(26, 25, 25);

bool near(QColor a, QColor b, int tolerance = 8)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
        && qAbs(a.blue() - b.blue()) <= tolerance;
}

} // namespace

class TestKestSlider : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QWidget> page;

    // A handle placed as the form places it, then given its side as the window does.
    KestSlider *handle(int formX, int side, bool withSide = true)
    {
        auto *h = new KestSlider(page.get());
        h->setGeometry(formX, FORM_Y, 32, 20);
        if (withSide)
            h->setSide(side);
        h->show();
        return h;
    }

    // Mouse events go straight to the handle: it moves under the mouse during a drag, so
    // the local position is worked out afresh from the global one for every event.
    static void send(KestSlider *h, QEvent::Type type, QPointF global, Qt::MouseButtons held)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, h->mapFromGlobal(global), global, button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(h, &event);
    }
    static void press(KestSlider *h, QPointF global)
    {
        send(h, QEvent::MouseButtonPress, global, Qt::LeftButton);
    }
    static void moveTo(KestSlider *h, QPointF global)
    {
        send(h, QEvent::MouseMove, global, Qt::LeftButton);
    }
    static void release(KestSlider *h, QPointF global)
    {
        send(h, QEvent::MouseButtonRelease, global, Qt::NoButton);
    }
    static QPointF grip(KestSlider *h) { return QPointF(h->mapToGlobal(QPoint(16, 12))); }

    static QImage paint(KestSlider *h)
    {
        QImage image(h->size(), QImage::Format_ARGB32);
        image.fill(BACKGROUND);
        h->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    }
    static int countNear(const QImage &image, QColor colour, int tolerance)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += near(image.pixelColor(x, y), colour, tolerance) ? 1 : 0;
        return n;
    }

private Q_SLOTS:
    void init()
    {
        page = std::make_unique<QWidget>();
        page->resize(900, 500);
        page->move(100, 50); // global and parent coordinates differ
        page->show();
    }
    void cleanup() { page.reset(); }

    void travelFromFormPosition_data()
    {
        QTest::addColumn<int>("formX");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("fullX"); // x at 21 %

        QTest::newRow("lbDzL0") << 38 << 0 << 80;
        QTest::newRow("lbDzR0") << 206 << 1 << 164;
        QTest::newRow("lbDzL1") << 260 << 0 << 302;
        QTest::newRow("lbDzR1") << 428 << 1 << 386;
        QTest::newRow("lbDzL2") << 482 << 0 << 524;
        QTest::newRow("lbDzR2") << 650 << 1 << 608;
    }
    void travelFromFormPosition()
    {
        QFETCH(int, formX);
        QFETCH(int, side);
        QFETCH(int, fullX);
        KestSlider *h = handle(formX, side);

        QCOMPARE(h->value(), 0);
        h->setValue(21);
        QCOMPARE(h->pos(), QPoint(fullX, FORM_Y));
        QCOMPARE(h->value(), 21);
        h->setValue(0);
        QCOMPARE(h->pos(), QPoint(formX, FORM_Y));

        // Two pixels per percent; an odd pixel reads as the lower percent.
        const int inward = side == 0 ? 1 : -1;
        h->move(formX + inward * 5, FORM_Y);
        QCOMPARE(h->value(), 2);
        h->move(formX + inward * 41, FORM_Y);
        QCOMPARE(h->value(), 20);

        // Nothing is clamped: a percent outside 0..21 reads back as itself.
        for (int p : {-3, 7, 30}) {
            h->setValue(p);
            QCOMPARE(h->pos(), QPoint(formX + inward * 2 * p, FORM_Y));
            QCOMPARE(h->value(), p);
        }
    }

    void noTravelBeforeSetSide()
    {
        KestSlider *h = handle(38, 0, false);
        QCOMPARE(h->value(), 0);
        const QImage image = paint(h); // must not divide by zero
        QVERIFY(near(image.pixelColor(4, 15), BLUE, 2));
    }

    void drag_data()
    {
        QTest::addColumn<int>("formX");
        QTest::addColumn<int>("side");
        QTest::addColumn<QList<int>>("steps"); // global x offsets of successive moves
        QTest::addColumn<int>("endX");
        QTest::addColumn<int>("endValue");

        using L = QList<int>;
        QTest::newRow("left 10 px") << 38 << 0 << L {10} << 48 << 5;
        QTest::newRow("right 10 px") << 206 << 1 << L {-10} << 196 << 5;
        QTest::newRow("left in small steps") << 38 << 0 << L {3, 6, 10} << 48 << 5;
        QTest::newRow("left to the end") << 38 << 0 << L {41} << 79 << 20;
        QTest::newRow("right to the end") << 206 << 1 << L {-41} << 165 << 20;
        // Onto the bound or past it: the step is dropped whole.
        QTest::newRow("left onto maxX") << 38 << 0 << L {42} << 38 << 0;
        QTest::newRow("left past maxX") << 38 << 0 << L {60} << 38 << 0;
        QTest::newRow("left back onto minX") << 38 << 0 << L {10, 0} << 48 << 5;
        QTest::newRow("left back past minX") << 38 << 0 << L {10, -10} << 48 << 5;
        QTest::newRow("left outward at start") << 38 << 0 << L {-3} << 38 << 0;
        QTest::newRow("right onto minX") << 206 << 1 << L {-42} << 206 << 0;
        QTest::newRow("right back onto maxX") << 206 << 1 << L {-10, 0} << 196 << 5;
        QTest::newRow("right outward at start") << 206 << 1 << L {2} << 206 << 0;
        // The drag goes on from the dropped step's mouse position, not the last accepted.
        QTest::newRow("left on after drop") << 38 << 0 << L {41, 50, 48} << 77 << 19;
        QTest::newRow("right on after drop") << 206 << 1 << L {-41, -45, -43} << 167 << 19;
        QTest::newRow("dropped then back in") << 38 << 0 << L {-5, 3} << 46 << 4;
    }
    void drag()
    {
        QFETCH(int, formX);
        QFETCH(int, side);
        QFETCH(QList<int>, steps);
        QFETCH(int, endX);
        QFETCH(int, endValue);
        KestSlider *h = handle(formX, side);

        const QPointF start = grip(h);
        press(h, start);
        for (int dx : steps)
            moveTo(h, start + QPointF(dx, 0));
        QCOMPARE(h->pos(), QPoint(endX, FORM_Y));
        QCOMPARE(h->value(), endValue);
        release(h, start + QPointF(steps.last(), 0));
        QCOMPARE(h->pos(), QPoint(endX, FORM_Y));
    }

    void dragOnAScreenLeftOfThePrimary()
    {
        // There every global position is negative; the drag works all the same.
        KestSlider *h = handle(38, 0);
        QSignalSpy released(h, &KestSlider::valueChanged);
        const QPointF start(-1500.0, -200.0);
        press(h, start);
        moveTo(h, start + QPointF(6, 0));
        moveTo(h, start + QPointF(10, 0));
        QCOMPARE(h->pos(), QPoint(48, FORM_Y));
        release(h, start + QPointF(10, 0));
        QCOMPARE(released.count(), 1);
        moveTo(h, start + QPointF(20, 0)); // released: no more drag
        QCOMPARE(h->pos(), QPoint(48, FORM_Y));
    }

    void dragKeepsGoingTowardTheEnd()
    {
        KestSlider *h = handle(38, 0);
        QPointF at = grip(h);
        press(h, at);
        for (int i = 0; i < 60; ++i) {
            at += QPointF(1, 0);
            moveTo(h, at);
        }
        QCOMPARE(h->x(), 38 + 41);
        QCOMPARE(h->value(), 20);
    }

    void onlyHorizontalMotionCounts()
    {
        KestSlider *h = handle(260, 0);
        const QPointF start = grip(h);
        press(h, start);
        moveTo(h, start + QPointF(0, 30));
        moveTo(h, start + QPointF(0, -30));
        QCOMPARE(h->pos(), QPoint(260, FORM_Y));
        moveTo(h, start + QPointF(6, 200));
        QCOMPARE(h->pos(), QPoint(266, FORM_Y));
    }

    void movesOutsideADragAreIgnored()
    {
        KestSlider *h = handle(38, 0);
        const QPointF start = grip(h);
        moveTo(h, start + QPointF(10, 0)); // no press yet
        QCOMPARE(h->x(), 38);

        press(h, start);
        moveTo(h, start + QPointF(4, 0));
        release(h, start + QPointF(4, 0));
        moveTo(h, start + QPointF(14, 0)); // after the release
        QCOMPARE(h->x(), 42);

        // A new drag is measured from its own press.
        press(h, start + QPointF(20, 0));
        moveTo(h, start + QPointF(22, 0));
        QCOMPARE(h->x(), 44);
    }

    void releaseEmitsOncePerDrag()
    {
        KestSlider *h = handle(206, 1);
        QSignalSpy spy(h, &KestSlider::valueChanged);

        QTest::mouseClick(h, Qt::LeftButton, Qt::NoModifier, QPoint(16, 10));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(h->x(), 206);

        const QPointF start = grip(h);
        press(h, start);
        moveTo(h, start + QPointF(-8, 0));
        QCOMPARE(spy.count(), 1); // nothing while dragging
        release(h, start + QPointF(-8, 0));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(h->value(), 4);

        QTest::mouseClick(h, Qt::RightButton, Qt::NoModifier, QPoint(16, 10));
        QCOMPARE(spy.count(), 3);
    }

    void paintsTabWithTipOnOuterEdge_data()
    {
        QTest::addColumn<int>("formX");
        QTest::addColumn<int>("side");
        QTest::addColumn<QPoint>("tip");
        QTest::addColumn<QPoint>("noTip");

        QTest::newRow("left") << 38 << 0 << QPoint(1, 2) << QPoint(30, 2);
        QTest::newRow("right") << 206 << 1 << QPoint(30, 2) << QPoint(1, 2);
    }
    void paintsTabWithTipOnOuterEdge()
    {
        QFETCH(int, formX);
        QFETCH(int, side);
        QFETCH(QPoint, tip);
        QFETCH(QPoint, noTip);
        KestSlider *h = handle(formX, side);
        const QImage image = paint(h);

        for (QPoint body : {QPoint(4, 15), QPoint(27, 15), QPoint(16, 5), QPoint(16, 18)})
            QVERIFY2(near(image.pixelColor(body), BLUE, 2),
                     qPrintable(QStringLiteral("%1,%2").arg(body.x()).arg(body.y())));
        QVERIFY(near(image.pixelColor(tip), BLUE, 2));
        QVERIFY(near(image.pixelColor(noTip), BACKGROUND, 2));
        // Above the body, clear of the tip, the background shows.
        QVERIFY(near(image.pixelColor(16, 1), BACKGROUND, 2));
        // Rounded corners at the bottom.
        QVERIFY(!near(image.pixelColor(0, 19), BLUE, 2));
        QVERIFY(!near(image.pixelColor(31, 19), BLUE, 2));
    }

    void paintsPercentInWhite()
    {
        KestSlider *h = handle(38, 0);
        const int atZero = countNear(paint(h), Qt::white, 60);
        QVERIFY(atZero > 0);
        h->setValue(21);
        const QImage image = paint(h);
        const int atTwentyOne = countNear(image, Qt::white, 60);
        QVERIFY(atTwentyOne > atZero); // "21%" has one more digit than "0%"

        // Centred: the text's ink lies in the middle of the body, not at its ends.
        int left = image.width(), right = -1;
        for (int y = 4; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (near(image.pixelColor(x, y), Qt::white, 60)) {
                    left = qMin(left, x);
                    right = qMax(right, x);
                }
        QVERIFY(left > 2 && right < image.width() - 3);
        QVERIFY(qAbs((left + right) - (image.width() - 1)) <= 3);
    }

    void labelOwnPaintingIsLeftOut()
    {
        KestSlider *h = handle(38, 0);
        h->setText(QStringLiteral("################"));
        QPalette palette = h->palette();
        palette.setColor(QPalette::WindowText, Qt::red);
        h->setPalette(palette);
        QCOMPARE(countNear(paint(h), Qt::red, 60), 0);
    }
};

QTEST_MAIN(TestKestSlider)
#include "tst_kestslider.moc"
