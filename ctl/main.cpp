// kestctl: the pedal unit's settings from a terminal and from scripts.

#include "cli.h"
#include "kestdevice.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <cstdio>

namespace {

const char kHelp[]
    = "usage: kestctl [--json] COMMAND [ARGS...]\n"
      "\n"
      "Commands:\n"
      "  info                          firmware, clutch, calibration, deadzones, profiles\n"
      "  watch                         live pedal positions until Ctrl-C\n"
      "  deadzone [PEDAL [LOW HIGH]]   show, or set in % (0-21 from each end)\n"
      "  clutch [on|off]               show, or switch the clutch pedal on or off\n"
      "  calibrate PEDAL               teach the unit a pedal's travel (Enter saves)\n"
      "  profile list\n"
      "  profile apply NAME [--pedal P]\n"
      "  profile save PEDAL NAME --curve C1,C2,C3,C4,C5\n"
      "  profile remove NAME [--pedal P]\n"
      "  profile export FILE [--yes]   --yes replaces an existing file\n"
      "  profile import FILE\n"
      "  firmware check                ask the update server for newer firmware\n"
      "  firmware update FILE          write a firmware image (.bin) to the unit\n"
      "  clear-flash [--yes]           delete every setting the unit keeps\n"
      "\n"
      "PEDAL is clutch, brake or throttle. Options: --json (machine-readable output on\n"
      "stdout), --trace FILE (every exchange with the unit, for a problem report),\n"
      "--help, --version.\n"
      "Exit status: 0 done; 1 bad input or refused, nothing sent; 2 the unit failed\n"
      "part-way (the message says what it keeps); 3 no unit, or no access to it.\n"
      "See kestctl(1).\n";

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
    QString error;
    if (!kestctl::parseArguments(QCoreApplication::arguments(), in, error)) {
        kestctl::Output::message(error + QStringLiteral(" (kestctl --help)"));
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
        std::fputs(kHelp, command.isEmpty() ? stderr : stdout);
        return command.isEmpty() ? kestctl::ExitRefused : kestctl::ExitDone;
    }
    if (command == QLatin1String("--version")) {
        std::printf("kestctl %s\n", KEST_VERSION);
        return kestctl::ExitDone;
    }
    using Run = int (*)(const kestctl::Invocation &);
    const struct
    {
        const char *name;
        Run run;
    } commands[] = {
        {"info", kestctl::runInfo},           {"watch", kestctl::runWatch},
        {"deadzone", kestctl::runDeadzone},   {"clutch", kestctl::runClutch},
        {"calibrate", kestctl::runCalibrate}, {"profile", kestctl::runProfile},
        {"firmware", kestctl::runFirmware},   {"clear-flash", kestctl::runClearFlash},
    };
    for (const auto &c : commands)
        if (command == QLatin1String(c.name))
            return c.run(in);
    return kestctl::Output(in.json).fail(
        kestctl::ExitRefused, QStringLiteral("unknown command '%1' (kestctl --help)").arg(command));
}
