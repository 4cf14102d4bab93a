// The shared device handle and its operations against the simulated unit.

#include "kestdevice.h"
#include "plugmonitor.h"
#include "testsupport.h"
#include "unitlock.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

using namespace kest;
using testsupport::freshUnit;
using testsupport::hexOf;
using testsupport::report;
using testsupport::wire;

class TestDeviceLink : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { deviceClose(); }

    void nullHandleDoesNothing();
    void queryIsRequestThenReply();
    void settingWritesCarryTheCommitByte();
    void pedalModeOtherThanOneIsDisabled_data();
    void pedalModeOtherThanOneIsDisabled();
    void unmarkedActiveWordReadsBackUnmarked();
    void versionWithoutTerminator();
    void failedSendsAreReportedToTheCaller();
    void openReportsAccessProblems();
    void readsFailOnceUnplugged();
    void queriesStayPairedAcrossThreads();
    void sendsStayWithinTheirOpening();
    void nodeIsKnownWhileOpen();
    void echoesAreLearnedPerOpening();
    void sharedLockBoundsTheWait();
    void plugEventsOfTheUnitOnly_data();
    void plugEventsOfTheUnitOnly();
};

void TestDeviceLink::init()
{
    freshUnit();
    QCOMPARE(deviceOpen(), DeviceOpenResult::Opened);
    kestsim::wireLog().clear();
}

void TestDeviceLink::nullHandleDoesNothing()
{
    deviceClose();
    QVERIFY(!deviceIsOpen());
    kestsim::wireLog().clear();

    Report reply {};
    deviceQuery(CMD_FIRMWARE_VERSION, 0, reply);
    QCOMPARE(reply, Report {}); // byte 0 included: nothing was touched
    Report marked;
    marked.fill(0x5A);
    deviceQuery(CMD_DEVICE_SETTING, KESTIE_PEDAL_MODE, marked);
    QVERIFY(std::all_of(marked.begin(), marked.end(), [](auto b) { return b == 0x5A; }));

    QCOMPARE(deviceSettingRead(KESTIE_PEDAL_MODE), 0u);
    deviceSettingWrite(KESTIE_PEDAL_MODE, 1);
    deviceSettingApply(KESTIE_ACTIVE_PROFILE, 5);
    QCOMPARE(deviceSend(settingWrite(KESTIE_CLEAR_FLASH, 0, false)), -1);
    deviceSetNonblocking(true);
    std::uint8_t buf[17] = {};
    QCOMPARE(deviceRead(buf, sizeof buf), DEVICE_NO_HANDLE);
    deviceClose(); // closing twice is harmless

    QVERIFY(kestsim::wireLog().entries().empty());
}

void TestDeviceLink::queryIsRequestThenReply()
{
    kestsim::UnitState s;
    s.version = "V2.0.1";
    freshUnit(s);
    QCOMPARE(deviceOpen(), DeviceOpenResult::Opened);
    kestsim::wireLog().clear();

    Report reply {};
    deviceQuery(CMD_FIRMWARE_VERSION, 0, reply);
    const auto log = kestsim::wireLog().entries();
    QCOMPARE(log.size(), std::size_t(2));
    QCOMPARE(log[0].kind, std::string("set"));
    QCOMPARE(testsupport::hexOf(log[0].bytes), testsupport::hexOf(report("02 0b 09 00")));
    QCOMPARE(log[1].kind, std::string("get"));
    QCOMPARE(versionText(reply), QStringLiteral("V2.0.1"));
}

void TestDeviceLink::settingWritesCarryTheCommitByte()
{
    deviceSettingWrite(KESTIE_PEDAL_MODE, 0);
    deviceSettingApply(KESTIE_ACTIVE_PROFILE, 0x00010203);
    QCOMPARE(wire("set"),
             QStringList({testsupport::hexOf(report("02 0c 07 00 00 00 00 ef")),
                          testsupport::hexOf(report("02 0c 0f 03 02 01 00 00"))}));
    QCOMPARE(kestsim::unit().state().kept.pedalMode, 0u); // kept
    QCOMPARE(kestsim::unit().state().kept.activeProfile, 0u); // only in effect
    QCOMPARE(deviceSettingRead(KESTIE_ACTIVE_PROFILE), 0x00010203u);
}

void TestDeviceLink::pedalModeOtherThanOneIsDisabled_data()
{
    QTest::addColumn<quint32>("mode");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("0") << 0u << false;
    QTest::newRow("1") << 1u << true;
    QTest::newRow("2") << 2u << false;
    QTest::newRow("0xFFFFFFFF") << 0xFFFFFFFFu << false;
    QTest::newRow("0x101: only the whole word counts") << 0x101u << false;
}

void TestDeviceLink::pedalModeOtherThanOneIsDisabled()
{
    QFETCH(quint32, mode);
    QFETCH(bool, enabled);
    kestsim::UnitState s;
    s.kept.pedalMode = mode;
    freshUnit(s);
    QCOMPARE(deviceOpen(), DeviceOpenResult::Opened);
    QCOMPARE(deviceSettingRead(KESTIE_PEDAL_MODE), mode);
    QCOMPARE(pedalModeEnabled(deviceSettingRead(KESTIE_PEDAL_MODE)), enabled);
}

void TestDeviceLink::unmarkedActiveWordReadsBackUnmarked()
{
    deviceSettingApply(KESTIE_ACTIVE_PROFILE, 0x00020100);
    const quint32 word = deviceSettingRead(KESTIE_ACTIVE_PROFILE);
    QCOMPARE(word, 0x00020100u);
    QVERIFY(word >> 24 != ACTIVE_PROFILE_MARK);
}

void TestDeviceLink::versionWithoutTerminator()
{
    kestsim::UnitState s;
    s.version = "ABCDEFGHIJKLMNOPQR"; // fills bytes 2..19, no zero byte left
    freshUnit(s);
    QCOMPARE(deviceOpen(), DeviceOpenResult::Opened);
    Report reply {};
    deviceQuery(CMD_FIRMWARE_VERSION, 0, reply);
    QCOMPARE(versionText(reply), QStringLiteral("ABCDEFGHIJKLMNOPQR"));
    QCOMPARE(versionText(reply).size(), 18);
}

void TestDeviceLink::failedSendsAreReportedToTheCaller()
{
    kestsim::faults().failNextSends(1);
    QCOMPARE(deviceSend(settingWrite(KESTIE_PEDAL_MODE, 0, true)), -1);
    QCOMPARE(deviceSend(settingWrite(KESTIE_PEDAL_MODE, 0, true)), int(REPORT_SIZE));
    QCOMPARE(wire("set").size(), 1);
}

void TestDeviceLink::openReportsAccessProblems()
{
    deviceClose();
    kestsim::unit().setOpenDenied(true);
    QCOMPARE(deviceOpen(), DeviceOpenResult::NoAccess);
    QVERIFY(!deviceIsOpen());
    kestsim::unit().setOpenDenied(false);
    kestsim::unit().unplug();
    QCOMPARE(deviceOpen(), DeviceOpenResult::NotFound);
    kestsim::unit().plug();
    QCOMPARE(deviceOpen(), DeviceOpenResult::Opened);
}

void TestDeviceLink::readsFailOnceUnplugged()
{
    deviceSetNonblocking(true);
    std::uint8_t buf[17] = {};
    QCOMPARE(deviceRead(buf, sizeof buf), 0);
    kestsim::unit().unplug();
    QCOMPARE(deviceRead(buf, sizeof buf), -1);
    // The handle stays set until its owner closes it; replugging does not revive it.
    kestsim::unit().plug();
    QCOMPARE(deviceRead(buf, sizeof buf), -1);
    QVERIFY(deviceIsOpen());
}

void TestDeviceLink::queriesStayPairedAcrossThreads()
{
    // Two threads query different things while a third polls input reports; every
    // reply must answer its own request.
    kestsim::UnitState s;
    s.kept.pedalMode = 1;
    s.kept.deadzone = {11, 22, 33, 44, 55, 66};
    freshUnit(s);
    QCOMPARE(deviceOpen(), DeviceOpenResult::Opened);
    kestsim::unit().setStreaming(true, 0); // a report is always waiting
    deviceSetNonblocking(true);

    constexpr int rounds = 2000;
    std::atomic<int> mismatches {0};
    std::atomic<bool> stop {false};
    std::atomic<int> inputs {0};
    // The queries go on until the reader has had its turns too, however the threads are
    // scheduled (bounded, should the reader never get one).
    const auto more = [&](int i) { return i < rounds || (inputs < 50 && i < 1000 * rounds); };
    std::thread a([&] {
        for (int i = 0; more(i); ++i)
            if (deviceSettingRead(KESTIE_PEDAL_MODE) != 1)
                ++mismatches;
    });
    std::thread b([&] {
        for (int i = 0; more(i); ++i) {
            Report reply {};
            deviceQuery(CMD_PEDAL_RANGE, RANGE_DEADZONE, reply);
            if (reply[1] != CMD_PEDAL_RANGE || rangeValue(reply, 5) != 66)
                ++mismatches;
        }
    });
    std::thread reader([&] {
        std::uint8_t buf[17];
        while (!stop)
            if (deviceRead(buf, sizeof buf) > 0)
                ++inputs;
    });
    a.join();
    b.join();
    stop = true;
    reader.join();
    kestsim::unit().setStreaming(false, 250);
    QCOMPARE(mismatches.load(), 0);
    QVERIFY(inputs.load() >= 50);
}

void TestDeviceLink::sendsStayWithinTheirOpening()
{
    const Report report = settingWrite(KESTIE_PEDAL_MODE, 1, true);
    const std::uint64_t first = deviceOpening();
    QVERIFY(first != 0);
    QCOMPARE(deviceSendInOpening(report, first), int(report.size()));

    deviceClose();
    QCOMPARE(deviceOpening(), std::uint64_t(0));
    QCOMPARE(deviceSendInOpening(report, first), -1);
    QCOMPARE(deviceSendInOpening(report, 0), -1);

    QCOMPARE(deviceOpen(), DeviceOpenResult::Opened);
    const std::uint64_t second = deviceOpening();
    QVERIFY(second != first);
    kestsim::wireLog().clear();
    QCOMPARE(deviceSendInOpening(report, first), -1); // the unit was opened again
    QVERIFY(kestsim::wireLog().entries().empty());
    QCOMPARE(deviceSendInOpening(report, second), int(report.size()));
    QCOMPARE(deviceSend(report), int(report.size())); // plain sends go to any opening
}

void TestDeviceLink::nodeIsKnownWhileOpen()
{
    // A "remove" is matched against it: a stale name would drop a live unit.
    QCOMPARE(deviceOpen(), DeviceOpenResult::Opened);
    QCOMPARE(deviceNode(), QStringLiteral("sim:kest-pedal"));
    deviceClose();
    QVERIFY(deviceNode().isEmpty());
    kestsim::unit().unplug();
    QCOMPARE(deviceOpen(), DeviceOpenResult::NotFound);
    QVERIFY(deviceNode().isEmpty());
}

void TestDeviceLink::echoesAreLearnedPerOpening()
{
    QTemporaryDir dir;
    const QString tracePath = dir.filePath(QStringLiteral("trace.txt"));
    QVERIFY(deviceTrace(tracePath));
    const auto attachReads = [] {
        Report version {};
        return deviceQuery(CMD_FIRMWARE_VERSION, 0, version)
            && versionText(version) == QLatin1String("V1.0.0")
            && deviceSettingRead(KESTIE_PEDAL_MODE) == 1
            && deviceSettingRead(KESTIE_ACTIVE_PROFILE) == 0xEF020100;
    };
    const auto nameRead = [](int slot) {
        Report reply {};
        return deviceQuery(CMD_PROFILE_NAME, std::uint8_t(slot), reply) ? slotName(reply)
                                                                        : QStringLiteral("!");
    };

    // An echoing unit: learned from the attach, every read asked once.
    freshUnit(testsupport::unitInUse());
    QCOMPARE(deviceOpen(), DeviceOpenResult::Opened);
    QVERIFY(attachReads());
    QCOMPARE(wire("set").size(), 3);
    // Another read's reply is refused now: another slot's name, a record for a name.
    kestsim::faults().misdirectNextReply();
    QCOMPARE(nameRead(1), QStringLiteral("!"));
    kestsim::faults().crossNextReply();
    QCOMPARE(nameRead(1), QStringLiteral("!"));
    QCOMPARE(nameRead(1), QStringLiteral("Brake A"));

    // The same unit no longer echoing: the new opening learns anew. The version and
    // the first setting read are asked twice, and then nothing more.
    kestsim::unit().setEchoing(false);
    QCOMPARE(deviceOpen(), DeviceOpenResult::Opened);
    kestsim::wireLog().clear();
    QVERIFY(attachReads());
    QCOMPARE(wire("set"),
             (QStringList {hexOf(report("02 0b 09 00")), hexOf(report("02 0b 09 00")),
                           hexOf(report("02 0b 0c 07")), hexOf(report("02 0b 0c 07")),
                           hexOf(report("02 0b 0c 0f"))}));
    QCOMPARE(nameRead(3), QStringLiteral("Brake B"));
    // A range reply still says which table it is.
    kestsim::faults().misdirectNextReply();
    Report table {};
    QVERIFY(!deviceQuery(CMD_PEDAL_RANGE, RANGE_DEADZONE, table));
    QVERIFY(deviceQuery(CMD_PEDAL_RANGE, RANGE_DEADZONE, table));
    QCOMPARE(rangeValue(table, 0), std::uint16_t(6554));
    QVERIFY(deviceTrace(QString()));

    // The trace says what was checked, at each open and as it was learned.
    QFile file(tracePath);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList notes;
    for (const QByteArray &line : file.readAll().split('\n'))
        if (line.contains(" # reply checks"))
            notes << QString::fromLatin1(line.mid(line.indexOf("command echo")));
    QCOMPARE(notes,
             (QStringList {"command echo (unknown), index echo (unknown)",
                           "command echo (required), index echo (unknown)",
                           "command echo (required), index echo (required)",
                           "command echo (unknown), index echo (unknown)",
                           "command echo (absent), index echo (unknown)",
                           "command echo (absent), index echo (absent)"}));
}

void TestDeviceLink::sharedLockBoundsTheWait()
{
    // Two opens of one lock file stand for two programs: flock() keeps them apart.
    QTemporaryDir dir;
    const std::string file = dir.filePath(QStringLiteral("unit.lock")).toStdString();
    UnitLock mine, theirs;
    QVERIFY(mine.open(file));
    QVERIFY(theirs.open(file));
    QVERIFY(theirs.lock(std::chrono::milliseconds(0)));
    QVERIFY(!mine.lock(std::chrono::milliseconds(30))); // held: given up after the bound
    theirs.unlock();
    QVERIFY(mine.lock(std::chrono::milliseconds(30)));
    QVERIFY(!theirs.lock(std::chrono::milliseconds(0)));
    mine.close(); // closing lets go too
    QVERIFY(theirs.lock(std::chrono::milliseconds(0)));

    // Named by the node's device number; nothing for what is no device node.
    QVERIFY(QString::fromStdString(UnitLock::fileFor("/dev/null")).endsWith("/kest-unit-1-3.lock"));
    QVERIFY(UnitLock::fileFor("sim:kest-pedal").empty());
    QVERIFY(UnitLock::fileFor(dir.path().toStdString()).empty());
    std::string error;
    QVERIFY(!mine.open("/nonexistent-dir/unit.lock", &error));
    QVERIFY(error.find("/nonexistent-dir/unit.lock") == 0);
    QVERIFY(!mine.lock(std::chrono::milliseconds(0)));
}

void TestDeviceLink::plugEventsOfTheUnitOnly_data()
{
    QTest::addColumn<QByteArray>("devpath");
    QTest::addColumn<bool>("unit");
    const QByteArray usb = "/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/";
    QTest::newRow("the unit") << usb + "0003:E5B7:6A1C.0004/hidraw/hidraw3" << true;
    QTest::newRow("lower-case digits") << usb + "0003:e5b7:6a1c.000a/hidraw/hidraw12" << true;
    QTest::newRow("over Bluetooth")
        << QByteArray("/devices/virtual/misc/uhid/0005:E5B7:6A1C.0001/hidraw/hidraw0") << true;
    QTest::newRow("another product") << usb + "0003:E5B7:6A1D.0004/hidraw/hidraw3" << false;
    QTest::newRow("another vendor") << usb + "0003:046D:6A1C.0004/hidraw/hidraw3" << false;
    QTest::newRow("vendor and product swapped")
        << usb + "0003:6A1C:E5B7.0004/hidraw/hidraw3" << false;
    QTest::newRow("the HID device itself") << usb + "0003:E5B7:6A1C.0004" << false;
    QTest::newRow("its input device") << usb + "0003:E5B7:6A1C.0004/input/input7" << false;
    QTest::newRow("no node number") << usb + "0003:E5B7:6A1C.0004/hidraw/hidraw" << false;
    QTest::newRow("short field") << usb + "0003:E5B7:6A1.0004/hidraw/hidraw3" << false;
    QTest::newRow("no instance") << usb + "0003:E5B7:6A1C/hidraw/hidraw3" << false;
    QTest::newRow("not hexadecimal") << usb + "0003:E5B7:6A1C.00G4/hidraw/hidraw3" << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TestDeviceLink::plugEventsOfTheUnitOnly()
{
    QFETCH(QByteArray, devpath);
    QFETCH(bool, unit);
    QCOMPARE(PlugMonitor::isUnitNode(devpath), unit);
}

QTEST_GUILESS_MAIN(TestDeviceLink)
#include "tst_devicelink.moc"
