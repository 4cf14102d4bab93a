// The firmware upload thread and the DEVICE page against the simulated unit.

#include "kestupgrade.h"
#include "windowsupport.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QScopeGuard>
#include <QTemporaryDir>

using namespace testsupport;

namespace {

QByteArray pattern(int size)
{
    QByteArray image(size, 0);
    for (int i = 0; i < size; ++i)
        image[i] = char(i * 13 + 5);
    return image;
}

} // namespace

class TestDevicePage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        freshUnit();
        QCOMPARE(kest::deviceOpen(), kest::DeviceOpenResult::Opened);
        kestsim::unit().clearWireLog();
    }
    void cleanup() { kest::deviceClose(); }

    void uploadSendsTheImageAsChunks();
    void uploadOfAnEmptyImage();
    void failedUploadStopsAndNeverCompletes_data();
    void failedUploadStopsAndNeverCompletes();
    void uploadDoesNotCarryOnIntoANewOpening();
    void uploadWithoutUnitDoesNothing();
    void manualUpdateThroughThePage();
    void closingWaitsForTheUpload();
    void refusedFirmwareFiles_data();
    void refusedFirmwareFiles();
    void fileDialogCancelKeepsThePath();
    void clearFlash_data();
    void clearFlash();

private:
    QList<int> runUpload(const QString &path);
};

QList<int> TestDevicePage::runUpload(const QString &path)
{
    KestUpgrade upload;
    QList<int> values;
    connect(&upload, &KestUpgrade::progress, this, [&](int p) { values << p; });
    upload.firmwarePath = path;
    upload.start();
    if (!upload.wait(15000))
        qFatal("upload did not end");
    QCoreApplication::processEvents();
    return values;
}

void TestDevicePage::uploadSendsTheImageAsChunks()
{
    // Outside the temporary folder, so the file survives: point the temporary folder at
    // a sibling, wherever this test runs.
    QTemporaryDir dir;
    const bool hadTmp = qEnvironmentVariableIsSet("TMPDIR");
    const QByteArray oldTmp = qgetenv("TMPDIR");
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("tmp")));
    qputenv("TMPDIR", QFile::encodeName(dir.filePath(QStringLiteral("tmp"))));
    const auto restore = qScopeGuard([&] {
        if (hadTmp)
            qputenv("TMPDIR", oldTmp);
        else
            qunsetenv("TMPDIR");
    });
    QVERIFY(!dir.filePath(QStringLiteral("fw.bin")).contains(QDir::tempPath()));
    const QByteArray image = pattern(40);
    const QString path = writeFile(dir.filePath(QStringLiteral("fw.bin")), image);
    QCOMPARE(runUpload(path), QList<int>({0, 38, 76, 97, 98, 99, 100}));

    const QStringList sent = wire("set");
    QCOMPARE(sent.size(), 4);
    const auto bytes
        = [&](int from, int n) { return QString::fromLatin1(image.mid(from, n).toHex(' ')); };
    QCOMPARE(sent[0], "02 80 00 10 " + bytes(0, 16));
    QCOMPARE(sent[1], "02 80 01 10 " + bytes(16, 16));
    // the last chunk's 8 bytes, then bytes 24..31 left over from the second report
    QCOMPARE(sent[2], "02 80 02 08 " + bytes(32, 8) + " " + bytes(24, 8));
    QCOMPARE(sent[3], "02 10 02 08 " + bytes(32, 8) + " " + bytes(24, 8));
    QCOMPARE(kestsim::unit().firmwareImage(), kestsim::Bytes(image.begin(), image.end()));
    QVERIFY(QFile::exists(path));
}

void TestDevicePage::uploadOfAnEmptyImage()
{
    const QString path = writeFile(QDir::tempPath() + QStringLiteral("/kest-empty-test.bin"), {});
    QCOMPARE(runUpload(path), QList<int>({97, 98, 99, 100}));
    QCOMPARE(wire("set"), QStringList {hexOf(report("02 10"))});
    QVERIFY(!QFile::exists(path)); // a temporary image is deleted after the upload
}

void TestDevicePage::failedUploadStopsAndNeverCompletes_data()
{
    QTest::addColumn<int>("sentBefore"); // sends that go through before the failure
    QTest::addColumn<QList<int>>("progress");
    QTest::addColumn<int>("dataReports"); // that the unit got
    // 100 bytes: seven data reports, then the end report
    QTest::newRow("first data report") << 0 << QList<int> {-1} << 0;
    QTest::newRow("a data report half-way") << 3 << QList<int> {0, 15, 30, -1} << 3;
    QTest::newRow("the end report") << 7 << QList<int> {0, 15, 30, 46, 61, 76, 92, -1} << 7;
}

void TestDevicePage::failedUploadStopsAndNeverCompletes()
{
    QFETCH(int, sentBefore);
    QFETCH(int, dataReports);
    const QString path
        = writeFile(QDir::tempPath() + QStringLiteral("/kest-fail-test.bin"), pattern(100));
    const int ends = kestsim::unit().firmwareEndCount();
    kestsim::unit().failNextSends(1, sentBefore);
    QTEST(runUpload(path), "progress");
    // nothing after the failed report, and no end report that went through
    QCOMPARE(wire("set").size(), dataReports);
    QCOMPARE(kestsim::unit().firmwareEndCount(), ends);
    QVERIFY(QFile::remove(path)); // kept for another try
}

void TestDevicePage::uploadDoesNotCarryOnIntoANewOpening()
{
    // The link drops and the window opens the unit again while the upload runs: the
    // rest of the image must not go to the new opening.
    const QString path
        = writeFile(QDir::tempPath() + QStringLiteral("/kest-reopen-test.bin"), pattern(3200));
    const int ends = kestsim::unit().firmwareEndCount();
    kestsim::unit().setExchangeDelay(std::chrono::milliseconds(2)); // 200 reports: 0.4 s
    KestUpgrade upload;
    QList<int> values;
    connect(&upload, &KestUpgrade::progress, this, [&](int p) { values << p; });
    upload.firmwarePath = path;
    upload.start();
    QTRY_VERIFY(!kestsim::unit().wireReports("set").empty());
    kest::deviceClose();
    QCOMPARE(kest::deviceOpen(), kest::DeviceOpenResult::Opened);
    QVERIFY(upload.wait(15000));
    QCoreApplication::processEvents();
    QVERIFY(!values.isEmpty());
    QCOMPARE(values.last(), -1);
    QVERIFY(!values.contains(100));
    QCOMPARE(kestsim::unit().firmwareEndCount(), ends);
    QVERIFY(wire("set").size() < 200);
    QVERIFY(QFile::remove(path)); // kept for another try
}

void TestDevicePage::uploadWithoutUnitDoesNothing()
{
    kest::deviceClose();
    kestsim::unit().clearWireLog();
    const QString path
        = writeFile(QDir::tempPath() + QStringLiteral("/kest-none-test.bin"), pattern(20));
    QCOMPARE(runUpload(path), QList<int> {});
    QVERIFY(kestsim::unit().wireLog().empty());
    QVERIFY(QFile::remove(path));
}

void TestDevicePage::manualUpdateThroughThePage()
{
    kest::deviceClose();
    DialogCatcher dialogs;
    auto w = openWindow();
    QTest::mouseClick(child(w.get(), "pbS4"), Qt::LeftButton);
    const QString path
        = writeFile(QDir::tempPath() + QStringLiteral("/kest-page-test.bin"), pattern(4096 + 16));
    dialogs.fileNames << path;
    QTest::mouseClick(child(w.get(), "pbPath"), Qt::LeftButton);
    QCOMPARE(dialogs.requests.at(0).text, QStringLiteral("Firmware File (*.bin);;"));
    QCOMPARE(child<QLineEdit>(w.get(), "lePath")->text(), path);
    kestsim::unit().clearWireLog();

    QTest::mouseClick(child(w.get(), "pbUpgrade"), Qt::LeftButton);
    QTRY_VERIFY(!child(w.get(), "pgUpgrade")->isHidden());
    QTRY_COMPARE_WITH_TIMEOUT(child<QLabel>(w.get(), "lbUpgrade")->text(),
                              QStringLiteral("Writing ..."), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.texts().last(),
                              QStringLiteral("Firmware updated successfully."), 8000);
    QVERIFY(child(w.get(), "pgUpgrade")->isHidden()); // idle before the box is shown
    QVERIFY(child(w.get(), "lbUpgrade")->isHidden());
    const QByteArray image = pattern(4096 + 16);
    QCOMPARE(kestsim::unit().firmwareImage(), kestsim::Bytes(image.begin(), image.end()));
    QVERIFY(kestsim::unit().firmwareGaps().empty());
    QVERIFY(wire("set").join(' ').contains("02 81 00 10")); // chunk 256
}

void TestDevicePage::closingWaitsForTheUpload()
{
    // Closing stops the reader, which closes the device handle: mid-upload that would
    // leave the unit with part of an image.
    kest::deviceClose();
    DialogCatcher dialogs;
    auto w = openWindow();
    QTest::mouseClick(child(w.get(), "pbS4"), Qt::LeftButton);
    const QByteArray image = pattern(4096);
    const QString path
        = writeFile(QDir::tempPath() + QStringLiteral("/kest-close-test.bin"), image);
    child<QLineEdit>(w.get(), "lePath")->setText(path);
    kestsim::unit().setExchangeDelay(std::chrono::milliseconds(2)); // 256 reports: 0.5 s
    QTest::mouseClick(child(w.get(), "pbUpgrade"), Qt::LeftButton);
    QTRY_VERIFY(!child(w.get(), "pgUpgrade")->isHidden());

    QTest::mouseClick(child(w.get(), "pbClose"), Qt::LeftButton);
    QCOMPARE(
        dialogs.texts(),
        QStringList {"The firmware update is still running. Please wait until it is finished."});
    QVERIFY(w->isVisible());
    QVERIFY(kest::deviceIsOpen());

    // A window destroyed all the same (the session ends) lets the upload finish first.
    const int ends = kestsim::unit().firmwareEndCount();
    w.reset();
    QCOMPARE(kestsim::unit().firmwareEndCount(), ends + 1);
    QCOMPARE(kestsim::unit().firmwareImage(), kestsim::Bytes(image.begin(), image.end()));
    QVERIFY(kestsim::unit().firmwareGaps().empty());
    QVERIFY(!QFile::exists(path)); // a temporary image goes after its upload
}

void TestDevicePage::refusedFirmwareFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("upper-case extension") << "FIRMWARE.BIN" << 100 << false;
    QTest::newRow("largest image") << "big.bin" << 229376 << true;
    QTest::newRow("one byte too many") << "big.bin" << 229377 << false;
    QTest::newRow("capital scheme is a path") << "HTTPS://x/fw" << -1 << false;
}

void TestDevicePage::refusedFirmwareFiles()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(bool, accepted);
    kest::deviceClose();
    DialogCatcher dialogs;
    QTemporaryDir dir;
    const QString path = size < 0 ? name : writeFile(dir.filePath(name), pattern(size));
    kestsim::unit().setExchangeDelay(std::chrono::milliseconds(5)); // keep the upload short of done
    auto w = openWindow();
    child<QLineEdit>(w.get(), "lePath")->setText(path);
    QTest::mouseClick(child(w.get(), "pbUpgrade"), Qt::LeftButton);
    if (accepted) {
        QVERIFY(dialogs.requests.empty());
        QTRY_VERIFY(!child(w.get(), "pgUpgrade")->isHidden()); // the upload started
        kestsim::unit().unplug(); // end it early
        QTRY_COMPARE(dialogs.requests.size(), std::size_t(1));
        QCOMPARE(dialogs.requests[0].kind, KestMessage::Kind::Critical);
        QVERIFY(!dialogs.texts().contains("Firmware updated successfully."));
    } else {
        QCOMPARE(dialogs.requests.size(), std::size_t(1));
        QCOMPARE(dialogs.requests[0].kind, KestMessage::Kind::Critical);
        QCOMPARE(dialogs.requests[0].title, QStringLiteral("Error"));
        QCOMPARE(dialogs.texts(), QStringList {"Not a valid firmware."});
    }
    kestsim::unit().setExchangeDelay(std::chrono::microseconds(0));
    w.reset(); // waits for the upload thread
    kestsim::unit().plug();
}

void TestDevicePage::fileDialogCancelKeepsThePath()
{
    kest::deviceClose();
    DialogCatcher dialogs;
    auto w = openWindow();
    child<QLineEdit>(w.get(), "lePath")->setText("/old/fw.bin");
    QTest::mouseClick(child(w.get(), "pbPath"), Qt::LeftButton); // no file name: cancelled
    QCOMPARE(child<QLineEdit>(w.get(), "lePath")->text(), QStringLiteral("/old/fw.bin"));
}

void TestDevicePage::clearFlash_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void TestDevicePage::clearFlash()
{
    QFETCH(bool, yes);
    kest::deviceClose();
    kestsim::UnitState s;
    s.kept.slots[0] = {{'A'}, {0, 1, 1, 2, 3, 4, 5}};
    freshUnit(s);
    DialogCatcher dialogs;
    dialogs.button = yes ? QMessageBox::Yes : QMessageBox::No;
    auto w = openWindow();
    QCOMPARE(child<QComboBox>(w.get(), "cbPro0")->count(), 1);
    kestsim::unit().clearWireLog();
    QTest::mouseClick(child(w.get(), "pbClearFlash"), Qt::LeftButton);
    QCOMPARE(dialogs.requests.at(0).kind, KestMessage::Kind::Question);
    QCOMPARE(dialogs.requests.at(0).text,
             QStringLiteral("Do you want to continue?\nThis operation will delete all the "
                            "settings stored in the device flash memory."));
    if (!yes) {
        QCOMPARE(dialogs.requests.size(), std::size_t(1));
        QVERIFY(kestsim::unit().wireLog().empty());
        return;
    }
    QCOMPARE(writes().first(), hexOf(report("02 0c 10")));
    QCOMPARE(dialogs.texts().last(), QStringLiteral("Flash data has been cleared."));
    QCOMPARE(child<QComboBox>(w.get(), "cbPro0")->count(), 0); // reloaded from the erased unit
}

QTEST_MAIN(TestDevicePage)
#include "tst_devicepage.moc"
