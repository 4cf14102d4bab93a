#include "faultplan.h"

#include <algorithm>
#include <thread>
#include <utility>

namespace kestsim {

bool FaultPlan::Countdown::next()
{
    if (passing > 0) {
        --passing;
        return false;
    }
    if (failing > 0) {
        --failing;
        return true;
    }
    return false;
}

void FaultPlan::failNextSends(int count, int after)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_sends = {count, after};
}

void FaultPlan::failNextReplies(int count, int after)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_replies = {count, after};
}

void FaultPlan::ignoreNextSends(int count, int after)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_ignored = {count, after};
}

void FaultPlan::unplugBeforeExchange(int k)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_unplugAt = std::max(k, 0);
}

void FaultPlan::shortenNextReply(int length, int after)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_distortion = {ReplyFault::Short, std::clamp(length, 1, 19)};
    m_distortAfter = after;
}

void FaultPlan::misdirectNextReply(int after)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_distortion = {ReplyFault::OtherIndex};
    m_distortAfter = after;
}

void FaultPlan::crossNextReply(int after)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_distortion = {ReplyFault::OtherCommand};
    m_distortAfter = after;
}

void FaultPlan::unplugBeforeReply(int after)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_distortion = {ReplyFault::Unplugged};
    m_distortAfter = after;
}

void FaultPlan::faultWhileWriting(WritingFault fault, std::chrono::milliseconds delay)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_writing = {fault, std::max(delay, std::chrono::milliseconds(0))};
}

void FaultPlan::setReplyMode(ReplyMode mode)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_replyMode = mode;
}

void FaultPlan::setExchangeDelay(std::chrono::microseconds delay)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_delay = delay;
}

void FaultPlan::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_sends = {};
    m_replies = {};
    m_ignored = {};
    m_unplugAt = 0;
    m_distortion = {};
    m_distortAfter = 0;
    m_writing = {};
    m_writingPending = false;
    m_replyMode = ReplyMode::Normal;
    m_delay = std::chrono::microseconds(0);
}

int FaultPlan::exchangeCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_exchanges;
}

int FaultPlan::inputReadsStarted() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_inputReads;
}

bool FaultPlan::pullsOutBefore()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_unplugAt > 0 && --m_unplugAt == 0;
}

void FaultPlan::reached()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_exchanges;
}

bool FaultPlan::fails(Exchange exchange)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return (exchange == Exchange::Send ? m_sends : m_replies).next();
}

bool FaultPlan::ignoresSend()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_ignored.next();
}

ReplyMode FaultPlan::replyMode() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_replyMode;
}

FaultPlan::Distortion FaultPlan::distortsReply()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_distortion.fault == ReplyFault::None)
        return {};
    if (m_distortAfter > 0) {
        --m_distortAfter;
        return {};
    }
    return std::exchange(m_distortion, Distortion());
}

FaultPlan::WritingPull FaultPlan::takesFirmwareEnd()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_writingPending = m_writing.fault != WritingFault::None;
    return std::exchange(m_writing, WritingPull());
}

bool FaultPlan::pullsWhileWriting()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return std::exchange(m_writingPending, false);
}

void FaultPlan::delayExchange() const
{
    std::chrono::microseconds d;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        d = m_delay;
    }
    if (d.count() > 0)
        std::this_thread::sleep_for(d);
}

void FaultPlan::delayInputRead()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_inputReads;
    }
    delayExchange();
}

} // namespace kestsim
