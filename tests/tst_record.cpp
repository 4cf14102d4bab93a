// kestctl record against the simulated unit: every report the unit sent is a line of the
// file, in order, with the time it was read, however the recording ends.

#include "cli.h"
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>

using namespace testsupport;

namespace {

int record(const QStringList &arguments)
{
    kestctl::Invocation in;
    if (!kestctl::parseArguments(QStringList {"kestctl", "record"} + arguments, in))
        return -1;
    return kestctl::runRecord(in);
}

/// The unit's reports as the file writes their positions: "raw,percent" three times.
QStringList sentPositions()
{
    QStringList out;
    for (const kestsim::Bytes &r : kestsim::wireLog().reports("in")) {
        QStringList v;
        for (int p = 0; p < kest::PEDAL_COUNT; ++p)
            v << QString::number(r[1 + 2 * p] | r[2 + 2 * p] << 8) + QLatin1Char(',')
                    + QString::number(kest::percentOfScale(r[1 + 2 * p] | r[2 + 2 * p] << 8));
        out << v.join(QLatin1Char(','));
    }
    return out;
}

/// Runs `act` on the main thread once the unit has sent `count` input reports.
class AfterReports : public kestsim::UnitObserver
{
public:
    AfterReports(int count, std::function<void()> act) : left(count), act(std::move(act)) { }
    void logged(const kestsim::WireEntry &e) override
    {
        if (e.kind == "in" && --left == 0) // the unit's lock is held: act later, elsewhere
            QMetaObject::invokeMethod(qApp, act, Qt::QueuedConnection);
    }

private:
    int left;
    std::function<void()> act;
};

} // namespace

class TestRecord : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { freshUnit(); }
    void cleanup() { kestsim::unit().plug(); }
    void threeSecondsAtOneKilohertz();
    void endsWithWholeLines_data();
    void endsWithWholeLines();
    void refusals();

private:
    QTemporaryDir dir;
};

void TestRecord::threeSecondsAtOneKilohertz()
{
    const QString path = writeFile(dir.filePath("brake.csv"), "an older trace, replaced\n");
    kestsim::unit().setStreaming(true, 1000, kestsim::Motion::Sweep);
    const qint64 before = kest::monotonicMicroseconds();
    QCOMPARE(record({path, "--seconds", "3", "--yes"}), int(kestctl::ExitDone));
    const qint64 after = kest::monotonicMicroseconds();

    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromLatin1(f.readAll()).split('\n');
    QCOMPARE(lines.first(),
             "time_us,clutch_raw,clutch_percent,brake_raw,brake_percent,"
             "throttle_raw,throttle_percent");
    QCOMPARE(lines.last(), QString()); // the last line ends too
    QStringList positions;
    qint64 previous = before;
    for (const QString &line : lines.mid(1, lines.size() - 2)) {
        const qint64 stamp = line.section(',', 0, 0).toLongLong();
        QVERIFY2(stamp >= previous && stamp <= after, qPrintable(line));
        previous = stamp;
        positions << line.section(',', 1);
    }
    QVERIFY2(positions.size() >= 2900, qPrintable(QString::number(positions.size())));
    // No report left out, none twice: the sweep's values in the unit's order.
    QCOMPARE(positions, sentPositions());
}

void TestRecord::endsWithWholeLines_data()
{
    QTest::addColumn<bool>("pull");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("Ctrl-C") << false << int(kestctl::ExitDone);
    QTest::newRow("unit pulled out") << true << int(kestctl::ExitFailed);
}

void TestRecord::endsWithWholeLines()
{
    QFETCH(bool, pull);
    QFETCH(int, exitCode);
    auto &unit = kestsim::unit();
    unit.setPedals(0, 32768, 65535);
    unit.setStreaming(true, 2000);
    const auto end = std::make_shared<AfterReports>(300, [&] {
        if (pull)
            unit.unplug();
        else
            raise(SIGINT);
    });
    unit.watch(end);
    const QString path = dir.filePath(QTest::currentDataTag()) + ".jsonl";
    const int code = record({path, "--json"});
    unit.unwatch(end.get());
    QCOMPARE(code, exitCode);

    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    QCOMPARE(lines.last(), QByteArray());
    QCOMPARE(lines.size() - 1, qsizetype(kestsim::wireLog().reports("in").size()));
    QVERIFY(lines.size() > 300);
    QCOMPARE(lines.at(lines.size() - 2).mid(lines.at(lines.size() - 2).indexOf(',')),
             ",\"clutch_raw\":0,\"clutch_percent\":0,\"brake_raw\":32768,\"brake_percent\":50,"
             "\"throttle_raw\":65535,\"throttle_percent\":100}");
}

void TestRecord::refusals()
{
    const QString kept = writeFile(dir.filePath("kept.csv"), "kept\n");
    QCOMPARE(record({kept}), int(kestctl::ExitRefused));
    for (const char *seconds : {"0", "-2", "soon", "1e12"})
        QCOMPARE(record({dir.filePath("new.csv"), "--seconds", seconds}),
                 int(kestctl::ExitRefused));
    QCOMPARE(record({dir.filePath("missing/dir.csv")}), int(kestctl::ExitRefused));
    kestsim::unit().unplug();
    QCOMPARE(record({dir.filePath("new.csv")}), int(kestctl::ExitNoUnit));
    QCOMPARE(record({kept, "--yes"}), int(kestctl::ExitNoUnit));
    QVERIFY(!QFile::exists(dir.filePath("new.csv")));
    QFile f(kept);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), "kept\n"); // untouched, and nothing was ever opened
    QCOMPARE(opens(), 0);
}

QTEST_GUILESS_MAIN(TestRecord)
#include "tst_record.moc"
