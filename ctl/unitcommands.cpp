// info, deadzone, clutch and clear-flash: one attach, the reads the answer needs, and the
// window's own operation for a change.

#include "cli.h"
#include "kestdevice.h"
#include "pedalmath.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <cstdio>

namespace kestctl {

namespace {

int percentOfTravel(std::uint16_t raw)
{
    return int(raw * 100.0 / kest::RAW_MAX + 0.5);
}

/// A read the answer needs went unanswered: the unit was left as it was.
int readFailed(const Output &out)
{
    return out.fail(ExitFailed, tr("The pedal unit was found but did not answer every read."));
}

QJsonObject deadzoneObject(const kest::Report &table, int p)
{
    const std::uint16_t low = kest::rangeValue(table, 2 * p);
    const std::uint16_t high = kest::rangeValue(table, 2 * p + 1);
    return {{QStringLiteral("low"), low},
            {QStringLiteral("high"), high},
            {QStringLiteral("lowPercent"), kest::lowPercentFromRaw(low)},
            {QStringLiteral("highPercent"), kest::highPercentFromRaw(high)}};
}

QString deadzoneText(const kest::Report &table, int p)
{
    const std::uint16_t low = kest::rangeValue(table, 2 * p);
    const std::uint16_t high = kest::rangeValue(table, 2 * p + 1);
    return tr("%1 low %2 % (%3)  high %4 % (%5)")
        .arg(pedalColumn(p))
        .arg(kest::lowPercentFromRaw(low), 2)
        .arg(low, 5)
        .arg(kest::highPercentFromRaw(high), 2)
        .arg(high, 5);
}

} // namespace

int runInfo(const Invocation &in)
{
    const Output out(in.json);
    if (in.words.size() != 1)
        return out.fail(ExitRefused, tr("info takes no arguments"));
    if (const auto ended = attachOrFail(out))
        return *ended;
    kest::KestUnit unit;
    kest::Report calibration {};
    if (!unit.readVersion() || !unit.readClutchMode()
        || !kest::deviceQuery(kest::CMD_PEDAL_RANGE, kest::RANGE_CALIBRATION, calibration)
        || !unit.readDeadzones() || !unit.readProfiles())
        return readFailed(out);
    const kest::Report &deadzones = unit.deadzones();

    QJsonArray pedals;
    for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
        const std::uint16_t low = kest::rangeValue(calibration, 2 * p);
        const std::uint16_t high = kest::rangeValue(calibration, 2 * p + 1);
        pedals.append(QJsonObject {
            {QStringLiteral("pedal"), pedalKey(p)},
            {QStringLiteral("calibration"),
             QJsonObject {{QStringLiteral("low"), low},
                          {QStringLiteral("high"), high},
                          {QStringLiteral("lowPercent"), percentOfTravel(low)},
                          {QStringLiteral("highPercent"), percentOfTravel(high)}}},
            {QStringLiteral("deadzone"), deadzoneObject(deadzones, p)},
        });
    }
    if (out.isJson())
        return out.done({{QStringLiteral("firmware"), unit.firmwareVersion()},
                         {QStringLiteral("clutch"), unit.clutchEnabled()},
                         {QStringLiteral("pedals"), pedals},
                         {QStringLiteral("profiles"), profileTable(unit)},
                         {QStringLiteral("active"), activeProfiles(unit)}});

    out.line(tr("Firmware version: %1").arg(unit.firmwareVersion()));
    out.line(tr("Clutch pedal:     %1").arg(unit.clutchEnabled() ? tr("on") : tr("off")));
    out.line(QString());
    out.line(tr("Calibration (raw, % of travel)"));
    for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
        const std::uint16_t low = kest::rangeValue(calibration, 2 * p);
        const std::uint16_t high = kest::rangeValue(calibration, 2 * p + 1);
        out.line(QStringLiteral("  ")
                 + tr("%1 %2 (%3 %) to %4 (%5 %)")
                       .arg(pedalColumn(p))
                       .arg(low, 5)
                       .arg(percentOfTravel(low), 3)
                       .arg(high, 5)
                       .arg(percentOfTravel(high), 3));
    }
    out.line(tr("Deadzones (% as the handles show them, raw)"));
    for (int p = 0; p < kest::PEDAL_COUNT; ++p)
        out.line(QStringLiteral("  ") + deadzoneText(deadzones, p));
    out.line(QString());
    out.line(tr("Profiles (* active)"));
    printProfileTable(out, unit, QStringLiteral("  "));
    out.line(tr("Active profiles"));
    for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
        const int i = unit.currentProfile(p);
        const kest::UnitProfile *s = i >= 0 ? &unit.profiles(p)[i] : nullptr;
        out.line(
            QStringLiteral("  %1 %2")
                .arg(pedalColumn(p))
                .arg(s ? tr("%1 (slot %2)").arg(s->name).arg(s->slot()) : QStringLiteral("-")));
    }
    return ExitDone;
}

int runDeadzone(const Invocation &in)
{
    const Output out(in.json);
    const int n = int(in.words.size());
    if (n != 1 && n != 2 && n != 4)
        return out.fail(ExitRefused, tr("usage: kestctl deadzone [PEDAL [LOW HIGH]]"));
    const int pedal = n > 1 ? pedalIndex(in.words.at(1)) : -1;
    if (n > 1 && pedal < 0)
        return out.fail(ExitRefused,
                        tr("unknown pedal '%1': clutch, brake or throttle").arg(in.words.at(1)));
    // The handles' travel: 0 to 21 % from each end.
    constexpr int kMaxPercent = 21;
    int wanted[2] = {0, 0};
    for (int k = 0; n == 4 && k < 2; ++k) {
        bool ok = false;
        wanted[k] = in.words.at(2 + k).toInt(&ok);
        if (!ok || wanted[k] < 0 || wanted[k] > kMaxPercent)
            return out.fail(ExitRefused,
                            tr("%1 must be a whole percent from 0 to %2, not '%3'")
                                .arg(k == 0 ? QStringLiteral("LOW") : QStringLiteral("HIGH"))
                                .arg(kMaxPercent)
                                .arg(in.words.at(2 + k)));
    }
    if (const auto ended = attachOrFail(out))
        return *ended;
    kest::KestUnit unit;
    if (!unit.readClutchMode() || !unit.readDeadzones())
        return readFailed(out);
    const int first = unit.clutchEnabled() ? 0 : 1;

    if (n == 4) {
        if (pedal < first)
            return out.fail(ExitRefused,
                            tr("the clutch pedal is switched off: it has no "
                               "deadzones to set (kestctl clutch on)"));
        // The handles as the window places them from the table it read, with this pedal's
        // two moved: the window's release sends every handle's percent.
        kest::RangeValues values {0, kest::RAW_MAX};
        const kest::Report &table = unit.deadzones();
        for (int p = first; p < kest::PEDAL_COUNT; ++p) {
            const int low
                = p == pedal ? wanted[0] : kest::lowPercentFromRaw(kest::rangeValue(table, 2 * p));
            const int high = p == pedal
                ? wanted[1]
                : kest::highPercentFromRaw(kest::rangeValue(table, 2 * p + 1));
            values[std::size_t(2 * p)] = kest::rawFromLowPercent(low);
            values[std::size_t(2 * p + 1)] = kest::rawFromHighPercent(high);
        }
        const kest::Outcome written = unit.writeDeadzones(values);
        if (!written.done())
            return outcomeExit(out, written, QString());
    }

    QJsonArray pedals;
    for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
        if (pedal >= 0 && p != pedal)
            continue;
        QJsonObject o = deadzoneObject(unit.deadzones(), p);
        o.insert(QStringLiteral("pedal"), pedalKey(p));
        pedals.append(o);
        out.line(deadzoneText(unit.deadzones(), p)
                 + (p < first ? QStringLiteral("  ") + tr("(clutch off)") : QString()));
    }
    return out.done({{QStringLiteral("deadzones"), pedals}, {QStringLiteral("saved"), n == 4}});
}

int runClutch(const Invocation &in)
{
    const Output out(in.json);
    const QString word = in.words.value(1).toLower();
    if (in.words.size() > 2
        || (in.words.size() == 2 && word != QLatin1String("on") && word != QLatin1String("off")))
        return out.fail(ExitRefused, tr("usage: kestctl clutch [on|off]"));
    if (const auto ended = attachOrFail(out))
        return *ended;
    kest::KestUnit unit;
    if (in.words.size() == 2) {
        const kest::Outcome switched = unit.setClutch(word == QLatin1String("on"));
        if (!switched.done())
            return outcomeExit(out, switched, QString());
    } else if (!unit.readClutchMode()) {
        return readFailed(out);
    }
    out.line(tr("Clutch pedal: %1").arg(unit.clutchEnabled() ? tr("on") : tr("off")));
    return out.done({{QStringLiteral("clutch"), unit.clutchEnabled()}});
}

int runClearFlash(const Invocation &in)
{
    const Output out(in.json);
    if (in.words.size() != 1)
        return out.fail(ExitRefused, tr("clear-flash takes no arguments"));
    if (const auto ended = confirmOrEnd(
            in, out,
            tr("This operation will delete all the settings stored in the device flash memory. "
               "Continue?"),
            tr("clear-flash deletes every setting the unit keeps: confirm with --yes when not "
               "asked on a terminal"),
            tr("Nothing was cleared.")))
        return *ended;
    if (const auto ended = attachOrFail(out))
        return *ended;
    kest::KestUnit unit;
    if (const auto ended = backUpOrFail(out, unit))
        return *ended;
    const kest::Outcome erased = unit.clearFlash();
    if (!erased.done())
        return outcomeExit(out, erased, QString());
    const QString cleared
        = QCoreApplication::translate("DevicePage", "Flash data has been cleared.");
    out.line(cleared);
    return out.done({{QStringLiteral("message"), cleared}});
}

} // namespace kestctl
