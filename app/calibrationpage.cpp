// The CALIBRATION page: teaching the unit each pedal's travel, one pedal at a time.

#include "mainwindow.h"

#include "kestdevice.h"
#include "kestmessage.h"
#include "pedalmath.h"
#include "ui_mainwindow.h"

void MainWindow::onCalibrateSave()
{
    QPushButton *const buttons[] = {ui->pbSave0, ui->pbSave1, ui->pbSave2};
    const QString name = sender() ? sender()->objectName() : QString();
    int p = -1;
    for (int i = 0; i < kest::PEDAL_COUNT && p < 0; ++i)
        if (name.contains(QStringLiteral("Save%1").arg(i)))
            p = i;
    if (p < 0)
        return;

    for (int other = 0; other < kest::PEDAL_COUNT; ++other) {
        if (other != p && buttons[other]->text().contains(QLatin1String("SAVE"))) {
            KestMessage::information(this, tr("Notify"),
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
    calLowIndex = 2 * p;
    calHighIndex = 2 * p + 1;

    if (buttons[p]->text() == tr("SAVE")) {
        // The bounds must leave the pedal some travel. They would not when no position
        // arrived since the watch began (low 65535, high 0), nor when the pedal rested or
        // barely moved: the margin added to the low bound would lift it to or over the
        // high one, and the unit would keep that inverted range.
        const std::uint16_t low = kest::calibratedLow(p, calObserved[std::size_t(calLowIndex)]);
        const std::uint16_t high = calObserved[std::size_t(calHighIndex)];
        if (low >= high) {
            const auto answer = KestMessage::question(
                this, tr("Notify"),
                tr("Move the pedal through its whole travel, then save.") + QLatin1Char('\n')
                    + tr("Cancel this calibration? The pedal keeps the calibration it had."));
            // The box let events through: a re-attach meanwhile has ended the calibration.
            if (answer == QMessageBox::Yes && buttons[p]->text() == tr("SAVE")) {
                const bool restored = restoreCalibrationStart(p, calibration, deadzone);
                buttons[p]->setText(tr("CALIBRATE"));
                showCalibrationHint(-1);
                loadDeadzones();
                if (!restored)
                    unitError(tr("The pedal unit did not take back the calibration it had; "
                                 "plug it in again to bring it back."));
            }
            return;
        }
        calibration[kest::RANGE_COMMIT_POS] = kest::COMMIT_BYTE;
        kest::setRangeValue(calibration, calLowIndex, low);
        kest::setRangeValue(calibration, calHighIndex, high);
        if (!kest::deviceWrite(calibration)) {
            unitError(tr("The calibration was not saved: the pedal unit did not take it. It "
                         "keeps the calibration it had; press SAVE to try again."));
            return;
        }

        deadzone[kest::RANGE_COMMIT_POS] = kest::COMMIT_BYTE;
        kest::setRangeValue(deadzone, calLowIndex, 0);
        kest::setRangeValue(deadzone, calHighIndex, kest::RAW_MAX);
        const bool cleared = kest::deviceWrite(deadzone);

        // Unread, the handles would keep the old deadzones over the unit's cleared ones,
        // and the next release would commit them back.
        if (!loadDeadzones() && cleared)
            placeDeadzones(deadzone);
        buttons[p]->setText(tr("CALIBRATE"));
        showCalibrationHint(-1);
        if (!cleared)
            unitError(tr("The calibration was saved, but the pedal unit did not take the "
                         "cleared deadzones of this pedal: it keeps the deadzones it had."));
        return;
    }

    calStartCalibration = calibration;
    calStartDeadzone = deadzone;
    kest::setRangeValue(calibration, calLowIndex, 0);
    kest::setRangeValue(calibration, calHighIndex, kest::RAW_MAX);
    kest::setRangeValue(deadzone, calLowIndex, 0);
    kest::setRangeValue(deadzone, calHighIndex, kest::RAW_MAX);
    if (!kest::deviceWrite(calibration)) {
        unitError(tr("The calibration did not start: the pedal unit did not answer. It keeps "
                     "the calibration it had."));
        return;
    }
    if (!kest::deviceWrite(deadzone)) {
        // The neutral calibration is only in effect; the table just read goes back.
        calStartCalibration[kest::RANGE_COMMIT_POS] = 0;
        kest::deviceWrite(calStartCalibration);
        unitError(tr("The calibration did not start: the pedal unit did not answer. It keeps "
                     "the calibration it had."));
        return;
    }
    buttons[p]->setText(tr("SAVE"));
    showCalibrationHint(p);
    calWaitTimer.start();
}

bool MainWindow::restoreCalibrationStart(int pedal, kest::Report calibration, kest::Report deadzone)
{
    // Only this pedal's bounds go back, as they were when its calibration started: the
    // other pedals' may have changed since. Into effect only, since what the unit keeps
    // did not change during the calibration.
    for (int k : {2 * pedal, 2 * pedal + 1}) {
        kest::setRangeValue(calibration, k, kest::rangeValue(calStartCalibration, k));
        kest::setRangeValue(deadzone, k, kest::rangeValue(calStartDeadzone, k));
    }
    calibration[kest::RANGE_COMMIT_POS] = 0;
    deadzone[kest::RANGE_COMMIT_POS] = 0;
    return kest::deviceWrite(calibration) && kest::deviceWrite(deadzone);
}

void MainWindow::onCalibrateWait()
{
    calObserved[std::size_t(calLowIndex)] = kest::RAW_MAX;
    calObserved[std::size_t(calHighIndex)] = 0;
    updateCalibrationTravel();
}

void MainWindow::showCalibrationHint(int pedal)
{
    QPushButton *const buttons[] = {ui->pbSave0, ui->pbSave1, ui->pbSave2};
    calibrating = pedal;
    for (int p = 0; p < kest::PEDAL_COUNT; ++p)
        buttons[p]->setToolTip(p == pedal ? tr("Press the pedal all the way down, let it come "
                                               "back up, then click SAVE.")
                                          : QString());
    calHint->setVisible(pedal >= 0);
    updateCalibrationTravel();
}

void MainWindow::updateCalibrationTravel()
{
    if (calibrating < 0)
        return;
    static const char *const names[]
        = {QT_TR_NOOP("CLUTCH"), QT_TR_NOOP("BRAKE"), QT_TR_NOOP("THROTTLE")};
    const std::uint16_t low = calObserved[std::size_t(2 * calibrating)];
    const std::uint16_t high = calObserved[std::size_t(2 * calibrating + 1)];
    // Before the first position of the watch, or during its first half second, there is
    // no travel to show yet.
    const QString travel = calWaitTimer.isActive() || low > high
        ? tr("no travel seen yet")
        : tr("travel seen %1 to %2 (%3 %)")
              .arg(low)
              .arg(high)
              .arg(int((high - low) * 100.0 / kest::RAW_MAX + 0.5));
    calHint->setText(tr("%1: press the pedal all the way down, let it come back up, then click "
                        "SAVE; %2.")
                         .arg(tr(names[calibrating]), travel));
}
