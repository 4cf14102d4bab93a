#pragma once

// The firmware upload's report stream, as pure functions.

#include "kestreport.h"

#include <QByteArray>

namespace kest {

/// Largest image the unit accepts, in bytes.
constexpr qint64 FIRMWARE_MAX_SIZE = 0x38000;
/// Progress from which the unit writes the image it received: the end report's closing
/// steps report 97, 98, 99 and 100 while the data phase reaches at most 96.
constexpr int FIRMWARE_WRITING_FROM = 97;
constexpr int FIRMWARE_CHUNK = 16;

/// Fills `report` as the data report for the chunk at `offset` of `image`. Only bytes
/// 1..3+n are set: the rest keep what the previous report left, as the unit expects.
void fillFirmwareData(Report &report, const QByteArray &image, qsizetype offset);

/// Turns the report left by the last data report (or a fresh one) into the end report.
inline void fillFirmwareEnd(Report &report)
{
    report[1] = CMD_FIRMWARE_END;
}

/// Progress after the data report at `offset`: offset × 96 ÷ size, 0..95.
inline int firmwareProgress(qint64 offset, qint64 size)
{
    return int(offset * 96 / size);
}

} // namespace kest
