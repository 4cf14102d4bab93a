#pragma once

#include "kestunit.h"

#include <QObject>

#include <array>
#include <vector>

class KestSlider;
QT_BEGIN_NAMESPACE
class QCheckBox;
class QLabel;
class QProgressBar;
class QWidget;
QT_END_NAMESPACE

/// The INPUTS page: the live positions, the deadzone handles and the clutch switch. The
/// clutch switch also shows or hides the CLUTCH column of the other pages.
class InputsPage : public QObject
{
    Q_OBJECT

public:
    struct Widgets
    {
        std::array<QLabel *, 3> numbers; ///< the positions as numbers
        std::array<QProgressBar *, 3> bars; ///< the live bars between the deadzones
        std::array<QLabel *, 3> plates; ///< the plates the bars and handles sit on
        std::array<KestSlider *, 3> lows; ///< the low deadzone handles
        std::array<KestSlider *, 3> highs; ///< the high deadzone handles
        QCheckBox *clutch = nullptr;
        /// Shown only with the clutch enabled, on every page (the CLUTCH handles too).
        std::vector<QWidget *> clutchOnly;
        /// The pedal pictures behind the INPUTS and CALIBRATION pages.
        std::vector<QWidget *> backdrops;
        QWidget *boxParent = nullptr; ///< the window, for message boxes
    };

    InputsPage(const Widgets &widgets, kest::KestUnit &unit, QObject *parent = nullptr);

    /// Shows the newest positions (six bytes, one 16-bit value per pedal).
    void showPositions(const QByteArray &values);
    /// Reads the clutch mode into the switch and shows or hides what follows it; false
    /// when the unit did not answer.
    bool readClutch();
    /// Only reads the clutch mode into the switch.
    bool readClutchMode();
    /// Reads the unit's deadzones, which the handles then show; false (handles left
    /// alone) when the unit did not answer.
    bool loadDeadzones();
    void updateClutchVisibility();
    /// A handle was released: its page's deadzones go to the unit.
    void deadzoneChanged();
    /// The clutch switch was clicked.
    void clutchClicked();

private:
    /// Places the handles (and the bars between them) at the model's deadzones.
    void placeDeadzones();
    /// Makes the pedal pictures what the backdrops' style sheets show (waits for them).
    void installPictures();

    Widgets w;
    kest::KestUnit &unit;
};
