// The DEVICE page's view of the online update check ("CHECK UPDATE") and of the firmware
// download that follows an accepted offer, or a "MANUAL UPDATE" of an https:// address.

#include "updatecheck.h"

#include "kestmessage.h"
#include "kestunit.h"
#include "kestupgrade.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace {

// How long a failed check's line stays.
constexpr int kStatusMs = 8000;

} // namespace

UpdateCheck::UpdateCheck(const Widgets &widgets, const kest::KestUnit &unit,
                         QNetworkAccessManager &network, const QString &baseUrl,
                         const KestUpgrade &upload, QObject *parent)
    : QObject(parent),
      w(widgets),
      client(new kest::UpdateClient(network, this)),
      unit(unit),
      baseUrl(baseUrl),
      upload(upload)
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
    connect(client, &kest::UpdateClient::checked, this, &UpdateCheck::showChecked);
    connect(client, &kest::UpdateClient::progress, w.progress, &QProgressBar::setValue);
    connect(client, &kest::UpdateClient::downloaded, this, &UpdateCheck::showDownloaded);
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
    QNetworkReply *reply = client->check(baseUrl);
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
    client->checkFinished(reply, unit.firmwareVersion());
}

void UpdateCheck::showChecked(const kest::CheckResult &result)
{
    if (result.end != kest::UpdateEnd::Done) {
        // Without a word the button looked broken: it came back in half a second.
        showStatus(result.message);
        Q_EMIT ended();
        return;
    }
    if (result.verdict != kest::UpdateVerdict::UpdateAvailable) {
        KestMessage::information(w.boxParent, tr("Update"), result.message);
        Q_EMIT ended();
        return;
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
    address = result.newest.address;
    offeredDigest = QStringLiteral("MD5: ") + result.newest.md5;
    w.path->setText(address);
    w.offeredVersion->setText(tr("Version: ") + result.newest.version);
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
    QNetworkReply *reply = client->download(address, offeredDigest);
    if (!reply)
        return; // refused, and shown so
    w.check->setEnabled(false); // a typed address, too, is an image on its way
    w.progress->show();
    w.phase->setText(tr("Downloading ..."));
    w.phase->show();
    Q_EMIT downloadStarted(reply);
}

void UpdateCheck::downloadProgress(qint64 received, qint64 total)
{
    client->downloadProgress(received, total);
}

void UpdateCheck::downloadFinished(QNetworkReply *reply)
{
    client->downloadFinished(reply);
}

void UpdateCheck::showDownloaded(const kest::DownloadResult &result)
{
    switch (result.end) {
    case kest::UpdateEnd::Refused:
        break;
    case kest::UpdateEnd::Failed:
        KestMessage::critical(w.boxParent, tr("Error"), result.message);
        if (!result.reason.isEmpty())
            showStatus(result.reason);
        break;
    case kest::UpdateEnd::Done:
        w.path->setText(result.path);
        Q_EMIT imageReady(result.path, result.image);
        return;
    }
    Q_EMIT ended();
}
