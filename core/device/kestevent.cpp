#include "kestevent.h"

#include "diagnostics.h"
#include "kestdevice.h"
#include "kestreport.h"

#include <QDebug>

#include <array>
#include <chrono>
#include <utility>

namespace kest {

qint64 monotonicMicroseconds()
{
    // steady_clock is CLOCK_MONOTONIC where there is one: the stamps line up with those
    // of other programs on the same machine (a game's telemetry).
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace kest

namespace {

/// Reports in one stamped batch at most: a unit that always has one waiting still hands
/// them over every few milliseconds.
constexpr qsizetype kStampedBatch = 128;
constexpr std::chrono::milliseconds kIdlePause(10); ///< between reads while no report waits

} // namespace

KestEvent::KestEvent(QObject *parent) : WorkerThread(parent)
{
    qRegisterMetaType<kest::StampedReports>("kest::StampedReports");
}

void KestEvent::stop()
{
    requestInterruption();
    // Taken between the request and the wake: a pause that has not seen the request yet
    // has not started waiting either.
    {
        const std::lock_guard lock(pauseMutex);
    }
    pauseWake.notify_all();
}

void KestEvent::pause()
{
    std::unique_lock lock(pauseMutex);
    pauseWake.wait_for(lock, kIdlePause, [this] { return isInterruptionRequested(); });
}

void KestEvent::run()
{
    // Cleared once: a report shorter than seven bytes leaves the older bytes in place.
    std::array<std::uint8_t, kest::INPUT_REPORT_SIZE> buffer {};
    kest::deviceSetNonblocking(true);
    kest::StampedReports batch;
    const auto handOver = [&] {
        if (batch.isEmpty())
            return;
        kest::StampedReports reports;
        reports.swap(batch);
        kest::emitShared([&] { Q_EMIT reportsStamped(std::move(reports)); });
    };

    for (;;) {
        if (isInterruptionRequested())
            break;
        const int n = kest::deviceRead(buffer.data(), buffer.size());
        const bool stamp = stamping.load(std::memory_order_relaxed);
        const qint64 readAt = stamp ? kest::monotonicMicroseconds() : 0;
        if (n == kest::DEVICE_NO_HANDLE) {
            handOver();
            Q_EMIT deviceDisconnect();
            return;
        }
        if (n < 0)
            break;
        if (n == 0) {
            handOver();
            pause();
            continue;
        }
        QByteArray values = kest::pedalValues(buffer.data());
        if (stamp) {
            kest::StampedReport stamped;
            stamped.stampUs = readAt;
            for (int p = 0; p < kest::PEDAL_COUNT; ++p)
                stamped.positions[std::size_t(p)] = kest::pedalPosition(values, p);
            batch.append(stamped);
            if (batch.size() >= kStampedBatch)
                handOver();
        }
        kest::emitShared([&] { Q_EMIT eventTrigger(std::move(values)); });
    }

    // Every report read is handed over before the loss is.
    handOver();
    kest::deviceClose();
    if (!isInterruptionRequested())
        Q_EMIT deviceDisconnect();
    qCDebug(kest::lcDiagnostics, "joystick event thread done.");
}
