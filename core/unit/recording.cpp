#include "recording.h"

#include "pedalrange.h"

#include <QFileDevice>

namespace kest {

QString pedalKey(int pedal)
{
    static const char *const keys[] = {"clutch", "brake", "throttle"};
    return pedal >= 0 && pedal < PEDAL_COUNT ? QLatin1String(keys[pedal]) : QString();
}

ReportRecorder::ReportRecorder(QIODevice &out, Format format) : out(out), format(format) { }

bool ReportRecorder::begin()
{
    if (format != Format::Csv)
        return true;
    QByteArray header("time_us");
    for (int p = 0; p < PEDAL_COUNT; ++p) {
        const QByteArray key = pedalKey(p).toLatin1();
        header += ',' + key + "_raw," + key + "_percent";
    }
    return put(header + '\n');
}

bool ReportRecorder::write(const StampedReports &reports)
{
    if (broken)
        return false;
    // Integers only: no quoting, no locale.
    QByteArray lines;
    lines.reserve(reports.size() * 96);
    for (const StampedReport &r : reports) {
        if (format == Format::Csv) {
            lines += QByteArray::number(r.stampUs);
            for (int p = 0; p < PEDAL_COUNT; ++p) {
                const std::uint16_t v = r.positions[std::size_t(p)];
                lines += ',' + QByteArray::number(v) + ',' + QByteArray::number(percentOfScale(v));
            }
        } else {
            lines += "{\"time_us\":" + QByteArray::number(r.stampUs);
            for (int p = 0; p < PEDAL_COUNT; ++p) {
                const QByteArray key = pedalKey(p).toLatin1();
                const std::uint16_t v = r.positions[std::size_t(p)];
                lines += ",\"" + key + "_raw\":" + QByteArray::number(v) + ",\"" + key
                    + "_percent\":" + QByteArray::number(percentOfScale(v));
            }
            lines += '}';
        }
        lines += '\n';
    }
    if (!put(lines))
        return false;
    if (!reports.isEmpty()) {
        if (count == 0)
            firstUs = reports.constFirst().stampUs;
        lastUs = reports.constLast().stampUs;
        count += reports.size();
    }
    return true;
}

bool ReportRecorder::put(const QByteArray &lines)
{
    if (broken)
        return false;
    // Each batch reaches the system at once: what was recorded stays when the program is
    // ended.
    auto *file = qobject_cast<QFileDevice *>(&out);
    qint64 taken = 0; // a write stopped short is tried on until the device says why
    while (taken < lines.size()) {
        const qint64 n = out.write(lines.constData() + taken, lines.size() - taken);
        if (n <= 0)
            break;
        taken += n;
    }
    if (taken == lines.size() && (!file || file->flush())) {
        whole += lines.size();
        return true;
    }
    broken = true;
    problem = out.errorString(); // before the cut, which clears it
    // A half line would read as a report that never came. Only a file of our own is cut:
    // on standard output the offset may be another program's.
    if (file && !file->fileName().isEmpty())
        file->resize(whole);
    return false;
}

double ReportRecorder::seconds() const
{
    return (lastUs - firstUs) / 1e6;
}

double ReportRecorder::rate() const
{
    return count >= 2 && lastUs > firstUs ? (count - 1) / seconds() : 0.0;
}

} // namespace kest
