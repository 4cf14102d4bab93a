// The wire log in memory and the trace file.

#include "observers.h"

namespace kestsim {

void WireLog::logged(const WireEntry &entry)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.push_back(entry);
    constexpr std::size_t kMaxLog = 100000;
    if (m_entries.size() > kMaxLog)
        m_entries.erase(m_entries.begin(),
                        m_entries.begin() + std::ptrdiff_t(m_entries.size() - kMaxLog / 2));
}

std::vector<WireEntry> WireLog::entries() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_entries;
}

std::vector<Bytes> WireLog::reports(const std::string &kind) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<Bytes> out;
    for (const auto &e : m_entries)
        if (e.kind == kind)
            out.push_back(e.bytes);
    return out;
}

void WireLog::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.clear();
}

std::shared_ptr<TraceFile> TraceFile::open(const std::string &path, std::string &error)
{
    std::FILE *file = std::fopen(path.c_str(), "a");
    if (!file) {
        error = path + ": the trace file cannot be written";
        return nullptr;
    }
    return std::shared_ptr<TraceFile>(new TraceFile(file));
}

TraceFile::~TraceFile()
{
    std::fclose(m_file);
}

void TraceFile::logged(const WireEntry &entry)
{
    std::fprintf(m_file, "%.6f %s", entry.seconds, entry.kind.c_str());
    for (std::uint8_t b : entry.bytes)
        std::fprintf(m_file, " %02x", b);
    std::fputc('\n', m_file);
    std::fflush(m_file); // a reader may follow the file while the unit runs
}

} // namespace kestsim
