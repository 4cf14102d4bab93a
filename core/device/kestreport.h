#pragma once

// Pure builders and parsers of the unit's command, reply and input reports.
// None of them touches the device.

#include "kestprotocol.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <string>

namespace kest {

using Report = std::array<std::uint8_t, REPORT_SIZE>;
using RangeValues = std::array<std::uint16_t, RANGE_VALUE_COUNT>;

/// A zeroed report with byte 0 = report ID.
Report emptyReport();

/// CMD_READ request: [02 0B code index 00 ...].
Report readRequest(std::uint8_t code, std::uint8_t index);

/// CMD_DEVICE_SETTING write: [02 0C id v0 v1 v2 v3 commit 00 ...], value little-endian.
Report settingWrite(std::uint8_t id, std::uint32_t value, bool commit);

/// CMD_PEDAL_RANGE write of a whole table: [02 05 01 table commit values... 00 00 00].
Report rangeWrite(std::uint8_t table, const RangeValues &values, bool commit);

/// CMD_PROFILE_NAME write: [02 03 slot name... 00], at most PROFILE_NAME_MAX name bytes;
/// longer names are cut. The bytes after the terminator are zero.
Report profileNameWrite(std::uint8_t slot, const QByteArray &name);

/// CMD_PROFILE_CURVE write: [02 04 slot pedalCode EF c0 c1 c2 c3 c4 00 ...].
Report profileCurveWrite(std::uint8_t slot, std::uint8_t pedalCode, const QByteArray &curve);

/// The echoes of the read that a reply may carry beyond what every reply must: the
/// command code in byte 1 of every reply but the range reply (whose byte 1 is always
/// 0x05), and the index in byte 2 of a name and a setting reply. Some units carry them,
/// others put something else there; ReplyEchoes learns which kind a unit is.
enum ReplyEcho : unsigned {
    ECHO_NONE = 0,
    ECHO_COMMAND = 1, ///< byte 1 = the command code read
    ECHO_INDEX = 2, ///< byte 2 = the slot of a name reply, the setting of a setting reply
    ECHO_ALL = ECHO_COMMAND | ECHO_INDEX,
};

/// Whether a reply report of `length` bytes is the whole answer to a read of (code,
/// index): all REPORT_SIZE bytes and the report ID in byte 0; for a range table bytes 1-3
/// as the range write has them (05 01 table); and the echoes in `echoes` where the reply
/// has them. A record reply carries the record's own slot number, which may differ from
/// the slot read, and a version reply its text from byte 2: neither echoes the index.
bool replyMatches(std::uint8_t code, std::uint8_t index, const Report &reply, int length,
                  unsigned echoes = ECHO_ALL);

/// The echoes (ReplyEcho) that a reply to a read of (code, index) would carry, and of
/// those it does carry. `applicable` gets the first.
unsigned replyEchoes(std::uint8_t code, std::uint8_t index, const Report &reply,
                     unsigned *applicable = nullptr);

/// What one opening of a unit has shown of the echoes its replies carry, and so which of
/// them a reply must carry to count as the answer to its read.
///
/// Each echo starts unknown and is not required while it is. It becomes required once
/// replies have carried it for two different values (two command codes, two indexes): a
/// unit that puts a constant in the byte can match one read by chance, never two. A reply
/// that lacks an echo still unknown may be a stale answer to another read, as easily as
/// the reply of a unit that does not echo: the read is asked once more (AskAgain), and
/// only when the fresh reply lacks it too is the echo taken as absent, and never required
/// for the rest of the opening. So a stale reply can neither switch the checks off (the
/// fresh reply carries the echo) nor make them required (it lacks the echo), and a unit
/// that never echoes is attached with the checks that every reply passes. Once required,
/// an echo stays required: a reply without it is another read's and is refused.
class ReplyEchoes
{
public:
    enum class State { Unknown, Required, Absent };
    enum class Verdict {
        Accept, ///< the answer to the read
        Refuse, ///< lacks a required echo: another read's answer
        AskAgain, ///< lacks an echo not yet known: read once more, then judge with again
    };

    /// Judges a reply that passed replyMatches(code, index, reply, length, ECHO_NONE),
    /// and learns from it. `again`: the reply to the read asked once more.
    Verdict judge(std::uint8_t code, std::uint8_t index, const Report &reply, bool again);

    /// The echoes required now (ReplyEcho).
    unsigned required() const;
    State command() const { return m_command.state; }
    State index() const { return m_index.state; }
    /// Which checks are in force, for a trace: "reply checks: length, id, range 05 01 t,
    /// command echo (unknown), index echo (required)".
    std::string describe() const;

private:
    struct Learned
    {
        State state = State::Unknown;
        int seen = -1; // the first value it was carried for
    };
    Learned m_command;
    Learned m_index;
};

/// The 32-bit value in bytes 3-6 of a setting reply (little-endian).
std::uint32_t settingValue(const Report &reply);

/// Range value k (0..5) of a range reply or write, from bytes 5 + 2k and 6 + 2k.
std::uint16_t rangeValue(const Report &report, int k);
void setRangeValue(Report &report, int k, std::uint16_t value);

/// The firmware version text in bytes 2-19: UTF-8 up to the first zero byte, or all 18
/// bytes when there is none.
QString versionText(const Report &reply);

/// A slot name from bytes 3-19 of a name reply: UTF-8 up to the first zero byte.
QString slotName(const Report &reply);

/// Only the value 1 enables the clutch pedal.
constexpr bool pedalModeEnabled(std::uint32_t mode)
{
    return mode == 1;
}

/// Pedal values of an input report: bytes 1-6 copied into a six-byte array.
QByteArray pedalValues(const std::uint8_t *inputReport);

/// Position of pedal p (0..2) in a six-byte pedal-values array.
std::uint16_t pedalPosition(const QByteArray &values, int p);

} // namespace kest
