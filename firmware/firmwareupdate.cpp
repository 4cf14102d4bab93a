#include "firmwareupdate.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonDocument>

#include <limits>

namespace kest {

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

QString deviceVersionText(const QString &versionLabel)
{
    const int tab = versionLabel.indexOf(QLatin1Char('\t'));
    if (tab < 0)
        return QString();
    const int next = versionLabel.indexOf(QLatin1Char('\t'), tab + 1);
    QString text = versionLabel.mid(tab + 1, next < 0 ? -1 : next - tab - 1);
    return text.replace(QLatin1String("  "), QLatin1String(" "));
}

QDateTime firmwareDate(const QString &text)
{
    return QDateTime::fromString(text, QLatin1String(FIRMWARE_DATE_FORMAT));
}

UpdateVerdict compareFirmware(const QString &versionLabel, const QString &serverVersion)
{
    if (versionLabel.isEmpty())
        return UpdateVerdict::NoValidDevice;
    const QDateTime server = firmwareDate(serverVersion);
    const QDateTime device = firmwareDate(deviceVersionText(versionLabel));
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
    // a huge download of unknown size must not wrap around into 0..100
    const qint64 percent = received * 100 / total;
    constexpr qint64 lowest = std::numeric_limits<int>::min();
    constexpr qint64 highest = std::numeric_limits<int>::max();
    return int(qBound(lowest, percent, highest));
}

QString temporaryImagePath()
{
    return QDir::tempPath() + QLatin1Char('/') + QLatin1String(FIRMWARE_TEMP_NAME);
}

} // namespace kest
