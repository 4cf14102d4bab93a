// The CALIBRATION page: teaching the unit each pedal's travel, one pedal at a time.

#include "calibrationpage.h"

#include "kestmessage.h"
#include "livebar.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QShortcut>

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
    watchTimer.setInterval(kest::CALIBRATION_WATCH_DELAY_MS);
    connect(&watchTimer, &QTimer::timeout, this, &CalibrationPage::watchDue);
    connect(&unit, &kest::KestUnit::calibrationChanged, this, &CalibrationPage::showCalibrating);
    // An addition: Escape cancels the calibration under way, in the window, as closing
    // it does. Only while one runs, so that Escape means nothing else otherwise.
    escape = new QShortcut(QKeySequence(Qt::Key_Escape), w.boxParent ? w.boxParent : w.page);
    escape->setContext(Qt::WindowShortcut);
    escape->setEnabled(false);
    connect(escape, &QShortcut::activated, this, &CalibrationPage::cancel);
}

void CalibrationPage::cancel()
{
    const int p = unit.calibratingPedal();
    if (p < 0)
        return;
    watchTimer.stop();
    const kest::Outcome cancelled = unit.cancelCalibration();
    if (!cancelled.done()) {
        unitError(cancelled.message);
        return;
    }
    hint->setText(kest::KestUnit::calibrationCancelledText(p));
    hint->show();
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
    // A button pressed from the keyboard keeps the focus through what follows: the other
    // buttons go disabled and back, and a box may come and go.
    QPushButton *const pressed = w.buttons[std::size_t(p)];
    const bool focused = pressed->hasFocus();
    const auto keepFocus = qScopeGuard([pressed, focused] {
        if (focused && pressed->isVisible() && pressed->isEnabled())
            pressed->setFocus(Qt::OtherFocusReason);
    });
    if (unit.calibratingPedal() == p) {
        save(p);
        return;
    }
    const kest::Outcome started = unit.startCalibration(p);
    if (started.status == kest::Outcome::Refused) {
        // Another pedal calibrates: one at a time.
        KestMessage::information(w.boxParent, tr("Notify"), started.message);
        return;
    }
    if (!started.done()) {
        unitError(started.message);
        return;
    }
    watchTimer.start();
}

bool CalibrationPage::deadzoneResetAccepted(int p)
{
    // The save clears the deadzones to the whole travel: where that is what they are,
    // nothing is lost and nothing is asked.
    const QString reset = unit.deadzoneResetText(p);
    if (reset.isEmpty())
        return true;
    const auto answer = KestMessage::question(
        w.boxParent, tr("Notify"), reset + QLatin1String("\n\n") + tr("Save the calibration?"));
    // The box let events through: a re-attach meanwhile has ended the calibration.
    return answer == QMessageBox::Yes && unit.calibratingPedal() == p;
}

void CalibrationPage::save(int p)
{
    // Without travel seen the save is refused below and asks its own question.
    if (unit.travelSeen() && !deadzoneResetAccepted(p))
        return;
    // Asked above; the model refuses a reset nobody agreed to.
    const kest::Outcome saved = unit.saveCalibration(true);
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
        // One pedal at a time: the others' buttons wait, in the disabled look.
        b->setEnabled(pedal < 0 || p == pedal);
        b->setText(p == pedal ? tr("SAVE") : tr("CALIBRATE"));
        b->setToolTip(p == pedal ? tr("Press the pedal all the way down, let it come "
                                      "back up, then click SAVE.")
                                 : QString());
    }
    hint->setVisible(pedal >= 0);
    escape->setEnabled(pedal >= 0);
    updateTravel();
}

void CalibrationPage::updateTravel()
{
    const int calibrating = unit.calibratingPedal();
    if (calibrating < 0)
        return;
    hint->setText(tr("%1: press the pedal all the way down, let it come back up, then click "
                     "SAVE; %2.")
                      .arg(kest::KestUnit::pedalName(calibrating), unit.travelText()));
}
