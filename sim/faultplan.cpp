#include "faultplan.h"

#include <algorithm>
#include <thread>

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

void FaultPlan::unplugBeforeExchange(int k)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_unplugAt = std::max(k, 0);
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
    m_unplugAt = 0;
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

ReplyMode FaultPlan::replyMode() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_replyMode;
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
