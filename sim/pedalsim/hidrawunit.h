#pragma once

// The simulated pedal unit behind a fake hidraw node. A umockdev testbed holds the
// unit's sysfs entries (USB device, interface, HID device, hidraw node) and its device
// node; a program run under umockdev's preload library finds the unit through udev and
// talks to /dev/hidrawN with the real hidapi. Feature reports and the node's other
// ioctls reach the PedalUnit model. Input reports wait in the node's buffer, as the
// kernel keeps them for a hidraw reader: up to 64, the oldest dropped, one whole report
// per read.

#include "pedalunit.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

typedef struct _UMockdevTestbed UMockdevTestbed;
typedef struct _UMockdevIoctlBase UMockdevIoctlBase;
typedef struct _UMockdevIoctlClient UMockdevIoctlClient;
typedef struct _UMockdevIoctlData UMockdevIoctlData;

namespace kestsim {

class HidrawUnit
{
public:
    /// Creates the testbed (and sets UMOCKDEV_DIR for the programs started after it);
    /// the unit starts unplugged.
    explicit HidrawUnit(PedalUnit &unit);
    ~HidrawUnit();

    HidrawUnit(const HidrawUnit &) = delete;
    HidrawUnit &operator=(const HidrawUnit &) = delete;

    /// Plugs the unit in: its devices appear in the testbed with a new hidraw node, as
    /// the kernel makes one for every plug. Does nothing when it is plugged already.
    bool plug(std::string &error);
    /// Pulls the unit out: its devices leave the testbed, and every handle on its node
    /// fails from now on (a waiting or polling reader wakes up with an error).
    void unplug();
    bool isPlugged() const;
    /// "/dev/hidrawN" of the current plug, empty while unplugged.
    std::string deviceNode() const;
    /// From the next plug on, the unit enumerates but its node cannot be opened, as
    /// for a user without access to it.
    void setOpenDenied(bool denied) { m_unit.setOpenDenied(denied); }
    /// Whether pulling the unit out is announced with udev "remove" events (as a
    /// system with udev does). Only a testbed in a process under umockdev's preload
    /// library can send them; without it there are no "add" events either.
    void setAnnounced(bool announced) { m_announced = announced; }
    /// From the next plug on, whether the unit's input device carries the joystick
    /// class (ID_INPUT_JOYSTICK=1), as udev gives it with the package's rule.
    void setJoystickClass(bool joystick) { m_joystick = joystick; }
    /// From the next plug on, the input device's event and js nodes cannot be opened, as
    /// for a user without access to them.
    void setEventDenied(bool denied) { m_eventDenied = denied; }

    /// For the ioctl handlers, which umockdev calls on its own thread.
    struct Handler;
    void answerIoctl(const Handler &h, UMockdevIoctlClient *client);
    void answerRead(const Handler &h, UMockdevIoctlClient *client, bool &handled);
    void answerWrite(const Handler &h, UMockdevIoctlClient *client);
    void clientConnected(const Handler &h);

    /// Reports a hidraw node keeps for its reader; an older one is dropped for a new one.
    static constexpr std::size_t QUEUE_CAPACITY = 64;

private:
    struct Node;

    bool attachHandler(const Node &node, std::string &error);
    bool aliveLocked(std::uint64_t generation) const;
    /// Waits (briefly) until the node of this generation is set up; whether it is alive.
    bool waitAlive(std::uint64_t generation);
    long featureExchange(unsigned nr, UMockdevIoctlData *buffer, int &err);
    void feedInputs();
    void queueReportLocked(const std::uint8_t *data, std::size_t size);
    bool takeMarksLocked(std::size_t count);

    PedalUnit &m_unit;
    UMockdevTestbed *m_testbed = nullptr;
    std::string m_root;

    mutable std::mutex m_mutex;
    std::condition_variable m_ready;
    std::unique_ptr<Node> m_node; // the current plug; null while unplugged
    std::uint64_t m_generation = 0; // of the current plug; older handles are dead
    int m_plugCount = 0;
    bool m_announced = true;
    bool m_joystick = true;
    bool m_eventDenied = false;
    // Handlers stay attached for the testbed's life: a program may still hold a node of
    // an earlier plug, and its calls must fail rather than reach nothing.
    std::vector<std::unique_ptr<Handler>> m_handlers;

    std::atomic<bool> m_stop {false};
    std::thread m_feeder;
};

} // namespace kestsim
