// The online update check ("CHECK UPDATE") and the firmware download that follows an
// accepted offer, or a "MANUAL UPDATE" of an https:// address.

#include "updatecheck.h"

#include "kestunit.h"

#include "firmwarechunks.h"
#include "firmwareupdate.h"
#include "kestmessage.h"
#include "kestupgrade.h"

#include <QDebug>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <optional>

namespace {

// A request that has received nothing for this long is given up, so that a dead
// connection cannot leave the page disabled for good.
constexpr int kTransferTimeoutMs = 30000;

// Marks a reply given up at its deadline.
constexpr char kOverDeadline[] = "kestOverDeadline";

// How long a failed check's line stays.
constexpr int kStatusMs = 8000;

// How much a reply may hold unread before the network thread waits for it to be taken.
constexpr qint64 kReadBufferSize = 64 * 1024;

QNetworkRequest updateRequest(const QString &address)
{
    QNetworkRequest request(QUrl(address, QUrl::TolerantMode));
    request.setTransferTimeout(kTransferTimeoutMs);
    // A redirect may move within the update server, never to another host, port or
    // scheme (plain http included). Certificate errors are never ignored.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::SameOriginRedirectPolicy);
    return request;
}

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
        if (exceeded)
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

} // namespace

UpdateCheck::UpdateCheck(const Widgets &widgets, const kest::KestUnit &unit,
                         QNetworkAccessManager &network, const QString &baseUrl,
                         const KestUpgrade &upload, QObject *parent)
    : QObject(parent), w(widgets), unit(unit), network(network), baseUrl(baseUrl), upload(upload)
{
    // An addition to the form, under the progress bar.
    status = new QLabel(w.page);
    status->setObjectName(QStringLiteral("lbCheckStatus"));
    status->setGeometry(200, 140, 461, 21);
    status->setStyleSheet(QStringLiteral("color: rgb(200, 200, 200); font-size: 13px;"));
    status->hide();
    statusTimer.setParent(this);
    statusTimer.setSingleShot(true);
    statusTimer.setInterval(kStatusMs);
    connect(&statusTimer, &QTimer::timeout, status, &QLabel::hide);
}

void UpdateCheck::setDeadlines(std::chrono::milliseconds check, std::chrono::milliseconds download)
{
    checkDeadline = check;
    downloadDeadline = download;
}

void UpdateCheck::limitTime(QNetworkReply *reply, std::chrono::milliseconds deadline)
{
    auto *timer = new QTimer(reply);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, reply, [reply] {
        reply->setProperty(kOverDeadline, true);
        reply->abort(); // finishes the reply at once
    });
    timer->start(deadline);
}

bool UpdateCheck::overDeadline(const QNetworkReply *reply)
{
    return reply->property(kOverDeadline).toBool();
}

QString UpdateCheck::durationText(std::chrono::milliseconds time)
{
    const auto ms = time.count();
    if (ms == 60000)
        return tr("a minute");
    if (ms % 60000 == 0)
        return tr("%1 minutes").arg(ms / 60000);
    return tr("%1 seconds").arg(double(ms) / 1000.0);
}

bool UpdateCheck::imageUnderWay() const
{
    return downloading() || upload.isRunning();
}

void UpdateCheck::start()
{
    // While an image is on its way (a typed address being downloaded, or an upload) the
    // button is disabled: an accepted offer could not be carried out then.
    if (checking() || imageUnderWay())
        return;
    QNetworkReply *reply = network.get(updateRequest(baseUrl + QStringLiteral("version.json")));
    versionCheck = reply;
    new BoundedBody(reply, kest::VERSION_DOCUMENT_MAX_SIZE);
    limitTime(reply, checkDeadline);
    w.check->setEnabled(false);
    w.check->setText(tr("Checking ..."));
    status->hide();
    Q_EMIT checkStarted(reply);
}

void UpdateCheck::showStatus(const QString &text)
{
    status->setText(text);
    status->show();
    statusTimer.start();
}

void UpdateCheck::checkFinished(QNetworkReply *reply)
{
    if (!reply)
        return;
    reply->deleteLater();
    if (reply == versionCheck)
        versionCheck = nullptr;
    // A document too long to be one is as unreadable as a broken one.
    const auto body = BoundedBody::of(reply);
    const auto document = body ? kest::parseVersionDocument(*body) : std::nullopt;
    if (!document) {
        // Without a word the button looked broken: it came back in half a second.
        const int error = reply->error(); // 1-199: the connection or the proxy failed
        if (overDeadline(reply))
            showStatus(tr("Update check failed: the update server did not answer in %1.")
                           .arg(durationText(checkDeadline)));
        else
            showStatus(body && error > 0 && error < 200
                           ? tr("Update check failed: the update server could not be reached.")
                           : tr("Update check failed: the update server's answer could not "
                                "be read."));
        Q_EMIT ended();
        return;
    }
    qDebug() << document->object;

    const QString unitVersion = unit.firmwareVersion();
    if (!unitVersion.isEmpty())
        qDebug().noquote() << QStringLiteral("Firmware Version:\t") + unitVersion;
    switch (kest::compareFirmware(unitVersion, document->version)) {
    case kest::UpdateVerdict::NoValidDevice:
        KestMessage::information(w.boxParent, tr("Update"), tr("No valid device."));
        Q_EMIT ended();
        return;
    case kest::UpdateVerdict::UpToDate:
        KestMessage::information(w.boxParent, tr("Update"),
                                 tr("Your firmware is already up to date."));
        Q_EMIT ended();
        return;
    case kest::UpdateVerdict::UpdateAvailable:
        break;
    }
    // An image started while the check was under way is still on its way: the offer
    // cannot be taken now, and must neither touch the running one's address, digest and
    // version nor vanish without a word.
    if (imageUnderWay()) {
        KestMessage::information(w.boxParent, tr("Update"),
                                 tr("A new firmware is available. Please check again when the "
                                    "running update is finished."));
        Q_EMIT ended();
        return;
    }
    if (KestMessage::question(w.boxParent, tr("Update"),
                              tr("A new firmware is available, update now?"))
            != QMessageBox::Yes
        || imageUnderWay()) {
        Q_EMIT ended();
        return;
    }
    address = baseUrl + document->name;
    offeredDigest = QStringLiteral("MD5: ") + document->md5;
    w.path->setText(address);
    w.offeredVersion->setText(tr("Version: ") + document->version);
    w.offeredDigest->setText(offeredDigest);
    // the check button stays disabled through the download and the upload
    Q_EMIT downloadWanted();
}

void UpdateCheck::downloadFrom(const QString &typed)
{
    address = typed;
    Q_EMIT downloadWanted();
}

void UpdateCheck::download()
{
    // One image at a time: the running one keeps the page, its address and its digest.
    if (imageUnderWay())
        return;
    if (!address.startsWith(QLatin1String("https://"))) {
        Q_EMIT ended();
        return;
    }
    QNetworkReply *reply = network.get(updateRequest(address));
    transfer = reply;
    // No image is larger: a longer body is given up as it arrives, not held in memory.
    new BoundedBody(reply, kest::FIRMWARE_MAX_SIZE);
    limitTime(reply, downloadDeadline);
    w.check->setEnabled(false); // a typed address, too, is an image on its way
    w.progress->show();
    w.phase->setText(tr("Downloading ..."));
    w.phase->show();
    Q_EMIT downloadStarted(reply);
}

void UpdateCheck::downloadProgress(qint64 received, qint64 total)
{
    // No percent for a total of 0 bytes: the bar keeps its value.
    if (const auto percent = kest::downloadPercent(received, total))
        w.progress->setValue(*percent);
}

void UpdateCheck::downloadFinished(QNetworkReply *reply)
{
    if (!reply)
        return;
    reply->deleteLater();
    if (reply == transfer)
        transfer = nullptr;
    // Only the body counts: after a failure it is empty or an error page, whose digest
    // does not match; a body longer than any image was given up on its way.
    const auto image = BoundedBody::of(reply);
    if (!image || !kest::digestMatches(*image, offeredDigest)) {
        KestMessage::critical(w.boxParent, tr("Error"), tr("Download file fail."));
        if (overDeadline(reply))
            showStatus(tr("Download given up: the firmware did not arrive within %1.")
                           .arg(durationText(downloadDeadline)));
        Q_EMIT ended();
        return;
    }
    const QString path = kest::temporaryImagePath();
    if (!kest::writeTemporaryImage(path, *image)) {
        KestMessage::critical(w.boxParent, tr("Error"), tr("Can not write to temp."));
        Q_EMIT ended();
        return;
    }
    w.path->setText(path);
    Q_EMIT imageReady(path, *image);
}
