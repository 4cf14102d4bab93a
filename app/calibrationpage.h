#pragma once

#include "kestreport.h"

#include <QObject>
#include <QTimer>

#include <array>
#include <cstdint>

class InputsPage;
QT_BEGIN_NAMESPACE
class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;
QT_END_NAMESPACE

/// The CALIBRATION page: teaching the unit each pedal's travel, one pedal at a time.
/// A button reads "CALIBRATE" until its pedal's calibration starts and "SAVE" while it
/// runs; the lowest and highest positions seen meanwhile become the pedal's bounds.
class CalibrationPage : public QObject
{
    Q_OBJECT

public:
    struct Widgets
    {
        std::array<QPushButton *, 3> buttons; ///< "CALIBRATE" / "SAVE", one per pedal
        std::array<QProgressBar *, 3> bars; ///< the live positions
        QWidget *page = nullptr; ///< the page, which gets the hint line
        QWidget *boxParent = nullptr; ///< the window, for message boxes
    };

    /// What the window keeps of a calibration: the pedal's two indexes in the range tables
    /// and the lowest and highest position seen of each pedal.
    struct Observation
    {
        int &lowIndex;
        int &highIndex;
        std::array<std::uint16_t, 6> &observed;
    };

    CalibrationPage(const Widgets &widgets, Observation observation, InputsPage &inputs,
                    QObject *parent = nullptr);

    /// Follows the newest positions (six bytes, one 16-bit value per pedal): the bars,
    /// and what observe() keeps.
    void showPositions(const QByteArray &values);
    /// Keeps the lowest and highest positions of every report (and the hint line of a
    /// pedal that calibrates), without touching the bars.
    void observe(const QByteArray &values);
    /// Starts or saves pedal p's calibration (its button was clicked).
    void calibrateClicked(int pedal);
    /// Half a second after a start: the watch of the pedal's travel begins.
    void startWatch();
    /// The unit was lost or attached anew: any calibration under way is abandoned.
    void abandon();

private:
    /// Puts pedal p's bounds of the start back into effect in both tables; `deadzone`
    /// becomes the deadzone table sent back. Whether both writes went out.
    bool restoreStart(int pedal, kest::Report calibration, kest::Report &deadzone);
    /// Shows what to do while pedal p calibrates (-1: nothing calibrates).
    void showHint(int pedal);
    void updateTravel();
    void unitError(const QString &what);

    Widgets w;
    Observation seen;
    InputsPage &inputs;
    QLabel *hint = nullptr; ///< what to do while a pedal calibrates
    QTimer watchTimer; ///< starts the watch 500 ms after a calibration starts
    /// Both range tables as the unit reported them when the calibration under way
    /// started: a cancel puts them back into effect.
    kest::Report startCalibration {};
    kest::Report startDeadzone {};
    int calibrating = -1; ///< the pedal under calibration, -1 when none
};
