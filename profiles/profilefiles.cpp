// Export and import of the profile table as INI files.

#include "profilefiles.h"

#include "kestmessage.h"
#include "kestprotocol.h"
#include "profileini.h"
#include "profileslots.h"
#include "profilespage.h"
#include "unitslots.h"

#include <QFileInfo>

ProfileFiles::ProfileFiles(ProfilesPage &profiles, QWidget *boxParent, QObject *parent)
    : QObject(parent), profiles(profiles), boxParent(boxParent)
{ }

void ProfileFiles::unitError(const QString &what)
{
    KestMessage::critical(boxParent, tr("Error"), what);
}

void ProfileFiles::exportTable()
{
    const QString chosen = KestMessage::saveFileName();
    if (chosen.isEmpty())
        return;

    // The table as the lists show it, not as the unit holds it; lists that a failed
    // read cut short would make a backup that erases the missing profiles when imported.
    if (!profiles.ensureLoaded()) {
        unitError(profiles.isUnsettled()
                      ? tr("The profiles were not exported.") + QLatin1Char(' ')
                          + ProfilesPage::unsettledText()
                      : tr("The profiles were not exported: the profile lists could not be "
                           "read from the pedal unit."));
        return;
    }
    kest::ProfileTable table;
    // A name the unit holds as bytes that are no text is listed with U+FFFD in their
    // place; imported, it would reach the unit as other bytes. Such a slot is left out,
    // and the user is told which.
    QStringList left;
    for (int slot = 0; slot < kest::PROFILE_SLOT_COUNT; ++slot) {
        QString name;
        QByteArray record;
        if (!profiles.findSlot(slot, name, record))
            continue;
        if (kest::profileNameIsText(name))
            table.profiles.append({name, record});
        else
            left << QString::number(slot);
    }
    table.index = profiles.activeProfileWord(true);

    const QString fileName = kest::profileExportName(chosen);
    const bool existed = QFileInfo(fileName).isFile();
    if (!kest::writeProfileFile(fileName, table)) {
        const QString failed = tr("The profile file could not be written.");
        KestMessage::information(boxParent, tr("Notify"),
                                 existed ? failed + QLatin1Char(' ')
                                         + tr("The file that was there is kept as it was.")
                                         : failed);
        return;
    }
    // A profile of no pedal has no list and no place in the file's pedal sections.
    QStringList stray;
    for (int slot : profiles.straySlots())
        stray << QString::number(slot);
    QStringList notes;
    if (!stray.isEmpty())
        notes << tr("The profiles were exported, except the one of no pedal in slot %1.")
                     .arg(stray.join(QStringLiteral(", ")));
    if (!left.isEmpty())
        notes << tr("The profiles were exported except slot %1: the name that the pedal unit "
                    "holds there is not valid text, and it would not come back as it is.")
                     .arg(left.join(QStringLiteral(", ")));
    if (!notes.isEmpty())
        KestMessage::information(boxParent, tr("Notify"), notes.join(QLatin1Char('\n')));
}

void ProfileFiles::importTable()
{
    const QString fileName = KestMessage::openFileName();
    if (fileName.isEmpty())
        return;
    if (!kest::isProfileFileName(fileName)) {
        KestMessage::information(boxParent, tr("Notify"), tr("Please choose INI file"));
        return;
    }
    // The whole file is checked before the unit is touched. These files are edited by
    // hand, so the second line says where the file fails and why.
    kest::ProfileTable table;
    QString problem;
    if (!kest::readProfileFile(fileName, table, &problem)) {
        KestMessage::information(boxParent, tr("Notify"),
                                 tr("INI file is not valid.") + QLatin1Char('\n') + problem);
        return;
    }

    // Stops at the first exchange that fails: the unit then holds part of the file, and
    // the user is told so rather than left with half a table and no word.
    bool written = true;
    bool cutOff = false; // a slot left with a name in effect that the unit does not keep
    for (int slot = 0; slot < kest::PROFILE_SLOT_COUNT && written; ++slot)
        written = kest::clearProfileSlot(slot, &cutOff);
    int imported = 0;
    for (const kest::ProfileEntry &p : table.profiles) {
        if (!written
            || !kest::writeProfileSlot(std::uint8_t(p.record[0]), p.name, p.record, &cutOff)) {
            written = false;
            break;
        }
        ++imported;
    }
    if (!written) {
        // The close must not store a choice made from a table that reads otherwise than
        // it is kept.
        if (cutOff)
            profiles.markUnsettled();
        profiles.reload();
        unitError(tr("The import stopped after %1 of %2 profiles: the pedal unit did not "
                     "answer. Its profile table is incomplete; please import the file again.")
                      .arg(imported)
                      .arg(table.profiles.size()));
        return;
    }
    profiles.markSettled(); // every slot was cleared and written: none holds a stray name
    const bool reloaded = profiles.reload();
    for (int p = 0; p < kest::PEDAL_COUNT; ++p)
        profiles.selectBySlot(p, kest::activeWordSlot(table.index, p));
    if (!reloaded || !profiles.syncActiveProfile())
        unitError(tr("The profiles were imported, but the pedal unit did not store the "
                     "file's choice of active profiles."));
}
