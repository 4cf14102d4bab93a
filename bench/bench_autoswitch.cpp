// kest-bench-autoswitch: what kestctl autoswitch costs while it waits for a game, and how
// soon a game's start and end reach the unit. In-process, against the simulated unit.
//
//   kest-bench-autoswitch [--seconds S] [--processes N] [--games K]
//
// Starts N sleeping processes (so that each look at /proc has that many more to read),
// then measures, each over S seconds of the event loop:
//   bare_cpu       % of a core: the same event loop with a 500 ms timer that does nothing
//   watch_cpu      % of a core: the watch (AutoSwitch) waiting, no game running
//   new_numbers_per_s  process and thread numbers the system gave out meanwhile, each
//                  of which the watch looks at
// and then:
//   look_us        CPU microseconds of one look at the processes, looks back to back
//                  (median of 200)
//   processes      how many processes a look saw
//   switch_ms      from the start of a stand-in game (at a random moment between two
//                  looks) to the unit's new choice, median and highest of K starts
//   back_ms        from the game's end to the earlier choice back in the unit, likewise
// One "key value..." line each. CPU times are the process's own (getrusage), which the
// other programs on the machine do not change.

#include "autoswitch.h"
#include "kestdevice.h"
#include "processscan.h"
#include "simhid.h"
#include "switchrules.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double threadCpuUs()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e6 + double(t.tv_nsec) / 1e3;
}

/// Runs the event loop for `seconds`; the share of one core the process used meanwhile.
double loopCpuPercent(double seconds)
{
    QEventLoop loop;
    QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
    const double before = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    loop.exec();
    return (cpuSeconds() - before) / (double(wall.nsecsElapsed()) / 1e9) * 100;
}

/// The newest process (or thread) number the system gave out.
long newestNumber()
{
    QFile load(QStringLiteral("/proc/loadavg"));
    if (!load.open(QIODevice::ReadOnly))
        return 0;
    return load.readAll().trimmed().split(' ').value(4).toLong();
}

pid_t spawn(const QString &program, const char *argument)
{
    const QByteArray path = QFile::encodeName(program);
    char *argv[] = {const_cast<char *>(path.constData()), const_cast<char *>(argument), nullptr};
    pid_t pid = -1;
    return posix_spawn(&pid, path.constData(), nullptr, nullptr, argv, environ) == 0 ? pid : -1;
}

void end(pid_t pid)
{
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    double seconds = 10;
    int processes = 300;
    int games = 10;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--seconds"))
            seconds = args[i + 1].toDouble();
        else if (args[i] == QLatin1String("--processes"))
            processes = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--games"))
            games = args[i + 1].toInt();
    }

    QTemporaryDir dir;
    const QString gameName = QStringLiteral("kbench%1").arg(app.applicationPid() % 100000);
    const QString game = dir.filePath(gameName);
    if (!QFile::copy(QStringLiteral("/bin/sleep"), game)) {
        std::fprintf(stderr, "cannot copy /bin/sleep\n");
        return 1;
    }
    std::vector<pid_t> crowd;
    for (int i = 0; i < processes; ++i)
        crowd.push_back(spawn(QStringLiteral("/bin/sleep"), "3600"));

    QList<kest::SwitchRule> rules;
    QString error;
    // A program's rule and a Steam game's: the look reads every new process's environment.
    if (!kest::parseSwitchRules(QByteArray("[Bench game]\nprocess = ") + gameName.toUtf8()
                                    + "\nthrottle = Gas B\n[Steam game]\nsteam-app = 4242\n"
                                      "brake = Brake B\n",
                                rules, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }

    // The bare reference: the loop and a timer as the watch has, doing nothing.
    {
        QTimer idle;
        idle.setTimerType(Qt::CoarseTimer);
        idle.start(kest::AutoSwitch::LOOK_INTERVAL_MS);
        std::printf("bare_cpu %.4f\n", loopCpuPercent(seconds));
        std::fflush(stdout);
    }

    kest::deviceInit();
    kestsim::UnitState state;
    auto slot = [](int n, const char *name, int pedal) {
        kestsim::Slot s;
        s.name.assign(name, name + std::strlen(name));
        s.record = {std::uint8_t(n), std::uint8_t(pedal), 20, 40, 60, 80, 100};
        return s;
    };
    state.kept.slots[0] = slot(0, "Brake A", 2);
    state.kept.slots[1] = slot(1, "Brake B", 2);
    state.kept.slots[2] = slot(2, "Gas A", 3);
    state.kept.slots[3] = slot(3, "Gas B", 3);
    state.kept.activeProfile = 0xEF020000;
    kestsim::unit().setState(state);
    kestsim::unit().plug();

    kest::AutoSwitch watch(rules);
    watch.start();
    loopCpuPercent(1); // the first looks read every process's environment once
    const long numbersBefore = newestNumber();
    QElapsedTimer span;
    span.start();
    std::printf("watch_cpu %.4f\n", loopCpuPercent(seconds));
    // What the machine's other programs started meanwhile: each new number is looked at.
    std::printf("new_numbers_per_s %.1f\n",
                double(newestNumber() - numbersBefore) / (double(span.elapsed()) / 1000));
    std::fflush(stdout);

    {
        kest::ProcessScan scan(rules);
        scan.look();
        std::vector<double> looks;
        for (int i = 0; i < 200; ++i) {
            const double t0 = threadCpuUs();
            scan.look();
            looks.push_back(threadCpuUs() - t0);
        }
        std::printf("look_us %.1f\nprocesses %d\n", median(looks), scan.processCount());
        std::fflush(stdout);
    }

    std::vector<double> there, back;
    int rule = -2;
    QObject::connect(&watch, &kest::AutoSwitch::switched, [&rule](int r) { rule = r; });
    const auto waitFor = [&](int wanted) {
        QElapsedTimer t;
        t.start();
        QEventLoop loop;
        QTimer look;
        look.start(1);
        QObject::connect(&look, &QTimer::timeout, &loop, [&] {
            if (rule == wanted || t.elapsed() > 5000)
                loop.quit();
        });
        loop.exec();
        return rule == wanted ? double(t.nsecsElapsed()) / 1e6 : -1.0;
    };
    const auto pause = [](int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    };
    for (int i = 0; i < games; ++i) {
        // Starts and ends fall anywhere between two looks.
        pause(QRandomGenerator::global()->bounded(kest::AutoSwitch::LOOK_INTERVAL_MS));
        rule = -2;
        const pid_t pid = spawn(game, "60");
        there.push_back(waitFor(0));
        pause(QRandomGenerator::global()->bounded(kest::AutoSwitch::LOOK_INTERVAL_MS));
        rule = -2;
        end(pid);
        back.push_back(waitFor(-1));
    }
    std::printf("switch_ms %.1f %.1f\nback_ms %.1f %.1f\n", median(there),
                *std::max_element(there.begin(), there.end()), median(back),
                *std::max_element(back.begin(), back.end()));
    watch.stop();
    for (const pid_t pid : crowd)
        end(pid);
    return 0;
}
