// Every command and reply layout, byte for byte, as annotated hex tables.

#include "kestreport.h"
#include "testsupport.h"

#include <QTest>

using namespace kest;
using testsupport::hexOf;
using testsupport::report;

class TestReports : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void builtReports_data();
    void builtReports();
    void settingReplies_data();
    void settingReplies();
    void replyForm_data();
    void replyForm();
    void echoesLearned_data();
    void echoesLearned();
    void rangeValuesRoundTrip();
    void versionText_data();
    void versionText();
    void slotName_data();
    void slotName();
    void pedalValues();
};

void TestReports::builtReports_data()
{
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("expected");
    auto row = [](const char *name, const Report &r, const char *leading) {
        QTest::newRow(name) << hexOf(r) << hexOf(report(leading));
    };
    //                                                   id cmd  b2 b3 ...
    row("read version", readRequest(CMD_FIRMWARE_VERSION, 0), "02 0b 09 00");
    row("read slot name 15", readRequest(CMD_PROFILE_NAME, 15), "02 0b 03 0f");
    row("read slot record 3", readRequest(CMD_PROFILE_CURVE, 3), "02 0b 04 03");
    row("read deadzones", readRequest(CMD_PEDAL_RANGE, RANGE_DEADZONE), "02 0b 05 01");
    row("read calibration", readRequest(CMD_PEDAL_RANGE, RANGE_CALIBRATION), "02 0b 05 00");
    row("read pedal mode", readRequest(CMD_DEVICE_SETTING, KESTIE_PEDAL_MODE), "02 0b 0c 07");
    //                                                       id    value(le)   commit
    row("store pedal mode 1", settingWrite(KESTIE_PEDAL_MODE, 1, true), "02 0c 07 01 00 00 00 ef");
    row("store pedal mode 0", settingWrite(KESTIE_PEDAL_MODE, 0, true), "02 0c 07 00 00 00 00 ef");
    row("apply active word", settingWrite(KESTIE_ACTIVE_PROFILE, 0x00020100, false),
        "02 0c 0f 00 01 02 00 00");
    row("store active word", settingWrite(KESTIE_ACTIVE_PROFILE, 0xEF020100, true),
        "02 0c 0f 00 01 02 ef ef");
    row("clear flash", settingWrite(KESTIE_CLEAR_FLASH, 0, false), "02 0c 10");
    //                                 01 table commit  v0    v1    v2    v3    v4    v5
    row("range write, committed",
        rangeWrite(RANGE_DEADZONE, {6554, 58982, 0, 65535, 1, 0x1234}, true),
        "02 05 01 01 ef 9a 19 66 e6 00 00 ff ff 01 00 34 12 00 00 00");
    row("range write, in effect only",
        rangeWrite(RANGE_CALIBRATION, {0, 65535, 0, 65535, 0, 65535}, false),
        "02 05 01 00 00 00 00 ff ff 00 00 ff ff 00 00 ff ff");
    //                                    slot name...               terminator
    row("name write", profileNameWrite(2, "Soft"), "02 03 02 53 6f 66 74 00");
    row("empty name write", profileNameWrite(0, QByteArray()), "02 03 00 00");
    row("16-byte name fills the report", profileNameWrite(15, "ABCDEFGHIJKLMNOP"),
        "02 03 0f 41 42 43 44 45 46 47 48 49 4a 4b 4c 4d 4e 4f 50 00");
    row("longer names are cut to 16 bytes", profileNameWrite(1, "ABCDEFGHIJKLMNOPQRS"),
        "02 03 01 41 42 43 44 45 46 47 48 49 4a 4b 4c 4d 4e 4f 50 00");
    //                                  slot code commit curve
    row("curve write", profileCurveWrite(4, 2, QByteArray::fromHex("1021324253")),
        "02 04 04 02 ef 10 21 32 42 53");
    row("cleared curve", profileCurveWrite(7, 0, QByteArray(5, 0)), "02 04 07 00 ef");
}

void TestReports::builtReports()
{
    QFETCH(QString, built);
    QFETCH(QString, expected);
    QCOMPARE(built, expected);
}

void TestReports::settingReplies_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<quint32>("value");
    //                                   id v0 v1 v2 v3
    QTest::newRow("one") << "02 0c 07 01 00 00 00" << 1u;
    QTest::newRow("little-endian") << "02 0c 0f 03 05 07 ef" << 0xEF070503u;
    QTest::newRow("all ones") << "02 0c 07 ff ff ff ff" << 0xFFFFFFFFu;
}

void TestReports::settingReplies()
{
    QFETCH(QString, reply);
    QFETCH(quint32, value);
    const Report r = testsupport::toReport(reply);
    QCOMPARE(settingValue(r), value);
}

void TestReports::replyForm_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("length"); // what hid_get_feature_report returned
    QTest::addColumn<bool>("matches");
    QTest::addColumn<unsigned>("echoes"); // required of the reply
    const unsigned all = ECHO_ALL, none = ECHO_NONE;
    //                                                       id cmd b2 b3
    QTest::newRow("calibration table") << 0x05 << 0 << "02 05 01 00 00 64 00" << 20 << true << all;
    QTest::newRow("deadzone table") << 0x05 << 1 << "02 05 01 01 00 9a 19" << 20 << true << all;
    QTest::newRow("the other table") << 0x05 << 1 << "02 05 01 00 00 9a 19" << 20 << false << all;
    QTest::newRow("a name reply for a table")
        << 0x05 << 0 << "02 03 00 42 72" << 20 << false << all;
    QTest::newRow("byte 2 not 01") << 0x05 << 0 << "02 05 00 00" << 20 << false << all;
    QTest::newRow("nothing came (zeros)") << 0x05 << 0 << "00" << 20 << false << all;
    QTest::newRow("all 0xFF") << 0x0c << 0x07 << "ff ff ff ff ff ff ff" << 20 << false << all;
    QTest::newRow("setting") << 0x0c << 0x07 << "02 0c 07 01 00 00 00" << 20 << true << all;
    QTest::newRow("another setting")
        << 0x0c << 0x07 << "02 0c 0f 01 02 03 ef" << 20 << false << all;
    QTest::newRow("version for a setting")
        << 0x0c << 0x07 << "02 09 56 31 2e 30" << 20 << false << all;
    QTest::newRow("slot name") << 0x03 << 4 << "02 03 04 42 72" << 20 << true << all;
    QTest::newRow("another slot's name") << 0x03 << 4 << "02 03 05 42 72" << 20 << false << all;
    QTest::newRow("record") << 0x04 << 4 << "02 04 04 02 0a 14 1e 28 32" << 20 << true << all;
    // A record may name another slot than the one it is kept in.
    QTest::newRow("record of another number")
        << 0x04 << 4 << "02 04 09 02 0a 14" << 20 << true << all;
    QTest::newRow("name reply for a record") << 0x04 << 4 << "02 03 04 42 72" << 20 << false << all;
    QTest::newRow("version") << 0x09 << 0 << "02 09 56 31 2e 30" << 20 << true << all;
    QTest::newRow("version without byte 1") << 0x09 << 0 << "02 00 56 31" << 20 << false << all;
    QTest::newRow("setting reply for the version")
        << 0x09 << 0 << "02 0c 07 01" << 20 << false << all;
    QTest::newRow("short: 5 bytes") << 0x05 << 1 << "02 05 01 01 00" << 5 << false << all;
    QTest::newRow("short: 19 bytes")
        << 0x0c << 0x07 << "02 0c 07 01 00 00 00" << 19 << false << all;
    QTest::newRow("failed read") << 0x0c << 0x07 << "02 0c 07 01 00 00 00" << -1 << false << all;
    // Without the echoes: bytes 1-2 are content the protocol does not give; the range
    // reply's bytes 1-3 and the length and report ID are still required.
    //                                                          id cmd b2 b3
    QTest::newRow("no echo: version") << 0x09 << 0 << "02 00 56 31 2e 30" << 20 << true << none;
    QTest::newRow("no echo: setting")
        << 0x0c << 0x07 << "02 00 00 01 00 00 00" << 20 << true << none;
    QTest::newRow("no echo: slot name") << 0x03 << 4 << "02 00 00 42 72" << 20 << true << none;
    QTest::newRow("no echo: range byte 1 still 05")
        << 0x05 << 0 << "02 00 01 00" << 20 << false << none;
    QTest::newRow("no echo: the other table") << 0x05 << 1 << "02 05 01 00" << 20 << false << none;
    QTest::newRow("no echo: short") << 0x09 << 0 << "02 00 56 31" << 19 << false << none;
    QTest::newRow("no echo: no report ID") << 0x09 << 0 << "00 09 56 31" << 20 << false << none;
    // The command echo alone: the index may be anything.
    QTest::newRow("command only: another setting")
        << 0x0c << 0x07 << "02 0c 0f 01" << 20 << true << unsigned(ECHO_COMMAND);
    QTest::newRow("command only: version for a setting")
        << 0x0c << 0x07 << "02 09 56 31" << 20 << false << unsigned(ECHO_COMMAND);
}

void TestReports::replyForm()
{
    QFETCH(int, code);
    QFETCH(int, index);
    QFETCH(QString, reply);
    QFETCH(int, length);
    QFETCH(bool, matches);
    QFETCH(unsigned, echoes);
    QCOMPARE(replyMatches(std::uint8_t(code), std::uint8_t(index), testsupport::toReport(reply),
                          length, echoes),
             matches);
}

void TestReports::echoesLearned_data()
{
    // Replies of one opening in order, each "code index | reply | verdict" with the verdict
    // A accept, R refuse, ? ask again; a reply marked "again" answers the read asked once
    // more. Then what the opening has learned: command echo, index echo (u unknown,
    // r required, a absent).
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("learned");
    // An echoing unit's attach: version, pedal mode, active profile. Two codes, two ids.
    QTest::newRow("echoing: learned from the attach")
        << QStringList {"09 00 | 02 09 56 31 2e 30 | A", "0c 07 | 02 0c 07 01 | A",
                        "0c 0f | 02 0c 0f 00 01 02 ef | A"}
        << "r r";
    // Once learned, another read's reply is refused at once, without asking again.
    QTest::newRow("echoing: another read's reply refused")
        << QStringList {"09 00 | 02 09 56 31 | A",    "0c 07 | 02 0c 07 01 | A",
                        "0c 0f | 02 0c 0f 00 | A",    "03 04 | 02 03 05 42 72 | R",
                        "03 04 | 02 04 04 02 0a | R", "03 04 | 02 03 04 42 72 | A"}
        << "r r";
    // A stale reply first (the version read answered with a setting): asked again, the
    // fresh reply echoes. Nothing is switched off.
    QTest::newRow("echoing: a stale reply while learning")
        << QStringList {"09 00 | 02 0c 07 01 | ?", "09 00 again | 02 09 56 31 | A",
                        "0c 07 | 02 0c 07 01 | A", "0c 0f | 02 0c 0f 00 | A"}
        << "r r";
    // A unit that never echoes: each lack seen twice in a row, then never asked again.
    QTest::newRow("not echoing: zeros")
        << QStringList {"09 00 | 02 00 56 31 | ?",          "09 00 again | 02 00 56 31 | A",
                        "0c 07 | 02 00 00 01 | ?",          "0c 07 again | 02 00 00 01 | A",
                        "0c 0f | 02 00 00 00 01 02 ef | A", "03 00 | 02 00 00 42 | A",
                        "03 05 | 02 00 00 42 | A"}
        << "a a";
    // A constant in byte 1 that happens to be one command's code: one match, then a lack.
    QTest::newRow("not echoing: byte 1 constant 0c")
        << QStringList {"0c 07 | 02 0c 07 01 | A", "09 00 | 02 0c 56 31 | ?",
                        "09 00 again | 02 0c 56 31 | A", "04 03 | 02 0c 03 02 | A"}
        << "a u";
    // Slot 0's name read matches a zero byte 2 by chance: one value is not enough.
    QTest::newRow("index: one value proves nothing")
        << QStringList {"03 00 | 02 03 00 42 | A", "03 00 | 02 03 00 42 | A"} << "u u";
    // The command echo and the index echo are learned apart.
    QTest::newRow("command echoed, index not")
        << QStringList {"09 00 | 02 09 56 | A", "0c 07 | 02 0c 00 01 | ?",
                        "0c 07 again | 02 0c 00 01 | A", "03 02 | 02 03 00 41 | A",
                        "04 02 | 02 03 02 41 | R"}
        << "r a";
    // Range replies show nothing of byte 1 elsewhere: their 05 is fixed.
    QTest::newRow("range replies teach nothing")
        << QStringList {"05 00 | 02 05 01 00 | A", "05 01 | 02 05 01 01 | A"} << "u u";
}

void TestReports::echoesLearned()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, learned);
    ReplyEchoes echoes;
    for (const QString &step : steps) {
        const QStringList parts = step.split(QLatin1Char('|'));
        const QStringList read = parts[0].simplified().split(QLatin1Char(' '));
        const auto code = std::uint8_t(read[0].toUInt(nullptr, 16));
        const auto index = std::uint8_t(read[1].toUInt(nullptr, 16));
        const Report reply = testsupport::toReport(parts[1].simplified());
        QVERIFY2(replyMatches(code, index, reply, int(REPORT_SIZE), ECHO_NONE), qPrintable(step));
        const auto verdict = echoes.judge(code, index, reply, read.size() > 2);
        const char expected = parts[2].simplified().at(0).toLatin1();
        const char got = verdict == ReplyEchoes::Verdict::Accept ? 'A'
            : verdict == ReplyEchoes::Verdict::Refuse            ? 'R'
                                                                 : '?';
        QVERIFY2(got == expected, qPrintable(step + QStringLiteral(" gave ") + QChar(got)));
    }
    auto letter = [](ReplyEchoes::State s) {
        return s == ReplyEchoes::State::Required ? 'r'
            : s == ReplyEchoes::State::Absent    ? 'a'
                                                 : 'u';
    };
    QCOMPARE(QStringLiteral("%1 %2").arg(letter(echoes.command())).arg(letter(echoes.index())),
             learned);
    const unsigned required = (echoes.command() == ReplyEchoes::State::Required ? 1u : 0u)
        | (echoes.index() == ReplyEchoes::State::Required ? 2u : 0u);
    QCOMPARE(echoes.required(), required);
}

void TestReports::rangeValuesRoundTrip()
{
    // A reply changed in one pedal and sent back keeps every other byte as it came.
    Report r = testsupport::toReport(
        QStringLiteral("02 05 01 01 00 10 00 20 00 30 00 40 00 50 00 60 00 aa bb cc"));
    QCOMPARE(testsupport::rangeValues(r), (RangeValues {0x10, 0x20, 0x30, 0x40, 0x50, 0x60}));
    setRangeValue(r, 2, 0);
    setRangeValue(r, 3, 65535);
    QCOMPARE(hexOf(r),
             QStringLiteral("02 05 01 01 00 10 00 20 00 00 00 ff ff 50 00 60 00 aa bb cc"));
}

void TestReports::versionText_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("text");
    QTest::newRow("terminated") << "02 09 56 31 2e 32 00 41"
                                << "V1.2";
    QTest::newRow("no terminator: all 18 bytes")
        << "02 09 41 42 43 44 45 46 47 48 49 4a 4b 4c 4d 4e 4f 50 51 52"
        << "ABCDEFGHIJKLMNOPQR";
    QTest::newRow("failed read") << "02"
                                 << "";
    QTest::newRow("utf-8") << "02 09 c3 a9 00" << QString::fromUtf8("\xc3\xa9");
}

void TestReports::versionText()
{
    QFETCH(QString, reply);
    QFETCH(QString, text);
    const Report r = testsupport::toReport(reply);
    QCOMPARE(kest::versionText(r), text);
}

void TestReports::slotName_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("name");
    QTest::newRow("named") << "02 03 00 53 6f 66 74 00 ff"
                           << "Soft";
    QTest::newRow("empty") << "02 03 05 00 41"
                           << "";
    QTest::newRow("17 bytes up to the end")
        << "02 03 00 41 42 43 44 45 46 47 48 49 4a 4b 4c 4d 4e 4f 50 51"
        << "ABCDEFGHIJKLMNOPQ";
}

void TestReports::slotName()
{
    QFETCH(QString, reply);
    QFETCH(QString, name);
    const Report r = testsupport::toReport(reply);
    QCOMPARE(kest::slotName(r), name);
}

void TestReports::pedalValues()
{
    //                       id  clutch  brake  throttle  unused
    const auto input = testsupport::hex("01 34 12 ff ff 00 00 99 99");
    const QByteArray v = kest::pedalValues(input.data());
    QCOMPARE(v.size(), 6);
    QCOMPARE(pedalPosition(v, 0), quint16(0x1234));
    QCOMPARE(pedalPosition(v, 1), quint16(65535));
    QCOMPARE(pedalPosition(v, 2), quint16(0));
}

QTEST_GUILESS_MAIN(TestReports)
#include "tst_reports.moc"
