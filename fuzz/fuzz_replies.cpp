// The unit's replies and input reports, as the window reads them.
//
// Promises checked beyond "no crash, hang, leak or undefined behaviour":
// - setting values, range tables and slot names read back from a report the program
//   builds are what it put in;
// - pedal positions are the input report's little-endian pairs;
// - what an opening learns of the echoes never goes back, an echo once required is
//   carried by every reply accepted after, and a read asked again is never asked a third
//   time.

#include "fuzzsupport.h"
#include "kestreport.h"
#include "profileslots.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>

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

    // The data as a run of replies of one opening: read code, index, whether asked
    // again, then the 20 reply bytes.
    kest::ReplyEchoes echoes;
    static const std::uint8_t codes[]
        = {kest::CMD_PROFILE_NAME, kest::CMD_PROFILE_CURVE, kest::CMD_PEDAL_RANGE,
           kest::CMD_FIRMWARE_VERSION, kest::CMD_DEVICE_SETTING};
    constexpr std::size_t step = 3 + kest::REPORT_SIZE;
    for (std::size_t at = 0; at + step <= size; at += step) {
        const std::uint8_t code = codes[data[at] % sizeof codes];
        const std::uint8_t index = data[at + 1];
        const bool again = data[at + 2] & 1;
        kest::Report r {};
        std::copy_n(data + at + 3, r.size(), r.begin());
        if (!kest::replyMatches(code, index, r, int(r.size()), kest::ECHO_NONE))
            continue;
        const auto before = std::make_pair(echoes.command(), echoes.index());
        const unsigned required = echoes.required();
        const auto verdict = echoes.judge(code, index, r, again);
        fuzz::check(!(again && verdict == kest::ReplyEchoes::Verdict::AskAgain),
                    "a read asked again is judged for good");
        if (verdict == kest::ReplyEchoes::Verdict::Accept)
            fuzz::check(kest::replyMatches(code, index, r, int(r.size()), required),
                        "an accepted reply carries every required echo");
        using State = kest::ReplyEchoes::State;
        fuzz::check((before.first == State::Unknown || echoes.command() == before.first)
                        && (before.second == State::Unknown || echoes.index() == before.second),
                    "what is learned stays learned");
    }

    // Input reports come in longer buffers; only bytes 1..6 count.
    std::uint8_t input[64] = {};
    std::copy_n(data, std::min(size, sizeof input), input);
    const QByteArray pedals = kest::pedalValues(input);
    for (int p = 0; p < kest::PEDAL_COUNT; ++p)
        fuzz::check(kest::pedalPosition(pedals, p) == (input[1 + 2 * p] | input[2 + 2 * p] << 8),
                    "pedal positions are little-endian pairs");
    return 0;
}
