// profile list | apply | save | remove | export | import.

#include "cli.h"
#include "profileini.h"
#include "unitprofiles.h"

#include <QFileInfo>
#include <QJsonArray>

namespace kestctl {

namespace {

const char kUsage[] = "usage: kestctl profile list | apply NAME [--pedal P] | save PEDAL NAME "
                      "--curve C1,C2,C3,C4,C5 | remove NAME [--pedal P] | export FILE [--yes] | "
                      "import FILE";

/// The five curve points of --curve, each 0 to 100; empty with `why` set when wrong.
QByteArray parseCurve(const QString &text, QString &why)
{
    const QStringList parts = text.split(QLatin1Char(','));
    QByteArray curve;
    for (const QString &part : parts) {
        bool ok = false;
        const int v = part.trimmed().toInt(&ok);
        if (!ok || v < 0 || v > 100) {
            why = QStringLiteral("--curve takes five points from 0 to 100, as 17,33,50,67,83");
            return {};
        }
        curve.append(char(v));
    }
    if (curve.size() != kest::CURVE_POINT_COUNT) {
        why = QStringLiteral("--curve takes five points from 0 to 100, as 17,33,50,67,83");
        return {};
    }
    return curve;
}

QJsonObject profileObject(const ProfileSlot &s, bool active)
{
    QJsonArray curve;
    for (char c : s.curve())
        curve.append(int(std::uint8_t(c)));
    return {{QStringLiteral("slot"), s.slot},
            {QStringLiteral("pedal"), pedalKey(s.pedal())},
            {QStringLiteral("name"), s.name},
            {QStringLiteral("curve"), curve},
            {QStringLiteral("active"), active}};
}

/// The one profile called `name` (of --pedal, if given), or the command's end.
const ProfileSlot *findOne(const Output &out, const UnitProfiles &profiles, const QString &name,
                           int pedal, int &exitCode)
{
    const QList<const ProfileSlot *> found = profiles.named(name, pedal);
    if (found.size() == 1)
        return found.first();
    exitCode = out.fail(
        ExitRefused,
        found.isEmpty()
            ? QStringLiteral("no profile called \"%1\"%2 (kestctl profile list)")
                  .arg(name,
                       pedal < 0 ? QString() : QStringLiteral(" for the %1").arg(pedalName(pedal)))
            : QStringLiteral("more than one pedal has a profile called \"%1\": "
                             "name one with --pedal")
                  .arg(name));
    return nullptr;
}

} // namespace

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
        return out.fail(ExitRefused, QLatin1String(kUsage));

    // Everything the command line says is checked before the unit is opened.
    int pedal = -1;
    if (!in.pedal.isEmpty() || what == QLatin1String("save")) {
        const QString name = what == QLatin1String("save") ? in.words.at(2) : in.pedal;
        pedal = pedalIndex(name);
        if (pedal < 0)
            return out.fail(
                ExitRefused,
                QStringLiteral("unknown pedal '%1': clutch, brake or throttle").arg(name));
    }
    QByteArray curve;
    if (what == QLatin1String("save")) {
        QString why;
        if (in.curve.isEmpty())
            return out.fail(ExitRefused, QStringLiteral("save needs --curve C1,C2,C3,C4,C5"));
        curve = parseCurve(in.curve, why);
        if (curve.isEmpty())
            return out.fail(ExitRefused, why);
        const QString problem = UnitProfiles::nameProblem(in.words.at(3));
        if (!problem.isEmpty())
            return out.fail(ExitRefused, problem);
    }
    if (what == QLatin1String("export")) {
        // A file of the user's is replaced only when asked to.
        const QString target = kest::profileExportName(in.words.at(2));
        if (QFileInfo::exists(target) && !in.yes)
            return out.fail(ExitRefused,
                            QStringLiteral("%1 exists: add --yes to replace it").arg(target));
    }
    if (what == QLatin1String("import")) {
        // The whole file is checked before the unit is opened; the import reads it again,
        // and checks it again, as the window does.
        const QString path = in.words.at(2);
        kest::ProfileTable table;
        QString problem;
        if (!kest::isProfileFileName(path))
            return out.fail(ExitRefused,
                            QStringLiteral("%1 is not a profile file (*.ini)").arg(path));
        if (!kest::readProfileFile(path, table, &problem))
            return out.fail(ExitRefused, QStringLiteral("INI file is not valid. ") + problem);
    }

    if (const auto ended = attachOrFail(out))
        return *ended;
    UnitProfiles profiles;
    if (!profiles.read())
        return out.fail(ExitFailed,
                        QStringLiteral("The profile lists could not be read from the "
                                       "pedal unit. It keeps the profiles it had."));

    if (what == QLatin1String("list")) {
        QJsonArray list;
        for (const ProfileSlot &s : profiles.profiles()) {
            const ProfileSlot *chosen = profiles.active(s.pedal());
            const bool active = chosen && chosen->slot == s.slot;
            list.append(profileObject(s, active));
            QStringList points;
            for (char c : s.curve())
                points << QString::number(std::uint8_t(c));
            out.line(QStringLiteral("%1 %2 %3 %4 %5")
                         .arg(active ? QLatin1Char('*') : QLatin1Char(' '))
                         .arg(s.slot, 2)
                         .arg(pedalName(s.pedal()).leftJustified(9))
                         .arg(s.name.leftJustified(17))
                         .arg(points.join(QLatin1Char(','))));
        }
        return out.done({{QStringLiteral("profiles"), list},
                         {QStringLiteral("activeStored"), profiles.choiceStored()}});
    }
    if (what == QLatin1String("apply")) {
        int code = ExitDone;
        const ProfileSlot *s = findOne(out, profiles, in.words.at(2), pedal, code);
        if (!s)
            return code;
        const ProfileSlot chosen = *s;
        return outcomeExit(out, profiles.apply(chosen),
                           QStringLiteral("%1: \"%2\" is the active profile.")
                               .arg(pedalName(chosen.pedal()), chosen.name));
    }
    if (what == QLatin1String("remove")) {
        int code = ExitDone;
        const ProfileSlot *s = findOne(out, profiles, in.words.at(2), pedal, code);
        if (!s)
            return code;
        const ProfileSlot doomed = *s;
        return outcomeExit(
            out, profiles.remove(doomed),
            QStringLiteral("%1: \"%2\" was removed.").arg(pedalName(doomed.pedal()), doomed.name));
    }
    if (what == QLatin1String("save")) {
        const QString name = in.words.at(3);
        return outcomeExit(out, profiles.save(pedal, name, curve),
                           QStringLiteral("%1: \"%2\" is saved and is the active profile.")
                               .arg(pedalName(pedal), name));
    }
    if (what == QLatin1String("export")) {
        QString written;
        const kest::Outcome exported = profiles.exportTo(in.words.at(2), &written);
        return outcomeExit(out, exported, QStringLiteral("Profiles written to %1.").arg(written));
    }
    return outcomeExit(out, profiles.importFrom(in.words.at(2)),
                       QStringLiteral("Profiles imported from %1.").arg(in.words.at(2)));
}

} // namespace kestctl
