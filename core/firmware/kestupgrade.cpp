#include "kestupgrade.h"

#include "boundedfile.h"
#include "firmwarechunks.h"
#include "firmwareupdate.h"
#include "kestdevice.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QFile>
#include <QScopeGuard>

#include <utility>

namespace {

constexpr int kWritingStepMs = 1000; ///< each of the unit's four writing steps
constexpr int kWatchMs = 20; ///< how often the writing steps look whether the unit is there

} // namespace

KestUpgrade::KestUpgrade(QObject *parent) : QThread(parent) { }

KestUpgrade::~KestUpgrade()
{
    stop();
    wait();
}

void KestUpgrade::stop()
{
    QMutexLocker lock(&stopMutex);
    stopping = true;
    stopCondition.wakeAll();
}

KestUpgrade::Step KestUpgrade::writingStep(std::uint64_t opening)
{
    QMutexLocker lock(&stopMutex);
    const QDeadlineTimer step(kWritingStepMs);
    while (!stopping && !step.hasExpired()) {
        // The reader closes the handle as soon as it notices the unit gone; the window
        // may have opened it again since, as a new opening.
        if (kest::deviceOpening() != opening)
            return Step::UnitLost;
        stopCondition.wait(&stopMutex,
                           QDeadlineTimer(qMin<qint64>(kWatchMs, step.remainingTime())));
    }
    if (stopping)
        return Step::Stopped;
    return kest::deviceOpening() == opening ? Step::Done : Step::UnitLost;
}

void KestUpgrade::run()
{
    {
        // A stop belongs to the upload it was meant for, not to the next one.
        QMutexLocker lock(&stopMutex);
        stopping = false;
    }
    const std::optional<QByteArray> verified = verifiedImage;
    // The copy of a download is of no use after this upload, whether it went through or
    // not; found by its exact path, so that a file the user picked stays wherever it lies.
    const QString path = firmwarePath;
    const bool ownCopy = temporaryCopy && path == kest::temporaryImagePath();
    const auto removeCopy = qScopeGuard([&] {
        if (ownCopy)
            QFile::remove(path);
    });
    // Every report of the image goes to this one opening of the unit: after a lost
    // link and a re-attach the unit would get an image with chunks missing.
    const std::uint64_t opening = kest::deviceOpening();
    if (opening == 0)
        return;
    qDebug().noquote() << QStringLiteral("Upgrading...") + firmwarePath;
    QByteArray image;
    if (verified) {
        // The file may have been changed since its bytes were checked; they were not.
        image = *verified;
    } else {
        kest::FileBytes file = kest::readBoundedFile(path, kest::FIRMWARE_MAX_SIZE);
        if (file.result != kest::FileRead::Ok) {
            qDebug("Can not open upgrade firmware file.");
            return;
        }
        image = std::move(file.bytes);
    }
    const qint64 size = image.size();

    kest::Report report = kest::emptyReport();
    int last = -1;
    for (qint64 offset = 0; offset < size; offset += kest::FIRMWARE_CHUNK) {
        kest::fillFirmwareData(report, image, offset);
        const int sent = kest::deviceSendInOpening(report, opening);
        if (sent < 0) {
            // Stop here: the unit must not be told to write a partial image. A file of
            // the user's stays for another try.
            Q_EMIT progress(sent);
            return;
        }
        const int p = kest::firmwareProgress(offset, size);
        if (p != last) {
            Q_EMIT progress(p);
            last = p;
        }
    }

    kest::fillFirmwareEnd(report);
    if (kest::deviceSendInOpening(report, opening) < 0) {
        // Without its end report the unit never writes the image: not a success.
        Q_EMIT progress(-1);
        return;
    }
    for (int p = kest::FIRMWARE_WRITING_FROM; p <= 100; ++p) {
        const Step step = writingStep(opening);
        if (step == Step::Stopped)
            break;
        if (step == Step::UnitLost) {
            // Pulled while writing: whatever the unit holds now, it is not this image.
            Q_EMIT progress(kest::FIRMWARE_LOST_WHILE_WRITING);
            return;
        }
        Q_EMIT progress(p);
    }
}
