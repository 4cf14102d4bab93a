// Profile files, through the entry the import uses: every input is written to a file of
// its own and read with readProfileFile.
//
// Promises checked beyond "no crash, hang, leak or undefined behaviour":
// - the line check cuts the text as QSettings does: wherever it takes a text (without a
//   byte order mark), the keys it found are the keys QSettings read;
// - a table that is taken holds only what the unit keeps: full records of slots 0..15
//   for pedals 1..3, names that come back from the unit, an INDEX with the mark;
// - what is taken and exported again is taken again, with the same profiles (names
//   with '/' aside: QSettings makes that a section separator in a key).

#include "fuzzsupport.h"
#include "profileini.h"

#include <QFile>
#include <QMap>
#include <QSettings>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

QTemporaryDir *folder()
{
    static QTemporaryDir dir;
    return &dir;
}

/// A name never used before in this run: QSettings keeps files it has read in a cache
/// keyed by name and checks them again only by time and size.
QString freshPath()
{
    static quint64 count = 0;
    return folder()->filePath(QString::number(++count) + QStringLiteral(".ini"));
}

/// The profiles a table leaves in the unit and in an export: by key, the later wins.
QMap<QString, QByteArray> byKey(const kest::ProfileTable &t)
{
    QMap<QString, QByteArray> out;
    for (const kest::ProfileEntry &p : t.profiles)
        out.insert(kest::profileKey(std::uint8_t(p.record[0]), p.name), p.record);
    return out;
}

void checkLinesAgainstQSettings(const QByteArray &text, const QString &path)
{
    // After a byte order mark QSettings (6.4) does not cut lines quite as without one: a
    // blank after the mark stays part of the first key, for one. The import then finds
    // other keys than the line check and refuses the file, which the other promises cover.
    if (text.startsWith("\xEF\xBB\xBF"))
        return;
    QList<kest::IniKeyLine> lines;
    if (!kest::scanIniLines(text, lines))
        return;
    QStringList scanned;
    for (const kest::IniKeyLine &l : lines)
        scanned << l.key;
    scanned.removeDuplicates();
    scanned.sort();
    QStringList read = QSettings(path, QSettings::IniFormat).allKeys();
    read.sort();
    fuzz::check(scanned == read, "the line check finds the keys QSettings reads");
}

void checkTaken(const kest::ProfileTable &table)
{
    fuzz::check(kest::profileIndexValid(table.index), "INDEX carries the mark");
    for (const kest::ProfileEntry &p : table.profiles) {
        fuzz::check(p.record.size() == 7, "records have seven bytes");
        fuzz::check(kest::profileRecordValid(p.record), "records name a slot and a pedal");
        fuzz::check(kest::profileNameValid(p.name), "names come back from the unit");
    }
}

void checkRoundTrip(const kest::ProfileTable &table)
{
    kest::ProfileTable exported;
    exported.index = table.index;
    const QMap<QString, QByteArray> profiles = byKey(table);
    for (auto it = profiles.cbegin(); it != profiles.cend(); ++it) {
        const QString name = kest::profileKeyName(it.key());
        if (name.contains(QLatin1Char('/')))
            return;
        exported.profiles.append({name, it.value()});
    }
    const QString path = freshPath();
    fuzz::check(kest::writeProfileFile(path, exported), "the export is written");
    kest::ProfileTable again;
    QString why;
    if (!kest::readProfileFile(path, again, &why)) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        fuzz::fail("an export is taken again");
    }
    QFile::remove(path);
    fuzz::check(again.index == exported.index, "the export keeps INDEX");
    fuzz::check(byKey(again) == profiles, "the export keeps every profile");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::initApplication(argc, argv);
    fuzz::check(folder()->isValid(), "a temporary folder");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = freshPath();
    {
        QFile f(path);
        fuzz::check(f.open(QIODevice::WriteOnly) && f.write(text) == text.size(),
                    "the input is written");
    }
    checkLinesAgainstQSettings(text, path);
    kest::ProfileTable table;
    const bool taken = kest::readProfileFile(path, table);
    QFile::remove(path);
    if (taken) {
        checkTaken(table);
        checkRoundTrip(table);
    }
    return 0;
}
