#pragma once

// What the program knows about the pedal unit, and the operations on it, without a
// widget: the clutch mode, the deadzone table, a calibration under way and the travel
// seen. The pages show this state and call these operations; each operation sends
// exactly the exchanges the unit expects and says how it ended.

#include "kestreport.h"
#include "pedalrange.h"
#include "profileini.h"
#include "profileslots.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

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
    /// Done, with a note for the user on what was left out.
    static Outcome doneWithNote(const QString &note) { return {Done, note}; }
};

/// A profile the unit keeps: its name and its record. The record's own slot number
/// identifies it, as the unit's active-profile word does.
struct UnitProfile
{
    QString name;
    SlotRecord record;
    int slot() const { return record.slot; }
};

/// Each pedal's profile by name, for a choice for now; an empty name leaves the pedal's
/// choice as it is.
using ProfileNames = std::array<QString, PEDAL_COUNT>;

/// Everything a backup puts back, checked whole: the profile table and choice, both range
/// tables and, from backups that hold it, the clutch mode.
struct UnitBackup
{
    ProfileTable profiles;
    PedalRanges calibration {};
    PedalRanges deadzones {};
    std::optional<bool> clutch; ///< none in backups made before it was kept
};

/// A slot whose record names no pedal: kept as it is, counted as used, in no list.
struct StraySlot
{
    int slot;
    QString name;
};

/// From a calibration's start to the watch of the pedal's travel: the time the unit
/// takes to put the neutral range into effect, whose positions are not the pedal's.
constexpr int CALIBRATION_WATCH_DELAY_MS = 500;

/// How far each deadzone handle travels: 0 to 21 % from its end.
constexpr int DEADZONE_MAX_PERCENT = 21;

/// Each pedal's deadzones in percent, as the handles show them, in pedal order.
using DeadzonePercents = std::array<DeadzonePercent, PEDAL_COUNT>;

/// How many backups the backup folder keeps: the newest ones.
constexpr int BACKUPS_KEPT = 20;

/// The folder of the backups made before every operation that changes the unit for good:
/// "backups" in the window's data folder, for kestctl too.
QString backupFolder();
/// Where the next backup goes: a name in backupFolder() that no file has yet, made of
/// the time (UTC, to the millisecond) and a number that keeps two of one moment apart,
/// so that the names sort as the backups were made.
QString nextBackupPath();
/// Whether a file name is one that nextBackupPath() gives.
bool isBackupFileName(const QString &fileName);
/// Deletes all but the newest `keep` backups of a folder: only files named as this
/// program names its backups, and never one of `spared` (paths), which count among the
/// kept. Returns how many it deleted.
int pruneBackups(const QString &folder, int keep = BACKUPS_KEPT,
                 const QStringList &spared = QStringList());

class KestUnit : public QObject
{
    Q_OBJECT

public:
    explicit KestUnit(QObject *parent = nullptr);

    // --- the unit's state, as last read (or as written where a read back failed) -------
    bool clutchEnabled() const { return clutch; }
    /// The deadzones the unit keeps, as it last reported them (or as it was last sent
    /// them where a read back failed).
    const PedalRanges &deadzones() const { return deadzoneRanges; }
    /// The calibration the unit reported to the latest readCalibration().
    const PedalRanges &calibration() const { return calibrationRanges; }
    /// A pedal's deadzones in percent, as its handles show them.
    DeadzonePercent deadzonePercent(int pedal) const;
    /// The pedal under calibration, -1 when none.
    int calibratingPedal() const { return calibrating; }
    /// The lowest and highest position of a pedal seen since its watch began (low above
    /// high while none came).
    PedalRange observedRange(int pedal) const;

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
    /// Reads the calibration table; false (state unchanged) when the unit did not answer.
    bool readCalibration();

    // --- the INPUTS page ----------------------------------------------------------------
    /// Commits every pedal's deadzones (what the handles show), then reads the table
    /// back. The CLUTCH's go as none while the clutch is switched off. A read back that
    /// repeats the table as it was before, where the write changed it, is read once more;
    /// a second such reply means the unit did not take the write: failed, and the model
    /// keeps what the unit reports.
    Outcome writeDeadzones(const DeadzonePercents &percents);
    /// Sets one pedal's deadzones, the others as the unit keeps them (as their handles
    /// show them): the write of a release of that pedal's handle. Refused for the CLUTCH
    /// while it is switched off, and beyond the handles' travel.
    Outcome setDeadzone(int pedal, const DeadzonePercent &percent);
    /// Switches the clutch pedal on or off: read, compare, and commit only a change.
    Outcome setClutch(bool enabled);

    /// Erases every setting the unit keeps in its flash (one command, not committed).
    /// The state read before is then out of date: read it anew.
    Outcome clearFlash();

    // --- calibration --------------------------------------------------------------------
    /// Every input report: widens the travel seen. True when the calibrating pedal's
    /// travel grew.
    bool observe(const QByteArray &values);
    /// CALIBRATION_WATCH_DELAY_MS after a start: the travel of the calibrating pedal is
    /// seen anew.
    void startWatch();
    /// Whether the watch of the calibration under way has begun.
    bool watching() const { return calibrating >= 0 && watchBegun; }
    /// Starts pedal p's calibration: both tables read, p's bounds neutral in effect.
    /// Refused while another pedal calibrates (one at a time), and for the CLUTCH while
    /// it is switched off.
    Outcome startCalibration(int pedal);
    /// Whether the travel seen gives the calibrating pedal a range to keep.
    bool travelSeen() const;
    /// What the calibrating pedal's travel seen looks like to the user: none yet, or its
    /// bounds and span.
    QString travelText() const;
    /// What a cancel that worked tells the user: the pedal keeps the calibration it had.
    static QString calibrationCancelledText(int pedal);
    /// The bounds a save would store now for the calibrating pedal.
    PedalRange calibrationToSave() const;
    /// Why startCalibration(pedal) would refuse, without sending anything; nothing when
    /// it would go to the unit.
    std::optional<Outcome> calibrationRefusal(int pedal) const;
    /// The deadzones in percent that saving pedal p's calibration would reset to none;
    /// nothing when they are none already. A save that resets some needs the user's
    /// consent, which a front asks for before the save (or before the start).
    std::optional<DeadzonePercent> deadzonesResetBySave(int pedal) const;
    /// What such a save resets, for the question that asks for consent; empty when it
    /// resets nothing.
    QString deadzoneResetText(int pedal) const;
    /// Saves the calibration under way: the bounds seen, committed, and p's deadzones
    /// cleared. Refused (nothing sent, the calibration goes on) while no travel was seen
    /// (the caller may then cancel), and when it would reset deadzones without
    /// `resetConfirmed`.
    Outcome saveCalibration(bool resetConfirmed = false);
    /// Cancels the calibration under way: both tables read, and the pedal's bounds of the
    /// start go back into effect (the unit kept them all along). The calibration ends in
    /// any case.
    Outcome cancelCalibration();
    /// The unit was lost or attached anew: a calibration under way ends without a word.
    void abandonCalibration() { calibrating = -1; }

    // --- profiles -----------------------------------------------------------------------
    /// Each pedal's profiles, in the order of their slots.
    const QList<UnitProfile> &profiles(int pedal) const;
    /// The index in profiles(pedal) of the pedal's chosen profile, -1 when it has none.
    int currentProfile(int pedal) const;
    /// The index in profiles(pedal) of the profile of a slot, -1 when it is not there.
    int profileIndexOfSlot(int pedal, int slot) const;
    /// The index in profiles(pedal) of the first profile of that name, -1 when none.
    int profileIndexOfName(int pedal, const QString &name) const;
    /// The profile of a slot among all pedals' profiles; nullptr when none.
    const UnitProfile *profileOfSlot(int slot) const;
    /// Slots whose record names no pedal, as the last read found them.
    const QList<StraySlot> &straySlots() const { return strays; }
    /// The active-profile word of the choice.
    std::uint32_t activeProfileWord(bool withMark) const;

    /// Whether the profile table is the unit's: not after a read that a failed exchange
    /// cut short, nor once the unit is gone.
    bool profilesLoaded() const { return loaded; }
    /// A slot write was cut off half-way and could not be taken back: the unit has a
    /// profile name in effect that it does not keep, so its table reads otherwise than it
    /// is kept until the unit restarts. Nothing the table decides is stored meanwhile (the
    /// active profiles, a save, a removal, an export): it would make the made-up table
    /// lasting. A new attach ends it.
    bool profilesUnsettled() const { return unsettled; }
    /// Says why nothing is stored while the table is unsettled.
    static QString unsettledText();
    /// The pedal's name as the window's columns carry it ("CLUTCH", "BRAKE", "THROTTLE"),
    /// translated; empty for no pedal.
    static QString pedalName(int pedal);

    /// Which active-profile word a read of the table takes as the choice.
    enum class ChoiceRead {
        /// The word in effect, stored or not; a pedal whose slot is none of its profiles
        /// gets its first, and a choice that differs from the unit's is put into effect
        /// (the window's reload, every command's attach).
        Settle,
        /// The word the unit has in effect, stored or not and whoever sent it, and nothing
        /// is sent: for a front that changes some pedals' choice for a while and must keep
        /// the others exactly as they are.
        InEffect,
    };
    /// Reads the whole slot table and the active-profile word and chooses the profiles the
    /// word names (or each pedal's first); with ChoiceRead::Settle it puts that choice into
    /// effect unless the unit reported it already. The word names the choice whether it is
    /// stored (marked) or only in effect: a choice another program made for now is taken as
    /// it is, and profilesForNow() then tells that a close must not store it. False when an
    /// exchange failed; the table is then not trusted.
    bool readProfiles(ChoiceRead how = ChoiceRead::Settle);
    /// Whether the choice in effect is one for now that this front has not chosen: another
    /// program's (a game's launch), or applyForNow()'s. storeActiveProfiles() leaves it
    /// unstored until the user chooses here.
    bool profilesForNow() const { return forNow; }
    /// Reads the table unless it is the unit's already; whether it is then. Never while
    /// the table is unsettled.
    bool ensureProfiles();
    /// The unit is gone: the table no longer stands for it.
    void forgetProfiles();
    /// Chooses a pedal's profile (an index in profiles(pedal)) and puts the choice into
    /// effect, without storing it.
    Outcome chooseProfile(int pedal, int index);
    /// Chooses the pedal's profile of a slot, or its first one, and puts a changed choice
    /// into effect.
    void chooseProfileOfSlot(int pedal, int slot);
    /// Chooses several pedals' profiles at once (an index in profiles(pedal) per pedal, -1
    /// keeps the pedal's choice) and puts a changed choice into effect with one write.
    /// Refused, nothing chosen, for an index that names no profile.
    Outcome chooseProfiles(const std::array<int, PEDAL_COUNT> &indexes);
    /// Stores the choice as the unit's active profiles unless it keeps it already: what
    /// closing the window does. A choice for now (profilesForNow()) is left as it is, with
    /// nothing sent: the user did not choose it here.
    Outcome storeActiveProfiles();
    /// Puts the named profiles into effect without storing them, the other pedals keeping
    /// the choice in effect: a game's choice for the time it runs. `before` (when given)
    /// receives the choice that was in effect, as a word for restoreForNow(). Sends
    /// nothing when that choice is in effect already. Refused, with nothing sent, for a
    /// name that is not a profile of its pedal.
    Outcome applyForNow(const ProfileNames &names, std::uint32_t *before = nullptr);
    /// Puts a choice that applyForNow() gave back into effect, without storing it: each
    /// pedal's profile of its slot in `word`, or its first one where that profile is gone.
    /// Reads the table first (another front may have changed it meanwhile), and sends
    /// nothing more when the unit has that choice in effect.
    Outcome restoreForNow(std::uint32_t word);
    /// Why a profile may not be saved under this name, as the user is told; empty when
    /// it may. Asks nothing of the unit.
    static QString profileNameRefusal(const QString &name);
    /// Saves a curve under a name as a profile of a pedal: in the slot of that name, or
    /// the first free one. The profile becomes the pedal's choice.
    Outcome saveProfile(int pedal, const QString &name, const QByteArray &curve);
    /// Removes a pedal's profile of that name.
    Outcome removeProfile(int pedal, const QString &name);
    /// Writes the table and the choice to a profile file (its name made to end in .ini).
    /// Done with a note when slots were left out.
    Outcome exportProfiles(const QString &chosenName);
    /// Checks a whole profile file, then replaces every slot of the unit with it and
    /// stores the file's choice.
    Outcome importProfiles(const QString &fileName);
    /// Checks a whole profile file as the import does, and sends nothing: refused with
    /// the import's message when the import would refuse it, else done with the file's
    /// table in `table`.
    static Outcome checkProfileFile(const QString &fileName, ProfileTable *table = nullptr);
    /// What a removal of that name would refuse without sending anything: a refusal, or
    /// nothing when the removal would go to the unit.
    std::optional<Outcome> removalRefusal(int pedal, const QString &name) const;

    // --- backups ------------------------------------------------------------------------
    /// Saves the unit's profile table and choice, exactly as an export writes them, and
    /// its calibration and deadzone tables in sections that an import leaves alone, to
    /// `path` (from nextBackupPath(); if another backup took that name meanwhile, the next
    /// free one, and `path` names it). Reads both range tables, and the profile table
    /// unless it is the unit's already; sends nothing else. Done with a note when it
    /// leaves out a profile whose name no file holds as it is (see exportTable), which a
    /// restore of it would clear: the user is told before the operation. Then keeps the newest
    /// BACKUPS_KEPT backups, and `spared`, the file the operation brings back, whatever
    /// its age. Failed, and nothing written, when a read failed or the file could not be
    /// written: whatever the backup was for must then not go ahead.
    Outcome backUp(QString &path, const QString &spared = QString());
    /// The line a question before such an operation ends with: where the backup goes.
    static QString backupNote(const QString &path);
    /// The line a result of such an operation ends with: where the backup went.
    static QString backupMadeNote(const QString &path);
    /// Writes what backUp writes to a file the user named (its name made to end in .ini),
    /// in place of any file of that name, which is kept as it was when the new one could
    /// not be written whole (refused, as an export is); `fileName` then names the file.
    Outcome backUpToFile(QString &fileName);

    /// Checks a whole backup file as a restore takes it, sending nothing: the profiles as
    /// an import checks them, both range tables whole, each calibration's low bound below
    /// its high one, each deadzone within the handles' travel. Refused with why, or done
    /// with the file's content in `backup`. `holdsSettings` (if given) tells whether the
    /// file has any of a backup's sections, so that a plain profile file can be told
    /// from a backup that is not whole.
    static Outcome checkBackupFile(const QString &fileName, UnitBackup *backup = nullptr,
                                   bool *holdsSettings = nullptr);
    /// What a backup puts back beside the profiles, one line each, as the pages show it:
    /// each pedal's calibration and deadzones, raw and in percent, and the clutch mode.
    static QString backupSettingsText(const UnitBackup &backup);
    /// Puts everything a backup holds back into the unit: the clutch mode, the
    /// calibration, the deadzones, every slot and the stored choice, in this order. Each
    /// is read first and written, committed, only where it differs. Refused, nothing
    /// sent, for a backup that checkBackupFile would refuse and during a calibration.
    /// Failed when an exchange failed: the message says what the unit now has from the
    /// backup and what it keeps as it had. Done with a note when the backup holds no
    /// clutch mode.
    Outcome restoreBackup(const UnitBackup &backup);

Q_SIGNALS:
    /// The profile table or the choice changed.
    void profilesChanged();
    /// The deadzone table changed (read, or written without a read back).
    void deadzonesChanged();
    /// A calibration started (pedal) or ended (-1).
    void calibrationChanged(int pedal);

private:
    /// The text backUp writes, read from the unit; failed when a read failed, done with a
    /// note naming the slots whose profiles it leaves out.
    Outcome backupText(QByteArray &text);
    /// Reads both range tables; false when either read failed.
    bool readRanges(Report &calibration, Report &deadzone);
    /// How the read back of a deadzone write went.
    enum class ReadBack {
        Believed, ///< the reply is the unit's table, now the model's
        Unread, ///< no whole reply came
        Stale, ///< twice the table as it was before, where the write changed it
    };
    /// Reads the deadzone table back after a write of `written` over `before`.
    ReadBack readBackDeadzones(const PedalRanges &before, const PedalRanges &written);
    /// Commits a whole deadzone table and reads it back.
    Outcome commitDeadzones(const PedalRanges &ranges);
    void setDeadzones(const PedalRanges &ranges);
    void endCalibration();
    bool applyActiveProfile();
    /// Stores the choice unless the unit keeps it already. `onClose`: another program's
    /// choice for now that came after the read is left in effect where the choice is still
    /// the one read as stored.
    bool syncActiveProfile(bool onClose = false);
    /// Each pedal's chosen profile, an index in its list or -1.
    using Choice = std::array<int, PEDAL_COUNT>;
    /// Makes `wanted` the choice and puts it into effect for now, unless the unit has it in
    /// effect already; false when the unit did not take it.
    bool putIntoEffect(const Choice &wanted);
    /// Makes index `i` the pedal's choice; puts a changed one into effect when asked.
    bool select(int pedal, int index, bool apply);
    /// The table and choice an export writes; the slots it leaves out in `left`.
    ProfileTable exportTable(QStringList &left) const;

    QString version;
    bool clutch = true;
    PedalRanges deadzoneRanges {};
    PedalRanges calibrationRanges {};
    int calibrating = -1;
    bool watchBegun = false;
    /// The lowest and highest position seen of each pedal.
    std::array<PedalRange, PEDAL_COUNT> seen {PedalRange {RAW_MAX, 0}, PedalRange {RAW_MAX, 0},
                                              PedalRange {RAW_MAX, 0}};
    /// The calibrating pedal's bounds in both tables when its calibration started: what
    /// the unit keeps of it meanwhile, which a cancel puts back into effect.
    PedalRange startCalibrationRange;
    PedalRange startDeadzoneRange;

    std::array<QList<UnitProfile>, PEDAL_COUNT> lists;
    Choice chosen {-1, -1, -1};
    QList<StraySlot> strays;
    /// The choice this program last put into effect without storing it: the unit reports
    /// it without the mark. Forgotten with the unit.
    std::optional<std::uint32_t> applied;
    /// The stored (marked) word the last read of the table found in effect, if it did.
    std::optional<std::uint32_t> readStored;
    /// The word the unit has in effect, as it last reported it or was last sent.
    std::uint32_t inEffect = 0;
    /// See profilesForNow().
    bool forNow = false;
    bool loaded = false;
    bool unsettled = false;
};

} // namespace kest
