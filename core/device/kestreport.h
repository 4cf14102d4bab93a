#pragma once

// Pure builders and parsers of the unit's command, reply and input reports.
// None of them touches the device.

#include "kestprotocol.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

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

/// Whether a reply report of `length` bytes is the whole answer to a read of (code,
/// index): all REPORT_SIZE bytes, the report ID in byte 0, the command code in byte 1,
/// and where the reply names what it answers, that too: the slot of a name reply and the
/// setting of a setting reply in byte 2, and for a range table bytes 2-3 as the range
/// write has them (01 table). A record reply carries the record's own slot number, which
/// may differ from the slot read, and a version reply nothing more to check.
bool replyMatches(std::uint8_t code, std::uint8_t index, const Report &reply, int length);

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
