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
std::uint64_t g_session = 0; // counts the successful opens

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
            ++g_session;
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

void deviceQuery(std::uint8_t code, std::uint8_t index, Report &reply)
{
    std::lock_guard<std::mutex> lock(deviceMutex());
    if (!g_handle)
        return;
    const Report request = readRequest(code, index);
    hid_send_feature_report(g_handle, request.data(), request.size());
    reply[0] = REPORT_ID;
    hid_get_feature_report(g_handle, reply.data(), reply.size());
}

std::uint32_t deviceSettingRead(std::uint8_t id)
{
    Report reply {};
    deviceQuery(CMD_DEVICE_SETTING, id, reply);
    return settingValue(reply);
}

void deviceSettingWrite(std::uint8_t id, std::uint32_t value)
{
    deviceSend(settingWrite(id, value, true));
}

void deviceSettingApply(std::uint8_t id, std::uint32_t value)
{
    deviceSend(settingWrite(id, value, false));
}

int deviceSend(const Report &report)
{
    std::lock_guard<std::mutex> lock(deviceMutex());
    return sendLocked(report);
}

std::uint64_t deviceSession()
{
    std::lock_guard<std::mutex> lock(deviceMutex());
    return g_handle ? g_session : 0;
}

int deviceSendInSession(const Report &report, std::uint64_t session)
{
    std::lock_guard<std::mutex> lock(deviceMutex());
    if (session == 0 || session != g_session)
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
