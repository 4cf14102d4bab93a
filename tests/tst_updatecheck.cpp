// "CHECK UPDATE" and the firmware download, from the click to the image in the simulated
// unit, against a local stand-in for the update server: what the page shows and asks.
// What the requests may do and what their answers come to is tst_updateclient's.

#include "firmwareupdate.h"
#include "kestconfig.h"
#include "updatecheck.h"
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
    void wrongImageIsNeverWritten();
    void typedAddressNeedsAMatchingDigest();
    void temporaryFileNotWritable();
    void theUnitGetsTheCheckedBytes();
    void emptyImageIsRefused();
    void secondManualUpdateDuringADownload();
    void unitLostDuringTheDownload();
    void noCheckWhileAnImageIsUnderWay();
    void offerArrivingWhileAnImageIsUnderWay_data();
    void offerArrivingWhileAnImageIsUnderWay();
    void stalledDownloadSaysWhy();
    void temporaryImageGoesAfterAFailedUpload();

private:
    std::unique_ptr<MainWindow> openDevicePage();
    /// Opens the DEVICE page and runs a check whose offer the user accepts.
    std::unique_ptr<MainWindow> checkAndAccept(DialogCatcher &dialogs);
    void clickCheck(QWidget *w) { QTest::mouseClick(child(w, "pbAutoUpgrade"), Qt::LeftButton); }
    /// Waits until the unit has taken a whole image (its end report) in this test; the
    /// unit's four seconds of writing that follow are not waited out.
    bool imageTaken() const
    {
        return waitFor([this] { return kestsim::unit().firmwareEndCount() > endsBefore; }, 10000);
    }
    void offer(const QByteArray &data, bool upperCaseDigest = false);
    bool pageIdle(QWidget *w) const;

    UpdateServer server;
    QTemporaryDir tmp;
    int endsBefore = 0; ///< images the unit had taken when the test began
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
    endsBefore = kestsim::unit().firmwareEndCount();
}

void TestUpdateCheck::cleanup()
{
    kest::deviceClose();
}

std::unique_ptr<MainWindow> TestUpdateCheck::openDevicePage()
{
    auto w = openWindow();
    QTest::mouseClick(child(w.get(), "pbS4"), Qt::LeftButton);
    kestsim::wireLog().clear();
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
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // empty: back to idle without a box
    QTest::addColumn<QString>("statusLine"); // the page's own line; empty: none

    const QString unit = QString::fromLatin1(kUnitVersion);
    QTest::newRow("same version, the unit's day padded")
        << unit << document("Jan 9 2024,16:05") << 200 << "Your firmware is already up to date."
        << "";
    QTest::newRow("server version missing")
        << unit << QByteArray(R"({"name":"x.bin"})") << 200 << "No valid device."
        << "";
    QTest::newRow("unit version is not a date")
        << "V1.2.0" << document("Jan 9 2024,16:06") << 200 << "No valid device."
        << "";
    // Why no document came goes to the page's status line, not into a box.
    QTest::newRow("server error page")
        << unit << QByteArray("<html>Server Error</html>") << 500 << ""
        << "Update check failed: the update server's answer could not be read.";
}

void TestUpdateCheck::checkOutcomes()
{
    QFETCH(QString, unitVersion);
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    QFETCH(QString, message);
    QFETCH(QString, statusLine);
    kestsim::UnitState s;
    s.version = unitVersion.toStdString();
    freshUnit(s);
    server.routes[kDocumentPath] = {body, status};

    DialogCatcher dialogs;
    auto w = openDevicePage();
    w->show(); // the page's status line is checked on screen
    clickCheck(w.get());
    TRY_VERIFY(pageIdle(w.get()));
    QCOMPARE(server.requests, QStringList {kDocumentPath});
    if (message.isEmpty()) {
        QVERIFY(dialogs.requests.empty());
    } else {
        QCOMPARE(dialogs.requests.size(), std::size_t(1));
        QCOMPARE(dialogs.requests[0].kind, KestMessage::Kind::Information);
        QCOMPARE(dialogs.requests[0].title, QStringLiteral("Update"));
        QCOMPARE(dialogs.requests[0].text, message);
    }
    auto *line = child<QLabel>(w.get(), "lbCheckStatus");
    QCOMPARE(line->isVisible(), !statusLine.isEmpty());
    if (!statusLine.isEmpty())
        QCOMPARE(line->text(), statusLine);
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
    TRY_COMPARE(server.requests.size(), 1);
    clickCheck(w.get()); // disabled: no second check
    QCOMPARE(check->text(), QStringLiteral("Checking ..."));

    server.release();
    TRY_VERIFY(pageIdle(w.get()));
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
    TRY_COMPARE(dialogs.requests.size(), std::size_t(1));
    QCOMPARE(dialogs.requests[0].kind, KestMessage::Kind::Question);
    QCOMPARE(dialogs.requests[0].title, QStringLiteral("Update"));
    QCOMPARE(dialogs.requests[0].text, QStringLiteral("A new firmware is available, update now?"));
    QVERIFY(pageIdle(w.get()));
    QCOMPARE(path->text(), QStringLiteral("/home/me/rm25.bin"));
    processPosted();
    QVERIFY(pageIdle(w.get())); // no download began
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
    TRY_COMPARE(server.requests, QStringList({kDocumentPath, kImagePath}));
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
    QVERIFY(imageTaken());
    QCOMPARE(dialogs.requests.size(), std::size_t(1)); // the success comes after the writing
    QVERIFY(!downloadValues.isEmpty());
    QCOMPARE(downloadValues.last(), 100);
    QCOMPARE(child<QLineEdit>(w.get(), "lePath")->text(), kest::temporaryImagePath());
    QCOMPARE(unitImage(), firmware);
    w.reset(); // the upload ends with the window, without its writing steps
    QVERIFY(!QFile::exists(kest::temporaryImagePath())); // deleted once the unit has it
}

void TestUpdateCheck::wrongImageIsNeverWritten()
{
    offer(image(100));
    server.routes[kImagePath] = {image(100).append('x')};
    DialogCatcher dialogs;
    auto w = checkAndAccept(dialogs);
    TRY_COMPARE(dialogs.requests.size(), std::size_t(2));
    QCOMPARE(dialogs.requests[1].kind, KestMessage::Kind::Critical);
    QCOMPARE(dialogs.requests[1].title, QStringLiteral("Error"));
    QCOMPARE(dialogs.requests[1].text, QStringLiteral("Download file fail."));
    QVERIFY(pageIdle(w.get()));
    QVERIFY(!QFile::exists(kest::temporaryImagePath()));
    processPosted();
    QVERIFY(pageIdle(w.get())); // no upload began
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
    TRY_COMPARE(dialogs.texts(), QStringList {"Download file fail."});
    QCOMPARE(server.requests, QStringList {kImagePath});
    QVERIFY(writes().isEmpty());

    // An accepted offer whose download failed leaves its digest behind: the same
    // address typed again is retried by hand, and passes once the server has it right.
    offer(firmware);
    server.routes[kImagePath] = {"<html>busy</html>", 503};
    dialogs.button = QMessageBox::Yes;
    clickCheck(w.get());
    TRY_COMPARE(dialogs.requests.size(), std::size_t(3));
    QCOMPARE(dialogs.requests[2].text, QStringLiteral("Download file fail."));
    QCOMPARE(child<QLabel>(w.get(), "lbCurMd5")->text(), "MD5: " + md5Of(firmware));
    server.routes[kImagePath] = {firmware};
    QTest::mouseClick(child(w.get(), "pbUpgrade"), Qt::LeftButton);
    QVERIFY(imageTaken());
    QCOMPARE(unitImage(), firmware);
}

void TestUpdateCheck::temporaryFileNotWritable()
{
    offer(image(100));
    QVERIFY(QDir().mkpath(kest::temporaryImagePath())); // a folder in the file's place
    DialogCatcher dialogs;
    auto w = checkAndAccept(dialogs);
    TRY_COMPARE(dialogs.requests.size(), std::size_t(2));
    QCOMPARE(dialogs.requests[1].kind, KestMessage::Kind::Critical);
    QCOMPARE(dialogs.requests[1].text, QStringLiteral("Can not write to temp."));
    QVERIFY(pageIdle(w.get()));
    QCOMPARE(child<QLineEdit>(w.get(), "lePath")->text(), kBase + "rm25-2024-03.bin");
    processPosted();
    QVERIFY(pageIdle(w.get())); // no upload began
    QVERIFY(writes().isEmpty());
    QVERIFY(QDir().rmdir(kest::temporaryImagePath()));
}

void TestUpdateCheck::theUnitGetsTheCheckedBytes()
{
    // The temporary image is changed between the digest check and the upload: the unit
    // still gets the bytes that were checked.
    const QByteArray firmware = image(1000);
    offer(firmware);
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes;
    auto w = openDevicePage();
    auto *path = child<QLineEdit>(w.get(), "lePath");
    QByteArray stored;
    connect(path, &QLineEdit::textChanged, this, [&](const QString &text) {
        if (text != kest::temporaryImagePath())
            return;
        QFile file(text);
        if (file.open(QIODevice::ReadWrite)) {
            stored = file.readAll();
            file.seek(0);
            file.write(image(1200).append("swapped"));
        }
    });
    clickCheck(w.get());
    QVERIFY(imageTaken());
    QCOMPARE(stored, firmware);
    QCOMPARE(unitImage(), firmware);
    w.reset(); // the upload ends with the window, without its writing steps
    QVERIFY(!QFile::exists(kest::temporaryImagePath())); // the program's own copy goes
}

void TestUpdateCheck::emptyImageIsRefused()
{
    offer(QByteArray()); // the digest of nothing matches an empty body
    DialogCatcher dialogs;
    auto w = checkAndAccept(dialogs);
    TRY_COMPARE(dialogs.requests.size(), std::size_t(2));
    QCOMPARE(dialogs.requests[1].kind, KestMessage::Kind::Critical);
    QCOMPARE(dialogs.requests[1].text, QStringLiteral("Not a valid firmware."));
    QVERIFY(pageIdle(w.get())); // not stuck in the download display
    processPosted();
    QVERIFY(pageIdle(w.get())); // no upload began
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
    TRY_COMPARE(server.requests.size(), 2);

    QTest::mouseClick(child(w.get(), "pbUpgrade"), Qt::LeftButton);
    processPosted();
    QCOMPARE(server.requests.size(), 2); // the running download is the only one
    server.release();
    QVERIFY(imageTaken());
    QCOMPARE(server.requests.size(), 2); // a late second request would be here by now
    QCOMPARE(unitImage(), firmware);
    w.reset();
    QCOMPARE(kestsim::unit().firmwareEndCount(), uploads + 1);
}

void TestUpdateCheck::unitLostDuringTheDownload()
{
    offer(image(300));
    server.routes[kImagePath].hold = true;
    DialogCatcher dialogs;
    auto w = checkAndAccept(dialogs);
    TRY_COMPARE(server.requests.size(), 2);
    kestsim::unit().unplug();
    TRY_VERIFY(headText(w.get()).startsWith(QLatin1String("WAITING")));

    server.release();
    TRY_VERIFY(pageIdle(w.get())); // ready for another try once the unit is back
    // Deleted only once the unit has taken the image; the next download replaces it.
    QVERIFY(QFile::exists(kest::temporaryImagePath()));
    QCOMPARE(dialogs.requests.size(), std::size_t(1)); // the offer only
    kestsim::unit().plug();
    retryNow(w.get());
    TRY_COMPARE(currentPage(w.get()), 0);
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
    TRY_COMPARE(server.requests, QStringList {kImagePath});
    clickCheck(w.get());
    QCOMPARE(child<QPushButton>(w.get(), "pbAutoUpgrade")->text(), QStringLiteral("CHECK UPDATE"));
    server.release();
    // Checked against no digest at all, not against one the check would have brought.
    TRY_COMPARE(dialogs.texts(), QStringList {"Download file fail."});
    QCOMPARE(server.requests, QStringList {kImagePath});
}

void TestUpdateCheck::offerArrivingWhileAnImageIsUnderWay_data()
{
    QTest::addColumn<bool>("download"); // else an upload of a file of the user's
    QTest::newRow("a typed address being downloaded") << true;
    QTest::newRow("a file being uploaded") << false;
}

void TestUpdateCheck::offerArrivingWhileAnImageIsUnderWay()
{
    // The check is under way when the user starts an image of his own; then the check
    // finds newer firmware. The running image keeps its address, digest and version, and
    // the offer is not lost without a word.
    QFETCH(bool, download);
    const QByteArray mine = image(2000);
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes;
    auto w = openDevicePage();
    auto *path = child<QLineEdit>(w.get(), "lePath");
    auto *md5 = child<QLabel>(w.get(), "lbCurMd5");
    // An earlier check offered this image; its download came broken and was given up,
    // but a typed address of the image is checked against the offer's digest.
    server.routes[kDocumentPath] = {document(QStringLiteral("Mar 4 2024,09:30"), md5Of(mine))};
    server.routes[kImagePath] = {QByteArray("broken")};
    clickCheck(w.get());
    TRY_COMPARE(dialogs.texts(),
                (QStringList {QStringLiteral("A new firmware is available, update now?"),
                              QStringLiteral("Download file fail.")}));
    TRY_VERIFY(pageIdle(w.get()));
    dialogs.requests.clear();

    offer(image(300));
    server.routes[kDocumentPath].hold = true;
    server.routes[QStringLiteral("/upgrade/pedal/mine.bin")] = {mine};
    server.routes[QStringLiteral("/upgrade/pedal/mine.bin")].hold = true;
    server.requests.clear();
    clickCheck(w.get());
    TRY_COMPARE(server.requests, QStringList {kDocumentPath});

    QTemporaryDir dir;
    if (download) {
        path->setText(kBase + "mine.bin");
    } else {
        path->setText(writeFile(dir.filePath(QStringLiteral("mine.bin")), mine));
        kestsim::faults().setExchangeDelay(std::chrono::milliseconds(2)); // 125 reports
    }
    QTest::mouseClick(child(w.get(), "pbUpgrade"), Qt::LeftButton);
    if (download)
        TRY_COMPARE(server.requests.size(), 2);
    else // the page shows the upload, which started after the backup's reads
        TRY_VERIFY(!child(w.get(), "lbUpgrade")->isHidden());
    const QString started = path->text();

    server.release(kDocumentPath);
    // A file of the user's went after its question.
    TRY_COMPARE(dialogs.requests.size(), std::size_t(download ? 1 : 2));
    QCOMPARE(dialogs.requests.back().title, QStringLiteral("Update"));
    QCOMPARE(dialogs.requests.back().text,
             QStringLiteral("A new firmware is available. Please check again when the running "
                            "update is finished."));
    QCOMPARE(path->text(), started);
    QCOMPARE(md5->text(), "MD5: " + md5Of(mine));
    QVERIFY(child<QLabel>(w.get(), "lbCurVersion")->text().isEmpty());
    auto *check = child<QPushButton>(w.get(), "pbAutoUpgrade");
    QVERIFY(!check->isEnabled()); // until the image is through
    QCOMPARE(check->text(), QStringLiteral("CHECK UPDATE"));
    QVERIFY(!child(w.get(), "lbUpgrade")->isHidden());

    server.release();
    QVERIFY(imageTaken());
    QCOMPARE(unitImage(), mine);
}

void TestUpdateCheck::stalledDownloadSaysWhy()
{
    // A download given up at its deadline: the box, and the reason on the status line.
    using namespace std::chrono_literals;
    offer(image(100));
    server.routes[kImagePath].hold = true;
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes;
    auto w = openDevicePage();
    w->show(); // the page's status line is checked on screen
    auto *updates = w->findChild<kest::UpdateClient *>();
    QVERIFY(updates);
    updates->setDeadlines(300ms, 300ms);
    clickCheck(w.get());
    TRY_VERIFY(pageIdle(w.get()));
    auto *line = child<QLabel>(w.get(), "lbCheckStatus");
    QVERIFY(line->isVisible());
    QCOMPARE(line->text(),
             QStringLiteral("Download given up: the firmware did not arrive within 0.3 seconds."));
    QCOMPARE(dialogs.texts(),
             QStringList({"A new firmware is available, update now?", "Download file fail."}));
    QVERIFY(writes().isEmpty());
    server.release();
}

void TestUpdateCheck::temporaryImageGoesAfterAFailedUpload()
{
    offer(image(700));
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes;
    auto w = openDevicePage();
    kestsim::faults().failNextSends(1, 3); // the fourth data report
    clickCheck(w.get());
    TRY_COMPARE(dialogs.texts().size(), 2);
    QCOMPARE(dialogs.texts().last(),
             QStringLiteral("Firmware update failed: the unit did not "
                            "take the whole image. Please try again."));
    TRY_VERIFY(pageIdle(w.get()));
    TRY_VERIFY(!QFile::exists(kest::temporaryImagePath())); // as the upload ends
}

QTEST_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
