// Live positions on a window attached to the simulated unit: every report counts, the
// screen shows the newest, painted at most once a frame.

#include "windowsupport.h"

#include <QProgressBar>

using namespace testsupport;

namespace {

QByteArray positions(std::uint16_t clutch, std::uint16_t brake, std::uint16_t throttle)
{
    QByteArray v(6, 0);
    const std::uint16_t p[3] = {clutch, brake, throttle};
    for (int i = 0; i < 3; ++i) {
        v[2 * i] = char(p[i] & 0xFF);
        v[2 * i + 1] = char(p[i] >> 8);
    }
    return v;
}

/// Counts the paint events of the widgets it watches.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(std::initializer_list<QWidget *> widgets)
    {
        for (QWidget *w : widgets)
            w->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        count += e->type() == QEvent::Paint;
        return false;
    }
};

QTimer *frameTimer(QWidget *window)
{
    return window->findChild<QTimer *>(QStringLiteral("frameTimer"));
}

} // namespace

class TestLivePositions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { freshUnit(); }
    void cleanup() { kestsim::unit().plug(); }

    void aBurstIsPaintedOnceAFrameAndEveryReportCounts()
    {
        auto w = openWindow();
        auto *save = child<QPushButton>(w.get(), "pbSave1");
        save->click(); // BRAKE calibrates: its travel is watched from now on
        startWatchNow(w.get());
        QTest::mouseClick(child(w.get(), "pbS1"), Qt::LeftButton);
        w->show(); // this test counts paints
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        auto *number = child<QLabel>(w.get(), "lbAdc1");
        auto *bar = child<QProgressBar>(w.get(), "pgAdc1");
        QTRY_VERIFY(!frameTimer(w.get())->isActive());
        PaintCounter paints {number, bar};

        // 300 reports in one go, as a fast unit delivers them between two frames; the
        // BRAKE's extremes come in the middle, where the screen never shows them.
        for (int i = 0; i < 300; ++i)
            w->onJoystickEvent(positions(100,
                                         std::uint16_t(i == 100       ? 2000
                                                           : i == 200 ? 63000
                                                                      : 20000 + i),
                                         300));
        QTRY_COMPARE(number->text(), QStringLiteral("20299"));
        QCOMPARE(bar->value(), 20299);
        QCOMPARE(child<QProgressBar>(w.get(), "pgCal1")->value(), 20299);
        QTRY_VERIFY(!frameTimer(w.get())->isActive());
        // The first report at once, the newest with the next frame: each widget is
        // painted at most twice, whatever the machine's speed.
        QVERIFY2(paints.count <= 4, qPrintable(QString::number(paints.count)));

        save->click();
        const auto kept = kestsim::unit().state().kept.calibration;
        QCOMPARE(kept[2], 2000);
        QCOMPARE(kept[3], 63000);
    }

    void aReportAfterAQuietSpellShowsAtOnce()
    {
        auto w = openWindow();
        QTRY_VERIFY(!frameTimer(w.get())->isActive());
        w->onJoystickEvent(positions(1, 2, 3));
        QCOMPARE(child<QLabel>(w.get(), "lbAdc2")->text(), QStringLiteral("3"));
        QCOMPARE(child<QProgressBar>(w.get(), "pgAdc0")->value(), 1);
        // The next one within the frame waits for it, and is not lost.
        w->onJoystickEvent(positions(4, 5, 6));
        QCOMPARE(child<QLabel>(w.get(), "lbAdc2")->text(), QStringLiteral("3"));
        QTRY_COMPARE(child<QLabel>(w.get(), "lbAdc2")->text(), QStringLiteral("6"));
        QCOMPARE(child<QProgressBar>(w.get(), "pgCal0")->value(), 4);
    }
};

QTEST_MAIN(TestLivePositions)
#include "tst_livepositions.moc"
