#pragma once

// Shared helpers for tests that run against the in-process simulated unit.

#include "kestdevice.h"
#include "kestreport.h"
#include "simhid.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <vector>

namespace testsupport {

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
    return kest::hexText(b.data(), b.size());
}

inline QString hexOf(const kest::Report &r)
{
    return kest::hexText(r.data(), r.size());
}

/// The hex text of every report of one kind on the wire, in order.
inline QStringList wire(const char *kind)
{
    QStringList out;
    for (const auto &b : kestsim::unit().wireReports(kind))
        out << hexOf(b);
    return out;
}

/// Closes any handle, plugs a factory-new unit in and empties its wire log.
inline void freshUnit(const kestsim::UnitState &state = kestsim::UnitState())
{
    kest::deviceClose();
    auto &u = kestsim::unit();
    u.setStreaming(false, 250);
    u.failNextSends(0);
    u.failNextReplies(0);
    u.unplugBeforeExchange(0);
    u.setReplyMode(kestsim::ReplyMode::Normal);
    u.setOpenDenied(false);
    u.setExchangeDelay(std::chrono::microseconds(0));
    u.plug();
    u.setState(state);
    u.clearWireLog();
}

} // namespace testsupport
