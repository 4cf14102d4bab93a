// The PROFILES page: the unit's 16 profile slots, the profile lists and the active
// profiles. The lists are the program's only copy of the slot table; they are rebuilt
// from the unit after every change the program makes.

#include "mainwindow.h"

#include "kestdevice.h"
#include "kestmessage.h"
#include "profileslots.h"
#include "ui_mainwindow.h"

#include <QDebug>

namespace {

const QString kDefault = QStringLiteral("DEFAULT");

QByteArray itemRecord(const QComboBox *combo, int index)
{
    return combo->itemData(index, Qt::UserRole).toByteArray();
}

/// The pedal index from the last character of a sender's object name, or -1.
int senderPedal(const QObject *sender)
{
    const QString name = sender ? sender->objectName() : QString();
    if (name.isEmpty())
        return -1;
    const QChar last = name.back();
    return last >= QLatin1Char('0') && last <= QLatin1Char('2') ? last.unicode() - '0' : -1;
}

/// Held while reloadProfiles refills the lists. The items that become current on the way
/// are not a choice: applying each of them would overwrite the word the unit reports
/// before the reload has read it, and the unit's stored choice would be lost.
int refilling = 0;

struct RefillGuard
{
    RefillGuard() { ++refilling; }
    ~RefillGuard() { --refilling; }
    RefillGuard(const RefillGuard &) = delete;
    RefillGuard &operator=(const RefillGuard &) = delete;
};

int findByName(const QComboBox *combo, const QString &name)
{
    for (int i = 0; i < combo->count(); ++i)
        if (!itemRecord(combo, i).isEmpty() && combo->itemText(i) == name)
            return i;
    return -1;
}

} // namespace

QComboBox *MainWindow::profileCombo(int pedal) const
{
    QComboBox *const combos[] = {ui->cbPro0, ui->cbPro1, ui->cbPro2};
    return pedal >= 0 && pedal < kest::PEDAL_COUNT ? combos[pedal] : nullptr;
}

bool MainWindow::readSlotName(int slot, QString &name)
{
    kest::Report reply {};
    const bool ok = kest::deviceQuery(kest::CMD_PROFILE_NAME, std::uint8_t(slot), reply);
    name = kest::slotName(reply);
    return ok;
}

int MainWindow::findFreeSlot()
{
    for (int slot = 0; slot < kest::PROFILE_SLOT_COUNT; ++slot) {
        kest::Report reply {};
        if (!kest::deviceQuery(kest::CMD_PROFILE_NAME, std::uint8_t(slot), reply))
            return kest::SLOT_READ_FAILED; // an unread slot is not a free one
        if (kest::isFreeSlotReply(reply))
            return slot;
    }
    return -1;
}

bool MainWindow::writeProfileSlot(int slot, const QString &name, const QByteArray &record)
{
    QString stored;
    kest::Report reply {};
    if (!readSlotName(slot, stored)
        || !kest::deviceQuery(kest::CMD_PROFILE_CURVE, std::uint8_t(slot), reply))
        return false;
    const QByteArray storedRecord(reinterpret_cast<const char *>(reply.data() + 2),
                                  kest::SLOT_RECORD_SIZE);
    if (stored == name && storedRecord == record.left(kest::SLOT_RECORD_SIZE))
        return true;
    // The committed curve write keeps the name written before it: without that name it
    // would keep the old one with the new record.
    if (!kest::deviceWrite(kest::profileNameWrite(std::uint8_t(slot), name.toLocal8Bit())))
        return false;
    if (kest::deviceWrite(kest::profileCurveWrite(std::uint8_t(slot),
                                                  std::uint8_t(record.size() > 1 ? record[1] : 0),
                                                  record.mid(2, kest::CURVE_POINT_COUNT))))
        return true;
    // The new name is in effect over the old record: put the old name back, so that the
    // slot does not read as a profile of no pedal until the unit restarts.
    kest::deviceWrite(kest::profileNameWrite(std::uint8_t(slot), stored.toUtf8()));
    return false;
}

bool MainWindow::clearProfileSlot(int slot)
{
    return writeProfileSlot(slot, QString(), QByteArray(kest::SLOT_RECORD_SIZE, 0));
}

bool MainWindow::reloadProfiles()
{
    const RefillGuard guard;
    profilesLoaded = false;
    for (int p = 0; p < kest::PEDAL_COUNT; ++p)
        profileCombo(p)->clear();

    bool complete = true;
    for (int slot = 0; slot < kest::PROFILE_SLOT_COUNT; ++slot) {
        kest::Report nameReply {};
        if (!kest::deviceQuery(kest::CMD_PROFILE_NAME, std::uint8_t(slot), nameReply))
            return false;
        if (kest::isFreeSlotReply(nameReply))
            continue;
        const QString name = kest::slotName(nameReply);
        kest::Report recordReply {};
        if (!kest::deviceQuery(kest::CMD_PROFILE_CURVE, std::uint8_t(slot), recordReply))
            return false;
        const QByteArray record(reinterpret_cast<const char *>(recordReply.data() + 2),
                                kest::SLOT_RECORD_SIZE);
        QComboBox *combo = profileCombo(int(std::uint8_t(record[1])) - 1);
        if (!combo) {
            complete = false; // a record of no pedal: the rest of the table is not trusted
            break;
        }
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
    if (complete) {
        if (!kest::deviceSettingRead(kest::KESTIE_ACTIVE_PROFILE, word))
            return false;
        if (kest::activeWordMarked(word))
            for (int p = 0; p < kest::PEDAL_COUNT; ++p)
                selectProfileBySlot(profileCombo(p), kest::activeWordSlot(word, p));
    }

    // Put the lists' choice into effect once, unless the unit reported it as its own.
    bool anyChoice = false;
    for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
        const QComboBox *combo = profileCombo(p);
        anyChoice = anyChoice
            || (combo->currentIndex() >= 0 && !itemRecord(combo, combo->currentIndex()).isEmpty());
    }
    if (anyChoice && (!complete || word != activeProfileWord(true)) && !applyActiveProfile())
        return false;
    // Lists that a record of no pedal cut short are not the unit's table either: a word
    // built from them would drop the profiles after that slot.
    profilesLoaded = complete;
    return true;
}

bool MainWindow::ensureProfilesLoaded()
{
    return profilesLoaded || (reloadProfiles() && profilesLoaded);
}

void MainWindow::selectProfileBySlot(QComboBox *combo, int slot)
{
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

void MainWindow::selectProfileByName(QComboBox *combo, const QString &name)
{
    const int i = findByName(combo, name);
    if (i >= 0)
        combo->setCurrentIndex(i);
}

bool MainWindow::findSlotName(int slot, QString &name, QByteArray &record)
{
    for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
        const QComboBox *combo = profileCombo(p);
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

std::uint32_t MainWindow::activeProfileWord(bool withMark)
{
    int slots[kest::PEDAL_COUNT];
    for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
        const QComboBox *combo = profileCombo(p);
        const QByteArray r
            = combo->currentIndex() >= 0 ? itemRecord(combo, combo->currentIndex()) : QByteArray();
        slots[p] = r.isEmpty() ? 0 : std::uint8_t(r[0]);
    }
    return kest::activeWord(slots, withMark);
}

bool MainWindow::applyActiveProfile()
{
    return kest::deviceSettingApply(kest::KESTIE_ACTIVE_PROFILE, activeProfileWord(false));
}

bool MainWindow::syncActiveProfile()
{
    // A word from lists that a failed read cut short is not the user's choice.
    if (!profilesLoaded)
        return false;
    std::uint32_t stored = 0;
    if (!kest::deviceSettingRead(kest::KESTIE_ACTIVE_PROFILE, stored))
        return false;
    const std::uint32_t wanted = activeProfileWord(true);
    return stored == wanted || kest::deviceSettingWrite(kest::KESTIE_ACTIVE_PROFILE, wanted);
}

void MainWindow::onProfileChanged()
{
    const auto *combo = qobject_cast<const QComboBox *>(sender());
    if (!combo || combo->currentIndex() < 0)
        return;
    const QByteArray record = itemRecord(combo, combo->currentIndex());
    if (record.size() < kest::SLOT_RECORD_SIZE)
        return;
    KestAxis *const editors[] = {ui->ctAdc0, ui->ctAdc1, ui->ctAdc2};
    const int pedal = int(std::uint8_t(record[1])) - 1;
    if (pedal < 0 || pedal >= kest::PEDAL_COUNT)
        return;
    editors[pedal]->setCurve(record.mid(2, kest::CURVE_POINT_COUNT));
    if (!refilling && !applyActiveProfile())
        qDebug("the pedal unit did not take the profile choice");
}

void MainWindow::onProfileSave()
{
    const int p = senderPedal(sender());
    if (p < 0)
        return;
    QComboBox *combo = profileCombo(p);
    KestAxis *const editors[] = {ui->ctAdc0, ui->ctAdc1, ui->ctAdc2};
    const QString name = combo->currentText();
    if (name == kDefault) {
        KestMessage::information(this, tr("Notify"),
                                 tr("Can not save to DEFAULT, please use a different name."));
        return;
    }
    // An empty name marks a slot as free: such a save would be lost at once.
    if (name.isEmpty()) {
        KestMessage::information(this, tr("Notify"), tr("Please enter a profile name."));
        return;
    }
    if (name.toLocal8Bit().size() > kest::PROFILE_NAME_MAX) {
        KestMessage::information(
            this, tr("Notify"),
            tr("Profile name is too long: 16 bytes at most (accented letters take two)."));
        return;
    }
    // Taken before a reload can put another profile's curve into the editor.
    const QByteArray curve = editors[p]->curve();
    // The lists decide the slot: lists that a failed read cut short could send the
    // profile to a slot that another profile holds.
    if (!ensureProfilesLoaded()) {
        unitError(tr("The profile was not saved: the profile lists could not be read from "
                     "the pedal unit. It keeps the profiles it had."));
        return;
    }
    const QString notSaved = tr("The profile was not saved: the pedal unit did not answer. It "
                                "keeps the profiles it had.");
    const int existing = findByName(combo, name);
    const int slot = existing >= 0 ? std::uint8_t(itemRecord(combo, existing)[0]) : findFreeSlot();
    if (slot == kest::SLOT_READ_FAILED) {
        unitError(notSaved);
        return;
    }
    if (slot < 0) {
        KestMessage::information(this, tr("Notify"), tr("Profile is full"));
        return;
    }
    const QByteArray record = kest::slotRecord(slot, p + 1, curve);
    combo->addItem(name, record);
    selectProfileByName(combo, name);
    if (!writeProfileSlot(slot, name, record)) {
        reloadProfiles();
        unitError(notSaved);
        return;
    }
    const bool stored = syncActiveProfile();
    reloadProfiles();
    if (!stored) {
        unitError(tr("The profile was saved, but the pedal unit did not store it as the active "
                     "profile."));
        return;
    }
    KestMessage::information(this, tr("Notify"), tr("Profile is saved"));
}

void MainWindow::onProfileRemove()
{
    const int p = senderPedal(sender());
    if (p < 0)
        return;
    QComboBox *combo = profileCombo(p);
    const QString name = combo->currentText();
    if (name == kDefault) {
        KestMessage::information(this, tr("Notify"), tr("DEFAULT can not be removed."));
        return;
    }
    // Lists that a failed read cut short may name a slot that holds another profile.
    if (!ensureProfilesLoaded()) {
        unitError(tr("The profile was not removed: the profile lists could not be read from "
                     "the pedal unit. It keeps the profiles it had."));
        return;
    }
    const int i = findByName(combo, name);
    if (i < 0)
        return;
    if (!clearProfileSlot(std::uint8_t(itemRecord(combo, i)[0]))) {
        reloadProfiles();
        unitError(tr("The profile was not removed: the pedal unit did not answer. It keeps "
                     "the profiles it had."));
        return;
    }
    // The stored word comes from the reloaded lists, so only from a whole reload.
    if (!reloadProfiles() || !syncActiveProfile())
        unitError(tr("The profile was removed, but the pedal unit did not store the new choice "
                     "of active profiles."));
}
