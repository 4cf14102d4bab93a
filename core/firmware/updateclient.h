#pragma once

// The online update's network side: the update check against the server's version
// document and the download of an image, with the rules every request keeps (where a
// redirect may lead, how long a transfer may take, how much an answer may hold) and the
// texts that say how each ended. Fronts show the results and ask the user.

#include "firmwareupdate.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>

QT_BEGIN_NAMESPACE
class QNetworkAccessManager;
class QNetworkReply;
QT_END_NAMESPACE

namespace kest {

/// How a check or a download ended.
enum class UpdateEnd {
    Done, ///< check: the versions were compared; download: the image was checked and stored
    Refused, ///< download: the address is no https:// address; nothing was asked
    Failed, ///< no usable answer: network, server, deadline, size, digest or temporary file
};

/// The newest firmware on the server, as its version document describes it.
struct NewestFirmware
{
    QString version; ///< the newest firmware's date and time, as the document gives it
    QString address; ///< the image's address: the base address followed by its name
    QString md5; ///< the image's digest, as the document gives it
};

struct CheckResult
{
    UpdateEnd end = UpdateEnd::Failed;
    UpdateVerdict verdict = UpdateVerdict::NoValidDevice; ///< with Done
    /// In the user's words: why no document came (Failed), or what the comparison found.
    QString message;
    NewestFirmware newest; ///< with Done
};

struct DownloadResult
{
    UpdateEnd end = UpdateEnd::Failed;
    QString message; ///< with Failed: "Download file fail." or "Can not write to temp."
    QString reason; ///< with Failed, where there is more to say (a deadline); else empty
    QString path; ///< with Done: the temporary image file
    QByteArray image; ///< with Done: the checked bytes, which are what the unit is to get
};

/// Builds and judges every request of the online update. The replies are handed out
/// (check(), download()) so that a front routes their signals where it wants them; it
/// hands each finished reply back (checkFinished(), downloadFinished(),
/// downloadProgress()), and the result comes as a signal with values. One check and one
/// download at a time.
///
/// Every request follows redirects only within the same scheme, host and port, never
/// ignores a certificate error, gives up after 30 s without data and at its deadline, and
/// gives up an answer longer than it can be (the version document, an image) as soon as
/// that is known, so that it is never held in memory.
class UpdateClient : public QObject
{
    Q_OBJECT

public:
    explicit UpdateClient(QNetworkAccessManager &network, QObject *parent = nullptr);

    /// Where this product's firmware is published: the maker's host (the build setting
    /// KEST_WEB_HOST) and "/upgrade/pedal/", the base of every request.
    static QString defaultBase();

    /// How long a check and a download may take in all, from the request to the last
    /// byte: a server that sends a byte now and then never trips the idle timeout.
    /// Applies to the next request.
    void setDeadlines(std::chrono::milliseconds check, std::chrono::milliseconds download);

    /// Asks for the version document at `baseUrl` + "version.json"; nothing while a check
    /// is under way.
    QNetworkReply *check(const QString &baseUrl);
    /// The check's reply has finished: compares the document's version with
    /// `unitVersion` (the unit's text, empty while none was opened) and emits checked().
    void checkFinished(QNetworkReply *reply, const QString &unitVersion);

    /// Downloads the image at `address`, to be checked against `expectedDigest` (the
    /// digest label's text, "MD5: <digest>"). An address that is not https:// ends at
    /// once as Refused; nothing while a download is under way.
    QNetworkReply *download(const QString &address, const QString &expectedDigest);
    /// The download's reply reports progress: emits progress() where there is a percent.
    void downloadProgress(qint64 received, qint64 total);
    /// The download's reply has finished: checks and stores the image, emits downloaded().
    void downloadFinished(QNetworkReply *reply);

    bool checking() const { return !versionCheck.isNull(); }
    bool downloading() const { return !transfer.isNull(); }

Q_SIGNALS:
    void checked(const kest::CheckResult &result);
    void progress(int percent);
    void downloaded(const kest::DownloadResult &result);

private:
    QNetworkReply *get(const QString &address, qint64 limit, std::chrono::milliseconds deadline);
    /// Why a check's reply brought no version document, in the user's words; `bodyTaken`
    /// is false when the body was given up for its length.
    QString whyNoDocument(const QNetworkReply *reply, bool bodyTaken) const;
    /// A time for a message: "a minute", "10 minutes", "0.5 seconds".
    static QString durationText(std::chrono::milliseconds time);

    QNetworkAccessManager &network;
    QPointer<QNetworkReply> versionCheck; ///< the update check under way, if any
    QPointer<QNetworkReply> transfer; ///< the download under way, if any
    QString checkBase; ///< where the checked document lies, and its image
    QString expectedDigest; ///< what the download under way is checked against
    std::chrono::milliseconds checkDeadline {std::chrono::minutes(1)};
    std::chrono::milliseconds downloadDeadline {std::chrono::minutes(10)};
};

} // namespace kest
