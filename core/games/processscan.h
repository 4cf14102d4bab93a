#pragma once

// A cheap look at the running processes, for the automatic switch: which rules' games
// run now. Linux only (/proc); elsewhere nothing is ever found.
//
// Each look lists /proc and reads each process's name (/proc/PID/comm: a program that
// replaces itself keeps its number and changes its name). What a process's number
// says once and for all is read only when the number is new: its environment (Steam
// starts a game's processes with SteamAppId=N), and the command line of Steam's
// "reaper" (AppId=N), both only while a rule names a Steam game.

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

private:
    struct Known
    {
        QByteArray name; ///< comm, as the last look read it
        int byName = -1; ///< the rule its name matches, -1 none
        int bySteam = -1; ///< the rule its environment or command line matches, -1 none
        unsigned generation = 0; ///< the last look that saw it
    };
    /// The rule whose process name `comm` is, -1 none.
    int ruleOfName(const QByteArray &comm) const;
    /// The rule of the Steam game a new process belongs to, -1 none.
    int ruleOfSteam(const char *pid, const QByteArray &comm);
    /// Reads a small file of process `pid` into `into` (at most `limit` bytes); false
    /// when it cannot be read.
    bool readProcFile(const char *pid, const char *file, QByteArray &into, qsizetype limit);

    QList<SwitchRule> rules;
    /// Each rule's process name as the kernel keeps it (its first 15 bytes), empty for
    /// a Steam game's rule.
    QList<QByteArray> names;
    bool anySteam = false;
    void *procDir = nullptr; ///< the DIR of procRoot, kept open
    unsigned generation = 0;
    std::unordered_map<int, Known> known;
    QByteArray buffer; ///< kept between reads
};

} // namespace kest
