// How fast input reports travel from the unit to a slot on the GUI thread.
//
//   bench_reader [seconds]
//
// 1. Throughput: the simulated unit always has a report waiting; count the reports that
//    reach a queued slot on the main thread per second.
// 2. Recording: the same unit, with the reader stamping every report; count the reports
//    that reach a recorder writing CSV lines to /dev/null, and the batches they came in.
// 3. Latency at 1 kHz: a producer thread hands the unit one report per millisecond, each
//    carrying its sequence number; the slot notes when each arrives. Prints p50 and p99
//    of the time from the report's arrival at the unit to its pickup on the GUI thread.

#include "kestdevice.h"
#include "kestevent.h"
#include "kestreport.h"
#include "recording.h"
#include "simhid.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

class Sink : public QObject
{
public:
    std::size_t count = 0;
    std::vector<Clock::time_point> arrivals; // by sequence number
    std::vector<Clock::time_point> pickups;

    void onEvent(const QByteArray &values)
    {
        ++count;
        if (!arrivals.empty()) {
            const std::size_t seq = kest::pedalPosition(values, 0)
                | std::size_t(kest::pedalPosition(values, 1)) << 16;
            if (seq < pickups.size())
                pickups[seq] = Clock::now();
        }
    }
};

void runFor(double seconds)
{
    QTimer::singleShot(int(seconds * 1000), qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}

double throughput(double seconds)
{
    auto &unit = kestsim::unit();
    unit.setStreaming(true, 0); // a report is always waiting
    kest::deviceOpen();
    Sink sink;
    KestEvent reader;
    QObject::connect(&reader, &KestEvent::eventTrigger, &sink, &Sink::onEvent);
    QElapsedTimer t;
    t.start();
    reader.start();
    runFor(seconds);
    const double elapsed = t.elapsed() / 1000.0;
    const std::size_t delivered = sink.count;
    reader.requestInterruption();
    reader.wait();
    unit.setStreaming(false, 250);
    return double(delivered) / elapsed;
}

double recorded(double seconds, double &batchesPerSecond)
{
    auto &unit = kestsim::unit();
    unit.setStreaming(true, 0);
    kest::deviceOpen();
    QFile sink(QStringLiteral("/dev/null"));
    sink.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    kest::ReportRecorder recorder(sink, kest::ReportRecorder::Format::Csv);
    recorder.begin();
    std::size_t batches = 0;
    QObject context; // takes the batches still queued with it when it goes
    KestEvent reader;
    reader.setStamping(true);
    QObject::connect(&reader, &KestEvent::reportsStamped, &context,
                     [&](const kest::StampedReports &reports) {
                         ++batches;
                         recorder.write(reports);
                     });
    QElapsedTimer t;
    t.start();
    reader.start();
    runFor(seconds);
    const double elapsed = t.elapsed() / 1000.0;
    const qint64 rows = recorder.rows();
    reader.requestInterruption();
    reader.wait();
    unit.setStreaming(false, 250);
    batchesPerSecond = double(batches) / elapsed;
    return double(rows) / elapsed;
}

void latency(double seconds, double &p50, double &p99, std::size_t &n)
{
    auto &unit = kestsim::unit();
    kest::deviceOpen();
    const std::size_t total = std::size_t(seconds * 1000);
    Sink sink;
    sink.arrivals.resize(total);
    sink.pickups.resize(total);
    KestEvent reader;
    QObject::connect(&reader, &KestEvent::eventTrigger, &sink, &Sink::onEvent);
    reader.start();

    std::thread producer([&] {
        const auto start = Clock::now();
        for (std::size_t seq = 0; seq < total; ++seq) {
            std::this_thread::sleep_until(start + std::chrono::microseconds(1000 * seq));
            kestsim::Bytes r(17, 0);
            r[0] = 0x01;
            r[1] = std::uint8_t(seq);
            r[2] = std::uint8_t(seq >> 8);
            r[3] = std::uint8_t(seq >> 16);
            r[4] = std::uint8_t(seq >> 24);
            sink.arrivals[seq] = Clock::now();
            unit.queueInput(r);
        }
    });
    runFor(seconds + 0.5);
    producer.join();
    QCoreApplication::processEvents();
    reader.requestInterruption();
    reader.wait();

    std::vector<double> ms;
    for (std::size_t i = 0; i < total; ++i)
        if (sink.pickups[i] != Clock::time_point())
            ms.push_back(
                std::chrono::duration<double, std::milli>(sink.pickups[i] - sink.arrivals[i])
                    .count());
    std::sort(ms.begin(), ms.end());
    n = ms.size();
    p50 = ms.empty() ? 0 : ms[ms.size() / 2];
    p99 = ms.empty() ? 0 : ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const double seconds = argc > 1 ? std::max(0.5, std::atof(argv[1])) : 3.0;
    kest::deviceInit();

    const double rate = throughput(seconds);
    std::printf("throughput: %.0f reports/s reach the GUI thread (unit always ready, %.1f s)\n",
                rate, seconds);

    double batches = 0;
    const double rows = recorded(seconds, batches);
    std::printf("recording: %.0f reports/s written as CSV lines, in %.0f batches/s (unit always "
                "ready, %.1f s)\n",
                rows, batches, seconds);

    double p50 = 0, p99 = 0;
    std::size_t n = 0;
    latency(seconds, p50, p99, n);
    std::printf("latency at 1 kHz: p50 %.2f ms, p99 %.2f ms (%zu of %zu reports picked up)\n", p50,
                p99, n, std::size_t(seconds * 1000));
    kest::deviceClose();
    return 0;
}
