// What the window does when the unit fails an exchange: the cases that once committed
// wrong settings or reported a success that did not happen. Exchanges are counted from
// 0 within the operation.

#include "kestaxis.h"
#include "kestslider.h"
#include "kestunit.h"
#include "profileini.h"
#include "profileslots.h"
#include "windowsupport.h"

#include <QCheckBox>
#include <QTemporaryDir>
#include <QTimer>

using namespace testsupport;

namespace {

bool hasError(const DialogCatcher &d)
{
    for (const auto &r : d.requests)
        if (r.kind == KestMessage::Kind::Critical && r.title == QLatin1String("Error"))
            return true;
    return false;
}

QStringList items(QWidget *w, const char *combo)
{
    auto *c = child<QComboBox>(w, combo);
    QStringList out;
    for (int i = 0; i < c->count(); ++i)
        out << c->itemText(i);
    return out;
}

bool reattach(MainWindow *w)
{
    kestsim::unit().plug();
    child<QStackedWidget>(w, "stackedWidget")->setCurrentIndex(4);
    QMetaObject::invokeMethod(w, "onInit");
    return waitFor([&] { return currentPage(w) == 0; });
}

/// Starts calibrating pedal p and lets it see the given positions.
void calibrate(MainWindow *w, int p, std::initializer_list<std::uint16_t> positions)
{
    child<QPushButton>(w, qPrintable(QStringLiteral("pbSave%1").arg(p)))->click();
    startWatchNow(w);
    for (std::uint16_t v : positions) {
        QByteArray values(6, 0);
        values[2 * p] = char(v & 0xFF);
        values[2 * p + 1] = char(v >> 8);
        w->onJoystickEvent(values);
    }
}

} // namespace

class TestUnitFailures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { freshUnit(unitInUse()); }
    void cleanup() { kestsim::unit().plug(); }

    void calibrationSaveWithALostReply();
    void calibrationStartWithRepliesBehind();
    void calibrationWritesBackTheWholeReply();
    void refusedCalibrationCanBeCancelled();
    void cancelKeepsOtherPedalsChanges();
    void calibrationSaveWithTheReadBackLost();
    void removeWithTheNameWriteLostThenReplug();
    void attachWithALostRequestThenClose();
    void repliesOfAllFF();
    void saveAfterUnplug();
    void saveAfterAFailedReloadKeepsTheEditedCurve();
    void exportWithIncompleteListsIsRefused();
    void clearFlashWithTheUnitPulledDuringTheQuestion();
    void clutchSwitchShowsWhatTheUnitKeeps();
    void cancelWithTheRestoreLostKeepsWhatTheUnitKeeps();
    void deadzoneReadBackAsItWas_data();
    void deadzoneReadBackAsItWas();
    void saveWithTheListsNotReadBack();
    void importCutOffTwiceStoresNoChoice_data();
    void importCutOffTwiceStoresNoChoice();
    void closingDuringTheClearedBoxOpensNothing();
    void slotOfNoPedalBlocksNothing();
    void unitThatDoesNotEchoInTheWindow();
};

void TestUnitFailures::calibrationSaveWithALostReply()
{
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes; // the CLUTCH's deadzones may go
    auto w = openWindow();
    calibrate(w.get(), 0, {3000, 60000});
    auto &u = kestsim::unit();
    kestsim::wireLog().clear();
    kestsim::faults().failNextReplies(1, 1); // the deadzone table's reply
    child<QPushButton>(w.get(), "pbSave0")->click();
    QVERIFY(writes().isEmpty()); // neither the calibration nor a made-up deadzone table
    QVERIFY(hasError(dialogs));
    QCOMPARE(u.state().kept.calibration, unitInUse().kept.calibration);
    QCOMPARE(child<QPushButton>(w.get(), "pbSave0")->text(), QStringLiteral("SAVE"));

    // The unit answers again: the same SAVE stores the watched bounds.
    dialogs.requests.clear();
    child<QPushButton>(w.get(), "pbSave0")->click();
    QVERIFY(!hasError(dialogs));
    QCOMPARE(u.state().kept.calibration[0], 4000);
    QCOMPARE(u.state().kept.calibration[1], 60000);
}

void TestUnitFailures::calibrationStartWithRepliesBehind()
{
    DialogCatcher dialogs;
    auto w = openWindow();
    kestsim::wireLog().clear();
    // the deadzone read gets the calibration
    kestsim::faults().setReplyMode(kestsim::ReplyMode::Behind);
    child<QPushButton>(w.get(), "pbSave2")->click();
    QVERIFY(writes().isEmpty());
    QVERIFY(hasError(dialogs));
    QCOMPARE(child<QPushButton>(w.get(), "pbSave2")->text(), QStringLiteral("CALIBRATE"));
}

void TestUnitFailures::calibrationWritesBackTheWholeReply()
{
    auto w = openWindow();
    kestsim::faults().setReplyMode(kestsim::ReplyMode::RangeTail);
    kestsim::wireLog().clear();
    child<QPushButton>(w.get(), "pbSave1")->click();
    // Bytes 1-4 and 17-19 as the unit reported them; only BRAKE's values are neutral.
    QCOMPARE(writes(),
             (QStringList {
                 "02 05 01 00 00 64 00 e8 fd 00 00 ff ff 2c 01 18 f6 a5 5a 01",
                 "02 05 01 01 00 9a 19 66 e6 00 00 ff ff 00 00 ff ff a5 5a 02",
             }));
}

void TestUnitFailures::refusedCalibrationCanBeCancelled()
{
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes; // cancel
    auto w = openWindow();
    auto &u = kestsim::unit();
    calibrate(w.get(), 1, {5000});
    kestsim::wireLog().clear();
    child<QPushButton>(w.get(), "pbSave1")->click();
    QCOMPARE(dialogs.requests.size(), std::size_t(1));
    QCOMPARE(dialogs.requests[0].kind, KestMessage::Kind::Question);
    // The tables read at the start go back into effect, without the commit byte.
    QCOMPARE(writes(),
             (QStringList {
                 "02 05 01 00 00 64 00 e8 fd c8 00 00 fa 2c 01 18 f6 00 00 00",
                 "02 05 01 01 00 9a 19 66 e6 cd 0c 32 f3 00 00 ff ff 00 00 00",
             }));
    QCOMPARE(u.inEffect().calibration, unitInUse().kept.calibration);
    QCOMPARE(u.inEffect().deadzone, unitInUse().kept.deadzone);
    QCOMPARE(child<QPushButton>(w.get(), "pbSave1")->text(), QStringLiteral("CALIBRATE"));
    QCOMPARE(child<KestSlider>(w.get(), "lbDzL1")->value(), 5);

    // Another pedal may calibrate now.
    dialogs.requests.clear();
    child<QPushButton>(w.get(), "pbSave2")->click();
    QVERIFY(dialogs.requests.empty());
    QCOMPARE(child<QPushButton>(w.get(), "pbSave2")->text(), QStringLiteral("SAVE"));
}

void TestUnitFailures::cancelKeepsOtherPedalsChanges()
{
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes; // cancel
    auto w = openWindow();
    calibrate(w.get(), 1, {5000});
    auto *throttle = child<KestSlider>(w.get(), "lbDzL2");
    throttle->setValue(10);
    Q_EMIT throttle->valueChanged(); // kept: THROTTLE low 6554
    child<QPushButton>(w.get(), "pbSave1")->click();
    QCOMPARE(kestsim::unit().inEffect().deadzone[4], 6554);
    QCOMPARE(throttle->value(), 10);
    QCOMPARE(kestsim::unit().inEffect().deadzone[2], 3277); // BRAKE's own, from the start
}

void TestUnitFailures::calibrationSaveWithTheReadBackLost()
{
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes; // the BRAKE's deadzones may go
    auto w = openWindow();
    calibrate(w.get(), 1, {3000, 60000});
    auto &u = kestsim::unit();
    kestsim::faults().failNextReplies(1, 2); // the two tables, then the read-back of the deadzones
    child<QPushButton>(w.get(), "pbSave1")->click();
    QCOMPARE(u.state().kept.deadzone[2], 0);
    // The handles show the cleared deadzones, so a later release keeps them cleared.
    QCOMPARE(child<KestSlider>(w.get(), "lbDzL1")->value(), 0);
    auto *other = child<KestSlider>(w.get(), "lbDzL2");
    Q_EMIT other->valueChanged();
    QCOMPARE(u.state().kept.deadzone[2], 0);
    QCOMPARE(u.state().kept.deadzone[3], 65535);
}

void TestUnitFailures::removeWithTheNameWriteLostThenReplug()
{
    DialogCatcher dialogs;
    auto w = openWindow();
    auto &u = kestsim::unit();
    auto *combo = child<QComboBox>(w.get(), "cbPro1");
    combo->setCurrentIndex(combo->findText("Brake B"));
    kestsim::wireLog().clear();
    dialogs.button = QMessageBox::Yes; // the question before the removal
    // The backup's range and clutch reads, the name read, the record read, then the name
    // write.
    kestsim::faults().failNextSends(1, 5);
    child<QPushButton>(w.get(), "pbDelPro1")->click();
    QVERIFY(hasError(dialogs));
    for (const QString &write : writes())
        QVERIFY2(!write.startsWith("02 04"), qPrintable(write)); // no curve without its name
    QCOMPARE(u.state().kept.slots, unitInUse().kept.slots);

    u.unplug();
    TRY_VERIFY(headText(w.get()).startsWith("WAITING"));
    QVERIFY(reattach(w.get()));
    QCOMPARE(items(w.get(), "cbPro1"), (QStringList {"Brake A", "Brake B"}));
    QCOMPARE(items(w.get(), "cbPro2"), QStringList {"Gas A"});
}

void TestUnitFailures::attachWithALostRequestThenClose()
{
    DialogCatcher dialogs;
    auto &u = kestsim::unit();
    // version, clutch mode, slot 0's name, then slot 0's record
    kestsim::faults().failNextSends(1, 3);
    auto w = openWindow(false);
    QVERIFY(!child<QPushButton>(w.get(), "pbS3")->isEnabled());
    kestsim::wireLog().clear();
    child<QPushButton>(w.get(), "pbClose")->click();
    QVERIFY(writes().isEmpty()); // no active word from empty lists
    QCOMPARE(u.state().kept.activeProfile, 0xEF020100u);
    QVERIFY(dialogs.requests.empty());
}

void TestUnitFailures::repliesOfAllFF()
{
    DialogCatcher dialogs;
    auto &u = kestsim::unit();
    kestsim::faults().setReplyMode(kestsim::ReplyMode::AllFF);
    auto w = openWindow(false); // nothing read counts: the window keeps waiting
    QVERIFY(writes().isEmpty());

    kestsim::faults().setReplyMode(kestsim::ReplyMode::Normal);
    QVERIFY(reattach(w.get()));
    kestsim::faults().setReplyMode(kestsim::ReplyMode::AllFF);
    kestsim::wireLog().clear();
    // Every slot name reads 0xFF, which is no free slot: the save stops.
    child<QComboBox>(w.get(), "cbPro1")->setEditText("Brake C");
    child<QPushButton>(w.get(), "pbSavePro1")->click();
    QVERIFY(writes().isEmpty());
    QVERIFY(hasError(dialogs));
    QVERIFY(!dialogs.texts().contains("Profile is saved"));
    // A released handle writes what the handles show, and they stay where they are.
    auto *low = child<KestSlider>(w.get(), "lbDzL1");
    low->setValue(8);
    Q_EMIT low->valueChanged();
    QCOMPARE(u.state().kept.deadzone[2], 5243);
    QCOMPARE(u.state().kept.deadzone[0], 6554);
    QCOMPARE(low->value(), 8);
    QCOMPARE(u.state().kept.slots, unitInUse().kept.slots);
}

void TestUnitFailures::saveAfterUnplug()
{
    DialogCatcher dialogs;
    auto w = openWindow();
    child<QComboBox>(w.get(), "cbPro2")->setEditText("Gas B");
    kestsim::unit().unplug(); // before the reader notices
    child<QPushButton>(w.get(), "pbSavePro2")->click();
    QVERIFY(!dialogs.texts().contains("Profile is saved"));
    QVERIFY(hasError(dialogs));
    QCOMPARE(kestsim::unit().state().kept.slots, unitInUse().kept.slots);
}

void TestUnitFailures::saveAfterAFailedReloadKeepsTheEditedCurve()
{
    DialogCatcher dialogs;
    auto w = openWindow();
    auto &u = kestsim::unit();
    auto *combo = child<QComboBox>(w.get(), "cbPro1");
    combo->setCurrentIndex(combo->findText("Brake B"));
    dialogs.button = QMessageBox::Yes; // the question before the removal
    // The remove's reload fails after its writes (and after the backup's three reads).
    kestsim::faults().failNextReplies(1, 5);
    child<QPushButton>(w.get(), "pbDelPro1")->click();
    QVERIFY(hasError(dialogs));
    child<KestAxis>(w.get(), "ctAdc1")->setCurve(QByteArray::fromHex("0a141e2832"));
    combo->setEditText("Brake C");
    dialogs.requests.clear();
    child<QPushButton>(w.get(), "pbSavePro1")->click(); // reloads first
    QCOMPARE(dialogs.texts(), QStringList {"Profile is saved"});
    const auto &slots = u.state().kept.slots;
    const auto saved = std::find_if(slots.begin(), slots.end(), [](const kestsim::Slot &s) {
        return s.name == kestsim::Bytes {'B', 'r', 'a', 'k', 'e', ' ', 'C'};
    });
    QVERIFY(saved != slots.end());
    QCOMPARE(hexOf(kestsim::Bytes(saved->record.begin() + 2, saved->record.end())),
             QStringLiteral("0a 14 1e 28 32"));
}

void TestUnitFailures::exportWithIncompleteListsIsRefused()
{
    DialogCatcher dialogs;
    auto w = openWindow();
    auto *combo = child<QComboBox>(w.get(), "cbPro1");
    combo->setCurrentIndex(combo->findText("Brake B"));
    dialogs.button = QMessageBox::Yes; // the question before the removal
    // The remove's reload fails after its writes (and after the backup's three reads).
    kestsim::faults().failNextReplies(1, 5);
    child<QPushButton>(w.get(), "pbDelPro1")->click();
    kestsim::faults().failNextReplies(1); // and the export's own reload
    QTemporaryDir dir;
    dialogs.requests.clear();
    dialogs.fileNames << dir.filePath("backup.ini");
    child<QPushButton>(w.get(), "pbExport")->click();
    QVERIFY(hasError(dialogs));
    QVERIFY(!QFile::exists(dir.filePath("backup.ini")));
}

void TestUnitFailures::clearFlashWithTheUnitPulledDuringTheQuestion()
{
    DialogCatcher dialogs;
    auto w = openWindow();
    KestMessage::setHandler([&](const KestMessage::Request &r) {
        dialogs.requests.push_back(r);
        if (r.kind == KestMessage::Kind::Question)
            kestsim::unit().unplug();
        KestMessage::Answer a;
        a.button = QMessageBox::Yes;
        return a;
    });
    child<QPushButton>(w.get(), "pbClearFlash")->click();
    QVERIFY(!dialogs.texts().contains("Flash data has been cleared."));
    QVERIFY(hasError(dialogs));
    QCOMPARE(kestsim::unit().state().kept.slots, unitInUse().kept.slots);
}

void TestUnitFailures::clutchSwitchShowsWhatTheUnitKeeps()
{
    DialogCatcher dialogs;
    auto w = openWindow();
    auto *clutch = child<QCheckBox>(w.get(), "cbClutch");
    kestsim::wireLog().clear();
    kestsim::faults().failNextReplies(1);
    clutch->click();
    QVERIFY(hasError(dialogs));
    QVERIFY(clutch->isChecked());
    QVERIFY(!child(w.get(), "pgAdc0")->isHidden());
    QCOMPARE(kestsim::unit().state().kept.pedalMode, 1u);
    QVERIFY(writes().isEmpty());
}

void TestUnitFailures::cancelWithTheRestoreLostKeepsWhatTheUnitKeeps()
{
    // BRAKE calibrates with its deadzones neutral in effect; the cancel's write of its old
    // deadzones is lost. The unit still keeps 3277/62258: the handles show those, and a
    // later release of any handle commits them, not the neutral ones in effect.
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes; // cancel
    auto w = openWindow();
    auto &u = kestsim::unit();
    auto *low = child<KestSlider>(w.get(), "lbDzL1");
    auto *high = child<KestSlider>(w.get(), "lbDzR1");
    const int lowBefore = low->value();
    const int highBefore = high->value();
    calibrate(w.get(), 1, {5000});
    kestsim::faults().failNextSends(1, 3); // two table reads, the calibration, then this
    child<QPushButton>(w.get(), "pbSave1")->click();
    QVERIFY(hasError(dialogs));
    QCOMPARE(low->value(), lowBefore);
    QCOMPARE(high->value(), highBefore);
    auto *other = child<KestSlider>(w.get(), "lbDzL2");
    Q_EMIT other->valueChanged();
    QCOMPARE(u.state().kept.deadzone, unitInUse().kept.deadzone);
}

void TestUnitFailures::deadzoneReadBackAsItWas_data()
{
    QTest::addColumn<int>("after"); // sends before the one the unit takes without effect
    QTest::addColumn<bool>("taken");
    // The read back's request ignored: its reply is the table as it was, read again.
    QTest::newRow("a stale reply") << 1 << true;
    // The write ignored: twice the table as it was.
    QTest::newRow("the write not taken") << 0 << false;
}

void TestUnitFailures::deadzoneReadBackAsItWas()
{
    // BRAKE keeps 5 % and 5 %; its low handle goes to 10 %. A read back that repeats the
    // old table must not place the handle at what the unit does not keep: the next
    // release would commit that.
    QFETCH(int, after);
    QFETCH(bool, taken);
    DialogCatcher dialogs;
    auto w = openWindow();
    auto &u = kestsim::unit();
    auto *low = child<KestSlider>(w.get(), "lbDzL1");
    QCOMPARE(low->value(), 5);
    kestsim::faults().ignoreNextSends(1, after);
    low->setValue(10);
    Q_EMIT low->valueChanged();
    QCOMPARE(hasError(dialogs), !taken);
    const std::uint16_t kept = taken ? 6554 : 3277;
    QCOMPARE(u.state().kept.deadzone[2], kept);
    QCOMPARE(low->value(), taken ? 10 : 5);
    if (!taken)
        QVERIFY(dialogs.texts().join(' ').contains(QLatin1String("BRAKE low 5 % and high 5 %")));
    auto *other = child<KestSlider>(w.get(), "lbDzL2");
    Q_EMIT other->valueChanged();
    QCOMPARE(u.state().kept.deadzone[2], kept);
}

void TestUnitFailures::saveWithTheListsNotReadBack()
{
    // Saved and stored as active, then the lists' read-back fails: the box says both, and
    // the next store reads the lists first.
    DialogCatcher dialogs;
    auto w = openWindow();
    auto &u = kestsim::unit();
    child<QComboBox>(w.get(), "cbPro1")->setEditText("Brake C");
    // five names to the free slot 4, its name and record, the stored word; then the reload
    kestsim::faults().failNextReplies(1, 8);
    child<QPushButton>(w.get(), "pbSavePro1")->click();
    QVERIFY(!dialogs.texts().contains("Profile is saved"));
    QVERIFY(hasError(dialogs));
    QVERIFY(dialogs.texts().last().contains("saved"));
    QCOMPARE(u.state().kept.slots[4].record[1], 2);
    QCOMPARE(u.state().kept.activeProfile, 0xEF020400u);

    dialogs.requests.clear();
    kestsim::wireLog().clear();
    child<QPushButton>(w.get(), "pbClose")->click();
    QVERIFY(dialogs.requests.empty());
    QVERIFY(wire("set").first().startsWith("02 0b 03 00")); // the lists, read again first
    QCOMPARE(u.state().kept.activeProfile, 0xEF020400u);
}

void TestUnitFailures::importCutOffTwiceStoresNoChoice_data()
{
    QTest::addColumn<bool>("importAgain");
    QTest::newRow("closed at once: nothing stored") << false;
    // A whole import (once the unit is plugged in again) writes every slot anew: the table
    // is settled, its choice stored.
    QTest::newRow("imported again: settled") << true;
}

void TestUnitFailures::importCutOffTwiceStoresNoChoice()
{
    // The import's clearing of slot 0 loses its curve write and then the write that puts
    // the old name back: slot 0 reads free but keeps "Clutch A". A choice stored from
    // lists read now would name no profile of the clutch.
    QFETCH(bool, importAgain);
    QTemporaryDir dir;
    kest::ProfileTable table;
    table.index = 0xEF000000;
    table.profiles
        = {{"Gas B", kest::SlotRecord::fromBytes(QByteArray::fromHex("00031020304050"))}};
    const QString file = dir.filePath("one.ini");
    QVERIFY(kest::writeProfileFile(file, table));
    DialogCatcher dialogs;
    auto w = openWindow();
    auto &u = kestsim::unit();
    dialogs.fileNames << file;
    dialogs.button = QMessageBox::Yes; // the question before the import
    // The backup's range and clutch reads; slot 0: two reads, the name, then curve and
    // name.
    kestsim::faults().failNextSends(2, 6);
    child<QPushButton>(w.get(), "pbImport")->click();
    QVERIFY(hasError(dialogs));
    // which says that the unit must be plugged in again first
    QVERIFY(dialogs.texts().last().endsWith(kest::KestUnit::unsettledText()));
    QCOMPARE(u.state().kept.slots, unitInUse().kept.slots);

    if (importAgain) {
        // No backup, and so no import, from a table that reads otherwise than it is kept:
        // plugged in again, the unit's table reads true.
        dialogs.requests.clear();
        dialogs.fileNames << file;
        child<QPushButton>(w.get(), "pbImport")->click();
        QVERIFY(hasError(dialogs));
        QVERIFY(dialogs.texts().last().startsWith("No backup could be made. Nothing was changed."));
        u.unplug();
        TRY_VERIFY(headText(w.get()).startsWith("WAITING"));
        u.plug();
        retryNow(w.get());
        TRY_COMPARE(currentPage(w.get()), 0);
        dialogs.requests.clear();
        dialogs.fileNames << file;
        child<QPushButton>(w.get(), "pbImport")->click();
        QVERIFY(!hasError(dialogs));
    }
    dialogs.requests.clear();
    kestsim::wireLog().clear();
    child<QPushButton>(w.get(), "pbClose")->click();
    QCOMPARE(hasError(dialogs), !importAgain); // says why nothing was stored
    if (importAgain) {
        QCOMPARE(u.state().kept.activeProfile, 0xEF000000u);
        return;
    }
    for (const QString &write : writes())
        QVERIFY2(!write.startsWith("02 0c 0f"), qPrintable(write));
    QCOMPARE(u.state().kept.activeProfile, 0xEF020100u);
}

void TestUnitFailures::closingDuringTheClearedBoxOpensNothing()
{
    auto w = openWindow();
    bool closed = false;
    KestMessage::setHandler([&](const KestMessage::Request &r) {
        KestMessage::Answer a;
        a.button = QMessageBox::Yes;
        if (r.text.startsWith(QLatin1String("Flash data has been cleared."))) {
            QMetaObject::invokeMethod(w.get(), "onClose");
            closed = true;
        }
        return a;
    });
    const auto restore = qScopeGuard([] { KestMessage::setHandler(unexpectedDialog); });
    kestsim::wireLog().clear();
    child<QPushButton>(w.get(), "pbClearFlash")->click();
    QVERIFY(closed);
    QCoreApplication::processEvents();
    QVERIFY(!kest::deviceIsOpen());
    for (const auto &e : kestsim::wireLog().entries())
        QVERIFY(e.kind != "open");
    QVERIFY(!child<QTimer>(w.get(), "retryTimer")->isActive());
}

void TestUnitFailures::slotOfNoPedalBlocksNothing()
{
    // Slot 5 holds a record of pedal code 7 (from another tool, say): told once, kept as
    // it is, never taken as free; save, remove, export and the close's store all work.
    kestsim::UnitState state = unitInUse();
    state.kept.slots[5] = slot(5, "Odd", 7, {1, 2, 3, 4, 5});
    freshUnit(state);
    DialogCatcher dialogs;
    auto w = openWindow();
    QCOMPARE(dialogs.requests.size(), std::size_t(1));
    QVERIFY(dialogs.texts().first().contains("slot 5"));
    QCOMPARE(items(w.get(), "cbPro1"), (QStringList {"Brake A", "Brake B"}));
    QCOMPARE(items(w.get(), "cbPro2"), QStringList {"Gas A"});

    auto &u = kestsim::unit();
    dialogs.requests.clear();
    for (const char *name : {"Brake C", "Brake D", "Brake E"}) {
        child<QComboBox>(w.get(), "cbPro1")->setEditText(name);
        child<QPushButton>(w.get(), "pbSavePro1")->click();
    }
    QCOMPARE(dialogs.texts(), QStringList(3, "Profile is saved"));
    QCOMPARE(u.state().kept.slots[6].record[1], 2); // 4, then 6: slot 5 is in use
    auto *combo = child<QComboBox>(w.get(), "cbPro1");
    combo->setCurrentIndex(combo->findText("Brake B"));
    dialogs.button = QMessageBox::Yes; // the question before the removal
    child<QPushButton>(w.get(), "pbDelPro1")->click();
    QVERIFY(!items(w.get(), "cbPro1").contains("Brake B"));

    QTemporaryDir dir;
    dialogs.requests.clear();
    dialogs.fileNames << dir.filePath("backup.ini");
    child<QPushButton>(w.get(), "pbExport")->click();
    QVERIFY(QFile::exists(dir.filePath("backup.ini")));
    QCOMPARE(dialogs.requests.size(), std::size_t(2)); // the file, then what was left out
    QVERIFY(dialogs.texts().last().contains("slot 5"));

    dialogs.requests.clear();
    child<QPushButton>(w.get(), "pbClose")->click();
    QVERIFY(dialogs.requests.empty());
    QCOMPARE(kest::activeWordSlot(u.state().kept.activeProfile, 1), 1); // Brake A, first again
    QCOMPARE(u.state().kept.slots[5], state.kept.slots[5]);
}

void TestUnitFailures::unitThatDoesNotEchoInTheWindow()
{
    // Replies with bytes 1-2 zero but in range replies: attached, and a profile saved
    // and a pedal calibrated from the window as on any unit.
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes;
    auto &u = kestsim::unit();
    u.setEchoing(false);
    auto w = openWindow();
    QCOMPARE(child<QLabel>(w.get(), "lbVersion")->text(),
             QStringLiteral("Firmware Version:\tV1.0.0"));
    QCOMPARE(items(w.get(), "cbPro1"), (QStringList {"Brake A", "Brake B"}));
    child<QComboBox>(w.get(), "cbPro1")->setEditText("Brake C");
    child<QPushButton>(w.get(), "pbSavePro1")->click();
    QVERIFY(dialogs.texts().contains("Profile is saved"));
    QCOMPARE(u.state().kept.slots[4].name, kestsim::Bytes({'B', 'r', 'a', 'k', 'e', ' ', 'C'}));
    calibrate(w.get(), 2, {2000, 61000});
    child<QPushButton>(w.get(), "pbSave2")->click();
    QVERIFY(!hasError(dialogs));
    QCOMPARE(u.state().kept.calibration[4], 3000); // the window's margin above the lowest
    QCOMPARE(u.state().kept.calibration[5], 61000);
}

QTEST_MAIN(TestUnitFailures)
#include "tst_unitfailures.moc"
