#pragma once

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QWaitCondition>

#include <cstdint>
#include <optional>

/// The firmware upload: sends an image file to the unit as data reports of 16 bytes
/// each, then the end report, and reports its progress in percent (negative: a data
/// report could not be sent; the upload then stops and never reaches 100). After the end
/// report the unit writes the image for four seconds, counted as 97 to 100; a unit that
/// goes away meanwhile (or is opened anew) ends the count with
/// FIRMWARE_LOST_WHILE_WRITING instead of 100.
class KestUpgrade : public QThread
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

    /// For the end of the program: an image on its way still goes out whole, with its
    /// end report, but the count of the unit's writing time ends at once, without
    /// further progress (the unit writes the image whether or not anyone counts).
    /// Any thread; the next upload counts again.
    void stop();

Q_SIGNALS:
    void progress(int percent);

protected:
    void run() override;

private:
    enum class Step { Done, Stopped, UnitLost };
    /// Waits for one of the unit's writing steps, watching that the unit stays in the
    /// opening that took the image.
    Step writingStep(std::uint64_t opening);

    QMutex stopMutex;
    QWaitCondition stopCondition;
    bool stopping = false; // guarded by stopMutex
};
