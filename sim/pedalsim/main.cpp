// kest-pedal-sim: runs a program against the simulated pedal unit behind a fake hidraw
// node, so that the real program, linked with the real hidapi, finds a unit without
// hardware.
//
//   kest-pedal-sim [--state FILE] [--trace FILE] [--unplugged] [--deny-open] [--no-udev]
//                  [--no-joystick] [--deny-event] [--no-echo] [--fault KIND@AFTER]...
//                  -- PROGRAM [ARGS...]
//
// SIGUSR1 pulls the unit out, SIGUSR2 plugs it back in; udev's "remove" and "add" tell
// the program, as they would for a real unit. SIGINT, SIGTERM and SIGHUP are passed on to
// the program. The exit status is the program's (128 + N when signal N ended it).

#include "faultplan.h"
#include "hidrawunit.h"

#include <glib-unix.h>
#include <glib.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

extern char **environ;

namespace {

const char kUsage[] = "usage: kest-pedal-sim [--state FILE] [--trace FILE] [--unplugged]\n"
                      "                      [--deny-open] [--no-udev] [--no-echo]\n"
                      "                      [--no-joystick] [--deny-event]\n"
                      "                      [--fault KIND@AFTER]...\n"
                      "                      -- PROGRAM [ARGS...]\n"
                      "\n"
                      "Runs PROGRAM under umockdev with the simulated pedal unit on a fake\n"
                      "hidraw node.\n"
                      "  --state FILE  start the unit from this state file and keep its\n"
                      "                settings there (as KEST_SIM_STATE)\n"
                      "  --trace FILE  append the wire log to this file (as KEST_SIM_TRACE)\n"
                      "  --unplugged   start with the unit pulled out\n"
                      "  --deny-open   the unit enumerates but cannot be opened, as for a\n"
                      "                user without access to its hidraw node\n"
                      "  --no-udev     no udev events: as on a system without udev, PROGRAM\n"
                      "                hears nothing of plugging in and pulling out\n"
                      "  --no-joystick the unit's input device is not marked as a joystick\n"
                      "                (no ID_INPUT_JOYSTICK), as without the package's rule\n"
                      "  --deny-event  its event and js nodes cannot be opened\n"
                      "  --no-echo     replies do not echo their read: byte 1, and byte 2 of\n"
                      "                name and setting replies, are zero (a range reply\n"
                      "                keeps 05 01 table)\n"
                      "  --fault KIND@AFTER  one exchange goes wrong after AFTER others of its\n"
                      "                kind went through: send (a send fails), reply (a reply\n"
                      "                read fails), short (a reply of 5 bytes), misdirect (the\n"
                      "                reply for another index), cross (another command's\n"
                      "                reply); the fault plan's controls, counted from the start\n"
                      "Signals to kest-pedal-sim: SIGUSR1 unplugs the unit, SIGUSR2 plugs\n"
                      "it back in (udev's \"remove\" and \"add\" tell PROGRAM); SIGINT,\n"
                      "SIGTERM and SIGHUP go on to PROGRAM.\n";

struct Options
{
    std::string state;
    std::string trace;
    bool unplugged = false;
    bool denyOpen = false;
    bool udev = true;
    bool joystick = true;
    bool denyEvent = false;
    bool echo = true;
    std::vector<std::pair<std::string, int>> faults; ///< kind, after
    std::vector<std::string> command;
};

/// "KIND@AFTER" into the list of faults; false when it is none.
bool parseFault(const std::string &text, Options &o)
{
    const auto at = text.find('@');
    const std::string kind = text.substr(0, at);
    if (kind != "send" && kind != "reply" && kind != "short" && kind != "misdirect"
        && kind != "cross")
        return false;
    int after = 0;
    if (at != std::string::npos) {
        char *end = nullptr;
        const long n = std::strtol(text.c_str() + at + 1, &end, 10);
        if (*end != '\0' || n < 0 || n > 100000 || end == text.c_str() + at + 1)
            return false;
        after = int(n);
    }
    o.faults.emplace_back(kind, after);
    return true;
}

/// Arms each fault of the command line in the unit's plan.
void armFaults(const Options &o, kestsim::FaultPlan &plan)
{
    for (const auto &[kind, after] : o.faults) {
        if (kind == "send")
            plan.failNextSends(1, after);
        else if (kind == "reply")
            plan.failNextReplies(1, after);
        else if (kind == "short")
            plan.shortenNextReply(5, after);
        else if (kind == "misdirect")
            plan.misdirectNextReply(after);
        else
            plan.crossNextReply(after);
    }
}

/// Returns 0 to go on, otherwise the exit status.
int parse(int argc, char **argv, Options &o)
{
    int i = 1;
    for (; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--") {
            ++i;
            break;
        }
        if (a == "-h" || a == "--help") {
            std::fputs(kUsage, stdout);
            return -1;
        }
        if ((a == "--state" || a == "--trace") && i + 1 < argc) {
            (a == "--state" ? o.state : o.trace) = argv[++i];
        } else if (a == "--unplugged") {
            o.unplugged = true;
        } else if (a == "--deny-open") {
            o.denyOpen = true;
        } else if (a == "--no-udev") {
            o.udev = false;
        } else if (a == "--no-joystick") {
            o.joystick = false;
        } else if (a == "--deny-event") {
            o.denyEvent = true;
        } else if (a == "--no-echo") {
            o.echo = false;
        } else if (a == "--fault" && i + 1 < argc) {
            if (!parseFault(argv[++i], o)) {
                std::fprintf(stderr, "kest-pedal-sim: bad fault '%s'\n%s", argv[i], kUsage);
                return 2;
            }
        } else {
            std::fprintf(stderr, "kest-pedal-sim: unknown option '%s'\n%s", a.c_str(), kUsage);
            return 2;
        }
    }
    for (; i < argc; ++i)
        o.command.push_back(argv[i]);
    if (o.command.empty()) {
        std::fprintf(stderr, "kest-pedal-sim: no program given\n%s", kUsage);
        return 2;
    }
    return 0;
}

const char kPreload[] = "libumockdev-preload.so.0";
const char kAsanOrder[] = "verify_asan_link_order=0";

bool underPreload()
{
    const char *preload = std::getenv("LD_PRELOAD");
    return preload && std::strstr(preload, kPreload);
}

/// Our environment with umockdev's preload library in front (once). AddressSanitizer
/// would refuse to start behind the preload library, so a sanitized program is told not
/// to check the library order.
std::vector<std::string> preloadEnvironment()
{
    std::vector<std::string> env;
    std::string preload = kPreload;
    std::string asan = kAsanOrder;
    for (char **e = environ; *e; ++e) {
        const std::string v = *e;
        if (v.rfind("LD_PRELOAD=", 0) == 0 && v.size() > 11)
            preload = v.find(kPreload) == std::string::npos ? preload + ":" + v.substr(11)
                                                            : v.substr(11);
        else if (v.rfind("ASAN_OPTIONS=", 0) == 0 && v.size() > 13)
            asan = v.find(kAsanOrder) == std::string::npos ? v.substr(13) + ":" + asan
                                                           : v.substr(13);
        else
            env.push_back(v);
    }
    env.push_back("LD_PRELOAD=" + preload);
    env.push_back("ASAN_OPTIONS=" + asan);
    return env;
}

/// The testbed sends its udev events through the preload library of the process that
/// holds it: without it this process would see the real /sys and announce nothing. Runs
/// this program again under it; returns only when that is not possible.
void runUnderPreload(char **argv)
{
    std::vector<std::string> env = preloadEnvironment();
    std::vector<char *> envp;
    for (std::string &e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    ::execve("/proc/self/exe", argv, envp.data());
    std::fprintf(stderr,
                 "kest-pedal-sim: cannot run under %s (%s): plugging in and pulling out "
                 "are not announced\n",
                 kPreload, std::strerror(errno));
}

struct Run
{
    kestsim::HidrawUnit *unit;
    GMainLoop *loop;
    pid_t child = -1;
    int status = 0;
};

gboolean onUnplug(gpointer data)
{
    auto *run = static_cast<Run *>(data);
    if (run->unit->isPlugged()) {
        run->unit->unplug();
        std::fprintf(stderr, "kest-pedal-sim: unit unplugged\n");
    }
    return G_SOURCE_CONTINUE;
}

gboolean onPlug(gpointer data)
{
    auto *run = static_cast<Run *>(data);
    if (run->unit->isPlugged())
        return G_SOURCE_CONTINUE;
    std::string error;
    if (run->unit->plug(error))
        std::fprintf(stderr, "kest-pedal-sim: unit plugged in on %s\n",
                     run->unit->deviceNode().c_str());
    else
        std::fprintf(stderr, "kest-pedal-sim: %s\n", error.c_str());
    return G_SOURCE_CONTINUE;
}

template<int Signal> gboolean forward(gpointer data)
{
    auto *run = static_cast<Run *>(data);
    if (run->child > 0)
        ::kill(run->child, Signal);
    return G_SOURCE_CONTINUE;
}

void onChildExit(GPid, gint status, gpointer data)
{
    auto *run = static_cast<Run *>(data);
    run->status = status;
    run->child = -1;
    g_main_loop_quit(run->loop);
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    if (const int r = parse(argc, argv, options))
        return r < 0 ? 0 : r;
    if (options.udev && !underPreload())
        runUnderPreload(argv);

    // The same model and files as the in-process simulator. The program must not see
    // these: it reaches this unit through the node, not through a unit of its own.
    if (!options.state.empty())
        setenv("KEST_SIM_STATE", options.state.c_str(), 1);
    if (!options.trace.empty())
        setenv("KEST_SIM_TRACE", options.trace.c_str(), 1);
    kestsim::FaultPlan plan;
    armFaults(options, plan);
    kestsim::PedalUnit model(&plan);
    model.setEchoing(options.echo);
    std::string configError;
    const bool configured = kestsim::configureFromEnvironment(model, configError);
    unsetenv("KEST_SIM_STATE");
    unsetenv("KEST_SIM_TRACE");
    if (!configured) {
        std::fprintf(stderr, "kest-pedal-sim: %s\n", configError.c_str());
        return 2;
    }

    kestsim::HidrawUnit unit(model); // sets UMOCKDEV_DIR for the program
    unit.setOpenDenied(options.denyOpen);
    unit.setJoystickClass(options.joystick);
    unit.setEventDenied(options.denyEvent);
    unit.setAnnounced(options.udev && underPreload());
    if (!options.unplugged) {
        std::string error;
        if (!unit.plug(error)) {
            std::fprintf(stderr, "kest-pedal-sim: %s\n", error.c_str());
            return 2;
        }
    }

    GMainLoop *loop = g_main_loop_new(nullptr, FALSE);
    Run run {&unit, loop};
    g_unix_signal_add(SIGUSR1, onUnplug, &run);
    g_unix_signal_add(SIGUSR2, onPlug, &run);
    g_unix_signal_add(SIGINT, forward<SIGINT>, &run);
    g_unix_signal_add(SIGTERM, forward<SIGTERM>, &run);
    g_unix_signal_add(SIGHUP, forward<SIGHUP>, &run);

    std::vector<std::string> env = preloadEnvironment();
    std::vector<char *> envp, args;
    for (std::string &e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    for (std::string &a : options.command)
        args.push_back(a.data());
    args.push_back(nullptr);

    // The program starts with default signal handling and nothing blocked, whatever
    // glib has set up here.
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setsigdefault(&attr, &all);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    const int spawned = posix_spawnp(&run.child, args[0], nullptr, &attr, args.data(), envp.data());
    posix_spawnattr_destroy(&attr);
    if (spawned != 0) {
        std::fprintf(stderr, "kest-pedal-sim: cannot run %s: %s\n", args[0],
                     std::strerror(spawned));
        g_main_loop_unref(loop);
        return 127;
    }
    g_child_watch_add(run.child, onChildExit, &run);
    g_main_loop_run(loop);
    g_main_loop_unref(loop);

    if (WIFEXITED(run.status))
        return WEXITSTATUS(run.status);
    if (WIFSIGNALED(run.status))
        return 128 + WTERMSIG(run.status);
    return 1;
}
