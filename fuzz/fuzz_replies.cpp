// The unit's replies and input reports, as the window reads them.
//
// Promises checked beyond "no crash, hang, leak or undefined behaviour":
// - setting values, range tables and slot names read back from a report the program
//   builds are what it put in;
// - pedal positions are the input report's little-endian pairs.

#include "fuzzsupport.h"
#include "kestreport.h"
#include "profileslots.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::initApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    kest::Report reply {};
    std::copy_n(data, std::min(size, reply.size()), reply.begin());

    const std::uint32_t value = kest::settingValue(reply);
    fuzz::check(kest::settingValue(kest::settingWrite(reply[2], value, reply[7] != 0)) == value,
                "a setting value reads back");

    const auto values = [](const kest::Report &r) {
        kest::RangeValues v {};
        for (int k = 0; k < kest::RANGE_VALUE_COUNT; ++k)
            v[std::size_t(k)] = kest::rangeValue(r, k);
        return v;
    };
    const kest::RangeValues range = values(reply);
    fuzz::check(values(kest::rangeWrite(reply[3], range, reply[4] != 0)) == range,
                "a range table reads back");

    const QString name = kest::slotName(reply);
    const QByteArray bytes = name.toUtf8();
    if (bytes.size() <= kest::PROFILE_NAME_MAX)
        fuzz::check(kest::slotName(kest::profileNameWrite(reply[2], bytes)) == name,
                    "a slot name reads back");
    kest::isFreeSlotReply(reply);
    kest::versionText(reply);

    // Input reports come in longer buffers; only bytes 1..6 count.
    std::uint8_t input[64] = {};
    std::copy_n(data, std::min(size, sizeof input), input);
    const QByteArray pedals = kest::pedalValues(input);
    for (int p = 0; p < kest::PEDAL_COUNT; ++p)
        fuzz::check(kest::pedalPosition(pedals, p) == (input[1 + 2 * p] | input[2 + 2 * p] << 8),
                    "pedal positions are little-endian pairs");
    return 0;
}
