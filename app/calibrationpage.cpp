// The CALIBRATION page: teaching the unit each pedal's travel, one pedal at a time.

#include "calibrationpage.h"

#include "inputspage.h"
#include "kestdevice.h"
#include "kestmessage.h"
#include "livebar.h"
#include "pedalmath.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {

constexpr int kWatchDelayMs = 500; ///< from a calibration's start to its watch

} // namespace

CalibrationPage::CalibrationPage(const Widgets &widgets, Observation observation,
                                 InputsPage &inputs, QObject *parent)
    : QObject(parent), w(widgets), seen(observation), inputs(inputs)
{
    // An addition to the form, below the buttons where it covers nothing.
    hint = new QLabel(w.page);
    hint->setObjectName(QStringLiteral("lbCalHint"));
    hint->setGeometry(0, 392, 751, 18);
    hint->setAlignment(Qt::AlignCenter);
    hint->setStyleSheet(QStringLiteral("color: rgb(200, 200, 200); font-size: 12px;"));
    hint->hide();

    watchTimer.setObjectName(QStringLiteral("calWaitTimer"));
    watchTimer.setParent(this);
    watchTimer.setSingleShot(true);
    watchTimer.setInterval(kWatchDelayMs);
    connect(&watchTimer, &QTimer::timeout, this, &CalibrationPage::startWatch);
}

void CalibrationPage::showPositions(const QByteArray &values)
{
    for (int p = 0; p < kest::PEDAL_COUNT; ++p)
        kest::showBarValue(w.bars[std::size_t(p)], kest::pedalPosition(values, p));
    observe(values);
}

void CalibrationPage::observe(const QByteArray &values)
{
    bool widened = false; // the calibrating pedal's travel, for its hint line
    for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
        const std::uint16_t v = kest::pedalPosition(values, p);
        auto &low = seen.observed[std::size_t(2 * p)];
        auto &high = seen.observed[std::size_t(2 * p + 1)];
        if (v < low || v > high)
            widened = widened || p == calibrating;
        if (v < low)
            low = v;
        if (v > high)
            high = v;
    }
    if (widened)
        updateTravel();
}

void CalibrationPage::abandon()
{
    watchTimer.stop();
    for (QPushButton *b : w.buttons)
        b->setText(tr("CALIBRATE"));
    showHint(-1);
}

void CalibrationPage::unitError(const QString &what)
{
    KestMessage::critical(w.boxParent, tr("Error"), what);
}

void CalibrationPage::calibrateClicked(int p)
{
    if (p < 0 || p >= kest::PEDAL_COUNT)
        return;
    QPushButton *const *buttons = w.buttons.data();

    for (int other = 0; other < kest::PEDAL_COUNT; ++other) {
        if (other != p && buttons[other]->text() == tr("SAVE")) {
            KestMessage::information(w.boxParent, tr("Notify"),
                                     tr("Please save other channel calibrate first."));
            return;
        }
    }

    kest::Report calibration {};
    kest::Report deadzone {};
    // Both tables go back as the unit sent them, but for this pedal's two values; a table
    // that was not read would send other pedals' bounds as zeros, or another read's reply.
    if (!kest::deviceQuery(kest::CMD_PEDAL_RANGE, kest::RANGE_CALIBRATION, calibration)
        || !kest::deviceQuery(kest::CMD_PEDAL_RANGE, kest::RANGE_DEADZONE, deadzone)) {
        unitError(buttons[p]->text() == tr("SAVE")
                      ? tr("The calibration was not saved: the pedal unit did not answer. It "
                           "keeps the calibration it had; press SAVE to try again.")
                      : tr("The calibration did not start: the pedal unit did not answer. It "
                           "keeps the calibration it had."));
        return;
    }
    seen.lowIndex = 2 * p;
    seen.highIndex = 2 * p + 1;

    if (buttons[p]->text() == tr("SAVE")) {
        // The bounds must leave the pedal some travel. They would not when no position
        // arrived since the watch began (low 65535, high 0), nor when the pedal rested or
        // barely moved: the margin added to the low bound would lift it to or over the
        // high one, and the unit would keep that inverted range.
        const std::uint16_t low = kest::calibratedLow(p, seen.observed[std::size_t(seen.lowIndex)]);
        const std::uint16_t high = seen.observed[std::size_t(seen.highIndex)];
        if (low >= high) {
            const auto answer = KestMessage::question(
                w.boxParent, tr("Notify"),
                tr("Move the pedal through its whole travel, then save.") + QLatin1Char('\n')
                    + tr("Cancel this calibration? The pedal keeps the calibration it had."));
            // The box let events through: a re-attach meanwhile has ended the calibration.
            if (answer == QMessageBox::Yes && buttons[p]->text() == tr("SAVE")) {
                const bool restored = restoreStart(p, calibration, deadzone);
                buttons[p]->setText(tr("CALIBRATE"));
                showHint(-1);
                // Without the restore the unit has this pedal's neutral deadzones in
                // effect but keeps the ones it had: the handles show what it keeps, so
                // that the next release commits nothing it never had.
                if (!restored || !inputs.loadDeadzones())
                    inputs.placeDeadzones(deadzone);
                if (!restored)
                    unitError(tr("The pedal unit did not take back the calibration it had; "
                                 "plug it in again to bring it back."));
            }
            return;
        }
        calibration[kest::RANGE_COMMIT_POS] = kest::COMMIT_BYTE;
        kest::setRangeValue(calibration, seen.lowIndex, low);
        kest::setRangeValue(calibration, seen.highIndex, high);
        if (!kest::deviceWrite(calibration)) {
            unitError(tr("The calibration was not saved: the pedal unit did not take it. It "
                         "keeps the calibration it had; press SAVE to try again."));
            return;
        }

        // What the unit keeps of this pedal's deadzones unless the cleared ones arrive.
        kest::Report keptDeadzone = deadzone;
        for (int k : {seen.lowIndex, seen.highIndex})
            kest::setRangeValue(keptDeadzone, k, kest::rangeValue(startDeadzone, k));
        deadzone[kest::RANGE_COMMIT_POS] = kest::COMMIT_BYTE;
        kest::setRangeValue(deadzone, seen.lowIndex, 0);
        kest::setRangeValue(deadzone, seen.highIndex, kest::RAW_MAX);
        const bool cleared = kest::deviceWrite(deadzone);

        // The handles show what the unit keeps: the cleared deadzones, or, when they did
        // not arrive, the ones it had, not the neutral ones it has in effect since the
        // start. Otherwise the next release would commit values it never kept.
        if (!cleared)
            inputs.placeDeadzones(keptDeadzone);
        else if (!inputs.loadDeadzones())
            inputs.placeDeadzones(deadzone);
        buttons[p]->setText(tr("CALIBRATE"));
        showHint(-1);
        if (!cleared)
            unitError(tr("The calibration was saved, but the pedal unit did not take the "
                         "cleared deadzones of this pedal: it keeps the deadzones it had."));
        return;
    }

    startCalibration = calibration;
    startDeadzone = deadzone;
    kest::setRangeValue(calibration, seen.lowIndex, 0);
    kest::setRangeValue(calibration, seen.highIndex, kest::RAW_MAX);
    kest::setRangeValue(deadzone, seen.lowIndex, 0);
    kest::setRangeValue(deadzone, seen.highIndex, kest::RAW_MAX);
    if (!kest::deviceWrite(calibration)) {
        unitError(tr("The calibration did not start: the pedal unit did not answer. It keeps "
                     "the calibration it had."));
        return;
    }
    if (!kest::deviceWrite(deadzone)) {
        // The neutral calibration is only in effect; the table just read goes back.
        startCalibration[kest::RANGE_COMMIT_POS] = 0;
        kest::deviceWrite(startCalibration);
        unitError(tr("The calibration did not start: the pedal unit did not answer. It keeps "
                     "the calibration it had."));
        return;
    }
    buttons[p]->setText(tr("SAVE"));
    showHint(p);
    watchTimer.start();
}

bool CalibrationPage::restoreStart(int pedal, kest::Report calibration, kest::Report &deadzone)
{
    // Only this pedal's bounds go back, as they were when its calibration started: the
    // other pedals' may have changed since. Into effect only, since what the unit keeps
    // did not change during the calibration.
    for (int k : {2 * pedal, 2 * pedal + 1}) {
        kest::setRangeValue(calibration, k, kest::rangeValue(startCalibration, k));
        kest::setRangeValue(deadzone, k, kest::rangeValue(startDeadzone, k));
    }
    calibration[kest::RANGE_COMMIT_POS] = 0;
    deadzone[kest::RANGE_COMMIT_POS] = 0;
    return kest::deviceWrite(calibration) && kest::deviceWrite(deadzone);
}

void CalibrationPage::startWatch()
{
    seen.observed[std::size_t(seen.lowIndex)] = kest::RAW_MAX;
    seen.observed[std::size_t(seen.highIndex)] = 0;
    updateTravel();
}

void CalibrationPage::showHint(int pedal)
{
    calibrating = pedal;
    for (int p = 0; p < kest::PEDAL_COUNT; ++p)
        w.buttons[std::size_t(p)]->setToolTip(
            p == pedal ? tr("Press the pedal all the way down, let it come "
                            "back up, then click SAVE.")
                       : QString());
    hint->setVisible(pedal >= 0);
    updateTravel();
}

void CalibrationPage::updateTravel()
{
    if (calibrating < 0)
        return;
    static const char *const names[]
        = {QT_TR_NOOP("CLUTCH"), QT_TR_NOOP("BRAKE"), QT_TR_NOOP("THROTTLE")};
    const std::uint16_t low = seen.observed[std::size_t(2 * calibrating)];
    const std::uint16_t high = seen.observed[std::size_t(2 * calibrating + 1)];
    // Before the first position of the watch, or during its first half second, there is
    // no travel to show yet.
    const QString travel = watchTimer.isActive() || low > high
        ? tr("no travel seen yet")
        : tr("travel seen %1 to %2 (%3 %)")
              .arg(low)
              .arg(high)
              .arg(int((high - low) * 100.0 / kest::RAW_MAX + 0.5));
    hint->setText(tr("%1: press the pedal all the way down, let it come back up, then click "
                     "SAVE; %2.")
                      .arg(tr(names[calibrating]), travel));
}
