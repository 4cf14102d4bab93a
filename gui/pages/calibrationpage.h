#pragma once

#include "kestunit.h"

#include <QObject>
#include <QTimer>

#include <array>
#include <cstdint>

QT_BEGIN_NAMESPACE
class QLabel;
class QProgressBar;
class QPushButton;
class QShortcut;
class QWidget;
QT_END_NAMESPACE

/// The CALIBRATION page: teaching the unit each pedal's travel, one pedal at a time.
/// A button reads "CALIBRATE" until its pedal's calibration starts and "SAVE" while it
/// runs; the lowest and highest positions seen meanwhile become the pedal's bounds. The
/// unit model runs the calibration; the page shows it.
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

    CalibrationPage(const Widgets &widgets, kest::KestUnit &unit, QObject *parent = nullptr);

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
    /// Escape: the calibration under way is cancelled, and the hint line says so.
    void cancel();

Q_SIGNALS:
    /// Half a second has passed since a start: the watch is to begin (startWatch).
    void watchDue();

private:
    void save(int pedal);
    /// Before a save that clears the pedal's deadzones: whether the user lets them go
    /// (no question when they are 0 % already).
    bool deadzoneResetAccepted(int pedal);
    /// Shows the calibration under way (-1: none): button texts, tooltips, hint line.
    void showCalibrating(int pedal);
    void updateTravel();
    void unitError(const QString &what);

    Widgets w;
    kest::KestUnit &unit;
    QLabel *hint = nullptr; ///< what to do while a pedal calibrates
    QTimer watchTimer; ///< starts the watch 500 ms after a calibration starts
    QShortcut *escape = nullptr; ///< cancels, while a calibration runs
};
