#include "kestdevice.h"

#include <hidapi.h>

#include <mutex>

namespace kest {

namespace {

std::mutex &deviceMutex()
{
    static std::mutex m;
    return m;
}

hid_device *g_handle = nullptr;
std::uint64_t g_opening = 0; // counts the successful opens

void closeLocked()
{
    if (g_handle) {
        hid_close(g_handle);
        g_handle = nullptr;
    }
}

int sendLocked(const Report &report)
{
    if (!g_handle)
        return -1;
    return hid_send_feature_report(g_handle, report.data(), report.size());
}

bool unitEnumerated()
{
    hid_device_info *list = hid_enumerate(KEST_VENDOR_ID, KEST_PRODUCT_ID);
    const bool found = list != nullptr;
    hid_free_enumeration(list);
    return found;
}

} // namespace

void deviceInit()
{
    hid_init();
}

DeviceOpenResult deviceOpen()
{
    {
        std::lock_guard<std::mutex> lock(deviceMutex());
        closeLocked();
        g_handle = hid_open(KEST_VENDOR_ID, KEST_PRODUCT_ID, nullptr);
        if (g_handle) {
            // Non-blocking from the start: a read that blocked here would hold the device
            // lock, and with it every other call, until the unit sent a report.
            hid_set_nonblocking(g_handle, 1);
            ++g_opening;
            return DeviceOpenResult::Opened;
        }
    }
    return unitEnumerated() ? DeviceOpenResult::NoAccess : DeviceOpenResult::NotFound;
}

void deviceClose()
{
    std::lock_guard<std::mutex> lock(deviceMutex());
    closeLocked();
}

bool deviceIsOpen()
{
    std::lock_guard<std::mutex> lock(deviceMutex());
    return g_handle != nullptr;
}

bool deviceQuery(std::uint8_t code, std::uint8_t index, Report &reply)
{
    std::lock_guard<std::mutex> lock(deviceMutex());
    if (!g_handle)
        return false;
    const Report request = readRequest(code, index);
    if (hid_send_feature_report(g_handle, request.data(), request.size()) <= 0)
        return false; // the unit would answer with its previous reply
    const Report prepared = reply;
    reply[0] = REPORT_ID;
    const int length = hid_get_feature_report(g_handle, reply.data(), reply.size());
    if (!replyMatches(code, index, reply, length)) {
        reply = prepared;
        return false;
    }
    return true;
}

bool deviceSettingRead(std::uint8_t id, std::uint32_t &value)
{
    Report reply {};
    const bool ok = deviceQuery(CMD_DEVICE_SETTING, id, reply);
    value = settingValue(reply);
    return ok;
}

std::uint32_t deviceSettingRead(std::uint8_t id)
{
    std::uint32_t value = 0;
    deviceSettingRead(id, value);
    return value;
}

bool deviceSettingWrite(std::uint8_t id, std::uint32_t value)
{
    return deviceWrite(settingWrite(id, value, true));
}

bool deviceSettingApply(std::uint8_t id, std::uint32_t value)
{
    return deviceWrite(settingWrite(id, value, false));
}

int deviceSend(const Report &report)
{
    std::lock_guard<std::mutex> lock(deviceMutex());
    return sendLocked(report);
}

std::uint64_t deviceOpening()
{
    std::lock_guard<std::mutex> lock(deviceMutex());
    return g_handle ? g_opening : 0;
}

int deviceSendInOpening(const Report &report, std::uint64_t opening)
{
    std::lock_guard<std::mutex> lock(deviceMutex());
    if (opening == 0 || opening != g_opening)
        return -1;
    return sendLocked(report);
}

void deviceSetNonblocking(bool nonblocking)
{
    std::lock_guard<std::mutex> lock(deviceMutex());
    if (g_handle)
        hid_set_nonblocking(g_handle, nonblocking ? 1 : 0);
}

int deviceRead(std::uint8_t *buffer, std::size_t length)
{
    std::lock_guard<std::mutex> lock(deviceMutex());
    if (!g_handle)
        return DEVICE_NO_HANDLE;
    return hid_read(g_handle, buffer, length);
}

} // namespace kest
