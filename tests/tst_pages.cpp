// The page controllers on widgets of their own, without the window: each gets only the
// widgets it is given, talks to the simulated unit and reports through message boxes.

#include "calibrationpage.h"
#include "inputspage.h"
#include "kestaxis.h"
#include "kestslider.h"
#include "pedalmath.h"
#include "profilespage.h"
#include "windowsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <memory>

using namespace testsupport;

namespace {

/// Six bytes of pedal positions, little-endian as the unit sends them.
QByteArray positions(std::uint16_t clutch, std::uint16_t brake, std::uint16_t throttle)
{
    QByteArray values;
    for (std::uint16_t v : {clutch, brake, throttle})
        values += char(v & 0xFF), values += char(v >> 8);
    return values;
}

/// The INPUTS page's widgets, on a plain widget of their own.
struct InputsFixture
{
    QWidget page;
    QLabel backdrop; // never shown: only its style sheet counts
    InputsPage::Widgets widgets {};
    kest::KestUnit unit;
    std::unique_ptr<InputsPage> inputs;

    InputsFixture()
    {
        for (std::size_t p = 0; p < 3; ++p) {
            widgets.numbers[p] = new QLabel(&page);
            widgets.bars[p] = new QProgressBar(&page);
            widgets.bars[p]->setRange(0, 65535);
            widgets.plates[p] = new QLabel(&page);
            widgets.plates[p]->setGeometry(int(p) * 200, 0, 180, 300);
            widgets.lows[p] = new KestSlider(&page);
            widgets.lows[p]->move(int(p) * 200, 0);
            widgets.lows[p]->setSide(0);
            widgets.highs[p] = new KestSlider(&page);
            widgets.highs[p]->move(int(p) * 200 + 150, 0);
            widgets.highs[p]->setSide(1);
        }
        widgets.clutch = new QCheckBox(&page);
        widgets.clutchOnly = {widgets.numbers[0], widgets.lows[0], widgets.highs[0]};
        widgets.backdrops = {&backdrop};
        widgets.boxParent = &page;
        inputs = std::make_unique<InputsPage>(widgets, unit);
        page.show();
    }
};

} // namespace

class TestPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { freshUnit(unitInUse()); }
    void cleanup() { kest::deviceClose(); }

    void inputsShowAndCommitDeadzones();
    void inputsClutchSwitchFollowsTheUnit();
    void calibrationSavesTheTravelSeen();
    void profilesSaveAndRefuse();
};

void TestPages::inputsShowAndCommitDeadzones()
{
    InputsFixture f;
    QCOMPARE(kest::deviceOpen(), kest::DeviceOpenResult::Opened);
    QVERIFY(f.inputs->readClutch());
    QVERIFY(f.widgets.clutch->isChecked());
    QVERIFY(f.widgets.lows[0]->isVisible());
    QCOMPARE(f.backdrop.styleSheet(), QStringLiteral("border-image: url(:/img/back2.png)"));
    QVERIFY(f.inputs->loadDeadzones());
    // kept deadzones 6554 58982 | 3277 62258 | 0 65535
    QCOMPARE(f.widgets.lows[0]->value(), 10);
    QCOMPARE(f.widgets.highs[0]->value(), 10);
    QCOMPARE(f.widgets.lows[1]->value(), 5);
    QCOMPARE(f.widgets.highs[1]->value(), 5);

    f.inputs->showPositions(positions(1, 40000, 65535));
    QCOMPARE(f.widgets.numbers[1]->text(), QStringLiteral("40000"));
    QCOMPARE(f.widgets.bars[2]->value(), 65535);

    f.widgets.lows[2]->setValue(20);
    f.inputs->deadzoneChanged();
    // Committed: the unit keeps the page's table, the THROTTLE's low bound at 20 %.
    const auto kept = kestsim::unit().state().kept.deadzone;
    QCOMPARE(kept[4], 13107);
    QCOMPARE(kept[5], 65535);
    QCOMPARE(kept[0], kest::rawFromLowPercent(10));
    QCOMPARE(kept[3], kest::rawFromHighPercent(5));
}

void TestPages::inputsClutchSwitchFollowsTheUnit()
{
    InputsFixture f;
    DialogCatcher dialogs;
    QCOMPARE(kest::deviceOpen(), kest::DeviceOpenResult::Opened);
    QVERIFY(f.inputs->readClutch());

    // The write of the switched-off mode is lost: the switch goes back to what the unit keeps.
    kestsim::faults().failNextSends(1, 1);
    f.widgets.clutch->setChecked(false);
    f.inputs->clutchClicked();
    QVERIFY(f.widgets.clutch->isChecked());
    QVERIFY(f.widgets.lows[0]->isVisible());
    QCOMPARE(dialogs.requests.size(), std::size_t(1));
    QCOMPARE(dialogs.requests[0].title, QStringLiteral("Error"));
    QCOMPARE(kestsim::unit().state().kept.pedalMode, 1u);

    f.widgets.clutch->setChecked(false);
    f.inputs->clutchClicked();
    QVERIFY(!f.widgets.lows[0]->isVisible());
    QCOMPARE(f.backdrop.styleSheet(), QStringLiteral("border-image: url(:/img/back.png)"));
    QCOMPARE(kestsim::unit().state().kept.pedalMode, 0u);
    QCOMPARE(dialogs.requests.size(), std::size_t(1));
}

void TestPages::calibrationSavesTheTravelSeen()
{
    InputsFixture f;
    QWidget page;
    CalibrationPage::Widgets widgets {};
    for (std::size_t p = 0; p < 3; ++p) {
        widgets.buttons[p] = new QPushButton(QStringLiteral("CALIBRATE"), &page);
        widgets.bars[p] = new QProgressBar(&page);
        widgets.bars[p]->setRange(0, 65535);
    }
    widgets.page = &page;
    widgets.boxParent = &page;
    CalibrationPage calibration(widgets, f.unit);
    QCOMPARE(kest::deviceOpen(), kest::DeviceOpenResult::Opened);
    QVERIFY(f.inputs->readClutch());
    QVERIFY(f.unit.readDeadzones()); // as an attach does

    calibration.calibrateClicked(1);
    QCOMPARE(widgets.buttons[1]->text(), QStringLiteral("SAVE"));
    QCOMPARE(f.unit.calibratingPedal(), 1);
    QCOMPARE(kestsim::unit().inEffect().calibration[2], 0);
    QCOMPARE(kestsim::unit().inEffect().calibration[3], 65535);

    calibration.startWatch();
    for (std::uint16_t brake : {9000, 52000, 30000})
        calibration.showPositions(positions(100, brake, 300));
    QCOMPARE(widgets.bars[1]->value(), 30000);
    QCOMPARE(f.unit.observedRange(1), (kest::PedalRange {9000, 52000}));

    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes; // its deadzones of 5 % may go
    calibration.calibrateClicked(1);
    QCOMPARE(dialogs.requests.size(), std::size_t(1));
    QCOMPARE(widgets.buttons[1]->text(), QStringLiteral("CALIBRATE"));
    // The BRAKE keeps its lowest position without a margin; its deadzones are cleared.
    const auto kept = kestsim::unit().state().kept;
    QCOMPARE(kept.calibration[2], 9000);
    QCOMPARE(kept.calibration[3], 52000);
    QCOMPARE(kept.calibration[0], 100);
    QCOMPARE(kept.deadzone[2], 0);
    QCOMPARE(kept.deadzone[3], 65535);
    QCOMPARE(f.widgets.lows[1]->value(), 0);
}

void TestPages::profilesSaveAndRefuse()
{
    QWidget page;
    ProfilesPage::Widgets widgets {};
    for (std::size_t p = 0; p < 3; ++p) {
        widgets.lists[p] = new QComboBox(&page);
        widgets.lists[p]->setEditable(true);
        widgets.editors[p] = new KestAxis(&page);
    }
    widgets.boxParent = &page;
    kest::KestUnit unit;
    ProfilesPage profiles(widgets, unit);
    DialogCatcher dialogs;
    QCOMPARE(kest::deviceOpen(), kest::DeviceOpenResult::Opened);

    QVERIFY(unit.readProfiles());
    QVERIFY(unit.profilesLoaded());
    QCOMPARE(widgets.lists[1]->count(), 2);
    QCOMPARE(widgets.lists[1]->currentText(), QStringLiteral("Brake A"));
    QCOMPARE(unit.activeProfileWord(true), 0xEF020100u);

    // A new BRAKE profile whose curve write is lost: nothing is claimed, and the slot the
    // save chose keeps no name of it.
    const auto before = kestsim::unit().state().kept.slots;
    widgets.lists[1]->setEditText(QStringLiteral("Brake C"));
    widgets.editors[1]->setCurve(QByteArray("\x05\x0a\x14\x28\x50", 5));
    // five name reads find slot 4 free; the new profile goes into effect as the choice;
    // the slot's name and curve are read, its name goes out
    kestsim::faults().failNextSends(1, 9);
    profiles.save(1);
    QCOMPARE(dialogs.requests.size(), std::size_t(1));
    QCOMPARE(dialogs.requests[0].title, QStringLiteral("Error"));
    QVERIFY(!dialogs.texts().contains(QStringLiteral("Profile is saved")));
    QVERIFY(kestsim::unit().state().kept.slots == before);
    // The slot reads free again, not as a name made of its 0xFF filler.
    QVERIFY(wire("set").contains(
        hexOf(report("02 03 04 ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff"))));
    QVERIFY(kestsim::unit().inEffect().slots[4].isFree());
    QVERIFY(unit.profilesLoaded());

    widgets.lists[1]->setEditText(QStringLiteral("Brake C"));
    widgets.editors[1]->setCurve(QByteArray("\x05\x0a\x14\x28\x50", 5));
    profiles.save(1);
    QCOMPARE(dialogs.texts().last(), QStringLiteral("Profile is saved"));
    const auto saved = kestsim::unit().state().kept.slots[4];
    QCOMPARE(saved, slot(4, "Brake C", 2, {5, 10, 20, 40, 80}));
    QCOMPARE(widgets.lists[1]->count(), 3);
}

QTEST_MAIN(TestPages)
#include "tst_pages.moc"
