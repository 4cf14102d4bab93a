#pragma once

// A cheap look at the running processes, for the automatic switch: which rules' games
// run now. Linux only (/proc); elsewhere nothing is ever found.
//
// A look finds new processes only when one started since the one before (the newest
// process number in /proc/loadavg changed): the few new numbers one by one, many by
// listing /proc. It reads process names (/proc/PID/comm: a
// program that replaces itself keeps its number and changes its name) through a
// descriptor kept open per process while the descriptor limit leaves room (one read
// instead of an open, a read and a close; a read that fails says the process ended):
// at every look for a process found in the last 1.5 s and for a game's, and in turns
// every 4 s for the others, since a program replaces itself right after it starts. What a
// program says once and for all is read only when its number is new or its name changed (a
// new program in the process): its environment (Steam starts a game's processes with
// SteamAppId=N), and the command line of Steam's "reaper" (AppId=N), both only while a rule
// names a Steam game.

#include "switchrules.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <unordered_map>

namespace kest {

class ProcessScan
{
public:
    /// Watches for `rules`' games in `procRoot` (another folder laid out as /proc, for a
    /// test).
    explicit ProcessScan(const QList<SwitchRule> &rules,
                         const QString &procRoot = QStringLiteral("/proc"));
    ~ProcessScan();
    ProcessScan(const ProcessScan &) = delete;
    ProcessScan &operator=(const ProcessScan &) = delete;

    /// One look: how many processes of each rule run now, in the rules' order.
    QList<int> look();

    /// How many processes the last look saw.
    int processCount() const { return int(known.size()); }
    /// How many looks listed /proc: those after many processes had started.
    int listingCount() const { return listings; }

private:
    struct Known
    {
        QByteArray name; ///< comm, as the last look read it
        int commFd = -1; ///< its comm kept open, -1 none
        int byName = -1; ///< the rule its name matches, -1 none
        int bySteam = -1; ///< the rule its environment or command line matches, -1 none
        unsigned listed = 0; ///< the last look whose listing of /proc had it
        unsigned firstSeen = 0; ///< the look that found it
    };
    /// The rule whose process name `comm` is, -1 none.
    int ruleOfName(const QByteArray &comm) const;
    /// The rule of the Steam game a new process belongs to, -1 none.
    int ruleOfSteam(const char *pid, const QByteArray &comm);
    /// Reads a small file of process `pid` into `into` (at most `limit` bytes); false
    /// when it cannot be read.
    bool readProcFile(const char *pid, const char *file, QByteArray &into, qsizetype limit);
    /// Reads process `pid`'s name into `process`, through its kept descriptor or one opened
    /// now (and kept while there is room); false when the process has ended.
    bool readName(const char *pid, Known &process, bool isNew);
    void forget(Known &process);
    /// A process number found, by listing /proc (`listed`) or one by one.
    void found(const char *name, bool listed);
    /// Whether a process may have started since the last look.
    bool newProcessesSince();

    QList<SwitchRule> rules;
    /// Each rule's process name as the kernel keeps it (its first 15 bytes), empty for
    /// a Steam game's rule.
    QList<QByteArray> names;
    bool anySteam = false;
    void *procDir = nullptr; ///< the DIR of procRoot, kept open
    unsigned generation = 0;
    int loadFd = -1; ///< /proc/loadavg, kept open
    long newestPid = -1; ///< the newest process's number at the last look, -1 unknown
    int listings = 0;
    std::unordered_map<int, Known> known;
    QByteArray buffer; ///< an environment or command line, kept between reads
    int fdsLeft = 0; ///< how many more descriptors may be kept open
};

} // namespace kest
