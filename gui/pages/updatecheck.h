#pragma once

#include "firmwarewidgets.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <optional>

class KestUpgrade;
namespace kest {
class KestUnit;
}
QT_BEGIN_NAMESPACE
class QLabel;
class QNetworkAccessManager;
class QNetworkReply;
QT_END_NAMESPACE

/// The online update check ("CHECK UPDATE") and the firmware download that follows an
/// accepted offer, or a "MANUAL UPDATE" of an https:// address. A checked download is
/// handed to the upload through imageReady(). Whoever owns the page routes the replies'
/// signals back (checkStarted, downloadStarted) and starts the download it asks for
/// (downloadWanted): calls go down, results come back as signals.
class UpdateCheck : public QObject
{
    Q_OBJECT

public:
    using Widgets = FirmwareWidgets;

    /// `baseUrl` is where this product's updates are published, empty while no unit is
    /// attached; `upload` tells whether an image is being uploaded.
    UpdateCheck(const Widgets &widgets, const kest::KestUnit &unit, QNetworkAccessManager &network,
                const QString &baseUrl, const KestUpgrade &upload, QObject *parent = nullptr);

    /// Asks the server for its newest firmware.
    void start();
    /// The answer to start() is in.
    void checkFinished(QNetworkReply *reply);
    /// Downloads the image at the address of the accepted offer, or of downloadFrom().
    void download();
    /// A typed https:// address: its download is to start (downloadWanted), checked
    /// against the digest of the latest accepted offer.
    void downloadFrom(const QString &address);
    void downloadProgress(qint64 received, qint64 total);
    /// The image is in: checked against its digest, it goes to the upload.
    void downloadFinished(QNetworkReply *reply);

    /// How long a check and a download may take in all, from the request to the last
    /// byte: a server that sends a byte now and then never trips the idle timeout. Once
    /// over, the transfer is given up and the page's status line says why. Applies to
    /// the next request.
    void setDeadlines(std::chrono::milliseconds check, std::chrono::milliseconds download);

    bool checking() const { return !versionCheck.isNull(); }
    bool downloading() const { return !transfer.isNull(); }

Q_SIGNALS:
    /// A check was asked of the server: its reply's finished() is to reach
    /// checkFinished().
    void checkStarted(QNetworkReply *reply);
    /// A download began: its reply's downloadProgress() is to reach downloadProgress()
    /// and its finished() downloadFinished().
    void downloadStarted(QNetworkReply *reply);
    /// An accepted offer: the download is to start, from the event loop.
    void downloadWanted();
    /// A check or a download has ended: the page shows what is still running.
    void ended();
    /// A download was checked and written to the temporary image file `path`, which the
    /// path field now shows: `image` holds the checked bytes, which the upload sends
    /// rather than what the file holds by the time it would read it.
    void imageReady(const QString &path, const QByteArray &image);

private:
    void showStatus(const QString &text);
    bool imageUnderWay() const;
    /// Gives `reply` up once `deadline` has passed; overDeadline() then tells.
    static void limitTime(QNetworkReply *reply, std::chrono::milliseconds deadline);
    static bool overDeadline(const QNetworkReply *reply);
    /// A time for the status line: "a minute", "10 minutes", "0.5 seconds".
    static QString durationText(std::chrono::milliseconds time);

    Widgets w;
    const kest::KestUnit &unit; ///< the attached unit's firmware version
    QNetworkAccessManager &network;
    const QString &baseUrl;
    const KestUpgrade &upload;
    QLabel *status = nullptr; ///< why the latest update check found nothing
    QTimer statusTimer; ///< clears the status line
    QPointer<QNetworkReply> transfer; ///< the firmware download under way, if any
    QPointer<QNetworkReply> versionCheck; ///< the update check under way, if any
    QString address; ///< what download() fetches: the offer's image, or a typed address
    QString offeredDigest; ///< "MD5: <digest>" of the latest accepted offer, as shown
    std::chrono::milliseconds checkDeadline {std::chrono::minutes(1)};
    std::chrono::milliseconds downloadDeadline {std::chrono::minutes(10)};
};
