#include "firmwareupdate.h"

#include "boundedfile.h"
#include "firmwarechunks.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLocale>

#include <limits>
#include <utility>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kest {

namespace {

/// factor × part ÷ whole, truncated, for part < whole: the product is never formed, so
/// no count can overflow it. Keeps k × part = q × whole + r (0 ≤ r < whole) while k
/// grows through the bits of `factor`.
quint64 scaledFraction(quint64 part, quint64 whole, unsigned factor)
{
    quint64 q = 0;
    quint64 r = 0;
    for (int bit = 31; bit >= 0; --bit) {
        q *= 2; // k becomes 2k
        if (r >= whole - r) {
            r -= whole - r;
            ++q;
        } else {
            r *= 2;
        }
        if ((factor >> bit) & 1u) { // k becomes k + 1
            if (r >= whole - part) {
                r -= whole - part;
                ++q;
            } else {
                r += part;
            }
        }
    }
    return q;
}

quint64 magnitude(qint64 value)
{
    return value < 0 ? 0 - quint64(value) : quint64(value);
}

/// Removes a leftover image of an earlier run, but only a regular file of this user's:
/// a link planted at the name stays, and so the new file cannot be created there.
void removeStaleImage(const QString &path)
{
#ifdef Q_OS_UNIX
    const QByteArray native = QFile::encodeName(path);
    struct stat status;
    if (::lstat(native.constData(), &status) == 0 && S_ISREG(status.st_mode)
        && status.st_uid == ::geteuid())
        ::unlink(native.constData());
#else
    const QFileInfo info(path);
    if (info.isFile() && !info.isSymLink())
        QFile::remove(path);
#endif
}

} // namespace

std::optional<VersionDocument> parseVersionDocument(const QByteArray &body)
{
    const QJsonDocument document = QJsonDocument::fromJson(body);
    if (!document.isObject())
        return std::nullopt;
    VersionDocument d;
    d.object = document.object();
    // toString() gives an empty text for a missing key and for a value of another type
    d.version = d.object.value(QLatin1String("version")).toString();
    d.name = d.object.value(QLatin1String("name")).toString();
    d.md5 = d.object.value(QLatin1String("md5")).toString();
    return d;
}

QString normalizedVersion(const QString &unitVersion)
{
    const int tab = unitVersion.indexOf(QLatin1Char('\t'));
    QString text = unitVersion.left(tab < 0 ? unitVersion.size() : tab);
    return text.replace(QLatin1String("  "), QLatin1String(" "));
}

QDateTime firmwareDate(const QString &text)
{
    return QDateTime::fromString(text, QLatin1String(FIRMWARE_DATE_FORMAT));
}

UpdateVerdict compareFirmware(const QString &unitVersion, const QString &serverVersion)
{
    if (unitVersion.isEmpty())
        return UpdateVerdict::NoValidDevice;
    const QDateTime server = firmwareDate(serverVersion);
    const QDateTime device = firmwareDate(normalizedVersion(unitVersion));
    if (!server.isValid() || !device.isValid())
        return UpdateVerdict::NoValidDevice;
    return device < server ? UpdateVerdict::UpdateAvailable : UpdateVerdict::UpToDate;
}

QString imageDigest(const QByteArray &data)
{
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Md5).toHex());
}

bool digestMatches(const QByteArray &image, const QString &expected)
{
    return expected.toCaseFolded().contains(imageDigest(image));
}

std::optional<int> downloadPercent(qint64 received, qint64 total)
{
    if (total == 0)
        return std::nullopt;
    // Divided before multiplied, on magnitudes; a huge download of unknown size must not
    // wrap around into 0..100, so the result saturates at the ends of int.
    const quint64 part = magnitude(received);
    const quint64 whole = magnitude(total);
    constexpr quint64 cap = quint64(std::numeric_limits<int>::max()) + 1;
    const quint64 times = part / whole;
    const quint64 percent
        = times > cap / 100 ? cap : times * 100 + scaledFraction(part % whole, whole, 100);
    if ((received < 0) != (total < 0))
        return int(-qint64(qMin(percent, cap)));
    return int(qMin(percent, cap - 1));
}

QString temporaryImagePath()
{
    return QDir::tempPath() + QLatin1Char('/') + QLatin1String(FIRMWARE_TEMP_NAME);
}

bool isFirmwareImage(const QByteArray &image)
{
    return !image.isEmpty() && image.size() <= FIRMWARE_MAX_SIZE;
}

FirmwareFile readFirmwareFile(const QString &path, QByteArray &image)
{
    if (!path.endsWith(QLatin1String(".bin")))
        return FirmwareFile::NotBin;
    FileBytes file = readBoundedFile(path, FIRMWARE_MAX_SIZE);
    switch (file.result) {
    case FileRead::Ok:
        if (file.bytes.isEmpty())
            return FirmwareFile::Empty;
        image = std::move(file.bytes);
        return FirmwareFile::Ok;
    case FileRead::Unreadable:
        return FirmwareFile::Unreadable;
    case FileRead::Missing:
        return FirmwareFile::Missing;
    case FileRead::NotRegular:
        return FirmwareFile::NotRegular;
    case FileRead::TooLarge:
        break;
    }
    return FirmwareFile::TooLarge;
}

// The texts are the DEVICE page's, in its translation context: kestctl says the same.
QString firmwareFileRefusal(FirmwareFile result)
{
    QString why;
    switch (result) {
    case FirmwareFile::Ok:
        return QString();
    case FirmwareFile::Unreadable:
        return QCoreApplication::translate(
            "DevicePage", "The firmware file could not be read. Nothing was sent to the unit.");
    case FirmwareFile::NotBin:
        why = QCoreApplication::translate("DevicePage", "A firmware file's name ends in .bin.");
        break;
    case FirmwareFile::Missing:
        why = QCoreApplication::translate("DevicePage", "There is no file of that name.");
        break;
    case FirmwareFile::NotRegular:
        why = QCoreApplication::translate(
            "DevicePage", "It is not a regular file, but a folder, a device or a pipe.");
        break;
    case FirmwareFile::Empty:
        why = QCoreApplication::translate("DevicePage", "The file is empty.");
        break;
    case FirmwareFile::TooLarge:
        why = QCoreApplication::translate(
                  "DevicePage", "The file is larger than %1 bytes, the most the unit takes.")
                  .arg(QLocale().toString(FIRMWARE_MAX_SIZE));
        break;
    }
    return QCoreApplication::translate("DevicePage", "Not a valid firmware.") + QLatin1Char('\n')
        + why;
}

QString firmwareUploadQuestion(const QString &path, const QByteArray &image)
{
    const QString md5
        = QString::fromLatin1(QCryptographicHash::hash(image, QCryptographicHash::Md5).toHex());
    return QCoreApplication::translate("DevicePage",
                                       "Upload the firmware file %1 (%2 bytes) to the unit?")
               .arg(QDir::toNativeSeparators(path), QLocale().toString(image.size()))
        + QLatin1Char('\n') + QCoreApplication::translate("DevicePage", "MD5: %1").arg(md5)
        + QStringLiteral("\n\n")
        + QCoreApplication::translate(
               "DevicePage",
               "The unit cannot check what a file holds and takes any file as its "
               "firmware. Upload only the maker's image for this unit, and compare "
               "the MD5 above with the one the maker publishes.");
}

bool writeTemporaryImage(const QString &path, const QByteArray &image)
{
    removeStaleImage(path);
    QFile file(path);
    // NewOnly fails when anything is at the name, a symbolic link included (it is not
    // followed), so the bytes can only land in a file created right here.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return false;
    // A partly written image (a full disk) must not stay behind as if it were complete.
    const bool written = file.write(image) == image.size() && file.flush();
    file.close();
    if (written && file.error() == QFileDevice::NoError)
        return true;
    QFile::remove(path);
    return false;
}

} // namespace kest
