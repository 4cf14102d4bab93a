#include "pedalunit.h"

#include <algorithm>
#include <cmath>

namespace kestsim {

namespace {

// The unit's side of the protocol, written down here again rather than taken from the
// program's protocol header: the simulator is an independent oracle, so a wrong byte in
// the program cannot agree with itself in the tests.
constexpr std::uint8_t kSlotName = 0x03;
constexpr std::uint8_t kSlotCurve = 0x04;
constexpr std::uint8_t kPedalRange = 0x05;
constexpr std::uint8_t kFirmwareVersion = 0x09;
constexpr std::uint8_t kRead = 0x0B;
constexpr std::uint8_t kSetting = 0x0C;
constexpr std::uint8_t kFirmwareEnd = 0x10;
constexpr std::uint8_t kPedalMode = 0x07;
constexpr std::uint8_t kActiveProfile = 0x0F;
constexpr std::uint8_t kClearFlash = 0x10;
constexpr std::uint8_t kCommit = 0xEF;

constexpr std::size_t kReportSize = 20;
constexpr std::uint8_t kCommandReportId = 0x02;
constexpr std::size_t kInputSize = 17;
constexpr std::uint8_t kInputReportId = 0x01;
constexpr std::size_t kMaxQueuedInputs = 64; // as a hidraw node buffers them
constexpr double kPi = 3.14159265358979323846;

std::uint32_t le32(const std::uint8_t *p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
        | std::uint32_t(p[3]) << 24;
}

void putLe32(std::uint8_t *p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = std::uint8_t(v >> (8 * i));
}

} // namespace

std::array<Slot, 16> Settings::erasedSlots()
{
    std::array<Slot, 16> slots;
    for (auto &s : slots) {
        s.name.assign(17, 0xFF);
        s.record.fill(0xFF);
    }
    return slots;
}

bool Settings::operator==(const Settings &o) const
{
    return pedalMode == o.pedalMode && activeProfile == o.activeProfile
        && calibration == o.calibration && deadzone == o.deadzone && slots == o.slots;
}

UnitObserver::~UnitObserver() = default;
void UnitObserver::logged(const WireEntry &) { }
void UnitObserver::keptChanged(const UnitState &) { }

PedalUnit::PedalUnit(FaultPlan *faults)
    : m_faults(faults), m_effect(m_state.kept), m_nextDue(m_start)
{
    m_reply[0] = kCommandReportId;
    m_previousReply = m_reply;
}

PedalUnit::~PedalUnit()
{
    endWritingTimer();
}

void PedalUnit::endWritingTimer()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_closing = true;
    }
    m_writingWake.notify_all();
    if (m_writingTimer.joinable())
        m_writingTimer.join();
}

double PedalUnit::secondsLocked(Clock::time_point t) const
{
    return std::chrono::duration<double>(t - m_start).count();
}

void PedalUnit::logLocked(const char *kind, const std::uint8_t *data, std::size_t length)
{
    if (m_observers.empty())
        return;
    WireEntry e;
    e.seconds = secondsLocked(Clock::now());
    e.kind = kind;
    if (data)
        e.bytes.assign(data, data + length);
    for (const auto &o : m_observers)
        o->logged(e);
}

void PedalUnit::keepChangedLocked()
{
    for (const auto &o : m_observers)
        o->keptChanged(m_state);
}

bool PedalUnit::exchangeLocked()
{
    if (m_faults && m_faults->pullsOutBefore())
        unplugLocked();
    if (!m_plugged)
        return false;
    if (m_faults)
        m_faults->reached();
    return true;
}

void PedalUnit::writingFaultLocked()
{
    if (!m_faults)
        return;
    const FaultPlan::WritingPull pull = m_faults->takesFirmwareEnd();
    if (pull.fault == WritingFault::None)
        return;
    m_writingReplug = pull.fault == WritingFault::Replugged;
    if (pull.delay.count() == 0) {
        // Right after the end report, which the unit has taken: its sender sees success.
        if (m_faults->pullsWhileWriting()) {
            unplugLocked();
            if (m_writingReplug)
                plugLocked();
        }
        return;
    }
    m_writingPullAt = Clock::now() + pull.delay;
    if (m_writingPending) { // the running timer takes the new time
        m_writingWake.notify_all();
        return;
    }
    // A timer that cleared its flag has let go of the lock for good: it is ending.
    if (m_writingTimer.joinable())
        m_writingTimer.join();
    m_writingPending = true;
    m_writingTimer = std::thread(&PedalUnit::writingTimer, this);
}

void PedalUnit::writingTimer()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_closing && Clock::now() < m_writingPullAt)
        m_writingWake.wait_until(lock, m_writingPullAt);
    if (!m_closing && m_faults->pullsWhileWriting()) {
        unplugLocked();
        if (m_writingReplug)
            plugLocked();
    }
    m_writingPending = false;
}

void PedalUnit::unplugLocked()
{
    m_plugged = false;
    m_inputReady.notify_all();
}

PedalUnit::Reply PedalUnit::replyLocked(std::uint8_t code, std::uint8_t index) const
{
    Reply reply {};
    reply[0] = kCommandReportId;
    reply[1] = code;
    switch (code) {
    case kSlotName: // slot name, bytes 3..19
        reply[2] = index;
        if (index < 16) {
            const Bytes &name = m_effect.slots[index].name;
            std::copy_n(name.begin(), std::min<std::size_t>(name.size(), 17), &reply[3]);
        }
        break;
    case kSlotCurve: // slot record, bytes 2..8
        if (index < 16)
            std::copy(m_effect.slots[index].record.begin(), m_effect.slots[index].record.end(),
                      &reply[2]);
        break;
    case kPedalRange: { // a range table, in the form of the range write
        reply[2] = 0x01;
        reply[3] = index;
        const auto *table = index == 0 ? &m_effect.calibration
            : index == 1               ? &m_effect.deadzone
                                       : nullptr;
        if (table) {
            for (int k = 0; k < 6; ++k) {
                reply[std::size_t(5 + 2 * k)] = std::uint8_t((*table)[std::size_t(k)] & 0xFF);
                reply[std::size_t(6 + 2 * k)] = std::uint8_t((*table)[std::size_t(k)] >> 8);
            }
        }
        if (m_faults && m_faults->replyMode() == ReplyMode::RangeTail) {
            reply[17] = 0xA5;
            reply[18] = 0x5A;
            reply[19] = std::uint8_t(index + 1);
        }
        break;
    }
    case kFirmwareVersion: { // firmware version text, bytes 2..19
        const std::string &v = m_state.version;
        std::copy_n(v.begin(), std::min<std::size_t>(v.size(), 18), &reply[2]);
        break;
    }
    case kSetting: { // a setting, bytes 3..6
        reply[2] = index;
        std::uint32_t value = 0;
        if (index == kPedalMode)
            value = m_effect.pedalMode;
        else if (index == kActiveProfile)
            value = m_effect.activeProfile;
        putLe32(&reply[3], value);
        break;
    }
    default:
        break;
    }
    if (!m_echoing && code != kPedalRange) {
        reply[1] = 0;
        if (code == kSlotName || code == kSetting)
            reply[2] = 0;
    }
    return reply;
}

PedalUnit::Reply PedalUnit::distortedReplyLocked(ReplyFault fault) const
{
    const std::uint8_t code = m_readCode, index = m_readIndex;
    if (fault == ReplyFault::OtherIndex) {
        switch (code) {
        case kPedalRange:
            return replyLocked(code, std::uint8_t(index ^ 1));
        case kSetting:
            return replyLocked(code, index == kPedalMode ? kActiveProfile : kPedalMode);
        case kSlotName:
        case kSlotCurve:
            // Two erased slots answer a record read alike: the nearest slot that differs.
            for (int k = 1; k < 16; ++k) {
                const Reply other = replyLocked(code, std::uint8_t(index ^ k));
                if (other != m_reply)
                    return other;
            }
            return replyLocked(code, std::uint8_t(index ^ 1));
        default: // the version read has no index
            return m_reply;
        }
    }
    if (fault == ReplyFault::OtherCommand) {
        switch (code) {
        case kSlotName:
            return replyLocked(kSlotCurve, index);
        case kSlotCurve:
            return replyLocked(kSlotName, index);
        case kPedalRange:
        case kSetting:
            return replyLocked(kFirmwareVersion, 0);
        case kFirmwareVersion:
            return replyLocked(kSetting, kPedalMode);
        default:
            return m_reply;
        }
    }
    return m_reply;
}

int PedalUnit::setFeature(const std::uint8_t *data, std::size_t length)
{
    if (m_faults)
        m_faults->delayExchange();
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!exchangeLocked())
        return -1;
    // The unit has one feature report; any other report ID is refused, as by the device.
    if (length == 0 || data[0] != kCommandReportId)
        return -1;
    if (m_faults && m_faults->fails(FaultPlan::Exchange::Send))
        return -1;
    logLocked("set", data, length);
    if (m_faults && m_faults->ignoresSend())
        return int(length);
    std::array<std::uint8_t, kReportSize> r {};
    std::copy_n(data, std::min(length, kReportSize), r.begin());
    const std::uint8_t cmd = r[1];
    bool kept = false;

    if (cmd & 0x80) { // firmware data: 15-bit chunk index, n image bytes
        const int chunk = (cmd & 0x7F) << 8 | r[2];
        const std::size_t n = std::min<std::size_t>(r[3], 16);
        m_chunks[chunk] = Bytes(r.begin() + 4, r.begin() + 4 + std::ptrdiff_t(n));
    } else if (cmd == kRead) {
        m_previousReply = m_reply;
        m_readCode = r[2];
        m_readIndex = r[3];
        m_reply = replyLocked(m_readCode, m_readIndex);
    } else if (cmd == kSlotName && r[2] < 16) { // slot name: in effect until a committed curve
        auto end = std::find(r.begin() + 3, r.end(), std::uint8_t(0));
        m_effect.slots[r[2]].name.assign(r.begin() + 3, end);
    } else if (cmd == kSlotCurve && r[2] < 16) { // slot curve, kept with the name on commit
        Slot &s = m_effect.slots[r[2]];
        s.record = {r[2], r[3], r[5], r[6], r[7], r[8], r[9]};
        if (r[4] == kCommit) {
            m_state.kept.slots[r[2]] = s;
            kept = true;
        }
    } else if (cmd == kPedalRange && r[3] <= 1) {
        auto &table = r[3] == 0 ? m_effect.calibration : m_effect.deadzone;
        for (std::size_t k = 0; k < 6; ++k)
            table[k] = std::uint16_t(r[5 + 2 * k] | r[6 + 2 * k] << 8);
        if (r[4] == kCommit) {
            (r[3] == 0 ? m_state.kept.calibration : m_state.kept.deadzone) = table;
            kept = true;
        }
    } else if (cmd == kSetting) {
        const std::uint32_t value = le32(&r[3]);
        const bool commit = r[7] == kCommit;
        if (r[2] == kPedalMode || r[2] == kActiveProfile) {
            auto field = r[2] == kPedalMode ? &Settings::pedalMode : &Settings::activeProfile;
            m_effect.*field = value;
            if (commit) {
                m_state.kept.*field = value;
                kept = true;
            }
        } else if (r[2] == kClearFlash) { // erase the flash: back to the factory state
            m_state.kept = Settings();
            m_effect = m_state.kept;
            kept = true;
        }
    } else if (cmd == kFirmwareEnd) { // firmware end: assemble the image by chunk index
        m_image.clear();
        m_gaps.clear();
        if (!m_chunks.empty()) {
            const int last = m_chunks.rbegin()->first;
            for (int c = 0; c <= last; ++c) {
                auto it = m_chunks.find(c);
                if (it == m_chunks.end()) {
                    m_gaps.push_back(c);
                    m_image.insert(m_image.end(), 16, 0);
                } else {
                    m_image.insert(m_image.end(), it->second.begin(), it->second.end());
                }
            }
        }
        m_chunks.clear();
        ++m_ends;
        writingFaultLocked();
    }
    if (kept)
        keepChangedLocked();
    return int(length);
}

int PedalUnit::getFeature(std::uint8_t *data, std::size_t length)
{
    if (m_faults)
        m_faults->delayExchange();
    std::lock_guard<std::mutex> lock(m_mutex);
    const FaultPlan::Distortion distortion
        = m_plugged && m_faults ? m_faults->distortsReply() : FaultPlan::Distortion();
    if (distortion.fault == ReplyFault::Unplugged)
        unplugLocked();
    if (!exchangeLocked())
        return -1;
    if (length == 0 || data[0] != kCommandReportId)
        return -1;
    if (m_faults && m_faults->fails(FaultPlan::Exchange::Reply))
        return -1;
    std::size_t n = std::min(length, kReportSize);
    Reply reply = m_reply;
    const ReplyMode mode = m_faults ? m_faults->replyMode() : ReplyMode::Normal;
    if (mode == ReplyMode::AllFF)
        reply.fill(0xFF);
    else if (mode == ReplyMode::Behind)
        reply = m_previousReply;
    if (distortion.fault == ReplyFault::Short)
        n = std::min(n, std::size_t(distortion.length));
    else if (distortion.fault != ReplyFault::None)
        reply = distortedReplyLocked(distortion.fault);
    std::copy_n(reply.begin(), n, data);
    logLocked("get", data, n);
    return int(n);
}

bool PedalUnit::streamDueLocked(Clock::time_point now) const
{
    return m_streaming && now >= m_nextDue;
}

Bytes PedalUnit::makeInputLocked(Clock::time_point now)
{
    if (m_state.motion == Motion::Sweep) {
        static const double periods[3] = {4.0, 3.0, 5.0};
        const double t = secondsLocked(now);
        for (int p = 0; p < 3; ++p) {
            const double phase = 2 * kPi * t / periods[p] + p;
            m_state.pedals[std::size_t(p)] = std::uint16_t(32767.5 * (1 - std::cos(phase)));
        }
    }
    Bytes r(kInputSize, 0);
    r[0] = kInputReportId;
    for (std::size_t p = 0; p < 3; ++p) {
        r[1 + 2 * p] = std::uint8_t(m_state.pedals[p] & 0xFF);
        r[2 + 2 * p] = std::uint8_t(m_state.pedals[p] >> 8);
    }
    return r;
}

int PedalUnit::readInput(std::uint8_t *data, std::size_t length, int timeoutMs)
{
    if (m_faults)
        m_faults->delayInputRead();
    std::unique_lock<std::mutex> lock(m_mutex);
    const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    for (;;) {
        if (!m_plugged)
            return -1;
        const auto now = Clock::now();
        Bytes report;
        if (!m_inputs.empty()) {
            report = std::move(m_inputs.front());
            m_inputs.pop_front();
        } else if (streamDueLocked(now)) {
            report = makeInputLocked(now);
            if (m_state.rate > 0) {
                const auto period = std::chrono::duration_cast<Clock::duration>(
                    std::chrono::duration<double>(1.0 / m_state.rate));
                // A host that falls far behind loses reports, as with a full buffer.
                m_nextDue = std::max(m_nextDue + period, now - period * 64);
            }
        }
        if (!report.empty()) {
            const std::size_t n = std::min(length, report.size());
            std::copy_n(report.begin(), n, data);
            logLocked("in", data, n);
            return int(n);
        }
        if (timeoutMs == 0 || (timeoutMs > 0 && now >= deadline))
            return 0;
        auto wakeAt = timeoutMs > 0 ? deadline : now + std::chrono::milliseconds(100);
        if (m_streaming && m_nextDue < wakeAt)
            wakeAt = m_nextDue;
        m_inputReady.wait_until(lock, wakeAt);
    }
}

void PedalUnit::logEvent(const std::string &kind)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    logLocked(kind.c_str(), nullptr, 0);
}

void PedalUnit::plug()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    plugLocked();
}

void PedalUnit::plugLocked()
{
    if (m_plugged)
        return;
    m_plugged = true;
    ++m_generation;
    m_effect = m_state.kept; // what was only in effect is gone
    m_inputs.clear();
    m_chunks.clear();
    m_reply.fill(0);
    m_reply[0] = kCommandReportId;
    m_previousReply = m_reply;
    m_readCode = m_readIndex = 0;
    m_nextDue = Clock::now();
}

void PedalUnit::unplug()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    unplugLocked();
}

bool PedalUnit::isPlugged() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_plugged;
}

std::uint64_t PedalUnit::plugGeneration() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_generation;
}

void PedalUnit::queueInput(const Bytes &report)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_inputs.size() >= kMaxQueuedInputs)
            m_inputs.pop_front();
        m_inputs.push_back(report);
    }
    m_inputReady.notify_all();
}

void PedalUnit::setPedals(std::uint16_t clutch, std::uint16_t brake, std::uint16_t throttle)
{
    Bytes report;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_state.pedals = {clutch, brake, throttle};
        report = makeInputLocked(Clock::now());
    }
    queueInput(report);
}

void PedalUnit::setStreaming(bool on, double rate, Motion motion)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_streaming = on;
        m_state.rate = rate;
        m_state.motion = motion;
        m_nextDue = Clock::now();
    }
    m_inputReady.notify_all();
}

void PedalUnit::setEchoing(bool echoing)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_echoing = echoing;
}

bool PedalUnit::echoing() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_echoing;
}

void PedalUnit::setOpenDenied(bool denied)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_openDenied = denied;
}

bool PedalUnit::openDenied() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_openDenied;
}

void PedalUnit::watch(std::shared_ptr<UnitObserver> observer)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_observers.push_back(std::move(observer));
}

void PedalUnit::unwatch(const UnitObserver *observer)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_observers.erase(std::remove_if(m_observers.begin(), m_observers.end(),
                                     [&](const auto &o) { return o.get() == observer; }),
                      m_observers.end());
}

UnitState PedalUnit::state() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state;
}

Settings PedalUnit::inEffect() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_effect;
}

void PedalUnit::setState(const UnitState &state)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_state = state;
    m_effect = state.kept;
    m_inputs.clear();
    m_nextDue = Clock::now();
}

void PedalUnit::setVersion(const std::string &version)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_state.version = version;
}

Bytes PedalUnit::firmwareImage() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_image;
}

int PedalUnit::firmwareEndCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_ends;
}

std::vector<int> PedalUnit::firmwareGaps() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_gaps;
}

} // namespace kestsim
