// The update check's inputs: the version document from the server, a version text in
// the ABOUT label, and the unit's version reply.
//
// Promises checked beyond "no crash, hang, leak or undefined behaviour":
// - a version that reads as a date is as new as itself;
// - the version reply's text never reaches past the report.

#include "firmwareupdate.h"
#include "fuzzsupport.h"
#include "kestreport.h"

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
    const QByteArray body(reinterpret_cast<const char *>(data), qsizetype(size));

    const auto document = kest::parseVersionDocument(body);
    if (document) {
        kest::firmwareDate(document->version);
        kest::digestMatches(body, document->md5);
    }

    const QString text = QString::fromUtf8(body);
    const QString shown = kest::normalizedVersion(text);
    fuzz::check(shown.size() <= text.size(), "the compared text is part of the unit's");
    kest::compareFirmware(text, document ? document->version : text);
    if (kest::firmwareDate(shown).isValid())
        fuzz::check(kest::compareFirmware(text, shown) == kest::UpdateVerdict::UpToDate,
                    "a version is as new as itself");

    kest::Report reply {};
    std::copy_n(data, std::min(size, reply.size()), reply.begin());
    const QString version = kest::versionText(reply);
    fuzz::check(version.size() <= int(reply.size()) - 2, "the version text stays in its report");
    return 0;
}
