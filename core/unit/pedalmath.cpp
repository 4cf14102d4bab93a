#include "pedalmath.h"

#include <algorithm>

namespace kest {

namespace {

std::uint16_t toRaw(int v)
{
    return std::uint16_t(std::clamp(v, 0, 65535));
}

} // namespace

QRect liveBarGeometry(const QRect &plate, int low, int high)
{
    return QRect(plate.x() + low * plate.width() / 100, plate.y(),
                 (100 - low - high) * plate.width() / 100, plate.height());
}

std::uint16_t calibratedLow(int pedal, std::uint16_t observedLow)
{
    // The BRAKE is stored as watched; the others with a margin, so that a pedal at rest
    // reads 0 even when its sensor wanders a little.
    constexpr int kBrake = 1;
    constexpr int kLowMargin = 1000;
    if (pedal == kBrake)
        return observedLow;
    return toRaw(observedLow + kLowMargin);
}

} // namespace kest
