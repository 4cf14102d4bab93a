#pragma once

// Conversions between the unit's 16-bit bounds and what the pages show.

#include <QRect>

#include <cstdint>

namespace kest {

/// Percent shown by a left (low) deadzone handle for a unit low bound.
int lowPercentFromRaw(std::uint16_t v);
/// Percent shown by a right (high) deadzone handle for a unit high bound.
int highPercentFromRaw(std::uint16_t v);
/// Unit low bound for a left handle's percent.
std::uint16_t rawFromLowPercent(int d);
/// Unit high bound for a right handle's percent.
std::uint16_t rawFromHighPercent(int d);

/// The live bar between a pedal's two deadzones, on its plate.
QRect liveBarGeometry(const QRect &plate, int lowPercent, int highPercent);

/// Low bound stored by a calibration: the lowest position seen plus a margin of 1000
/// raw units, except for the BRAKE (pedal 1). Saturates at 65535.
std::uint16_t calibratedLow(int pedal, std::uint16_t observedLow);

} // namespace kest
