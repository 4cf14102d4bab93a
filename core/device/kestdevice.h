#pragma once

// The process-wide link to the pedal unit: one hidapi handle, shared by the GUI thread,
// the input reader and the firmware upload.
//
// Every hidapi call on the handle, and closing and clearing it, happens under one lock,
// and a read request and its reply form a single critical section, so no other thread's
// command can fall between them; a lock file shared with the other programs on the unit
// (unitlock.h) keeps their commands out too. Every operation does nothing while no unit is open:
// nothing is sent and a reply buffer keeps what the caller put in it.

#include "kestreport.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace kest {

enum class DeviceOpenResult {
    Opened, ///< the unit is open
    NotFound, ///< no unit is plugged in
    NoAccess, ///< a unit is plugged in but could not be opened (permissions on Linux)
};

/// Initialises hidapi. Called once at start-up.
void deviceInit();

/// From now on writes every exchange with the unit to the file at `path` (appended), one
/// line each, as the simulated unit writes its trace: seconds since tracing began (six
/// decimals), the kind ("open", "close", "set" for a report sent, "get" for a reply
/// read, "in" for an input report), then the bytes in two-digit lower-case hex. Lines
/// whose kind is "#" are remarks: which reply checks are in force (at each open and
/// whenever the unit has shown more of its replies), the lock shared with other
/// programs, an exchange that waited too long for it. Every line is flushed. Off unless called; an
/// empty path ends tracing. Returns false, with `error` naming the file, when it cannot be opened.
bool deviceTrace(const QString &path, QString *error = nullptr);

/// Opens the unit (vendor KEST_VENDOR_ID, product KEST_PRODUCT_ID). A handle that is
/// still open is closed first.
DeviceOpenResult deviceOpen();

/// Closes the handle, if one is open, and clears it.
void deviceClose();

/// Whether a unit is open.
bool deviceIsOpen();

/// The system's name for the open unit's node ("/dev/hidraw3" on Linux); empty while no
/// unit is open, or where hidapi cannot tell.
QString deviceNode();

/// Sends a CMD_READ request for (code, index) and fetches the reply into the caller's
/// buffer, whose byte 0 is set to the report ID first. The caller clears the buffer.
///
/// Returns whether the read worked: the request went out and the whole reply came back
/// as the answer to this read (replyMatches, with the echoes that this opening of the unit
/// has shown it carries: ReplyEchoes; a reply that lacks an echo not yet known is asked
/// for once more). A unit keeps its latest reply, so after a lost request the reply would
/// be another read's answer; a read that fails therefore leaves the caller's buffer as it
/// was passed in, never with another read's bytes.
///
/// The request and its reply, like every write, also hold the lock that every program on
/// the unit shares (unitlock.h); one that another program keeps for over two seconds
/// fails the exchange, with a warning in the log and the trace.
bool deviceQuery(std::uint8_t code, std::uint8_t index, Report &reply);

/// Reads a device setting; 0 when no unit is open or the read failed.
std::uint32_t deviceSettingRead(std::uint8_t id);
/// Reads a device setting into `value` (0 on failure) and says whether the read worked.
bool deviceSettingRead(std::uint8_t id, std::uint32_t &value);

/// Writes a device setting with the commit byte: the unit keeps it. Returns whether the
/// report was sent.
bool deviceSettingWrite(std::uint8_t id, std::uint32_t value);

/// Writes a device setting without the commit byte: the unit only puts it into effect.
/// Returns whether the report was sent.
bool deviceSettingApply(std::uint8_t id, std::uint32_t value);

/// Sends a command report the caller has built. Returns hidapi's result (the number of
/// bytes sent, or -1), and -1 when no unit is open.
int deviceSend(const Report &report);

/// Sends a command report the caller has built; whether it went out.
inline bool deviceWrite(const Report &report)
{
    return deviceSend(report) > 0;
}

/// Which opening of the unit the handle stands for: a new number for every successful
/// deviceOpen, 0 while no unit is open.
std::uint64_t deviceOpening();

/// deviceSend, but only within the opening `opening` (from deviceOpening): -1 once the
/// unit has been closed, or closed and opened again, since. A transfer that spans many
/// reports, such as a firmware image, must not carry on into a new opening.
int deviceSendInOpening(const Report &report, std::uint64_t opening);

/// Returned by deviceRead when no unit is open.
constexpr int DEVICE_NO_HANDLE = -2;

/// Switches input reads to non-blocking (true) or blocking.
void deviceSetNonblocking(bool nonblocking);

/// Reads one input report: its length, 0 when none is waiting (non-blocking), -1 on a
/// read error, DEVICE_NO_HANDLE when no unit is open.
int deviceRead(std::uint8_t *buffer, std::size_t length);

} // namespace kest
