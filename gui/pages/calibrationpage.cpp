// The CALIBRATION page: teaching the unit each pedal's travel, one pedal at a time.

#include "calibrationpage.h"

#include "kestmessage.h"
#include "livebar.h"
#include "pedalmath.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {

constexpr int kWatchDelayMs = 500; ///< from a calibration's start to its watch

} // namespace

CalibrationPage::CalibrationPage(const Widgets &widgets, kest::KestUnit &unit, QObject *parent)
    : QObject(parent), w(widgets), unit(unit)
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
    connect(&watchTimer, &QTimer::timeout, this, &CalibrationPage::watchDue);
    connect(&unit, &kest::KestUnit::calibrationChanged, this, &CalibrationPage::showCalibrating);
}

void CalibrationPage::showPositions(const QByteArray &values)
{
    for (int p = 0; p < kest::PEDAL_COUNT; ++p)
        kest::showBarValue(w.bars[std::size_t(p)], kest::pedalPosition(values, p));
    observe(values);
}

void CalibrationPage::observe(const QByteArray &values)
{
    if (unit.observe(values))
        updateTravel();
}

void CalibrationPage::abandon()
{
    watchTimer.stop();
    unit.abandonCalibration();
    showCalibrating(-1);
}

void CalibrationPage::unitError(const QString &what)
{
    KestMessage::critical(w.boxParent, tr("Error"), what);
}

void CalibrationPage::calibrateClicked(int p)
{
    if (p < 0 || p >= kest::PEDAL_COUNT)
        return;
    const int running = unit.calibratingPedal();
    if (running >= 0 && running != p) {
        KestMessage::information(w.boxParent, tr("Notify"),
                                 tr("Please save other channel calibrate first."));
        return;
    }
    if (running == p) {
        save(p);
        return;
    }
    const kest::Outcome started = unit.startCalibration(p);
    if (!started.done()) {
        unitError(started.message);
        return;
    }
    watchTimer.start();
}

bool CalibrationPage::deadzoneResetAccepted(int p)
{
    // The deadzones the unit keeps, as the INPUTS handles show them. The save clears them
    // to the whole travel: where that is what they are, nothing is lost.
    const kest::Report &table = unit.deadzones();
    const int low = kest::lowPercentFromRaw(kest::rangeValue(table, 2 * p));
    const int high = kest::highPercentFromRaw(kest::rangeValue(table, 2 * p + 1));
    if (low == 0 && high == 0)
        return true;
    const auto answer = KestMessage::question(
        w.boxParent, tr("Notify"),
        tr("Saving the %1 calibration also resets its deadzones: low %2 % and high %3 % go "
           "back to 0 %, and the new travel counts from 0 to 100 %. You can set them again "
           "on the INPUTS page afterwards.")
                .arg(kest::KestUnit::pedalName(p))
                .arg(low)
                .arg(high)
            + QLatin1String("\n\n") + tr("Save the calibration?"));
    // The box let events through: a re-attach meanwhile has ended the calibration.
    return answer == QMessageBox::Yes && unit.calibratingPedal() == p;
}

void CalibrationPage::save(int p)
{
    // Without travel seen the save is refused below and asks its own question.
    if (unit.travelSeen() && !deadzoneResetAccepted(p))
        return;
    const kest::Outcome saved = unit.saveCalibration();
    if (saved.status == kest::Outcome::Refused) {
        // No travel seen: the calibration goes on unless the user cancels it.
        const auto answer = KestMessage::question(
            w.boxParent, tr("Notify"),
            saved.message + QLatin1Char('\n')
                + tr("Cancel this calibration? The pedal keeps the calibration it had."));
        // The box let events through: a re-attach meanwhile has ended the calibration.
        if (answer != QMessageBox::Yes || unit.calibratingPedal() != p)
            return;
        const kest::Outcome cancelled = unit.cancelCalibration();
        if (!cancelled.done())
            unitError(cancelled.message);
        return;
    }
    if (!saved.done())
        unitError(saved.message);
}

void CalibrationPage::startWatch()
{
    unit.startWatch();
    updateTravel();
}

void CalibrationPage::showCalibrating(int pedal)
{
    for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
        QPushButton *b = w.buttons[std::size_t(p)];
        b->setText(p == pedal ? tr("SAVE") : tr("CALIBRATE"));
        b->setToolTip(p == pedal ? tr("Press the pedal all the way down, let it come "
                                      "back up, then click SAVE.")
                                 : QString());
    }
    hint->setVisible(pedal >= 0);
    updateTravel();
}

void CalibrationPage::updateTravel()
{
    const int calibrating = unit.calibratingPedal();
    if (calibrating < 0)
        return;
    const std::uint16_t low = unit.observed()[std::size_t(2 * calibrating)];
    const std::uint16_t high = unit.observed()[std::size_t(2 * calibrating + 1)];
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
                      .arg(kest::KestUnit::pedalName(calibrating), travel));
}
