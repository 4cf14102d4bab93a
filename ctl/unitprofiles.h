#pragma once

// The unit's profile table as kestctl sees it, and the profile operations, with the
// exchanges of the window's PROFILES page: its lists as read at the attach, a choice in
// a list, the store its close makes, SAVE, REMOVE, EXPORT and IMPORT.

#include "kestunit.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

namespace kestctl {

struct ProfileSlot
{
    int slot = 0; ///< the slot the profile is kept in
    QString name;
    QByteArray record; ///< slot, pedal code, five curve bytes

    int pedal() const { return int(std::uint8_t(record.at(1))) - 1; }
    QByteArray curve() const { return record.mid(2, kest::CURVE_POINT_COUNT); }
};

class UnitProfiles
{
public:
    /// Reads every slot and the stored choice, as the window fills its lists; nothing is
    /// written. False when a read failed.
    bool read();

    /// The profiles of a pedal, in slot order; a profile of no pedal is in none.
    const QList<ProfileSlot> &profiles() const { return table; }
    /// The pedal's active profile as the window's list shows it: the stored choice, or
    /// the pedal's first profile while none is stored; null when the pedal has none.
    const ProfileSlot *active(int pedal) const;
    /// Whether the unit keeps the choice active() shows.
    bool choiceStored() const { return stored == choiceWord(true); }

    /// The profiles called `name`, of `pedal` (or of any pedal for -1).
    QList<const ProfileSlot *> named(const QString &name, int pedal) const;

    /// Chooses a profile in its pedal's list (put into effect) and stores the choice, as
    /// the window's close does.
    kest::Outcome apply(const ProfileSlot &profile);
    /// Saves a curve under a name in the pedal's list: into its slot when the pedal has
    /// a profile of that name, into the first free slot otherwise. It becomes the pedal's
    /// active profile.
    kest::Outcome save(int pedal, const QString &name, const QByteArray &curve);
    /// Removes a profile; the pedal's first remaining profile becomes its choice.
    kest::Outcome remove(const ProfileSlot &profile);
    /// Writes the table and the choice to a profile file (the name as the window makes it).
    kest::Outcome exportTo(const QString &path, QString *written);
    /// Replaces the unit's table with a profile file's, whose choice becomes the active one.
    kest::Outcome importFrom(const QString &path);

    /// Checks a name as SAVE does; empty when it can be stored, otherwise why not.
    static QString nameProblem(const QString &name);
    /// Why the table may read otherwise than the unit keeps it.
    static QString unsettledText();

private:
    /// read(), and the lists' choice put into effect when the unit does not report it as
    /// its own: the window's reload after a change of the table.
    bool reload();
    int firstSlot(int pedal) const;
    std::uint32_t choiceWord(bool withMark) const;
    bool putChoiceIntoEffect();
    bool storeChoice();
    void select(int pedal, int slot);

    QList<ProfileSlot> table;
    int chosen[kest::PEDAL_COUNT] = {-1, -1, -1}; ///< the slot each list shows
    std::uint32_t stored = 0;
    bool loaded = false;
    bool unsettled = false;
};

} // namespace kestctl
