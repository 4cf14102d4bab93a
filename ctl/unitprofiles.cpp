#include "unitprofiles.h"

#include "kestdevice.h"
#include "profileini.h"
#include "profileslots.h"
#include "unitslots.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace kestctl {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ProfilesPage", text);
}

int recordSlot(const ProfileSlot &s)
{
    return std::uint8_t(s.record.at(0));
}

} // namespace

bool UnitProfiles::read()
{
    loaded = false;
    table.clear();
    for (int &c : chosen)
        c = -1;
    for (int slot = 0; slot < kest::PROFILE_SLOT_COUNT; ++slot) {
        kest::Report nameReply {};
        if (!kest::deviceQuery(kest::CMD_PROFILE_NAME, std::uint8_t(slot), nameReply))
            return false;
        if (kest::isFreeSlotReply(nameReply))
            continue;
        kest::Report recordReply {};
        if (!kest::readSlotRecord(slot, recordReply))
            return false;
        ProfileSlot s {slot, kest::slotName(nameReply),
                       QByteArray(reinterpret_cast<const char *>(recordReply.data() + 2),
                                  kest::SLOT_RECORD_SIZE)};
        const int pedal = s.pedal();
        // A profile of no pedal is a used slot all the same, listed nowhere.
        if (pedal < 0 || pedal >= kest::PEDAL_COUNT)
            continue;
        // A record that names a slot the pedal's list has already takes that entry.
        bool replaced = false;
        for (ProfileSlot &e : table)
            if (!replaced && e.pedal() == pedal && recordSlot(e) == recordSlot(s)) {
                e.name = s.name;
                e.record = s.record;
                replaced = true;
            }
        if (!replaced)
            table.append(s);
        if (chosen[pedal] < 0)
            chosen[pedal] = recordSlot(table.last());
    }
    if (!kest::deviceSettingRead(kest::KESTIE_ACTIVE_PROFILE, stored))
        return false;
    if (kest::activeWordMarked(stored))
        for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
            const int slot = kest::activeWordSlot(stored, p);
            bool listed = false;
            for (const ProfileSlot &s : table)
                listed = listed || (s.pedal() == p && recordSlot(s) == slot);
            chosen[p] = listed ? slot : firstSlot(p);
        }
    loaded = true;
    return true;
}

int UnitProfiles::firstSlot(int pedal) const
{
    for (const ProfileSlot &s : table)
        if (s.pedal() == pedal)
            return recordSlot(s);
    return -1;
}

bool UnitProfiles::reload()
{
    if (!read())
        return false;
    // The lists' choice goes into effect once, unless the unit reported it as its own.
    const bool anyChoice = chosen[0] >= 0 || chosen[1] >= 0 || chosen[2] >= 0;
    if (anyChoice && stored != choiceWord(true) && !putChoiceIntoEffect()) {
        loaded = false;
        return false;
    }
    return true;
}

const ProfileSlot *UnitProfiles::active(int pedal) const
{
    if (pedal < 0 || pedal >= kest::PEDAL_COUNT)
        return nullptr;
    for (const ProfileSlot &s : table)
        if (s.pedal() == pedal && recordSlot(s) == chosen[pedal])
            return &s;
    return nullptr;
}

QList<const ProfileSlot *> UnitProfiles::named(const QString &name, int pedal) const
{
    QList<const ProfileSlot *> found;
    for (const ProfileSlot &s : table)
        if (s.name == name && (pedal < 0 || s.pedal() == pedal))
            found << &s;
    return found;
}

std::uint32_t UnitProfiles::choiceWord(bool withMark) const
{
    int slots[kest::PEDAL_COUNT];
    for (int p = 0; p < kest::PEDAL_COUNT; ++p)
        slots[p] = chosen[p] < 0 ? 0 : chosen[p];
    return kest::activeWord(slots, withMark);
}

bool UnitProfiles::putChoiceIntoEffect()
{
    return kest::deviceSettingApply(kest::KESTIE_ACTIVE_PROFILE, choiceWord(false));
}

bool UnitProfiles::storeChoice()
{
    if (!loaded || unsettled)
        return false;
    std::uint32_t word = 0;
    if (!kest::deviceSettingRead(kest::KESTIE_ACTIVE_PROFILE, word))
        return false;
    const std::uint32_t wanted = choiceWord(true);
    if (word != wanted && !kest::deviceSettingWrite(kest::KESTIE_ACTIVE_PROFILE, wanted))
        return false;
    stored = wanted;
    return true;
}

void UnitProfiles::select(int pedal, int slot)
{
    // As a list does: the profile of that slot, or the first one when none has it; a
    // change of choice goes into effect at once.
    int next = firstSlot(pedal);
    for (const ProfileSlot &s : table)
        if (s.pedal() == pedal && recordSlot(s) == slot)
            next = slot;
    if (next == chosen[pedal])
        return;
    chosen[pedal] = next;
    putChoiceIntoEffect();
}

QString UnitProfiles::nameProblem(const QString &name)
{
    if (name == QLatin1String("DEFAULT"))
        return tr("Can not save to DEFAULT, please use a different name.");
    if (name.isEmpty())
        return tr("Please enter a profile name.");
    if (!kest::profileNameIsText(name))
        return tr("Profile name holds a character that cannot be stored (a zero byte or an "
                  "unreadable character).");
    if (name.toLocal8Bit().size() > kest::PROFILE_NAME_MAX)
        return tr("Profile name is too long: 16 bytes at most (accented letters take two).");
    return QString();
}

kest::Outcome UnitProfiles::apply(const ProfileSlot &profile)
{
    const QString kept = tr("The choice of active profiles was not stored: the pedal unit did "
                            "not answer. It keeps the choice it had.");
    if (!loaded)
        return kest::Outcome::failed(kept);
    const int pedal = profile.pedal();
    const int slot = recordSlot(profile);
    if (slot != chosen[pedal]) {
        chosen[pedal] = slot;
        if (!putChoiceIntoEffect())
            return kest::Outcome::failed(kept);
    }
    if (!storeChoice())
        return kest::Outcome::failed(kept);
    return kest::Outcome::ok();
}

kest::Outcome UnitProfiles::save(int pedal, const QString &name, const QByteArray &curve)
{
    const QString problem = nameProblem(name);
    if (!problem.isEmpty())
        return kest::Outcome::refused(problem);
    if (!loaded)
        return kest::Outcome::failed(tr("The profile was not saved: the profile lists could not "
                                        "be read from the pedal unit. It keeps the profiles it "
                                        "had."));
    const QString notSaved = tr("The profile was not saved: the pedal unit did not answer. It "
                                "keeps the profiles it had.");
    const QList<const ProfileSlot *> existing = named(name, pedal);
    const int slot = existing.isEmpty() ? kest::findFreeSlot() : recordSlot(*existing.first());
    if (slot == kest::SLOT_READ_FAILED)
        return kest::Outcome::failed(notSaved);
    if (slot < 0)
        return kest::Outcome::refused(tr("Profile is full"));
    const QByteArray record = kest::slotRecord(slot, pedal + 1, curve);
    // The list shows the saved profile: a change of choice goes into effect.
    if (chosen[pedal] != slot) {
        chosen[pedal] = slot;
        if (existing.isEmpty())
            table.append({slot, name, record});
        putChoiceIntoEffect();
    }
    bool cutOff = false;
    if (!kest::writeProfileSlot(slot, name, record, &cutOff)) {
        unsettled = unsettled || cutOff;
        reload();
        return kest::Outcome::failed(cutOff ? notSaved + QLatin1Char(' ') + unsettledText()
                                            : notSaved);
    }
    const bool choiceKept = storeChoice();
    const bool reloaded = reload();
    if (!choiceKept)
        return kest::Outcome::failed(tr("The profile was saved, but the pedal unit did not store "
                                        "it as the active profile."));
    if (!reloaded)
        return kest::Outcome::failed(tr("The profile was saved, but the profile lists could not "
                                        "be read back from the pedal unit. They are read again "
                                        "before anything else is stored."));
    return kest::Outcome::ok();
}

kest::Outcome UnitProfiles::remove(const ProfileSlot &profile)
{
    const ProfileSlot doomed = profile;
    if (!loaded)
        return kest::Outcome::failed(tr("The profile was not removed: the profile lists could "
                                        "not be read from the pedal unit. It keeps the profiles "
                                        "it had."));
    // The window removes the profile its list shows: it is chosen first.
    select(doomed.pedal(), recordSlot(doomed));
    bool cutOff = false;
    if (!kest::clearProfileSlot(recordSlot(doomed), &cutOff)) {
        unsettled = unsettled || cutOff;
        reload();
        const QString notRemoved = tr("The profile was not removed: the pedal unit did not "
                                      "answer. It keeps the profiles it had.");
        return kest::Outcome::failed(cutOff ? notRemoved + QLatin1Char(' ') + unsettledText()
                                            : notRemoved);
    }
    if (!reload() || !storeChoice())
        return kest::Outcome::failed(tr("The profile was removed, but the pedal unit did not "
                                        "store the new choice of active profiles."));
    return kest::Outcome::ok();
}

kest::Outcome UnitProfiles::exportTo(const QString &path, QString *written)
{
    if (!loaded)
        return kest::Outcome::failed(
            QCoreApplication::translate("ProfileFiles",
                                        "The profiles were not exported: the profile lists "
                                        "could not be read from the pedal unit."));
    kest::ProfileTable file;
    for (int slot = 0; slot < kest::PROFILE_SLOT_COUNT; ++slot)
        for (const ProfileSlot &s : table)
            if (recordSlot(s) == slot && kest::profileNameIsText(s.name)) {
                file.profiles.append({s.name, s.record});
                break;
            }
    file.index = choiceWord(true);
    const QString name = kest::profileExportName(path);
    if (written)
        *written = name;
    if (!kest::writeProfileFile(name, file))
        return kest::Outcome::failed(
            QCoreApplication::translate("ProfileFiles", "The profile file could not be written."));
    return kest::Outcome::ok();
}

kest::Outcome UnitProfiles::importFrom(const QString &path)
{
    if (!kest::isProfileFileName(path))
        return kest::Outcome::refused(
            QCoreApplication::translate("ProfileFiles", "Please choose INI file"));
    kest::ProfileTable file;
    QString problem;
    if (!kest::readProfileFile(path, file, &problem))
        return kest::Outcome::refused(
            QCoreApplication::translate("ProfileFiles", "INI file is not valid.") + QLatin1Char(' ')
            + problem);
    bool written = true;
    bool cutOff = false;
    for (int slot = 0; slot < kest::PROFILE_SLOT_COUNT && written; ++slot)
        written = kest::clearProfileSlot(slot, &cutOff);
    int imported = 0;
    for (const kest::ProfileEntry &p : file.profiles) {
        if (!written
            || !kest::writeProfileSlot(std::uint8_t(p.record[0]), p.name, p.record, &cutOff)) {
            written = false;
            break;
        }
        ++imported;
    }
    if (!written) {
        unsettled = unsettled || cutOff;
        reload();
        return kest::Outcome::failed(
            QCoreApplication::translate("ProfileFiles",
                                        "The import stopped after %1 of %2 profiles: the pedal "
                                        "unit did not answer. Its profile table is incomplete; "
                                        "please import the file again.")
                .arg(imported)
                .arg(file.profiles.size()));
    }
    unsettled = false;
    const bool reloaded = reload();
    for (int p = 0; p < kest::PEDAL_COUNT && reloaded; ++p)
        select(p, kest::activeWordSlot(file.index, p));
    if (!reloaded || !storeChoice())
        return kest::Outcome::failed(
            QCoreApplication::translate("ProfileFiles",
                                        "The profiles were imported, but the pedal unit did not "
                                        "store the file's choice of active profiles."));
    return kest::Outcome::ok();
}

QString UnitProfiles::unsettledText()
{
    return tr("A profile write to the pedal unit was cut off half-way: until the unit is "
              "plugged in again, its profile table reads otherwise than the unit keeps it.");
}

} // namespace kestctl
