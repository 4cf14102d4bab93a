// hidapi's C API over the simulated pedal unit.

#include "simhid.h"

#include <hidapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>

struct hid_device_
{
    std::uint64_t generation; // the plug the handle was opened on
    bool nonblocking;
    hid_device_info *info = nullptr; // hid_get_device_info's, freed with the handle
};

namespace kestsim {

namespace {

/// The unit with its plan and its log; lives for the whole process, like the device.
struct InProcessUnit
{
    FaultPlan faults;
    PedalUnit unit {&faults};
    std::shared_ptr<WireLog> log = std::make_shared<WireLog>();
};

InProcessUnit &inProcess()
{
    static InProcessUnit *u = [] {
        auto *p = new InProcessUnit;
        p->unit.watch(p->log);
        std::string error;
        if (!configureFromEnvironment(p->unit, error)) {
            // A test run against a unit other than the one asked for would prove nothing.
            std::fprintf(stderr, "kest simulator: %s\n", error.c_str());
            std::exit(2);
        }
        return p;
    }();
    // The unit lives on for threads that still use it at exit, but its writing timer, once
    // started, is joined, not left to the end of the process.
    static const bool joinsTimer = std::atexit([] { u->unit.endWritingTimer(); }) == 0;
    (void)joinsTimer;
    return *u;
}

} // namespace

PedalUnit &unit()
{
    return inProcess().unit;
}

FaultPlan &faults()
{
    return inProcess().faults;
}

WireLog &wireLog()
{
    return *inProcess().log;
}

} // namespace kestsim

namespace {

constexpr unsigned short kVendor = 0xE5B7;
constexpr unsigned short kProduct = 0x6A1C;
const wchar_t kError[] = L"the simulated pedal unit is not plugged in";

bool alive(hid_device *dev)
{
    auto &u = kestsim::unit();
    return dev && u.isPlugged() && dev->generation == u.plugGeneration();
}

wchar_t *wideCopy(const wchar_t *s)
{
    const std::size_t n = std::wcslen(s) + 1;
    auto *out = static_cast<wchar_t *>(std::malloc(n * sizeof(wchar_t)));
    std::wmemcpy(out, s, n);
    return out;
}

} // namespace

extern "C" {

int HID_API_EXPORT HID_API_CALL hid_init(void)
{
    kestsim::unit();
    return 0;
}

int HID_API_EXPORT HID_API_CALL hid_exit(void)
{
    return 0;
}

struct hid_device_info HID_API_EXPORT *HID_API_CALL hid_enumerate(unsigned short vendor_id,
                                                                  unsigned short product_id)
{
    if (!kestsim::unit().isPlugged())
        return nullptr;
    if ((vendor_id && vendor_id != kVendor) || (product_id && product_id != kProduct))
        return nullptr;
    auto *info = static_cast<hid_device_info *>(std::calloc(1, sizeof(hid_device_info)));
    info->path = strdup("sim:kest-pedal");
    info->vendor_id = kVendor;
    info->product_id = kProduct;
    info->serial_number = wideCopy(L"SIM0001");
    info->release_number = 0x0100;
    info->manufacturer_string = wideCopy(L"Kest Labs");
    info->product_string = wideCopy(L"Kest Labs RM25 Pedals");
    info->usage_page = 0x01;
    info->usage = 0x04;
    info->interface_number = 0;
    info->bus_type = HID_API_BUS_USB;
    return info;
}

void HID_API_EXPORT HID_API_CALL hid_free_enumeration(struct hid_device_info *devs)
{
    while (devs) {
        hid_device_info *next = devs->next;
        std::free(devs->path);
        std::free(devs->serial_number);
        std::free(devs->manufacturer_string);
        std::free(devs->product_string);
        std::free(devs);
        devs = next;
    }
}

HID_API_EXPORT hid_device *HID_API_CALL hid_open(unsigned short vendor_id,
                                                 unsigned short product_id, const wchar_t *)
{
    auto &u = kestsim::unit();
    if (vendor_id != kVendor || product_id != kProduct || !u.isPlugged() || u.openDenied())
        return nullptr;
    u.logEvent("open");
    return new hid_device {u.plugGeneration(), false};
}

void HID_API_EXPORT HID_API_CALL hid_close(hid_device *dev)
{
    if (!dev)
        return;
    kestsim::unit().logEvent("close");
    hid_free_enumeration(dev->info);
    delete dev;
}

struct hid_device_info HID_API_EXPORT *HID_API_CALL hid_get_device_info(hid_device *dev)
{
    if (dev && !dev->info)
        dev->info = hid_enumerate(kVendor, kProduct);
    return dev ? dev->info : nullptr;
}

int HID_API_EXPORT HID_API_CALL hid_set_nonblocking(hid_device *dev, int nonblock)
{
    if (!dev)
        return -1;
    dev->nonblocking = nonblock != 0;
    return 0;
}

int HID_API_EXPORT HID_API_CALL hid_read_timeout(hid_device *dev, unsigned char *data,
                                                 size_t length, int milliseconds)
{
    if (!alive(dev))
        return -1;
    return kestsim::unit().readInput(data, length, milliseconds);
}

int HID_API_EXPORT HID_API_CALL hid_read(hid_device *dev, unsigned char *data, size_t length)
{
    if (!dev)
        return -1;
    return hid_read_timeout(dev, data, length, dev->nonblocking ? 0 : -1);
}

int HID_API_EXPORT HID_API_CALL hid_send_feature_report(hid_device *dev, const unsigned char *data,
                                                        size_t length)
{
    if (!alive(dev))
        return -1;
    return kestsim::unit().setFeature(data, length);
}

int HID_API_EXPORT HID_API_CALL hid_get_feature_report(hid_device *dev, unsigned char *data,
                                                       size_t length)
{
    if (!alive(dev))
        return -1;
    return kestsim::unit().getFeature(data, length);
}

HID_API_EXPORT const wchar_t *HID_API_CALL hid_error(hid_device *dev)
{
    return alive(dev) ? nullptr : kError;
}

} // extern "C"
