#include "autoswitch.h"

#include "kestdevice.h"
#include "kestunit.h"
#include "plugmonitor.h"
#include "unitsession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

namespace kest {

namespace {

/// After a plug-in, the system gives the user access to the node a moment later.
constexpr int kPlugDelayMs = 300;

} // namespace

AutoSwitch::AutoSwitch(const QList<SwitchRule> &rules, QObject *parent)
    : QObject(parent), ruleList(rules), scan(rules)
{
    // Coarse: a look may come a little early or late, and the system may gather the
    // program's wake-ups with others'.
    lookTimer.setObjectName(QStringLiteral("lookTimer"));
    retryTimer.setObjectName(QStringLiteral("retryTimer"));
    lookTimer.setParent(this);
    retryTimer.setParent(this);
    lookTimer.setTimerType(Qt::CoarseTimer);
    lookTimer.setInterval(LOOK_INTERVAL_MS);
    connect(&lookTimer, &QTimer::timeout, this, &AutoSwitch::look);
    retryTimer.setSingleShot(true);
    connect(&retryTimer, &QTimer::timeout, this, &AutoSwitch::settle);
    plugMonitor = new PlugMonitor(this);
    plugMonitor->setObjectName(QStringLiteral("plugMonitor"));
    connect(plugMonitor, &PlugMonitor::unitAdded, this, &AutoSwitch::unitPlugged);
}

AutoSwitch::~AutoSwitch()
{
    if (!stateFile.isEmpty())
        QFile::remove(stateFile);
}

QString AutoSwitch::defaultStateFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
        + QStringLiteral("/kest-autoswitch.json");
}

void AutoSwitch::setStateFile(const QString &path, const QString &rules)
{
    stateFile = path;
    rulesFile = rules;
}

void AutoSwitch::start()
{
    stopped = false;
    writeState();
    look();
    lookTimer.start();
}

void AutoSwitch::stop()
{
    if (stopped)
        return;
    stopped = true;
    lookTimer.stop();
    retryTimer.stop();
    if (wanted >= 0)
        Q_EMIT note(tr("Stopped while %1 runs.").arg(ruleList[wanted].game));
    wanted = -1;
    settle();
    retryTimer.stop();
    if (!stateFile.isEmpty())
        QFile::remove(stateFile);
}

void AutoSwitch::look()
{
    const QList<int> running = scan.look();
    int next = wanted >= 0 && running.value(wanted) > 0 ? wanted : -1;
    for (qsizetype i = 0; next < 0 && i < running.size(); ++i)
        if (running[i] > 0)
            next = int(i);
    if (next == wanted)
        return;
    if (wanted >= 0)
        Q_EMIT note(tr("%1 has ended.").arg(ruleList[wanted].game));
    wanted = next;
    since = QDateTime::currentDateTime();
    if (wanted >= 0)
        Q_EMIT note(
            tr("%1 is running (%2).").arg(ruleList[wanted].game, ruleList[wanted].watched()));
    waitingNoted = false;
    settle();
    writeState();
}

void AutoSwitch::unitPlugged()
{
    // A unit that comes back has the choice it keeps in effect, not the one this watch
    // put there: the active game's is put into effect anew, and what the unit has now is
    // what comes back after the game.
    inUnit = -1;
    touched = {-1, -1, -1};
    before = {};
    if (wanted >= 0 && !stopped)
        retryTimer.start(kPlugDelayMs);
}

void AutoSwitch::settle()
{
    retryTimer.stop();
    if (wanted == inUnit)
        return;
    if (const auto absent = UnitSession::openOnce()) {
        // At the stop, a unit that is not plugged in has forgotten the games' choice, and
        // no switch follows.
        if (stopped && *absent == UnitSession::Absence::NotFound)
            return;
        if (!waitingNoted)
            Q_EMIT note(*absent == UnitSession::Absence::NotFound
                            ? tr("No pedal unit: the profiles switch once it is plugged in.")
                            : UnitSession::hintFor(*absent));
        waitingNoted = true;
    } else {
        const bool settled = switchOpenUnit();
        deviceClose();
        if (settled) {
            waitingNoted = false;
            writeState();
            return;
        }
    }
    if (!stopped)
        retryTimer.start(RETRY_INTERVAL_MS);
}

bool AutoSwitch::switchOpenUnit()
{
    KestUnit unit;
    // The choice the unit has in effect, whoever put it there: a pedal the game leaves
    // out keeps it exactly.
    if (!unit.readProfiles(KestUnit::ChoiceRead::InEffect)) {
        if (!waitingNoted)
            Q_EMIT note(tr("The profiles could not be read from the pedal unit; the switch "
                           "is tried again."));
        waitingNoted = true;
        return false;
    }
    const SwitchRule *rule = wanted >= 0 ? &ruleList[wanted] : nullptr;
    std::array<int, PEDAL_COUNT> target {-1, -1, -1};
    auto nowTouched = touched;
    auto nowBefore = before;
    QStringList missing;
    for (int p = 0; p < PEDAL_COUNT; ++p) {
        const QList<UnitProfile> &list = unit.profiles(p);
        const int current = unit.currentProfile(p);
        const int currentSlot = current >= 0 ? list[current].slot() : -1;
        const auto k = std::size_t(p);
        // Another profile chosen meanwhile (in the window, by a script) is the user's
        // choice: it stays, also after the game.
        if (nowTouched[k] >= 0 && currentSlot != nowTouched[k]) {
            nowTouched[k] = -1;
            nowBefore[k].reset();
        }
        const QString name = rule ? rule->profiles[k] : QString();
        const int wantedIndex = name.isEmpty() ? -1 : unit.profileIndexOfName(p, name);
        if (!name.isEmpty() && wantedIndex < 0)
            missing << tr("%1 has no profile called \"%2\"; it keeps its profile.")
                           .arg(KestUnit::pedalName(p), name);
        if (wantedIndex >= 0) {
            if (nowTouched[k] < 0)
                nowBefore[k] = Before {currentSlot, current >= 0 ? list[current].name : QString()};
            target[k] = wantedIndex;
            nowTouched[k] = list[wantedIndex].slot();
        } else if (nowTouched[k] >= 0) {
            // Back to the profile from before the games, the same slot under the same
            // name, or the first of that name; if it is gone, the pedal keeps the game's.
            const Before &was = *nowBefore[k];
            int i = unit.profileIndexOfSlot(p, was.slot);
            if (i < 0 || list[i].name != was.name)
                i = unit.profileIndexOfName(p, was.name);
            target[k] = i;
            nowTouched[k] = -1;
            nowBefore[k].reset();
        }
    }
    const Outcome chosen = unit.chooseProfiles(target);
    if (!chosen.done()) {
        Q_EMIT note(chosen.message + QLatin1Char(' ') + tr("The switch is tried again."));
        return false;
    }
    for (const QString &line : missing)
        Q_EMIT note(line);
    touched = nowTouched;
    before = nowBefore;
    inUnit = wanted;
    QStringList inEffect;
    for (int p = 0; p < PEDAL_COUNT; ++p)
        if (target[std::size_t(p)] >= 0)
            inEffect << QStringLiteral("%1 \"%2\"")
                            .arg(KestUnit::pedalName(p),
                                 unit.profiles(p)[target[std::size_t(p)]].name);
    if (!inEffect.isEmpty())
        Q_EMIT note(tr("In effect now: %1.").arg(inEffect.join(QStringLiteral(", "))));
    Q_EMIT switched(inUnit);
    return true;
}

void AutoSwitch::writeState() const
{
    if (stateFile.isEmpty())
        return;
    QJsonObject state {
        {QStringLiteral("pid"), qint64(QCoreApplication::applicationPid())},
        {QStringLiteral("rules"), rulesFile},
        {QStringLiteral("game"), wanted >= 0 ? QJsonValue(ruleList[wanted].game) : QJsonValue()},
        {QStringLiteral("since"),
         wanted >= 0 ? QJsonValue(since.toString(Qt::ISODate)) : QJsonValue()},
        {QStringLiteral("inEffect"), wanted >= 0 && inUnit == wanted},
    };
    QDir().mkpath(QFileInfo(stateFile).absolutePath());
    QSaveFile file(stateFile);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QJsonDocument(state).toJson(QJsonDocument::Compact));
        file.commit();
    }
}

} // namespace kest
