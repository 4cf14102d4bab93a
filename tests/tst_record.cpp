// kestctl record against the simulated unit: every report the unit sent is a line of the
// file, in order, with the time it was read, however the recording ends.

#include "cli.h"
#include "testsupport.h"

#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace testsupport;

namespace {

int record(const QStringList &arguments)
{
    kestctl::Invocation in;
    kestctl::parseArguments(QStringList {"kestctl", "record"} + arguments, in);
    return kestctl::runCommand(in);
}

/// The unit's reports as the file writes their positions: "raw,percent" three times.
QStringList sentPositions()
{
    QStringList out;
    for (const kestsim::Bytes &r : kestsim::wireLog().reports("in")) {
        QString line;
        for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
            const int v = r[1 + 2 * p] | r[2 + 2 * p] << 8;
            line += QStringLiteral(",%1,%2").arg(v).arg(kest::percentOfScale(v));
        }
        out << line.mid(1);
    }
    return out;
}

enum End { Interrupt, Pull, Full };

} // namespace

class TestRecord : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { freshUnit(); }
    void threeSecondsAtOneKilohertz();
    void endsWithWholeLines_data();
    void endsWithWholeLines();
    void pipeReaderGone();
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
    f.open(QIODevice::ReadOnly);
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
    // Fewer means the reader left the unit's buffer (64 reports) unread for over 64 ms.
    QVERIFY2(positions.size() >= 2900, qPrintable(QString::number(positions.size())));
    // No report left out, none twice: the sweep's values in the unit's order.
    QCOMPARE(positions, sentPositions());
}

void TestRecord::endsWithWholeLines_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Ctrl-C") << int(Interrupt);
    QTest::newRow("unit pulled out") << int(Pull);
    QTest::newRow("file size limit reached") << int(Full);
}

void TestRecord::endsWithWholeLines()
{
    QFETCH(int, how);
    auto &unit = kestsim::unit();
    unit.setPedals(0, 32768, 65535);
    unit.setStreaming(true, 0); // always a report waiting: the reader ends mid-batch
    const QString path = dir.filePath(QTest::currentDataTag()) + ".jsonl";
    QTimer ending; // once some 200 reports are in the file: Ctrl-C, or the unit pulled out
    QObject::connect(&ending, &QTimer::timeout, [&] {
        if (QFileInfo(path).size() < 30000)
            return;
        ending.stop();
        how == Pull ? unit.unplug() : void(raise(SIGINT));
    });
    rlimit size {};
    getrlimit(RLIMIT_FSIZE, &size);
    const auto restore = qScopeGuard([size] { setrlimit(RLIMIT_FSIZE, &size); });
    if (how == Full) { // a write stops part-way, as on a full disk
        signal(SIGXFSZ, SIG_IGN);
        const rlimit small {30000, size.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
    } else {
        ending.start(1);
    }
    QCOMPARE(record({path, "--json"}),
             int(how == Interrupt ? kestctl::ExitDone : kestctl::ExitFailed));

    QFile f(path);
    f.open(QIODevice::ReadOnly);
    const QList<QByteArray> lines = f.readAll().split('\n');
    QCOMPARE(lines.last(), QByteArray());
    // Every report the unit sent until the end; the rest of a batch that did not fit, never.
    const qsizetype sent = kestsim::wireLog().reports("in").size();
    QVERIFY2(how == Full ? lines.size() - 1 < sent : lines.size() - 1 == sent,
             qPrintable(QStringLiteral("%1 lines, %2 sent").arg(lines.size() - 1).arg(sent)));
    QCOMPARE(lines.at(lines.size() - 2).mid(lines.at(lines.size() - 2).indexOf(',')),
             ",\"clutch_raw\":0,\"clutch_percent\":0,\"brake_raw\":32768,\"brake_percent\":50,"
             "\"throttle_raw\":65535,\"throttle_percent\":100}");
}

void TestRecord::pipeReaderGone()
{
    // A reader that goes away ends the recording as a full disk does, with status 2 and
    // the count, rather than SIGPIPE ending the program with no word.
    const QString path = dir.filePath("pipe");
    QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    const int reader = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(reader >= 0);
    kestsim::unit().setStreaming(true, 0);
    // The reader has a thread of its own: the recording writes from this one, and blocks
    // once the pipe is full. It leaves once the header came (or after a bound, should the
    // recording never write).
    std::thread leaving([reader] {
        pollfd ready {reader, POLLIN, 0};
        char buffer[4096];
        if (::poll(&ready, 1, 30000) > 0) {
            const auto n = ::read(reader, buffer, sizeof buffer);
            Q_UNUSED(n);
        }
        ::close(reader);
    });
    const int code = record({path, "--yes"});
    leaving.join();
    QCOMPARE(code, int(kestctl::ExitFailed));
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
    f.open(QIODevice::ReadOnly);
    QCOMPARE(f.readAll(), "kept\n"); // untouched, and nothing was ever opened
    QCOMPARE(opens(), 0);
}

QTEST_GUILESS_MAIN(TestRecord)
#include "tst_record.moc"
