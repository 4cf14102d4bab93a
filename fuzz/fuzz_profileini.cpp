// Profile files, through the checks the import makes: every input is parsed from its
// bytes with parseProfileFile, as the import does after its one bounded read.
//
// Promises checked beyond "no crash, hang, leak or undefined behaviour":
// - the line check cuts the text as QSettings does: wherever it takes a text (without a
//   byte order mark), the keys it found are the keys QSettings read, and each value it
//   reads, where it is text or bytes, is the value QSettings reads;
// - a table that is taken holds only what the unit keeps: at most 16 profiles, one per
//   slot, full records of slots 0..15 for pedals 1..3 with curve points 0..100, names
//   that are text and come back from the unit, an INDEX with the mark;
// - what is taken and exported again is taken again, with the same profiles, names
//   with '/' and every other sign included, and the export reads the same through
//   QSettings wherever a name has no '/'.

#include "fuzzsupport.h"
#include "profileini.h"

#include <QFile>
#include <QMap>
#include <QSet>
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

QString written(const QByteArray &text)
{
    const QString path = freshPath();
    QFile f(path);
    fuzz::check(f.open(QIODevice::WriteOnly) && f.write(text) == text.size(),
                "the input is written");
    return path;
}

/// The profiles a table leaves in the unit and in an export, by key.
QMap<QString, QByteArray> byKey(const kest::ProfileTable &t)
{
    QMap<QString, QByteArray> out;
    for (const kest::ProfileEntry &p : t.profiles)
        out.insert(kest::profileKey(p.record.slot, p.name), p.record.bytes());
    return out;
}

bool isTextOrBytes(const QVariant &v)
{
    return v.typeId() == QMetaType::QString || v.typeId() == QMetaType::QByteArray;
}

void checkAgainstQSettings(const QByteArray &text)
{
    // After a byte order mark QSettings (6.4) does not cut lines quite as without one: a
    // blank after the mark stays part of the first key, for one. The import refuses
    // such a file, which the other promises cover.
    if (text.startsWith("\xEF\xBB\xBF"))
        return;
    QList<kest::IniKeyLine> lines;
    if (!kest::scanIniLines(text, lines))
        return;
    const QString path = written(text);
    const QSettings settings(path, QSettings::IniFormat);
    QStringList scanned;
    QMap<QString, QByteArray> lastValue; // QSettings keeps the last of a key given twice
    for (const kest::IniKeyLine &l : lines) {
        scanned << l.key;
        lastValue.insert(l.key, l.rawValue);
    }
    scanned.removeDuplicates();
    scanned.sort();
    QStringList read = settings.allKeys();
    read.sort();
    fuzz::check(scanned == read, "the line check finds the keys QSettings reads");
    for (auto it = lastValue.cbegin(); it != lastValue.cend(); ++it) {
        // QSettings looks a key up by its normalized form: "a//b", "a/" and the empty
        // key are found under other keys, or not at all.
        if (it.key().isEmpty() || it.key().contains(QLatin1Char('/')))
            continue;
        const QVariant ours = kest::iniValue(it.value());
        const QVariant theirs = settings.value(it.key());
        if (isTextOrBytes(ours) || (isTextOrBytes(theirs) && !theirs.toString().startsWith('@')))
            fuzz::check(ours.typeId() == theirs.typeId() && ours == theirs,
                        "values read as QSettings reads them");
    }
    QFile::remove(path);
}

void checkTaken(const kest::ProfileTable &table)
{
    fuzz::check(kest::profileIndexValid(table.index), "INDEX carries the mark");
    fuzz::check(table.profiles.size() <= 16, "at most 16 profiles");
    QSet<int> slots;
    for (const kest::ProfileEntry &p : table.profiles) {
        fuzz::check(p.record.bytes().size() == 7, "records have seven bytes");
        fuzz::check(kest::profileRecordValid(p.record.bytes()),
                    "records name a slot and a pedal, and hold curve points 0..100");
        for (std::uint8_t point : p.record.curve)
            fuzz::check(point <= 100, "curve points are 0..100");
        fuzz::check(kest::profileNameValid(p.name), "names come back from the unit");
        fuzz::check(kest::profileNameIsText(p.name), "names are text");
        fuzz::check(!slots.contains(p.record.slot), "one profile per slot");
        slots.insert(p.record.slot);
    }
}

void checkRoundTrip(const kest::ProfileTable &table)
{
    kest::ProfileTable exported;
    exported.index = table.index;
    const QMap<QString, QByteArray> profiles = byKey(table);
    bool withSlash = false;
    for (auto it = profiles.cbegin(); it != profiles.cend(); ++it) {
        const QString name = kest::profileKeyName(it.key());
        withSlash = withSlash || name.contains(QLatin1Char('/'));
        exported.profiles.append({name, kest::SlotRecord::fromBytes(it.value())});
    }
    const QByteArray text = kest::profileFileText(exported);
    kest::ProfileTable again;
    QString why;
    if (!kest::parseProfileFile(text, again, &why)) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        fuzz::fail("an export is taken again");
    }
    fuzz::check(again.index == exported.index, "the export keeps INDEX");
    fuzz::check(byKey(again) == profiles, "the export keeps every profile");
    if (withSlash)
        return;
    const QString path = written(text);
    const QSettings settings(path, QSettings::IniFormat);
    for (auto it = profiles.cbegin(); it != profiles.cend(); ++it)
        fuzz::check(settings.value(it.key()).toByteArray() == it.value(),
                    "QSettings reads the export as written");
    QFile::remove(path);
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
    checkAgainstQSettings(text);
    kest::ProfileTable table;
    if (kest::parseProfileFile(text, table)) {
        checkTaken(table);
        checkRoundTrip(table);
    }
    return 0;
}
