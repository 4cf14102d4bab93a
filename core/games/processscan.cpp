#include "processscan.h"

#include <QFile>

#include <vector>

#ifdef Q_OS_LINUX
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace kest {

namespace {

/// The kernel keeps a process's name in 16 bytes with its terminating zero.
constexpr qsizetype kCommBytes = 15;
/// An environment read whole up to this size; a longer one is searched in its start.
constexpr qsizetype kEnvironBytes = 256 * 1024;
constexpr qsizetype kCmdlineBytes = 4096;
/// For how many looks a process counts as young, its name read at every look.
constexpr unsigned kYoungLooks = 3;
/// How often an older process's name is read again, in looks.
constexpr unsigned kOldLookEvery = 8;
/// The most new process numbers looked at one by one; more are found by listing /proc.
constexpr long kProbeMax = 64;

/// Whether the zero-separated list `list` holds the entry `entry`.
bool holdsEntry(const QByteArray &list, const QByteArray &entry)
{
    qsizetype from = 0;
    while ((from = list.indexOf(entry, from)) >= 0) {
        const qsizetype end = from + entry.size();
        if ((from == 0 || list.at(from - 1) == '\0')
            && (end == list.size() || list.at(end) == '\0'))
            return true;
        from = end;
    }
    return false;
}

} // namespace

ProcessScan::ProcessScan(const QList<SwitchRule> &rules, const QString &procRoot) : rules(rules)
{
    for (const SwitchRule &rule : rules) {
        names.append(rule.processKey());
        anySteam = anySteam || rule.isSteam();
    }
#ifdef Q_OS_LINUX
    procDir = ::opendir(QFile::encodeName(procRoot).constData());
    // Half the descriptors the process may have open, the other half left to the rest of
    // the program.
    rlimit limit {};
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0)
        fdsLeft = limit.rlim_cur == RLIM_INFINITY ? 1 << 20
                                                  : int(qMin<rlim_t>(limit.rlim_cur / 2, 1 << 20));
#else
    Q_UNUSED(procRoot);
#endif
}

ProcessScan::~ProcessScan()
{
    for (auto &entry : known)
        forget(entry.second);
#ifdef Q_OS_LINUX
    if (loadFd >= 0)
        ::close(loadFd);
    if (procDir)
        ::closedir(static_cast<DIR *>(procDir));
#endif
}

int ProcessScan::ruleOfName(const QByteArray &comm) const
{
    for (qsizetype i = 0; i < names.size(); ++i)
        if (!names[i].isEmpty() && names[i] == comm)
            return int(i);
    return -1;
}

bool ProcessScan::readProcFile(const char *pid, const char *file, QByteArray &into, qsizetype limit)
{
#ifdef Q_OS_LINUX
    char path[64];
    std::snprintf(path, sizeof path, "%s/%s", pid, file);
    const int fd = ::openat(::dirfd(static_cast<DIR *>(procDir)), path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    into.resize(limit);
    qsizetype got = 0;
    while (got < limit) {
        const ssize_t n = ::read(fd, into.data() + got, std::size_t(limit - got));
        if (n <= 0)
            break;
        got += n;
    }
    ::close(fd);
    into.truncate(got);
    return got > 0;
#else
    Q_UNUSED(pid);
    Q_UNUSED(file);
    Q_UNUSED(into);
    Q_UNUSED(limit);
    return false;
#endif
}

void ProcessScan::forget(Known &process)
{
#ifdef Q_OS_LINUX
    if (process.commFd >= 0) {
        ::close(process.commFd);
        ++fdsLeft;
    }
#endif
    process.commFd = -1;
}

bool ProcessScan::readName(const char *pid, Known &process, bool isNew)
{
#ifdef Q_OS_LINUX
    char name[kCommBytes + 2];
    ssize_t n = -1;
    if (process.commFd >= 0) {
        n = ::pread(process.commFd, name, sizeof name, 0);
    } else {
        char path[64];
        std::snprintf(path, sizeof path, "%s/comm", pid);
        const int fd = ::openat(::dirfd(static_cast<DIR *>(procDir)), path, O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return false;
        n = ::read(fd, name, sizeof name);
        if (n > 0 && isNew && fdsLeft > 0) {
            process.commFd = fd;
            --fdsLeft;
        } else {
            ::close(fd);
        }
    }
    if (n <= 0)
        return false;
    if (name[n - 1] == '\n')
        --n;
    if (QByteArray::fromRawData(name, n) != process.name)
        process.name = QByteArray(name, n);
    return true;
#else
    Q_UNUSED(pid);
    Q_UNUSED(process);
    Q_UNUSED(isNew);
    return false;
#endif
}

int ProcessScan::ruleOfSteam(const char *pid, const QByteArray &comm)
{
    if (!anySteam)
        return -1;
    // Another user's environment cannot be read; the open fails at once.
    QByteArray &environment = buffer;
    if (readProcFile(pid, "environ", environment, kEnvironBytes)) {
        for (qsizetype i = 0; i < rules.size(); ++i)
            if (rules[i].isSteam()
                && holdsEntry(environment, "SteamAppId=" + QByteArray::number(rules[i].steamApp)))
                return int(i);
    }
    QByteArray &commandLine = buffer;
    if (comm == "reaper" && readProcFile(pid, "cmdline", commandLine, kCmdlineBytes)) {
        for (qsizetype i = 0; i < rules.size(); ++i)
            if (rules[i].isSteam()
                && holdsEntry(commandLine, "AppId=" + QByteArray::number(rules[i].steamApp)))
                return int(i);
    }
    return -1;
}

void ProcessScan::found(const char *name, bool listed)
{
    auto [at, added] = known.try_emplace(std::atoi(name));
    Known &process = at->second;
    if (listed)
        process.listed = generation;
    if (!added)
        return;
    if (!readName(name, process, true)) {
        known.erase(at); // gone meanwhile, or no process of that number
        return;
    }
    process.firstSeen = generation;
    process.byName = ruleOfName(process.name);
    process.bySteam = ruleOfSteam(name, process.name);
}

bool ProcessScan::newProcessesSince()
{
#ifdef Q_OS_LINUX
    // The last field of /proc/loadavg is the number the system gave its newest process
    // (or thread): unchanged, no process started since the last look.
    if (loadFd < 0)
        loadFd = ::openat(::dirfd(static_cast<DIR *>(procDir)), "loadavg", O_RDONLY | O_CLOEXEC);
    char text[128];
    const ssize_t n = loadFd >= 0 ? ::pread(loadFd, text, sizeof text - 1, 0) : -1;
    if (n <= 0)
        return true;
    text[n] = '\0';
    const char *last = std::strrchr(text, ' ');
    const long newest = last ? std::atol(last + 1) : -1;
    const bool changed = newest < 0 || newest != newestPid;
    newestPid = newest;
    return changed;
#else
    return false;
#endif
}

QList<int> ProcessScan::look()
{
    QList<int> counts(rules.size(), 0);
#ifdef Q_OS_LINUX
    if (!procDir)
        return counts;
    ++generation;
    const long before = newestPid;
    const bool started = newProcessesSince();
    // A few new numbers are looked at one by one; many (or a count that started over),
    // by listing /proc.
    const bool listing
        = started && (before < 0 || newestPid <= before || newestPid - before > kProbeMax);
    if (started && !listing)
        for (long n = before + 1; n <= newestPid; ++n) {
            char name[24];
            std::snprintf(name, sizeof name, "%ld", n);
            // A thread's number opens too: it counts as a process of its own until it
            // ends, which is harmless (a game's threads carry its name).
            found(name, false);
        }
    if (listing) {
        ++listings;
        DIR *dir = static_cast<DIR *>(procDir);
        ::rewinddir(dir);
        while (const dirent *entry = ::readdir(dir)) {
            const char *name = entry->d_name;
            if (name[0] < '1' || name[0] > '9')
                continue;
            found(name, true);
        }
    }
    const auto count = [&counts](const Known &process) {
        if (process.byName >= 0)
            ++counts[process.byName];
        if (process.bySteam >= 0 && process.bySteam != process.byName)
            ++counts[process.bySteam];
    };
    std::vector<int> reused; ///< numbers whose process ended, looked at again below
    for (auto it = known.begin(); it != known.end();) {
        Known &process = it->second;
        const int pid = it->first;
        // A number no longer listed is a process that ended.
        bool ended = listing && process.listed < generation;
        // A name is read again at every look while the process is young (a program that
        // starts another replaces itself at once) or a game's; else at every
        // kOldLookEvery-th look, in turns.
        const bool due = process.firstSeen != generation
            && (process.byName >= 0 || process.bySteam >= 0
                || generation - process.firstSeen < kYoungLooks
                || (generation + unsigned(pid)) % kOldLookEvery == 0);
        if (!ended && due) {
            char number[16];
            std::snprintf(number, sizeof number, "%d", pid);
            const QByteArray before = process.name;
            ended = !readName(number, process, false);
            // A new name is a new program in the process (an exec): its environment and
            // command line are new too.
            if (!ended && process.name != before) {
                process.byName = ruleOfName(process.name);
                process.bySteam = ruleOfSteam(number, process.name);
            }
            // Once the system's numbers have gone round, a new process may have this one.
            if (ended)
                reused.push_back(pid);
        }
        if (ended) {
            forget(process);
            it = known.erase(it);
            continue;
        }
        count(process);
        ++it;
    }
    for (const int pid : reused) {
        char number[16];
        std::snprintf(number, sizeof number, "%d", pid);
        found(number, false);
        const auto again = known.find(pid);
        if (again != known.end())
            count(again->second);
    }
#endif
    return counts;
}

} // namespace kest
