// Start-up, attach, the waiting state, page switching, dragging and closing.

#include "observers.h"
#include "plugmonitor.h"
#include "windowsupport.h"

#include <QCheckBox>

#include <atomic>

using namespace testsupport;

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { freshUnit(); }
    void cleanup() { kestsim::unit().plug(); }

    void waitsWithoutUnitThenAttaches();
    void attachReadsTheUnitInOrder();
    void unplugReturnsToWaiting_data();
    void unplugReturnsToWaiting();
    void replugAttachesAgain();
    void versionLosesOneTrailingColon_data();
    void versionLosesOneTrailingColon();
    void clutchModeIsReadAtAttach_data();
    void clutchModeIsReadAtAttach();
    void noAccessShowsAHint();
    void plugInAttachesAtOnce();
    void dragStartsOnlyInTheTopBand_data();
    void dragStartsOnlyInTheTopBand();
    void dragAcrossTheScreenEdge();
    void moveWithoutPressDoesNotDrag();
    void sidebarShowsPages();
    void closeButtonClosesAndStoresActiveProfiles();
    void destructionWhileTheReaderRuns();
    void firstFrameComesBeforeTheAttach();
};

void TestMainWindow::waitsWithoutUnitThenAttaches()
{
    kestsim::unit().unplug();
    auto w = openWindow(false);
    w->show();
    QCOMPARE(headText(w.get()), QStringLiteral("WAITING FOR DEVICE..."));
    QCOMPARE(currentPage(w.get()), 4);
    QVERIFY(child(w.get(), "pbStatus")->isVisible());
    QVERIFY(child(w.get(), "lbVersion")->isHidden());
    for (const char *b : {"pbS1", "pbS2", "pbS3", "pbS4"})
        QVERIFY2(!child(w.get(), b)->isEnabled(), b);
    QVERIFY(child(w.get(), "pbS5")->isEnabled());
    TRY_VERIFY(child<QPushButton>(w.get(), "pbS5")->isChecked());

    // The next attempt is the retry timer's, three seconds on; its time is made up now,
    // so that its own timeout makes the attempt that finds the unit.
    auto *retry = child<QTimer>(w.get(), "retryTimer");
    QVERIFY(retry->isActive());
    QVERIFY(retry->isSingleShot());
    QCOMPARE(retry->interval(), 3000);
    kestsim::unit().plug();
    retry->start(0);
    TRY_COMPARE(currentPage(w.get()), 0);
    QCOMPARE(headText(w.get()), QStringLiteral("KEST LABS RM25"));
    QVERIFY(!child(w.get(), "pbStatus")->isVisible());
    QVERIFY(!child(w.get(), "lbVersion")->isHidden());
    QCOMPARE(child<QLabel>(w.get(), "lbVersion")->text(),
             QStringLiteral("Firmware Version:\tV1.0.0"));
    for (const char *b : {"pbS1", "pbS2", "pbS3", "pbS4", "pbS5"})
        QVERIFY2(child(w.get(), b)->isEnabled(), b);
    QVERIFY(child<QPushButton>(w.get(), "pbS1")->isChecked());
    QVERIFY(!child<QPushButton>(w.get(), "pbS5")->isChecked());
}

void TestMainWindow::attachReadsTheUnitInOrder()
{
    kestsim::UnitState s;
    s.kept.slots[2] = {{'A'}, {2, 2, 10, 20, 30, 40, 50}};
    freshUnit(s);
    auto w = openWindow();
    QStringList expected {"0900", "0c07"};
    for (int slot = 0; slot < 16; ++slot) {
        expected << QString::asprintf("03%02x", slot);
        if (slot == 2)
            expected << "0402"; // the record of the one used slot
    }
    expected << "0c0f"
             << "0501";
    QCOMPARE(readRequests(), expected);
    QCOMPARE(kestsim::wireLog().entries().front().kind, std::string("open"));
}

void TestMainWindow::unplugReturnsToWaiting_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("page");
    QTest::newRow("INPUTS") << "pbS1" << 0;
    QTest::newRow("CALIBRATION") << "pbS2" << 1;
    QTest::newRow("PROFILES") << "pbS3" << 2;
    QTest::newRow("DEVICE") << "pbS4" << 3;
    QTest::newRow("ABOUT") << "pbS5" << 4;
}

void TestMainWindow::unplugReturnsToWaiting()
{
    QFETCH(QString, button);
    QFETCH(int, page);
    auto w = openWindow();
    w->show();
    QTest::mouseClick(child(w.get(), button.toLatin1().constData()), Qt::LeftButton);
    QCOMPARE(currentPage(w.get()), page);
    kestsim::unit().unplug();
    TRY_COMPARE(headText(w.get()), QStringLiteral("WAITING FOR DEVICE..."));
    TRY_COMPARE(currentPage(w.get()), 4);
    QVERIFY(child(w.get(), "pbStatus")->isVisible());
    QVERIFY(!kest::deviceIsOpen());
}

void TestMainWindow::replugAttachesAgain()
{
    auto w = openWindow();
    kestsim::unit().unplug();
    TRY_COMPARE(currentPage(w.get()), 4);
    kestsim::unit().setVersion("V2.0.0");
    kestsim::unit().plug();
    retryNow(w.get());
    TRY_COMPARE(currentPage(w.get()), 0);
    QCOMPARE(child<QLabel>(w.get(), "lbVersion")->text(),
             QStringLiteral("Firmware Version:\tV2.0.0"));
}

void TestMainWindow::versionLosesOneTrailingColon_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << "V1.2.3"
                           << "V1.2.3";
    QTest::newRow("one colon") << "V1.2.3:"
                               << "V1.2.3";
    QTest::newRow("two colons") << "V1.2.3::"
                                << "V1.2.3:";
    QTest::newRow("18 bytes") << "ABCDEFGHIJKLMNOPQR"
                              << "ABCDEFGHIJKLMNOPQR";
}

void TestMainWindow::versionLosesOneTrailingColon()
{
    QFETCH(QString, version);
    QFETCH(QString, shown);
    kestsim::UnitState s;
    s.version = version.toStdString();
    freshUnit(s);
    auto w = openWindow();
    QCOMPARE(child<QLabel>(w.get(), "lbVersion")->text(), "Firmware Version:\t" + shown);
}

void TestMainWindow::clutchModeIsReadAtAttach_data()
{
    QTest::addColumn<quint32>("mode");
    QTest::addColumn<bool>("checked");
    QTest::newRow("1") << 1u << true;
    QTest::newRow("0") << 0u << false;
    QTest::newRow("2") << 2u << false;
}

void TestMainWindow::clutchModeIsReadAtAttach()
{
    QFETCH(quint32, mode);
    QFETCH(bool, checked);
    kestsim::UnitState s;
    s.kept.pedalMode = mode;
    freshUnit(s);
    auto w = openWindow();
    w->show();
    QCOMPARE(child<QCheckBox>(w.get(), "cbClutch")->isChecked(), checked);
    QCOMPARE(child(w.get(), "pgAdc0")->isVisible(), checked);
    QVERIFY(writes().isEmpty() || !writes().join(' ').contains("02 0c 07")); // only read
}

void TestMainWindow::noAccessShowsAHint()
{
    kestsim::unit().setOpenDenied(true);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("cannot be opened.*udev rule"));
    auto w = openWindow(false);
    QVERIFY(child(w.get(), "pbStatus")->toolTip().contains("udev rule"));
    kestsim::unit().setOpenDenied(false);
    retryNow(w.get());
    TRY_COMPARE(currentPage(w.get()), 0);
    QVERIFY(child(w.get(), "pbStatus")->toolTip().isEmpty());
}

void TestMainWindow::plugInAttachesAtOnce()
{
    kestsim::unit().unplug();
    auto w = openWindow(false);
    auto *monitor = child<PlugMonitor>(w.get(), "plugMonitor");
    auto *retry = child<QTimer>(w.get(), "retryTimer");
    QCOMPARE(retry->interval(), 3000);
    kestsim::unit().plug();
    // The attach runs as the event is handled, not with the retry three seconds on.
    Q_EMIT monitor->unitAdded(QStringLiteral("/dev/hidraw4"));
    QVERIFY(kest::deviceIsOpen());
    QVERIFY(!retry->isActive());
    TRY_COMPARE(currentPage(w.get()), 0);
    QCOMPARE(opens(), 1);
    // The same announcement again, or a second unit's, leaves the attached unit alone.
    Q_EMIT monitor->unitAdded(QStringLiteral("/dev/hidraw4"));
    Q_EMIT monitor->unitAdded(QStringLiteral("/dev/hidraw5"));
    QCOMPARE(opens(), 1);
    QVERIFY(!retry->isActive());
}

void TestMainWindow::dragStartsOnlyInTheTopBand_data()
{
    QTest::addColumn<double>("y");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("moves");
    QTest::newRow("y 10") << 10.0 << int(Qt::LeftButton) << true;
    QTest::newRow("y 49.4 rounds to 49") << 49.4 << int(Qt::LeftButton) << true;
    QTest::newRow("y 49.6 rounds to 50") << 49.6 << int(Qt::LeftButton) << false;
    QTest::newRow("right button") << 10.0 << int(Qt::RightButton) << false;
}

void TestMainWindow::dragStartsOnlyInTheTopBand()
{
    QFETCH(double, y);
    QFETCH(int, button);
    QFETCH(bool, moves);
    auto w = openWindow();
    w->move(100, 100);
    const QPoint before = w->pos();
    const auto b = Qt::MouseButton(button);
    // Qt delivers whole-pixel global positions, so only the press's local y is fractional.
    sendMouse(w.get(), QEvent::MouseButtonPress, QPointF(400, y), b, b);
    sendMouse(w.get(), QEvent::MouseMove, QPointF(390, y - 5), Qt::NoButton, Qt::LeftButton);
    const QPoint moved = moves ? before + QPoint(-10, -5) : before;
    QCOMPARE(w->pos(), moved);
    sendMouse(w.get(), QEvent::MouseButtonRelease, QPointF(390, y - 5), b, Qt::NoButton);
    sendMouse(w.get(), QEvent::MouseMove, QPointF(300, y), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(w->pos(), moved); // released: no more drag
}

void TestMainWindow::dragAcrossTheScreenEdge()
{
    // Dragged onto a screen left of or above the primary one, the pointer's global
    // position turns negative; the window keeps following it.
    auto w = openWindow();
    w->move(100, 100);
    const auto send
        = [&](QEvent::Type type, QPointF global, Qt::MouseButton button, Qt::MouseButtons held) {
              const QPointF local(400, 20);
              QMouseEvent e(type, local, local, global, button, held, Qt::NoModifier);
              QCoreApplication::sendEvent(w.get(), &e);
          };
    send(QEvent::MouseButtonPress, QPointF(10, 30), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, QPointF(-40, 5), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(w->pos(), QPoint(50, 75));
    send(QEvent::MouseMove, QPointF(-140, -15), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(w->pos(), QPoint(-50, 55));
    send(QEvent::MouseButtonRelease, QPointF(-140, -15), Qt::LeftButton, Qt::NoButton);
    send(QEvent::MouseMove, QPointF(-100, -15), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(w->pos(), QPoint(-50, 55)); // released: no more drag
}

void TestMainWindow::moveWithoutPressDoesNotDrag()
{
    auto w = openWindow();
    const QPoint before = w->pos();
    sendMouse(w.get(), QEvent::MouseMove, QPointF(300, 20), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(w->pos(), before);
}

void TestMainWindow::sidebarShowsPages()
{
    auto w = openWindow();
    const char *buttons[] = {"pbS1", "pbS2", "pbS3", "pbS4", "pbS5"};
    auto checked = [&] {
        QStringList out;
        for (const char *b : buttons)
            if (child<QPushButton>(w.get(), b)->isChecked())
                out << b;
        return out;
    };
    QTest::mouseClick(child(w.get(), "pbS3"), Qt::LeftButton);
    QCOMPARE(currentPage(w.get()), 2);
    QCOMPARE(checked(), QStringList {"pbS3"});
    QTest::mouseClick(child(w.get(), "pbS3"), Qt::LeftButton); // the page already shown
    QCOMPARE(currentPage(w.get()), 2);
    QCOMPARE(checked(), QStringList {"pbS3"});
    QTest::mouseClick(child(w.get(), "pbS4"), Qt::LeftButton);
    QCOMPARE(currentPage(w.get()), 3);
    QCOMPARE(checked(), QStringList {"pbS4"});
}

void TestMainWindow::closeButtonClosesAndStoresActiveProfiles()
{
    kestsim::UnitState s;
    s.kept.slots[4] = {{'B'}, {4, 2, 10, 20, 30, 40, 50}};
    s.kept.activeProfile = 0; // unmarked: nothing is stored yet
    freshUnit(s);
    auto w = openWindow();
    w->show();
    kestsim::wireLog().clear();
    QTest::mouseClick(child(w.get(), "pbClose"), Qt::LeftButton);
    QVERIFY(!w->isVisible());
    QVERIFY(!kest::deviceIsOpen());
    // stored form: BRAKE slot 4, the mark and the commit byte
    QCOMPARE(writes(), QStringList {hexOf(report("02 0c 0f 00 04 00 ef ef"))});
    QCOMPARE(kestsim::unit().state().kept.activeProfile, 0xEF000400u);
    QCOMPARE(kestsim::wireLog().entries().back().kind, std::string("close"));
}

void TestMainWindow::destructionWhileTheReaderRuns()
{
    kestsim::unit().setStreaming(true, 1000);
    auto w = openWindow();
    TRY_VERIFY(child<QLabel>(w.get(), "lbAdc1")->text() == QLatin1String("0"));
    w.reset(); // stops the reader and closes the unit
    QVERIFY(!kest::deviceIsOpen());
    kestsim::unit().setStreaming(false, 250);
}

namespace {

// Whether the unit was opened before a widget painted, and what showed then.
struct FirstPaint : QObject, kestsim::UnitObserver
{
    std::atomic<bool> painted {false};
    std::atomic<int> opens {0};
    std::atomic<int> opensBeforePaint {0};
    int pageAtPaint = -1;
    QWidget *window = nullptr;

    void logged(const kestsim::WireEntry &entry) override
    {
        if (entry.kind != "open")
            return;
        ++opens;
        if (!painted)
            ++opensBeforePaint;
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            pageAtPaint = currentPage(window);
            painted = true;
        }
        return false;
    }
};

} // namespace

void TestMainWindow::firstFrameComesBeforeTheAttach()
{
    // Shown at once, as the program shows it: the first frame is the starting page,
    // drawn before any exchange with the unit, and the attach follows by itself.
    auto seen = std::make_shared<FirstPaint>();
    kestsim::unit().watch(seen);
    {
        MainWindow w;
        seen->window = &w;
        w.installEventFilter(seen.get());
        w.show();
        TRY_COMPARE(currentPage(&w), 0);
        QVERIFY(seen->painted);
        QCOMPARE(seen->pageAtPaint, 4);
        QCOMPARE(seen->opensBeforePaint.load(), 0);
        QCOMPARE(seen->opens.load(), 1);
        QCOMPARE(headText(&w), QStringLiteral("KEST LABS RM25"));
        w.removeEventFilter(seen.get());
    }
    kestsim::unit().unwatch(seen.get());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
