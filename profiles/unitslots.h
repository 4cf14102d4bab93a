#pragma once

// The unit's profile slots, read and written one exchange at a time. Each says whether
// every exchange it needed worked.

#include <QByteArray>
#include <QString>

namespace kest {

/// The first free slot, -1 when all are taken, SLOT_READ_FAILED when a name was not read.
int findFreeSlot();
/// Writes a slot's name and then its committed curve, unless the slot holds both already.
/// A curve write lost after its name went out writes the old name back; when that is lost
/// too, the unit has a name in effect that it does not keep, and `unsettled` (if given)
/// is set: until the unit restarts its slot table reads otherwise than it is kept.
bool writeProfileSlot(int slot, const QString &name, const QByteArray &record,
                      bool *unsettled = nullptr);
/// Marks a slot free: no name, a record of zeros.
bool clearProfileSlot(int slot, bool *unsettled = nullptr);

} // namespace kest
