// autoswitch [--status]: the profiles of the games in the rules file, switched while each
// game runs; and what the watch is doing.

#include "autoswitch.h"
#include "cli.h"
#include "kestdevice.h"
#include "switchrules.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kestctl {

namespace {

const char kService[] = "kest-autoswitch.service";

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

/// A rule as status shows it: `[game] process NAME: BRAKE "Brake B", ...`.
QString ruleText(const kest::SwitchRule &rule)
{
    QStringList chosen;
    for (int p = 0; p < kest::PEDAL_COUNT; ++p)
        if (!rule.profiles[std::size_t(p)].isEmpty())
            chosen << QStringLiteral("%1 \"%2\"").arg(pedalName(p), rule.profiles[std::size_t(p)]);
    return QStringLiteral("[%1] %2: %3")
        .arg(rule.game, rule.watched(), chosen.join(QStringLiteral(", ")));
}

QJsonObject ruleJson(const kest::SwitchRule &rule)
{
    QJsonObject o {{QStringLiteral("game"), rule.game}, {QStringLiteral("line"), rule.line}};
    if (rule.isSteam())
        o.insert(QStringLiteral("steamApp"), qint64(rule.steamApp));
    else
        o.insert(QStringLiteral("process"), rule.process);
    for (int p = 0; p < kest::PEDAL_COUNT; ++p)
        if (!rule.profiles[std::size_t(p)].isEmpty())
            o.insert(pedalKey(p), rule.profiles[std::size_t(p)]);
    return o;
}

/// Held by the running watch for its whole life, next to its state file: the system lets
/// it go with the process however it ends, and a process that took its number later
/// holds nothing.
class WatchLock
{
public:
    WatchLock()
    {
        const QString dir = QFileInfo(kest::AutoSwitch::defaultStateFile()).absolutePath();
        QDir().mkpath(dir);
        fd = ::open(QFile::encodeName(dir + QStringLiteral("/kest-autoswitch.lock")).constData(),
                    O_RDONLY | O_CREAT | O_CLOEXEC, 0600);
    }
    ~WatchLock()
    {
        if (fd >= 0)
            ::close(fd);
    }
    WatchLock(const WatchLock &) = delete;
    WatchLock &operator=(const WatchLock &) = delete;

    /// Whether the lock file could be opened; without it the state file's process
    /// number is all there is to go by.
    bool usable() const { return fd >= 0; }
    /// Takes the lock for this watch; false while another watch holds it.
    bool take() { return ::flock(fd, LOCK_EX | LOCK_NB) == 0; }
    /// Whether a watch holds it.
    bool held() const
    {
        if (::flock(fd, LOCK_SH | LOCK_NB) == 0) {
            ::flock(fd, LOCK_UN);
            return false;
        }
        return errno == EWOULDBLOCK;
    }

private:
    int fd = -1;
};

/// The state a watch wrote.
QJsonObject writtenState()
{
    QFile file(kest::AutoSwitch::defaultStateFile());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.read(64 * 1024)).object();
}

/// The state a running watch wrote, if a watch runs; empty otherwise.
QJsonObject runningState()
{
    // A watch that was killed leaves its file behind.
    const WatchLock lock;
    if (lock.usable())
        return lock.held() ? writtenState() : QJsonObject();
    const QJsonObject state = writtenState();
    const qint64 pid = state.value(QStringLiteral("pid")).toInteger();
    if (pid <= 0 || (::kill(pid_t(pid), 0) != 0 && errno != EPERM))
        return {};
    return state;
}

/// What `systemctl --user` says of the service: "enabled", "disabled", "active",
/// "inactive"...; empty where there is no systemd for the user.
QString systemctl(const char *question)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("systemctl"));
    if (program.isEmpty())
        return {};
    QProcess p;
    p.start(program, {QStringLiteral("--user"), QLatin1String(question), QLatin1String(kService)});
    if (!p.waitForFinished(5000)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    const QString answer = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    // No user manager to ask: systemctl says so on stderr and nothing on stdout.
    return answer.contains(QLatin1Char('\n')) ? QString() : answer;
}

int runStatus(const Output &out)
{
    const QString enabled = systemctl("is-enabled");
    const QString active = enabled.isEmpty() ? QString() : systemctl("is-active");
    const QString path = kest::switchRulesPath();
    QList<kest::SwitchRule> rules;
    QString problem;
    const bool read = kest::readSwitchRules(path, rules, &problem);
    const QJsonObject state = runningState();
    const bool running = !state.isEmpty();
    const QString game = state.value(QStringLiteral("game")).toString();

    out.line(enabled.isEmpty()
                 ? tr("Service:     %1: no systemd for this user").arg(QLatin1String(kService))
                 : tr("Service:     %1: %2, %3").arg(QLatin1String(kService), enabled, active));
    out.line(tr("Rules file:  %1").arg(nativePath(path)));
    for (const kest::SwitchRule &rule : rules)
        out.line(QStringLiteral("  ") + ruleText(rule));
    if (read && rules.isEmpty())
        out.line(QStringLiteral("  ") + tr("(none)"));
    if (!running)
        out.line(tr("Watching:    no"));
    else if (game.isEmpty())
        out.line(tr("Watching:    yes (process %1), no game running")
                     .arg(state.value(QStringLiteral("pid")).toInteger()));
    else
        out.line(tr("Watching:    yes (process %1), %2 running since %3%4")
                     .arg(state.value(QStringLiteral("pid")).toInteger())
                     .arg(game,
                          QDateTime::fromString(state.value(QStringLiteral("since")).toString(),
                                                Qt::ISODate)
                              .toString(QStringLiteral("HH:mm:ss")),
                          state.value(QStringLiteral("inEffect")).toBool()
                              ? QString()
                              : tr(" (its profiles wait for the unit)")));

    QJsonArray list;
    for (const kest::SwitchRule &rule : rules)
        list.append(ruleJson(rule));
    out.keep(QStringLiteral("service"),
             enabled.isEmpty() ? QJsonValue()
                               : QJsonObject {{QStringLiteral("name"), QLatin1String(kService)},
                                              {QStringLiteral("enabled"), enabled},
                                              {QStringLiteral("active"), active}});
    out.keep(QStringLiteral("rulesFile"), nativePath(path));
    out.keep(QStringLiteral("rules"), list);
    out.keep(QStringLiteral("running"), running);
    out.keep(QStringLiteral("pid"), running ? state.value(QStringLiteral("pid")) : QJsonValue());
    out.keep(QStringLiteral("game"), game.isEmpty() ? QJsonValue() : QJsonValue(game));
    out.keep(QStringLiteral("since"),
             game.isEmpty() ? QJsonValue() : state.value(QStringLiteral("since")));
    out.keep(QStringLiteral("inEffect"),
             !game.isEmpty() && state.value(QStringLiteral("inEffect")).toBool());
    if (!read)
        return out.fail(ExitRefused, problem);
    return out.done();
}

} // namespace

int runAutoswitch(const Invocation &in)
{
    const Output out(in.json);
    if (in.words.size() != 1)
        return out.fail(ExitRefused, tr("usage: kestctl autoswitch [--status]"));
    if (in.status)
        return runStatus(out);

    const QString path = kest::switchRulesPath();
    QList<kest::SwitchRule> rules;
    QString problem;
    if (!kest::readSwitchRules(path, rules, &problem))
        return out.fail(ExitRefused,
                        problem + QLatin1Char(' ') + tr("See kestctl(1), AUTOMATIC SWITCHING."));
    if (rules.isEmpty())
        return out.fail(ExitRefused, tr("%1 holds no rules.").arg(nativePath(path)));
    // Two watches would each bring back what the other put into effect. Two started at
    // once both find none running: the lock lets only one of them on.
    WatchLock lock;
    const bool another = lock.usable() ? !lock.take() : !runningState().isEmpty();
    if (another)
        return out.fail(ExitRefused,
                        tr("autoswitch runs already (process %1)")
                            .arg(writtenState().value(QStringLiteral("pid")).toInteger()));

    kest::deviceInit();
    Interrupts interrupts;
    kest::AutoSwitch watch(rules);
    watch.setStateFile(kest::AutoSwitch::defaultStateFile(), nativePath(path));
    QObject::connect(&watch, &kest::AutoSwitch::note, &watch, [&](const QString &line) {
        out.line(line);
        const int rule = watch.activeRule();
        out.object(
            {{QStringLiteral("note"), line},
             {QStringLiteral("game"), rule >= 0 ? QJsonValue(rules[rule].game) : QJsonValue()},
             {QStringLiteral("inEffect"), rule >= 0 && watch.appliedRule() == rule}});
    });
    QObject::connect(&interrupts, &Interrupts::interrupted, QCoreApplication::instance(),
                     &QCoreApplication::quit);
    out.line(tr("Watching for the games in %1 (Ctrl-C ends).").arg(nativePath(path)));
    watch.start();
    QCoreApplication::exec();
    watch.stop();
    return out.done();
}

} // namespace kestctl
