#include "profileini.h"

#include "kestprotocol.h"
#include "profileslots.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>
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

QString tr(const char *text)
{
    return QCoreApplication::translate("kest::ProfileFile", text);
}

bool refuse(QString *problem, const QString &why)
{
    if (problem)
        *problem = why;
    return false;
}

/// A key as the user can find it in the file: control characters (a zero byte among
/// them) are shown in the file's own %XX notation.
QString shownKey(const QString &key)
{
    QString out;
    for (const QChar c : key) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            out += QString::asprintf("%%%02X", c.unicode());
        else
            out += c;
    }
    return out;
}

// The character classes of QSettings' INI reader.
bool isIniSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isIniSpecial(char c)
{
    return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\';
}

struct RawLine
{
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype equals = -1; ///< position of the first '=' outside quotes, or -1
};

/// The next line as QSettings cuts it: leading blanks and whole comment lines skipped; a
/// ';' outside quotes ends the line; a '\' takes the next character with it (so a line
/// ending in '\' goes on), and a quote runs on until the next one, across line ends.
bool nextRawLine(const QByteArray &data, qsizetype &pos, RawLine &line)
{
    const qsizetype size = data.size();
    bool inQuotes = false;
    line.equals = -1;
    line.start = pos;
    while (line.start < size && isIniSpace(data[line.start]))
        ++line.start;
    qsizetype i = line.start;
    while (i < size) {
        const char ch = data[i];
        ++i;
        if (!isIniSpecial(ch))
            continue;
        if (ch == '=') {
            if (!inQuotes && line.equals == -1)
                line.equals = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == line.start + 1) {
                ++line.start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (ch == '\\') {
            if (i < size) {
                const char next = data[i++];
                if (i < size) {
                    const char after = data[i];
                    if ((next == '\n' && after == '\r') || (next == '\r' && after == '\n'))
                        ++i;
                }
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else { // ';'
            if (i == line.start + 1) {
                while (i < size && data[i] != '\n' && data[i] != '\r')
                    ++i;
                while (i < size && isIniSpace(data[i]))
                    ++i;
                line.start = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    pos = i;
    line.length = i - line.start;
    return line.length > 0;
}

/// A key or section name as QSettings reads it: UTF-8, then %XX and %UXXXX escapes, and
/// '\' for '/'.
QString unescapedKey(const QByteArray &raw)
{
    const QString decoded = QString::fromUtf8(raw);
    const qsizetype size = decoded.size();
    QString out;
    qsizetype i = 0;
    while (i < size) {
        const QChar ch = decoded.at(i);
        if (ch == QLatin1Char('\\')) {
            out += QLatin1Char('/');
            ++i;
            continue;
        }
        if (ch != QLatin1Char('%') || i == size - 1) {
            out += ch;
            ++i;
            continue;
        }
        qsizetype first = i + 1;
        qsizetype digits = 2;
        if (decoded.at(first) == QLatin1Char('U')) {
            ++first;
            digits = 4;
        }
        bool ok = false;
        const ushort code
            = first + digits > size ? 0 : QStringView(decoded).mid(first, digits).toUShort(&ok, 16);
        if (!ok) {
            out += QLatin1Char('%');
            ++i;
            continue;
        }
        out += QChar(code);
        i = first + digits;
    }
    return out;
}

/// The number of the line that `offset` lies on, from 1 (CR, LF and CR LF end a line).
int lineNumberAt(const QByteArray &data, qsizetype offset)
{
    int line = 1;
    for (qsizetype i = 0; i < offset && i < data.size(); ++i) {
        if (data[i] == '\n' || (data[i] == '\r' && (i + 1 >= data.size() || data[i + 1] != '\n')))
            ++line;
    }
    return line;
}

QString recordProblem(const QString &key, const QByteArray &record)
{
    if (record.size() < SLOT_RECORD_SIZE)
        return tr("Key \"%1\": the value is no profile record of 7 bytes.").arg(shownKey(key));
    const int slot = std::uint8_t(record[0]);
    if (slot >= PROFILE_SLOT_COUNT)
        return tr("Key \"%1\": slot %2 does not exist; the slots are 0 to 15.")
            .arg(shownKey(key))
            .arg(slot);
    const int pedal = std::uint8_t(record[1]);
    if (pedal < 1 || pedal > PEDAL_COUNT)
        return tr("Key \"%1\": pedal code %2; it must be 1 (clutch), 2 (brake) or 3 (throttle).")
            .arg(shownKey(key))
            .arg(pedal);
    return QString();
}

QString nameProblem(const QString &key, const QString &name)
{
    if (name.isEmpty())
        return tr("Key \"%1\": the profile has no name.").arg(shownKey(key));
    const QByteArray bytes = name.toLocal8Bit();
    if (bytes.contains('\0'))
        return tr("Key \"%1\": the name holds a zero byte.").arg(shownKey(key));
    if (bytes.size() > PROFILE_NAME_MAX)
        return tr("Key \"%1\": the name takes %2 bytes; the unit keeps 16 (accented letters "
                  "take two).")
            .arg(shownKey(key))
            .arg(bytes.size());
    return QString();
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
    return recordProblem(QString(), record).isEmpty();
}

bool profileNameValid(const QString &name)
{
    return nameProblem(QString(), name).isEmpty();
}

bool scanIniLines(const QByteArray &text, QList<IniKeyLine> &keys, QString *problem)
{
    // QSettings passes over a UTF-8 byte order mark.
    const QByteArray data = text.startsWith("\xEF\xBB\xBF") ? text.mid(3) : text;
    QList<IniKeyLine> found;
    QString section;
    qsizetype pos = 0;
    RawLine raw;
    while (nextRawLine(data, pos, raw)) {
        const QByteArray line = data.mid(raw.start, raw.length);
        const int number = lineNumberAt(data, raw.start);
        if (line.contains('\n') || line.contains('\r'))
            return refuse(problem,
                          tr("Line %1 runs on into the next line (a \\ at its end or an "
                             "unmatched \").")
                              .arg(number));
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            if (close < 0)
                return refuse(problem, tr("Line %1: the section header has no ']'.").arg(number));
            if (!line.mid(close + 1).trimmed().isEmpty())
                return refuse(problem,
                              tr("Line %1: the text after the section header's ']' would be "
                                 "ignored.")
                                  .arg(number));
            const QByteArray name = line.mid(1, close - 1).trimmed();
            if (name.compare("general", Qt::CaseInsensitive) == 0)
                section.clear();
            else if (name.compare("%general", Qt::CaseInsensitive) == 0)
                section = QString::fromLatin1(name.mid(1)) + QLatin1Char('/');
            else
                section = unescapedKey(name) + QLatin1Char('/');
            continue;
        }
        if (raw.equals < 0) {
            if (raw.start + raw.length < data.size() && data[raw.start + raw.length] == ';')
                return refuse(problem,
                              tr("Line %1 is no key: a ';' starts a comment there (in a name, "
                                 "write it as %3B).")
                                  .arg(number));
            return refuse(problem,
                          tr("Line %1 is neither a key (it has no '='), a comment (';') nor a "
                             "section header.")
                              .arg(number));
        }
        found.append({number, section + unescapedKey(line.left(raw.equals - raw.start).trimmed()),
                      section.chopped(section.isEmpty() ? 0 : 1)});
    }
    keys = found;
    return true;
}

bool isProfileFileName(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".ini"), Qt::CaseSensitive);
}

QString profileExportName(const QString &chosen)
{
    return isProfileFileName(chosen) ? chosen : chosen + QLatin1String(".ini");
}

bool readProfileFile(const QString &path, ProfileTable &table, QString *problem)
{
    QFile raw(path);
    if (!raw.open(QIODevice::ReadOnly))
        return refuse(problem, tr("The file cannot be read."));
    // A line that QSettings drops without a word could be a profile: the import would then
    // erase it from the unit.
    QList<IniKeyLine> lines;
    if (!scanIniLines(raw.readAll(), lines, problem))
        return false;
    raw.close();

    const QSettings file(path, QSettings::IniFormat);
    // status() is no help here: it says nothing until the keys are asked for, and then
    // flags a file that begins with a byte order mark although every key was read. The
    // line check above stands in for it.
    const QStringList keys = file.allKeys();
    // The file as read here and as QSettings read it must name the same keys; they differ
    // only when it changed in between.
    const QSet<QString> keySet(keys.cbegin(), keys.cend());
    QSet<QString> lineKeys;
    for (const IniKeyLine &l : lines) {
        if (!keySet.contains(l.key))
            return refuse(problem, tr("Line %1 does not read back as written.").arg(l.line));
        lineKeys.insert(l.key);
    }
    for (const QString &key : keys)
        if (!lineKeys.contains(key))
            return refuse(problem,
                          tr("Key \"%1\" does not read back as written.").arg(shownKey(key)));

    // A section whose name begins with two digits would otherwise pass its keys off as
    // profiles named "section/key".
    for (const IniKeyLine &l : lines)
        if (!l.section.isEmpty())
            return refuse(problem,
                          tr("Line %1: the key is in the section [%2]; profiles belong "
                             "in [General].")
                              .arg(l.line)
                              .arg(shownKey(l.section)));
    if (!keySet.contains(profileIndexKey()))
        return refuse(problem, tr("The key INDEX is missing."));
    for (const QString &key : keys) {
        if (key == profileIndexKey() || isProfileKey(key))
            continue;
        return refuse(
            problem,
            tr("Key \"%1\" does not begin with its slot number as two digits.").arg(shownKey(key)));
    }
    ProfileTable read;
    read.index = profileIndexValue(file.value(profileIndexKey()));
    if (!profileIndexValid(read.index))
        return refuse(problem, tr("INDEX is no number with EF (hex) in its top byte."));
    for (const QString &key : keys) {
        if (key == profileIndexKey())
            continue;
        const QByteArray record = file.value(key).toByteArray();
        const QString name = profileKeyName(key);
        QString why = recordProblem(key, record);
        if (why.isEmpty())
            why = nameProblem(key, name);
        if (!why.isEmpty())
            return refuse(problem, why);
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
