#include "cli.h"

#include "kestdevice.h"
#include "unitsession.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <pthread.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace kestctl {

QString tr(const char *text)
{
    return QCoreApplication::translate("kestctl", text);
}

namespace {

/// The pedal of an option --clutch, --brake or --throttle; -1 for any other word.
int pedalOption(const QString &option)
{
    for (int p = 0; p < kest::PEDAL_COUNT; ++p)
        if (option == QLatin1String("--") + pedalKey(p))
            return p;
    return -1;
}

} // namespace

bool parseArguments(const QStringList &arguments, Invocation &out)
{
    bool onlyWords = false;
    const auto bad = [&](const QString &option, bool valueMissing) {
        if (!out.badOption.isEmpty())
            return;
        out.badOption = option;
        out.badOptionValue = valueMissing;
    };
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (onlyWords || !a.startsWith(QLatin1Char('-')) || a == QLatin1String("-")) {
            out.words << a;
            continue;
        }
        if (a == QLatin1String("--")) {
            onlyWords = true;
            out.afterDashes = int(out.words.size());
        } else if (a == QLatin1String("--json")) {
            out.json = true;
        } else if (a == QLatin1String("--yes") || a == QLatin1String("-y")) {
            out.yes = true;
        } else if (a == QLatin1String("--print-rules")) {
            out.printRules = true;
        } else if (a == QLatin1String("--for-now")) {
            out.forNow = true;
        } else if (const int p = pedalOption(a); p >= 0) {
            if (i + 1 >= arguments.size()) {
                bad(a, true);
                continue;
            }
            out.profiles[std::size_t(p)] = arguments.at(++i);
        } else if (const int p = pedalOption(a.section(QLatin1Char('='), 0, 0));
                   p >= 0 && a.contains(QLatin1Char('='))) {
            out.profiles[std::size_t(p)] = a.section(QLatin1Char('='), 1);
        } else if (a == QLatin1String("--status")) {
            out.status = true;
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            out.words.prepend(QStringLiteral("--help"));
        } else if (a == QLatin1String("--version")) {
            out.words.prepend(QStringLiteral("--version"));
        } else if (a == QLatin1String("--pedal") || a == QLatin1String("--curve")
                   || a == QLatin1String("--trace") || a == QLatin1String("--lang")
                   || a == QLatin1String("--seconds")) {
            if (i + 1 >= arguments.size()) {
                bad(a, true);
                continue;
            }
            (a == QLatin1String("--pedal")         ? out.pedal
                 : a == QLatin1String("--curve")   ? out.curve
                 : a == QLatin1String("--trace")   ? out.trace
                 : a == QLatin1String("--seconds") ? out.seconds
                                                   : out.lang)
                = arguments.at(++i);
        } else if (a.startsWith(QLatin1String("--lang="))) {
            out.lang = a.mid(7);
        } else if (a.startsWith(QLatin1String("--trace="))) {
            out.trace = a.mid(8);
        } else if (a.startsWith(QLatin1String("--pedal="))) {
            out.pedal = a.mid(8);
        } else if (a.startsWith(QLatin1String("--curve="))) {
            out.curve = a.mid(8);
        } else if (a.startsWith(QLatin1String("--seconds="))) {
            out.seconds = a.mid(10);
        } else {
            bad(a, false);
        }
    }
    return out.badOption.isEmpty();
}

void Output::line(const QString &text) const
{
    if (json)
        return;
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void Output::message(const QString &text)
{
    std::fprintf(stderr, "kestctl: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

void Output::object(const QJsonObject &o) const
{
    if (!json)
        return;
    std::fputs(QJsonDocument(o).toJson(QJsonDocument::Compact).constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

int Output::fail(Exit code, const QString &why) const
{
    message(why);
    QJsonObject o = kept;
    o.insert(QStringLiteral("ok"), false);
    o.insert(QStringLiteral("exit"), int(code));
    o.insert(QStringLiteral("error"), why);
    object(o);
    return code;
}

int Output::done(QJsonObject o) const
{
    for (auto k = kept.begin(); k != kept.end(); ++k)
        if (!o.contains(k.key()))
            o.insert(k.key(), k.value());
    o.insert(QStringLiteral("ok"), true);
    object(o);
    return ExitDone;
}

bool stdoutIsTerminal()
{
    return ::isatty(STDOUT_FILENO) == 1;
}

bool stdinIsTerminal()
{
    return ::isatty(STDIN_FILENO) == 1;
}

int pedalIndex(const QString &name)
{
    const QString n = name.toLower();
    for (int p = 0; p < kest::PEDAL_COUNT; ++p)
        if (n == pedalKey(p) || n == QString::number(p))
            return p;
    return -1;
}

QString pedalColumn(int pedal)
{
    qsizetype width = 0;
    for (int p = 0; p < kest::PEDAL_COUNT; ++p)
        width = qMax(width, pedalName(p).size());
    return pedalName(pedal).leftJustified(width + 1);
}

std::optional<QString> attach()
{
    kest::deviceInit();
    if (const auto absent = kest::UnitSession::openOnce())
        return kest::UnitSession::hintFor(*absent);
    return std::nullopt;
}

std::optional<int> attachOrFail(const Output &out)
{
    if (const auto hint = attach())
        return out.fail(ExitNoUnit, *hint);
    return std::nullopt;
}

std::optional<int> attachOrFail(const Output &out, kest::UnitSession &session)
{
    kest::deviceInit();
    if (!session.attach())
        return out.fail(ExitNoUnit, session.waitingHint());
    return std::nullopt;
}

std::optional<int> backUpOrFail(const Output &out, kest::KestUnit &unit, QString *named,
                                const QString &bringsBack)
{
    QString path = named && !named->isEmpty() ? *named : kest::nextBackupPath();
    const kest::Outcome saved = unit.backUp(path, bringsBack);
    if (!saved.done())
        return out.fail(ExitFailed, saved.message);
    if (named)
        *named = path;
    path = QDir::toNativeSeparators(path);
    out.line(tr("Backup of the unit's settings: %1").arg(path));
    out.keep(QStringLiteral("backup"), path);
    if (!saved.message.isEmpty()) // the profiles it leaves out
        Output::message(saved.message);
    return std::nullopt;
}

std::optional<int> confirmOrEnd(const Invocation &in, const Output &out, const QString &question,
                                const QString &offTerminal, const QString &declined)
{
    if (in.yes)
        return std::nullopt;
    if (!stdinIsTerminal())
        return out.fail(ExitRefused, offTerminal);
    // The answer stays y or n in every language, as the command words do.
    std::fputs((question + QStringLiteral(" [y/N] ")).toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    char answer[16] = {};
    if (!std::fgets(answer, sizeof answer, stdin) || (answer[0] != 'y' && answer[0] != 'Y'))
        return out.fail(ExitRefused, declined);
    return std::nullopt;
}

int outcomeExit(const Output &out, const kest::Outcome &outcome, const QString &doneText)
{
    switch (outcome.status) {
    case kest::Outcome::Done:
        out.line(doneText);
        return out.done({{QStringLiteral("message"), doneText}});
    case kest::Outcome::Refused:
        return out.fail(ExitRefused, outcome.message);
    case kest::Outcome::Failed:
        break;
    }
    return out.fail(ExitFailed, outcome.message);
}

namespace {

/// Written to by the handler, read by the event loop: the signal's number and whether the
/// kernel sent it (a terminal's Ctrl-C or hang-up). Made once and kept open until the
/// process ends: a handler that runs as a command ends must never write to a descriptor
/// that was closed, or that a file opened since has taken over.
int g_signalPipe[2] = {-1, -1};

void onSignal(int signal, siginfo_t *info, void *)
{
    const int saved = errno; // the code this handler interrupted may read it next
    const char bytes[2] = {char(signal), char(info && info->si_code == SI_KERNEL)};
    // Nothing to do when the pipe is full: a wake-up is waiting already.
    [[maybe_unused]] const auto n = ::write(g_signalPipe[1], bytes, sizeof bytes);
    errno = saved;
}

} // namespace

Interrupts::Interrupts(QObject *parent) : Interrupts({SIGINT, SIGTERM}, parent) { }

Interrupts::Interrupts(std::initializer_list<int> signals, QObject *parent)
    : QObject(parent), watched(signals), previous(signals.size())
{
    // The signals are blocked in this thread, and so in every thread it starts while this
    // watch lives (the input reader, the firmware upload): they come to the event loop
    // through a signalfd, and never interrupt a worker's call to the unit. A thread that
    // was running before still takes them, through the handler and the pipe.
    sigset_t set;
    sigemptyset(&set);
    for (const int s : this->watched)
        sigaddset(&set, s);
    pthread_sigmask(SIG_BLOCK, &set, &blocked);
    signalFd = ::signalfd(-1, &set, SFD_CLOEXEC | SFD_NONBLOCK);
    if (signalFd >= 0) {
        auto *notifier = new QSocketNotifier(signalFd, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this] {
            signalfd_siginfo info;
            while (::read(signalFd, &info, sizeof info) == sizeof info)
                Q_EMIT interrupted(int(info.ssi_signo), info.ssi_code == SI_KERNEL);
        });
    }
    if (g_signalPipe[0] < 0 && ::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto *notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[2];
        while (::read(g_signalPipe[0], bytes, sizeof bytes) == sizeof bytes)
            Q_EMIT interrupted(bytes[0], bytes[1] != 0);
    });
    struct sigaction action
    {
    };
    action.sa_sigaction = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_SIGINFO;
    for (std::size_t i = 0; i < this->watched.size(); ++i)
        sigaction(this->watched[i], &action, &previous[i]);
    installed = true;
}

Interrupts::~Interrupts()
{
    // A signal that came as the command ends has ended it already: taken here, it does not
    // end the process once unblocked.
    if (signalFd >= 0) {
        signalfd_siginfo info;
        while (::read(signalFd, &info, sizeof info) > 0) { }
        ::close(signalFd);
    }
    if (installed)
        for (std::size_t i = 0; i < watched.size(); ++i)
            sigaction(watched[i], &previous[i], nullptr);
    pthread_sigmask(SIG_SETMASK, &blocked, nullptr);
}

LiveLine::LiveLine() : terminal(stdoutIsTerminal()) { }

void LiveLine::show(const QString &text)
{
    // A line like the one before tells nothing new.
    if (text == last)
        return;
    last = text;
    const QByteArray bytes = text.toLocal8Bit();
    if (terminal) {
        // Back to the line's start, the new text, and the rest of the old one erased.
        std::fprintf(stdout, "\r%s\x1b[K", bytes.constData());
        drawn = true;
    } else {
        std::fprintf(stdout, "%s\n", bytes.constData());
    }
    std::fflush(stdout);
}

void LiveLine::finish()
{
    if (drawn) {
        std::fputc('\n', stdout);
        std::fflush(stdout);
        drawn = false;
    }
    last.clear();
}

int runCommand(const Invocation &in, int (*doctor)(const Invocation &))
{
    const QString command = in.words.value(0);
    using Run = int (*)(const Invocation &);
    const struct
    {
        const char *name;
        Run run;
    } commands[] = {
        {"info", runInfo},         {"watch", runWatch},           {"record", runRecord},
        {"deadzone", runDeadzone}, {"clutch", runClutch},         {"calibrate", runCalibrate},
        {"profile", runProfile},   {"firmware", runFirmware},     {"clear-flash", runClearFlash},
        {"backup", runBackup},     {"restore", runRestore},       {"doctor", doctor},
        {"launch", runLaunch},     {"autoswitch", runAutoswitch},
    };
    // Options of one command only, so that a mistyped command line is not half obeyed.
    const bool pedalProfiles = std::any_of(in.profiles.begin(), in.profiles.end(),
                                           [](const QString &name) { return !name.isEmpty(); });
    if (pedalProfiles && command != QLatin1String("launch"))
        return Output(in.json).fail(
            ExitRefused, tr("--clutch, --brake and --throttle are for launch (kestctl --help)"));
    if (in.forNow
        && (command != QLatin1String("profile") || in.words.value(1) != QLatin1String("apply")))
        return Output(in.json).fail(ExitRefused,
                                    tr("--for-now is for profile apply (kestctl --help)"));
    for (const auto &c : commands)
        if (c.run && command == QLatin1String(c.name))
            return c.run(in);
    return Output(in.json).fail(ExitRefused,
                                tr("unknown command '%1' (kestctl --help)").arg(command));
}

} // namespace kestctl
