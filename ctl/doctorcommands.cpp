// doctor: what stands between the user, or a game, and the pedals on Linux. Each check
// looks at what the system has made of the unit (its USB device, hidraw node, input
// device and their udev properties, the installed rule, the firmware) and says what to
// do about a failure.

#include "attachhints.h"
#include "cli.h"
#include "firmwareupdate.h"
#include "kestdevice.h"
#include "kestprotocol.h"

#include <QCoreApplication>
#include <QFile>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#ifdef KEST_HAVE_UDEV
#include <dirent.h>
#include <fcntl.h>
#include <libudev.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#endif

namespace kestctl {

namespace {

/// The rule as this build carries it: the package's file, built in (one source, so the
/// two cannot differ).
const char kRuleName[] = "70-kest-pedals.rules";
QByteArray ruleText()
{
    QFile file(QStringLiteral(":/kestctl/70-kest-pedals.rules"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

#ifdef KEST_HAVE_UDEV

/// One check's outcome: passed, failed (with what to do), or skipped (ok empty).
struct Check
{
    const char *id;
    std::optional<bool> ok;
    QString detail;
    QString fix;
};

/// A check's word at the start of its line: passed, failed or skipped.
QString statusLabel(std::optional<bool> ok)
{
    return !ok ? tr("SKIP") : *ok ? tr("PASS") : tr("FAIL");
}

QString fixText(const QString &fix)
{
    return tr("Fix: %1").arg(fix);
}

class Report
{
public:
    explicit Report(const Output &out) : out(out)
    {
        for (const std::optional<bool> ok :
             {std::optional<bool>(true), std::optional<bool>(false), std::optional<bool>()})
            width = qMax(width, statusLabel(ok).size());
    }

    void add(const Check &c)
    {
        failed += c.ok == false;
        const QJsonValue ok = c.ok ? QJsonValue(*c.ok) : QJsonValue(QJsonValue::Null);
        out.object({{QStringLiteral("id"), QLatin1String(c.id)},
                    {QStringLiteral("ok"), ok},
                    {QStringLiteral("detail"), c.detail},
                    {QStringLiteral("fix"),
                     c.fix.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(c.fix)}});
        out.line(statusLabel(c.ok).leftJustified(width + 2) + c.detail);
        if (!c.fix.isEmpty())
            out.line(QString(width + 2, QLatin1Char(' ')) + fixText(c.fix));
    }
    int failures() const { return failed; }

private:
    const Output &out;
    qsizetype width = 0;
    int failed = 0;
};

/// What to do when the rule is missing, old or not in force: the same steps for the
/// hidraw node, the joystick class and the event node.
QString ruleFix()
{
    return tr("Install the kest-setting package, or where /usr is read-only the rule by "
              "hand: kestctl doctor --print-rules | sudo tee /etc/udev/rules.d/%1; then "
              "load it with sudo udevadm control --reload && sudo udevadm trigger, or plug "
              "the unit in again. The rule gives access to the user logged in at the seat "
              "only (more in %2).")
        .arg(QLatin1String(kRuleName), kest::linuxNotesPath());
}

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

struct UdevDeleter
{
    void operator()(udev *u) const { udev_unref(u); }
    void operator()(udev_enumerate *e) const { udev_enumerate_unref(e); }
    void operator()(udev_device *d) const { udev_device_unref(d); }
};
template<typename T> using UdevPtr = std::unique_ptr<T, UdevDeleter>;

/// What the system made of the first unit plugged in.
struct UnitNodes
{
    QString usb; ///< the USB device's name ("1-1"); empty when there is no unit
    QString product;
    QString hidraw; ///< "/dev/hidrawN"
    QString event; ///< "/dev/input/eventN"
    QString js; ///< "/dev/input/jsN", where joydev made one
    bool joystick = false; ///< the event node carries ID_INPUT_JOYSTICK=1
};

QString text(const char *s)
{
    return s ? QString::fromLocal8Bit(s) : QString();
}

/// The devices of `subsystem` below the USB device `usbSyspath`.
template<typename Visit>
void childrenOf(udev *u, const char *subsystem, const QByteArray &usbSyspath, Visit visit)
{
    UdevPtr<udev_enumerate> e(udev_enumerate_new(u));
    if (!e)
        return;
    udev_enumerate_add_match_subsystem(e.get(), subsystem);
    udev_enumerate_scan_devices(e.get());
    udev_list_entry *entry;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(e.get()))
    {
        UdevPtr<udev_device> d(udev_device_new_from_syspath(u, udev_list_entry_get_name(entry)));
        udev_device *usb = d
            ? udev_device_get_parent_with_subsystem_devtype(d.get(), "usb", "usb_device")
            : nullptr;
        if (usb && usbSyspath == udev_device_get_syspath(usb))
            visit(d.get());
    }
}

UnitNodes findUnit()
{
    UnitNodes nodes;
    UdevPtr<udev> u(udev_new());
    UdevPtr<udev_enumerate> e(u ? udev_enumerate_new(u.get()) : nullptr);
    if (!e)
        return nodes;
    const QByteArray vendor = QByteArray::number(kest::KEST_VENDOR_ID, 16).rightJustified(4, '0');
    const QByteArray product = QByteArray::number(kest::KEST_PRODUCT_ID, 16).rightJustified(4, '0');
    udev_enumerate_add_match_subsystem(e.get(), "usb");
    udev_enumerate_add_match_sysattr(e.get(), "idVendor", vendor.constData());
    udev_enumerate_add_match_sysattr(e.get(), "idProduct", product.constData());
    udev_enumerate_scan_devices(e.get());
    QByteArray syspath;
    udev_list_entry *entry;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(e.get()))
    {
        UdevPtr<udev_device> d(
            udev_device_new_from_syspath(u.get(), udev_list_entry_get_name(entry)));
        if (d && qstrcmp(udev_device_get_devtype(d.get()), "usb_device") == 0) {
            syspath = udev_device_get_syspath(d.get());
            nodes.usb = text(udev_device_get_sysname(d.get()));
            nodes.product = text(udev_device_get_sysattr_value(d.get(), "product"));
            break;
        }
    }
    if (syspath.isEmpty())
        return nodes;
    childrenOf(u.get(), "hidraw", syspath, [&](udev_device *d) {
        if (nodes.hidraw.isEmpty())
            nodes.hidraw = text(udev_device_get_devnode(d));
    });
    childrenOf(u.get(), "input", syspath, [&](udev_device *d) {
        const QString name = text(udev_device_get_sysname(d));
        if (name.startsWith(QLatin1String("event")) && nodes.event.isEmpty()) {
            nodes.event = text(udev_device_get_devnode(d));
            nodes.joystick
                = qstrcmp(udev_device_get_property_value(d, "ID_INPUT_JOYSTICK"), "1") == 0;
        } else if (name.startsWith(QLatin1String("js")) && nodes.js.isEmpty()) {
            nodes.js = text(udev_device_get_devnode(d));
        }
    });
    return nodes;
}

/// Whether this user can open `node` (0), or the error.
int openError(const QString &node, int flags)
{
    const int fd
        = ::open(QFile::encodeName(node).constData(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    ::close(fd);
    return 0;
}

/// The other processes that have `node` open, as "name (pid)": this utility's own
/// programs in `own` (they take turns through the unit's lock), the rest returned.
/// `hidden` tells whether some processes' handles could not be looked at (another user's,
/// without root).
QStringList holdersOf(const QString &node, bool &hidden, QStringList &own)
{
    QStringList holders;
    hidden = false;
    struct stat target = {};
    if (::stat(QFile::encodeName(node).constData(), &target) != 0)
        return holders;
    const QByteArray self = QByteArray::number(qint64(::getpid()));
    DIR *proc = ::opendir("/proc");
    if (!proc)
        return holders;
    while (const dirent *p = ::readdir(proc)) {
        const QByteArray pid(p->d_name);
        if (pid.isEmpty() || !std::isdigit(static_cast<unsigned char>(pid.at(0))) || pid == self)
            continue;
        const QByteArray fdDir = "/proc/" + pid + "/fd";
        DIR *fds = ::opendir(fdDir.constData());
        if (!fds) {
            hidden = hidden || errno == EACCES;
            continue;
        }
        bool holds = false;
        while (const dirent *f = ::readdir(fds)) {
            struct stat st = {};
            if (f->d_name[0] != '.' && ::stat((fdDir + '/' + f->d_name).constData(), &st) == 0
                && st.st_dev == target.st_dev && st.st_ino == target.st_ino) {
                holds = true;
                break;
            }
        }
        ::closedir(fds);
        if (!holds)
            continue;
        QFile comm(QLatin1String("/proc/") + QLatin1String(pid) + QLatin1String("/comm"));
        const QString name = comm.open(QIODevice::ReadOnly)
            ? QString::fromLocal8Bit(comm.readAll().trimmed())
            : QStringLiteral("?");
        const bool ours = name == QLatin1String("kest-setting") || name == QLatin1String("kestctl");
        (ours ? own : holders) << QStringLiteral("%1 (%2)").arg(name, QLatin1String(pid));
    }
    ::closedir(proc);
    return holders;
}

/// The rule udev uses: the first file of the name in the directories it reads, in their
/// order (a file in /etc overrides the package's).
Check rulesCheck()
{
    static const char *const dirs[]
        = {"/etc/udev/rules.d", "/run/udev/rules.d", "/usr/lib/udev/rules.d", "/lib/udev/rules.d"};
    for (const char *dir : dirs) {
        const QString path = QLatin1String(dir) + QLatin1Char('/') + QLatin1String(kRuleName);
        QFile file(path);
        if (!file.exists())
            continue;
        if (file.open(QIODevice::ReadOnly) && file.readAll() == ruleText())
            return {"rules", true, tr("%1 is this version's rule.").arg(path), {}};
        return {"rules", false, tr("%1 differs from this version's rule.").arg(path), ruleFix()};
    }
    return {"rules", false, tr("The udev rule %1 is not installed.").arg(QLatin1String(kRuleName)),
            ruleFix()};
}

Check firmwareCheck()
{
    QString version;
    if (!attach()) {
        kest::KestUnit unit;
        if (unit.readVersion())
            version = unit.firmwareVersion();
        kest::deviceClose();
    }
    if (version.isEmpty())
        return {"firmware", false, tr("The pedal unit did not tell its firmware version."),
                tr("Unplug the unit and plug it in again.")};
    const kest::CheckResult newest = askUpdateServer(version);
    if (newest.end != kest::UpdateEnd::Done)
        return {"firmware",
                std::nullopt,
                tr("The firmware is %1. Whether it is the newest was not checked: the update "
                   "server could not be reached.")
                    .arg(version),
                {}};
    if (newest.verdict == kest::UpdateVerdict::UpdateAvailable)
        return {"firmware", false,
                tr("The firmware is %1; %2 is available.").arg(version, newest.newest.version),
                tr("Update it on the DEVICE page, or with kestctl firmware update FILE "
                   "(kestctl firmware check says where the image is).")};
    return {"firmware", true, tr("The firmware %1 is the newest.").arg(version), {}};
}

int diagnose(const Output &out)
{
    Report report(out);
    const UnitNodes unit = findUnit();
    if (unit.usb.isEmpty()) {
        report.add(
            {"usb", false, tr("No pedal unit on USB."), kest::attachHint(kest::NOT_FOUND_HINT)});
        report.add(rulesCheck());
        return ExitNoUnit;
    }
    report.add({"usb",
                true,
                tr("%1 (%2:%3) is on USB %4.")
                    .arg(unit.product)
                    .arg(kest::KEST_VENDOR_ID, 4, 16, QLatin1Char('0'))
                    .arg(kest::KEST_PRODUCT_ID, 4, 16, QLatin1Char('0'))
                    .arg(unit.usb),
                {}});

    bool hidrawOpens = false;
    if (unit.hidraw.isEmpty()) {
        report.add({"hidraw", false, tr("The kernel made no hidraw node for the unit."),
                    tr("Unplug the unit and plug it in again; sudo dmesg says why the node "
                       "is missing.")});
    } else if (const int error = openError(unit.hidraw, O_RDWR)) {
        report.add({"hidraw", false,
                    tr("This user cannot open the unit's hidraw node %1: %2.")
                        .arg(unit.hidraw, errorText(error)),
                    ruleFix()});
    } else {
        hidrawOpens = true;
        report.add({"hidraw",
                    true,
                    tr("This user can open the unit's hidraw node %1.").arg(unit.hidraw),
                    {}});
    }

    if (!unit.hidraw.isEmpty()) {
        bool hidden = false;
        QStringList own;
        const QStringList holders = holdersOf(unit.hidraw, hidden, own);
        const QString only = hidden
            ? QLatin1Char(' ') + tr("Only this user's programs could be looked at.")
            : QString();
        if (holders.isEmpty() && own.isEmpty())
            report.add(
                {"holders", true, tr("No other program has %1 open.").arg(unit.hidraw) + only, {}});
        else if (holders.isEmpty())
            report.add({"holders",
                        true,
                        tr("%1 is open in: %2, which take turns with kestctl through the "
                           "unit's lock.")
                                .arg(unit.hidraw, own.join(QStringLiteral(", ")))
                            + only,
                        {}});
        else
            report.add(
                {"holders", false,
                 tr("%1 is open in: %2.").arg(unit.hidraw, holders.join(QStringLiteral(", ")))
                     + only,
                 tr("Close these programs while kestctl or the window talks to the unit: "
                    "two programs exchanging reports with it at once mix up its "
                    "replies.")});
    }

    if (unit.event.isEmpty()) {
        report.add({"input", false, tr("The unit has no input device: games find no pedals."),
                    tr("Unplug the unit and plug it in again; if it stays missing, sudo dmesg "
                       "says why (the usbhid and hid-generic modules must be loaded).")});
    } else {
        report.add({"input", true, tr("The unit's input device is %1.").arg(unit.event), {}});
        if (unit.joystick)
            report.add({"joystick",
                        true,
                        tr("%1 is marked as a joystick (ID_INPUT_JOYSTICK=1).").arg(unit.event),
                        {}});
        else
            report.add({"joystick", false,
                        tr("%1 is not marked as a joystick (ID_INPUT_JOYSTICK): games and "
                           "Steam do not see the pedals.")
                            .arg(unit.event),
                        ruleFix()});
        QStringList readable, unreadable;
        for (const QString &node : {unit.event, unit.js}) {
            if (node.isEmpty())
                continue;
            if (const int error = openError(node, O_RDONLY))
                unreadable << QStringLiteral("%1 (%2)").arg(node, errorText(error));
            else
                readable << node;
        }
        if (unreadable.isEmpty())
            report.add({"event",
                        true,
                        tr("This user can read %1.").arg(readable.join(QStringLiteral(", "))),
                        {}});
        else
            report.add({"event", false,
                        tr("This user cannot read %1.").arg(unreadable.join(QStringLiteral(", "))),
                        ruleFix()});
    }

    report.add(rulesCheck());
    report.add(hidrawOpens ? firmwareCheck()
                           : Check {"firmware",
                                    std::nullopt,
                                    tr("The firmware was not checked: the unit cannot be opened."),
                                    {}});
    return report.failures() > 0 ? ExitRefused : ExitDone;
}

#endif

} // namespace

int runDoctor(const Invocation &in)
{
    const Output out(in.json);
    if (in.words.size() != 1)
        return out.fail(ExitRefused, tr("usage: kestctl doctor [--print-rules]"));
    if (in.printRules) {
        std::fputs(ruleText().constData(), stdout);
        return ExitDone;
    }
#ifdef KEST_HAVE_UDEV
    return diagnose(out);
#else
    return out.fail(ExitRefused, tr("doctor checks a Linux system with udev."));
#endif
}

} // namespace kestctl
