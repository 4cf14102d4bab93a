// The update client without a window: what it asks the update server, what it takes
// from the answers (and what it gives up), and where a checked image is stored, against
// a local stand-in for the server.

#include "firmwarechunks.h"
#include "kestconfig.h"
#include "testsupport.h"
#include "updateclient.h"
#include "updateserver.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTemporaryDir>

#include <memory>
#include <optional>

using kest::UpdateEnd;
using kest::UpdateVerdict;
using namespace testsupport;

Q_DECLARE_METATYPE(kest::UpdateEnd)

namespace {

const QString kBase = QStringLiteral("https://" KEST_WEB_HOST "/upgrade/pedal/");
const QString kDocumentPath = QStringLiteral("/upgrade/pedal/version.json");
const QString kImagePath = QStringLiteral("/upgrade/pedal/rm25-2024-03.bin");
const QString kImageAddress = kBase + QStringLiteral("rm25-2024-03.bin");
const QString kUnitVersion = QStringLiteral("Jan  9 2024,16:05"); // the day padded
const QString kTls = QStringLiteral(KEST_TEST_DATA "/tls/");
const QString kUnreadable
    = QStringLiteral("Update check failed: the update server's answer could not be read.");
const QString kUnreached
    = QStringLiteral("Update check failed: the update server could not be reached.");

QByteArray image(int size)
{
    QByteArray data(size, 0);
    for (int i = 0; i < size; ++i)
        data[i] = char(i * 7 + 3);
    return data;
}

QByteArray md5Of(const QByteArray &data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Md5).toHex();
}

QByteArray document(const QByteArray &version, const QByteArray &md5)
{
    return "{\"version\":\"" + version + "\",\"name\":\"rm25-2024-03.bin\",\"md5\":\"" + md5
        + "\"}";
}

} // namespace

class TestUpdateClient : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void checkEnds_data();
    void checkEnds();
    void downloadEnds_data();
    void downloadEnds();
    void onlyHttpsIsDownloaded();
    void oversizedAnswersAreGivenUpEarly_data();
    void oversizedAnswersAreGivenUpEarly();
    void redirectsStayOnTheServer_data();
    void redirectsStayOnTheServer();
    void certificateErrorsAreNeverIgnored_data();
    void certificateErrorsAreNeverIgnored();
    void deadlinesEndAStalledTransfer();
    void temporaryImageIsNeverWrittenThrough_data();
    void temporaryImageIsNeverWrittenThrough();

private:
    /// Runs a check to its end, as a front does: the reply handed back when it finishes.
    kest::CheckResult check();
    /// Downloads the offered image, checked against `firmware`'s digest.
    kest::DownloadResult download(const QByteArray &firmware);
    /// Offers `firmware` as newer than the unit's, at kImagePath.
    void offer(const QByteArray &firmware);

    UpdateServer server;
    QTemporaryDir tmp;
    std::optional<QNetworkAccessManager> network {std::in_place};
    std::unique_ptr<kest::UpdateClient> client;
    QList<int> percents; ///< the download's progress values
};

void TestUpdateClient::initTestCase()
{
    if (QStringLiteral(KEST_WEB_HOST) != QLatin1String("www.kestlabs.com"))
        QSKIP("the test certificate is made out to www.kestlabs.com");
    if (!QSslSocket::supportsSsl())
        QSKIP("no TLS backend");
    QVERIFY(server.start(kTls + "server.crt", kTls + "server.key"));
    QVERIFY(tmp.isValid());
    qputenv("TMPDIR", QFile::encodeName(tmp.path()));
}

void TestUpdateClient::init()
{
    server.reset();
    QFile::remove(kest::temporaryImagePath());
    percents.clear();
    client = std::make_unique<kest::UpdateClient>(*network);
    connect(client.get(), &kest::UpdateClient::progress, this,
            [this](int percent) { percents << percent; });
}

void TestUpdateClient::cleanupTestCase()
{
    // The network library's thread is detached: it still lets go of its TLS state after
    // the manager has waited for it, while the process's exit frees that library's locks.
    // The test ends only once the thread is gone.
    client.reset();
    network.reset();
    const auto networkThreads = [] {
        int n = 0;
        const QDir tasks(QStringLiteral("/proc/self/task"));
        for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile comm(tasks.filePath(task + QStringLiteral("/comm")));
            n += comm.open(QIODevice::ReadOnly) && comm.readAll().startsWith("QNetworkAccess");
        }
        return n;
    };
    QTRY_COMPARE(networkThreads(), 0);
}

kest::CheckResult TestUpdateClient::check()
{
    std::optional<kest::CheckResult> result;
    connect(client.get(), &kest::UpdateClient::checked, this,
            [&result](const kest::CheckResult &r) { result = r; });
    QNetworkReply *reply = client->check(kBase);
    connect(reply, &QNetworkReply::finished, client.get(),
            [this, reply] { client->checkFinished(reply, kUnitVersion); });
    waitFor([&result] { return result.has_value(); }, 10000);
    disconnect(client.get(), &kest::UpdateClient::checked, this, nullptr);
    kest::CheckResult never;
    never.message = QStringLiteral("(the check did not end)");
    return result.value_or(never);
}

kest::DownloadResult TestUpdateClient::download(const QByteArray &firmware)
{
    std::optional<kest::DownloadResult> result;
    connect(client.get(), &kest::UpdateClient::downloaded, this,
            [&result](const kest::DownloadResult &r) { result = r; });
    QNetworkReply *reply = client->download(kImageAddress, "MD5: " + md5Of(firmware));
    if (reply) {
        connect(reply, &QNetworkReply::downloadProgress, client.get(),
                &kest::UpdateClient::downloadProgress);
        connect(reply, &QNetworkReply::finished, client.get(),
                [this, reply] { client->downloadFinished(reply); });
    }
    waitFor([&result] { return result.has_value(); }, 10000);
    disconnect(client.get(), &kest::UpdateClient::downloaded, this, nullptr);
    kest::DownloadResult never;
    never.message = QStringLiteral("(the download did not end)");
    return result.value_or(never);
}

void TestUpdateClient::offer(const QByteArray &firmware)
{
    server.routes[kDocumentPath] = {document("Mar 4 2024,09:30", md5Of(firmware))};
    server.routes[kImagePath] = {firmware};
}

void TestUpdateClient::checkEnds_data()
{
    QTest::addColumn<QByteArray>("body"); // empty: the connection is dropped
    QTest::addColumn<int>("status");
    QTest::addColumn<UpdateEnd>("end");
    QTest::addColumn<QString>("message");

    QTest::newRow("newer firmware")
        << document("Mar 4 2024,09:30", "0123456789ABCDEF0123456789abcdef") << 200
        << UpdateEnd::Done
        << "A new firmware is available: Mar 4 2024,09:30 (the unit has Jan  9 2024,16:05)";
    QTest::newRow("document is an array") << QByteArray(R"([{"version":"Jan 9 2024,16:06"}])")
                                          << 200 << UpdateEnd::Failed << kUnreadable;
    QTest::newRow("server error page")
        << QByteArray("<html>Server Error</html>") << 500 << UpdateEnd::Failed << kUnreadable;
    QTest::newRow("connection dropped") << QByteArray() << 0 << UpdateEnd::Failed << kUnreached;
}

void TestUpdateClient::checkEnds()
{
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    QFETCH(UpdateEnd, end);
    QFETCH(QString, message);
    UpdateServer::Route route {body, status};
    route.drop = body.isEmpty();
    server.routes[kDocumentPath] = route;

    const kest::CheckResult result = check();
    QCOMPARE(result.end, end);
    QCOMPARE(result.message, message);
    if (end == UpdateEnd::Done) {
        QCOMPARE(result.verdict, UpdateVerdict::UpdateAvailable);
        QCOMPARE(result.newest.version, QStringLiteral("Mar 4 2024,09:30"));
        QCOMPARE(result.newest.address, kImageAddress);
        QCOMPARE(result.newest.md5, QStringLiteral("0123456789ABCDEF0123456789abcdef"));
    }
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
    QVERIFY(!client->checking());
}

void TestUpdateClient::downloadEnds_data()
{
    QTest::addColumn<QByteArray>("served"); // empty: the connection is dropped
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("withLength");
    QTest::addColumn<bool>("good");
    QTest::newRow("the image") << image(2 * 4096 + 40) << 200 << true << true;
    QTest::newRow("the image, no length given") << image(3000) << 200 << false << true;
    QTest::newRow("another image") << image(100).append('x') << 200 << true << false;
    QTest::newRow("image missing on the server")
        << QByteArray("<html>404</html>") << 404 << true << false;
    QTest::newRow("connection dropped") << QByteArray() << 0 << true << false;
}

void TestUpdateClient::downloadEnds()
{
    QFETCH(QByteArray, served);
    QFETCH(int, status);
    QFETCH(bool, withLength);
    QFETCH(bool, good);
    UpdateServer::Route route {served, status};
    route.drop = served.isEmpty();
    route.withLength = withLength;
    server.routes[kImagePath] = route;
    const QByteArray firmware = good ? served : image(100);

    const kest::DownloadResult result = download(firmware);
    QVERIFY(!client->downloading());
    const QString path = kest::temporaryImagePath();
    if (!good) {
        QCOMPARE(result.end, UpdateEnd::Failed);
        QCOMPARE(result.message, QStringLiteral("Download file fail."));
        QVERIFY(result.reason.isEmpty());
        QVERIFY(!QFile::exists(path));
        return;
    }
    QCOMPARE(result.end, UpdateEnd::Done);
    QCOMPARE(result.image, firmware);
    QCOMPARE(result.path, path);
    QFile stored(path);
    QVERIFY(stored.open(QIODevice::ReadOnly));
    QCOMPARE(stored.readAll(), firmware);
    // only its owner can read or change the file
    QCOMPARE(stored.permissions() & ~(QFile::ReadUser | QFile::WriteUser),
             QFile::ReadOwner | QFile::WriteOwner);
    QVERIFY(!percents.isEmpty());
    if (withLength)
        QCOMPARE(percents.last(), 100);
}

void TestUpdateClient::onlyHttpsIsDownloaded()
{
    std::optional<kest::DownloadResult> result;
    connect(client.get(), &kest::UpdateClient::downloaded, this,
            [&result](const kest::DownloadResult &r) { result = r; });
    // The scheme is taken as written: in capitals it is no address.
    for (const char *address : {"http://" KEST_WEB_HOST "/upgrade/pedal/rm25-2024-03.bin",
                                "HTTPS://" KEST_WEB_HOST "/upgrade/pedal/rm25-2024-03.bin"}) {
        result.reset();
        QVERIFY(!client->download(QString::fromLatin1(address), QString()));
        QVERIFY(result); // at once
        QCOMPARE(result->end, UpdateEnd::Refused);
        QVERIFY(!client->downloading());
    }
    processPosted();
    QVERIFY(server.tunnels.isEmpty());
}

void TestUpdateClient::oversizedAnswersAreGivenUpEarly_data()
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

void TestUpdateClient::oversizedAnswersAreGivenUpEarly()
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
    if (document) {
        const kest::CheckResult result = check();
        QCOMPARE(result.end, UpdateEnd::Failed);
        QCOMPARE(result.message, kUnreadable); // as unreadable as a broken document
    } else {
        const kest::DownloadResult result = download(firmware);
        QCOMPARE(result.end, UpdateEnd::Failed);
        QCOMPARE(result.message, QStringLiteral("Download file fail."));
        QVERIFY(!QFile::exists(kest::temporaryImagePath()));
    }
    // Given up long before the end: at most what was under way when the limit passed,
    // which on loopback includes the kernel's socket buffers of both ends (several MiB
    // when the machine is busy and the client reads late).
    const qint64 sent = server.streamed.value(document ? kDocumentPath : kImagePath);
    QVERIFY2(size < (qint64(1) << 20) || sent < size / 4, qPrintable(QString::number(sent)));
}

void TestUpdateClient::redirectsStayOnTheServer_data()
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
    QTest::newRow("document, elsewhere on the server")
        << true << "https://" KEST_WEB_HOST + doc << true;
    QTest::newRow("document, another host") << true << "https://mirror.example.net" + doc << false;
    QTest::newRow("document, plain http") << true << "http://" KEST_WEB_HOST + doc << false;
}

void TestUpdateClient::redirectsStayOnTheServer()
{
    QFETCH(bool, document);
    QFETCH(QByteArray, location);
    QFETCH(bool, followed);
    const QByteArray firmware = image(400);
    offer(firmware);
    const QString asked = document ? kDocumentPath : kImagePath;
    // Wherever the client goes, it finds what it asked for.
    const QString moved = QString::fromLatin1(location.mid(location.indexOf("/upgrade/")));
    server.routes[moved] = server.routes[asked];
    UpdateServer::Route redirect {"", 302};
    redirect.location = location;
    server.routes[asked] = redirect;

    const UpdateEnd end = document ? check().end : download(firmware).end;
    QCOMPARE(end, followed ? UpdateEnd::Done : UpdateEnd::Failed);
    QCOMPARE(server.requests, followed ? QStringList({asked, moved}) : QStringList {asked});
    for (const QString &tunnel : std::as_const(server.tunnels))
        QCOMPARE(tunnel, QStringLiteral(KEST_WEB_HOST ":443"));
}

void TestUpdateClient::certificateErrorsAreNeverIgnored_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("trusted");
    QTest::newRow("made out to another host") << "other-name" << true;
    QTest::newRow("from an issuer nobody trusts") << "untrusted" << false;
}

void TestUpdateClient::certificateErrorsAreNeverIgnored()
{
    QFETCH(QString, name);
    QFETCH(bool, trusted);
    QVERIFY(server.useCertificate(kTls + name + ".crt", kTls + name + ".key", trusted));
    offer(image(100));
    const kest::CheckResult result = check();
    QCOMPARE(result.end, UpdateEnd::Failed);
    QCOMPARE(result.message, kUnreached);
    QVERIFY(!server.tunnels.isEmpty());
    QVERIFY(server.requests.isEmpty()); // nothing was asked over that connection
}

void TestUpdateClient::deadlinesEndAStalledTransfer()
{
    // A server that never finishes (held here; one byte every 20 s did the same to the
    // idle timeout): the client does not wait for ever, and says how long it waited.
    using namespace std::chrono_literals;
    const QByteArray firmware = image(100);
    offer(firmware);
    server.routes[kDocumentPath].hold = true;
    server.routes[kImagePath].hold = true;
    client->setDeadlines(300ms, 400ms);

    const kest::CheckResult checked = check();
    QCOMPARE(checked.end, UpdateEnd::Failed);
    QCOMPARE(checked.message,
             QStringLiteral("Update check failed: the update server did not answer in 0.3 "
                            "seconds."));
    const kest::DownloadResult downloaded = download(firmware);
    QCOMPARE(downloaded.end, UpdateEnd::Failed);
    QCOMPARE(downloaded.message, QStringLiteral("Download file fail."));
    QCOMPARE(downloaded.reason,
             QStringLiteral("Download given up: the firmware did not arrive within 0.4 "
                            "seconds."));
    QVERIFY(!QFile::exists(kest::temporaryImagePath()));
    server.release();
}

void TestUpdateClient::temporaryImageIsNeverWrittenThrough_data()
{
    QTest::addColumn<QString>("found"); // what lies at the temporary image's name
    QTest::newRow("a stale image of ours") << "file";
    QTest::newRow("a link to a file") << "link";
    QTest::newRow("a link to no file") << "dangling";
}

void TestUpdateClient::temporaryImageIsNeverWrittenThrough()
{
    QFETCH(QString, found);
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

    const kest::DownloadResult result = download(firmware);
    if (found == QLatin1String("file")) {
        QCOMPARE(result.end, UpdateEnd::Done);
        QFile stored(path);
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QCOMPARE(stored.readAll(), firmware);
        return;
    }
    QCOMPARE(result.end, UpdateEnd::Failed);
    QCOMPARE(result.message, QStringLiteral("Can not write to temp."));
    // The link's target keeps what it held (or still does not exist).
    if (found == QLatin1String("link")) {
        QFile kept(target);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("the user's own file"));
    } else {
        QVERIFY(!QFileInfo::exists(target));
    }
    QVERIFY(QFileInfo(path).isSymLink());
    QVERIFY(QFile::remove(path));
}

QTEST_GUILESS_MAIN(TestUpdateClient)
#include "tst_updateclient.moc"
