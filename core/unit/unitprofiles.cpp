// The unit's profile table: the 16 slots as each pedal's list of profiles, the choice of
// active profiles, and the operations that change them.

#include "kestunit.h"

#include "diagnostics.h"
#include "kestdevice.h"
#include "profileini.h"
#include "unitslots.h"

#include <QDebug>
#include <QFileInfo>

namespace kest {

namespace {

const QString kDefault = QStringLiteral("DEFAULT");

bool validPedal(int pedal)
{
    return pedal >= 0 && pedal < PEDAL_COUNT;
}

} // namespace

const QList<UnitProfile> &KestUnit::profiles(int pedal) const
{
    static const QList<UnitProfile> none;
    return validPedal(pedal) ? lists[std::size_t(pedal)] : none;
}

int KestUnit::currentProfile(int pedal) const
{
    return validPedal(pedal) ? chosen[std::size_t(pedal)] : -1;
}

int KestUnit::profileIndexOfSlot(int pedal, int slot) const
{
    const QList<UnitProfile> &list = profiles(pedal);
    for (int i = 0; i < list.size(); ++i)
        if (list[i].slot() == slot)
            return i;
    return -1;
}

int KestUnit::profileIndexOfName(int pedal, const QString &name) const
{
    const QList<UnitProfile> &list = profiles(pedal);
    for (int i = 0; i < list.size(); ++i)
        if (list[i].name == name)
            return i;
    return -1;
}

const UnitProfile *KestUnit::profileOfSlot(int slot) const
{
    for (int p = 0; p < PEDAL_COUNT; ++p) {
        const int i = profileIndexOfSlot(p, slot);
        if (i >= 0)
            return &lists[std::size_t(p)][i];
    }
    return nullptr;
}

std::uint32_t KestUnit::activeProfileWord(bool withMark) const
{
    int slots[PEDAL_COUNT];
    for (int p = 0; p < PEDAL_COUNT; ++p) {
        const int i = chosen[std::size_t(p)];
        slots[p] = i >= 0 ? lists[std::size_t(p)][i].slot() : 0;
    }
    return activeWord(slots, withMark);
}

QString KestUnit::pedalName(int pedal)
{
    static const char *const names[]
        = {QT_TR_NOOP("CLUTCH"), QT_TR_NOOP("BRAKE"), QT_TR_NOOP("THROTTLE")};
    return pedal >= 0 && pedal < PEDAL_COUNT ? tr(names[pedal]) : QString();
}

QString KestUnit::unsettledText()
{
    return tr("A profile write to the pedal unit was cut off half-way: until the unit is "
              "plugged in again, its profile table reads otherwise than the unit keeps it.");
}

bool KestUnit::readProfiles(ChoiceRead how)
{
    loaded = false;
    for (int p = 0; p < PEDAL_COUNT; ++p) {
        lists[std::size_t(p)].clear();
        chosen[std::size_t(p)] = -1;
    }
    strays.clear();
    const auto finish = [this](bool read) {
        Q_EMIT profilesChanged();
        return read;
    };

    for (int slot = 0; slot < PROFILE_SLOT_COUNT; ++slot) {
        Report nameReply {};
        if (!deviceQuery(CMD_PROFILE_NAME, std::uint8_t(slot), nameReply))
            return finish(false);
        if (isFreeSlotReply(nameReply))
            continue;
        const QString name = slotName(nameReply);
        Report recordReply {};
        if (!readSlotRecord(slot, recordReply))
            return finish(false);
        const SlotRecord record = SlotRecord::fromReply(recordReply);
        const int pedal = record.pedal();
        if (pedal < 0) {
            // A profile of no pedal (from another tool, an older file or a fault): a used
            // slot all the same, left as it is and listed nowhere.
            strays.append({slot, name});
            continue;
        }
        QList<UnitProfile> &list = lists[std::size_t(pedal)];
        // A profile read before may have named this slot as its own: this one takes it.
        const int existing = profileIndexOfSlot(pedal, slot);
        if (existing >= 0) {
            list[existing] = {name, record};
        } else {
            list.append({name, record});
            if (chosen[std::size_t(pedal)] < 0)
                chosen[std::size_t(pedal)] = 0;
        }
    }

    std::uint32_t word = 0;
    if (!deviceSettingRead(KESTIE_ACTIVE_PROFILE, word))
        return finish(false);
    inEffect = word;
    readStored.reset();
    if (activeWordMarked(word))
        readStored = word;
    // The word names the choice in effect, whoever made it: the unit's stored one, one
    // this program put into effect and has not stored yet, or another program's for the
    // time a game runs. A pedal whose slot is none of its profiles keeps its first.
    for (int p = 0; p < PEDAL_COUNT; ++p) {
        const int i = profileIndexOfSlot(p, activeWordSlot(word, p));
        if (i >= 0)
            chosen[std::size_t(p)] = i;
    }
    const bool anyChoice = std::any_of(chosen.begin(), chosen.end(), [](int i) { return i >= 0; });
    if (activeWordMarked(word))
        forNow = false;
    else if (!applied || word != *applied)
        forNow = anyChoice; // another program's, as long as it stands whole (below)

    // Put the choice into effect once, unless the unit reported it already. A word that
    // needed a pedal's first profile in its place is this front's choice from here on.
    if (how == ChoiceRead::Settle && anyChoice && !sameChoice(word, activeProfileWord(false))) {
        forNow = false;
        if (!applyActiveProfile())
            return finish(false);
    }
    loaded = true;
    return finish(true);
}

bool KestUnit::ensureProfiles()
{
    return !unsettled && (loaded || readProfiles());
}

void KestUnit::forgetProfiles()
{
    loaded = false;
    unsettled = false;
    forNow = false;
    applied.reset();
    readStored.reset();
}

bool KestUnit::applyActiveProfile()
{
    const std::uint32_t word = activeProfileWord(false);
    const bool sent = deviceSettingApply(KESTIE_ACTIVE_PROFILE, word);
    if (sent) {
        applied = word;
        inEffect = word;
    }
    return sent;
}

bool KestUnit::syncActiveProfile(bool onClose)
{
    // A word from a table that a failed read cut short is not the user's choice, nor one
    // from a table that reads otherwise than it is kept.
    if (!loaded || unsettled)
        return false;
    std::uint32_t stored = 0;
    if (!deviceSettingRead(KESTIE_ACTIVE_PROFILE, stored))
        return false;
    const std::uint32_t wanted = activeProfileWord(true);
    if (stored == wanted)
        return true;
    // A game launched since the read put its choice into effect for now: the unit keeps
    // the choice shown already, and storing it would take the game's away.
    if (onClose && !activeWordMarked(stored) && (!applied || stored != *applied)
        && readStored == wanted)
        return true;
    return deviceSettingWrite(KESTIE_ACTIVE_PROFILE, wanted);
}

bool KestUnit::select(int pedal, int index, bool apply)
{
    // Chosen here: the choice is this front's to store, even where it stays as it was.
    forNow = false;
    int &current = chosen[std::size_t(pedal)];
    if (current == index)
        return true;
    current = index;
    Q_EMIT profilesChanged();
    if (apply && !applyActiveProfile()) {
        qCDebug(kest::lcDiagnostics, "the pedal unit did not take the profile choice");
        return false;
    }
    return true;
}

Outcome KestUnit::chooseProfile(int pedal, int index)
{
    if (!validPedal(pedal) || index < 0 || index >= lists[std::size_t(pedal)].size())
        return Outcome::refused(QString());
    if (!select(pedal, index, true))
        return Outcome::failed(tr("The pedal unit did not take the choice of profile."));
    return Outcome::ok();
}

void KestUnit::chooseProfileOfSlot(int pedal, int slot)
{
    if (!validPedal(pedal))
        return;
    int i = profileIndexOfSlot(pedal, slot);
    if (i < 0 && !lists[std::size_t(pedal)].isEmpty())
        i = 0;
    if (i >= 0)
        select(pedal, i, true);
}

Outcome KestUnit::chooseProfiles(const std::array<int, PEDAL_COUNT> &indexes)
{
    Choice wanted = chosen;
    for (int p = 0; p < PEDAL_COUNT; ++p) {
        const int i = indexes[std::size_t(p)];
        if (i < -1 || i >= lists[std::size_t(p)].size())
            return Outcome::refused(QString());
        if (i >= 0)
            wanted[std::size_t(p)] = i;
    }
    if (!putIntoEffect(wanted))
        return Outcome::failed(tr("The pedal unit did not take the choice of profile."));
    return Outcome::ok();
}

Outcome KestUnit::storeActiveProfiles()
{
    // A table that a failed read cut short would store a made-up choice: it is read again
    // first. A choice another program made for now is not the user's here: storing it
    // would keep a game's choice for good.
    if (!deviceIsOpen() || (ensureProfiles() && (forNow || syncActiveProfile(true))))
        return Outcome::ok();
    if (unsettled)
        return Outcome::failed(tr("The choice of active profiles was not stored; the pedal unit "
                                  "keeps the choice it had.")
                               + QLatin1Char(' ') + unsettledText());
    if (loaded)
        return Outcome::failed(tr("The choice of active profiles was not stored: the pedal "
                                  "unit did not answer. It keeps the choice it had."));
    return Outcome::failed(tr("The choice of active profiles was not stored: the profile lists "
                              "could not be read from the pedal unit. It keeps the choice it "
                              "had."));
}

Outcome KestUnit::applyForNow(const ProfileNames &names, std::uint32_t *before)
{
    if (!ensureProfiles())
        return Outcome::failed(unsettled ? tr("The profiles were not switched.") + QLatin1Char(' ')
                                       + unsettledText()
                                         : tr("The profiles were not switched: the profile "
                                              "lists could not be read from the pedal unit."));
    Choice wanted = chosen;
    for (int p = 0; p < PEDAL_COUNT; ++p) {
        const QString &name = names[std::size_t(p)];
        if (name.isEmpty())
            continue;
        wanted[std::size_t(p)] = profileIndexOfName(p, name);
        if (wanted[std::size_t(p)] < 0)
            return Outcome::refused(
                tr("The %1 has no profile called \"%2\".").arg(pedalName(p), name));
    }
    if (before)
        *before = activeProfileWord(false);
    if (!putIntoEffect(wanted))
        return Outcome::failed(tr("The pedal unit did not take the choice of profile."));
    return Outcome::ok();
}

Outcome KestUnit::restoreForNow(std::uint32_t word)
{
    // Another front may have saved or removed profiles meanwhile: the slots are looked up
    // in the table as it is now.
    if (unsettled || !readProfiles())
        return Outcome::failed(tr("The profiles in effect before were not put back: the "
                                  "profile lists could not be read from the pedal unit."));
    Choice wanted = chosen;
    for (int p = 0; p < PEDAL_COUNT; ++p) {
        const int i = profileIndexOfSlot(p, activeWordSlot(word, p));
        wanted[std::size_t(p)] = i >= 0 || lists[std::size_t(p)].isEmpty() ? i : 0;
    }
    if (!putIntoEffect(wanted))
        return Outcome::failed(tr("The profiles in effect before were not put back: the pedal "
                                  "unit did not take them."));
    return Outcome::ok();
}

bool KestUnit::putIntoEffect(const Choice &wanted)
{
    if (wanted == chosen && sameChoice(inEffect, activeProfileWord(false)))
        return true;
    chosen = wanted;
    Q_EMIT profilesChanged();
    if (!applyActiveProfile())
        return false;
    forNow = true;
    return true;
}

QString KestUnit::profileNameRefusal(const QString &name)
{
    if (name == kDefault)
        return tr("Can not save to DEFAULT, please use a different name.");
    // An empty name marks a slot as free: such a save would be lost at once.
    if (name.isEmpty())
        return tr("Please enter a profile name.");
    // A zero byte would end the name in the unit; U+FFFD and lone surrogates would reach
    // it as other bytes than the name shows.
    if (!profileNameIsText(name))
        return tr("Profile name holds a character that cannot be stored "
                  "(a zero byte or an unreadable character).");
    if (name.toLocal8Bit().size() > PROFILE_NAME_MAX)
        return tr("Profile name is too long: 16 bytes at most (accented letters take two).");
    return QString();
}

Outcome KestUnit::saveProfile(int pedal, const QString &name, const QByteArray &curve)
{
    if (!validPedal(pedal))
        return Outcome::refused(QString());
    const QString refusal = profileNameRefusal(name);
    if (!refusal.isEmpty())
        return Outcome::refused(refusal);
    // The table decides the slot: a table that a failed read cut short could send the
    // profile to a slot that another profile holds.
    if (!ensureProfiles())
        return Outcome::failed(
            unsettled ? tr("The profile was not saved.") + QLatin1Char(' ') + unsettledText()
                      : tr("The profile was not saved: the profile lists could not be read "
                           "from the pedal unit. It keeps the profiles it had."));
    const QString notSaved = tr("The profile was not saved: the pedal unit did not answer. It "
                                "keeps the profiles it had.");
    QList<UnitProfile> &list = lists[std::size_t(pedal)];
    const int existing = profileIndexOfName(pedal, name);
    const int slot = existing >= 0 ? list[existing].slot() : findFreeSlot();
    if (slot == SLOT_READ_FAILED)
        return Outcome::failed(notSaved);
    if (slot < 0)
        return Outcome::refused(tr("Profile is full"));
    const SlotRecord record = SlotRecord::of(slot, pedal, curve);
    // The new profile is the pedal's choice from here on, in effect before it is kept.
    if (existing < 0)
        list.append({name, record});
    select(pedal, existing >= 0 ? existing : int(list.size()) - 1, true);
    bool cutOff = false;
    if (!writeProfileSlot(slot, name, record, &cutOff)) {
        if (cutOff)
            unsettled = true;
        readProfiles();
        return Outcome::failed(cutOff ? notSaved + QLatin1Char(' ') + unsettledText() : notSaved);
    }
    const bool stored = syncActiveProfile();
    // A table that was not read back is not shown as the unit's: it is read again before
    // anything else is stored (ensureProfiles).
    const bool reloaded = readProfiles();
    if (!stored)
        return Outcome::failed(tr("The profile was saved, but the pedal unit did not store it "
                                  "as the active profile."));
    if (!reloaded)
        return Outcome::failed(tr("The profile was saved, but the profile lists could not be "
                                  "read back from the pedal unit. They are read again before "
                                  "anything else is stored."));
    return Outcome::ok();
}

Outcome KestUnit::removeProfile(int pedal, const QString &name)
{
    if (!validPedal(pedal))
        return Outcome::refused(QString());
    if (name == kDefault)
        return Outcome::refused(tr("DEFAULT can not be removed."));
    // A table that a failed read cut short may name a slot that holds another profile.
    if (!ensureProfiles())
        return Outcome::failed(
            unsettled ? tr("The profile was not removed.") + QLatin1Char(' ') + unsettledText()
                      : tr("The profile was not removed: the profile lists could not be read "
                           "from the pedal unit. It keeps the profiles it had."));
    const int i = profileIndexOfName(pedal, name);
    if (i < 0)
        return Outcome::refused(QString());
    bool cutOff = false;
    if (!clearProfileSlot(lists[std::size_t(pedal)][i].slot(), &cutOff)) {
        if (cutOff)
            unsettled = true;
        readProfiles();
        const QString notRemoved = tr("The profile was not removed: the pedal unit did not "
                                      "answer. It keeps the profiles it had.");
        return Outcome::failed(cutOff ? notRemoved + QLatin1Char(' ') + unsettledText()
                                      : notRemoved);
    }
    // The stored word comes from the table read again, so only from a whole read.
    if (!readProfiles() || !syncActiveProfile())
        return Outcome::failed(tr("The profile was removed, but the pedal unit did not store "
                                  "the new choice of active profiles."));
    return Outcome::ok();
}

ProfileTable KestUnit::exportTable(QStringList &left) const
{
    ProfileTable table;
    // A name the unit holds as bytes that are no text is listed with U+FFFD in their
    // place; imported, it would reach the unit as other bytes. Such a slot is left out,
    // and the user is told which.
    for (int slot = 0; slot < PROFILE_SLOT_COUNT; ++slot) {
        const UnitProfile *profile = profileOfSlot(slot);
        if (!profile)
            continue;
        if (profileNameIsText(profile->name))
            table.profiles.append({profile->name, profile->record});
        else
            left << QString::number(slot);
    }
    table.index = activeProfileWord(true);
    return table;
}

Outcome KestUnit::exportProfiles(const QString &chosenName)
{
    // A table that a failed read cut short would make a backup that erases the missing
    // profiles when imported.
    if (!ensureProfiles())
        return Outcome::failed(unsettled ? tr("The profiles were not exported.") + QLatin1Char(' ')
                                       + unsettledText()
                                         : tr("The profiles were not exported: the profile "
                                              "lists could not be read from the pedal unit."));
    QStringList left;
    const ProfileTable table = exportTable(left);
    const QString fileName = profileExportName(chosenName);
    const bool existed = QFileInfo(fileName).isFile();
    if (!writeProfileFile(fileName, table)) {
        const QString failed = tr("The profile file could not be written.");
        return Outcome::refused(existed ? failed + QLatin1Char(' ')
                                        + tr("The file that was there is kept as it was.")
                                        : failed);
    }
    // A profile of no pedal has no list and no place in the file's pedal sections.
    QStringList stray;
    for (const StraySlot &s : strays)
        stray << QString::number(s.slot);
    QStringList notes;
    if (!stray.isEmpty())
        notes << tr("The profiles were exported, except the one of no pedal in slot %1.")
                     .arg(stray.join(QStringLiteral(", ")));
    if (!left.isEmpty())
        notes << tr("The profiles were exported except slot %1: the name that the pedal unit "
                    "holds there is not valid text, and it would not come back as it is.")
                     .arg(left.join(QStringLiteral(", ")));
    return Outcome::doneWithNote(notes.join(QLatin1Char('\n')));
}

Outcome KestUnit::checkProfileFile(const QString &fileName, ProfileTable *table)
{
    if (!isProfileFileName(fileName))
        return Outcome::refused(tr("Please choose INI file"));
    // These files are edited by hand, so the second line says where the file fails and
    // why.
    ProfileTable read;
    QString problem;
    if (!readProfileFile(fileName, read, &problem))
        return Outcome::refused(tr("INI file is not valid.") + QLatin1Char('\n') + problem);
    if (table)
        *table = read;
    return Outcome::ok();
}

std::optional<Outcome> KestUnit::removalRefusal(int pedal, const QString &name) const
{
    if (!validPedal(pedal))
        return Outcome::refused(QString());
    if (name == kDefault)
        return Outcome::refused(tr("DEFAULT can not be removed."));
    // A table not read whole is read again by the removal, which may then find the name.
    if (loaded && !unsettled && profileIndexOfName(pedal, name) < 0)
        return Outcome::refused(QString());
    return std::nullopt;
}

Outcome KestUnit::importProfiles(const QString &fileName)
{
    // The whole file is checked before the unit is touched.
    ProfileTable table;
    const Outcome checked = checkProfileFile(fileName, &table);
    if (!checked.done())
        return checked;

    // Stops at the first exchange that fails: the unit then holds part of the file, and
    // the user is told so rather than left with half a table and no word.
    bool written = true;
    bool cutOff = false; // a slot left with a name in effect that the unit does not keep
    for (int slot = 0; slot < PROFILE_SLOT_COUNT && written; ++slot)
        written = clearProfileSlot(slot, &cutOff);
    int imported = 0;
    for (const ProfileEntry &p : table.profiles) {
        if (!written || !writeProfileSlot(p.record.slot, p.name, p.record, &cutOff)) {
            written = false;
            break;
        }
        ++imported;
    }
    if (!written) {
        // The close must not store a choice made from a table that reads otherwise than
        // it is kept.
        if (cutOff)
            unsettled = true;
        readProfiles();
        const QString stopped = tr("The import stopped after %1 of %2 profiles: the pedal unit "
                                   "did not answer. Its profile table is incomplete; please "
                                   "import the file again.")
                                    .arg(imported)
                                    .arg(table.profiles.size());
        // No backup, and so no import, can be made of such a table before a new attach.
        return Outcome::failed(cutOff ? stopped + QLatin1Char(' ') + unsettledText() : stopped);
    }
    unsettled = false; // every slot was cleared and written: none holds a stray name
    const bool reloaded = readProfiles();
    for (int p = 0; p < PEDAL_COUNT; ++p)
        chooseProfileOfSlot(p, activeWordSlot(table.index, p));
    if (!reloaded || !syncActiveProfile())
        return Outcome::failed(tr("The profiles were imported, but the pedal unit did not "
                                  "store the file's choice of active profiles."));
    return Outcome::ok();
}

} // namespace kest
