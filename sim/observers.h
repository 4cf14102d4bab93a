#pragma once

// What watches the simulated unit: the wire log that tests read, the trace file that a
// reader may follow while the unit runs, and the state file that keeps what the unit
// keeps. Each is attached with PedalUnit::watch().

#include "pedalunit.h"

#include <cstdio>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace kestsim {

/// Every exchange in order, in memory. Thread-safe.
class WireLog : public UnitObserver
{
public:
    void logged(const WireEntry &entry) override;

    /// At least the latest 50,000 entries.
    std::vector<WireEntry> entries() const;
    /// Only the reports of one kind ("set", "get", "in").
    std::vector<Bytes> reports(const std::string &kind) const;
    void clear();

private:
    mutable std::mutex m_mutex;
    std::vector<WireEntry> m_entries;
};

/// Appends one line per wire log entry to a file: seconds since the unit started (six
/// decimals), the kind, the bytes in hex. The file stays open while the unit lives.
class TraceFile : public UnitObserver
{
public:
    /// Nothing, with `error` set, when the file cannot be opened for appending.
    static std::shared_ptr<TraceFile> open(const std::string &path, std::string &error);
    ~TraceFile() override;
    TraceFile(const TraceFile &) = delete;
    TraceFile &operator=(const TraceFile &) = delete;

    void logged(const WireEntry &entry) override;

private:
    explicit TraceFile(std::FILE *file) : m_file(file) { }
    std::FILE *const m_file;
};

/// Writes the unit's state to a JSON file (atomically) whenever what it keeps changes.
class StateFile : public UnitObserver
{
public:
    explicit StateFile(std::string path) : m_path(std::move(path)) { }

    void keptChanged(const UnitState &state) override;

private:
    const std::string m_path;
};

} // namespace kestsim
