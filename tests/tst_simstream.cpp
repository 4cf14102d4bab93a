// The input stream of kest-pedal-sim as a reader meets it through the real hidapi: the
// unit's reports wait in the node, one whole report per read, at most 64 of them, the
// oldest dropped first.
//
// The test runs kest-pedal-sim with itself as the program ("--probe MODE TRACE"). The
// probe waits until the unit's trace shows that reports were sent, reads them, and
// prints what it read; the test then finds those reports among the trace's "in" entries.
// Every wait is for a condition, never for a length of time.

#include <hidapi.h>

#include <QByteArray>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

constexpr unsigned short kVendor = 0xE5B7;
constexpr unsigned short kProduct = 0x6A1C;
constexpr int kQueue = 64; // what a hidraw node keeps for its reader
constexpr int kLongWaitMs = 30000; // a stuck simulator, not a slow machine

struct Trace
{
    QList<QByteArray> inputs; // "in" entries, as hex, in order
    int inputsBeforeOpen = 0; // how many of them came before the latest "open"
};

Trace readTrace(const QString &path)
{
    Trace t;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return t;
    const QList<QByteArray> lines = f.readAll().split('\n');
    for (int i = 0; i + 1 < lines.size(); ++i) { // the last line may be half-written
        const QList<QByteArray> fields = lines[i].split(' ');
        if (fields.size() < 2)
            continue;
        if (fields[1] == "open")
            t.inputsBeforeOpen = int(t.inputs.size());
        else if (fields[1] == "in")
            t.inputs << fields.mid(2).join();
    }
    return t;
}

/// Reports sent since the latest "open" in the trace.
int sentSinceOpen(const QString &trace)
{
    const Trace t = readTrace(trace);
    return int(t.inputs.size()) - t.inputsBeforeOpen;
}

bool waitUntil(const std::function<bool()> &done)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(kLongWaitMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

/// One report as hex, waiting for it as long as a stuck simulator would take (a negative
/// time: without limit); "" on failure.
QByteArray readReport(hid_device *d, int timeoutMs = kLongWaitMs)
{
    unsigned char buffer[64];
    const int n = hid_read_timeout(d, buffer, sizeof buffer, timeoutMs);
    return n > 0 ? QByteArray(reinterpret_cast<const char *>(buffer), n).toHex() : QByteArray();
}

// The probe, run by kest-pedal-sim. Prints "sent N" (reports the trace showed before the
// first read) and one "read HEX" line per report.
//   queued: waits for 11 reports, reads 10 non-blocking-with-timeout, then 70 blocking.
//   full:   waits for 100 reports without reading, then reads 64.
int probe(const char *mode, const char *trace)
{
    hid_init();
    hid_device *d = nullptr;
    waitUntil([&] { return (d = hid_open(kVendor, kProduct, nullptr)) != nullptr; });
    if (!d) {
        std::puts("no unit");
        return 1;
    }
    const bool full = std::strcmp(mode, "full") == 0;
    const int wanted = full ? 100 : 11;
    const QString tracePath = QString::fromLocal8Bit(trace);
    int sent = 0;
    waitUntil([&] { return (sent = sentSinceOpen(tracePath)) >= wanted; });
    std::printf("sent %d\n", sent);
    const int reads = full ? kQueue : 10;
    for (int i = 0; i < reads; ++i)
        std::printf("read %s\n", readReport(d).constData());
    if (!full) {
        for (int i = 0; i < 70; ++i) // hidapi's blocking read: no poll() first
            std::printf("blocking %s\n", readReport(d, -1).constData());
    }
    hid_close(d);
    hid_exit();
    return 0;
}

} // namespace

class TestSimStream : public QObject
{
    Q_OBJECT

    struct Run
    {
        int sent = -1;
        QList<QByteArray> reads, blocking;
        Trace trace;
    };

    /// kest-pedal-sim streaming sweeping pedals at `rate`, with the probe in `mode`.
    Run runProbe(const char *mode, int rate)
    {
        Run run;
        QTemporaryDir dir;
        const QString state = dir.filePath(QStringLiteral("state.json"));
        const QString trace = dir.filePath(QStringLiteral("trace.txt"));
        QFile f(state);
        if (!f.open(QIODevice::WriteOnly))
            return run;
        f.write(QJsonDocument(QJsonObject {{QStringLiteral("motion"), QStringLiteral("sweep")},
                                           {QStringLiteral("rate"), rate}})
                    .toJson());
        f.close();
        QProcess sim;
        sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        sim.start(QStringLiteral(KEST_PEDAL_SIM),
                  {QStringLiteral("--state"), state, QStringLiteral("--trace"), trace,
                   QStringLiteral("--"), QCoreApplication::applicationFilePath(),
                   QStringLiteral("--probe"), QString::fromLatin1(mode), trace});
        if (!sim.waitForFinished(3 * kLongWaitMs) || sim.exitCode() != 0) {
            qWarning() << "probe:" << sim.readAllStandardOutput();
            return run;
        }
        for (const QByteArray &line : sim.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> f = line.split(' ');
            if (f[0] == "sent")
                run.sent = f.value(1).toInt();
            else if (f[0] == "read")
                run.reads << f.value(1);
            else if (f[0] == "blocking")
                run.blocking << f.value(1);
        }
        run.trace = readTrace(trace);
        return run;
    }

    /// Where `reads` stand in the trace as one unbroken run of "in" entries: the index of
    /// the first, or -1.
    static int findRun(const QList<QByteArray> &inputs, const QList<QByteArray> &reads)
    {
        for (int i = 0; i + reads.size() <= inputs.size(); ++i)
            if (inputs.mid(i, reads.size()) == reads)
                return i;
        return -1;
    }

    /// Where `reads` stand in the trace in the order sent, each after the one before, with
    /// gaps allowed: the index of the first, or -1.
    static int findInOrder(const QList<QByteArray> &inputs, const QList<QByteArray> &reads)
    {
        if (reads.isEmpty())
            return -1;
        const int first = int(inputs.indexOf(reads.first()));
        int at = first;
        for (int i = 1; i < reads.size() && at >= 0; ++i)
            at = int(inputs.indexOf(reads[i], at + 1));
        return at >= 0 ? first : -1;
    }

    static void checkWhole(const QList<QByteArray> &reads)
    {
        for (const QByteArray &r : reads) {
            QCOMPARE(r.size(), 2 * 17);
            QVERIFY2(r.startsWith("01"), r.constData());
        }
    }

private Q_SLOTS:
    void reportsWaitInTheNodeAndComeOneAtATime()
    {
        // Slow enough that the 11 reports fit in the node however long the probe waits
        // between seeing them and reading them.
        const Run run = runProbe("queued", 100);
        QVERIFY2(run.sent >= 11, "the unit sent reports while nobody read");
        QCOMPARE(run.reads.size(), 10);
        checkWhole(run.reads);
        // The reports sent before the first read, in the order sent, from the first one
        // after the open on (one sent as the node opened may come before its entry).
        const int at = findRun(run.trace.inputs, run.reads);
        QVERIFY2(at >= 0, "the reads are the reports the unit sent, none lost or merged");
        QVERIFY(qAbs(at - run.trace.inputsBeforeOpen) <= 1);
        // A blocking reader drains the node and then waits for each new report.
        QCOMPARE(run.blocking.size(), 70);
        checkWhole(run.blocking);
    }

    void aFullNodeDropsTheOldest()
    {
        const Run run = runProbe("full", 1000);
        QVERIFY(run.sent >= 100);
        QCOMPARE(run.reads.size(), kQueue);
        checkWhole(run.reads);
        // The unit goes on sending while the reader reads; a reader slower than the unit
        // (a busy machine) finds the node full again, and it drops the oldest report,
        // the next one to be read: the reads come in the order sent, not always in a row.
        const int at = findInOrder(run.trace.inputs, run.reads);
        QVERIFY2(at >= 0, "64 reports in the order the unit sent them");
        // At most 64 waited when the reader came: those sent before them were dropped.
        // (The report whose entry was the last one seen may still have been on its way.)
        const int first = at - run.trace.inputsBeforeOpen;
        const QByteArray where = QByteArray::number(first) + " of " + QByteArray::number(run.sent);
        QVERIFY2(first >= run.sent - kQueue - 1, where.constData());
    }
};

int main(int argc, char **argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--probe") == 0)
        return probe(argv[2], argv[3]);
    QCoreApplication app(argc, argv);
    TestSimStream test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_simstream.moc"
