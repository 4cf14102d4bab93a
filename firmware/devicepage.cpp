// The DEVICE page: manual firmware update with progress, and erasing the unit's flash.

#include "mainwindow.h"

#include "firmwarechunks.h"
#include "firmwareupdate.h"
#include "kestdevice.h"
#include "kestmessage.h"
#include "ui_mainwindow.h"

#include <QDebug>
#include <QFileInfo>
#include <QTimer>

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

void MainWindow::onShowPath()
{
    const QString path = KestMessage::openFileName(QStringLiteral("Firmware File (*.bin);;"));
    if (!path.isEmpty())
        ui->lePath->setText(path);
}

void MainWindow::onUpgrade()
{
    const QString path = ui->lePath->text();
    if (path.startsWith(QLatin1String("https://"))) {
        QTimer::singleShot(0, this, &MainWindow::onNetUpgrade);
        return;
    }
    if (!path.endsWith(QLatin1String(".bin")) || QFileInfo(path).size() > kest::FIRMWARE_MAX_SIZE) {
        KestMessage::critical(this, tr("Error"), tr("Not a valid firmware."));
        return;
    }
    if (upgradeThread.isRunning())
        return; // the running upload keeps its file
    if (!kest::deviceIsOpen()) {
        // The unit left during a download: nothing will report progress, so the page
        // must not stay in its download display with the check button disabled. The
        // downloaded image goes, as it would after its upload; a file of the user's stays.
        if (path == kest::temporaryImagePath())
            QFile::remove(path);
        resetFirmwarePage();
        return;
    }
    qDebug().noquote() << "Start upgrade from " + path;
    upgradeThread.firmwarePath = path;
    upgradeThread.start(QThread::InheritPriority);
}

void MainWindow::onProgress(int percent)
{
    if (percent == 100) {
        resetFirmwarePage();
        KestMessage::information(this, tr("Notify"), tr("Firmware updated successfully."));
        return;
    }
    if (percent < 0) {
        resetFirmwarePage();
        KestMessage::critical(this, tr("Error"),
                              tr("Firmware update failed: the unit did not take the whole image. "
                                 "Please try again."));
        return;
    }
    ui->lbUpgrade->setText(percent > 96 ? tr("Writing ...") : tr("Uploading ..."));
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
        KestMessage::critical(this, tr("Error"),
                              tr("The flash data was not cleared: the pedal unit did not take "
                                 "the command. It keeps the settings it had."));
        return;
    }
    KestMessage::information(this, tr("Notify"), tr("Flash data has been cleared."));
    reloadProfiles();
}
