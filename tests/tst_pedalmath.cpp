// Percent conversions and a pedal's range in a table, bar placement, calibration margin and the
// firmware stream.

#include "firmwarechunks.h"
#include "pedalmath.h"
#include "profileslots.h"
#include "rangetable.h"
#include "testsupport.h"

#include <QTest>

using namespace kest;

class TestPedalMath : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void unitToHandle_data();
    void unitToHandle();
    void handleToUnit_data();
    void handleToUnit();
    void rangeInATable();
    void liveBar_data();
    void liveBar();
    void calibrationMargin_data();
    void calibrationMargin();
    void activeWord();
    void firmwareStream_data();
    void firmwareStream();
};

void TestPedalMath::unitToHandle_data()
{
    QTest::addColumn<int>("raw");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::newRow("0") << 0 << 0 << 100;
    QTest::newRow("6554") << 6554 << 10 << 90;
    QTest::newRow("58982") << 58982 << 90 << 10;
    QTest::newRow("65535") << 65535 << 100 << 0;
    QTest::newRow("half a percent rounds up") << 328 << 1 << 99; // 0.5005 %
    QTest::newRow("just under half") << 327 << 0 << 100; // 0.499 %
}

void TestPedalMath::unitToHandle()
{
    QFETCH(int, raw);
    QFETCH(int, low);
    QFETCH(int, high);
    QCOMPARE(lowPercentFromRaw(std::uint16_t(raw)), low);
    QCOMPARE(highPercentFromRaw(std::uint16_t(raw)), high);
    // A range of these bounds, as the handles show it, and as a calibration shows it.
    const PedalRange range {std::uint16_t(raw), std::uint16_t(raw)};
    QCOMPARE(range.deadzone(), (DeadzonePercent {low, high}));
    QCOMPARE(range.lowPercent(), low);
    QCOMPARE(percentOfScale(std::uint32_t(raw)), low);
}

void TestPedalMath::handleToUnit_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::newRow("0") << 0 << 0 << 65535;
    QTest::newRow("10") << 10 << 6554 << 58982;
    QTest::newRow("21") << 21 << 13762 << 51773;
    QTest::newRow("100") << 100 << 65535 << 0;
    QTest::newRow("beyond the scale saturates") << 101 << 65535 << 0;
    QTest::newRow("below the scale saturates") << -1 << 0 << 65535;
}

void TestPedalMath::handleToUnit()
{
    QFETCH(int, percent);
    QFETCH(int, low);
    QFETCH(int, high);
    QCOMPARE(int(rawFromLowPercent(percent)), low);
    QCOMPARE(int(rawFromHighPercent(percent)), high);
    const PedalRange range = PedalRange::fromDeadzone({percent, percent});
    QCOMPARE(int(range.low), low);
    QCOMPARE(int(range.high), high);
}

void TestPedalMath::rangeInATable()
{
    // A reply as the unit sends it, with bytes the program does not know: a pedal's
    // range goes in and out of values 2p and 2p + 1, and every other byte stays.
    const Report reply = testsupport::toReport(
        QStringLiteral("02 05 01 01 00 9a 19 66 e6 cd 0c 32 f3 00 00 ff ff 11 22 33"));
    QCOMPARE(pedalRange(reply, 0), (PedalRange {6554, 58982}));
    QCOMPARE(pedalRanges(reply)[1].deadzone(), (DeadzonePercent {5, 5}));
    QVERIFY(pedalRanges(reply)[2].isNeutral());
    Report written = reply;
    setPedalRange(written, 1, PedalRange());
    QCOMPARE(testsupport::hexOf(written),
             QStringLiteral("02 05 01 01 00 9a 19 66 e6 00 00 ff ff 00 00 ff ff 11 22 33"));
    QCOMPARE(rangeValues(pedalRanges(written)), (RangeValues {6554, 58982, 0, 65535, 0, 65535}));
    // The span of a calibration's travel; none while no position came (low above high).
    QCOMPARE((PedalRange {3000, 60000}).spanPercent(), 87);
    QCOMPARE((PedalRange {65535, 0}).spanPercent(), 0);
}

void TestPedalMath::liveBar_data()
{
    QTest::addColumn<QRect>("plate");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<QRect>("bar");
    QTest::newRow("10 and 5") << QRect(38, 365, 200, 12) << 10 << 5 << QRect(58, 365, 170, 12);
    QTest::newRow("no deadzones") << QRect(38, 365, 200, 12) << 0 << 0 << QRect(38, 365, 200, 12);
    QTest::newRow("truncating") << QRect(483, 365, 200, 12) << 3 << 7 << QRect(489, 365, 180, 12);
    QTest::newRow("failed read: zero width")
        << QRect(260, 365, 200, 12) << 0 << 100 << QRect(260, 365, 0, 12);
}

void TestPedalMath::liveBar()
{
    QFETCH(QRect, plate);
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(QRect, bar);
    QCOMPARE(liveBarGeometry(plate, low, high), bar);
}

void TestPedalMath::calibrationMargin_data()
{
    QTest::addColumn<int>("pedal");
    QTest::addColumn<int>("observed");
    QTest::addColumn<int>("stored");
    QTest::newRow("clutch") << 0 << 3000 << 4000;
    QTest::newRow("brake has no margin") << 1 << 3000 << 3000;
    QTest::newRow("throttle") << 2 << 3000 << 4000;
    QTest::newRow("saturates instead of wrapping") << 2 << 65000 << 65535;
}

void TestPedalMath::calibrationMargin()
{
    QFETCH(int, pedal);
    QFETCH(int, observed);
    QFETCH(int, stored);
    QCOMPARE(int(calibratedLow(pedal, std::uint16_t(observed))), stored);
}

void TestPedalMath::activeWord()
{
    const int slots[3] = {3, 0, 15};
    QCOMPARE(kest::activeWord(slots, true), 0xEF0F0003u);
    QCOMPARE(kest::activeWord(slots, false), 0x000F0003u);
    const int none[3] = {-1, 7, 256};
    QCOMPARE(kest::activeWord(none, true), 0xEF000700u);
    QVERIFY(activeWordMarked(0xEF000000u));
    QVERIFY(!activeWordMarked(0x00020100u));
    QCOMPARE(activeWordSlot(0xEF0F0003u, 2), 15);
}

void TestPedalMath::firmwareStream_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("leading"); // report bytes 0..3
    QTest::addColumn<int>("progress");
    QTest::newRow("first chunk") << 40 << 0 << "02 80 00 10" << 0;
    QTest::newRow("second chunk") << 40 << 16 << "02 80 01 10" << 38;
    QTest::newRow("last, 8 bytes") << 40 << 32 << "02 80 02 08" << 76;
    QTest::newRow("17 bytes: 1 byte") << 17 << 16 << "02 80 01 01" << 90;
    QTest::newRow("chunk 256") << 8192 << 4096 << "02 81 00 10" << 48;
    QTest::newRow("largest image, last chunk") << 229376 << 229360 << "02 b7 ff 10" << 95;
}

void TestPedalMath::firmwareStream()
{
    QFETCH(int, size);
    QFETCH(int, offset);
    QFETCH(QString, leading);
    QFETCH(int, progress);
    QByteArray image(size, 0);
    for (int i = 0; i < size; ++i)
        image[i] = char(i);
    Report r = emptyReport();
    r.fill(0xCC); // what an earlier report left
    fillFirmwareData(r, image, offset);
    QCOMPARE(testsupport::hexOf(r).left(11), leading);
    const int n = r[3];
    for (int i = 0; i < n; ++i)
        QCOMPARE(r[std::size_t(4 + i)], std::uint8_t(offset + i));
    for (std::size_t i = std::size_t(4 + n); i < r.size(); ++i)
        QCOMPARE(r[i], std::uint8_t(0xCC)); // left as they were
    QCOMPARE(firmwareProgress(offset, size), progress);
}

QTEST_GUILESS_MAIN(TestPedalMath)
#include "tst_pedalmath.moc"
