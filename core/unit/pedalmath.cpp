#include "pedalmath.h"

#include <algorithm>

namespace kest {

namespace {

// "Round" as the unit's tools do it: add 0.5 and truncate toward zero.
int roundHalfUp(double v)
{
    return int(v + 0.5);
}

std::uint16_t toRaw(int v)
{
    return std::uint16_t(std::clamp(v, 0, 65535));
}

} // namespace

int lowPercentFromRaw(std::uint16_t v)
{
    return roundHalfUp(v * 100.0 / 65535.0);
}

int highPercentFromRaw(std::uint16_t v)
{
    return roundHalfUp(100.0 - v * 100.0 / 65535.0);
}

std::uint16_t rawFromLowPercent(int d)
{
    return toRaw(roundHalfUp(d * 65535 / 100.0));
}

std::uint16_t rawFromHighPercent(int d)
{
    return toRaw(roundHalfUp((100 - d) * 65535 / 100.0));
}

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
