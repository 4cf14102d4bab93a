#pragma once

#include "kestprotocol.h"
#include "workerthread.h"

#include <QByteArray>
#include <QList>
#include <QMetaType>

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace kest {

/// One input report as the reader got it: when, in microseconds on the system's
/// monotonic clock (CLOCK_MONOTONIC on Linux), and the three positions in pedal order.
struct StampedReport
{
    qint64 stampUs = 0;
    std::array<std::uint16_t, PEDAL_COUNT> positions {};
};
using StampedReports = QList<StampedReport>;

/// Now on the clock of StampedReport::stampUs.
qint64 monotonicMicroseconds();

} // namespace kest

Q_DECLARE_METATYPE(kest::StampedReports)

/// The input reader: polls the unit's input reports without blocking and hands each
/// report's pedal values to the GUI thread. It is the only part of the program that
/// notices a lost unit.
class KestEvent : public kest::WorkerThread
{
    Q_OBJECT

public:
    explicit KestEvent(QObject *parent = nullptr);

    /// Whether every report is also handed over with the time it was read
    /// (reportsStamped), from the next report on. Off unless a front keeps every report
    /// (a recording); the window needs only the newest positions.
    void setStamping(bool on) { stamping.store(on, std::memory_order_relaxed); }
    /// Asks the thread to end, as requestInterruption() does, and cuts short the pause it
    /// takes between reads while no report waits. Any thread.
    void stop();

Q_SIGNALS:
    /// Six bytes: the CLUTCH, BRAKE and THROTTLE positions, 16-bit little-endian.
    void eventTrigger(QByteArray values);
    /// The unit was lost while the thread was not asked to stop.
    void deviceDisconnect();
    /// While stamping: the reports read since the last batch, in order, none left out.
    /// A batch goes whenever the unit has nothing waiting, after 128 reports at most, and
    /// before the run ends (before deviceDisconnect()).
    void reportsStamped(kest::StampedReports reports);

protected:
    void run() override;

private:
    std::atomic<bool> stamping {false};
    /// Waits until the next read is due, or until stop().
    void pause();

    // A standard mutex and condition: the thread sanitizer sees what they order.
    std::mutex pauseMutex;
    std::condition_variable pauseWake;
};
