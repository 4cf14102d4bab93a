#include "profileini.h"

#include "kestprotocol.h"
#include "profileslots.h"

#include <QFileInfo>
#include <QSettings>

namespace kest {

namespace {

/// The number of UTF-16 units of the decimal digit at `pos`, or 0 when there is none.
int digitAt(const QString &text, int pos)
{
    if (pos >= text.size())
        return 0;
    const QChar c = text.at(pos);
    if (c.isHighSurrogate() && pos + 1 < text.size() && text.at(pos + 1).isLowSurrogate())
        return QChar::isDigit(QChar::surrogateToUcs4(c, text.at(pos + 1))) ? 2 : 0;
    return c.isDigit() ? 1 : 0;
}

/// The length in UTF-16 units of the two leading digits of a key, or 0.
int keyDigitsLength(const QString &key)
{
    const int first = digitAt(key, 0);
    if (first == 0)
        return 0;
    const int second = digitAt(key, first);
    return second == 0 ? 0 : first + second;
}

} // namespace

QString profileKey(int slot, const QString &name)
{
    return QString::asprintf("%02d", slot) + name;
}

bool isProfileKey(const QString &key)
{
    return keyDigitsLength(key) > 0;
}

QString profileKeyName(const QString &key)
{
    return key.mid(keyDigitsLength(key));
}

bool profileKeysWellFormed(const QStringList &keys)
{
    if (!keys.contains(profileIndexKey()))
        return false;
    for (const QString &key : keys)
        if (key != profileIndexKey() && !isProfileKey(key))
            return false;
    return true;
}

std::uint32_t profileIndexValue(const QVariant &value)
{
    bool ok = false;
    switch (value.typeId()) {
    case QMetaType::QString: {
        // QVariant's own conversion would cut a larger number down to 32 bits.
        const std::uint32_t n = value.toString().toUInt(&ok, 10);
        return ok ? n : 0;
    }
    case QMetaType::Int:
    case QMetaType::LongLong: {
        const qlonglong n = value.toLongLong(&ok);
        return ok && n >= 0 && n <= 0xFFFFFFFFLL ? std::uint32_t(n) : 0;
    }
    case QMetaType::UInt:
    case QMetaType::ULongLong: {
        const qulonglong n = value.toULongLong(&ok);
        return ok && n <= 0xFFFFFFFFULL ? std::uint32_t(n) : 0;
    }
    default:
        return 0;
    }
}

bool profileIndexValid(std::uint32_t index)
{
    return activeWordMarked(index);
}

bool profileRecordValid(const QByteArray &record)
{
    return record.size() >= SLOT_RECORD_SIZE && std::uint8_t(record[0]) < PROFILE_SLOT_COUNT;
}

bool isProfileFileName(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".ini"), Qt::CaseSensitive);
}

QString profileExportName(const QString &chosen)
{
    return isProfileFileName(chosen) ? chosen : chosen + QLatin1String(".ini");
}

bool readProfileFile(const QString &path, ProfileTable &table)
{
    const QSettings file(path, QSettings::IniFormat);
    // A file that does not parse cleanly may have lost profiles on the way.
    if (file.status() != QSettings::NoError)
        return false;
    const QStringList keys = file.allKeys();
    if (!profileKeysWellFormed(keys))
        return false;
    ProfileTable read;
    read.index = profileIndexValue(file.value(profileIndexKey()));
    if (!profileIndexValid(read.index))
        return false;
    for (const QString &key : keys) {
        if (key == profileIndexKey())
            continue;
        const QByteArray record = file.value(key).toByteArray();
        if (!profileRecordValid(record))
            return false;
        // The unit keeps 16 bytes of a name: a longer one would come back cut short,
        // perhaps inside a character.
        const QString name = profileKeyName(key);
        if (name.toLocal8Bit().size() > PROFILE_NAME_MAX)
            return false;
        read.profiles.append({name, record.left(SLOT_RECORD_SIZE)});
    }
    table = read;
    return true;
}

bool writeProfileFile(const QString &path, const ProfileTable &table)
{
    // Keys of an older file must not survive in the new one.
    if (QFileInfo::exists(path) && !QFile::remove(path))
        return false;
    QSettings file(path, QSettings::IniFormat);
    for (const ProfileEntry &p : table.profiles)
        file.setValue(profileKey(p.record.isEmpty() ? 0 : std::uint8_t(p.record[0]), p.name),
                      p.record);
    file.setValue(profileIndexKey(), uint(table.index));
    file.sync();
    return file.status() == QSettings::NoError;
}

} // namespace kest
