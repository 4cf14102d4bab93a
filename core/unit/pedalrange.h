#pragma once

// A pedal's two bounds on the unit's raw scale, as its calibration and deadzone tables
// hold them, and every conversion between those bounds and the percents a user sees.
// The tables themselves (the 20-byte reports) stay inside the unit model.

#include "kestprotocol.h"

#include <array>
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
/// A raw value as a percent of the whole scale (a position, a calibration bound).
int percentOfScale(std::uint32_t raw);

/// A pedal's deadzones in percent of its travel, as the handles show them: what is cut
/// off at the low end and at the high end.
struct DeadzonePercent
{
    int low = 0;
    int high = 0;

    bool isNone() const { return low == 0 && high == 0; }
    bool operator==(const DeadzonePercent &o) const { return low == o.low && high == o.high; }
    bool operator!=(const DeadzonePercent &o) const { return !(*this == o); }
};

/// A pedal's low and high bound on the raw scale 0..65535, of its calibration or of its
/// deadzones. 0 and 65535 are the neutral range: no limit, no deadzone.
struct PedalRange
{
    std::uint16_t low = 0;
    std::uint16_t high = RAW_MAX;

    bool isNeutral() const { return low == 0 && high == RAW_MAX; }
    bool operator==(const PedalRange &o) const { return low == o.low && high == o.high; }
    bool operator!=(const PedalRange &o) const { return !(*this == o); }

    /// As deadzone bounds: the handles' percents.
    DeadzonePercent deadzone() const { return {lowPercentFromRaw(low), highPercentFromRaw(high)}; }
    /// The deadzone bounds of the handles' percents.
    static PedalRange fromDeadzone(const DeadzonePercent &d)
    {
        return {rawFromLowPercent(d.low), rawFromHighPercent(d.high)};
    }
    /// As calibration bounds: each a percent of the scale.
    int lowPercent() const { return percentOfScale(low); }
    int highPercent() const { return percentOfScale(high); }
    /// The span from low to high in percent of the scale; 0 when low is above high.
    int spanPercent() const { return low > high ? 0 : percentOfScale(high - low); }
};

/// One range table: the three pedals' ranges in pedal order.
using PedalRanges = std::array<PedalRange, PEDAL_COUNT>;

/// All three pedals neutral.
constexpr PedalRanges neutralRanges()
{
    return {};
}

} // namespace kest
