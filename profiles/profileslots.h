#pragma once

// Slot records and the active-profile word, as pure functions.

#include "kestreport.h"

#include <QByteArray>

#include <cstdint>

namespace kest {

/// The seven-byte slot record: slot, pedal code (pedal index + 1), five curve bytes.
QByteArray slotRecord(int slot, int pedalCode, const QByteArray &curve);

/// Whether a slot-name reply names a free slot: an empty name, or a first byte 0xFF.
inline bool isFreeSlotReply(const Report &reply)
{
    return reply[3] == 0 || reply[3] == 0xFF;
}

/// The active-profile word for the three pedals' slots (-1 or out of range: 0).
std::uint32_t activeWord(const int (&slots)[PEDAL_COUNT], bool withMark);

/// Whether a stored word carries ACTIVE_PROFILE_MARK in its top byte.
constexpr bool activeWordMarked(std::uint32_t word)
{
    return word >> 24 == ACTIVE_PROFILE_MARK;
}

/// The slot named in the word for one pedal.
constexpr int activeWordSlot(std::uint32_t word, int pedal)
{
    return int(word >> (8 * pedal) & 0xFF);
}

/// findFreeSlot's answer when a slot name could not be read.
constexpr int SLOT_READ_FAILED = -2;

} // namespace kest
