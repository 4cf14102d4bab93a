// Tuning beyond the mouse: the keyboard on the curve editor and the deadzone handles, the
// live marker on the curve, presets and curves shared as text, names for screen readers.

#include "curvetext.h"
#include "kestaxis.h"
#include "kestslider.h"
#include "windowsupport.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QSignalSpy>
#include <QTimer>

using namespace testsupport;

namespace {

const QColor AMBER(0xFF, 0xB3, 0x47);
const QColor PAGE(26, 25, 25);
using Keys = QList<int>;

void mouse(KestAxis &axis, QEvent::Type type, QPointF at, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, at, axis.mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&axis, &event);
}

QPointF pointPixel(const KestAxis &axis, int index)
{
    const double x = (index + 1) * 100.0 / 6;
    return KestAxis::toScreen(QPointF(x, axis.valueAt(x)));
}

QImage paint(KestAxis &axis)
{
    QImage image(220, 231, QImage::Format_ARGB32);
    image.fill(PAGE);
    axis.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

bool near(QColor a, QColor b, int tolerance)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
        && qAbs(a.blue() - b.blue()) <= tolerance;
}

// Focus as the window would give it, without depending on the window being active.
void focusOut(QWidget *w)
{
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(w, &event);
}

kestsim::UnitState unitWithDeadzones()
{
    kestsim::UnitState s;
    s.kept.deadzone = {6554, 58982, 0, 65535, 0, 65535};
    s.kept.calibration = {100, 65000, 200, 64000, 300, 63000};
    return s;
}

} // namespace

class TestCurveTuning : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { freshUnit(); }

    void keysMoveLikeADrag_data()
    {
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<int>("point");
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<double>("row"); // where a drag puts the point at the same place
        QTest::addColumn<int>("byte");

        const QByteArray diagonal("\x11\x21\x32\x43\x53", 5);
        QTest::newRow("up by ones") << diagonal << 2 << Keys(10, Qt::Key_Up) << 80.0 << 60;
        QTest::newRow("page up stops at 100")
            << diagonal << 2 << Keys(6, Qt::Key_PageUp) << -30.0 << 100;
        QTest::newRow("page down stops at 0")
            << diagonal << 4 << Keys(9, Qt::Key_PageDown) << 260.0 << 0;
        QTest::newRow("up from 127 % comes back to 100")
            << QByteArray("\x7f\x21\x32\x43\x53", 5) << 0 << Keys {Qt::Key_Up} << -5.0 << 100;
        QTest::newRow("down from -1 % comes back to 0")
            << QByteArray("\x11\x21\xff\x43\x53", 5) << 2 << Keys {Qt::Key_Down} << 230.0 << 0;
    }
    void keysMoveLikeADrag()
    {
        QFETCH(QByteArray, start);
        QFETCH(int, point);
        QFETCH(Keys, keys);
        QFETCH(double, row);
        QFETCH(int, byte);

        KestAxis dragged;
        dragged.setCurve(start);
        const QPointF at = pointPixel(dragged, point);
        mouse(dragged, QEvent::MouseButtonPress, at);
        mouse(dragged, QEvent::MouseMove, QPointF(at.x(), row));
        mouse(dragged, QEvent::MouseButtonRelease, QPointF(at.x(), row));

        KestAxis keyed;
        keyed.setCurve(start);
        mouse(keyed, QEvent::MouseButtonPress, at); // a click chooses the point
        mouse(keyed, QEvent::MouseButtonRelease, at);
        QCOMPARE(keyed.curve(), start);
        QCOMPARE(keyed.chosenPoint(), point);
        for (int key : keys)
            QTest::keyClick(&keyed, Qt::Key(key));

        QCOMPARE(keyed.curve(), dragged.curve());
        QCOMPARE(int(keyed.curve().at(point)), byte);
    }

    void leftAndRightChooseNeighboursWithoutWrapping()
    {
        KestAxis axis;
        QTest::keyClick(&axis, Qt::Key_Left); // the first key chooses the first point
        QTest::keyClick(&axis, Qt::Key_Up);
        for (int i = 0; i < 7; ++i)
            QTest::keyClick(&axis, Qt::Key_Right);
        QCOMPARE(axis.chosenPoint(), 4);
        QTest::keyClick(&axis, Qt::Key_PageUp);
        QCOMPARE(axis.curve(), QByteArray("\x11\x21\x32\x42\x5d", 5)); // 17 and 93
    }

    void markerSitsOnTheCurve_data()
    {
        QTest::addColumn<QByteArray>("curve");
        QTest::addColumn<int>("raw");
        QTest::addColumn<QPoint>("pixel");

        const QByteArray rising("\x0a\x14\x28\x46\x5a", 5); // 10, 20, 40, 70, 90
        QTest::newRow("released") << QByteArray() << 0 << QPoint(5, 199);
        QTest::newRow("between two points") << rising << 16384 << QPoint(55, 170);
        QTest::newRow("past the last point") << rising << 65535 << QPoint(204, 1);
        QTest::newRow("falling curve")
            << QByteArray("\x5a\x46\x32\x1e\x0a", 5) << 49151 << QPoint(155, 160);
    }
    void markerSitsOnTheCurve()
    {
        QFETCH(QByteArray, curve);
        QFETCH(int, raw);
        QFETCH(QPoint, pixel);
        KestAxis axis;
        axis.setCurve(curve);
        const QImage before = paint(axis);
        QVERIFY(!near(before.pixelColor(pixel), AMBER, 40)); // no marker before a report

        axis.setInputPosition(raw);
        const QImage after = paint(axis);
        QVERIFY2(near(after.pixelColor(pixel), AMBER, 30),
                 qPrintable(after.pixelColor(pixel).name()));

        // Everything else the editor paints stays: changes lie within a few rows of the
        // marker, where its readout sits beside it.
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                if (after.pixel(x, y) != before.pixel(x, y))
                    QVERIFY2(qAbs(y - pixel.y()) <= 24,
                             qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }

    void inputReportsReachTheEditors()
    {
        auto w = openWindow();
        kestsim::unit().setPedals(100, 32768, 65535);
        TRY_COMPARE(child<KestAxis>(w.get(), "ctAdc2")->inputPosition(), 65535);
        QCOMPARE(child<KestAxis>(w.get(), "ctAdc1")->inputPosition(), 32768);
        QCOMPARE(child<KestAxis>(w.get(), "ctAdc0")->inputPosition(), 100);
        QVERIFY(writes().isEmpty());
    }

    void copyThenPasteRoundTrips()
    {
        KestAxis from;
        from.setCurve(QByteArray("\x05\x00\x64\x2a\x4d", 5));
        from.copyCurve();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kest-curve:5,0,100,42,77"));

        KestAxis to;
        QVERIFY(to.pasteCurve());
        QCOMPARE(to.curve(), from.curve());

        // As quoted in a post, among other words and spaces.
        QGuiApplication::clipboard()->setText(QStringLiteral("Try KEST-CURVE: 7, 26,50 ,74,93 :)"));
        QVERIFY(to.pasteCurve());
        QCOMPARE(to.curve(), KestAxis::presetCurve(KestAxis::SCurve));
    }

    void textThatIsNoCurveChangesNothing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("prose") << QStringLiteral("hello");
        QTest::newRow("numbers without the prefix") << QStringLiteral("17,33,50,67,83");
        QTest::newRow("four numbers") << QStringLiteral("kest-curve:1,2,3,4");
        QTest::newRow("six numbers") << QStringLiteral("kest-curve:1,2,3,4,5,6");
        QTest::newRow("above 100") << QStringLiteral("kest-curve:1,2,3,4,101");
        QTest::newRow("negative") << QStringLiteral("kest-curve:-1,2,3,4,5");
        QTest::newRow("too large for an int") << QStringLiteral("kest-curve:1,2,3,4,99999999999");
    }
    void textThatIsNoCurveChangesNothing()
    {
        QFETCH(QString, text);
        const QByteArray curve("\x0a\x14\x28\x46\x5a", 5);
        KestAxis axis;
        axis.setCurve(curve);
        QGuiApplication::clipboard()->setText(text);
        QString why;
        QVERIFY(!axis.pasteCurve(&why));
        QCOMPARE(axis.curve(), curve);
        QVERIFY2(why.startsWith(QLatin1String("Not a curve: ")), qPrintable(why));
    }

    void contextMenuOffersPresetsAndEndsADrag()
    {
        KestAxis axis;
        mouse(axis, QEvent::MouseButtonPress, QPointF(105, 100), Qt::RightButton); // grabs
        QStringList texts;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            poll.stop();
            for (QAction *a : menu->actions()) {
                texts << a->text();
                if (a->text() == QLatin1String("S-curve"))
                    a->trigger();
            }
            menu->close();
        });
        poll.start(10);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(105, 100),
                                axis.mapToGlobal(QPoint(105, 100)));
        QCoreApplication::sendEvent(&axis, &event);
        QCOMPARE(texts,
                 (QStringList {"Linear", "Progressive", "Degressive", "S-curve", QString(),
                               "Copy curve", "Paste curve"}));
        QCOMPARE(axis.curve(), KestAxis::presetCurve(KestAxis::SCurve));

        // The menu took the release: moves with the button held no longer drag.
        mouse(axis, QEvent::MouseMove, QPointF(105, 0), Qt::RightButton);
        QCOMPARE(axis.curve(), KestAxis::presetCurve(KestAxis::SCurve));
    }

    void handleKeys_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<int>("percent");

        QTest::newRow("left handle, right") << 0 << Keys(3, Qt::Key_Right) << false << 3;
        QTest::newRow("left handle, shift stops at 21")
            << 0 << Keys(5, Qt::Key_Right) << true << 21;
        QTest::newRow("left handle, left stays at 0") << 0 << Keys {Qt::Key_Left} << false << 0;
        QTest::newRow("right handle, left") << 1 << Keys(2, Qt::Key_Left) << true << 10;
        QTest::newRow("right handle, right stays at 0") << 1 << Keys {Qt::Key_Right} << false << 0;
    }
    void handleKeys()
    {
        QFETCH(int, side);
        QFETCH(Keys, keys);
        QFETCH(bool, shift);
        QFETCH(int, percent);
        QWidget page;
        KestSlider handle(&page);
        handle.setGeometry(100, 0, 32, 20);
        handle.setSide(side);
        QSignalSpy released(&handle, &KestSlider::valueChanged);
        for (int key : keys)
            QTest::keyClick(&handle, Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(handle.value(), percent);
        QCOMPARE(handle.x(), side == 0 ? 100 + 2 * percent : 100 - 2 * percent);

        // One signal for the burst, only if the handle moved, and only once.
        QCOMPARE(released.count(), 0);
        focusOut(&handle);
        focusOut(&handle);
        QCOMPARE(released.count(), percent > 0 ? 1 : 0);
    }

    void keyBurstWritesOnceAsAReleaseDoes()
    {
        // The report a mouse release sends for the BRAKE low deadzone at 10 %...
        freshUnit(unitWithDeadzones());
        QStringList byMouse;
        {
            auto w = openWindow();
            kestsim::wireLog().clear();
            dragBy(child(w.get(), "lbDzL1"), 20);
            byMouse = writes();
        }
        QCOMPARE(byMouse.size(), 1);

        // ...is the one write of a burst of keys, sent once the keys stop.
        freshUnit(unitWithDeadzones());
        auto w = openWindow();
        auto *handle = child<KestSlider>(w.get(), "lbDzL1");
        auto *quiet = handle->findChild<QTimer *>(QStringLiteral("keyBurst"));
        QVERIFY(quiet);
        kestsim::wireLog().clear();
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(handle, Qt::Key_Right);
        QTest::keyClick(handle, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(handle, Qt::Key_Left);
        QTest::keyClick(handle, Qt::Key_Right);
        QVERIFY(writes().isEmpty());
        QCOMPARE(handle->accessibleName(), QStringLiteral("BRAKE low deadzone: 10 %"));
        TRY_COMPARE(writes(), byMouse);
        QVERIFY(!quiet->isActive());
        QCOMPARE(handle->value(), 10);
        QCOMPARE(readRequests(), QStringList {"0501"}); // read back and placed, as a release

        // Focus leaving ends a burst at once.
        kestsim::wireLog().clear();
        QTest::keyClick(handle, Qt::Key_Left);
        focusOut(handle);
        QCOMPARE(writes().size(), 1);
        QVERIFY(!quiet->isActive());
        QCOMPARE(kestsim::unit().state().kept.deadzone[2], std::uint16_t(5898)); // 9 %
    }

    void screenReadersHearPointsAndHandles()
    {
        auto w = openWindow();
        auto *brake = child<KestAxis>(w.get(), "ctAdc1");
        brake->setCurve(QByteArray("\x11\x21\x32\x43\x53", 5));
        mouse(*brake, QEvent::MouseButtonPress, QPointF(105, 100));
        mouse(*brake, QEvent::MouseButtonRelease, QPointF(105, 100));
        QTest::keyClick(brake, Qt::Key_Up);
        QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(brake);
        QVERIFY(spoken);
        QCOMPARE(spoken->text(QAccessible::Name), QStringLiteral("BRAKE curve point 3: 51 %"));
        child<KestSlider>(w.get(), "lbDzR2")->setValue(7);
        QCOMPARE(child(w.get(), "lbDzR2")->accessibleName(),
                 QStringLiteral("THROTTLE high deadzone: 7 %"));
    }
};

QTEST_MAIN(TestCurveTuning)
#include "tst_curvetuning.moc"
