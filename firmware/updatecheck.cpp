// The online update check ("CHECK UPDATE") and the firmware download that follows an
// accepted offer, or a "MANUAL UPDATE" of an https:// address.

#include "mainwindow.h"

#include "firmwareupdate.h"
#include "kestmessage.h"
#include "ui_mainwindow.h"

#include <QDebug>
#include <QFile>
#include <QNetworkReply>
#include <QTimer>

namespace {

// A request that has received nothing for this long is given up, so that a dead
// connection cannot leave the page disabled for good.
constexpr int kTransferTimeoutMs = 30000;

QNetworkRequest updateRequest(const QString &address)
{
    QNetworkRequest request(QUrl(address, QUrl::TolerantMode));
    request.setTransferTimeout(kTransferTimeoutMs);
    return request;
}

} // namespace

void MainWindow::onAutoUpgrade()
{
    // While an image is on its way (a typed address being downloaded, or an upload) an
    // accepted offer could not be carried out, and would put its digest in the place of
    // the one the running download is checked against.
    if (download || upgradeThread.isRunning())
        return;
    QNetworkReply *reply
        = networkManager.get(updateRequest(updateBaseUrl + QStringLiteral("version.json")));
    ui->pbAutoUpgrade->setEnabled(false);
    ui->pbAutoUpgrade->setText(tr("Checking ..."));
    connect(reply, &QNetworkReply::finished, this, &MainWindow::onUpgradeReady);
}

void MainWindow::onUpgradeReady()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply)
        return;
    reply->deleteLater();
    const auto document = kest::parseVersionDocument(reply->readAll());
    if (!document) {
        resetFirmwarePage();
        return;
    }
    qDebug() << document->object;

    const QString versionLabel = ui->lbVersion->text();
    if (!versionLabel.isEmpty())
        qDebug().noquote() << versionLabel;
    switch (kest::compareFirmware(versionLabel, document->version)) {
    case kest::UpdateVerdict::NoValidDevice:
        KestMessage::information(this, tr("Update"), tr("No valid device."));
        resetFirmwarePage();
        return;
    case kest::UpdateVerdict::UpToDate:
        KestMessage::information(this, tr("Update"), tr("Your firmware is already up to date."));
        resetFirmwarePage();
        return;
    case kest::UpdateVerdict::UpdateAvailable:
        break;
    }
    if (KestMessage::question(this, tr("Update"), tr("A new firmware is available, update now?"))
        != QMessageBox::Yes) {
        resetFirmwarePage();
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
    if (!address.startsWith(QLatin1String("https://"))) {
        resetFirmwarePage();
        return;
    }
    // One image at a time: a second download would rewrite the temporary image while
    // the upload of the first may still be reading it.
    if (download || upgradeThread.isRunning())
        return;
    QNetworkReply *reply = networkManager.get(updateRequest(address));
    download = reply;
    connect(reply, &QNetworkReply::downloadProgress, this, &MainWindow::onNetProgress);
    connect(reply, &QNetworkReply::finished, this, &MainWindow::onNetUpgradeReady);
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
    // does not match.
    const QByteArray image = reply->readAll();
    if (!kest::digestMatches(image, ui->lbCurMd5->text())) {
        KestMessage::critical(this, tr("Error"), tr("Download file fail."));
        resetFirmwarePage();
        return;
    }
    const QString path = kest::temporaryImagePath();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        KestMessage::critical(this, tr("Error"), tr("Can not write to temp."));
        resetFirmwarePage();
        return;
    }
    // A partly written image (a full disk) must never reach the unit.
    const bool written = file.write(image) == image.size() && file.flush();
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        QFile::remove(path);
        KestMessage::critical(this, tr("Error"), tr("Can not write to temp."));
        resetFirmwarePage();
        return;
    }
    ui->lePath->setText(path);
    QTimer::singleShot(0, this, &MainWindow::onUpgrade);
}
