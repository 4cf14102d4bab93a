#pragma once

// The unit's profile slots, read and written one exchange at a time. Each says whether
// every exchange it needed worked.

#include "kestreport.h"
#include "profileslots.h"

#include <QByteArray>
#include <QString>

namespace kest {

/// Reads a slot's record reply into `reply` (the caller clears it). A record may name
/// another slot than the one it is kept in; but so does the record of another slot sent
/// in answer to this read, which no byte of it tells apart. A record that names another
/// slot is therefore read a second time and counts only when the unit gives it again.
/// False, with `reply` as it was passed in, when the read failed.
bool readSlotRecord(int slot, Report &reply);
/// The first free slot, -1 when all are taken, SLOT_READ_FAILED when a name was not read.
int findFreeSlot();
/// Writes a slot's name and then its committed curve, unless the slot holds both already.
/// A curve write lost after its name went out writes the old name back; when that is lost
/// too, the unit has a name in effect that it does not keep, and `unsettled` (if given)
/// is set: until the unit restarts its slot table reads otherwise than it is kept.
bool writeProfileSlot(int slot, const QString &name, const SlotRecord &record,
                      bool *unsettled = nullptr);
/// Marks a slot free: no name, a record of zeros.
bool clearProfileSlot(int slot, bool *unsettled = nullptr);

} // namespace kest
