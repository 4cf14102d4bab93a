// info, deadzone, clutch and clear-flash: one attach, the reads the answer needs, and the
// window's own operation for a change.

#include "cli.h"
#include "pedalrange.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <cstdio>

namespace kestctl {

namespace {

/// A read the answer needs went unanswered: the unit was left as it was.
int readFailed(const Output &out)
{
    return out.fail(ExitFailed, tr("The pedal unit was found but did not answer every read."));
}

QJsonObject deadzoneObject(const kest::PedalRange &range)
{
    const kest::DeadzonePercent d = range.deadzone();
    return {{QStringLiteral("low"), range.low},
            {QStringLiteral("high"), range.high},
            {QStringLiteral("lowPercent"), d.low},
            {QStringLiteral("highPercent"), d.high}};
}

QString deadzoneText(const kest::PedalRange &range, int p)
{
    const kest::DeadzonePercent d = range.deadzone();
    return tr("%1 low %2 % (%3)  high %4 % (%5)")
        .arg(pedalColumn(p))
        .arg(d.low, 2)
        .arg(range.low, 5)
        .arg(d.high, 2)
        .arg(range.high, 5);
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
    if (!unit.readVersion() || !unit.readClutchMode() || !unit.readCalibration()
        || !unit.readDeadzones() || !unit.readProfiles())
        return readFailed(out);
    const kest::PedalRanges &calibration = unit.calibration();
    const kest::PedalRanges &deadzones = unit.deadzones();

    QJsonArray pedals;
    for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
        const kest::PedalRange &c = calibration[std::size_t(p)];
        pedals.append(QJsonObject {
            {QStringLiteral("pedal"), pedalKey(p)},
            {QStringLiteral("calibration"),
             QJsonObject {{QStringLiteral("low"), c.low},
                          {QStringLiteral("high"), c.high},
                          {QStringLiteral("lowPercent"), c.lowPercent()},
                          {QStringLiteral("highPercent"), c.highPercent()}}},
            {QStringLiteral("deadzone"), deadzoneObject(deadzones[std::size_t(p)])},
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
        const kest::PedalRange &c = calibration[std::size_t(p)];
        out.line(QStringLiteral("  ")
                 + tr("%1 %2 (%3 %) to %4 (%5 %)")
                       .arg(pedalColumn(p))
                       .arg(c.low, 5)
                       .arg(c.lowPercent(), 3)
                       .arg(c.high, 5)
                       .arg(c.highPercent(), 3));
    }
    out.line(tr("Deadzones (% as the handles show them, raw)"));
    for (int p = 0; p < kest::PEDAL_COUNT; ++p)
        out.line(QStringLiteral("  ") + deadzoneText(deadzones[std::size_t(p)], p));
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
    // The handles' travel, checked before the unit is opened.
    constexpr int kMaxPercent = kest::DEADZONE_MAX_PERCENT;
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
    if (n == 4) {
        // The window's release of this pedal's handle, the others where the table places
        // them.
        const kest::Outcome written = unit.setDeadzone(pedal, {wanted[0], wanted[1]});
        if (!written.done())
            return outcomeExit(out, written, QString());
    }

    QJsonArray pedals;
    for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
        if (pedal >= 0 && p != pedal)
            continue;
        QJsonObject o = deadzoneObject(unit.deadzones()[std::size_t(p)]);
        o.insert(QStringLiteral("pedal"), pedalKey(p));
        pedals.append(o);
        out.line(deadzoneText(unit.deadzones()[std::size_t(p)], p)
                 + (p == 0 && !unit.clutchEnabled() ? QStringLiteral("  ") + tr("(clutch off)")
                                                    : QString()));
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
    QString backup = kest::nextBackupPath();
    if (const auto ended = confirmOrEnd(
            in, out,
            kest::KestUnit::backupNote(backup) + QLatin1Char('\n')
                + tr("This operation will delete all the settings stored in the device flash "
                     "memory. Continue?"),
            tr("clear-flash deletes every setting the unit keeps: confirm with --yes when not "
               "asked on a terminal"),
            tr("Nothing was cleared.")))
        return *ended;
    if (const auto ended = attachOrFail(out))
        return *ended;
    kest::KestUnit unit;
    if (const auto ended = backUpOrFail(out, unit, &backup))
        return *ended;
    const kest::Outcome erased = unit.clearFlash();
    if (!erased.done())
        return outcomeExit(out, erased, QString());
    const QString cleared
        = QCoreApplication::translate("DevicePage", "Flash data has been cleared.")
        + QLatin1Char(' ') + kest::KestUnit::backupMadeNote(backup);
    out.line(cleared);
    return out.done({{QStringLiteral("message"), cleared}});
}

} // namespace kestctl
