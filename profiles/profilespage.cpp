// The PROFILES page: the unit's 16 profile slots, the profile lists and the active
// profiles. The lists are the program's only copy of the slot table; they are rebuilt
// from the unit after every change the program makes.

#include "mainwindow.h"

#include "kestdevice.h"
#include "kestmessage.h"
#include "profileslots.h"
#include "ui_mainwindow.h"

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

QString MainWindow::readSlotName(int slot)
{
    kest::Report reply {};
    kest::deviceQuery(kest::CMD_PROFILE_NAME, std::uint8_t(slot), reply);
    return kest::slotName(reply);
}

int MainWindow::findFreeSlot()
{
    for (int slot = 0; slot < kest::PROFILE_SLOT_COUNT; ++slot) {
        kest::Report reply {};
        kest::deviceQuery(kest::CMD_PROFILE_NAME, std::uint8_t(slot), reply);
        if (kest::isFreeSlotReply(reply))
            return slot;
    }
    return -1;
}

void MainWindow::writeProfileSlot(int slot, const QString &name, const QByteArray &record)
{
    const bool nameDiffers = readSlotName(slot) != name;
    kest::Report reply {};
    kest::deviceQuery(kest::CMD_PROFILE_CURVE, std::uint8_t(slot), reply);
    const QByteArray stored(reinterpret_cast<const char *>(reply.data() + 2),
                            kest::SLOT_RECORD_SIZE);
    if (!nameDiffers && stored == record.left(kest::SLOT_RECORD_SIZE))
        return;
    kest::deviceSend(kest::profileNameWrite(std::uint8_t(slot), name.toLocal8Bit()));
    kest::deviceSend(kest::profileCurveWrite(std::uint8_t(slot),
                                             std::uint8_t(record.size() > 1 ? record[1] : 0),
                                             record.mid(2, kest::CURVE_POINT_COUNT)));
}

void MainWindow::clearProfileSlot(int slot)
{
    writeProfileSlot(slot, QString(), QByteArray(kest::SLOT_RECORD_SIZE, 0));
}

void MainWindow::reloadProfiles()
{
    const RefillGuard guard;
    for (int p = 0; p < kest::PEDAL_COUNT; ++p)
        profileCombo(p)->clear();

    bool complete = true;
    for (int slot = 0; slot < kest::PROFILE_SLOT_COUNT; ++slot) {
        kest::Report nameReply {};
        kest::deviceQuery(kest::CMD_PROFILE_NAME, std::uint8_t(slot), nameReply);
        if (kest::isFreeSlotReply(nameReply))
            continue;
        const QString name = kest::slotName(nameReply);
        kest::Report recordReply {};
        kest::deviceQuery(kest::CMD_PROFILE_CURVE, std::uint8_t(slot), recordReply);
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
        word = kest::deviceSettingRead(kest::KESTIE_ACTIVE_PROFILE);
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
    if (anyChoice && (!complete || word != activeProfileWord(true)))
        applyActiveProfile();
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

void MainWindow::applyActiveProfile()
{
    kest::deviceSettingApply(kest::KESTIE_ACTIVE_PROFILE, activeProfileWord(false));
}

void MainWindow::syncActiveProfile()
{
    const std::uint32_t stored = kest::deviceSettingRead(kest::KESTIE_ACTIVE_PROFILE);
    const std::uint32_t wanted = activeProfileWord(true);
    if (stored != wanted)
        kest::deviceSettingWrite(kest::KESTIE_ACTIVE_PROFILE, wanted);
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
    if (!refilling)
        applyActiveProfile();
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
    if (name.toLocal8Bit().size() > kest::PROFILE_NAME_BYTES) {
        KestMessage::information(
            this, tr("Notify"),
            tr("Profile name is too long: 16 bytes at most (accented letters take two)."));
        return;
    }
    const int existing = findByName(combo, name);
    const int slot = existing >= 0 ? std::uint8_t(itemRecord(combo, existing)[0]) : findFreeSlot();
    if (slot < 0) {
        KestMessage::information(this, tr("Notify"), tr("Profile is full"));
        return;
    }
    const QByteArray record = kest::slotRecord(slot, p + 1, editors[p]->curve());
    combo->addItem(name, record);
    selectProfileByName(combo, name);
    writeProfileSlot(slot, name, record);
    syncActiveProfile();
    reloadProfiles();
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
    const int i = findByName(combo, name);
    if (i < 0)
        return;
    clearProfileSlot(std::uint8_t(itemRecord(combo, i)[0]));
    reloadProfiles();
    syncActiveProfile();
}
