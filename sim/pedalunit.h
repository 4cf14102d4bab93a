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
// What goes wrong on the way is a FaultPlan's (faultplan.h), which the unit asks; what
// it did is told to its observers (observers.h: the wire log, the trace file, the state
// file).
//
// All members are thread-safe.

#include "faultplan.h"

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
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

/// Told what the unit does, in order. Called while the unit holds its lock: an observer
/// must not call the unit.
class UnitObserver
{
public:
    virtual ~UnitObserver();
    /// A report the unit took or gave, or an opening or closing of it.
    virtual void logged(const WireEntry &entry);
    /// What the unit keeps has changed (the whole state, as a state file holds it).
    virtual void keptChanged(const UnitState &state);
};

class PedalUnit
{
public:
    /// `faults`, when given, must outlive the unit.
    explicit PedalUnit(FaultPlan *faults = nullptr);
    ~PedalUnit();
    PedalUnit(const PedalUnit &) = delete;
    /// Ends the timer of the writing after a firmware end report at once, and joins it.
    /// For the end of the unit: no later writing is timed.
    void endWritingTimer();
    PedalUnit &operator=(const PedalUnit &) = delete;

    // --- the wire (called by the fronts) --------------------------------------------
    /// A feature report sent to the unit; returns the length taken or -1.
    int setFeature(const std::uint8_t *data, std::size_t length);
    /// The reply to the latest read request; returns the length given or -1.
    int getFeature(std::uint8_t *data, std::size_t length);
    /// One input report: its length, 0 when none came within timeoutMs (negative waits
    /// without limit), -1 when the unit is unplugged.
    int readInput(std::uint8_t *data, std::size_t length, int timeoutMs);
    /// Tells the observers of an "open" or "close".
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

    /// The unit enumerates but cannot be opened, as without permission (the fronts ask).
    void setOpenDenied(bool denied);
    bool openDenied() const;

    /// Whether replies echo the read they answer (true, the default): the command code in
    /// byte 1 and the slot or setting in byte 2 of name and setting replies. A unit that
    /// does not echo keeps bytes 1 and 2 of those replies zero, and byte 1 of the record
    /// and version replies; a range reply always has bytes 1-3 as the range write (05 01
    /// table), and every content stays where it is.
    void setEchoing(bool echoing);
    bool echoing() const;

    /// From now on the observer is told what the unit does; the unit keeps it alive.
    void watch(std::shared_ptr<UnitObserver> observer);
    void unwatch(const UnitObserver *observer);

    // --- state --------------------------------------------------------------------
    UnitState state() const; ///< kept settings plus version, pedals, motion, rate
    Settings inEffect() const;
    void setState(const UnitState &state); ///< as if restarted from it
    void setVersion(const std::string &version);

    /// The image assembled by the latest firmware end report, and how many ends came.
    Bytes firmwareImage() const;
    int firmwareEndCount() const;
    /// Chunk indexes that were missing from the latest image (filled with zeros).
    std::vector<int> firmwareGaps() const;

private:
    using Clock = std::chrono::steady_clock;
    using Reply = std::array<std::uint8_t, 20>;

    double secondsLocked(Clock::time_point t) const;
    void logLocked(const char *kind, const std::uint8_t *data, std::size_t length);
    void keepChangedLocked();
    /// The unit's reply to a read of (code, index) from what is in effect now.
    Reply replyLocked(std::uint8_t code, std::uint8_t index) const;
    /// The reply to the latest read as the plan distorts it (OtherIndex, OtherCommand).
    Reply distortedReplyLocked(ReplyFault fault) const;
    /// After a firmware end report: the plan's fault while the unit writes the image.
    void writingFaultLocked();
    void writingTimer(); // the thread that pulls the unit out a while after an end report
    Bytes makeInputLocked(Clock::time_point now);
    bool streamDueLocked(Clock::time_point now) const;
    bool exchangeLocked(); // false when the unit is (or was just) pulled out
    void unplugLocked();
    void plugLocked();

    FaultPlan *const m_faults;
    mutable std::mutex m_mutex;
    std::condition_variable m_inputReady;
    const Clock::time_point m_start = Clock::now();

    UnitState m_state; // m_state.kept is what survives a re-plug
    Settings m_effect;
    Reply m_reply {};
    Reply m_previousReply {};
    std::uint8_t m_readCode = 0; // the latest read request
    std::uint8_t m_readIndex = 0;

    bool m_plugged = true;
    std::uint64_t m_generation = 1;
    bool m_openDenied = false;
    bool m_echoing = true;

    std::deque<Bytes> m_inputs;
    bool m_streaming = false;
    Clock::time_point m_nextDue;

    std::map<int, Bytes> m_chunks;
    Bytes m_image;
    std::vector<int> m_gaps;
    int m_ends = 0;

    // A pull while the unit writes an image (FaultPlan::faultWhileWriting).
    std::thread m_writingTimer;
    std::condition_variable m_writingWake;
    bool m_writingPending = false; // the timer runs; it ends once it has cleared this
    Clock::time_point m_writingPullAt;
    bool m_writingReplug = false;
    bool m_closing = false;

    std::vector<std::shared_ptr<UnitObserver>> m_observers;
};

/// Reads a state file. On failure returns nothing and sets `error` to a message that
/// names the file and what is wrong.
std::optional<UnitState> loadStateFile(const std::string &path, std::string &error);
bool saveStateFile(const std::string &path, const UnitState &state, std::string &error);

/// Sets a unit up from KEST_SIM_STATE and KEST_SIM_TRACE, as both fronts do at start.
/// Returns false, with `error` naming the file and what is wrong, for a state file that
/// cannot be read or a trace file that cannot be written; the front decides what then
/// happens.
bool configureFromEnvironment(PedalUnit &unit, std::string &error);

} // namespace kestsim
