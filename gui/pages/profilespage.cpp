// The PROFILES page: the unit's profile lists, the chosen profiles and their curves.

#include "profilespage.h"

#include "kestaxis.h"
#include "kestmessage.h"
#include "kestunit.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>

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

/// The mark of a curve not saved: a dot, as editors mark a changed file. In the curves'
/// blue: the amber dot on a curve is the pedal's position.
QIcon unsavedDot()
{
    QPixmap dot(16, 16);
    dot.fill(Qt::transparent);
    QPainter painter(&dot);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x11, 0x92, 0xCF));
    painter.drawEllipse(QRectF(3, 3, 10, 10));
    return QIcon(dot);
}

} // namespace

ProfilesPage::ProfilesPage(const Widgets &widgets, kest::KestUnit &unit, QObject *parent)
    : QObject(parent), w(widgets), unit(unit)
{
    connect(&unit, &kest::KestUnit::profilesChanged, this, &ProfilesPage::showTable);
    // The mark sits in the edit field, beside the name, and leaves the name as it is: the
    // field's text is the name SAVE uses. Changing the items instead would also put the
    // item's text back into a field the user is typing in. (A list without an edit field
    // has the tooltip and the description only.)
    const QIcon dot = unsavedDot();
    for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
        QAction *mark = w.lists[std::size_t(p)]->lineEdit()
            ? w.lists[std::size_t(p)]->lineEdit()->addAction(dot, QLineEdit::TrailingPosition)
            : new QAction(dot, QString(), this);
        mark->setObjectName(QStringLiteral("unsavedMark%1").arg(p));
        mark->setVisible(false);
        unsavedMarks[std::size_t(p)] = mark;
        connect(w.editors[std::size_t(p)], &KestAxis::curveChanged, this,
                [this, p] { showUnsaved(p); });
    }
    // An addition below IMPORT and EXPORT, where it covers nothing: a file written or read
    // is named there, since neither says anything else when it worked.
    if (QWidget *page = w.editors[0]->parentWidget()) {
        status = new QLabel(page);
        status->setObjectName(QStringLiteral("lbProfilesStatus"));
        status->setGeometry(30, 392, 690, 18);
        status->setAlignment(Qt::AlignCenter);
        status->setStyleSheet(QStringLiteral("color: rgb(200, 200, 200); font-size: 12px;"));
    }
}

void ProfilesPage::showStatus(const QString &text)
{
    if (!status)
        return;
    // A long path keeps its end, the file's name, in view.
    status->setText(status->fontMetrics().elidedText(text, Qt::ElideMiddle, status->width() - 4));
    status->setToolTip(text);
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
    for (int p = 0; p < kest::PEDAL_COUNT; ++p)
        showUnsaved(p);
}

bool ProfilesPage::curveUnsaved(int p) const
{
    const int chosen = unit.currentProfile(p);
    return chosen >= 0
        && w.editors[std::size_t(p)]->curve() != unit.profiles(p)[chosen].record.curveBytes();
}

void ProfilesPage::showUnsaved(int p)
{
    const bool unsaved = curveUnsaved(p);
    QAction *mark = unsavedMarks[std::size_t(p)];
    QComboBox *combo = w.lists[std::size_t(p)];
    const QString why = unsaved ? tr("Curve changed, not saved in \"%1\"")
                                      .arg(unit.profiles(p)[unit.currentProfile(p)].name)
                                : QString();
    mark->setVisible(unsaved);
    mark->setToolTip(why);
    combo->setToolTip(why);
    combo->setAccessibleDescription(unsaved ? tr("Curve not saved") : QString());
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
    if (!refilling && !settleBeforeChoosing(p, index))
        return;
    w.editors[std::size_t(p)]->setCurve(unit.profiles(p)[index].record.curveBytes());
    if (!refilling)
        unit.chooseProfile(p, index);
}

bool ProfilesPage::settleBeforeChoosing(int p, int index)
{
    const int before = unit.currentProfile(p);
    if (before < 0 || before == index || !curveUnsaved(p))
        return true;
    QComboBox *combo = w.lists[std::size_t(p)];
    KestAxis *editor = w.editors[std::size_t(p)];
    const kest::UnitProfile had = unit.profiles(p)[before];
    const int pickedSlot = unit.profiles(p)[index].slot();
    const QByteArray edited = editor->curve();
    const auto answer = KestMessage::questionWithCancel(
        w.boxParent, tr("Notify"),
        tr("The %1 curve of profile \"%2\" was changed and is not saved.")
                .arg(kest::KestUnit::pedalName(p), had.name)
            + QLatin1String("\n\n") + tr("Save the curve as \"%1\" first?").arg(had.name));
    // The box let events through: a read of the table meanwhile (a new attach) has put the
    // list in line with the unit, and the pick no longer stands.
    const QList<kest::UnitProfile> &now = unit.profiles(p);
    if (unit.currentProfile(p) != before || now[before].slot() != had.slot()
        || combo->currentIndex() != index || index >= now.size() || now[index].slot() != pickedSlot)
        return false;

    // Back to the profile the edit belongs to, with the edit: the pick is not made.
    const auto stay = [&] {
        {
            const QSignalBlocker quiet(combo);
            combo->setCurrentIndex(unit.currentProfile(p));
        }
        if (unit.currentProfile(p) >= 0
            && unit.profiles(p)[unit.currentProfile(p)].slot() == had.slot())
            editor->setCurve(edited);
        showUnsaved(p);
    };
    switch (answer) {
    case QMessageBox::No:
        return true;
    case QMessageBox::Yes: {
        // The save reads the table back and shows its profile as the choice; the pick
        // then goes on from there, unless the save did not happen.
        const kest::Outcome saved = unit.saveProfile(p, had.name, edited);
        tell(saved, tr("Profile is saved"));
        if (!saved.done()) {
            stay();
            return false;
        }
        const int picked = unit.profileIndexOfSlot(p, pickedSlot);
        if (picked >= 0)
            combo->setCurrentIndex(picked);
        return false;
    }
    default:
        stay();
        return false;
    }
}

bool ProfilesPage::settleUnsavedCurves()
{
    struct Edit
    {
        int pedal;
        QString name;
        QByteArray curve;
    };
    // All taken before the first save, whose read of the table may put a stored curve
    // into another editor.
    QList<Edit> edits;
    QStringList which;
    for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
        if (!curveUnsaved(p))
            continue;
        const QString name = unit.profiles(p)[unit.currentProfile(p)].name;
        edits.append({p, name, w.editors[std::size_t(p)]->curve()});
        which << tr("%1: curve of profile \"%2\"").arg(kest::KestUnit::pedalName(p), name);
    }
    if (edits.isEmpty())
        return true;
    const auto answer = KestMessage::questionWithCancel(
        w.boxParent, tr("Notify"),
        tr("Changed and not saved:") + QLatin1Char('\n') + which.join(QLatin1Char('\n'))
            + QLatin1String("\n\n") + tr("Save before closing?"));
    if (answer != QMessageBox::Yes)
        return answer == QMessageBox::No;
    for (const Edit &edit : edits) {
        const kest::Outcome saved = unit.saveProfile(edit.pedal, edit.name, edit.curve);
        if (!saved.done()) {
            // The window stays open with the message, so that nothing goes unsaved unseen.
            tell(saved);
            return false;
        }
    }
    return true;
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
    QString backup = kest::nextBackupPath();
    if (!confirm(tr("Remove the %1 profile \"%2\" from the unit?")
                     .arg(kest::KestUnit::pedalName(p), name),
                 backup))
        return;
    tell(unit.removeProfile(p, name));
}

bool ProfilesPage::confirm(const QString &question, QString &backup, bool *no,
                           const QString &bringsBack)
{
    const QString text = question + QStringLiteral("\n\n") + kest::KestUnit::backupNote(backup);
    const auto answer = no ? KestMessage::questionWithCancel(w.boxParent, tr("Notify"), text)
                           : KestMessage::question(w.boxParent, tr("Notify"), text);
    if (no && (answer == QMessageBox::Yes || answer == QMessageBox::No))
        *no = answer == QMessageBox::No;
    else if (answer != QMessageBox::Yes)
        return false;
    const kest::Outcome saved = unit.backUp(backup, bringsBack);
    if (!saved.done() || !saved.message.isEmpty()) // the failure, or the profiles left out
        tell(saved);
    return saved.done();
}

void ProfilesPage::exportTable()
{
    const QString chosen = KestMessage::saveFileName();
    if (chosen.isEmpty())
        return;
    const kest::Outcome exported = unit.exportProfiles(chosen);
    showStatus(exported.done() ? tr("Profiles written to %1.")
                                     .arg(QDir::toNativeSeparators(kest::profileExportName(chosen)))
                               : QString());
    tell(exported);
}

bool ProfilesPage::importTable()
{
    const QString fileName = KestMessage::openFileName();
    if (fileName.isEmpty())
        return false;
    // A file that would be refused is refused before anything is asked.
    const kest::Outcome checked = kest::KestUnit::checkProfileFile(fileName);
    if (!checked.done()) {
        tell(checked);
        return false;
    }
    const QString shownName = QDir::toNativeSeparators(fileName);
    QString question = tr("Import the profiles of %1?\nThis replaces all 16 profiles on the unit.")
                           .arg(shownName);
    // A backup brings back the unit's other settings too, when the user wants them.
    kest::UnitBackup backup;
    bool holdsSettings = false;
    const kest::Outcome whole = kest::KestUnit::checkBackupFile(fileName, &backup, &holdsSettings);
    if (whole.done())
        question += QStringLiteral("\n\n")
            + tr("The file is a backup. It also holds these settings:\n%1\nYes restores them "
                 "too; No imports the profiles only.")
                  .arg(kest::KestUnit::backupSettingsText(backup));
    else if (holdsSettings)
        question += QStringLiteral("\n\n")
            + tr("The file's other settings cannot be restored, only its profiles: %1")
                  .arg(whole.message);
    QString backupPath = kest::nextBackupPath();
    bool profilesOnly = !whole.done();
    if (!confirm(question, backupPath, whole.done() ? &profilesOnly : nullptr, fileName))
        return false;
    if (profilesOnly) {
        const kest::Outcome imported = unit.importProfiles(fileName);
        showStatus(imported.done() ? tr("Profiles imported from %1.").arg(shownName) : QString());
        tell(imported);
        return false;
    }
    const kest::Outcome restored = unit.restoreBackup(backup);
    showStatus(restored.status == kest::Outcome::Refused ? QString()
                   : restored.done() ? tr("Profiles and settings restored from %1.").arg(shownName)
                                     : tr("Restore from %1 stopped part-way.").arg(shownName));
    tell(restored);
    return restored.status != kest::Outcome::Refused;
}
