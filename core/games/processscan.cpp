#include "processscan.h"

#include <QFile>

#ifdef Q_OS_LINUX
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace kest {

namespace {

/// The kernel keeps a process's name in 16 bytes with its terminating zero.
constexpr qsizetype kCommBytes = 15;
/// An environment read whole up to this size; a longer one is searched in its start.
constexpr qsizetype kEnvironBytes = 256 * 1024;
constexpr qsizetype kCmdlineBytes = 4096;

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
        names.append(rule.isSteam() ? QByteArray() : rule.process.toUtf8().left(kCommBytes));
        anySteam = anySteam || rule.isSteam();
    }
#ifdef Q_OS_LINUX
    procDir = ::opendir(QFile::encodeName(procRoot).constData());
#else
    Q_UNUSED(procRoot);
#endif
}

ProcessScan::~ProcessScan()
{
#ifdef Q_OS_LINUX
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

int ProcessScan::ruleOfSteam(const char *pid, const QByteArray &comm)
{
    if (!anySteam)
        return -1;
    // Another user's environment cannot be read; the open fails at once.
    QByteArray environment;
    if (readProcFile(pid, "environ", environment, kEnvironBytes)) {
        for (qsizetype i = 0; i < rules.size(); ++i)
            if (rules[i].isSteam()
                && holdsEntry(environment, "SteamAppId=" + QByteArray::number(rules[i].steamApp)))
                return int(i);
    }
    QByteArray commandLine;
    if (comm == "reaper" && readProcFile(pid, "cmdline", commandLine, kCmdlineBytes)) {
        for (qsizetype i = 0; i < rules.size(); ++i)
            if (rules[i].isSteam()
                && holdsEntry(commandLine, "AppId=" + QByteArray::number(rules[i].steamApp)))
                return int(i);
    }
    return -1;
}

QList<int> ProcessScan::look()
{
    QList<int> counts(rules.size(), 0);
#ifdef Q_OS_LINUX
    if (!procDir)
        return counts;
    ++generation;
    DIR *dir = static_cast<DIR *>(procDir);
    ::rewinddir(dir);
    while (const dirent *entry = ::readdir(dir)) {
        const char *name = entry->d_name;
        if (name[0] < '1' || name[0] > '9')
            continue;
        const int pid = std::atoi(name);
        if (!readProcFile(name, "comm", buffer, kCommBytes + 1))
            continue; // gone meanwhile
        if (buffer.endsWith('\n'))
            buffer.chop(1);
        auto [at, added] = known.try_emplace(pid);
        Known &process = at->second;
        if (added || process.name != buffer) {
            process.name = buffer;
            process.byName = ruleOfName(buffer);
        }
        if (added)
            process.bySteam = ruleOfSteam(name, buffer);
        process.generation = generation;
        if (process.byName >= 0)
            ++counts[process.byName];
        if (process.bySteam >= 0 && process.bySteam != process.byName)
            ++counts[process.bySteam];
    }
    // A number no longer listed is a process that ended.
    for (auto it = known.begin(); it != known.end();)
        it = it->second.generation == generation ? std::next(it) : known.erase(it);
#endif
    return counts;
}

} // namespace kest
