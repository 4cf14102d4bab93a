#include "unitsession.h"

#include "attachhints.h"
#include "diagnostics.h"
#include "kestdevice.h"
#include "kestunit.h"
#include "plugmonitor.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLoggingCategory>

#include <utility>

// What started each attach attempt, one line per attempt; shown with
// QT_LOGGING_RULES="kest.attach.debug=true".
Q_LOGGING_CATEGORY(lcAttach, "kest.attach", QtInfoMsg)

namespace kest {

namespace {

constexpr int kRetryMs = 3000; ///< between attempts while no unit is attached
// After a plug-in the node can refuse to open for a moment, until udev has given this
// user access to it: quick attempts, 1 s at most, before the waiting state says why.
constexpr int kPlugTries = 10;
constexpr int kPlugRetryMs = 100;

} // namespace

UnitSession::UnitSession(KestUnit *unit, Policy policy, QObject *parent)
    : QObject(parent), unit(unit), policy(policy), reader(nullptr)
{
    setObjectName(QStringLiteral("unitSession"));
    connect(&reader, &KestEvent::eventTrigger, this, &UnitSession::positions);
    connect(&reader, &KestEvent::reportsStamped, this, &UnitSession::reportsStamped);
    connect(&reader, &KestEvent::deviceDisconnect, this, &UnitSession::readerLost);
    retryTimer.setObjectName(QStringLiteral("retryTimer"));
    retryTimer.setParent(this);
    // One timer for the attempts: an attach that failed half-way and the reader's own
    // report of the lost unit must not start two chains of them.
    retryTimer.setSingleShot(true);
    retryTimer.setInterval(kRetryMs);
    connect(&retryTimer, &QTimer::timeout, this, [this] {
        attempt(retryTimer.interval() == kPlugRetryMs ? "quick retry after a plug-in" : "retry");
    });
    // Where the system announces plug-ins the unit is attached the moment it appears; the
    // attempts every few seconds stay for systems without the announcements, and as a
    // safety net. A pull is noticed at once, before the reader's next read.
    plugMonitor = new PlugMonitor(this);
    plugMonitor->setObjectName(QStringLiteral("plugMonitor"));
    connect(plugMonitor, &PlugMonitor::unitAdded, this, &UnitSession::unitPlugged);
    connect(plugMonitor, &PlugMonitor::unitRemoved, this, &UnitSession::unitUnplugged);
}

UnitSession::~UnitSession()
{
    stop();
}

void UnitSession::setAttachReads(std::function<bool()> reads)
{
    attachReads = std::move(reads);
}

bool UnitSession::start()
{
    // An attempt since (a plug-in) took the first one's place.
    if (stopped || isAttached() || retryTimer.isActive())
        return false;
    attempt("start");
    return true;
}

bool UnitSession::attach()
{
    return attempt(nullptr);
}

void UnitSession::stop()
{
    if (stopped)
        return;
    stopped = true;
    retryTimer.stop();
    detach();
}

bool UnitSession::isAttached() const
{
    return attachedNow && deviceIsOpen();
}

void UnitSession::deliverReaderSignals()
{
    // The reader's queued signals are events posted to this object.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

bool UnitSession::attempt(const char *why)
{
    if (why)
        qCDebug(lcAttach, "%s", why);
    retryTimer.stop();
    if (stopped)
        return false;
    detach();

    if (const std::optional<Absence> absent = openOnce()) {
        if (plugTries > 0) {
            --plugTries;
            retryTimer.start(kPlugRetryMs);
            return false;
        }
        wait(*absent);
        return false;
    }
    plugTries = 0;
    holding = true;
    reader.start(QThread::InheritPriority);

    // Every value a front shows must come from the unit: a read that failed would leave
    // zeros (a clutch shown as disabled, handles at the ends) that the next change would
    // commit. Such an attach counts as failed and is tried again.
    if (attachReads && !attachReads()) {
        qCDebug(kest::lcDiagnostics).noquote() << NO_ANSWER_HINT;
        detach();
        wait(Absence::NoAnswer);
        return false;
    }
    attachedNow = true;
    hint.clear();
    Q_EMIT attached();
    return isAttached();
}

void UnitSession::detach()
{
    // The reader closes the handle as it ends; a handle it never had is closed here.
    if (reader.isRunning()) {
        reader.stop();
        reader.wait();
    }
    deviceClose();
    holding = false;
    attachedNow = false;
    if (unit) {
        unit->forgetProfiles();
        unit->abandonCalibration();
    }
    Q_EMIT detached();
}

std::optional<UnitSession::Absence> UnitSession::openOnce()
{
    switch (deviceOpen()) {
    case DeviceOpenResult::Opened:
        return std::nullopt;
    case DeviceOpenResult::NoAccess:
        return Absence::NoAccess;
    case DeviceOpenResult::NotFound:
        break;
    }
    return Absence::NotFound;
}

QString UnitSession::hintFor(Absence reason)
{
    switch (reason) {
    case Absence::NoAccess:
        return attachHint(NO_ACCESS_HINT).arg(linuxNotesPath());
    case Absence::NotFound:
        break;
    case Absence::NoAnswer:
        return attachHint(NO_ANSWER_HINT);
    }
    return attachHint(NOT_FOUND_HINT);
}

void UnitSession::wait(Absence reason)
{
    hint = hintFor(reason);
    if (reason == Absence::NoAccess)
        qCDebug(kest::lcDiagnostics).noquote() << hint;
    if (policy == Policy::KeepLooking)
        retryTimer.start(kRetryMs);
    Q_EMIT waiting(reason, hint);
}

void UnitSession::unitLost(const char *why)
{
    qCDebug(lcAttach, "%s", why);
    detach();
    Q_EMIT lost();
    if (policy == Policy::KeepLooking)
        attempt(nullptr);
}

void UnitSession::readerLost()
{
    // The reader closes the handle before it reports a lost unit. A unit open now was
    // opened after the report, and attempts under way already stand for the loss (the
    // plug monitor told of it first): either way the report is out of date.
    if (!holding || deviceIsOpen() || retryTimer.isActive())
        return;
    unitLost("the reader lost the unit");
}

void UnitSession::unitPlugged(const QString &node)
{
    // An attached unit stays: the event is of a second unit. A session that does not
    // keep looking waits for nothing.
    if (policy != Policy::KeepLooking || stopped || deviceIsOpen())
        return;
    qCDebug(lcAttach, "unit plugged in on %s", qUtf8Printable(node));
    plugTries = kPlugTries;
    attempt(nullptr);
}

void UnitSession::unitUnplugged(const QString &node)
{
    // Whichever tells first, this or the reader's failing read, goes the lost unit's way;
    // the other then finds nothing to do.
    if (!holding || !deviceIsOpen() || node != deviceNode())
        return;
    unitLost(qPrintable(QStringLiteral("unit pulled out of ") + node));
}

} // namespace kest
