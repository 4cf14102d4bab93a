// The update check's version comparison and document, and the download's digest check
// and progress value, without a window.

#include "firmwareupdate.h"

#include <QDir>
#include <QTest>

#include <limits>

using kest::UpdateVerdict;

Q_DECLARE_METATYPE(kest::UpdateVerdict)

class TestFirmwareUpdate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void normalizedVersion_data();
    void normalizedVersion();
    void firmwareDate_data();
    void firmwareDate();
    void compareFirmware_data();
    void compareFirmware();
    void versionDocument_data();
    void versionDocument();
    void digestMatches_data();
    void digestMatches();
    void downloadPercent_data();
    void downloadPercent();
    void temporaryImagePath();
};

void TestFirmwareUpdate::normalizedVersion_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << "Jan 9 2024,16:05"
                           << "Jan 9 2024,16:05";
    QTest::newRow("day padded with a space") << "Jan  9 2024,16:05"
                                             << "Jan 9 2024,16:05";
    QTest::newRow("three spaces become two") << "a   b"
                                             << "a  b";
    QTest::newRow("four spaces become two") << "a    b"
                                            << "a  b";
    QTest::newRow("up to a tab") << "b\tc"
                                 << "b";
    QTest::newRow("empty") << ""
                           << "";
}

void TestFirmwareUpdate::normalizedVersion()
{
    QFETCH(QString, version);
    QFETCH(QString, text);
    QCOMPARE(kest::normalizedVersion(version), text);
}

void TestFirmwareUpdate::firmwareDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("date");
    const auto at = [](int y, int m, int d, int h, int min) {
        return QDateTime(QDate(y, m, d), QTime(h, min));
    };
    QTest::newRow("one-digit day") << "Jan 9 2024,16:05" << at(2024, 1, 9, 16, 5);
    QTest::newRow("two-digit day") << "Dec 31 1999,23:59" << at(1999, 12, 31, 23, 59);
    QTest::newRow("midnight") << "Feb 29 2024,00:00" << at(2024, 2, 29, 0, 0);
    QTest::newRow("seconds added") << "Jan 9 2024,16:05:00" << QDateTime();
    QTest::newRow("space after the comma") << "Jan 9 2024, 16:05" << QDateTime();
    QTest::newRow("padded day, not folded") << "Jan  9 2024,16:05" << QDateTime();
    QTest::newRow("one-digit hour") << "Jan 9 2024,6:05" << QDateTime();
    QTest::newRow("no such day") << "Feb 30 2024,10:00" << QDateTime();
    QTest::newRow("hour 24") << "Jan 9 2024,24:00" << QDateTime();
    QTest::newRow("leading space") << " Jan 9 2024,16:05" << QDateTime();
    QTest::newRow("a version number") << "V1.2.0" << QDateTime();
    QTest::newRow("empty") << "" << QDateTime();
}

void TestFirmwareUpdate::firmwareDate()
{
    QFETCH(QString, text);
    QFETCH(QDateTime, date);
    const QDateTime read = kest::firmwareDate(text);
    QCOMPARE(read.isValid(), date.isValid());
    if (date.isValid()) {
        QCOMPARE(read, date);
        QCOMPARE(read.timeSpec(), Qt::LocalTime);
    }
}

void TestFirmwareUpdate::compareFirmware_data()
{
    QTest::addColumn<QString>("unitVersion");
    QTest::addColumn<QString>("server");
    QTest::addColumn<UpdateVerdict>("verdict");
    QTest::newRow("padded day equals the server's")
        << "Jan  9 2024,16:05"
        << "Jan 9 2024,16:05" << UpdateVerdict::UpToDate;
    QTest::newRow("server one minute later")
        << "Jan 9 2024,16:05"
        << "Jan 9 2024,16:06" << UpdateVerdict::UpdateAvailable;
    QTest::newRow("server a year later, earlier month")
        << "Dec 31 2023,23:59"
        << "Jan 1 2024,00:00" << UpdateVerdict::UpdateAvailable;
    QTest::newRow("unit newer than the server") << "Mar 2 2025,08:00"
                                                << "Jan 9 2024,16:05" << UpdateVerdict::UpToDate;
    QTest::newRow("server version with seconds")
        << "Jan 9 2024,16:05"
        << "Jan 9 2024,16:05:00" << UpdateVerdict::NoValidDevice;
    QTest::newRow("server version missing") << "Jan 9 2024,16:05"
                                            << "" << UpdateVerdict::NoValidDevice;
    QTest::newRow("unit version not a date") << "V1.2.0"
                                             << "Jan 9 2024,16:05" << UpdateVerdict::NoValidDevice;
    QTest::newRow("no unit opened yet") << ""
                                        << "Jan 9 2024,16:05" << UpdateVerdict::NoValidDevice;
}

void TestFirmwareUpdate::compareFirmware()
{
    QFETCH(QString, unitVersion);
    QFETCH(QString, server);
    QFETCH(UpdateVerdict, verdict);
    QCOMPARE(kest::compareFirmware(unitVersion, server), verdict);
}

void TestFirmwareUpdate::versionDocument_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("object");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("md5");
    QTest::newRow("complete") << QByteArray(
        R"({"version":"Jan 9 2024,16:05","name":"fw.bin","md5":"AB12","x":1})")
                              << true << "Jan 9 2024,16:05"
                              << "fw.bin"
                              << "AB12";
    QTest::newRow("values of other types read as empty")
        << QByteArray(R"({"version":202401091605,"name":null,"md5":["ab"]})") << true << ""
        << ""
        << "";
    QTest::newRow("keys missing") << QByteArray("{}") << true << ""
                                  << ""
                                  << "";
    QTest::newRow("UTF-8 name") << QByteArray("{\"name\":\"f\xc3\xbcr.bin\"}") << true << ""
                                << QString::fromUtf8("f\xc3\xbcr.bin") << "";
    QTest::newRow("array") << QByteArray(R"([{"version":"Jan 9 2024,16:05"}])") << false << ""
                           << ""
                           << "";
    QTest::newRow("empty body") << QByteArray() << false << ""
                                << ""
                                << "";
    QTest::newRow("error page") << QByteArray("<html>404 Not Found</html>") << false << ""
                                << ""
                                << "";
    QTest::newRow("cut short") << QByteArray(R"({"version":"Jan 9)") << false << ""
                               << ""
                               << "";
}

void TestFirmwareUpdate::versionDocument()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, object);
    const auto d = kest::parseVersionDocument(body);
    QCOMPARE(d.has_value(), object);
    if (!d)
        return;
    QTEST(d->version, "version");
    QTEST(d->name, "name");
    QTEST(d->md5, "md5");
}

void TestFirmwareUpdate::digestMatches_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("matches");
    // MD5("abc") = 900150983cd24fb0d6963f7d28e17f72 (RFC 1321, appendix A.5)
    QTest::newRow("lower case") << QByteArray("abc") << "MD5: 900150983cd24fb0d6963f7d28e17f72"
                                << true;
    QTest::newRow("stored in upper case")
        << QByteArray("abc") << "MD5: 900150983CD24FB0D6963F7D28E17F72" << true;
    QTest::newRow("anything around it")
        << QByteArray("abc") << "x900150983cd24fb0d6963f7d28e17f72y" << true;
    QTest::newRow("other image") << QByteArray("abd") << "MD5: 900150983cd24fb0d6963f7d28e17f72"
                                 << false;
    // MD5 of nothing: d41d8cd98f00b204e9800998ecf8427e
    QTest::newRow("empty body against another digest")
        << QByteArray() << "MD5: 900150983cd24fb0d6963f7d28e17f72" << false;
    QTest::newRow("no digest stored") << QByteArray("abc") << "MD5: " << false;
    QTest::newRow("one digit short")
        << QByteArray("abc") << "MD5: 900150983cd24fb0d6963f7d28e17f7" << false;
}

void TestFirmwareUpdate::digestMatches()
{
    QFETCH(QByteArray, image);
    QFETCH(QString, label);
    QFETCH(bool, matches);
    QCOMPARE(kest::digestMatches(image, label), matches);
}

void TestFirmwareUpdate::downloadPercent_data()
{
    QTest::addColumn<qint64>("received");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("percent");
    QTest::newRow("start") << qint64(0) << qint64(1000) << true << 0;
    QTest::newRow("truncated") << qint64(999) << qint64(1000) << true << 99;
    QTest::newRow("done") << qint64(229376) << qint64(229376) << true << 100;
    QTest::newRow("beyond 2 GiB") << (qint64(3) << 31) << (qint64(6) << 31) << true << 50;
    QTest::newRow("unknown size, nothing yet") << qint64(0) << qint64(-1) << true << 0;
    // outside 0..100, which the bar ignores
    QTest::newRow("unknown size, some bytes") << qint64(10) << qint64(-1) << true << -1000;
    QTest::newRow("unknown size, huge")
        << (qint64(1) << 40) << qint64(-1) << true << std::numeric_limits<int>::min();
    QTest::newRow("no percent of zero bytes") << qint64(0) << qint64(0) << false << 0;
    // Counts whose product with 100 leaves 64 bits (beyond about 92 PB)
    constexpr qint64 most = std::numeric_limits<qint64>::max();
    QTest::newRow("half of 200 PB") << qint64(1e17) << qint64(2e17) << true << 50;
    QTest::newRow("largest count, done") << most << most << true << 100;
    QTest::newRow("largest count, one byte short") << most - 1 << most << true << 99;
    QTest::newRow("largest count, just under half") << most / 2 << most << true << 49;
    QTest::newRow("one byte of the largest count") << qint64(1) << most << true << 0;
    QTest::newRow("unknown size, largest count")
        << most << qint64(-1) << true << std::numeric_limits<int>::min();
    QTest::newRow("more than the total, capped")
        << most << qint64(3) << true << std::numeric_limits<int>::max();
}

void TestFirmwareUpdate::downloadPercent()
{
    QFETCH(qint64, received);
    QFETCH(qint64, total);
    QFETCH(bool, shown);
    const auto percent = kest::downloadPercent(received, total);
    QCOMPARE(percent.has_value(), shown);
    if (percent)
        QTEST(*percent, "percent");
}

void TestFirmwareUpdate::temporaryImagePath()
{
    const QString path = kest::temporaryImagePath();
    QCOMPARE(path, QDir::tempPath() + QStringLiteral("/kest.firmware.bin"));
    QVERIFY(!path.contains(QLatin1Char('\\')));
}

QTEST_GUILESS_MAIN(TestFirmwareUpdate)
#include "tst_firmwareupdate.moc"
