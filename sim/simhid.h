#pragma once

// The in-process simulated pedal unit: tests link sim/simhid.cpp in place of the real
// hidapi library, and every hid_* call then reaches this one unit.

#include "faultplan.h"
#include "observers.h"
#include "pedalunit.h"

namespace kestsim {

/// The unit behind the in-process hidapi. Created on first use, configured from
/// KEST_SIM_STATE and KEST_SIM_TRACE.
PedalUnit &unit();
/// What goes wrong on the way to that unit.
FaultPlan &faults();
/// Everything that unit exchanged, in order.
WireLog &wireLog();

} // namespace kestsim
