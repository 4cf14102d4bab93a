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

/// How one reply read goes wrong (the plan's distort... controls).
enum class ReplyFault {
    None,
    Short, ///< only the first n bytes (0 < n < 20) arrive; the read returns n
    OtherIndex, ///< the unit's reply to the same command for another index
    OtherCommand, ///< the unit's reply to another command's read
    Unplugged, ///< the unit is pulled out after the request, before its reply
};

/// What becomes of the unit while it writes an uploaded image.
enum class WritingFault {
    None,
    Unplugged, ///< pulled out
    Replugged, ///< pulled out and plugged back in at once: a new opening
};

class FaultPlan
{
public:
    // --- arranged by tests ------------------------------------------------------------
    /// Lets the next `after` sends through, then fails `count` of them.
    void failNextSends(int count, int after = 0);
    /// Lets the next `after` reply reads through, then fails `count` of them.
    void failNextReplies(int count, int after = 0);
    /// Lets the next `after` sends through, then has the unit take `count` of them
    /// without acting on them: hidapi reports them sent, a write changes nothing, and a
    /// read request leaves the unit's reply to the read before (a stale reply).
    void ignoreNextSends(int count, int after = 0);
    /// Pulls the unit out right before the k-th feature exchange from now (k >= 1; a
    /// send or a reply read counts as one exchange), as a cable pulled mid-operation.
    /// 0 cancels.
    void unplugBeforeExchange(int k);
    /// Lets the next `after` reply reads through, then gives only the first `length`
    /// bytes (1..19) of the one after: the read returns `length` and leaves the rest of
    /// the buffer alone.
    void shortenNextReply(int length, int after = 0);
    /// Lets the next `after` reply reads through, then answers the one after as the unit
    /// answers the same command for another index: the other range table, the other
    /// setting (pedal mode and active profile), the nearest slot whose reply differs. The
    /// version read has no index; its reply stays as it is.
    void misdirectNextReply(int after = 0);
    /// Lets the next `after` reply reads through, then answers the one after as the unit
    /// answers another command's read: a name read with the slot's record, a record read
    /// with the slot's name, a range or setting read with the version, the version read
    /// with the pedal mode.
    void crossNextReply(int after = 0);
    /// Lets the next `after` reply reads through, then pulls the unit out right before
    /// the one after: its request was taken, its reply never comes.
    void unplugBeforeReply(int after = 0);
    /// The next firmware end report goes through; `delay` after the unit took it (0: at
    /// once), while it writes the image, the unit is pulled out, and with `fault`
    /// Replugged also plugged back in. clear() cancels a pull that has not happened yet.
    void faultWhileWriting(WritingFault fault,
                           std::chrono::milliseconds delay = std::chrono::milliseconds(0));
    void setReplyMode(ReplyMode mode);
    /// Bus time before every exchange and input read.
    void setExchangeDelay(std::chrono::microseconds delay);
    /// Nothing fails any more, replies are normal and take no time, and a pull while
    /// writing that has not happened yet is called off; the counts stay.
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
    /// Whether the unit leaves this send, which went through, without effect.
    bool ignoresSend();
    ReplyMode replyMode() const;
    struct Distortion
    {
        ReplyFault fault = ReplyFault::None;
        int length = 20; ///< of a Short reply
    };
    /// Before every reply read that reaches the plugged unit: how this one goes wrong.
    Distortion distortsReply();
    struct WritingPull
    {
        WritingFault fault = WritingFault::None;
        std::chrono::milliseconds delay {0};
    };
    /// When the unit takes a firmware end report: what happens while it writes. The
    /// unit then asks pullsWhileWriting() when the delay has passed.
    WritingPull takesFirmwareEnd();
    /// Whether the pull that takesFirmwareEnd() announced is still due (not cleared).
    bool pullsWhileWriting();
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
    Countdown m_ignored; // sends
    Distortion m_distortion;
    int m_distortAfter = 0;
    WritingPull m_writing;
    bool m_writingPending = false; // announced to the unit, not yet done
    int m_unplugAt = 0;
    int m_exchanges = 0;
    int m_inputReads = 0;
    ReplyMode m_replyMode = ReplyMode::Normal;
    std::chrono::microseconds m_delay {0};
};

} // namespace kestsim
