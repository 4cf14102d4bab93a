#pragma once

#include "workerthread.h"

#include <QByteArray>

#include <condition_variable>
#include <mutex>

/// The input reader: polls the unit's input reports without blocking and hands each
/// report's pedal values to the GUI thread. It is the only part of the program that
/// notices a lost unit.
class KestEvent : public kest::WorkerThread
{
    Q_OBJECT

public:
    explicit KestEvent(QObject *parent = nullptr);

    /// Asks the thread to end, as requestInterruption() does, and cuts short the pause it
    /// takes between reads while no report waits. Any thread.
    void stop();

Q_SIGNALS:
    /// Six bytes: the CLUTCH, BRAKE and THROTTLE positions, 16-bit little-endian.
    void eventTrigger(QByteArray values);
    /// The unit was lost while the thread was not asked to stop.
    void deviceDisconnect();

protected:
    void run() override;

private:
    /// Waits until the next read is due, or until stop().
    void pause();

    // A standard mutex and condition: the thread sanitizer sees what they order.
    std::mutex pauseMutex;
    std::condition_variable pauseWake;
};
