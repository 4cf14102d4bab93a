// The unit model without a window: each operation's exchanges, byte for byte, and how it
// ends when an exchange fails. The unit holds unitInUse(): deadzones 6554/58982 (CLUTCH),
// 3277/62258 (BRAKE), 0/65535 (THROTTLE); calibration 100/65000, 200/64000, 300/63000.

#include "kestdevice.h"
#include "kestunit.h"
#include "testsupport.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace testsupport;
using kest::Outcome;

namespace {

QString r(const char *leading)
{
    return hexOf(report(leading));
}

QByteArray positions(std::uint16_t clutch, std::uint16_t brake, std::uint16_t throttle)
{
    QByteArray v(6, 0);
    const std::uint16_t all[] = {clutch, brake, throttle};
    for (int p = 0; p < 3; ++p) {
        v[2 * p] = char(all[p] & 0xFF);
        v[2 * p + 1] = char(all[p] >> 8);
    }
    return v;
}

// Ignored: the unit takes a send without acting on it. An ignored write leaves what it
// had; an ignored read request leaves its reply to the read before, a stale reply.
enum class Fault { None, Send, Reply, Ignored };

void arm(Fault fault, int after)
{
    if (fault == Fault::Send)
        kestsim::faults().failNextSends(1, after);
    else if (fault == Fault::Reply)
        kestsim::faults().failNextReplies(1, after);
    else if (fault == Fault::Ignored)
        kestsim::faults().ignoreNextSends(1, after);
}

kest::DeadzonePercents percents(std::array<int, 6> d)
{
    return {kest::DeadzonePercent {d[0], d[1]}, kest::DeadzonePercent {d[2], d[3]},
            kest::DeadzonePercent {d[4], d[5]}};
}

} // namespace

class TestUnitModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        freshUnit(unitInUse());
        QCOMPARE(kest::deviceOpen(), kest::DeviceOpenResult::Opened);
        kestsim::wireLog().clear();
    }
    void cleanup() { kest::deviceClose(); }

    void deadzoneWrite_data();
    void deadzoneWrite();
    void clutchSwitch_data();
    void clutchSwitch();
    void calibrationRoundTrip_data();
    void calibrationRoundTrip();
    void calibrationFailures_data();
    void calibrationFailures();
    void calibrationRefusals_data();
    void calibrationRefusals();
    void profileSave_data();
    void profileSave();
    void profileChoiceIsStoredOnce();
    void profileChoiceSurvivesARead();
    void profileRemoveAndImportFailures();
    void choiceForNowIsNotStored();
    void choiceForNowAfterTheReadIsLeft();
    void choiceForNowAndBack();
    void nothingWithoutAUnit();
    void unitThatDoesNotEcho();
};

void TestUnitModel::deadzoneWrite_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("after"); // sends that go through first
    QTest::addColumn<QStringList>("wire"); // every report the unit took, in order
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("brakeLow"); // what the model then says the unit has
    const QString write = r("02 05 01 01 ef 00 00 ff ff 00 00 ff ff 9a 19 ff ff");
    //                            table commit CLUTCH      BRAKE       THROTTLE
    const QString readBack = r("02 0b 05 01");
    QTest::newRow("committed, read back")
        << Fault::None << 0 << QStringList {write, readBack} << int(Outcome::Done) << 0;
    QTest::newRow("write lost") << Fault::Send << 0 << QStringList {readBack}
                                << int(Outcome::Failed) << 3277;
    // Written, but not read back: the model holds what the unit took.
    QTest::newRow("read back lost")
        << Fault::Reply << 0 << QStringList {write, readBack} << int(Outcome::Done) << 0;
    // The read back answered with the table as it was: read again, and believed then.
    QTest::newRow("a stale read back")
        << Fault::Ignored << 1 << QStringList {write, readBack, readBack} << int(Outcome::Done)
        << 0;
    // The unit did not act on the write: twice the old table. The handles show what it
    // keeps, so that the next release does not commit values it never took.
    QTest::newRow("the write not taken")
        << Fault::Ignored << 0 << QStringList {write, readBack, readBack} << int(Outcome::Failed)
        << 3277;
}

void TestUnitModel::deadzoneWrite()
{
    QFETCH(Fault, fault);
    QFETCH(int, after);
    QFETCH(int, brakeLow);
    kest::KestUnit unit;
    QVERIFY(unit.readDeadzones());
    kestsim::wireLog().clear();
    arm(fault, after);
    const Outcome o = unit.writeDeadzones(percents({0, 0, 0, 0, 10, 0}));
    QTEST(wire("set"), "wire");
    QTEST(int(o.status), "status");
    QCOMPARE(o.message.isEmpty(), o.done());
    QCOMPARE(int(unit.deadzones()[1].low), brakeLow);
    QCOMPARE(kestsim::unit().state().kept.deadzone[2], std::uint16_t(brakeLow));
    if (fault == Fault::Ignored && !o.done()) // it names what the unit keeps
        QVERIFY2(o.message.contains(QLatin1String("BRAKE low 5 % and high 5 %")),
                 qPrintable(o.message));
}

void TestUnitModel::clutchSwitch_data()
{
    QTest::addColumn<bool>("wanted");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("after"); // exchanges of that kind that go through first
    QTest::addColumn<QStringList>("wire");
    QTest::addColumn<bool>("done");
    QTest::addColumn<bool>("enabled"); // what the model and the unit then keep
    const QString read = r("02 0b 0c 07");
    QTest::newRow("off: read, differs, committed")
        << false << Fault::None << 0 << QStringList {read, r("02 0c 07 00 00 00 00 ef")} << true
        << false;
    QTest::newRow("on already: read only")
        << true << Fault::None << 0 << QStringList {read} << true << true;
    QTest::newRow("off, read lost: nothing written")
        << false << Fault::Reply << 0 << QStringList {read} << false << true;
    QTest::newRow("off, write lost")
        << false << Fault::Send << 1 << QStringList {read} << false << true;
}

void TestUnitModel::clutchSwitch()
{
    QFETCH(bool, wanted);
    QFETCH(Fault, fault);
    QFETCH(int, after);
    QFETCH(bool, enabled);
    kest::KestUnit unit;
    QVERIFY(unit.readClutchMode());
    QVERIFY(unit.clutchEnabled());
    kestsim::wireLog().clear();
    arm(fault, after);
    const Outcome o = unit.setClutch(wanted);
    QTEST(wire("set"), "wire");
    QTEST(o.done(), "done");
    QCOMPARE(unit.clutchEnabled(), enabled);
    QCOMPARE(kestsim::unit().state().kept.pedalMode, enabled ? 1u : 0u);
}

void TestUnitModel::calibrationRoundTrip_data()
{
    QTest::addColumn<bool>("travel"); // the pedal moved: save; else the save is refused
    QTest::addColumn<int>("ignored"); // a send of the save or cancel the unit ignores, -1: none
    QTest::addColumn<QStringList>("wire"); // from the save (or the cancel) on
    QTest::addColumn<std::uint16_t>("keptLow"); // BRAKE's calibration afterwards
    QTest::addColumn<std::uint16_t>("keptDeadzoneLow");
    // Saved: the travel seen, committed, BRAKE's deadzones cleared, then read back.
    QTest::newRow("saved") << true << -1
                           << (QStringList {r("02 0b 05 00"), r("02 0b 05 01"),
                                            r("02 05 01 00 ef 64 00 e8 fd 28 23 20 cb 2c 01 18 f6"),
                                            r("02 05 01 01 ef 9a 19 66 e6 00 00 ff ff 00 00 ff ff"),
                                            r("02 0b 05 01")})
                           << std::uint16_t(9000) << std::uint16_t(0);
    // Cancelled: a save without travel sends nothing; the cancel reads both tables and
    // puts BRAKE's bounds of the start back into effect only, then reads back.
    const QStringList cancel {
        r("02 0b 05 00"), r("02 0b 05 01"), r("02 05 01 00 00 64 00 e8 fd c8 00 00 fa 2c 01 18 f6"),
        r("02 05 01 01 00 9a 19 66 e6 cd 0c 32 f3 00 00 ff ff"), r("02 0b 05 01")};
    QTest::newRow("cancelled") << false << -1 << cancel << std::uint16_t(200)
                               << std::uint16_t(3277);
    // The read back answered with the table as it was (BRAKE neutral): read again.
    QTest::newRow("cancelled, a stale read back")
        << false << 4 << (cancel + QStringList {r("02 0b 05 01")}) << std::uint16_t(200)
        << std::uint16_t(3277);
}

void TestUnitModel::calibrationRoundTrip()
{
    QFETCH(bool, travel);
    QFETCH(int, ignored);
    QFETCH(std::uint16_t, keptLow);
    QFETCH(std::uint16_t, keptDeadzoneLow);
    kest::KestUnit unit;
    QSignalSpy changes(&unit, &kest::KestUnit::calibrationChanged);
    QVERIFY(unit.startCalibration(1).done());
    // The start: both tables read, BRAKE neutral in both, in effect only.
    QCOMPARE(wire("set"),
             (QStringList {r("02 0b 05 00"), r("02 0b 05 01"),
                           r("02 05 01 00 00 64 00 e8 fd 00 00 ff ff 2c 01 18 f6"),
                           r("02 05 01 01 00 9a 19 66 e6 00 00 ff ff 00 00 ff ff")}));
    QCOMPARE(unit.calibratingPedal(), 1);
    unit.startWatch();
    QVERIFY(!unit.travelSeen());
    if (travel) {
        for (std::uint16_t brake : {30000, 9000, 52000})
            QVERIFY(unit.observe(positions(100, brake, 300)));
        QVERIFY(unit.travelSeen());
    }
    kestsim::wireLog().clear();
    if (ignored >= 0)
        arm(Fault::Ignored, ignored);
    Outcome o = unit.saveCalibration();
    if (!travel) {
        QCOMPARE(o.status, Outcome::Refused);
        QCOMPARE(unit.calibratingPedal(), 1); // goes on unless cancelled
        QVERIFY(kestsim::wireLog().entries().empty());
        o = unit.cancelCalibration();
    }
    QVERIFY(o.done());
    QTEST(wire("set"), "wire");
    QCOMPARE(unit.calibratingPedal(), -1);
    QCOMPARE(changes.size(), 2); // started, ended
    QCOMPARE(kestsim::unit().state().kept.calibration[2], keptLow);
    QCOMPARE(kestsim::unit().inEffect().calibration[2], keptLow);
    QCOMPARE(unit.deadzones()[1].low, keptDeadzoneLow);
    QCOMPARE(kestsim::unit().inEffect().deadzone[2], keptDeadzoneLow);
}

void TestUnitModel::calibrationFailures_data()
{
    // Which step is lost, and what the model and the unit are left with.
    QTest::addColumn<QString>("step"); // "start", "save" or "cancel"
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("after");
    QTest::addColumn<int>("calibrating"); // afterwards
    QTest::addColumn<std::uint16_t>("brakeDeadzoneLow"); // the model's table afterwards
    QTest::newRow("start: a table not read")
        << "start" << Fault::Reply << 1 << -1 << std::uint16_t(3277);
    QTest::newRow("start: the deadzone write lost")
        << "start" << Fault::Send << 3 << -1 << std::uint16_t(3277);
    QTest::newRow("save: a table not read")
        << "save" << Fault::Reply << 0 << 1 << std::uint16_t(3277);
    QTest::newRow("save: the calibration not taken")
        << "save" << Fault::Send << 2 << 1 << std::uint16_t(3277);
    // The calibration is kept; the deadzones the unit keeps are the old ones.
    QTest::newRow("save: the cleared deadzones not taken")
        << "save" << Fault::Send << 3 << -1 << std::uint16_t(3277);
    // The unit has BRAKE neutral in effect, but keeps 3277: the model says what it keeps.
    QTest::newRow("cancel: a table not read")
        << "cancel" << Fault::Reply << 1 << -1 << std::uint16_t(3277);
    QTest::newRow("cancel: the deadzones not restored")
        << "cancel" << Fault::Send << 3 << -1 << std::uint16_t(3277);
    // Sent, but twice read back as it was: the unit did not act on it.
    QTest::newRow("cancel: the deadzones not taken back")
        << "cancel" << Fault::Ignored << 3 << -1 << std::uint16_t(3277);
}

void TestUnitModel::calibrationFailures()
{
    QFETCH(QString, step);
    QFETCH(Fault, fault);
    QFETCH(int, after);
    QFETCH(int, calibrating);
    QFETCH(std::uint16_t, brakeDeadzoneLow);
    kest::KestUnit unit;
    QVERIFY(unit.readDeadzones());
    const auto kept = kestsim::unit().state().kept;
    Outcome o;
    if (step == QLatin1String("start")) {
        arm(fault, after);
        o = unit.startCalibration(1);
        // Nothing neutral is left in effect.
        QCOMPARE(kestsim::unit().inEffect().calibration, kept.calibration);
    } else {
        QVERIFY(unit.startCalibration(1).done());
        unit.startWatch();
        if (step == QLatin1String("save"))
            for (std::uint16_t brake : {9000, 52000})
                unit.observe(positions(100, brake, 300));
        arm(fault, after);
        o = step == QLatin1String("save") ? unit.saveCalibration(true) : unit.cancelCalibration();
    }
    QCOMPARE(o.status, Outcome::Failed);
    QVERIFY(!o.message.isEmpty());
    QCOMPARE(unit.calibratingPedal(), calibrating);
    QCOMPARE(unit.deadzones()[1].low, brakeDeadzoneLow);
    QCOMPARE(kestsim::unit().state().kept.deadzone, kept.deadzone);
}

void TestUnitModel::calibrationRefusals_data()
{
    // What the model refuses without sending anything, as every front tells the user.
    QTest::addColumn<QString>("step"); // "start" or "save"
    QTest::addColumn<int>("pedal");
    QTest::addColumn<QString>("message");
    QTest::newRow("one pedal at a time")
        << "start" << 2 << "Please save other channel calibrate first.";
    QTest::newRow("the clutch switched off")
        << "start" << 0 << "The clutch pedal is switched off: switch it on first.";
    // BRAKE keeps deadzones of 5 % and 5 %: its save resets them, and only with consent.
    QTest::newRow("a reset of deadzones without consent")
        << "save" << 1
        << "Saving the BRAKE calibration also resets its deadzones: low 5 % and high 5 % go "
           "back to 0 %, and the new travel counts from 0 to 100 %. You can set them again "
           "on the INPUTS page afterwards.";
}

void TestUnitModel::calibrationRefusals()
{
    QFETCH(QString, step);
    QFETCH(int, pedal);
    QFETCH(QString, message);
    kest::KestUnit unit;
    QVERIFY(unit.readDeadzones());
    if (pedal == 0)
        QVERIFY(unit.setClutch(false).done());
    else
        QVERIFY(unit.startCalibration(1).done());
    unit.startWatch();
    for (std::uint16_t brake : {9000, 52000})
        unit.observe(positions(100, brake, 300));
    kestsim::wireLog().clear();
    const Outcome o = step == QLatin1String("start") ? unit.startCalibration(pedal)
                                                     : unit.saveCalibration(false);
    QCOMPARE(o.status, Outcome::Refused);
    QCOMPARE(o.message, message);
    QVERIFY(kestsim::wireLog().entries().empty());
    QCOMPARE(unit.calibratingPedal(), pedal == 0 ? -1 : 1); // the one under way goes on
    // With consent the save goes to the unit; THROTTLE's deadzones are none: nothing to ask.
    if (step == QLatin1String("save")) {
        QVERIFY(unit.saveCalibration(true).done());
        QCOMPARE(kestsim::unit().state().kept.deadzone[2], 0);
        QVERIFY(!unit.deadzonesResetBySave(2));
    }
}

void TestUnitModel::profileSave_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("after");
    QTest::addColumn<QStringList>("wire"); // empty: not compared
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("slot"); // where the unit then keeps the name, -1: nowhere
    const QString nameRead4 = r("02 0b 03 04");
    //                   read name of slot n
    // A new name: the first free slot found by its name, the choice in effect (CLUTCH 0,
    // BRAKE 4, THROTTLE 2), the slot read, then name and committed curve; the choice
    // stored once read; then the table read again.
    QTest::newRow("new name")
        << "Brake C" << Fault::None << 0
        << QStringList {r("02 0b 03 00"),
                        r("02 0b 03 01"),
                        r("02 0b 03 02"),
                        r("02 0b 03 03"),
                        nameRead4,
                        r("02 0c 0f 00 04 02 00"),
                        nameRead4,
                        r("02 0b 04 04"),
                        r("02 03 04 42 72 61 6b 65 20 43"), // "Brake C"
                        r("02 04 04 02 ef 05 0a 14 28 50"), // BRAKE, commit, curve
                        r("02 0b 0c 0f"),
                        r("02 0c 0f 00 04 02 ef ef"),
                        r("02 0b 03 00")}
        << int(Outcome::Done) << 4;
    QTest::newRow("existing name keeps its slot")
        << "Brake B" << Fault::None << 0 << QStringList {} << int(Outcome::Done) << 3;
    QTest::newRow("a name not read: nothing written")
        << "Brake C" << Fault::Reply << 2 << QStringList {} << int(Outcome::Failed) << -1;
    QTest::newRow("the curve lost: the old name back")
        << "Brake C" << Fault::Send << 9 << QStringList {} << int(Outcome::Failed) << -1;
    QTest::newRow("DEFAULT refused")
        << "DEFAULT" << Fault::None << 0 << QStringList {} << int(Outcome::Refused) << -1;
}

void TestUnitModel::profileSave()
{
    QFETCH(QString, name);
    QFETCH(Fault, fault);
    QFETCH(int, after);
    QFETCH(QStringList, wire);
    QFETCH(int, slot);
    kest::KestUnit unit;
    QVERIFY(unit.readProfiles());
    const auto before = kestsim::unit().state().kept.slots;
    kestsim::wireLog().clear();
    arm(fault, after);
    const Outcome o = unit.saveProfile(1, name, QByteArray("\x05\x0a\x14\x28\x50", 5));
    QTEST(int(o.status), "status");
    QCOMPARE(o.message.isEmpty(), o.done());
    if (!wire.isEmpty())
        QCOMPARE(testsupport::wire("set").mid(0, wire.size()), wire);
    const auto kept = kestsim::unit().state().kept.slots;
    if (slot < 0) {
        QVERIFY(kept == before);
        return;
    }
    QCOMPARE(kept[std::size_t(slot)],
             testsupport::slot(slot, qPrintable(name), 2, {5, 10, 20, 40, 80}));
    // The saved profile is BRAKE's choice, kept by the unit and read back into the model.
    QCOMPARE(kestsim::unit().state().kept.activeProfile, 0xEF020000u | std::uint32_t(slot) << 8);
    const int i = unit.currentProfile(1);
    QCOMPARE(unit.profiles(1).value(i).name, name);
    QVERIFY(unit.profilesLoaded());
}

void TestUnitModel::profileChoiceIsStoredOnce()
{
    kest::KestUnit unit;
    QSignalSpy changes(&unit, &kest::KestUnit::profilesChanged);
    QVERIFY(unit.readProfiles());
    QCOMPARE(unit.currentProfile(1), 0); // the word names Brake A
    kestsim::wireLog().clear();
    // Chosen: in effect, not kept; stored once, and not again while it is kept.
    QVERIFY(unit.chooseProfile(1, unit.profileIndexOfName(1, QStringLiteral("Brake B"))).done());
    QVERIFY(unit.storeActiveProfiles().done());
    QVERIFY(unit.storeActiveProfiles().done());
    QCOMPARE(testsupport::wire("set"),
             (QStringList {r("02 0c 0f 00 03 02 00"), r("02 0b 0c 0f"),
                           r("02 0c 0f 00 03 02 ef ef"), r("02 0b 0c 0f")}));
    QCOMPARE(kestsim::unit().state().kept.activeProfile, 0xEF020300u);
    QCOMPARE(changes.size(), 2);
}

void TestUnitModel::profileChoiceSurvivesARead()
{
    // Chosen in a list, in effect but not stored: a removal of another pedal's profile
    // reads the table again, and the store that follows keeps the choice.
    freshUnit([] {
        kestsim::UnitState s = unitInUse();
        s.kept.slots[4] = testsupport::slot(4, "Gas B", 3, {0, 25, 50, 75, 100});
        return s;
    }());
    QCOMPARE(kest::deviceOpen(), kest::DeviceOpenResult::Opened);
    kest::KestUnit unit;
    QVERIFY(unit.readProfiles());
    QVERIFY(unit.chooseProfile(1, unit.profileIndexOfName(1, QStringLiteral("Brake B"))).done());
    QVERIFY(unit.removeProfile(2, QStringLiteral("Gas B")).done());
    QCOMPARE(unit.profiles(1).value(unit.currentProfile(1)).name, QStringLiteral("Brake B"));
    QCOMPARE(kestsim::unit().state().kept.activeProfile, 0xEF020300u);
}

void TestUnitModel::profileRemoveAndImportFailures()
{
    kest::KestUnit unit;
    QVERIFY(unit.readProfiles());
    const auto before = kestsim::unit().state().kept.slots;
    // The clear's committed curve lost: the name goes back, nothing is claimed.
    arm(Fault::Send, 3);
    Outcome o = unit.removeProfile(1, QStringLiteral("Brake B"));
    QCOMPARE(o.status, Outcome::Failed);
    QVERIFY(o.message.contains(QLatin1String("keeps the profiles it had")));
    QVERIFY(kestsim::unit().state().kept.slots == before);
    QCOMPARE(unit.profileIndexOfName(1, QStringLiteral("Brake B")), 1);

    // A file that is no profile file: refused before the first exchange.
    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("bad.ini"));
    QFile f(bad);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write("[General]\nINDEX=1\n") > 0);
    f.close();
    kestsim::wireLog().clear();
    o = unit.importProfiles(bad);
    QCOMPARE(o.status, Outcome::Refused);
    QVERIFY(o.message.startsWith(QLatin1String("INI file is not valid.\n")));
    QVERIFY(kestsim::wireLog().entries().empty());

    // Exported, then imported with the third slot's clear lost: the count is told.
    const QString good = dir.filePath(QStringLiteral("good.ini"));
    QVERIFY(unit.exportProfiles(good).done());
    arm(Fault::Send, 4);
    o = unit.importProfiles(good);
    QCOMPARE(o.status, Outcome::Failed);
    QVERIFY(o.message.contains(QLatin1String("after 0 of 4 profiles")));
}

void TestUnitModel::choiceForNowIsNotStored()
{
    // Another program (a game's launch) put BRAKE's "Brake B" into effect for now: it is
    // the choice, nothing is sent in its place and a close leaves it unstored, until the
    // user chooses here (even what is in effect).
    QVERIFY(kest::deviceSettingApply(kest::KESTIE_ACTIVE_PROFILE, 0x00020300));
    kestsim::wireLog().clear();
    kest::KestUnit unit;
    QVERIFY(unit.readProfiles());
    QCOMPARE(unit.profiles(1).value(unit.currentProfile(1)).name, QStringLiteral("Brake B"));
    QVERIFY(unit.storeActiveProfiles().done());
    QCOMPARE(writes(), QStringList {});
    QVERIFY(unit.chooseProfile(1, unit.currentProfile(1)).done());
    QVERIFY(unit.storeActiveProfiles().done());
    QCOMPARE(writes(), QStringList {r("02 0c 0f 00 03 02 ef ef")});
}

void TestUnitModel::choiceForNowAfterTheReadIsLeft()
{
    // The window read the stored choice, then a game's launch put BRAKE's "Brake B" into
    // effect for now: the close has nothing to store (the unit keeps the choice shown) and
    // leaves the game its choice.
    kest::KestUnit unit;
    QVERIFY(unit.readProfiles());
    QVERIFY(kest::deviceSettingApply(kest::KESTIE_ACTIVE_PROFILE, 0x00020300));
    kestsim::wireLog().clear();
    QVERIFY(unit.storeActiveProfiles().done());
    QCOMPARE(writes(), QStringList {});
    QCOMPARE(kestsim::unit().inEffect().activeProfile, 0x00020300u);
}

void TestUnitModel::choiceForNowAndBack()
{
    // A game's choice, then the one before put back by its slots: BRAKE's slot 5 holds
    // none of its profiles (one removed meanwhile), so BRAKE's first.
    kest::KestUnit unit;
    QVERIFY(unit.readProfiles());
    QVERIFY(unit.applyForNow({QString(), QStringLiteral("Brake B"), QString()}).done());
    QVERIFY(unit.profilesForNow());
    kestsim::wireLog().clear();
    QVERIFY(unit.restoreForNow(0x00020500).done());
    QCOMPARE(writes(), QStringList {r("02 0c 0f 00 01 02 00")});
}

void TestUnitModel::nothingWithoutAUnit()
{
    kest::deviceClose();
    kestsim::wireLog().clear();
    kest::KestUnit unit;
    QVERIFY(!unit.readClutchMode());
    QVERIFY(!unit.readDeadzones());
    QVERIFY(unit.writeDeadzones(percents({0, 0, 0, 0, 0, 0})).done()); // nothing to do
    QCOMPARE(unit.startCalibration(0).status, Outcome::Failed);
    QVERIFY(kestsim::wireLog().entries().empty());
}

void TestUnitModel::unitThatDoesNotEcho()
{
    // Byte 1 and byte 2 of name and setting replies zero: only the range reply's bytes
    // 1-3 say what they answer. The attach's reads work, and the profile table goes out
    // and comes back in (the window's save and calibration: tst_unitfailures).
    kestsim::unit().setEchoing(false);
    QCOMPARE(kest::deviceOpen(), kest::DeviceOpenResult::Opened); // a new opening learns
    kest::KestUnit unit;
    QVERIFY(unit.readVersion());
    QCOMPARE(unit.firmwareVersion(), QStringLiteral("V1.0.0"));
    QVERIFY(unit.readClutchMode());
    QVERIFY(unit.clutchEnabled());
    QVERIFY(unit.readDeadzones());
    QCOMPARE(unit.deadzones()[1].low, std::uint16_t(3277));
    QVERIFY(unit.readProfiles());
    QCOMPARE(unit.profiles(1).value(unit.currentProfile(1)).name, QStringLiteral("Brake A"));

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("profiles.ini"));
    QVERIFY(unit.exportProfiles(file).done());
    QVERIFY(unit.removeProfile(1, QStringLiteral("Brake B")).done());
    QVERIFY(kestsim::unit().state().kept.slots[3].isFree());
    const Outcome imported = unit.importProfiles(file);
    QVERIFY2(imported.done(), qPrintable(imported.message));
    // Every profile back, each with its pedal and curve (its slot is the import's).
    const auto profiles = [](const kestsim::Settings &kept) {
        QStringList out;
        for (const kestsim::Slot &slot : kept.slots)
            if (!slot.isFree())
                out << QString::fromLatin1(reinterpret_cast<const char *>(slot.name.data()),
                                           qsizetype(slot.name.size()))
                        + hexText(slot.record.data() + 1, slot.record.size() - 1);
        out.sort();
        return out;
    };
    QCOMPARE(profiles(kestsim::unit().state().kept), profiles(unitInUse().kept));
}

QTEST_GUILESS_MAIN(TestUnitModel)
#include "tst_unitmodel.moc"
