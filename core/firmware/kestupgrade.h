#pragma once

#include "kestunit.h"

#include "workerthread.h"

#include <QByteArray>
#include <QString>

#include <condition_variable>
#include <mutex>

#include <cstdint>
#include <optional>

namespace kest {
class UnitSession;
}

/// The firmware upload: sends an image file to the unit as data reports of 16 bytes
/// each, then the end report, and reports its progress in percent (0 to 100, for the
/// display). After the end report the unit writes the image for four seconds, counted as
/// 97 to 100, while the upload watches that the unit stays. Every run ends in an
/// outcome: done only when the unit took every report and stayed through its writing.
class KestUpgrade : public kest::WorkerThread
{
    Q_OBJECT

public:
    explicit KestUpgrade(QObject *parent = nullptr);
    /// Stops and waits for the thread.
    ~KestUpgrade() override;

    /// The image file; set by the GUI thread while the thread is idle.
    QString firmwarePath;

    /// The image as the GUI thread read and checked it (a file's bytes, or a download's
    /// whose digest was checked); set while the thread is idle. When set, these bytes
    /// are sent instead of what the file at firmwarePath holds now. When not set, the
    /// file is read, once and bounded.
    std::optional<QByteArray> verifiedImage;

    /// Whether firmwarePath is the program's own temporary copy of a download: it is
    /// removed when the upload ends, however it ends. Set by the GUI thread while the
    /// thread is idle. Any other file stays where it is.
    bool temporaryCopy = false;

    /// Follows the session that holds the unit: a loss it reports (the reader's failed
    /// read, the system's announcement of the pull) ends the upload as failed, in the
    /// data phase and in the unit's writing seconds alike. On the session's thread.
    void watch(const kest::UnitSession &session);

    /// Starts an upload of what the members name, unless one runs: a stop or a loss told
    /// before belongs to the upload it was meant for, not to this one.
    void startUpload(QThread::Priority priority = QThread::InheritPriority);

    /// For the end of the program: an image on its way still goes out whole, with its
    /// end report, but the count of the unit's writing time ends at once, without
    /// further progress (the unit writes the image whether or not anyone counts).
    /// Any thread; holds until the next startUpload.
    void stop();
    /// The unit is gone: the upload ends as failed at once. Any thread.
    void unitLost();

Q_SIGNALS:
    /// 0 to 100.
    void progress(int percent);
    /// Once at the end of every run. Done: the unit took the whole image and stayed
    /// through its writing. Refused: nothing was sent (no unit, a file that cannot be
    /// read). Failed: a report did not go out, the unit was lost, or the upload was
    /// stopped; the message says which, as the user is told.
    void ended(kest::Outcome outcome);

protected:
    void run() override;

private:
    enum class Step { Done, Stopped, UnitLost };
    /// Waits for one of the unit's writing steps, watching that the unit stays in the
    /// opening that took the image.
    Step writingStep(std::uint64_t opening);
    /// The outcome of a run from its start to its last report; emits the progress.
    kest::Outcome upload();
    /// Sends the image's data reports and its end report, all to the opening
    /// `opening`; whether every one went out.
    bool sendImage(const QByteArray &image, std::uint64_t opening);
    /// Whether the unit was reported lost since the start.
    bool lostSinceStart();

    // A standard mutex and condition: the thread sanitizer sees what they order, which
    // it cannot for a QWaitCondition's unlock inside Qt.
    std::mutex stopMutex;
    std::condition_variable stopCondition;
    bool stopping = false; // guarded by stopMutex
    bool lost = false; // guarded by stopMutex
};
