#pragma once

// What goes wrong on the way to the simulated unit, and how slowly: the failures a test
// arranges for a host's failure paths, and the bus time a benchmark adds. The unit asks
// its plan before every exchange and every input read; a unit without a plan answers
// every exchange at once.
//
// All members are thread-safe.

#include <chrono>
#include <mutex>

namespace kestsim {

/// How the unit answers reads, for tests of a host's failure paths.
enum class ReplyMode {
    Normal,
    RangeTail, ///< range replies carry non-zero bytes 17-19, which a write-back must keep
    AllFF, ///< every reply is 20 bytes of 0xFF
    Behind, ///< every reply answers the read before the latest one
};

class FaultPlan
{
public:
    // --- arranged by tests ------------------------------------------------------------
    /// Lets the next `after` sends through, then fails `count` of them.
    void failNextSends(int count, int after = 0);
    /// Lets the next `after` reply reads through, then fails `count` of them.
    void failNextReplies(int count, int after = 0);
    /// Pulls the unit out right before the k-th feature exchange from now (k >= 1; a
    /// send or a reply read counts as one exchange), as a cable pulled mid-operation.
    /// 0 cancels.
    void unplugBeforeExchange(int k);
    void setReplyMode(ReplyMode mode);
    /// Bus time before every exchange and input read.
    void setExchangeDelay(std::chrono::microseconds delay);
    /// Nothing fails any more, replies are normal and take no time; the counts stay.
    void clear();

    /// Feature exchanges (sends and reply reads) that reached the unit while plugged.
    int exchangeCount() const;
    /// How many input reads have begun (a read sleeps the exchange delay first).
    int inputReadsStarted() const;

    // --- asked by the unit --------------------------------------------------------------
    enum class Exchange { Send, Reply };
    /// Before every feature exchange, plugged or not: true when the unit is to be pulled
    /// out right before this one.
    bool pullsOutBefore();
    /// Counts an exchange that reached the plugged unit.
    void reached();
    /// Whether this send or reply read fails (a report the unit refuses anyway is not
    /// asked about).
    bool fails(Exchange exchange);
    ReplyMode replyMode() const;
    /// Sleeps the bus time of one exchange; call without holding the unit's lock.
    void delayExchange() const;
    /// Counts an input read, then sleeps the bus time; call without the unit's lock.
    void delayInputRead();

private:
    struct Countdown
    {
        int failing = 0;
        int passing = 0; // before the failures begin

        bool next(); // true when this one fails
    };

    mutable std::mutex m_mutex;
    Countdown m_sends;
    Countdown m_replies;
    int m_unplugAt = 0;
    int m_exchanges = 0;
    int m_inputReads = 0;
    ReplyMode m_replyMode = ReplyMode::Normal;
    std::chrono::microseconds m_delay {0};
};

} // namespace kestsim
