// The online update's requests, their limits, and what their answers come to.

#include "updateclient.h"

#include "diagnostics.h"
#include "firmwarechunks.h"
#include "kestconfig.h"

#include <QDebug>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

#include <optional>

namespace kest {

namespace {

// A request that has received nothing for this long is given up, so that a dead
// connection cannot leave a front waiting for good.
constexpr int kTransferTimeoutMs = 30000;

// Marks a reply given up at its deadline.
constexpr char kOverDeadline[] = "kestOverDeadline";

// How much a reply may hold unread before the network thread waits for it to be taken.
constexpr qint64 kReadBufferSize = 64 * 1024;

/// Collects a reply's body as it arrives, never more than `limit` bytes: the transfer is
/// given up as soon as the server announces a longer body or more has arrived. Lives as
/// a child of the reply.
class BoundedBody : public QObject
{
public:
    BoundedBody(QNetworkReply *reply, qint64 limit) : QObject(reply), limit(limit)
    {
        reply->setReadBufferSize(kReadBufferSize);
        connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
            bool known = false;
            const qint64 announced
                = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
            if (known && announced > this->limit)
                giveUp(reply);
        });
        connect(reply, &QIODevice::readyRead, this, [this, reply] { take(reply); });
    }

    /// The whole body, or nothing when it was longer than the limit.
    static std::optional<QByteArray> of(QNetworkReply *reply)
    {
        for (QObject *child : reply->children())
            if (auto *body = dynamic_cast<BoundedBody *>(child)) {
                body->take(reply);
                if (body->exceeded)
                    return std::nullopt;
                return body->data;
            }
        return reply->readAll();
    }

private:
    void take(QNetworkReply *reply)
    {
        if (exceeded || !reply->isOpen()) // closed: given up at its deadline
            return;
        data += reply->read(limit + 1 - data.size());
        if (data.size() > limit)
            giveUp(reply);
    }

    void giveUp(QNetworkReply *reply)
    {
        exceeded = true;
        data = QByteArray();
        reply->abort(); // finishes the reply at once
    }

    const qint64 limit;
    QByteArray data;
    bool exceeded = false;
};

bool overDeadline(const QNetworkReply *reply)
{
    return reply->property(kOverDeadline).toBool();
}

} // namespace

QString UpdateClient::defaultBase()
{
    return QStringLiteral("https://" KEST_WEB_HOST "/upgrade/pedal/");
}

UpdateClient::UpdateClient(QNetworkAccessManager &network, QObject *parent)
    : QObject(parent), network(network)
{ }

void UpdateClient::setDeadlines(std::chrono::milliseconds check, std::chrono::milliseconds download)
{
    checkDeadline = check;
    downloadDeadline = download;
}

QNetworkReply *UpdateClient::get(const QString &address, qint64 limit,
                                 std::chrono::milliseconds deadline)
{
    QNetworkRequest request(QUrl(address, QUrl::TolerantMode));
    request.setTransferTimeout(kTransferTimeoutMs);
    // A redirect may move within the update server, never to another host, port or
    // scheme (plain http included). Certificate errors are never ignored.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::SameOriginRedirectPolicy);
    QNetworkReply *reply = network.get(request);
    new BoundedBody(reply, limit);
    auto *timer = new QTimer(reply);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, reply, [reply] {
        reply->setProperty(kOverDeadline, true);
        reply->abort(); // finishes the reply at once
    });
    timer->start(deadline);
    return reply;
}

QString UpdateClient::durationText(std::chrono::milliseconds time)
{
    const auto ms = time.count();
    if (ms == 60000)
        return tr("a minute");
    if (ms % 60000 == 0)
        return tr("%1 minutes").arg(ms / 60000);
    return tr("%1 seconds").arg(double(ms) / 1000.0);
}

QString UpdateClient::whyNoDocument(const QNetworkReply *reply, bool bodyTaken) const
{
    if (overDeadline(reply))
        return tr("Update check failed: the update server did not answer in %1.")
            .arg(durationText(checkDeadline));
    const int error = reply->error(); // 1-199: the connection or the proxy failed
    if (bodyTaken && error > 0 && error < 200)
        return tr("Update check failed: the update server could not be reached.");
    return tr("Update check failed: the update server's answer could not be read.");
}

QNetworkReply *UpdateClient::check(const QString &baseUrl)
{
    if (checking())
        return nullptr;
    checkBase = baseUrl;
    versionCheck
        = get(baseUrl + QStringLiteral("version.json"), VERSION_DOCUMENT_MAX_SIZE, checkDeadline);
    return versionCheck;
}

void UpdateClient::checkFinished(QNetworkReply *reply, const QString &unitVersion)
{
    if (!reply)
        return;
    reply->deleteLater();
    if (reply == versionCheck)
        versionCheck = nullptr;
    CheckResult result;
    // A document too long to be one is as unreadable as a broken one.
    const auto body = BoundedBody::of(reply);
    const auto document = body ? parseVersionDocument(*body) : std::nullopt;
    if (!document) {
        result.message = whyNoDocument(reply, body.has_value());
        Q_EMIT checked(result);
        return;
    }
    qCDebug(kest::lcDiagnostics) << document->object;
    if (!unitVersion.isEmpty())
        qCDebug(kest::lcDiagnostics).noquote()
            << QStringLiteral("Firmware Version:\t") + unitVersion;

    result.end = UpdateEnd::Done;
    result.newest = {document->version, checkBase + document->name, document->md5};
    result.verdict = compareFirmware(unitVersion, document->version);
    switch (result.verdict) {
    case UpdateVerdict::NoValidDevice:
        result.message = tr("No valid device.");
        break;
    case UpdateVerdict::UpToDate:
        result.message = tr("Your firmware is already up to date.");
        break;
    case UpdateVerdict::UpdateAvailable:
        result.message = tr("A new firmware is available: %1 (the unit has %2)")
                             .arg(document->version, unitVersion);
        break;
    }
    Q_EMIT checked(result);
}

QNetworkReply *UpdateClient::download(const QString &address, const QString &digest)
{
    if (downloading())
        return nullptr;
    if (!address.startsWith(QLatin1String("https://"))) {
        DownloadResult refused;
        refused.end = UpdateEnd::Refused;
        Q_EMIT downloaded(refused);
        return nullptr;
    }
    expectedDigest = digest;
    // No image is larger: a longer body is given up as it arrives, not held in memory.
    transfer = get(address, FIRMWARE_MAX_SIZE, downloadDeadline);
    return transfer;
}

void UpdateClient::downloadProgress(qint64 received, qint64 total)
{
    // No percent for a total of 0 bytes.
    if (const auto percent = downloadPercent(received, total))
        Q_EMIT progress(*percent);
}

void UpdateClient::downloadFinished(QNetworkReply *reply)
{
    if (!reply)
        return;
    reply->deleteLater();
    if (reply == transfer)
        transfer = nullptr;
    DownloadResult result;
    // Only the body counts: after a failure it is empty or an error page, whose digest
    // does not match; a body longer than any image was given up on its way.
    const auto image = BoundedBody::of(reply);
    if (!image || !digestMatches(*image, expectedDigest)) {
        result.message = tr("Download file fail.");
        if (overDeadline(reply))
            result.reason = tr("Download given up: the firmware did not arrive within %1.")
                                .arg(durationText(downloadDeadline));
        Q_EMIT downloaded(result);
        return;
    }
    const QString path = temporaryImagePath();
    if (!writeTemporaryImage(path, *image)) {
        result.message = tr("Can not write to temp.");
        Q_EMIT downloaded(result);
        return;
    }
    result.end = UpdateEnd::Done;
    result.path = path;
    result.image = *image;
    Q_EMIT downloaded(result);
}

} // namespace kest
