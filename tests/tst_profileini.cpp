// Profile files without a window: key checks, the INDEX value, the line check, whole
// files read from fixtures and written against a golden file, and the demo unit's table.

#include "pedalunit.h"
#include "profileini.h"
#include "profileslots.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using kest::ProfileEntry;
using kest::ProfileTable;

Q_DECLARE_METATYPE(ProfileTable)

namespace {

QString dataFile(const char *name)
{
    return QStringLiteral(KEST_TEST_DATA "/") + QLatin1String(name);
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray record(std::initializer_list<int> bytes)
{
    QByteArray r;
    for (int b : bytes)
        r.append(char(b));
    return r;
}

kest::SlotRecord slotRecord(std::initializer_list<int> bytes)
{
    return kest::SlotRecord::fromBytes(record(bytes));
}

/// The table behind tests/data/profiles-export.ini.
ProfileTable exportedTable()
{
    ProfileTable t;
    t.profiles = {
        {QStringLiteral("Ölé"), slotRecord({0, 1, 0, 25, 50, 75, 100})},
        {QStringLiteral("DEFAULT"), slotRecord({3, 2, 10, 20, 30, 40, 50})},
        {QStringLiteral("soft brake"), slotRecord({4, 2, 5, 10, 20, 40, 80})},
        {QStringLiteral("x=y;z"), slotRecord({9, 3, 0xFF, 0, 100, 0x80, 0x7F})},
        {QStringLiteral("5050"), slotRecord({12, 3, 50, 50, 50, 50, 50})},
    };
    t.index = 0xEF0C0400;
    return t;
}

QString describe(const ProfileTable &t)
{
    QStringList out {QString::asprintf("INDEX %08x", t.index)};
    for (const ProfileEntry &p : t.profiles)
        out << QLatin1Char('"') + p.name + QStringLiteral("\" ") + p.record.bytes().toHex(' ');
    return out.join(QStringLiteral("; "));
}

} // namespace

class TestProfileIni : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void profileKeys_data();
    void profileKeys();
    void keyListsWellFormed_data();
    void keyListsWellFormed();
    void indexValue_data();
    void indexValue();
    void records_data();
    void records();
    void names_data();
    void names();
    void iniLines_data();
    void iniLines();
    void fileNames_data();
    void fileNames();

    void readsFixtures_data();
    void readsFixtures();
    void refusals_data();
    void refusals();
    void readsOnlyRegularBoundedFiles_data();
    void readsOnlyRegularBoundedFiles();
    void changedFileWithItsTimeRestored();
    void valuesAsQSettingsReadsThem_data();
    void valuesAsQSettingsReadsThem();
    void writesAsQSettingsWrites_data();
    void writesAsQSettingsWrites();
    void namesComeBackByteForByte_data();
    void namesComeBackByteForByte();
    void failedWriteKeepsTheOldFile_data();
    void failedWriteKeepsTheOldFile();
    void writesGoldenFile();
    void writingReplacesAnOlderFile();
    void writeFailuresAreReported_data();
    void writeFailuresAreReported();
    void roundTripThroughTheFile();
    void demoUnitKeepsEveryProfile();
    void rangeSections_data();
    void rangeSections();
};

void TestProfileIni::profileKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("name");
    QTest::newRow("ASCII digits") << "03brake" << true << "brake";
    QTest::newRow("digits only") << "15" << true << "";
    QTest::newRow("name starting with digits") << "075050" << true << "5050";
    QTest::newRow("empty") << "" << false << "";
    QTest::newRow("one digit") << "7" << false << "";
    QTest::newRow("digit then letter") << "1a" << false << "";
    QTest::newRow("letter first") << "a12" << false << "";
    QTest::newRow("Arabic-Indic digits") << "\u0660\u0663name" << true << "name";
    QTest::newRow("fullwidth digits") << "\uFF10\uFF11x" << true << "x";
    // digits outside the BMP are one character each, though two UTF-16 units
    QTest::newRow("mathematical digits") << "\U0001D7CE\U0001D7CFx" << true << "x";
    QTest::newRow("one mathematical digit") << "\U0001D7CEx" << false << "";
    QTest::newRow("superscript (No, not Nd)") << "\u00B23x" << false << "";
    QTest::newRow("roman numeral (Nl)") << "\u216B1x" << false << "";
    QTest::newRow("lone surrogate") << QString(QChar(0xD835)) + "1x" << false << "";
}

void TestProfileIni::profileKeys()
{
    QFETCH(QString, key);
    QFETCH(bool, valid);
    QFETCH(QString, name);
    QCOMPARE(kest::isProfileKey(key), valid);
    if (valid)
        QCOMPARE(kest::profileKeyName(key), name);
}

void TestProfileIni::keyListsWellFormed_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<bool>("wellFormed");
    QTest::newRow("empty") << QStringList() << false;
    QTest::newRow("only INDEX") << QStringList {"INDEX"} << true;
    QTest::newRow("profiles and INDEX") << QStringList {"00a", "15", "INDEX"} << true;
    QTest::newRow("no INDEX") << QStringList {"00a", "01b"} << false;
    QTest::newRow("index in small letters") << QStringList {"00a", "index"} << false;
    QTest::newRow("grouped key") << QStringList {"INDEX", "profiles/00a"} << false;
    QTest::newRow("grouped INDEX") << QStringList {"00a", "g/INDEX"} << false;
    QTest::newRow("one bad key") << QStringList {"00a", "INDEX", "x1"} << false;
}

void TestProfileIni::keyListsWellFormed()
{
    QFETCH(QStringList, keys);
    QFETCH(bool, wellFormed);
    QCOMPARE(kest::profileKeysWellFormed(keys), wellFormed);
}

void TestProfileIni::indexValue_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<quint32>("index");
    QTest::addColumn<bool>("valid");
    QTest::newRow("decimal text") << QVariant("4010542080") << 0xEF0C0400u << true;
    QTest::newRow("mark only") << QVariant("4009754624") << 0xEF000000u << true;
    QTest::newRow("largest") << QVariant("4294967295") << 0xFFFFFFFFu << false;
    QTest::newRow("zero") << QVariant("0") << 0u << false;
    QTest::newRow("mark in the wrong byte") << QVariant("15663104") << 0x00EF0000u << false;
    QTest::newRow("text") << QVariant("marked") << 0u << false;
    QTest::newRow("empty text") << QVariant("") << 0u << false;
    QTest::newRow("hex text") << QVariant("0xEF000000") << 0u << false;
    QTest::newRow("negative") << QVariant("-1") << 0u << false;
    // 0x1EF000000 must not pass as 0xEF000000
    QTest::newRow("too large") << QVariant("8304721920") << 0u << false;
    QTest::newRow("missing") << QVariant() << 0u << false;
    QTest::newRow("unsigned") << QVariant(0xEF000001u) << 0xEF000001u << true;
    QTest::newRow("negative int") << QVariant(-1) << 0u << false;
    QTest::newRow("64-bit too large") << QVariant(Q_UINT64_C(0x1EF000000)) << 0u << false;
    QTest::newRow("list") << QVariant(QStringList {"1", "2"}) << 0u << false;
    QTest::newRow("byte array") << QVariant(QByteArray("4009754624")) << 0u << false;
}

void TestProfileIni::indexValue()
{
    QFETCH(QVariant, value);
    QFETCH(quint32, index);
    QFETCH(bool, valid);
    QCOMPARE(kest::profileIndexValue(value), index);
    QCOMPARE(kest::profileIndexValid(index), valid);
}

void TestProfileIni::records_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("valid");
    QTest::newRow("seven bytes") << record({15, 3, 1, 2, 3, 4, 5}) << true;
    QTest::newRow("longer") << record({0, 1, 1, 2, 3, 4, 5, 6}) << true;
    QTest::newRow("six bytes") << record({0, 1, 1, 2, 3, 4}) << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("slot 16") << record({16, 1, 1, 2, 3, 4, 5}) << false;
    QTest::newRow("slot 255") << record({255, 1, 1, 2, 3, 4, 5}) << false;
    QTest::newRow("clutch") << record({2, 1, 1, 2, 3, 4, 5}) << true;
    QTest::newRow("throttle") << record({2, 3, 1, 2, 3, 4, 5}) << true;
    // any other pedal code ends the unit's list at that slot
    QTest::newRow("pedal code 0") << record({2, 0, 1, 2, 3, 4, 5}) << false;
    QTest::newRow("pedal code 4") << record({2, 4, 1, 2, 3, 4, 5}) << false;
    QTest::newRow("pedal code 255") << record({2, 255, 1, 2, 3, 4, 5}) << false;
    // curve points are percents
    QTest::newRow("curve 0 and 100") << record({2, 3, 0, 100, 100, 0, 50}) << true;
    QTest::newRow("curve point 101") << record({2, 3, 0, 25, 50, 75, 101}) << false;
    QTest::newRow("curve point 255") << record({2, 3, 0xFF, 25, 50, 75, 100}) << false;
}

void TestProfileIni::records()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, valid);
    QCOMPARE(kest::profileRecordValid(value), valid);
}

void TestProfileIni::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::newRow("ASCII") << "Brake" << true;
    QTest::newRow("16 bytes") << "ABCDEFGHIJKLMNOP" << true;
    QTest::newRow("17 bytes") << "ABCDEFGHIJKLMNOPQ" << false;
    QTest::newRow("8 letters of two bytes") << QString(8, QChar(0xE9)) << true;
    QTest::newRow("9 letters of two bytes") << QString(9, QChar(0xE9)) << false;
    QTest::newRow("empty: the slot reads as free") << "" << false;
    QTest::newRow("zero byte first") << QString(QChar(0)) + "Brake" << false;
    QTest::newRow("zero byte inside") << "Bra" + QString(QChar(0)) + "ke" << false;
    QTest::newRow("DEFAULT is a name like any") << "DEFAULT" << true;
    // bytes that were no text when read, and would go back as others
    QTest::newRow("U+FFFD") << "Wet\uFFFD" << false;
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + "x" << false;
    QTest::newRow("four letters of four bytes")
        << "\U0001F697\U0001F697\U0001F697\U0001F697" << true;
}

void TestProfileIni::names()
{
    QFETCH(QString, name);
    QFETCH(bool, valid);
    QCOMPARE(kest::profileNameValid(name), valid);
}

void TestProfileIni::iniLines_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("keys"); // "line:key", when the text is taken
    QTest::addColumn<QString>("problem"); // the start of why not, when it is refused

    const QStringList none;
    QTest::newRow("empty") << QByteArray() << none << "";
    QTest::newRow("blank lines and comments") << QByteArray("\n  \n; a\n\t;b=c\n") << none << "";
    QTest::newRow("keys and sections") << QByteArray("a=1\n[General]\nb=2\n[g]\nc=3\n")
                                       << QStringList {"1:a", "3:b", "5:g/c"} << "";
    QTest::newRow("line ends CR, LF, CR LF")
        << QByteArray("a=1\rb=2\nc=3\r\nd=4") << QStringList {"1:a", "2:b", "3:c", "4:d"} << "";
    QTest::newRow("comment after a value")
        << QByteArray("a=1 ; x\nb=2") << QStringList {"1:a", "2:b"} << "";
    QTest::newRow("escapes") << QByteArray("%41%U00e9%zz%4=1\n%C3%A9=2\nx\\y=3\nk%U0x41=4\n")
                             << QStringList {"1:A\u00e9%zz%4", "2:\u00c3\u00a9", "3:x/y", "4:kA"}
                             << "";
    QTest::newRow("quoted =") << QByteArray("\"a=b\"=1\n") << QStringList {"1:\"a=b\""} << "";
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF"
                                                   "a=1")
                                     << QStringList {"1:a"} << "";
    QTest::newRow("%general section")
        << QByteArray("[%General]\na=1") << QStringList {"2:General/a"} << "";
    QTest::newRow("section of escapes")
        << QByteArray("[a%2Fb]\nc=1") << QStringList {"2:a/b/c"} << "";
    QTest::newRow("empty key") << QByteArray("=1") << QStringList {"1:"} << "";

    QTest::newRow("no =") << QByteArray("a=1\n\nstray\n") << none << "Line 3 is neither a key";
    QTest::newRow("; inside a key") << QByteArray("a;b=1") << none << "Line 1 is no key: a ';'";
    QTest::newRow("# comment") << QByteArray("# c\na=1") << none << "Line 1 is neither a key";
    QTest::newRow("unclosed header")
        << QByteArray("a=1\r\n[General\r\n") << none << "Line 2: the section header has no ']'";
    QTest::newRow("text after a header")
        << QByteArray("[General] a=1") << none << "Line 1: the text after";
    QTest::newRow("backslash at a line end")
        << QByteArray("a=1\\\nb=2") << none << "Line 1 runs on";
    QTest::newRow("open quote") << QByteArray("a=1\n\"b=2\nc\"=3") << none << "Line 2 runs on";
}

void TestProfileIni::iniLines()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, keys);
    QFETCH(QString, problem);
    QList<kest::IniKeyLine> found;
    QString why;
    QCOMPARE(kest::scanIniLines(text, found, &why), problem.isEmpty());
    if (!problem.isEmpty()) {
        QVERIFY2(why.startsWith(problem), qPrintable(why));
        return;
    }
    QStringList got;
    for (const kest::IniKeyLine &k : found)
        got << QString::number(k.line) + ':' + k.key;
    QCOMPARE(got, keys);
    // The lines are cut as QSettings cuts them: it reads the same keys.
    QTemporaryDir dir;
    const QSettings file(testsupport::writeFile(dir.filePath("t.ini"), text), QSettings::IniFormat);
    QStringList read = file.allKeys();
    QStringList expected;
    for (const kest::IniKeyLine &k : found)
        expected << k.key;
    expected.removeDuplicates();
    read.sort();
    expected.sort();
    QCOMPARE(read, expected);
}

void TestProfileIni::fileNames_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("isIni");
    QTest::addColumn<QString>("exported");
    QTest::newRow("no suffix") << "/d/profiles" << false << "/d/profiles.ini";
    QTest::newRow("suffix") << "/d/profiles.ini" << true << "/d/profiles.ini";
    QTest::newRow("capital suffix") << "/d/PROFILES.INI" << false << "/d/PROFILES.INI.ini";
    QTest::newRow("suffix inside") << "/d/a.ini.bak" << false << "/d/a.ini.bak.ini";
    QTest::newRow("suffix only") << "/d/.ini" << true << "/d/.ini";
    QTest::newRow("without dot") << "/d/ini" << false << "/d/ini.ini";
}

void TestProfileIni::fileNames()
{
    QFETCH(QString, chosen);
    QFETCH(bool, isIni);
    QFETCH(QString, exported);
    QCOMPARE(kest::isProfileFileName(chosen), isIni);
    QCOMPARE(kest::profileExportName(chosen), exported);
}

void TestProfileIni::readsFixtures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<ProfileTable>("expected"); // when accepted
    QTest::addColumn<QString>("problem"); // when refused: the start of why

    auto table = [](std::uint32_t index, QList<ProfileEntry> profiles) {
        ProfileTable t;
        t.index = index;
        t.profiles = profiles;
        return t;
    };
    const kest::SlotRecord linear = slotRecord({0, 1, 17, 33, 50, 67, 83});
    const kest::SlotRecord brake = slotRecord({5, 2, 5, 10, 20, 40, 80});
    const ProfileEntry clutch {"Clutch", linear};

    // files that are taken, hand-made ones among them; QSettings hands keys back sorted
    QTest::newRow("valid") << "import-valid.ini"
                           << table(0xEF090C05,
                                    {{"Clutch Soft", slotRecord({0, 1, 0, 25, 50, 75, 100})},
                                     {"DEFAULT", slotRecord({3, 2, 10, 20, 30, 40, 50})},
                                     {"Race", slotRecord({9, 3, 5, 10, 20, 40, 80})}, // key says 07
                                     {"Brake Hard", slotRecord({12, 2, 50, 70, 80, 90, 95})}})
                           << "";
    QTest::newRow("only INDEX: clears the table")
        << "import-only-index.ini" << table(0xEF000000, {}) << "";
    QTest::newRow("non-ASCII digits") << "import-unicode-digits.ini"
                                      << table(0xEF000000,
                                               {{"Arabic", slotRecord({2, 3, 5, 10, 20, 40, 80})},
                                                {"Wide", slotRecord({4, 1, 5, 10, 20, 40, 80})}})
                                      << "";

    QTest::newRow("CR LF") << "import-crlf.ini" << table(0xEF000500, {clutch, {"Brake", brake}})
                           << "";
    QTest::newRow("byte order mark") << "import-bom.ini" << table(0xEF000000, {clutch}) << "";
    QTest::newRow("comments, blanks, indents")
        << "import-comments.ini" << table(0xEF000500, {clutch, {"Brake", brake}}) << "";
    QTest::newRow("INDEX first, no [General]")
        << "import-reordered.ini"
        << table(0xEF090500,
                 {clutch, {"Brake", brake}, {"Gas", slotRecord({9, 3, 6, 20, 50, 80, 94})}})
        << "";
    QTest::newRow("%U escapes") << "import-percent-u.ini"
                                << table(0xEF060500,
                                         {{"Fr\u00e9n\u00e9e", brake},
                                          {"\u00c9t\u00e9", slotRecord({6, 3, 6, 20, 50, 80, 94})}})
                                << "";
    // QSettings reads the key as "05x/00Clutch": a profile named "x/00Clutch"
    QTest::newRow("keys in a section named by digits")
        << "import-digit-section.ini"
        << table(0xEF000000, {{"x/00Clutch", slotRecord({0, 1, 0x11, 0x21, 0x32, 0x43, 0x53})}})
        << "";
    QTest::newRow("long record: first seven bytes")
        << "import-long-record.ini" << table(0xEF000000, {clutch}) << "";

    const ProfileTable none;
    auto refused = [&](const char *row, const char *file, const char *why) {
        QTest::newRow(row) << file << none << why;
    };
    refused("no INDEX", "import-no-index.ini", "The key INDEX is missing.");
    // only one of the two would reach the unit
    refused("two keys for one slot", "import-same-slot.ini",
            "Keys \"05Brake\" and \"06Rain\" are both for slot 5; a slot holds one profile.");
    // the golden file's table holds a curve the editor cannot make
    refused("exported file with a curve point of 255", "profiles-export.ini",
            "Key \"09x=y;z\": curve point 1 is 255; curve points are 0 to 100.");
    refused("INDEX without the mark", "import-index-unmarked.ini", "INDEX is no number");
    refused("INDEX as text", "import-index-text.ini", "INDEX is no number");
    refused("INDEX too large", "import-index-too-large.ini", "INDEX is no number");
    refused("keys in a group", "import-group.ini",
            "Line 5: the key is in the section [profiles]; profiles belong in [General].");
    refused("key with one digit", "import-bad-key.ini", "Key \"1Brake\" does not begin");
    refused("short record", "import-short-record.ini",
            "Key \"01Brake\": the value is no profile record");
    refused("text for a record", "import-text-record.ini",
            "Key \"01Brake\": the value is no profile record");
    refused("slot 16", "import-slot-out-of-range.ini", "Key \"16Brake\": slot 16 does not exist");
    refused("name of 17 bytes", "import-long-name.ini",
            "Key \"05Brake Rally Night\": the name takes 17 bytes");
    refused("unclosed section header", "import-broken-section.ini",
            "Line 1: the section header has no ']'.");
    refused("missing file", "no-such-file.ini", "The file cannot be read.");
    // files that would have lost profiles without a word
    refused("pedal code 0", "import-pedal-code-0.ini", "Key \"03Odd\": pedal code 0;");
    refused("pedal code 4", "import-pedal-code-4.ini", "Key \"03Odd\": pedal code 4;");
    refused("pedal code 255", "import-pedal-code-255.ini", "Key \"03Odd\": pedal code 255;");
    refused("only profile line has a raw ;", "import-raw-semicolon.ini",
            "Line 2 is no key: a ';' starts a comment there");
    refused("a line without =", "import-stray-line.ini", "Line 3 is neither a key");
    refused("name begins with a zero byte", "import-zero-byte-name.ini",
            "Key \"05%00Brake\": the name holds a zero byte.");
    refused("two-digit key: no name", "import-empty-name.ini",
            "Key \"03\": the profile has no name.");
    refused("text after [General]", "import-header-text.ini", "Line 1: the text after");
    refused("backslash swallows the next line", "import-continued-line.ini", "Line 2 runs on");
    refused("open quote swallows lines", "import-open-quote.ini", "Line 2 runs on");
    refused("# is no comment", "import-hash-comment.ini", "Line 1 is neither a key");
    // QSettings keeps the blank in the key here, though not without the mark
    refused("byte order mark, then a blank", "import-bom-blank.ini",
            "Line 1 does not read back as written.");
}

void TestProfileIni::readsFixtures()
{
    QFETCH(QString, file);
    QFETCH(ProfileTable, expected);
    QFETCH(QString, problem);
    ProfileTable table;
    table.index = 0x12345678; // left alone by a refusal
    QString why;
    QCOMPARE(kest::readProfileFile(dataFile(file.toLatin1().constData()), table, &why),
             problem.isEmpty());
    if (!problem.isEmpty()) {
        QVERIFY2(why.startsWith(problem), qPrintable(why));
        QCOMPARE(table.index, 0x12345678u);
        QVERIFY(table.profiles.isEmpty());
        return;
    }
    QVERIFY2(why.isEmpty(), qPrintable(why));
    QCOMPARE(describe(table), describe(expected));
}

namespace {

/// A profile line for slot `slot`: a valid record under `name` (already escaped).
QByteArray profileLine(int slot, const QByteArray &name, int lastPoint = 50)
{
    return QString::asprintf("%02d", slot).toLatin1() + name + "=@ByteArray("
        + QString::asprintf("\\x%x\\x2\\0\\x19\\x1e\\x28\\x%x", slot, lastPoint).toLatin1() + ")\n";
}

const QByteArray kIndexLine = "INDEX=4009754624\n";

} // namespace

void TestProfileIni::refusals_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("problem"); // empty: taken

    QByteArray many = "[General]\n";
    for (int i = 0; i < 10000; ++i)
        many += profileLine(i % 16, "p" + QByteArray::number(i));
    QByteArray sixteen = "[General]\n";
    for (int i = 0; i < 16; ++i)
        sixteen += profileLine(i, "p" + QByteArray::number(i));

    QTest::newRow("sixteen profiles") << sixteen + kIndexLine << "";
    QTest::newRow("seventeen profiles") << sixteen + profileLine(3, "q") + kIndexLine
                                        << "The file holds 17 profiles; the unit keeps 16 at most.";
    QTest::newRow("10,000 profiles")
        << many + kIndexLine << "The file holds 10000 profiles; the unit keeps 16 at most.";
    QTest::newRow("the same key twice") << profileLine(1, "Wet") + kIndexLine
            + profileLine(1, "Wet") << "Line 3: the key \"01Wet\" is there twice (lines 1 and 3).";
    QTest::newRow("INDEX twice") << kIndexLine + profileLine(1, "Wet") + "INDEX=4009754625\n"
                                 << "Line 3: the key \"INDEX\" is there twice (lines 1 and 3).";
    QTest::newRow("the same key, written two ways")
        << profileLine(1, "W%65t") + profileLine(1, "Wet") + kIndexLine
        << "Line 2: the key \"01Wet\" is there twice (lines 1 and 2).";
    QTest::newRow("two profiles for one slot")
        << profileLine(4, "Dry") + "02Wet=@ByteArray(\\x4\\x2\\0\\x19\\x1e\\x28\\x32)\n"
            + kIndexLine
        << "Keys \"04Dry\" and \"02Wet\" are both for slot 4; a slot holds one profile.";
    QTest::newRow("raw Latin-1 byte in a name")
        << profileLine(1, "Caf\xE9") + kIndexLine << "Line 1: the name is not valid UTF-8 text.";
    QTest::newRow("lone surrogate escaped")
        << profileLine(1, "a%UD800") + kIndexLine
        << "Key \"01a" + QString(QChar(0xD800)) + "\": the name is not valid UTF-8 text.";
    QTest::newRow("U+FFFD escaped") << profileLine(1, "a%UFFFD") + kIndexLine
                                    << "Key \"01a\uFFFD\": the name is not valid UTF-8 text.";
    QTest::newRow("curve point 100") << profileLine(1, "Wet", 100) + kIndexLine << "";
    QTest::newRow("curve point 200") << profileLine(1, "Wet", 200) + kIndexLine
                                     << "Key \"01Wet\": curve point 5 is 200; curve points are 0 "
                                        "to 100.";
    QTest::newRow("blank after a byte order mark")
        << "\xEF\xBB\xBF " + kIndexLine << "Line 1 does not read back as written.";
}

void TestProfileIni::refusals()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, problem);
    ProfileTable table;
    QString why;
    QCOMPARE(kest::parseProfileFile(text, table, &why), problem.isEmpty());
    if (problem.isEmpty())
        QVERIFY2(why.isEmpty(), qPrintable(why));
    else
        QCOMPARE(why, problem);
}

void TestProfileIni::readsOnlyRegularBoundedFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("problem");
    QTest::newRow("1 MiB") << "1048576"
                           << "";
    QTest::newRow("1 MiB and a byte")
        << "1048577"
        << "The file is larger than 1 MiB; a file of 16 profiles takes 2 KB.";
    QTest::newRow("folder") << "folder"
                            << "It is not a regular file.";
#ifdef Q_OS_UNIX
    // before, the window waited for a writer for good
    QTest::newRow("named pipe") << "fifo"
                                << "It is not a regular file.";
    QTest::newRow("link to /dev/zero") << "zero"
                                       << "It is not a regular file.";
#endif
}

void TestProfileIni::readsOnlyRegularBoundedFiles()
{
    QFETCH(QString, kind);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString path = dir.filePath("x.ini");
    bool isNumber = false;
    const int size = kind.toInt(&isNumber);
    if (isNumber) {
        // a valid file, then comment lines up to the size
        QByteArray text = "[General]\n" + profileLine(1, "Wet") + kIndexLine;
        while (text.size() < size)
            text += ";" + QByteArray(1000, 'c') + "\n";
        text.truncate(size);
        testsupport::writeFile(path, text);
    } else if (kind == "folder") {
        QVERIFY(QDir().mkdir(path));
    }
#ifdef Q_OS_UNIX
    else if (kind == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == "zero") {
        QVERIFY(QFile::link("/dev/zero", path));
    }
#endif
    ProfileTable table;
    QString why;
    QCOMPARE(kest::readProfileFile(path, table, &why), problem.isEmpty());
    QCOMPARE(why, problem);
}

void TestProfileIni::changedFileWithItsTimeRestored()
{
    // As after "cp -p", "rsync -t" or unzip: new contents, the same size and time stamp.
    QTemporaryDir dir;
    const QString path
        = testsupport::writeFile(dir.filePath("p.ini"), profileLine(1, "Wet", 10) + kIndexLine);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    const QDateTime stamp = file.fileTime(QFileDevice::FileModificationTime);
    ProfileTable first;
    QVERIFY(kest::readProfileFile(path, first));
    QCOMPARE(first.profiles.value(0).record, slotRecord({1, 2, 0, 25, 30, 40, 10}));

    QVERIFY(file.write(profileLine(1, "Wet", 90) + kIndexLine) > 0);
    file.flush();
    QVERIFY(file.setFileTime(stamp, QFileDevice::FileModificationTime));
    file.close();
    ProfileTable second;
    QVERIFY(kest::readProfileFile(path, second));
    QCOMPARE(second.profiles.value(0).record, slotRecord({1, 2, 0, 25, 30, 40, 90}));
}

void TestProfileIni::valuesAsQSettingsReadsThem_data()
{
    QTest::addColumn<QByteArray>("raw"); // the text after '='
    QTest::newRow("plain") << QByteArray("4009754624");
    QTest::newRow("blanks around") << QByteArray(" \t 12 ab \t ");
    QTest::newRow("quoted blanks") << QByteArray(" \" 12 \" ");
    QTest::newRow("quoted, then more") << QByteArray("\"a,b\" c ");
    QTest::newRow("C escapes") << QByteArray("a\\tb\\nc\\\\d\\\"e\\?\\'\\q");
    QTest::newRow("hex takes every digit") << QByteArray("\\x41\\x4142\\x1g");
    QTest::newRow("hex wraps at 16 bits") << QByteArray("\\x123456");
    QTest::newRow("octal") << QByteArray("\\101\\0\\7777");
    QTest::newRow("\\x without digits") << QByteArray("a\\xg b");
    QTest::newRow("ends in \\x") << QByteArray("a \\x");
    QTest::newRow("ends in a blank escape") << QByteArray("a \\x20");
    QTest::newRow("ends in a backslash") << QByteArray("a \\");
    QTest::newRow("UTF-8") << QByteArray("\xC3\xA9t\xC3\xA9");
    QTest::newRow("invalid UTF-8") << QByteArray("\xE9t\xE9");
    QTest::newRow("list") << QByteArray("1, 2 ,3");
    QTest::newRow("list with an empty end") << QByteArray("a,");
    QTest::newRow("list with @@") << QByteArray("@@a,b");
    QTest::newRow("list of byte arrays") << QByteArray("@ByteArray(a),b");
    QTest::newRow("byte array") << QByteArray("@ByteArray(\\x5\\x2\\0\\x19\\x32K\\x64)");
    QTest::newRow("byte array above 0xFF") << QByteArray("@ByteArray(\\x141\\xff)");
    QTest::newRow("quoted byte array") << QByteArray("\"@ByteArray(a;b)\"");
    QTest::newRow("byte array not closed") << QByteArray("@ByteArray(ab");
    QTest::newRow("@String") << QByteArray("@String(x)");
    QTest::newRow("@Invalid") << QByteArray("@Invalid()");
    QTest::newRow("@@") << QByteArray("@@ByteArray(x)");
    QTest::newRow("empty") << QByteArray();
}

void TestProfileIni::valuesAsQSettingsReadsThem()
{
    QFETCH(QByteArray, raw);
    QTemporaryDir dir;
    const QSettings file(testsupport::writeFile(dir.filePath("v.ini"), "k=" + raw + "\n"),
                         QSettings::IniFormat);
    const QVariant expected = file.value("k");
    const QVariant read = kest::iniValue(raw);
    QCOMPARE(read.typeId(), expected.typeId());
    QCOMPARE(read, expected);
}

void TestProfileIni::writesAsQSettingsWrites_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("record");
    const QByteArray plain = record({7, 1, 0, 25, 50, 75, 100});
    QTest::newRow("letters") << "Brake_1-a.b" << plain;
    QTest::newRow("signs") << "\\ ;=#\"%,@[]" << plain;
    QTest::newRow("blanks at both ends") << " x " << plain;
    QTest::newRow("tab") << "\tx" << plain;
    QTest::newRow("Latin-1 and beyond") << "\u00e9\u0100\U0001F697" << plain;
    QTest::newRow("digits and hex digits after escapes")
        << "x" << record({0, 10, 0x30, 0x61, 0x7F, 0x80, 0xFF});
    QTest::newRow("escapes of every kind") << "x" << record({7, 8, 9, 10, 11, 12, 13});
    QTest::newRow("quote and backslash") << "x" << record({0x22, 0x5C, 0x3B, 0x2C, 0x3D, 0x20, 0});
}

void TestProfileIni::writesAsQSettingsWrites()
{
    // Files stay readable by QSettings, and by earlier versions of this program, because
    // they are the very bytes QSettings writes (a name without '/').
    QFETCH(QString, name);
    QFETCH(QByteArray, record);
    ProfileTable table;
    table.index = 0xEF010203;
    const kest::SlotRecord r = kest::SlotRecord::fromBytes(record);
    table.profiles = {{name, r}, {QStringLiteral("other"), r}};
    QTemporaryDir dir;
    {
        QSettings file(dir.filePath("q.ini"), QSettings::IniFormat);
        for (const ProfileEntry &p : table.profiles)
            file.setValue(kest::profileKey(p.record.slot, p.name), p.record.bytes());
        file.setValue("INDEX", uint(table.index));
    }
    QCOMPARE(kest::profileFileText(table), contents(dir.filePath("q.ini")));
}

void TestProfileIni::namesComeBackByteForByte_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name :
         {"A/B",     "Wet/",  "/lead",         "a//b",  "\\",     "a\\b",  ";x",     "x=y",
          "#1",      "\"q\"", "100%",          "%41",   "%U0041", " lead", "trail ", " ",
          "\ttab\t", "[x]",   "@ByteArray(x)", "INDEX", "x\x7F"})
        QTest::newRow(name) << QString::fromUtf8(name);
    QTest::newRow("16 bytes of UTF-8: two each")
        << "\u00c4\u00d6\u00dc\u00df\u00e4\u00f6\u00fc\u00e9";
    QTest::newRow("16 bytes of UTF-8: four each") << "\U0001F697\U0001F6A6\U0001F3C1\U0001F6DE";
    QTest::newRow("16 bytes of UTF-8: three each, and a blank")
        << "\u20ac\u20ac\u20ac\u20ac\u20ac ";
}

void TestProfileIni::namesComeBackByteForByte()
{
    QFETCH(QString, name);
    QVERIFY(kest::profileNameValid(name));
    ProfileTable written;
    written.index = 0xEF000003;
    written.profiles = {{name, slotRecord({3, 2, 0, 25, 50, 75, 100})}};
    QTemporaryDir dir;
    const QString path = dir.filePath("names.ini");
    QVERIFY(kest::writeProfileFile(path, written));
    ProfileTable read;
    QString why;
    QVERIFY2(kest::readProfileFile(path, read, &why), qPrintable(why));
    QCOMPARE(read.profiles.size(), 1);
    QCOMPARE(read.profiles[0].name.toUtf8(), name.toUtf8());
    QCOMPARE(read.profiles[0].record, written.profiles[0].record);
    // QSettings finds the profile under its key in [General] too.
    QVERIFY(QSettings(path, QSettings::IniFormat).allKeys().contains("03" + name));
}

void TestProfileIni::failedWriteKeepsTheOldFile_data()
{
    QTest::addColumn<int>("limit"); // bytes a file may grow to while writing
    QTest::newRow("not a byte") << 0;
    QTest::newRow("part of the file") << 100;
}

void TestProfileIni::failedWriteKeepsTheOldFile()
{
#ifndef Q_OS_UNIX
    QSKIP("file-size limits are a Unix matter");
#else
    // A full disk, made with a file-size limit in a child process: the write fails part
    // of the way, and the old file must be as it was.
    QFETCH(int, limit);
    QTemporaryDir dir;
    const QByteArray old = "[General]\n" + profileLine(1, "Old") + kIndexLine;
    const QString path = testsupport::writeFile(dir.filePath("profiles.ini"), old);
    const ProfileTable table = exportedTable();
    QVERIFY(kest::profileFileText(table).size() > limit);
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails with EFBIG instead
        const rlimit small {rlim_t(limit), rlim_t(limit)};
        if (::setrlimit(RLIMIT_FSIZE, &small) != 0)
            ::_exit(2);
        ::_exit(kest::writeProfileFile(path, table) ? 1 : 0);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0); // the failure was reported
    QCOMPARE(contents(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList {"profiles.ini"}); // nothing half-written left beside it
#endif
}

void TestProfileIni::writesGoldenFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("out.ini");
    QVERIFY(kest::writeProfileFile(path, exportedTable()));
    QCOMPARE(contents(path), contents(dataFile("profiles-export.ini")));
}

void TestProfileIni::writingReplacesAnOlderFile()
{
    QTemporaryDir dir;
    const QString path = testsupport::writeFile(
        dir.filePath("old.ini"),
        "[General]\n01Stale=@ByteArray(\\x1\\x2\\x0\\x0\\x0\\x0\\x0)\nINDEX=1\n"
        "[other]\nkey=value\n");
    QVERIFY(kest::writeProfileFile(path, exportedTable()));
    QCOMPARE(contents(path), contents(dataFile("profiles-export.ini")));
}

void TestProfileIni::writeFailuresAreReported_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("a folder of that name") << "folder.ini";
    QTest::newRow("inside a plain file") << "plain/x.ini";
}

void TestProfileIni::writeFailuresAreReported()
{
    QFETCH(QString, where);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("folder.ini"));
    QFile plain(dir.filePath("plain"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QVERIFY(!kest::writeProfileFile(dir.filePath(where), exportedTable()));
    QVERIFY(QFileInfo(dir.filePath("folder.ini")).isDir());
}

void TestProfileIni::roundTripThroughTheFile()
{
    QTemporaryDir dir;
    ProfileTable written = exportedTable();
    written.profiles[3].record = slotRecord({9, 3, 0, 0, 100, 80, 99}); // curve points 0..100
    written.profiles.append({"a b%c\\d", slotRecord({15, 1, 1, 2, 3, 4, 5})});
    written.profiles.append({"\u0660", slotRecord({14, 2, 1, 2, 3, 4, 5})});
    const QString path = dir.filePath("trip.ini");
    QVERIFY(kest::writeProfileFile(path, written));
    // A copy under another name is parsed afresh rather than taken from QSettings' cache.
    QVERIFY(QFile::copy(path, dir.filePath("copy.ini")));
    ProfileTable read;
    QVERIFY(kest::readProfileFile(dir.filePath("copy.ini"), read));
    QCOMPARE(read.index, written.index);
    auto byKey = [](const ProfileTable &t) {
        QStringList out;
        for (const ProfileEntry &p : t.profiles)
            out << kest::profileKey(p.record.slot, p.name) + ' ' + p.record.bytes().toHex();
        out.sort();
        return out;
    };
    QCOMPARE(byKey(read), byKey(written));

    // A table that QSettings itself wrote reads back as QSettings reads it: a name with a
    // '/' is stored as a key of a section ("05A/B" as B in [05A]), and is a profile too.
    const QString bySettings = dir.filePath("qsettings.ini");
    {
        QSettings settings(bySettings, QSettings::IniFormat);
        settings.setValue("INDEX", 0xEF000105u);
        settings.setValue("05A/B", QByteArray::fromHex("05020a141e2832"));
        settings.setValue("01x/y/z", QByteArray::fromHex("01020a141e2832"));
        settings.setValue("07plain", QByteArray::fromHex("07030a141e2832"));
    }
    QVERIFY(kest::readProfileFile(bySettings, read));
    QStringList expected;
    QSettings settings(bySettings, QSettings::IniFormat);
    for (const QString &key : settings.allKeys())
        if (key != "INDEX")
            expected << key + ' ' + settings.value(key).toByteArray().toHex();
    expected.sort();
    QCOMPARE(byKey(read), expected);
    QCOMPARE(read.profiles.size(), 3);
}

void TestProfileIni::demoUnitKeepsEveryProfile()
{
    // The demo unit is what new users see first: each of its profiles must survive a save,
    // an export and an import, and its linear curves must be straight.
    std::string error;
    const auto state
        = kestsim::loadStateFile(KEST_TEST_DATA "/../../sim/pedalsim/demo-state.json", error);
    QVERIFY2(state, error.c_str());
    ProfileTable table;
    table.index = state->kept.activeProfile;
    QVERIFY(kest::profileIndexValid(table.index));
    bool pedalUsed[3] = {};
    for (std::size_t slot = 0; slot < state->kept.slots.size(); ++slot) {
        const kestsim::Slot &s = state->kept.slots[slot];
        if (s.name.empty() || s.name[0] == 0xFF)
            continue;
        const QString name = QString::fromUtf8(reinterpret_cast<const char *>(s.name.data()),
                                               qsizetype(s.name.size()));
        const QByteArray rec(reinterpret_cast<const char *>(s.record.data()), 7);
        QVERIFY2(kest::profileNameValid(name), qPrintable(name));
        QVERIFY2(kest::profileRecordValid(rec), qPrintable(name));
        QCOMPARE(std::size_t(s.record[0]), slot);
        if (name.contains(QLatin1String("linear"), Qt::CaseInsensitive))
            QCOMPARE(rec.mid(2), record({17, 33, 50, 67, 83})); // the points' own x
        pedalUsed[s.record[1] - 1] = true;
        table.profiles.append({name, kest::SlotRecord::fromBytes(rec)});
    }
    for (int p = 0; p < 3; ++p) {
        QVERIFY(pedalUsed[p]);
        const int active = kest::activeWordSlot(table.index, p);
        QCOMPARE(int(state->kept.slots[std::size_t(active)].record[1]), p + 1);
    }
    QTemporaryDir dir;
    QVERIFY(kest::writeProfileFile(dir.filePath("demo.ini"), table));
    ProfileTable read;
    QString why;
    QVERIFY2(kest::readProfileFile(dir.filePath("demo.ini"), read, &why), qPrintable(why));
    QCOMPARE(read.profiles.size(), table.profiles.size());
}

void TestProfileIni::rangeSections_data()
{
    QTest::addColumn<QByteArray>("sections"); // after a file of one profile
    QTest::addColumn<QString>("problem"); // empty: the file reads as without them

    const kest::RangeTable calibration {100, 65000, 200, 64000, 300, 63000};
    const kest::RangeTable deadzone {6554, 58982, 3277, 62258, 0, 65535};
    QTest::newRow("as a backup writes them")
        << kest::rangeSectionText(kest::calibrationSection(), calibration)
            + kest::rangeSectionText(kest::deadzoneSection(), deadzone)
        << "";
    QTest::newRow("one pedal") << QByteArray("[Deadzones]\nTHROTTLE=0 65535\n") << "";
    QTest::newRow("section in other capitals")
        << QByteArray("[calibration]\nBRAKE=1 2\n")
        << "Line 5: the key is in the section [calibration]; profiles belong in [General].";
    QTest::newRow("no pedal's key") << QByteArray("[Calibration]\nPEDAL=1 2\n")
                                    << "Line 5: the section [Calibration] holds one key per pedal";
    QTest::newRow("a profile hidden in a section")
        << QByteArray("[Deadzones]\n01Brake=@ByteArray(\\x1\\x2\\x5\\n\\x14(P)\n")
        << "Line 5: the section [Deadzones] holds one key per pedal";
    for (const char *value : {"70000 1", "1 2 3", "-1 5", "1,2", "12", "0x10 20", ""}) {
        QTest::addRow("bounds \"%s\"", value) << QByteArray("[Calibration]\nCLUTCH=") + value
                + '\n' << "Line 5: CLUTCH in [Calibration] is not a low and a high bound";
    }
    QTest::newRow("a pedal twice") << QByteArray("[Deadzones]\nBRAKE=1 2\n[Deadzones]\nBRAKE=1 2\n")
                                   << "Line 7: the key \"Deadzones/BRAKE\" is there twice";
}

void TestProfileIni::rangeSections()
{
    QFETCH(QByteArray, sections);
    QFETCH(QString, problem);
    ProfileTable one;
    one.index = 0xEF000000;
    one.profiles = {{QStringLiteral("Clutch"), slotRecord({0, 1, 17, 33, 50, 67, 83})}};
    const QByteArray profiles = kest::profileFileText(one);
    ProfileTable read;
    QString why;
    const bool taken = kest::parseProfileFile(profiles + sections, read, &why);
    if (!problem.isEmpty()) {
        QVERIFY(!taken);
        QVERIFY2(why.startsWith(problem), qPrintable(why));
        return;
    }
    QVERIFY2(taken, qPrintable(why));
    QCOMPARE(describe(read), describe(one));
    if (QTest::currentDataTag() != QByteArray("as a backup writes them"))
        return;

    // QSettings reads the bounds as the text they are.
    QTemporaryDir dir;
    const QString path
        = testsupport::writeFile(dir.filePath(QStringLiteral("b.ini")), profiles + sections);
    QSettings settings(path, QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("Calibration/BRAKE")).toString(),
             QStringLiteral("200 64000"));
    QCOMPARE(settings.value(QStringLiteral("Deadzones/CLUTCH")).toString(),
             QStringLiteral("6554 58982"));
    // The bounds are no profiles: a file of all 16 slots and both sections is whole.
    ProfileTable full;
    full.index = 0xEF000000;
    for (int slot = 0; slot < kest::PROFILE_SLOT_COUNT; ++slot)
        full.profiles.append(
            {QStringLiteral("P%1").arg(slot), slotRecord({slot, 1 + slot % 3, 1, 2, 3, 4, 5})});
    QVERIFY2(kest::parseProfileFile(kest::profileFileText(full) + sections, read, &why),
             qPrintable(why));
    QCOMPARE(read.profiles.size(), qsizetype(kest::PROFILE_SLOT_COUNT));
}

QTEST_GUILESS_MAIN(TestProfileIni)
#include "tst_profileini.moc"
