#pragma once

// Slot records and the active-profile word, as pure functions.

#include "kestreport.h"

#include <QByteArray>

#include <array>
#include <cstdint>

namespace kest {

/// The seven bytes a profile slot keeps: the slot the record names, the pedal code
/// (pedal index + 1) and five curve points. The unit and the profile files carry it as
/// these seven bytes; nothing else reads them by offset.
struct SlotRecord
{
    std::uint8_t slot = 0;
    std::uint8_t pedalCode = 0; ///< 1..3 for a pedal; anything else: a profile of no pedal
    std::array<std::uint8_t, CURVE_POINT_COUNT> curve {};

    /// A pedal's record; `curve` holds five points (missing ones are 0).
    static SlotRecord of(int slot, int pedal, const QByteArray &curve);
    /// The first seven bytes (missing ones are 0).
    static SlotRecord fromBytes(const QByteArray &bytes);
    /// The record in a slot's curve reply.
    static SlotRecord fromReply(const Report &reply);

    /// The pedal index, -1 for a profile of no pedal.
    int pedal() const { return pedalCode >= 1 && pedalCode <= PEDAL_COUNT ? pedalCode - 1 : -1; }
    QByteArray bytes() const;
    QByteArray curveBytes() const;
    /// A free slot's record: seven zeros.
    bool isClear() const { return *this == SlotRecord {}; }

    friend bool operator==(const SlotRecord &a, const SlotRecord &b)
    {
        return a.slot == b.slot && a.pedalCode == b.pedalCode && a.curve == b.curve;
    }
    friend bool operator!=(const SlotRecord &a, const SlotRecord &b) { return !(a == b); }
};

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

/// Whether two words name the same slots, marked or not: the same choice in effect.
constexpr bool sameChoice(std::uint32_t a, std::uint32_t b)
{
    return (a & 0x00FFFFFFu) == (b & 0x00FFFFFFu);
}

/// findFreeSlot's answer when a slot name could not be read.
constexpr int SLOT_READ_FAILED = -2;

} // namespace kest
