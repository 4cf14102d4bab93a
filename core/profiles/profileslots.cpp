#include "profileslots.h"

namespace kest {

SlotRecord SlotRecord::of(int slot, int pedal, const QByteArray &curve)
{
    SlotRecord r;
    r.slot = std::uint8_t(slot);
    r.pedalCode = std::uint8_t(pedal + 1);
    for (int i = 0; i < CURVE_POINT_COUNT && i < curve.size(); ++i)
        r.curve[std::size_t(i)] = std::uint8_t(curve[i]);
    return r;
}

SlotRecord SlotRecord::fromBytes(const QByteArray &bytes)
{
    SlotRecord r;
    const auto at = [&bytes](int i) { return i < bytes.size() ? std::uint8_t(bytes[i]) : 0; };
    r.slot = at(0);
    r.pedalCode = at(1);
    for (int i = 0; i < CURVE_POINT_COUNT; ++i)
        r.curve[std::size_t(i)] = at(2 + i);
    return r;
}

SlotRecord SlotRecord::fromReply(const Report &reply)
{
    return fromBytes(
        QByteArray(reinterpret_cast<const char *>(reply.data() + 2), SLOT_RECORD_SIZE));
}

QByteArray SlotRecord::bytes() const
{
    QByteArray out;
    out.reserve(SLOT_RECORD_SIZE);
    out.append(char(slot));
    out.append(char(pedalCode));
    out.append(curveBytes());
    return out;
}

QByteArray SlotRecord::curveBytes() const
{
    return QByteArray(reinterpret_cast<const char *>(curve.data()), CURVE_POINT_COUNT);
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
