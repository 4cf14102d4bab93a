#pragma once

// The live bar's place between a pedal's deadzones, and the calibration's margin. The
// conversions between bounds and percents are pedalrange.h's.

#include "pedalrange.h"

#include <QRect>

#include <cstdint>

namespace kest {

/// The live bar between a pedal's two deadzones, on its plate.
QRect liveBarGeometry(const QRect &plate, int lowPercent, int highPercent);

/// Low bound stored by a calibration: the lowest position seen plus a margin of 1000
/// raw units, except for the BRAKE (pedal 1). Saturates at 65535.
std::uint16_t calibratedLow(int pedal, std::uint16_t observedLow);

} // namespace kest
