#include "switchrules.h"

#include "boundedfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QStringConverter>

namespace kest {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("kest", text); // the context lupdate gives tr() here
}

const char *const kPedalKeys[PEDAL_COUNT] = {"clutch", "brake", "throttle"};

/// What a line of the file is.
struct Line
{
    enum Kind { Blank, Section, Pair, Other } kind = Blank;
    QString name; ///< the section's name, or the key
    QString value;
};

Line classify(const QString &raw)
{
    const QString text = raw.trimmed();
    Line line;
    if (text.isEmpty() || text.startsWith(QLatin1Char('#')) || text.startsWith(QLatin1Char(';')))
        return line;
    if (text.startsWith(QLatin1Char('['))) {
        line.kind = text.endsWith(QLatin1Char(']')) ? Line::Section : Line::Other;
        line.name = text.mid(1, text.size() - 2).trimmed();
        return line;
    }
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals <= 0) {
        line.kind = Line::Other;
        return line;
    }
    line.kind = Line::Pair;
    line.name = text.left(equals).trimmed().toLower();
    line.value = text.mid(equals + 1).trimmed();
    return line;
}

/// Why a section, once read whole, is no rule; empty when it is one.
QString sectionProblem(const SwitchRule &rule, bool hasProcess, bool hasSteam)
{
    if (hasProcess && hasSteam)
        return tr("[%1] has both process and steam-app; a section watches one of them.")
            .arg(rule.game);
    if (!hasProcess && !hasSteam)
        return tr("[%1] names no process and no steam-app.").arg(rule.game);
    for (const QString &profile : rule.profiles)
        if (!profile.isEmpty())
            return {};
    return tr("[%1] chooses no profile: give clutch, brake or throttle.").arg(rule.game);
}

} // namespace

QString SwitchRule::watched() const
{
    return isSteam() ? QStringLiteral("steam-app %1").arg(steamApp)
                     : QStringLiteral("process %1").arg(process);
}

QByteArray SwitchRule::processKey() const
{
    // The kernel keeps a process's name in 16 bytes with its terminating zero.
    return process.toUtf8().left(15);
}

QString switchRulesPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/kest-setting/autoswitch.ini");
}

bool parseSwitchRules(const QByteArray &text, QList<SwitchRule> &rules, QString *error)
{
    rules.clear();
    QList<SwitchRule> read;
    bool hasProcess = false;
    bool hasSteam = false;
    QList<QString> keysSeen;
    int lineNumber = 0;
    QString problem;

    // A section is checked once it is whole: at the next header and at the end.
    const auto closeSection = [&] {
        if (read.isEmpty())
            return true;
        const SwitchRule &rule = read.last();
        problem = sectionProblem(rule, hasProcess, hasSteam);
        if (!problem.isEmpty()) {
            lineNumber = rule.line;
            return false;
        }
        // Names alike in the bytes the kernel keeps are one process to the watch.
        for (qsizetype i = 0; i + 1 < read.size(); ++i)
            if (read[i].processKey() == rule.processKey() && read[i].steamApp == rule.steamApp) {
                problem = tr("[%1] watches the same %2 as [%3].")
                              .arg(rule.game, rule.watched(), read[i].game);
                lineNumber = rule.line;
                return false;
            }
        return true;
    };

    const auto lines = text.split('\n');
    for (const QByteArray &bytes : lines) {
        ++lineNumber;
        auto decode = QStringDecoder(QStringDecoder::Utf8);
        const QString raw = decode(bytes);
        if (decode.hasError()) {
            problem = tr("this line is not UTF-8 text.");
            break;
        }
        const Line line = classify(raw);
        if (line.kind == Line::Blank)
            continue;
        if (line.kind == Line::Other) {
            problem = tr("neither a [game] header nor a \"key = value\" line.");
            break;
        }
        if (line.kind == Line::Section) {
            if (!closeSection())
                break;
            if (line.name.isEmpty()) {
                problem = tr("the section has no name: [the game's name].");
                break;
            }
            const auto same = std::find_if(
                read.begin(), read.end(), [&](const SwitchRule &r) { return r.game == line.name; });
            if (same != read.end()) {
                problem = tr("a second [%1] section; the first is on line %2.")
                              .arg(line.name)
                              .arg(same->line);
                break;
            }
            SwitchRule rule;
            rule.game = line.name;
            rule.line = lineNumber;
            read.append(rule);
            hasProcess = hasSteam = false;
            keysSeen.clear();
            continue;
        }
        if (read.isEmpty()) {
            problem = tr("\"%1\" comes before the first [game] section.").arg(line.name);
            break;
        }
        SwitchRule &rule = read.last();
        if (keysSeen.contains(line.name)) {
            problem = tr("\"%1\" is given twice in [%2].").arg(line.name, rule.game);
            break;
        }
        keysSeen.append(line.name);
        if (line.value.isEmpty()) {
            problem = tr("\"%1\" has no value.").arg(line.name);
            break;
        }
        if (line.name == QLatin1String("process")) {
            // The kernel names a process by its file's name; a folder never matches.
            if (line.value.contains(QLatin1Char('/'))) {
                problem
                    = tr("process is a program's file name, without a folder: %1.").arg(line.value);
                break;
            }
            rule.process = line.value;
            hasProcess = true;
            continue;
        }
        if (line.name == QLatin1String("steam-app")) {
            bool ok = false;
            const uint id = line.value.toUInt(&ok);
            if (!ok || id == 0 || line.value.startsWith(QLatin1Char('+'))) {
                problem = tr("steam-app is a Steam game's number, as 227300: %1.").arg(line.value);
                break;
            }
            rule.steamApp = id;
            hasSteam = true;
            continue;
        }
        const auto pedal
            = std::find_if(std::begin(kPedalKeys), std::end(kPedalKeys),
                           [&](const char *key) { return line.name == QLatin1String(key); });
        if (pedal == std::end(kPedalKeys)) {
            problem = tr("unknown key \"%1\"; the keys are process, steam-app, clutch, brake and "
                         "throttle.")
                          .arg(line.name);
            break;
        }
        // The unit keeps a name in 16 bytes: a longer one names no profile it has.
        if (line.value.toUtf8().size() > PROFILE_NAME_MAX) {
            problem = tr("the profile name \"%1\" is longer than the unit's names (16 bytes).")
                          .arg(line.value);
            break;
        }
        rule.profiles[std::size_t(pedal - std::begin(kPedalKeys))] = line.value;
    }
    if (problem.isEmpty())
        closeSection();
    if (!problem.isEmpty()) {
        if (error)
            *error = tr("line %1: %2").arg(lineNumber).arg(problem);
        return false;
    }
    rules = read;
    return true;
}

bool readSwitchRules(const QString &path, QList<SwitchRule> &rules, QString *error)
{
    rules.clear();
    const FileBytes file = readBoundedFile(path, SWITCH_RULES_MAX_BYTES);
    QString why;
    switch (file.result) {
    case FileRead::Ok: {
        QString problem;
        if (parseSwitchRules(file.bytes, rules, &problem))
            return true;
        why = QStringLiteral("%1, %2").arg(QDir::toNativeSeparators(path), problem);
        break;
    }
    case FileRead::Missing:
        why = tr("There is no rules file %1.").arg(QDir::toNativeSeparators(path));
        break;
    case FileRead::NotRegular:
        why = tr("%1 is not a regular file.").arg(QDir::toNativeSeparators(path));
        break;
    case FileRead::TooLarge:
        why = tr("%1 is larger than a rules file can be (256 KiB).")
                  .arg(QDir::toNativeSeparators(path));
        break;
    case FileRead::Unreadable:
        why = tr("%1 could not be read.").arg(QDir::toNativeSeparators(path));
        break;
    }
    if (error)
        *error = why;
    return false;
}

} // namespace kest
