// The DEVICE page: manual firmware update with progress, and erasing the unit's flash.

#include "devicepage.h"

#include "diagnostics.h"
#include "firmwarechunks.h"
#include "firmwareupdate.h"
#include "kestdevice.h"
#include "kestmessage.h"
#include "kestunit.h"
#include "kestupgrade.h"
#include "updatecheck.h"

#include <QDebug>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>

#include <utility>

DevicePage::DevicePage(const Widgets &widgets, kest::KestUnit &unit, KestUpgrade &upload,
                       UpdateCheck &check, QObject *parent)
    : QObject(parent), w(widgets), unit(unit), upload(upload), check(check)
{
    connect(&check, &UpdateCheck::ended, this, [this] { settle(); });
    // Queued: the download's reply finishes its own work before the upload starts.
    connect(&check, &UpdateCheck::imageReady, this, &DevicePage::uploadDownload,
            Qt::QueuedConnection);
    connect(&upload, &KestUpgrade::ended, this, &DevicePage::uploadEnded);
}

void DevicePage::reset()
{
    w.check->setEnabled(true);
    w.check->setText(tr("CHECK UPDATE"));
    w.progress->setValue(0);
    w.offeredDigest->hide();
    w.offeredVersion->clear();
    w.progress->hide();
    w.phase->hide();
}

// Called at every end of a check, a download or an upload. One image goes at a time, but
// a check started before a download or an upload may still be under way, and the reverse:
// each end leaves what is still running on the page as it is, and with nothing left
// running the page is idle, "CHECK UPDATE" enabled.
void DevicePage::settle(bool uploadEnded)
{
    const bool transfer = check.downloading() || (!uploadEnded && upload.isRunning());
    if (!transfer && !check.checking()) {
        reset();
        return;
    }
    if (transfer) {
        // The download or upload keeps its display and the check button stays disabled
        // until it ends.
        if (!check.checking())
            w.check->setText(tr("CHECK UPDATE"));
        return;
    }
    // Only the check is left: its button stays as it is.
    w.progress->setValue(0);
    w.offeredDigest->hide();
    w.offeredVersion->clear();
    w.progress->hide();
    w.phase->hide();
}

void DevicePage::choosePath()
{
    const QString path = KestMessage::openFileName(QStringLiteral("Firmware File (*.bin);;"));
    if (!path.isEmpty())
        w.path->setText(path);
}

void DevicePage::upgrade()
{
    const QString path = w.path->text();
    if (path.startsWith(QLatin1String("https://"))) {
        check.downloadFrom(path);
        return;
    }
    // A file of the user's is read here, once: the bytes checked are the bytes sent,
    // whatever happens to the file meanwhile.
    QByteArray picked;
    // A refused file of the user's changes nothing, and the box says why.
    const kest::FirmwareFile file = kest::readFirmwareFile(path, picked);
    if (file != kest::FirmwareFile::Ok) {
        KestMessage::critical(w.boxParent, tr("Error"), kest::firmwareFileRefusal(file));
        return;
    }
    if (refuseWhileBusy())
        return;
    QString backup = kest::nextBackupPath();
    const auto answer
        = KestMessage::question(w.boxParent, tr("Notify"),
                                kest::firmwareUploadQuestion(path, picked) + QStringLiteral("\n\n")
                                    + kest::KestUnit::backupNote(backup));
    if (answer != QMessageBox::Yes)
        return;
    startUpload(path, std::move(picked), false, backup);
}

bool DevicePage::refuseWhileBusy()
{
    if (!check.downloading() && !upload.isRunning())
        return false;
    // One image at a time: the running transfer keeps its file. A checked image that
    // cannot go now is not dropped without a word.
    KestMessage::information(
        w.boxParent, tr("Notify"),
        tr("Another firmware update is running. Please try again when it is finished."));
    return true;
}

void DevicePage::uploadDownload(const QString &path, const QByteArray &image)
{
    // A download that has just been checked hands over its bytes: they, not what the file
    // holds by the time the upload would read it, go to the unit.
    if (!kest::isFirmwareImage(image)) {
        KestMessage::critical(w.boxParent, tr("Error"), tr("Not a valid firmware."));
        // A refused download must not leave its display behind.
        settle();
        return;
    }
    startUpload(path, image, true);
}

void DevicePage::startUpload(const QString &path, QByteArray image, bool downloaded, QString backup)
{
    if (refuseWhileBusy())
        return;
    if (!kest::deviceIsOpen()) {
        // The unit left during a download: nothing will report progress, so the page
        // must not stay in its download display with the check button disabled.
        settle();
        return;
    }
    // A new firmware may start from cleared settings: what the unit keeps is saved first,
    // and without that backup no image goes.
    if (backup.isEmpty())
        backup = kest::nextBackupPath();
    const kest::Outcome saved = unit.backUp(backup);
    if (!saved.done()) {
        KestMessage::critical(w.boxParent, tr("Error"), saved.message);
        settle();
        return;
    }
    if (!saved.message.isEmpty()) // the profiles it leaves out
        KestMessage::information(w.boxParent, tr("Notify"), saved.message);
    qCDebug(kest::lcDiagnostics).noquote() << QStringLiteral("Start upgrade from ") + path;
    upload.firmwarePath = path;
    upload.verifiedImage = std::move(image);
    upload.temporaryCopy = downloaded;
    w.check->setEnabled(false); // no check while an image is on its way
    upload.startUpload(QThread::InheritPriority);
}

void DevicePage::uploadEnded(const kest::Outcome &outcome)
{
    settle(true);
    switch (outcome.status) {
    case kest::Outcome::Done:
        KestMessage::information(w.boxParent, tr("Notify"), tr("Firmware updated successfully."));
        break;
    case kest::Outcome::Failed:
        KestMessage::critical(w.boxParent, tr("Error"), outcome.message);
        break;
    case kest::Outcome::Refused:
        // Nothing was sent (the unit went before the first report, a file that cannot be
        // read): the page is as it was before the start.
        break;
    }
}

void DevicePage::progress(int percent)
{
    // From 97 on the unit writes the image it received (the upload's closing steps).
    w.phase->setText(percent >= kest::FIRMWARE_WRITING_FROM ? tr("Writing ...")
                                                            : tr("Uploading ..."));
    w.progress->setValue(percent);
    w.progress->repaint();
    w.progress->show();
    w.phase->show();
}

bool DevicePage::clearFlash()
{
    QString backup = kest::nextBackupPath();
    const auto answer = KestMessage::question(
        w.boxParent, tr("Notify"),
        tr("Do you want to continue?\nThis operation will delete all the settings stored in "
           "the device flash memory.")
            + QStringLiteral("\n\n") + kest::KestUnit::backupNote(backup));
    if (answer != QMessageBox::Yes)
        return false;
    const kest::Outcome saved = unit.backUp(backup);
    if (!saved.done()) {
        KestMessage::critical(w.boxParent, tr("Error"), saved.message);
        return false;
    }
    if (!saved.message.isEmpty()) // the profiles it leaves out
        KestMessage::information(w.boxParent, tr("Notify"), saved.message);
    const kest::Outcome cleared = unit.clearFlash();
    if (!cleared.done()) {
        KestMessage::critical(w.boxParent, tr("Error"), cleared.message);
        return false;
    }
    KestMessage::information(w.boxParent, tr("Notify"),
                             tr("Flash data has been cleared.") + QStringLiteral("\n\n")
                                 + kest::KestUnit::backupMadeNote(backup));
    return true;
}
