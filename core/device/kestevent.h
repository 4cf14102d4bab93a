#pragma once

#include "workerthread.h"

#include <QByteArray>

/// The input reader: polls the unit's input reports without blocking and hands each
/// report's pedal values to the GUI thread. It is the only part of the program that
/// notices a lost unit.
class KestEvent : public kest::WorkerThread
{
    Q_OBJECT

public:
    explicit KestEvent(QObject *parent = nullptr);

Q_SIGNALS:
    /// Six bytes: the CLUTCH, BRAKE and THROTTLE positions, 16-bit little-endian.
    void eventTrigger(QByteArray values);
    /// The unit was lost while the thread was not asked to stop.
    void deviceDisconnect();

protected:
    void run() override;
};
