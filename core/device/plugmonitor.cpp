#include "plugmonitor.h"

#include "diagnostics.h"
#include "kestprotocol.h"

#include <QDebug>
#include <QList>
#include <QLoggingCategory>
#include <QSocketNotifier>

#ifdef KEST_HAVE_UDEV
#include <libudev.h>
#endif

// Every event about the unit's nodes as it is read; shown with
// QT_LOGGING_RULES="kest.plug.debug=true".
Q_LOGGING_CATEGORY(lcPlug, "kest.plug", QtInfoMsg)

namespace {

/// One field of a kernel HID device name, four hexadecimal digits; -1 when it is not.
int hexField(const QByteArray &field)
{
    if (field.size() != 4)
        return -1;
    bool ok = false;
    const int value = field.toInt(&ok, 16);
    return ok ? value : -1;
}

} // namespace

bool PlugMonitor::isUnitNode(const QByteArray &devpath)
{
    // ".../<hid device>/hidraw/hidrawN", nothing after it.
    const QList<QByteArray> parts = devpath.split('/');
    if (parts.size() < 3 || parts.at(parts.size() - 2) != "hidraw"
        || !parts.back().startsWith("hidraw") || parts.back().size() == 6)
        return false;
    const QByteArray &hid = parts.at(parts.size() - 3);
    const QList<QByteArray> fields = hid.split(':');
    if (fields.size() != 3)
        return false;
    const QList<QByteArray> productAndInstance = fields.at(2).split('.');
    if (productAndInstance.size() != 2 || hexField(fields.at(0)) < 0
        || hexField(productAndInstance.at(1)) < 0)
        return false;
    return hexField(fields.at(1)) == kest::KEST_VENDOR_ID
        && hexField(productAndInstance.at(0)) == kest::KEST_PRODUCT_ID;
}

#ifdef KEST_HAVE_UDEV

struct PlugMonitor::Udev
{
    udev *context = nullptr;
    udev_monitor *monitor = nullptr;

    ~Udev()
    {
        if (monitor)
            udev_monitor_unref(monitor);
        if (context)
            udev_unref(context);
    }
};

PlugMonitor::PlugMonitor(QObject *parent) : QObject(parent)
{
    auto u = std::make_unique<Udev>();
    u->context = udev_new();
    // "udev": the events udev sends once it has set the node up (its permissions too),
    // not the kernel's own, which come before that.
    if (u->context)
        u->monitor = udev_monitor_new_from_netlink(u->context, "udev");
    if (!u->monitor
        || udev_monitor_filter_add_match_subsystem_devtype(u->monitor, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(u->monitor) < 0) {
        qCDebug(kest::lcDiagnostics,
                "no udev monitor: the pedal unit is looked for every few seconds only.");
        return;
    }
    const int fd = udev_monitor_get_fd(u->monitor);
    if (fd < 0)
        return;
    m_udev = std::move(u);
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PlugMonitor::readEvents);
}

void PlugMonitor::readEvents()
{
    // The socket does not block: every event waiting is taken, then the notifier waits.
    while (udev_device *device = udev_monitor_receive_device(m_udev->monitor)) {
        const char *action = udev_device_get_action(device);
        const char *devpath = udev_device_get_devpath(device);
        if (action && devpath && isUnitNode(QByteArray(devpath))) {
            const char *devnode = udev_device_get_devnode(device);
            const QString node = devnode
                ? QString::fromLocal8Bit(devnode)
                : QStringLiteral("/dev/") + QString::fromLocal8Bit(udev_device_get_sysname(device));
            qCDebug(lcPlug, "%s %s", action, qUtf8Printable(node));
            if (qstrcmp(action, "add") == 0)
                Q_EMIT unitAdded(node);
            else if (qstrcmp(action, "remove") == 0)
                Q_EMIT unitRemoved(node);
        }
        udev_device_unref(device);
    }
}

#else

struct PlugMonitor::Udev
{
};

PlugMonitor::PlugMonitor(QObject *parent) : QObject(parent) { }

void PlugMonitor::readEvents() { }

#endif

PlugMonitor::~PlugMonitor() = default;

bool PlugMonitor::isActive() const
{
    return m_udev && m_notifier;
}
