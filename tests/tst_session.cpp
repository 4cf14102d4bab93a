// The unit's session without a window: attach, loss and the attempts while the unit is
// absent, and the firmware upload that follows the session, against the simulated unit.

#include "cli.h"
#include "firmwarechunks.h"
#include "firmwareupdate.h"
#include "kestunit.h"
#include "kestupgrade.h"
#include "plugmonitor.h"
#include "testsupport.h"
#include "unitsession.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QTest>
#include <QThread>

#include <csignal>
#include <pthread.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace testsupport;
using kest::Outcome;
using kest::UnitSession;

namespace {

/// Waits for `done` without handling events, so that what other threads post stays
/// queued; false when it still does not hold after five seconds.
template<typename Predicate> bool waitWithoutEvents(Predicate done)
{
    QDeadlineTimer deadline(5000);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QThread::yieldCurrentThread();
    }
    return true;
}

/// Runs a kestctl command here, on the simulated unit: its exit code, and in `out` what
/// it wrote to standard output (where a launched command writes too).
int runCtl(const QStringList &arguments, QByteArray *out = nullptr)
{
    kestctl::Invocation in;
    kestctl::parseArguments(QStringList {QStringLiteral("kestctl")} + arguments, in);
    QTemporaryFile file;
    file.open();
    std::fflush(stdout);
    const int saved = ::dup(STDOUT_FILENO);
    ::dup2(file.handle(), STDOUT_FILENO);
    const int code = kestctl::runCommand(in);
    std::fflush(stdout);
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);
    if (out && file.seek(0))
        *out = file.readAll();
    return code;
}

/// The file a launched command makes once it runs.
QString startedMark()
{
    return QDir::tempPath()
        + QStringLiteral("/kest-launch-started-%1").arg(QCoreApplication::applicationPid());
}

const QString kLostWhileWriting
    = QStringLiteral("Firmware update failed: the pedal unit was unplugged while it wrote its "
                     "firmware. Please plug it in again and run the update again.");

} // namespace

/// A session as the window holds it: the model, its reads at every attach, the attempts.
struct Front
{
    kest::KestUnit unit;
    UnitSession session {&unit, UnitSession::Policy::KeepLooking};
    QSignalSpy attached {&session, &UnitSession::attached};
    QSignalSpy lost {&session, &UnitSession::lost};
    QSignalSpy waiting {&session, &UnitSession::waiting};
    QSignalSpy positions {&session, &UnitSession::positions};

    Front()
    {
        session.setAttachReads([this] { return unit.readProfiles(); });
    }
    QTimer *retry() { return session.findChild<QTimer *>(QStringLiteral("retryTimer")); }
    PlugMonitor *plugs() { return session.findChild<PlugMonitor *>(QStringLiteral("plugMonitor")); }
    UnitSession::Absence lastAbsence()
    {
        return waiting.last().at(0).value<UnitSession::Absence>();
    }
};

class TestSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { freshUnit(); }
    void cleanup()
    {
        kestsim::faults().clear();
        kestsim::unit().setOpenDenied(false);
        kestsim::unit().plug();
        kest::deviceClose();
    }

    void attachFollowsAndLosesTheUnit_data();
    void attachFollowsAndLosesTheUnit();
    void attachThatReadsNothingWaits();
    void nodeOpensLateAfterPlugIn_data();
    void nodeOpensLateAfterPlugIn();
    void lateLossReportKeepsTheNewAttach();
    void onceSessionStaysWithoutTheUnit();
    void profileApplyForNow();
    void launchPutsTheChoiceBack_data();
    void launchPutsTheChoiceBack();
    void uploadLostWhileWritingEndsFailed_data();
    void uploadLostWhileWritingEndsFailed();
    void stopRightAfterTheStartCounts();
};

void TestSession::attachFollowsAndLosesTheUnit_data()
{
    QTest::addColumn<bool>("eventFirst");
    QTest::newRow("the reader tells") << false;
    QTest::newRow("the system tells first") << true;
}

void TestSession::attachFollowsAndLosesTheUnit()
{
    // Attached, followed, lost once however the loss is told, then waiting with the
    // retries; the model keeps nothing of the lost unit.
    QFETCH(bool, eventFirst);
    kestsim::UnitState s;
    s.kept.slots[2] = {{'A'}, {2, 2, 10, 20, 30, 40, 50}};
    freshUnit(s);
    Front f;
    QVERIFY(f.session.start());
    QCOMPARE(f.attached.count(), 1);
    QVERIFY(f.session.isAttached());
    QVERIFY(f.session.waitingHint().isEmpty());
    QVERIFY(f.unit.profilesLoaded());
    QVERIFY(!f.session.start()); // attached: no second attempt
    kestsim::unit().setPedals(1, 2, 3);
    TRY_COMPARE(f.positions.count(), 1);
    QCOMPARE(f.positions.at(0).at(0).toByteArray().toHex(' '), QByteArray("01 00 02 00 03 00"));
    QVERIFY(f.unit.startCalibration(1).done());

    const QString node = kest::deviceNode();
    Q_EMIT f.plugs()->unitRemoved(QStringLiteral("/dev/hidraw9")); // another unit's
    QVERIFY(f.session.isAttached());
    kestsim::unit().unplug();
    if (eventFirst) {
        Q_EMIT f.plugs()->unitRemoved(node);
        QVERIFY(!kest::deviceIsOpen());
    }
    TRY_COMPARE(f.lost.count(), 1);
    // Whatever the reader reported on its way out has arrived by now.
    processPosted();
    processPosted();
    QCOMPARE(f.lost.count(), 1);
    QCOMPARE(f.waiting.count(), 1);
    QCOMPARE(f.lastAbsence(), UnitSession::Absence::NotFound);
    QVERIFY(f.waiting.last().at(1).toString().startsWith(QLatin1String("No pedal unit found.")));
    QCOMPARE(f.session.waitingHint(), f.waiting.last().at(1).toString());
    QVERIFY(!f.session.isAttached());
    QVERIFY(!f.unit.profilesLoaded());
    QCOMPARE(f.unit.calibratingPedal(), -1);
    QVERIFY(f.retry()->isActive());
    QCOMPARE(f.retry()->interval(), 3000);

    // Back: the next attempt attaches and reads the unit anew.
    kestsim::unit().plug();
    f.retry()->start(0);
    TRY_COMPARE(f.attached.count(), 2);
    QVERIFY(f.unit.profilesLoaded());
    QVERIFY(!f.retry()->isActive());
}

void TestSession::attachThatReadsNothingWaits()
{
    // The unit opens but does not answer the attach's reads: not attached, closed, and
    // tried again as for an absent unit.
    Front f;
    kestsim::faults().failNextReplies(100, 0);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("did not answer every read"));
    QVERIFY(!f.session.attach());
    QCOMPARE(f.attached.count(), 0);
    QCOMPARE(f.lastAbsence(), UnitSession::Absence::NoAnswer);
    QVERIFY(!kest::deviceIsOpen());
    QVERIFY(!f.unit.profilesLoaded());
    QCOMPARE(f.retry()->interval(), 3000);
    kestsim::faults().clear();
    f.retry()->start(0);
    TRY_COMPARE(f.attached.count(), 1);
}

void TestSession::nodeOpensLateAfterPlugIn_data()
{
    QTest::addColumn<bool>("granted");
    QTest::newRow("access comes a moment later") << true;
    QTest::newRow("access never comes") << false;
}

void TestSession::nodeOpensLateAfterPlugIn()
{
    QFETCH(bool, granted);
    kestsim::unit().unplug();
    Front f;
    QVERIFY(f.session.start());
    QCOMPARE(f.lastAbsence(), UnitSession::Absence::NotFound);
    kestsim::unit().setOpenDenied(true);
    kestsim::unit().plug();
    QSignalSpy tries(f.retry(), &QTimer::timeout);
    Q_EMIT f.plugs()->unitAdded(QStringLiteral("/dev/hidraw4"));
    // Tried again shortly, on the one chain of attempts; the waiting reason stays until
    // the tries are over.
    QVERIFY(f.retry()->isActive());
    QCOMPARE(f.retry()->interval(), 100);
    QCOMPARE(f.waiting.count(), 1);
    if (granted) {
        TRY_VERIFY(tries.count() >= 2);
        QCOMPARE(f.waiting.count(), 1);
        kestsim::unit().setOpenDenied(false);
        TRY_COMPARE(f.attached.count(), 1);
        QVERIFY(!f.retry()->isActive());
        QVERIFY(tries.count() < 10);
    } else {
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("cannot be opened.*udev rule"));
        TRY_COMPARE(f.retry()->interval(), 3000);
        QCOMPARE(tries.count(), 10); // a second at most
        QCOMPARE(f.lastAbsence(), UnitSession::Absence::NoAccess);
        QVERIFY(f.session.waitingHint().contains(QLatin1String("udev rule")));
        QVERIFY(f.retry()->isActive());
    }
    QCOMPARE(opens(), granted ? 1 : 0);
}

void TestSession::lateLossReportKeepsTheNewAttach()
{
    Front f;
    QVERIFY(f.session.start());
    kestsim::unit().unplug();
    // The reader meets the dead handle, closes it and reports the loss; before the
    // report is handled the unit is back and announced.
    QVERIFY(waitWithoutEvents([] { return !kest::deviceIsOpen(); }));
    kestsim::unit().plug();
    kestsim::wireLog().clear();
    Q_EMIT f.plugs()->unitAdded(QStringLiteral("/dev/hidraw5"));
    QVERIFY(f.session.isAttached());
    // The report, queued before the attach, arrives after it and is out of date.
    processPosted();
    processPosted();
    QCOMPARE(opens(), 1);
    QCOMPARE(f.lost.count(), 0);
    QVERIFY(f.session.isAttached());
}

void TestSession::onceSessionStaysWithoutTheUnit()
{
    // A command's session: no unit is no attempt later, and after a loss a plug-in opens
    // nothing.
    kestsim::unit().unplug();
    {
        UnitSession session(nullptr, UnitSession::Policy::Once);
        QVERIFY(!session.attach());
        QVERIFY(session.waitingHint().startsWith(QLatin1String("No pedal unit found.")));
        QVERIFY(!session.findChild<QTimer *>(QStringLiteral("retryTimer"))->isActive());
    }
    kestsim::unit().plug();
    UnitSession session(nullptr, UnitSession::Policy::Once);
    QSignalSpy lost(&session, &UnitSession::lost);
    QVERIFY(session.attach());
    kestsim::unit().unplug();
    TRY_COMPARE(lost.count(), 1);
    kestsim::unit().plug();
    kestsim::wireLog().clear();
    Q_EMIT session.findChild<PlugMonitor *>()->unitAdded(QStringLiteral("/dev/hidraw6"));
    processPosted();
    QCOMPARE(opens(), 0);
    QVERIFY(!session.findChild<QTimer *>(QStringLiteral("retryTimer"))->isActive());
}

void TestSession::profileApplyForNow()
{
    // In effect, not stored: the choice before is told. Asked again, nothing is sent.
    freshUnit(unitInUse());
    QByteArray out;
    QCOMPARE(runCtl({"--json", "profile", "apply", "Brake B", "--for-now"}, &out), 0);
    QCOMPARE(QJsonDocument::fromJson(out)["before"]["brake"]["name"].toString(), "Brake A");
    kestsim::wireLog().clear();
    QCOMPARE(runCtl({"profile", "apply", "Brake B", "--for-now"}, &out), 0);
    QVERIFY2(out.startsWith("Before: CLUTCH \"Clutch A\", BRAKE \"Brake B\", THROTTLE \"Gas A\"\n"),
             out.constData());
    QCOMPARE(writes(), QStringList {});
    QCOMPARE(kestsim::unit().state().kept.activeProfile, 0xEF020100u);
}

void TestSession::launchPutsTheChoiceBack_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("wire"); // every write, in order
    const QString forNow = hexOf(report("02 0c 0f 00 03 02 00")); // BRAKE "Brake B"
    const QString back = hexOf(report("02 0c 0f 00 01 02 00"));
    const QStringList brakeB {"launch", "--brake", "Brake B", "--throttle", "Gas A", "--"};
    // With --json: the command's end is one object after what the command printed. Started
    // by a program that ignores SIGCHLD: the command's end and status still count.
    QTest::newRow("a normal end, SIGCHLD ignored by the caller") << QStringList {"--json"} + brakeB
            + QStringList {"sh", "-c", "echo game; exit 7"} << 7 << QStringList {forNow, back};
    QTest::newRow("a killed command") << brakeB + QStringList {"sh", "-c", "kill -9 $$"}
                                      << 128 + SIGKILL << QStringList {forNow, back};
    // Pulled out and back while the command runs: the unit forgot the choice, which goes
    // to it again; then the launcher's SIGTERM is passed on to the command.
    QTest::newRow("re-plugged, then a SIGTERM")
        << brakeB + QStringList {"sleep", "60"} << 128 + SIGTERM
        << QStringList {forNow, forNow, back};
    QTest::newRow("a name the pedal does not have: nothing runs")
        << QStringList {"launch", "--brake", "Gas A", "--", "sh", "-c", "exit 7"}
        << int(kestctl::ExitRefused) << QStringList {};
    QTest::newRow("no unit: the command runs all the same")
        << brakeB + QStringList {"sh", "-c", "exit 7"} << 7 << QStringList {};
    // A terminal's Ctrl-C while the unit was switched, which no command took: none starts.
    QTest::newRow("interrupted before the command started")
        << brakeB + QStringList {"sh", "-c", "touch " + startedMark() + "; exit 7"} << 128 + SIGINT
        << QStringList {forNow, back};
    // The reader's read failed with the unit still plugged in, and the attach after it
    // found no answer: the unit still has the choice for now, which goes back at the end.
    QTest::newRow("lost for a failed read, then a SIGTERM")
        << brakeB + QStringList {"sleep", "60"} << 128 + SIGTERM << QStringList {forNow, back};
}

void TestSession::launchPutsTheChoiceBack()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, wire);
    freshUnit(unitInUse());
    if (QByteArray(QTest::currentDataTag()).startsWith("no unit"))
        kestsim::unit().unplug();
    struct sigaction childSignal
    {
    };
    ::sigaction(SIGCHLD, nullptr, &childSignal);
    const auto restoreChildSignal
        = qScopeGuard([&] { ::sigaction(SIGCHLD, &childSignal, nullptr); });
    if (QByteArray(QTest::currentDataTag()).contains("SIGCHLD ignored"))
        std::signal(SIGCHLD, SIG_IGN);
    // Waiting for this thread, blocked, as the launcher's attach would find it; sent as
    // the kernel sends a terminal's Ctrl-C to its foreground group.
    sigset_t interrupt;
    sigemptyset(&interrupt);
    sigaddset(&interrupt, SIGINT);
    sigset_t mask;
    ::pthread_sigmask(SIG_BLOCK, nullptr, &mask);
    const auto restoreMask = qScopeGuard([&] { ::pthread_sigmask(SIG_SETMASK, &mask, nullptr); });
    QFile::remove(startedMark());
    if (QByteArray(QTest::currentDataTag()).startsWith("interrupted")) {
        ::pthread_sigmask(SIG_BLOCK, &interrupt, nullptr);
        siginfo_t info {};
        info.si_signo = SIGINT;
        info.si_code = SI_KERNEL;
        QCOMPARE(::syscall(SYS_rt_tgsigqueueinfo, ::getpid(), ::gettid(), SIGINT, &info), 0L);
    }
    // While the command sleeps: re-plugged once the choice is in effect, and SIGTERM once
    // it is again.
    QTimer steps;
    int step = 0;
    const auto reads = [] { return readRequests().size(); };
    qsizetype readsBefore = 0;
    const bool failedRead = QByteArray(QTest::currentDataTag()).startsWith("lost");
    connect(&steps, &QTimer::timeout, this, [&] {
        if (failedRead) {
            if (step == 0 && writes().size() == 1) {
                readsBefore = reads();
                kestsim::faults().failNextReplies(1000);
                kest::deviceClose(); // as the reader does when its read fails
                step = 1;
            } else if (step == 1 && reads() > readsBefore) {
                kestsim::faults().clear();
                ::pthread_kill(::pthread_self(), SIGTERM);
                step = 2;
            }
        } else if (step == 0 && writes().size() == 1) {
            kestsim::unit().unplug();
            kestsim::unit().plug();
            step = 1;
        } else if (step == 1 && writes().size() == 2) {
            // To this thread, whose mask the launcher set: a signal to the process could
            // go to the test's watchdog thread, made before the launcher blocked it.
            ::pthread_kill(::pthread_self(), SIGTERM);
            step = 2;
        }
    });
    if (arguments.contains(QStringLiteral("sleep")))
        steps.start(1);
    QByteArray printed;
    QTEST(runCtl(arguments, &printed), "code");
    if (arguments.contains(QStringLiteral("--json"))) {
        const QList<QByteArray> lines = printed.trimmed().split('\n');
        QCOMPARE(lines.value(0), QByteArray("game"));
        const QJsonDocument end = QJsonDocument::fromJson(lines.last());
        QCOMPARE(end["exit"].toInt(), 7);
        QVERIFY(end["switched"].toBool() && end["restored"].toBool());
        QCOMPARE(end["before"]["brake"]["name"].toString(), "Brake A");
    }
    // Nothing but the choice in effect for now was written, and the flash holds what it
    // held; the choice before is in effect again.
    QCOMPARE(writes(), wire);
    QVERIFY(!QFile::exists(startedMark()));
    QVERIFY(kestsim::unit().state().kept == unitInUse().kept);
    QCOMPARE(kestsim::unit().inEffect().activeProfile & 0xFFFFFF, 0x020100u);
}

void TestSession::uploadLostWhileWritingEndsFailed_data()
{
    QTest::addColumn<QString>("how");
    // kestctl's case: nothing but the session's reader notices the pull
    QTest::newRow("pulled out") << "pull";
    QTest::newRow("the handle closed") << "close";
    QTest::newRow("closed and opened again") << "reopen";
}

void TestSession::uploadLostWhileWritingEndsFailed()
{
    // The unit takes the whole image and its end report, then goes during its writing
    // seconds: the upload ends failed, never done.
    QFETCH(QString, how);
    const QString path = writeFile(QDir::tempPath() + QStringLiteral("/kest-lost-test.bin"),
                                   QByteArray(64, '\x5a'));
    const auto removeFile = qScopeGuard([&] { QFile::remove(path); });
    UnitSession session(nullptr, UnitSession::Policy::Once);
    QVERIFY(session.attach());
    KestUpgrade upload;
    upload.watch(session);
    QList<int> values;
    QList<Outcome> ends;
    connect(&upload, &KestUpgrade::progress, this, [&](int p) { values << p; });
    connect(&upload, &KestUpgrade::ended, this, [&](const Outcome &o) { ends << o; });
    upload.firmwarePath = path;
    const int before = kestsim::unit().firmwareEndCount();
    upload.startUpload();
    TRY_VERIFY(kestsim::unit().firmwareEndCount() > before);
    if (how == QLatin1String("pull")) {
        kestsim::unit().unplug();
    } else {
        kest::deviceClose(); // as a reader does when its read fails
        if (how == QLatin1String("reopen"))
            QCOMPARE(kest::deviceOpen(), kest::DeviceOpenResult::Opened);
    }
    TRY_COMPARE(ends.size(), 1);
    QVERIFY(upload.wait(5000));
    QCOMPARE(ends.at(0).status, Outcome::Failed);
    QCOMPARE(ends.at(0).message, kLostWhileWriting);
    QVERIFY(!values.contains(100));
    for (int p : values)
        QVERIFY2(p >= 0 && p <= 100, qPrintable(QString::number(p)));
}

void TestSession::stopRightAfterTheStartCounts()
{
    // A stop that comes before the thread runs still ends the count of the unit's
    // writing: the image goes out whole with its end report, and the upload is not done.
    QVERIFY(kest::deviceOpen() == kest::DeviceOpenResult::Opened);
    KestUpgrade upload;
    upload.verifiedImage = QByteArray(48, '\x11');
    QList<int> values;
    QList<Outcome> ends;
    connect(&upload, &KestUpgrade::progress, this, [&](int p) { values << p; });
    connect(&upload, &KestUpgrade::ended, this, [&](const Outcome &o) { ends << o; });
    const int before = kestsim::unit().firmwareEndCount();
    upload.startUpload();
    upload.stop();
    QVERIFY(upload.wait(5000));
    processPosted();
    QCOMPARE(kestsim::unit().firmwareEndCount(), before + 1);
    QCOMPARE(values, QList<int>({0, 32, 64}));
    QCOMPARE(ends.size(), 1);
    QCOMPARE(ends.at(0).status, Outcome::Failed);
    QVERIFY(ends.at(0).message.startsWith(QLatin1String("Firmware update stopped")));

    // The stop belonged to that upload: the next one counts the unit's writing on (a
    // stop still in force would end it before the first step; its end is the fault
    // sweep's), until the next stop.
    values.clear();
    ends.clear();
    upload.startUpload();
    TRY_VERIFY(values.contains(97));
    upload.stop();
    QVERIFY(upload.wait(5000));
    processPosted();
    QVERIFY(!values.contains(100));
    QCOMPARE(ends.size(), 1);
    QCOMPARE(ends.at(0).status, Outcome::Failed);
}

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
