#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <cstdint>

class KestAxis;
QT_BEGIN_NAMESPACE
class QComboBox;
class QWidget;
QT_END_NAMESPACE

/// The PROFILES page: the unit's 16 profile slots, the three pedals' profile lists and
/// the active profiles. The lists are the program's only copy of the slot table; they
/// are rebuilt from the unit after every change the program makes.
class ProfilesPage : public QObject
{
    Q_OBJECT

public:
    struct Widgets
    {
        std::array<QComboBox *, 3> lists; ///< each pedal's profiles, the active one current
        std::array<KestAxis *, 3> editors; ///< each pedal's response curve
        QWidget *boxParent = nullptr; ///< the window, for message boxes
    };

    explicit ProfilesPage(const Widgets &widgets, QObject *parent = nullptr);

    /// Rebuilds the lists from the unit's slot table and selects the active profiles.
    /// False when a read failed; the lists are then not trusted.
    bool reload();
    /// Whether the lists are the unit's table: not after a reload that a failed read cut
    /// short, nor once the unit is gone.
    bool loaded() const { return profilesLoaded; }
    /// Reloads unless the lists are the unit's table; whether they are then. Never while
    /// the table is unsettled.
    bool ensureLoaded();
    /// The unit is gone: the lists no longer stand for it.
    void forget()
    {
        profilesLoaded = false;
        unsettled = false;
    }
    /// A slot write was cut off half-way and could not be taken back: the unit has a
    /// profile name in effect that it does not keep, so its table reads otherwise than it
    /// is kept until the unit restarts. Nothing that the lists decide is stored meanwhile
    /// (the active profiles, a save, a removal, an export): it would make the made-up
    /// table lasting. A new attach ends it.
    void markUnsettled() { unsettled = true; }
    /// Every slot was written anew (a whole import): what the unit has in effect is what
    /// it keeps again.
    void markSettled() { unsettled = false; }
    bool isUnsettled() const { return unsettled; }
    /// Says why nothing is stored while the table is unsettled.
    static QString unsettledText();
    /// Slots whose record names no pedal (pedal code outside 1..3), as the last reload
    /// found them: kept as they are, counted as used, shown in no list.
    QList<int> straySlots() const;
    /// Tells the user once which slots hold a profile of no pedal and how to clear them.
    void reportStraySlots();
    /// Stores the lists' choice as the unit's active profiles, unless it keeps it already.
    bool syncActiveProfile();
    /// The active-profile word of the lists' choice.
    std::uint32_t activeProfileWord(bool withMark) const;
    /// The name and record the lists hold for a slot; false when no list holds it.
    bool findSlot(int slot, QString &name, QByteArray &record) const;
    /// Makes a pedal's profile of the given slot current, or its first one.
    void selectBySlot(int pedal, int slot);

    /// Moves the curve editors' markers to the newest positions.
    void showPositions(const QByteArray &values);

    /// A pedal's list changed its current profile.
    void profileChanged(int pedal);
    /// Saves the curve of a pedal under the name its list shows.
    void save(int pedal);
    /// Removes the profile a pedal's list shows.
    void remove(int pedal);

private:
    bool applyActiveProfile();
    void unitError(const QString &what);

    Widgets w;
    /// Whether the profile lists are the unit's table: false after a reload that a failed
    /// read cut short, when an active word built from them would be made up.
    bool profilesLoaded = false;
    bool unsettled = false; ///< see markUnsettled
    struct Stray
    {
        int slot;
        QString name;
    };
    QList<Stray> strays; ///< see straySlots
    /// Above zero while reload refills the lists. The items that become current on the
    /// way are not a choice: applying each of them would overwrite the word the unit
    /// reports before the reload has read it, and the unit's stored choice would be lost.
    int refilling = 0;
};
