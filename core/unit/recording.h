#pragma once

// Input reports kept as they come, to compare pedal traces afterwards: CSV with a header
// line, or one JSON object a line. Each line is one report: the time the reader got it
// (microseconds, monotonic clock) and each pedal's raw position and percent.

#include "kestevent.h"

#include <QIODevice>
#include <QString>

namespace kest {

/// "clutch", "brake", "throttle": a pedal in machine-readable output (JSON keys, columns).
QString pedalKey(int pedal);

class ReportRecorder
{
public:
    enum class Format { Csv, JsonLines };

    /// Writes to `out`, open for writing; it must outlive the recorder.
    ReportRecorder(QIODevice &out, Format format);

    /// The CSV header line (nothing for JSON lines). False when it could not be written.
    bool begin();
    /// One line per report, in order. False when the device did not take them all: a file
    /// opened by name is then cut back to its last whole line, and nothing more is written.
    bool write(const StampedReports &reports);

    bool failed() const { return broken; }
    /// The device's complaint about the failed write.
    QString errorString() const { return problem; }
    /// Reports written.
    qint64 rows() const { return count; }
    /// From the first report's stamp to the last one's.
    double seconds() const;
    /// Reports per second over seconds(); 0 with fewer than two reports.
    double rate() const;

private:
    bool put(const QByteArray &lines);

    QIODevice &out;
    const Format format;
    bool broken = false;
    QString problem;
    qint64 whole = 0; ///< bytes written, all of them whole lines
    qint64 count = 0;
    qint64 firstUs = 0;
    qint64 lastUs = 0;
};

} // namespace kest
