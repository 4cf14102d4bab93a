// watch and calibrate: the commands that follow the unit's input reports until the user
// ends them.

#include "cli.h"
#include "kestdevice.h"
#include "kestevent.h"
#include "pedalrange.h"
#include "plugmonitor.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace kestctl {

namespace {

constexpr int kRetryMs = 3000; ///< between looks for a unit that is not there
constexpr int kPlugTries = 10; ///< quick attempts after a plug-in, until udev gives access
constexpr int kPlugRetryMs = 100;
constexpr int kTerminalFrameMs = 33; ///< a redrawn line at most 30 times a second
constexpr int kLineMs = 100; ///< plain lines at most 10 a second

/// The input reader, stopped and the handle closed when it goes.
class Reader
{
public:
    KestEvent thread;
    ~Reader() { stop(); }
    void stop()
    {
        if (thread.isRunning()) {
            thread.requestInterruption();
            thread.wait();
        }
    }
};

/// Asks on the terminal whether a calibration may reset the pedal's deadzones: the
/// window's question before its save, asked here before anything is sent.
bool resetAccepted(const QString &what)
{
    // The answer stays y or n in every language, as the command words do.
    std::fputs((what + QLatin1Char('\n') + tr("Calibrate and reset them? [y/N] "))
                   .toLocal8Bit()
                   .constData(),
               stderr);
    std::fflush(stderr);
    char answer[16] = {};
    return std::fgets(answer, sizeof answer, stdin) && (answer[0] == 'y' || answer[0] == 'Y');
}

} // namespace

int runWatch(const Invocation &in)
{
    const Output out(in.json);
    if (in.words.size() != 1)
        return out.fail(ExitRefused, tr("watch takes no arguments"));
    if (const auto ended = attachOrFail(out))
        return *ended;

    Interrupts interrupts;
    Reader reader;
    PlugMonitor plugs;
    QTimer retry;
    retry.setSingleShot(true);
    int plugTries = 0;
    LiveLine live;
    QElapsedTimer shown;
    const int frameMs = live.onTerminal() && !out.isJson() ? kTerminalFrameMs : kLineMs;
    QByteArray latest;

    const auto show = [&](const QByteArray &values) {
        latest = values;
        if (shown.isValid() && shown.elapsed() < frameMs)
            return;
        shown.start();
        QJsonObject o;
        QStringList text;
        for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
            const std::uint16_t v = kest::pedalPosition(values, p);
            o.insert(pedalKey(p), v);
            text << QStringLiteral("%1 %2 (%3 %)")
                        .arg(pedalName(p))
                        .arg(v, 5)
                        .arg(kest::percentOfScale(v), 3);
        }
        if (out.isJson())
            out.object(o);
        else
            live.show(text.join(QStringLiteral("   ")));
    };
    const auto tryAttach = [&] {
        retry.stop();
        reader.stop();
        const auto hint = attach();
        if (hint) {
            if (plugTries > 0) {
                --plugTries;
                retry.start(kPlugRetryMs);
                return;
            }
            retry.start(kRetryMs);
            return;
        }
        plugTries = 0;
        live.finish();
        Output::message(tr("the pedal unit is back"));
        reader.thread.start();
    };
    QObject::connect(&reader.thread, &KestEvent::eventTrigger, &reader.thread, show,
                     Qt::QueuedConnection);
    QObject::connect(
        &reader.thread, &KestEvent::deviceDisconnect, &retry,
        [&] {
            if (kest::deviceIsOpen() || retry.isActive())
                return;
            live.finish();
            Output::message(tr("the pedal unit was unplugged; waiting for it (Ctrl-C ends)"));
            tryAttach();
        },
        Qt::QueuedConnection);
    QObject::connect(&retry, &QTimer::timeout, &retry, tryAttach);
    QObject::connect(&plugs, &PlugMonitor::unitAdded, &retry, [&](const QString &) {
        if (kest::deviceIsOpen())
            return;
        plugTries = kPlugTries;
        tryAttach();
    });
    QObject::connect(&plugs, &PlugMonitor::unitRemoved, &retry, [&](const QString &node) {
        if (!kest::deviceIsOpen() || node != kest::deviceNode())
            return;
        reader.stop(); // its end reports the loss
        live.finish();
        Output::message(tr("the pedal unit was unplugged; waiting for it (Ctrl-C ends)"));
        tryAttach();
    });
    QObject::connect(&interrupts, &Interrupts::interrupted, QCoreApplication::instance(),
                     &QCoreApplication::quit);
    reader.thread.start();
    QCoreApplication::exec();
    reader.stop();
    kest::deviceClose();
    // The last positions, drawn at once rather than dropped by the frame limit.
    if (!latest.isEmpty() && !out.isJson()) {
        shown.invalidate();
        show(latest);
    }
    live.finish();
    return ExitDone;
}

int runCalibrate(const Invocation &in)
{
    const Output out(in.json);
    if (in.words.size() != 2)
        return out.fail(ExitRefused, tr("usage: kestctl calibrate PEDAL"));
    const int pedal = pedalIndex(in.words.at(1));
    if (pedal < 0)
        return out.fail(ExitRefused,
                        tr("unknown pedal '%1': clutch, brake or throttle").arg(in.words.at(1)));
    if (const auto ended = attachOrFail(out))
        return *ended;
    kest::KestUnit unit;
    if (!unit.readClutchMode() || !unit.readDeadzones())
        return out.fail(ExitFailed,
                        tr("The pedal unit did not answer. It keeps the calibration it had."));
    if (const auto refusal = unit.calibrationRefusal(pedal))
        return outcomeExit(out, *refusal, QString());
    // The save resets the pedal's deadzones: consent is asked before anything is sent.
    bool resetConfirmed = in.yes;
    if (const auto reset = unit.deadzonesResetBySave(pedal); reset && !in.yes) {
        if (!stdinIsTerminal())
            return out.fail(ExitRefused,
                            tr("calibrate resets the %1 deadzones (low %2 % and high %3 %): "
                               "confirm with --yes when not asked on a terminal")
                                .arg(pedalName(pedal))
                                .arg(reset->low)
                                .arg(reset->high));
        if (!resetAccepted(unit.deadzoneResetText(pedal)))
            return out.fail(ExitRefused, tr("Nothing was changed."));
        resetConfirmed = true;
    }
    const kest::Outcome started = unit.startCalibration(pedal);
    if (!started.done())
        return outcomeExit(out, started, QString());

    Interrupts interrupts;
    Reader reader;
    LiveLine live;
    QTimer watch;
    watch.setSingleShot(true);
    int exitCode = ExitDone;
    QString result;
    kest::PedalRange kept; ///< what a save stored

    QElapsedTimer shown;
    const auto showTravel = [&](bool now) {
        if (!now && shown.isValid() && shown.elapsed() < kTerminalFrameMs * 3)
            return;
        shown.start();
        if (out.isJson()) {
            const kest::PedalRange seen = unit.observedRange(pedal);
            QJsonObject o {{QStringLiteral("pedal"), pedalKey(pedal)}};
            if (unit.watching() && seen.low <= seen.high) {
                o.insert(QStringLiteral("low"), seen.low);
                o.insert(QStringLiteral("high"), seen.high);
            }
            out.object(o);
            return;
        }
        live.show(QStringLiteral("%1: %2").arg(pedalName(pedal), unit.travelText()));
    };
    const auto end = [&](int code, const QString &text) {
        exitCode = code;
        result = text;
        QCoreApplication::quit();
    };

    Output::message(tr("%1: press the pedal all the way down, let it come back up, then press "
                       "Enter to save (Ctrl-C cancels; the pedal then keeps the calibration "
                       "it had).")
                        .arg(pedalName(pedal)));
    QObject::connect(
        &reader.thread, &KestEvent::eventTrigger, &watch,
        [&](const QByteArray &values) {
            if (unit.calibratingPedal() == pedal && unit.observe(values))
                showTravel(false);
        },
        Qt::QueuedConnection);
    QObject::connect(
        &reader.thread, &KestEvent::deviceDisconnect, &watch,
        [&] {
            unit.abandonCalibration();
            end(ExitFailed,
                tr("The pedal unit was unplugged during the calibration. It keeps the "
                   "calibration it had."));
        },
        Qt::QueuedConnection);
    QObject::connect(&watch, &QTimer::timeout, &watch, [&] {
        unit.startWatch();
        showTravel(true);
    });
    QSocketNotifier enter(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&enter, &QSocketNotifier::activated, &watch, [&] {
        char buffer[256];
        const auto n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            // No one left to press Enter: the calibration is cancelled.
            enter.setEnabled(false);
            const kest::Outcome cancelled = unit.cancelCalibration();
            end(cancelled.done() ? ExitRefused : ExitFailed,
                cancelled.done() ? tr("Input ended before Enter: the calibration was "
                                      "cancelled. The pedal keeps the calibration it had.")
                                 : cancelled.message);
            return;
        }
        if (std::memchr(buffer, '\n', std::size_t(n)) == nullptr)
            return;
        // The travel saved, not the last one the frame limit let through.
        showTravel(true);
        const kest::PedalRange toSave = unit.calibrationToSave();
        const kest::Outcome saved = unit.saveCalibration(resetConfirmed);
        if (saved.status == kest::Outcome::Refused) {
            live.finish();
            Output::message(saved.message + QLatin1Char(' ') + tr("(Enter saves, Ctrl-C cancels)"));
            return;
        }
        if (!saved.done()) {
            // A save the unit did not take leaves the calibration under way, as in the
            // window: Enter tries again, Ctrl-C cancels.
            if (unit.calibratingPedal() == pedal) {
                live.finish();
                Output::message(saved.message + QLatin1Char(' ')
                                + tr("(Enter tries again, Ctrl-C cancels)"));
                return;
            }
            end(ExitFailed, saved.message);
            return;
        }
        kept = toSave;
        end(ExitDone,
            tr("%1 calibrated: the unit keeps %2 to %3.")
                .arg(pedalName(pedal))
                .arg(kept.low)
                .arg(kept.high));
    });
    QObject::connect(&interrupts, &Interrupts::interrupted, &watch, [&] {
        if (unit.calibratingPedal() != pedal)
            return;
        const kest::Outcome cancelled = unit.cancelCalibration();
        end(cancelled.done() ? ExitRefused : ExitFailed,
            cancelled.done() ? tr("Calibration cancelled: the %1 keeps the calibration it had.")
                                   .arg(pedalName(pedal))
                             : cancelled.message);
    });

    reader.thread.start();
    watch.start(kest::CALIBRATION_WATCH_DELAY_MS);
    showTravel(true);
    QCoreApplication::exec();
    reader.stop();
    live.finish();
    kest::deviceClose();
    if (exitCode == ExitDone) {
        out.line(result);
        return out.done({{QStringLiteral("pedal"), pedalKey(pedal)},
                         {QStringLiteral("low"), kept.low},
                         {QStringLiteral("high"), kept.high},
                         {QStringLiteral("message"), result}});
    }
    return out.fail(Exit(exitCode), result);
}

} // namespace kestctl
