// Backups of the unit's settings, made before every operation that changes them for good
// (an import, a removal, clearing the flash, a firmware upload, a restore) and on request:
// the profile table as an export writes it, so that an import brings it back, then the
// calibration and deadzone tables and the clutch mode, which a restore puts back too.

#include "kestunit.h"
#include "rangetable.h"

#include "kestdevice.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace kest {

namespace {

/// The window's program name: its data folder holds the backups of kestctl too.
const char kWindowName[] = "kest-setting";
const char kFolderName[] = "backups";

/// backup-20261209-063212-345-00.ini: the time in UTC (a change of the clock to or from
/// summer time would otherwise sort a newer backup before an older one), then a number.
const QRegularExpression &backupNamePattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^backup-\\d{8}-\\d{6}-\\d{3}-(\\d{2})\\.ini$"));
    return pattern;
}

constexpr int kNumbersPerMoment = 100;

/// The name of a backup made at `stem`'s moment with number n.
QString numbered(const QString &stem, int n)
{
    return stem + QString::asprintf("-%02d.ini", n);
}

/// Creates `path` empty, only when no file has that name (so that two programs making a
/// backup at once never write one file), trying the next numbers of its moment as long
/// as the name is taken. False when none was free or the folder cannot be written.
bool reserve(QString &path)
{
    const QFileInfo info(path);
    const QRegularExpressionMatch m = backupNamePattern().match(info.fileName());
    if (!m.hasMatch())
        return false;
    const QString stem = info.dir().filePath(info.fileName().left(m.capturedStart(1) - 1));
    for (int n = m.captured(1).toInt(); n < kNumbersPerMoment; ++n) {
        QFile file(numbered(stem, n));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            path = file.fileName();
            return true;
        }
        if (!file.exists())
            return false; // not taken, so the folder cannot be written
    }
    return false;
}

/// Writes the whole text in place of the file, or leaves the file as it was.
bool writeWhole(const QString &path, const QByteArray &text)
{
    // Unbuffered, and every error checked before the commit, as the export writes.
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
        && file.write(text) == text.size() && file.flush() && file.error() == QFileDevice::NoError;
    if (written && file.commit())
        return true;
    file.cancelWriting();
    return false;
}

/// Writes the whole text to a reserved file, or leaves the file out: on any failure the
/// empty reservation is removed again.
bool writeReserved(const QString &path, const QByteArray &text)
{
    if (writeWhole(path, text))
        return true;
    QFile::remove(path);
    return false;
}

RangeTable rangeTable(const Report &reply)
{
    RangeTable table {};
    for (int k = 0; k < RANGE_VALUE_COUNT; ++k)
        table[std::size_t(k)] = rangeValue(reply, k);
    return table;
}

} // namespace

QString backupFolder()
{
    // The data folder is named after the program that asks: kestctl asks under the
    // window's name, so that both keep their backups in one place.
    const QString own = QCoreApplication::applicationName();
    if (own != QLatin1String(kWindowName))
        QCoreApplication::setApplicationName(QLatin1String(kWindowName));
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (own != QLatin1String(kWindowName))
        QCoreApplication::setApplicationName(own);
    return QDir(data).filePath(QLatin1String(kFolderName));
}

QString nextBackupPath()
{
    const QDir folder(backupFolder());
    const QString stem = folder.filePath(
        QStringLiteral("backup-")
        + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")));
    int n = 0;
    while (n + 1 < kNumbersPerMoment && QFileInfo::exists(numbered(stem, n)))
        ++n;
    return numbered(stem, n);
}

bool isBackupFileName(const QString &fileName)
{
    return backupNamePattern().match(fileName).hasMatch();
}

int pruneBackups(const QString &folder, int keep, const QStringList &spared)
{
    QStringList sparedPaths;
    for (const QString &path : spared)
        if (const QString canonical = QFileInfo(path).canonicalFilePath(); !canonical.isEmpty())
            sparedPaths << canonical;
    const QDir dir(folder);
    QStringList backups;
    qsizetype sparedHere = 0;
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (!isBackupFileName(name))
            continue;
        if (sparedPaths.contains(QFileInfo(dir.filePath(name)).canonicalFilePath()))
            ++sparedHere;
        else
            backups << name;
    }
    int deleted = 0;
    for (qsizetype i = 0; i < backups.size() && backups.size() - i + sparedHere > keep; ++i)
        deleted += QFile::remove(dir.filePath(backups[i])) ? 1 : 0;
    return deleted;
}

QString KestUnit::backupNote(const QString &path)
{
    return tr("A backup of the unit's profiles, deadzones and calibration is saved first, "
              "to:\n%1")
        .arg(QDir::toNativeSeparators(path));
}

QString KestUnit::backupMadeNote(const QString &path)
{
    return tr("The settings it had are in the backup %1.").arg(QDir::toNativeSeparators(path));
}

Outcome KestUnit::backUp(QString &path, const QString &spared)
{
    QByteArray text;
    const Outcome read = backupText(text);
    if (!read.done())
        return read;
    const QString folder = QFileInfo(path).absolutePath();
    QString written = path;
    if (!QDir().mkpath(folder) || !reserve(written) || !writeReserved(written, text))
        return Outcome::failed(tr("No backup could be written to %1. Nothing was changed.")
                                   .arg(QDir::toNativeSeparators(folder)));
    path = written;
    // The names sort by the clock: one set back makes the backup just written sort first,
    // and it must not be the one to go. Nor may an older backup that is being brought
    // back: an import reads it after this, and a restore stopped part-way needs it again.
    pruneBackups(folder, BACKUPS_KEPT, {written, spared});
    return read;
}

Outcome KestUnit::backUpToFile(QString &fileName)
{
    fileName = profileExportName(fileName);
    QByteArray text;
    const Outcome read = backupText(text);
    if (!read.done())
        return read;
    // As an export's: nothing was sent, and a file that was there stays as it was.
    if (!writeWhole(fileName, text))
        return Outcome::refused(
            tr("No backup could be written to %1.").arg(QDir::toNativeSeparators(fileName)));
    return read;
}

Outcome KestUnit::backupText(QByteArray &text)
{
    // The profile table as the unit keeps it: one that a failed read cut short would
    // erase the missing profiles when imported.
    if (!ensureProfiles())
        return Outcome::failed(
            unsettled ? tr("No backup could be made. Nothing was changed.") + QLatin1Char(' ')
                    + unsettledText()
                      : tr("No backup could be made: the profile lists could not be read "
                           "from the pedal unit. Nothing was changed."));
    Report calibration {};
    Report deadzone {};
    if (!readRanges(calibration, deadzone))
        return Outcome::failed(tr("No backup could be made: the pedal unit did not tell its "
                                  "calibration and deadzones. Nothing was changed."));
    std::uint32_t mode = 0;
    if (!deviceSettingRead(KESTIE_PEDAL_MODE, mode))
        return Outcome::failed(tr("No backup could be made: the pedal unit did not tell its "
                                  "clutch setting. Nothing was changed."));
    // During a calibration the unit has neutral bounds in effect for the pedal, but keeps
    // the ones it had at the start.
    if (calibrating >= 0) {
        setPedalRange(calibration, calibrating, startCalibrationRange);
        setPedalRange(deadzone, calibrating, startDeadzoneRange);
    }

    QStringList left;
    text = profileFileText(exportTable(left))
        + rangeSectionText(calibrationSection(), rangeTable(calibration))
        + rangeSectionText(deadzoneSection(), rangeTable(deadzone))
        + clutchSectionText(pedalModeEnabled(mode));
    // A restore clears every slot the backup does not list: the user learns which slots
    // those are now, while the unit still has their profiles, not after the restore. (A
    // profile of no pedal is left out too; the user is told of it at every attach.)
    if (left.isEmpty())
        return Outcome::ok();
    return Outcome::doneWithNote(
        tr("The backup leaves out slot %1: the name that the pedal unit holds there is not "
           "valid text, and it would not come back as it is. A restore of this backup clears "
           "the slot.")
            .arg(left.join(QStringLiteral(", "))));
}

} // namespace kest
