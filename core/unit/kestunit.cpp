#include "kestunit.h"

#include "diagnostics.h"
#include "kestdevice.h"
#include "pedalmath.h"
#include "rangetable.h"

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
    setDeadzones(pedalRanges(reply));
    return true;
}

bool KestUnit::readCalibration()
{
    Report reply {};
    if (!deviceQuery(CMD_PEDAL_RANGE, RANGE_CALIBRATION, reply))
        return false;
    calibrationRanges = pedalRanges(reply);
    return true;
}

void KestUnit::setDeadzones(const PedalRanges &ranges)
{
    deadzoneRanges = ranges;
    Q_EMIT deadzonesChanged();
}

DeadzonePercent KestUnit::deadzonePercent(int pedal) const
{
    if (pedal < 0 || pedal >= PEDAL_COUNT)
        return {};
    return deadzoneRanges[std::size_t(pedal)].deadzone();
}

KestUnit::ReadBack KestUnit::readBackDeadzones(const PedalRanges &before,
                                               const PedalRanges &written)
{
    // The unit may answer a read right after a write with its reply to the read before
    // it: the table as it was. Where the write changed the table, such a reply is read
    // once more; only a second one says that the unit still has the old values.
    for (int attempt = 0; attempt < 2; ++attempt) {
        Report reply {};
        if (!deviceQuery(CMD_PEDAL_RANGE, RANGE_DEADZONE, reply))
            return ReadBack::Unread;
        const PedalRanges got = pedalRanges(reply);
        if (got != before || got == written) {
            setDeadzones(got);
            return ReadBack::Believed;
        }
    }
    return ReadBack::Stale;
}

namespace {

/// The deadzones of the pedals whose deadzones differ between two tables, as the
/// handles show them: "BRAKE low 10 % and high 10 %".
QString differingDeadzones(const PedalRanges &shown, const PedalRanges &other)
{
    QStringList pedals;
    for (int p = 0; p < PEDAL_COUNT; ++p) {
        const DeadzonePercent d = shown[std::size_t(p)].deadzone();
        if (shown[std::size_t(p)] != other[std::size_t(p)])
            pedals << KestUnit::tr("%1 low %2 % and high %3 %")
                          .arg(KestUnit::pedalName(p))
                          .arg(d.low)
                          .arg(d.high);
    }
    return pedals.join(QStringLiteral(", "));
}

} // namespace

Outcome KestUnit::writeDeadzones(const DeadzonePercents &percents)
{
    PedalRanges ranges;
    for (int p = 0; p < PEDAL_COUNT; ++p)
        if (p > 0 || clutch)
            ranges[std::size_t(p)] = PedalRange::fromDeadzone(percents[std::size_t(p)]);
    return commitDeadzones(ranges);
}

Outcome KestUnit::setDeadzone(int pedal, const DeadzonePercent &percent)
{
    if (pedal < 0 || pedal >= PEDAL_COUNT)
        return Outcome::refused(QString());
    if (pedal == 0 && !clutch)
        return Outcome::refused(tr("The clutch pedal is switched off: it has no deadzones to "
                                   "set."));
    for (int d : {percent.low, percent.high})
        if (d < 0 || d > DEADZONE_MAX_PERCENT)
            return Outcome::refused(
                tr("A deadzone is a whole percent from 0 to %1.").arg(DEADZONE_MAX_PERCENT));
    // The other handles stand where the table the unit reported places them.
    DeadzonePercents percents;
    for (int p = 0; p < PEDAL_COUNT; ++p)
        percents[std::size_t(p)] = p == pedal ? percent : deadzonePercent(p);
    return writeDeadzones(percents);
}

Outcome KestUnit::commitDeadzones(const PedalRanges &ranges)
{
    if (!deviceIsOpen())
        return Outcome::ok();
    const PedalRanges before = deadzoneRanges;
    if (!deviceWrite(rangeWrite(RANGE_DEADZONE, rangeValues(ranges), true))) {
        readDeadzones();
        return Outcome::failed(tr("The deadzones were not saved: the pedal unit did not take "
                                  "them. It keeps the deadzones it had."));
    }
    switch (readBackDeadzones(before, ranges)) {
    case ReadBack::Believed:
        break;
    case ReadBack::Unread:
        // Unread, the table is what the unit took.
        setDeadzones(ranges);
        break;
    case ReadBack::Stale:
        // Twice the old table: the handles go back to what the unit keeps, so that the
        // next release does not commit values it never took.
        setDeadzones(before);
        return Outcome::failed(tr("The deadzones were not saved: the pedal unit still reports "
                                  "the ones it had (%1). It keeps the deadzones it had.")
                                   .arg(differingDeadzones(before, ranges)));
    }
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
        qCDebug(kest::lcDiagnostics, "deviceSettingWrite KESTIE_PEDAL_MODE");
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
        PedalRange &range = seen[std::size_t(p)];
        if (v < range.low || v > range.high)
            widened = widened || p == calibrating;
        if (v < range.low)
            range.low = v;
        if (v > range.high)
            range.high = v;
    }
    return widened;
}

PedalRange KestUnit::observedRange(int pedal) const
{
    if (pedal < 0 || pedal >= PEDAL_COUNT)
        return {RAW_MAX, 0};
    return seen[std::size_t(pedal)];
}

void KestUnit::startWatch()
{
    if (calibrating < 0)
        return;
    seen[std::size_t(calibrating)] = {RAW_MAX, 0};
    watchBegun = true;
}

bool KestUnit::readRanges(Report &calibration, Report &deadzone)
{
    // Both tables go back as the unit sent them, but for one pedal's two values; a table
    // that was not read would send other pedals' bounds as zeros, or another read's reply.
    return deviceQuery(CMD_PEDAL_RANGE, RANGE_CALIBRATION, calibration)
        && deviceQuery(CMD_PEDAL_RANGE, RANGE_DEADZONE, deadzone);
}

std::optional<Outcome> KestUnit::calibrationRefusal(int pedal) const
{
    if (pedal < 0 || pedal >= PEDAL_COUNT || pedal == calibrating)
        return Outcome::refused(QString());
    // One pedal at a time: the unit has one neutral range in effect to give back.
    if (calibrating >= 0)
        return Outcome::refused(tr("Please save other channel calibrate first."));
    if (pedal == 0 && !clutch)
        return Outcome::refused(tr("The clutch pedal is switched off: switch it on first."));
    return std::nullopt;
}

Outcome KestUnit::startCalibration(int pedal)
{
    if (const auto refusal = calibrationRefusal(pedal))
        return *refusal;
    const QString notStarted = tr("The calibration did not start: the pedal unit did not "
                                  "answer. It keeps the calibration it had.");
    Report calibration {};
    Report deadzone {};
    if (!readRanges(calibration, deadzone))
        return Outcome::failed(notStarted);
    const Report startCalibrationTable = calibration;
    const PedalRange keptDeadzone = pedalRange(deadzone, pedal);
    for (Report *table : {&calibration, &deadzone})
        setPedalRange(*table, pedal, PedalRange());
    if (!deviceWrite(calibration))
        return Outcome::failed(notStarted);
    if (!deviceWrite(deadzone)) {
        // The neutral calibration is only in effect; the table just read goes back.
        Report back = startCalibrationTable;
        back[RANGE_COMMIT_POS] = 0;
        deviceWrite(back);
        return Outcome::failed(notStarted);
    }
    startCalibrationRange = pedalRange(startCalibrationTable, pedal);
    startDeadzoneRange = keptDeadzone;
    calibrating = pedal;
    watchBegun = false;
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
    const PedalRange &range = seen[std::size_t(calibrating)];
    return calibratedLow(calibrating, range.low) < range.high;
}

QString KestUnit::travelText() const
{
    if (calibrating < 0)
        return QString();
    const PedalRange &range = seen[std::size_t(calibrating)];
    // Before the watch begins, or before its first position, there is no travel to show.
    if (!watchBegun || range.low > range.high)
        return tr("no travel seen yet");
    return tr("travel seen %1 to %2 (%3 %)")
        .arg(range.low)
        .arg(range.high)
        .arg(range.spanPercent());
}

QString KestUnit::calibrationCancelledText(int pedal)
{
    return tr("Calibration cancelled: the %1 keeps the calibration it had.").arg(pedalName(pedal));
}

PedalRange KestUnit::calibrationToSave() const
{
    if (calibrating < 0)
        return {};
    const PedalRange &range = seen[std::size_t(calibrating)];
    return {calibratedLow(calibrating, range.low), range.high};
}

std::optional<DeadzonePercent> KestUnit::deadzonesResetBySave(int pedal) const
{
    // The deadzones as the handles show them: where they show none, nothing is lost.
    const DeadzonePercent d = deadzonePercent(pedal);
    if (pedal < 0 || pedal >= PEDAL_COUNT || d.isNone())
        return std::nullopt;
    return d;
}

QString KestUnit::deadzoneResetText(int pedal) const
{
    const auto reset = deadzonesResetBySave(pedal);
    if (!reset)
        return QString();
    return tr("Saving the %1 calibration also resets its deadzones: low %2 % and high %3 % go "
              "back to 0 %, and the new travel counts from 0 to 100 %. You can set them again "
              "on the INPUTS page afterwards.")
        .arg(pedalName(pedal))
        .arg(reset->low)
        .arg(reset->high);
}

Outcome KestUnit::saveCalibration(bool resetConfirmed)
{
    const int p = calibrating;
    if (p < 0)
        return Outcome::refused(QString());
    if (!travelSeen())
        return Outcome::refused(tr("Move the pedal through its whole travel, then save."));
    if (!resetConfirmed && deadzonesResetBySave(p))
        return Outcome::refused(deadzoneResetText(p));
    Report calibration {};
    Report deadzone {};
    if (!readRanges(calibration, deadzone))
        return Outcome::failed(tr("The calibration was not saved: the pedal unit did not "
                                  "answer. It keeps the calibration it had; press SAVE to try "
                                  "again."));
    calibration[RANGE_COMMIT_POS] = COMMIT_BYTE;
    setPedalRange(calibration, p, calibrationToSave());
    if (!deviceWrite(calibration))
        return Outcome::failed(tr("The calibration was not saved: the pedal unit did not take "
                                  "it. It keeps the calibration it had; press SAVE to try "
                                  "again."));

    // What the unit keeps of this pedal's deadzones unless the cleared ones arrive.
    PedalRanges keptDeadzones = pedalRanges(deadzone);
    keptDeadzones[std::size_t(p)] = startDeadzoneRange;
    deadzone[RANGE_COMMIT_POS] = COMMIT_BYTE;
    setPedalRange(deadzone, p, PedalRange());
    const bool cleared = deviceWrite(deadzone);

    // The table is what the unit keeps: the cleared deadzones, or, when they did not
    // arrive, the ones it had, not the neutral ones it has in effect since the start.
    // Otherwise the next write would commit values it never kept.
    if (!cleared)
        setDeadzones(keptDeadzones);
    else if (!readDeadzones())
        setDeadzones(pedalRanges(deadzone));
    endCalibration();
    if (!cleared)
        return Outcome::failed(tr("The calibration was saved, but the pedal unit did not take "
                                  "the cleared deadzones of this pedal: it keeps the deadzones "
                                  "it had."));
    return Outcome::ok();
}

Outcome KestUnit::cancelCalibration()
{
    const int p = calibrating;
    if (p < 0)
        return Outcome::refused(QString());
    const QString notRestored = tr("The pedal unit did not take back the calibration it had; "
                                   "plug it in again to bring it back.");
    // Both tables as the unit has them now: the other pedals' bounds go back as it
    // reports them, which may have changed since the start. Only this pedal's bounds of
    // the start go back, into effect only: what the unit keeps did not change.
    Report calibration {};
    Report deadzone {};
    if (!readRanges(calibration, deadzone)) {
        // The model's table still says what the unit keeps.
        endCalibration();
        return Outcome::failed(notRestored);
    }
    const PedalRanges inEffect = pedalRanges(deadzone);
    setPedalRange(calibration, p, startCalibrationRange);
    setPedalRange(deadzone, p, startDeadzoneRange);
    calibration[RANGE_COMMIT_POS] = 0;
    deadzone[RANGE_COMMIT_POS] = 0;
    const PedalRanges restored = pedalRanges(deadzone);
    const bool sent = deviceWrite(calibration) && deviceWrite(deadzone);
    const ReadBack back = sent ? readBackDeadzones(inEffect, restored) : ReadBack::Unread;
    // Without the restore the unit has this pedal's neutral deadzones in effect but keeps
    // the ones it had: the table says what it keeps, so that the next write commits
    // nothing it never had.
    if (back != ReadBack::Believed)
        setDeadzones(restored);
    endCalibration();
    if (!sent)
        return Outcome::failed(notRestored);
    if (back == ReadBack::Stale) {
        const DeadzonePercent kept = startDeadzoneRange.deadzone();
        return Outcome::failed(tr("The pedal unit did not take back the deadzones of the %1: it "
                                  "still reports none, and keeps low %2 % and high %3 %; plug "
                                  "it in again to bring them back.")
                                   .arg(pedalName(p))
                                   .arg(kept.low)
                                   .arg(kept.high));
    }
    return Outcome::ok();
}

void KestUnit::endCalibration()
{
    calibrating = -1;
    watchBegun = false;
    Q_EMIT calibrationChanged(-1);
}

} // namespace kest
