#include "pedalrange.h"

#include "rangetable.h"

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
    return std::uint16_t(std::clamp(v, 0, int(RAW_MAX)));
}

} // namespace

int lowPercentFromRaw(std::uint16_t v)
{
    return roundHalfUp(v * 100.0 / RAW_MAX);
}

int highPercentFromRaw(std::uint16_t v)
{
    return roundHalfUp(100.0 - v * 100.0 / RAW_MAX);
}

std::uint16_t rawFromLowPercent(int d)
{
    // The product is formed in integers before the division.
    return toRaw(roundHalfUp(d * int(RAW_MAX) / 100.0));
}

std::uint16_t rawFromHighPercent(int d)
{
    return toRaw(roundHalfUp((100 - d) * int(RAW_MAX) / 100.0));
}

int percentOfScale(std::uint32_t raw)
{
    return roundHalfUp(raw * 100.0 / RAW_MAX);
}

PedalRange pedalRange(const Report &table, int pedal)
{
    return {rangeValue(table, 2 * pedal), rangeValue(table, 2 * pedal + 1)};
}

PedalRanges pedalRanges(const Report &table)
{
    PedalRanges ranges;
    for (int p = 0; p < PEDAL_COUNT; ++p)
        ranges[std::size_t(p)] = pedalRange(table, p);
    return ranges;
}

void setPedalRange(Report &table, int pedal, const PedalRange &range)
{
    setRangeValue(table, 2 * pedal, range.low);
    setRangeValue(table, 2 * pedal + 1, range.high);
}

RangeValues rangeValues(const PedalRanges &ranges)
{
    RangeValues values {};
    for (std::size_t p = 0; p < ranges.size(); ++p) {
        values[2 * p] = ranges[p].low;
        values[2 * p + 1] = ranges[p].high;
    }
    return values;
}

} // namespace kest
