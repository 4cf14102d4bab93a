// launch: a command (a game) run with profiles in effect for its time; when it ends, the
// choice that was in effect before is put back. Nothing is stored on the unit.

#include "cli.h"
#include "kestdevice.h"
#include "unitsession.h"

#include <QEventLoop>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace kestctl {

namespace {

const char kUsage[]
    = QT_TRANSLATE_NOOP("kestctl",
                        "usage: kestctl launch [--clutch NAME] [--brake NAME] [--throttle NAME] "
                        "-- COMMAND [ARGS...]");

/// How often the end of the command is looked for where the system cannot announce it.
constexpr int kEndPollMs = 100;

/// The command, started with kestctl's standard streams and the signals of a new program.
class Child
{
public:
    ~Child()
    {
        if (pidFd >= 0)
            ::close(pidFd);
        if (childSignalChanged)
            ::sigaction(SIGCHLD, &childSignal, nullptr);
    }

    /// Starts the command; 0, or the error that kept it from starting.
    int start(const QStringList &words, std::function<void()> ended)
    {
        onEnd = std::move(ended);
        // A caller that ignores SIGCHLD (or asks not to wait) would have the system reap
        // the command itself: its end would never be told, nor its status.
        ::sigaction(SIGCHLD, nullptr, &childSignal);
        if (childSignal.sa_handler == SIG_IGN || (childSignal.sa_flags & SA_NOCLDWAIT)) {
            struct sigaction byDefault
            {
            };
            byDefault.sa_handler = SIG_DFL;
            sigemptyset(&byDefault.sa_mask);
            childSignalChanged = ::sigaction(SIGCHLD, &byDefault, nullptr) == 0;
        }
        std::vector<QByteArray> bytes;
        for (const QString &w : words)
            bytes.push_back(QFile::encodeName(w));
        std::vector<char *> argv;
        for (QByteArray &b : bytes)
            argv.push_back(b.data());
        argv.push_back(nullptr);

        // The signals that kestctl takes through its event loop are blocked in this thread;
        // the command starts without that, as it would from a shell.
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        sigset_t mask;
        pthread_sigmask(SIG_BLOCK, nullptr, &mask);
        for (const int s : {SIGINT, SIGTERM, SIGHUP})
            sigdelset(&mask, s);
        posix_spawnattr_setsigmask(&attributes, &mask);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
        const int error = posix_spawnp(&pid, argv[0], nullptr, &attributes, argv.data(), environ);
        posix_spawnattr_destroy(&attributes);
        if (error != 0) {
            pid = -1;
            return error;
        }
        pidFd = int(::syscall(SYS_pidfd_open, pid, 0));
        if (pidFd >= 0) {
            notifier = std::make_unique<QSocketNotifier>(pidFd, QSocketNotifier::Read);
            QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(),
                             [this] { reap(); });
        } else {
            poll = std::make_unique<QTimer>();
            QObject::connect(poll.get(), &QTimer::timeout, poll.get(), [this] { reap(); });
            poll->start(kEndPollMs);
        }
        reap();
        return 0;
    }

    bool running() const { return pid > 0 && !status; }
    /// Passes a signal on to the command while it runs.
    void signal(int s) const
    {
        if (running())
            ::kill(pid, s);
    }
    /// As a shell gives it: the command's own, or 128 and the signal that ended it.
    int exitStatus() const { return status.value_or(0); }

private:
    void reap()
    {
        int raw = 0;
        if (status || ::waitpid(pid, &raw, WNOHANG) != pid)
            return;
        status = WIFSIGNALED(raw) ? 128 + WTERMSIG(raw) : WEXITSTATUS(raw);
        if (notifier)
            notifier->setEnabled(false);
        if (poll)
            poll->stop();
        if (onEnd)
            onEnd();
    }

    pid_t pid = -1;
    int pidFd = -1;
    std::optional<int> status;
    std::unique_ptr<QSocketNotifier> notifier;
    std::unique_ptr<QTimer> poll;
    std::function<void()> onEnd;
    struct sigaction childSignal
    {
    }; ///< SIGCHLD's handling before the start
    bool childSignalChanged = false;
};

} // namespace

int runLaunch(const Invocation &in)
{
    const Output out(in.json);
    const bool anyProfile = std::any_of(in.profiles.begin(), in.profiles.end(),
                                        [](const QString &name) { return !name.isEmpty(); });
    if (in.afterDashes != 1 || in.words.size() < 2 || !anyProfile)
        return out.fail(ExitRefused, tr(kUsage));
    const QStringList command = in.words.mid(1);

    // Made before the session starts its reader, which then never takes these signals.
    Interrupts interrupts({SIGINT, SIGTERM, SIGHUP});
    kest::KestUnit unit;
    // Followed while the command runs: a unit plugged in again has forgotten the choice,
    // which goes to it again at the attach.
    kest::UnitSession session(&unit, kest::UnitSession::Policy::KeepLooking);
    session.setAttachReads([&unit] { return unit.readProfiles(); });
    std::optional<std::uint32_t> before; // the choice to put back, once one was switched

    // With --json the command's end is one object on standard output, after everything
    // the command itself printed there: whether the profiles were switched and put back,
    // the choice before, and the command's status.
    bool switchedOnce = false;
    const auto switchProfiles = [&]() -> kest::Outcome {
        std::uint32_t was = 0;
        QJsonObject choiceBefore;
        if (!before)
            choiceBefore = activeProfiles(unit);
        const kest::Outcome switched = unit.applyForNow(in.profiles, before ? nullptr : &was);
        if (switched.done() && !before) {
            before = was;
            out.keep(QStringLiteral("before"), choiceBefore);
        }
        switchedOnce = switchedOnce || switched.done();
        return switched;
    };
    kest::deviceInit();
    if (session.attach()) {
        const kest::Outcome switched = switchProfiles();
        // A name the unit does not have is a mistake on the command line: nothing starts.
        if (switched.status == kest::Outcome::Refused) {
            session.stop();
            return out.fail(ExitRefused, switched.message);
        }
        if (!switched.done())
            Output::message(tr("the profiles were not switched: %1").arg(switched.message));
    } else {
        Output::message(tr("the profiles were not switched: %1").arg(session.waitingHint()));
    }
    const QMetaObject::Connection switchAgain
        = QObject::connect(&session, &kest::UnitSession::attached, &session, [&] {
              const bool again = before.has_value();
              const kest::Outcome switched = switchProfiles();
              if (!switched.done())
                  Output::message(tr("the pedal unit is attached, but the profiles were not "
                                     "switched: %1")
                                      .arg(switched.message));
              else
                  Output::message(
                      again ? tr("the pedal unit is back; the profiles are switched again")
                            : tr("the pedal unit is attached; the profiles are switched"));
          });

    // A signal that came while the unit was attached and switched is the user's answer
    // before the command ran (a terminal's Ctrl-C reached no command yet): it does not start.
    int interrupted = 0;
    sigset_t pending;
    sigemptyset(&pending);
    ::sigpending(&pending);
    for (const int s : {SIGINT, SIGTERM, SIGHUP})
        if (!interrupted && sigismember(&pending, s) == 1)
            interrupted = s;

    QEventLoop loop;
    Child child;
    if (interrupted == 0) {
        if (const int error = child.start(command, [&loop] { loop.quit(); })) {
            Output::message(
                tr("%1 could not be started: %2")
                    .arg(command.first(), QString::fromLocal8Bit(std::strerror(error))));
            if (before && session.isAttached())
                unit.restoreForNow(*before);
            session.stop();
            const Exit code = Exit(error == ENOENT ? 127 : 126);
            out.object({{QStringLiteral("ok"), false},
                        {QStringLiteral("exit"), int(code)},
                        {QStringLiteral("error"), QStringLiteral("not started")}});
            return code;
        }
        QObject::connect(&interrupts, &Interrupts::interrupted, &loop,
                         [&child](int signal, bool fromKernel) {
                             // A terminal's Ctrl-C or hang-up reaches the command too, in
                             // the same foreground group: passed on, it would come twice.
                             if (!fromKernel)
                                 child.signal(signal);
                         });
        if (child.running())
            loop.exec();
    }

    // The session lets the unit go when a read fails, also with the unit still plugged
    // in and the choice still in effect. One more attach tells a unit that was pulled out
    // and is not back, which has forgotten the choice, from one that is there.
    std::optional<kest::UnitSession::Absence> absence;
    if (before && !session.isAttached()) {
        QObject::disconnect(switchAgain);
        QObject::connect(&session, &kest::UnitSession::waiting, &session,
                         [&absence](kest::UnitSession::Absence why) { absence = why; });
        session.attach();
    }
    bool restored = before.has_value() && !session.isAttached()
        && absence == kest::UnitSession::Absence::NotFound;
    if (before && !session.isAttached() && !restored)
        Output::message(
            tr("the profiles in effect before were not put back: %1").arg(session.waitingHint()));
    if (before && session.isAttached()) {
        const kest::Outcome back = unit.restoreForNow(*before);
        restored = back.done();
        if (!restored)
            Output::message(back.message);
    }
    session.stop();
    // As a shell tells a command that a signal ended.
    const int status = interrupted ? 128 + interrupted : child.exitStatus();
    out.done({{QStringLiteral("exit"), status},
              {QStringLiteral("switched"), switchedOnce},
              {QStringLiteral("restored"), restored}});
    return status;
}

} // namespace kestctl
