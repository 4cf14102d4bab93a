// The PROFILES page: the unit's 16 profile slots, the profile lists and the active
// profiles.

#include "profilespage.h"

#include "kestaxis.h"
#include "kestdevice.h"
#include "kestmessage.h"
#include "profileini.h"
#include "profileslots.h"
#include "unitslots.h"

#include <QComboBox>
#include <QDebug>

namespace {

const QString kDefault = QStringLiteral("DEFAULT");

QByteArray itemRecord(const QComboBox *combo, int index)
{
    return combo->itemData(index, Qt::UserRole).toByteArray();
}

int findByName(const QComboBox *combo, const QString &name)
{
    for (int i = 0; i < combo->count(); ++i)
        if (!itemRecord(combo, i).isEmpty() && combo->itemText(i) == name)
            return i;
    return -1;
}

/// Keeps a count raised for as long as it lives.
class Raised
{
public:
    explicit Raised(int &count) : count(count) { ++count; }
    ~Raised() { --count; }
    Raised(const Raised &) = delete;
    Raised &operator=(const Raised &) = delete;

private:
    int &count;
};

} // namespace

ProfilesPage::ProfilesPage(const Widgets &widgets, QObject *parent)
    : QObject(parent), w(widgets) { }

void ProfilesPage::unitError(const QString &what)
{
    KestMessage::critical(w.boxParent, tr("Error"), what);
}

void ProfilesPage::showPositions(const QByteArray &values)
{
    for (int p = 0; p < kest::PEDAL_COUNT; ++p)
        w.editors[std::size_t(p)]->setInputPosition(kest::pedalPosition(values, p));
}

void ProfilesPage::selectBySlot(int pedal, int slot)
{
    QComboBox *combo = w.lists[std::size_t(pedal)];
    for (int i = 0; i < combo->count(); ++i) {
        const QByteArray r = itemRecord(combo, i);
        if (!r.isEmpty() && std::uint8_t(r[0]) == std::uint8_t(slot)) {
            combo->setCurrentIndex(i);
            return;
        }
    }
    if (combo->count() > 0)
        combo->setCurrentIndex(0);
}

bool ProfilesPage::reload()
{
    const Raised guard(refilling);
    profilesLoaded = false;
    for (int p = 0; p < kest::PEDAL_COUNT; ++p)
        w.lists[std::size_t(p)]->clear();

    strays.clear();
    for (int slot = 0; slot < kest::PROFILE_SLOT_COUNT; ++slot) {
        kest::Report nameReply {};
        if (!kest::deviceQuery(kest::CMD_PROFILE_NAME, std::uint8_t(slot), nameReply))
            return false;
        if (kest::isFreeSlotReply(nameReply))
            continue;
        const QString name = kest::slotName(nameReply);
        kest::Report recordReply {};
        if (!kest::readSlotRecord(slot, recordReply))
            return false;
        const QByteArray record(reinterpret_cast<const char *>(recordReply.data() + 2),
                                kest::SLOT_RECORD_SIZE);
        const int pedal = int(std::uint8_t(record[1])) - 1;
        if (pedal < 0 || pedal >= kest::PEDAL_COUNT) {
            // A profile of no pedal (from another tool, an older file or a fault): a
            // used slot all the same, left as it is and listed nowhere.
            strays.append({slot, name});
            continue;
        }
        QComboBox *combo = w.lists[std::size_t(pedal)];
        int existing = -1;
        for (int i = 0; i < combo->count() && existing < 0; ++i) {
            const QByteArray r = itemRecord(combo, i);
            if (!r.isEmpty() && std::uint8_t(r[0]) == slot)
                existing = i;
        }
        if (existing >= 0) {
            combo->setItemText(existing, name);
            combo->setItemData(existing, record, Qt::UserRole);
        } else {
            combo->addItem(name, record);
        }
    }

    std::uint32_t word = 0;
    if (!kest::deviceSettingRead(kest::KESTIE_ACTIVE_PROFILE, word))
        return false;
    if (kest::activeWordMarked(word))
        for (int p = 0; p < kest::PEDAL_COUNT; ++p)
            selectBySlot(p, kest::activeWordSlot(word, p));

    // Put the lists' choice into effect once, unless the unit reported it as its own.
    bool anyChoice = false;
    for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
        const QComboBox *combo = w.lists[std::size_t(p)];
        anyChoice = anyChoice
            || (combo->currentIndex() >= 0 && !itemRecord(combo, combo->currentIndex()).isEmpty());
    }
    if (anyChoice && word != activeProfileWord(true) && !applyActiveProfile())
        return false;
    profilesLoaded = true;
    return true;
}

bool ProfilesPage::ensureLoaded()
{
    return !unsettled && (profilesLoaded || reload());
}

QString ProfilesPage::unsettledText()
{
    return tr("A profile write to the pedal unit was cut off half-way: until the unit is "
              "plugged in again, its profile table reads otherwise than the unit keeps it.");
}

QList<int> ProfilesPage::straySlots() const
{
    QList<int> slots;
    for (const Stray &s : strays)
        slots << s.slot;
    return slots;
}

void ProfilesPage::reportStraySlots()
{
    if (strays.isEmpty())
        return;
    QStringList which;
    for (const Stray &s : strays)
        which << tr("slot %1 (\"%2\")").arg(s.slot).arg(s.name);
    KestMessage::information(
        w.boxParent, tr("Notify"),
        tr("The pedal unit holds a profile that belongs to no pedal in %1. It is left as it "
           "is and shown in no list, and EXPORT does not write it. IMPORT of a profile file "
           "or CLEAR FLASH on the DEVICE page clears it.")
            .arg(which.join(QStringLiteral(", "))));
}

bool ProfilesPage::findSlot(int slot, QString &name, QByteArray &record) const
{
    for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
        const QComboBox *combo = w.lists[std::size_t(p)];
        for (int i = 0; i < combo->count(); ++i) {
            const QByteArray r = itemRecord(combo, i);
            if (!r.isEmpty() && std::uint8_t(r[0]) == slot) {
                name = combo->itemText(i);
                record = r;
                return true;
            }
        }
    }
    return false;
}

std::uint32_t ProfilesPage::activeProfileWord(bool withMark) const
{
    int slots[kest::PEDAL_COUNT];
    for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
        const QComboBox *combo = w.lists[std::size_t(p)];
        const QByteArray r
            = combo->currentIndex() >= 0 ? itemRecord(combo, combo->currentIndex()) : QByteArray();
        slots[p] = r.isEmpty() ? 0 : std::uint8_t(r[0]);
    }
    return kest::activeWord(slots, withMark);
}

bool ProfilesPage::applyActiveProfile()
{
    return kest::deviceSettingApply(kest::KESTIE_ACTIVE_PROFILE, activeProfileWord(false));
}

bool ProfilesPage::syncActiveProfile()
{
    // A word from lists that a failed read cut short is not the user's choice, nor one
    // from a table that reads otherwise than it is kept.
    if (!profilesLoaded || unsettled)
        return false;
    std::uint32_t stored = 0;
    if (!kest::deviceSettingRead(kest::KESTIE_ACTIVE_PROFILE, stored))
        return false;
    const std::uint32_t wanted = activeProfileWord(true);
    return stored == wanted || kest::deviceSettingWrite(kest::KESTIE_ACTIVE_PROFILE, wanted);
}

void ProfilesPage::profileChanged(int p)
{
    const QComboBox *combo = p >= 0 && p < kest::PEDAL_COUNT ? w.lists[std::size_t(p)] : nullptr;
    if (!combo || combo->currentIndex() < 0)
        return;
    const QByteArray record = itemRecord(combo, combo->currentIndex());
    if (record.size() < kest::SLOT_RECORD_SIZE)
        return;
    const int pedal = int(std::uint8_t(record[1])) - 1;
    if (pedal < 0 || pedal >= kest::PEDAL_COUNT)
        return;
    w.editors[std::size_t(pedal)]->setCurve(record.mid(2, kest::CURVE_POINT_COUNT));
    if (!refilling && !applyActiveProfile())
        qDebug("the pedal unit did not take the profile choice");
}

void ProfilesPage::save(int p)
{
    if (p < 0 || p >= kest::PEDAL_COUNT)
        return;
    QComboBox *combo = w.lists[std::size_t(p)];
    const QString name = combo->currentText();
    if (name == kDefault) {
        KestMessage::information(w.boxParent, tr("Notify"),
                                 tr("Can not save to DEFAULT, please use a different name."));
        return;
    }
    // An empty name marks a slot as free: such a save would be lost at once.
    if (name.isEmpty()) {
        KestMessage::information(w.boxParent, tr("Notify"), tr("Please enter a profile name."));
        return;
    }
    // A zero byte would end the name in the unit; U+FFFD and lone surrogates would reach
    // it as other bytes than the name shows.
    if (!kest::profileNameIsText(name)) {
        KestMessage::information(w.boxParent, tr("Notify"),
                                 tr("Profile name holds a character that cannot be stored "
                                    "(a zero byte or an unreadable character)."));
        return;
    }
    if (name.toLocal8Bit().size() > kest::PROFILE_NAME_MAX) {
        KestMessage::information(
            w.boxParent, tr("Notify"),
            tr("Profile name is too long: 16 bytes at most (accented letters take two)."));
        return;
    }
    // Taken before a reload can put another profile's curve into the editor.
    const QByteArray curve = w.editors[std::size_t(p)]->curve();
    // The lists decide the slot: lists that a failed read cut short could send the
    // profile to a slot that another profile holds.
    if (!ensureLoaded()) {
        unitError(unsettled ? tr("The profile was not saved.") + QLatin1Char(' ') + unsettledText()
                            : tr("The profile was not saved: the profile lists could not be "
                                 "read from the pedal unit. It keeps the profiles it had."));
        return;
    }
    const QString notSaved = tr("The profile was not saved: the pedal unit did not answer. It "
                                "keeps the profiles it had.");
    const int existing = findByName(combo, name);
    const int slot
        = existing >= 0 ? std::uint8_t(itemRecord(combo, existing)[0]) : kest::findFreeSlot();
    if (slot == kest::SLOT_READ_FAILED) {
        unitError(notSaved);
        return;
    }
    if (slot < 0) {
        KestMessage::information(w.boxParent, tr("Notify"), tr("Profile is full"));
        return;
    }
    const QByteArray record = kest::slotRecord(slot, p + 1, curve);
    combo->addItem(name, record);
    combo->setCurrentIndex(findByName(combo, name));
    bool cutOff = false;
    if (!kest::writeProfileSlot(slot, name, record, &cutOff)) {
        if (cutOff)
            markUnsettled();
        reload();
        unitError(cutOff ? notSaved + QLatin1Char(' ') + unsettledText() : notSaved);
        return;
    }
    const bool stored = syncActiveProfile();
    // Lists that were not read back are not shown as the unit's: they are read again
    // before anything else is stored (ensureLoaded).
    const bool reloaded = reload();
    if (!stored) {
        unitError(tr("The profile was saved, but the pedal unit did not store it as the active "
                     "profile."));
        return;
    }
    if (!reloaded) {
        unitError(tr("The profile was saved, but the profile lists could not be read back from "
                     "the pedal unit. They are read again before anything else is stored."));
        return;
    }
    KestMessage::information(w.boxParent, tr("Notify"), tr("Profile is saved"));
}

void ProfilesPage::remove(int p)
{
    if (p < 0 || p >= kest::PEDAL_COUNT)
        return;
    QComboBox *combo = w.lists[std::size_t(p)];
    const QString name = combo->currentText();
    if (name == kDefault) {
        KestMessage::information(w.boxParent, tr("Notify"), tr("DEFAULT can not be removed."));
        return;
    }
    // Lists that a failed read cut short may name a slot that holds another profile.
    if (!ensureLoaded()) {
        unitError(unsettled
                      ? tr("The profile was not removed.") + QLatin1Char(' ') + unsettledText()
                      : tr("The profile was not removed: the profile lists could not be read "
                           "from the pedal unit. It keeps the profiles it had."));
        return;
    }
    const int i = findByName(combo, name);
    if (i < 0)
        return;
    bool cutOff = false;
    if (!kest::clearProfileSlot(std::uint8_t(itemRecord(combo, i)[0]), &cutOff)) {
        if (cutOff)
            markUnsettled();
        reload();
        const QString notRemoved = tr("The profile was not removed: the pedal unit did not "
                                      "answer. It keeps the profiles it had.");
        unitError(cutOff ? notRemoved + QLatin1Char(' ') + unsettledText() : notRemoved);
        return;
    }
    // The stored word comes from the reloaded lists, so only from a whole reload.
    if (!reload() || !syncActiveProfile())
        unitError(tr("The profile was removed, but the pedal unit did not store the new choice "
                     "of active profiles."));
}
