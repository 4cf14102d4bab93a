#pragma once

// What the program knows about the pedal unit, and the operations on it, without a
// widget: the clutch mode, the deadzone table, a calibration under way and the travel
// seen. The pages show this state and call these operations; each operation sends
// exactly the exchanges the unit expects and says how it ended.

#include "kestreport.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>

namespace kest {

/// How an operation ended.
struct Outcome
{
    enum Status {
        Done, ///< the unit took everything the operation sent
        Refused, ///< nothing was sent: `message` says why, as the user is told
        Failed, ///< an exchange failed: `message` says what the unit keeps
    };
    Status status = Done;
    QString message;

    bool done() const { return status == Done; }
    static Outcome ok() { return {}; }
    static Outcome refused(const QString &why) { return {Refused, why}; }
    static Outcome failed(const QString &what) { return {Failed, what}; }
};

class KestUnit : public QObject
{
    Q_OBJECT

public:
    explicit KestUnit(QObject *parent = nullptr);

    // --- the unit's state, as last read (or as written where a read back failed) -------
    bool clutchEnabled() const { return clutch; }
    /// The deadzone table: the unit's reply, or the table it was last sent.
    const Report &deadzones() const { return deadzoneTable; }
    /// The pedal under calibration, -1 when none.
    int calibratingPedal() const { return calibrating; }
    /// The lowest and highest position seen of each pedal (low, high per pedal).
    const std::array<std::uint16_t, 6> &observed() const { return seen; }

    /// The firmware version text as the unit last reported it; empty before the first
    /// attach. It stays when the unit goes away.
    const QString &firmwareVersion() const { return version; }

    // --- reads --------------------------------------------------------------------------
    /// Reads the firmware version; false (state unchanged) when the unit did not answer.
    bool readVersion();
    /// Reads the clutch mode; false (state unchanged) when the unit did not answer.
    bool readClutchMode();
    /// Reads the deadzone table; false (state unchanged) when the unit did not answer.
    bool readDeadzones();

    // --- the INPUTS page ----------------------------------------------------------------
    /// Commits a whole deadzone table, then reads it back. A pedal left out by a disabled
    /// clutch goes as the neutral range.
    Outcome writeDeadzones(const RangeValues &values);
    /// Switches the clutch pedal on or off: read, compare, and commit only a change.
    Outcome setClutch(bool enabled);

    // --- calibration --------------------------------------------------------------------
    /// Every input report: widens the travel seen. True when the calibrating pedal's
    /// travel grew.
    bool observe(const QByteArray &values);
    /// Half a second after a start: the travel of the calibrating pedal is seen anew.
    void startWatch();
    /// Starts pedal p's calibration: both tables read, p's bounds neutral in effect.
    Outcome startCalibration(int pedal);
    /// Whether the travel seen gives the calibrating pedal a range to keep.
    bool travelSeen() const;
    /// Saves the calibration under way: the bounds seen, committed, and p's deadzones
    /// cleared. Refused (nothing sent, the calibration goes on) while no travel was seen:
    /// the caller may then cancel.
    Outcome saveCalibration();
    /// Cancels the calibration under way: the pedal's bounds of the start go back into
    /// effect (the unit kept them all along).
    Outcome cancelCalibration();
    /// The unit was lost or attached anew: a calibration under way ends without a word.
    void abandonCalibration() { calibrating = -1; }

Q_SIGNALS:
    /// The deadzone table changed (read, or written without a read back).
    void deadzonesChanged();
    /// A calibration started (pedal) or ended (-1).
    void calibrationChanged(int pedal);

private:
    /// Reads both range tables; false when either read failed.
    bool readRanges(Report &calibration, Report &deadzone);
    /// Puts the calibrating pedal's bounds of the start back into effect in the two tables
    /// just read; `deadzone` becomes the deadzone table sent back. Whether both went out.
    bool restoreStart(Report calibration, Report &deadzone);
    void setDeadzones(const Report &table);
    void endCalibration();

    QString version;
    bool clutch = true;
    Report deadzoneTable {};
    int calibrating = -1;
    std::array<std::uint16_t, 6> seen {65535, 0, 65535, 0, 65535, 0};
    /// Both range tables as the unit reported them when the calibration under way
    /// started: a cancel puts the pedal's bounds back into effect.
    Report startCalibrationTable {};
    Report startDeadzoneTable {};
    /// The tables read by a save that found no travel, for the cancel that may follow.
    Report pendingCalibration {};
    Report pendingDeadzone {};
};

} // namespace kest
