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

unsigned replyEchoes(std::uint8_t code, std::uint8_t index, const Report &reply,
                     unsigned *applicable)
{
    unsigned can = ECHO_NONE, carried = ECHO_NONE;
    // The range reply's byte 1 is fixed (0x05) and checked as such; it shows nothing of
    // what the unit puts in byte 1 of its other replies.
    if (code != CMD_PEDAL_RANGE) {
        can |= ECHO_COMMAND;
        if (reply[1] == code)
            carried |= ECHO_COMMAND;
    }
    // Byte 2 names the slot or the setting, as in the write. A record reply's byte 2 is
    // the record's own slot number, which may differ from the slot it was read from; the
    // version text starts at byte 2.
    if (code == CMD_PROFILE_NAME || code == CMD_DEVICE_SETTING) {
        can |= ECHO_INDEX;
        if (reply[2] == index)
            carried |= ECHO_INDEX;
    }
    if (applicable)
        *applicable = can;
    return carried;
}

bool replyMatches(std::uint8_t code, std::uint8_t index, const Report &reply, int length,
                  unsigned echoes)
{
    // A short reply leaves the rest of the buffer as it was, and those bytes would be
    // read as values.
    if (length != int(REPORT_SIZE) || reply[0] != REPORT_ID)
        return false;
    // In the form of the range write, which the calibration sends back.
    if (code == CMD_PEDAL_RANGE
        && (reply[1] != CMD_PEDAL_RANGE || reply[2] != RANGE_WRITE_BYTE2 || reply[3] != index))
        return false;
    unsigned applicable = ECHO_NONE;
    const unsigned carried = replyEchoes(code, index, reply, &applicable);
    const unsigned wanted = echoes & applicable;
    return (carried & wanted) == wanted;
}

ReplyEchoes::Verdict ReplyEchoes::judge(std::uint8_t code, std::uint8_t index, const Report &reply,
                                        bool again)
{
    unsigned applicable = ECHO_NONE;
    const unsigned carried = replyEchoes(code, index, reply, &applicable);
    struct Echo
    {
        Learned &learned;
        unsigned bit;
        int value;
    };
    const Echo echoes[] = {{m_command, ECHO_COMMAND, code}, {m_index, ECHO_INDEX, index}};
    const unsigned lacking = applicable & ~carried;
    for (const Echo &e : echoes)
        if ((lacking & e.bit) && e.learned.state == State::Required)
            return Verdict::Refuse;
    for (const Echo &e : echoes)
        if ((lacking & e.bit) && e.learned.state == State::Unknown && !again)
            return Verdict::AskAgain;
    for (const Echo &e : echoes) {
        if (!(applicable & e.bit) || e.learned.state != State::Unknown)
            continue;
        if (!(carried & e.bit))
            e.learned.state = State::Absent; // twice in a row, fresh: the unit's way
        else if (e.learned.seen < 0)
            e.learned.seen = e.value;
        else if (e.learned.seen != e.value)
            e.learned.state = State::Required;
    }
    return Verdict::Accept;
}

unsigned ReplyEchoes::required() const
{
    return (m_command.state == State::Required ? unsigned(ECHO_COMMAND) : 0u)
        | (m_index.state == State::Required ? unsigned(ECHO_INDEX) : 0u);
}

std::string ReplyEchoes::describe() const
{
    auto word = [](State s) {
        return s == State::Required ? "required" : s == State::Absent ? "absent" : "unknown";
    };
    return std::string("reply checks: length, id, range 05 01 t, command echo (")
        + word(m_command.state) + "), index echo (" + word(m_index.state) + ")";
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
