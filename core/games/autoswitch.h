#pragma once

// The automatic profile switch: while a rule's game runs, the pedals it names have its
// profiles in effect; when its last process ends, the choice from before the game comes
// back. Every choice is only put into effect (as the window's profile lists do), never
// stored: unplugging the unit, or its restart, brings back the choice it keeps.
//
// The unit is opened only to switch and closed again right after, so that the window and
// scripts keep working with it between switches (each exchange takes the lock that every
// program on the unit shares). Without a unit the switch waits: it is tried again at the
// unit's plug-in, where the system announces it, and every few seconds.

#include "processscan.h"
#include "switchrules.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <memory>
#include <optional>

class PlugMonitor;

namespace kest {

class AutoSwitch : public QObject
{
    Q_OBJECT

public:
    /// How often the processes are looked at, in milliseconds.
    static constexpr int LOOK_INTERVAL_MS = 500;
    /// How soon a switch that found no unit is tried again, in milliseconds.
    static constexpr int RETRY_INTERVAL_MS = 3000;

    explicit AutoSwitch(const QList<SwitchRule> &rules, QObject *parent = nullptr);
    ~AutoSwitch() override;

    /// Where the state is written for a status query while the watch runs (removed when it
    /// stops); none unless set.
    void setStateFile(const QString &path, const QString &rulesFile);
    /// The state file in the user's runtime folder: "kest-autoswitch.json".
    static QString defaultStateFile();

    /// Starts watching: the first look now (a game that runs already is switched to).
    void start();
    /// Ends the watch: the choice from before a game that is active comes back (one
    /// attempt), and nothing is looked at any more.
    void stop();

    /// The rule whose game is active now, -1 none: the game runs, whether or not the unit
    /// has taken its choice yet.
    int activeRule() const { return wanted; }
    /// The rule whose choice the unit has in effect, as this watch put it there; -1 none.
    int appliedRule() const { return inUnit; }
    const QList<SwitchRule> &rules() const { return ruleList; }

Q_SIGNALS:
    /// A line for the user: a game started or ended, what the unit took, or why not.
    void note(const QString &line);
    /// The unit took the choice of `rule` (-1: the choice from before the games).
    void switched(int rule);

private:
    void look();
    /// Brings the unit in line with the active game: opens it, switches, closes it.
    void settle();
    /// One attempt of settle() with the unit open; false when it must be tried again.
    bool switchOpenUnit();
    void writeState() const;
    void unitPlugged();

    /// What the unit had in effect for a pedal before the games changed it.
    struct Before
    {
        int slot = -1;
        QString name;
    };

    QList<SwitchRule> ruleList;
    ProcessScan scan;
    QTimer lookTimer;
    QTimer retryTimer;
    PlugMonitor *plugMonitor = nullptr;
    int wanted = -1; ///< the active game's rule
    int inUnit = -1; ///< the rule whose choice the unit took
    QDateTime since; ///< when the active game was seen first
    /// Per pedal: the slot this watch put into effect (-1: left as it was), and what was
    /// there before the first game.
    std::array<int, PEDAL_COUNT> touched {-1, -1, -1};
    std::array<std::optional<Before>, PEDAL_COUNT> before;
    bool waitingNoted = false; ///< the line saying that the switch waits was written
    bool stopped = false;
    QString stateFile;
    QString rulesFile;
};

} // namespace kest
