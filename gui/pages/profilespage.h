#pragma once

#include <QObject>
#include <QString>

#include <array>

class KestAxis;
namespace kest {
class KestUnit;
struct Outcome;
} // namespace kest
QT_BEGIN_NAMESPACE
class QAction;
class QComboBox;
class QLabel;
class QWidget;
QT_END_NAMESPACE

/// The PROFILES page: shows the unit's profile table as the three pedals' lists, the
/// chosen profiles as their current items and their curves in the editors, and hands
/// the page's buttons to the unit model.
class ProfilesPage : public QObject
{
    Q_OBJECT

public:
    struct Widgets
    {
        std::array<QComboBox *, 3> lists; ///< each pedal's profiles, the chosen one current
        std::array<KestAxis *, 3> editors; ///< each pedal's response curve
        QWidget *boxParent = nullptr; ///< the window, for message boxes
    };

    ProfilesPage(const Widgets &widgets, kest::KestUnit &unit, QObject *parent = nullptr);

    /// Tells the user once which slots hold a profile of no pedal and how to clear them.
    void reportStraySlots();
    /// Moves the curve editors' markers to the newest positions.
    void showPositions(const QByteArray &values);

    /// A pedal's list changed its current profile. When the curve of the profile it had
    /// was edited and not saved, the user is asked first whether to save it, discard it
    /// or stay with it.
    void profileChanged(int pedal);
    /// Whether the curve in a pedal's editor differs from the stored curve of its chosen
    /// profile (false while it has none).
    bool curveUnsaved(int pedal) const;
    /// Before the window closes: asks once about every curve edited and not saved, and
    /// saves them when told to. False when the window is to stay open (Cancel, or a save
    /// that failed and was reported).
    bool settleUnsavedCurves();
    /// Saves the curve of a pedal under the name its list shows.
    void save(int pedal);
    /// Removes the profile a pedal's list shows.
    void remove(int pedal);
    /// Asks for a file name and writes the unit's table and choice to it.
    void exportTable();
    /// Asks for a file, which the unit model checks whole before it replaces the table.
    /// For a backup, the user may have its other settings restored too: true when the
    /// unit's clutch mode may have changed, which the model then holds.
    bool importTable();

private:
    /// Brings the lists in line with the model's table and choice; a list that already
    /// shows them is left alone, with any name being typed into it.
    void showTable();
    /// Asks the question, which the backup's path ends, and on Yes makes the backup
    /// (`backup` names the file it went to). False when the user said No or the backup
    /// failed, which the user is then told: the operation must not go ahead. With `no`,
    /// the question offers Yes, No and Cancel, and No goes ahead too: `no` says which.
    /// `bringsBack` is the file the operation reads, which the backups' pruning spares.
    bool confirm(const QString &question, QString &backup, bool *no = nullptr,
                 const QString &bringsBack = QString());
    /// Tells the user how an operation ended: `doneText` (or the model's note) when done.
    void tell(const kest::Outcome &outcome, const QString &doneText = QString());
    /// The status line below IMPORT and EXPORT; empty clears it.
    void showStatus(const QString &text);
    /// Shows or clears the mark of a curve not saved on a pedal's list.
    void showUnsaved(int pedal);
    /// The user picked item `index` of a pedal's list while the chosen profile's curve is
    /// not saved: asks, and saves or keeps the edit. True when the pick is to go on.
    bool settleBeforeChoosing(int pedal, int index);

    Widgets w;
    kest::KestUnit &unit;
    /// Above zero while showTable refills the lists: the items that become current on the
    /// way are the model's choice, not the user's.
    int refilling = 0;
    /// The mark of each list's edit field, shown while its pedal's curve is not saved.
    std::array<QAction *, 3> unsavedMarks {};
    /// Below IMPORT and EXPORT: which file the last of them wrote or read.
    QLabel *status = nullptr;
};
