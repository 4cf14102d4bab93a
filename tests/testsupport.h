#pragma once

// Shared helpers for tests that run against the in-process simulated unit.

#include "kestdevice.h"
#include "kestreport.h"
#include "simhid.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <vector>

namespace testsupport {

/// The program's diagnostic lines are off unless asked for; the tests ask for them, as
/// some wait for one (QT_LOGGING_RULES in the environment still has the last word).
inline const bool g_diagnosticsShown = [] {
    QLoggingCategory::setFilterRules(QStringLiteral("kest.diagnostics.debug=true"));
    return true;
}();

/// Runs the event loop until `done` holds (asked after every millisecond and at once
/// when it already holds); false when it still does not after `timeoutMs`. Unlike
/// QTRY_*, which look every 50 ms, a wait ends as soon as the reply, the thread's
/// signal or the timer it waits for has come.
template<typename Predicate> bool waitFor(Predicate done, int timeoutMs = 5000)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer look;
    look.setInterval(1);
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (done())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    look.start();
    loop.exec();
    return done();
}

/// Handles the events and zero-time timers posted so far, and what they post in turn
/// before this call's own event comes: the later event that a check of something not
/// happening waits for.
inline void processPosted()
{
    bool reached = false;
    QObject context;
    QTimer::singleShot(0, &context, [&reached] { reached = true; });
    waitFor([&reached] { return reached; });
}

} // namespace testsupport

/// QTRY_VERIFY and QTRY_COMPARE on testsupport::waitFor: the same check once the
/// condition holds or five seconds have passed.
#define TRY_VERIFY(expr)                                                                           \
    do {                                                                                           \
        testsupport::waitFor([&] { return bool(expr); });                                          \
        QVERIFY(expr);                                                                             \
    } while (false)
#define TRY_COMPARE(actual, expected)                                                              \
    do {                                                                                           \
        testsupport::waitFor([&] { return (actual) == (expected); });                              \
        QCOMPARE(actual, expected);                                                                \
    } while (false)

namespace testsupport {

/// Hex text "02 0b 0c ..." of bytes, for comparisons and test messages.
inline QString hexText(const std::uint8_t *data, std::size_t length)
{
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(length)).toHex(' '));
}

/// All six values of a range table.
inline kest::RangeValues rangeValues(const kest::Report &report)
{
    kest::RangeValues v {};
    for (int k = 0; k < kest::RANGE_VALUE_COUNT; ++k)
        v[std::size_t(k)] = kest::rangeValue(report, k);
    return v;
}

/// Writes `content` to a new file at `path` and returns the path; a test that cannot
/// write its own input stops at once.
inline QString writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

/// "02 0b 09 00" → bytes; blanks are ignored.
inline kestsim::Bytes hex(const char *text)
{
    const QByteArray raw = QByteArray::fromHex(QByteArray(text).replace(' ', ""));
    return kestsim::Bytes(raw.begin(), raw.end());
}

/// A whole 20-byte report from its leading bytes, zero-filled.
inline kestsim::Bytes report(const char *leading)
{
    kestsim::Bytes b = hex(leading);
    b.resize(kest::REPORT_SIZE, 0);
    return b;
}

/// A whole report from its leading bytes given as hex text.
inline kest::Report toReport(const QString &leading)
{
    kest::Report r {};
    const kestsim::Bytes b = report(leading.toLatin1().constData());
    std::copy(b.begin(), b.end(), r.begin());
    return r;
}

inline QString hexOf(const kestsim::Bytes &b)
{
    return hexText(b.data(), b.size());
}

inline QString hexOf(const kest::Report &r)
{
    return hexText(r.data(), r.size());
}

/// The hex text of every report of one kind on the wire, in order.
inline QStringList wire(const char *kind)
{
    QStringList out;
    for (const auto &b : kestsim::wireLog().reports(kind))
        out << hexOf(b);
    return out;
}

/// The (code, index) of every read request the unit received, as "0c07" etc.
inline QStringList readRequests()
{
    QStringList out;
    for (const auto &b : kestsim::wireLog().reports("set"))
        if (b.size() > 3 && b[1] == kest::CMD_READ)
            out << QString::asprintf("%02x%02x", b[2], b[3]);
    return out;
}

/// Every write (not a read request) the unit received, as hex.
inline QStringList writes()
{
    QStringList out;
    for (const auto &b : kestsim::wireLog().reports("set"))
        if (b.size() > 1 && b[1] != kest::CMD_READ)
            out << hexOf(b);
    return out;
}

/// A used profile slot.
inline kestsim::Slot slot(int number, const char *name, int pedalCode, std::array<int, 5> curve)
{
    kestsim::Slot s;
    s.name.assign(name, name + std::strlen(name));
    s.record = {std::uint8_t(number), std::uint8_t(pedalCode)};
    for (std::size_t i = 0; i < 5; ++i)
        s.record[2 + i] = std::uint8_t(curve[i]);
    return s;
}

/// A unit in use: the clutch on, own calibration and deadzones, four profiles (CLUTCH in
/// slot 0, BRAKE in 1 and 3, THROTTLE in 2) and a stored choice of 0, 1 and 2.
inline kestsim::UnitState unitInUse()
{
    kestsim::UnitState s;
    s.kept.calibration = {100, 65000, 200, 64000, 300, 63000};
    s.kept.deadzone = {6554, 58982, 3277, 62258, 0, 65535};
    s.kept.slots[0] = slot(0, "Clutch A", 1, {17, 33, 50, 67, 83});
    s.kept.slots[1] = slot(1, "Brake A", 2, {10, 20, 40, 70, 90});
    s.kept.slots[2] = slot(2, "Gas A", 3, {17, 33, 50, 67, 83});
    s.kept.slots[3] = slot(3, "Brake B", 2, {30, 45, 55, 65, 80});
    s.kept.activeProfile = 0xEF020100;
    return s;
}

/// How often the unit was opened since the wire log was cleared.
inline int opens()
{
    int n = 0;
    for (const auto &e : kestsim::wireLog().entries())
        n += e.kind == "open";
    return n;
}

/// Closes any handle, plugs a factory-new unit in and empties its wire log.
inline void freshUnit(const kestsim::UnitState &state = kestsim::UnitState())
{
    kest::deviceClose();
    kestsim::faults().clear();
    auto &u = kestsim::unit();
    u.setStreaming(false, 250);
    u.setOpenDenied(false);
    u.setEchoing(true);
    u.plug();
    u.setState(state);
    kestsim::wireLog().clear();
}

} // namespace testsupport
