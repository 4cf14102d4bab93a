#include "firmwarechunks.h"

#include <algorithm>

namespace kest {

void fillFirmwareData(Report &report, const QByteArray &image, qsizetype offset)
{
    const qsizetype n = std::min<qsizetype>(image.size() - offset, FIRMWARE_CHUNK);
    report[0] = REPORT_ID;
    report[1] = std::uint8_t(CMD_FIRMWARE_DATA | ((offset >> 12) & 0x7F));
    report[2] = std::uint8_t((offset >> 4) & 0xFF);
    report[3] = std::uint8_t(n);
    std::copy_n(image.constData() + offset, n, report.begin() + 4);
}

} // namespace kest
