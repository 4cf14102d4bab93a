#include "profileslots.h"

namespace kest {

QByteArray slotRecord(int slot, int pedalCode, const QByteArray &curve)
{
    QByteArray r(SLOT_RECORD_SIZE, 0);
    r[0] = char(slot);
    r[1] = char(pedalCode);
    for (int i = 0; i < CURVE_POINT_COUNT && i < curve.size(); ++i)
        r[2 + i] = curve[i];
    return r;
}

std::uint32_t activeWord(const int (&slots)[PEDAL_COUNT], bool withMark)
{
    std::uint32_t word = withMark ? std::uint32_t(ACTIVE_PROFILE_MARK) << 24 : 0;
    for (int p = 0; p < PEDAL_COUNT; ++p)
        if (slots[p] >= 0 && slots[p] <= 0xFF)
            word |= std::uint32_t(slots[p]) << (8 * p);
    return word;
}

} // namespace kest
