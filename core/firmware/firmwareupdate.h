#pragma once

// The pure parts of the online update: reading the version document, comparing firmware
// versions (a version is a date and time), checking a downloaded image against its
// digest, and the download's progress value.

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>

#include <optional>

namespace kest {

/// How firmware versions are written, by the unit and by the version document alike:
/// "Jan 9 2024,16:05".
inline constexpr char FIRMWARE_DATE_FORMAT[] = "MMM d yyyy,hh:mm";

/// Where a downloaded image waits for its upload, under the platform's temporary folder.
inline constexpr char FIRMWARE_TEMP_NAME[] = "kest.firmware.bin";

/// The most the version document may hold; a longer answer is given up as it arrives.
constexpr qint64 VERSION_DOCUMENT_MAX_SIZE = 64 * 1024;

/// The keys of the version document that the update uses; a key that is missing or not
/// a string reads as empty.
struct VersionDocument
{
    QString version; ///< the newest firmware's date and time
    QString name; ///< the image's file name, relative to the update address
    QString md5; ///< the image's MD5 digest, 32 hex digits in either case
    QJsonObject object; ///< the whole document, for the debug log
};

/// The document in `body`, or nothing when `body` is not a JSON object (an empty body
/// after a network failure, an error page, an array, malformed text).
std::optional<VersionDocument> parseVersionDocument(const QByteArray &body);

/// The unit's version text as compared: up to its first tab, with each pair of spaces
/// made one, so that a day padded with a space ("Jan  9 2024,16:05") fits the format.
QString normalizedVersion(const QString &unitVersion);

/// The date and time a version text stands for (local time); invalid unless the whole
/// text fits FIRMWARE_DATE_FORMAT.
QDateTime firmwareDate(const QString &text);

enum class UpdateVerdict {
    NoValidDevice, ///< one of the two versions is no valid date and time
    UpToDate, ///< the unit's firmware is as new as the server's, or newer
    UpdateAvailable, ///< the server has newer firmware
};

/// Compares the unit's firmware version text (as the unit reported it) with the version
/// the server offers. An empty text means no unit was opened yet.
UpdateVerdict compareFirmware(const QString &unitVersion, const QString &serverVersion);

/// The MD5 digest of `data` as 32 lower-case hex digits.
QString imageDigest(const QByteArray &data);

/// Whether the digest of `image` appears in `expected` (the digest label, "MD5: <digest>"),
/// whichever case the digest was stored in.
bool digestMatches(const QByteArray &image, const QString &expected);

/// The download bar's value for `received` of `total` bytes (truncated; outside 0..100
/// when the server gave no size), or nothing for a total of 0, which has no percent.
/// Exact for every pair of counts, however large.
std::optional<int> downloadPercent(qint64 received, qint64 total);

/// The path a downloaded image is stored under before its upload, with forward slashes.
QString temporaryImagePath();

/// Whether `image` can go to the unit: at least one byte, at most FIRMWARE_MAX_SIZE.
bool isFirmwareImage(const QByteArray &image);

enum class FirmwareFile {
    Ok,
    NotBin, ///< the name does not end in ".bin"
    Missing, ///< nothing at the path
    NotRegular, ///< a folder, a named pipe, a device, a socket
    Empty, ///< no byte to send
    TooLarge, ///< more than FIRMWARE_MAX_SIZE bytes
    Unreadable, ///< a firmware file that could not be opened or read
};

/// Reads the image file at `path` once, for an upload of exactly these bytes: named
/// "*.bin" (case-sensitive), a regular file or a link to one, 1..FIRMWARE_MAX_SIZE bytes
/// as read. A file that is longer is not read beyond the limit.
FirmwareFile readFirmwareFile(const QString &path, QByteArray &image);

/// What the user is told when a picked file is refused: "Not a valid firmware." and on a
/// line of its own why (the name, nothing there, not a regular file, empty, over the
/// size limit), or that it could not be read and nothing was sent. Empty for Ok.
QString firmwareFileRefusal(FirmwareFile result);

/// The question before the upload of a picked file: its path, size and MD5, and that the
/// unit cannot check what a file holds, so that only the maker's image should go and its
/// MD5 can be compared with the one the maker publishes.
QString firmwareUploadQuestion(const QString &path, const QByteArray &image);

/// Stores a checked image at `path` (the temporary image). The file is always a new
/// one, created by this call and readable by its owner only: a stale regular file of
/// this user's at that name is removed first, and anything else there (a symbolic link,
/// another user's file, a folder) makes it fail rather than be written through. A file
/// that could not be written completely is removed again.
bool writeTemporaryImage(const QString &path, const QByteArray &image);

} // namespace kest
