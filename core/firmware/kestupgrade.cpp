#include "kestupgrade.h"

#include "attachhints.h"
#include "boundedfile.h"
#include "diagnostics.h"
#include "firmwarechunks.h"
#include "firmwareupdate.h"
#include "kestdevice.h"
#include "unitsession.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <QDebug>
#include <QFile>
#include <QScopeGuard>
#include <chrono>
#include <memory>

#include <utility>

namespace {

constexpr int kWritingStepMs = 1000; ///< each of the unit's four writing steps
constexpr int kWatchMs = 20; ///< how often the writing steps look whether the unit is there

// What the user is told of an upload's end, as the DEVICE page has always said it.
constexpr char kNotTaken[]
    = QT_TRANSLATE_NOOP("DevicePage",
                        "Firmware update failed: the unit did not take the whole "
                        "image. Please try again.");
constexpr char kLostWhileWriting[]
    = QT_TRANSLATE_NOOP("DevicePage",
                        "Firmware update failed: the pedal unit was unplugged while it wrote its "
                        "firmware. Please plug it in again and run the update again.");
constexpr char kStopped[]
    = QT_TRANSLATE_NOOP("DevicePage",
                        "Firmware update stopped: the program ended while the pedal unit wrote its "
                        "firmware. Please run the update again.");
constexpr char kUnreadable[] = QT_TRANSLATE_NOOP(
    "DevicePage", "The firmware file could not be read. Nothing was sent to the unit.");

kest::Outcome failed(const char *text)
{
    return kest::Outcome::failed(QCoreApplication::translate("DevicePage", text));
}

} // namespace

KestUpgrade::KestUpgrade(QObject *parent) : WorkerThread(parent) { }

KestUpgrade::~KestUpgrade()
{
    stop();
    wait();
}

void KestUpgrade::watch(const kest::UnitSession &session)
{
    connect(&session, &kest::UnitSession::lost, this, &KestUpgrade::unitLost, Qt::DirectConnection);
}

void KestUpgrade::startUpload(QThread::Priority priority)
{
    if (isRunning())
        return;
    {
        // Cleared here, not by the run: a stop that comes right after this call, before
        // the thread runs, still counts.
        const std::lock_guard lock(stopMutex);
        stopping = false;
        lost = false;
    }
    start(priority);
}

void KestUpgrade::stop()
{
    const std::lock_guard lock(stopMutex);
    stopping = true;
    stopCondition.notify_all();
}

void KestUpgrade::unitLost()
{
    const std::lock_guard lock(stopMutex);
    lost = true;
    stopCondition.notify_all();
}

bool KestUpgrade::lostSinceStart()
{
    const std::lock_guard lock(stopMutex);
    return lost;
}

KestUpgrade::Step KestUpgrade::writingStep(std::uint64_t opening)
{
    std::unique_lock lock(stopMutex);
    const QDeadlineTimer step(kWritingStepMs);
    while (!stopping && !step.hasExpired()) {
        // The session tells of a loss; the reader also closes the handle as soon as it
        // notices the unit gone, and the unit may have been opened again since, as a new
        // opening.
        if (lost || kest::deviceOpening() != opening)
            return Step::UnitLost;
        stopCondition.wait_for(
            lock, std::chrono::milliseconds(qMin<qint64>(kWatchMs, step.remainingTime())));
    }
    if (lost)
        return Step::UnitLost;
    if (stopping)
        return Step::Stopped;
    return kest::deviceOpening() == opening ? Step::Done : Step::UnitLost;
}

void KestUpgrade::run()
{
    // The outcome's text is shared with the copy in the queued call, and let go where
    // ThreadSanitizer cannot see it: handed over and dropped inside the emit.
    auto end = std::make_unique<kest::Outcome>(upload());
    kest::emitShared([this, &end] {
        Q_EMIT ended(*end);
        end.reset();
    });
}

kest::Outcome KestUpgrade::upload()
{
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
    if (opening == 0 || lostSinceStart())
        return kest::Outcome::refused(kest::attachHint(kest::NOT_FOUND_HINT));
    qCDebug(kest::lcDiagnostics).noquote() << QStringLiteral("Upgrading...") + firmwarePath;
    QByteArray image;
    if (verified) {
        // The file may have been changed since its bytes were checked; they were not.
        image = *verified;
    } else {
        kest::FileBytes file = kest::readBoundedFile(path, kest::FIRMWARE_MAX_SIZE);
        if (file.result != kest::FileRead::Ok) {
            qCDebug(kest::lcDiagnostics, "Can not open upgrade firmware file.");
            return kest::Outcome::refused(QCoreApplication::translate("DevicePage", kUnreadable));
        }
        image = std::move(file.bytes);
    }
    if (!sendImage(image, opening))
        return failed(kNotTaken);
    for (int p = kest::FIRMWARE_WRITING_FROM; p <= 100; ++p) {
        switch (writingStep(opening)) {
        case Step::Stopped:
            return failed(kStopped);
        case Step::UnitLost:
            // Pulled while writing: whatever the unit holds now, it is not this image.
            return failed(kLostWhileWriting);
        case Step::Done:
            break;
        }
        Q_EMIT progress(p);
    }
    return kest::Outcome::ok();
}

bool KestUpgrade::sendImage(const QByteArray &image, std::uint64_t opening)
{
    const qint64 size = image.size();
    kest::Report report = kest::emptyReport();
    int last = -1;
    for (qint64 offset = 0; offset < size; offset += kest::FIRMWARE_CHUNK) {
        kest::fillFirmwareData(report, image, offset);
        // Stopped at the first report that does not go out: the unit must not be told to
        // write a partial image. A file of the user's stays for another try.
        if (lostSinceStart() || kest::deviceSendInOpening(report, opening) < 0)
            return false;
        const int p = kest::firmwareProgress(offset, size);
        if (p != last) {
            Q_EMIT progress(p);
            last = p;
        }
    }
    kest::fillFirmwareEnd(report);
    // Without its end report the unit never writes the image: not a success.
    return !lostSinceStart() && kest::deviceSendInOpening(report, opening) >= 0;
}
