#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

/// Watches the system's announcements of the pedal unit's hidraw nodes coming and going
/// (udev, on the GUI thread through a socket notifier), so that a unit is attached the
/// moment it is plugged in instead of at the next poll.
///
/// Optional at build time (libudev) and at run time: where no monitor can be made (other
/// systems, a build without libudev, no udev) it stays inactive and never emits; the
/// caller's polling then finds the unit on its own.
class PlugMonitor : public QObject
{
    Q_OBJECT

public:
    explicit PlugMonitor(QObject *parent = nullptr);
    ~PlugMonitor() override;

    /// Whether plug-in events are watched.
    bool isActive() const;

    /// Whether a hidraw device path (sysfs, as "/devices/.../0003:E5B7:6A1C.0004/hidraw/
    /// hidraw3") is a node of the pedal unit: the HID device it belongs to is named by the
    /// kernel "BUS:VENDOR:PRODUCT.INSTANCE" in hexadecimal. The name stays readable in a
    /// "remove", when the device itself is gone.
    static bool isUnitNode(const QByteArray &devpath);

Q_SIGNALS:
    /// A node of the unit appeared: "/dev/hidrawN".
    void unitAdded(const QString &node);
    /// A node of the unit went away.
    void unitRemoved(const QString &node);

private:
    void readEvents();

    struct Udev;
    std::unique_ptr<Udev> m_udev; ///< null while inactive
    QSocketNotifier *m_notifier = nullptr;
};
