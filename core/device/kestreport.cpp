#include "kestreport.h"

#include <algorithm>

namespace kest {

Report emptyReport()
{
    Report r {};
    r[0] = REPORT_ID;
    return r;
}

Report readRequest(std::uint8_t code, std::uint8_t index)
{
    Report r = emptyReport();
    r[1] = CMD_READ;
    r[2] = code;
    r[3] = index;
    return r;
}

Report settingWrite(std::uint8_t id, std::uint32_t value, bool commit)
{
    Report r = emptyReport();
    r[1] = CMD_DEVICE_SETTING;
    r[2] = id;
    for (int i = 0; i < 4; ++i)
        r[3 + i] = std::uint8_t(value >> (8 * i));
    r[SETTING_COMMIT_POS] = commit ? COMMIT_BYTE : 0x00;
    return r;
}

Report rangeWrite(std::uint8_t table, const RangeValues &values, bool commit)
{
    Report r = emptyReport();
    r[1] = CMD_PEDAL_RANGE;
    r[2] = RANGE_WRITE_BYTE2;
    r[3] = table;
    r[RANGE_COMMIT_POS] = commit ? COMMIT_BYTE : 0x00;
    for (int k = 0; k < RANGE_VALUE_COUNT; ++k)
        setRangeValue(r, k, values[std::size_t(k)]);
    return r;
}

Report profileNameWrite(std::uint8_t slot, const QByteArray &name)
{
    Report r = emptyReport();
    r[1] = CMD_PROFILE_NAME;
    r[2] = slot;
    const int n = std::min<int>(name.size(), PROFILE_NAME_MAX);
    std::copy_n(name.constData(), n, r.begin() + 3);
    r[std::size_t(3 + n)] = 0x00;
    return r;
}

Report profileCurveWrite(std::uint8_t slot, std::uint8_t pedalCode, const QByteArray &curve)
{
    Report r = emptyReport();
    r[1] = CMD_PROFILE_CURVE;
    r[2] = slot;
    r[3] = pedalCode;
    r[CURVE_COMMIT_POS] = COMMIT_BYTE;
    const int n = std::min<int>(curve.size(), CURVE_POINT_COUNT);
    for (int i = 0; i < n; ++i)
        r[std::size_t(5 + i)] = std::uint8_t(curve[i]);
    return r;
}

bool replyMatches(std::uint8_t code, std::uint8_t index, const Report &reply, int length)
{
    // A short reply leaves the rest of the buffer as it was, and those bytes would be
    // read as values.
    if (length != int(REPORT_SIZE) || reply[0] != REPORT_ID || reply[1] != code)
        return false;
    switch (code) {
    case CMD_PEDAL_RANGE:
        // In the form of the range write, which the calibration sends back.
        return reply[2] == RANGE_WRITE_BYTE2 && reply[3] == index;
    case CMD_PROFILE_NAME:
    case CMD_DEVICE_SETTING:
        // Byte 2 names the slot or the setting, as in the write.
        return reply[2] == index;
    default:
        // A record reply's byte 2 is the record's own slot number, which may differ from
        // the slot it was read from; the version text starts at byte 2.
        return true;
    }
}

std::uint32_t settingValue(const Report &reply)
{
    return std::uint32_t(reply[3]) | std::uint32_t(reply[4]) << 8 | std::uint32_t(reply[5]) << 16
        | std::uint32_t(reply[6]) << 24;
}

std::uint16_t rangeValue(const Report &report, int k)
{
    const std::size_t at = RANGE_FIRST_BYTE + std::size_t(2 * k);
    return std::uint16_t(report[at] | report[at + 1] << 8);
}

void setRangeValue(Report &report, int k, std::uint16_t value)
{
    const std::size_t at = RANGE_FIRST_BYTE + std::size_t(2 * k);
    report[at] = std::uint8_t(value & 0xFF);
    report[at + 1] = std::uint8_t(value >> 8);
}

static QString utf8UpToZero(const Report &reply, std::size_t from)
{
    const auto begin = reply.begin() + std::ptrdiff_t(from);
    const auto end = std::find(begin, reply.end(), std::uint8_t(0));
    return QString::fromUtf8(reinterpret_cast<const char *>(&*begin), end - begin);
}

QString versionText(const Report &reply)
{
    return utf8UpToZero(reply, 2);
}

QString slotName(const Report &reply)
{
    return utf8UpToZero(reply, 3);
}

QByteArray pedalValues(const std::uint8_t *inputReport)
{
    return QByteArray(reinterpret_cast<const char *>(inputReport + 1), 6);
}

std::uint16_t pedalPosition(const QByteArray &values, int p)
{
    if (values.size() < 2 * p + 2)
        return 0;
    return std::uint16_t(std::uint8_t(values[2 * p]) | std::uint8_t(values[2 * p + 1]) << 8);
}

} // namespace kest
