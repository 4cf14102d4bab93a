#pragma once

// The advisory lock that every program on one pedal unit shares, so that one program's
// read request cannot fall between another's request and reply: the unit keeps one
// latest reply for whoever asks next. The window, kestctl and anything else on the
// device link take it around each request-reply pair and each write, besides their
// own in-process lock.
//
// It is an flock() on a lock file named after the unit's node (by its device number),
// not on the node itself: hidapi keeps the node's descriptor to itself, and a second
// descriptor on a hidraw node would be handed a copy of every input report. The file
// needs no access to the device, and two units (two nodes) never share one.

#include <chrono>
#include <string>

namespace kest {

class UnitLock
{
public:
    UnitLock() = default;
    ~UnitLock();
    UnitLock(const UnitLock &) = delete;
    UnitLock &operator=(const UnitLock &) = delete;

    /// The lock file of the unit behind `node` ("/dev/hidraw3"): in $XDG_RUNTIME_DIR
    /// ($TMPDIR or /tmp without it), named by the node's device number
    /// ("kest-unit-MAJOR-MINOR.lock"), or by the node file itself where it has none
    /// ("kest-node-DEV-INODE.lock", in hex). Empty when `node` is no character device, as
    /// for a unit that is not a hidraw node.
    static std::string fileFor(const std::string &node);

    /// Opens (creating) the lock file; false, with `error` saying why, when it cannot.
    bool open(const std::string &file, std::string *error = nullptr);
    void close();
    bool isOpen() const { return m_fd >= 0; }
    const std::string &file() const { return m_file; }

    /// Takes the lock, waiting at most `bound` for another holder to let go. False when
    /// it did not (or when no file is open: then there is nothing to take).
    bool lock(std::chrono::milliseconds bound);
    void unlock();

private:
    int m_fd = -1;
    std::string m_file;
};

} // namespace kest
