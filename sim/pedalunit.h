#pragma once

// A model of the pedal unit as the program sees it from the outside: it answers the
// command protocol, keeps 16 profile slots, two pedal-range tables and the settings,
// reassembles firmware uploads and produces input reports. Both simulator fronts (the
// in-process hidapi and kest-pedal-sim) drive this one model.
//
// The unit distinguishes values in effect from values kept: every write puts its values
// into effect; a write with the commit byte also keeps them. Re-plugging the unit (or a
// restart from its state file) brings back only what was kept. Reads answer from the
// values in effect.
//
// All members are thread-safe.

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace kestsim {

using Bytes = std::vector<std::uint8_t>;

struct Slot
{
    Bytes name; ///< without terminator; an erased slot holds 17 bytes of 0xFF
    std::array<std::uint8_t, 7> record {}; ///< slot, pedal code, five curve bytes

    bool isFree() const { return name.empty() || name.front() == 0xFF; }
    bool operator==(const Slot &o) const { return name == o.name && record == o.record; }
};

/// What the unit holds in its flash (kept) or uses right now (in effect).
struct Settings
{
    std::uint32_t pedalMode = 1;
    std::uint32_t activeProfile = 0;
    std::array<std::uint16_t, 6> calibration {0, 65535, 0, 65535, 0, 65535};
    std::array<std::uint16_t, 6> deadzone {0, 65535, 0, 65535, 0, 65535};
    std::array<Slot, 16> slots = erasedSlots();

    static std::array<Slot, 16> erasedSlots();
    bool operator==(const Settings &o) const;
};

enum class Motion { Still, Sweep };

/// How the unit answers reads, for tests of a host's failure paths.
enum class ReplyMode {
    Normal,
    RangeTail, ///< range replies carry non-zero bytes 17-19, which a write-back must keep
    AllFF, ///< every reply is 20 bytes of 0xFF
    Behind, ///< every reply answers the read before the latest one
};

struct WireEntry
{
    double seconds = 0; ///< since the unit was created
    std::string kind; ///< "set", "get", "in", "open", "close"
    Bytes bytes;
};

/// Everything a state file describes.
struct UnitState
{
    std::string version = "V1.0.0";
    Settings kept;
    std::array<std::uint16_t, 3> pedals {0, 0, 0};
    Motion motion = Motion::Still;
    double rate = 250; ///< input reports per second
};

class PedalUnit
{
public:
    PedalUnit();
    ~PedalUnit();
    PedalUnit(const PedalUnit &) = delete;
    PedalUnit &operator=(const PedalUnit &) = delete;

    // --- the wire (called by the fronts) --------------------------------------------
    /// A feature report sent to the unit; returns the length taken or -1.
    int setFeature(const std::uint8_t *data, std::size_t length);
    /// The reply to the latest read request; returns the length given or -1.
    int getFeature(std::uint8_t *data, std::size_t length);
    /// One input report: its length, 0 when none came within timeoutMs (negative waits
    /// without limit), -1 when the unit is unplugged.
    int readInput(std::uint8_t *data, std::size_t length, int timeoutMs);
    /// Adds "open" or "close" to the wire log.
    void logEvent(const std::string &kind);

    // --- controls for tests and demos ----------------------------------------------
    void plug();
    void unplug();
    bool isPlugged() const;
    /// Increments on every plug; handles of an older plug are dead.
    std::uint64_t plugGeneration() const;

    /// Queues one input report exactly as given (it may be short).
    void queueInput(const Bytes &report);
    /// Sets the positions the unit reports and queues one report with them.
    void setPedals(std::uint16_t clutch, std::uint16_t brake, std::uint16_t throttle);
    /// Continuous reports at `rate` per second (rate <= 0: as fast as they are read).
    void setStreaming(bool on, double rate, Motion motion = Motion::Still);

    /// Lets the next `after` sends through, then fails `count` of them.
    void failNextSends(int count, int after = 0);
    /// Lets the next `after` reply reads through, then fails `count` of them.
    void failNextReplies(int count, int after = 0);
    /// Pulls the unit out right before the k-th feature exchange from now (k >= 1; a
    /// send or a reply read counts as one exchange), as a cable pulled mid-operation.
    /// 0 cancels.
    void unplugBeforeExchange(int k);
    /// Feature exchanges (sends and reply reads) that reached the unit while plugged.
    int exchangeCount() const;
    void setReplyMode(ReplyMode mode);
    void setExchangeDelay(std::chrono::microseconds delay);
    void setOpenDenied(bool denied);
    /// How many input reads have begun (a read sleeps the exchange delay first).
    int inputReadsStarted() const;
    bool openDenied() const;

    /// The log holds at least the latest 50,000 entries.
    std::vector<WireEntry> wireLog() const;
    /// Only the reports of one kind ("set", "get", "in").
    std::vector<Bytes> wireReports(const std::string &kind) const;
    void clearWireLog();
    /// Appends every wire log line to this file ("" stops it).
    void setTraceFile(const std::string &path);

    // --- state --------------------------------------------------------------------
    UnitState state() const; ///< kept settings plus version, pedals, motion, rate
    Settings inEffect() const;
    void setState(const UnitState &state); ///< as if restarted from it
    void setVersion(const std::string &version);
    /// When set, the state is written there whenever what the unit keeps changes.
    void setStateFile(const std::string &path);

    /// The image assembled by the latest firmware end report, and how many ends came.
    Bytes firmwareImage() const;
    int firmwareEndCount() const;
    /// Chunk indexes that were missing from the latest image (filled with zeros).
    std::vector<int> firmwareGaps() const;

private:
    using Clock = std::chrono::steady_clock;

    double secondsLocked(Clock::time_point t) const;
    void logLocked(const char *kind, const std::uint8_t *data, std::size_t length);
    void keepChangedLocked();
    void prepareReplyLocked(std::uint8_t code, std::uint8_t index);
    Bytes makeInputLocked(Clock::time_point now);
    bool streamDueLocked(Clock::time_point now) const;
    void sleepDelay() const;
    bool exchangeLocked(); // counts an exchange; false when the unit was pulled before it

    mutable std::mutex m_mutex;
    std::condition_variable m_inputReady;
    const Clock::time_point m_start = Clock::now();

    UnitState m_state; // m_state.kept is what survives a re-plug
    Settings m_effect;
    std::array<std::uint8_t, 20> m_reply {};

    bool m_plugged = true;
    std::uint64_t m_generation = 1;
    bool m_openDenied = false;
    int m_failSends = 0;
    int m_sendsBeforeFailing = 0;
    int m_failReplies = 0;
    int m_repliesBeforeFailing = 0;
    int m_unplugAt = 0;
    int m_exchanges = 0;
    ReplyMode m_replyMode = ReplyMode::Normal;
    std::array<std::uint8_t, 20> m_previousReply {};
    int m_readsStarted = 0;
    std::chrono::microseconds m_delay {0};

    std::deque<Bytes> m_inputs;
    bool m_streaming = false;
    Clock::time_point m_nextDue;

    std::map<int, Bytes> m_chunks;
    Bytes m_image;
    std::vector<int> m_gaps;
    int m_ends = 0;

    std::vector<WireEntry> m_log;
    std::string m_tracePath;
    std::FILE *m_trace = nullptr; // open while m_tracePath is set
    std::string m_statePath;
};

/// Reads a state file. On failure returns nothing and sets `error` to a message that
/// names the file and what is wrong.
std::optional<UnitState> loadStateFile(const std::string &path, std::string &error);
bool saveStateFile(const std::string &path, const UnitState &state, std::string &error);

/// Sets a unit up from KEST_SIM_STATE and KEST_SIM_TRACE, as both fronts do at start.
/// Returns false, with `error` naming the file and what is wrong, for a state file that
/// cannot be read; the front decides what then happens.
bool configureFromEnvironment(PedalUnit &unit, std::string &error);

} // namespace kestsim
