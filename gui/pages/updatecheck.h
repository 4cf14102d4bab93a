#pragma once

#include "firmwarewidgets.h"
#include "updateclient.h"

#include <QObject>
#include <QTimer>

class KestUpgrade;
namespace kest {
class KestUnit;
}
QT_BEGIN_NAMESPACE
class QLabel;
class QNetworkAccessManager;
class QNetworkReply;
QT_END_NAMESPACE

/// The DEVICE page's view of the online update ("CHECK UPDATE", and the firmware
/// download that follows an accepted offer or a "MANUAL UPDATE" of an https:// address):
/// the update client does the network work, this shows it on the page and asks the user.
/// A checked download is handed to the upload through imageReady(). Whoever owns the page
/// routes the replies' signals back (checkStarted, downloadStarted) and starts the
/// download it asks for (downloadWanted): calls go down, results come back as signals.
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

    bool checking() const { return client->checking(); }
    bool downloading() const { return client->downloading(); }

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
    void showChecked(const kest::CheckResult &result);
    void showDownloaded(const kest::DownloadResult &result);
    void showStatus(const QString &text);
    bool imageUnderWay() const;

    Widgets w;
    kest::UpdateClient *client;
    const kest::KestUnit &unit; ///< the attached unit's firmware version
    const QString &baseUrl;
    const KestUpgrade &upload;
    QLabel *status = nullptr; ///< why the latest update check found nothing
    QTimer statusTimer; ///< clears the status line
    QString address; ///< what download() fetches: the offer's image, or a typed address
    QString offeredDigest; ///< "MD5: <digest>" of the latest accepted offer, as shown
};
