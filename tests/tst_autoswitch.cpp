// The automatic profile switch: its rules file, the look at the processes, and the switch
// itself against the simulated unit with a stand-in game process.

#include "autoswitch.h"
#include "cli.h"
#include "kestdevice.h"
#include "plugmonitor.h"
#include "processscan.h"
#include "switchrules.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace kest;
using namespace testsupport;

namespace {

/// The unit in use, with two more THROTTLE profiles: "Gas B" in slot 4, "Gas C" in 5.
kestsim::UnitState unitWithGames()
{
    kestsim::UnitState s = unitInUse();
    s.kept.slots[4] = slot(4, "Gas B", 3, {5, 10, 20, 40, 80});
    s.kept.slots[5] = slot(5, "Gas C", 3, {50, 60, 70, 80, 90});
    return s;
}

/// Puts an active-profile word into effect without storing it, as the window's lists do.
void applyWord(std::uint32_t word)
{
    QCOMPARE(deviceOpen(), DeviceOpenResult::Opened);
    QVERIFY(deviceSettingApply(KESTIE_ACTIVE_PROFILE, word));
    deviceClose();
}

/// A file of `path` under `root`, with its folders.
void put(const QString &root, const QString &path, const QByteArray &content)
{
    QDir(root).mkpath(QFileInfo(root + QLatin1Char('/') + path).path());
    writeFile(root + QLatin1Char('/') + path, content);
}

// The processes looked at every 20 ms rather than every half second: what a look finds
// is the same, the test only waits less for it.
void lookOften(AutoSwitch &watch)
{
    watch.findChild<QTimer *>(QStringLiteral("lookTimer"))->setInterval(20);
}

} // namespace

class TestAutoSwitch : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    /// A copy of sleep under a name of this test's own, so that tests running at the
    /// same time never see each other's game.
    QString gameName = QStringLiteral("kgame%1").arg(QCoreApplication::applicationPid() % 1000000);
    QString gamePath;

    QList<SwitchRule> rulesOf(const QByteArray &text)
    {
        QList<SwitchRule> rules;
        QString error;
        if (!parseSwitchRules(text, rules, &error))
            qFatal("rules refused: %s", qPrintable(error));
        return rules;
    }

private Q_SLOTS:
    void initTestCase()
    {
        deviceInit();
        gamePath = dir.filePath(gameName);
        QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), gamePath));
    }

    void rulesRead()
    {
        const QList<SwitchRule> rules = rulesOf("# games\n"
                                                "; and more\n"
                                                "[ rFactor 2 ]\n"
                                                "Process = rFactor2.exe\n"
                                                "clutch=Clutch A\n"
                                                "  throttle =  Gas  B  \n"
                                                "\n"
                                                "[Euro Truck]\r\n"
                                                "steam-app = 227300\r\n"
                                                "brake = Bremse \xc3\xbc\r\n");
        QCOMPARE(rules.size(), 2);
        QCOMPARE(rules[0].game, QStringLiteral("rFactor 2"));
        QCOMPARE(rules[0].process, QStringLiteral("rFactor2.exe"));
        QCOMPARE(rules[0].profiles,
                 (std::array<QString, 3> {QStringLiteral("Clutch A"), QString(),
                                          QStringLiteral("Gas  B")}));
        QCOMPARE(rules[0].line, 3);
        QCOMPARE(rules[1].steamApp, 227300u);
        QVERIFY(rules[1].process.isEmpty());
        QCOMPARE(rules[1].profiles[1], QStringLiteral("Bremse ü"));

        QList<SwitchRule> none;
        QString error;
        QVERIFY(parseSwitchRules("# nothing yet\n", none, &error));
        QVERIFY(none.isEmpty());
        const QString missing = dir.filePath(QStringLiteral("none.ini"));
        QVERIFY(!readSwitchRules(missing, none, &error));
        QVERIFY2(error.contains(missing), qPrintable(error));
    }

    void rulesRefused_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("says");
        const QByteArray game = "[G]\nprocess = g\n";
        QTest::newRow("key before any section")
            << QByteArray("brake = A\n") << 1 << "before the first";
        QTest::newRow("no key = value") << game + "brake A\n" << 3 << "neither";
        QTest::newRow("header without name") << QByteArray("[ ]\n") << 1 << "no name";
        QTest::newRow("section twice") << game + "brake = A\n[G]\n" << 4 << "line 1";
        QTest::newRow("unknown key") << game + "gas = A\n" << 3 << "unknown key \"gas\"";
        QTest::newRow("key twice") << game + "brake = A\nBRAKE = B\n" << 4 << "twice";
        QTest::newRow("empty value") << game + "brake =\n" << 3 << "no value";
        QTest::newRow("process with a folder")
            << QByteArray("[G]\nprocess = /usr/bin/g\nbrake = A\n") << 2 << "without a folder";
        QTest::newRow("steam-app no number") << QByteArray("[G]\nsteam-app = 12a\n") << 2 << "12a";
        QTest::newRow("steam-app zero") << QByteArray("[G]\nsteam-app = 0\n") << 2 << "number";
        QTest::newRow("profile name beyond 16 bytes") << game
                + "brake = "
                  "\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\n"
                                                      << 3 << "16 bytes";
        QTest::newRow("both process and steam-app")
            << QByteArray("\n[G]\nprocess = g\nsteam-app = 5\nbrake = A\n") << 2 << "both";
        QTest::newRow("neither process nor steam-app")
            << QByteArray("[G]\nbrake = A\n[H]\nprocess = h\nbrake = A\n") << 1 << "no process";
        QTest::newRow("no pedal, last section") << game + "brake = A\n[H]\nprocess = h\n"
                                                << 4 << "no profile";
        QTest::newRow("one process, two sections")
            << game + "brake = A\n[H]\nprocess = g\nthrottle = B\n"
            << 4 << "same process g as [G]";
        // The kernel keeps 15 bytes of a name: both would be the first section's game.
        QTest::newRow("two names the kernel cuts alike")
            << QByteArray("[G]\nprocess = VeryLongGameName1.exe\nbrake = A\n"
                          "[H]\nprocess = VeryLongGameName2.exe\nbrake = B\n")
            << 4 << "same process VeryLongGameName2.exe as [G]";
        QTest::newRow("not UTF-8") << game + "brake = \xff\xfe\n" << 3 << "UTF-8";
    }

    void rulesRefused()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, line);
        QFETCH(QString, says);
        QList<SwitchRule> rules;
        QString error;
        QVERIFY(!parseSwitchRules(text, rules, &error));
        QVERIFY(rules.isEmpty());
        QVERIFY2(error.startsWith(QStringLiteral("line %1: ").arg(line)), qPrintable(error));
        QVERIFY2(error.contains(says), qPrintable(error));
    }

    void commandReadsTheRulesFile()
    {
        // kestctl's command on the user's file: a wrong one names its line and ends with
        // status 1, for the watch and for --status alike, before anything is watched.
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        const QString file = switchRulesPath();
        QCOMPARE(file, config.filePath(QStringLiteral("kest-setting/autoswitch.ini")));
        kestctl::Invocation watch;
        watch.words = QStringList {QStringLiteral("autoswitch")};
        kestctl::Invocation status = watch;
        status.status = true;
        QCOMPARE(kestctl::runAutoswitch(watch), int(kestctl::ExitRefused)); // no file
        put(config.path(), QStringLiteral("kest-setting/autoswitch.ini"), "[G]\nprocess = g\n");
        QCOMPARE(kestctl::runAutoswitch(watch), int(kestctl::ExitRefused));
        QCOMPARE(kestctl::runAutoswitch(status), int(kestctl::ExitRefused));
        put(config.path(), QStringLiteral("kest-setting/autoswitch.ini"), "# none yet\n");
        QCOMPARE(kestctl::runAutoswitch(watch), int(kestctl::ExitRefused));
        QCOMPARE(kestctl::runAutoswitch(status), int(kestctl::ExitDone));

        // A state file left by a watch that was killed, whose number a running process
        // has now (this one): no watch runs, and one starts.
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        put(config.path(), QStringLiteral("kest-setting/autoswitch.ini"),
            "[G]\nprocess = kest-no-such-game\nbrake = A\n");
        put(runtime.path(), QStringLiteral("kest-autoswitch.json"),
            "{\"pid\":" + QByteArray::number(QCoreApplication::applicationPid()) + "}");
        QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        QCOMPARE(kestctl::runAutoswitch(watch), int(kestctl::ExitDone));
        QVERIFY(!QFile::exists(runtime.filePath(QStringLiteral("kest-autoswitch.json"))));
        qunsetenv("XDG_RUNTIME_DIR");
        qunsetenv("XDG_CONFIG_HOME");
    }

    void scanMatches_data()
    {
        QTest::addColumn<QByteArray>("comm");
        QTest::addColumn<QByteArray>("environ");
        QTest::addColumn<QByteArray>("cmdline");
        QTest::addColumn<int>("rule");
        QTest::newRow("name") << QByteArray("short\n") << QByteArray() << QByteArray() << 0;
        QTest::newRow("another name")
            << QByteArray("shorter\n") << QByteArray() << QByteArray() << -1;
        // The kernel keeps the first 15 bytes of a name.
        QTest::newRow("long name, as the kernel cuts it")
            << QByteArray("AC2-Win64-Shipp\n") << QByteArray() << QByteArray() << 1;
        QTest::newRow("steam game's environment")
            << QByteArray("sh\n") << QByteArray("HOME=/h\0SteamAppId=4242\0X=1\0", 28)
            << QByteArray() << 2;
        QTest::newRow("environment, first entry")
            << QByteArray("sh\n") << QByteArray("SteamAppId=4242\0", 16) << QByteArray() << 2;
        QTest::newRow("another app's environment")
            << QByteArray("sh\n") << QByteArray("SteamAppId=42421\0OtherSteamAppId=4242\0", 38)
            << QByteArray() << -1;
        QTest::newRow("reaper's command line")
            << QByteArray("reaper\n") << QByteArray()
            << QByteArray("reaper\0SteamLaunch\0AppId=4242\0--\0/g/run\0", 40) << 2;
        QTest::newRow("command line of another program")
            << QByteArray("bash\n") << QByteArray() << QByteArray("bash\0AppId=4242\0", 16) << -1;
    }

    void scanMatches()
    {
        QFETCH(QByteArray, comm);
        QFETCH(QByteArray, environ);
        QFETCH(QByteArray, cmdline);
        QFETCH(int, rule);
        QTemporaryDir proc;
        put(proc.path(), QStringLiteral("self/comm"), "ignored\n");
        put(proc.path(), QStringLiteral("77/comm"), comm);
        if (!environ.isEmpty())
            put(proc.path(), QStringLiteral("77/environ"), environ);
        if (!cmdline.isEmpty())
            put(proc.path(), QStringLiteral("77/cmdline"), cmdline);
        ProcessScan scan(rulesOf("[A]\nprocess = short\nbrake = A\n"
                                 "[B]\nprocess = AC2-Win64-Shipping.exe\nbrake = A\n"
                                 "[C]\nsteam-app = 4242\nbrake = A\n"),
                         proc.path());
        QList<int> expected {0, 0, 0};
        if (rule >= 0)
            expected[rule] = 1;
        QCOMPARE(scan.look(), expected);
        QCOMPARE(scan.processCount(), 1);
    }

    void scanFollowsProcesses()
    {
        QTemporaryDir proc;
        const auto newest = [&](int number) {
            put(proc.path(), QStringLiteral("loadavg"),
                "0.10 0.20 0.30 1/99 " + QByteArray::number(number) + "\n");
        };
        ProcessScan scan(rulesOf("[A]\nprocess = game\nbrake = A\n"), proc.path());
        put(proc.path(), QStringLiteral("10/comm"), "launcher\n");
        put(proc.path(), QStringLiteral("11/comm"), "game\n");
        newest(11);
        QCOMPARE(scan.look(), QList<int> {1});
        QCOMPARE(scan.listingCount(), 1);
        // A new number is looked at alone; a young process that replaces itself with the
        // game is seen at the next look.
        put(proc.path(), QStringLiteral("12/comm"), "sh\n");
        newest(12);
        QCOMPARE(scan.look(), QList<int> {1});
        put(proc.path(), QStringLiteral("12/comm"), "game\n");
        QCOMPARE(scan.look(), QList<int> {2});
        QCOMPARE(scan.listingCount(), 1);
        // An older one, within its turn.
        put(proc.path(), QStringLiteral("10/comm"), "game\n");
        int looks = 1;
        while (scan.look() != QList<int> {3} && looks < 8)
            ++looks;
        QCOMPARE(scan.look(), QList<int> {3});
        // Many numbers given out: /proc is listed, and what it no longer holds ended.
        for (const char *number : {"10", "11", "12"})
            QVERIFY(QDir(proc.filePath(QLatin1String(number))).removeRecursively());
        newest(500);
        QCOMPARE(scan.look(), QList<int> {0});
        QCOMPARE(scan.processCount(), 0);
        QCOMPARE(scan.listingCount(), 2);
    }

    void scanSeesASteamGameAfterItsExec()
    {
        // Found between its fork and its exec: Steam's name and environment, then the
        // game's, whose environment names its app.
        QTemporaryDir proc;
        put(proc.path(), QStringLiteral("loadavg"), "0.10 0.20 0.30 1/99 20\n");
        put(proc.path(), QStringLiteral("20/comm"), "steam\n");
        put(proc.path(), QStringLiteral("20/environ"), QByteArray("HOME=/h\0", 7));
        ProcessScan scan(rulesOf("[A]\nsteam-app = 4242\nbrake = A\n"), proc.path());
        QCOMPARE(scan.look(), QList<int> {0});
        put(proc.path(), QStringLiteral("20/comm"), "game\n");
        put(proc.path(), QStringLiteral("20/environ"), QByteArray("SteamAppId=4242\0", 16));
        QCOMPARE(scan.look(), QList<int> {1});
    }

    void switchesWhileTheGameRuns()
    {
        freshUnit(unitWithGames());
        // Another program's choice, only in effect: BRAKE "Brake B" (slot 3).
        applyWord(0x00020300);
        kestsim::wireLog().clear();
        AutoSwitch watch(rulesOf(QByteArray("[Test game]\nprocess = ") + gameName.toUtf8()
                                 + "\nthrottle = Gas B\n"));
        QSignalSpy switched(&watch, &AutoSwitch::switched);
        QSignalSpy notes(&watch, &AutoSwitch::note);
        watch.start();
        lookOften(watch);
        QCOMPARE(watch.activeRule(), -1);

        QProcess game;
        game.start(gamePath, {QStringLiteral("60")});
        QVERIFY(game.waitForStarted());
        // The THROTTLE takes the game's profile; the BRAKE keeps the other program's.
        TRY_COMPARE(switched.size(), 1);
        QCOMPARE(kestsim::unit().inEffect().activeProfile, 0x00040300u);
        QCOMPARE(watch.appliedRule(), 0);
        QVERIFY(!deviceIsOpen()); // free for the window between switches

        game.kill();
        game.waitForFinished();
        TRY_COMPARE(switched.size(), 2);
        QCOMPARE(switched.last().at(0).toInt(), -1);
        QCOMPARE(kestsim::unit().inEffect().activeProfile, 0x00020300u);
        QVERIFY(!deviceIsOpen());
        // One write per switch, each only putting the choice into effect, never stored.
        QStringList choices;
        for (const QString &sent : wire("set"))
            if (sent.startsWith(QStringLiteral("02 0c 0f")))
                choices << sent.left(8 * 3 - 1);
        QCOMPARE(choices,
                 (QStringList {QStringLiteral("02 0c 0f 00 03 04 00 00"),
                               QStringLiteral("02 0c 0f 00 03 02 00 00")}));
        QCOMPARE(kestsim::unit().state().kept.activeProfile, 0xEF020100u);
        QCOMPARE(notes.first().at(0).toString(),
                 QStringLiteral("Test game is running (process %1).").arg(gameName));
        QVERIFY(
            notes.contains(QVariantList {QStringLiteral("In effect now: THROTTLE \"Gas B\".")}));
        QCOMPARE(notes.last().at(0).toString(),
                 QStringLiteral("In effect now: THROTTLE \"Gas A\"."));

        // Stopped during a game with the unit pulled out: it forgot the game's choice, and
        // nothing promises a switch at its plug-in.
        game.start(gamePath, {QStringLiteral("60")});
        QVERIFY(game.waitForStarted());
        TRY_COMPARE(switched.size(), 3);
        kestsim::unit().unplug();
        watch.stop();
        QCOMPARE(notes.last().at(0).toString(), QStringLiteral("Stopped while Test game runs."));
        game.kill();
        game.waitForFinished();
    }

    void waitsForTheUnitAndKeepsTheUsersChoice()
    {
        freshUnit(unitWithGames());
        kestsim::unit().unplug();
        AutoSwitch watch(rulesOf(QByteArray("[Test game]\nprocess = ") + gameName.toUtf8()
                                 + "\nbrake = Nothing\nthrottle = Gas B\n"));
        QSignalSpy switched(&watch, &AutoSwitch::switched);
        QSignalSpy notes(&watch, &AutoSwitch::note);
        QProcess game;
        game.start(gamePath, {QStringLiteral("60")});
        QVERIFY(game.waitForStarted());
        watch.start(); // a game that runs already counts
        lookOften(watch);
        QCOMPARE(watch.activeRule(), 0);
        QCOMPARE(notes.last().at(0).toString(),
                 QStringLiteral("No pedal unit: the profiles switch once it is plugged in."));
        auto *retry = watch.findChild<QTimer *>(QStringLiteral("retryTimer"));
        QVERIFY(retry->isActive());
        retry->start(0); // still no unit: no second line
        TRY_VERIFY(retry->interval() == AutoSwitch::RETRY_INTERVAL_MS && retry->isActive());
        QCOMPARE(notes.size(), 2);

        kestsim::unit().plug();
        retry->start(0);
        TRY_COMPARE(switched.size(), 1);
        QCOMPARE(kestsim::unit().inEffect().activeProfile, 0x00040100u);
        QVERIFY(notes.contains(QVariantList {
            QStringLiteral("BRAKE has no profile called \"Nothing\"; it keeps its profile.")}));

        // The user picks another THROTTLE profile while the game runs: it stays after it.
        applyWord(0x00050100);
        game.kill();
        game.waitForFinished();
        TRY_COMPARE(switched.size(), 2);
        QCOMPARE(kestsim::unit().inEffect().activeProfile, 0x00050100u);

        // A unit plugged in anew during a game has its kept choice: the game's is put
        // into effect again, and at the stop that kept choice comes back.
        game.start(gamePath, {QStringLiteral("60")});
        QVERIFY(game.waitForStarted());
        TRY_COMPARE(switched.size(), 3);
        kestsim::unit().unplug();
        kestsim::unit().plug();
        QCOMPARE(kestsim::unit().inEffect().activeProfile, 0xEF020100u);
        Q_EMIT watch.findChild<PlugMonitor *>(QStringLiteral("plugMonitor"))
            ->unitAdded(QStringLiteral("/dev/hidraw9"));
        TRY_COMPARE(switched.size(), 4);
        QCOMPARE(kestsim::unit().inEffect().activeProfile, 0x00040100u);
        watch.stop();
        QCOMPARE(switched.size(), 5);
        QCOMPARE(kestsim::unit().inEffect().activeProfile & 0xFFFFFFu, 0x020100u);
        game.kill();
        game.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestAutoSwitch)
#include "tst_autoswitch.moc"
