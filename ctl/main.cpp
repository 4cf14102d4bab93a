// kestctl: the pedal unit's settings from a terminal and from scripts.

#include "cli.h"
#include "kestdevice.h"
#include "language.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <cstdio>

namespace {

const char kHelp[] = QT_TRANSLATE_NOOP(
    "kestctl",
    "usage: kestctl [--json] COMMAND [ARGS...]\n"
    "\n"
    "Commands:\n"
    "  info                          firmware, clutch, calibration, deadzones, profiles\n"
    "  watch                         live pedal positions until Ctrl-C\n"
    "  record FILE [--seconds N]     every input report with its time, as CSV, until\n"
    "                                Ctrl-C or N s; --json: JSON lines; FILE - is stdout;\n"
    "                                --yes replaces an existing FILE\n"
    "  deadzone [PEDAL [LOW HIGH]]   show, or set in % (0-21 from each end)\n"
    "  clutch [on|off]               show, or switch the clutch pedal on or off\n"
    "  calibrate PEDAL [--yes]       teach the unit a pedal's travel (Enter saves)\n"
    "  profile list\n"
    "  profile apply NAME [--pedal P]\n"
    "  profile save PEDAL NAME --curve C1,C2,C3,C4,C5\n"
    "  profile remove NAME [--pedal P]\n"
    "  profile export FILE [--yes]   --yes replaces an existing file\n"
    "  profile import FILE\n"
    "  backup [FILE] [--yes]         save every setting the unit keeps (without FILE:\n"
    "                                a new file in the backup folder)\n"
    "  restore FILE [--yes]          put back everything a backup holds\n"
    "  firmware check                ask the update server for newer firmware\n"
    "  firmware update FILE [--yes]  write a firmware image (.bin) to the unit\n"
    "  clear-flash [--yes]           delete every setting the unit keeps\n"
    "  doctor [--print-rules]        check what keeps kestctl from the unit or games\n"
    "                                from the pedals; --print-rules prints the udev rule\n"
    "  autoswitch [--status]         switch profiles while a game of the rules file runs\n"
    "                                (~/.config/kest-setting/autoswitch.ini) until Ctrl-C;\n"
    "                                --status: the service, the rules, the game active now\n"
    "\n"
    "PEDAL is clutch, brake or throttle. Options: --json (machine-readable output on\n"
    "stdout), --trace FILE (every exchange with the unit, for a problem report),\n"
    "--lang CODE (de, fr, es, it, pt_BR, ja; en for English), --help, --version.\n"
    "Exit status: 0 done; 1 bad input or refused, nothing sent; 2 the unit failed\n"
    "part-way (the message says what it keeps); 3 no unit, or no access to it.\n"
    "See kestctl(1).\n");

/// A section of its own, which the commands that choose profiles for a game join.
const char kGameHelp[] = QT_TRANSLATE_NOOP(
    "kestctl",
    "\n"
    "Profiles for a game (in effect while it runs; the unit keeps its stored choice):\n"
    "  profile apply NAME [--pedal P] --for-now\n"
    "                                put the profile into effect without storing it;\n"
    "                                prints the choice that was in effect before\n"
    "  launch [--clutch NAME] [--brake NAME] [--throttle NAME] -- COMMAND [ARGS...]\n"
    "                                run COMMAND with these profiles, then put back the\n"
    "                                ones before; exits with COMMAND's status. In Steam's\n"
    "                                launch options: kestctl launch --brake NAME -- %command%\n");

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The library's debug lines are for developers: QT_LOGGING_RULES shows them.
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    QCoreApplication::setApplicationName(QStringLiteral("kestctl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KEST_VERSION));

    kestctl::Invocation in;
    const bool parsed = kestctl::parseArguments(QCoreApplication::arguments(), in);
    // The texts in the language --lang names, or the system's (docs/translations.md); JSON
    // keys, command and option names and the trace stay as they are.
    kest::installTranslators(in.lang);
    if (!parsed) {
        kestctl::Output::message((in.badOptionValue
                                      ? kestctl::tr("%1 needs a value (kestctl --help)")
                                      : kestctl::tr("unknown option '%1' (kestctl --help)"))
                                     .arg(in.badOption));
        return kestctl::ExitRefused;
    }
    // A trace for a problem report, in the window's format: it replays against the
    // simulated unit.
    if (!in.trace.isEmpty()) {
        QString traceError;
        if (!kest::deviceTrace(in.trace, &traceError)) {
            kestctl::Output::message(traceError);
            return kestctl::ExitRefused;
        }
    }
    const QString command = in.words.value(0);
    if (command == QLatin1String("--help") || command.isEmpty()) {
        std::FILE *to = command.isEmpty() ? stderr : stdout;
        std::fputs(kestctl::tr(kHelp).toLocal8Bit().constData(), to);
        std::fputs(kestctl::tr(kGameHelp).toLocal8Bit().constData(), to);
        return command.isEmpty() ? kestctl::ExitRefused : kestctl::ExitDone;
    }
    if (command == QLatin1String("--version")) {
        std::printf("kestctl %s\n", KEST_VERSION);
        return kestctl::ExitDone;
    }
    return kestctl::runCommand(in, kestctl::runDoctor);
}
