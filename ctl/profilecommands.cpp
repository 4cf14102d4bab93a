// profile list | apply | save | remove | export | import, on the unit model's profile
// table: the PROFILES page's operations without its lists.

#include "cli.h"
#include "profileini.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>

namespace kestctl {

namespace {

const char kUsage[] = QT_TRANSLATE_NOOP(
    "kestctl",
    "usage: kestctl profile list | apply NAME [--pedal P] [--for-now] | save PEDAL NAME "
    "--curve C1,C2,C3,C4,C5 | remove NAME [--pedal P] | export FILE [--yes] | "
    "import FILE");

/// The five curve points of --curve, each 0 to 100; empty when it is not that.
QByteArray parseCurve(const QString &text)
{
    QByteArray curve;
    for (const QString &part : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int v = part.trimmed().toInt(&ok);
        if (!ok || v < 0 || v > 100)
            return {};
        curve.append(char(v));
    }
    return curve.size() == kest::CURVE_POINT_COUNT ? curve : QByteArray();
}

QString curveText(const kest::SlotRecord &record)
{
    QStringList points;
    for (std::uint8_t c : record.curve)
        points << QString::number(c);
    return points.join(QLatin1Char(','));
}

/// Every profile in slot order, with whether it is its pedal's choice.
template<typename Each> void forEachProfile(const kest::KestUnit &unit, Each each)
{
    for (int slot = 0; slot < kest::PROFILE_SLOT_COUNT; ++slot) {
        const kest::UnitProfile *profile = unit.profileOfSlot(slot);
        if (!profile)
            continue;
        const int pedal = profile->record.pedal();
        const int chosen = unit.currentProfile(pedal);
        each(*profile, pedal, chosen >= 0 && unit.profiles(pedal)[chosen].slot() == slot);
    }
}

struct Found
{
    int pedal = -1;
    QString name;
};

/// The pedal of the one profile called `name` (of --pedal, if given), or the command's
/// end in `exitCode`.
Found findOne(const Output &out, const kest::KestUnit &unit, const QString &name, int pedal,
              int &exitCode)
{
    QList<int> pedals;
    for (int p = 0; p < kest::PEDAL_COUNT; ++p)
        if ((pedal < 0 || p == pedal) && unit.profileIndexOfName(p, name) >= 0)
            pedals << p;
    if (pedals.size() == 1)
        return {pedals.first(), name};
    exitCode = out.fail(
        ExitRefused,
        !pedals.isEmpty()
            ? tr("more than one pedal has a profile called \"%1\": name one with --pedal").arg(name)
            : pedal < 0 ? tr("no profile called \"%1\" (kestctl profile list)").arg(name)
                        : tr("no profile called \"%1\" for the %2 (kestctl profile list)")
                              .arg(name, pedalName(pedal)));
    return {};
}

/// The choice in effect, as a line: each pedal's name and its profile.
QString choiceText(const kest::KestUnit &unit)
{
    QStringList parts;
    for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
        const int i = unit.currentProfile(p);
        parts << QStringLiteral("%1 %2").arg(
            pedalName(p),
            i < 0 ? tr("(none)") : QLatin1Char('"') + unit.profiles(p)[i].name + QLatin1Char('"'));
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace

QJsonArray profileTable(const kest::KestUnit &unit)
{
    QJsonArray table;
    forEachProfile(unit, [&](const kest::UnitProfile &profile, int pedal, bool active) {
        QJsonArray curve;
        for (std::uint8_t c : profile.record.curve)
            curve.append(int(c));
        table.append(QJsonObject {{QStringLiteral("slot"), profile.slot()},
                                  {QStringLiteral("pedal"), pedalKey(pedal)},
                                  {QStringLiteral("name"), profile.name},
                                  {QStringLiteral("curve"), curve},
                                  {QStringLiteral("active"), active}});
    });
    return table;
}

QJsonObject activeProfiles(const kest::KestUnit &unit)
{
    QJsonObject active;
    for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
        const int i = unit.currentProfile(p);
        active.insert(
            pedalKey(p),
            i < 0 ? QJsonValue()
                  : QJsonValue(QJsonObject {{QStringLiteral("slot"), unit.profiles(p)[i].slot()},
                                            {QStringLiteral("name"), unit.profiles(p)[i].name}}));
    }
    return active;
}

void printProfileTable(const Output &out, const kest::KestUnit &unit, const QString &indent)
{
    bool any = false;
    forEachProfile(unit, [&](const kest::UnitProfile &profile, int pedal, bool active) {
        any = true;
        out.line(indent
                 + QStringLiteral("%1 %2 %3 %4 %5")
                       .arg(active ? QLatin1Char('*') : QLatin1Char(' '))
                       .arg(profile.slot(), 2)
                       .arg(pedalColumn(pedal))
                       .arg(profile.name.leftJustified(17))
                       .arg(curveText(profile.record)));
    });
    if (!any)
        out.line(indent + tr("(none)"));
}

int runProfile(const Invocation &in)
{
    const Output out(in.json);
    const QString what = in.words.value(1);
    const int n = int(in.words.size());
    const bool known = (what == QLatin1String("list") && n == 2)
        || ((what == QLatin1String("apply") || what == QLatin1String("remove")) && n == 3)
        || (what == QLatin1String("save") && n == 4)
        || ((what == QLatin1String("export") || what == QLatin1String("import")) && n == 3);
    if (!known)
        return out.fail(ExitRefused, tr(kUsage));

    // Everything the command line says is checked before the unit is opened.
    int pedal = -1;
    if (!in.pedal.isEmpty() || what == QLatin1String("save")) {
        const QString name = what == QLatin1String("save") ? in.words.at(2) : in.pedal;
        pedal = pedalIndex(name);
        if (pedal < 0)
            return out.fail(ExitRefused,
                            tr("unknown pedal '%1': clutch, brake or throttle").arg(name));
    }
    QByteArray curve;
    if (what == QLatin1String("save")) {
        curve = parseCurve(in.curve);
        if (curve.isEmpty())
            return out.fail(ExitRefused,
                            tr("save needs --curve with five points from 0 to 100, "
                               "as 17,33,50,67,83"));
        const QString refusal = kest::KestUnit::profileNameRefusal(in.words.at(3));
        if (!refusal.isEmpty())
            return out.fail(ExitRefused, refusal);
    }
    if (what == QLatin1String("export")) {
        // A file of the user's is replaced only when asked to.
        const QString target = kest::profileExportName(in.words.at(2));
        if (QFileInfo::exists(target) && !in.yes)
            return out.fail(ExitRefused, tr("%1 exists: add --yes to replace it").arg(target));
    }
    if (what == QLatin1String("import")) {
        // The whole file is checked before the unit is opened (and again by the import,
        // which reads it once more).
        const QString path = in.words.at(2);
        kest::ProfileTable table;
        QString problem;
        if (!kest::isProfileFileName(path))
            return out.fail(ExitRefused, tr("%1 is not a profile file (*.ini)").arg(path));
        if (!kest::readProfileFile(path, table, &problem))
            return out.fail(ExitRefused,
                            QCoreApplication::translate("kest::KestUnit", "INI file is not valid.")
                                + QLatin1Char(' ') + problem);
    }

    if (const auto ended = attachOrFail(out))
        return *ended;
    kest::KestUnit unit;
    if (!unit.readProfiles())
        return out.fail(ExitFailed,
                        tr("The profile lists could not be read from the pedal unit. It "
                           "keeps the profiles it had."));

    if (what == QLatin1String("list")) {
        printProfileTable(out, unit, QString());
        return out.done({{QStringLiteral("profiles"), profileTable(unit)}});
    }
    if (what == QLatin1String("apply")) {
        int code = ExitDone;
        const Found found = findOne(out, unit, in.words.at(2), pedal, code);
        if (found.pedal < 0)
            return code;
        if (in.forNow) {
            // In effect until the unit restarts, or another choice: the unit keeps what it
            // kept. The choice before is what a script needs to put it back.
            const QString before = choiceText(unit);
            out.keep(QStringLiteral("before"), activeProfiles(unit));
            kest::ProfileNames names;
            names[std::size_t(found.pedal)] = found.name;
            const kest::Outcome applied = unit.applyForNow(names);
            if (applied.done())
                out.line(tr("Before: %1").arg(before));
            return outcomeExit(out, applied,
                               tr("%1: \"%2\" is in effect for now; the unit keeps its stored "
                                  "choice.")
                                   .arg(pedalName(found.pedal), found.name));
        }
        // The window's choice in the pedal's list, then the store its close makes.
        kest::Outcome applied
            = unit.chooseProfile(found.pedal, unit.profileIndexOfName(found.pedal, found.name));
        if (applied.done())
            applied = unit.storeActiveProfiles();
        return outcomeExit(
            out, applied,
            tr("%1: \"%2\" is the active profile.").arg(pedalName(found.pedal), found.name));
    }
    if (what == QLatin1String("remove")) {
        int code = ExitDone;
        const Found found = findOne(out, unit, in.words.at(2), pedal, code);
        if (found.pedal < 0)
            return code;
        if (const auto ended = backUpOrFail(out, unit))
            return *ended;
        return outcomeExit(out, unit.removeProfile(found.pedal, found.name),
                           tr("%1: \"%2\" was removed.").arg(pedalName(found.pedal), found.name));
    }
    if (what == QLatin1String("save")) {
        const QString name = in.words.at(3);
        return outcomeExit(
            out, unit.saveProfile(pedal, name, curve),
            tr("%1: \"%2\" is saved and is the active profile.").arg(pedalName(pedal), name));
    }
    if (what == QLatin1String("export")) {
        const QString target = kest::profileExportName(in.words.at(2));
        const kest::Outcome exported = unit.exportProfiles(in.words.at(2));
        // Done with a note: some slots were left out, and the note says which.
        if (exported.done() && !exported.message.isEmpty())
            Output::message(exported.message);
        return outcomeExit(out, exported.done() ? kest::Outcome::ok() : exported,
                           tr("Profiles written to %1.").arg(target));
    }
    if (const auto ended = backUpOrFail(out, unit, nullptr, in.words.at(2)))
        return *ended;
    return outcomeExit(out, unit.importProfiles(in.words.at(2)),
                       tr("Profiles imported from %1.").arg(in.words.at(2)));
}

} // namespace kestctl
