// The simulated unit's state file (JSON), shared by both simulator fronts.

#include "observers.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cstdio>
#include <cstdlib>

namespace kestsim {

namespace {

const char *motionName(Motion m)
{
    return m == Motion::Sweep ? "sweep" : "still";
}

bool readNumbers(const QJsonObject &o, const char *key, std::size_t count, long maxValue,
                 std::vector<long> &out, std::string &error)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isArray() || std::size_t(v.toArray().size()) != count) {
        error = std::string("\"") + key + "\" must be an array of " + std::to_string(count)
            + " numbers";
        return false;
    }
    out.clear();
    for (const QJsonValue &n : v.toArray()) {
        const double d = n.toDouble(-1);
        if (!n.isDouble() || d < 0 || d > double(maxValue) || d != double(long(d))) {
            error = std::string("\"") + key
                + "\" holds a value that is not a whole number from 0 to "
                + std::to_string(maxValue);
            return false;
        }
        out.push_back(long(d));
    }
    return true;
}

bool readWhole(const QJsonObject &o, const char *key, double maxValue, double &out,
               std::string &error)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined())
        return true;
    const double d = v.toDouble(-1);
    if (!v.isDouble() || d < 0 || d > maxValue || d != double(static_cast<long long>(d))) {
        error = std::string("\"") + key + "\" must be a whole number from 0 to "
            + std::to_string(static_cast<long long>(maxValue));
        return false;
    }
    out = d;
    return true;
}

bool parse(const QJsonObject &o, UnitState &s, std::string &error)
{
    static const QStringList known = {
        QStringLiteral("version"),     QStringLiteral("pedalMode"), QStringLiteral("activeProfile"),
        QStringLiteral("calibration"), QStringLiteral("deadzone"),  QStringLiteral("slots"),
        QStringLiteral("pedals"),      QStringLiteral("motion"),    QStringLiteral("rate")};
    for (const QString &k : o.keys()) {
        if (!known.contains(k)) {
            error = "unknown key \"" + k.toStdString() + "\"";
            return false;
        }
    }
    if (o.contains(QLatin1String("version"))) {
        if (!o.value(QLatin1String("version")).isString()) {
            error = "\"version\" must be a string";
            return false;
        }
        s.version = o.value(QLatin1String("version")).toString().toStdString();
        if (s.version.size() > 18) {
            error = "\"version\" is longer than the 18 bytes a reply carries";
            return false;
        }
    }
    double d = s.kept.pedalMode;
    if (!readWhole(o, "pedalMode", 4294967295.0, d, error))
        return false;
    s.kept.pedalMode = std::uint32_t(d);
    d = s.kept.activeProfile;
    if (!readWhole(o, "activeProfile", 4294967295.0, d, error))
        return false;
    s.kept.activeProfile = std::uint32_t(d);
    if (!readWhole(o, "rate", 100000, s.rate, error))
        return false;

    std::vector<long> n;
    struct Table
    {
        const char *key;
        std::size_t count;
        std::uint16_t *dest;
    };
    const Table tables[] = {{"calibration", 6, s.kept.calibration.data()},
                            {"deadzone", 6, s.kept.deadzone.data()},
                            {"pedals", 3, s.pedals.data()}};
    for (const Table &t : tables) {
        if (!o.contains(QLatin1String(t.key)))
            continue;
        if (!readNumbers(o, t.key, t.count, 65535, n, error))
            return false;
        for (std::size_t i = 0; i < t.count; ++i)
            t.dest[i] = std::uint16_t(n[i]);
    }

    if (o.contains(QLatin1String("motion"))) {
        const QString m = o.value(QLatin1String("motion")).toString();
        if (m == QLatin1String("still"))
            s.motion = Motion::Still;
        else if (m == QLatin1String("sweep"))
            s.motion = Motion::Sweep;
        else {
            error = "\"motion\" must be \"still\" or \"sweep\"";
            return false;
        }
    }

    if (o.contains(QLatin1String("slots"))) {
        const QJsonValue sv = o.value(QLatin1String("slots"));
        if (!sv.isArray()) {
            error = "\"slots\" must be an array";
            return false;
        }
        for (const QJsonValue &e : sv.toArray()) {
            const QJsonObject so = e.toObject();
            double slot = -1;
            if (!e.isObject() || !so.value(QLatin1String("slot")).isDouble()
                || !readWhole(so, "slot", 15, slot, error)) {
                error = "every slot needs \"slot\", a whole number from 0 to 15";
                return false;
            }
            if (!so.value(QLatin1String("name")).isString()) {
                error = "slot " + std::to_string(int(slot)) + " needs a \"name\" string";
                return false;
            }
            const QByteArray name = so.value(QLatin1String("name")).toString().toUtf8();
            if (name.isEmpty() || name.size() > 17) {
                error = "slot " + std::to_string(int(slot)) + ": \"name\" must hold 1 to 17 bytes";
                return false;
            }
            if (!readNumbers(so, "record", 7, 255, n, error)) {
                error = "slot " + std::to_string(int(slot)) + ": " + error;
                return false;
            }
            Slot &target = s.kept.slots[std::size_t(slot)];
            target.name.assign(name.begin(), name.end());
            for (std::size_t i = 0; i < 7; ++i)
                target.record[i] = std::uint8_t(n[i]);
        }
    }
    return true;
}

QJsonArray numbers(const std::uint16_t *v, std::size_t count)
{
    QJsonArray a;
    for (std::size_t i = 0; i < count; ++i)
        a.append(int(v[i]));
    return a;
}

} // namespace

std::optional<UnitState> loadStateFile(const std::string &path, std::string &error)
{
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) {
        error = path + ": cannot be read: " + f.errorString().toStdString();
        return std::nullopt;
    }
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &pe);
    if (pe.error != QJsonParseError::NoError) {
        error = path + ": not valid JSON at offset " + std::to_string(pe.offset) + ": "
            + pe.errorString().toStdString();
        return std::nullopt;
    }
    if (!doc.isObject()) {
        error = path + ": the state must be a JSON object";
        return std::nullopt;
    }
    UnitState s;
    if (!parse(doc.object(), s, error)) {
        error = path + ": " + error;
        return std::nullopt;
    }
    return s;
}

bool saveStateFile(const std::string &path, const UnitState &s, std::string &error)
{
    QJsonObject o;
    o.insert(QStringLiteral("version"), QString::fromStdString(s.version));
    o.insert(QStringLiteral("pedalMode"), double(s.kept.pedalMode));
    o.insert(QStringLiteral("activeProfile"), double(s.kept.activeProfile));
    o.insert(QStringLiteral("calibration"), numbers(s.kept.calibration.data(), 6));
    o.insert(QStringLiteral("deadzone"), numbers(s.kept.deadzone.data(), 6));
    QJsonArray slots;
    for (std::size_t i = 0; i < s.kept.slots.size(); ++i) {
        const Slot &slot = s.kept.slots[i];
        if (slot.isFree())
            continue;
        QJsonObject so;
        so.insert(QStringLiteral("slot"), int(i));
        so.insert(QStringLiteral("name"),
                  QString::fromUtf8(reinterpret_cast<const char *>(slot.name.data()),
                                    qsizetype(slot.name.size())));
        QJsonArray rec;
        for (std::uint8_t b : slot.record)
            rec.append(int(b));
        so.insert(QStringLiteral("record"), rec);
        slots.append(so);
    }
    o.insert(QStringLiteral("slots"), slots);
    o.insert(QStringLiteral("pedals"), numbers(s.pedals.data(), 3));
    o.insert(QStringLiteral("motion"), QLatin1String(motionName(s.motion)));
    o.insert(QStringLiteral("rate"), s.rate);

    QSaveFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::WriteOnly) || f.write(QJsonDocument(o).toJson()) < 0 || !f.commit()) {
        error = path + ": cannot be written: " + f.errorString().toStdString();
        return false;
    }
    return true;
}

void StateFile::keptChanged(const UnitState &state)
{
    // Called in the middle of an exchange: nobody to hand the error to.
    std::string error;
    if (!saveStateFile(m_path, state, error))
        std::fprintf(stderr, "kest simulator: %s\n", error.c_str());
}

bool configureFromEnvironment(PedalUnit &unit, std::string &error)
{
    if (const char *path = std::getenv("KEST_SIM_TRACE"); path && *path) {
        std::shared_ptr<TraceFile> trace = TraceFile::open(path, error);
        if (!trace)
            return false;
        unit.watch(std::move(trace));
    }
    const char *statePath = std::getenv("KEST_SIM_STATE");
    if (!statePath || !*statePath)
        return true;
    const std::optional<UnitState> s = loadStateFile(statePath, error);
    if (!s)
        return false;
    unit.setState(*s);
    unit.setStreaming(true, s->rate, s->motion);
    unit.watch(std::make_shared<StateFile>(statePath));
    return true;
}

} // namespace kestsim
