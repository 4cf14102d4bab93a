// "CHECK UPDATE" and the firmware download, from the click to the image in the simulated
// unit, against a local stand-in for the update server.

#include "firmwarechunks.h"
#include "firmwareupdate.h"
#include "updateserver.h"
#include "windowsupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QTemporaryDir>

using namespace testsupport;

namespace {

const QString kBase = QStringLiteral("https://" KEST_WEB_HOST "/upgrade/pedal/");
const QString kDocumentPath = QStringLiteral("/upgrade/pedal/version.json");
const QString kImagePath = QStringLiteral("/upgrade/pedal/rm25-2024-03.bin");
const char kUnitVersion[] = "Jan  9 2024,16:05"; // as units send it: the day padded

QByteArray image(int size)
{
    QByteArray data(size, 0);
    for (int i = 0; i < size; ++i)
        data[i] = char(i * 7 + 3);
    return data;
}

QByteArray document(const QString &version, const QByteArray &md5 = QByteArray())
{
    return "{\"version\":\"" + version.toUtf8() + "\",\"name\":\"rm25-2024-03.bin\",\"md5\":\""
        + md5 + "\",\"notes\":\"faster brake response\"}";
}

QString lastText(const DialogCatcher &dialogs)
{
    return dialogs.requests.empty() ? QString() : dialogs.requests.back().text;
}

/// Waits for the closing message of an upload (its last steps take four seconds).
bool uploadFinished(const DialogCatcher &dialogs)
{
    return QTest::qWaitFor(
        [&] { return lastText(dialogs) == QLatin1String("Firmware updated successfully."); },
        10000);
}

/// The image the unit received.
QByteArray unitImage()
{
    const kestsim::Bytes image = kestsim::unit().firmwareImage();
    return QByteArray(reinterpret_cast<const char *>(image.data()), qsizetype(image.size()));
}

QByteArray md5Of(const QByteArray &data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Md5).toHex();
}

} // namespace

class TestUpdateCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void checkOutcomes_data();
    void checkOutcomes();
    void checkingDisablesTheButton();
    void decliningKeepsThePath();
    void acceptedUpdateIsDownloadedVerifiedAndUploaded();
    void downloadOfUnknownSize();
    void wrongImageIsNeverWritten_data();
    void wrongImageIsNeverWritten();
    void typedAddressNeedsAMatchingDigest();
    void temporaryFileNotWritable();
    void verifiedImageTooLarge();
    void secondManualUpdateDuringADownload();
    void unitLostDuringTheDownload();
    void noCheckWhileAnImageIsUnderWay();

private:
    std::unique_ptr<MainWindow> openDevicePage();
    /// Opens the DEVICE page and runs a check whose offer the user accepts.
    std::unique_ptr<MainWindow> checkAndAccept(DialogCatcher &dialogs);
    void clickCheck(QWidget *w) { QTest::mouseClick(child(w, "pbAutoUpgrade"), Qt::LeftButton); }
    void offer(const QByteArray &data, bool upperCaseDigest = false);
    bool pageIdle(QWidget *w) const;

    UpdateServer server;
    QTemporaryDir tmp;
};

void TestUpdateCheck::initTestCase()
{
    if (QStringLiteral(KEST_WEB_HOST) != QLatin1String("www.kestlabs.com"))
        QSKIP("the test certificate is made out to www.kestlabs.com");
    if (!QSslSocket::supportsSsl())
        QSKIP("no TLS backend");
    QVERIFY(server.start(QStringLiteral(KEST_TEST_DATA "/tls/server.crt"),
                         QStringLiteral(KEST_TEST_DATA "/tls/server.key")));
    // Downloaded images go to the temporary folder, and are deleted from there after
    // their upload: keep them in a folder of this test's own.
    QVERIFY(tmp.isValid());
    qputenv("TMPDIR", QFile::encodeName(tmp.path()));
}

void TestUpdateCheck::init()
{
    kestsim::UnitState s;
    s.version = kUnitVersion;
    freshUnit(s);
    server.reset();
    QFile::remove(kest::temporaryImagePath());
}

void TestUpdateCheck::cleanup()
{
    kest::deviceClose();
}

std::unique_ptr<MainWindow> TestUpdateCheck::openDevicePage()
{
    auto w = openWindow();
    QTest::mouseClick(child(w.get(), "pbS4"), Qt::LeftButton);
    kestsim::unit().clearWireLog();
    return w;
}

std::unique_ptr<MainWindow> TestUpdateCheck::checkAndAccept(DialogCatcher &dialogs)
{
    dialogs.button = QMessageBox::Yes;
    auto w = openDevicePage();
    clickCheck(w.get());
    return w;
}

void TestUpdateCheck::offer(const QByteArray &data, bool upperCaseDigest)
{
    const QByteArray md5 = upperCaseDigest ? md5Of(data).toUpper() : md5Of(data);
    server.routes[kDocumentPath] = {document(QStringLiteral("Mar 4 2024,09:30"), md5)};
    server.routes[kImagePath] = {data};
}

bool TestUpdateCheck::pageIdle(QWidget *w) const
{
    auto *check = child<QPushButton>(w, "pbAutoUpgrade");
    return check->isEnabled() && check->text() == QLatin1String("CHECK UPDATE")
        && child(w, "pgUpgrade")->isHidden() && child(w, "lbUpgrade")->isHidden()
        && child<QLabel>(w, "lbCurVersion")->text().isEmpty();
}

void TestUpdateCheck::checkOutcomes_data()
{
    QTest::addColumn<QString>("unitVersion");
    QTest::addColumn<QByteArray>("body"); // empty: the connection is dropped
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // empty: back to idle without a word

    const QString unit = QString::fromLatin1(kUnitVersion);
    QTest::newRow("same version, the unit's day padded")
        << unit << document("Jan 9 2024,16:05") << 200 << "Your firmware is already up to date.";
    QTest::newRow("server version missing")
        << unit << QByteArray(R"({"name":"x.bin"})") << 200 << "No valid device.";
    QTest::newRow("unit version is not a date")
        << "V1.2.0" << document("Jan 9 2024,16:06") << 200 << "No valid device.";
    QTest::newRow("document is an array")
        << unit << QByteArray(R"([{"version":"Jan 9 2024,16:06"}])") << 200 << "";
    QTest::newRow("server error page")
        << unit << QByteArray("<html>Server Error</html>") << 500 << "";
    QTest::newRow("connection dropped") << unit << QByteArray() << 0 << "";
}

void TestUpdateCheck::checkOutcomes()
{
    QFETCH(QString, unitVersion);
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    QFETCH(QString, message);
    kestsim::UnitState s;
    s.version = unitVersion.toStdString();
    freshUnit(s);
    UpdateServer::Route route {body, status};
    route.drop = body.isEmpty();
    server.routes[kDocumentPath] = route;

    DialogCatcher dialogs;
    auto w = openDevicePage();
    clickCheck(w.get());
    QTRY_VERIFY(pageIdle(w.get()));
    // One request (the network library tries a dropped connection once more), through
    // a tunnel to the update host.
    QVERIFY(!server.requests.isEmpty());
    QCOMPARE(server.requests.size(), server.tunnels.size());
    for (int i = 0; i < server.requests.size(); ++i) {
        QCOMPARE(server.requests[i], kDocumentPath);
        QCOMPARE(server.tunnels[i], QStringLiteral(KEST_WEB_HOST ":443"));
    }
    if (!route.drop)
        QCOMPARE(server.requests.size(), 1);
    if (message.isEmpty()) {
        QVERIFY(dialogs.requests.empty());
    } else {
        QCOMPARE(dialogs.requests.size(), std::size_t(1));
        QCOMPARE(dialogs.requests[0].kind, KestMessage::Kind::Information);
        QCOMPARE(dialogs.requests[0].title, QStringLiteral("Update"));
        QCOMPARE(dialogs.requests[0].text, message);
    }
    QVERIFY(writes().isEmpty());
}

void TestUpdateCheck::checkingDisablesTheButton()
{
    UpdateServer::Route held {document("Jan 9 2024,16:05")};
    held.hold = true;
    server.routes[kDocumentPath] = held;
    DialogCatcher dialogs;
    auto w = openDevicePage();
    auto *check = child<QPushButton>(w.get(), "pbAutoUpgrade");
    clickCheck(w.get());
    QVERIFY(!check->isEnabled());
    QCOMPARE(check->text(), QStringLiteral("Checking ..."));
    QTRY_COMPARE(server.requests.size(), 1);
    clickCheck(w.get()); // disabled: no second check
    QCOMPARE(check->text(), QStringLiteral("Checking ..."));

    server.release();
    QTRY_VERIFY(pageIdle(w.get()));
    QCOMPARE(server.requests.size(), 1);
    QCOMPARE(dialogs.texts(), QStringList {"Your firmware is already up to date."});
}

void TestUpdateCheck::decliningKeepsThePath()
{
    offer(image(64));
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::No;
    auto w = openDevicePage();
    auto *path = child<QLineEdit>(w.get(), "lePath");
    path->setText(QStringLiteral("/home/me/rm25.bin"));
    clickCheck(w.get());
    QTRY_COMPARE(dialogs.requests.size(), std::size_t(1));
    QCOMPARE(dialogs.requests[0].kind, KestMessage::Kind::Question);
    QCOMPARE(dialogs.requests[0].title, QStringLiteral("Update"));
    QCOMPARE(dialogs.requests[0].text, QStringLiteral("A new firmware is available, update now?"));
    QVERIFY(pageIdle(w.get()));
    QCOMPARE(path->text(), QStringLiteral("/home/me/rm25.bin"));
    QTest::qWait(50); // nothing more is asked for
    QCOMPARE(server.requests, QStringList {kDocumentPath});
}

void TestUpdateCheck::acceptedUpdateIsDownloadedVerifiedAndUploaded()
{
    const QByteArray firmware = image(2 * 4096 + 40);
    offer(firmware, true); // the digest stored in upper case still matches
    server.routes[kImagePath].hold = true;
    DialogCatcher dialogs;
    auto w = checkAndAccept(dialogs);

    // The offer accepted, the download under way: the page shows what comes.
    QTRY_COMPARE(server.requests, QStringList({kDocumentPath, kImagePath}));
    QCOMPARE(dialogs.texts(), QStringList {"A new firmware is available, update now?"});
    QCOMPARE(child<QLineEdit>(w.get(), "lePath")->text(), kBase + "rm25-2024-03.bin");
    QCOMPARE(child<QLabel>(w.get(), "lbCurVersion")->text(),
             QStringLiteral("Version: Mar 4 2024,09:30"));
    auto *md5 = child<QLabel>(w.get(), "lbCurMd5");
    QCOMPARE(md5->text(), "MD5: " + md5Of(firmware).toUpper());
    QVERIFY(md5->isHidden());
    QCOMPARE(child<QLabel>(w.get(), "lbUpgrade")->text(), QStringLiteral("Downloading ..."));
    QVERIFY(!child(w.get(), "pgUpgrade")->isHidden());
    QVERIFY(!child(w.get(), "pbAutoUpgrade")->isEnabled());

    // The bar follows the download, before the upload takes it over.
    auto *label = child<QLabel>(w.get(), "lbUpgrade");
    QList<int> downloadValues;
    connect(child<QProgressBar>(w.get(), "pgUpgrade"), &QProgressBar::valueChanged, this,
            [&](int value) {
                if (label->text() == QLatin1String("Downloading ..."))
                    downloadValues << value;
            });
    server.release();
    QVERIFY(uploadFinished(dialogs));
    QCOMPARE(dialogs.requests.size(), std::size_t(2));
    QVERIFY(!downloadValues.isEmpty());
    QCOMPARE(downloadValues.last(), 100);
    QCOMPARE(child<QLineEdit>(w.get(), "lePath")->text(), kest::temporaryImagePath());
    QCOMPARE(unitImage(), firmware);
    QVERIFY(!QFile::exists(kest::temporaryImagePath())); // deleted after its upload
    QVERIFY(pageIdle(w.get()));
    QVERIFY(md5->isHidden());
}

void TestUpdateCheck::downloadOfUnknownSize()
{
    const QByteArray firmware = image(3000);
    offer(firmware);
    server.routes[kImagePath].withLength = false;
    DialogCatcher dialogs;
    auto w = checkAndAccept(dialogs);
    QVERIFY(uploadFinished(dialogs));
    QCOMPARE(unitImage(), firmware);
}

void TestUpdateCheck::wrongImageIsNeverWritten_data()
{
    QTest::addColumn<QByteArray>("served"); // empty: the connection is dropped
    QTest::addColumn<int>("status");
    QTest::newRow("another image") << image(100).append('x') << 200;
    QTest::newRow("image missing on the server") << QByteArray("<html>404</html>") << 404;
    QTest::newRow("connection dropped") << QByteArray() << 0;
}

void TestUpdateCheck::wrongImageIsNeverWritten()
{
    QFETCH(QByteArray, served);
    QFETCH(int, status);
    offer(image(100));
    UpdateServer::Route route {served, status};
    route.drop = served.isEmpty();
    server.routes[kImagePath] = route;
    DialogCatcher dialogs;
    auto w = checkAndAccept(dialogs);
    QTRY_COMPARE(dialogs.requests.size(), std::size_t(2));
    QCOMPARE(dialogs.requests[1].kind, KestMessage::Kind::Critical);
    QCOMPARE(dialogs.requests[1].title, QStringLiteral("Error"));
    QCOMPARE(dialogs.requests[1].text, QStringLiteral("Download file fail."));
    QVERIFY(pageIdle(w.get()));
    QVERIFY(!QFile::exists(kest::temporaryImagePath()));
    QTest::qWait(50); // no upload follows
    QVERIFY(writes().isEmpty());
}

void TestUpdateCheck::typedAddressNeedsAMatchingDigest()
{
    const QByteArray firmware = image(500);
    server.routes[kImagePath] = {firmware};
    DialogCatcher dialogs;
    auto w = openDevicePage();
    child<QLineEdit>(w.get(), "lePath")->setText(kBase + "rm25-2024-03.bin");

    // No check before it, so no digest to match.
    QTest::mouseClick(child(w.get(), "pbUpgrade"), Qt::LeftButton);
    QTRY_COMPARE(dialogs.texts(), QStringList {"Download file fail."});
    QCOMPARE(server.requests, QStringList {kImagePath});
    QVERIFY(writes().isEmpty());

    // An accepted offer whose download failed leaves its digest behind: the same
    // address typed again is retried by hand, and passes once the server has it right.
    offer(firmware);
    server.routes[kImagePath] = {"<html>busy</html>", 503};
    dialogs.button = QMessageBox::Yes;
    clickCheck(w.get());
    QTRY_COMPARE(dialogs.requests.size(), std::size_t(3));
    QCOMPARE(dialogs.requests[2].text, QStringLiteral("Download file fail."));
    QCOMPARE(child<QLabel>(w.get(), "lbCurMd5")->text(), "MD5: " + md5Of(firmware));
    server.routes[kImagePath] = {firmware};
    QTest::mouseClick(child(w.get(), "pbUpgrade"), Qt::LeftButton);
    QVERIFY(uploadFinished(dialogs));
    QCOMPARE(unitImage(), firmware);
}

void TestUpdateCheck::temporaryFileNotWritable()
{
    offer(image(100));
    QVERIFY(QDir().mkpath(kest::temporaryImagePath())); // a folder in the file's place
    DialogCatcher dialogs;
    auto w = checkAndAccept(dialogs);
    QTRY_COMPARE(dialogs.requests.size(), std::size_t(2));
    QCOMPARE(dialogs.requests[1].kind, KestMessage::Kind::Critical);
    QCOMPARE(dialogs.requests[1].text, QStringLiteral("Can not write to temp."));
    QVERIFY(pageIdle(w.get()));
    QCOMPARE(child<QLineEdit>(w.get(), "lePath")->text(), kBase + "rm25-2024-03.bin");
    QTest::qWait(50);
    QVERIFY(writes().isEmpty());
    QVERIFY(QDir().rmdir(kest::temporaryImagePath()));
}

void TestUpdateCheck::verifiedImageTooLarge()
{
    const QByteArray firmware = image(kest::FIRMWARE_MAX_SIZE + 1);
    offer(firmware);
    DialogCatcher dialogs;
    auto w = checkAndAccept(dialogs);
    QTRY_COMPARE(dialogs.requests.size(), std::size_t(2));
    QCOMPARE(dialogs.requests[1].text, QStringLiteral("Not a valid firmware."));
    QCOMPARE(QFileInfo(kest::temporaryImagePath()).size(), firmware.size()); // kept
    QTest::qWait(50);
    QVERIFY(writes().isEmpty());
}

void TestUpdateCheck::secondManualUpdateDuringADownload()
{
    const QByteArray firmware = image(700);
    offer(firmware);
    server.routes[kImagePath].hold = true;
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes;
    auto w = openDevicePage();
    const int uploads = kestsim::unit().firmwareEndCount();
    clickCheck(w.get());
    QTRY_COMPARE(server.requests.size(), 2);

    QTest::mouseClick(child(w.get(), "pbUpgrade"), Qt::LeftButton);
    QTest::qWait(100);
    QCOMPARE(server.requests.size(), 2); // the running download is the only one
    server.release();
    QVERIFY(uploadFinished(dialogs));
    QCOMPARE(kestsim::unit().firmwareEndCount(), uploads + 1);
    QCOMPARE(server.requests.size(), 2); // a late second request would be here by now
    QCOMPARE(unitImage(), firmware);
}

void TestUpdateCheck::unitLostDuringTheDownload()
{
    offer(image(300));
    server.routes[kImagePath].hold = true;
    DialogCatcher dialogs;
    auto w = checkAndAccept(dialogs);
    QTRY_COMPARE(server.requests.size(), 2);
    kestsim::unit().unplug();
    QTRY_VERIFY(headText(w.get()).startsWith(QLatin1String("WAITING")));

    server.release();
    QTRY_VERIFY(pageIdle(w.get())); // ready for another try once the unit is back
    QVERIFY(!QFile::exists(kest::temporaryImagePath()));
    QCOMPARE(dialogs.requests.size(), std::size_t(1)); // the offer only
    kestsim::unit().plug();
    QTRY_COMPARE_WITH_TIMEOUT(currentPage(w.get()), 0, 5000);
    QVERIFY(child(w.get(), "pbAutoUpgrade")->isEnabled());
    QVERIFY(writes().isEmpty());
}

void TestUpdateCheck::noCheckWhileAnImageIsUnderWay()
{
    // A typed address is being downloaded when the user asks for a check.
    const QByteArray firmware = image(200);
    offer(image(300));
    server.routes[kImagePath] = {firmware};
    server.routes[kImagePath].hold = true;
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes;
    auto w = openDevicePage();
    child<QLineEdit>(w.get(), "lePath")->setText(kBase + "rm25-2024-03.bin");
    QTest::mouseClick(child(w.get(), "pbUpgrade"), Qt::LeftButton);
    QTRY_COMPARE(server.requests, QStringList {kImagePath});
    clickCheck(w.get());
    QCOMPARE(child<QPushButton>(w.get(), "pbAutoUpgrade")->text(), QStringLiteral("CHECK UPDATE"));
    server.release();
    // Checked against no digest at all, not against one the check would have brought.
    QTRY_COMPARE(dialogs.texts(), QStringList {"Download file fail."});
    QCOMPARE(server.requests, QStringList {kImagePath});
}

QTEST_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
