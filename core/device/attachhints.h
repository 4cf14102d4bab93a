#pragma once

// What a front tells the user when the pedal unit cannot be attached: the same words in
// the window's waiting state and from the command line. Marked for translation in the
// window's context, where the window's translations already hold them.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QString>

namespace kest {

/// When the unit is there but cannot be opened; %1 is the Linux notes (linuxNotesPath).
inline constexpr char NO_ACCESS_HINT[]
    = QT_TRANSLATE_NOOP("MainWindow",
                        "The pedal unit is connected but cannot be opened: this user has no "
                        "access to it. Install the kest-setting package or its udev rule "
                        "(70-kest-pedals.rules), then unplug the unit and plug it in again. "
                        "kestctl doctor says what is missing; more in %1.");

/// When no unit is plugged in.
inline constexpr char NOT_FOUND_HINT[]
    = QT_TRANSLATE_NOOP("MainWindow",
                        "No pedal unit found. Check that its USB cable is plugged in, "
                        "preferably straight into the computer rather than into a hub. On "
                        "Linux, lsusb lists the unit as e5b7:6a1c.");

/// When the unit was opened but did not answer every read of the attach.
inline constexpr char NO_ANSWER_HINT[]
    = QT_TRANSLATE_NOOP("MainWindow",
                        "The pedal unit was found but did not answer every read; "
                        "trying again.");

/// A document as the installed copy has it: beside the program's prefix, or where the
/// package puts it when this copy was not installed.
inline QString installedDoc(const QString &name)
{
    const QString installed
        = QDir::cleanPath(QCoreApplication::applicationDirPath()
                          + QStringLiteral("/../share/doc/kest-setting/") + name);
    return QFileInfo::exists(installed) ? installed
                                        : QStringLiteral("/usr/share/doc/kest-setting/") + name;
}

/// The Linux notes, which say how to give a user access to the unit.
inline QString linuxNotesPath()
{
    return installedDoc(QStringLiteral("linux.md"));
}

/// A waiting text in the user's language.
inline QString attachHint(const char *hint)
{
    return QCoreApplication::translate("MainWindow", hint);
}

} // namespace kest
