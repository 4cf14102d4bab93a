// The simulated unit itself: the behaviour that every other test relies on.

#include "faultplan.h"
#include "observers.h"
#include "pedalunit.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using kestsim::Bytes;
using kestsim::PedalUnit;
using testsupport::hexOf;
using testsupport::report;

namespace {

void send(PedalUnit &u, const char *leading)
{
    const Bytes r = report(leading);
    QCOMPARE(u.setFeature(r.data(), r.size()), 20);
}

QString query(PedalUnit &u, const char *request)
{
    send(u, request);
    Bytes reply(20, 0);
    reply[0] = 0x02;
    if (u.getFeature(reply.data(), reply.size()) != 20)
        return QStringLiteral("no reply");
    return hexOf(reply);
}

QString reply(const char *leading)
{
    return hexOf(report(leading));
}

void replug(PedalUnit &u)
{
    u.unplug();
    u.plug();
}

} // namespace

class TestSimulator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void committedWritesAreKept();
    void slotNameIsKeptWithItsCommittedCurve();
    void rangeRepliesHaveTheWriteForm();
    void firmwareIsReassembledByChunk();
    void clearFlashRestoresTheFactoryState();
    void unpluggedUnitRefusesEverything();
    void failNextSendsDropsThem();
    void distortedReplies_data();
    void distortedReplies();
    void faultsWhileWriting_data();
    void faultsWhileWriting();
    void traceFileFormat();
    void stateFileRoundTrip();
    void malformedStateFiles_data();
    void malformedStateFiles();
    void environmentFaultsGoToTheFront_data();
    void environmentFaultsGoToTheFront();
    void sweepMovesThePedals();
};

void TestSimulator::committedWritesAreKept()
{
    PedalUnit u;
    send(u, "02 0c 07 00 00 00 00 ef"); // clutch off, kept
    send(u, "02 0c 0f 01 02 03 00 00"); // active word, in effect only
    QCOMPARE(query(u, "02 0b 0c 0f"), reply("02 0c 0f 01 02 03 00"));
    replug(u);
    QCOMPARE(query(u, "02 0b 0c 07"), reply("02 0c 07 00 00 00 00"));
    QCOMPARE(query(u, "02 0b 0c 0f"), reply("02 0c 0f 00 00 00 00"));
}

void TestSimulator::slotNameIsKeptWithItsCommittedCurve()
{
    PedalUnit u;
    send(u, "02 03 05 53 6f 66 74 00"); // "Soft" into slot 5
    QCOMPARE(query(u, "02 0b 03 05"), reply("02 03 05 53 6f 66 74 00"));
    replug(u); // not kept without a committed curve
    QCOMPARE(query(u, "02 0b 03 05"),
             reply("02 03 05 ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff"));

    send(u, "02 03 05 53 6f 66 74 00");
    send(u, "02 04 05 02 ef 0a 14 1e 28 32");
    replug(u);
    QCOMPARE(query(u, "02 0b 03 05"), reply("02 03 05 53 6f 66 74 00"));
    //                              slot code curve
    QCOMPARE(query(u, "02 0b 04 05"), reply("02 04 05 02 0a 14 1e 28 32"));
    QCOMPARE(u.state().kept.slots[5].isFree(), false);
}

void TestSimulator::rangeRepliesHaveTheWriteForm()
{
    PedalUnit u;
    QCOMPARE(query(u, "02 0b 05 01"),
             reply("02 05 01 01 00 00 00 ff ff 00 00 ff ff 00 00 ff ff 00 00 00"));
    send(u, "02 05 01 00 00 10 00 20 00 30 00 40 00 50 00 60 00"); // calibration, in effect
    QCOMPARE(query(u, "02 0b 05 00"), reply("02 05 01 00 00 10 00 20 00 30 00 40 00 50 00 60 00"));
    // A reply sent back with the commit byte is a valid write, and it is kept.
    send(u, "02 05 01 00 ef 10 00 20 00 30 00 40 00 50 00 60 00");
    replug(u);
    QCOMPARE(u.state().kept.calibration,
             (std::array<std::uint16_t, 6> {0x10, 0x20, 0x30, 0x40, 0x50, 0x60}));
    QCOMPARE(u.state().kept.deadzone,
             (std::array<std::uint16_t, 6> {0, 65535, 0, 65535, 0, 65535}));
}

void TestSimulator::firmwareIsReassembledByChunk()
{
    PedalUnit u;
    Bytes image(4096 + 40);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = std::uint8_t(i * 7 + 3);
    // Out of order, with stale bytes after the last chunk's payload, as the program sends.
    std::vector<std::size_t> offsets;
    for (std::size_t o = 0; o < image.size(); o += 16)
        offsets.push_back(o);
    std::swap(offsets[1], offsets[200]);
    Bytes r(20, 0xAA);
    r[0] = 0x02;
    for (std::size_t o : offsets) {
        const std::size_t chunk = o / 16, n = std::min<std::size_t>(16, image.size() - o);
        r[1] = std::uint8_t(0x80 | chunk >> 8);
        r[2] = std::uint8_t(chunk & 0xFF);
        r[3] = std::uint8_t(n);
        std::copy_n(image.begin() + std::ptrdiff_t(o), n, r.begin() + 4);
        QCOMPARE(u.setFeature(r.data(), r.size()), 20);
    }
    r[1] = 0x10;
    QCOMPARE(u.setFeature(r.data(), r.size()), 20);
    QCOMPARE(u.firmwareEndCount(), 1);
    QVERIFY(u.firmwareGaps().empty());
    QCOMPARE(u.firmwareImage(), image);

    // A second upload starts from nothing; a missing chunk shows as a gap.
    send(u, "02 80 00 02 01 02");
    send(u, "02 80 02 01 09");
    send(u, "02 10");
    QCOMPARE(u.firmwareEndCount(), 2);
    QCOMPARE(u.firmwareGaps(), std::vector<int> {1});
    QCOMPARE(u.firmwareImage().size(), std::size_t(2 + 16 + 1));
}

void TestSimulator::clearFlashRestoresTheFactoryState()
{
    PedalUnit u;
    u.setVersion("V3.0");
    send(u, "02 0c 07 00 00 00 00 ef");
    send(u, "02 03 00 41 00");
    send(u, "02 04 00 01 ef 01 02 03 04 05");
    send(u, "02 05 01 01 ef 10 00");
    send(u, "02 0c 10"); // erase
    QVERIFY(u.inEffect() == kestsim::Settings());
    QVERIFY(u.state().kept == kestsim::Settings());
    QCOMPARE(query(u, "02 0b 09 00"), reply("02 09 56 33 2e 30")); // version survives
}

void TestSimulator::unpluggedUnitRefusesEverything()
{
    PedalUnit u;
    u.setPedals(1, 2, 3);
    u.unplug();
    const Bytes r = report("02 0b 09 00");
    QCOMPARE(u.setFeature(r.data(), r.size()), -1);
    Bytes buf(20);
    QCOMPARE(u.getFeature(buf.data(), buf.size()), -1);
    QCOMPARE(u.readInput(buf.data(), 17, 0), -1);
    u.plug();
    QCOMPARE(u.readInput(buf.data(), 17, 0), 0); // queued reports went with the unplug
}

void TestSimulator::failNextSendsDropsThem()
{
    kestsim::FaultPlan faults;
    PedalUnit u(&faults);
    auto log = std::make_shared<kestsim::WireLog>();
    u.watch(log);
    faults.failNextSends(2);
    const Bytes r = report("02 0c 07 00 00 00 00 ef");
    QCOMPARE(u.setFeature(r.data(), r.size()), -1);
    QCOMPARE(u.setFeature(r.data(), r.size()), -1);
    QCOMPARE(u.state().kept.pedalMode, 1u);
    QCOMPARE(u.setFeature(r.data(), r.size()), 20);
    QCOMPARE(u.state().kept.pedalMode, 0u);
    QCOMPARE(log->reports("set").size(), std::size_t(1)); // failed sends never reached it
    QCOMPARE(faults.exchangeCount(), 3);
}

void TestSimulator::distortedReplies_data()
{
    // The unit below: clutch on, active word 0x0102, slot 0 "Soft" (a BRAKE profile),
    // the other slots erased, deadzones set, calibration neutral, version "V1.0.0".
    QTest::addColumn<QString>("request");
    QTest::addColumn<int>("fault"); // a kestsim::ReplyFault
    QTest::addColumn<int>("length"); // of a short reply
    QTest::addColumn<QString>("distorted"); // leading bytes; the rest of 20 is zero
    QTest::addColumn<int>("returned");

    using F = kestsim::ReplyFault;
    const QString ee = QStringLiteral(" ee").repeated(15);
    QTest::newRow("short, 5 of a setting")
        << "02 0b 0c 07" << int(F::Short) << 5 << QStringLiteral("02 0c 07 01 00") + ee << 5;
    QTest::newRow("short, 19 of a range table")
        << "02 0b 05 01" << int(F::Short) << 19
        << "02 05 01 01 00 64 00 9b ff c8 00 37 ff 2c 01 d3 fe 00 00 ee" << 19;
    QTest::newRow("other index, range table")
        << "02 0b 05 01" << int(F::OtherIndex) << 0
        << "02 05 01 00 00 00 00 ff ff 00 00 ff ff 00 00 ff ff" << 20;
    QTest::newRow("other index, pedal mode for active profile")
        << "02 0b 0c 0f" << int(F::OtherIndex) << 0 << "02 0c 07 01" << 20;
    QTest::newRow("other index, active profile for pedal mode")
        << "02 0b 0c 07" << int(F::OtherIndex) << 0 << "02 0c 0f 02 01" << 20;
    QTest::newRow("other index, name of slot 1")
        << "02 0b 03 00" << int(F::OtherIndex) << 0
        << "02 03 01 ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff" << 20;
    QTest::newRow("other index, record of the nearest slot that differs")
        << "02 0b 04 03" << int(F::OtherIndex) << 0 << "02 04 00 02 0a 14 1e 28 32" << 20;
    QTest::newRow("other index, version has none")
        << "02 0b 09 00" << int(F::OtherIndex) << 0 << "02 09 56 31 2e 30 2e 30" << 20;
    QTest::newRow("other command, record for a name")
        << "02 0b 03 00" << int(F::OtherCommand) << 0 << "02 04 00 02 0a 14 1e 28 32" << 20;
    QTest::newRow("other command, name for a record")
        << "02 0b 04 00" << int(F::OtherCommand) << 0 << "02 03 00 53 6f 66 74" << 20;
    QTest::newRow("other command, version for a setting")
        << "02 0b 0c 07" << int(F::OtherCommand) << 0 << "02 09 56 31 2e 30 2e 30" << 20;
    QTest::newRow("other command, version for a range table")
        << "02 0b 05 00" << int(F::OtherCommand) << 0 << "02 09 56 31 2e 30 2e 30" << 20;
    QTest::newRow("other command, pedal mode for the version")
        << "02 0b 09 00" << int(F::OtherCommand) << 0 << "02 0c 07 01" << 20;
    QTest::newRow("unplugged before the reply")
        << "02 0b 0c 07" << int(F::Unplugged) << 0 << QString() << -1;
}

void TestSimulator::distortedReplies()
{
    QFETCH(QString, request);
    QFETCH(int, fault);
    QFETCH(int, length);
    QFETCH(QString, distorted);
    QFETCH(int, returned);
    kestsim::FaultPlan faults;
    PedalUnit u(&faults);
    kestsim::UnitState state;
    state.kept.activeProfile = 0x0102;
    state.kept.deadzone = {100, 65435, 200, 65335, 300, 65235};
    state.kept.slots[0] = {Bytes {'S', 'o', 'f', 't'}, {0, 2, 10, 20, 30, 40, 50}};
    u.setState(state);
    const QByteArray asked = request.toLatin1();
    const auto read = [&](int &n) {
        send(u, asked.constData());
        Bytes buffer(20, 0xEE);
        buffer[0] = 0x02;
        n = u.getFeature(buffer.data(), buffer.size());
        return hexOf(buffer);
    };
    int n = 0;
    const QString whole = read(n);
    QCOMPARE(n, 20);

    // One read passes, the next one is distorted, and only that one.
    using F = kestsim::ReplyFault;
    switch (F(fault)) {
    case F::Short:
        faults.shortenNextReply(length, 1);
        break;
    case F::OtherIndex:
        faults.misdirectNextReply(1);
        break;
    case F::OtherCommand:
        faults.crossNextReply(1);
        break;
    default:
        faults.unplugBeforeReply(1);
        break;
    }
    QCOMPARE(read(n), whole);
    const int exchanges = faults.exchangeCount();
    const QString got = read(n);
    QCOMPARE(n, returned);
    if (returned < 0) {
        QVERIFY(!u.isPlugged());
        QCOMPARE(faults.exchangeCount(), exchanges + 1); // the request went, the reply not
        return;
    }
    const QByteArray padded
        = (distorted + QStringLiteral(" 00").repeated(20 - int(distorted.size() + 1) / 3))
              .toLatin1();
    QCOMPARE(got, hexOf(report(padded.constData())));
    QCOMPARE(read(n), whole);
    QCOMPARE(n, 20);
    QVERIFY(u.inEffect() == state.kept); // a distorted reply changes nothing on the unit
}

void TestSimulator::faultsWhileWriting_data()
{
    QTest::addColumn<int>("fault"); // a kestsim::WritingFault
    QTest::addColumn<int>("delayMs");
    using F = kestsim::WritingFault;
    QTest::newRow("pulled right after the end report") << int(F::Unplugged) << 0;
    QTest::newRow("re-plugged right after the end report") << int(F::Replugged) << 0;
    QTest::newRow("pulled while writing") << int(F::Unplugged) << 40;
    QTest::newRow("re-plugged while writing") << int(F::Replugged) << 40;
}

void TestSimulator::faultsWhileWriting()
{
    QFETCH(int, fault);
    QFETCH(int, delayMs);
    kestsim::FaultPlan faults;
    PedalUnit u(&faults);
    const std::uint64_t opening = u.plugGeneration();
    send(u, "02 0c 0f 05 00 00 00 00"); // in effect only: a re-plug loses it
    faults.faultWhileWriting(kestsim::WritingFault(fault), std::chrono::milliseconds(delayMs));
    send(u, "02 80 00 02 01 02");
    QElapsedTimer sinceEnd;
    sinceEnd.start();
    send(u, "02 10"); // taken in full: the sender sees success
    QCOMPARE(u.firmwareEndCount(), 1);
    QCOMPARE(u.firmwareImage(), Bytes({1, 2}));

    const bool replug = kestsim::WritingFault(fault) == kestsim::WritingFault::Replugged;
    TRY_VERIFY(u.plugGeneration() != opening || !u.isPlugged());
    QVERIFY(sinceEnd.elapsed() >= delayMs);
    QCOMPARE(u.isPlugged(), replug);
    QCOMPARE(u.plugGeneration(), replug ? opening + 1 : opening);
    QCOMPARE(u.inEffect().activeProfile, replug ? 0u : 5u);

    // The next upload is left alone.
    u.plug();
    send(u, "02 10");
    QCOMPARE(u.firmwareEndCount(), 2);
    QVERIFY(u.isPlugged());
}

void TestSimulator::traceFileFormat()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("trace.log"));
    PedalUnit u;
    std::string error;
    auto trace = kestsim::TraceFile::open(path.toStdString(), error);
    QVERIFY2(trace, error.c_str());
    u.watch(trace);
    u.logEvent("open");
    query(u, "02 0b 0c 07");
    u.queueInput(testsupport::hex("01 02 03"));
    Bytes in(17);
    QCOMPARE(u.readInput(in.data(), in.size(), 0), 3);

    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    QCOMPARE(lines.size(), 5); // four lines and the final newline
    const QRegularExpression line(
        QStringLiteral("^\\d+\\.\\d{6} (set|get|in|open|close)( [0-9a-f]{2})*$"));
    for (int i = 0; i < 4; ++i)
        QVERIFY2(line.match(QString::fromLatin1(lines[i])).hasMatch(), lines[i].constData());
    QVERIFY(lines[0].endsWith(" open"));
    QVERIFY(lines[1].endsWith(" set 02 0b 0c 07 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"));
    QVERIFY(lines[2].endsWith(" get 02 0c 07 01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"));
    QVERIFY(lines[3].endsWith(" in 01 02 03"));
}

void TestSimulator::stateFileRoundTrip()
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("unit.json")).toStdString();
    {
        QFile f(QString::fromStdString(path));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(R"({"version": "V9.9", "pedalMode": 0, "activeProfile": 4009754880,
                    "deadzone": [1, 2, 3, 4, 5, 6],
                    "slots": [{"slot": 3, "name": "Rain", "record": [3, 2, 1, 2, 3, 4, 5]}],
                    "pedals": [10, 20, 30], "motion": "still", "rate": 100})");
    }
    std::string error;
    auto s = kestsim::loadStateFile(path, error);
    QVERIFY2(s.has_value(), error.c_str());
    QCOMPARE(s->version, std::string("V9.9"));
    QCOMPARE(s->kept.activeProfile, 0xEF000100u);
    QCOMPARE(s->kept.slots[3].name, Bytes({'R', 'a', 'i', 'n'}));
    QVERIFY(s->kept.slots[4].isFree());
    QCOMPARE(s->pedals, (std::array<std::uint16_t, 3> {10, 20, 30}));

    // The unit writes back what it keeps, and only that.
    PedalUnit u;
    u.setState(*s);
    u.watch(std::make_shared<kestsim::StateFile>(path));
    send(u, "02 0c 07 01 00 00 00 ef");
    send(u, "02 0c 0f 00 00 00 00 00"); // in effect only
    auto again = kestsim::loadStateFile(path, error);
    QVERIFY2(again.has_value(), error.c_str());
    QCOMPARE(again->kept.pedalMode, 1u);
    QCOMPARE(again->kept.activeProfile, 0xEF000100u);
    QVERIFY(again->kept == u.state().kept);
    QCOMPARE(again->rate, 100.0);
}

void TestSimulator::malformedStateFiles_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("complaint");
    QTest::newRow("not json") << QByteArray("{version") << "not valid JSON";
    QTest::newRow("array") << QByteArray("[]") << "must be a JSON object";
    QTest::newRow("unknown key") << QByteArray(R"({"versoin": "x"})") << "unknown key";
    QTest::newRow("five deadzones") << QByteArray(R"({"deadzone": [1,2,3,4,5]})") << "deadzone";
    QTest::newRow("range value too big") << QByteArray(R"({"pedals": [0, 0, 70000]})") << "pedals";
    QTest::newRow("motion") << QByteArray(R"({"motion": "jump"})") << "motion";
    QTest::newRow("slot 16") << QByteArray(
        R"({"slots": [{"slot": 16, "name": "A", "record": [0,1,0,0,0,0,0]}]})")
                             << "slot";
    QTest::newRow("short record") << QByteArray(
        R"({"slots": [{"slot": 1, "name": "A", "record": [1,1]}]})")
                                  << "record";
    QTest::newRow("version too long")
        << QByteArray(R"({"version": "1234567890123456789"})") << "version";
}

void TestSimulator::malformedStateFiles()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, complaint);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bad.json"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(json);
    f.close();
    std::string error;
    QVERIFY(!kestsim::loadStateFile(path.toStdString(), error).has_value());
    const QString message = QString::fromStdString(error);
    QVERIFY2(message.contains(complaint) && message.contains(path), error.c_str());
}

void TestSimulator::environmentFaultsGoToTheFront_data()
{
    QTest::addColumn<QString>("stateFile");
    QTest::addColumn<QString>("traceFile");
    QTest::addColumn<QString>("complaint"); // empty: configured
    QTest::newRow("both files") << "state.json"
                                << "trace.log"
                                << "";
    QTest::newRow("state file missing") << "none.json"
                                        << ""
                                        << "none.json: cannot be read";
    QTest::newRow("trace in no folder") << ""
                                        << "no/trace.log"
                                        << "no/trace.log: the trace file";
}

void TestSimulator::environmentFaultsGoToTheFront()
{
    QFETCH(QString, stateFile);
    QFETCH(QString, traceFile);
    QFETCH(QString, complaint);
    QTemporaryDir dir;
    testsupport::writeFile(dir.filePath(QStringLiteral("state.json")), R"({"version": "V4"})");
    const auto path = [&](const QString &name) {
        return name.isEmpty() ? QByteArray() : QFile::encodeName(dir.filePath(name));
    };
    qputenv("KEST_SIM_STATE", path(stateFile));
    qputenv("KEST_SIM_TRACE", path(traceFile));
    PedalUnit u;
    std::string error;
    const bool configured = kestsim::configureFromEnvironment(u, error);
    qunsetenv("KEST_SIM_STATE");
    qunsetenv("KEST_SIM_TRACE");
    if (!complaint.isEmpty()) {
        QVERIFY(!configured);
        QVERIFY2(QString::fromStdString(error).contains(complaint), error.c_str());
        return;
    }
    QVERIFY2(configured, error.c_str());
    QCOMPARE(u.state().version, std::string("V4"));
    send(u, "02 0c 07 00 00 00 00 ef"); // kept: the state file follows
    std::string loadError;
    const auto kept = kestsim::loadStateFile(path(stateFile).toStdString(), loadError);
    QVERIFY2(kept, loadError.c_str());
    QCOMPARE(kept->kept.pedalMode, 0u);
    QFile trace(QString::fromLocal8Bit(path(traceFile)));
    QVERIFY(trace.open(QIODevice::ReadOnly));
    QVERIFY(trace.readAll().contains(" set 02 0c 07 00 00 00 00 ef"));
}

void TestSimulator::sweepMovesThePedals()
{
    PedalUnit u;
    u.setStreaming(true, 0, kestsim::Motion::Sweep);
    Bytes first(17), later(17);
    QCOMPARE(u.readInput(first.data(), 17, 0), 17);
    TRY_VERIFY(u.readInput(later.data(), 17, 0) == 17 && first != later);
}

QTEST_GUILESS_MAIN(TestSimulator)
#include "tst_simulator.moc"
