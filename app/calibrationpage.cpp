// The CALIBRATION page: teaching the unit each pedal's travel, one pedal at a time.

#include "mainwindow.h"

#include "kestdevice.h"
#include "kestmessage.h"
#include "pedalmath.h"
#include "ui_mainwindow.h"

#include <QTimer>

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

    calLowIndex = 2 * p;
    calHighIndex = 2 * p + 1;
    kest::Report calibration {};
    kest::Report deadzone {};
    kest::deviceQuery(kest::CMD_PEDAL_RANGE, kest::RANGE_CALIBRATION, calibration);
    kest::deviceQuery(kest::CMD_PEDAL_RANGE, kest::RANGE_DEADZONE, deadzone);

    // Both tables go back as the unit sent them, but for this pedal's two values.
    if (buttons[p]->text() == QLatin1String("SAVE")) {
        // The bounds must leave the pedal some travel. They would not when no position
        // arrived since the watch began (low 65535, high 0), nor when the pedal rested or
        // barely moved: the margin added to the low bound would lift it to or over the
        // high one, and the unit would keep that inverted range.
        const std::uint16_t low = kest::calibratedLow(p, calObserved[std::size_t(calLowIndex)]);
        const std::uint16_t high = calObserved[std::size_t(calHighIndex)];
        if (low >= high) {
            KestMessage::information(this, tr("Notify"),
                                     tr("Move the pedal through its whole travel, then save."));
            return;
        }
        calibration[kest::RANGE_COMMIT_POS] = kest::COMMIT_BYTE;
        kest::setRangeValue(calibration, calLowIndex, low);
        kest::setRangeValue(calibration, calHighIndex, high);
        kest::deviceSend(calibration);

        deadzone[kest::RANGE_COMMIT_POS] = kest::COMMIT_BYTE;
        kest::setRangeValue(deadzone, calLowIndex, 0);
        kest::setRangeValue(deadzone, calHighIndex, kest::RAW_MAX);
        kest::deviceSend(deadzone);

        loadDeadzones();
        buttons[p]->setText(tr("CALIBRATE"));
        return;
    }

    for (kest::Report *table : {&calibration, &deadzone}) {
        kest::setRangeValue(*table, calLowIndex, 0);
        kest::setRangeValue(*table, calHighIndex, kest::RAW_MAX);
        kest::deviceSend(*table);
    }
    buttons[p]->setText(tr("SAVE"));
    QTimer::singleShot(500, this, &MainWindow::onCalibrateWait);
}

void MainWindow::onCalibrateWait()
{
    calObserved[std::size_t(calLowIndex)] = kest::RAW_MAX;
    calObserved[std::size_t(calHighIndex)] = 0;
}
