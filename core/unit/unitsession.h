#pragma once

// The life of the link to the pedal unit, for every front: opening and closing it, the
// input reader, the system's plug-in events and the attempts while the unit is absent.
// The fronts show what it reports; none of them opens or closes the unit on its own.

#include "kestevent.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

class PlugMonitor;

namespace kest {

class KestUnit;

class UnitSession : public QObject
{
    Q_OBJECT

public:
    /// Why no unit is attached.
    enum class Absence {
        NotFound, ///< no unit is plugged in
        NoAccess, ///< a unit is plugged in but this user may not open it
        NoAnswer, ///< the unit was opened but did not answer every read of the attach
    };
    Q_ENUM(Absence)

    /// Retry policy: whether the session keeps looking for the unit while it is absent
    /// (the window, kestctl watch) or attaches once and stays without it after a loss (a
    /// command that ends with the unit).
    enum class Policy { Once, KeepLooking };

    /// `unit` (may be null) is the model that loses its profile table and a calibration
    /// under way whenever the unit is closed: nothing read before stands for a unit
    /// opened afterwards.
    explicit UnitSession(KestUnit *unit, Policy policy, QObject *parent = nullptr);
    /// Stops the reader and closes the unit.
    ~UnitSession() override;

    /// The front's reads of a unit that was just opened, with the reader running: false
    /// when one failed, and the attach then counts as failed (waiting with NoAnswer,
    /// tried again as for an absent unit). Without it an opened unit is attached.
    void setAttachReads(std::function<bool()> reads);

    /// Starts the attempts unless the unit is attached or an attempt is due: the first
    /// now. Whether an attempt was made.
    bool start();
    /// Attaches anew now: a unit that is open is closed first and read again.
    bool attach();
    /// Ends the session for good: the reader stops, the unit is closed, and nothing opens
    /// it again.
    void stop();

    /// Whether a unit is attached: opened, read and followed by the reader.
    bool isAttached() const;

    /// Whether every input report also comes with the time the reader got it
    /// (reportsStamped), from the next report on, for a front that keeps them all.
    void setStamping(bool on) { reader.setStamping(on); }
    /// Delivers now what the reader handed over before it stopped (its last stamped
    /// batch, and its other signals), which would otherwise wait for the event loop: for a
    /// front that ends after stop().
    void deliverReaderSignals();

    /// Opens the unit outside a session, for a command that is over before the unit
    /// could go: why it is not open, or nothing when it is.
    static std::optional<Absence> openOnce();
    /// What the user is told while the unit is absent for `reason`, in their language.
    static QString hintFor(Absence reason);
    /// Why the last attempt attached nothing, as the user is told; empty while attached.
    const QString &waitingHint() const { return hint; }

Q_SIGNALS:
    /// A unit was opened and read; the reader follows it.
    void attached();
    /// No unit is attached after an attempt; `hint` says why, in the user's language.
    void waiting(kest::UnitSession::Absence reason, const QString &hint);
    /// The attached unit went away (the reader's read failed, or the system announced
    /// that its node went). Emitted once per loss, after the unit was closed and before
    /// any new attempt.
    void lost();
    /// The unit is closed: before every attempt, after a loss and at the end. What was
    /// shown of it no longer stands (a calibration under way is abandoned).
    void detached();
    /// Each input report's pedal values: six bytes, CLUTCH, BRAKE, THROTTLE, 16-bit
    /// little-endian.
    void positions(QByteArray values);
    /// While stamping: every input report in order, in batches (KestEvent::reportsStamped).
    void reportsStamped(kest::StampedReports reports);

private:
    /// One attempt: closes what is open, opens the unit and reads it. `why`, when given,
    /// goes to the attach log.
    bool attempt(const char *why);
    /// Stops the reader and closes the unit; the model forgets what it read of it.
    void detach();
    void wait(Absence reason);
    void unitLost(const char *why);
    void readerLost();
    void unitPlugged(const QString &node);
    void unitUnplugged(const QString &node);

    QPointer<KestUnit> unit; ///< may go before the session, with the window
    const Policy policy;
    std::function<bool()> attachReads;
    KestEvent reader;
    QTimer retryTimer; ///< the next attempt while no unit is attached
    PlugMonitor *plugMonitor = nullptr; ///< the system's plug-in events, where it has them
    int plugTries = 0; ///< quick attempts left after a plug-in, while the node opens
    bool holding = false; ///< this session opened the unit and has not closed it since
    bool attachedNow = false; ///< and its attach reads worked
    bool stopped = false;
    QString hint;
};

} // namespace kest
