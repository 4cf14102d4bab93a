// The PROFILES page: the unit's profile lists, the chosen profiles and their curves.

#include "profilespage.h"

#include "kestaxis.h"
#include "kestmessage.h"
#include "kestunit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>

namespace {

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

/// Whether a list holds exactly these profiles, in this order.
bool listShows(const QComboBox *combo, const QList<kest::UnitProfile> &profiles)
{
    if (combo->count() != profiles.size())
        return false;
    for (int i = 0; i < combo->count(); ++i)
        if (combo->itemText(i) != profiles[i].name
            || combo->itemData(i).toByteArray() != profiles[i].record.bytes())
            return false;
    return true;
}

} // namespace

ProfilesPage::ProfilesPage(const Widgets &widgets, kest::KestUnit &unit, QObject *parent)
    : QObject(parent), w(widgets), unit(unit)
{
    connect(&unit, &kest::KestUnit::profilesChanged, this, &ProfilesPage::showTable);
}

void ProfilesPage::tell(const kest::Outcome &outcome, const QString &doneText)
{
    switch (outcome.status) {
    case kest::Outcome::Done:
    case kest::Outcome::Refused: {
        const QString text
            = outcome.message.isEmpty() && outcome.done() ? doneText : outcome.message;
        if (!text.isEmpty())
            KestMessage::information(w.boxParent, tr("Notify"), text);
        break;
    }
    case kest::Outcome::Failed:
        KestMessage::critical(w.boxParent, tr("Error"), outcome.message);
        break;
    }
}

void ProfilesPage::showTable()
{
    const Raised guard(refilling);
    for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
        QComboBox *combo = w.lists[std::size_t(p)];
        const QList<kest::UnitProfile> &profiles = unit.profiles(p);
        if (!listShows(combo, profiles)) {
            combo->clear();
            for (const kest::UnitProfile &profile : profiles)
                combo->addItem(profile.name, profile.record.bytes());
        }
        combo->setCurrentIndex(unit.currentProfile(p));
    }
}

void ProfilesPage::showPositions(const QByteArray &values)
{
    for (int p = 0; p < kest::PEDAL_COUNT; ++p)
        w.editors[std::size_t(p)]->setInputPosition(kest::pedalPosition(values, p));
}

void ProfilesPage::reportStraySlots()
{
    const QList<kest::StraySlot> &strays = unit.straySlots();
    if (strays.isEmpty())
        return;
    QStringList which;
    for (const kest::StraySlot &s : strays)
        which << tr("slot %1 (\"%2\")").arg(s.slot).arg(s.name);
    KestMessage::information(
        w.boxParent, tr("Notify"),
        tr("The pedal unit holds a profile that belongs to no pedal in %1. It is left as it "
           "is and shown in no list, and EXPORT does not write it. IMPORT of a profile file "
           "or CLEAR FLASH on the DEVICE page clears it.")
            .arg(which.join(QStringLiteral(", "))));
}

void ProfilesPage::profileChanged(int p)
{
    const QComboBox *combo = p >= 0 && p < kest::PEDAL_COUNT ? w.lists[std::size_t(p)] : nullptr;
    if (!combo || combo->currentIndex() < 0)
        return;
    const int index = combo->currentIndex();
    if (index >= unit.profiles(p).size())
        return;
    w.editors[std::size_t(p)]->setCurve(unit.profiles(p)[index].record.curveBytes());
    if (!refilling)
        unit.chooseProfile(p, index);
}

void ProfilesPage::save(int p)
{
    if (p < 0 || p >= kest::PEDAL_COUNT)
        return;
    // Taken before a read of the table can put another profile's curve into the editor.
    const QString name = w.lists[std::size_t(p)]->currentText();
    const QByteArray curve = w.editors[std::size_t(p)]->curve();
    tell(unit.saveProfile(p, name, curve), tr("Profile is saved"));
}

void ProfilesPage::remove(int p)
{
    if (p < 0 || p >= kest::PEDAL_COUNT)
        return;
    const QString name = w.lists[std::size_t(p)]->currentText();
    // Nothing to ask about a removal that would send nothing.
    if (const auto refusal = unit.removalRefusal(p, name)) {
        tell(*refusal);
        return;
    }
    // The names the page's columns carry.
    const QString pedals[] = {QCoreApplication::translate("MainWindow", "CLUTCH"),
                              QCoreApplication::translate("MainWindow", "BRAKE"),
                              QCoreApplication::translate("MainWindow", "THROTTLE")};
    QString backup = kest::nextBackupPath();
    if (!confirm(tr("Remove the %1 profile \"%2\" from the unit?").arg(pedals[p], name), backup))
        return;
    tell(unit.removeProfile(p, name));
}

bool ProfilesPage::confirm(const QString &question, QString &backup)
{
    const auto answer = KestMessage::question(w.boxParent, tr("Notify"),
                                              question + QStringLiteral("\n\n")
                                                  + kest::KestUnit::backupNote(backup));
    if (answer != QMessageBox::Yes)
        return false;
    const kest::Outcome saved = unit.backUp(backup);
    if (!saved.done())
        tell(saved);
    return saved.done();
}

void ProfilesPage::exportTable()
{
    const QString chosen = KestMessage::saveFileName();
    if (!chosen.isEmpty())
        tell(unit.exportProfiles(chosen));
}

void ProfilesPage::importTable()
{
    const QString fileName = KestMessage::openFileName();
    if (fileName.isEmpty())
        return;
    // A file that would be refused is refused before anything is asked.
    const kest::Outcome checked = kest::KestUnit::checkProfileFile(fileName);
    if (!checked.done()) {
        tell(checked);
        return;
    }
    QString backup = kest::nextBackupPath();
    if (!confirm(tr("Import the profiles of %1?\nThis replaces all 16 profiles on the unit.")
                     .arg(QDir::toNativeSeparators(fileName)),
                 backup))
        return;
    tell(unit.importProfiles(fileName));
}
