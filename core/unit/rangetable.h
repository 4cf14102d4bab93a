#pragma once

// Inside the unit model only: a pedal's range in a range table as the wire carries it.
// The tables go back to the unit as it sent them but for the values changed, so the
// model keeps the reports where it writes them back; everything else sees PedalRange.

#include "kestreport.h"
#include "pedalrange.h"

namespace kest {

/// Pedal p's bounds in a range reply or write (values 2p and 2p + 1).
PedalRange pedalRange(const Report &table, int pedal);
/// All three pedals' bounds of a range reply or write.
PedalRanges pedalRanges(const Report &table);
/// Puts pedal p's bounds into a range table, leaving every other byte as it is.
void setPedalRange(Report &table, int pedal, const PedalRange &range);
/// The six values of a table in the wire's order.
RangeValues rangeValues(const PedalRanges &ranges);

} // namespace kest
