// The support trace (kest-setting --trace FILE): every exchange of the window with the
// unit, in the simulated unit's own trace format, and replayable against that unit.

#include "windowsupport.h"

#include <QTemporaryDir>
#include <QTextStream>

using namespace testsupport;

namespace {

struct Line
{
    QString kind;
    kestsim::Bytes bytes;
};

QList<Line> readTrace(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<Line> lines;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QStringList fields = in.readLine().split(QLatin1Char(' '));
        bool ok = false;
        fields.value(0).toDouble(&ok);
        if (fields.size() < 2 || !ok || fields[0].section(QLatin1Char('.'), 1).size() != 6)
            return {}; // not a trace line: the test fails on the count
        if (fields[1] == QLatin1String("#"))
            continue; // a remark of the program's: what it checks, not an exchange
        Line line {fields[1], {}};
        for (int i = 2; i < fields.size(); ++i)
            line.bytes.push_back(std::uint8_t(fields[i].toUInt(&ok, 16)));
        lines << line;
    }
    return lines;
}

} // namespace

class TestTrace : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void traceIsTheWireAndReplays();
    void unwritableTraceIsRefused();
};

void TestTrace::traceIsTheWireAndReplays()
{
    const kestsim::UnitState start = unitInUse();
    freshUnit(start);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("trace.txt"));
    QVERIFY(kest::deviceTrace(path));
    {
        auto w = openWindow();
        kestsim::unit().setPedals(1000, 2000, 3000); // an input report
        TRY_VERIFY(!kestsim::wireLog().reports("in").empty());
        // Writes: a profile chosen, stored at close.
        child<QComboBox>(w.get(), "cbPro1")->setCurrentIndex(1);
        QMetaObject::invokeMethod(w.get(), "onClose");
    }
    QVERIFY(kest::deviceTrace(QString()));

    // Line for line what the unit saw, in its order.
    const QList<Line> trace = readTrace(path);
    std::vector<kestsim::WireEntry> wire;
    for (const kestsim::WireEntry &e : kestsim::wireLog().entries())
        wire.push_back(e);
    QCOMPARE(qsizetype(trace.size()), qsizetype(wire.size()));
    int sets = 0;
    for (qsizetype i = 0; i < trace.size(); ++i) {
        QCOMPARE(trace[i].kind, QString::fromStdString(wire[std::size_t(i)].kind));
        QCOMPARE(hexOf(trace[i].bytes), hexOf(wire[std::size_t(i)].bytes));
        sets += trace[i].kind == QLatin1String("set");
    }
    QVERIFY(sets > 10);
    QCOMPARE(trace.first().kind, QStringLiteral("open"));
    QCOMPARE(trace.last().kind, QStringLiteral("close"));

    // Replayed against a unit in the same state: the same replies.
    kestsim::PedalUnit replay;
    replay.setState(start);
    int gets = 0;
    for (const Line &line : trace) {
        if (line.kind == QLatin1String("set")) {
            QCOMPARE(replay.setFeature(line.bytes.data(), line.bytes.size()),
                     int(line.bytes.size()));
        } else if (line.kind == QLatin1String("get")) {
            kestsim::Bytes reply(line.bytes.size());
            reply[0] = line.bytes[0];
            replay.getFeature(reply.data(), reply.size());
            QCOMPARE(hexOf(reply), hexOf(line.bytes));
            ++gets;
        }
    }
    QVERIFY(gets > 10);
    QCOMPARE(replay.state().kept.activeProfile, kestsim::unit().state().kept.activeProfile);
}

void TestTrace::unwritableTraceIsRefused()
{
    QString error;
    QVERIFY(!kest::deviceTrace(QStringLiteral("/nonexistent-dir/trace.txt"), &error));
    QVERIFY2(error.contains("/nonexistent-dir/trace.txt"), qPrintable(error));
    // Nothing is traced then, and the link works as before.
    freshUnit();
    QCOMPARE(kest::deviceOpen(), kest::DeviceOpenResult::Opened);
    kest::deviceClose();
}

QTEST_MAIN(TestTrace)
#include "tst_trace.moc"
