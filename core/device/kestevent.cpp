#include "kestevent.h"

#include "diagnostics.h"
#include "kestdevice.h"
#include "kestreport.h"

#include <QDebug>

#include <array>
#include <utility>

KestEvent::KestEvent(QObject *parent) : WorkerThread(parent) { }

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
            QThread::msleep(10);
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
