// The DEVICE page: manual firmware update with progress, and erasing the unit's flash.

#include "mainwindow.h"

#include "firmwarechunks.h"
#include "firmwareupdate.h"
#include "kestdevice.h"
#include "kestmessage.h"
#include "ui_mainwindow.h"

#include <QDebug>
#include <QNetworkReply>
#include <QTimer>

#include <utility>

void MainWindow::resetFirmwarePage()
{
    ui->pbAutoUpgrade->setEnabled(true);
    ui->pbAutoUpgrade->setText(tr("CHECK UPDATE"));
    ui->pgUpgrade->setValue(0);
    ui->lbCurMd5->hide();
    ui->lbCurVersion->clear();
    ui->pgUpgrade->hide();
    ui->lbUpgrade->hide();
}

// Called at every end of a check, a download or an upload. One image goes at a time, but
// a check started before a download or an upload may still be under way, and the reverse:
// each end leaves what is still running on the page as it is, and with nothing left
// running the page is idle, "CHECK UPDATE" enabled.
void MainWindow::settleFirmwarePage(bool uploadEnded)
{
    const bool transfer = download || (!uploadEnded && upgradeThread.isRunning());
    if (!transfer && !versionCheck) {
        resetFirmwarePage();
        return;
    }
    if (transfer) {
        // The download or upload keeps its display and the check button stays disabled
        // until it ends.
        if (!versionCheck)
            ui->pbAutoUpgrade->setText(tr("CHECK UPDATE"));
        return;
    }
    // Only the check is left: its button stays as it is.
    ui->pgUpgrade->setValue(0);
    ui->lbCurMd5->hide();
    ui->lbCurVersion->clear();
    ui->pgUpgrade->hide();
    ui->lbUpgrade->hide();
}

void MainWindow::onShowPath()
{
    const QString path = KestMessage::openFileName(QStringLiteral("Firmware File (*.bin);;"));
    if (!path.isEmpty())
        ui->lePath->setText(path);
}

void MainWindow::onUpgrade()
{
    const QString path = ui->lePath->text();
    // A download that has just been checked hands over its bytes: they, not what the file
    // holds by the time the upload would read it, go to the unit.
    std::optional<QByteArray> verified = std::exchange(downloadedImage, std::nullopt);
    if (verified && path != kest::temporaryImagePath())
        verified.reset();
    if (path.startsWith(QLatin1String("https://"))) {
        QTimer::singleShot(0, this, &MainWindow::onNetUpgrade);
        return;
    }
    if (verified ? !kest::isFirmwareImage(*verified) : !kest::isFirmwareFile(path)) {
        KestMessage::critical(this, tr("Error"), tr("Not a valid firmware."));
        // A refused download must not leave its display behind; a refused file of the
        // user's changes nothing.
        if (verified)
            settleFirmwarePage();
        return;
    }
    if (download || upgradeThread.isRunning()) {
        // One image at a time: the running transfer keeps its file. A checked download
        // that cannot go now is not dropped without a word.
        if (verified)
            KestMessage::information(
                this, tr("Notify"),
                tr("Another firmware update is running. Please try again when it is finished."));
        return;
    }
    if (!kest::deviceIsOpen()) {
        // The unit left during a download: nothing will report progress, so the page
        // must not stay in its download display with the check button disabled.
        settleFirmwarePage();
        return;
    }
    qDebug().noquote() << "Start upgrade from " + path;
    upgradeThread.firmwarePath = path;
    upgradeThread.verifiedImage = std::move(verified);
    ui->pbAutoUpgrade->setEnabled(false); // no check while an image is on its way
    // An upload can also end without a word (the unit gone before the first report, a
    // file that cannot be read): the page must not wait for a value that never comes.
    connect(
        &upgradeThread, &QThread::finished, this, [this] { settleFirmwarePage(true); },
        Qt::SingleShotConnection);
    upgradeThread.start(QThread::InheritPriority);
}

void MainWindow::onProgress(int percent)
{
    if (percent == 100) {
        settleFirmwarePage(true);
        KestMessage::information(this, tr("Notify"), tr("Firmware updated successfully."));
        return;
    }
    if (percent < 0) {
        settleFirmwarePage(true);
        KestMessage::critical(this, tr("Error"),
                              tr("Firmware update failed: the unit did not take the whole image. "
                                 "Please try again."));
        return;
    }
    // From 97 on the unit writes the image it received (the upload's closing steps).
    ui->lbUpgrade->setText(percent >= kest::FIRMWARE_WRITING_FROM ? tr("Writing ...")
                                                                  : tr("Uploading ..."));
    ui->pgUpgrade->setValue(percent);
    ui->pgUpgrade->repaint();
    ui->pgUpgrade->show();
    ui->lbUpgrade->show();
}

void MainWindow::onClearFlash()
{
    const auto answer = KestMessage::question(
        this, tr("Notify"),
        tr("Do you want to continue?\nThis operation will delete all the settings stored in "
           "the device flash memory."));
    if (answer != QMessageBox::Yes)
        return;
    if (!kest::deviceWrite(kest::settingWrite(kest::KESTIE_CLEAR_FLASH, 0, false))) {
        unitError(tr("The flash data was not cleared: the pedal unit did not take the "
                     "command. It keeps the settings it had."));
        return;
    }
    KestMessage::information(this, tr("Notify"), tr("Flash data has been cleared."));
    // Not only the profiles went: the clutch switch and the deadzone handles would show
    // the settings that were erased, and the next release would commit them again. All
    // of it is read anew; without an answer the window attaches again.
    if (!kest::deviceIsOpen() || !readUnitState())
        onInit();
}
