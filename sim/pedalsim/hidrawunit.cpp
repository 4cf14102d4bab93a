#include "hidrawunit.h"

#include <umockdev.h>

#if defined(__SANITIZE_THREAD__)
#define KEST_SIM_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define KEST_SIM_TSAN 1
#endif
#endif
#ifdef KEST_SIM_TSAN
#include <sanitizer/tsan_interface.h>
#endif

#include <linux/hidraw.h>
#include <linux/input.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <termios.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace kestsim {

namespace {

constexpr unsigned kVendor = 0xE5B7;
constexpr unsigned kProduct = 0x6A1C;
constexpr std::uint8_t kFeatureReportId = 0x02;
const char kManufacturer[] = "Kest Labs";
const char kProductName[] = "Kest Labs RM25 Pedals";
const char kSerial[] = "SIM0001";
const char kPhys[] = "usb-kest-pedal-sim-1/input0";
const char kUsbDevice[] = "/devices/1-1";
const char kUsbInterface[] = "/devices/1-1/1-1:1.0";

// A joystick: input report 1 with three 16-bit axes (CLUTCH, BRAKE, THROTTLE) and ten
// bytes of padding (17 bytes with the ID), and the 20-byte vendor feature report 2 that
// carries every command.
const std::uint8_t kReportDescriptor[] = {
    0x05, 0x01, // Usage Page (Generic Desktop)
    0x09, 0x04, // Usage (Joystick)
    0xA1, 0x01, // Collection (Application)
    0x85, 0x01, //   Report ID (1)
    0x09, 0x32, //   Usage (Z): CLUTCH
    0x09, 0x31, //   Usage (Y): BRAKE
    0x09, 0x30, //   Usage (X): THROTTLE
    0x15, 0x00, //   Logical Minimum (0)
    0x27, 0xFF, 0xFF, 0x00, 0x00, //   Logical Maximum (65535)
    0x75, 0x10, //   Report Size (16)
    0x95, 0x03, //   Report Count (3)
    0x81, 0x02, //   Input (Data, Variable, Absolute)
    0x75, 0x08, //   Report Size (8)
    0x95, 0x0A, //   Report Count (10)
    0x81, 0x03, //   Input (Constant): padding
    0x06, 0x00, 0xFF, //   Usage Page (Vendor 0xFF00)
    0x09, 0x01, //   Usage (1)
    0x85, 0x02, //   Report ID (2)
    0x15, 0x00, //   Logical Minimum (0)
    0x26, 0xFF, 0x00, //   Logical Maximum (255)
    0x75, 0x08, //   Report Size (8)
    0x95, 0x13, //   Report Count (19)
    0xB1, 0x02, //   Feature (Data, Variable, Absolute)
    0xC0, // End Collection
};

std::string hex(const std::uint8_t *data, std::size_t size)
{
    std::string out;
    char b[3];
    for (std::size_t i = 0; i < size; ++i) {
        std::snprintf(b, sizeof b, "%02X", data[i]);
        out += b;
    }
    return out;
}

void sleepMs(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

/// The unit's input device below its HID device, with its event and js nodes, as the
/// kernel announces them and udev adds its properties: ID_INPUT always, and
/// ID_INPUT_JOYSTICK when `joystick` (udev's own guess does not give it for three axes
/// without a button; the package's rule does). `denied` leaves the nodes to stand-ins.
std::string inputDescription(const std::string &inputPath, int n, bool joystick, bool denied)
{
    const std::string udev = std::string("E: ID_INPUT=1\n")
        + (joystick ? "E: ID_INPUT_JOYSTICK=1\n" : "")
        + "E: ID_BUS=usb\nE: ID_VENDOR_ID=e5b7\nE: ID_MODEL_ID=6a1c\n";
    const auto node = [&](const std::string &name, int minor) {
        return "P: " + inputPath + "/" + name + (denied ? "" : "\nN: input/" + name)
            + "\nE: SUBSYSTEM=input\nE: DEVNAME=input/" + name
            + "\nE: MAJOR=13\nE: MINOR=" + std::to_string(minor) + "\n" + udev;
    };
    return "P: " + inputPath + "\nE: SUBSYSTEM=input\nE: PRODUCT=3/e5b7/6a1c/100\nE: NAME=\""
        + kProductName + "\"\nE: PHYS=\"" + kPhys + "\"\nE: UNIQ=\"" + kSerial
        + "\"\nE: PROP=0\nE: EV=9\nE: ABS=7\n"
          "E: MODALIAS=input:b0003ve5b7p6a1ce0100-e0,3,kra0,1,2,mlsfw\nA: name="
        + kProductName + "\n" + udev + "\n" + node("event" + std::to_string(n), 64 + n) + "\n"
        + node("js" + std::to_string(n), n);
}

/// A socket file at `path`, which open() refuses (ENXIO).
bool bindSocket(const std::string &path)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return (errno = ENAMETOOLONG, false);
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool bound
        = ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

/// A string ioctl (name, phys, uniq): as the kernel, copies at most `size` bytes of the
/// text with its terminator and returns how many.
long copyText(UMockdevIoctlData *buffer, const char *text)
{
    const std::size_t n = std::min(std::strlen(text) + 1, std::size_t(buffer->data_len));
    std::memcpy(buffer->data, text, n);
    return long(n);
}

/// Answers a read as hidraw does: one report, cut to the length asked for.
void completeRead(UMockdevIoctlClient *client, const std::uint8_t *data, std::size_t size)
{
    UMockdevIoctlData *buffer = umockdev_ioctl_client_get_arg(client);
    const std::size_t n = std::min(size, std::size_t(std::max(buffer->data_len, 0)));
    std::memcpy(buffer->data, data, n);
    umockdev_ioctl_client_complete(client, long(n), 0);
}

} // namespace

struct HidrawUnit::Handler
{
    HidrawUnit *owner;
    std::uint64_t generation;
    UMockdevIoctlBase *base;
};

struct HidrawUnit::Node
{
    std::uint64_t generation = 0;
    std::string devnode; // "/dev/hidrawN"
    std::vector<std::string> syspaths; // children first, the order of removal
    int master = -1; // the testbed's side of the pty; it owns it
    // The node's side of the pty, which the program opens. This process opens it only
    // for a moment, to take marks out: a unit's node is held by its readers alone, and
    // who holds it is what `kestctl doctor` looks at.
    std::string pts;
    std::vector<std::string> deniedNodes; // stand-ins of nodes that cannot be opened
    bool ready = false; // set up completely: its calls are answered from then on
    // Reports the unit sent and the reader has not read yet, oldest first. For each one
    // a mark byte waits in the pty, so that poll() on the reader's handle says readable
    // exactly while a report waits; a read takes one report and one mark.
    std::deque<Bytes> queue;
    UMockdevIoctlClient *waitingRead = nullptr; // a blocking read that found no report
    Bytes lastInput;
};

namespace {

/// A handler is made on the main thread and used by umockdev's socket thread, which gets
/// it through GLib's signal machinery: an order ThreadSanitizer cannot see, marked here.
void handedOver([[maybe_unused]] const void *handler)
{
#ifdef KEST_SIM_TSAN
    __tsan_release(const_cast<void *>(handler));
#endif
}

HidrawUnit::Handler *takenOver(gpointer data)
{
#ifdef KEST_SIM_TSAN
    __tsan_acquire(data);
#endif
    return static_cast<HidrawUnit::Handler *>(data);
}

gboolean onIoctl(UMockdevIoctlBase *, UMockdevIoctlClient *client, gpointer data)
{
    auto *h = takenOver(data);
    h->owner->answerIoctl(*h, client);
    return TRUE;
}

gboolean onRead(UMockdevIoctlBase *, UMockdevIoctlClient *client, gpointer data)
{
    auto *h = takenOver(data);
    bool handled = false;
    h->owner->answerRead(*h, client, handled);
    return handled ? TRUE : FALSE;
}

gboolean onWrite(UMockdevIoctlBase *, UMockdevIoctlClient *client, gpointer data)
{
    auto *h = takenOver(data);
    h->owner->answerWrite(*h, client);
    return TRUE;
}

void onConnected(UMockdevIoctlBase *, UMockdevIoctlClient *, gpointer data)
{
    auto *h = takenOver(data);
    h->owner->clientConnected(*h);
}

} // namespace

HidrawUnit::HidrawUnit(PedalUnit &unit) : m_unit(unit), m_testbed(umockdev_testbed_new())
{
    gchar *root = umockdev_testbed_get_root_dir(m_testbed);
    m_root = root;
    g_free(root);
    m_unit.unplug();
    m_feeder = std::thread([this] { feedInputs(); });
}

HidrawUnit::~HidrawUnit()
{
    m_stop = true;
    m_feeder.join();
    if (m_node && m_node->waitingRead) {
        umockdev_ioctl_client_complete(m_node->waitingRead, -1, ENODEV);
        g_object_unref(m_node->waitingRead);
    }
    m_node.reset();
    // The testbed goes first: it stops its worker thread, so no handler runs after it.
    g_object_unref(m_testbed);
    for (const auto &h : m_handlers)
        g_object_unref(h->base);
}

bool HidrawUnit::aliveLocked(std::uint64_t generation) const
{
    return m_node && m_node->generation == generation;
}

bool HidrawUnit::waitAlive(std::uint64_t generation)
{
    // A program can open the node the moment it appears, before its device number is
    // mapped; holding its first call back until then keeps the plug in one piece.
    std::unique_lock<std::mutex> lock(m_mutex);
    m_ready.wait_for(lock, std::chrono::seconds(2),
                     [&] { return !aliveLocked(generation) || m_node->ready; });
    return aliveLocked(generation);
}

bool HidrawUnit::isPlugged() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_node != nullptr;
}

std::string HidrawUnit::deviceNode() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_node ? m_node->devnode : std::string();
}

bool HidrawUnit::attachHandler(const Node &node, std::string &error)
{
    // The handler is attached before the node appears, so that no program can open the
    // node and find it unanswered.
    auto handler = std::make_unique<Handler>();
    handler->owner = this;
    handler->generation = node.generation;
    handler->base = umockdev_ioctl_base_new();
    handedOver(handler.get());
    g_signal_connect(handler->base, "handle-ioctl", G_CALLBACK(onIoctl), handler.get());
    g_signal_connect(handler->base, "handle-read", G_CALLBACK(onRead), handler.get());
    g_signal_connect(handler->base, "handle-write", G_CALLBACK(onWrite), handler.get());
    g_signal_connect(handler->base, "client-connected", G_CALLBACK(onConnected), handler.get());
    GError *gerror = nullptr;
    if (!umockdev_testbed_attach_ioctl(m_testbed, node.devnode.c_str(), handler->base, &gerror)) {
        error = node.devnode + ": " + gerror->message;
        g_error_free(gerror);
        g_object_unref(handler->base);
        return false;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_handlers.push_back(std::move(handler));
    return true;
}

bool HidrawUnit::plug(std::string &error)
{
    if (isPlugged())
        return true;

    // Every plug gets new names, as the kernel numbers its HID devices on: the testbed
    // cannot make a node of a name it has made before.
    const int n = m_plugCount++;
    char hidName[32];
    std::snprintf(hidName, sizeof hidName, "0003:%04X:%04X.%04X", kVendor, kProduct, n + 1);
    const std::string hidraw = "hidraw" + std::to_string(n);
    const std::string hidPath = std::string(kUsbInterface) + "/" + hidName;
    const std::string rawPath = hidPath + "/hidraw/" + hidraw;
    // The input device the kernel's HID driver makes for the joystick collection, with
    // its event node and, as joydev adds one for X, Y and Z, a js node.
    const std::string inputPath = hidPath + "/input/input" + std::to_string(n + 1);
    const std::string eventName = "event" + std::to_string(n);
    const std::string jsName = "js" + std::to_string(n);
    const std::string eventPath = inputPath + "/" + eventName;
    const std::string jsPath = inputPath + "/" + jsName;

    auto node = std::make_unique<Node>();
    node->devnode = "/dev/" + hidraw;
    node->syspaths = {"/sys" + jsPath,
                      "/sys" + eventPath,
                      "/sys" + inputPath,
                      "/sys" + rawPath,
                      "/sys" + hidPath,
                      std::string("/sys") + kUsbInterface,
                      std::string("/sys") + kUsbDevice};

    {
        std::lock_guard<std::mutex> lock(m_mutex);
        node->generation = ++m_generation;
    }
    Node *current = node.get();
    const bool openDenied = m_unit.openDenied(); // for this whole plug
    if (!openDenied && !attachHandler(*current, error))
        return false;
    // A stand-in where a node that cannot be opened should be, which fails also for
    // root, whom file modes would not stop: a directory for the hidraw node (opened for
    // writing: EISDIR), a socket for the input nodes (opened for reading: ENXIO). Where
    // the testbed has no node the preload library would fall through to the real /dev
    // instead. They are there before the unit is announced, so that nobody meets the
    // real ones.
    if (openDenied) {
        current->deniedNodes.push_back(current->devnode);
        g_mkdir_with_parents((m_root + current->devnode).c_str(), 0755);
    }
    if (m_eventDenied) {
        g_mkdir_with_parents((m_root + "/dev/input").c_str(), 0755);
        for (const std::string &name : {eventName, jsName}) {
            current->deniedNodes.push_back("/dev/input/" + name);
            if (!bindSocket(m_root + current->deniedNodes.back())) {
                error = current->deniedNodes.back() + ": " + std::strerror(errno);
                return false;
            }
        }
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_node = std::move(node);
    }
    m_unit.plug();

    // What hidapi's hidraw backend looks at: the USB device's strings, the interface
    // number, the HID device's ids and report descriptor, and the hidraw node whose
    // "device" link leads to the HID device.
    const std::string description = std::string("P: ") + kUsbDevice
        + "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\nE: PRODUCT=e5b7/6a1c/100\n"
          "A: idVendor=e5b7\nA: idProduct=6a1c\nA: bcdDevice=0100\nA: manufacturer="
        + kManufacturer + "\nA: product=" + kProductName + "\nA: serial=" + kSerial
        + "\n\nP: " + kUsbInterface
        + "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_interface\nA: bInterfaceNumber=00\n"
          "A: bInterfaceClass=03\n\nP: "
        + hidPath + "\nE: SUBSYSTEM=hid\nE: HID_ID=0003:0000E5B7:00006A1C\nE: HID_NAME="
        + kProductName + "\nE: HID_PHYS=" + kPhys + "\nE: HID_UNIQ=" + kSerial
        + "\nH: report_descriptor=" + hex(kReportDescriptor, sizeof kReportDescriptor)
        + "\n\nP: " + rawPath + (openDenied ? "" : "\nN: " + hidraw)
        + "\nE: SUBSYSTEM=hidraw\nE: DEVNAME=" + hidraw + "\nL: device=../../../" + hidName + "\n\n"
        + inputDescription(inputPath, n, m_joystick, m_eventDenied);
    // The testbed announces each device with a udev "add" as it adds it, parents first,
    // as udev does for a plug-in: a program watching for them opens the node at once, and
    // its first call waits (waitAlive) until the node below is set up.
    m_unit.logEvent("plug");
    GError *gerror = nullptr;
    if (!umockdev_testbed_add_from_string(m_testbed, description.c_str(), &gerror)) {
        error = std::string("cannot add the unit to the testbed: ") + gerror->message;
        g_error_free(gerror);
        unplug();
        return false;
    }
    if (openDenied)
        return true;

    const int master = umockdev_testbed_get_dev_fd(m_testbed, current->devnode.c_str());
    char pts[128] = {};
    int slave = -1;
    if (master < 0 || ptsname_r(master, pts, sizeof pts) != 0
        || (slave = ::open(pts, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC)) < 0) {
        error = current->devnode + ": cannot open the pty behind it: " + std::strerror(errno);
        unplug();
        return false;
    }
    // Reports are binary: no line editing, echo, signals or flow control on the way.
    termios tio {};
    tcgetattr(slave, &tio);
    cfmakeraw(&tio);
    tcsetattr(slave, TCSANOW, &tio);

    // The node's device number (the pty's) leads back to the hidraw device, which the
    // string getters of hidapi need.
    struct stat st = {};
    fstat(slave, &st);
    ::close(slave);
    const std::string sysRaw = "/sys" + rawPath;
    const std::string devnum
        = std::to_string(major(st.st_rdev)) + ":" + std::to_string(minor(st.st_rdev));
    umockdev_testbed_set_property_int(m_testbed, sysRaw.c_str(), "MAJOR", int(major(st.st_rdev)));
    umockdev_testbed_set_property_int(m_testbed, sysRaw.c_str(), "MINOR", int(minor(st.st_rdev)));
    umockdev_testbed_set_attribute(m_testbed, sysRaw.c_str(), "dev", devnum.c_str());
    const std::string charDir = m_root + "/sys/dev/char";
    g_mkdir_with_parents(charDir.c_str(), 0755);
    const std::string link = charDir + "/" + devnum;
    ::unlink(link.c_str());
    if (::symlink(("../.." + rawPath).c_str(), link.c_str()) != 0)
        std::fprintf(stderr, "kest-pedal-sim: %s: %s\n", link.c_str(), std::strerror(errno));

    {
        std::lock_guard<std::mutex> lock(m_mutex);
        current->master = master;
        current->pts = pts;
        current->ready = true;
    }
    m_ready.notify_all();
    return true;
}

void HidrawUnit::unplug()
{
    std::vector<std::string> syspaths;
    std::string devnode;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_node) {
            syspaths = m_node->syspaths;
            devnode = m_node->devnode;
        }
    }
    if (!syspaths.empty())
        m_unit.logEvent("unplug");
    // As with the kernel, the device is gone before its handles fail and before udev
    // tells of it: whoever meets the error or the "remove" finds nothing when it looks
    // for the unit again. The testbed can only announce a device it still has, so the
    // node leaves the list of hidraw devices first, then each device is announced gone
    // (children first, as udev does) and removed.
    if (!devnode.empty())
        ::unlink((m_root + "/sys/class/hidraw/" + devnode.substr(5)).c_str());
    for (const std::string &path : syspaths)
        if (m_announced)
            umockdev_testbed_uevent(m_testbed, path.c_str(), "remove");
    for (const std::string &path : syspaths)
        umockdev_testbed_remove_device(m_testbed, path.c_str());
    std::unique_ptr<Node> node;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        node = std::move(m_node); // from here on every handle of it is dead
    }
    m_ready.notify_all();
    m_unit.unplug();
    if (!node)
        return;
    if (node->waitingRead) {
        umockdev_ioctl_client_complete(node->waitingRead, -1, ENODEV);
        g_object_unref(node->waitingRead);
        node->waitingRead = nullptr;
    }
    for (const std::string &denied : node->deniedNodes)
        std::remove((m_root + denied).c_str());
    if (node->master >= 0) {
        // A program polling the node must wake up to meet the error: leave a report in the
        // node. Its read reaches the handler, which fails it. Always, even when marks seem
        // to wait: one may be on its way out of the node as it is looked at, and a poller
        // that found the node empty then would never wake.
        Bytes wake = node->lastInput;
        if (wake.empty())
            wake.assign(17, 0);
        if (::write(node->master, wake.data(), wake.size()) < 0)
            std::fprintf(stderr, "kest-pedal-sim: %s: %s\n", node->devnode.c_str(),
                         std::strerror(errno));
    }
}

void HidrawUnit::clientConnected(const Handler &h)
{
    if (!waitAlive(h.generation))
        return;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!aliveLocked(h.generation))
            return;
        // A new handle starts with an empty buffer: what came before it was for nobody.
        takeMarksLocked(m_node->queue.size());
        m_node->queue.clear();
        m_unit.logEvent("open");
    }
}

long HidrawUnit::featureExchange(unsigned nr, UMockdevIoctlData *buffer, int &err)
{
    if (buffer->data_len < 1 || buffer->data[0] != kFeatureReportId) {
        err = EPIPE; // the unit has no other feature report: it stalls the request
        return -1;
    }
    const std::size_t size = std::size_t(buffer->data_len);
    const int n = nr == _IOC_NR(HIDIOCSFEATURE(0)) ? m_unit.setFeature(buffer->data, size)
                                                   : m_unit.getFeature(buffer->data, size);
    if (n < 0)
        err = EPIPE;
    return n;
}

void HidrawUnit::answerIoctl(const Handler &h, UMockdevIoctlClient *client)
{
    const unsigned long request = umockdev_ioctl_client_get_request(client);
    long result = -1;
    int err = 0;
    UMockdevIoctlData *buffer = nullptr;
    if (!waitAlive(h.generation))
        err = ENODEV;
    const unsigned nr = _IOC_NR(request);
    const std::size_t size = _IOC_SIZE(request);
    if (err == 0 && (_IOC_TYPE(request) != 'H' || size == 0))
        err = ENOTTY;
    if (err == 0) {
        GError *gerror = nullptr;
        buffer
            = umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0, size, &gerror);
        if (!buffer) {
            g_error_free(gerror);
            err = EFAULT;
        }
    }
    if (err == 0) {
        if (request == HIDIOCGRDESCSIZE) {
            const int descriptorSize = int(sizeof kReportDescriptor);
            std::memcpy(buffer->data, &descriptorSize, sizeof descriptorSize);
            result = 0;
        } else if (request == HIDIOCGRDESC) {
            hidraw_report_descriptor d {};
            std::memcpy(&d, buffer->data, sizeof d);
            if (d.size > HID_MAX_DESCRIPTOR_SIZE - 1) {
                err = EINVAL;
            } else {
                d.size = std::min<std::uint32_t>(d.size, sizeof kReportDescriptor);
                std::memcpy(d.value, kReportDescriptor, d.size);
                std::memcpy(buffer->data, &d, sizeof d);
                result = 0;
            }
        } else if (request == HIDIOCGRAWINFO) {
            hidraw_devinfo info {};
            info.bustype = BUS_USB;
            info.vendor = std::int16_t(kVendor);
            info.product = std::int16_t(kProduct);
            std::memcpy(buffer->data, &info, sizeof info);
            result = 0;
        } else if (nr == _IOC_NR(HIDIOCGRAWNAME(0))) {
            result = copyText(buffer, kProductName);
        } else if (nr == _IOC_NR(HIDIOCGRAWPHYS(0))) {
            result = copyText(buffer, kPhys);
        } else if (nr == _IOC_NR(HIDIOCGRAWUNIQ(0))) {
            result = copyText(buffer, kSerial);
        } else if (nr == _IOC_NR(HIDIOCSFEATURE(0)) || nr == _IOC_NR(HIDIOCGFEATURE(0))) {
            result = featureExchange(nr, buffer, err);
        } else {
            err = EINVAL; // input and output reports by ioctl: the unit has none of them
        }
    }
    if (err != 0)
        result = -1;
    umockdev_ioctl_client_complete(client, result, err);
    if (buffer)
        g_object_unref(buffer);
}

void HidrawUnit::answerRead(const Handler &h, UMockdevIoctlClient *client, bool &handled)
{
    handled = true;
    if (!waitAlive(h.generation)) {
        umockdev_ioctl_client_complete(client, -1, ENODEV);
        return;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!aliveLocked(h.generation)) {
        umockdev_ioctl_client_complete(client, -1, ENODEV);
        return;
    }
    if (m_node->queue.empty()) {
        // Only a blocking read without poll() gets here: the next report answers it.
        m_node->waitingRead = static_cast<UMockdevIoctlClient *>(g_object_ref(client));
        return;
    }
    const Bytes report = std::move(m_node->queue.front());
    m_node->queue.pop_front();
    takeMarksLocked(1);
    completeRead(client, report.data(), report.size());
}

void HidrawUnit::answerWrite(const Handler &h, UMockdevIoctlClient *client)
{
    const bool alive = waitAlive(h.generation);
    // The unit has no output report: a write never reaches it.
    umockdev_ioctl_client_complete(client, -1, alive ? EPIPE : ENODEV);
}

bool HidrawUnit::takeMarksLocked(std::size_t count)
{
    // The pty passes bytes on with a delay: a mark written a moment ago may not have
    // arrived yet, so wait for it (briefly) rather than leave it to wake the reader for
    // a report that is gone.
    if (count == 0 || m_node->pts.empty())
        return count == 0;
    const int slave = ::open(m_node->pts.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (slave < 0)
        return false;
    std::uint8_t marks[QUEUE_CAPACITY];
    while (count > 0) {
        const ssize_t n = ::read(slave, marks, std::min(count, sizeof marks));
        if (n > 0) {
            count -= std::size_t(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            break;
        pollfd p {slave, POLLIN, 0};
        if (::poll(&p, 1, 1000) <= 0)
            break;
    }
    ::close(slave);
    return count == 0;
}

void HidrawUnit::queueReportLocked(const std::uint8_t *data, std::size_t size)
{
    Node &node = *m_node;
    node.lastInput.assign(data, data + size);
    if (node.waitingRead) {
        completeRead(node.waitingRead, data, size);
        g_object_unref(node.waitingRead);
        node.waitingRead = nullptr;
        return;
    }
    if (node.queue.size() >= QUEUE_CAPACITY) {
        node.queue.pop_front(); // its mark stays for the new report
    } else {
        const std::uint8_t mark = 0;
        if (::write(node.master, &mark, 1) != 1)
            std::fprintf(stderr, "kest-pedal-sim: %s: %s\n", node.devnode.c_str(),
                         std::strerror(errno));
    }
    node.queue.push_back(node.lastInput);
}

void HidrawUnit::feedInputs()
{
    // The unit sends at its own rate whether or not anybody reads: reports go into the
    // node's buffer, where a reader finds them, or where the oldest are dropped.
    Bytes report(64);
    while (!m_stop) {
        std::uint64_t generation = 0;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_node && m_node->ready && m_node->master >= 0)
                generation = m_node->generation;
        }
        if (generation == 0) {
            sleepMs(1);
            continue;
        }
        const int n = m_unit.readInput(report.data(), report.size(), 20);
        if (n < 0)
            sleepMs(1);
        if (n <= 0)
            continue;
        std::lock_guard<std::mutex> lock(m_mutex);
        if (aliveLocked(generation))
            queueReportLocked(report.data(), std::size_t(n));
    }
}

} // namespace kestsim
