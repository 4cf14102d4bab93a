#pragma once

// The rules of the automatic profile switch: which game (a program's name, or a Steam
// app id) wants which profile on each pedal. They live in a small INI-like file of the
// user's, one section per game:
//
//   [Euro Truck Simulator 2]
//   steam-app = 227300
//   brake = Brake B
//
//   [rFactor 2]
//   process = rFactor2.exe
//   clutch = Clutch A
//   throttle = Gas A
//
// A pedal left out keeps the profile it has.

#include "kestprotocol.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>

namespace kest {

struct SwitchRule
{
    QString game; ///< the section's name, as the user wrote it
    /// The program's file name (as the kernel names the process: its first 15 bytes
    /// count), or empty for a Steam game.
    QString process;
    std::uint32_t steamApp = 0; ///< the Steam app id, or 0 for a program
    /// Each pedal's profile name; empty keeps the pedal's profile.
    std::array<QString, PEDAL_COUNT> profiles;
    int line = 0; ///< the line of the section's header

    bool isSteam() const { return steamApp != 0; }
    /// The process name as the kernel keeps it (its first 15 bytes), empty for a Steam
    /// game: what a running process's name is compared with.
    QByteArray processKey() const;
    /// "process rFactor2.exe" or "steam-app 227300", as the file says it.
    QString watched() const;
};

/// The longest rules file read: far more than anyone writes by hand.
constexpr qint64 SWITCH_RULES_MAX_BYTES = 256 * 1024;

/// The user's rules file: "kest-setting/autoswitch.ini" in the configuration folder
/// ($XDG_CONFIG_HOME, ~/.config without it).
QString switchRulesPath();

/// Parses a rules file's text. False, with `error` naming the line and what is wrong
/// with it, for anything that is not a whole set of rules; `rules` is then left empty.
bool parseSwitchRules(const QByteArray &text, QList<SwitchRule> &rules, QString *error);

/// Reads and parses the rules file at `path` (a regular file, at most
/// SWITCH_RULES_MAX_BYTES). False, with `error` naming the file (and the line), when it
/// is missing, unreadable or wrong.
bool readSwitchRules(const QString &path, QList<SwitchRule> &rules, QString *error);

} // namespace kest
