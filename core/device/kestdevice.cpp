#include "kestdevice.h"

#include "diagnostics.h"
#include "unitlock.h"

#include <hidapi.h>

#include <QFile>
#include <QLoggingCategory>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <string>

namespace kest {

Q_LOGGING_CATEGORY(lcDiagnostics, "kest.diagnostics", QtInfoMsg)

namespace {

Q_LOGGING_CATEGORY(lcDevice, "kest.device", QtInfoMsg)

// How long an exchange waits for another program's: that one holds the unit for a
// request and its reply, a few milliseconds, or for one write. Two seconds is far
// beyond that and still short of what looks like a hung program to its user, and the
// exchange then fails as any exchange the unit did not answer: the operation says so.
constexpr std::chrono::milliseconds SHARED_LOCK_BOUND(2000);

std::mutex &deviceMutex()
{
    static std::mutex m;
    return m;
}

hid_device *g_handle = nullptr;
std::uint64_t g_opening = 0; // counts the successful opens
std::string g_node; // of g_handle
ReplyEchoes g_echoes; // what this opening's replies have shown of their echoes
UnitLock g_unitLock; // shared with the other programs on the unit; per opening

// The support trace (deviceTrace): written under the device lock, so its lines keep the
// order in which the exchanges happened.
std::FILE *g_trace = nullptr;
std::chrono::steady_clock::time_point g_traceStart;

void traceLocked(const char *kind, const std::uint8_t *data = nullptr, std::size_t length = 0)
{
    if (!g_trace)
        return;
    const std::chrono::duration<double> since = std::chrono::steady_clock::now() - g_traceStart;
    std::fprintf(g_trace, "%.6f %s", since.count(), kind);
    for (std::size_t i = 0; i < length; ++i)
        std::fprintf(g_trace, " %02x", data[i]);
    std::fputc('\n', g_trace);
    std::fflush(g_trace); // a program that ends abruptly still leaves every line
}

/// A remark in the trace, after "#": what the program decided, not a report.
void traceNoteLocked(const std::string &text)
{
    if (!g_trace)
        return;
    const std::chrono::duration<double> since = std::chrono::steady_clock::now() - g_traceStart;
    std::fprintf(g_trace, "%.6f # %s\n", since.count(), text.c_str());
    std::fflush(g_trace);
}

/// Holds the lock shared with the other programs on the unit for one exchange (a read
/// request and its reply, or a write), beside the device mutex, which the caller holds.
/// Without a lock file (a unit that is no hidraw node) there is nothing to take.
class SharedExchange
{
public:
    SharedExchange()
    {
        if (!g_unitLock.isOpen())
            return;
        if (g_unitLock.lock(SHARED_LOCK_BOUND)) {
            m_locked = true;
            return;
        }
        m_failed = true;
        const std::string why = "another program kept the pedal unit for over "
            + std::to_string(SHARED_LOCK_BOUND.count()) + " ms (" + g_unitLock.file()
            + "): the exchange failed";
        traceNoteLocked(why);
        qCWarning(lcDevice, "%s", why.c_str());
    }
    ~SharedExchange()
    {
        if (m_locked)
            g_unitLock.unlock();
    }
    SharedExchange(const SharedExchange &) = delete;
    SharedExchange &operator=(const SharedExchange &) = delete;

    bool failed() const { return m_failed; }

private:
    bool m_locked = false;
    bool m_failed = false;
};

/// The node hidapi opened, as the system names it (hidapi's path). Asks nothing of the
/// unit.
std::string nodeOf(hid_device *handle)
{
#if HID_API_VERSION >= HID_API_MAKE_VERSION(0, 13, 0)
    if (const hid_device_info *info = hid_get_device_info(handle); info && info->path)
        return info->path;
#else
    Q_UNUSED(handle);
#endif
    return std::string();
}

void closeLocked()
{
    if (g_handle) {
        hid_close(g_handle);
        g_handle = nullptr;
        g_node.clear();
        g_unitLock.close();
        traceLocked("close");
    }
}

/// Sends a report; the caller holds the shared lock (or has none to hold).
int sendHeldLocked(const Report &report)
{
    if (!g_handle)
        return -1;
    const int sent = hid_send_feature_report(g_handle, report.data(), report.size());
    if (sent > 0)
        traceLocked("set", report.data(), report.size());
    return sent;
}

/// A write on its own: takes the shared lock for it.
int sendLocked(const Report &report)
{
    if (!g_handle)
        return -1;
    const SharedExchange exchange;
    if (exchange.failed())
        return -1;
    return sendHeldLocked(report);
}

/// Opens the lock shared with the other programs on the unit at g_node, and says in the
/// trace what this opening checks of the replies.
void startOpeningLocked()
{
    g_echoes = ReplyEchoes();
    traceNoteLocked(g_echoes.describe());
    const std::string file = UnitLock::fileFor(g_node);
    if (file.empty()) {
        traceNoteLocked("no lock shared with other programs: the unit is no device node");
        return;
    }
    std::string error;
    if (g_unitLock.open(file, &error)) {
        traceNoteLocked("lock shared with other programs: " + file);
    } else {
        const std::string why = "no lock shared with other programs: " + error;
        traceNoteLocked(why);
        qCWarning(lcDevice, "%s", why.c_str());
    }
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

bool deviceTrace(const QString &path, QString *error)
{
    std::lock_guard<std::mutex> lock(deviceMutex());
    if (g_trace) {
        std::fclose(g_trace);
        g_trace = nullptr;
    }
    if (path.isEmpty())
        return true;
    g_trace = std::fopen(QFile::encodeName(path).constData(), "a");
    if (!g_trace) {
        if (error)
            *error = path + QStringLiteral(": the trace file cannot be written");
        return false;
    }
    g_traceStart = std::chrono::steady_clock::now();
    return true;
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
            g_node = nodeOf(g_handle);
            traceLocked("open");
            startOpeningLocked();
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

QString deviceNode()
{
    std::lock_guard<std::mutex> lock(deviceMutex());
    return QString::fromLocal8Bit(g_node.data(), qsizetype(g_node.size()));
}

bool deviceQuery(std::uint8_t code, std::uint8_t index, Report &reply)
{
    std::lock_guard<std::mutex> lock(deviceMutex());
    if (!g_handle)
        return false;
    const SharedExchange exchange; // no other program's request between these two
    if (exchange.failed())
        return false;
    const Report prepared = reply;
    for (bool again = false;; again = true) {
        if (sendHeldLocked(readRequest(code, index)) <= 0)
            break; // the unit would answer with its previous reply
        reply = prepared;
        reply[0] = REPORT_ID;
        const int length = hid_get_feature_report(g_handle, reply.data(), reply.size());
        if (length > 0)
            traceLocked("get", reply.data(), std::min(std::size_t(length), reply.size()));
        if (!replyMatches(code, index, reply, length, ECHO_NONE))
            break;
        const std::string before = g_echoes.describe();
        const ReplyEchoes::Verdict verdict = g_echoes.judge(code, index, reply, again);
        if (g_echoes.describe() != before)
            traceNoteLocked(g_echoes.describe());
        if (verdict == ReplyEchoes::Verdict::Accept)
            return true;
        if (verdict == ReplyEchoes::Verdict::Refuse)
            break;
    }
    reply = prepared;
    return false;
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
    return sendLocked(report); // the shared lock per report: two system calls
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
    const int got = hid_read(g_handle, buffer, length);
    if (got > 0)
        traceLocked("in", buffer, std::min(std::size_t(got), length));
    return got;
}

} // namespace kest
