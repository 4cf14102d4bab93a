// kest-bench-hid: the bare references for attach and upload, hidapi calls in a loop and
// nothing else, run under kest-pedal-sim as the program is (the timings come from the
// unit's trace, the same way for both).
//
//   kest-bench-hid attach REPORT...   opens the unit and sends each report (hex, 20
//                                     bytes); after a read request (byte 1 = 0b) it
//                                     reads the reply, as one exchange
//   kest-bench-hid upload FILE        opens the unit and sends FILE as firmware data
//                                     reports, 16 bytes each, then the end report
//   kest-bench-hid read               reads input reports as the program's reader does
//                                     (non-blocking, 10 ms sleep after an empty read)
//                                     and hands their six bytes to nobody, until ended

#include <hidapi.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace {

using Report = std::vector<unsigned char>;

hid_device *openUnit()
{
    for (int i = 0; i < 1000; ++i) {
        if (hid_device *d = hid_open(0xE5B7, 0x6A1C, nullptr))
            return d;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return nullptr;
}

Report fromHex(const char *text)
{
    Report r;
    for (std::size_t i = 0; text[i] && text[i + 1]; i += 2)
        r.push_back(static_cast<unsigned char>(std::stoi(std::string(text + i, 2), nullptr, 16)));
    r.resize(20, 0);
    return r;
}

int attach(hid_device *d, int count, char **reports)
{
    for (int i = 0; i < count; ++i) {
        Report r = fromHex(reports[i]);
        if (hid_send_feature_report(d, r.data(), r.size()) != int(r.size()))
            return 1;
        if (r[1] == 0x0B) {
            Report reply(20, 0);
            reply[0] = 0x02;
            if (hid_get_feature_report(d, reply.data(), reply.size()) != int(reply.size()))
                return 1;
        }
    }
    return 0;
}

int upload(hid_device *d, const char *path)
{
    std::ifstream file(path, std::ios::binary);
    const std::vector<unsigned char> image((std::istreambuf_iterator<char>(file)),
                                           std::istreambuf_iterator<char>());
    Report r(20, 0);
    r[0] = 0x02;
    for (std::size_t offset = 0; offset < image.size(); offset += 16) {
        const std::size_t n = std::min<std::size_t>(16, image.size() - offset);
        r[1] = static_cast<unsigned char>(0x80 | (offset >> 12));
        r[2] = static_cast<unsigned char>((offset >> 4) & 0xFF);
        r[3] = static_cast<unsigned char>(n);
        std::memcpy(&r[4], &image[offset], n);
        if (hid_send_feature_report(d, r.data(), r.size()) < 0)
            return 1;
    }
    r[1] = 0x10;
    hid_send_feature_report(d, r.data(), r.size());
    return 0;
}

int readInputs(hid_device *d)
{
    hid_set_nonblocking(d, 1);
    unsigned char buffer[17] = {};
    volatile unsigned sink = 0;
    for (;;) {
        const int n = hid_read(d, buffer, sizeof buffer);
        if (n < 0)
            return 1;
        if (n == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        std::vector<unsigned char> values(buffer + 1, buffer + 7);
        sink = sink + values[0];
    }
}

} // namespace

int main(int argc, char **argv)
{
    const bool reader = argc == 2 && std::strcmp(argv[1], "read") == 0;
    if (!reader
        && (argc < 3
            || (std::strcmp(argv[1], "attach") != 0 && std::strcmp(argv[1], "upload") != 0))) {
        std::fprintf(stderr, "usage: kest-bench-hid attach REPORT... | upload FILE | read\n");
        return 2;
    }
    hid_init();
    hid_device *d = openUnit();
    if (!d) {
        std::fprintf(stderr, "kest-bench-hid: no unit\n");
        return 1;
    }
    const int status = reader ? readInputs(d)
        : argv[1][0] == 'a'   ? attach(d, argc - 2, argv + 2)
                              : upload(d, argv[2]);
    hid_close(d);
    hid_exit();
    return status;
}
