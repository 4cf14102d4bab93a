// "CHECK UPDATE" and the firmware download, from the click to the image in the simulated
// unit, against a local stand-in for the update server.

#include "firmwarechunks.h"
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

#include <utility>

using namespace testsupport;

namespace {

const QString kBase = QStringLiteral("https://" KEST_WEB_HOST "/upgrade/pedal/");
const QString kDocumentPath = QStringLiteral("/upgrade/pedal/version.json");
const QString kImagePath = QStringLiteral("/upgrade/pedal/rm25-2024-03.bin");
const char kUnitVersion[] = "Jan  9 2024,16:05"; // as units send it: the day padded
const QString kTls = QStringLiteral(KEST_TEST_DATA "/tls/");

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
    void downloadOfUnknownSize();
    void wrongImageIsNeverWritten_data();
    void wrongImageIsNeverWritten();
    void typedAddressNeedsAMatchingDigest();
    void temporaryFileNotWritable();
    void temporaryImageIsNeverWrittenThrough_data();
    void temporaryImageIsNeverWrittenThrough();
    void theUnitGetsTheCheckedBytes();
    void emptyImageIsRefused();
    void oversizedAnswersAreGivenUpEarly_data();
    void oversizedAnswersAreGivenUpEarly();
    void redirectsStayOnTheServer_data();
    void redirectsStayOnTheServer();
    void certificateErrorsAreNeverIgnored_data();
    void certificateErrorsAreNeverIgnored();
    void secondManualUpdateDuringADownload();
    void unitLostDuringTheDownload();
    void noCheckWhileAnImageIsUnderWay();
    void offerArrivingWhileAnImageIsUnderWay_data();
    void offerArrivingWhileAnImageIsUnderWay();
    void deadlinesEndAStalledTransfer_data();
    void deadlinesEndAStalledTransfer();
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
    QTest::addColumn<QByteArray>("body"); // empty: the connection is dropped
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // empty: back to idle without a box
    QTest::addColumn<QString>("statusLine"); // the page's own line; empty: none

    const QString unit = QString::fromLatin1(kUnitVersion);
    const QString unreadable = "Update check failed: the update server's answer could not be read.";
    QTest::newRow("same version, the unit's day padded")
        << unit << document("Jan 9 2024,16:05") << 200 << "Your firmware is already up to date."
        << "";
    QTest::newRow("server version missing")
        << unit << QByteArray(R"({"name":"x.bin"})") << 200 << "No valid device."
        << "";
    QTest::newRow("unit version is not a date")
        << "V1.2.0" << document("Jan 9 2024,16:06") << 200 << "No valid device."
        << "";
    QTest::newRow("document is an array")
        << unit << QByteArray(R"([{"version":"Jan 9 2024,16:06"}])") << 200 << "" << unreadable;
    QTest::newRow("server error page")
        << unit << QByteArray("<html>Server Error</html>") << 500 << "" << unreadable;
    QTest::newRow("connection dropped")
        << unit << QByteArray() << 0 << ""
        << "Update check failed: the update server could not be reached.";
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
    UpdateServer::Route route {body, status};
    route.drop = body.isEmpty();
    server.routes[kDocumentPath] = route;

    DialogCatcher dialogs;
    auto w = openDevicePage();
    w->show(); // the page's status line is checked on screen
    clickCheck(w.get());
    TRY_VERIFY(pageIdle(w.get()));
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

void TestUpdateCheck::downloadOfUnknownSize()
{
    const QByteArray firmware = image(3000);
    offer(firmware);
    server.routes[kImagePath].withLength = false;
    DialogCatcher dialogs;
    auto w = checkAndAccept(dialogs);
    QVERIFY(imageTaken());
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

void TestUpdateCheck::temporaryImageIsNeverWrittenThrough_data()
{
    QTest::addColumn<QString>("found"); // what lies at the temporary image's name
    QTest::addColumn<bool>("uploaded");
    QTest::newRow("a stale image of ours") << "file" << true;
    QTest::newRow("a link to a file") << "link" << false;
    QTest::newRow("a link to no file") << "dangling" << false;
}

void TestUpdateCheck::temporaryImageIsNeverWrittenThrough()
{
    QFETCH(QString, found);
    QFETCH(bool, uploaded);
    const QByteArray firmware = image(300);
    offer(firmware);
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("victim.bin"));
    const QString path = kest::temporaryImagePath();
    if (found == QLatin1String("file")) {
        writeFile(path, "an image of an earlier run");
    } else {
        if (found == QLatin1String("link"))
            writeFile(target, "the user's own file");
        QVERIFY(QFile::link(target, path));
    }
    DialogCatcher dialogs;
    auto w = checkAndAccept(dialogs);
    if (uploaded) {
        QVERIFY(imageTaken());
        QCOMPARE(unitImage(), firmware);
        return;
    }
    TRY_COMPARE(dialogs.requests.size(), std::size_t(2));
    QCOMPARE(dialogs.requests[1].text, QStringLiteral("Can not write to temp."));
    QVERIFY(pageIdle(w.get()));
    // The link's target keeps what it held (or still does not exist), and nothing went
    // to the unit.
    if (found == QLatin1String("link")) {
        QFile kept(target);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("the user's own file"));
    } else {
        QVERIFY(!QFileInfo::exists(target));
    }
    QVERIFY(QFileInfo(path).isSymLink());
    processPosted();
    QVERIFY(pageIdle(w.get())); // no upload began
    QVERIFY(writes().isEmpty());
    QVERIFY(QFile::remove(path));
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
    QFile::Permissions permissions;
    QByteArray stored;
    connect(path, &QLineEdit::textChanged, this, [&](const QString &text) {
        if (text != kest::temporaryImagePath())
            return;
        permissions = QFile(text).permissions();
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
    // only its owner can read or change the file
    QCOMPARE(permissions & ~(QFile::ReadUser | QFile::WriteUser),
             QFile::ReadOwner | QFile::WriteOwner);
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

void TestUpdateCheck::oversizedAnswersAreGivenUpEarly_data()
{
    QTest::addColumn<bool>("document"); // else the image
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("withLength");
    const qint64 huge = qint64(64) << 20;
    QTest::newRow("image one byte too large") << false << kest::FIRMWARE_MAX_SIZE + 1 << true;
    QTest::newRow("image of 64 MiB") << false << huge << true;
    QTest::newRow("image of 64 MiB, no length given") << false << huge << false;
    QTest::newRow("document of 64 MiB") << true << huge << true;
    QTest::newRow("document of 64 MiB, no length given") << true << huge << false;
}

void TestUpdateCheck::oversizedAnswersAreGivenUpEarly()
{
    QFETCH(bool, document);
    QFETCH(qint64, size);
    QFETCH(bool, withLength);
    // A body made of blanks and then a valid answer, so that only its length is wrong.
    const QByteArray firmware = image(100);
    offer(firmware);
    UpdateServer::Route &route = server.routes[document ? kDocumentPath : kImagePath];
    route.padding = size - route.body.size();
    route.withLength = withLength;
    DialogCatcher dialogs;
    auto w = checkAndAccept(dialogs);
    TRY_VERIFY(pageIdle(w.get()));
    if (document) {
        QVERIFY(dialogs.requests.empty()); // as unreadable as a broken document
    } else {
        QCOMPARE(dialogs.texts(),
                 QStringList({"A new firmware is available, update now?", "Download file fail."}));
        QVERIFY(!QFile::exists(kest::temporaryImagePath()));
    }
    // Given up long before the end: at most what was under way when the limit passed.
    const qint64 sent = server.streamed.value(document ? kDocumentPath : kImagePath);
    QVERIFY2(size < (qint64(1) << 20) || sent < size / 8, qPrintable(QString::number(sent)));
    processPosted();
    QVERIFY(pageIdle(w.get())); // no upload began
    QVERIFY(writes().isEmpty());
}

void TestUpdateCheck::redirectsStayOnTheServer_data()
{
    QTest::addColumn<bool>("document"); // else the image is moved
    QTest::addColumn<QByteArray>("location");
    QTest::addColumn<bool>("followed");
    const QByteArray image = "/upgrade/pedal/moved.bin";
    const QByteArray doc = "/upgrade/pedal/moved.json";
    QTest::newRow("image, elsewhere on the server")
        << false << "https://" KEST_WEB_HOST + image << true;
    QTest::newRow("image, another host") << false << "https://mirror.example.net" + image << false;
    QTest::newRow("image, another port")
        << false << "https://" KEST_WEB_HOST ":8443" + image << false;
    QTest::newRow("image, plain http") << false << "http://" KEST_WEB_HOST + image << false;
    QTest::newRow("document, another host") << true << "https://mirror.example.net" + doc << false;
    QTest::newRow("document, plain http") << true << "http://" KEST_WEB_HOST + doc << false;
}

void TestUpdateCheck::redirectsStayOnTheServer()
{
    QFETCH(bool, document);
    QFETCH(QByteArray, location);
    QFETCH(bool, followed);
    const QByteArray firmware = image(400);
    offer(firmware);
    // Wherever the client goes, it finds what it asked for.
    const QString moved = QString::fromLatin1(location.mid(location.indexOf("/upgrade/")));
    server.routes[moved] = server.routes[document ? kDocumentPath : kImagePath];
    UpdateServer::Route redirect {"", 302};
    redirect.location = location;
    server.routes[document ? kDocumentPath : kImagePath] = redirect;
    DialogCatcher dialogs;
    auto w = checkAndAccept(dialogs);
    if (followed) {
        QVERIFY(imageTaken());
        QCOMPARE(unitImage(), firmware);
        QCOMPARE(server.requests, QStringList({kDocumentPath, kImagePath, moved}));
        return;
    }
    TRY_VERIFY(pageIdle(w.get())); // the answer ended: no request followed it
    QCOMPARE(server.requests,
             document ? QStringList {kDocumentPath} : QStringList({kDocumentPath, kImagePath}));
    for (const QString &tunnel : std::as_const(server.tunnels))
        QCOMPARE(tunnel, QStringLiteral(KEST_WEB_HOST ":443"));
    QCOMPARE(dialogs.texts(),
             document ? QStringList()
                      : QStringList(
                          {"A new firmware is available, update now?", "Download file fail."}));
    QVERIFY(writes().isEmpty());
}

void TestUpdateCheck::certificateErrorsAreNeverIgnored_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("trusted");
    QTest::newRow("made out to another host") << "other-name" << true;
    QTest::newRow("from an issuer nobody trusts") << "untrusted" << false;
}

void TestUpdateCheck::certificateErrorsAreNeverIgnored()
{
    QFETCH(QString, name);
    QFETCH(bool, trusted);
    QVERIFY(server.useCertificate(kTls + name + ".crt", kTls + name + ".key", trusted));
    offer(image(100));
    DialogCatcher dialogs;
    auto w = checkAndAccept(dialogs);
    TRY_VERIFY(!server.tunnels.isEmpty());
    TRY_VERIFY(pageIdle(w.get())); // as after a network failure
    QVERIFY(server.requests.isEmpty()); // nothing was asked over that connection
    QVERIFY(dialogs.requests.empty());
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

void TestUpdateCheck::deadlinesEndAStalledTransfer_data()
{
    QTest::addColumn<bool>("download"); // else the update check
    QTest::newRow("update check") << false;
    QTest::newRow("download") << true;
}

void TestUpdateCheck::deadlinesEndAStalledTransfer()
{
    // A server that never finishes (held here; one byte every 20 s did the same to the
    // idle timeout): the page does not wait for ever.
    using namespace std::chrono_literals;
    QFETCH(bool, download);
    offer(image(100));
    server.routes[download ? kImagePath : kDocumentPath].hold = true;
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
    if (download) {
        QCOMPARE(line->text(),
                 QStringLiteral("Download given up: the firmware did not arrive within 0.3 "
                                "seconds."));
        QCOMPARE(dialogs.texts(),
                 QStringList({"A new firmware is available, update now?", "Download file fail."}));
    } else {
        QCOMPARE(line->text(),
                 QStringLiteral("Update check failed: the update server did not answer in "
                                "0.3 seconds."));
        QVERIFY(dialogs.requests.empty());
    }
    QVERIFY(writes().isEmpty());
    QVERIFY(!QFile::exists(kest::temporaryImagePath()));
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
