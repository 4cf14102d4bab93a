#include "profileini.h"

#include "boundedfile.h"
#include "kestprotocol.h"
#include "profileslots.h"

#include <QCoreApplication>
#include <QHash>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>

namespace kest {

namespace {

/// Curve points are percents: the editor keeps them within 0..100.
constexpr int kCurvePointMax = 100;

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
    return QCoreApplication::translate("kest", text); // the context lupdate gives tr() here
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

/// Counts lines (from 1) up to an offset, moving forward only: CR, LF and CR LF end a
/// line. Each byte is looked at once, however many lines the text has.
class LineCounter
{
public:
    explicit LineCounter(const QByteArray &data) : data(data) { }

    int lineAt(qsizetype offset)
    {
        for (; counted < offset && counted < data.size(); ++counted) {
            const char c = data[counted];
            if (c == '\n'
                || (c == '\r' && (counted + 1 >= data.size() || data[counted + 1] != '\n')))
                ++line;
        }
        return line;
    }

private:
    const QByteArray &data;
    qsizetype counted = 0;
    int line = 1;
};

QString recordProblem(const QString &key, const QByteArray &record)
{
    if (record.size() < SLOT_RECORD_SIZE)
        return tr("Key \"%1\": the value is no profile record of 7 bytes.").arg(shownKey(key));
    const SlotRecord r = SlotRecord::fromBytes(record);
    const int slot = r.slot;
    if (slot >= PROFILE_SLOT_COUNT)
        return tr("Key \"%1\": slot %2 does not exist; the slots are 0 to 15.")
            .arg(shownKey(key))
            .arg(slot);
    const int pedal = r.pedalCode;
    if (r.pedal() < 0)
        return tr("Key \"%1\": pedal code %2; it must be 1 (clutch), 2 (brake) or 3 (throttle).")
            .arg(shownKey(key))
            .arg(pedal);
    for (int i = 0; i < CURVE_POINT_COUNT; ++i) {
        const int point = r.curve[std::size_t(i)];
        if (point > kCurvePointMax)
            return tr("Key \"%1\": curve point %2 is %3; curve points are 0 to 100.")
                .arg(shownKey(key))
                .arg(i + 1)
                .arg(point);
    }
    return QString();
}

QString nameProblem(const QString &key, const QString &name)
{
    if (name.isEmpty())
        return tr("Key \"%1\": the profile has no name.").arg(shownKey(key));
    if (name.contains(QChar(0)))
        return tr("Key \"%1\": the name holds a zero byte.").arg(shownKey(key));
    if (!profileNameIsText(name))
        return tr("Key \"%1\": the name is not valid UTF-8 text.").arg(shownKey(key));
    const QByteArray bytes = name.toLocal8Bit();
    if (bytes.size() > PROFILE_NAME_MAX)
        return tr("Key \"%1\": the name takes %2 bytes; the unit keeps 16 (accented letters "
                  "take two).")
            .arg(shownKey(key))
            .arg(bytes.size());
    return QString();
}

/// The keys of a range section, in pedal order.
const char *const kPedalKeys[] = {"CLUTCH", "BRAKE", "THROTTLE"};

/// The key of the clutch section.
const char kClutchKey[] = "ENABLED";

/// Why a key of one of a backup's sections is not one, or nothing; what it holds goes to
/// `settings`. A range section holds one key per pedal, each two decimal numbers
/// 0..65535 apart by one blank; the clutch section its one key, 1 or 0.
QString settingsKeyProblem(const IniKeyLine &l, BackupSettings &settings)
{
    const QString name = l.key.mid(l.section.size() + 1);
    const QVariant value = iniValue(l.rawValue);
    const QString text = value.typeId() == QMetaType::QString ? value.toString() : QString();
    if (l.section == clutchSection()) {
        if (name != QLatin1String(kClutchKey))
            return tr("Line %1: the section [%2] holds one key, ENABLED.")
                .arg(l.line)
                .arg(l.section);
        if (text != QLatin1String("0") && text != QLatin1String("1"))
            return tr("Line %1: ENABLED in [%2] is 1 (the clutch pedal on) or 0 (off).")
                .arg(l.line)
                .arg(l.section);
        settings.clutch = text == QLatin1String("1");
        return QString();
    }
    const auto key = std::find_if(std::begin(kPedalKeys), std::end(kPedalKeys),
                                  [&](const char *k) { return name == QLatin1String(k); });
    if (key == std::end(kPedalKeys))
        return tr("Line %1: the section [%2] holds one key per pedal: CLUTCH, BRAKE or "
                  "THROTTLE.")
            .arg(l.line)
            .arg(l.section);
    const QStringList bounds = text.split(QLatin1Char(' '));
    bool ok = value.typeId() == QMetaType::QString && bounds.size() == 2;
    std::array<std::uint16_t, 2> read {};
    for (qsizetype i = 0; ok && i < bounds.size(); ++i) {
        const QString &b = bounds[i];
        bool number = false;
        // Digits only: toUInt would also take a sign or blanks.
        const uint v = b.toUInt(&number);
        ok = !b.isEmpty()
            && std::all_of(b.begin(), b.end(),
                           [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); })
            && number && v <= 65535;
        read[std::size_t(i)] = std::uint16_t(v);
    }
    if (!ok)
        return tr("Line %1: %2 in [%3] is not a low and a high bound from 0 to 65535, such as "
                  "\"1200 64000\".")
            .arg(l.line)
            .arg(name, l.section);
    const auto pedal = std::size_t(key - std::begin(kPedalKeys));
    const bool calibration = l.section == calibrationSection();
    RangeTable &table = calibration ? settings.calibration : settings.deadzones;
    table[2 * pedal] = read[0];
    table[2 * pedal + 1] = read[1];
    (calibration ? settings.calibrationPedals : settings.deadzonePedals) |= 1u << pedal;
    return QString();
}

/// Takes the blanks and tabs off the end of `text`, not below `limit`.
void chopTrailingBlanks(QString &text, qsizetype limit)
{
    qsizetype end = text.size();
    while (end > limit
           && (text.at(end - 1) == QLatin1Char(' ') || text.at(end - 1) == QLatin1Char('\t')))
        --end;
    text.truncate(end);
}

int octalDigit(char c)
{
    return c >= '0' && c <= '7' ? c - '0' : -1;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

/// The escape letters of a value and what they stand for.
char escapedChar(char c)
{
    switch (c) {
    case 'a':
        return '\a';
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'v':
        return '\v';
    case '"':
    case '?':
    case '\'':
    case '\\':
        return c;
    default:
        return 0;
    }
}

/// A value's text as QSettings reads it: blanks before it skipped and after it dropped
/// (unless quoted, or the value ends in an escape), quotes removed, C escapes undone (\x
/// and octal take every digit that follows), the rest UTF-8. A ',' outside quotes makes
/// a list; returns whether it did.
bool unescapedValue(const QByteArray &raw, QString &text, QStringList &list)
{
    bool isList = false;
    bool inQuotes = false;
    bool quoted = false;
    bool chopAtEnd = true; // an escape that ends the value keeps the blanks before it
    QStringDecoder fromUtf8(QStringDecoder::Utf8);
    const qsizetype size = raw.size();
    qsizetype i = 0;
    qsizetype chopLimit = 0; // blanks before this stay
    auto skipBlanks = [&] {
        while (i < size && (raw[i] == ' ' || raw[i] == '\t'))
            ++i;
        chopLimit = text.size();
    };
    skipBlanks();
    while (i < size) {
        const char ch = raw[i];
        if (ch == '\\') {
            ++i;
            if (i >= size) {
                chopAtEnd = false;
                break;
            }
            const char next = raw[i++];
            if (const char c = escapedChar(next)) {
                text += QLatin1Char(c);
            } else if (next == 'x' || octalDigit(next) >= 0) {
                const int base = next == 'x' ? 16 : 8;
                auto digit = [base](char d) { return base == 16 ? hexDigit(d) : octalDigit(d); };
                if (base == 16 && (i >= size || digit(raw[i]) < 0)) {
                    // "\x" without a digit stands for nothing
                    if (i >= size) {
                        chopAtEnd = false;
                        break;
                    }
                    chopLimit = text.size();
                    continue;
                }
                char16_t code = base == 8 ? char16_t(octalDigit(next)) : 0;
                while (i < size && digit(raw[i]) >= 0)
                    code = char16_t(code * base + digit(raw[i++]));
                text += QChar(code);
                if (i >= size) {
                    chopAtEnd = false;
                    break;
                }
            }
            // any other escaped character is dropped
            chopLimit = text.size();
            continue;
        }
        if (ch == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipBlanks();
            continue;
        }
        if (ch == ',' && !inQuotes) {
            if (!quoted)
                chopTrailingBlanks(text, chopLimit);
            isList = true;
            list.append(text);
            text.clear();
            quoted = false;
            ++i;
            skipBlanks();
            continue;
        }
        qsizetype j = i + 1;
        while (j < size && raw[j] != '\\' && raw[j] != '"' && raw[j] != ',')
            ++j;
        text += fromUtf8(QByteArrayView(raw).sliced(i, j - i));
        i = j;
    }
    if (chopAtEnd && !quoted)
        chopTrailingBlanks(text, chopLimit);
    if (isList)
        list.append(text);
    return isList;
}

/// One value's text as QSettings turns it into a variant; see iniValue.
QVariant textToVariant(const QString &text)
{
    if (text.startsWith(QLatin1Char('@'))) {
        if (text.endsWith(QLatin1Char(')'))) {
            if (text.startsWith(QLatin1String("@ByteArray(")))
                return QVariant(QStringView(text).sliced(11).chopped(1).toLatin1());
            if (text.startsWith(QLatin1String("@String(")))
                return QVariant(QStringView(text).sliced(8).chopped(1).toString());
            if (text == QLatin1String("@Invalid()"))
                return QVariant();
            // A serialized variant or a type of Qt Gui: no profile value is one.
            for (const char *form : {"@Variant(", "@DateTime(", "@Rect(", "@Size(", "@Point("})
                if (text.startsWith(QLatin1String(form)))
                    return QVariant();
        }
        if (text.startsWith(QLatin1String("@@")))
            return QVariant(text.sliced(1));
    }
    return QVariant(text);
}

const char kHexDigits[] = "0123456789ABCDEF";

/// A key in the file: letters, digits and "_-." as they are, every other character as
/// %XX (up to U+00FF) or %UXXXX, as QSettings writes keys, except that QSettings writes
/// '/' as '\' and reads both back as a section separator; %2F stays in the key.
void appendEscapedKey(const QString &key, QByteArray &out)
{
    for (const QChar c : key) {
        const char16_t ch = c.unicode();
        if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9')
            || ch == '_' || ch == '-' || ch == '.') {
            out += char(ch);
        } else if (ch <= 0xFF) {
            out += '%';
            out += kHexDigits[ch / 16];
            out += kHexDigits[ch % 16];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += kHexDigits[(ch >> shift) & 0xF];
        }
    }
}

/// A value in the file, as QSettings writes it: C escapes for control characters, '"'
/// and '\'; a \x or \0 escape followed by a hex digit makes that digit an escape too,
/// since the reader would take it as part of the number. A byte array's bytes above
/// 0x7E are escaped as well, other text goes as UTF-8. Quoted when it holds ';', ',' or
/// '=', or begins or ends with a blank.
void appendEscapedValue(const QString &value, QByteArray &out)
{
    const bool asText = !value.startsWith(QLatin1String("@ByteArray("));
    const qsizetype start = out.size();
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    for (const QChar c : value) {
        const char16_t ch = c.unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        if (escapeNextIfDigit && ch < 0x80 && hexDigit(char(ch)) >= 0) {
            out += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (ch) {
        case '\0':
            out += "\\0";
            escapeNextIfDigit = true;
            break;
        case '\a':
            out += "\\a";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\v':
            out += "\\v";
            break;
        case '"':
        case '\\':
            out += '\\';
            out += char(ch);
            break;
        default:
            if (ch <= 0x1F || (ch >= 0x7F && !asText)) {
                out += "\\x" + QByteArray::number(ch, 16);
                escapeNextIfDigit = true;
            } else if (asText) {
                out += QString(c).toUtf8();
            } else {
                out += char(ch);
            }
        }
    }
    if (needsQuotes
        || (start < out.size() && (out.at(start) == ' ' || out.at(out.size() - 1) == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
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

bool profileNameIsText(const QString &name)
{
    return !name.contains(QChar(0)) && !name.contains(QChar(QChar::ReplacementCharacter))
        && name.isValidUtf16();
}

QVariant iniValue(const QByteArray &raw)
{
    QString text;
    QStringList list;
    if (!unescapedValue(raw, text, list))
        return textToVariant(text);
    // A list of values: QSettings makes it a list of variants when one of them is an
    // "@" form, and of strings otherwise ("@@" standing for one '@').
    bool typed = false;
    for (const QString &item : list)
        typed
            = typed || (item.startsWith(QLatin1Char('@')) && !item.startsWith(QLatin1String("@@")));
    if (typed) {
        QVariantList variants;
        for (const QString &item : list)
            variants.append(textToVariant(item));
        return QVariant(variants);
    }
    for (QString &item : list)
        if (item.startsWith(QLatin1String("@@")))
            item.remove(0, 1);
    return QVariant(list);
}

bool scanIniLines(const QByteArray &text, QList<IniKeyLine> &keys, QString *problem)
{
    // QSettings passes over a UTF-8 byte order mark.
    const QByteArray data = text.startsWith("\xEF\xBB\xBF") ? text.mid(3) : text;
    QList<IniKeyLine> found;
    QString section;
    qsizetype pos = 0;
    RawLine raw;
    LineCounter lines(data);
    while (nextRawLine(data, pos, raw)) {
        const QByteArray line = data.mid(raw.start, raw.length);
        const int number = lines.lineAt(raw.start);
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
        const QByteArray rawKey = line.left(raw.equals - raw.start).trimmed();
        found.append({number, section + unescapedKey(rawKey),
                      section.chopped(section.isEmpty() ? 0 : 1), rawKey,
                      line.mid(raw.equals - raw.start + 1)});
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

bool parseProfileFile(const QByteArray &text, ProfileTable &table, QString *problem,
                      BackupSettings *settings)
{
    // QSettings keeps a blank right after a byte order mark in the first key: the file
    // would not read back as written.
    if (text.startsWith("\xEF\xBB\xBF") && text.size() > 3 && isIniSpace(text[3]))
        return refuse(problem, tr("Line 1 does not read back as written."));
    // A line that QSettings drops without a word could be a profile: the import would then
    // erase it from the unit.
    QList<IniKeyLine> lines;
    if (!scanIniLines(text, lines, problem))
        return false;

    // QSettings reads a key of a section as "section/key": that is how it stores a profile
    // whose name holds a '/' ("05A/B" as B in [05A]), and such a key is a profile like any
    // other. A section whose keys would not read as profile keys is refused, since the
    // import would drop them without a word; the sections of a backup are the only
    // others, and hold only their own keys.
    const auto inBackupSection = [](const IniKeyLine &l) {
        return l.section == calibrationSection() || l.section == deadzoneSection()
            || l.section == clutchSection();
    };
    BackupSettings readSettings;
    qsizetype rangeKeys = 0;
    for (const IniKeyLine &l : lines) {
        if (l.section.isEmpty())
            continue;
        if (!inBackupSection(l) && isProfileKey(l.key))
            continue;
        if (!inBackupSection(l))
            return refuse(problem,
                          tr("Line %1: the key is in the section [%2]; profiles belong "
                             "in [General].")
                              .arg(l.line)
                              .arg(shownKey(l.section)));
        const QString why = settingsKeyProblem(l, readSettings);
        if (!why.isEmpty())
            return refuse(problem, why);
        ++rangeKeys;
    }
    // Of a key given twice only one would count, and which is not for the user to guess.
    QHash<QString, int> firstLine;
    for (const IniKeyLine &l : lines) {
        const auto seen = firstLine.constFind(l.key);
        if (seen != firstLine.cend())
            return refuse(problem,
                          tr("Line %1: the key \"%2\" is there twice (lines %3 and %1).")
                              .arg(l.line)
                              .arg(shownKey(l.key))
                              .arg(*seen));
        firstLine.insert(l.key, l.line);
    }
    if (!firstLine.contains(profileIndexKey()))
        return refuse(problem, tr("The key INDEX is missing."));
    for (const IniKeyLine &l : lines) {
        if (inBackupSection(l) || l.key == profileIndexKey() || isProfileKey(l.key))
            continue;
        return refuse(problem,
                      tr("Key \"%1\" does not begin with its slot number as two digits.")
                          .arg(shownKey(l.key)));
    }
    const qsizetype profileCount = lines.size() - rangeKeys - 1;
    if (profileCount > PROFILE_SLOT_COUNT)
        return refuse(
            problem,
            tr("The file holds %1 profiles; the unit keeps 16 at most.").arg(profileCount));

    ProfileTable read;
    QList<std::pair<QString, ProfileEntry>> byKey;
    QHash<int, QString> keyOfSlot;
    for (const IniKeyLine &l : lines) {
        if (inBackupSection(l))
            continue;
        if (l.key == profileIndexKey()) {
            read.index = profileIndexValue(iniValue(l.rawValue));
            if (!profileIndexValid(read.index))
                return refuse(problem, tr("INDEX is no number with EF (hex) in its top byte."));
            continue;
        }
        // Bytes that are no UTF-8 would reach the unit as U+FFFD.
        if (!l.rawKey.isValidUtf8() || l.section.contains(QChar::ReplacementCharacter))
            return refuse(problem, tr("Line %1: the name is not valid UTF-8 text.").arg(l.line));
        const QByteArray record = iniValue(l.rawValue).toByteArray();
        const QString name = profileKeyName(l.key);
        QString why = recordProblem(l.key, record);
        if (why.isEmpty())
            why = nameProblem(l.key, name);
        if (!why.isEmpty())
            return refuse(problem, why);
        const SlotRecord parsed = SlotRecord::fromBytes(record);
        const int slot = parsed.slot;
        const auto other = keyOfSlot.constFind(slot);
        if (other != keyOfSlot.cend())
            return refuse(problem,
                          tr("Keys \"%1\" and \"%2\" are both for slot %3; a slot holds "
                             "one profile.")
                              .arg(shownKey(*other), shownKey(l.key))
                              .arg(slot));
        keyOfSlot.insert(slot, l.key);
        byKey.append({l.key, {name, parsed}});
    }
    // In the order of the keys, whatever the file's order, as QSettings hands them back.
    std::sort(byKey.begin(), byKey.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &entry : byKey)
        read.profiles.append(entry.second);
    table = read;
    if (settings)
        *settings = readSettings;
    return true;
}

bool readProfileFile(const QString &path, ProfileTable &table, QString *problem,
                     BackupSettings *settings)
{
    const FileBytes file = readBoundedFile(path, PROFILE_FILE_MAX_SIZE);
    switch (file.result) {
    case FileRead::Ok:
        return parseProfileFile(file.bytes, table, problem, settings);
    case FileRead::NotRegular:
        return refuse(problem, tr("It is not a regular file."));
    case FileRead::TooLarge:
        return refuse(problem,
                      tr("The file is larger than 1 MiB; a file of 16 profiles takes 2 KB."));
    case FileRead::Missing:
    case FileRead::Unreadable:
        break;
    }
    return refuse(problem, tr("The file cannot be read."));
}

QByteArray profileFileText(const ProfileTable &table)
{
#ifdef Q_OS_WIN
    const char *const eol = "\r\n";
#else
    const char *const eol = "\n";
#endif
    // The order QSettings writes a fresh file in: by key, UTF-16 unit by unit.
    QList<std::pair<QString, QString>> entries;
    for (const ProfileEntry &p : table.profiles)
        entries.append(
            {profileKey(p.record.slot, p.name),
             QLatin1String("@ByteArray(") + QLatin1String(p.record.bytes()) + QLatin1Char(')')});
    entries.append({profileIndexKey(), QString::number(table.index)});
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    QByteArray out = QByteArray("[General]") + eol;
    for (const auto &[key, value] : entries) {
        appendEscapedKey(key, out);
        out += '=';
        appendEscapedValue(value, out);
        out += eol;
    }
    return out;
}

QByteArray rangeSectionText(const QString &section, const RangeTable &table)
{
#ifdef Q_OS_WIN
    const char *const eol = "\r\n";
#else
    const char *const eol = "\n";
#endif
    QByteArray out = eol + ('[' + section.toLatin1() + ']') + eol;
    for (int p = 0; p < PEDAL_COUNT; ++p)
        out += QByteArray(kPedalKeys[p]) + '=' + QByteArray::number(table[std::size_t(2 * p)]) + ' '
            + QByteArray::number(table[std::size_t(2 * p + 1)]) + eol;
    return out;
}

QByteArray clutchSectionText(bool enabled)
{
#ifdef Q_OS_WIN
    const char *const eol = "\r\n";
#else
    const char *const eol = "\n";
#endif
    return eol + ('[' + clutchSection().toLatin1() + ']') + eol + kClutchKey + '='
        + (enabled ? '1' : '0') + eol;
}

bool writeProfileFile(const QString &path, const ProfileTable &table)
{
    const QByteArray text = profileFileText(table);
    // Written beside the old file and put in its place only when complete: a full disk
    // or a lost drive leaves the old file as it was.
    // Unbuffered, and every error checked before the commit: Qt 6.4's commit() reports
    // success after a buffered write that failed on its way to the disk, and puts the
    // short file in place of the old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(text) != text.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace kest
