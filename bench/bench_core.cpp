// kest-bench-core: the bare reference for kestctl's start-up, a program that starts Qt
// Core, opens the unit with hidapi, makes the exchanges it is given and exits.
//
//   kest-bench-core REPORT...   each report in hex (20 bytes); after a read request
//                               (byte 1 = 0b) its reply is read, as one exchange

#include <QCoreApplication>

#include <hidapi.h>

#include <string>
#include <vector>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (hid_init() != 0)
        return 1;
    hid_device *d = hid_open(0xE5B7, 0x6A1C, nullptr);
    if (!d)
        return 3;
    int status = 0;
    for (int i = 1; i < argc && status == 0; ++i) {
        std::vector<unsigned char> r(20, 0);
        for (std::size_t k = 0; k < 20 && argv[i][2 * k] && argv[i][2 * k + 1]; ++k)
            r[k] = static_cast<unsigned char>(
                std::stoi(std::string(argv[i] + 2 * k, 2), nullptr, 16));
        if (hid_send_feature_report(d, r.data(), r.size()) != int(r.size()))
            status = 2;
        if (status == 0 && r[1] == 0x0B) {
            std::vector<unsigned char> reply(20, 0);
            reply[0] = 0x02;
            if (hid_get_feature_report(d, reply.data(), reply.size()) != int(reply.size()))
                status = 2;
        }
    }
    hid_close(d);
    hid_exit();
    return status;
}
