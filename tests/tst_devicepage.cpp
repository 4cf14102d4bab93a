// The firmware upload thread and the DEVICE page against the simulated unit.

#include "devicepage.h"
#include "firmwarechunks.h"
#include "firmwareupdate.h"
#include "kestunit.h"
#include "kestupgrade.h"
#include "updatecheck.h"
#include "windowsupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace testsupport;

Q_DECLARE_METATYPE(KestMessage::Kind)
Q_DECLARE_METATYPE(kest::Outcome)

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
        kestsim::wireLog().clear();
    }
    void cleanup() { kest::deviceClose(); }

    void uploadSendsTheImageAsChunks();
    void uploadOfAnEmptyImage();
    void checkedBytesAreSentAndOnlyTheOwnCopyGoes_data();
    void checkedBytesAreSentAndOnlyTheOwnCopyGoes();
    void failedUploadStopsAndNeverCompletes_data();
    void failedUploadStopsAndNeverCompletes();
    void uploadDoesNotCarryOnIntoANewOpening();
    void uploadWithoutUnitDoesNothing();
    void manualUpdateThroughThePage_data();
    void manualUpdateThroughThePage();
    void progressDisplay_data();
    void progressDisplay();
    void pageIsIdleBeforeTheClosingBox_data();
    void pageIsIdleBeforeTheClosingBox();
    void closingWaitsForTheUpload();
    void uploadEndingWithoutAWordLeavesThePageIdle();
    void fileChangedAfterItWasPicked_data();
    void fileChangedAfterItWasPicked();
    void unreadableFirmwareFile();
    void refusedFirmwareFiles_data();
    void refusedFirmwareFiles();
    void fileDialogCancelKeepsThePath();
    void clearFlash_data();
    void clearFlash();

private:
    QList<int> runUpload(const QString &path, kest::Outcome *end = nullptr);
};

namespace {

/// Runs an upload until it ends or the unit has taken a whole image; the four seconds of
/// the unit's writing are not waited out (the fault sweep's clean upload watches them). The
/// progress values, and the end in `end`.
QList<int> finishUpload(KestUpgrade &upload, kest::Outcome *end = nullptr)
{
    QList<int> values;
    QObject receiver;
    QObject::connect(&upload, &KestUpgrade::progress, &receiver, [&](int p) { values << p; });
    QObject::connect(&upload, &KestUpgrade::ended, &receiver, [&](const kest::Outcome &o) {
        if (end)
            *end = o;
    });
    const int ends = kestsim::unit().firmwareEndCount();
    upload.startUpload();
    if (!waitFor([&] { return upload.isFinished() || kestsim::unit().firmwareEndCount() > ends; },
                 15000))
        qFatal("upload did not end");
    upload.stop();
    upload.wait();
    processPosted();
    return values;
}

const QString kNotTaken = QStringLiteral(
    "Firmware update failed: the unit did not take the whole image. Please try again.");

} // namespace

QList<int> TestDevicePage::runUpload(const QString &path, kest::Outcome *end)
{
    KestUpgrade upload;
    upload.firmwarePath = path;
    return finishUpload(upload, end);
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
    QCOMPARE(runUpload(path), QList<int>({0, 38, 76}));

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
    QCOMPARE(runUpload(path), QList<int>()); // the unit's writing steps alone are left
    QCOMPARE(wire("set"), QStringList {hexOf(report("02 10"))});
    QVERIFY(QFile::remove(path)); // a file of the user's stays, in the temporary folder too
}

void TestDevicePage::checkedBytesAreSentAndOnlyTheOwnCopyGoes_data()
{
    QTest::addColumn<bool>("ownCopy"); // the file is the program's temporary image
    QTest::addColumn<int>("failAfter"); // sends that go through before one fails; -1: none
    QTest::newRow("the temporary image") << true << -1;
    QTest::newRow("another file") << false << -1;
    // the copy is of no use once its upload has ended, however it ended
    QTest::newRow("the temporary image, upload failed") << true << 1;
    QTest::newRow("the temporary image, end report failed") << true << 3; // 47 bytes
    QTest::newRow("another file, upload failed") << false << 1;
}

void TestDevicePage::checkedBytesAreSentAndOnlyTheOwnCopyGoes()
{
    // The file no longer holds what was checked: the checked bytes go all the same.
    QFETCH(bool, ownCopy);
    QFETCH(int, failAfter);
    QTemporaryDir dir;
    const QString path
        = ownCopy ? kest::temporaryImagePath() : dir.filePath(QStringLiteral("kest.firmware.bin"));
    writeFile(path, pattern(50));
    const QByteArray checked = pattern(40).append("checked");
    KestUpgrade upload;
    upload.verifiedImage = checked;
    upload.firmwarePath = path;
    upload.temporaryCopy = ownCopy;
    if (failAfter >= 0)
        kestsim::faults().failNextSends(1, failAfter);
    kest::Outcome end;
    finishUpload(upload, &end);
    QCOMPARE(end.message == kNotTaken, failAfter >= 0);
    if (failAfter < 0)
        QCOMPARE(kestsim::unit().firmwareImage(), kestsim::Bytes(checked.begin(), checked.end()));
    QCOMPARE(QFile::exists(path), !ownCopy);
    QFile::remove(path);
}

void TestDevicePage::failedUploadStopsAndNeverCompletes_data()
{
    QTest::addColumn<int>("sentBefore"); // sends that go through before the failure
    QTest::addColumn<QList<int>>("progress");
    QTest::addColumn<int>("dataReports"); // that the unit got
    // 100 bytes: seven data reports, then the end report
    QTest::newRow("first data report") << 0 << QList<int> {} << 0;
    QTest::newRow("a data report half-way") << 3 << QList<int> {0, 15, 30} << 3;
    QTest::newRow("the end report") << 7 << QList<int> {0, 15, 30, 46, 61, 76, 92} << 7;
}

void TestDevicePage::failedUploadStopsAndNeverCompletes()
{
    QFETCH(int, sentBefore);
    QFETCH(int, dataReports);
    const QString path
        = writeFile(QDir::tempPath() + QStringLiteral("/kest-fail-test.bin"), pattern(100));
    const int ends = kestsim::unit().firmwareEndCount();
    kestsim::faults().failNextSends(1, sentBefore);
    kest::Outcome end;
    QTEST(runUpload(path, &end), "progress");
    QCOMPARE(end.status, kest::Outcome::Failed);
    QCOMPARE(end.message, kNotTaken);
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
    kestsim::faults().setExchangeDelay(std::chrono::milliseconds(2)); // 200 reports: 0.4 s
    KestUpgrade upload;
    QList<int> values;
    kest::Outcome end;
    connect(&upload, &KestUpgrade::progress, this, [&](int p) { values << p; });
    connect(&upload, &KestUpgrade::ended, this, [&](const kest::Outcome &o) { end = o; });
    upload.firmwarePath = path;
    upload.startUpload();
    TRY_VERIFY(!kestsim::wireLog().reports("set").empty());
    kest::deviceClose();
    QCOMPARE(kest::deviceOpen(), kest::DeviceOpenResult::Opened);
    QVERIFY(upload.wait(15000));
    QCoreApplication::processEvents();
    QVERIFY(!values.isEmpty());
    QVERIFY(!values.contains(100));
    QCOMPARE(end.message, kNotTaken);
    QCOMPARE(kestsim::unit().firmwareEndCount(), ends);
    QVERIFY(wire("set").size() < 200);
    QVERIFY(QFile::remove(path)); // kept for another try
}

void TestDevicePage::uploadWithoutUnitDoesNothing()
{
    kest::deviceClose();
    kestsim::wireLog().clear();
    const QString path
        = writeFile(QDir::tempPath() + QStringLiteral("/kest-none-test.bin"), pattern(20));
    kest::Outcome end;
    QCOMPARE(runUpload(path, &end), QList<int> {});
    QCOMPARE(end.status, kest::Outcome::Refused);
    QVERIFY(kestsim::wireLog().entries().empty());
    QVERIFY(QFile::remove(path));
}

void TestDevicePage::manualUpdateThroughThePage_data()
{
    // Files of the user's, which stay after their upload wherever they lie.
    QTest::addColumn<QString>("path");
    QTest::newRow("in the temporary folder")
        << QDir::tempPath() + QStringLiteral("/kest-page-test.bin");
    QTest::newRow("named as the downloaded image") << kest::temporaryImagePath();
}

void TestDevicePage::manualUpdateThroughThePage()
{
    QFETCH(QString, path);
    kest::deviceClose();
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes; // the question before the change
    auto w = openWindow();
    QTest::mouseClick(child(w.get(), "pbS4"), Qt::LeftButton);
    writeFile(path, pattern(4096 + 16));
    const auto removeFile = qScopeGuard([&] { QFile::remove(path); });
    dialogs.fileNames << path;
    QTest::mouseClick(child(w.get(), "pbPath"), Qt::LeftButton);
    QCOMPARE(dialogs.requests.at(0).text, QStringLiteral("Firmware File (*.bin);;"));
    QCOMPARE(child<QLineEdit>(w.get(), "lePath")->text(), path);
    kestsim::wireLog().clear();
    const int ends = kestsim::unit().firmwareEndCount();

    QTest::mouseClick(child(w.get(), "pbUpgrade"), Qt::LeftButton);
    // The file dialog, then the question before the upload.
    QCOMPARE(dialogs.texts().size(), 2);
    QVERIFY(dialogs.texts().at(1).startsWith(
        QStringLiteral("Upload the firmware file %1 (%2 bytes) to the unit?")
            .arg(path, QLocale().toString(4096 + 16))));
    QVERIFY(!child(w.get(), "pbAutoUpgrade")->isEnabled()); // no check while it runs
    QVERIFY(waitFor([&] { return kestsim::unit().firmwareEndCount() > ends; }));
    const QByteArray image = pattern(4096 + 16);
    QCOMPARE(kestsim::unit().firmwareImage(), kestsim::Bytes(image.begin(), image.end()));
    QVERIFY(kestsim::unit().firmwareGaps().empty());
    QVERIFY(wire("set").join(' ').contains("02 81 00 10")); // chunk 256
    // The unit's seconds of writing, step by step, and the success message after them:
    // the fault sweep's clean upload.
    w.reset(); // without waiting for the writing
    QVERIFY(QFile::exists(path));
}

void TestDevicePage::progressDisplay_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<QString>("phase");
    QTest::addColumn<int>("bar"); // the bar's value
    QTest::newRow("first value") << 0 << "Uploading ..." << 0;
    QTest::newRow("last data value") << 95 << "Uploading ..." << 95;
    QTest::newRow("96, never sent") << 96 << "Uploading ..." << 96;
    QTest::newRow("first closing step") << 97 << "Writing ..." << 97;
    QTest::newRow("last closing step before the end") << 99 << "Writing ..." << 99;
}

void TestDevicePage::progressDisplay()
{
    QFETCH(int, percent);
    kest::deviceClose();
    auto w = openWindow();
    QMetaObject::invokeMethod(w.get(), "onProgress", Q_ARG(int, percent));
    QTEST(child<QLabel>(w.get(), "lbUpgrade")->text(), "phase");
    QTEST(child<QProgressBar>(w.get(), "pgUpgrade")->value(), "bar");
    QVERIFY(!child(w.get(), "lbUpgrade")->isHidden());
    QVERIFY(!child(w.get(), "pgUpgrade")->isHidden());
}

void TestDevicePage::pageIsIdleBeforeTheClosingBox_data()
{
    QTest::addColumn<kest::Outcome>("end");
    QTest::addColumn<QList<KestMessage::Kind>>("kinds");
    QTest::addColumn<QString>("text");
    using K = KestMessage::Kind;
    QTest::newRow("done") << kest::Outcome::ok() << QList<K> {K::Information}
                          << "Firmware updated successfully.";
    QTest::newRow("a report not sent")
        << kest::Outcome::failed(kNotTaken) << QList<K> {K::Critical} << kNotTaken;
    const QString lost = QStringLiteral(
        "Firmware update failed: the pedal unit was unplugged while it wrote its firmware. "
        "Please plug it in again and run the update again.");
    QTest::newRow("pulled while writing")
        << kest::Outcome::failed(lost) << QList<K> {K::Critical} << lost;
    // Nothing was sent (no unit at the start, a file that cannot be read): no box.
    QTest::newRow("nothing sent") << kest::Outcome::refused(QStringLiteral("no unit"))
                                  << QList<K> {} << QString();
}

void TestDevicePage::pageIsIdleBeforeTheClosingBox()
{
    QFETCH(kest::Outcome, end);
    kest::deviceClose();
    auto w = openWindow();
    QMetaObject::invokeMethod(w.get(), "onProgress", Q_ARG(int, 98));
    QMetaObject::invokeMethod(w.get(), "onProgress", Q_ARG(int, 100)); // a bar, not the end
    QCOMPARE(child<QProgressBar>(w.get(), "pgUpgrade")->value(), 100);
    QList<KestMessage::Kind> kinds;
    QStringList texts;
    QList<bool> idle; // what the page showed while each box was up
    KestMessage::setHandler([&](const KestMessage::Request &r) {
        kinds << r.kind;
        texts << r.text;
        idle << (child(w.get(), "pgUpgrade")->isHidden() && child(w.get(), "lbUpgrade")->isHidden()
                 && child(w.get(), "pbAutoUpgrade")->isEnabled());
        return KestMessage::Answer();
    });
    const auto restore = qScopeGuard([] { KestMessage::setHandler(unexpectedDialog); });
    auto *page = w->findChild<DevicePage *>();
    QVERIFY(page);
    page->uploadEnded(end);
    QTEST(kinds, "kinds");
    if (!kinds.isEmpty()) {
        QTEST(texts.value(0), "text");
        QCOMPARE(idle, QList<bool> {true});
    }
    QVERIFY(child(w.get(), "pgUpgrade")->isHidden());
}

void TestDevicePage::closingWaitsForTheUpload()
{
    // Closing stops the reader, which closes the device handle: mid-upload that would
    // leave the unit with part of an image.
    kest::deviceClose();
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes; // the question before the change
    auto w = openWindow();
    w->show();
    QTest::mouseClick(child(w.get(), "pbS4"), Qt::LeftButton);
    const QByteArray image = pattern(1024);
    const QString path
        = writeFile(QDir::tempPath() + QStringLiteral("/kest-close-test.bin"), image);
    child<QLineEdit>(w.get(), "lePath")->setText(path);
    kestsim::faults().setExchangeDelay(std::chrono::milliseconds(2)); // 64 reports: 0.13 s
    QTest::mouseClick(child(w.get(), "pbUpgrade"), Qt::LeftButton);
    TRY_VERIFY(!child(w.get(), "pgUpgrade")->isHidden());

    QTest::mouseClick(child(w.get(), "pbClose"), Qt::LeftButton);
    QCOMPARE(dialogs.requests.front().kind, KestMessage::Kind::Question); // before the upload
    QCOMPARE(
        dialogs.texts().mid(1),
        QStringList {"The firmware update is still running. Please wait until it is finished."});
    QVERIFY(w->isVisible());
    QVERIFY(kest::deviceIsOpen());

    // A window destroyed all the same (the session ends) lets the upload finish first.
    const int ends = kestsim::unit().firmwareEndCount();
    w.reset();
    QCOMPARE(kestsim::unit().firmwareEndCount(), ends + 1);
    QCOMPARE(kestsim::unit().firmwareImage(), kestsim::Bytes(image.begin(), image.end()));
    QVERIFY(kestsim::unit().firmwareGaps().empty());
    QVERIFY(QFile::remove(path)); // the user's file stays, in the temporary folder too
}

namespace {
QtMessageHandler g_previousHandler = nullptr;
}

void TestDevicePage::uploadEndingWithoutAWordLeavesThePageIdle()
{
    // The unit goes between the page's start and the upload's first step: the upload
    // ends without a progress value, and the page must not wait for one.
    kest::deviceClose();
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes; // the question before the change
    auto w = openWindow();
    QTest::mouseClick(child(w.get(), "pbS4"), Qt::LeftButton);
    QTemporaryDir dir;
    const QString path = writeFile(dir.filePath(QStringLiteral("fw.bin")), pattern(64));
    child<QLineEdit>(w.get(), "lePath")->setText(path);
    kestsim::wireLog().clear();
    g_previousHandler = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (message.startsWith(QLatin1String("Start upgrade from "))) {
                // written right before the upload starts
                kestsim::unit().unplug();
                kest::deviceClose();
            }
            g_previousHandler(type, context, message);
        });
    const auto restore = qScopeGuard([] { qInstallMessageHandler(g_previousHandler); });
    auto *check = child(w.get(), "pbAutoUpgrade");
    QTest::mouseClick(child(w.get(), "pbUpgrade"), Qt::LeftButton);
    QVERIFY(!check->isEnabled());
    TRY_VERIFY(check->isEnabled());
    QVERIFY(child(w.get(), "pgUpgrade")->isHidden());
    QCOMPARE(dialogs.requests.size(), std::size_t(1)); // the question before the upload
    QCOMPARE(dialogs.requests[0].kind, KestMessage::Kind::Question);
    for (const QString &report : writes()) // no data report, no end report
        QVERIFY2(!report.startsWith(QLatin1String("02 8")) && !report.startsWith("02 10"),
                 qPrintable(report));
}

void TestDevicePage::fileChangedAfterItWasPicked_data()
{
    QTest::addColumn<bool>("toDevZero"); // else the file grows past the largest image
    QTest::newRow("grows to 300,000 bytes") << false;
    QTest::newRow("link turned to /dev/zero") << true;
}

void TestDevicePage::fileChangedAfterItWasPicked()
{
    // The file changes the moment the upload thread starts: what was checked is sent.
    QFETCH(bool, toDevZero);
    QWidget page;
    QPushButton check;
    QProgressBar bar;
    QLabel phase, version, digest;
    QLineEdit path;
    const FirmwareWidgets widgets {&check, &bar, &phase, &version, &digest, &path, &page, &page};
    QNetworkAccessManager network;
    const QString base;
    KestUpgrade upload;
    kest::KestUnit unit;
    UpdateCheck updates(widgets, unit, network, base, upload);
    DevicePage device(widgets, unit, upload, updates);
    QTemporaryDir dir;
    const QByteArray picked = pattern(1000);
    const QString target = writeFile(dir.filePath(QStringLiteral("image")), picked);
    const QString file = dir.filePath(QStringLiteral("fw.bin"));
    QVERIFY(QFile::link(target, file));
    path.setText(file);
    connect(
        &upload, &QThread::started, this,
        [&] {
            if (toDevZero) {
                QFile::remove(file);
                QFile::link(QStringLiteral("/dev/zero"), file);
            } else {
                writeFile(target, pattern(300000));
            }
        },
        Qt::DirectConnection);
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes; // the question before the change
    const int ends = kestsim::unit().firmwareEndCount();
    device.upgrade();
    QVERIFY(waitFor([&] { return kestsim::unit().firmwareEndCount() > ends; }, 15000));
    upload.stop();
    QVERIFY(upload.wait(15000));
    QCOMPARE(kestsim::unit().firmwareImage(), kestsim::Bytes(picked.begin(), picked.end()));
    QVERIFY(QFile::exists(target)); // the user's file stays
}

void TestDevicePage::unreadableFirmwareFile()
{
#ifndef Q_OS_LINUX
    QSKIP("needs a regular file whose reading fails");
#else
    kest::deviceClose();
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes; // the question before the change
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fw.bin"));
    QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), path)); // reads fail with EIO
    auto w = openWindow();
    kestsim::wireLog().clear();
    child<QLineEdit>(w.get(), "lePath")->setText(path);
    QTest::mouseClick(child(w.get(), "pbUpgrade"), Qt::LeftButton);
    QCOMPARE(dialogs.texts(),
             QStringList {"The firmware file could not be read. Nothing was sent to the unit."});
    QCOMPARE(dialogs.requests[0].kind, KestMessage::Kind::Critical);
    QVERIFY(child(w.get(), "pbAutoUpgrade")->isEnabled()); // nothing started
    processPosted();
    QVERIFY(writes().isEmpty());
#endif
}

void TestDevicePage::refusedFirmwareFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size"); // -1: the name as it is; -2: a folder; -3: a named pipe;
    // -4: a link to /dev/zero
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("why"); // the refusal's second line
    QTest::newRow("upper-case extension")
        << "FIRMWARE.BIN" << 100 << false << QString("A firmware file's name ends in .bin.");
    QTest::newRow("largest image") << "big.bin" << 229376 << true << QString("");
    QTest::newRow("one byte too many")
        << "big.bin" << 229377 << false
        << QString("The file is larger than 229,376 bytes, the most the unit takes.");
    QTest::newRow("capital scheme is a path")
        << "HTTPS://x/fw" << -1 << false << QString("A firmware file's name ends in .bin.");
    QTest::newRow("empty file") << "empty.bin" << 0 << false << QString("The file is empty.");
    QTest::newRow("no such file") << "/no/such/folder/fw.bin" << -1 << false
                                  << QString("There is no file of that name.");
    QTest::newRow("a folder") << "folder.bin" << -2 << false
                              << QString(
                                     "It is not a regular file, but a folder, a device or a pipe.");
#ifdef Q_OS_UNIX
    QTest::newRow("a named pipe")
        << "pipe.bin" << -3 << false
        << QString("It is not a regular file, but a folder, a device or a pipe.");
    QTest::newRow("a link to /dev/zero")
        << "zero.bin" << -4 << false
        << QString("It is not a regular file, but a folder, a device or a pipe.");
#endif
}

void TestDevicePage::refusedFirmwareFiles()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(bool, accepted);
    kest::deviceClose();
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes; // the question before the change
    QTemporaryDir dir;
    QString path = size == -1 ? name : dir.filePath(name);
    if (size >= 0)
        writeFile(path, pattern(size));
    else if (size == -2)
        QVERIFY(QDir().mkdir(path));
#ifdef Q_OS_UNIX
    else if (size == -3)
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (size == -4)
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
#endif
    auto w = openWindow();
    // keep the upload short of done
    kestsim::faults().setExchangeDelay(std::chrono::milliseconds(5));
    kestsim::wireLog().clear();
    child<QLineEdit>(w.get(), "lePath")->setText(path);
    QTest::mouseClick(child(w.get(), "pbUpgrade"), Qt::LeftButton);
    if (accepted) {
        QCOMPARE(dialogs.requests.size(), std::size_t(1));
        QCOMPARE(dialogs.requests[0].kind, KestMessage::Kind::Question);
        // the question gives what the maker's published checksum can be compared with
        QFile picked(path);
        QVERIFY(picked.open(QIODevice::ReadOnly));
        const QString question = dialogs.requests[0].text;
        QVERIFY2(question.contains(
                     "(229,376 bytes) to the unit?\nMD5: "
                     + QCryptographicHash::hash(picked.readAll(), QCryptographicHash::Md5).toHex()
                     + "\n\nThe unit cannot check what a file holds"),
                 qPrintable(question));
        TRY_VERIFY(!child(w.get(), "pgUpgrade")->isHidden()); // the upload started
        kestsim::unit().unplug(); // end it early
        TRY_COMPARE(dialogs.requests.size(), std::size_t(2));
        QCOMPARE(dialogs.requests[1].kind, KestMessage::Kind::Critical);
        QVERIFY(!dialogs.texts().contains("Firmware updated successfully."));
    } else {
        QCOMPARE(dialogs.requests.size(), std::size_t(1));
        QCOMPARE(dialogs.requests[0].kind, KestMessage::Kind::Critical);
        QCOMPARE(dialogs.requests[0].title, QStringLiteral("Error"));
        QFETCH(QString, why);
        QCOMPARE(dialogs.texts(), QStringList {"Not a valid firmware.\n" + why});
        QVERIFY(child(w.get(), "pbAutoUpgrade")->isEnabled()); // nothing started
        processPosted();
        QVERIFY(writes().isEmpty());
    }
    kestsim::faults().setExchangeDelay(std::chrono::microseconds(0));
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
    kestsim::wireLog().clear();
    QTest::mouseClick(child(w.get(), "pbClearFlash"), Qt::LeftButton);
    QCOMPARE(dialogs.requests.at(0).kind, KestMessage::Kind::Question);
    // The question as it always was, then where the backup goes.
    QVERIFY(dialogs.requests.at(0).text.startsWith(
        QStringLiteral("Do you want to continue?\nThis operation will delete all the "
                       "settings stored in the device flash memory.\n\nA backup")));
    if (!yes) {
        QCOMPARE(dialogs.requests.size(), std::size_t(1));
        QVERIFY(kestsim::wireLog().entries().empty());
        return;
    }
    QCOMPARE(writes().first(), hexOf(report("02 0c 10")));
    QVERIFY(dialogs.texts().last().startsWith(QStringLiteral("Flash data has been cleared.\n")));
    QCOMPARE(child<QComboBox>(w.get(), "cbPro0")->count(), 0); // reloaded from the erased unit
}

QTEST_MAIN(TestDevicePage)
#include "tst_devicepage.moc"
