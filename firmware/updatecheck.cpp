// The online update check ("CHECK UPDATE") and the firmware download that follows an
// accepted offer, or a "MANUAL UPDATE" of an https:// address.

#include "mainwindow.h"

#include "firmwarechunks.h"
#include "firmwareupdate.h"
#include "kestmessage.h"
#include "ui_mainwindow.h"

#include <QDebug>
#include <QNetworkReply>
#include <QTimer>

#include <optional>

namespace {

// A request that has received nothing for this long is given up, so that a dead
// connection cannot leave the page disabled for good.
constexpr int kTransferTimeoutMs = 30000;

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

void MainWindow::onAutoUpgrade()
{
    // While an image is on its way (a typed address being downloaded, or an upload) the
    // button is disabled: an accepted offer could not be carried out then.
    if (versionCheck || download || upgradeThread.isRunning())
        return;
    QNetworkReply *reply
        = networkManager.get(updateRequest(updateBaseUrl + QStringLiteral("version.json")));
    versionCheck = reply;
    new BoundedBody(reply, kest::VERSION_DOCUMENT_MAX_SIZE);
    ui->pbAutoUpgrade->setEnabled(false);
    ui->pbAutoUpgrade->setText(tr("Checking ..."));
    checkStatus->hide();
    connect(reply, &QNetworkReply::finished, this, &MainWindow::onUpgradeReady);
}

void MainWindow::showCheckStatus(const QString &text)
{
    checkStatus->setText(text);
    checkStatus->show();
    checkStatusTimer.start();
}

void MainWindow::onUpgradeReady()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
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
        showCheckStatus(body && error > 0 && error < 200
                            ? tr("Update check failed: the update server could not be reached.")
                            : tr("Update check failed: the update server's answer could not "
                                 "be read."));
        settleFirmwarePage();
        return;
    }
    qDebug() << document->object;

    const QString versionLabel = ui->lbVersion->text();
    if (!versionLabel.isEmpty())
        qDebug().noquote() << versionLabel;
    switch (kest::compareFirmware(versionLabel, document->version)) {
    case kest::UpdateVerdict::NoValidDevice:
        KestMessage::information(this, tr("Update"), tr("No valid device."));
        settleFirmwarePage();
        return;
    case kest::UpdateVerdict::UpToDate:
        KestMessage::information(this, tr("Update"), tr("Your firmware is already up to date."));
        settleFirmwarePage();
        return;
    case kest::UpdateVerdict::UpdateAvailable:
        break;
    }
    // An image started while the check was under way is still on its way: the offer
    // cannot be taken now, and must neither touch the running one's address, digest and
    // version nor vanish without a word.
    const auto imageUnderWay = [this] { return download || upgradeThread.isRunning(); };
    if (imageUnderWay()) {
        KestMessage::information(this, tr("Update"),
                                 tr("A new firmware is available. Please check again when the "
                                    "running update is finished."));
        settleFirmwarePage();
        return;
    }
    if (KestMessage::question(this, tr("Update"), tr("A new firmware is available, update now?"))
            != QMessageBox::Yes
        || imageUnderWay()) {
        settleFirmwarePage();
        return;
    }
    ui->lePath->setText(updateBaseUrl + document->name);
    ui->lbCurVersion->setText(tr("Version: ") + document->version);
    ui->lbCurMd5->setText(QStringLiteral("MD5: ") + document->md5);
    // the check button stays disabled through the download and the upload
    QTimer::singleShot(0, this, &MainWindow::onNetUpgrade);
}

void MainWindow::onNetUpgrade()
{
    const QString address = ui->lePath->text();
    // One image at a time: the running one keeps the page, its address and its digest.
    if (download || upgradeThread.isRunning())
        return;
    if (!address.startsWith(QLatin1String("https://"))) {
        settleFirmwarePage();
        return;
    }
    QNetworkReply *reply = networkManager.get(updateRequest(address));
    download = reply;
    // No image is larger: a longer body is given up as it arrives, not held in memory.
    new BoundedBody(reply, kest::FIRMWARE_MAX_SIZE);
    connect(reply, &QNetworkReply::downloadProgress, this, &MainWindow::onNetProgress);
    connect(reply, &QNetworkReply::finished, this, &MainWindow::onNetUpgradeReady);
    ui->pbAutoUpgrade->setEnabled(false); // a typed address, too, is an image on its way
    ui->pgUpgrade->show();
    ui->lbUpgrade->setText(tr("Downloading ..."));
    ui->lbUpgrade->show();
}

void MainWindow::onNetProgress(qint64 received, qint64 total)
{
    // No percent for a total of 0 bytes: the bar keeps its value.
    if (const auto percent = kest::downloadPercent(received, total))
        ui->pgUpgrade->setValue(*percent);
}

void MainWindow::onNetUpgradeReady()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply)
        return;
    reply->deleteLater();
    if (reply == download)
        download = nullptr;
    // Only the body counts: after a failure it is empty or an error page, whose digest
    // does not match; a body longer than any image was given up on its way.
    const auto image = BoundedBody::of(reply);
    if (!image || !kest::digestMatches(*image, ui->lbCurMd5->text())) {
        KestMessage::critical(this, tr("Error"), tr("Download file fail."));
        settleFirmwarePage();
        return;
    }
    const QString path = kest::temporaryImagePath();
    if (!kest::writeTemporaryImage(path, *image)) {
        KestMessage::critical(this, tr("Error"), tr("Can not write to temp."));
        settleFirmwarePage();
        return;
    }
    downloadedImage = *image;
    ui->lePath->setText(path);
    QTimer::singleShot(0, this, &MainWindow::onUpgrade);
}
