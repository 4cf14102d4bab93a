// The input reader thread against the simulated unit.

#include "kestevent.h"
#include "testsupport.h"

#include <QMutex>
#include <QTest>

using namespace kest;
using testsupport::freshUnit;

namespace {

QMutex g_messagesMutex;
QStringList g_messages;

void captureMessages(QtMsgType, const QMessageLogContext &, const QString &text)
{
    QMutexLocker lock(&g_messagesMutex);
    g_messages << text;
}

int messageCount(const QString &text)
{
    QMutexLocker lock(&g_messagesMutex);
    return int(g_messages.count(text));
}

const QString kDone = QStringLiteral("joystick event thread done.");

} // namespace

/// Receives the reader's signals on the test (GUI) thread, as the window does.
class Recorder : public QObject
{
    Q_OBJECT
public:
    QList<QByteArray> values;
    int disconnects = 0;
    QStringList order; // "event" and "disconnect" in arrival order

public Q_SLOTS:
    void onEvent(const QByteArray &v)
    {
        values << v;
        order << QStringLiteral("event");
    }
    void onDisconnect()
    {
        ++disconnects;
        order << QStringLiteral("disconnect");
    }
};

class TestReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qInstallMessageHandler(captureMessages); }
    void init();
    void cleanup();

    void reportsArriveInOrder();
    void shortReportKeepsOlderBytes();
    void reportAtTheStopIsStillEmitted();
    void stopClosesWithoutDisconnect();
    void unplugClosesAndDisconnects();
    void nullHandleAtStartDisconnectsAtOnce();
    void idleUnitEmitsNothing();

private:
    void start();

    KestEvent *reader = nullptr;
    Recorder *recorder = nullptr;
};

void TestReader::init()
{
    freshUnit();
    QCOMPARE(deviceOpen(), DeviceOpenResult::Opened);
    {
        QMutexLocker lock(&g_messagesMutex);
        g_messages.clear();
    }
    reader = new KestEvent;
    recorder = new Recorder;
    connect(reader, &KestEvent::eventTrigger, recorder, &Recorder::onEvent);
    connect(reader, &KestEvent::deviceDisconnect, recorder, &Recorder::onDisconnect);
}

void TestReader::cleanup()
{
    reader->stop();
    reader->wait();
    delete reader;
    delete recorder;
    deviceClose();
}

void TestReader::start()
{
    reader->start(QThread::InheritPriority);
}

void TestReader::reportsArriveInOrder()
{
    auto &u = kestsim::unit();
    u.setPedals(1, 2, 3);
    u.setPedals(1000, 20000, 65535);
    u.setPedals(0, 0, 7);
    start();
    TRY_COMPARE(recorder->values.size(), 3);
    QCOMPARE(recorder->values[0].toHex(' '), QByteArray("01 00 02 00 03 00"));
    QCOMPARE(recorder->values[1].toHex(' '), QByteArray("e8 03 20 4e ff ff"));
    QCOMPARE(recorder->values[2].toHex(' '), QByteArray("00 00 00 00 07 00"));
    QCOMPARE(recorder->disconnects, 0);
}

void TestReader::shortReportKeepsOlderBytes()
{
    auto &u = kestsim::unit();
    u.queueInput(testsupport::hex("01 11 11 22 22 33 33"));
    u.queueInput(testsupport::hex("01 aa bb")); // only the CLUTCH position
    start();
    TRY_COMPARE(recorder->values.size(), 2);
    QCOMPARE(recorder->values[1].toHex(' '), QByteArray("aa bb 22 22 33 33"));
}

void TestReader::reportAtTheStopIsStillEmitted()
{
    auto &faults = kestsim::faults();
    faults.setExchangeDelay(std::chrono::milliseconds(300)); // each read takes this long
    const int before = faults.inputReadsStarted();
    kestsim::unit().setPedals(5, 6, 7);
    start();
    // the reader is inside its first read
    TRY_VERIFY(faults.inputReadsStarted() > before);
    reader->stop();
    QVERIFY(reader->wait(5000));
    QCoreApplication::processEvents();
    QCOMPARE(recorder->values.size(), 1);
    QCOMPARE(recorder->disconnects, 0);
    faults.setExchangeDelay(std::chrono::microseconds(0));
}

void TestReader::stopClosesWithoutDisconnect()
{
    start();
    TRY_VERIFY(kestsim::faults().inputReadsStarted() > 0);
    reader->stop();
    QVERIFY(reader->wait(5000));
    QCoreApplication::processEvents();
    QVERIFY(!deviceIsOpen());
    QCOMPARE(recorder->disconnects, 0);
    QCOMPARE(kestsim::wireLog().entries().back().kind, std::string("close"));
    TRY_COMPARE(messageCount(kDone), 1);
}

void TestReader::unplugClosesAndDisconnects()
{
    kestsim::unit().setPedals(9, 9, 9);
    start();
    TRY_COMPARE(recorder->values.size(), 1);
    kestsim::unit().unplug();
    TRY_COMPARE(recorder->disconnects, 1);
    QVERIFY(reader->wait(5000));
    QVERIFY(!deviceIsOpen());
    QCOMPARE(kestsim::wireLog().entries().back().kind, std::string("close"));
    QCOMPARE(messageCount(kDone), 1);
    QCOMPARE(recorder->order, QStringList({"event", "disconnect"}));
}

void TestReader::nullHandleAtStartDisconnectsAtOnce()
{
    deviceClose();
    kestsim::wireLog().clear();
    start();
    QVERIFY(reader->wait(5000));
    TRY_COMPARE(recorder->disconnects, 1);
    QCOMPARE(messageCount(kDone), 0);
    QVERIFY(kestsim::wireLog().entries().empty()); // nothing to close
}

void TestReader::idleUnitEmitsNothing()
{
    start();
    TRY_VERIFY(kestsim::faults().inputReadsStarted() > 3); // several empty polls
    testsupport::processPosted(); // what the earlier polls emitted
    QCOMPARE(recorder->values.size(), 0);
    QCOMPARE(recorder->disconnects, 0);
    QVERIFY(deviceIsOpen());
}

QTEST_GUILESS_MAIN(TestReader)
#include "tst_reader.moc"
