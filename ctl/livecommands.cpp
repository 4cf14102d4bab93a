// watch and calibrate: the commands that follow the unit's input reports until the user
// ends them.

#include "cli.h"
#include "pedalmath.h"
#include "unitsession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QSocketNotifier>
#include <QTimer>

#include <cstring>
#include <unistd.h>

namespace kestctl {

namespace {

constexpr int kWatchDelayMs = 500; ///< from a calibration's start to its watch
constexpr int kTerminalFrameMs = 33; ///< a redrawn line at most 30 times a second
constexpr int kLineMs = 100; ///< plain lines at most 10 a second

int percentOf(std::uint16_t raw)
{
    return int(raw * 100.0 / kest::RAW_MAX + 0.5);
}

/// Cancels the calibration under way the window's way: a save that finds no travel (it
/// reads both tables as the unit has them now), then the cancel, which puts the start's
/// bounds of this pedal back into those tables. The travel seen is let go first, so that
/// the save cannot keep it.
kest::Outcome cancel(kest::KestUnit &unit)
{
    unit.startWatch();
    const kest::Outcome saved = unit.saveCalibration();
    if (saved.status == kest::Outcome::Failed)
        return saved;
    return unit.cancelCalibration();
}

} // namespace

int runWatch(const Invocation &in)
{
    const Output out(in.json);
    if (in.words.size() != 1)
        return out.fail(ExitRefused, tr("watch takes no arguments"));
    // The unit is looked for again while it is gone, as the window does.
    kest::UnitSession session(nullptr, kest::UnitSession::Policy::KeepLooking);
    if (const auto ended = attachOrFail(out, session))
        return *ended;

    Interrupts interrupts;
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
            text << QStringLiteral("%1 %2 (%3 %)").arg(pedalName(p)).arg(v, 5).arg(percentOf(v), 3);
        }
        if (out.isJson())
            out.object(o);
        else
            live.show(text.join(QStringLiteral("   ")));
    };
    QObject::connect(&session, &kest::UnitSession::positions, &session, show);
    QObject::connect(&session, &kest::UnitSession::lost, &session, [&] {
        live.finish();
        Output::message(tr("the pedal unit was unplugged; waiting for it (Ctrl-C ends)"));
    });
    QObject::connect(&session, &kest::UnitSession::attached, &session, [&] {
        live.finish();
        Output::message(tr("the pedal unit is back"));
    });
    QObject::connect(&interrupts, &Interrupts::interrupted, QCoreApplication::instance(),
                     &QCoreApplication::quit);
    QCoreApplication::exec();
    session.stop();
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
    kest::KestUnit unit;
    // Attached once: a pull ends the calibration. The reader runs from here on.
    kest::UnitSession session(&unit, kest::UnitSession::Policy::Once);
    if (const auto ended = attachOrFail(out, session))
        return *ended;
    if (!unit.readClutchMode())
        return out.fail(ExitFailed,
                        tr("The pedal unit did not answer. It keeps the calibration it had."));
    if (pedal == 0 && !unit.clutchEnabled())
        return out.fail(ExitRefused,
                        tr("the clutch pedal is switched off: switch it on first (kestctl "
                           "clutch on)"));
    const kest::Outcome started = unit.startCalibration(pedal);
    if (!started.done())
        return outcomeExit(out, started, QString());

    Interrupts interrupts;
    LiveLine live;
    QTimer watch;
    watch.setSingleShot(true);
    int exitCode = ExitDone;
    QString result;

    const auto travel = [&]() -> QString {
        const std::uint16_t low = unit.observed()[std::size_t(2 * pedal)];
        const std::uint16_t high = unit.observed()[std::size_t(2 * pedal + 1)];
        if (watch.isActive() || low > high)
            return tr("no travel seen yet");
        return tr("travel seen %1 to %2 (%3 %)")
            .arg(low)
            .arg(high)
            .arg(int((high - low) * 100.0 / kest::RAW_MAX + 0.5));
    };
    QElapsedTimer shown;
    const auto showTravel = [&](bool now) {
        if (!now && shown.isValid() && shown.elapsed() < kTerminalFrameMs * 3)
            return;
        shown.start();
        if (out.isJson()) {
            const std::uint16_t low = unit.observed()[std::size_t(2 * pedal)];
            const std::uint16_t high = unit.observed()[std::size_t(2 * pedal + 1)];
            QJsonObject o {{QStringLiteral("pedal"), pedalKey(pedal)}};
            if (!watch.isActive() && low <= high) {
                o.insert(QStringLiteral("low"), low);
                o.insert(QStringLiteral("high"), high);
            }
            out.object(o);
            return;
        }
        live.show(QStringLiteral("%1: %2").arg(pedalName(pedal), travel()));
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
    QObject::connect(&session, &kest::UnitSession::positions, &watch,
                     [&](const QByteArray &values) {
                         if (unit.calibratingPedal() == pedal && unit.observe(values))
                             showTravel(false);
                     });
    // The session has closed the unit and abandoned the calibration.
    QObject::connect(&session, &kest::UnitSession::lost, &watch, [&] {
        end(ExitFailed,
            tr("The pedal unit was unplugged during the calibration. It keeps the "
               "calibration it had."));
    });
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
            const kest::Outcome cancelled = cancel(unit);
            end(cancelled.done() ? ExitRefused : ExitFailed,
                cancelled.done() ? tr("Input ended before Enter: the calibration was "
                                      "cancelled. The pedal keeps the calibration it had.")
                                 : cancelled.message);
            return;
        }
        if (std::memchr(buffer, '\n', std::size_t(n)) == nullptr)
            return;
        const kest::Outcome saved = unit.saveCalibration();
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
        showTravel(true); // the travel saved, not the last one the frame limit let through
        const std::uint16_t low
            = kest::calibratedLow(pedal, unit.observed()[std::size_t(2 * pedal)]);
        const std::uint16_t high = unit.observed()[std::size_t(2 * pedal + 1)];
        end(ExitDone,
            tr("%1 calibrated: the unit keeps %2 to %3.").arg(pedalName(pedal)).arg(low).arg(high));
    });
    QObject::connect(&interrupts, &Interrupts::interrupted, &watch, [&] {
        if (unit.calibratingPedal() != pedal)
            return;
        const kest::Outcome cancelled = cancel(unit);
        end(cancelled.done() ? ExitRefused : ExitFailed,
            cancelled.done() ? tr("Calibration cancelled: the %1 keeps the calibration it had.")
                                   .arg(pedalName(pedal))
                             : cancelled.message);
    });

    watch.start(kWatchDelayMs);
    showTravel(true);
    QCoreApplication::exec();
    session.stop();
    live.finish();
    if (exitCode == ExitDone) {
        out.line(result);
        return out.done({{QStringLiteral("pedal"), pedalKey(pedal)},
                         {QStringLiteral("low"),
                          kest::calibratedLow(pedal, unit.observed()[std::size_t(2 * pedal)])},
                         {QStringLiteral("high"), unit.observed()[std::size_t(2 * pedal + 1)]},
                         {QStringLiteral("message"), result}});
    }
    return out.fail(Exit(exitCode), result);
}

} // namespace kestctl
