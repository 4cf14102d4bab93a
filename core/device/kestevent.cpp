#include "kestevent.h"

#include "diagnostics.h"
#include "kestdevice.h"
#include "kestreport.h"

#include <QDebug>

#include <array>
#include <chrono>
#include <utility>

namespace {
constexpr std::chrono::milliseconds kIdlePause(10); ///< between reads while no report waits
}

KestEvent::KestEvent(QObject *parent) : WorkerThread(parent) { }

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

    for (;;) {
        if (isInterruptionRequested())
            break;
        const int n = kest::deviceRead(buffer.data(), buffer.size());
        if (n == kest::DEVICE_NO_HANDLE) {
            Q_EMIT deviceDisconnect();
            return;
        }
        if (n < 0)
            break;
        if (n == 0) {
            pause();
            continue;
        }
        QByteArray values = kest::pedalValues(buffer.data());
        kest::emitShared([&] { Q_EMIT eventTrigger(std::move(values)); });
    }

    kest::deviceClose();
    if (!isInterruptionRequested())
        Q_EMIT deviceDisconnect();
    qCDebug(kest::lcDiagnostics, "joystick event thread done.");
}
