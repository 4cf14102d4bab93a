// The INPUTS page: live positions, deadzone handles and the clutch switch.

#include "mainwindow.h"

#include "kestdevice.h"
#include "pedalmath.h"
#include "ui_mainwindow.h"

#include <QDebug>

void MainWindow::onJoystickEvent(QByteArray values)
{
    QLabel *const numbers[] = {ui->lbAdc0, ui->lbAdc1, ui->lbAdc2};
    QProgressBar *const bars[] = {ui->pgAdc0, ui->pgAdc1, ui->pgAdc2};
    QProgressBar *const calBars[] = {ui->pgCal0, ui->pgCal1, ui->pgCal2};
    KestAxis *const editors[] = {ui->ctAdc0, ui->ctAdc1, ui->ctAdc2};
    for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
        const std::uint16_t v = kest::pedalPosition(values, p);
        numbers[p]->setText(QString::number(v));
        bars[p]->setValue(v);
        bars[p]->update();
        editors[p]->setInputPosition(v); // the live marker on the PROFILES page
    }
    bool widened = false; // the calibrating pedal's travel, for its hint line
    for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
        const std::uint16_t v = kest::pedalPosition(values, p);
        calBars[p]->setValue(v);
        calBars[p]->update();
        auto &low = calObserved[std::size_t(2 * p)];
        auto &high = calObserved[std::size_t(2 * p + 1)];
        if (v < low || v > high)
            widened = widened || p == calibrating;
        if (v < low)
            low = v;
        if (v > high)
            high = v;
    }
    if (widened)
        updateCalibrationTravel();
}

bool MainWindow::loadDeadzones()
{
    // Without an answer there is nothing to show: the handles keep their places rather
    // than jumping to the ends that an unanswered read would give, which the next
    // release would commit.
    kest::Report reply {};
    if (!kest::deviceQuery(kest::CMD_PEDAL_RANGE, kest::RANGE_DEADZONE, reply))
        return false;
    placeDeadzones(reply);
    return true;
}

void MainWindow::placeDeadzones(const kest::Report &reply)
{
    KestSlider *const lows[] = {ui->lbDzL0, ui->lbDzL1, ui->lbDzL2};
    KestSlider *const highs[] = {ui->lbDzR0, ui->lbDzR1, ui->lbDzR2};
    QLabel *const plates[] = {ui->lbAdcB0, ui->lbAdcB1, ui->lbAdcB2};
    QProgressBar *const bars[] = {ui->pgAdc0, ui->pgAdc1, ui->pgAdc2};
    const int first = ui->cbClutch->isChecked() ? 0 : 1;
    for (int p = first; p < kest::PEDAL_COUNT; ++p) {
        lows[p]->setValue(kest::lowPercentFromRaw(kest::rangeValue(reply, 2 * p)));
        highs[p]->setValue(kest::highPercentFromRaw(kest::rangeValue(reply, 2 * p + 1)));
    }
    for (int p = 0; p < kest::PEDAL_COUNT; ++p)
        bars[p]->setGeometry(
            kest::liveBarGeometry(plates[p]->geometry(), lows[p]->value(), highs[p]->value()));
}

void MainWindow::onDeadzoneChanged()
{
    kest::RangeValues values {0, kest::RAW_MAX};
    KestSlider *const lows[] = {ui->lbDzL0, ui->lbDzL1, ui->lbDzL2};
    KestSlider *const highs[] = {ui->lbDzR0, ui->lbDzR1, ui->lbDzR2};
    const int first = ui->cbClutch->isChecked() ? 0 : 1;
    for (int p = first; p < kest::PEDAL_COUNT; ++p) {
        values[std::size_t(2 * p)] = kest::rawFromLowPercent(lows[p]->value());
        values[std::size_t(2 * p + 1)] = kest::rawFromHighPercent(highs[p]->value());
    }
    if (!kest::deviceIsOpen())
        return;
    if (!kest::deviceWrite(kest::rangeWrite(kest::RANGE_DEADZONE, values, true)))
        unitError(tr("The deadzones were not saved: the pedal unit did not take them. It "
                     "keeps the deadzones it had."));
    loadDeadzones();
}

void MainWindow::updateClutchVisibility()
{
    const bool c = ui->cbClutch->isChecked();
    for (QWidget *w : std::initializer_list<QWidget *> {ui->lbAdc0, ui->lbAdcB0, ui->pgAdc0,
                                                        ui->cbPro0, ui->pgCal0, ui->pbSave0,
                                                        ui->ctAdc0, ui->pbSavePro0, ui->pbDelPro0})
        w->setVisible(c);
    const QString sheet = c ? QStringLiteral("border-image: url(:/img/back2.png)")
                            : QStringLiteral("border-image: url(:/img/back.png)");
    ui->lbMain1->setStyleSheet(sheet);
    ui->lbMain2->setStyleSheet(sheet);
    ui->lbDzL0->setVisible(c);
    ui->lbDzR0->setVisible(c);
}

void MainWindow::onClutch()
{
    const std::uint32_t c = ui->cbClutch->isChecked() ? 1 : 0;
    updateClutchVisibility();
    if (!kest::deviceIsOpen())
        return;
    std::uint32_t mode = 0;
    const bool read = kest::deviceSettingRead(kest::KESTIE_PEDAL_MODE, mode);
    if (read && mode == c)
        return;
    if (read && kest::deviceSettingWrite(kest::KESTIE_PEDAL_MODE, c)) {
        qDebug("deviceSettingWrite KESTIE_PEDAL_MODE");
        return;
    }
    // The switch shows what the unit keeps, not a wish it never received.
    ui->cbClutch->setChecked(!c);
    updateClutchVisibility();
    unitError(tr("The clutch setting was not changed: the pedal unit did not answer. It "
                 "keeps the setting it had."));
}
