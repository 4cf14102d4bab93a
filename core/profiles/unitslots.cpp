#include "unitslots.h"

#include "kestdevice.h"
#include "profileslots.h"

namespace kest {

bool readSlotRecord(int slot, Report &reply)
{
    const Report prepared = reply;
    if (!deviceQuery(CMD_PROFILE_CURVE, std::uint8_t(slot), reply))
        return false;
    if (reply[2] == std::uint8_t(slot))
        return true;
    Report again = prepared;
    if (deviceQuery(CMD_PROFILE_CURVE, std::uint8_t(slot), again) && again == reply)
        return true;
    reply = prepared;
    return false;
}

int findFreeSlot()
{
    for (int slot = 0; slot < PROFILE_SLOT_COUNT; ++slot) {
        Report reply {};
        if (!deviceQuery(CMD_PROFILE_NAME, std::uint8_t(slot), reply))
            return SLOT_READ_FAILED; // an unread slot is not a free one
        if (isFreeSlotReply(reply))
            return slot;
    }
    return -1;
}

bool writeProfileSlot(int slot, const QString &name, const SlotRecord &record, bool *unsettled)
{
    Report nameReply {};
    Report reply {};
    if (!deviceQuery(CMD_PROFILE_NAME, std::uint8_t(slot), nameReply)
        || !deviceQuery(CMD_PROFILE_CURVE, std::uint8_t(slot), reply))
        return false;
    // The record of another slot answering this read differs from a new record in its
    // first byte, the slot, so the write goes out as it must; it can equal only a clear's
    // seven zeros, and then the name, read as it is, still tells a used slot.
    if (slotName(nameReply) == name && SlotRecord::fromReply(reply) == record)
        return true;
    // The committed curve write keeps the name written before it: without that name it
    // would keep the old one with the new record.
    if (!deviceWrite(profileNameWrite(std::uint8_t(slot), name.toLocal8Bit())))
        return false;
    if (deviceWrite(profileCurveWrite(std::uint8_t(slot), record.pedalCode, record.curveBytes())))
        return true;
    // The new name is in effect over the old record: put the old name back, so that the
    // slot does not read as a profile of no pedal until the unit restarts. Back as the
    // bytes the unit sent: a free slot's 0xFF filler is no text, and decoded and encoded
    // again it would come back as a name.
    QByteArray storedName(reinterpret_cast<const char *>(nameReply.data() + 3), PROFILE_NAME_MAX);
    const int end = storedName.indexOf('\0');
    if (end >= 0)
        storedName.truncate(end);
    if (!deviceWrite(profileNameWrite(std::uint8_t(slot), storedName)) && unsettled)
        *unsettled = true;
    return false;
}

bool clearProfileSlot(int slot, bool *unsettled)
{
    return writeProfileSlot(slot, QString(), SlotRecord {}, unsettled);
}

} // namespace kest
