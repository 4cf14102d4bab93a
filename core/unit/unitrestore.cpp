// Restoring a backup: everything it holds goes back into the unit, the file checked whole
// before the first exchange, and each setting read first and written only where it
// differs, so that a restore of the state the unit has writes nothing to its flash.

#include "kestunit.h"

#include "kestdevice.h"
#include "profileini.h"
#include "rangetable.h"
#include "unitslots.h"

#include <QDir>

namespace kest {

namespace {

PedalRanges pedalRangesOf(const RangeTable &table)
{
    PedalRanges ranges;
    for (std::size_t p = 0; p < ranges.size(); ++p)
        ranges[p] = {table[2 * p], table[2 * p + 1]};
    return ranges;
}

/// Why a restore does not take a backup's ranges, or nothing.
QString rangesProblem(const UnitBackup &backup)
{
    for (int p = 0; p < PEDAL_COUNT; ++p) {
        const PedalRange &c = backup.calibration[std::size_t(p)];
        // An inverted or empty calibration leaves the pedal no travel at all.
        if (c.low >= c.high)
            return KestUnit::tr("The backup's calibration of the %1 runs from %2 to %3: its "
                                "low bound must be below its high bound.")
                .arg(KestUnit::pedalName(p))
                .arg(c.low)
                .arg(c.high);
        const DeadzonePercent d = backup.deadzones[std::size_t(p)].deadzone();
        if (d.low > DEADZONE_MAX_PERCENT || d.high > DEADZONE_MAX_PERCENT)
            return KestUnit::tr("The backup's deadzones of the %1 (low %2 %, high %3 %) lie "
                                "beyond the handles' travel of 0 to %4 %.")
                .arg(KestUnit::pedalName(p))
                .arg(d.low)
                .arg(d.high)
                .arg(DEADZONE_MAX_PERCENT);
    }
    return QString();
}

/// Puts one slot as the backup has it: its profile, or free. A slot that is free already
/// (erased or cleared) stays as it is.
bool restoreSlot(int slot, const ProfileTable &table, bool *cutOff)
{
    for (const ProfileEntry &p : table.profiles)
        if (p.record.slot == slot)
            return writeProfileSlot(slot, p.name, p.record, cutOff);
    Report nameReply {};
    if (!deviceQuery(CMD_PROFILE_NAME, std::uint8_t(slot), nameReply))
        return false;
    return isFreeSlotReply(nameReply) || clearProfileSlot(slot, cutOff);
}

} // namespace

Outcome KestUnit::checkBackupFile(const QString &fileName, UnitBackup *backup, bool *holdsSettings)
{
    if (holdsSettings)
        *holdsSettings = false;
    if (!isProfileFileName(fileName))
        return Outcome::refused(tr("Please choose INI file"));
    ProfileTable table;
    BackupSettings settings;
    QString problem;
    if (!readProfileFile(fileName, table, &problem, &settings))
        return Outcome::refused(tr("INI file is not valid.") + QLatin1Char('\n') + problem);
    if (holdsSettings)
        *holdsSettings = settings.any();
    if (!settings.any())
        return Outcome::refused(tr("%1 holds profiles only: it is no backup of the unit's "
                                   "settings.")
                                    .arg(QDir::toNativeSeparators(fileName)));
    static const char *const keys[] = {"CLUTCH", "BRAKE", "THROTTLE"};
    const std::pair<QString, unsigned> sections[]
        = {{calibrationSection(), settings.calibrationPedals},
           {deadzoneSection(), settings.deadzonePedals}};
    for (const auto &[section, pedals] : sections)
        for (int p = 0; p < PEDAL_COUNT; ++p)
            if (!(pedals & (1u << p)))
                return Outcome::refused(tr("The backup is not whole: its section [%1] has no "
                                           "key %2.")
                                            .arg(section)
                                            .arg(QLatin1String(keys[p])));
    UnitBackup read {table, pedalRangesOf(settings.calibration), pedalRangesOf(settings.deadzones),
                     settings.clutch};
    const QString why = rangesProblem(read);
    if (!why.isEmpty())
        return Outcome::refused(why);
    if (backup)
        *backup = read;
    return Outcome::ok();
}

QString KestUnit::backupSettingsText(const UnitBackup &backup)
{
    QStringList lines {tr("Calibration (raw, % of travel):")};
    for (int p = 0; p < PEDAL_COUNT; ++p) {
        const PedalRange &c = backup.calibration[std::size_t(p)];
        lines << QStringLiteral("  ")
                + tr("%1 %2 (%3 %) to %4 (%5 %)")
                      .arg(pedalName(p))
                      .arg(c.low)
                      .arg(c.lowPercent())
                      .arg(c.high)
                      .arg(c.highPercent());
    }
    lines << tr("Deadzones (% as the handles show them, raw):");
    for (int p = 0; p < PEDAL_COUNT; ++p) {
        const PedalRange &r = backup.deadzones[std::size_t(p)];
        const DeadzonePercent d = r.deadzone();
        lines << QStringLiteral("  ")
                + tr("%1 low %2 % (%3), high %4 % (%5)")
                      .arg(pedalName(p))
                      .arg(d.low)
                      .arg(r.low)
                      .arg(d.high)
                      .arg(r.high);
    }
    if (backup.clutch)
        lines << (*backup.clutch ? tr("Clutch pedal: on") : tr("Clutch pedal: off"));
    return lines.join(QLatin1Char('\n'));
}

Outcome KestUnit::restoreBackup(const UnitBackup &backup)
{
    // Checked again: a backup is taken only as a whole.
    const QString problem = rangesProblem(backup);
    if (!problem.isEmpty())
        return Outcome::refused(problem);
    if (calibrating >= 0)
        return Outcome::refused(tr("A calibration is under way: save or cancel it first."));

    enum Step { ClutchStep, CalibrationStep, DeadzoneStep, ProfileStep, ChoiceStep, StepCount };
    const QString names[StepCount] = {tr("clutch setting"), tr("calibration"), tr("deadzones"),
                                      tr("profiles"), tr("choice of active profiles")};
    int slotsDone = 0;
    bool cutOff = false;
    // What the unit has of the backup and what it keeps as it had, when step `at` failed.
    const auto stopped = [&](int at) {
        QStringList has;
        QStringList keeps;
        for (int s = 0; s < StepCount; ++s) {
            if (s == ClutchStep && !backup.clutch)
                continue;
            if (s == ProfileStep && at == ProfileStep && slotsDone > 0) {
                has << tr("profiles of slots 0 to %1").arg(slotsDone - 1);
                keeps << tr("profiles of slots %1 to 15").arg(slotsDone);
                continue;
            }
            (s < at ? has : keeps) << names[s];
        }
        if (at >= ProfileStep) {
            if (cutOff)
                unsettled = true;
            readProfiles();
        }
        QString text = tr("The restore stopped part-way: the pedal unit did not answer.");
        if (!has.isEmpty())
            text += QLatin1Char(' ')
                + tr("It has the backup's %1.").arg(has.join(QStringLiteral(", ")));
        text += QLatin1Char(' ')
            + tr("It keeps the %1 it had.").arg(keeps.join(QStringLiteral(", ")));
        if (cutOff)
            text += QLatin1Char(' ') + unsettledText();
        return Outcome::failed(text);
    };

    if (backup.clutch) {
        const std::uint32_t wanted = *backup.clutch ? 1 : 0;
        std::uint32_t mode = 0;
        if (!deviceSettingRead(KESTIE_PEDAL_MODE, mode)
            || (mode != wanted && !deviceSettingWrite(KESTIE_PEDAL_MODE, wanted)))
            return stopped(ClutchStep);
        clutch = *backup.clutch;
    }

    Report table {};
    if (!deviceQuery(CMD_PEDAL_RANGE, RANGE_CALIBRATION, table)
        || (pedalRanges(table) != backup.calibration
            && !deviceWrite(rangeWrite(RANGE_CALIBRATION, rangeValues(backup.calibration), true))))
        return stopped(CalibrationStep);
    calibrationRanges = backup.calibration;

    table = Report {};
    if (!deviceQuery(CMD_PEDAL_RANGE, RANGE_DEADZONE, table))
        return stopped(DeadzoneStep);
    // Raw, as the backup has them: the read back tells a write the unit did not take.
    if (pedalRanges(table) == backup.deadzones)
        setDeadzones(backup.deadzones);
    else if (!commitDeadzones(backup.deadzones).done())
        return stopped(DeadzoneStep);

    for (; slotsDone < PROFILE_SLOT_COUNT; ++slotsDone)
        if (!restoreSlot(slotsDone, backup.profiles, &cutOff))
            return stopped(ProfileStep);
    unsettled = false; // every slot is as the backup has it: none holds a stray name

    std::uint32_t word = 0;
    if (!deviceSettingRead(KESTIE_ACTIVE_PROFILE, word)
        || (word != backup.profiles.index
            && !deviceSettingWrite(KESTIE_ACTIVE_PROFILE, backup.profiles.index)))
        return stopped(ChoiceStep);
    if (!readProfiles())
        return Outcome::failed(tr("The backup was restored, but the profile lists could not be "
                                  "read back from the pedal unit. They are read again before "
                                  "anything else is stored."));
    if (!backup.clutch)
        return Outcome::doneWithNote(tr("The backup holds no clutch setting (it was made before "
                                        "backups kept it): the unit keeps the one it had."));
    return Outcome::ok();
}

} // namespace kest
