#include "kestunit.h"

#include "kestdevice.h"
#include "pedalmath.h"

#include <QDebug>

namespace kest {

KestUnit::KestUnit(QObject *parent) : QObject(parent) { }

bool KestUnit::readVersion()
{
    Report reply {};
    if (!deviceQuery(CMD_FIRMWARE_VERSION, 0, reply))
        return false;
    version = versionText(reply);
    if (version.endsWith(QLatin1Char(':')))
        version.chop(1);
    return true;
}

bool KestUnit::readClutchMode()
{
    std::uint32_t mode = 0;
    if (!deviceSettingRead(KESTIE_PEDAL_MODE, mode))
        return false;
    clutch = pedalModeEnabled(mode);
    return true;
}

bool KestUnit::readDeadzones()
{
    // Without an answer the table stays as it was, rather than the zeros of an
    // unanswered read, which the next write would commit.
    Report reply {};
    if (!deviceQuery(CMD_PEDAL_RANGE, RANGE_DEADZONE, reply))
        return false;
    setDeadzones(reply);
    return true;
}

void KestUnit::setDeadzones(const Report &table)
{
    deadzoneTable = table;
    Q_EMIT deadzonesChanged();
}

Outcome KestUnit::writeDeadzones(const RangeValues &values)
{
    if (!deviceIsOpen())
        return Outcome::ok();
    const Report table = rangeWrite(RANGE_DEADZONE, values, true);
    const bool sent = deviceWrite(table);
    // Unread, the table is what the unit took.
    if (!readDeadzones() && sent)
        setDeadzones(table);
    if (!sent)
        return Outcome::failed(tr("The deadzones were not saved: the pedal unit did not take "
                                  "them. It keeps the deadzones it had."));
    return Outcome::ok();
}

Outcome KestUnit::setClutch(bool enabled)
{
    if (!deviceIsOpen()) {
        clutch = enabled;
        return Outcome::ok();
    }
    const std::uint32_t c = enabled ? 1 : 0;
    std::uint32_t mode = 0;
    const bool read = deviceSettingRead(KESTIE_PEDAL_MODE, mode);
    if (read && mode == c) {
        clutch = enabled;
        return Outcome::ok();
    }
    if (read && deviceSettingWrite(KESTIE_PEDAL_MODE, c)) {
        qDebug("deviceSettingWrite KESTIE_PEDAL_MODE");
        clutch = enabled;
        return Outcome::ok();
    }
    // The state is what the unit keeps, not a wish it never received.
    return Outcome::failed(tr("The clutch setting was not changed: the pedal unit did not "
                              "answer. It keeps the setting it had."));
}

Outcome KestUnit::clearFlash()
{
    if (!deviceWrite(settingWrite(KESTIE_CLEAR_FLASH, 0, false)))
        return Outcome::failed(tr("The flash data was not cleared: the pedal unit did not take "
                                  "the command. It keeps the settings it had."));
    // The profiles went with the rest; a write cut off half-way is gone with them.
    forgetProfiles();
    return Outcome::ok();
}

bool KestUnit::observe(const QByteArray &values)
{
    bool widened = false;
    for (int p = 0; p < PEDAL_COUNT; ++p) {
        const std::uint16_t v = pedalPosition(values, p);
        auto &low = seen[std::size_t(2 * p)];
        auto &high = seen[std::size_t(2 * p + 1)];
        if (v < low || v > high)
            widened = widened || p == calibrating;
        if (v < low)
            low = v;
        if (v > high)
            high = v;
    }
    return widened;
}

void KestUnit::startWatch()
{
    if (calibrating < 0)
        return;
    seen[std::size_t(2 * calibrating)] = RAW_MAX;
    seen[std::size_t(2 * calibrating + 1)] = 0;
}

bool KestUnit::readRanges(Report &calibration, Report &deadzone)
{
    // Both tables go back as the unit sent them, but for one pedal's two values; a table
    // that was not read would send other pedals' bounds as zeros, or another read's reply.
    return deviceQuery(CMD_PEDAL_RANGE, RANGE_CALIBRATION, calibration)
        && deviceQuery(CMD_PEDAL_RANGE, RANGE_DEADZONE, deadzone);
}

Outcome KestUnit::startCalibration(int pedal)
{
    if (pedal < 0 || pedal >= PEDAL_COUNT)
        return Outcome::refused(QString());
    const QString notStarted = tr("The calibration did not start: the pedal unit did not "
                                  "answer. It keeps the calibration it had.");
    Report calibration {};
    Report deadzone {};
    if (!readRanges(calibration, deadzone))
        return Outcome::failed(notStarted);
    startCalibrationTable = calibration;
    startDeadzoneTable = deadzone;
    for (Report *table : {&calibration, &deadzone}) {
        setRangeValue(*table, 2 * pedal, 0);
        setRangeValue(*table, 2 * pedal + 1, RAW_MAX);
    }
    if (!deviceWrite(calibration))
        return Outcome::failed(notStarted);
    if (!deviceWrite(deadzone)) {
        // The neutral calibration is only in effect; the table just read goes back.
        Report back = startCalibrationTable;
        back[RANGE_COMMIT_POS] = 0;
        deviceWrite(back);
        return Outcome::failed(notStarted);
    }
    calibrating = pedal;
    Q_EMIT calibrationChanged(pedal);
    return Outcome::ok();
}

bool KestUnit::travelSeen() const
{
    if (calibrating < 0)
        return false;
    // No travel when no position arrived since the watch began (low 65535, high 0), nor
    // when the pedal rested or barely moved: the margin added to the low bound would lift
    // it to or over the high one, and the unit would keep that inverted range.
    const std::uint16_t low = calibratedLow(calibrating, seen[std::size_t(2 * calibrating)]);
    return low < seen[std::size_t(2 * calibrating + 1)];
}

Outcome KestUnit::saveCalibration()
{
    const int p = calibrating;
    if (p < 0)
        return Outcome::refused(QString());
    Report calibration {};
    Report deadzone {};
    if (!readRanges(calibration, deadzone))
        return Outcome::failed(tr("The calibration was not saved: the pedal unit did not "
                                  "answer. It keeps the calibration it had; press SAVE to try "
                                  "again."));
    if (!travelSeen()) {
        pendingCalibration = calibration;
        pendingDeadzone = deadzone;
        return Outcome::refused(tr("Move the pedal through its whole travel, then save."));
    }
    const int lowIndex = 2 * p;
    const int highIndex = 2 * p + 1;
    calibration[RANGE_COMMIT_POS] = COMMIT_BYTE;
    setRangeValue(calibration, lowIndex, calibratedLow(p, seen[std::size_t(lowIndex)]));
    setRangeValue(calibration, highIndex, seen[std::size_t(highIndex)]);
    if (!deviceWrite(calibration))
        return Outcome::failed(tr("The calibration was not saved: the pedal unit did not take "
                                  "it. It keeps the calibration it had; press SAVE to try "
                                  "again."));

    // What the unit keeps of this pedal's deadzones unless the cleared ones arrive.
    Report keptDeadzone = deadzone;
    for (int k : {lowIndex, highIndex})
        setRangeValue(keptDeadzone, k, rangeValue(startDeadzoneTable, k));
    deadzone[RANGE_COMMIT_POS] = COMMIT_BYTE;
    setRangeValue(deadzone, lowIndex, 0);
    setRangeValue(deadzone, highIndex, RAW_MAX);
    const bool cleared = deviceWrite(deadzone);

    // The table is what the unit keeps: the cleared deadzones, or, when they did not
    // arrive, the ones it had, not the neutral ones it has in effect since the start.
    // Otherwise the next write would commit values it never kept.
    if (!cleared)
        setDeadzones(keptDeadzone);
    else if (!readDeadzones())
        setDeadzones(deadzone);
    endCalibration();
    if (!cleared)
        return Outcome::failed(tr("The calibration was saved, but the pedal unit did not take "
                                  "the cleared deadzones of this pedal: it keeps the deadzones "
                                  "it had."));
    return Outcome::ok();
}

bool KestUnit::restoreStart(Report calibration, Report &deadzone)
{
    // Only this pedal's bounds go back, as they were when its calibration started: the
    // other pedals' may have changed since. Into effect only, since what the unit keeps
    // did not change during the calibration.
    for (int k : {2 * calibrating, 2 * calibrating + 1}) {
        setRangeValue(calibration, k, rangeValue(startCalibrationTable, k));
        setRangeValue(deadzone, k, rangeValue(startDeadzoneTable, k));
    }
    calibration[RANGE_COMMIT_POS] = 0;
    deadzone[RANGE_COMMIT_POS] = 0;
    return deviceWrite(calibration) && deviceWrite(deadzone);
}

Outcome KestUnit::cancelCalibration()
{
    if (calibrating < 0)
        return Outcome::refused(QString());
    Report deadzone = pendingDeadzone;
    const bool restored = restoreStart(pendingCalibration, deadzone);
    // Without the restore the unit has this pedal's neutral deadzones in effect but keeps
    // the ones it had: the table says what it keeps, so that the next write commits
    // nothing it never had.
    if (!restored || !readDeadzones())
        setDeadzones(deadzone);
    endCalibration();
    if (!restored)
        return Outcome::failed(tr("The pedal unit did not take back the calibration it had; "
                                  "plug it in again to bring it back."));
    return Outcome::ok();
}

void KestUnit::endCalibration()
{
    calibrating = -1;
    Q_EMIT calibrationChanged(-1);
}

} // namespace kest
