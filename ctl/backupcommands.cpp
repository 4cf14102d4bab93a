// backup and restore: everything the unit keeps, to a file and back, as the window's
// backups and its IMPORT of a backup do.

#include "cli.h"
#include "profileini.h"

#include <QDir>
#include <QFileInfo>

namespace kestctl {

int runBackup(const Invocation &in)
{
    const Output out(in.json);
    if (in.words.size() > 2)
        return out.fail(ExitRefused, tr("usage: kestctl backup [FILE] [--yes]"));
    QString target;
    if (in.words.size() == 2) {
        // A file of the user's is replaced only when asked to, as an export's.
        target = kest::profileExportName(in.words.at(1));
        if (QFileInfo::exists(target) && !in.yes)
            return out.fail(ExitRefused, tr("%1 exists: add --yes to replace it").arg(target));
    }
    if (const auto ended = attachOrFail(out))
        return *ended;
    kest::KestUnit unit;
    kest::Outcome saved;
    if (target.isEmpty()) {
        target = kest::nextBackupPath();
        saved = unit.backUp(target);
    } else {
        saved = unit.backUpToFile(target);
    }
    if (!saved.done())
        return outcomeExit(out, saved, QString());
    const QString shown = QDir::toNativeSeparators(target);
    out.line(tr("Backup of the unit's settings: %1").arg(shown));
    if (!saved.message.isEmpty()) // the profiles it leaves out
        Output::message(saved.message);
    return out.done({{QStringLiteral("backup"), shown}});
}

int runRestore(const Invocation &in)
{
    const Output out(in.json);
    if (in.words.size() != 2)
        return out.fail(ExitRefused, tr("usage: kestctl restore FILE [--yes]"));
    // The whole file is checked before the unit is opened; the bytes checked are the
    // ones restored.
    const QString file = in.words.at(1);
    kest::UnitBackup backup;
    const kest::Outcome checked = kest::KestUnit::checkBackupFile(file, &backup);
    if (!checked.done())
        return outcomeExit(out, checked, QString());
    QString own = kest::nextBackupPath();
    if (const auto ended = confirmOrEnd(
            in, out,
            tr("Restore everything %1 holds? It replaces all 16 profiles on the unit, the choice "
               "of active profiles and these settings:")
                    .arg(QDir::toNativeSeparators(file))
                + QLatin1Char('\n') + kest::KestUnit::backupSettingsText(backup) + QLatin1Char('\n')
                + kest::KestUnit::backupNote(own) + QLatin1Char('\n') + tr("Continue?"),
            tr("restore replaces every setting the unit keeps: confirm with --yes when not "
               "asked on a terminal"),
            tr("Nothing was restored.")))
        return *ended;
    if (const auto ended = attachOrFail(out))
        return *ended;
    kest::KestUnit unit;
    if (const auto ended = backUpOrFail(out, unit, &own, file))
        return *ended;
    const kest::Outcome restored = unit.restoreBackup(backup);
    // Done with a note: an older backup left the clutch setting as it was.
    if (restored.done() && !restored.message.isEmpty())
        Output::message(restored.message);
    return outcomeExit(
        out, restored.done() ? kest::Outcome::ok() : restored,
        tr("Profiles and settings restored from %1.").arg(QDir::toNativeSeparators(file)));
}

} // namespace kestctl
