// watch, record and calibrate: the commands that follow the unit's input reports until
// the user ends them.

#include "cli.h"
#include "pedalrange.h"
#include "unitsession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QScopeGuard>
#include <QSocketNotifier>
#include <QTimer>

#include <climits>
#include <cmath>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace kestctl {

namespace {

constexpr int kTerminalFrameMs = 33; ///< a redrawn line at most 30 times a second
constexpr int kLineMs = 100; ///< plain lines at most 10 a second

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

int runRecord(const Invocation &in)
{
    // "-" puts the reports on standard output; the command's end then stays off it.
    const bool toStdout = in.words.size() == 2 && in.words.at(1) == QLatin1String("-");
    const Output out(in.json && !toStdout);
    if (in.words.size() != 2)
        return out.fail(ExitRefused, tr("usage: kestctl record FILE [--seconds N]"));
    int limitMs = 0;
    if (!in.seconds.isEmpty()) {
        bool ok = false;
        const double seconds = in.seconds.toDouble(&ok);
        if (!ok || !(seconds > 0) || seconds * 1000 > INT_MAX)
            return out.fail(ExitRefused,
                            tr("--seconds takes a time in seconds above 0, as 3 or 0.5"));
        limitMs = int(std::ceil(seconds * 1000));
    }
    const QString path = in.words.at(1);
    QFile file;
    bool replacing = false;
    bool cutting = false; ///< a regular file replaced: emptied once the unit is attached
    if (toStdout) {
        file.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
    } else {
        // A file of the user's is replaced only when asked to. It is opened before the
        // unit, so that a path that cannot be written is refused first, and kept as it
        // is until the recording starts.
        const QFileInfo info(path);
        replacing = info.exists();
        if (replacing && !in.yes)
            return out.fail(ExitRefused, tr("%1 exists: add --yes to replace it").arg(path));
        // A device or a pipe is written as it is.
        cutting = replacing && info.isFile();
        file.setFileName(path);
        QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered;
        if (cutting)
            mode |= QIODevice::Append;
        else if (!replacing)
            mode |= QIODevice::NewOnly;
        file.open(mode);
    }
    const auto cannotWrite = [&](const QString &why) {
        return tr("cannot write %1: %2").arg(toStdout ? QStringLiteral("-") : path, why);
    };
    if (!file.isOpen())
        return out.fail(ExitRefused, cannotWrite(file.errorString()));
    // A pipe whose reader went away fails the write like a full disk does: the recording
    // ends with status 2 and its count, where SIGPIPE would end the program without a word.
    struct sigaction ignorePipe
    {
    };
    struct sigaction pipeBefore
    {
    };
    ignorePipe.sa_handler = SIG_IGN;
    sigemptyset(&ignorePipe.sa_mask);
    sigaction(SIGPIPE, &ignorePipe, &pipeBefore);
    const auto restorePipe = qScopeGuard([&] { sigaction(SIGPIPE, &pipeBefore, nullptr); });

    // Attached once: a pull ends the recording.
    kest::UnitSession session(nullptr, kest::UnitSession::Policy::Once);
    session.setStamping(true);
    if (const auto ended = attachOrFail(out, session)) {
        if (!toStdout && !replacing)
            file.remove();
        return *ended;
    }
    if (cutting && !file.resize(0))
        return out.fail(ExitRefused, cannotWrite(file.errorString()));
    kest::ReportRecorder recorder(file,
                                  in.json ? kest::ReportRecorder::Format::JsonLines
                                          : kest::ReportRecorder::Format::Csv);
    if (!recorder.begin())
        return out.fail(ExitFailed, cannotWrite(recorder.errorString()));

    Interrupts interrupts;
    QTimer limit;
    int exitCode = ExitDone;
    QString why;
    bool ending = false;
    const auto end = [&](int code, const QString &text) {
        if (ending)
            return;
        ending = true;
        exitCode = code;
        why = text;
        QCoreApplication::quit();
    };
    QObject::connect(&session, &kest::UnitSession::reportsStamped, &limit,
                     [&](const kest::StampedReports &reports) {
                         if (!recorder.write(reports))
                             end(ExitFailed, cannotWrite(recorder.errorString()));
                     });
    QObject::connect(&session, &kest::UnitSession::lost, &limit, [&] {
        end(ExitFailed, tr("the pedal unit was unplugged: the recording ends there"));
    });
    QObject::connect(&interrupts, &Interrupts::interrupted, &limit, [&] { end(ExitDone, {}); });
    QObject::connect(&limit, &QTimer::timeout, &limit, [&] { end(ExitDone, {}); });
    if (limitMs > 0) {
        limit.setSingleShot(true);
        limit.setTimerType(Qt::PreciseTimer);
        limit.start(limitMs);
    }
    QCoreApplication::exec();
    session.stop();
    // The reports the reader got before it stopped are written too.
    session.deliverReaderSignals();
    file.close();

    out.keep(QStringLiteral("file"), path);
    out.keep(QStringLiteral("rows"), recorder.rows());
    out.keep(QStringLiteral("seconds"), std::round(recorder.seconds() * 1000) / 1000);
    out.keep(QStringLiteral("rate"), std::round(recorder.rate() * 10) / 10);
    const int code = exitCode == ExitDone ? out.done() : out.fail(Exit(exitCode), why);
    Output::message(tr("recorded %1 reports in %2 s (%3 reports/s)")
                        .arg(recorder.rows())
                        .arg(recorder.seconds(), 0, 'f', 2)
                        .arg(recorder.rate(), 0, 'f', 0));
    return code;
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
    if (!unit.readClutchMode() || !unit.readDeadzones())
        return out.fail(ExitFailed,
                        tr("The pedal unit did not answer. It keeps the calibration it had."));
    if (const auto refusal = unit.calibrationRefusal(pedal))
        return outcomeExit(out, *refusal, QString());
    // The save resets the pedal's deadzones: the window asks at SAVE, here consent is asked
    // before anything is sent.
    bool resetConfirmed = in.yes;
    if (const auto reset = unit.deadzonesResetBySave(pedal)) {
        if (const auto ended = confirmOrEnd(
                in, out,
                unit.deadzoneResetText(pedal) + QLatin1Char('\n') + tr("Calibrate and reset them?"),
                tr("calibrate resets the %1 deadzones (low %2 % and high %3 %): confirm with "
                   "--yes when not asked on a terminal")
                    .arg(pedalName(pedal))
                    .arg(reset->low)
                    .arg(reset->high),
                tr("Nothing was changed.")))
            return *ended;
        resetConfirmed = true;
    }
    const kest::Outcome started = unit.startCalibration(pedal);
    if (!started.done())
        return outcomeExit(out, started, QString());

    Interrupts interrupts;
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
            cancelled.done() ? kest::KestUnit::calibrationCancelledText(pedal) : cancelled.message);
    });

    watch.start(kest::CALIBRATION_WATCH_DELAY_MS);
    showTravel(true);
    QCoreApplication::exec();
    session.stop();
    live.finish();
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
