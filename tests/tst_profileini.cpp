// Profile files without a window: key checks, the INDEX value, and whole files read from
// fixtures and written against a golden file.

#include "profileini.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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

/// The table behind tests/data/profiles-export.ini.
ProfileTable exportedTable()
{
    ProfileTable t;
    t.profiles = {
        {QStringLiteral("Ölé"), record({0, 1, 0, 25, 50, 75, 100})},
        {QStringLiteral("DEFAULT"), record({3, 2, 10, 20, 30, 40, 50})},
        {QStringLiteral("soft brake"), record({4, 2, 5, 10, 20, 40, 80})},
        {QStringLiteral("x=y;z"), record({9, 3, 0xFF, 0, 100, 0x80, 0x7F})},
        {QStringLiteral("5050"), record({12, 3, 50, 50, 50, 50, 50})},
    };
    t.index = 0xEF0C0400;
    return t;
}

QString describe(const ProfileTable &t)
{
    QStringList out {QString::asprintf("INDEX %08x", t.index)};
    for (const ProfileEntry &p : t.profiles)
        out << QLatin1Char('"') + p.name + QStringLiteral("\" ") + p.record.toHex(' ');
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
    void fileNames_data();
    void fileNames();

    void readsFixtures_data();
    void readsFixtures();
    void writesGoldenFile();
    void writingReplacesAnOlderFile();
    void writeFailuresAreReported_data();
    void writeFailuresAreReported();
    void roundTripThroughTheFile();
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
    // pedal codes go to the unit as the file has them
    QTest::newRow("pedal code 0") << record({2, 0, 1, 2, 3, 4, 5}) << true;
}

void TestProfileIni::records()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, valid);
    QCOMPARE(kest::profileRecordValid(value), valid);
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
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<ProfileTable>("expected");

    ProfileTable valid;
    valid.index = 0xEF090C05;
    valid.profiles = {
        {"Clutch Soft", record({0, 1, 0, 25, 50, 75, 100})},
        {"DEFAULT", record({3, 2, 10, 20, 30, 40, 50})},
        {"Race", record({9, 3, 5, 10, 20, 40, 80})}, // its key says 07
        {"Brake Hard", record({12, 2, 50, 70, 80, 90, 95})},
    };
    ProfileTable onlyIndex;
    onlyIndex.index = 0xEF000000;
    ProfileTable emptyName;
    emptyName.index = 0xEF000000;
    emptyName.profiles
        = {{"", record({3, 2, 10, 20, 30, 40, 50})}, {"Brake", record({5, 2, 5, 10, 20, 40, 80})}};
    ProfileTable unicode;
    unicode.index = 0xEF000000;
    unicode.profiles = {{"Arabic", record({2, 3, 5, 10, 20, 40, 80})},
                        {"Wide", record({4, 1, 5, 10, 20, 40, 80})}};

    QTest::newRow("valid") << "import-valid.ini" << true << valid;
    QTest::newRow("only INDEX") << "import-only-index.ini" << true << onlyIndex;
    QTest::newRow("two-digit key") << "import-empty-name.ini" << true << emptyName;
    QTest::newRow("non-ASCII digits") << "import-unicode-digits.ini" << true << unicode;
    QTest::newRow("exported file") << "profiles-export.ini" << true << exportedTable();

    const ProfileTable none;
    QTest::newRow("no INDEX") << "import-no-index.ini" << false << none;
    QTest::newRow("INDEX without the mark") << "import-index-unmarked.ini" << false << none;
    QTest::newRow("INDEX as text") << "import-index-text.ini" << false << none;
    QTest::newRow("INDEX too large") << "import-index-too-large.ini" << false << none;
    QTest::newRow("keys in a group") << "import-group.ini" << false << none;
    QTest::newRow("key with one digit") << "import-bad-key.ini" << false << none;
    QTest::newRow("short record") << "import-short-record.ini" << false << none;
    QTest::newRow("text for a record") << "import-text-record.ini" << false << none;
    QTest::newRow("slot 16") << "import-slot-out-of-range.ini" << false << none;
    QTest::newRow("name of 17 bytes") << "import-long-name.ini" << false << none;
    QTest::newRow("unclosed section header") << "import-broken-section.ini" << false << none;
    QTest::newRow("missing file") << "no-such-file.ini" << false << none;
}

void TestProfileIni::readsFixtures()
{
    QFETCH(QString, file);
    QFETCH(bool, accepted);
    QFETCH(ProfileTable, expected);
    ProfileTable table;
    table.index = 0x12345678; // left alone by a rejection
    QCOMPARE(kest::readProfileFile(dataFile(file.toLatin1().constData()), table), accepted);
    if (!accepted) {
        QCOMPARE(table.index, 0x12345678u);
        QVERIFY(table.profiles.isEmpty());
        return;
    }
    // QSettings hands keys back sorted; the fixtures are written in that order.
    QCOMPARE(describe(table), describe(expected));
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
    written.profiles.append({"a b%c\\d", record({15, 1, 1, 2, 3, 4, 5})});
    written.profiles.append({"\u0660", record({14, 2, 1, 2, 3, 4, 5})});
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
            out << kest::profileKey(p.record[0], p.name) + ' ' + p.record.toHex();
        out.sort();
        return out;
    };
    QCOMPARE(byKey(read), byKey(written));
}

QTEST_GUILESS_MAIN(TestProfileIni)
#include "tst_profileini.moc"
