#pragma once

// What every kestctl command shares: the parsed command line, the exit codes, how results
// and messages are written, its texts' language, the attach, and the Ctrl-C watch of the
// live commands.

#include "kestunit.h"
#include "recording.h"
#include "updateclient.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <csignal>
#include <initializer_list>
#include <optional>
#include <vector>

namespace kest {
class UnitSession;
}

namespace kestctl {

/// The exit codes, as the manual page lists them.
enum Exit {
    ExitDone = 0, ///< everything asked was done
    ExitRefused = 1, ///< bad input, or refused: nothing was sent
    ExitFailed = 2, ///< the unit (or the update server) failed part-way
    ExitNoUnit = 3, ///< no unit, or no access to it
};

struct Invocation
{
    QStringList words; ///< the command and its arguments, options taken out
    bool json = false;
    bool yes = false;
    bool printRules = false; ///< doctor --print-rules
    bool status = false; ///< autoswitch --status
    QString pedal; ///< --pedal
    QString curve; ///< --curve
    QString trace; ///< --trace: every exchange with the unit appended to this file
    QString lang; ///< --lang: the language of the texts; the system's when empty
    bool forNow = false; ///< profile apply --for-now
    /// launch --clutch, --brake, --throttle: each pedal's profile by name
    kest::ProfileNames profiles;
    /// Where "--" ended the options: the index in `words` of the first word after it, -1
    /// without one.
    int afterDashes = -1;
    QString seconds; ///< --seconds: how long record runs; until Ctrl-C when empty
    QString badOption; ///< the first option not understood, for main to name
    bool badOptionValue = false; ///< that option is known but its value is missing
};

/// Parses argv. A bad option is kept in `badOption` and the rest still read, so that a
/// --lang after it chooses the language its message is written in. --help and --version
/// are left in `words` for main to answer.
bool parseArguments(const QStringList &arguments, Invocation &out);

/// One of kestctl's own texts (context "kestctl") in the language installed.
QString tr(const char *text);

/// Results go to stdout, messages to stderr. With --json each command prints one JSON
/// object on stdout (the live commands one per line) and messages still go to stderr.
class Output
{
public:
    explicit Output(bool json) : json(json) { }
    bool isJson() const { return json; }

    /// A line of result text (text mode only).
    void line(const QString &text) const;
    /// A message to stderr, both modes.
    static void message(const QString &text);
    /// The JSON result (JSON mode only), one line.
    void object(const QJsonObject &o) const;

    /// Ends the command: `code`, with `why` on stderr and, in JSON mode, an object
    /// {"ok": false, "exit": code, "error": why} on stdout.
    int fail(Exit code, const QString &why) const;
    /// Ends a command whose result is `o` (JSON) or already printed (text).
    int done(QJsonObject o = {}) const;
    /// A key that the command's JSON end carries, whether it succeeds or fails.
    void keep(const QString &key, const QJsonValue &value) const { kept.insert(key, value); }

private:
    bool json;
    mutable QJsonObject kept;
};

bool stdoutIsTerminal();
bool stdinIsTerminal();

/// A pedal name (clutch, brake, throttle; any case, or 0-2) as its index, -1 otherwise.
int pedalIndex(const QString &name);
/// "CLUTCH", "BRAKE", "THROTTLE", translated, as the window names them.
inline QString pedalName(int pedal)
{
    return kest::KestUnit::pedalName(pedal);
}
/// pedalName() padded to one width for all three, so that the columns of a table line up.
QString pedalColumn(int pedal);
/// "clutch", "brake", "throttle": the JSON values.
inline QString pedalKey(int pedal)
{
    return kest::pedalKey(pedal);
}

/// Opens the unit, for a command that is over before it could go. Without one, the
/// window's waiting text (std::nullopt: opened).
std::optional<QString> attach();
/// attach(), and on failure the command's end: ExitNoUnit with the hint.
std::optional<int> attachOrFail(const Output &out);
/// Attaches the unit through a session, for a command that follows it (the reader runs,
/// and a pull is noticed); on failure the command's end: ExitNoUnit with the hint.
std::optional<int> attachOrFail(const Output &out, kest::UnitSession &session);

/// Saves the unit's settings before an operation that changes them for good, as the
/// window does, to `path` (the name its question gave; a new one when empty), and says
/// where: a line, and "backup" in the JSON end; `path` then names the file written. When
/// no backup could be made, the command's end: ExitFailed, and nothing was changed.
/// `bringsBack` is the file the command reads from, which the backups' pruning spares.
std::optional<int> backUpOrFail(const Output &out, kest::KestUnit &unit, QString *path = nullptr,
                                const QString &bringsBack = QString());

/// The window's question before an operation that cannot be undone: on a terminal it is
/// asked, with "[y/N]"; elsewhere only --yes answers it. Nothing when the operation may go
/// on; otherwise the command's end, ExitRefused: `offTerminal` (which names --yes) when
/// nobody could be asked, `declined` when the answer was no.
std::optional<int> confirmOrEnd(const Invocation &in, const Output &out, const QString &question,
                                const QString &offTerminal, const QString &declined);

/// Asks the update server for the newest firmware and compares it with `unitVersion`, as
/// the window's CHECK UPDATE does; runs the event loop until the answer.
kest::CheckResult askUpdateServer(const QString &unitVersion);

/// An operation's outcome as the command's end: Done 0, Refused 1, Failed 2, each with
/// the model's message.
int outcomeExit(const Output &out, const kest::Outcome &outcome, const QString &doneText);

/// Turns SIGINT and SIGTERM (or the signals given) into a signal on the event loop while
/// it lives. Made in the main thread before the command starts its worker threads, which
/// then never take them. One at a time.
class Interrupts : public QObject
{
    Q_OBJECT
public:
    explicit Interrupts(QObject *parent = nullptr);
    Interrupts(std::initializer_list<int> signals, QObject *parent = nullptr);
    ~Interrupts() override;

Q_SIGNALS:
    /// `signal` came; `fromKernel` when the kernel sent it, as a terminal's Ctrl-C and
    /// hang-up are sent, to every process of the terminal's foreground group.
    void interrupted(int signal, bool fromKernel);

private:
    const std::vector<int> watched;
    sigset_t blocked {}; ///< the thread's signal mask before
    std::vector<struct sigaction> previous; ///< the handlers before, in the order of `watched`
    bool installed = false;
    int signalFd = -1;
};

/// One line that redraws itself on a terminal; elsewhere each update is a line of its
/// own. Ends the line it drew when finished.
class LiveLine
{
public:
    LiveLine();
    ~LiveLine() { finish(); }
    void show(const QString &text);
    void finish();
    bool onTerminal() const { return terminal; }

private:
    bool terminal;
    bool drawn = false;
    QString last;
};

// The profile table as info and profile list show it: slot order, the active ones marked.
QJsonArray profileTable(const kest::KestUnit &unit);
QJsonObject activeProfiles(const kest::KestUnit &unit);
void printProfileTable(const Output &out, const kest::KestUnit &unit, const QString &indent);

// The command that in.words names, with the options that command takes: its exit
// code. --help and --version are main's, and so is doctor (it holds the installed udev
// rule): without `doctor` that command is unknown.
int runCommand(const Invocation &in, int (*doctor)(const Invocation &) = nullptr);

// The commands: each returns its exit code.
int runInfo(const Invocation &in);
int runDeadzone(const Invocation &in);
int runClutch(const Invocation &in);
int runClearFlash(const Invocation &in);
int runWatch(const Invocation &in);
int runRecord(const Invocation &in);
int runCalibrate(const Invocation &in);
int runFirmware(const Invocation &in);
int runProfile(const Invocation &in);
int runBackup(const Invocation &in);
int runRestore(const Invocation &in);
int runDoctor(const Invocation &in);
int runLaunch(const Invocation &in);
int runAutoswitch(const Invocation &in);

} // namespace kestctl
